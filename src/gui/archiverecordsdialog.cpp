#include "archiverecordsdialog.h"
#include "ui_archiverecordsdialog.h"

#include "dialogs.h"

#include "archive/archiverunner.h"
#include "archive/archivekinds.h"
#include "archive/archivesettings.h"
#include "archive/localarchive.h"
#include "store/dbmanager.h"
#include "visits/visitsession.h"

#include <QHash>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
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

// Above this size a fetch shows its progress and can be cut off: a register of the largest
// kind takes a while over a slow line.
constexpr qint64 LargeRecordBytes = 256 * 1024;
// How far ahead a next due date counts as "soon".
constexpr int DueSoonDays = 30;

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

// A server's message can run over several lines (libpq adds hints); a status line takes the
// first.
QString firstLine(const QString &message)
{
    return message.section(QLatin1Char('\n'), 0, 0).trimmed();
}

QString shortTime(const QDateTime &when)
{
    return when.isValid() ? when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                          : QString();
}

// Runs `job` on a thread of its own and hands its result to `done` on the context's thread,
// unless the context is gone by then.
template <class Job, class Done>
void runOffThread(QObject *context, Job job, Done done)
{
    auto result = std::make_shared<decltype(job())>();
    QThread *thread = QThread::create([job, result] { *result = job(); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    QObject::connect(thread, &QThread::finished, context, [done, result] { done(*result); });
    thread->start();
}

struct SearchAnswer
{
    ArchiveSync::Result result;
    CataloguePage page;
};
struct UnitsAnswer
{
    ArchiveSync::Result result;
    QVector<UnitOverview> units;
    bool more = false;
};

// Which records of a server page have their bytes here, from this store's catalogue over the
// same stretch of the archive: its page for the same query reaches at least as far down, as
// it holds no record the server lacks.
void markLocal(CataloguePage *page, const CatalogueQuery &query)
{
    const CataloguePage here = LocalArchive(DbManager::instance()->database()).catalogue(query);
    QHash<QString, const CatalogueEntry *> local;
    for (const CatalogueEntry &entry : here.entries) {
        if (entry.local)
            local.insert(entry.uuid, &entry);
    }
    for (CatalogueEntry &entry : page->entries) {
        if (const CatalogueEntry *held = local.value(entry.uuid)) {
            entry.local = true;
            entry.table = held->table;
            entry.localId = held->localId;
        }
    }
}

QString storeFile()
{
    return DbManager::instance()->database().databaseName();
}

// Why the server is not asked, or empty when it may be.
QString serverUnusable(const ArchiveSettings &settings)
{
    if (!ArchiveSettings::driverAvailable())
        return ArchiveRecordsDialog::tr("brak sterownika PostgreSQL w tej instalacji");
    if (!settings.isConfigured())
        return ArchiveRecordsDialog::tr("archiwum nie jest ustawione w Ustawienia > Widok");
    return QString();
}
} // namespace

ArchiveRecordsDialog::ArchiveRecordsDialog(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ArchiveRecordsDialog>()),
      m_fetcher(new ArchiveRunner(this))
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Close)->setText(tr("Zamknij"));
    // These show names and server messages: plain text, never markup a name might carry.
    for (QLabel *label : {ui->statusLabel, ui->sourceLabel, ui->restrictionLabel,
                          ui->unitsNote})
        label->setTextFormat(Qt::PlainText);

    ui->kindFilter->addItem(tr("wszystkie rodzaje"), QString());
    for (const KindName &k : kKindNames)
        ui->kindFilter->addItem(kindName(QLatin1String(k.kind)), QLatin1String(k.kind));
    ui->recordsTable->setColumnCount(StateColumn + 1);
    ui->recordsTable->setHorizontalHeaderLabels({tr("Rodzaj"), tr("Nazwa"), tr("Obiekt"),
                                                 tr("Centrala"), tr("Autor"), tr("Data"),
                                                 tr("Rozmiar"), tr("Stan")});
    ui->recordsTable->horizontalHeader()->setStretchLastSection(true);
    ui->recordsTable->verticalHeader()->hide();
    ui->unitsTable->setColumnCount(6);
    ui->unitsTable->setHorizontalHeaderLabels({tr("Centrala"), tr("Obiekt"),
                                               tr("Ostatnia wizyta"), tr("Następny przegląd"),
                                               tr("Wizyty"), tr("Termin")});
    ui->unitsTable->horizontalHeader()->setStretchLastSection(true);
    ui->unitsTable->verticalHeader()->hide();
    ui->unitsTable->setSortingEnabled(true);
    ui->fetchProgress->hide();
    ui->fetchCancel->hide();
    ui->recordButtons->setStretchFactor(ui->statusLabel, 1);
    ui->unitButtons->addStretch(1);
    setRestriction(QString(), QString(), QString());

    connect(ui->searchButton, &QPushButton::clicked, this, &ArchiveRecordsDialog::search);
    connect(ui->textFilter, &QLineEdit::returnPressed, this, &ArchiveRecordsDialog::search);
    connect(ui->kindFilter, QOverload<int>::of(&QComboBox::activated), this,
            &ArchiveRecordsDialog::search);
    connect(ui->moreButton, &QPushButton::clicked, this, &ArchiveRecordsDialog::loadMore);
    // Scrolling to the end reads the next page, as "Więcej" does.
    connect(ui->recordsTable->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) {
                if (m_more && value == ui->recordsTable->verticalScrollBar()->maximum())
                    loadMore();
            });
    connect(ui->recordsTable, &QTableWidget::itemSelectionChanged, this,
            &ArchiveRecordsDialog::updateButtons);
    connect(ui->recordsTable, &QTableWidget::cellDoubleClicked, this,
            &ArchiveRecordsDialog::openSelected);
    connect(ui->openButton, &QPushButton::clicked, this, &ArchiveRecordsDialog::openSelected);
    connect(ui->siteRecordsButton, &QPushButton::clicked, this, [this] {
        if (const Shown *shown = selected())
            setRestriction(shown->entry.site, QString(), shown->entry.siteName);
    });
    connect(ui->clearRestriction, &QPushButton::clicked, this,
            [this] { setRestriction(QString(), QString(), QString()); });
    connect(ui->fetchCancel, &QPushButton::clicked, m_fetcher, &ArchiveRunner::cancel);
    connect(m_fetcher, &ArchiveRunner::progress, this, [this](int done, int total) {
        ui->fetchProgress->setRange(0, qMax(total, 1));
        ui->fetchProgress->setValue(done);
    });
    connect(m_fetcher, &ArchiveRunner::finished, this,
            [this](ArchiveSync::Status status, const QString &message, int) {
                fetchFinished(status, message);
            });
    // Withdraw and restore: the selected record's action, run on the server.
    using Action = ArchiveSync::Result (ArchiveSync::*)(const QString &);
    const auto onSelected = [this](Action action) {
        return [this, action] {
            const Shown *shown = selected();
            if (!shown)
                return;
            const ArchiveSettings settings = ArchiveSettings::load(DbManager::instance());
            const QString file = storeFile(), uuid = shown->entry.uuid;
            runOnServer([settings, file, uuid, action] {
                ArchiveSync sync(settings, file);
                return (sync.*action)(uuid);
            });
        };
    };
    connect(ui->withdrawButton, &QPushButton::clicked, this, onSelected(&ArchiveSync::withdraw));
    connect(ui->restoreButton, &QPushButton::clicked, this, onSelected(&ArchiveSync::restore));

    connect(ui->unitSearchButton, &QPushButton::clicked, this, [this] { searchUnits(false); });
    connect(ui->unitFilter, &QLineEdit::returnPressed, this, [this] { searchUnits(false); });
    connect(ui->unitsMoreButton, &QPushButton::clicked, this, [this] { searchUnits(true); });
    connect(ui->unitsTable->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) {
                if (m_unitsMore && value == ui->unitsTable->verticalScrollBar()->maximum())
                    searchUnits(true);
            });
    connect(ui->unitsTable, &QTableWidget::itemSelectionChanged, this, [this] {
        ui->unitRecordsButton->setEnabled(!ui->unitsTable->selectedItems().isEmpty());
    });
    connect(ui->unitRecordsButton, &QPushButton::clicked, this, [this] {
        const QList<QTableWidgetItem *> items = ui->unitsTable->selectedItems();
        if (items.isEmpty())
            return;
        const QTableWidgetItem *item = ui->unitsTable->item(items.first()->row(), 0);
        ui->tabs->setCurrentIndex(RecordsPage);
        setRestriction(QString(), item->data(Qt::UserRole).toString(), item->text());
    });
    ui->unitRecordsButton->setEnabled(false);
    ui->unitsMoreButton->setEnabled(false);
    // The company's units are asked for only when the technician looks at them.
    connect(ui->tabs, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == UnitsPage && m_unitGeneration == 0)
            searchUnits(false);
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
        rows.append({shortTime(r.at), kindName(r.kind), VisitSession::shownRecordName(r.name),
                     r.author, r.login, r.reason});
    fill(ui->rejectedTable,
         {tr("Kiedy"), tr("Rodzaj"), tr("Nazwa"), tr("Autor"), tr("Login"), tr("Powód")}, rows);
    m_deletedHere.clear();
    for (const LocalArchive::Held &h : archive.held()) {
        if (h.deletedHere)
            m_deletedHere.insert(h.uuid);
    }
    search();
}

