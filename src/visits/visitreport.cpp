#include "visits/visitreport.h"

#include "config/configdiff.h"
#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "export/csvwriter.h"
#include "export/filenames.h"
#include "records/pamietnik.h"
#include "records/softwareversions.h"
#include "records/uszkodzenia.h"
#include "visits/eventsummary.h"
#include "visits/visitstore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include <memory>

// The helpers sit inside the namespace so that their texts share its translation context.
namespace VisitReport {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("VisitReport", text);
}

const QLatin1String TableStart("<table BORDER='1'style=\"background-color:white\" "
                               "cellpadding='2' cellspacing='0' width = '600'>");
// The checks and batteries have too many columns for the records' 600-pixel tables.
const QLatin1String WideTableStart("<table BORDER='1'style=\"background-color:white; "
                                   "font-size:8pt\" cellpadding='2' cellspacing='0' "
                                   "width = '100%'>");
const QLatin1String TableEnd("</table >");

// How many rows the register summary's tables keep; the rest is one line with its total.
constexpr int TopModules = 5;
constexpr int TopEvents = 10;

QString esc(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
}

QString paragraph(const QString &html)
{
    return QLatin1String("<p>") + html + QLatin1String("</p>");
}

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QStringLiteral("-");
}

QString timeText(const QDateTime &time)
{
    return time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd hh:mm"))
                          : QStringLiteral("-");
}

// Numbers as the interface's language writes them: "65 025", "27,10".
QString number(int value)
{
    return QLocale().toString(value);
}

QString number(double value, int decimals)
{
    return QLocale().toString(value, 'f', decimals);
}

QString number(double value)
{
    return QLocale().toString(value, 'g', 6);
}

// A row; a header row may give each column's share of the width in percent.
QString row(const QStringList &cells, bool header = false, const QList<int> &widths = {})
{
    const QLatin1String close(header ? "</th>" : "</td>");
    QString html = QStringLiteral("<tr>");
    for (int i = 0; i < cells.size(); ++i) {
        if (!header)
            html += QLatin1String("<td> ");
        else if (i < widths.size())
            html += QStringLiteral("<th width='%1%'>").arg(widths.at(i));
        else
            html += QLatin1String("<th>");
        html += cells.at(i) + close;
    }
    return html + QLatin1String("</tr>");
}

// A table of label/value pairs, the values escaped.
QString pairTable(const QList<QPair<QString, QString>> &pairs)
{
    QString html = TableStart;
    for (const auto &pair : pairs)
        html += QLatin1String("<tr><th width = '200' align='left'>") + pair.first
                + QLatin1String("</th><td> ") + esc(pair.second) + QLatin1String("</td></tr>");
    return html + TableEnd;
}

QString section(const QString &title)
{
    return QLatin1String("<H3>") + title + QLatin1String("</H3>");
}

QString none()
{
    return paragraph(tr("brak"));
}

// The extinguishing modules all describe themselves as the main control module; the protocol
// names each by its own type.
struct ModuleTitle
{
    int type;
    const char *text;
};
const ModuleTitle ModuleTitles[] = {
    {0x45, QT_TRANSLATE_NOOP("VisitReport", "Moduł adresowy")},
    {0x50, QT_TRANSLATE_NOOP("VisitReport", "Moduł przekaźników i linii")},
    {0x51, QT_TRANSLATE_NOOP("VisitReport", "Moduł wyjść potencjałowych")},
    {0x53, QT_TRANSLATE_NOOP("VisitReport", "Moduł przekaźników")},
    {0x55, QT_TRANSLATE_NOOP("VisitReport", "Moduł sterowania liniami i przekaźnikami")},
    {0x56, QT_TRANSLATE_NOOP("VisitReport", "Moduł adresowy")},
    {0x57, QT_TRANSLATE_NOOP("VisitReport", "Moduł sterowania gaszeniem")},
};

QString moduleTitle(Modul *module)
{
    for (const ModuleTitle &title : ModuleTitles) {
        if (title.type == module->getType())
            return tr(title.text);
    }
    return module->getDescription();
}

std::unique_ptr<Konfiguracja> configuration(const VisitStore &store, int visitId,
                                            RecordRole role)
{
    const int id = store.linkedRecord(visitId, role);
    if (id == 0)
        return nullptr;
    const QByteArray bytes = store.recordData(role, id);
    // A reading stores the unit's bytes, the editor the store's.
    for (const auto source : {Konfiguracja::FromDatabase, Konfiguracja::FromDevice}) {
        auto config = std::make_unique<Konfiguracja>();
        if (config->parse(bytes, source))
            return config;
    }
    return nullptr;
}

QString modulesSection(const VisitStore &store, int visitId, const Konfiguracja *config)
{
    QHash<int, QString> versions; // type << 8 | number
    const QList<SoftwareVersion> software = SoftwareVersions::decode(store.recordData(
            RecordRole::Software, store.linkedRecord(visitId, RecordRole::Software)));
    for (const SoftwareVersion &version : software)
        versions.insert(version.type << 8 | version.number, version.versionText());
    QString html = section(tr("Moduły centrali"));
    QStringList rows;
    if (config) {
        for (Modul *module : config->getModules())
            rows.append(row({esc(module->getName() + QLatin1Char(' ')
                                 + QString::number(module->getNumber())),
                             esc(moduleTitle(module)),
                             esc(versions.value(module->getType() << 8 | module->getNumber(),
                                                QStringLiteral("-")))}));
    } else {
        for (const SoftwareVersion &version : software)
            rows.append(row({esc(version.moduleNameText() + QLatin1Char(' ')
                                 + QString::number(version.number)),
                             QString(), esc(version.versionText())}));
    }
    if (rows.isEmpty())
        return html + none();
    return html + TableStart
            + row({tr("Moduł"), tr("Opis"), tr("Wersja oprogramowania")}, true, {20, 55, 25})
            + rows.join(QString()) + TableEnd;
}

