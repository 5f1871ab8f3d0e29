#include "visitsession.h"

#include "link/linkreply.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"
#include "service/unitclock.h"
#include "store/dbmanager.h"
#include "store/textkeys.h"
#include "visits/visitdata.h"

#include <QCoreApplication>
#include <QSqlDatabase>

namespace {

struct StepInfo
{
    Device::COMMAND request;
    Device::COMMAND answer;
    const char *name;
};

const char *const Arrival = QT_TRANSLATE_NOOP("VisitSession", "przyjazd");
const char *const Departure = QT_TRANSLATE_NOOP("VisitSession", "odjazd");

// One row per step, in Step order; the names end the record names.
const StepInfo Steps[VisitSession::StepCount] = {
        {Device::ReadClock, Device::ClockData, QT_TRANSLATE_NOOP("VisitSession", "zegar")},
        {Device::ReadConfig, Device::ConfigData,
         QT_TRANSLATE_NOOP("VisitSession", "konfiguracja")},
        {Device::ReadFaults, Device::FaultsData, QT_TRANSLATE_NOOP("VisitSession", "uszkodzenia")},
        {Device::ReadSoftware, Device::SoftwareData,
         QT_TRANSLATE_NOOP("VisitSession", "wersje oprogramowania")},
        {Device::ReadEventLog, Device::EventLogPart,
         QT_TRANSLATE_NOOP("VisitSession", "rejestr zdarzeń")},
};

} // namespace

VisitSession::VisitSession(USBManager *link, DbManager *store, QObject *parent)
    : QObject(parent), m_link(link), m_store(store)
{
    qRegisterMetaType<VisitReading>();
    m_tracker = new RequestTracker(link, this);
}

bool VisitSession::startArrival(bool withEventLog)
{
    QList<Step> steps{ClockStep, ConfigStep, FaultsStep, SoftwareStep};
    if (withEventLog)
        steps.append(EventLogStep);
    return begin(VisitReading::Arrival, steps);
}

bool VisitSession::startDeparture()
{
    return begin(VisitReading::Departure, {ClockStep, FaultsStep, ConfigStep});
}

bool VisitSession::begin(VisitReading::Kind kind, const QList<Step> &steps)
{
    if (m_running || m_settingClock || !m_link || !m_link->isOpen() || m_tracker->isBusy())
        return false;
    m_reading = VisitReading();
    m_reading.kind = kind;
    m_steps = steps;
    m_stepIndex = -1;
    m_running = true;
    emit signalActiveChanged(true);
    nextStep();
    return true;
}

void VisitSession::cancel()
{
    if (m_tracker->isBusy())
        m_tracker->cancel();
    else if (m_running)
        fail(tr("Odczyt przerwany. Nic z tego odczytu nie zapisano."));
}

void VisitSession::sendNow(Device::COMMAND command, const QByteArray &payload,
                           Device::COMMAND answer)
{
    m_answer.clear();
    LinkReply *reply = m_tracker->start(command, payload, answer);
    if (!reply) {
        if (m_settingClock) {
            m_settingClock = false;
            emit signalActiveChanged(false);
            emit signalClockSet(false);
        } else {
            fail(tr("Łącze nie przyjęło zapytania. Nic nie zapisano."));
        }
        return;
    }
    connect(reply, &LinkReply::finished, this, [this](const QByteArray &answer) {
        m_answer = answer;
        stepFinished(LinkReply::Answered, QString());
    });
    connect(reply, &LinkReply::failed, this, &VisitSession::stepFinished);
}

void VisitSession::nextStep()
{
    if (!m_running)
        return;
    ++m_stepIndex;
    if (m_stepIndex >= m_steps.size()) {
        m_running = false;
        emit signalActiveChanged(false);
        if (store())
            emit signalReadingDone(m_reading);
        else
            emit signalReadingFailed(tr("Nie udało się zapisać odczytu w bazie danych."), false);
        return;
    }
    const StepInfo &info = Steps[m_steps.at(m_stepIndex)];
    emit signalStepStarted(m_steps.at(m_stepIndex));
    const QByteArray payload =
            info.request == Device::ReadEventLog ? QByteArray(2, '\0') : QByteArray();
    sendNow(info.request, payload, info.answer);
}

