#pragma once

#include "link/device.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class DbManager;
enum class VisitType;
class RequestTracker;
class USBManager;

// What one reading at the unit brought: the answers as received, the records they were stored
// under (0 where not read) and the unit's clock against the PC's.
struct VisitReading
{
    enum Kind { Arrival, Departure };
    Kind kind = Arrival;
    QDateTime pcTime; // when the unit's clock answered
    QDateTime unitTime;
    bool hasClock = false;
    qint64 driftSeconds = 0; // unit time minus PC time
    QByteArray config;
    QByteArray faults;
    QByteArray software;
    QByteArray eventLog;
    int configId = 0;
    int faultsId = 0;
    int softwareId = 0;
    int eventLogId = 0;
};

// The arrival and departure readings of a service visit, each one action: the requests go to
// the unit one after another over the shared link, and only when every answer is in are they
// stored, as ordinary records named after the unit and the visit, in one transaction. A unit
// that stops answering, a lost port or a cancel leaves nothing stored for that reading.
class VisitSession : public QObject
{
    Q_OBJECT
public:
    enum Step { ClockStep, ConfigStep, FaultsStep, SoftwareStep, EventLogStep, StepCount };

    VisitSession(USBManager *link, DbManager *store, QObject *parent = nullptr);

    // The start of every record name, e.g. "Centrala A — przegląd okresowy 2026/3", made by
    // recordPrefix(). The names are kept untranslated and shown through shownRecordName().
    void setRecordPrefix(const QString &prefix) { m_prefix = prefix; }
    QString recordPrefix() const { return m_prefix; }
    static QString recordPrefix(const QString &unitLabel, VisitType type,
                                const QString &reportNumber);
    // Name of a stored record of a reading, untranslated.
    static QString recordName(const QString &prefix, VisitReading::Kind kind, Step step);
    // A record name in the interface's language when the program gave it, in any language,
    // at a visit; any other name as it is.
    static QString shownRecordName(const QString &name);

    // Arrival: clock, configuration, faults, software versions and, when asked, the event
    // register. Departure: clock, faults and configuration. False when a reading runs already
    // or the port is closed.
    bool startArrival(bool withEventLog);
    bool startDeparture();
    void cancel();
    bool isRunning() const { return m_running; }
    // The request under way, for the progress strip.
    RequestTracker *tracker() const { return m_tracker; }
    Step currentStep() const { return m_steps.value(m_stepIndex, ClockStep); }

    // Sets the unit's clock to the PC's; signalClockSet tells the outcome.
    bool setUnitClock();

signals:
    void signalStepStarted(int step);
    // The reading was stored; `reading` holds the record ids.
    void signalReadingDone(const VisitReading &reading);
    // Nothing was stored; `message` says why in the technician's words.
    // `linkSaidSo`: the request's own end (no answer, the port lost) was told already by the
    // progress strip; the message adds nothing worth a second box.
    void signalReadingFailed(QString message, bool linkSaidSo);
    void signalClockSet(bool ok);
    // A reading or the clock setting began (true) or ended (false).
    void signalActiveChanged(bool active);

private:
    bool begin(VisitReading::Kind kind, const QList<Step> &steps);
    void nextStep();
    void stepFinished(int outcome, const QString &reason);
    void fail(const QString &message, bool linkSaidSo = false);
    bool store();
    void sendNow(Device::COMMAND command, const QByteArray &payload, Device::COMMAND answer);

    QPointer<USBManager> m_link;
    DbManager *m_store;
    RequestTracker *m_tracker;
    QString m_prefix;
    bool m_running = false;
    bool m_settingClock = false;
    // The unit's own summer/winter time flag, kept when its clock is set.
    bool m_unitDst = true;
    QList<Step> m_steps;
    int m_stepIndex = -1;
    QByteArray m_answer;
    VisitReading m_reading;
};

Q_DECLARE_METATYPE(VisitReading)
