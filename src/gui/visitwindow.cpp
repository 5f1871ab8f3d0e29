#include "visitwindow.h"
#include "ui_visitwindow.h"

#include "configreviewdialog.h"
#include "dialogs.h"
#include "reportdialogs.h"
#include "reportprinter.h"
#include "transferprogress.h"
#include "config/configdiff.h"
#include "config/konfiguracja.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"
#include "store/dbmanager.h"
#include "visits/checklist.h"
#include "visits/visitreport.h"
#include "visits/visitstore.h"

#include <QComboBox>
#include <QDebug>
#include <QFile>
#include <QHeaderView>
#include <QTableWidget>

namespace {

const char *const CheckHeaders[VisitWindow::CheckColumnCount] = {
        QT_TRANSLATE_NOOP("VisitWindow", "Moduł"),
        QT_TRANSLATE_NOOP("VisitWindow", "Element"),
        QT_TRANSLATE_NOOP("VisitWindow", "Sposób sprawdzenia"),
        QT_TRANSLATE_NOOP("VisitWindow", "Kryterium"),
        QT_TRANSLATE_NOOP("VisitWindow", "Wartość zmierzona"),
        QT_TRANSLATE_NOOP("VisitWindow", "Wynik"),
        QT_TRANSLATE_NOOP("VisitWindow", "Uwagi"),
};

const char *const BatteryHeaders[VisitWindow::BatteryColumnCount] = {
        QT_TRANSLATE_NOOP("VisitWindow", "Producent i typ"),
        QT_TRANSLATE_NOOP("VisitWindow", "Pojemność [Ah]"),
        QT_TRANSLATE_NOOP("VisitWindow", "Kod daty"),
        QT_TRANSLATE_NOOP("VisitWindow", "Data montażu"),
        QT_TRANSLATE_NOOP("VisitWindow", "Napięcie [V]"),
        QT_TRANSLATE_NOOP("VisitWindow", "Rezystancja [mΩ]"),
        QT_TRANSLATE_NOOP("VisitWindow", "Wynik"),
        QT_TRANSLATE_NOOP("VisitWindow", "Termin wymiany"),
};

// Wide enough for the longest result text in its drop-down.
constexpr int ResultColumnWidth = 110;
constexpr int DescriptionColumnWidth = 240;

const CheckResult ResultChoices[] = {CheckResult::NotChecked, CheckResult::Ok, CheckResult::Fault,
                                     CheckResult::NotApplicable};
const Verdict VerdictChoices[] = {Verdict::None, Verdict::Working, Verdict::WorkingWithRemarks,
                                  Verdict::NotWorking};

int resultIndex(CheckResult result)
{
    for (int i = 0; i < 4; ++i) {
        if (ResultChoices[i] == result)
            return i;
    }
    return 0;
}

QString numberText(double value)
{
    return value == 0 ? QString() : QString::number(value, 'g', 6);
}

// Records stored by a reading hold the unit's bytes; a record saved by the editor the store's.
std::unique_ptr<Konfiguracja> parseRecord(const QByteArray &bytes)
{
    auto config = std::make_unique<Konfiguracja>();
    if (config->parse(bytes, Konfiguracja::FromDevice))
        return config;
    config = std::make_unique<Konfiguracja>();
    if (config->parse(bytes, Konfiguracja::FromDatabase))
        return config;
    return nullptr;
}

} // namespace