void ArchiveRecordsDialog::setRestriction(const QString &site, const QString &unit,
                                          const QString &label)
{
    m_query.site = site;
    m_query.unit = unit;
    const bool restricted = !site.isEmpty() || !unit.isEmpty();
    ui->restrictionLabel->setText(!restricted ? QString()
                                  : !site.isEmpty() ? tr("Tylko obiekt: %1").arg(label)
                                                    : tr("Tylko centrala: %1").arg(label));
    ui->restrictionLabel->setVisible(restricted);
    ui->clearRestriction->setVisible(restricted);
    if (m_generation > 0)
        search();
}

void ArchiveRecordsDialog::search()
{
    m_query.kind = ui->kindFilter->currentData().toString();
    m_query.text = ui->textFilter->text().trimmed();
    m_query.beforeSeq = 0;
    m_query.limit = PageSize;
    m_shown.clear();
    ui->recordsTable->setRowCount(0);
    m_more = false;
    m_loading = false;
    loadMore();
}

void ArchiveRecordsDialog::loadMore()
{
    if (m_loading)
        return;
    CatalogueQuery query = m_query;
    query.beforeSeq = m_shown.isEmpty() ? 0 : m_shown.constLast().entry.seq;
    const int generation = ++m_generation;
    const ArchiveSettings settings = ArchiveSettings::load(DbManager::instance());
    const QString unusable = serverUnusable(settings);
    // Offline, the catalogue this store pulled at its last sync answers at once.
    auto fromCatalogue = [this, query](const QString &reason) {
        showRecords(LocalArchive(DbManager::instance()->database()).catalogue(query),
                    Source::Local, reason);
    };
    if (!unusable.isEmpty()) {
        fromCatalogue(unusable);
        return;
    }
    m_loading = true;
    ui->moreButton->setEnabled(false);
    ui->sourceLabel->setText(tr("Szukanie w archiwum firmowym…"));
    const QString file = storeFile();
    runOffThread(
            this,
            [settings, file, query] {
                SearchAnswer answer;
                answer.result = ArchiveSync(settings, file).search(query, &answer.page);
                return answer;
            },
            [this, generation, fromCatalogue, query](const SearchAnswer &answer) {
                if (generation != m_generation)
                    return;
                m_loading = false;
                if (answer.result.status == ArchiveSync::Status::Done) {
                    CataloguePage page = answer.page;
                    markLocal(&page, query);
                    showRecords(page, Source::Server, QString());
                } else {
                    fromCatalogue(answer.result.message);
                }
            });
}

