// ctest-labels: visit
#include "config/modulefactory.h"
#include "store/dbmanager.h"
#include "store/textkeys.h"
#include "teststore.h"
#include "visits/checklist.h"
#include "visits/closewarnings.h"
#include "visits/visitsession.h"
#include "visits/visitstore.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(std::function<bool(VisitStore &, int)>)
using Edit = std::function<bool(VisitStore &, int)>;

namespace {

// Every row of the visit tables as text: what "stores nothing" compares.
QString snapshot(const QSqlDatabase &db)
{
    QString text;
    for (const char *table : {"OBIEKTY", "CENTRALE", "WIZYTY", "WIZYTY_REKORDY",
                              "WIZYTY_KONTROLE", "WIZYTY_AKUMULATORY", "WIZYTY_DIAGNOSTYKA",
                              "WIZYTY_PROTOKOLY", "WIZYTY_REJESTR", "WIZYTY_KOREKTY",
                              "WIZYTY_ANULOWANE"}) {
        QSqlQuery query(db);
        query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(QLatin1String(table)));
        while (query.next()) {
            for (int c = 0; c < query.record().count(); ++c)
                text += query.value(c).toString() + QLatin1Char('|');
            text += QLatin1Char('\n');
        }
    }
    return text;
}

struct Fixture
{
    Fixture()
    {
        db.openDatabase(dir.path());
        initStoreTables(db);
        store = VisitStore(db.database());
        Site site;
        site.name = QStringLiteral("Galeria Północ");
        Unit unit;
        unit.siteId = store.saveSite(site);
        unit.label = QStringLiteral("Centrala oddymiania — klatka A");
        unit.modules = {{0xE0, 1}, {0x90, 1}};
        unitId = store.saveUnit(unit);
    }
    // An open visit with a check and a battery; the faults at departure read when `departed`.
    int openVisit(bool departed = true)
    {
        Visit visit;
        visit.unitId = unitId;
        visit.technician = QStringLiteral("Jan Nowak");
        visit.started = QDateTime(QDate(2026, 3, 2), QTime(9, 0));
        const int id = store.startVisit(visit);
        CheckRow check;
        check.item = QStringLiteral("Ładowarka");
        store.setChecks(id, {check});
        BatteryRow battery;
        battery.visitId = id;
        battery.capacityAh = 17;
        battery.installed = QDate(2023, 5, 1);
        store.saveBattery(battery);
        if (departed)
            store.linkRecord(id, RecordRole::FaultsDeparture, db.writeFaults("S_", "\x00"));
        return id;
    }

    QTemporaryDir dir;
    DbManager db{QStringLiteral("tst")};
    VisitStore store{db.database()};
    int unitId = 0;
};

} // namespace

class TestVisitStore : public QObject
{
    Q_OBJECT
private slots:
    void olderStoreGainsTables();
    void refusedEditsStoreNothing_data();
    void refusedEditsStoreNothing();
    void correctionAndHistory();
    void closeWarnings();
    void templatesAndCarryOver();
    void batteryDue_data();
    void batteryDue();
    void typedInput_data();
    void typedInput();
    void textsInTheLanguageOfTheMoment_data();
    void textsInTheLanguageOfTheMoment();
};

