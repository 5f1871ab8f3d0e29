#include "visitwindow.h"

#include "gui/guilog.h"
#include "ui_visitwindow.h"

#include "configreviewdialog.h"
#include "dialogs.h"
#include "protocolprint.h"
#include "reportdialogs.h"
#include "transferprogress.h"
#include "config/configdiff.h"
#include "config/konfiguracja.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"
#include "store/dbmanager.h"
#include "config/modulefactory.h"
#include "visits/checklist.h"
#include "visits/closewarnings.h"
#include "visits/visitstore.h"

#include <QSqlDatabase>
#include <QComboBox>
#include <QDebug>
#include <QHeaderView>
#include <QListWidget>
#include <QLocale>
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
        QT_TRANSLATE_NOOP("VisitWindow", "Moduł zasilania"),
        QT_TRANSLATE_NOOP("VisitWindow", "Próba pojemności / obciążenia"),
};

// The protocol page's fields and what each is saved as.
struct DetailField
{
    const char *widget;
    VisitDetail detail;
};
const DetailField DetailFields[] = {
    {"authorisationEdit", VisitDetail::AuthorisationValid},
    {"workDoneEdit", VisitDetail::WorkDone},
    {"partsEdit", VisitDetail::PartsReplaced},
    {"standbyRequiredEdit", VisitDetail::StandbyRequired},
    {"standbyMeasuredEdit", VisitDetail::StandbyMeasured},
    {"customerEdit", VisitDetail::Customer},
    {"placeEdit", VisitDetail::Place},
    {"previousNoteEdit", VisitDetail::PreviousNote},
};
struct UnitField
{
    const char *widget;
    UnitDetail detail;
};
const UnitField UnitFields[] = {
    {"makerEdit", UnitDetail::Maker},
    {"typeEdit", UnitDetail::Type},
    {"admissionEdit", UnitDetail::Admission},
};
struct CompanyField
{
    const char *widget;
    CompanyDetail detail;
};
const CompanyField CompanyFields[] = {
    {"addressEdit", CompanyDetail::Address},
    {"taxEdit", CompanyDetail::TaxNumber},
    {"phoneEdit", CompanyDetail::Phone},
};

// A line edit's or a text edit's text, and setting it.
QString fieldText(QWidget *widget)
{
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        return line->text();
    if (auto *text = qobject_cast<QPlainTextEdit *>(widget))
        return text->toPlainText();
    return QString();
}

