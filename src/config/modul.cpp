#include "modul.h"

#include "setting.h"

#include <QCoreApplication>

namespace {
FaultTextTable &genericTable()
{
    static FaultTextTable table;
    return table;
}
} // namespace

Modul::Modul(quint8 number) : QObject(nullptr), m_number(number) {}

Modul::~Modul()
{
    qDeleteAll(m_settings);
}

int Modul::parse(QByteArray payload)
{
    for (Setting *setting : qAsConst(m_settings)) {
        const int size = setting->getSize();
        if (size == 0)
            continue;
        const int offset = setting->getOffset();
        if (payload.size() < offset + size) {
            setting->setValue(0);
            continue;
        }
        quint32 value = 0;
        for (int i = 0; i < size; ++i)
            value = (value << 8) | quint8(payload.at(offset + i));
        setting->setValue(value);
    }
    return 0;
}

int Modul::setFaultBytes(QByteArray block)
{
    m_faultBytes = block;
    return 0;
}

QByteArray Modul::toByteArray()
{
    QByteArray bytes;
    for (Setting *setting : qAsConst(m_settings)) {
        const quint32 value = setting->getValue();
        for (int i = setting->getSize() - 1; i >= 0; --i)
            bytes.append(char((value >> (8 * i)) & 0xFF));
    }
    return bytes;
}

static QString tableHeader(const QString &name, const QString &description, quint8 number)
{
    return QLatin1String("<H3>") + Modul::tr("Moduł: ") + name.toHtmlEscaped() + QLatin1String(", ")
            + description.toHtmlEscaped()
            + Modul::tr(" ,nr ") + QString::number(number) + QLatin1String("</H3>")
            + QLatin1String("<table BORDER='1'style=\"background-color:white\" cellpadding='2' "
                            "cellspacing='0' width = '600'>");
}

QString Modul::configToHtml()
{
    QString html = tableHeader(getName(), getDescription(), getNumber());
    html += QLatin1String("<tr><th width = '40'>") + tr("Lp", "liczba porządkowa")
            + QLatin1String("</th><th width = '400'>") + tr("Nazwa")
            + QLatin1String("</th><th width = '200'>") + tr("Wartość")
            + QLatin1String("</th></tr>");
    int row = 1;
    for (Setting *setting : qAsConst(m_settings)) {
        html += QLatin1String("<tr><td> ") + QString::number(row++) + QLatin1String("</td><td> ")
                + setting->getName().toHtmlEscaped() + QLatin1String("</td><td> ")
                + setting->getValueText().toHtmlEscaped()
                + QLatin1String("</td></tr>");
    }
    html += QLatin1String("</table >");
    return html;
}

QString Modul::faultsToHtml()
{
    const QStringList faults = getFaults();
    if (faults.isEmpty())
        return QString();
    QString html = tableHeader(getName(), getDescription(), getNumber());
    // The name column is headed in the report's language like the configuration table's.
    html += QLatin1String("<tr><th width = '40'>") + tr("Lp", "liczba porządkowa")
            + QLatin1String("</th><th width = '400'>") + tr("Nazwa")
            + QLatin1String("</th></tr>");
    int row = 1;
    for (const QString &fault : faults) {
        html += QLatin1String("<tr><td> ") + QString::number(row++) + QLatin1String("</td><td> ")
                + fault.toHtmlEscaped() + QLatin1String("</td></tr>");
    }
    html += QLatin1String("</table >");
    return html;
}

QString Modul::getName()
{
    return m_name;
}

QString Modul::getDescription()
{
    return m_description;
}

quint8 Modul::getNumber()
{
    return m_number;
}

QStringList Modul::getFaults()
{
    return faultsFrom(genericTable());
}

int Modul::declareSettings()
{
    return 0;
}

void Modul::setDataLength(int) {}

int Modul::getDataLength()
{
    return 0;
}