void ArchiveRecordsDialog::showRecords(const CataloguePage &page, Source source,
                                       const QString &reason)
{
    m_source = source;
    m_more = page.more;
    if (source == Source::Server)
        ui->sourceLabel->setText(tr("Wyniki z serwera archiwum firmowego."));
    else
        ui->sourceLabel->setText(
                tr("Wyniki z katalogu na tym komputerze (stan z ostatniej synchronizacji): "
                   "serwer archiwum nie odpowiada: %1")
                        .arg(firstLine(reason)));
    const bool first = m_shown.isEmpty();
    for (const CatalogueEntry &entry : page.entries) {
        const Shown shown{entry, m_deletedHere.contains(entry.uuid)};
        m_shown.append(shown);
        appendRecord(shown);
    }
    if (first) {
        // Fitted to the first page, but no column crowds the others out.
        ui->recordsTable->resizeColumnsToContents();
        for (int c = 0; c < StateColumn; ++c)
            ui->recordsTable->setColumnWidth(c, qMin(ui->recordsTable->columnWidth(c), 240));
    }
    ui->moreButton->setEnabled(m_more);
    if (m_shown.isEmpty())
        ui->statusLabel->setText(tr("Nie znaleziono rekordów."));
    updateButtons();
}

void ArchiveRecordsDialog::appendRecord(const Shown &shown)
{
    const CatalogueEntry &e = shown.entry;
    const int row = ui->recordsTable->rowCount();
    ui->recordsTable->insertRow(row);
    QString state = e.withdrawn ? tr("wycofany") : tr("w archiwum");
    if (shown.deletedHere)
        state += QStringLiteral(", ") + tr("usunięty w tej bazie");
    else if (!e.local)
        state += QStringLiteral(", ") + tr("nie na tym komputerze");
    const QStringList texts{kindName(e.kind), VisitSession::shownRecordName(e.name), e.siteName, e.unitLabel, e.author,
                            shortTime(e.visited.isValid() ? e.visited : e.created),
                            QLocale().formattedDataSize(e.size), state};
    for (int c = 0; c < texts.size(); ++c)
        ui->recordsTable->setItem(row, c, new QTableWidgetItem(texts.at(c)));
    ui->recordsTable->item(row, SizeColumn)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (!e.local && !shown.deletedHere) {
        QTableWidgetItem *name = ui->recordsTable->item(row, NameColumn);
        name->setIcon(QIcon(QStringLiteral(":/icons/chmura.png")));
        name->setToolTip(tr("Tylko w archiwum firmowym: otwarcie pobierze go na ten komputer"));
    }
}

