#include "config/modul.h"
#include "config/modulefactory.h"
#include "records/pamietnik.h"

#include <QtTest>

namespace {
QStringList s_messages;
QtMessageHandler s_previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    s_messages << message;
    if (type != QtDebugMsg)
        s_previous(type, context, message);
}
} // namespace

class tst_Pamietnik : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initFaultTextTables();
        // PSL fills its table when the first module object is made.
        delete createModule(0xF0, 1);
        s_previous = qInstallMessageHandler(collect);
    }
    void cleanupTestCase() { qInstallMessageHandler(s_previous); }
    void init() { s_messages.clear(); }

    void recordCount_data();
    void recordCount();
    void decodesRecord_data();
    void decodesRecord();
    void entryTexts();
    void report();
    void emptyReport();
};

void tst_Pamietnik::recordCount_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("entries");
    QTest::newRow("empty") << 0 << 0;
    QTest::newRow("7 bytes") << 7 << 0;
    QTest::newRow("one record") << 8 << 1;
    QTest::newRow("17 bytes") << 17 << 2;
    QTest::newRow("largest register") << 255 * 2040 << 255 * 255;
}

void tst_Pamietnik::recordCount()
{
    QFETCH(int, bytes);
    QFETCH(int, entries);
    QByteArray data;
    for (int i = 0; i < bytes; ++i)
        data.append(char(QByteArray::fromHex("1803050e07091700").at(i % 8)));
    Pamietnik register_;
    register_.parse(data);
    QCOMPARE(register_.getEvents().size(), entries);
    if (entries > 0)
        QCOMPARE(register_.getEvents().constLast().dateTime,
                 QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
}

void tst_Pamietnik::decodesRecord_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("invalidDateLine");

    const QDateTime fallback(QDate(2000, 1, 1), QTime(0, 0));
    QTest::newRow("start of the unit")
            << QByteArray::fromHex("1803050e07091700") << QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))
            << 0x17 << 0 << 0x00 << false;
    QTest::newRow("removed fault of a numbered module")
            << QByteArray::fromHex("1803050e070983e1") << QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))
            << 0x83 << 1 << 0xE0 << false;
    QTest::newRow("month 13") << QByteArray::fromHex("180d050e07091700") << fallback << 0x17 << 0
                              << 0 << true;
    QTest::newRow("month 0") << QByteArray::fromHex("1800050e07091700") << fallback << 0x17 << 0
                             << 0 << true;
    QTest::newRow("30 February") << QByteArray::fromHex("18021e0e07091700") << fallback << 0x17
                                 << 0 << 0 << true;
    QTest::newRow("hour 24 is midnight")
            << QByteArray::fromHex("1803051807091700") << QDateTime(QDate(2024, 3, 5), QTime(0, 0))
            << 0x17 << 0 << 0 << false;
    QTest::newRow("minute 60 is midnight")
            << QByteArray::fromHex("1803050e3c091700") << QDateTime(QDate(2024, 3, 5), QTime(0, 0))
            << 0x17 << 0 << 0 << false;
    QTest::newRow("year byte 0x80 is 1872")
            << QByteArray::fromHex("8003050e07091700") << QDateTime(QDate(1872, 3, 5), QTime(14, 7, 9))
            << 0x17 << 0 << 0 << false;
    QTest::newRow("year byte 0x7f is 2127")
            << QByteArray::fromHex("7f0c1f173b3b2ff5") << QDateTime(QDate(2127, 12, 31), QTime(23, 59, 59))
            << 0x2F << 5 << 0xF0 << false;
}

void tst_Pamietnik::decodesRecord()
{
    QFETCH(QByteArray, record);
    QFETCH(QDateTime, dateTime);
    QFETCH(int, code);
    QFETCH(int, number);
    QFETCH(int, type);
    QFETCH(bool, invalidDateLine);

    Pamietnik register_;
    register_.parse(record);
    QCOMPARE(register_.getEvents().size(), 1);
    const EventEntry entry = register_.getEvents().constFirst();
    QCOMPARE(entry.dateTime, dateTime);
    QCOMPARE(entry.dateTime.timeSpec(), Qt::LocalTime);
    QCOMPARE(int(entry.code), code);
    QCOMPARE(int(entry.number), number);
    QCOMPARE(int(entry.type), type);
    QCOMPARE(s_messages.contains(QStringLiteral("Pamietnik: nieprawidłowa data zdarzenia")),
             invalidDateLine);
    // Every record is logged in hex for the service log.
    QVERIFY(s_messages.join('\n').contains(QString::fromLatin1(record.toHex().toUpper())));
}

void tst_Pamietnik::entryTexts()
{
    Pamietnik register_;
    register_.parse(QByteArray::fromHex("1803050e07091700" "1803050e070983f2" "1803050e07097f00"));
    const QList<EventEntry> events = register_.getEvents();
    QCOMPARE(Pamietnik::moduleText(events.at(0)), QStringLiteral("-"));
    QCOMPARE(Pamietnik::eventText(events.at(0)), QStringLiteral("Start systemu / reset"));
    QCOMPARE(Pamietnik::dateTimeText(events.at(0)), QStringLiteral("2024-03-05 14:07:09"));
    // A removed fault of PSL number 2: the module's own table, then the removal mark.
    QCOMPARE(Pamietnik::moduleText(events.at(1)), moduleName(0xF0) + QStringLiteral(" 2"));
    QCOMPARE(Pamietnik::eventText(events.at(1)), faultText(0xF0, 0x03) + QStringLiteral(" USUNIĘTE"));
    QVERIFY(!faultText(0xF0, 0x03).isEmpty());
    // An event number without a text shows as an empty text.
    QCOMPARE(Pamietnik::eventText(events.at(2)), QString());
}

void tst_Pamietnik::report()
{
    Pamietnik register_;
    register_.name = QStringLiteral("L_2024_03_05_14:07:09");
    register_.parse(QByteArray::fromHex("1803050e07091700" "1803050e070983f2"));
    const QString html = register_.toHtml();
    const QString expected =
            QStringLiteral("<html><head><link rel='stylesheet' type='text/css' href='format.css'>"
                           "</head><body><H2>Zdarzenia Ostrel: L_2024_03_05_14:07:09</H2>"
                           "<table BORDER='1'style=\"background-color:white\" cellpadding='2' "
                           "cellspacing='0' width = '600'>"
                           "<tr><th width = '35'>Id</th><th width = '120'>Data</th> "
                           "<th width = '50'>Moduł</th><th>Zdarzenie</th></tr>"
                           "<tr><td> 1</td><td> 2024-03-05 14:07:09</td><td> -</td>"
                           "<td> Start systemu / reset</td></tr>"
                           "<tr><td> 2</td><td> 2024-03-05 14:07:09</td><td> %1 2</td>"
                           "<td> %2 USUNIĘTE</td></tr>"
                           "</table >")
                    .arg(moduleName(0xF0), faultText(0xF0, 3));
    QCOMPARE(html, expected);
}

void tst_Pamietnik::emptyReport()
{
    Pamietnik register_;
    register_.name = QStringLiteral("pusty");
    register_.parse(QByteArray::fromHex("01020304050607"));
    QVERIFY(register_.toHtml().endsWith(QStringLiteral("<th>Zdarzenie</th></tr></table >")));
    QVERIFY(!register_.toHtml().contains(QStringLiteral("<td>")));
}

QTEST_GUILESS_MAIN(tst_Pamietnik)
#include "tst_pamietnik.moc"
