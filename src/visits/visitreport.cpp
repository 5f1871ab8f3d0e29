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

QString esc(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
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
    return QLatin1String("<p>") + tr("brak") + QLatin1String("</p>");
}

std::unique_ptr<Konfiguracja> configuration(const VisitStore &store, int visitId,
                                            RecordRole role)
{
    const int id = store.linkedRecord(visitId, role);
    if (id == 0)
        return nullptr;
    auto config = std::make_unique<Konfiguracja>();
    if (!config->parse(store.recordData(role, id), Konfiguracja::FromDatabase))
        return nullptr;
    return config;
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
                             esc(module->getDescription()),
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
            + row({tr("Moduł"), tr("Opis"), tr("Wersja oprogramowania")}, true)
            + rows.join(QString())
            + TableEnd;
}

QString faultsList(const VisitStore &store, int visitId, RecordRole role)
{
    const int id = store.linkedRecord(visitId, role);
    if (id == 0)
        return QLatin1String("<p>") + tr("nie odczytano") + QLatin1String("</p>");
    Uszkodzenia faults;
    faults.parse(store.recordData(role, id));
    QString rows;
    for (Modul *module : faults.getModules()) {
        for (const QString &text : module->getFaults())
            rows += row({esc(module->getName() + QLatin1Char(' ')
                             + QString::number(module->getNumber())),
                         esc(text)});
    }
    if (rows.isEmpty())
        return QLatin1String("<p>") + tr("brak uszkodzeń") + QLatin1String("</p>");
    return TableStart + row({tr("Moduł"), tr("Uszkodzenie")}, true) + rows + TableEnd;
}

QString changesTable(const Konfiguracja *left, const Konfiguracja *right)
{
    if (!left || !right)
        return QLatin1String("<p>") + tr("brak danych do porównania") + QLatin1String("</p>");
    const ConfigComparison comparison = compareConfigurations(*left, *right);
    if (comparison.isEqual())
        return QLatin1String("<p>") + tr("bez zmian") + QLatin1String("</p>");
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

QString countTable(const QList<EventSummary::Count> &counts, bool withEvent)
{
    if (counts.isEmpty())
        return none();
    QString html = TableStart
            + (withEvent ? row({tr("Moduł"), tr("Zdarzenie"), tr("Liczba")}, true)
                         : row({tr("Moduł"), tr("Liczba")}, true));
    for (const EventSummary::Count &count : counts) {
        QStringList cells{esc(count.text)};
        if (withEvent)
            cells.append(esc(count.event));
        cells.append(QString::number(count.count));
        html += row(cells);
    }
    return html + TableEnd;
}

QString registerSection(const VisitStore &store, const Visit &visit, const Visit &previous,
                        bool withRegister, QString *appendix)
{
    QString html = section(tr("Rejestr zdarzeń"));
    const int id = store.linkedRecord(visit.id, RecordRole::EventLog);
    if (id == 0)
        return html + QLatin1String("<p>") + tr("nie odczytano") + QLatin1String("</p>");
    const QByteArray data = store.recordData(RecordRole::EventLog, id);
    // The register is dated by the unit's clock: the previous visit's end in unit time.
    QDateTime since;
    if (previous.id != 0) {
        since = previous.ended.isValid() ? previous.ended : previous.started;
        since = since.addSecs(previous.clockDrift);
    }
    const EventSummary summary = summarizeEvents(data, since);
    html += QLatin1String("<p>")
            + (since.isValid()
                       ? tr("Zdarzenia od poprzedniej wizyty (%1): %2 z %3 wpisów rejestru.")
                                 .arg(timeText(since))
                                 .arg(summary.counted)
                                 .arg(summary.total)
                       : tr("Zdarzenia od początku rejestru: %1 wpisów.").arg(summary.total))
            + QLatin1String("</p>");
    html += QLatin1String("<p><b>") + tr("Liczba wpisów według modułu")
            + QLatin1String("</b></p>")
            + countTable(summary.perModule, false);
    html += QLatin1String("<p><b>") + tr("Liczba wpisów według zdarzenia")
            + QLatin1String("</b></p>") + countTable(summary.perEvent, true);
    html += QLatin1String("<p><b>") + tr("Uszkodzenia aktywne według rejestru")
            + QLatin1String("</b></p>");
    if (summary.stillActive.isEmpty()) {
        html += none();
    } else {
        html += TableStart + row({tr("Lp"), tr("Data"), tr("Moduł"), tr("Zdarzenie")}, true);
        for (const EventSummary::ActiveFault &fault : summary.stillActive)
            html += row({QString::number(fault.index + 1),
                         fault.at.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                         esc(fault.moduleText), esc(fault.eventText)});
        html += TableEnd;
    }
    if (withRegister) {
        Pamietnik log;
        log.parse(data);
        const QString full = log.toHtml();
        *appendix = section(tr("Załącznik: pełny rejestr zdarzeń"))
                + full.mid(full.indexOf(QLatin1String("<table")));
    }
    return html;
}

QString checksSection(const VisitStore &store, int visitId)
{
    QString html = section(tr("Sprawdzenia"));
    const QList<CheckRow> checks = store.checks(visitId);
    if (checks.isEmpty())
        return html + none();
    html += WideTableStart
            + row({tr("Lp"), tr("Moduł"), tr("Sprawdzenie"), tr("Sposób"), tr("Wymaganie"),
                   tr("Pomiar"), tr("Wynik"), tr("Uwagi")},
                  true, {4, 8, 17, 25, 16, 10, 8, 12});
    for (const CheckRow &check : checks)
        html += row({QString::number(check.position), esc(check.moduleText()), esc(check.item),
                     esc(check.method), esc(check.limit), esc(check.measured),
                     esc(checkResultText(check.result)), esc(check.remark)});
    return html + TableEnd;
}

QString batteriesSection(const VisitStore &store, const Visit &visit)
{
    QString html = section(tr("Akumulatory"));
    const QList<BatteryRow> batteries = store.batteries(visit.id);
    if (batteries.isEmpty())
        return html + none();
    const int life = visit.batteryLifeYears;
    const QDate today = visit.started.date();
    html += QLatin1String("<p>") + tr("Okres eksploatacji akumulatorów w latach: %1.").arg(life)
            + QLatin1String("</p>") + WideTableStart
            + row({tr("Lp"), tr("Marka i typ"), tr("Pojemność [Ah]"), tr("Kod daty"),
                   tr("Montaż"), tr("Napięcie [V]"), tr("Rezystancja [mΩ]"), tr("Wynik"),
                   tr("Wymiana do")},
                  true, {4, 18, 10, 10, 11, 10, 11, 8, 18});
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
        html += row({QString::number(battery.position), esc(battery.make),
                     QString::number(battery.capacityAh), esc(battery.dateCode),
                     dateText(battery.installed), QString::number(battery.voltage, 'f', 2),
                     QString::number(battery.resistance), esc(checkResultText(battery.result)),
                     dueText});
    }
    return html + TableEnd;
}

