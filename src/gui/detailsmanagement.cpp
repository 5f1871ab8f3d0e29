#include "detailsmanagement.h"
#include "ui_detailsmanagement.h"

#include "diagnosticvalues.h"
#include "dialogs.h"
#include "link/linkhealth.h"
#include "link/linkreply.h"
#include "link/usbmanager.h"

#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>

namespace {
// The colours as rgb(): Qt rejects an rgba() without its alpha and would show no colour.
const char *const PassStyle = "QLabel { background-color: rgb(50, 200, 2); }";
const char *const FailStyle = "QLabel { background-color: rgb(255, 50, 30); }";

QLabel *cellLabel(QTableWidget *table, int row, int column, const QString &text, bool wrap)
{
    auto *label = new QLabel(text);
    label->setMargin(2);
    label->setWordWrap(wrap);
    table->setCellWidget(row, column, label);
    return label;
}
} // namespace

DetailsManagement::DetailsManagement(QWidget *parent) : DetailsManagement(nullptr, parent) { }

DetailsManagement::DetailsManagement(USBManager *link, QWidget *parent)
    : QFrame(parent), ui(new Ui::DetailsManagement), m_link(link)
{
    ui->setupUi(this);
    Diagnostics::keepTextsAsKeys();
    buildLiveTable();
    buildTestTable();
    m_pollTimer.setInterval(PollIntervalMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &DetailsManagement::sendRequestToDevice);
    m_staleLabel = new QLabel(tr("brak danych"), this);
    m_staleLabel->setObjectName(QStringLiteral("labelStale"));
    m_staleLabel->setStyleSheet(QStringLiteral("QLabel { color: rgb(190, 30, 30); }"));
    m_staleLabel->setToolTip(tr("Wartości poniżej nie są aktualne: port jest zamknięty albo "
                                "centrala nie przysłała nowych przez dwa okresy odpytywania"));
    ui->layoutOnline->insertWidget(1, m_staleLabel);
    m_staleTimer.setSingleShot(true);
    m_staleTimer.setInterval(2 * PollIntervalMs);
    connect(&m_staleTimer, &QTimer::timeout, this, [this] { setLiveStale(true); });
    setLiveStale(true);
    if (m_link) {
        // Calibration and the self-test need a unit that answers.
        m_health = new LinkHealth(m_link, this);
        connect(m_health, &LinkHealth::signalChanged, this, &DetailsManagement::updateButtons);
        connect(m_link, &USBManager::signalUsbPortClosed, this,
                &DetailsManagement::slotUsbPortClosed);
        connect(m_link, &USBManager::signalUsbPortOpened, this,
                &DetailsManagement::slotUsbPortOpened, Qt::UniqueConnection);
    }
    connect(ui->buttonCalibr, &QPushButton::clicked, this,
            &DetailsManagement::slotClickedStartCalibr);
    connect(ui->buttonTest, &QPushButton::clicked, this,
            &DetailsManagement::slotClickedStartTest);
    connect(ui->buttonClear, &QPushButton::clicked, this,
            &DetailsManagement::slotClickedClearTest);
    connect(this, &DetailsManagement::signalAdcChanged, this,
            &DetailsManagement::slotAdcChanged);
    if (m_link && m_link->isOpen())
        slotUsbPortOpened();
    else
        updateButtons();
}

DetailsManagement::~DetailsManagement()
{
    delete ui;
}

void DetailsManagement::buildLiveTable()
{
    QTableWidget *table = ui->tableWidget;
    table->setRowCount(Diagnostics::LiveRowCount);
    table->setColumnCount(3);
    table->setHorizontalHeaderLabels({tr("Nazwa"), tr("Bin"), tr("Wartość")});
    for (int row = 0; row < Diagnostics::LiveRowCount; ++row) {
        cellLabel(table, row, 0, Diagnostics::liveRowName(row), true);
        m_rawLabels.insert(row, cellLabel(table, row, 1, QString(), false));
        m_valueLabels.insert(row, cellLabel(table, row, 2, tr("Brak funkcji"), true));
    }
    QHeaderView *header = table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Interactive);
    header->setSectionResizeMode(1, QHeaderView::Interactive);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    table->setColumnWidth(0, 250);
    table->setColumnWidth(1, 70);
    watchWidth(table);
}

