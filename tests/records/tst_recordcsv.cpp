// ctest-labels: eventlog
#include "config/modul.h"
#include "config/modulefactory.h"
#include "records/recordcsv.h"

#include <QtTest>

namespace {
// A module whose fault texts the test chooses.
struct TextModul : Modul
{
    TextModul(const QString &name, quint8 number, const QStringList &faults)
        : Modul(number), name(name), faults(faults)
    {
    }
    QString getName() override { return name; }
    QStringList getFaults() override { return faults; }
    QString name;
    QStringList faults;
};

const QByteArray Bom("\xEF\xBB\xBF");
} // namespace

class tst_RecordCsv : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initFaultTextTables(); }

    // The whole register in its order, and visible rows in the order given, each row keeping
    // its number in the register.
    void events_data()
    {
        QTest::addColumn<bool>("whole");
        QTest::addColumn<QVector<int>>("indexes");
        QTest::addColumn<QStringList>("rows");
        const QString start = "%1;2024-03-05 14:07:09;-;Start systemu / reset;0x17;0";
        const QString gone = "%1;2025-01-02 03:04:05;PSB 1;" + faultText(0xE0, 3)
                + " USUNIĘTE;0x83;1";
        QTest::newRow("whole") << true << QVector<int>()
                               << QStringList{start.arg(1), gone.arg(2)};
        QTest::newRow("visible, newest first") << false << QVector<int>{1, 0}
                                               << QStringList{gone.arg(2), start.arg(1)};
    }
    void events()
    {
        QFETCH(bool, whole);
        QFETCH(QVector<int>, indexes);
        QFETCH(QStringList, rows);
        Pamietnik log;
        log.parse(QByteArray::fromHex("1803050e07091700" "19010203040583e1"));
        const QByteArray csv = whole ? RecordCsv::events(log.events())
                                     : RecordCsv::events(log.events(), indexes);
        rows.prepend("Lp;Data;Moduł;Zdarzenie;Kod;Usunięte");
        QCOMPARE(csv, Bom + (rows.join("\r\n") + "\r\n").toUtf8());
    }

    void faults()
    {
        QList<Modul *> modules{
                new TextModul("PSB", 1, {"Bezpiecznik; F1", "Zwarcie \"L1\"", "Brak sieci 230 V"}),
                new TextModul("LNM", 2, {}),
                new TextModul("RLA", 3, {"Przekaźnik\nzablokowany"})};
        QCOMPARE(RecordCsv::faults(modules),
                 Bom + "Lp;Moduł;Uszkodzenie\r\n1;PSB 1;\"Bezpiecznik; F1\"\r\n"
                       "2;PSB 1;\"Zwarcie \"\"L1\"\"\"\r\n3;PSB 1;Brak sieci 230 V\r\n"
                       "4;RLA 3;\"Przeka\xC5\xBAnik\nzablokowany\"\r\n");
        qDeleteAll(modules);
    }

    // Empty positions stay out; the rest keep their place in the list as their number.
    void software()
    {
        const auto versions = SoftwareVersions::decode(
                QByteArray::fromHex("e0012312ab" "f001000000" "83011a000f"));
        QCOMPARE(RecordCsv::software(versions),
                 Bom + "Lp;Nazwa;Numer;Wersja;Suma CRC\r\n1;PSB;1;2.3;0x12AB\r\n"
                       "3;PSR;1;1.a;0x000F\r\n");
    }
};

QTEST_GUILESS_MAIN(tst_RecordCsv)
#include "tst_recordcsv.moc"