// A store written before visits existed opens with its records untouched and the visit
// tables added; a second start changes nothing.
void TestVisitStore::olderStoreGainsTables()
{
    QTemporaryDir dir;
    {
        QSqlDatabase old = QSqlDatabase::addDatabase("QSQLITE", "old");
        old.setDatabaseName(dir.filePath("ostrel.db3"));
        QVERIFY(old.open());
        QSqlQuery query(old);
        QVERIFY(query.exec("CREATE TABLE KONFIGURACJA (id INTEGER PRIMARY KEY AUTOINCREMENT,"
                           "nazwa TEXT,dane BLOB)"));
        QVERIFY(query.exec("INSERT INTO KONFIGURACJA VALUES (NULL,'stara',x'01F00100')"));
        old.close();
    }
    QSqlDatabase::removeDatabase("old");
    for (int start = 0; start < 2; ++start) {
        DbManager db{QStringLiteral("tst")};
        QVERIFY(db.openDatabase(dir.path()));
        initStoreTables(db);
        QCOMPARE(db.readConfig(1), QByteArray::fromHex("01F00100"));
        VisitStore store(db.database());
        Site site;
        site.name = QStringLiteral("Obiekt %1").arg(start);
        QVERIFY2(store.saveSite(site) == start + 1, qPrintable(store.lastError()));
        QCOMPARE(store.sites().size(), start + 1);
    }
}

// A closed visit refuses every change with a message, and so does bad input; the store is
// left as it was. The triggers refuse a writer that goes around the store.
void TestVisitStore::refusedEditsStoreNothing_data()
{
    QTest::addColumn<bool>("close");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("message");

    const QString closed = QStringLiteral("zamknięta");
#define EDIT(...) Edit([](VisitStore &s, int v) { return __VA_ARGS__; })
    const auto battery = [](double ah, double volts, double milliohms, QDate installed) {
        return [=](VisitStore &store, int visit) {
            BatteryRow row;
            row.visitId = visit;
            row.capacityAh = ah;
            row.voltage = volts;
            row.resistance = milliohms;
            row.installed = installed;
            return store.saveBattery(row) != 0;
        };
    };
    const QDate installed(2024, 1, 1);
    QTest::newRow("closed: visit fields") << true << Edit([](VisitStore &s, int v) {
        Visit visit = s.visit(v);
        visit.findings = QStringLiteral("dopisek");
        return s.updateVisit(visit);
    }) << closed;
    QTest::newRow("closed: clock") << true << EDIT(s.setClock(v, 5, true)) << closed;
    QTest::newRow("closed: record link")
            << true << EDIT(s.linkRecord(v, RecordRole::ConfigAfter, 7)) << closed;
    QTest::newRow("closed: checklist") << true << EDIT(s.setChecks(v, {})) << closed;
    QTest::newRow("closed: check row") << true << Edit([](VisitStore &s, int v) {
        CheckRow row = s.checks(v).value(0);
        row.result = CheckResult::Fault;
        return s.updateCheck(row);
    }) << closed;
    QTest::newRow("closed: new battery") << true << Edit(battery(17, 13, 20, installed))
                                         << closed;
    QTest::newRow("closed: battery removed")
            << true << EDIT(s.deleteBattery(s.batteries(v).value(0).id)) << closed;
    QTest::newRow("closed: self-test")
            << true << EDIT(s.saveDiagnostics(v, DiagnosticKind::SelfTest, {DiagnosticRow()}))
            << closed;
    QTest::newRow("closed: closed again")
            << true << EDIT(s.closeVisit(v, Verdict::NotWorking, "", "", QDate())) << closed;
    QTest::newRow("closed: SQL around the store") << true << Edit([](VisitStore &, int v) {
        QSqlQuery query(QSqlDatabase::database("tst"));
        bool changed = false;
        for (const char *sql : {"UPDATE WIZYTY SET verdict=3 WHERE id=%1",
                                "UPDATE WIZYTY_KONTROLE SET result=2 WHERE visit=%1",
                                "UPDATE WIZYTY_PROTOKOLY SET html='' WHERE visit=%1",
                                "DELETE FROM WIZYTY_PROTOKOLY WHERE visit=%1"})
            changed = query.exec(QString::fromLatin1(sql).arg(v)) || changed;
        return changed;
    }) << QString();
    QTest::newRow("closed: one field") << true
                                       << EDIT(s.setVisitField(v, VisitField::Findings, "x"))
                                       << closed;
    QTest::newRow("closed: abandoned") << true << EDIT(s.abandonVisit(v, "pomyłka")) << closed;
    QTest::newRow("correction without a reason")
            << true << EDIT(s.startCorrection(v, " ") != 0) << "powód";

    QTest::newRow("capacity 0 Ah") << false << Edit(battery(0, 13, 20, installed)) << "Ah";
    QTest::newRow("capacity 20000 Ah") << false << Edit(battery(2e4, 13, 20, installed)) << "Ah";
    QTest::newRow("voltage -1 V") << false << Edit(battery(17, -1, 20, installed)) << "V";
    QTest::newRow("voltage NaN") << false << Edit(battery(17, qQNaN(), 20, installed)) << "V";
    QTest::newRow("resistance 1 MΩ") << false << Edit(battery(17, 13, 1e6, installed)) << "mΩ";
    QTest::newRow("installed tomorrow")
            << false << Edit(battery(17, 13, 20, QDate::currentDate().addDays(1))) << "montażu";
    QTest::newRow("installed unknown") << false << Edit(battery(17, 13, 20, QDate())) << "montażu";
    QTest::newRow("next service before the visit") << false << Edit([](VisitStore &s, int v) {
        Visit visit = s.visit(v);
        visit.nextService = visit.started.date().addDays(-1);
        return s.updateVisit(visit);
    }) << "następnego";
    QTest::newRow("one field: next service before the visit")
            << false << EDIT(s.setVisitField(v, VisitField::NextService, QDate(2026, 3, 1)))
            << "następnego";
    QTest::newRow("one field: no such verdict")
            << false << EDIT(s.setVisitField(v, VisitField::Verdict, 9)) << "ocena";
    QTest::newRow("detail: impossible date")
            << false << EDIT(s.setVisitDetail(v, VisitDetail::AuthorisationValid, "2026-02-30"))
            << "nieprawidłowa data";
    QTest::newRow("detail: negative hours")
            << false << EDIT(s.setVisitDetail(v, VisitDetail::StandbyMeasured, "-3")) << "zakres";
    QTest::newRow("abandoned without a reason") << false << EDIT(s.abandonVisit(v, "")) << "powód";
    QTest::newRow("link to a missing record")
            << false << EDIT(s.linkRecord(v, RecordRole::EventLog, 99)) << "odczytu";
    QTest::newRow("close without verdict")
            << false << EDIT(s.closeVisit(v, Verdict::None, "", "", QDate())) << "ocenę";
    QTest::newRow("close without departure reading")
            << false << EDIT(s.closeVisit(v, Verdict::Working, "", "", QDate(), "  "))
            << "odjeździe";
#undef EDIT
}