// The faults of a faults record as "PSB 1|text" lines; `read` tells whether there was one.
QStringList faultLines(const VisitStore &store, int visitId, RecordRole role, bool *read)
{
    QStringList lines;
    const int id = store.linkedRecord(visitId, role);
    *read = id != 0;
    if (id == 0)
        return lines;
    Uszkodzenia faults;
    faults.parse(store.recordData(role, id));
    for (Modul *module : faults.getModules()) {
        for (const QString &text : module->getFaults())
            lines << module->getName() + QLatin1Char(' ') + QString::number(module->getNumber())
                            + QLatin1Char('|') + text;
    }
    return lines;
}

QString faultTable(const QStringList &lines)
{
    if (lines.isEmpty())
        return none();
    QString rows;
    int position = 0;
    for (const QString &line : lines)
        rows += row({number(++position), esc(line.section(QLatin1Char('|'), 0, 0)),
                     esc(line.section(QLatin1Char('|'), 1))});
    return TableStart + row({tr("Lp"), tr("Moduł"), tr("Uszkodzenie")}, true, {8, 20, 72}) + rows
            + TableEnd;
}

// Found at arrival and gone at departure, still there at departure, and found by the checks.
QString faultsSection(const VisitStore &store, const Visit &visit)
{
    bool arrivalRead = false;
    bool departureRead = false;
    const QStringList arrival = faultLines(store, visit.id, RecordRole::FaultsArrival,
                                           &arrivalRead);
    const QStringList departure = faultLines(store, visit.id, RecordRole::FaultsDeparture,
                                             &departureRead);
    QString html = section(tr("Uszkodzenia"));
    html += paragraph(QLatin1String("<b>") + tr("Stwierdzone przy przyjeździe i usunięte")
                      + QLatin1String("</b>"));
    if (!arrivalRead) {
        html += paragraph(tr("nie odczytano"));
    } else if (!departureRead) {
        html += paragraph(tr("bez odczytu przy odjeździe: stwierdzone przy przyjeździe"))
                + faultTable(arrival);
    } else {
        QStringList removed;
        for (const QString &line : arrival) {
            if (!departure.contains(line))
                removed << line;
        }
        html += faultTable(removed);
    }
    html += paragraph(QLatin1String("<b>") + tr("Pozostające przy odjeździe")
                      + QLatin1String("</b>"));
    if (departureRead)
        html += faultTable(departure);
    else if (!visit.departureSkipped.isEmpty())
        html += paragraph(tr("Odczyt pominięto: %1").arg(esc(visit.departureSkipped)));
    else
        html += paragraph(tr("nie odczytano"));
    QStringList found;
    for (const CheckRow &check : store.checks(visit.id)) {
        if (check.result == CheckResult::Fault)
            found << (check.moduleText().isEmpty() ? QStringLiteral("-") : check.moduleText())
                            + QLatin1Char('|') + check.item
                            + (check.remark.isEmpty() ? QString()
                                                      : QLatin1String(": ") + check.remark);
    }
    if (!found.isEmpty())
        html += paragraph(QLatin1String("<b>") + tr("Usterki stwierdzone podczas sprawdzeń")
                          + QLatin1String("</b>"))
                + faultTable(found);
    return html;
}

QString changesTable(const Konfiguracja *left, const Konfiguracja *right)
{
    if (!left || !right)
        return paragraph(tr("brak danych do porównania"));
    const ConfigComparison comparison = compareConfigurations(*left, *right);
    if (comparison.isEqual())
        return paragraph(tr("bez zmian"));
    QString rows;
    for (const ConfigDifference &difference : comparison.differences()) {
        QString setting = difference.settingName;
        QString before = difference.leftText;
        QString after = difference.rightText;
        if (difference.kind == ConfigDifference::OnlyLeft) {
            setting = tr("moduł usunięty");
            after = QStringLiteral("-");
        } else if (difference.kind == ConfigDifference::OnlyRight) {
            setting = tr("moduł dodany");
            before = QStringLiteral("-");
        }
        rows += row({esc(difference.moduleName), esc(setting), esc(before), esc(after)});
    }
    return TableStart + row({tr("Moduł"), tr("Ustawienie"), tr("Przed"), tr("Po")}, true) + rows
            + TableEnd;
}

// The first `top` counts and one line for the rest, then the total.
QString countTable(const QList<EventSummary::Count> &counts, bool withEvent, int top, int total)
{
    if (counts.isEmpty())
        return none();
    QString html = TableStart
            + (withEvent ? row({tr("Moduł"), tr("Zdarzenie"), tr("Liczba")}, true, {20, 65, 15})
                         : row({tr("Moduł"), tr("Liczba")}, true, {70, 30}));
    int shown = 0;
    for (int i = 0; i < counts.size() && i < top; ++i) {
        const EventSummary::Count &count = counts.at(i);
        QStringList cells{esc(count.text)};
        if (withEvent)
            cells.append(esc(count.event));
        cells.append(number(count.count));
        html += row(cells);
        shown += count.count;
    }
    const auto line = [withEvent](const QString &label, int value) {
        return withEvent ? row({label, QString(), number(value)}) : row({label, number(value)});
    };
    if (counts.size() > top)
        html += line(tr("pozostałe (%1)").arg(number(counts.size() - top)), total - shown);
    return html + line(QLatin1String("<b>") + tr("razem") + QLatin1String("</b>"), total)
            + TableEnd;
}

QString driftNumber(qint64 seconds)
{
    return seconds > 0 ? QLatin1Char('+') + QLocale().toString(seconds)
                       : QLocale().toString(seconds);
}

