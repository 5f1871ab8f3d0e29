#pragma once

#include "link/device.h"
#include "link/linkreply.h"
#include "visits/visitdata.h"

#include <QByteArray>
#include <QFrame>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QTimer>
#include <QVector>

class QLabel;
class QTableWidget;
class LinkHealth;
class USBManager;

namespace Ui {
class DetailsManagement;
}

// The "Debug" tab: polls the unit's live values once a second while it is shown, and
// runs the unit's automatic calibration or its self-test, showing the test's verdicts.
class DetailsManagement : public QFrame
{
    Q_OBJECT
public:
    enum Mode { LiveMode = 0, CalibrationMode = 1, TestMode = 2 };
    static constexpr int PollIntervalMs = 1000;

    explicit DetailsManagement(QWidget *parent = nullptr);
    explicit DetailsManagement(USBManager *link, QWidget *parent = nullptr);
    ~DetailsManagement() override;

    int mode() const { return m_mode; }
    // The poll or procedure request on its way (0 or 1).
    int pendingLiveRequests() const { return m_poll ? 1 : 0; }
    // The live values on show are not current: the port closed, or no live answer came for
    // two poll periods.
    bool isLiveStale() const { return m_stale; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

signals:
    void signalAdcChanged();
    // A self-test or calibration ended; its rows as shown, for the open service visit.
    void signalDiagnosticsDone(DiagnosticKind kind, const QList<DiagnosticRow> &rows);

public slots:
    void slotReceivedPacket(Device::COMMAND command, QByteArray packet);
    void sendRequestToDevice();
    void slotUsbPortOpened();
    void slotUsbPortClosed();
    void slotAdcChanged();
    void slotClickedStartCalibr();
    void slotClickedStartTest();
    void slotClickedClearTest();
    void slotTestEnd();

private:
    void buildLiveTable();
    void buildTestTable();
    void handleCalibrationState(const QByteArray &packet);
    void handleTestState(const QByteArray &packet);
    bool confirmStart(const QString &title, const QString &text);
    bool queue(Device::COMMAND command, Device::COMMAND answer);
    void updatePolling();
    void updateButtons();
    void watchWidth(QTableWidget *table);
    void fitRowHeights(QTableWidget *table);
    void setLiveStale(bool stale);
    QList<DiagnosticRow> testRows() const;

    Ui::DetailsManagement *ui;
    USBManager *m_link = nullptr;
    LinkHealth *m_health = nullptr;
    int m_mode = LiveMode;
    QPointer<LinkReply> m_poll;
    bool m_portOpen = false;
    // Results on screen keep "Testuj" disabled until the technician clears them.
    bool m_resultsShown = false;
    QMap<int, QLabel *> m_rawLabels;
    QMap<int, QLabel *> m_valueLabels;
    QVector<quint16> m_liveValues;
    QList<QLabel *> m_testRawLabels;
    QList<QLabel *> m_testValueLabels;
    QList<QLabel *> m_testVerdictLabels;
    QVector<quint16> m_testResults;
    QTimer m_pollTimer;
    QTimer m_staleTimer;
    QLabel *m_staleLabel = nullptr;
    bool m_stale = false;
};