bool Modul::isDeclared()
{
    for (Setting *setting : qAsConst(m_settings)) {
        if (setting->getId() == 0)
            return setting->getValue() != 0;
    }
    return false;
}

void Modul::setDeclared(bool declared)
{
    for (Setting *setting : qAsConst(m_settings)) {
        if (setting->getId() == 0) {
            setting->setValue(declared ? 1 : 0);
            return;
        }
    }
}

bool Modul::isDefault()
{
    return false;
}

Setting *Modul::getSetting(int index) const
{
    if (index < 0 || index >= m_settings.size())
        return nullptr;
    return m_settings.at(index);
}

// Only placeholders the text really holds are filled, so a block may number its names but
// leave a shared comment alone.
static QString fillBlockNumbers(QString text, const BlockShift &shift)
{
    if (shift.number != 0 && text.contains(QLatin1String("%1")))
        text = text.arg(shift.number);
    if (shift.number2 != 0 && text.contains(QLatin1String("%2")))
        text = text.arg(shift.number2);
    if (shift.number3 != 0 && text.contains(QLatin1String("%3")))
        text = text.arg(shift.number3);
    return text;
}

Setting *Modul::addSetting(const SettingRow &row, const BlockShift &shift)
{
    return addSetting(metaObject()->className(), row, shift);
}

Setting *Modul::addSetting(const char *context, const SettingRow &row, const BlockShift &shift)
{
    const QString name = QString::fromUtf8(shift.prefix)
            + fillBlockNumbers(QCoreApplication::translate(context, row.name), shift);
    const QString comment = (row.comment && *row.comment)
            ? fillBlockNumbers(QCoreApplication::translate(context, row.comment), shift)
            : QString();
    auto *setting = new Setting(name, comment, row.minimum, row.maximum, row.value, row.size,
                                row.offset + shift.offset, row.index + shift.index, row.kind,
                                row.id + shift.id, row.editable ? 1 : 0);
    if (row.optionList != 0)
        setting->setEnumList(row.optionList);
    m_settings.append(setting);
    return setting;
}

void Modul::addSettings(const SettingRow *rows, int count, const BlockShift &shift)
{
    addSettings(metaObject()->className(), rows, count, shift);
}

void Modul::addSettings(const char *context, const SettingRow *rows, int count,
                        const BlockShift &shift)
{
    for (int i = 0; i < count; ++i)
        addSetting(context, rows[i], shift);
}

void Modul::addSettings(std::initializer_list<SettingRow> rows, const BlockShift &shift)
{
    addSettings(rows.begin(), int(rows.size()), shift);
}

// The last byte of a fault block is never examined: the unit reserves it.
QStringList Modul::faultsFrom(const FaultTextTable &table) const
{
    QStringList faults;
    if (m_faultBytes.size() < 2)
        return faults;
    for (int i = 0; i < m_faultBytes.size() - 1; ++i) {
        if (m_faultBytes.at(i) != 0)
            faults.append(table.value(i));
    }
    return faults;
}

void Modul::fillFaultTexts(FaultTextTable &table, const char *context,
                           std::initializer_list<FaultTextRow> rows)
{
    for (const FaultTextRow &row : rows)
        table.insert(row.index, QCoreApplication::translate(context, row.text));
}

QString Modul::faultTextFrom(const FaultTextTable &table, quint8 code)
{
    QString text = table.value(code & 0x7F);
    if (code & 0x80)
        text += QLatin1Char(' ') + tr("USUNIĘTE");
    return text;
}

QString Modul::faultText(quint8 code)
{
    return faultTextFrom(genericTable(), code);
}

const FaultTextTable &Modul::genericFaultTexts()
{
    return genericTable();
}

