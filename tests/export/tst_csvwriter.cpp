// ctest-labels: eventlog
#include "export/csvwriter.h"

#include <QtTest>

class tst_CsvWriter : public QObject
{
    Q_OBJECT
private slots:
    // A spreadsheet must read back every text as it was, whatever it holds.
    void field_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << "Start systemu / reset" << QByteArray("Start systemu / reset");
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("separator") << "a;b" << QByteArray("\"a;b\"");
        QTest::newRow("quotes doubled") << "linia \"L1\"" << QByteArray("\"linia \"\"L1\"\"\"");
        QTest::newRow("lone quote") << "\"" << QByteArray("\"\"\"\"");
        QTest::newRow("line feed") << "a\nb" << QByteArray("\"a\nb\"");
        QTest::newRow("carriage return") << "a\r\nb" << QByteArray("\"a\r\nb\"");
        QTest::newRow("comma is not ours") << "1,5 V" << QByteArray("1,5 V");
        QTest::newRow("Polish letters in UTF-8")
                << "Zażółć gęślą jaźń; USUNIĘTE"
                << QByteArray("\"Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 g\xC4\x99\xC5\x9Bl\xC4\x85 "
                              "ja\xC5\xBA\xC5\x84; USUNI\xC4\x98TE\"");
    }
    void field()
    {
        QFETCH(QString, text);
        QTEST(CsvWriter::field(text), "bytes");
    }
};

QTEST_GUILESS_MAIN(tst_CsvWriter)
#include "tst_csvwriter.moc"
