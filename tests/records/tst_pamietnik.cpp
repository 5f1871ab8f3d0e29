#include "config/modulefactory.h"
#include "records/pamietnik.h"

#include <QtTest>

static QStringList s_messages;

class tst_Pamietnik : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initFaultTextTables(); }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QDateTime>("dateTime"); // of the first entry
        QTest::addColumn<bool>("invalidDateLine");
        const auto hex = QByteArray::fromHex;
        const QDateTime fallback(QDate(2000, 1, 1), QTime(0, 0));
        const QDate day(2024, 3, 5);
        QTest::newRow("17 bytes give 2 entries") << hex("1803050e07091700").repeated(2) + 'x'
                                                 << QDateTime(day, QTime(14, 7, 9)) << false;
        QTest::newRow("month 13") << hex("180d050e07091700") << fallback << true;
        QTest::newRow("hour 24 is midnight")
                << hex("1803051807091700") << QDateTime(day, QTime(0, 0)) << false;
        QTest::newRow("year byte 0x80 is 1872") << hex("8003050e07091700")
                << QDateTime(QDate(1872, 3, 5), QTime(14, 7, 9)) << false;
    }
    void decode()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, invalidDateLine);
        s_messages.clear();
        Pamietnik register_;
        const QtMessageHandler previous = qInstallMessageHandler(
                [](QtMsgType, const QMessageLogContext &, const QString &m) { s_messages << m; });
        register_.parse(data);
        qInstallMessageHandler(previous);
        QCOMPARE(register_.getEvents().size(), data.size() / 8);
        QTEST(register_.getEvents().constFirst().dateTime, "dateTime");
        QCOMPARE(s_messages.contains("Pamietnik: nieprawidłowa data zdarzenia"), invalidDateLine);
    }

    // A removed fault of PSL number 2 takes its text from PSL's own table; an event number
    // without a text shows empty. The report has always ended with its table.
    void report()
    {
        Pamietnik register_;
        register_.name = QStringLiteral("L_x");
        register_.parse(QByteArray::fromHex("1803050e07091700" "1803050e070983f2"
                                            "1803050e07097f00"));
        const QString row = QStringLiteral("<tr><td> %1</td><td> 2024-03-05 14:07:09</td>"
                                           "<td> %2</td><td> %3</td></tr>");
        QCOMPARE(register_.toHtml(),
                 "<html><head><link rel='stylesheet' type='text/css' href='format.css'></head>"
                 "<body><H2>Zdarzenia Ostrel: L_x</H2><table BORDER='1'style=\"background-color:"
                 "white\" cellpadding='2' cellspacing='0' width = '600'><tr><th width = '35'>Id"
                 "</th><th width = '120'>Data</th> <th width = '50'>Moduł</th><th>Zdarzenie</th>"
                 "</tr>" + row.arg(1).arg("-", "Start systemu / reset")
                         + row.arg(2).arg("PSL 2", faultText(0xF0, 3) + " USUNIĘTE")
                         + row.arg(3).arg("-", "") + "</table >");
        QVERIFY(!faultText(0xF0, 3).isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_Pamietnik)
#include "tst_pamietnik.moc"
