#pragma once

#include "archive/archivesync.h"

#include <QObject>

#include <atomic>

class QThread;

// Runs one ArchiveSync at a time on a thread of its own and reports back on the owner's thread,
// so the window keeps answering while records travel.
class ArchiveRunner : public QObject
{
    Q_OBJECT
public:
    explicit ArchiveRunner(QObject *parent = nullptr);
    ~ArchiveRunner() override;

    // False when a sync is already running.
    bool start(const ArchiveSettings &settings, const QString &storeFile);
    void cancel();
    bool isRunning() const { return m_thread != nullptr; }

signals:
    void progress(int done, int total);
    void finished(ArchiveSync::Status status, const QString &message);

private:
    QThread *m_thread = nullptr;
    std::atomic<bool> m_cancel{false};
    ArchiveSync::Result m_result;
};
