#include "eventregister.h"

#include <QPair>

#include <algorithm>

namespace sim {

QByteArray EventRegister::encode(const QDateTime &when, quint8 code, quint8 source)
{
    const QDate d = when.date();
    const QTime t = when.time();
    QByteArray record(RecordSize, '\0');
    record[0] = char(d.year() - 2000);
    record[1] = char(d.month());
    record[2] = char(d.day());
    record[3] = char(t.hour());
    record[4] = char(t.minute());
    record[5] = char(t.second());
    record[6] = char(code);
    record[7] = char(source);
    return record;
}

void EventRegister::append(const QDateTime &when, quint8 code, quint8 source)
{
    m_records.append(encode(when, code, source));
    if (size() > Capacity)
        m_records.remove(0, RecordSize);
}

void EventRegister::generate(int count, const QDateTime &end, const QVector<Source> &sources,
                             const QVector<Fault> &present, bool signalLines, std::mt19937 &rng)
{
    m_records.clear();
    count = std::clamp(count, 0, Capacity);
    if (count == 0)
        return;

    // Spread the history over at most about three years, so the dates stay realistic
    // however large the register.
    const qint64 averageGap = std::clamp<qint64>(3LL * 365 * 86400 / count, 2, 6 * 3600);
    std::uniform_int_distribution<qint64> gap(std::max<qint64>(1, averageGap / 5),
                                              averageGap * 9 / 5);
    QVector<QDateTime> times(count);
    times[count - 1] = end;
    for (int i = count - 2; i >= 0; --i)
        times[i] = times[i + 1].addSecs(-gap(rng));

    QVector<const Source *> faulty;
    for (const Source &s : sources) {
        if (!s.faults.isEmpty())
            faulty.append(&s);
    }
    // Active faults as (source byte, index); a fault that appeared must disappear again before
    // it can reappear, as on the real unit.
    QVector<Fault> active;
    std::uniform_int_distribution<int> percent(0, 99);
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };

    // Events that bring the active faults to the present ones: clear the others, raise these.
    auto settle = [&active, &present] {
        QVector<QPair<Fault, bool>> steps;
        for (const Fault &f : qAsConst(active)) {
            if (!present.contains(f))
                steps.append({f, false});
        }
        for (const Fault &f : present) {
            if (!active.contains(f))
                steps.append({f, true});
        }
        return steps;
    };

    int i = 0;
    while (i < count - 1) {
        const auto steps = settle();
        const int left = count - 1 - i;
        if (left <= steps.size() + 1) {
            if (left > steps.size())
                append(times[i++], LogRead, 0x00);
            for (const auto &step : steps) {
                if (i >= count - 1)
                    break;
                const quint8 code = step.first.second | (step.second ? 0 : 0x80);
                append(times[i++], code, step.first.first);
            }
            break;
        }
        const int roll = percent(rng);
        quint8 code = SystemStart;
        quint8 source = 0x00;
        if (!active.isEmpty() && roll < 35) {
            const int k = pick(active.size());
            source = active[k].first;
            code = quint8(active[k].second | 0x80);
            active.remove(k);
        } else if (!faulty.isEmpty() && roll < 65) {
            const Source *s = faulty[pick(faulty.size())];
            const quint8 index = s->faults[pick(s->faults.size())];
            const Fault fault(s->byte, index);
            if (active.contains(fault)) {
                code = quint8(index | 0x80);
                active.removeOne(fault);
            } else {
                code = index;
                active.append(fault);
            }
            source = s->byte;
        } else if (roll < 80) {
            const int outputs = signalLines ? 6 : 2;
            const int k = pick(outputs);
            code = quint8(k < 2 ? FaultRelayPU + k : SignalLineLS1 + (k - 2));
        } else if (roll < 87) {
            code = LogRead;
        } else if (roll < 93) {
            code = FaultsRead;
        } else if (roll < 96) {
            code = ConfigWritten;
        } else if (roll < 98) {
            code = ClockWritten;
        } else {
            code = SystemStart;
        }
        append(times[i++], code, source);
    }
    append(times[count - 1], SystemStart, 0x00);
}

} // namespace sim