// The register's lead sentence: what "since the previous visit" means for this register.
QString rangeText(const EventSummary &summary, const Visit &previous,
                  const PreviousVisitTiming &timing)
{
    const RegisterRange &range = summary.range;
    const QString counted = number(summary.counted);
    const QString total = number(summary.total);
    const QString previousNumber = previous.reportNumber();
    switch (range.mode) {
    case RegisterRange::WholeRegister:
        return tr("Brak poprzedniej wizyty: zdarzenia od początku rejestru, %1 wpisów.")
                .arg(total);
    case RegisterRange::AfterAnchor: {
        QString text = range.anchorIndex < 0
                ? tr("Zdarzenia od poprzedniej wizyty %1 (rejestr był wtedy pusty): %2 z %3 "
                     "wpisów.")
                          .arg(previousNumber, counted, total)
                : tr("Zdarzenia od poprzedniej wizyty %1, po wpisie nr %2 — ostatnim "
                     "odczytanym przy tamtej wizycie: %3 z %4 wpisów.")
                          .arg(previousNumber, number(range.anchorIndex + 1), counted, total);
        if (range.skipped > 0)
            text += QLatin1Char(' ')
                    + tr("Pominięto wpisy zapisane jeszcze w czasie tamtej wizyty (odczyt przy "
                         "odjeździe, ustawienie zegara): %1.")
                              .arg(number(range.skipped));
        return text;
    }
    case RegisterRange::Cleared:
        return tr("Rejestr wyczyszczony od poprzedniej wizyty %1: wpisu odczytanego przy "
                  "tamtej wizycie już w nim nie ma. Liczone są wszystkie wpisy: %2.")
                .arg(previousNumber, total);
    case RegisterRange::Overflowed:
        return tr("Od poprzedniej wizyty %1 przybyło więcej wpisów, niż mieści rejestr: wpis "
                  "odczytany przy tamtej wizycie został nadpisany. Liczone są wszystkie wpisy: "
                  "%2.")
                .arg(previousNumber, total);
    case RegisterRange::TimeWindow: {
        QString assumption = timing.clockSet
                ? tr("zegar ustawiono wtedy na czas komputera, przyjęto odchyłkę 0 s")
                : timing.clockRead ? tr("przyjęto odchyłkę zegara zmierzoną wtedy: %1 s")
                                             .arg(driftNumber(range.driftUsed))
                                   : tr("odchyłki zegara wtedy nie zmierzono, przyjęto 0 s");
        return tr("Poprzednia wizyta %1 nie odczytała rejestru, więc zdarzenia liczone są wg "
                  "zegara centrali: wpisy późniejsze niż %2 (koniec tamtej wizyty; %3): %4 z %5 "
                  "wpisów.")
                .arg(previousNumber, timeText(range.since), assumption, counted, total);
    }
    }
    return QString();
}

QString rangeMode(RegisterRange::Mode mode)
{
    static const char *const names[] = {"whole", "after-anchor", "cleared", "overflowed",
                                        "time-window"};
    return QLatin1String(names[int(mode)]);
}

QString appendixHtml(const QByteArray &data);