VisitWindow::VisitWindow(USBManager *link, VisitStore *store, QWidget *parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::VisitWindow>()),
      m_link(link),
      m_store(store),
      m_session(new VisitSession(link, DbManager::instance(), this))
{
    ui->setupUi(this);
    ui->warningLabel->hide();
    for (const Verdict verdict : VerdictChoices)
        ui->verdictBox->addItem(verdictText(verdict));

    ui->checksTable->setColumnCount(CheckColumnCount);
    for (int column = 0; column < CheckColumnCount; ++column)
        ui->checksTable->setHorizontalHeaderItem(
                column, new QTableWidgetItem(tr(CheckHeaders[column])));
    ui->batteriesTable->setColumnCount(BatteryColumnCount);
    for (int column = 0; column < BatteryColumnCount; ++column)
        ui->batteriesTable->setHorizontalHeaderItem(
                column, new QTableWidgetItem(tr(BatteryHeaders[column])));
    for (QTableWidget *table : {ui->checksTable, ui->batteriesTable}) {
        table->horizontalHeader()->setStretchLastSection(true);
        table->verticalHeader()->hide();
        table->setWordWrap(true);
    }

    m_progress = new TransferProgress(m_session->tracker(), link, tr("odczyt centrali"), this);
    m_progress->setEntrySize(8);
    m_progress->setLostNote(tr("Nic z tego odczytu nie zapisano; przegląd pozostaje otwarty."));
    m_progress->placeBelow(ui->sections);

    connect(ui->backButton, &QPushButton::clicked, this, &VisitWindow::signalBack);
    connect(ui->arrivalButton, &QPushButton::clicked, this, &VisitWindow::startArrival);
    connect(ui->departureButton, &QPushButton::clicked, this, &VisitWindow::startDeparture);
    connect(ui->compareButton, &QPushButton::clicked, this, &VisitWindow::showComparison);
    connect(ui->closeButton, &QPushButton::clicked, this, &VisitWindow::closeVisit);
    connect(ui->previewButton, &QPushButton::clicked, this, &VisitWindow::previewReport);
    connect(ui->pdfButton, &QPushButton::clicked, this, &VisitWindow::exportPdf);
    connect(ui->csvButton, &QPushButton::clicked, this, &VisitWindow::exportCsv);
    connect(ui->correctButton, &QPushButton::clicked, this, &VisitWindow::correct);
    connect(ui->addBatteryButton, &QPushButton::clicked, this, &VisitWindow::addBattery);
    connect(ui->removeBatteryButton, &QPushButton::clicked, this, &VisitWindow::removeBattery);
    connect(ui->checksTable, &QTableWidget::itemChanged, this, &VisitWindow::checkEdited);
    connect(ui->batteriesTable, &QTableWidget::itemChanged, this, &VisitWindow::batteryEdited);
    // The close page's texts are kept as they are typed, so that a crash loses none of them.
    connect(ui->findingsEdit, &QPlainTextEdit::textChanged, this, &VisitWindow::saveCloseFields);
    connect(ui->recommendationsEdit, &QPlainTextEdit::textChanged, this,
            &VisitWindow::saveCloseFields);
    connect(ui->skipEdit, &QLineEdit::editingFinished, this, &VisitWindow::saveCloseFields);
    connect(ui->nextServiceEdit, &QLineEdit::editingFinished, this,
            &VisitWindow::saveCloseFields);
    connect(ui->verdictBox, QOverload<int>::of(&QComboBox::activated), this,
            &VisitWindow::saveCloseFields);

    connect(m_session, &VisitSession::signalReadingDone, this, &VisitWindow::readingDone);
    connect(m_session, &VisitSession::signalReadingFailed, this, &VisitWindow::readingFailed);
    connect(m_session, &VisitSession::signalClockSet, this, &VisitWindow::clockSet);
    if (link) {
        connect(link, &USBManager::signalUsbPortOpened, this, &VisitWindow::updateState);
        connect(link, &USBManager::signalUsbPortClosed, this, &VisitWindow::updateState);
    }
    connect(m_session->tracker(), &RequestTracker::signalBusyChanged, this,
            &VisitWindow::updateState);
}

VisitWindow::~VisitWindow() = default;

void VisitWindow::setVisit(int visitId)
{
    m_visit = m_store->visit(visitId);
    reload();
    refreshWarning(false);
}

