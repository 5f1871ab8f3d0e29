#include "archiverecordsdialog.h"
#include "ui_archiverecordsdialog.h"

#include "archive/archivesettings.h"
#include "archive/localarchive.h"
#include "store/dbmanager.h"
#include "visits/visitsession.h"

#include <QHeaderView>
#include <QPushButton>
#include <QThread>

namespace {
struct KindName
{
    const char *kind;
    const char *name;
};
const KindName kKindNames[] = {
    {"config", QT_TRANSLATE_NOOP("ArchiveRecordsDialog", "konfiguracja")},
    {"eventlog", QT_TRANSLATE_NOOP("ArchiveRecordsDialog", "rejestr zdarzeń")},
    {"faults", QT_TRANSLATE_NOOP("ArchiveRecordsDialog", "lista uszkodzeń")},
    {"software", QT_TRANSLATE_NOOP("ArchiveRecordsDialog", "wersje oprogramowania")},
    {"site", QT_TRANSLATE_NOOP("ArchiveRecordsDialog", "obiekt")},
    {"unit", QT_TRANSLATE_NOOP("ArchiveRecordsDialog", "centrala")},
    {"visit", QT_TRANSLATE_NOOP("ArchiveRecordsDialog", "wizyta")},
};

QString kindName(const QString &kind)
{
    for (const KindName &k : kKindNames) {
        if (kind == QLatin1String(k.kind))
            return QCoreApplication::translate("ArchiveRecordsDialog", k.name);
    }
    return kind;
}

enum RecordColumn { KindColumn, NameColumn, AuthorColumn, LoginColumn, StateColumn };
constexpr int UuidRole = Qt::UserRole;
constexpr int OwnRole = Qt::UserRole + 1;
constexpr int DeletedRole = Qt::UserRole + 2;
constexpr int WithdrawnRole = Qt::UserRole + 3;

void fill(QTableWidget *table, const QStringList &headers, const QVector<QStringList> &rows)
{
    table->clearContents();
    table->setColumnCount(headers.size());
    table->setHorizontalHeaderLabels(headers);
    table->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < headers.size(); ++c)
            table->setItem(r, c, new QTableWidgetItem(rows.at(r).value(c)));
    }
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeColumnsToContents();
}
} // namespace

ArchiveRecordsDialog::ArchiveRecordsDialog(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ArchiveRecordsDialog>())
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Close)->setText(tr("Zamknij"));
    connect(ui->recordsTable, &QTableWidget::itemSelectionChanged, this,
            &ArchiveRecordsDialog::updateButtons);
    connect(ui->withdrawButton, &QPushButton::clicked, this, [this] {
        const QList<QTableWidgetItem *> selected = ui->recordsTable->selectedItems();
        if (selected.isEmpty())
            return;
        const QString uuid = ui->recordsTable->item(selected.first()->row(), 0)
                                     ->data(UuidRole)
                                     .toString();
        const ArchiveSettings settings = ArchiveSettings::load(DbManager::instance());
        const QString file = DbManager::instance()->database().databaseName();
        runOnServer([settings, file, uuid] { return ArchiveSync(settings, file).withdraw(uuid); });
    });
    connect(ui->restoreButton, &QPushButton::clicked, this, [this] {
        const QList<QTableWidgetItem *> selected = ui->recordsTable->selectedItems();
        if (selected.isEmpty())
            return;
        const QString uuid = ui->recordsTable->item(selected.first()->row(), 0)
                                     ->data(UuidRole)
                                     .toString();
        const ArchiveSettings settings = ArchiveSettings::load(DbManager::instance());
        const QString file = DbManager::instance()->database().databaseName();
        runOnServer([settings, file, uuid] { return ArchiveSync(settings, file).restore(uuid); });
    });
    reload();
}

ArchiveRecordsDialog::~ArchiveRecordsDialog() = default;

void ArchiveRecordsDialog::showPage(Page page)
{
    ui->tabs->setCurrentIndex(page);
}

void ArchiveRecordsDialog::reload()
{
    const LocalArchive archive(DbManager::instance()->database());
    QVector<QStringList> rows;
    for (const LocalArchive::Rejected &r : archive.rejected())
        rows.append({r.at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                     kindName(r.kind), VisitSession::shownRecordName(r.name), r.author, r.login,
                     r.reason});
    fill(ui->rejectedTable,
         {tr("Kiedy"), tr("Rodzaj"), tr("Nazwa"), tr("Autor"), tr("Login"), tr("Powód")}, rows);

    const QString login = ArchiveSettings::load(DbManager::instance()).user;
    const QVector<LocalArchive::Held> held = archive.held();
    rows.clear();
    for (const LocalArchive::Held &h : held) {
        QString state = h.withdrawn ? tr("wycofany") : tr("w archiwum");
        if (h.deletedHere)
            state += QStringLiteral(", ") + tr("usunięty w tej bazie");
        rows.append({kindName(h.kind), VisitSession::shownRecordName(h.name), h.author, h.login,
                     state});
    }
    fill(ui->recordsTable, {tr("Rodzaj"), tr("Nazwa"), tr("Autor"), tr("Login"), tr("Stan")},
         rows);
    for (int r = 0; r < held.size(); ++r) {
        QTableWidgetItem *item = ui->recordsTable->item(r, KindColumn);
        item->setData(UuidRole, held.at(r).uuid);
        item->setData(OwnRole, !login.isEmpty() && held.at(r).login == login);
        item->setData(DeletedRole, held.at(r).deletedHere);
        item->setData(WithdrawnRole, held.at(r).withdrawn);
    }
    updateButtons();
}

void ArchiveRecordsDialog::updateButtons()
{
    const QList<QTableWidgetItem *> selected = ui->recordsTable->selectedItems();
    const QTableWidgetItem *item =
            selected.isEmpty() ? nullptr : ui->recordsTable->item(selected.first()->row(), 0);
    const bool ready = item && !m_busy && ArchiveSettings::driverAvailable();
    ui->withdrawButton->setEnabled(ready && item->data(OwnRole).toBool()
                                   && !item->data(WithdrawnRole).toBool());
    ui->restoreButton->setEnabled(ready && item->data(DeletedRole).toBool());
}

void ArchiveRecordsDialog::runOnServer(const std::function<ArchiveSync::Result()> &job)
{
    m_busy = true;
    updateButtons();
    ui->statusLabel->setText(tr("Łączenie z archiwum…"));
    auto result = std::make_shared<ArchiveSync::Result>();
    QThread *thread = QThread::create([job, result] { *result = job(); });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, [this, result] {
        m_busy = false;
        ui->statusLabel->setText(result->message);
        reload();
    });
    thread->start();
}
