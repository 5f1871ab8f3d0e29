#include "../modules/modules_support.h"

#include <QtTest>

using namespace ModulesTest;
using Values = QVector<quint32>;
Q_DECLARE_METATYPE(Values)

// A module laid out to exercise every size: 1, 1, 2, 0 (no bytes), 3, 4, 1 = 12 payload bytes.
struct Probe : Modul
{
    Probe() : Modul(7)
    {
        addSettings({
            {"Deklaracja", "", 0, 1, 0, 1, 0, 0, Setting::YesNo, 0, true, 0},
            {"Tryb", "", 0, 4, 0, 1, 1, 1, Setting::Option, 1, true, 5},
            {"Licznik", "", 0, 65535, 0, 2, 2, 2, Setting::Number, 2, true, 0},
            {"Stała", "", 0, 99, 7, 0, 4, 3, Setting::Number, 3, false, 0},
            {"Czas", "", 0, 16777215, 0, 3, 4, 4, Setting::Duration, 4, true, 0},
            {"Impulsy", "", 0, 0xFFFFFFFF, 0, 4, 7, 5, Setting::Number, 5, true, 0},
            {"Bajt", "", 0, 255, 0, 1, 11, 6, Setting::Number, 6, true, 0},
        });
    }
};

class TestModul : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initStartupTables(); }

    // A null payload means the values are set directly instead of parsed.
    void codec_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Values>("values");
        const QByteArray full = hex("01031234011170ffffffff80");
        const QByteArray high = hex("80fffffe80000080000001ff");
        QTest::newRow("longer than needed") << full + hex("aabb") << full
                                            << Values{1, 3, 0x1234, 7, 70000, 0xFFFFFFFF, 0x80};
        QTest::newRow("high bits are not sign-extended")
                << high << high << Values{0x80, 0xFF, 0xFFFE, 7, 0x800000, 0x80000001, 0xFF};
        QTest::newRow("three bytes") << hex("010203") << hex("010200000000000000000000")
                                     << Values{1, 2, 0, 7, 0, 0, 0};
        QTest::newRow("too large: low bytes") << QByteArray() << hex("ff00234523456700000000ff")
                                              << Values{511, 256, 0x12345, 99, 0x1234567, 0, 0x1FF};
    }
    void codec()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, bytes);
        QFETCH(Values, values);
        Probe probe;
        const QList<Setting *> settings = probe.getSettings();
        if (payload.isNull()) {
            for (int i = 0; i < values.size(); ++i)
                settings.at(i)->setValue(values.at(i));
        } else {
            // Start from other values: a setting the payload does not reach must read 0, while
            // the size-0 setting keeps its own.
            probe.parse(QByteArray(12, char(0x5A)));
            QCOMPARE(probe.parse(payload), 0);
            Values decoded;
            for (const Setting *setting : settings)
                decoded << setting->getValue();
            QCOMPARE(decoded, values);
        }
        QCOMPARE(probe.toByteArray().toHex(' '), bytes.toHex(' '));
    }

    // The last byte of a fault block is never a flag; a set high bit marks a removed fault.
    void faults()
    {
        Probe probe;
        for (const char *block : {"", "01", "000001"}) {
            probe.setFaultBytes(hex(block));
            QVERIFY2(probe.getFaults().isEmpty(), block);
        }
        // Index 1 by a flag other than 1, index 22 without a text, index 23 in the last byte.
        probe.setFaultBytes(bytesWith(24, {{1, 0x80}, {22, 1}, {23, 1}}));
        QCOMPARE(probe.getFaults(), (QStringList{Modul::genericFaultTexts().value(1), QString()}));
        QCOMPARE(faultText(0x12, 0x97), QStringLiteral("Start systemu / reset USUNIĘTE"));
        QCOMPARE(faultText(0x12, 0x96), QStringLiteral(" USUNIĘTE"));
        QCOMPARE(faultText(0x1F0, 23), QStringLiteral("Start systemu / reset"));
    }
};

QTEST_GUILESS_MAIN(TestModul)
#include "tst_modul.moc"