void VisitWindow::reload()
{
    m_visit = m_store->visit(m_visit.id);
    const Unit unit = m_store->unit(m_visit.unitId);
    const Site site = m_store->site(unit.siteId);
    m_session->setRecordPrefix(QStringLiteral("%1 — %2 %3")
                                       .arg(unit.label, visitTypeText(m_visit.type),
                                            m_visit.reportNumber()));
    QString header = QStringLiteral("<b>%1</b> — %2<br>%3 %4, %5")
                             .arg(unit.label.toHtmlEscaped(), site.name.toHtmlEscaped(),
                                  visitTypeText(m_visit.type), m_visit.reportNumber(),
                                  m_visit.started.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    if (m_visit.corrects != 0)
        header += tr(" (poprawia przegląd %1)")
                          .arg(m_store->visit(m_visit.corrects).reportNumber());
    header += m_visit.closed ? tr(" — <b>zamknięty</b>") : tr(" — otwarty");
    ui->visitLabel->setText(header);

    m_filling = true;
    ui->verdictBox->setCurrentIndex(int(m_visit.verdict));
    ui->findingsEdit->setPlainText(m_visit.findings);
    ui->recommendationsEdit->setPlainText(m_visit.recommendations);
    ui->nextServiceEdit->setText(m_visit.nextService.toString(Qt::ISODate));
    ui->skipEdit->setText(m_visit.departureSkipped);
    m_filling = false;

    QStringList reading;
    if (m_visit.clockRead)
        reading << tr("Odchyłka zegara centrali: %1 s%2")
                           .arg(m_visit.clockDrift)
                           .arg(m_visit.clockSet ? tr(" (zegar ustawiony)") : QString());
    if (m_store->linkedRecord(m_visit.id, RecordRole::FaultsDeparture) != 0)
        reading << tr("odczyt przy odjeździe wykonany");
    ui->readingLabel->setText(reading.join(QStringLiteral("; ")));
    fillChecks();
    fillBatteries();
    updateState();
}

void VisitWindow::fillChecks()
{
    m_filling = true;
    m_checks = m_store->checks(m_visit.id);
    QTableWidget *table = ui->checksTable;
    table->setRowCount(m_checks.size());
    for (int row = 0; row < m_checks.size(); ++row) {
        const CheckRow &check = m_checks.at(row);
        const QString texts[] = {check.moduleText(), check.item, check.method, check.limit,
                                 check.measured, QString(), check.remark};
        for (int column = 0; column < CheckColumnCount; ++column) {
            auto *item = new QTableWidgetItem(texts[column]);
            item->setToolTip(texts[column]);
            const bool editable = !m_visit.closed
                    && (column == CheckMeasured || column == CheckRemark);
            if (!editable)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            table->setItem(row, column, item);
        }
        auto *box = new QComboBox(table);
        for (const CheckResult result : ResultChoices)
            box->addItem(checkResultText(result));
        box->setCurrentIndex(resultIndex(check.result));
        box->setEnabled(!m_visit.closed);
        connect(box, QOverload<int>::of(&QComboBox::activated), this,
                [this, row](int index) { checkResultChosen(row, index); });
        table->setCellWidget(row, CheckResultColumn, box);
    }
    table->resizeColumnsToContents();
    // The long descriptions wrap, so that the columns the technician fills in stay in view.
    for (const int column : {CheckItem, CheckMethod, CheckLimit})
        table->setColumnWidth(column, qMin(table->columnWidth(column), DescriptionColumnWidth));
    table->setWordWrap(true);
    table->resizeRowsToContents();
    table->setColumnWidth(CheckResultColumn,
                          qMax(table->columnWidth(CheckResultColumn), ResultColumnWidth));
    m_filling = false;
}

void VisitWindow::fillBatteries()
{
    m_batteries = m_store->batteries(m_visit.id);
    ui->batteriesTable->setRowCount(m_batteries.size());
    for (int row = 0; row < m_batteries.size(); ++row)
        showBattery(row);
    ui->batteriesTable->resizeColumnsToContents();
    ui->batteriesTable->setColumnWidth(
            BatteryResult, qMax(ui->batteriesTable->columnWidth(BatteryResult), ResultColumnWidth));
}

// Fills a row in place: it may run from inside the edit of one of its own cells.
void VisitWindow::showBattery(int row)
{
    const bool filling = m_filling;
    m_filling = true;
    const BatteryRow &battery = m_batteries.at(row);
    const QDate due = batteryReplacementDue(battery.installed, m_store->batteryLifeYears());
    QString dueText = battery.id == 0
            ? tr("niezapisany: podaj pojemność i datę montażu")
            : due.toString(Qt::ISODate);
    QColor dueColour;
    switch (batteryDueState(due, QDate::currentDate())) {
    case BatteryDueState::Overdue:
        dueText = tr("%1 — po terminie").arg(dueText);
        dueColour = QColor(0xef, 0x9a, 0x9a);
        break;
    case BatteryDueState::DueSoon:
        dueText = tr("%1 — wymiana wkrótce").arg(dueText);
        dueColour = QColor(0xff, 0xe0, 0x82);
        break;
    default:
        break;
    }
    const QString texts[] = {battery.make, numberText(battery.capacityAh), battery.dateCode,
                             battery.installed.toString(Qt::ISODate),
                             numberText(battery.voltage), numberText(battery.resistance),
                             QString(), dueText};
    QTableWidget *table = ui->batteriesTable;
    for (int column = 0; column < BatteryColumnCount; ++column) {
        QTableWidgetItem *item = table->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            table->setItem(row, column, item);
        }
        item->setText(texts[column]);
        const bool editable = !m_visit.closed && column != BatteryDue;
        item->setFlags(editable ? item->flags() | Qt::ItemIsEditable
                                : item->flags() & ~Qt::ItemIsEditable);
    }
    table->item(row, BatteryDue)->setBackground(dueColour.isValid() ? QBrush(dueColour)
                                                                     : QBrush());
    auto *box = qobject_cast<QComboBox *>(table->cellWidget(row, BatteryResult));
    if (!box) {
        box = new QComboBox(table);
        for (const CheckResult result : ResultChoices)
            box->addItem(checkResultText(result));
        connect(box, QOverload<int>::of(&QComboBox::activated), this,
                [this, row](int index) { batteryResultChosen(row, index); });
        table->setCellWidget(row, BatteryResult, box);
    }
    box->setCurrentIndex(resultIndex(battery.result));
    box->setEnabled(!m_visit.closed);
    m_filling = filling;
}