void DetailsManagement::buildTestTable()
{
    QTableWidget *table = ui->tableWidgetTest;
    table->setRowCount(Diagnostics::TestRowCount);
    table->setColumnCount(5);
    table->setHorizontalHeaderLabels({tr("Nazwa testu"), tr("Prawidłowy zakres"),
                                      tr("Wartość bin"), tr("Wartość str"), tr("Wynik")});
    for (int row = 0; row < Diagnostics::TestRowCount; ++row) {
        cellLabel(table, row, 0, Diagnostics::testName(row), true);
        cellLabel(table, row, 1, Diagnostics::testRange(row), false);
        m_testRawLabels.append(cellLabel(table, row, 2, QString(), false));
        m_testValueLabels.append(cellLabel(table, row, 3, QString(), false));
        QLabel *verdict = cellLabel(table, row, 4, QString(), false);
        verdict->setAlignment(Qt::AlignCenter);
        m_testVerdictLabels.append(verdict);
    }
    QHeaderView *header = table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < 5; ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    watchWidth(table);
}

// Rows as tall as one line of text, so that the nine results fit without scrolling; wrapped
// labels get more room through fitRowHeights whenever the columns change width.
void DetailsManagement::watchWidth(QTableWidget *table)
{
    table->verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 4);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    table->viewport()->installEventFilter(this);
    connect(table->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this, table] { fitRowHeights(table); });
    fitRowHeights(table);
}

bool DetailsManagement::eventFilter(QObject *watched, QEvent *event)
{
    // Stretched columns change width with the view without always reporting it per section.
    if (event->type() == QEvent::Resize) {
        for (QTableWidget *table : {ui->tableWidget, ui->tableWidgetTest}) {
            if (watched == table->viewport())
                QTimer::singleShot(0, this, [this, table] { fitRowHeights(table); });
        }
    }
    return QFrame::eventFilter(watched, event);
}

// Cell widgets do not take part in the view's own row sizing, so wrapped labels would be cut
// off; give each row the height its tallest label needs at the current column widths.
void DetailsManagement::fitRowHeights(QTableWidget *table)
{
    const int minimum = table->verticalHeader()->defaultSectionSize();
    for (int row = 0; row < table->rowCount(); ++row) {
        int height = minimum;
        for (int column = 0; column < table->columnCount(); ++column) {
            auto *label = qobject_cast<QLabel *>(table->cellWidget(row, column));
            if (label && label->wordWrap())
                height = qMax(height, label->heightForWidth(table->columnWidth(column)) + 2);
        }
        if (table->rowHeight(row) != height)
            table->setRowHeight(row, height);
    }
}

void DetailsManagement::slotReceivedPacket(Device::COMMAND command, QByteArray packet)
{
    // A procedure's state counts only while that procedure runs: a late answer after the
    // technician left it must not end the next one.
    switch (command) {
    case Device::LiveStateData:
        m_liveValues = Diagnostics::parseLiveState(packet);
        emit signalAdcChanged();
        setLiveStale(false);
        if (m_portOpen)
            m_staleTimer.start();
        break;
    case Device::CalibrationState:
        if (m_mode == CalibrationMode)
            handleCalibrationState(packet);
        break;
    case Device::TestState:
        if (m_mode == TestMode)
            handleTestState(packet);
        break;
    default:
        break;
    }
}

void DetailsManagement::handleCalibrationState(const QByteArray &packet)
{
    if (packet.isEmpty() || packet.at(0) != 1)
        return;
    // Left before the modal box, whose event loop could otherwise deliver a second answer and
    // report the calibration twice.
    m_mode = LiveMode;
    updatePolling();
    ui->progressBarCalibr->setRange(0, 1);
    ui->progressBarCalibr->setValue(1);
    updateButtons();
    DiagnosticRow done;
    done.kind = DiagnosticKind::Calibration;
    done.position = 1;
    done.name = tr("Kalibracja");
    done.result = tr("Kalibracja zakończona. Zresetuj mikrokontroler.");
    done.at = QDateTime::currentDateTime();
    emit signalDiagnosticsDone(DiagnosticKind::Calibration, {done});
    Dialogs::instance()->information(this, tr("Kalibracja"),
                                     tr("Kalibracja zakończona. Zresetuj mikrokontroler."));
}

