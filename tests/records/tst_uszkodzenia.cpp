#include "config/modul.h"
#include "config/modulefactory.h"
#include "records/uszkodzenia.h"

#include <QStandardItemModel>
#include <QtTest>

class tst_Uszkodzenia : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initFaultTextTables(); }

    void blocks_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("modules"); // "type/number:flag bytes in hex"
        const auto hex = QByteArray::fromHex;
        QTest::newRow("empty payload") << QByteArray() << "";
        QTest::newRow("second block past the end") << hex("02f00102000050010501") << "f0/1:0000";
        QTest::newRow("first block past the end") << hex("02f00109500101ff") << "";
        QTest::newRow("unknown type skips its flag bytes")
                << hex("03120102aabbf00203000100500101ff") << "f0/2:000100 50/1:ff";
        QTest::newRow("unknown type running past the end") << hex("02120109aabbf00203000100") << "";
        QTest::newRow("length 128 or more: no flags") << hex("02f00180500101ff") << "f0/1: 50/1:ff";
    }
    void blocks()
    {
        QFETCH(QByteArray, payload);
        Uszkodzenia faults;
        QVERIFY(faults.parse(payload));
        QStringList decoded;
        for (Modul *module : faults.getModules())
            decoded << QStringLiteral("%1/%2:").arg(module->getType(), 0, 16)
                               .arg(module->getNumber()) + module->getFaultBytes().toHex();
        QTEST(decoded.join(' '), "modules");
    }

    // A module without active faults shows neither in the tree nor in the report.
    void treeAndReport()
    {
        Uszkodzenia faults; // SCD 3 without faults, PSL 2 with faults 0 and 2
        faults.name = QStringLiteral("S_x");
        faults.parse(QByteArray::fromHex("02" "50030400000000" "f0020401000100"));
        QScopedPointer<QStandardItemModel> tree(faults.model());
        QCOMPARE(tree->rowCount(), 1);
        QCOMPARE(tree->item(0)->text(), QStringLiteral("PSL 2"));
        QCOMPARE(tree->item(0)->rowCount(), 2);
        QCOMPARE(tree->item(0)->child(1)->text(), faultText(0xF0, 2));
        QCOMPARE(faults.toHtml(),
                 "<html><head><link rel='stylesheet' type='text/css' href='format.css'></head>"
                 "<body><H2>Uszkodzenia Ostrel: S_x</H2><H3>Moduł: PSL, Moduł Przekaźników "
                 "Dodatkowych ,nr 2</H3><table BORDER='1'style=\"background-color:white\" "
                 "cellpadding='2' cellspacing='0' width = '600'><tr><th width = '40'>Lp</th>"
                 "<th width = '400'>Nazwa</th></tr><tr><td> 1</td><td> " + faultText(0xF0, 0)
                         + "</td></tr><tr><td> 2</td><td> " + faultText(0xF0, 2)
                         + "</td></tr></table ></body></html>");
    }
};

QTEST_GUILESS_MAIN(tst_Uszkodzenia)
#include "tst_uszkodzenia.moc"
