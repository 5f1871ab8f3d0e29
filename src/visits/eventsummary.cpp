#include "visits/eventsummary.h"

#include "config/modulefactory.h"
#include "records/pamietnik.h"

#include <QCoreApplication>
#include <QHash>
#include <QVector>

#include <algorithm>
#include <cstring>

namespace {

constexpr int RecordSize = Pamietnik::RecordSize;
// The most entries one register transfer carries: 255 parts of 255 entries.
constexpr int RegisterCapacity = 255 * 255;

// The unit's own events, in the generic table (type -1: the unit itself and every type without
// a table of its own) and in PSB's, which numbers them the same way.
constexpr int GenericTable = -1;
constexpr quint8 LogClearedEvent = 24;
constexpr quint8 ClockSetEvent = 26;

// Event numbers per table and the group each range belongs to. Ranges that record an action
// (start, cleared register, stored configuration, new clock, an output driven, a register or
// fault read) are never faults.
struct EventRange
{
    int table;
    int first;
    int last;
    EventGroup group;
    bool action;
};
constexpr EventRange EventRanges[] = {
    {GenericTable, 23, 23, EventGroup::Resets, true},
    {GenericTable, 24, 24, EventGroup::Other, true},
    {GenericTable, 25, 25, EventGroup::ConfigWrites, true},
    {GenericTable, 26, 26, EventGroup::ClockSets, true},
    {GenericTable, 27, 32, EventGroup::Alarms, true},
    {GenericTable, 33, 34, EventGroup::Other, true},
    {0xE0, 0, 0, EventGroup::Power, false}, // PSB: mains gone
    {0xE0, 23, 23, EventGroup::Resets, true},
    {0xE0, 24, 24, EventGroup::Other, true},
    {0xE0, 25, 25, EventGroup::ConfigWrites, true},
    {0xE0, 26, 26, EventGroup::ClockSets, true},
    {0xE0, 27, 32, EventGroup::Alarms, true},
    {0xE0, 33, 34, EventGroup::Other, true},
    {0xB0, 0, 0, EventGroup::Power, false}, // PSV: supply or mains gone
};

const char *const GroupTexts[int(EventGroup::Count)] = {
    QT_TRANSLATE_NOOP("EventSummary", "alarmy i wysterowania"),
    QT_TRANSLATE_NOOP("EventSummary", "uszkodzenia"),
    QT_TRANSLATE_NOOP("EventSummary", "zaniki zasilania"),
    QT_TRANSLATE_NOOP("EventSummary", "starty i resety"),
    QT_TRANSLATE_NOOP("EventSummary", "zapisy konfiguracji"),
    QT_TRANSLATE_NOOP("EventSummary", "ustawienia zegara"),
    QT_TRANSLATE_NOOP("EventSummary", "pozostałe"),
};

int tableOf(int type)
{
    return moduleName(type) == QLatin1String("-") ? GenericTable : type;
}

const EventRange *rangeOf(int type, quint8 code)
{
    const int table = tableOf(type);
    const int index = code & 0x7F;
    for (const EventRange &range : EventRanges) {
        if (range.table == table && index >= range.first && index <= range.last)
            return &range;
    }
    return nullptr;
}

bool isUnitEvent(const char *record, quint8 event)
{
    const int type = quint8(record[7]) & 0xF0;
    const int table = tableOf(type);
    return (table == GenericTable || table == 0xE0) && (quint8(record[6]) & 0x7F) == event;
}

// Module type, module number and event number without the "fault gone" bit.
quint32 eventKey(const char *record)
{
    return quint32(quint8(record[7])) << 8 | (quint8(record[6]) & 0x7F);
}

EventEntry entryOf(const char *record)
{
    EventEntry entry;
    entry.code = quint8(record[6]);
    entry.type = quint8(record[7]) & 0xF0;
    entry.number = quint8(record[7]) & 0x0F;
    return entry;
}

QList<EventSummary::Count> sortedCounts(const QHash<quint32, int> &counts, bool withEvent)
{
    QList<EventSummary::Count> result;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const char record[8] = {0, 0, 0, 0, 0, 0, char(it.key() & 0xFF),
                                char((it.key() >> 8) & 0xFF)};
        const EventEntry entry = entryOf(record);
        result.append({Pamietnik::moduleText(entry),
                       withEvent ? Pamietnik::eventText(entry) : QString(), it.value()});
    }
    std::sort(result.begin(), result.end(),
              [](const EventSummary::Count &a, const EventSummary::Count &b) {
                  if (a.count != b.count)
                      return a.count > b.count;
                  return a.text != b.text ? a.text < b.text : a.event < b.event;
              });
    return result;
}

// How many entries from `from` on the previous visit wrote itself after its reading: they are
// dated no later than its end in the unit's clock of the moment, which is the PC's plus the
// drift until the visit set the clock and the PC's after. A few seconds cover the rounding of
// both clocks.
int ownEntries(const char *data, int from, int total, const PreviousVisitTiming &timing)
{
    if (!timing.ended.isValid())
        return 0;
    constexpr int Slack = 2;
    const qint64 drift = timing.clockRead ? timing.drift : 0;
    const qint64 before = Pamietnik::timeKey(timing.ended.addSecs(drift + Slack));
    const qint64 after = Pamietnik::timeKey(timing.ended.addSecs(Slack));
    const qint64 clockEntry = Pamietnik::timeKey(timing.ended.addSecs(qMax<qint64>(drift, 0)
                                                                      + Slack));
    bool set = false;
    int count = 0;
    for (int i = from; i < total; ++i, ++count) {
        const char *record = data + i * RecordSize;
        const qint64 at = Pamietnik::timeKey(record);
        // The clock set is dated by either clock, as the unit writes it before or after.
        if (timing.clockSet && !set && isUnitEvent(record, ClockSetEvent)) {
            if (at > clockEntry)
                break;
            set = true;
            continue;
        }
        if (at > (set ? after : before))
            break;
    }
    return count;
}

} // namespace