void setFieldText(QWidget *widget, const QString &value)
{
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        line->setText(value);
    else if (auto *text = qobject_cast<QPlainTextEdit *>(widget))
        text->setPlainText(value);
}

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
    // In the interface's language ("13,2"), which the fields read back either way; without
    // group separators, which they would not.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return value == 0 ? QString() : locale.toString(value, 'g', 6);
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
    connect(ui->abandonButton, &QPushButton::clicked, this, &VisitWindow::abandon);
    connect(ui->addBatteryButton, &QPushButton::clicked, this, &VisitWindow::addBattery);
    connect(ui->removeBatteryButton, &QPushButton::clicked, this, &VisitWindow::removeBattery);
    connect(ui->checksTable, &QTableWidget::itemChanged, this, &VisitWindow::checkEdited);
    connect(ui->batteriesTable, &QTableWidget::itemChanged, this, &VisitWindow::batteryEdited);
    // Every field of the close page is kept on its own as it is typed, so that a crash loses
    // none of them and a refused value loses only itself.
    connect(ui->findingsEdit, &QPlainTextEdit::textChanged, this, [this] {
        saveField(VisitField::Findings, ui->findingsEdit->toPlainText());
    });
    connect(ui->recommendationsEdit, &QPlainTextEdit::textChanged, this, [this] {
        saveField(VisitField::Recommendations, ui->recommendationsEdit->toPlainText());
    });
    connect(ui->skipEdit, &QLineEdit::editingFinished, this, [this] {
        saveField(VisitField::DepartureSkipped, ui->skipEdit->text());
    });
    connect(ui->nextServiceEdit, &QLineEdit::editingFinished, this,
            &VisitWindow::saveNextService);
    connect(ui->verdictBox, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        saveField(VisitField::Verdict, int(VerdictChoices[qBound(0, index, 3)]));
    });

    // The protocol page: each field saved on its own, the visit's, the unit's or the company's.
    for (const DetailField &field : DetailFields) {
        QWidget *widget = findChild<QWidget *>(QLatin1String(field.widget));
        const VisitDetail detail = field.detail;
        const auto save = [this, widget, detail] { saveDetail(detail, fieldText(widget)); };
        if (auto *line = qobject_cast<QLineEdit *>(widget))
            connect(line, &QLineEdit::editingFinished, this, save);
        else if (auto *text = qobject_cast<QPlainTextEdit *>(widget))
            connect(text, &QPlainTextEdit::textChanged, this, save);
    }
    for (const UnitField &field : UnitFields) {
        auto *line = findChild<QLineEdit *>(QLatin1String(field.widget));
        const UnitDetail detail = field.detail;
        connect(line, &QLineEdit::editingFinished, this, [this, line, detail] {
            if (!m_filling && m_visit.id != 0 && !m_visit.closed
                && !m_store->setUnitDetail(m_visit.unitId, detail, line->text()))
                storeFailed();
        });
    }
    for (const CompanyField &field : CompanyFields) {
        auto *line = findChild<QLineEdit *>(QLatin1String(field.widget));
        const CompanyDetail detail = field.detail;
        connect(line, &QLineEdit::editingFinished, this, [this, line, detail] {
            if (!m_filling && m_visit.id != 0 && !m_visit.closed
                && !m_store->setCompanyDetail(detail, line->text()))
                storeFailed();
        });
    }
    ui->previousDoneBox->addItems(previousDoneChoices());
    connect(ui->previousDoneBox, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { saveDetail(VisitDetail::PreviousDone, QString::number(index)); });
    connect(ui->instrumentsList, &QListWidget::itemChanged, this,
            &VisitWindow::instrumentsChosen);
    connect(ui->addInstrumentButton, &QPushButton::clicked, this, &VisitWindow::addInstrument);
    connect(ui->addCheckButton, &QPushButton::clicked, this, &VisitWindow::addCheck);

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
    m_session->setRecordPrefix(
            VisitSession::recordPrefix(unit.label, m_visit.type, m_visit.reportNumber()));
    QString header = QStringLiteral("<b>%1</b> — %2<br>%3 %4, %5")
                             .arg(unit.label.toHtmlEscaped(), site.name.toHtmlEscaped(),
                                  visitTypeText(m_visit.type), m_visit.reportNumber(),
                                  m_visit.started.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    if (m_visit.corrects != 0)
        header += tr(" (koryguje protokół %1, powód: %2)")
                          .arg(m_store->visit(m_visit.corrects).reportNumber(),
                               m_visit.correctionReason.toHtmlEscaped());
    if (m_visit.isAbandoned())
        header += tr(" — <b>anulowany</b> (powód: %1)").arg(m_visit.abandonReason.toHtmlEscaped());
    else if (m_visit.supersededBy != 0)
        header += tr(" — <b>zastąpiony przez %1</b>")
                          .arg(m_store->visit(m_visit.supersededBy).reportNumber());
    else
        header += m_visit.closed ? tr(" — <b>zamknięty</b>") : tr(" — otwarty");
    ui->visitLabel->setText(header);
    ui->nextServiceError->clear();

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
    fillProtocolPage();
    updateState();
}

