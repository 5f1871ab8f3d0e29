#include "visits/eventsummary.h"

#include "config/modulefactory.h"
#include "records/pamietnik.h"

#include <QHash>
#include <QVector>

#include <algorithm>

namespace {

// Event numbers that record an action (start, cleared register, stored configuration, new
// clock, an output driven, a register or fault read), per table that holds them: the generic
// table (type -1: the unit itself and every type without a table of its own) and PSB's.
struct ActionEvents
{
    int type;
    int first;
    int last;
};
constexpr ActionEvents ActionEventTable[] = {
    {-1, 23, 34},
    {0xE0, 23, 34},
};

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

} // namespace

bool isFaultEvent(int type, quint8 code)
{
    const int table = moduleName(type) == QLatin1String("-") ? -1 : type;
    const int index = code & 0x7F;
    for (const ActionEvents &events : ActionEventTable) {
        if (events.type == table && index >= events.first && index <= events.last)
            return false;
    }
    return true;
}

EventSummary summarizeEvents(const QByteArray &registerData, const QDateTime &since)
{
    EventSummary summary;
    summary.since = since;
    const int total = registerData.size() / Pamietnik::RecordSize;
    summary.total = total;
    const char *data = registerData.constData();
    const auto record = [data](int i) { return data + i * Pamietnik::RecordSize; };

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

    const qint64 sinceKey = since.isValid() ? Pamietnik::timeKey(since) : -1;
    QHash<quint32, int> perModule; // source byte << 8
    QHash<quint32, int> perEvent;  // source byte << 8 | event code
    QHash<quint32, int> active;    // appeared and not gone: fault key to the record's index
    QVector<qint8> isFault(1 << 16, -1); // decided once per source type and code
    for (int i : order) {
        const char *r = record(i);
        const quint32 source = quint32(quint8(r[7])) << 8;
        const quint8 code = quint8(r[6]);
        if (keys[i] > sinceKey) {
            ++summary.counted;
            ++perModule[source];
            ++perEvent[source | code];
        }
        const quint32 typeCode = (source & 0xF000) | code;
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