void VisitWindow::updateState()
{
    const bool open = m_visit.id != 0 && !m_visit.closed;
    const bool idle = !m_session->isRunning() && !m_session->tracker()->isBusy();
    const bool connected = m_link && m_link->isOpen();
    ui->arrivalButton->setEnabled(open && idle && connected);
    ui->registerBox->setEnabled(open);
    ui->departureButton->setEnabled(
            open && idle && connected
            && m_store->linkedRecord(m_visit.id, RecordRole::ConfigBefore) != 0);
    ui->compareButton->setEnabled(m_store->linkedRecord(m_visit.id, RecordRole::ConfigBefore)
                                  != 0);
    ui->addBatteryButton->setEnabled(open);
    ui->removeBatteryButton->setEnabled(open);
    for (QWidget *widget : {static_cast<QWidget *>(ui->verdictBox),
                            static_cast<QWidget *>(ui->closeButton)})
        widget->setEnabled(open);
    for (QWidget *widget : {static_cast<QWidget *>(ui->findingsEdit),
                            static_cast<QWidget *>(ui->recommendationsEdit),
                            static_cast<QWidget *>(ui->nextServiceEdit),
                            static_cast<QWidget *>(ui->skipEdit)})
        widget->setProperty("readOnly", !open);
    ui->correctButton->setVisible(m_visit.closed);
}

QString VisitWindow::warningText() const
{
    return ui->warningLabel->isHidden() ? QString() : ui->warningLabel->text();
}

void VisitWindow::setWarning(const QString &text)
{
    ui->warningLabel->setText(text);
    ui->warningLabel->setVisible(!text.isEmpty());
}

bool VisitWindow::refuseClosed()
{
    if (m_visit.id != 0 && !m_visit.closed)
        return false;
    Dialogs::instance()->information(
            this, tr("Przegląd zamknięty"),
            tr("Zamkniętego przeglądu nie można zmienić. Użyj „Popraw przegląd”."));
    return true;
}

void VisitWindow::startArrival()
{
    if (refuseClosed())
        return;
    m_readingVisitId = m_visit.id;
    if (!m_session->startArrival(ui->registerBox->isChecked()))
        Dialogs::instance()->warning(this, tr("Odczyt centrali"),
                                     tr("Odczyt nie może się rozpocząć: centrala nie jest "
                                        "połączona albo trwa inny odczyt."));
}

void VisitWindow::startDeparture()
{
    if (refuseClosed())
        return;
    m_readingVisitId = m_visit.id;
    if (!m_session->startDeparture())
        Dialogs::instance()->warning(this, tr("Odczyt centrali"),
                                     tr("Odczyt nie może się rozpocząć: centrala nie jest "
                                        "połączona albo trwa inny odczyt."));
}

void VisitWindow::readingFailed(const QString &message)
{
    Dialogs::instance()->warning(this, tr("Odczyt centrali"), message);
    updateState();
}

void VisitWindow::storeFailed()
{
    Dialogs::instance()->warning(this, tr("Przegląd"), m_store->lastError());
}