void VisitWindow::fillProtocolPage()
{
    m_filling = true;
    for (const DetailField &field : DetailFields)
        setFieldText(findChild<QWidget *>(QLatin1String(field.widget)),
                     m_store->visitDetail(m_visit.id, field.detail));
    for (const UnitField &field : UnitFields)
        setFieldText(findChild<QWidget *>(QLatin1String(field.widget)),
                     m_store->unitDetail(m_visit.unitId, field.detail));
    for (const CompanyField &field : CompanyFields)
        setFieldText(findChild<QWidget *>(QLatin1String(field.widget)),
                     m_store->companyDetail(field.detail));
    ui->previousDoneBox->setCurrentIndex(
            qBound(0, m_store->visitDetail(m_visit.id, VisitDetail::PreviousDone).toInt(),
                   ui->previousDoneBox->count() - 1));
    ui->detailError->clear();
    // What the previous visit asked for and left behind, to confirm or change here.
    const Visit previous = m_store->previousVisit(m_visit);
    QString text = previous.id == 0 ? tr("Brak poprzedniego przeglądu tej centrali.")
                                    : tr("<b>Przegląd %1</b>, zalecenia: %2")
                                              .arg(previous.reportNumber(),
                                                   previous.recommendations.isEmpty()
                                                           ? tr("brak")
                                                           : previous.recommendations
                                                                     .toHtmlEscaped());
    ui->previousLabel->setText(text);
    m_filling = false;
    fillInstruments();
}