const ArchiveRecordsDialog::Shown *ArchiveRecordsDialog::selected() const
{
    const QList<QTableWidgetItem *> items = ui->recordsTable->selectedItems();
    const int row = items.isEmpty() ? -1 : items.first()->row();
    return row >= 0 && row < m_shown.size() ? &m_shown.at(row) : nullptr;
}

void ArchiveRecordsDialog::updateButtons()
{
    const Shown *shown = selected();
    const bool fetching = m_fetcher->isRunning();
    const bool ready = shown && !m_busy && !fetching && ArchiveSettings::driverAvailable();
    const QString login = ArchiveSettings::load(DbManager::instance()).user;
    ui->openButton->setEnabled(shown && !fetching && !shown->deletedHere);
    ui->openButton->setText(shown && !shown->entry.local ? tr("Pobierz i otwórz")
                                                         : tr("Otwórz"));
    ui->siteRecordsButton->setEnabled(shown && !shown->entry.site.isEmpty());
    ui->withdrawButton->setEnabled(ready && !login.isEmpty() && shown->entry.login == login
                                   && !shown->entry.withdrawn);
    ui->restoreButton->setEnabled(ready && shown->deletedHere);
}

void ArchiveRecordsDialog::openSelected()
{
    const Shown *shown = selected();
    if (!shown || shown->deletedHere || m_fetcher->isRunning())
        return;
    const CatalogueEntry entry = shown->entry;
    if (entry.local) {
        m_openedKind = entry.kind;
        m_openedId = entry.localId;
        accept();
        return;
    }
    const ArchiveSettings settings = ArchiveSettings::load(DbManager::instance());
    const QString unusable = serverUnusable(settings);
    if (!unusable.isEmpty()) {
        fetchFinished(ArchiveSync::Status::Failed, unusable);
        return;
    }
    m_fetching = entry.uuid;
    m_fetchingName = VisitSession::shownRecordName(entry.name);
    if (!m_fetcher->startFetch(settings, storeFile(), entry.uuid))
        return;
    ui->statusLabel->setText(tr("Pobieranie „%1” z archiwum…").arg(VisitSession::shownRecordName(entry.name)));
    const bool large = entry.size >= LargeRecordBytes;
    ui->fetchProgress->setRange(0, 0);
    ui->fetchProgress->setVisible(large);
    ui->fetchCancel->setVisible(large);
    updateButtons();
}

void ArchiveRecordsDialog::fetchFinished(ArchiveSync::Status status, const QString &message)
{
    ui->fetchProgress->hide();
    ui->fetchCancel->hide();
    const QString uuid = m_fetching;
    m_fetching.clear();
    const QString name = m_fetchingName;
    switch (status) {
    case ArchiveSync::Status::Done:
        ui->statusLabel->setText(message);
        if (!openLocal(uuid)) {
            ui->statusLabel->setText(tr("Rekordu „%1” nie udało się otworzyć po pobraniu: %2")
                                             .arg(name, message));
            search();
        }
        break;
    case ArchiveSync::Status::Cancelled:
        ui->statusLabel->setText(tr("Pobieranie przerwane: na tym komputerze nic nie zapisano."));
        break;
    case ArchiveSync::Status::Failed:
        ui->statusLabel->clear();
        Dialogs::instance()->warning(
                this, tr("Rekord tylko w archiwum"),
                tr("Rekord „%1” jest w archiwum firmowym, ale nie na tym komputerze, a serwera "
                   "archiwum nie udało się teraz osiągnąć (%2).\n\nNa tym komputerze niczego "
                   "nie zapisano. Połącz komputer z siecią firmy i otwórz rekord ponownie. "
                   "Żeby rekordy obiektu były tu także bez sieci, wybierz w Ustawienia > Widok "
                   "zakres archiwum, który go obejmuje, i zsynchronizuj.")
                        .arg(name, message));
        break;
    }
    updateButtons();
}

