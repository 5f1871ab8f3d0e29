#pragma once

#include "archive/archivesync.h"

#include <QObject>

#include <functional>
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
    // Brings one record's bytes (ArchiveSync::fetch); progress counts bytes. False when
    // something already runs.
    bool startFetch(const ArchiveSettings &settings, const QString &storeFile,
                    const QString &uuid);
    void cancel();
    bool isRunning() const { return m_thread != nullptr; }

signals:
    // Records in a sync, bytes in a fetch.
    void progress(int done, int total);
    // `waiting` is the count of local records still waiting for the archive, -1 when the sync
    // ended before it counted them.
    void finished(ArchiveSync::Status status, const QString &message, int waiting);

private:
    struct Shared;
    using Job = std::function<ArchiveSync::Result(ArchiveSync &, ArchiveCancel *,
                                                  const ArchiveSync::Progress &)>;
    bool launch(const ArchiveSettings &settings, const QString &storeFile, const Job &job);
    QThread *m_thread = nullptr;
    std::shared_ptr<Shared> m_shared;
};