QString registerSection(const VisitStore &store, const Visit &visit, const Visit &previous,
                        bool withRegister, QString *appendix, QJsonObject *basis)
{
    QString html = section(tr("Rejestr zdarzeń"));
    const int id = store.linkedRecord(visit.id, RecordRole::EventLog);
    if (id == 0)
        return html + paragraph(tr("nie odczytano"));
    const QByteArray data = store.recordData(RecordRole::EventLog, id);
    // The timing of the visit on site: a correction's original's, as its fields are copied.
    PreviousVisitTiming timing;
    timing.ended = previous.ended.isValid() ? previous.ended : previous.started;
    timing.clockRead = previous.clockRead;
    timing.drift = previous.clockDrift;
    timing.clockSet = previous.clockSet;
    const RegisterRange range = locateSince(data, previous.id != 0,
                                            previous.id != 0 ? store.registerAnchor(previous.id)
                                                             : RegisterAnchor(),
                                            timing);
    const EventSummary summary = summarizeEvents(data, range);
    const QString registerDigest = QString::fromLatin1(
            QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
    basis->insert(QStringLiteral("register"),
                  QJsonObject{{QStringLiteral("entries"), summary.total},
                              {QStringLiteral("sha256"), registerDigest},
                              {QStringLiteral("mode"), rangeMode(range.mode)},
                              {QStringLiteral("first"), range.first},
                              {QStringLiteral("anchor"), range.anchorIndex},
                              {QStringLiteral("skipped"), range.skipped},
                              {QStringLiteral("counted"), summary.counted},
                              {QStringLiteral("since"), range.since.toString(Qt::ISODate)},
                              {QStringLiteral("drift"), double(range.driftUsed)}});

    html += paragraph(esc(rangeText(summary, previous, timing)));
    QString groups = TableStart + row({tr("Rodzaj zdarzeń"), tr("Liczba")}, true, {70, 30});
    for (int group = 0; group < int(EventGroup::Count); ++group)
        groups += row({esc(eventGroupText(EventGroup(group))),
                       number(summary.perGroup.at(group))});
    html += groups + TableEnd;
    html += paragraph(QLatin1String("<b>") + tr("Najwięcej wpisów według modułu")
                      + QLatin1String("</b>"))
            + countTable(summary.perModule, false, TopModules, summary.counted);
    html += paragraph(QLatin1String("<b>") + tr("Najczęstsze zdarzenia") + QLatin1String("</b>"))
            + countTable(summary.perEvent, true, TopEvents, summary.counted);
    html += paragraph(QLatin1String("<b>") + tr("Uszkodzenia aktywne według rejestru")
                      + QLatin1String("</b>"));
    if (summary.stillActive.isEmpty()) {
        html += none();
    } else {
        html += TableStart
                + row({tr("Lp"), tr("Data"), tr("Moduł"), tr("Zdarzenie")}, true,
                      {8, 27, 15, 50});
        int position = 0;
        for (const EventSummary::ActiveFault &fault : summary.stillActive)
            html += row({number(++position),
                         fault.at.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                         esc(fault.moduleText), esc(fault.eventText)});
        html += TableEnd;
    }
    html += paragraph(tr("Rejestr odczytany przy tej wizycie: %1 wpisów, SHA-256 jego bajtów: %2.")
                              .arg(number(summary.total), registerDigest));
    if (withRegister)
        *appendix = appendixHtml(data);
    return html;
}

QString resultCell(CheckResult result)
{
    return result == CheckResult::NotChecked
            ? QLatin1String("<b>") + tr("nie sprawdzono") + QLatin1String("</b>")
            : esc(checkResultText(result));
}

// The scope: the general checks, each module's checks and the field devices, each a table.
QString checksSection(const VisitStore &store, int visitId)
{
    QString html = section(tr("Zakres przeglądu i wyniki sprawdzeń"));
    const QList<CheckRow> checks = store.checks(visitId);
    if (checks.isEmpty())
        return html + none();
    const struct
    {
        CheckSection section;
        const char *title;
    } parts[] = {
        {CheckSection::General, QT_TRANSLATE_NOOP("VisitReport", "Sprawdzenia ogólne")},
        {CheckSection::Module, QT_TRANSLATE_NOOP("VisitReport", "Sprawdzenia modułów centrali")},
        {CheckSection::FieldDevices,
         QT_TRANSLATE_NOOP("VisitReport",
                           "Urządzenia w obiekcie (sprawdzone albo wyłączone z zakresu, z "
                           "powodem w uwagach)")},
    };
    for (const auto &part : parts) {
        const bool modules = part.section == CheckSection::Module;
        QString rows;
        for (const CheckRow &check : checks) {
            if (check.section() != part.section)
                continue;
            QStringList cells{number(check.position)};
            if (modules)
                cells << esc(check.moduleText());
            cells << esc(check.item) << esc(check.method) << esc(check.limit)
                  << esc(check.measured) << resultCell(check.result) << esc(check.remark);
            rows += row(cells);
        }
        if (rows.isEmpty())
            continue;
        html += paragraph(QLatin1String("<b>") + tr(part.title) + QLatin1String("</b>"));
        html += WideTableStart
                + (modules ? row({tr("Lp"), tr("Moduł"), tr("Sprawdzenie"), tr("Sposób"),
                                  tr("Wymaganie"), tr("Pomiar"), tr("Wynik"), tr("Uwagi")},
                                 true, {4, 7, 15, 21, 13, 14, 13, 13})
                         : row({tr("Lp"), tr("Sprawdzenie"), tr("Sposób"), tr("Wymaganie"),
                                tr("Pomiar"), tr("Wynik"), tr("Uwagi")},
                               true, {4, 19, 24, 14, 13, 13, 13}))
                + rows + TableEnd;
    }
    return html;
}

QString batteriesSection(const VisitStore &store, const Visit &visit)
{
    QString html = section(tr("Akumulatory"));
    const QList<BatteryRow> batteries = store.batteries(visit.id);
    if (batteries.isEmpty())
        return html + none();
    const int life = visit.batteryLifeYears;
    const QDate today = visit.started.date();
    html += paragraph(tr("Okres eksploatacji akumulatorów w latach: %1.").arg(life))
            + WideTableStart
            + row({tr("Lp"), tr("Moduł"), tr("Marka i typ"), tr("Pojemność [Ah]"),
                   tr("Kod daty"), tr("Montaż"), tr("Napięcie [V]"), tr("Rezystancja [mΩ]"),
                   tr("Próba pojemności / obciążenia"), tr("Wynik"), tr("Wymiana do")},
                  true, {4, 7, 14, 8, 8, 10, 8, 9, 12, 8, 12});
    for (const BatteryRow &battery : batteries) {
        const QDate due = batteryReplacementDue(battery.installed, life);
        QString dueText = dateText(due);
        switch (batteryDueState(due, today)) {
        case BatteryDueState::Overdue:
            dueText = QLatin1String("<b>") + dueText + QLatin1String(" ")
                    + tr("(termin minął)") + QLatin1String("</b>");
            break;
        case BatteryDueState::DueSoon:
            dueText = QLatin1String("<b>") + dueText + QLatin1String(" ")
                    + tr("(wymiana w ciągu 90 dni)") + QLatin1String("</b>");
            break;
        default:
            break;
        }
        const QPair<int, QString> module = store.batteryModule(battery.id);
        const QString moduleText = module.first == 0
                ? QStringLiteral("-")
                : moduleName(module.first >> 8) + QLatin1Char(' ')
                        + QString::number(module.first & 0xFF);
        html += row({number(battery.position), esc(moduleText), esc(battery.make),
                     number(battery.capacityAh), esc(battery.dateCode),
                     dateText(battery.installed),
                     number(battery.voltage, 2), number(battery.resistance),
                     esc(module.second), resultCell(battery.result), dueText});
    }
    html += TableEnd;
    const QString required = store.visitDetail(visit.id, VisitDetail::StandbyRequired);
    const QString measured = store.visitDetail(visit.id, VisitDetail::StandbyMeasured);
    if (!required.isEmpty() || !measured.isEmpty()) {
        const auto hours = [](const QString &text) {
            return QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        };
        QString verdict;
        if (!required.isEmpty() && !measured.isEmpty())
            verdict = hours(measured) >= hours(required) ? tr("wymaganie spełnione")
                                                         : tr("wymaganie NIESPEŁNIONE");
        html += pairTable({{tr("Wymagany czas pracy z akumulatorów"),
                            required.isEmpty() ? QStringLiteral("-")
                                               : tr("%1 h").arg(number(hours(required)))},
                           {tr("Uzyskany czas pracy z akumulatorów"),
                            measured.isEmpty() ? QStringLiteral("-")
                                               : tr("%1 h").arg(number(hours(measured)))},
                           {tr("Ocena"), verdict.isEmpty() ? QStringLiteral("-") : verdict}});
    }
    return html;
}

// "od 0,1 do -0,1 A" as the unit's limits may come: the lower bound first.
QString rangeInOrder(const QString &limit)
{
    static const QRegularExpression pattern(
            QStringLiteral("^(\\D*?)(-?\\d+(?:[.,]\\d+)?)(\\D+?)(-?\\d+(?:[.,]\\d+)?)(.*)$"));
    const QRegularExpressionMatch match = pattern.match(limit);
    if (!match.hasMatch())
        return limit;
    const auto value = [](QString text) {
        return text.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    };
    const auto localized = [](QString text) {
        return QLocale().decimalPoint() == QLatin1Char(',')
                ? text.replace(QLatin1Char('.'), QLatin1Char(','))
                : text.replace(QLatin1Char(','), QLatin1Char('.'));
    };
    QString low = match.captured(2);
    QString high = match.captured(4);
    if (value(low) > value(high))
        std::swap(low, high);
    return match.captured(1) + localized(low) + match.captured(3) + localized(high)
            + match.captured(5);
}

QString diagnosticsSection(const VisitStore &store, int visitId)
{
    const QList<DiagnosticRow> rows = store.diagnostics(visitId);
    if (rows.isEmpty())
        return QString();
    QString html = section(tr("Autotest i kalibracja")) + TableStart
            + row({tr("Rodzaj"), tr("Nazwa"), tr("Zakres"), tr("Wartość"), tr("Wynik")}, true,
                  {14, 30, 24, 16, 16});
    for (const DiagnosticRow &diagnostic : rows)
        html += row({diagnostic.kind == DiagnosticKind::SelfTest ? tr("autotest")
                                                                 : tr("kalibracja"),
                     esc(diagnostic.name), esc(rangeInOrder(diagnostic.limit)),
                     esc(diagnostic.valueText), esc(diagnostic.result)});
    return html + TableEnd;
}

QString driftText(const Visit &visit)
{
    if (!visit.clockRead)
        return tr("nie odczytano");
    return tr("%1 s (czas centrali minus czas komputera)").arg(driftNumber(visit.clockDrift));
}

// A free-text field that a spreadsheet would take for a formula gets a leading apostrophe.
QString cell(const QString &text)
{
    if (text.isEmpty())
        return text;
    const QChar first = text.at(0);
    const bool negative = first == QLatin1Char('-') && text.size() > 1
            && (text.at(1).isDigit() || text.at(1) == QLatin1Char(',')
                || text.at(1) == QLatin1Char('.'));
    if ((first == QLatin1Char('=') || first == QLatin1Char('+') || first == QLatin1Char('@')
         || first == QLatin1Char('-') || first == QLatin1Char('\t')
         || first == QLatin1Char('\r'))
        && !negative)
        return QLatin1Char('\'') + text;
    return text;
}

QJsonObject siteObject(const Site &site)
{
    return {{QStringLiteral("name"), site.name},       {QStringLiteral("address"), site.address},
            {QStringLiteral("owner"), site.owner},     {QStringLiteral("contact"), site.contact},
            {QStringLiteral("phone"), site.phone},     {QStringLiteral("notes"), site.notes}};
}

QJsonObject unitObject(const Unit &unit)
{
    return {{QStringLiteral("label"), unit.label},
            {QStringLiteral("place"), unit.place},
            {QStringLiteral("serial"), unit.serialNumber},
            {QStringLiteral("installed"), unit.installed.toString(Qt::ISODate)},
            {QStringLiteral("modules"), moduleSetText(unit.modules)}};
}

// The lines about the paper itself, printed before the signatures.
QString documentNote(const Visit &visit)
{
    if (visit.isAbandoned())
        return paragraph(QLatin1String("<b>")
                         + esc(tr("PRZEGLĄD ANULOWANY (powód: %1). Protokołu nie wystawiono.")
                                       .arg(visit.abandonReason))
                         + QLatin1String("</b>"));
    if (!visit.closed)
        return paragraph(tr("Projekt protokołu: przegląd jest otwarty, projekt nie ma skrótu. "
                            "Skrót nadaje zamknięcie przeglądu."));
    return paragraph(tr("Skrót SHA-256 w stopce każdej strony obejmuje całą treść tego "
                        "protokołu (bez załącznika z pełnym rejestrem zdarzeń, którego bajty "
                        "opisuje skrót w części „Rejestr zdarzeń”). Sprawdzenie: Konfigurator "
                        "Ostrel, karta „Przeglądy”, przycisk „Sprawdź protokół”: wskaż plik PDF "
                        "albo wpisz skrót ze stopki. Program podaje, którego przeglądu to "
                        "protokół i czy jest zgodny z zapisanym przy zamknięciu."));
}

// The first thing an inspector reads: the verdict as the admission formula, the next date
// and what the service is done under.
QString summaryBox(const Visit &visit, const Site &site, const Unit &unit)
{
    QString admission = QStringLiteral("-");
    if (visit.verdict == Verdict::Working || visit.verdict == Verdict::WorkingWithRemarks)
        admission = tr("urządzenie dopuszczone do dalszej eksploatacji");
    else if (visit.verdict == Verdict::NotWorking)
        admission = tr("urządzenie niedopuszczone do dalszej eksploatacji");
    const QString verdict = visit.verdict == Verdict::None ? tr("nie wystawiono")
                                                           : verdictText(visit.verdict);
    const auto line = [](const QString &label, const QString &value) {
        return QLatin1String("<tr><th align='left' width='28%'>") + label
                + QLatin1String("</th><td>") + value + QLatin1String("</td></tr>");
    };
    return QLatin1String("<table border='2' cellpadding='4' cellspacing='0' width='100%'>")
            + line(tr("Obiekt / centrala"), esc(site.name + QStringLiteral(" — ") + unit.label))
            + line(tr("Wynik przeglądu"), QLatin1String("<b>") + esc(verdict)
                                                  + QLatin1String("</b>"))
            + line(tr("Orzeczenie"), QLatin1String("<b>") + esc(admission)
                                             + QLatin1String("</b>"))
            + line(tr("Następny przegląd"), QLatin1String("<b>") + dateText(visit.nextService)
                                                    + QLatin1String("</b>"))
            + line(tr("Podstawa"),
                   tr("przegląd okresowy wykonywany co najmniej raz w roku zgodnie z "
                      "rozporządzeniem Ministra Spraw Wewnętrznych i Administracji z dnia 7 "
                      "czerwca 2010 r. w sprawie ochrony przeciwpożarowej budynków, innych "
                      "obiektów budowlanych i terenów (§ 3 ust. 3) oraz z instrukcją serwisową "
                      "producenta"))
            + QLatin1String("</table>");
}

QString instrumentsSection(const VisitStore &store, int visitId)
{
    QString html = section(tr("Przyrządy pomiarowe"));
    const QList<Instrument> instruments = store.visitInstruments(visitId);
    if (instruments.isEmpty())
        return html + none();
    html += TableStart
            + row({tr("Lp"), tr("Przyrząd"), tr("Numer fabryczny"), tr("Data wzorcowania")}, true,
                  {8, 46, 23, 23});
    int position = 0;
    for (const Instrument &instrument : instruments)
        html += row({number(++position), esc(instrument.name), esc(instrument.serial),
                     dateText(instrument.calibrated)});
    return html + TableEnd;
}

// What the previous visit asked for and left, and whether it was done.
QString previousSection(const VisitStore &store, const Visit &visit, const Visit &previous)
{
    if (previous.id == 0)
        return QString();
    QString html = section(tr("Z poprzedniego przeglądu %1").arg(previous.reportNumber()));
    bool read = false;
    const QStringList left = faultLines(store, previous.id, RecordRole::FaultsDeparture, &read);
    const QStringList choices = previousDoneChoices();
    const int done = store.visitDetail(visit.id, VisitDetail::PreviousDone).toInt();
    html += pairTable(
            {{tr("Zalecenia"), previous.recommendations.isEmpty() ? tr("brak")
                                                                  : previous.recommendations},
             {tr("Wykonanie zaleceń"),
              done > 0 && done < choices.size() ? choices.at(done) : tr("nie oceniono")},
             {tr("Uwagi"), store.visitDetail(visit.id, VisitDetail::PreviousNote)}});
    html += paragraph(QLatin1String("<b>") + tr("Uszkodzenia pozostawione przy odjeździe")
                      + QLatin1String("</b>"))
            + (read ? faultTable(left) : paragraph(tr("nie odczytano")));
    return html;
}

QString signatures(const VisitStore &store, const Visit &visit)
{
    const QString place = store.visitDetail(visit.id, VisitDetail::Place);
    const QString customer = store.visitDetail(visit.id, VisitDetail::Customer);
    const QDateTime at = visit.closed ? visit.ended : visit.started;
    const QLatin1String dots("<br><br><br>..........................................");
    return paragraph(esc(tr("Miejsce i data: %1, %2")
                                 .arg(place.isEmpty() ? QStringLiteral("..........") : place,
                                      at.date().toString(QStringLiteral("yyyy-MM-dd")))))
            + QLatin1String("<table border='1' cellpadding='6' cellspacing='0' width='100%'>"
                            "<tr><td width='34%'>")
            + tr("Konserwator (wykonał przegląd)") + QLatin1String("<br><b>")
            + esc(visit.technician) + QLatin1String("</b><br>") + esc(visit.certificate) + dots
            + QLatin1String("<br>") + tr("podpis") + QLatin1String("</td><td width='33%'>")
            + tr("Pieczęć firmy") + dots + QLatin1String("</td><td width='33%'>")
            + tr("Protokół otrzymałem (użytkownik / zarządca)") + QLatin1String("<br><b>")
            + esc(customer) + QLatin1String("</b>") + dots + QLatin1String("<br>")
            + tr("podpis") + QLatin1String("</td></tr></table>");
}

// The whole register as the appendix: the date and time on one line, in small print.
QString appendixHtml(const QByteArray &data)
{
    QString html = QLatin1String("<H3 style='page-break-before: always'>")
            + tr("Załącznik: pełny rejestr zdarzeń") + QLatin1String("</H3>")
            + QLatin1String("<table BORDER='1'style=\"background-color:white; font-size:7pt\" "
                            "cellpadding='1' cellspacing='0' width = '100%'>")
            + row({tr("Lp"), tr("Data"), tr("Moduł"), tr("Zdarzenie")}, true, {8, 22, 12, 58});
    const int total = data.size() / Pamietnik::RecordSize;
    html.reserve(html.size() + total * 120);
    for (int i = 0; i < total; ++i) {
        const EventEntry entry =
                Pamietnik::decodeRecord(data.constData() + i * Pamietnik::RecordSize);
        html += QLatin1String("<tr><td>") + QString::number(i + 1)
                + QLatin1String("</td><td style='white-space: nowrap'>")
                + Pamietnik::dateTimeText(entry) + QLatin1String("</td><td>")
                + esc(Pamietnik::moduleText(entry)) + QLatin1String("</td><td>")
                + esc(Pamietnik::eventText(entry)) + QLatin1String("</td></tr>");
    }
    return html + TableEnd;
}

QString draftMark()
{
    return tr("PROJEKT — przegląd otwarty");
}

QString build(const VisitStore &store, const Visit &visit, bool withRegister,
              QJsonObject *basis)
{
    const Unit unit = store.unit(visit.unitId);
    const Site site = store.site(unit.siteId);
    const Visit previous = store.previousVisit(visit);
    const auto before = configuration(store, visit.id, RecordRole::ConfigBefore);
    const auto after = configuration(store, visit.id, RecordRole::ConfigAfter);
    const auto previousAfter = previous.id == 0
            ? nullptr
            : configuration(store, previous.id, RecordRole::ConfigAfter);
    basis->insert(QStringLiteral("site"), siteObject(site));
    basis->insert(QStringLiteral("unit"), unitObject(unit));
    basis->insert(QStringLiteral("previous"),
                  previous.id == 0 ? QJsonValue()
                                   : QJsonObject{{QStringLiteral("number"),
                                                  previous.reportNumber()},
                                                 {QStringLiteral("uid"), previous.uid},
                                                 {QStringLiteral("ended"),
                                                  previous.ended.toString(Qt::ISODate)}});
    basis->insert(QStringLiteral("language"), QLocale().name());

    QString html = QLatin1String("<html><head><link rel='stylesheet' type='text/css' "
                                 "href='format.css'></head><body><H2>")
            + tr("Protokół serwisowy nr %1").arg(visit.reportNumber()) + QLatin1String("</H2>");
    if (visit.isAbandoned())
        html += paragraph(QLatin1String("<b>") + tr("PRZEGLĄD ANULOWANY") + QLatin1String("</b>"));
    else if (!visit.closed)
        html += paragraph(QLatin1String("<b>") + draftMark() + QLatin1String("</b>"));
    if (visit.corrects != 0)
        html += paragraph(QLatin1String("<b>")
                          + esc(tr("koryguje protokół %1 (powód: %2)")
                                        .arg(store.visit(visit.corrects).reportNumber(),
                                             visit.correctionReason))
                          + QLatin1String("</b>"));
    html += summaryBox(visit, site, unit);

    const QString valid = store.visitDetail(visit.id, VisitDetail::AuthorisationValid);
    html += section(tr("Wykonawca"))
            + pairTable({{tr("Firma"), visit.company},
                         {tr("Adres firmy"), store.companyDetail(CompanyDetail::Address)},
                         {tr("NIP"), store.companyDetail(CompanyDetail::TaxNumber)},
                         {tr("Telefon firmy"), store.companyDetail(CompanyDetail::Phone)},
                         {tr("Konserwator"), visit.technician},
                         {tr("Nr świadectwa / uprawnień"), visit.certificate},
                         {tr("Uprawnienia ważne do"), valid.isEmpty() ? QStringLiteral("-")
                                                                      : valid},
                         {tr("Rodzaj wizyty"), visitTypeText(visit.type)},
                         {tr("Rozpoczęcie"), timeText(visit.started)},
                         {tr("Zakończenie"),
                          visit.closed ? timeText(visit.ended) : tr("wizyta otwarta")},
                         {tr("Identyfikator"), visit.uid}});

    html += section(tr("Obiekt i centrala"))
            + pairTable({{tr("Obiekt"), site.name},
                         {tr("Adres"), site.address},
                         {tr("Właściciel / zarządca"), site.owner},
                         {tr("Osoba kontaktowa"), site.contact},
                         {tr("Telefon"), site.phone},
                         {tr("Centrala"), unit.label},
                         {tr("Producent"), store.unitDetail(unit.id, UnitDetail::Maker)},
                         {tr("Typ"), store.unitDetail(unit.id, UnitDetail::Type)},
                         {tr("Nr świadectwa dopuszczenia"),
                          store.unitDetail(unit.id, UnitDetail::Admission)},
                         {tr("Miejsce montażu"), unit.place},
                         {tr("Numer fabryczny"), unit.serialNumber},
                         {tr("Data instalacji"), dateText(unit.installed)}});

    html += modulesSection(store, visit.id, before ? before.get() : after.get());
    html += instrumentsSection(store, visit.id);
    html += previousSection(store, visit, previous);
    html += checksSection(store, visit.id);
    html += batteriesSection(store, visit);
    html += diagnosticsSection(store, visit.id);
    html += faultsSection(store, visit);
    html += section(tr("Wykonane prace i wymienione części"))
            + pairTable({{tr("Wykonane prace"),
                          store.visitDetail(visit.id, VisitDetail::WorkDone)},
                         {tr("Wymienione części"),
                          store.visitDetail(visit.id, VisitDetail::PartsReplaced)}});

    html += section(tr("Zegar centrali"))
            + pairTable({{tr("Odchyłka zegara"), driftText(visit)},
                         {tr("Zegar ustawiony"), visit.clockSet ? tr("tak") : tr("nie")}});

    QString appendix;
    html += registerSection(store, visit, previous, withRegister, &appendix, basis);

    html += section(tr("Zmiany konfiguracji podczas wizyty"))
            + changesTable(before.get(), after.get());
    html += section(tr("Zmiany konfiguracji od poprzedniej wizyty"));
    if (previous.id == 0)
        html += paragraph(tr("brak poprzedniej wizyty"));
    else
        html += paragraph(esc(tr("Poprzednia wizyta: %1, %2.")
                                      .arg(previous.reportNumber(), timeText(previous.started))))
                + changesTable(previousAfter.get(), before.get());

    html += section(tr("Wynik wizyty"))
            + pairTable({{tr("Ustalenia"), visit.findings},
                         {tr("Zalecenia"), visit.recommendations},
                         {tr("Ocena"), visit.verdict == Verdict::None ? tr("nie wystawiono")
                                                                     : verdictText(visit.verdict)},
                         {tr("Następny przegląd"), dateText(visit.nextService)}});

    html += documentNote(visit);
    html += signatures(store, visit);
    // The appendix is the report's last table, so that the printer can cut it into slices.
    html += appendix;
    return html + QLatin1String("</body></html>");
}

// The register appendix after a frozen protocol: outside the digest, from the register's bytes.
QString withAppendix(const VisitStore &store, const Visit &visit, const QString &html)
{
    const int id = store.linkedRecord(visit.id, RecordRole::EventLog);
    if (id == 0)
        return html;
    const QString appendix = appendixHtml(store.recordData(RecordRole::EventLog, id));
    const int end = html.lastIndexOf(QLatin1String("</body>"));
    return end < 0 ? html + appendix : html.left(end) + appendix + html.mid(end);
}

} // namespace

