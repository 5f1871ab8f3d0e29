#include "archive/archiverunner.h"

#include <QThread>

ArchiveRunner::ArchiveRunner(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<ArchiveSync::Status>("ArchiveSync::Status");
}

ArchiveRunner::~ArchiveRunner()
{
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
        delete m_thread;
    }
}

bool ArchiveRunner::start(const ArchiveSettings &settings, const QString &storeFile)
{
    if (m_thread)
        return false;
    m_cancel = false;
    m_thread = QThread::create([this, settings, storeFile] {
        ArchiveSync sync(settings, storeFile);
        const ArchiveSync::Result result = sync.run(&m_cancel, [this](int done, int total) {
            emit progress(done, total);
        });
        m_result = result;
    });
    // Progress is emitted on the worker thread and queued to this object's thread; the result
    // is reported there once the thread has ended, so a new sync may start from the handler.
    connect(m_thread, &QThread::finished, this, [this] {
        m_thread->deleteLater();
        m_thread = nullptr;
        emit finished(m_result.status, m_result.message);
    });
    m_thread->start();
    return true;
}

void ArchiveRunner::cancel()
{
    m_cancel = true;
}