void TestVisitStore::refusedEditsStoreNothing()
{
    QFETCH(bool, close);
    QFETCH(Edit, edit);
    QFETCH(QString, message);
    Fixture f;
    const int visit = f.openVisit(qstrcmp(QTest::currentDataTag(),
                                          "close without departure reading") != 0);
    if (close)
        QVERIFY2(f.store.closeVisit(visit, Verdict::WorkingWithRemarks, "ok", "", QDate()),
                 qPrintable(f.store.lastError()));
    const QString before = snapshot(f.db.database());
    QVERIFY(!edit(f.store, visit));
    QVERIFY2(f.store.lastError().contains(message), qPrintable(f.store.lastError()));
    QCOMPARE(snapshot(f.db.database()), before);
}

// A correction is a new open visit naming the closed one, with its rows copied; the history
// lists it first, and the next visit compares against it rather than the corrected one.
void TestVisitStore::correctionAndHistory()
{
    Fixture f;
    Visit first;
    first.unitId = f.unitId;
    first.technician = QStringLiteral("Ewa Kowalska");
    first.started = QDateTime(QDate(2025, 3, 1), QTime(8, 0));
    const int original = f.store.startVisit(first);
    QCOMPARE(f.store.visit(original).nextService, QDate(2026, 3, 1));
    f.store.setChecks(original, {CheckRow(), CheckRow()});
    QVERIFY(f.store.closeVisit(original, Verdict::Working, "", "", QDate(), "brak odpowiedzi"));

    const FrozenProtocol issued = f.store.frozenProtocol(original);
    QVERIFY(!issued.html.isEmpty() && f.store.visitByDigest(issued.digest) == original);
    const int correction = f.store.startCorrection(original, QStringLiteral("zła ocena"));
    QVERIFY2(correction != 0, qPrintable(f.store.lastError()));
    const Visit corrected = f.store.visit(correction);
    QCOMPARE(corrected.corrects, original);
    QCOMPARE(corrected.correctionReason, QStringLiteral("zła ocena"));
    QVERIFY(!corrected.closed);
    QCOMPARE(f.store.checks(correction).size(), 2);
    QVERIFY(corrected.reportNumber() != f.store.visit(original).reportNumber());
    QVERIFY(f.store.startCorrection(correction, "x") == 0); // still open: edited directly
    QVERIFY(f.store.startCorrection(original, "x") == 0);   // one correction at a time
    // A correction reads nothing new from the unit.
    QVERIFY(!f.store.setClock(correction, 1, false));
    QVERIFY(!f.store.linkRecord(correction, RecordRole::FaultsDeparture,
                                f.db.writeFaults("S_", "\x00")));
    QCOMPARE(f.store.visit(original).supersededBy, 0); // not until the correction closes
    QVERIFY(f.store.closeVisit(correction, Verdict::NotWorking, "", "", QDate(), "brak"));
    QCOMPARE(f.store.visit(original).supersededBy, correction);
    QCOMPARE(f.store.visit(correction).ended, f.store.visit(original).ended);
    QCOMPARE(f.store.frozenProtocol(original).html, issued.html);

    // A visit started by mistake keeps its number; the next one does not reuse it, and it is
    // nobody's previous visit.
    const int mistake = f.openVisit();
    QVERIFY(f.store.abandonVisit(mistake, QStringLiteral("zła centrala")));
    QVERIFY(f.store.visit(mistake).closed && f.store.frozenProtocol(mistake).isNull());

    const int later = f.openVisit();
    QCOMPARE(f.store.visit(later).reportSequence, f.store.visit(mistake).reportSequence + 1);
    QCOMPARE(f.store.previousVisit(f.store.visit(later)).id, correction);
    QCOMPARE(f.store.previousVisit(corrected).id, 0);
    QList<int> history;
    for (const Visit &visit : f.store.visits(f.unitId))
        history.append(visit.id);
    QCOMPARE(history, QList<int>({later, mistake, correction, original}));
    QCOMPARE(f.store.openVisits().value(0).id, later);

    // A new visit starts with the last technician; the unit is found by its module set.
    QCOMPARE(f.store.rememberedTechnician().technician, QStringLiteral("Jan Nowak"));
    QCOMPARE(f.store.matchingUnits({{0x90, 1}, {0xE0, 1}}).value(0).id, f.unitId);
    QVERIFY(f.store.matchingUnits({{0xE0, 1}}).isEmpty());

    // A visit keeps the battery life it started with; its report does not change later.
    QVERIFY(f.store.setBatteryLifeYears(6));
    QCOMPARE(f.store.visit(original).batteryLifeYears, DefaultBatteryLifeYears);
    QCOMPARE(f.store.visit(f.openVisit()).batteryLifeYears, 6);
}

