#pragma once

#include "archive/archivesync.h"

#include <QObject>

#include <memory>

class QThread;

// Runs one ArchiveSync at a time on a thread of its own and reports back on the owner's thread,
// so the window keeps answering while records travel. Cancelling, or destroying the runner
// (closing the program), cuts a running sync off within a few seconds whatever the server
// does; the next sync finishes what it left.
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
    // `waiting` is the count of local records still waiting for the archive, -1 when the sync
    // ended before it counted them.
    void finished(ArchiveSync::Status status, const QString &message, int waiting);

private:
    struct Shared;
    QThread *m_thread = nullptr;
    std::shared_ptr<Shared> m_shared;
};
