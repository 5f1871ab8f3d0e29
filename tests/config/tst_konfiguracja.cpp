// ctest-labels: safesend
#include "../modules/modules_support.h"

#include "config/konfiguracja.h"

#include <QtTest>

using namespace ModulesTest;

const auto Unit = Konfiguracja::FromDevice;
const auto Store = Konfiguracja::FromDatabase;

// An unknown type with a payload larger than any catalogue module outside type 0x55 has.
struct BigModule : Modul
{
    BigModule() : Modul(1)
    {
        m_type = 0x12;
        for (int i = 0; i < 64; ++i)
            addSetting({"x", "", 0, 0xFFFFFFFF, 0x01020300u + i, 4, 4 * i, i, Setting::Number,
                        i + 1, true, 0});
    }
};

class TestKonfiguracja : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initStartupTables(); }
    void cleanup() { resetDataLengths(); }

    // Modules as "type/number:start of the payload in hex".
    void parse_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<int>("warnings"); // lengths found to count their own byte
        QTest::addColumn<QString>("modules");
        QTest::newRow("count 0x80 is negative") << hex("80f00100") << 0 << "";
        QTest::newRow("negative length") << hex("02d00180e00100") << 0 << "d0/1:00 e0/1:0000";
        QTest::newRow("duplicated byte") << hex("02d0010101e0e00100") << 0 << "d0/1:01 e0/1:0000";
        QTest::newRow("length counts itself")
                << hex("02e00103aabb57010105") << 1 << "e0/1:aabb00 57/1:05";
        QTest::newRow("check stays on after a match")
                << hex("03e00103aabb5701020557020107") << 2 << "e0/1:aabb00 57/1:05 57/2:07";
        QTest::newRow("check stays off after the first miss")
                << hex("03d0010100e00103aabb57830100") << 0 << "d0/1:00 e0/1:aabb57 83/1:";
        QTest::newRow("two-byte length of type 0x55")
                << hex("025501012c") + nonZeroBytes(300) + hex("d0010101") << 0
                << QString::fromLatin1("55/1:" + nonZeroBytes(300).toHex() + " d0/1:01");
    }
    void parse()
    {
        QFETCH(QByteArray, image);
        QFETCH(int, warnings);
        QFETCH(QString, modules);
        const QStringList expected = modules.split(' ', Qt::SkipEmptyParts);
        for (auto source : {Unit, Store}) {
            for (int i = 0; i < warnings; ++i)
                QTest::ignoreMessage(QtDebugMsg, "Warning: modul size include length");
            Konfiguracja config;
            QVERIFY(config.parse(image, source));
            QCOMPARE(config.getModules().size(), expected.size());
            for (int i = 0; i < expected.size(); ++i) {
                Modul *module = config.getModule(i);
                const QString seen = QStringLiteral("%1/%2:").arg(module->getType(), 0, 16)
                        .arg(module->getNumber()) + module->toByteArray().toHex();
                QVERIFY2(seen.startsWith(expected.at(i)), qPrintable(seen));
            }
        }
    }

    // Callers show their error on false; reporting success would store a broken image.
    void malformedImagesFail()
    {
        for (const char *image : {"02d0010101120100", "01e0", "02d0010101e001", "01550101",
                                  "03d0010101830100"})
            QVERIFY2(!Konfiguracja().parse(hex(image), Store), image);
    }

    // Every module whose payload ends on each byte that is also a type code, followed by a PSB:
    // the module keeps that byte and the PSB is read where it really starts.
    void lastSettingAtEveryTypeCode_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("code");
        for (int type : factoryTypes()) {
            const int size = makeModule(type)->toByteArray().size();
            if (size == 0 || (size > 127 && type != Konfiguracja::TwoByteLengthType))
                continue;
            for (int code : factoryTypes()) {
                if (code < 0x80)
                    QTest::addRow("%s ends on 0x%x", qPrintable(moduleName(type)), code)
                            << type << code;
            }
        }
    }
    void lastSettingAtEveryTypeCode()
    {
        QFETCH(int, type);
        QFETCH(int, code);
        QByteArray ending(makeModule(type)->toByteArray().size(), '\0');
        ending[ending.size() - 1] = char(code);
        QByteArray image = hex("02") + char(type) + hex("01");
        if (type == Konfiguracja::TwoByteLengthType)
            image += char(ending.size() >> 8);
        image += char(ending.size()) + ending + hex("e00120") + QByteArray(32, '\0');
        const auto expected = makeModule(type);
        expected->parse(ending);
        for (auto source : {Unit, Store}) {
            Konfiguracja config;
            QVERIFY(config.parse(source == Store ? image + hex("00") : image, source));
            QCOMPARE(config.getModules().size(), 2);
            QCOMPARE(config.getModule(0)->toByteArray(), expected->toByteArray());
            QCOMPARE(config.getModule(1)->getType(), 0xE0);
        }
    }

    // A number equal to its type code is the module's own byte, not a stray one; an image that
    // no reading fits exactly is reported, and what can be read is still there to look at.
    void ambiguousImages_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<int>("modules");
        QTest::newRow("number equal to type") << hex("02d001010157570105") << 2;
        QTest::newRow("payload runs past the end") << hex("01e00105001c") << 1;
        QTest::newRow("bytes after the last record") << hex("01d0010101aabbcc") << 1;
    }
    void ambiguousImages()
    {
        QFETCH(QByteArray, image);
        QFETCH(int, modules);
        const bool valid = modules == 2;
        for (auto source : {Unit, Store}) {
            Konfiguracja config;
            if (source == Store && !valid)
                continue;
            QCOMPARE(config.parse(source == Store ? image + hex("00") : image, source), valid);
            QCOMPARE(config.getModules().size(), modules);
            if (valid)
                QCOMPARE(config.getModule(1)->getNumber(), quint8(0x57));
        }
    }

    void serialise()
    {
        // Before any image was read from the unit its lengths are unknown: the unit gets whole
        // payloads, as an empty one would wipe the module's settings there.
        Konfiguracja defaults(QStringLiteral("Nowa"), nullptr);
        const QByteArray records = hex("04e00120") + QByteArray(32, '\0') + hex("d0010100")
                + hex("f0014d") + QByteArray(77, '\0') + hex("830100");
        QCOMPARE(defaults.toByteArray(Unit), records);
        QCOMPARE(defaults.toByteArray(Store), records + hex("00"));

        // Only an image from the unit records its lengths, and the unit gets them back.
        const QByteArray image = hex("02e00105001c010000d0010101");
        Konfiguracja stored;
        QVERIFY(stored.parse(image, Store));
        QCOMPARE(stored.getModule(0)->getDataLength(), 0);
        Konfiguracja config;
        QVERIFY(config.parse(image, Unit));
        QCOMPARE(config.toByteArray(Unit), image);
        QCOMPARE(config.toByteArray(Store),
                 hex("02e00120001c01") + QByteArray(29, '\0') + hex("d001010100"));

        // A 256-byte payload: the one-byte length keeps the low byte.
        Konfiguracja big;
        big.addModule(new BigModule);
        const QByteArray payload = big.getModule(0)->toByteArray();
        QCOMPARE(big.toByteArray(Unit), hex("01120100") + payload);
        QCOMPARE(big.toByteArray(Store), hex("01120100") + payload + hex("00"));
    }

    void reportOfDefaultConfiguration()
    {
        const QString table = QStringLiteral(
                " ,nr 1</H3><table BORDER='1'style=\"background-color:white\" cellpadding='2' "
                "cellspacing='0' width = '600'><tr><th width = '40'>Lp</th><th width = '400'>"
                "Nazwa</th><th width = '200'>Wartość</th></tr><tr><td> 1</td><td> Deklaracja "
                "modułu");
        const QStringList fragments = {
            "<html><head><link rel='stylesheet' type='text/css' href='format.css'></head><body>"
            "<H2>Konfiguracja Ostrel: Raport</H2><H3>Moduł: PSB, Moduł Główny Sterowania"
                    + table + "</td><td> Tak</td></tr>",
            "<tr><td> 3</td><td> Przekaźnik PU - tryb pracy</td><td> Uszkodzenie Ostrel</td></tr>",
            "<td> Przekaźnik PK - T1 - czas opóźnienia wysterowania</td><td>  0g: 0m: 0s</td></tr>",
            "<tr><td> 17</td><td> Złącze RS232 - Komunikacja z Ostrel nr. 2 - Master/Slave</td>"
            "<td> Brak konfiguracji</td></tr></table ><H3>Moduł: ACL, Moduł Komunikacji "
            "Adresowalnej" + table + "</td><td> Nie</td></tr></table >",
            "<H3>Moduł: PSL, Moduł Przekaźników Dodatkowych" + table,
            "<tr><td> 29</td><td> Linia sygnałowa LS4 - kontrola ciągłości</td><td> Nie</td></tr>"
            "</table ><H3>Moduł: PSR, Moduł Zasilania Redundantnego" + table
                    + " - modułu PSR nie trzeba konfigurować</td><td> Nie</td></tr></table >"
                      "</body></html>",
        };
        const QString html = Konfiguracja(QStringLiteral("Raport"), nullptr).toHtml();
        int from = 0;
        for (const QString &fragment : fragments) {
            const int at = html.indexOf(fragment, from);
            QVERIFY2(at >= 0 && (from > 0 || at == 0), qPrintable(fragment));
            from = at + fragment.size();
        }
        QCOMPARE(from, html.size());
        QCOMPARE(html.count(QStringLiteral("<tr><td>")), 17 + 1 + 29 + 1);
    }
};

QTEST_GUILESS_MAIN(TestKonfiguracja)
#include "tst_konfiguracja.moc"