// Before closing the technician hears of an unchecked row, "sprawna" with faults at departure
// and a battery due; a verdict that admits the faults and a new battery leave only the row.
void TestVisitStore::closeWarnings()
{
    initFaultTextTables();
    Fixture f;
    const int visit = f.openVisit(false);
    f.store.linkRecord(visit, RecordRole::FaultsDeparture,
                       f.db.writeFaults("S_", QByteArray::fromHex("01E001040000010000")));
    BatteryRow battery = f.store.batteries(visit).value(0);
    battery.installed = QDate(2022, 4, 1); // due 2026-04-01, a month after the visit
    QVERIFY(f.store.saveBattery(battery));
    QStringList warnings = ::closeWarnings(f.store, visit, Verdict::Working);
    QCOMPARE(warnings.size(), 3);
    QVERIFY(warnings.at(0).contains("nie sprawdzono"));
    QVERIFY(warnings.at(1).contains("sprawna"));
    QVERIFY(warnings.at(2).contains("2026-04-01"));
    battery.installed = QDate(2026, 3, 2);
    QVERIFY(f.store.saveBattery(battery));
    warnings = ::closeWarnings(f.store, visit, Verdict::WorkingWithRemarks);
    QCOMPARE(warnings.size(), 1);
}

// The company's template reworded and a row retired: a new checklist follows it. The next
// visit takes over the batteries with their modules, to confirm or change.
void TestVisitStore::templatesAndCarryOver()
{
    Fixture f;
    QList<CheckTemplateRow> power = f.store.checkTemplates("power");
    QCOMPARE(power.size(), 3);
    power[0].item = QStringLiteral("Przełączenie na akumulatory");
    power[2].retired = true;
    QVERIFY2(f.store.saveCheckTemplates("power", power), qPrintable(f.store.lastError()));
    QCOMPARE(f.store.checkTemplates("power", true).size(), 3);
    QStringList items;
    for (const CheckRow &row : buildChecklist({{0xE0, 1}}, [&f](const QString &section) {
             return f.store.checkTemplates(section);
         })) {
        if (row.section() == CheckSection::Module)
            items << row.item;
    }
    QCOMPARE(items, QStringList({"Przełączenie na akumulatory", power.at(1).item}));

    const int first = f.openVisit();
    const int battery = f.store.batteries(first).value(0).id;
    QVERIFY(f.store.setBatteryModule(battery, 0xE0, 1, QStringLiteral("1 h, 2 A")));
    QVERIFY(f.store.closeVisit(first, Verdict::Working, "", "", QDate()));
    const int next = f.openVisit();
    f.store.deleteBattery(f.store.batteries(next).value(0).id);
    QCOMPARE(f.store.carryOver(next), 1);
    const BatteryRow carried = f.store.batteries(next).value(0);
    QCOMPARE(carried.installed, QDate(2023, 5, 1));
    QCOMPARE(f.store.batteryModule(carried.id).first, 0xE0 << 8 | 1);
}

