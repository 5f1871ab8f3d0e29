#include "visits/visitdata.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Visits", text);
}

} // namespace

ModuleSet moduleSetOf(const Konfiguracja &configuration)
{
    ModuleSet modules;
    for (Modul *module : configuration.getModules())
        modules.append({module->getType(), module->getNumber()});
    std::sort(modules.begin(), modules.end());
    return modules;
}

QString moduleSetText(const ModuleSet &modules)
{
    QStringList names;
    for (const ModuleKey &key : modules)
        names.append(moduleName(key.type) + QLatin1Char(' ') + QString::number(key.number));
    return names.join(QLatin1String(", "));
}

const char *const VisitTypeTexts[] = {
        QT_TRANSLATE_NOOP("Visits", "przegląd okresowy"),
        QT_TRANSLATE_NOOP("Visits", "naprawa"),
        QT_TRANSLATE_NOOP("Visits", "uruchomienie"),
        QT_TRANSLATE_NOOP("Visits", "inny"),
};

QString visitTypeText(VisitType type)
{
    const QString key = visitTypeKey(type);
    return key.isEmpty() ? key : tr(VisitTypeTexts[int(type)]);
}

QString visitTypeKey(VisitType type)
{
    const int index = int(type);
    return index >= 0 && index < 4 ? QString::fromUtf8(VisitTypeTexts[index]) : QString();
}

QStringList visitTypeKeys()
{
    QStringList keys;
    for (const char *text : VisitTypeTexts)
        keys.append(QString::fromUtf8(text));
    return keys;
}

QString verdictText(Verdict verdict)
{
    static const char *const texts[] = {
        "",
        QT_TRANSLATE_NOOP("Visits", "sprawna"),
        QT_TRANSLATE_NOOP("Visits", "sprawna z uwagami"),
        QT_TRANSLATE_NOOP("Visits", "niesprawna"),
    };
    const int index = int(verdict);
    return index > 0 && index < 4 ? tr(texts[index]) : QString();
}

QString checkResultText(CheckResult result)
{
    static const char *const texts[] = {
        "",
        QT_TRANSLATE_NOOP("Visits", "OK"),
        QT_TRANSLATE_NOOP("Visits", "usterka"),
        QT_TRANSLATE_NOOP("Visits", "nie dotyczy"),
    };
    const int index = int(result);
    return index > 0 && index < 4 ? tr(texts[index]) : QString();
}

QString Visit::reportNumber() const
{
    return QStringLiteral("%1/%2").arg(reportYear).arg(reportSequence);
}

QString CheckRow::moduleText() const
{
    if (moduleType <= 0)
        return QString();
    return moduleName(moduleType) + QLatin1Char(' ') + QString::number(moduleNumber);
}

QStringList previousDoneChoices()
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("Visits", "tak"),
        QT_TRANSLATE_NOOP("Visits", "częściowo"),
        QT_TRANSLATE_NOOP("Visits", "nie"),
        QT_TRANSLATE_NOOP("Visits", "nie dotyczy"),
    };
    QStringList choices{QString()};
    for (const char *text : texts)
        choices.append(tr(text));
    return choices;
}

QDate batteryReplacementDue(const QDate &installed, int lifeYears)
{
    return installed.isValid() ? installed.addYears(lifeYears) : QDate();
}

BatteryDueState batteryDueState(const QDate &due, const QDate &today)
{
    if (!due.isValid() || !today.isValid())
        return BatteryDueState::Unknown;
    if (due < today)
        return BatteryDueState::Overdue;
    return today.daysTo(due) <= BatteryWarningDays ? BatteryDueState::DueSoon
                                                   : BatteryDueState::Ok;
}

bool parseVisitDate(const QString &text, const QString &field, bool allowEmpty, QDate *date,
                    QString *error)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() && allowEmpty) {
        *date = QDate();
        return true;
    }
    for (const char *format : {"yyyy-MM-dd", "dd.MM.yyyy", "d.M.yyyy"}) {
        const QDate parsed = QDate::fromString(trimmed, QLatin1String(format));
        // Dates before 1990 or a century ahead are typing errors on a fire-protection unit.
        if (parsed.isValid() && parsed.year() >= 1990 && parsed.year() <= 2100) {
            *date = parsed;
            return true;
        }
    }
    if (error)
        *error = QCoreApplication::translate(
                         "Visits",
                         "%1: nieprawidłowa data \"%2\" (oczekiwano RRRR-MM-DD, lata 1990-2100).")
                         .arg(field, trimmed);
    return false;
}

bool parseVisitNumber(const QString &text, const QString &field, double minimum,
                      double maximum, double *value, QString *error)
{
    QString trimmed = text.trimmed();
    trimmed.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double parsed = QLocale::c().toDouble(trimmed, &ok);
    if (ok && qIsFinite(parsed) && parsed >= minimum && parsed <= maximum) {
        *value = parsed;
        return true;
    }
    if (error)
        *error = QCoreApplication::translate(
                         "Visits", "%1: nieprawidłowa liczba \"%2\" (dozwolony zakres %3 - %4).")
                         .arg(field, text.trimmed(), QString::number(minimum),
                              QString::number(maximum));
    return false;
}
