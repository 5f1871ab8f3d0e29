// ctest-labels: visit
#include "config/modulefactory.h"
#include "visits/eventsummary.h"

#include <QtTest>

namespace {

// One register entry of 2025 at the full hour: date, time, event code, source module.
QByteArray entry(int month, int day, int hour, quint8 code, quint8 source)
{
    return QByteArray(1, char(25)) + char(month) + char(day) + char(hour) + '\0' + '\0'
            + char(code) + char(source);
}

QDateTime at(int month, int day)
{
    return QDateTime(QDate(2025, month, day), QTime(8, 0));
}

QByteArray entryAt(const QDateTime &when, quint8 code, quint8 source = 0x00)
{
    const QDate d = when.date();
    const QTime t = when.time();
    return QByteArray(1, char(d.year() - 2000)) + char(d.month()) + char(d.day())
            + char(t.hour()) + char(t.minute()) + char(t.second()) + char(code) + char(source);
}

QDateTime previousArrival()
{
    return QDateTime(QDate(2025, 12, 7), QTime(6, 0));
}

// 512 hourly entries up to the previous arrival's register reading, on a clock 30 min fast.
QByteArray previousRegister()
{
    QByteArray read;
    for (int i = 0; i < 512; ++i)
        read += entryAt(previousArrival().addSecs(1800 - 3600 * (511 - i)), i % 2 ? 33 : 23);
    return read;
}

RegisterRange byTime(const QDateTime &since)
{
    RegisterRange range;
    range.mode = since.isValid() ? RegisterRange::TimeWindow : RegisterRange::WholeRegister;
    range.since = since;
    return range;
}

QStringList texts(const QList<EventSummary::Count> &counts)
{
    QStringList result;
    for (const EventSummary::Count &count : counts)
        result.append(QStringLiteral("%1|%2|%3").arg(count.text, count.event).arg(count.count));
    return result;
}

} // namespace

class TestEventSummary : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initFaultTextTables(); }
    void summary_data();
    void summary();
    void sincePrevious_data();
    void sincePrevious();
};

void TestEventSummary::summary_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QDateTime>("since");
    QTest::addColumn<int>("counted");
    QTest::addColumn<QStringList>("perModule");
    QTest::addColumn<QStringList>("perEvent");
    QTest::addColumn<QStringList>("stillActive"); // register number, module, event

    const QString mains = QStringLiteral("Brak napięcia sieciowego 230V");
    const QString noBattery = QStringLiteral("Brak podłączonych akumulatorów");
    const QString charger = QStringLiteral("Uszkodzenie ładowarki akumulatorów");
    const QString lineOpen = QStringLiteral("BZ7x linia przycisku KASOWANIE – przerwa");
    const QByteArray crafted = entry(1, 10, 8, 0x00, 0xE1) // 1 PSB 1 mains gone ...
            + entry(1, 10, 9, 0x80, 0xE1) // 2 ... and back
            + entry(6, 1, 10, 23, 0x00) // 3 start: an action, never active
            + entry(6, 2, 8, 0x03, 0xE1) // 4 no battery: still active
            + entry(6, 3, 8, 0x05, 0x91) // 5 LNM 1 line open: still active ...
            + entry(6, 4, 8, 0x85, 0x92) // 6 ... the removal is LNM 2's
            + entry(5, 2, 8, 0x86, 0xE1) // 7 charger removed, stored before its fault ...
            + entry(5, 1, 8, 0x06, 0xE1) // 8 ... which happened a day earlier: not active
            + entry(6, 5, 8, 0x00, 0xE1) // 9 mains gone twice, back once: not active
            + entry(6, 5, 9, 0x00, 0xE1) // 10
            + entry(6, 6, 8, 0x80, 0xE1); // 11
    QTest::newRow("since the previous visit")
            << crafted << at(6, 1) << 7
            << QStringList({"PSB 1||4", "-||1", "LNM 1||1", "LNM 2||1"})
            << QStringList({"PSB 1|" + mains + "|2", "-|Start systemu / reset|1",
                            "LNM 1|" + lineOpen + "|1", "LNM 2|" + lineOpen + " USUNIĘTE|1",
                            "PSB 1|" + mains + " USUNIĘTE|1", "PSB 1|" + noBattery + "|1"})
            << QStringList({"4|PSB 1|" + noBattery, "5|LNM 1|" + lineOpen});
    QTest::newRow("whole register")
            << crafted << QDateTime() << 11
            << QStringList({"PSB 1||8", "-||1", "LNM 1||1", "LNM 2||1"})
            << QStringList({"PSB 1|" + mains + "|3", "PSB 1|" + mains + " USUNIĘTE|2",
                            "-|Start systemu / reset|1", "LNM 1|" + lineOpen + "|1",
                            "LNM 2|" + lineOpen + " USUNIĘTE|1",
                            "PSB 1|" + noBattery + "|1", "PSB 1|" + charger + "|1",
                            "PSB 1|" + charger + " USUNIĘTE|1"})
            << QStringList({"4|PSB 1|" + noBattery, "5|LNM 1|" + lineOpen});
    // An undated record counts as 2000-01-01; a trailing part record is no entry.
    QTest::newRow("bad date and a remainder")
            << entry(3, 1, 8, 0x03, 0xE1) + QByteArray::fromHex("190D0108000003E1")
                       + QByteArray("xyz")
            << at(1, 1) << 1 << QStringList({"PSB 1||1"})
            << QStringList({"PSB 1|" + noBattery + "|1"})
            << QStringList({"2|PSB 1|" + noBattery});
    QTest::newRow("empty") << QByteArray() << QDateTime() << 0 << QStringList() << QStringList()
                           << QStringList();
}

