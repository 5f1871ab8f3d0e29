#include "config/modul.h"
#include "config/modulefactory.h"
#include "records/uszkodzenia.h"

#include <QAbstractItemModelTester>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

class tst_Uszkodzenia : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initFaultTextTables();
        // PSL and SCD fill their tables when the first module object is made.
        delete createModule(0xF0, 1);
        delete createModule(0x50, 1);
    }
    void blocks_data();
    void blocks();
    void treeAndReport();
    void noActiveFaults();
};

void tst_Uszkodzenia::blocks_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("modules"); // "type:number:flag bytes in hex"

    QTest::newRow("empty payload") << QByteArray() << QStringList();
    QTest::newRow("no blocks") << QByteArray::fromHex("00") << QStringList();
    QTest::newRow("negative count") << QByteArray::fromHex("fff0010100") << QStringList();
    QTest::newRow("one block") << QByteArray::fromHex("01f00103000100")
                               << QStringList{"240:1:000100"};
    QTest::newRow("second block runs past the end")
            << QByteArray::fromHex("02f001020000500105" "01") << QStringList{"240:1:0000"};
    QTest::newRow("first block runs past the end, second never read")
            << QByteArray::fromHex("02f0010900" "500102aabb") << QStringList();
    QTest::newRow("count 3, one block present") << QByteArray::fromHex("03f00102aabb")
                                                << QStringList{"240:1:aabb"};
    QTest::newRow("unknown type skips its flag bytes")
            << QByteArray::fromHex("03" "120102aabb" "f00203000100" "500101ff")
            << QStringList{"240:2:000100", "80:1:ff"};
    QTest::newRow("unknown type running past the end")
            << QByteArray::fromHex("02" "120109aabb" "f00203000100") << QStringList();
    QTest::newRow("length 128 or more gives an empty block")
            << QByteArray::fromHex("02f00180" "500101ff") << QStringList{"240:1:", "80:1:ff"};
    QTest::newRow("fewer than 4 bytes left") << QByteArray::fromHex("02f00100" "500100")
                                             << QStringList{"240:1:"};
}

void tst_Uszkodzenia::blocks()
{
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, modules);
    Uszkodzenia faults;
    QVERIFY(faults.parse(payload));
    QStringList decoded;
    for (Modul *module : faults.getModules())
        decoded << QStringLiteral("%1:%2:%3")
                           .arg(module->getType())
                           .arg(module->getNumber())
                           .arg(QString::fromLatin1(module->getFaultBytes().toHex()));
    QCOMPARE(decoded, modules);
}

void tst_Uszkodzenia::treeAndReport()
{
    // PSL 1 with fault 1, SCD 3 with all flags clear, PSL 2 with faults 0 and 2.
    Uszkodzenia faults;
    faults.name = QStringLiteral("S_2024_03_05_14:07:09");
    faults.parse(QByteArray::fromHex("03" "f00103000100" "50030400000000" "f0020401000100"));
    QCOMPARE(faults.getModules().size(), 3);

    std::unique_ptr<QStandardItemModel> tree(faults.model());
    QAbstractItemModelTester tester(tree.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(!tree->QObject::parent());
    QCOMPARE(tree->rowCount(), 2);
    QCOMPARE(tree->item(0)->text(), moduleName(0xF0) + QStringLiteral(" 1"));
    QCOMPARE(tree->item(0)->rowCount(), 1);
    QCOMPARE(tree->item(0)->child(0)->text(), faultText(0xF0, 1));
    QCOMPARE(tree->item(1)->text(), moduleName(0xF0) + QStringLiteral(" 2"));
    QCOMPARE(tree->item(1)->rowCount(), 2);
    QCOMPARE(tree->item(1)->child(0)->text(), faultText(0xF0, 0));
    QCOMPARE(tree->item(1)->child(1)->text(), faultText(0xF0, 2));

    const QString html = faults.toHtml();
    QVERIFY(html.startsWith(QStringLiteral(
            "<html><head><link rel='stylesheet' type='text/css' href='format.css'></head><body>"
            "<H2>Uszkodzenia Ostrel: S_2024_03_05_14:07:09</H2><H3>")));
    QVERIFY(html.endsWith(QStringLiteral("</table ></body></html>")));
    QCOMPARE(html.count(QStringLiteral("<table")), 2);
    QVERIFY(html.contains(faultText(0xF0, 2)));
    // The module without active faults has no table.
    QVERIFY(!html.contains(moduleName(0x50)));
}

void tst_Uszkodzenia::noActiveFaults()
{
    Uszkodzenia faults;
    faults.name = QStringLiteral("x");
    faults.parse(QByteArray::fromHex("00"));
    std::unique_ptr<QStandardItemModel> tree(faults.model());
    QCOMPARE(tree->rowCount(), 0);
    QCOMPARE(faults.toHtml(),
             QStringLiteral("<html><head><link rel='stylesheet' type='text/css' "
                            "href='format.css'></head><body><H2>Uszkodzenia Ostrel: x</H2>"
                            "</body></html>"));
}

QTEST_GUILESS_MAIN(tst_Uszkodzenia)
#include "tst_uszkodzenia.moc"