bool ArchiveRecordsDialog::openLocal(const QString &uuid)
{
    // The kind comes from where the record landed, not from the row selected meanwhile.
    CatalogueEntry entry;
    entry.uuid = uuid;
    LocalArchive(DbManager::instance()->database()).locate(entry);
    if (!entry.local || entry.localId <= 0)
        return false;
    for (const ArchiveKind &k : archiveKinds()) {
        if (k.table == entry.table)
            entry.kind = k.kind;
    }
    m_openedKind = entry.kind;
    m_openedId = entry.localId;
    accept();
    return true;
}

void ArchiveRecordsDialog::searchUnits(bool more)
{
    if (m_unitsLoading || (more && !m_unitsMore))
        return;
    if (!more) {
        m_unitQuery = UnitQuery();
        m_unitQuery.text = ui->unitFilter->text().trimmed();
        m_unitQuery.limit = PageSize;
        ui->unitsTable->setRowCount(0);
    }
    const int generation = ++m_unitGeneration;
    const ArchiveSettings settings = ArchiveSettings::load(DbManager::instance());
    const QString unusable = serverUnusable(settings);
    if (!unusable.isEmpty()) {
        ui->unitsNote->setText(
                tr("Centrale firmy podaje serwer archiwum, a ten jest niedostępny: %1")
                        .arg(unusable));
        return;
    }
    m_unitsLoading = true;
    ui->unitsMoreButton->setEnabled(false);
    ui->unitsNote->setText(tr("Czytanie central z archiwum firmowego…"));
    const QString file = storeFile();
    const UnitQuery query = m_unitQuery;
    runOffThread(
            this,
            [settings, file, query] {
                UnitsAnswer answer;
                answer.result =
                        ArchiveSync(settings, file).units(query, &answer.units, &answer.more);
                return answer;
            },
            [this, generation](const UnitsAnswer &answer) {
                if (generation != m_unitGeneration)
                    return;
                m_unitsLoading = false;
                if (answer.result.status != ArchiveSync::Status::Done) {
                    ui->unitsNote->setText(tr("Centrale firmy podaje serwer archiwum, a ten nie "
                                              "odpowiada: %1")
                                                   .arg(firstLine(answer.result.message)));
                    return;
                }
                m_unitsMore = answer.more;
                ui->unitsMoreButton->setEnabled(m_unitsMore);
                const QDate today = QDate::currentDate();
                QTableWidget *table = ui->unitsTable;
                table->setSortingEnabled(false);
                for (const UnitOverview &unit : answer.units) {
                    const int row = table->rowCount();
                    table->insertRow(row);
                    QString due;
                    QColor colour;
                    if (unit.nextDue.isValid() && unit.nextDue < today) {
                        due = tr("po terminie");
                        colour = QColor(0xf4, 0xc7, 0xc3);
                    } else if (unit.nextDue.isValid()
                               && unit.nextDue <= today.addDays(DueSoonDays)) {
                        due = tr("wkrótce");
                        colour = QColor(0xfc, 0xe8, 0xb2);
                    }
                    const QStringList texts{
                            unit.label, unit.siteName, shortTime(unit.lastVisit),
                            unit.nextDue.toString(Qt::ISODate), QString(), due};
                    for (int c = 0; c < texts.size(); ++c) {
                        auto *item = new QTableWidgetItem(texts.at(c));
                        if (colour.isValid() && (c == 3 || c == 5))
                            item->setBackground(colour);
                        table->setItem(row, c, item);
                    }
                    table->item(row, 0)->setData(Qt::UserRole, unit.unit);
                    table->item(row, 4)->setData(Qt::DisplayRole, unit.visits);
                    m_unitQuery.afterLabel = unit.label;
                    m_unitQuery.afterUnit = unit.unit;
                }
                table->setSortingEnabled(true);
                if (answer.units.size() == table->rowCount())
                    table->resizeColumnsToContents();
                ui->unitsNote->setText(
                        table->rowCount() == 0
                                ? tr("Nie znaleziono central.")
                                : tr("Centrale firmy z serwera archiwum: %1.").arg(table->rowCount())
                                          + (m_unitsMore ? QLatin1Char(' ') + tr("Jest ich więcej.")
                                                         : QString()));
            });
}

void ArchiveRecordsDialog::runOnServer(const std::function<ArchiveSync::Result()> &job)
{
    m_busy = true;
    updateButtons();
    ui->statusLabel->setText(tr("Łączenie z archiwum…"));
    runOffThread(this, job, [this](const ArchiveSync::Result &result) {
        m_busy = false;
        ui->statusLabel->setText(result.message);
        reload();
    });
}