void Modul::initFaultTexts()
{
    fillFaultTexts(genericTable(), "Modul", {
        {0, QT_TRANSLATE_NOOP("Modul", "Zwarcie wyjścia linii sygnałowej numer 1 (LS1)")},
        {1, QT_TRANSLATE_NOOP("Modul", "Zwarcie wyjścia linii sygnałowej numer 2 (LS2)")},
        {2, QT_TRANSLATE_NOOP("Modul", "Zwarcie wyjścia linii sygnałowej numer 3 (LS3)")},
        {3, QT_TRANSLATE_NOOP("Modul", "Zwarcie wyjścia linii sygnałowej numer 4 (LS4)")},
        {4, QT_TRANSLATE_NOOP("Modul", "Przerwa wyjścia linii sygnałowej numer 1 (LS1)")},
        {5, QT_TRANSLATE_NOOP("Modul", "Przerwa wyjścia linii sygnałowej numer 2 (LS2)")},
        {6, QT_TRANSLATE_NOOP("Modul", "Przerwa wyjścia linii sygnałowej numer 3 (LS3)")},
        {7, QT_TRANSLATE_NOOP("Modul", "Przerwa wyjścia linii sygnałowej numer 4 (LS4)")},
        {8, QT_TRANSLATE_NOOP("Modul", "Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) ")},
        {9, QT_TRANSLATE_NOOP("Modul", "Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) ")},
        {10, QT_TRANSLATE_NOOP("Modul", "Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) ")},
        {11, QT_TRANSLATE_NOOP("Modul", "Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) ")},
        {12, QT_TRANSLATE_NOOP("Modul", "Uszkodzenie bezpiecznika numer 2")},
        {13, QT_TRANSLATE_NOOP("Modul", "Uszkodzenie bezpiecznika numer 3")},
        {14, QT_TRANSLATE_NOOP("Modul", "Uszkodzenie bezpiecznika numer 4")},
        {15, QT_TRANSLATE_NOOP("Modul", "Uszkodzenie ogólne zasilacza nr. 2")},
        {16, QT_TRANSLATE_NOOP("Modul", "Brak komunikacji z zasilaczem Ostrel nr. 2")},
        {17, QT_TRANSLATE_NOOP("Modul", "Brak komunikacji przez protokół Modbus")},
        {18, QT_TRANSLATE_NOOP("Modul", "Zwarcie wejścia linii kontrolnej numer 1 (LK1)")},
        {19, QT_TRANSLATE_NOOP("Modul", "Zwarcie wejścia linii kontrolnej numer 2 (LK2)")},
        {20, QT_TRANSLATE_NOOP("Modul", "Rozwarcie wejścia linii kontrolnej numer 1 (LK1)")},
        {21, QT_TRANSLATE_NOOP("Modul", "Rozwarcie wejścia linii kontrolnej numer 2 (LK2)")},
        {23, QT_TRANSLATE_NOOP("Modul", "Start systemu / reset")},
        {24, QT_TRANSLATE_NOOP("Modul", "Skasowanie rejestru zdarzeń")},
        {25, QT_TRANSLATE_NOOP("Modul", "Zapis nowej konfiguracji")},
        {26, QT_TRANSLATE_NOOP("Modul", "Zapis nowej daty i czasu")},
        {27, QT_TRANSLATE_NOOP("Modul", "Wysterowanie przekaźnika uszkodzenia PU")},
        {28, QT_TRANSLATE_NOOP("Modul", "Wysterowanie przekaźnika bezpotencjałowego PK")},
        {29, QT_TRANSLATE_NOOP("Modul", "Wysterowanie linii sygnałowej LS1")},
        {30, QT_TRANSLATE_NOOP("Modul", "Wysterowanie linii sygnałowej LS2")},
        {31, QT_TRANSLATE_NOOP("Modul", "Wysterowanie linii sygnałowej LS3")},
        {32, QT_TRANSLATE_NOOP("Modul", "Wysterowanie linii sygnałowej LS4")},
        {33, QT_TRANSLATE_NOOP("Modul", "Odczyt rejestru zdarzeń")},
        {34, QT_TRANSLATE_NOOP("Modul", "Odczyt uszkodzeń")},
    });
}