void DetailsManagement::handleTestState(const QByteArray &packet)
{
    if (packet.isEmpty())
        return;
    const quint8 accepted = quint8(packet.at(0));
    if (accepted == 0) {
        m_mode = LiveMode;
        updatePolling();
        ui->progressBarTest->reset();
        updateButtons();
        Dialogs::instance()->information(
                this, tr("Tester"),
                tr("Nie można wykonać testu ponieważ włączony jest tryb kalibracji"));
        return;
    }
    if (accepted != 1 || packet.size() < 3)
        return;
    const quint8 finished = quint8(packet.at(1));
    if (finished > 1)
        return;
    ui->progressBarTest->setValue(qMin(int(quint8(packet.at(2))), Diagnostics::TestStepCount));
    if (finished == 0)
        return;
    m_testResults = Diagnostics::parseTestResults(packet);
    slotTestEnd();
    m_mode = LiveMode;
    updatePolling();
    m_resultsShown = true;
    ui->tableWidgetTest->setEnabled(true);
    updateButtons();
    emit signalDiagnosticsDone(DiagnosticKind::SelfTest, testRows());
    Dialogs::instance()->information(this, tr("Tester"), tr("Zakończono testowanie."));
}

void DetailsManagement::sendRequestToDevice()
{
    switch (m_mode) {
    case LiveMode:
        queue(Device::ReadLiveState, Device::LiveStateData);
        break;
    case CalibrationMode:
        queue(Device::Calibrate, Device::CalibrationState);
        break;
    case TestMode:
        queue(Device::RunTest, Device::TestState);
        break;
    default:
        break;
    }
}

// A poll waits while the previous one is still out: a silent unit takes three writes to give a
// request up, and polls piling up meanwhile would hold every window's read behind them.
bool DetailsManagement::queue(Device::COMMAND command, Device::COMMAND answer)
{
    if (!m_link || m_poll)
        return false;
    LinkReply *reply = m_link->request(command, QByteArray(), answer);
    if (reply->isFinished())
        return false;
    m_poll = reply;
    connect(reply, &LinkReply::finished, this, [this, answer](const QByteArray &packet) {
        m_poll = nullptr;
        slotReceivedPacket(answer, packet);
    });
    connect(reply, &LinkReply::failed, this, [this] { m_poll = nullptr; });
    return true;
}

// Polled only while somebody looks, or while a procedure runs: a poll every second on a hidden
// tab would slow every reading of the other tabs for nothing.
void DetailsManagement::updatePolling()
{
    const bool wanted = m_portOpen && (isVisible() || m_mode != LiveMode);
    if (wanted && !m_pollTimer.isActive()) {
        m_pollTimer.start();
        m_staleTimer.start();
        sendRequestToDevice();
    } else if (!wanted) {
        m_pollTimer.stop();
    }
}

void DetailsManagement::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    updatePolling();
}

void DetailsManagement::hideEvent(QHideEvent *event)
{
    QFrame::hideEvent(event);
    updatePolling();
}

void DetailsManagement::slotUsbPortOpened()
{
    m_portOpen = true;
    // Another unit may be on the port now: an earlier unit's test results are not its own.
    slotClickedClearTest();
    m_testResults.clear();
    slotTestEnd();
    updatePolling();
    updateButtons();
}

void DetailsManagement::slotUsbPortClosed()
{
    m_portOpen = false;
    m_pollTimer.stop();
    // A procedure cannot go on without the port; the next unit starts in live mode.
    m_mode = LiveMode;
    ui->progressBarCalibr->setRange(0, 1);
    ui->progressBarCalibr->reset();
    m_staleTimer.stop();
    setLiveStale(true);
    updateButtons();
}

// Greyed with a red "brak danych" over it, so old values are never read as the unit's state.
void DetailsManagement::setLiveStale(bool stale)
{
    m_stale = stale;
    m_staleLabel->setVisible(stale);
    ui->tableWidget->setEnabled(!stale);
}

void DetailsManagement::slotAdcChanged()
{
    const int rows = qMin(m_liveValues.size(), Diagnostics::LiveRowCount);
    for (int row = 0; row < rows; ++row) {
        m_rawLabels.value(row)->setText(QString::number(m_liveValues.at(row)));
        m_valueLabels.value(row)->setText(Diagnostics::liveText(row, m_liveValues));
    }
    fitRowHeights(ui->tableWidget);
}

