#include "archivestatus.h"

#include "archiverecordsdialog.h"
#include "dialogs.h"

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
      m_rejectedAction(new QAction(tr("Odrzucone z archiwum…"), this)),
      m_recordsAction(new QAction(tr("Rekordy w archiwum…"), this)),
      m_unitsAction(new QAction(tr("Centrale firmy…"), this)),
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
    m_rejectedAction->setObjectName(QStringLiteral("actionArchiveRejected"));
    m_rejectedAction->setStatusTip(tr("Rekordy kolegów, których ta baza nie przyjęła"));
    m_recordsAction->setObjectName(QStringLiteral("actionArchiveRecords"));
    m_recordsAction->setStatusTip(tr("Wyszukiwanie i otwieranie rekordów archiwum, wycofanie "
                                     "własnych rekordów i przywracanie usuniętych"));
    m_unitsAction->setObjectName(QStringLiteral("actionArchiveUnits"));
    m_unitsAction->setStatusTip(tr("Centrale firmy z ostatnią wizytą i terminem przeglądu"));
    const struct
    {
        QAction *action;
        ArchiveRecordsDialog::Page page;
    } pages[] = {{m_rejectedAction, ArchiveRecordsDialog::RejectedPage},
                 {m_recordsAction, ArchiveRecordsDialog::RecordsPage},
                 {m_unitsAction, ArchiveRecordsDialog::UnitsPage}};
    for (const auto &entry : pages) {
        const ArchiveRecordsDialog::Page page = entry.page;
        connect(entry.action, &QAction::triggered, this, [this, page] {
            ArchiveRecordsDialog dialog(window());
            dialog.showPage(page);
            const int result = Dialogs::instance()->exec(&dialog);
            emit synced();
            refresh();
            if (result == QDialog::Accepted && dialog.openedId() > 0)
                emit openRecord(dialog.openedKind(), dialog.openedId());
        });
    }
    connect(m_cancel, &QToolButton::clicked, m_runner, &ArchiveRunner::cancel);
    connect(m_runner, &ArchiveRunner::progress, this, [this](int done, int total) {
        m_progress->setRange(0, qMax(total, 1));
        m_progress->setValue(done);
    });
    connect(m_runner, &ArchiveRunner::finished, this,
            [this](ArchiveSync::Status status, const QString &text, int waiting) {
                m_progress->hide();
                m_cancel->hide();
                m_syncAction->setEnabled(true);
                emit message(status == ArchiveSync::Status::Cancelled
                                     ? tr("Synchronizacja przerwana.")
                                     : text,
                             10000);
                // The status bar cuts a long report short: the whole of it stays at hand, as text
                // (a server's words included), never as markup.
                m_state->setToolTip(QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped()));
                emit synced();
                if (waiting >= 0)
                    showState(waiting);
                else
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
    // the sync reports the count when it ends.
    const QSqlDatabase db = DbManager::instance()->database();
    if (!db.isOpen() || m_runner->isRunning())
        return;
    showState(LocalArchive(db).waitingCount());
}

void ArchiveStatus::showState(int waiting)
{
    const QSqlDatabase db = DbManager::instance()->database();
    const QDateTime last = db.isOpen() ? LocalArchive(db).lastSync() : QDateTime();
    const QString when = last.isValid()
            ? last.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
            : tr("nigdy");
    m_state->setText(tr("Archiwum: %1, czeka %2").arg(when).arg(waiting));
}