void TestEventSummary::summary()
{
    QFETCH(QByteArray, data);
    QFETCH(QDateTime, since);
    QFETCH(int, counted);
    QFETCH(QStringList, perModule);
    QFETCH(QStringList, perEvent);
    QFETCH(QStringList, stillActive);

    const EventSummary summary = summarizeEvents(data, byTime(since));
    QCOMPARE(summary.total, data.size() / 8);
    QCOMPARE(summary.counted, counted);
    QCOMPARE(texts(summary.perModule), perModule);
    QCOMPARE(texts(summary.perEvent), perEvent);
    QStringList active;
    for (const EventSummary::ActiveFault &fault : summary.stillActive)
        active.append(QStringLiteral("%1|%2|%3")
                              .arg(fault.index + 1)
                              .arg(fault.moduleText, fault.eventText));
    QCOMPARE(active, stillActive);
}

// "Since the previous visit" is found in the register itself: after the last entry that visit
// read, less what that visit wrote itself afterwards, whatever the unit's clock did.
void TestEventSummary::sincePrevious_data()
{
    QTest::addColumn<QByteArray>("current");
    QTest::addColumn<bool>("anchored"); // the previous visit read the register
    QTest::addColumn<qint64>("drift");
    QTest::addColumn<bool>("clockSet");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("first");
    QTest::addColumn<QStringList>("counted"); // per event, most first

    // The previous visit on a unit 30 min fast: its register read at 06:00 (PC), its departure
    // reads the faults, sets the clock and it closes at 06:45. A day later someone reads the
    // faults and writes a configuration; a year later the next arrival reads the faults.
    const QDateTime arrival = previousArrival();
    const QByteArray read = previousRegister();
    const QByteArray ownDeparture = entryAt(arrival.addSecs(40 * 60 + 1800), 34)
            + entryAt(arrival.addSecs(41 * 60), 26);
    const QByteArray later = entryAt(arrival.addDays(1), 34) + entryAt(arrival.addDays(1), 25)
            + entryAt(arrival.addYears(1), 34);
    const QStringList three = {"-|Odczyt uszkodzeń|2", "-|Zapis nowej konfiguracji|1"};
    const int after = int(RegisterRange::AfterAnchor);
    QTest::newRow("clock set at the previous departure")
            << read + ownDeparture + later << true << qint64(1800) << true << after << 514
            << three;
    // The same with the unit 30 min slow: the departure's faults read is dated before its end.
    QTest::newRow("slow clock set")
            << read + entryAt(arrival.addSecs(40 * 60 - 1800), 34)
                       + entryAt(arrival.addSecs(41 * 60), 26) + later
            << true << qint64(-1800) << true << after << 514 << three;
    // A full register loses its oldest entries: the last entry read moves towards the start.
    QTest::newRow("wrapped register") << read.mid(100 * 8) + ownDeparture + later << true
                                      << qint64(1800) << true << after << 414 << three;
    QTest::newRow("cleared log") << entryAt(arrival.addDays(2), 24) + later.right(8) << true
                                 << qint64(1800) << true << int(RegisterRange::Cleared) << 0
                                 << QStringList({"-|Odczyt uszkodzeń|1",
                                                 "-|Skasowanie rejestru zdarzeń|1"});
    QTest::newRow("more entries than it holds")
            << entryAt(arrival.addDays(2), 33).repeated(255 * 255 - 3) + later << true
            << qint64(1800) << true << int(RegisterRange::Overflowed) << 0
            << QStringList({"-|Odczyt rejestru zdarzeń|65022", "-|Odczyt uszkodzeń|2",
                            "-|Zapis nowej konfiguracji|1"});
    QTest::newRow("shorter, no clear entry") << later << true << qint64(1800) << true
                                             << int(RegisterRange::Cleared) << 0 << three;
    // Without the previous visit's reading only the clock is left: its end moved by the drift
    // it measured, unless it set the clock.
    QTest::newRow("no previous reading, drift")
            << read + later << false << qint64(1800) << false
            << int(RegisterRange::TimeWindow) << 0 << three;
    QTest::newRow("no previous reading, clock set")
            << read + ownDeparture + later << false << qint64(1800) << true
            << int(RegisterRange::TimeWindow) << 0
            << QStringList({"-|Odczyt uszkodzeń|3", "-|Zapis nowej konfiguracji|1"});
}

void TestEventSummary::sincePrevious()
{
    QFETCH(QByteArray, current);
    QFETCH(bool, anchored);
    QFETCH(qint64, drift);
    QFETCH(bool, clockSet);
    QFETCH(int, mode);
    QFETCH(int, first);
    QFETCH(QStringList, counted);

    const QDateTime arrival = previousArrival();
    const QByteArray read = previousRegister();
    PreviousVisitTiming timing;
    timing.ended = arrival.addSecs(45 * 60);
    timing.clockRead = true;
    timing.drift = drift;
    timing.clockSet = clockSet;
    const RegisterRange range = locateSince(current, true,
                                            anchored ? RegisterAnchor::of(read) : RegisterAnchor(),
                                            timing);
    QCOMPARE(int(range.mode), mode);
    if (mode != int(RegisterRange::TimeWindow))
        QCOMPARE(range.first, first);
    const EventSummary summary = summarizeEvents(current, range);
    QCOMPARE(texts(summary.perEvent), counted);
}

QTEST_GUILESS_MAIN(TestEventSummary)
#include "tst_eventsummary.moc"