RegisterAnchor RegisterAnchor::of(const QByteArray &registerData)
{
    RegisterAnchor anchor;
    anchor.valid = true;
    anchor.entries = registerData.size() / RecordSize;
    if (anchor.entries > 0)
        anchor.lastEntry = registerData.mid(anchor.lastIndex() * RecordSize, RecordSize);
    return anchor;
}

RegisterRange locateSince(const QByteArray &registerData, bool hasPrevious,
                          const RegisterAnchor &previous, const PreviousVisitTiming &timing)
{
    RegisterRange range;
    if (!hasPrevious)
        return range;
    const int total = registerData.size() / RecordSize;
    const char *data = registerData.constData();
    if (!previous.valid) {
        range.mode = RegisterRange::TimeWindow;
        range.driftUsed = timing.clockSet || !timing.clockRead ? 0 : timing.drift;
        range.since = timing.ended.addSecs(range.driftUsed);
        return range;
    }
    // The register only loses entries at its start: the last entry read stays where it was or
    // moves towards the start, never further on.
    int found = -1;
    if (previous.entries == 0) {
        found = -1;
    } else if (previous.lastEntry.size() == RecordSize) {
        for (int i = qMin(previous.lastIndex(), total - 1); i >= 0; --i) {
            if (memcmp(data + i * RecordSize, previous.lastEntry.constData(), RecordSize) == 0) {
                found = i;
                break;
            }
        }
        if (found < 0) {
            // Only a full register loses entries by itself; anything shorter was cleared (or is
            // not the register the previous visit read).
            range.mode = total >= RegisterCapacity ? RegisterRange::Overflowed
                                                   : RegisterRange::Cleared;
            for (int i = 0; i < total; ++i) {
                if (isUnitEvent(data + i * RecordSize, LogClearedEvent)) {
                    range.mode = RegisterRange::Cleared;
                    break;
                }
            }
            return range;
        }
    }
    range.mode = RegisterRange::AfterAnchor;
    range.anchorIndex = found;
    range.skipped = ownEntries(data, found + 1, total, timing);
    range.first = found + 1 + range.skipped;
    return range;
}

EventGroup eventGroup(int type, quint8 code)
{
    const EventRange *range = rangeOf(type, code);
    return range ? range->group : EventGroup::Faults;
}

QString eventGroupText(EventGroup group)
{
    const int index = int(group);
    return index >= 0 && index < int(EventGroup::Count)
            ? QCoreApplication::translate("EventSummary", GroupTexts[index])
            : QString();
}

bool isFaultEvent(int type, quint8 code)
{
    const EventRange *range = rangeOf(type, code);
    return !range || !range->action;
}

EventSummary summarizeEvents(const QByteArray &registerData, const RegisterRange &range)
{
    EventSummary summary;
    summary.range = range;
    const int total = registerData.size() / RecordSize;
    summary.total = total;
    const char *data = registerData.constData();
    const auto record = [data](int i) { return data + i * RecordSize; };

    // The register is kept in record order, which a wrapped ring need not share with time:
    // "later" is decided by the entries' moments, ties by record order.
    QVector<qint64> keys(total);
    QVector<int> order(total);
    for (int i = 0; i < total; ++i) {
        keys[i] = Pamietnik::timeKey(record(i));
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int a, int b) { return keys[a] < keys[b]; });

    const bool byTime = range.mode == RegisterRange::TimeWindow;
    const qint64 sinceKey = byTime && range.since.isValid() ? Pamietnik::timeKey(range.since) : -1;
    QHash<quint32, int> perModule; // source byte << 8
    QHash<quint32, int> perEvent;  // source byte << 8 | event code
    QHash<quint32, int> active;    // appeared and not gone: fault key to the record's index
    QVector<qint8> isFault(1 << 16, -1); // decided once per source type and code
    QVector<qint8> group(1 << 16, -1);
    for (int i : order) {
        const char *r = record(i);
        const quint32 source = quint32(quint8(r[7])) << 8;
        const quint8 code = quint8(r[6]);
        const quint32 typeCode = (source & 0xF000) | code;
        if (byTime ? keys[i] > sinceKey : i >= range.first) {
            ++summary.counted;
            ++perModule[source];
            ++perEvent[source | code];
            if (group[typeCode] < 0)
                group[typeCode] = qint8(eventGroup(quint8(r[7]) & 0xF0, code));
            ++summary.perGroup[group[typeCode]];
        }
        if (isFault[typeCode] < 0)
            isFault[typeCode] = isFaultEvent(quint8(r[7]) & 0xF0, code) ? 1 : 0;
        if (isFault[typeCode] == 0)
            continue;
        if (code & 0x80)
            active.remove(eventKey(r));
        else if (!active.contains(eventKey(r))) // a repeat does not move when it began
            active.insert(eventKey(r), i);
    }

    summary.perModule = sortedCounts(perModule, false);
    summary.perEvent = sortedCounts(perEvent, true);

    QVector<int> stillActive;
    for (int index : active)
        stillActive.append(index);
    std::sort(stillActive.begin(), stillActive.end(), [&keys](int a, int b) {
        return keys[a] != keys[b] ? keys[a] < keys[b] : a < b;
    });
    for (int index : stillActive) {
        const EventEntry entry = Pamietnik::decodeRecord(record(index));
        summary.stillActive.append({index, entry.dateTime, Pamietnik::moduleText(entry),
                                    Pamietnik::eventText(entry)});
    }
    return summary;
}