QString diagnosticsSection(const VisitStore &store, int visitId)
{
    const QList<DiagnosticRow> rows = store.diagnostics(visitId);
    if (rows.isEmpty())
        return QString();
    QString html = section(tr("Autotest i kalibracja")) + TableStart
            + row({tr("Rodzaj"), tr("Nazwa"), tr("Zakres"), tr("Wartość"), tr("Wynik")}, true);
    for (const DiagnosticRow &diagnostic : rows)
        html += row({diagnostic.kind == DiagnosticKind::SelfTest ? tr("autotest")
                                                                 : tr("kalibracja"),
                     esc(diagnostic.name), esc(diagnostic.limit), esc(diagnostic.valueText),
                     esc(diagnostic.result)});
    return html + TableEnd;
}

QString driftText(const Visit &visit)
{
    if (!visit.clockRead)
        return tr("nie odczytano");
    return tr("%1 s (czas centrali minus czas komputera)")
            .arg(visit.clockDrift > 0 ? QLatin1Char('+') + QString::number(visit.clockDrift)
                                      : QString::number(visit.clockDrift));
}

// A free-text field that a spreadsheet would take for a formula gets a leading apostrophe.
QString cell(const QString &text)
{
    if (text.isEmpty())
        return text;
    const QChar first = text.at(0);
    const bool number = first == QLatin1Char('-') && text.size() > 1
            && (text.at(1).isDigit() || text.at(1) == QLatin1Char(',')
                || text.at(1) == QLatin1Char('.'));
    if ((first == QLatin1Char('=') || first == QLatin1Char('+') || first == QLatin1Char('@')
         || first == QLatin1Char('-') || first == QLatin1Char('\t')
         || first == QLatin1Char('\r'))
        && !number)
        return QLatin1Char('\'') + text;
    return text;
}

} // namespace