void VisitWindow::readingDone(const VisitReading &reading)
{
    // The window may show another visit by now: the reading belongs to the one it started in.
    const int id = m_readingVisitId;
    if (id != m_visit.id)
        setVisit(id);
    const bool arrival = reading.kind == VisitReading::Arrival;
    const struct
    {
        RecordRole role;
        int recordId;
    } links[] = {
            {arrival ? RecordRole::ConfigBefore : RecordRole::ConfigAfter, reading.configId},
            {arrival ? RecordRole::FaultsArrival : RecordRole::FaultsDeparture, reading.faultsId},
            {RecordRole::Software, reading.softwareId},
            {RecordRole::EventLog, reading.eventLogId},
    };
    for (const auto &link : links) {
        if (link.recordId != 0 && !m_store->linkRecord(id, link.role, link.recordId)) {
            storeFailed();
            return;
        }
    }
    if (arrival && reading.hasClock)
        m_store->setClock(id, reading.driftSeconds, false);

    std::unique_ptr<Konfiguracja> config = parseRecord(reading.config);
    if (config) {
        m_store->setUnitModules(m_visit.unitId, moduleSetOf(*config));
        if (arrival && m_store->checks(id).isEmpty())
            m_store->setChecks(id, buildChecklist(*config));
    }
    reload();

    refreshWarning(arrival);
    if (arrival)
        return;
    if (reading.hasClock && reading.driftSeconds != 0
        && Dialogs::instance()->question(
                   this, tr("Zegar centrali"),
                   tr("Zegar centrali różni się od zegara komputera o %1 s. Ustawić zegar "
                      "centrali na czas komputera?")
                           .arg(reading.driftSeconds))
                == QMessageBox::Yes)
        m_session->setUnitClock();
}

// What the stored readings say, so that a resumed visit warns as it did: a change since the
// previous visit's departure, else a change during this visit. After an arrival reading the
// comparison with the previous visit is shown as well.
void VisitWindow::refreshWarning(bool showComparison)
{
    const int before = m_store->linkedRecord(m_visit.id, RecordRole::ConfigBefore);
    const int after = m_store->linkedRecord(m_visit.id, RecordRole::ConfigAfter);
    const Visit previous = m_store->previousVisit(m_visit);
    const int earlier =
            previous.id != 0 ? m_store->linkedRecord(previous.id, RecordRole::ConfigAfter) : 0;
    const QString earlierTitle = tr("Po przeglądzie %1").arg(previous.reportNumber());
    if (before != 0 && earlier != 0
        && compareRecords(earlier, before, earlierTitle, tr("Przyjazd"), false)) {
        setWarning(tr("UWAGA: konfiguracja centrali różni się od zapisanej po poprzednim "
                      "przeglądzie (%1). Ktoś zmienił centralę między przeglądami.")
                           .arg(previous.reportNumber()));
        if (showComparison)
            compareRecords(earlier, before, earlierTitle, tr("Przyjazd"), true);
    } else if (before != 0 && after != 0
               && compareRecords(before, after, tr("Przyjazd"), tr("Odjazd"), false)) {
        setWarning(tr("Konfiguracja zmieniona podczas przeglądu — zmiany są w protokole."));
    } else {
        setWarning(QString());
    }
}

void VisitWindow::clockSet(bool ok)
{
    if (!ok) {
        Dialogs::instance()->warning(this, tr("Zegar centrali"),
                                     tr("Nie udało się ustawić zegara centrali."));
        return;
    }
    if (!m_store->setClock(m_visit.id, m_visit.clockDrift, true))
        storeFailed();
    reload();
}

bool VisitWindow::compareRecords(int leftId, int rightId, const QString &leftTitle,
                                 const QString &rightTitle, bool show)
{
    std::unique_ptr<Konfiguracja> left =
            parseRecord(m_store->recordData(RecordRole::ConfigBefore, leftId));
    std::unique_ptr<Konfiguracja> right =
            parseRecord(m_store->recordData(RecordRole::ConfigBefore, rightId));
    if (!left || !right)
        return false;
    const ConfigComparison comparison = compareConfigurations(*left, *right);
    if (show) {
        ConfigReviewDialog review(comparison, leftTitle, rightTitle, ConfigReviewDialog::Compare,
                                  this);
        Dialogs::instance()->exec(&review);
    }
    return !comparison.isEqual();
}