void TestVisitStore::batteryDue_data()
{
    QTest::addColumn<QDate>("installed");
    QTest::addColumn<int>("life"); // 0: the default
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("due");
    QTest::addColumn<int>("state");

    const int ok = int(BatteryDueState::Ok), soon = int(BatteryDueState::DueSoon),
              over = int(BatteryDueState::Overdue);
    QTest::newRow("91 days before") << QDate(2022, 6, 1) << 0 << QDate(2026, 3, 2)
                                    << QDate(2026, 6, 1) << ok;
    QTest::newRow("90 days before") << QDate(2022, 6, 1) << 0 << QDate(2026, 3, 3)
                                    << QDate(2026, 6, 1) << soon;
    QTest::newRow("due today") << QDate(2022, 6, 1) << 0 << QDate(2026, 6, 1)
                               << QDate(2026, 6, 1) << soon;
    QTest::newRow("a day late") << QDate(2022, 6, 1) << 0 << QDate(2026, 6, 2)
                                << QDate(2026, 6, 1) << over;
    QTest::newRow("leap day, 4 years") << QDate(2024, 2, 29) << 4 << QDate(2026, 1, 1)
                                       << QDate(2028, 2, 29) << ok;
    QTest::newRow("leap day, 5 years") << QDate(2024, 2, 29) << 5 << QDate(2028, 12, 1)
                                       << QDate(2029, 2, 28) << soon;
    QTest::newRow("no installation date") << QDate() << 0 << QDate(2026, 1, 1) << QDate()
                                          << int(BatteryDueState::Unknown);
}