bool DetailsManagement::confirmStart(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    this);
    box.button(QMessageBox::Yes)->setText(tr("Tak", "YES"));
    box.button(QMessageBox::No)->setText(tr("Nie", "No"));
    box.setDefaultButton(QMessageBox::No);
    return Dialogs::instance()->exec(&box) == QMessageBox::Yes;
}

void DetailsManagement::slotClickedStartCalibr()
{
    if (!confirmStart(tr("Kalibracja"),
                      tr("Czy napewno chcesz wykonać autokalibracje Ostrel? Upewnij się czy "
                         "masz podłączone zasilanie 27.3 V")))
        return;
    m_mode = CalibrationMode;
    updatePolling();
    ui->progressBarCalibr->setRange(0, 0);
    updateButtons();
}

void DetailsManagement::slotClickedStartTest()
{
    if (!confirmStart(tr("Tester"),
                      tr("Czy napewno chcesz wykonać test Ostrel? Upewnij się czy masz "
                         "podłączony akumulator i włączone zasilanie Ostrel.")))
        return;
    m_mode = TestMode;
    updatePolling();
    ui->progressBarTest->setValue(0);
    updateButtons();
}

void DetailsManagement::slotClickedClearTest()
{
    m_resultsShown = false;
    ui->tableWidgetTest->setEnabled(false);
    ui->progressBarTest->reset();
    updateButtons();
}

QList<DiagnosticRow> DetailsManagement::testRows() const
{
    QList<DiagnosticRow> rows;
    const QDateTime now = QDateTime::currentDateTime();
    for (int row = 0; row < qMin(int(m_testResults.size()), Diagnostics::TestRowCount); ++row) {
        DiagnosticRow result;
        result.kind = DiagnosticKind::SelfTest;
        result.position = row + 1;
        result.name = Diagnostics::testName(row);
        result.limit = Diagnostics::testRange(row);
        result.raw = m_testResults.at(row);
        result.valueText = Diagnostics::testText(row, m_testResults.at(row));
        const Diagnostics::Verdict verdict = Diagnostics::testVerdict(row, m_testResults.at(row));
        result.result = verdict == Diagnostics::Verdict::Pass
                ? tr("OK")
                : verdict == Diagnostics::Verdict::Fail ? tr("BŁĄD") : QString();
        result.at = now;
        rows << result;
    }
    return rows;
}

void DetailsManagement::slotTestEnd()
{
    for (int row = 0; row < Diagnostics::TestRowCount; ++row) {
        QLabel *raw = m_testRawLabels.at(row);
        QLabel *value = m_testValueLabels.at(row);
        QLabel *verdictLabel = m_testVerdictLabels.at(row);
        // Rows the unit did not report this time must not keep an earlier test's figures.
        if (row >= m_testResults.size()) {
            raw->clear();
            value->clear();
            verdictLabel->clear();
            verdictLabel->setStyleSheet(QString());
            continue;
        }
        const quint16 result = m_testResults.at(row);
        raw->setText(QString::number(result));
        value->setText(Diagnostics::testText(row, result));
        switch (Diagnostics::testVerdict(row, result)) {
        case Diagnostics::Verdict::Pass:
            verdictLabel->setText(tr("OK"));
            verdictLabel->setStyleSheet(QLatin1String(PassStyle));
            break;
        case Diagnostics::Verdict::Fail:
            verdictLabel->setText(tr("BŁĄD"));
            verdictLabel->setStyleSheet(QLatin1String(FailStyle));
            break;
        case Diagnostics::Verdict::None:
            verdictLabel->clear();
            verdictLabel->setStyleSheet(QString());
            break;
        }
    }
    fitRowHeights(ui->tableWidgetTest);
}

void DetailsManagement::updateButtons()
{
    // One unit procedure at a time: starting the other would silently replace the running one.
    const bool idle = m_portOpen && m_mode == LiveMode
            && !(m_health && m_health->state() == LinkHealth::NotAnswering);
    ui->buttonCalibr->setEnabled(idle);
    ui->buttonTest->setEnabled(idle && !m_resultsShown);
    ui->buttonClear->setEnabled(m_resultsShown);
}
