#pragma once

#include <QString>

#include <atomic>
#include <functional>

class QWidget;

// Long work (a report's layout and painting) done in a thread of its own while the calling
// thread's event loop keeps turning: the windows repaint, timers fire and the link keeps
// polling. With a window given, a cancellable progress dialog is shown over it.
namespace BackgroundWork {

constexpr int Steps = 1000;

// What the working thread and the waiting one share.
struct Control
{
    std::atomic<int> done{0}; // of Steps
    std::atomic<bool> cancelled{false};

    void report(double share) { done = qBound(0, qRound(share * Steps), Steps - 1); }
};

// Runs `work` in a new thread and waits for it; true when it returned true and was not
// cancelled. Without a window, user input waits until the work is done.
bool run(const std::function<bool(Control *)> &work, QWidget *progressParent,
         const QString &label);

} // namespace BackgroundWork
