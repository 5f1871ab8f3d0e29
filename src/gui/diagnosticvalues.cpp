#include "diagnosticvalues.h"

#include "store/textkeys.h"

#include <QCoreApplication>

namespace Diagnostics {

namespace {
constexpr double VoltageFactor = 0.0088928;
constexpr double CurrentFactor = 0.008511;
constexpr double ResistanceFactor = 0.0001;

const char *const liveNames[LiveRowCount] = {
    QT_TRANSLATE_NOOP("DetailsManagement", "Napięcie 230 V przed diodą"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Napięcie 230 V za diodą"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Napięcie akumulatora"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Prąd ładowania"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Rezystancja akumulatora"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Temp. wewnątrz obudowy"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Dioda idealna"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Klucz akumulatora"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Stan zasilacza Ostrel"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Stan ładowania akumulatora"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Offset temperaturowy"),
    QT_TRANSLATE_NOOP("DetailsManagement", "PWM sterowania binarnie"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Offset napiecie 230 V przed dioda"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Offset napiecie 230 V za dioda"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Offset napiecie akumulatora"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Offset prąd ładowania"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Ilość przejść do CC z CV"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Ilość przeciążeń akumulatora"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Ilość pomiarów rezystancji"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Ilość załączeń diody"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Ilość wyłączeń diody"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Ilość wylaczen diody podczas blokowania 2s"),
    QT_TRANSLATE_NOOP("DetailsManagement",
                      "Ilość prób zalaczen diody po sprawdeniu napiecia sieciowego"),
    QT_TRANSLATE_NOOP("DetailsManagement",
                      "Ilość zalaczen diody po sprawdeniu napiecia siecowego"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Ilość wejscia w timeout R"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Ilość wejscia w timeout ladowania CC 5h"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Ilość wejscia w timeout ladowania CC 48h"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Ilość wejścia w błąd ładowarki w CC"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Ilość wejścia w błąd ładowarki w CV"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Stan linii sygnałowej LS1"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Stan linii sygnałowej LS2"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Stan linii sygnałowej LS3"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Stan linii sygnałowej LS4"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Stan linii kontrolnej LK1"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Stan linii kontrolnej LK2"),
};

const char *const supplyStates[] = {
    QT_TRANSLATE_NOOP("DetailsManagement", "BATTERY AND SUPPLY"),
    QT_TRANSLATE_NOOP("DetailsManagement", "ONLY BATTERY"),
    QT_TRANSLATE_NOOP("DetailsManagement", "ONLY SUPPLY"),
};

const char *const chargeModes[] = {
    QT_TRANSLATE_NOOP("DetailsManagement", "CURRENT MODE"),
    QT_TRANSLATE_NOOP("DetailsManagement", "VOLTAGE MODE"),
    QT_TRANSLATE_NOOP("DetailsManagement", "TEMPERATURE MODE"),
};

const char *const outputStates[] = {
    QT_TRANSLATE_NOOP("DetailsManagement", "WYSTEROWANIE"),
    QT_TRANSLATE_NOOP("DetailsManagement", "ZWARCIE"),
    QT_TRANSLATE_NOOP("DetailsManagement", "PRZECIĄŻENIE"),
    QT_TRANSLATE_NOOP("DetailsManagement", "PRZERWA"),
    QT_TRANSLATE_NOOP("DetailsManagement", "DOZÓR"),
    QT_TRANSLATE_NOOP("DetailsManagement", "NIEAKTYWNA"),
};

const char *const testNames[TestRowCount] = {
    QT_TRANSLATE_NOOP("DetailsManagement", "Test RAM"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Test FLASH"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Test czujnika prądu bez obciążenia"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Test pomiaru rezystancji - rezystnacja"),
    QT_TRANSLATE_NOOP("DetailsManagement",
                      "Test pomiaru rezystancji - U akumulatora bez obciążenia"),
    QT_TRANSLATE_NOOP("DetailsManagement",
                      "Test pomiaru rezystancji - U akumulatora z obciążeniem"),
    QT_TRANSLATE_NOOP("DetailsManagement",
                      "Test pomiaru rezystancji - I akumulatora z obciążeniem"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Test zasilacza - napięcie minimalne"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Test zasilacza - napięcie maksymalne"),
};

const char *const testRanges[TestRowCount] = {
    QT_TRANSLATE_NOOP("DetailsManagement", "Sprawny/Uszkodzony"),
    QT_TRANSLATE_NOOP("DetailsManagement", "Sprawny/Uszkodzony"),
    QT_TRANSLATE_NOOP("DetailsManagement", "od 0.1 do -0.1 A"),
    QT_TRANSLATE_NOOP("DetailsManagement", "< 0.300 ohm"),
    QT_TRANSLATE_NOOP("DetailsManagement", "-"),
    QT_TRANSLATE_NOOP("DetailsManagement", "-"),
    QT_TRANSLATE_NOOP("DetailsManagement", "od 2.9 do 3.9 A"),
    QT_TRANSLATE_NOOP("DetailsManagement", "< 20 V"),
    QT_TRANSLATE_NOOP("DetailsManagement", "> 30 V"),
};

// The values are shown in the diagnostics window and translated in its context. A bare tr()
// here would be filed by lupdate under this namespace, where no translation is ever looked up.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DetailsManagement)
};

template<int N>
QString fromTable(const char *const (&table)[N], int index)
{
    return index >= 0 && index < N ? Texts::tr(table[index]) : QString();
}

QString lineMeasurement(quint16 value)
{
    if (value == 0)
        return Texts::tr("NIEAKTYWNA");
    if (value < 90)
        return Texts::tr("ZWARCIE");
    if (value < 452)
        return Texts::tr("STAN Y");
    if (value < 1456)
        return Texts::tr("STAN X");
    if (value < 4000)
        return Texts::tr("STAN DOZOROWANIA");
    return Texts::tr("PRZERWA");
}

QString onOff(quint16 value)
{
    return value == 1 ? Texts::tr("ON") : Texts::tr("OFF");
}
} // namespace

QString cutNumber(double value, int maxChars)
{
    return QString::asprintf("%g", value).left(maxChars);
}

QString signedNumber(quint16 raw, double factor)
{
    const qint16 value = qint16(raw);
    if (value < 0)
        return (QStringLiteral("-") + QString::asprintf("%g", -int(value) * factor)).left(5);
    return cutNumber(value * factor, 4);
}

QVector<quint16> parseLiveState(const QByteArray &payload)
{
    QVector<quint16> values;
    if (payload.isEmpty())
        return values;
    const int count = quint8(payload.at(0));
    // N may claim more bytes than the frame carries; never read past the payload.
    for (int i = 1; i <= count && i < payload.size(); i += 2) {
        const quint8 high = quint8(payload.at(i));
        const quint8 low = i + 1 < payload.size() ? quint8(payload.at(i + 1)) : 0;
        values.append(quint16(high << 8 | low));
    }
    return values;
}

QVector<quint16> parseTestResults(const QByteArray &payload)
{
    QVector<quint16> values;
    if (payload.size() <= 3)
        return values;
    const int count = (payload.size() - 4) / 2 + 1;
    for (int k = 0; k < count; ++k) {
        const quint8 high = quint8(payload.at(3 + 2 * k));
        const quint8 low = 4 + 2 * k < payload.size() ? quint8(payload.at(4 + 2 * k)) : 0;
        values.append(quint16(high << 8 | low));
    }
    return values;
}

QString liveRowName(int row)
{
    return fromTable(liveNames, row);
}

QString liveText(int row, const QVector<quint16> &values)
{
    if (row < 0 || row >= values.size())
        return QString();
    const quint16 value = values.at(row);
    switch (row) {
    case 0:
    case 1:
    case 2:
        return cutNumber(value * VoltageFactor, 5);
    case 3:
        return signedNumber(value, CurrentFactor);
    case 4:
        return cutNumber(value * ResistanceFactor, 5);
    case 5:
        if (value <= 199)
            return Texts::tr("Brak sondy");
        return QString::asprintf("%g", (value * 0.0008057 - 0.75) * 100 + 25);
    case 6:
    case 7:
        return onOff(value);
    case 8:
        return fromTable(supplyStates, value);
    case 9:
        if (values.at(8) != 0)
            return Texts::tr("NIEDOTYCZY");
        return fromTable(chargeModes, value);
    case 10:
        if (values.at(9) == 0)
            return QString::asprintf("%g", value * 0.06);
        if (values.at(9) == 1)
            return QString::asprintf("%g", value * 0.036);
        return QString();
    case 11:
        return Texts::tr("0 - max. napiecie, 4095 - min. napięcie wyjściowe przetwornicy");
    case 12:
    case 13:
    case 14:
        return signedNumber(value, VoltageFactor);
    case 15:
        return signedNumber(value, CurrentFactor);
    case 16:
    case 17:
        return Texts::tr("Wartość zeruje sie po resecie");
    case 29:
    case 30:
    case 31:
    case 32:
        return fromTable(outputStates, value);
    case 33:
    case 34:
        return lineMeasurement(value);
    default:
        if (row >= 18 && row <= 28)
            return Texts::tr("Wartość zeruje się po resecie");
        return QString();
    }
}

void keepTextsAsKeys()
{
    // The verdicts and the calibration's row, as DetailsManagement writes them.
    static const char *const made[] = {
        QT_TRANSLATE_NOOP("DetailsManagement", "OK"),
        QT_TRANSLATE_NOOP("DetailsManagement", "BŁĄD"),
        QT_TRANSLATE_NOOP("DetailsManagement", "Kalibracja"),
        QT_TRANSLATE_NOOP("DetailsManagement",
                          "Kalibracja zakończona. Zresetuj mikrokontroler."),
    };
    QStringList keys;
    for (const auto *table : {&testNames, &testRanges}) {
        for (const char *text : *table)
            keys.append(QString::fromUtf8(text));
    }
    for (const char *text : made)
        keys.append(QString::fromUtf8(text));
    TextKeys::addKeys("DetailsManagement", keys);
}

QString testName(int row)
{
    return fromTable(testNames, row);
}

QString testRange(int row)
{
    return fromTable(testRanges, row);
}

QString testText(int row, quint16 value)
{
    switch (row) {
    case 0:
    case 1:
        return QString::number(value).left(5);
    case 2:
    case 6:
        return signedNumber(value, CurrentFactor);
    case 3:
        return cutNumber(value * ResistanceFactor, 5);
    case 4:
    case 5:
    case 7:
    case 8:
        return cutNumber(value * VoltageFactor, 5);
    default:
        return QString();
    }
}

Verdict testVerdict(int row, quint16 value)
{
    const auto verdict = [](bool pass) { return pass ? Verdict::Pass : Verdict::Fail; };
    const qint16 signedValue = qint16(value);
    switch (row) {
    case 0:
    case 1:
        return verdict(value != 0);
    case 2:
        return verdict(signedValue >= -9 && signedValue <= 9);
    case 3:
        return verdict(value * ResistanceFactor < 0.3);
    case 6: {
        const double current = signedValue * CurrentFactor;
        return verdict(signedValue >= 0 && current > 2.9 && current < 3.9);
    }
    case 7:
        return verdict(value * VoltageFactor < 20);
    case 8:
        return verdict(value * VoltageFactor > 30);
    default:
        // The unloaded and loaded battery voltages only feed the resistance figure: shown,
        // not judged.
        return Verdict::None;
    }
}

} // namespace Diagnostics