void TestVisitStore::batteryDue()
{
    QFETCH(QDate, installed);
    QFETCH(int, life);
    QFETCH(QDate, today);
    QFETCH(QDate, due);
    QFETCH(int, state);
    Fixture f;
    if (life != 0)
        QVERIFY(f.store.setBatteryLifeYears(life));
    const QDate computed = batteryReplacementDue(installed, f.store.batteryLifeYears());
    QCOMPARE(computed, due);
    QCOMPARE(int(batteryDueState(computed, today)), state);
    QVERIFY(!f.store.setBatteryLifeYears(0));
    QCOMPARE(f.store.batteryLifeYears(), life != 0 ? life : DefaultBatteryLifeYears);
}

void TestVisitStore::typedInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number"); // a battery voltage, otherwise a date
    QTest::addColumn<QString>("value"); // empty: refused

    QTest::newRow("ISO date") << "2026-02-28" << false << "2026-02-28";
    QTest::newRow("Polish date") << " 1.3.2026 " << false << "2026-03-01";
    QTest::newRow("30 February") << "2026-02-30" << false << "";
    QTest::newRow("year 1899") << "01.01.1899" << false << "";
    QTest::newRow("decimal comma") << "13,65" << true << "13.65";
    QTest::newRow("above range") << "60.5" << true << "";
    QTest::newRow("not a number") << "13 V" << true << "";
    QTest::newRow("infinity") << "inf" << true << "";
}

void TestVisitStore::typedInput()
{
    QFETCH(QString, text);
    QFETCH(bool, number);
    QFETCH(QString, value);
    QString error;
    QDate date(2000, 1, 1);
    double volts = -1;
    const bool ok = number ? parseVisitNumber(text, "Napięcie", 0, BatteryLimits::MaxVoltage,
                                              &volts, &error)
                           : parseVisitDate(text, "Data", false, &date, &error);
    QCOMPARE(ok, !value.isEmpty());
    if (ok)
        QCOMPARE(number ? QString::number(volts) : date.toString(Qt::ISODate), value);
    else
        QVERIFY(error.startsWith(number ? "Napięcie" : "Data") && error.contains(text.trimmed()));
}

void TestVisitStore::textsInTheLanguageOfTheMoment_data()
{
    QTest::addColumn<QString>("kind"); // check, template, typed, old, diagnostic, name
    QTest::addColumn<QString>("writtenIn"); // the interface's language when the row was made
    QTest::addColumn<QString>("text");      // what was typed or stored; "" for shipped rows
    QTest::addColumn<QString>("shownIn");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored"); // "": not looked at

    QTest::newRow("German checklist, Polish UI")
            << "check" << "de" << "" << "pl" << "Bezpieczniki" << "Bezpieczniki";
    QTest::newRow("Polish checklist, German UI")
            << "check" << "pl" << "" << "de" << "Sicherungen" << "Bezpieczniki";
    QTest::newRow("German template, Polish UI")
            << "template" << "de" << "" << "pl" << "Bezpieczniki" << "Bezpieczniki";
    QTest::newRow("typed check stays") << "typed" << "de" << "Sicherungen im Schrank 3" << "pl"
                                       << "Sicherungen im Schrank 3" << "Sicherungen im Schrank 3";
    QTest::newRow("old German row") << "old" << "de" << "Sicherungen" << "pl" << "Bezpieczniki"
                                    << "Sicherungen";
    QTest::newRow("German self-test, Polish UI")
            << "diagnostic" << "de" << "" << "pl" << "Test RAM|BŁĄD" << "Test RAM|BŁĄD";
    QTest::newRow("name made in German, German UI")
            << "name" << "de" << "" << "de"
            << "Centrala A — B — regelmäßige Wartung 2026/4 — Ankunft — Konfiguration"
            << "Centrala A — B — przegląd okresowy 2026/4 — przyjazd — konfiguracja";
    QTest::newRow("old German name, Polish UI")
            << "name" << "de"
            << "Centrala A — B — regelmäßige Wartung 2026/4 — Abfahrt — Konfiguration" << "pl"
            << "Centrala A — B — przegląd okresowy 2026/4 — odjazd — konfiguracja" << "";
    QTest::newRow("own name") << "name" << "de" << "Zentrale — vor dem Umbau — Ankunft — X"
                              << "pl" << "Zentrale — vor dem Umbau — Ankunft — X" << "";
}