QString toHtml(const VisitStore &store, int visitId, bool withRegister)
{
    const Visit visit = store.visit(visitId);
    if (visit.id == 0)
        return QString();
    const Unit unit = store.unit(visit.unitId);
    const Site site = store.site(unit.siteId);
    const Visit previous = store.previousVisit(visit);
    const auto before = configuration(store, visit.id, RecordRole::ConfigBefore);
    const auto after = configuration(store, visit.id, RecordRole::ConfigAfter);
    const auto previousAfter = previous.id == 0
            ? nullptr
            : configuration(store, previous.id, RecordRole::ConfigAfter);

    QString html = QLatin1String("<html><head><link rel='stylesheet' type='text/css' "
                                 "href='format.css'></head><body><H2>")
            + tr("Protokół serwisowy nr %1").arg(visit.reportNumber()) + QLatin1String("</H2>");
    QList<QPair<QString, QString>> header{
        {tr("Identyfikator"), visit.uid},
        {tr("Firma"), visit.company},
        {tr("Technik"), visit.technician},
        {tr("Nr świadectwa"), visit.certificate},
        {tr("Rodzaj wizyty"), visitTypeText(visit.type)},
        {tr("Rozpoczęcie"), timeText(visit.started)},
        {tr("Zakończenie"), visit.closed ? timeText(visit.ended) : tr("wizyta otwarta")},
    };
    if (visit.corrects != 0)
        header.append({tr("Korekta protokołu"), store.visit(visit.corrects).reportNumber()});
    html += pairTable(header);

    html += section(tr("Obiekt i centrala"))
            + pairTable({{tr("Obiekt"), site.name},
                         {tr("Adres"), site.address},
                         {tr("Właściciel / zarządca"), site.owner},
                         {tr("Osoba kontaktowa"), site.contact},
                         {tr("Telefon"), site.phone},
                         {tr("Centrala"), unit.label},
                         {tr("Miejsce montażu"), unit.place},
                         {tr("Numer fabryczny"), unit.serialNumber},
                         {tr("Data instalacji"), dateText(unit.installed)}});

    html += modulesSection(store, visit.id, before ? before.get() : after.get());

    html += section(tr("Zegar centrali"))
            + pairTable({{tr("Odchyłka zegara"), driftText(visit)},
                         {tr("Zegar ustawiony"), visit.clockSet ? tr("tak") : tr("nie")}});

    QString appendix;
    html += registerSection(store, visit, previous, withRegister, &appendix);

    html += section(tr("Uszkodzenia przy przyjeździe"))
            + faultsList(store, visit.id, RecordRole::FaultsArrival);
    html += section(tr("Uszkodzenia przy odjeździe"));
    if (store.linkedRecord(visit.id, RecordRole::FaultsDeparture) == 0
        && !visit.departureSkipped.isEmpty())
        html += QLatin1String("<p>") + tr("Odczyt pominięto: %1").arg(esc(visit.departureSkipped))
                + QLatin1String("</p>");
    else
        html += faultsList(store, visit.id, RecordRole::FaultsDeparture);

    html += checksSection(store, visit.id);
    html += batteriesSection(store, visit);
    html += diagnosticsSection(store, visit.id);

    html += section(tr("Zmiany konfiguracji podczas wizyty"))
            + changesTable(before.get(), after.get());
    html += section(tr("Zmiany konfiguracji od poprzedniej wizyty"));
    if (previous.id == 0)
        html += QLatin1String("<p>") + tr("brak poprzedniej wizyty") + QLatin1String("</p>");
    else
        html += QLatin1String("<p>")
                + tr("Poprzednia wizyta: %1, %2.")
                          .arg(previous.reportNumber(), timeText(previous.started))
                + QLatin1String("</p>") + changesTable(previousAfter.get(), before.get());

    html += section(tr("Wynik wizyty"))
            + pairTable({{tr("Ustalenia"), visit.findings},
                         {tr("Zalecenia"), visit.recommendations},
                         {tr("Ocena"), visit.verdict == Verdict::None ? tr("nie wystawiono")
                                                                     : verdictText(visit.verdict)},
                         {tr("Następny przegląd"), dateText(visit.nextService)}});

    html += QLatin1String("<br><table border='0' cellpadding='4' cellspacing='0' width = '600'>"
                          "<tr><td width='50%'>")
            + tr("Podpis technika") + QLatin1String("<br><br><br>..............................")
            + QLatin1String("</td><td width='50%'>") + tr("Podpis klienta")
            + QLatin1String("<br><br><br>..............................</td></tr></table>");
    // The appendix is the report's last table, so that the printer can cut it into slices.
    html += appendix;
    return html + QLatin1String("</body></html>");
}

QString footerText(const QString &html)
{
    return QStringLiteral("SHA-256: ")
            + QString::fromLatin1(
                      QCryptographicHash::hash(html.toUtf8(), QCryptographicHash::Sha256).toHex());
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
        csv.addRow({visit.reportNumber(), cell(visit.uid),
                    visit.started.toString(QStringLiteral("yyyy-MM-dd")), cell(site.name),
                    cell(unit.label), cell(unit.serialNumber), QString::number(check.position),
                    check.moduleText(), cell(check.item), cell(check.method), cell(check.limit),
                    cell(check.measured), checkResultText(check.result), cell(check.remark)});
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
