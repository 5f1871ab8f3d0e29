#include "export/filenames.h"

#include <QtTest>

// A proposed file name must be one Windows accepts, and must keep every part of the record's
// name: a slash must not turn part of it into a folder.
class TestFileNames : public QObject
{
    Q_OBJECT
private slots:
    void proposal_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("generated name") << "C_2024_03_05_14:07:09" << "C_2024_03_05_14_07_09";
        QTest::newRow("slashes keep the whole name") << "Hala A/B\\C" << "Hala A_B_C";
        QTest::newRow("forbidden and control") << "a*b?c\"d<e>f|g\th" << "a_b_c_d_e_f_g_h";
        QTest::newRow("Polish letters kept") << "Łódź — klatka A" << "Łódź — klatka A";
        QTest::newRow("trailing dots and spaces") << "Kopia. . " << "Kopia";
        QTest::newRow("nothing left") << "..." << "nazwa";
        // A 300-character name would make a file name no file system takes.
        QTest::newRow("too long") << QString(300, QChar(0x142)) << QString(120, QChar(0x142));
    }
    void proposal()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(proposedFileName(name), expected);
    }
};

QTEST_GUILESS_MAIN(TestFileNames)
#include "tst_filenames.moc"
