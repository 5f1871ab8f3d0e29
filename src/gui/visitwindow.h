#pragma once

#include "visits/visitdata.h"
#include "visits/visitreport.h"
#include "visits/visitsession.h"

#include <QWidget>

#include <memory>

class QTableWidgetItem;
class TransferProgress;
class USBManager;
class VisitStore;

namespace Ui {
class VisitWindow;
}

// One service visit: the arrival and departure readings, the checks and batteries, the close
// and the report. Every change is written to the store at once, so a killed program reopens
// the visit as it was; a closed visit is shown read-only.
class VisitWindow : public QWidget
{
    Q_OBJECT
public:
    enum CheckColumn { CheckModule, CheckItem, CheckMethod, CheckLimit, CheckMeasured,
                       CheckResultColumn, CheckRemark, CheckColumnCount };
    enum BatteryColumn { BatteryMake, BatteryAh, BatteryDateCode, BatteryInstalled,
                         BatteryVoltage, BatteryResistance, BatteryResult, BatteryDue,
                         BatteryModule, BatteryTest, BatteryColumnCount };

    VisitWindow(USBManager *link, VisitStore *store, QWidget *parent = nullptr);
    ~VisitWindow() override;

    void setVisit(int visitId);
    int visitId() const { return m_visit.id; }
    VisitSession *session() const { return m_session; }
    // The warning on show; empty when there is none.
    QString warningText() const;

    // Self-test or calibration rows from the Debug tab; kept when the visit is open.
    bool attachDiagnostics(DiagnosticKind kind, const QList<DiagnosticRow> &rows);

    void startArrival();
    void startDeparture();
    // Closes with the form's verdict, texts and date; false with a message otherwise.
    bool closeVisit();
    void showComparison();
    void previewReport();
    void exportPdf();
    void exportCsv();
    // Asks for the reason and opens a correction of the closed visit.
    void correct();
    // Asks for the reason and abandons the open visit.
    void abandon();
    // The message shown at a refused field, empty when none.
    QString fieldError() const;

signals:
    void signalBack();
    // The visit changed in a way the history shows (closed, corrected).
    void signalVisitChanged(int visitId);
    void signalOpenVisit(int visitId);

private:
    void reload();
    void fillChecks();
    void fillBatteries();
    void showBattery(int row);
    void updateState();
    void readingDone(const VisitReading &reading);
    void readingFailed(const QString &message, bool linkSaidSo);
    void clockSet(bool ok);
    void checkEdited(QTableWidgetItem *item);
    void checkResultChosen(int row, int index);
    void batteryEdited(QTableWidgetItem *item);
    void batteryResultChosen(int row, int index);
    void addBattery();
    void removeBattery();
    void saveField(VisitField field, const QVariant &value);
    void saveDetail(VisitDetail detail, const QString &value);
    void fillProtocolPage();
    void fillInstruments();
    void instrumentsChosen();
    void addInstrument();
    void addCheck();
    void batteryModuleChosen(int row, int index);
    void saveNextService();
    void setWarning(const QString &text);
    void refreshWarning(bool showComparison);
    bool refuseClosed();
    // The configuration change between two linked records, as the review window shows it.
    bool compareRecords(int leftId, int rightId, const QString &leftTitle,
                        const QString &rightTitle, bool show);
    VisitReport::Document report() const;
    void storeFailed();

    std::unique_ptr<Ui::VisitWindow> ui;
    USBManager *m_link;
    VisitStore *m_store;
    VisitSession *m_session;
    TransferProgress *m_progress;
    Visit m_visit;
    QList<CheckRow> m_checks;
    QList<BatteryRow> m_batteries;
    bool m_filling = false;
    int m_readingVisitId = 0;
};
