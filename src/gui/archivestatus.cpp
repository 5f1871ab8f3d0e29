#include "archivestatus.h"

#include "archive/archiverunner.h"
#include "archive/archivesettings.h"
#include "archive/localarchive.h"
#include "store/dbmanager.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

ArchiveStatus::ArchiveStatus(QWidget *parent)
    : QWidget(parent),
      m_runner(new ArchiveRunner(this)),
      m_syncAction(new QAction(QIcon(QStringLiteral(":/icons/archiwum.png")),
                               tr("Synchronizuj z archiwum"), this)),
      m_state(new QLabel(this)),
      m_progress(new QProgressBar(this)),
      m_cancel(new QToolButton(this))
{
    setObjectName(QStringLiteral("archiveStatus"));
    m_syncAction->setObjectName(QStringLiteral("actionArchiveSync"));
    m_syncAction->setStatusTip(tr("Wymienia rekordy z archiwum firmowym"));
    m_state->setObjectName(QStringLiteral("archiveState"));
    m_progress->setObjectName(QStringLiteral("archiveProgress"));
    m_progress->setMaximumWidth(120);
    m_progress->hide();
    m_cancel->setObjectName(QStringLiteral("archiveCancel"));
    m_cancel->setText(tr("Przerwij"));
    m_cancel->hide();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_state);
    layout->addWidget(m_progress);
    layout->addWidget(m_cancel);

    connect(m_syncAction, &QAction::triggered, this, &ArchiveStatus::slotSync);
    connect(m_cancel, &QToolButton::clicked, m_runner, &ArchiveRunner::cancel);
    connect(m_runner, &ArchiveRunner::progress, this, [this](int done, int total) {
        m_progress->setRange(0, qMax(total, 1));
        m_progress->setValue(done);
    });
    connect(m_runner, &ArchiveRunner::finished, this,
            [this](ArchiveSync::Status status, const QString &text) {
                m_progress->hide();
                m_cancel->hide();
                m_syncAction->setEnabled(true);
                emit message(status == ArchiveSync::Status::Cancelled
                                     ? tr("Synchronizacja przerwana.")
                                     : text,
                             10000);
                emit synced();
                refresh();
            });
    // Without the driver nothing can be sent: no action, and no count that only grows.
    if (!ArchiveSettings::driverAvailable()) {
        m_syncAction->setEnabled(false);
        m_state->setText(tr("Archiwum niedostępne: brak sterownika PostgreSQL"));
        return;
    }
    // Records are added while the technician works; the count of waiting ones follows.
    m_refresh.setInterval(10000);
    connect(&m_refresh, &QTimer::timeout, this, &ArchiveStatus::refresh);
    m_refresh.start();
    refresh();
}

ArchiveStatus::~ArchiveStatus() = default;

void ArchiveStatus::slotSync()
{
    DbManager *store = DbManager::instance();
    const ArchiveSettings settings = ArchiveSettings::load(store);
    if (!ArchiveSettings::driverAvailable()) {
        emit message(tr("Brak sterownika PostgreSQL (QPSQL) w tej instalacji: archiwum jest "
                        "niedostępne."),
                     10000);
        return;
    }
    if (!settings.isConfigured()) {
        emit message(tr("Archiwum nie jest ustawione: podaj serwer i użytkownika w "
                        "Ustawienia > Widok."),
                     10000);
        return;
    }
    if (!m_runner->start(settings, store->database().databaseName()))
        return;
    m_syncAction->setEnabled(false);
    m_progress->setRange(0, 0);
    m_progress->show();
    m_cancel->show();
}

void ArchiveStatus::refresh()
{
    // While a sync writes the store, counting would wait on its lock and stall the window;
    // the count follows when it ends.
    const QSqlDatabase db = DbManager::instance()->database();
    if (!db.isOpen() || m_runner->isRunning())
        return;
    const LocalArchive archive(db);
    const QDateTime last = archive.lastSync();
    const QString when = last.isValid()
            ? last.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
            : tr("nigdy");
    m_state->setText(tr("Archiwum: %1, czeka %2").arg(when).arg(archive.waitingCount()));
}
