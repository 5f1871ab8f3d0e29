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

    const EventSummary summary = summarizeEvents(data, since);
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

QTEST_GUILESS_MAIN(TestEventSummary)
#include "tst_eventsummary.moc"