void VisitWindow::fillInstruments()
{
    m_filling = true;
    ui->instrumentsList->clear();
    const QList<Instrument> used = m_store->visitInstruments(m_visit.id);
    QList<Instrument> shown = m_store->instruments();
    // A closed visit shows what it used, whatever the company's list holds now.
    if (m_visit.closed)
        shown = used;
    for (const Instrument &instrument : qAsConst(shown)) {
        auto *item = new QListWidgetItem(
                tr("%1, nr %2, wzorcowany %3")
                        .arg(instrument.name, instrument.serial,
                             instrument.calibrated.toString(Qt::ISODate)),
                ui->instrumentsList);
        item->setData(Qt::UserRole, instrument.id);
        const bool chosen = std::any_of(used.begin(), used.end(), [&](const Instrument &copy) {
            return copy.name == instrument.name && copy.serial == instrument.serial;
        });
        item->setFlags(m_visit.closed ? Qt::ItemIsEnabled
                                      : Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
    }
    m_filling = false;
}

void VisitWindow::instrumentsChosen()
{
    if (m_filling || m_visit.closed)
        return;
    QList<Instrument> chosen;
    const QList<Instrument> all = m_store->instruments();
    for (int row = 0; row < ui->instrumentsList->count(); ++row) {
        QListWidgetItem *item = ui->instrumentsList->item(row);
        if (item->checkState() != Qt::Checked)
            continue;
        for (const Instrument &instrument : all) {
            if (instrument.id == item->data(Qt::UserRole).toInt())
                chosen.append(instrument);
        }
    }
    if (!m_store->setVisitInstruments(m_visit.id, chosen))
        storeFailed();
}

void VisitWindow::addInstrument()
{
    if (refuseClosed())
        return;
    Instrument instrument;
    instrument.name = ui->instrumentNameEdit->text();
    instrument.serial = ui->instrumentSerialEdit->text();
    QString error;
    if (!parseVisitDate(ui->instrumentDateEdit->text(), tr("Data wzorcowania"), true,
                        &instrument.calibrated, &error)) {
        Dialogs::instance()->warning(this, tr("Przyrządy pomiarowe"), error);
        return;
    }
    instrument.id = m_store->saveInstrument(instrument);
    if (instrument.id == 0) {
        Dialogs::instance()->warning(this, tr("Przyrządy pomiarowe"), m_store->lastError());
        return;
    }
    QList<Instrument> used = m_store->visitInstruments(m_visit.id);
    used.append(instrument);
    if (!m_store->setVisitInstruments(m_visit.id, used))
        storeFailed();
    for (QLineEdit *edit : {ui->instrumentNameEdit, ui->instrumentSerialEdit,
                            ui->instrumentDateEdit})
        edit->clear();
    fillInstruments();
}

void VisitWindow::saveDetail(VisitDetail detail, const QString &value)
{
    if (m_filling || m_visit.id == 0 || m_visit.closed)
        return;
    // A refused value shows why at once; what was stored stays, the other fields are saved.
    ui->detailError->setText(m_store->setVisitDetail(m_visit.id, detail, value)
                                     ? QString()
                                     : m_store->lastError());
}

// A row added on the spot: to the module of the row in hand, or to the general checks.
void VisitWindow::addCheck()
{
    if (refuseClosed())
        return;
    bool ok = false;
    const QString item = Dialogs::instance()->getText(this, tr("Dodaj wiersz"),
                                                      tr("Co sprawdzono:"), QString(), &ok);
    if (!ok)
        return;
    CheckRow row;
    row.item = item;
    row.moduleType = int(CheckSection::General);
    const int current = ui->checksTable->currentRow();
    if (current >= 0 && current < m_checks.size()) {
        row.moduleType = m_checks.at(current).moduleType;
        row.moduleNumber = m_checks.at(current).moduleNumber;
    }
    if (m_store->addCheck(m_visit.id, row) == 0)
        storeFailed();
    fillChecks();
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
    const QDate due = batteryReplacementDue(battery.installed, m_visit.batteryLifeYears);
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
    const QPair<int, QString> module =
            battery.id != 0 ? m_store->batteryModule(battery.id) : QPair<int, QString>();
    const QString texts[] = {battery.make, numberText(battery.capacityAh), battery.dateCode,
                             battery.installed.toString(Qt::ISODate),
                             numberText(battery.voltage), numberText(battery.resistance),
                             QString(), dueText, QString(), module.second};
    QTableWidget *table = ui->batteriesTable;
    for (int column = 0; column < BatteryColumnCount; ++column) {
        QTableWidgetItem *item = table->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            table->setItem(row, column, item);
        }
        item->setText(texts[column]);
        const bool editable = !m_visit.closed && column != BatteryDue && column != BatteryModule
                && (column != BatteryTest || battery.id != 0);
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
    // The power module the battery belongs to: one of the unit's power modules.
    auto *modules = qobject_cast<QComboBox *>(table->cellWidget(row, BatteryModule));
    if (!modules) {
        modules = new QComboBox(table);
        modules->addItem(QStringLiteral("-"), 0);
        for (const ModuleKey &key : m_store->unit(m_visit.unitId).modules) {
            if (moduleFamily(key.type) == ModuleFamily::Power)
                modules->addItem(moduleName(key.type) + QLatin1Char(' ')
                                         + QString::number(key.number),
                                 key.type << 8 | key.number);
        }
        connect(modules, QOverload<int>::of(&QComboBox::activated), this,
                [this, row](int index) { batteryModuleChosen(row, index); });
        table->setCellWidget(row, BatteryModule, modules);
    }
    if (modules->findData(module.first) < 0)
        modules->addItem(moduleName(module.first >> 8) + QLatin1Char(' ')
                                 + QString::number(module.first & 0xFF),
                         module.first);
    modules->setCurrentIndex(modules->findData(module.first));
    modules->setEnabled(!m_visit.closed && battery.id != 0);
    m_filling = filling;
}

void VisitWindow::batteryModuleChosen(int row, int index)
{
    if (row >= m_batteries.size() || refuseClosed() || m_batteries.at(row).id == 0)
        return;
    auto *modules = qobject_cast<QComboBox *>(ui->batteriesTable->cellWidget(row, BatteryModule));
    const int key = modules ? modules->itemData(index).toInt() : 0;
    const int id = m_batteries.at(row).id;
    if (!m_store->setBatteryModule(id, key >> 8, key & 0xFF, m_store->batteryModule(id).second))
        storeFailed();
}

void VisitWindow::updateState()
{
    const bool open = m_visit.id != 0 && !m_visit.closed;
    const bool idle = !m_session->isRunning() && !m_session->tracker()->isBusy();
    const bool connected = m_link && m_link->isOpen();
    // A correction reads nothing new from the unit.
    const bool reads = open && m_visit.corrects == 0;
    ui->arrivalButton->setEnabled(reads && idle && connected);
    ui->registerBox->setEnabled(reads);
    ui->departureButton->setEnabled(
            reads && idle && connected
            && m_store->linkedRecord(m_visit.id, RecordRole::ConfigBefore) != 0);
    ui->compareButton->setEnabled(m_store->linkedRecord(m_visit.id, RecordRole::ConfigBefore)
                                  != 0);
    ui->addBatteryButton->setEnabled(open);
    ui->addCheckButton->setEnabled(open);
    for (QWidget *group : {static_cast<QWidget *>(ui->detailsGroup),
                           static_cast<QWidget *>(ui->onceGroup),
                           static_cast<QWidget *>(ui->instrumentsGroup)})
        group->setEnabled(open);
    ui->previousGroup->setEnabled(open && m_store->previousVisit(m_visit).id != 0);
    ui->removeBatteryButton->setEnabled(open);
    for (QWidget *widget : {static_cast<QWidget *>(ui->verdictBox),
                            static_cast<QWidget *>(ui->closeButton),
                            static_cast<QWidget *>(ui->abandonButton)})
        widget->setEnabled(open);
    for (QWidget *widget : {static_cast<QWidget *>(ui->findingsEdit),
                            static_cast<QWidget *>(ui->recommendationsEdit),
                            static_cast<QWidget *>(ui->nextServiceEdit),
                            static_cast<QWidget *>(ui->skipEdit)})
        widget->setProperty("readOnly", !open);
    ui->correctButton->setVisible(m_visit.closed && !m_visit.isAbandoned()
                                  && m_visit.supersededBy == 0);
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

void VisitWindow::readingFailed(const QString &message, bool linkSaidSo)
{
    // A pulled cable is one message: the progress strip's, which names what was lost.
    if (!linkSaidSo)
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
    // One commit for everything the reading brings to the visit, rather than one per row: the
    // technician waits for each of them.
    QSqlDatabase db = m_store->database();
    const bool batch = db.transaction();
    const auto failed = [&] {
        if (batch)
            db.rollback();
        storeFailed();
    };
    for (const auto &link : links) {
        if (link.recordId != 0 && !m_store->linkRecord(id, link.role, link.recordId)) {
            failed();
            return;
        }
    }
    if (arrival && reading.hasClock)
        m_store->setClock(id, reading.driftSeconds, false);

    std::unique_ptr<Konfiguracja> config = parseRecord(reading.config);
    if (config) {
        m_store->setUnitModules(m_visit.unitId, moduleSetOf(*config));
        if (arrival && m_store->checks(id).isEmpty())
            m_store->setChecks(id, buildChecklist(modulesInOrder(*config),
                                                  [this](const QString &section) {
                                                      return m_store->checkTemplates(section);
                                                  }));
    }
    if (batch && !db.commit()) {
        failed();
        return;
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
    case BatteryTest: {
        const QPair<int, QString> module = m_store->batteryModule(battery.id);
        if (!m_store->setBatteryModule(battery.id, module.first >> 8, module.first & 0xFF, text))
            storeFailed();
        showBattery(item->row());
        return;
    }
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

void VisitWindow::saveField(VisitField field, const QVariant &value)
{
    if (m_filling || m_visit.id == 0 || m_visit.closed)
        return;
    if (!m_store->setVisitField(m_visit.id, field, value))
        qCDebug(lcGui) << "Visit field not saved:" << m_store->lastError();
    m_visit = m_store->visit(m_visit.id);
}

// A refused date shows why at the field at once and keeps the stored one; the other fields
// are saved whatever this one holds.
void VisitWindow::saveNextService()
{
    if (m_filling || m_visit.id == 0 || m_visit.closed)
        return;
    QDate next;
    QString error;
    if (parseVisitDate(ui->nextServiceEdit->text(), tr("Następny przegląd"), false, &next,
                       &error)
        && !m_store->setVisitField(m_visit.id, VisitField::NextService, next))
        error = m_store->lastError();
    ui->nextServiceError->setText(error);
    m_visit = m_store->visit(m_visit.id);
}

QString VisitWindow::fieldError() const
{
    return ui->nextServiceError->text();
}

bool VisitWindow::closeVisit()
{
    if (refuseClosed())
        return false;
    QDate next;
    QString error;
    if (!parseVisitDate(ui->nextServiceEdit->text().trimmed(), tr("Następny przegląd"), false,
                        &next, &error)) {
        ui->nextServiceError->setText(error);
        Dialogs::instance()->warning(this, tr("Zamknięcie przeglądu"), error);
        return false;
    }
    const Verdict verdict = VerdictChoices[qBound(0, ui->verdictBox->currentIndex(), 3)];
    const QStringList warnings = closeWarnings(*m_store, m_visit.id, verdict);
    if (!warnings.isEmpty()
        && Dialogs::instance()->question(
                   this, tr("Zamknięcie przeglądu"),
                   tr("Przed zamknięciem:\n\n• %1\n\nZamknąć przegląd mimo to?")
                           .arg(warnings.join(QStringLiteral("\n• "))),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                != QMessageBox::Yes)
        return false;
    if (!m_store->closeVisit(m_visit.id, verdict, ui->findingsEdit->toPlainText(),
                             ui->recommendationsEdit->toPlainText(), next,
                             ui->skipEdit->text())) {
        Dialogs::instance()->warning(this, tr("Zamknięcie przeglądu"), m_store->lastError());
        return false;
    }
    reload();
    emit signalVisitChanged(m_visit.id);
    return true;
}

VisitReport::Document VisitWindow::report() const
{
    return VisitReport::document(*m_store, m_visit.id, ui->appendixBox->isChecked());
}

void VisitWindow::previewReport()
{
    ProtocolPrint::preview(this, report());
}

void VisitWindow::exportPdf()
{
    ProtocolPrint::exportPdf(this, report(), VisitReport::fileBaseName(*m_store, m_visit.id));
}

void VisitWindow::exportCsv()
{
    const int visitId = m_visit.id;
    const QString name = VisitReport::fileBaseName(*m_store, visitId) + ".csv";
    ReportPrinter::exportCsv(this, name, [this, visitId] {
        return VisitReport::checksCsv(*m_store, visitId);
    });
}

void VisitWindow::correct()
{
    if (!m_visit.closed)
        return;
    bool ok = false;
    const QString reason = Dialogs::instance()->getText(
            this, tr("Popraw przegląd"),
            tr("Powód korekty protokołu %1 (drukuje się w protokole korygującym):")
                    .arg(m_visit.reportNumber()),
            QString(), &ok);
    if (!ok)
        return;
    const int id = m_store->startCorrection(m_visit.id, reason);
    if (id == 0) {
        storeFailed();
        return;
    }
    emit signalVisitChanged(id);
    emit signalOpenVisit(id);
}

void VisitWindow::abandon()
{
    if (refuseClosed())
        return;
    bool ok = false;
    const QString reason = Dialogs::instance()->getText(
            this, tr("Anuluj przegląd"),
            tr("Przegląd %1 zostanie zamknięty jako anulowany, bez protokołu; jego numer nie "
               "wróci. Powód:")
                    .arg(m_visit.reportNumber()),
            QString(), &ok);
    if (!ok)
        return;
    if (!m_store->abandonVisit(m_visit.id, reason)) {
        storeFailed();
        return;
    }
    reload();
    emit signalVisitChanged(m_visit.id);
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