void VisitSession::stepFinished(int outcome, const QString &reason)
{
    if (m_settingClock) {
        m_settingClock = false;
        emit signalActiveChanged(false);
        emit signalClockSet(outcome == LinkReply::Answered);
        return;
    }
    if (!m_running)
        return;
    const Step step = m_steps.at(m_stepIndex);
    const QString what = tr(Steps[step].name);
    switch (outcome) {
    case LinkReply::Answered:
        break;
    case LinkReply::Cancelled:
        fail(tr("Odczyt przerwany (%1). Nic z tego odczytu nie zapisano.").arg(what));
        return;
    case LinkReply::Dropped:
        fail(tr("Centrala nie odpowiada (%1). Nic z tego odczytu nie zapisano; przegląd "
                "pozostaje otwarty.")
                     .arg(what),
             true);
        return;
    default:
        fail(tr("Połączenie z centralą zostało przerwane (%1). Nic z tego odczytu nie "
                "zapisano.")
                     .arg(reason.isEmpty() ? what : what + QLatin1String(", ") + reason),
             true);
        return;
    }
    switch (step) {
    case ClockStep:
    {
        m_reading.pcTime = QDateTime::currentDateTime();
        int dstFlag = -1;
        // An impossible date from the unit is no clock to compare with.
        if (!UnitClock::parse(m_answer, &m_reading.unitTime, &dstFlag))
            m_reading.unitTime = QDateTime();
        m_reading.hasClock = m_reading.unitTime.isValid();
        if (dstFlag >= 0)
            m_unitDst = dstFlag != 0;
        if (m_reading.hasClock) {
            // Both are wall-clock readings; compare them as such, not across time zones.
            const QDateTime pcWall(m_reading.pcTime.date(), m_reading.pcTime.time(), Qt::UTC);
            m_reading.driftSeconds = pcWall.secsTo(m_reading.unitTime);
        }
        break;
    }
    case ConfigStep:
        m_reading.config = m_answer;
        break;
    case FaultsStep:
        m_reading.faults = m_answer;
        break;
    case SoftwareStep:
        m_reading.software = m_answer;
        break;
    case EventLogStep:
        m_reading.eventLog = m_answer;
        break;
    case StepCount:
        break;
    }
    // Not from inside the tracker's own end signal: the next request restarts it.
    QMetaObject::invokeMethod(this, &VisitSession::nextStep, Qt::QueuedConnection);
}

void VisitSession::fail(const QString &message, bool linkSaidSo)
{
    m_running = false;
    emit signalActiveChanged(false);
    emit signalReadingFailed(message, linkSaidSo);
}

bool VisitSession::store()
{
    QSqlDatabase db = m_store->database();
    const bool transaction = db.transaction();
    const VisitReading::Kind kind = m_reading.kind;
    bool ok = true;
    for (const Step step : qAsConst(m_steps)) {
        const QString name = recordName(m_prefix, kind, step);
        switch (step) {
        case ConfigStep:
            ok = ok && (m_reading.configId = m_store->writeConfig(name, m_reading.config)) > 0;
            break;
        case FaultsStep:
            ok = ok && (m_reading.faultsId = m_store->writeFaults(name, m_reading.faults)) > 0;
            break;
        case SoftwareStep:
            ok = ok
                    && (m_reading.softwareId =
                                m_store->writeSoftwareVersions(name, m_reading.software))
                            > 0;
            break;
        case EventLogStep:
            ok = ok && (m_reading.eventLogId = m_store->writeLog(name, m_reading.eventLog)) > 0;
            break;
        default:
            break;
        }
    }
    if (!transaction)
        return ok;
    if (ok && db.commit())
        return true;
    db.rollback();
    m_reading.configId = m_reading.faultsId = m_reading.softwareId = m_reading.eventLogId = 0;
    return false;
}

QString VisitSession::recordName(const QString &prefix, VisitReading::Kind kind, Step step)
{
    // Kept untranslated: the name is shown in the language of whoever looks at it.
    const char *when = kind == VisitReading::Arrival ? Arrival : Departure;
    return QStringLiteral("%1 — %2 — %3")
            .arg(prefix, QString::fromUtf8(when), QString::fromUtf8(Steps[step].name));
}

QString VisitSession::recordPrefix(const QString &unitLabel, VisitType type,
                                   const QString &reportNumber)
{
    return QStringLiteral("%1 — %2 %3").arg(unitLabel, visitTypeKey(type), reportNumber);
}

QString VisitSession::shownRecordName(const QString &name)
{
    static const QStringList whenKeys = {QString::fromUtf8(Arrival),
                                         QString::fromUtf8(Departure)};
    static const QStringList stepKeys = [] {
        QStringList keys;
        for (const StepInfo &step : Steps)
            keys.append(QString::fromUtf8(step.name));
        return keys;
    }();
    // "<unit> — <visit type> <number> — <arrival or departure> — <record>": the unit's label is
    // the company's own text and may hold the dash itself, so the parts are taken from the end.
    const QString dash = QStringLiteral(" — ");
    QStringList parts = name.split(dash);
    const int n = parts.size();
    if (n < 4)
        return name;
    const QString step = TextKeys::keyOf("VisitSession", stepKeys, parts.at(n - 1));
    const QString when = TextKeys::keyOf("VisitSession", whenKeys, parts.at(n - 2));
    if (step.isEmpty() || when.isEmpty())
        return name;
    parts[n - 1] = tr(step.toUtf8().constData());
    parts[n - 2] = tr(when.toUtf8().constData());
    const int space = parts.at(n - 3).lastIndexOf(QLatin1Char(' '));
    const QString type = TextKeys::keyOf("Visits", visitTypeKeys(), parts.at(n - 3).left(space));
    if (space > 0 && !type.isEmpty())
        parts[n - 3] = QCoreApplication::translate("Visits", type.toUtf8().constData())
                + parts.at(n - 3).mid(space);
    return parts.join(dash);
}

bool VisitSession::setUnitClock()
{
    if (m_running || m_settingClock || !m_link || !m_link->isOpen() || m_tracker->isBusy())
        return false;
    m_settingClock = true;
    emit signalActiveChanged(true);
    sendNow(Device::ClockData, UnitClock::payload(QDateTime::currentDateTime(), m_unitDst),
            Device::ClockData);
    return m_settingClock;
}