Document document(const VisitStore &store, int visitId, bool withRegister)
{
    Document document;
    const Visit visit = store.visit(visitId);
    if (visit.id == 0)
        return document;
    const FrozenProtocol frozen = store.frozenProtocol(visitId);
    if (!frozen.isNull()) {
        document.html = withRegister ? withAppendix(store, visit, frozen.html) : frozen.html;
        document.digest = frozen.digest;
        document.footer = QStringLiteral("SHA-256: ") + frozen.digest;
        document.pageFormat = frozen.pageFormat;
        // In the language it was issued in, as its heading: the file then reads the same
        // whatever the program's language is when it is written again.
        const int heading = frozen.html.indexOf(QLatin1String("<H2>"));
        const int headingEnd = frozen.html.indexOf(QLatin1String("</H2>"), heading);
        const QString title = heading >= 0 && headingEnd > heading
                ? frozen.html.mid(heading + 4, headingEnd - heading - 4)
                : visit.reportNumber();
        document.title = QStringLiteral("%1 %2 SHA-256 %3").arg(title, visit.uid, frozen.digest);
        return document;
    }
    QJsonObject basis;
    document.html = build(store, visit, withRegister, &basis);
    document.title = tr("Protokół serwisowy nr %1").arg(visit.reportNumber());
    if (visit.isAbandoned())
        document.footer = tr("PRZEGLĄD ANULOWANY");
    else if (!visit.closed)
        document.footer = draftMark();
    else // closed before protocols were frozen: its digest is of the report as built now
        document.footer = QStringLiteral("SHA-256: ") + digestOf(document.html);
    return document;
}

