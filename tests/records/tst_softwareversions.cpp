#include "config/modulefactory.h"
#include "records/softwareversions.h"

#include <QStandardItemModel>
#include <QtTest>

class tst_SoftwareVersions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initFaultTextTables(); }
    void decode_data();
    void decode();
    void table();
    void report();
};

void tst_SoftwareVersions::decode_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("rows"); // position:name:number:version:checksum

    QTest::newRow("too short") << QByteArray::fromHex("f0012312") << QStringList();
    QTest::newRow("7 bytes give one record") << QByteArray::fromHex("f0012312ab0102")
                                             << QStringList{"1:PSL:1:2.3:12AB"};
    QTest::newRow("version 0 is an empty position")
            << QByteArray::fromHex("f001000000" "50020a000f")
            << QStringList{"2:SCD:2:0.a:000F"};
    QTest::newRow("unknown type") << QByteArray::fromHex("12091aabcd")
                                  << QStringList{"1:-:9:1.a:ABCD"};
    QTest::newRow("highest version") << QByteArray::fromHex("5705ff0000")
                                     << QStringList{"1:SCA:5:f.f:0000"};
}

void tst_SoftwareVersions::decode()
{
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, rows);
    QStringList decoded;
    for (const SoftwareVersion &entry : SoftwareVersions::decode(payload))
        decoded << QStringLiteral("%1:%2:%3:%4:%5")
                           .arg(entry.position)
                           .arg(entry.moduleNameText())
                           .arg(entry.number)
                           .arg(entry.versionText(), entry.checksumText());
    QCOMPARE(decoded, rows);
}

void tst_SoftwareVersions::table()
{
    QObject owner;
    QStandardItemModel *model = SoftwareVersions::model(
            QByteArray::fromHex("f00123120b" "50010000ff" "5702050001"), &owner);
    QCOMPARE(model->parent(), &owner);
    QCOMPARE(model->columnCount(), 4);
    const QStringList headers{"Nazwa", "Numer", "Wersja", "Suma CRC"};
    for (int c = 0; c < 4; ++c)
        QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), headers.at(c));
    QCOMPARE(model->rowCount(), 2);
    const QStringList first{"PSL", "1", "2.3", "0x120B"};
    const QStringList second{"SCA", "2", "0.5", "0x0001"};
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(model->item(0, c)->text(), first.at(c));
        QCOMPARE(model->item(1, c)->text(), second.at(c));
    }
}

void tst_SoftwareVersions::report()
{
    const QString html = SoftwareVersions::toHtml(
            QByteArray::fromHex("f00123120b" "50010000ff" "5702050001"), QStringLiteral("S_x"));
    const QString expected = QStringLiteral(
            "<html><head><link rel='stylesheet' type='text/css' href='format.css'></head><body> "
            "<img src=':/images/logohaslo.jpg' width ='600'><H2>Oprogramowanie Ostrel: S_x</H2>"
            "<table BORDER='1'style=\"background-color:white\" cellpadding='2' cellspacing='0' "
            "width = '600'><tr><th width = '40'>Lp</th><th width = '200'>Nazwa</th>"
            "<th width = '200'>Wersja</th><th width = '200'>Suma</th></tr>"
            "<tr><td> 1</td><td> PSL 1</td><td> 2.3</td><td> 120B</td></tr>"
            "<tr><td> 3</td><td> SCA 2</td><td> 0.5</td><td> 0001</td></tr>"
            "</table ></body></html>");
    QCOMPARE(html, expected);
}

QTEST_GUILESS_MAIN(tst_SoftwareVersions)
#include "tst_softwareversions.moc"
