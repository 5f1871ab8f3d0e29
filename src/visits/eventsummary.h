#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVector>

// Where a visit's register reading ended: the last entry it read, by its index and its bytes.
// The next visit finds that entry again in its own register and counts what came after it,
// whatever the unit's clock did in between.
struct RegisterAnchor
{
    bool valid = false;   // a register was read
    int entries = 0;      // entries in that register
    QByteArray lastEntry; // the 8 bytes of its last entry; empty for an empty register

    int lastIndex() const { return entries - 1; }
    static RegisterAnchor of(const QByteArray &registerData);
};

// What the previous visit's own end tells about the register: its entries after its reading
// (the departure's faults read, its clock set) belong to it, and without a register reading
// its end in the unit's time is where "since" starts.
struct PreviousVisitTiming
{
    QDateTime ended;       // PC time
    bool clockRead = false;
    qint64 drift = 0;      // unit time minus PC time at its arrival, seconds
    bool clockSet = false; // the unit's clock was set to the PC's at its departure
};

// Which entries of the current register are "since the previous visit".
struct RegisterRange
{
    enum Mode {
        WholeRegister, // no previous visit
        AfterAnchor,   // after the previous visit's last entry, found again
        Cleared,       // that entry is gone and the register was cleared since
        Overflowed,    // that entry is gone: more entries came than the register holds
        TimeWindow,    // the previous visit read no register: by the unit's clock
    };
    Mode mode = WholeRegister;
    int first = 0;        // first entry counted (all modes but TimeWindow)
    int anchorIndex = -1; // AfterAnchor: where the previous visit's last entry is now
    int skipped = 0;      // entries after it that the previous visit itself caused
    QDateTime since;      // TimeWindow: entries dated later than this (unit time)
    qint64 driftUsed = 0; // TimeWindow: the previous end was moved by this, seconds
};

RegisterRange locateSince(const QByteArray &registerData, bool hasPrevious,
                          const RegisterAnchor &previous, const PreviousVisitTiming &timing);

// The groups an inspector asks about, in the order the report gives them.
enum class EventGroup { Alarms, Faults, Power, Resets, ConfigWrites, ClockSets, Other, Count };
EventGroup eventGroup(int type, quint8 code);
QString eventGroupText(EventGroup group);

// The event register of a visit summed up: what happened since the previous visit, and the
// faults the log still holds as active.
struct EventSummary
{
    struct Count
    {
        QString text;  // module text ("PSB 1")
        QString event; // event text; empty in the per-module counts
        int count = 0;
    };
    struct ActiveFault
    {
        int index = 0; // position in the register, 0 = first record
        QDateTime at;
        QString moduleText;
        QString eventText;
    };

    RegisterRange range;
    int total = 0;   // entries in the register
    int counted = 0; // entries in the range
    QVector<int> perGroup = QVector<int>(int(EventGroup::Count), 0);
    QList<Count> perModule; // most entries first
    QList<Count> perEvent;  // per module and event text, most entries first
    // Faults that appeared (in the whole register) with no later "USUNIĘTE" entry of the
    // same module and code, oldest first.
    QList<ActiveFault> stillActive;
};

// Events that only record something done (a start, a cleared register, a stored
// configuration, an output driven) are never faults and never counted as still active.
bool isFaultEvent(int type, quint8 code);

EventSummary summarizeEvents(const QByteArray &registerData, const RegisterRange &range);
