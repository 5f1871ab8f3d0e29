#pragma once

#include "records/pamietnik.h"

#include <QByteArray>
#include <QDateTime>
#include <QRandomGenerator>

// A register of `entries` events from a few modules, a minute to `maxGapSeconds` apart from
// `start`, with every third fault marked removed: the same bytes for the same seed, so that
// the benchmarks' figures can be compared run to run.
inline QByteArray syntheticRegister(int entries, quint32 seed, const QDateTime &start,
                                    int maxGapSeconds)
{
    static const quint8 sources[] = {0x00, 0xE1, 0xF0, 0xF1, 0x50, 0x57, 0x80, 0xA0, 0x91};
    QRandomGenerator random(seed);
    QByteArray data;
    data.reserve(entries * Pamietnik::RecordSize);
    QDateTime when = start;
    for (int i = 0; i < entries; ++i) {
        when = when.addSecs(60 + random.bounded(maxGapSeconds));
        const QDate d = when.date();
        const QTime t = when.time();
        data.append(char(d.year() - 2000)).append(char(d.month())).append(char(d.day()));
        data.append(char(t.hour())).append(char(t.minute())).append(char(t.second()));
        data.append(char(random.bounded(35) | (random.bounded(3) == 0 ? 0x80 : 0)));
        data.append(char(sources[random.bounded(int(sizeof sources))]));
    }
    return data;
}