QString toHtml(const VisitStore &store, int visitId, bool withRegister)
{
    return document(store, visitId, withRegister).html;
}

FrozenProtocol freeze(const VisitStore &store, const Visit &closing)
{
    FrozenProtocol protocol;
    QJsonObject basis;
    protocol.visitId = closing.id;
    protocol.html = build(store, closing, false, &basis);
    protocol.digest = digestOf(protocol.html);
    protocol.basis = QString::fromUtf8(QJsonDocument(basis).toJson(QJsonDocument::Compact));
    protocol.pageFormat = QCoreApplication::translate("ReportPrinter", "strona %1 z %2");
    protocol.frozenAt = QDateTime::currentDateTime();
    return protocol;
}

QString digestOf(const QString &html)
{
    return QString::fromLatin1(
            QCryptographicHash::hash(html.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString digestInTitle(const QString &title)
{
    static const QRegularExpression digest(QStringLiteral("SHA-256 ([0-9a-f]{64})\\b"));
    const QRegularExpressionMatch match = digest.match(title);
    return match.hasMatch() ? match.captured(1) : QString();
}

QByteArray checksCsv(const VisitStore &store, int visitId)
{
    const Visit visit = store.visit(visitId);
    if (visit.id == 0)
        return QByteArray();
    const Unit unit = store.unit(visit.unitId);
    const Site site = store.site(unit.siteId);
    CsvWriter csv;
    csv.addRow({tr("Protokół"), tr("Identyfikator"), tr("Data"), tr("Obiekt"), tr("Centrala"),
                tr("Numer fabryczny"), tr("Lp"), tr("Moduł"), tr("Sprawdzenie"), tr("Sposób"),
                tr("Wymaganie"), tr("Pomiar"), tr("Wynik"), tr("Uwagi")});
    for (const CheckRow &check : store.checks(visitId))
        csv.addRow({cell(visit.reportNumber()), cell(visit.uid),
                    visit.started.toString(QStringLiteral("yyyy-MM-dd")), cell(site.name),
                    cell(unit.label), cell(unit.serialNumber), QString::number(check.position),
                    cell(check.moduleText()), cell(check.item), cell(check.method),
                    cell(check.limit), cell(check.measured),
                    check.result == CheckResult::NotChecked ? tr("nie sprawdzono")
                                                            : checkResultText(check.result),
                    cell(check.remark)});
    return csv.bytes();
}

QByteArray visitsCsv(const VisitStore &store, const QList<int> &visitIds)
{
    CsvWriter csv;
    csv.addRow({tr("Protokół"), tr("Identyfikator"), tr("Obiekt"), tr("Adres"), tr("Centrala"),
                tr("Numer fabryczny"), tr("Rodzaj wizyty"), tr("Rozpoczęcie"),
                tr("Zakończenie"), tr("Stan"), tr("Ocena"), tr("Następny przegląd"),
                tr("Technik"), tr("Akumulatory do wymiany"), tr("Uszkodzenia przy odjeździe"),
                tr("SHA-256")});
    for (const int id : visitIds) {
        const Visit visit = store.visit(id);
        if (visit.id == 0)
            continue;
        const Unit unit = store.unit(visit.unitId);
        const Site site = store.site(unit.siteId);
        int due = 0;
        for (const BatteryRow &battery : store.batteries(id)) {
            const BatteryDueState state = batteryDueState(
                    batteryReplacementDue(battery.installed, visit.batteryLifeYears),
                    visit.started.date());
            due += state == BatteryDueState::DueSoon || state == BatteryDueState::Overdue;
        }
        int faults = 0;
        if (const int record = store.linkedRecord(id, RecordRole::FaultsDeparture)) {
            Uszkodzenia list;
            list.parse(store.recordData(RecordRole::FaultsDeparture, record));
            for (Modul *module : list.getModules())
                faults += module->getFaults().size();
        }
        QString state = visit.isAbandoned()
                ? tr("anulowany")
                : visit.supersededBy != 0
                        ? tr("zastąpiony przez %1")
                                  .arg(store.visit(visit.supersededBy).reportNumber())
                        : visit.closed ? tr("zamknięty") : tr("otwarty");
        csv.addRow({cell(visit.reportNumber()), cell(visit.uid), cell(site.name),
                    cell(site.address), cell(unit.label), cell(unit.serialNumber),
                    visitTypeText(visit.type), visit.started.toString(Qt::ISODate),
                    visit.ended.toString(Qt::ISODate), cell(state), verdictText(visit.verdict),
                    visit.nextService.toString(Qt::ISODate), cell(visit.technician),
                    QString::number(due), QString::number(faults),
                    store.frozenProtocol(id).digest});
    }
    return csv.bytes();
}

QString fileBaseName(const VisitStore &store, int visitId)
{
    const Visit visit = store.visit(visitId);
    // The short id may come from a colleague's store: it is a name, never a path.
    return proposedFileName(QStringLiteral("Protokol_%1-%2_%3")
                                    .arg(visit.reportYear)
                                    .arg(visit.reportSequence)
                                    .arg(visit.uid));
}

} // namespace VisitReport
