#include "config/modulefactory.h"
#include "records/softwareversions.h"

#include <QStandardItemModel>
#include <QtTest>

class tst_SoftwareVersions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initFaultTextTables(); }

    // PSL 1, an empty position (version 0), SCA 2, and a remainder too short for a record.
    void tableAndReport()
    {
        const QByteArray data = QByteArray::fromHex("f00123120b" "50010000ff" "57021a0001" "1209");
        QObject owner;
        QStandardItemModel *model = SoftwareVersions::model(data, &owner);
        QCOMPARE(model->rowCount(), 2); // the empty position is left out
        QCOMPARE(model->item(0, 3)->text(), QStringLiteral("0x120B"));
        QCOMPARE(model->item(1, 2)->text(), QStringLiteral("1.a"));
        QCOMPARE(SoftwareVersions::toHtml(data, QStringLiteral("S_x")),
                 QStringLiteral("<html><head><link rel='stylesheet' type='text/css' "
                                "href='format.css'></head><body> <img src=':/images/logohaslo.jpg' "
                                "width ='600'><H2>Oprogramowanie Ostrel: S_x</H2><table BORDER='1'"
                                "style=\"background-color:white\" cellpadding='2' cellspacing='0' "
                                "width = '600'><tr><th width = '40'>Lp</th><th width = '200'>Nazwa"
                                "</th><th width = '200'>Wersja</th><th width = '200'>Suma</th></tr>"
                                "<tr><td> 1</td><td> PSL 1</td><td> 2.3</td><td> 120B</td></tr>"
                                "<tr><td> 3</td><td> SCA 2</td><td> 1.a</td><td> 0001</td></tr>"
                                "</table ></body></html>"));
    }
};

QTEST_GUILESS_MAIN(tst_SoftwareVersions)
#include "tst_softwareversions.moc"