void TestVisitStore::textsInTheLanguageOfTheMoment()
{
    QFETCH(QString, kind);
    QFETCH(QString, writtenIn);
    QFETCH(QString, text);
    QFETCH(QString, shownIn);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QTranslator translator;
    const auto speak = [&translator](const QString &language) {
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(translator.load("konfigurator_" + language,
                                QCoreApplication::applicationDirPath()));
        QCoreApplication::installTranslator(&translator);
    };
    Fixture f;
    const int visit = f.openVisit();
    QString name = text;
    speak(writtenIn);
    if (kind == "template")
        QVERIFY(f.store.saveCheckTemplates("general", f.store.checkTemplates("general")));
    if (kind == "check" || kind == "template") {
        QVERIFY(f.store.setChecks(visit, buildChecklist(ModuleSet(), [&f](const QString &s) {
            return f.store.checkTemplates(s);
        })));
    } else if (kind == "typed") {
        QVERIFY(f.store.setChecks(visit, {}));
        CheckRow typed;
        typed.item = text;
        QVERIFY(f.store.addCheck(visit, typed) != 0);
    } else if (kind == "old") {
        QSqlQuery old(f.db.database());
        old.prepare("UPDATE WIZYTY_KONTROLE SET item = ?");
        old.addBindValue(text);
        QVERIFY(old.exec());
    } else if (kind == "diagnostic") {
        TextKeys::addKeys("DetailsManagement", {"Test RAM", "BŁĄD"});
        DiagnosticRow test;
        test.name = QCoreApplication::translate("DetailsManagement", "Test RAM");
        test.result = QCoreApplication::translate("DetailsManagement", "BŁĄD");
        QVERIFY(f.store.saveDiagnostics(visit, DiagnosticKind::SelfTest, {test}));
    } else if (text.isEmpty()) {
        name = VisitSession::recordName(
                VisitSession::recordPrefix("Centrala A — B", VisitType::Periodic, "2026/4"),
                VisitReading::Arrival, VisitSession::ConfigStep);
    }
    speak(shownIn);
    if (kind == "name") {
        QCOMPARE(VisitSession::shownRecordName(name), shown);
        QVERIFY(stored.isEmpty() || name == stored);
        return;
    }
    // The self-test's row, or the second row of the general checks, or the one check typed.
    const DiagnosticRow test = f.store.diagnostics(visit).value(0);
    const QList<CheckRow> checks = f.store.checks(visit);
    const int row = checks.size() > 1 ? 1 : 0;
    QCOMPARE(kind == "diagnostic" ? test.name + '|' + test.result : checks.value(row).item, shown);
    QSqlQuery raw(f.db.database());
    QVERIFY(raw.exec(kind == "diagnostic"
                             ? "SELECT name || '|' || result FROM WIZYTY_DIAGNOSTYKA"
                             : "SELECT item FROM WIZYTY_KONTROLE ORDER BY position LIMIT 1 OFFSET "
                                     + QString::number(row))
            && raw.next());
    QCOMPARE(raw.value(0).toString(), stored);
}

QTEST_GUILESS_MAIN(TestVisitStore)
#include "tst_visitstore.moc"