void VisitWindow::showComparison()
{
    const int before = m_store->linkedRecord(m_visit.id, RecordRole::ConfigBefore);
    const int after = m_store->linkedRecord(m_visit.id, RecordRole::ConfigAfter);
    if (after != 0) {
        compareRecords(before, after, tr("Przyjazd"), tr("Odjazd"), true);
        return;
    }
    const Visit previous = m_store->previousVisit(m_visit);
    const int earlier =
            previous.id != 0 ? m_store->linkedRecord(previous.id, RecordRole::ConfigAfter) : 0;
    if (earlier == 0) {
        Dialogs::instance()->information(
                this, tr("Porównanie"),
                tr("Nie ma z czym porównać: brak odczytu przy odjeździe i brak poprzedniego "
                   "przeglądu."));
        return;
    }
    compareRecords(earlier, before, tr("Po przeglądzie %1").arg(previous.reportNumber()),
                   tr("Przyjazd"), true);
}

void VisitWindow::checkEdited(QTableWidgetItem *item)
{
    if (m_filling || item->row() >= m_checks.size())
        return;
    if (refuseClosed()) {
        QMetaObject::invokeMethod(this, &VisitWindow::fillChecks, Qt::QueuedConnection);
        return;
    }
    CheckRow &check = m_checks[item->row()];
    if (item->column() == CheckMeasured)
        check.measured = item->text().trimmed();
    else if (item->column() == CheckRemark)
        check.remark = item->text().trimmed();
    else
        return;
    if (!m_store->updateCheck(check)) {
        storeFailed();
        // Not from inside the edited cell's own signal: refilling replaces the cell.
        QMetaObject::invokeMethod(this, &VisitWindow::fillChecks, Qt::QueuedConnection);
    }
}

void VisitWindow::checkResultChosen(int row, int index)
{
    if (row >= m_checks.size() || refuseClosed())
        return;
    m_checks[row].result = ResultChoices[qBound(0, index, 3)];
    if (!m_store->updateCheck(m_checks.at(row))) {
        storeFailed();
        QMetaObject::invokeMethod(this, &VisitWindow::fillChecks, Qt::QueuedConnection);
    }
}

void VisitWindow::batteryEdited(QTableWidgetItem *item)
{
    if (m_filling || item->row() >= m_batteries.size())
        return;
    if (refuseClosed()) {
        showBattery(item->row());
        return;
    }
    BatteryRow battery = m_batteries.at(item->row());
    const QString text = item->text().trimmed();
    const QString field = tr(BatteryHeaders[item->column()]);
    QString error;
    bool ok = true;
    switch (item->column()) {
    case BatteryMake:
        battery.make = text;
        break;
    case BatteryDateCode:
        battery.dateCode = text;
        break;
    case BatteryInstalled:
        ok = parseVisitDate(text, field, true, &battery.installed, &error);
        break;
    case BatteryAh:
        ok = text.isEmpty() ? (battery.capacityAh = 0, true)
                            : parseVisitNumber(text, field, BatteryLimits::MinCapacity,
                                               BatteryLimits::MaxCapacity, &battery.capacityAh,
                                               &error);
        break;
    case BatteryVoltage:
        ok = text.isEmpty() ? (battery.voltage = 0, true)
                            : parseVisitNumber(text, field, 0, BatteryLimits::MaxVoltage,
                                               &battery.voltage, &error);
        break;
    case BatteryResistance:
        ok = text.isEmpty() ? (battery.resistance = 0, true)
                            : parseVisitNumber(text, field, 0, BatteryLimits::MaxResistance,
                                               &battery.resistance,
                                               &error);
        break;
    default:
        return;
    }
    const int row = item->row();
    if (!ok) {
        Dialogs::instance()->warning(this, tr("Akumulatory"), error);
    } else if (battery.id == 0 && (battery.capacityAh == 0 || !battery.installed.isValid())) {
        // A new row is stored once it has what the store requires of every battery.
        m_batteries[row] = battery;
    } else if (const int id = m_store->saveBattery(battery)) {
        battery.id = id;
        m_batteries[row] = battery;
    } else {
        storeFailed();
    }
    showBattery(row);
}

void VisitWindow::batteryResultChosen(int row, int index)
{
    if (row >= m_batteries.size() || refuseClosed())
        return;
    BatteryRow battery = m_batteries.at(row);
    battery.result = ResultChoices[qBound(0, index, 3)];
    if (battery.id == 0)
        m_batteries[row] = battery;
    else if (m_store->saveBattery(battery) == 0)
        storeFailed();
    else
        m_batteries[row] = battery;
    showBattery(row);
}

