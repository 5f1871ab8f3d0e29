#include "registerdelta.h"

#include "pamietnik.h"

#include <QHash>

namespace {
// "Odczyt rejestru zdarzeń", logged by the unit itself (source 0x00).
constexpr quint8 RegisterReadEvent = 33;
constexpr int Size = Pamietnik::RecordSize;
} // namespace

QByteArray RegisterDelta::newEntries(const QByteArray &before, const QByteArray &after)
{
    QHash<QByteArray, int> seen;
    for (int at = 0; at + Size <= before.size(); at += Size)
        ++seen[before.mid(at, Size)];
    QByteArray added;
    for (int at = 0; at + Size <= after.size(); at += Size) {
        const QByteArray entry = after.mid(at, Size);
        auto known = seen.find(entry);
        if (known != seen.end() && known.value() > 0)
            --known.value();
        else
            added += entry;
    }
    return added;
}

bool RegisterDelta::onlyReadNotes(const QByteArray &entries)
{
    for (int at = 0; at + Size <= entries.size(); at += Size) {
        if ((quint8(entries.at(at + 6)) & 0x7F) != RegisterReadEvent
            || (quint8(entries.at(at + 7)) & 0xF0) != 0x00)
            return false;
    }
    return true;
}
