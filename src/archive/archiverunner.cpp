#include "archive/archiverunner.h"

#include <QDebug>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>

// What the sync thread and the runner share; it outlives whichever ends last, so that a
// thread left running at exit never touches a destroyed runner.
struct ArchiveRunner::Shared
{
    ArchiveCancel cancel;
    ArchiveSync::Result result;
    QMutex mutex;
    ArchiveRunner *owner = nullptr; // guarded by mutex
};

ArchiveRunner::ArchiveRunner(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<ArchiveSync::Status>("ArchiveSync::Status");
}

ArchiveRunner::~ArchiveRunner()
{
    if (!m_thread)
        return;
    {
        QMutexLocker lock(&m_shared->mutex);
        m_shared->owner = nullptr;
    }
    m_shared->cancel.cancel();
    // The cancel cuts the server connection at once; a local write waits at most its busy
    // time-out. A thread that still runs after that is left to the end of the process rather
    // than holding the window open.
    if (m_thread->wait(4500)) {
        delete m_thread;
    } else {
        qWarning() << "archive: the sync did not end in time; left to the process exit";
        m_thread->disconnect(this);
        connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    }
}

bool ArchiveRunner::start(const ArchiveSettings &settings, const QString &storeFile)
{
    return launch(settings, storeFile,
                  [](ArchiveSync &sync, ArchiveCancel *cancel, const ArchiveSync::Progress &p) {
                      return sync.run(cancel, p);
                  });
}

bool ArchiveRunner::startFetch(const ArchiveSettings &settings, const QString &storeFile,
                               const QString &uuid)
{
    return launch(settings, storeFile,
                  [uuid](ArchiveSync &sync, ArchiveCancel *cancel,
                         const ArchiveSync::Progress &p) { return sync.fetch(uuid, cancel, p); });
}

bool ArchiveRunner::launch(const ArchiveSettings &settings, const QString &storeFile,
                           const Job &job)
{
    if (m_thread)
        return false;
    m_shared = std::make_shared<Shared>();
    m_shared->owner = this;
    const std::shared_ptr<Shared> shared = m_shared;
    m_thread = QThread::create([shared, settings, storeFile, job] {
        ArchiveSync sync(settings, storeFile);
        shared->result = job(sync, &shared->cancel, [shared](int done, int total) {
            QMutexLocker lock(&shared->mutex);
            if (shared->owner)
                QMetaObject::invokeMethod(
                        shared->owner,
                        [owner = shared->owner, done, total] { emit owner->progress(done, total); },
                        Qt::QueuedConnection);
        });
    });
    // The result is reported on this object's thread once the thread has ended, so a new
    // sync may start from the handler.
    connect(m_thread, &QThread::finished, this, [this, shared] {
        m_thread->deleteLater();
        m_thread = nullptr;
        emit finished(shared->result.status, shared->result.message, shared->result.waiting);
    });
    m_thread->start();
    return true;
}

void ArchiveRunner::cancel()
{
    if (m_shared)
        m_shared->cancel.cancel();
}