void VisitWindow::addBattery()
{
    if (refuseClosed())
        return;
    if (m_batteries.isEmpty() || m_batteries.last().id != 0) {
        BatteryRow battery;
        battery.visitId = m_visit.id;
        battery.position = m_batteries.size() + 1;
        m_batteries.append(battery);
        ui->batteriesTable->setRowCount(m_batteries.size());
        showBattery(m_batteries.size() - 1);
    }
    ui->batteriesTable->setCurrentCell(m_batteries.size() - 1, BatteryMake);
}

void VisitWindow::removeBattery()
{
    const int row = ui->batteriesTable->currentRow();
    if (refuseClosed() || row < 0 || row >= m_batteries.size())
        return;
    if (m_batteries.at(row).id != 0 && !m_store->deleteBattery(m_batteries.at(row).id))
        storeFailed();
    fillBatteries();
}

void VisitWindow::saveCloseFields()
{
    if (m_filling || m_visit.id == 0 || m_visit.closed)
        return;
    m_visit.verdict = VerdictChoices[qBound(0, ui->verdictBox->currentIndex(), 3)];
    m_visit.findings = ui->findingsEdit->toPlainText();
    m_visit.recommendations = ui->recommendationsEdit->toPlainText();
    m_visit.departureSkipped = ui->skipEdit->text().trimmed();
    const QDate next = QDate::fromString(ui->nextServiceEdit->text().trimmed(), Qt::ISODate);
    if (next.isValid())
        m_visit.nextService = next;
    if (!m_store->updateVisit(m_visit))
        qDebug() << "Visit not updated:" << m_store->lastError();
}

bool VisitWindow::closeVisit()
{
    if (refuseClosed())
        return false;
    QDate next;
    QString error;
    if (!parseVisitDate(ui->nextServiceEdit->text().trimmed(), tr("Następny przegląd"), false,
                        &next, &error)) {
        Dialogs::instance()->warning(this, tr("Zamknięcie przeglądu"), error);
        return false;
    }
    saveCloseFields();
    if (!m_store->closeVisit(m_visit.id, m_visit.verdict, m_visit.findings,
                             m_visit.recommendations, next, m_visit.departureSkipped)) {
        Dialogs::instance()->warning(this, tr("Zamknięcie przeglądu"), m_store->lastError());
        return false;
    }
    reload();
    emit signalVisitChanged(m_visit.id);
    return true;
}

QString VisitWindow::reportHtml() const
{
    return VisitReport::toHtml(*m_store, m_visit.id, ui->appendixBox->isChecked());
}

void VisitWindow::previewReport()
{
    const QString html = reportHtml();
    ReportPrinter::printPreview(this, html, {VisitReport::footerText(html), true});
}

void VisitWindow::exportPdf()
{
    const QString html = reportHtml();
    ReportPrinter::exportPdf(this, html, {VisitReport::footerText(html), true},
                             VisitReport::fileBaseName(*m_store, m_visit.id));
}

void VisitWindow::exportCsv()
{
    QString name = Dialogs::saveFileName(
            this, tr("Eksport CSV"), VisitReport::fileBaseName(*m_store, m_visit.id) + ".csv",
            tr("Pliki CSV (*.csv)"));
    if (name.isEmpty())
        return;
    if (!name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        name += QLatin1String(".csv");
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(VisitReport::checksCsv(*m_store, m_visit.id)) < 0 || !file.flush()) {
        Dialogs::instance()->warning(this, tr("Eksport CSV"),
                                     tr("Nie udało się zapisać pliku %1.").arg(name));
        file.remove();
    }
}

void VisitWindow::correct()
{
    if (!m_visit.closed)
        return;
    const int id = m_store->startCorrection(m_visit.id);
    if (id == 0) {
        storeFailed();
        return;
    }
    emit signalVisitChanged(id);
    emit signalOpenVisit(id);
}

bool VisitWindow::attachDiagnostics(DiagnosticKind kind, const QList<DiagnosticRow> &rows)
{
    if (m_visit.id == 0 || m_visit.closed)
        return false;
    if (!m_store->saveDiagnostics(m_visit.id, kind, rows)) {
        storeFailed();
        return false;
    }
    return true;
}
