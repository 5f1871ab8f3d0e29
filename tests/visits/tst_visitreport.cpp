// ctest-labels: visit
#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"
#include "gui/reportprinter.h"
#include "gui/startup.h"
#include "gui/protocolprint.h"
#include "store/dbmanager.h"
#include "visits/checklist.h"
#include "visits/protocolfile.h"
#include "visits/visitreport.h"
#include "visits/visitstore.h"

#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QSqlQuery>
#include <QtTest>

namespace {

// The default configuration with PSB 1's battery capacity (its second setting) set.
QByteArray configuration(quint32 capacity)
{
    Konfiguracja config(QStringLiteral("c"), nullptr);
    config.getModule(0)->getSetting(1)->setValue(capacity);
    return config.toByteArray(Konfiguracja::FromDatabase);
}

QByteArray eventRecord(const QDateTime &at, quint8 code, quint8 source)
{
    const QDate d = at.date();
    const QTime t = at.time();
    return QByteArray(1, char(d.year() - 2000)) + char(d.month()) + char(d.day()) + char(t.hour())
            + char(t.minute()) + char(t.second()) + char(code) + char(source);
}

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString pdfText(const QString &pdf)
{
    QProcess text;
    text.start(QStandardPaths::findExecutable("pdftotext"), {pdf, "-"});
    text.waitForFinished(60000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

} // namespace

class TestVisitReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void report();
    void draft();
    void frozenReprint();
    void check_data();
    void check();
    void visitsCsv();

private:
    // The unit's open visit (started by the first test that needs one, whichever runs).
    int openVisit();

    QTemporaryDir m_dir;
    DbManager m_db{QStringLiteral("tst")};
    VisitStore m_store;
    int m_previous = 0;
    int m_visit = 0;
};

// Two visits of one unit: the first leaves capacity 17, someone sets 24 before the second,
// which changes it to 40; a battery is 60 days from its due date.
void TestVisitReport::initTestCase()
{
    buildOptionLists();
    initFaultTextTables();
    QVERIFY(m_db.openDatabase(m_dir.path()));
    createStoreTables(m_db);
    m_store = VisitStore(m_db.database());
    Site site;
    site.name = QStringLiteral("Galeria <Północ> & Co");
    Unit unit;
    unit.siteId = m_store.saveSite(site);
    unit.label = QStringLiteral("Centrala oddymiania — klatka A");
    unit.serialNumber = QStringLiteral("OS-2231");
    unit.id = m_store.saveUnit(unit);

    Visit previous;
    previous.unitId = unit.id;
    previous.started = QDateTime(QDate(2025, 3, 1), QTime(9, 0));
    previous.id = m_previous = m_store.startVisit(previous);
    m_store.linkRecord(previous.id, RecordRole::ConfigAfter,
                       m_db.writeConfig("a", configuration(17)));
    QVERIFY2(m_store.closeVisit(previous.id, Verdict::Working, "", "", QDate(), "brak"),
             qPrintable(m_store.lastError()));
    const QDateTime previousEnd = m_store.visit(previous.id).ended;

    Visit visit;
    visit.unitId = unit.id;
    visit.type = VisitType::Repair;
    visit.technician = QStringLiteral("Jan Nowak");
    visit.certificate = QStringLiteral("CNBOP 4711");
    visit.company = QStringLiteral("Serwis PPOŻ");
    visit.started = QDateTime::currentDateTime();
    m_visit = m_store.startVisit(visit);
    QVERIFY2(m_visit != 0, qPrintable(m_store.lastError()));
    m_store.linkRecord(m_visit, RecordRole::ConfigBefore, m_db.writeConfig("b", configuration(24)));
    m_store.linkRecord(m_visit, RecordRole::ConfigAfter, m_db.writeConfig("c", configuration(40)));
    m_store.linkRecord(m_visit, RecordRole::FaultsArrival,
                       m_db.writeFaults("f", QByteArray::fromHex("01E001040000010000")));
    m_store.linkRecord(m_visit, RecordRole::FaultsDeparture, m_db.writeFaults("g", "\x00"));
    m_store.linkRecord(m_visit, RecordRole::Software,
                       m_db.writeSoftwareVersions("s", QByteArray::fromHex("E001231234")));
    // One fault before the previous visit that is still active, then 400 entries since.
    QByteArray log = eventRecord(previousEnd.addDays(-10), 0x03, 0xE1);
    for (int i = 0; i < 400; ++i)
        log += eventRecord(previousEnd.addSecs(3600 * (i + 1)), i % 2 ? 0x80 : 0x00, 0xE1);
    m_store.linkRecord(m_visit, RecordRole::EventLog, m_db.writeLog("l", log));
    m_store.setClock(m_visit, 75, true);

    Konfiguracja config;
    config.parse(configuration(40), Konfiguracja::FromDatabase);
    QList<CheckRow> checks = buildChecklist(config);
    CheckRow &charger = *std::find_if(checks.begin(), checks.end(), [](const CheckRow &row) {
        return row.item == QStringLiteral("Ładowarka akumulatorów");
    });
    charger.measured = QStringLiteral("27,1 V");
    charger.result = CheckResult::Fault;
    charger.remark = QStringLiteral("=HYPERLINK(\"x\")");
    QVERIFY(m_store.setChecks(m_visit, checks));
    BatteryRow battery;
    battery.visitId = m_visit;
    battery.make = QStringLiteral("Yuasa NP17-12");
    battery.capacityAh = 17;
    battery.installed = QDate::currentDate().addYears(-4).addDays(60);
    battery.voltage = 13.2;
    QVERIFY(m_store.saveBattery(battery));
    // The short id as a colleague's store could carry it.
    QVERIFY(QSqlQuery(m_db.database())
                    .exec("UPDATE WIZYTY SET uid = '=1+1/../x' WHERE id = "
                          + QString::number(m_visit)));
    QVERIFY(m_store.closeVisit(m_visit, Verdict::WorkingWithRemarks, "Wymieniono bezpiecznik",
                               "Wymienić akumulatory", QDate()));
}

// The report as printed (with and without the register), read back from the PDF; and the
// checks as CSV.
void TestVisitReport::report()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is not installed");
    const Visit visit = m_store.visit(m_visit);
    for (bool withRegister : {false, true}) {
        const VisitReport::Document document =
                VisitReport::document(m_store, m_visit, withRegister);
        const QString html = document.html;
        const QString pdf = m_dir.filePath(QStringLiteral("r%1.pdf").arg(withRegister));
        const QString footer = "SHA-256: " + m_store.frozenProtocol(m_visit).digest;
        QCOMPARE(document.footer, footer);
        QVERIFY(ProtocolPrint::writePdf(document, pdf));
        const QString text = pdfText(pdf);
        const int pages = text.count(QChar('\f'));
        QVERIFY(pages >= (withRegister ? 3 : 2));
        // Every page carries the digest and its number out of the total, the sliced register
        // as well as the rest.
        QCOMPARE(text.count(footer), pages);
        for (int page = 1; page <= pages; ++page)
            QVERIFY2(text.contains(QStringLiteral("strona %1 z %2").arg(page).arg(pages)),
                     qPrintable(QString::number(page)));
        // Cells wrap wherever the layout puts them: compared without white space.
        const auto flat = [](QString t) {
            return t.replace("ﬁ", "fi").replace("ﬂ", "fl").remove(QRegularExpression("\\s"));
        };
        const QString printed = flat(text);
        QCOMPARE(printed.contains(flat("Załącznik: pełny rejestr zdarzeń")), withRegister);
        // The appendix down to its last entry, with its date.
        QCOMPARE(printed.contains(QRegularExpression("(?<!\\d)401\\d{4}-\\d\\d-\\d\\d")),
                 withRegister);
        for (const QString &expected : {
                     "Protokół serwisowy nr " + visit.reportNumber(), visit.uid,
                     QString("Serwis PPOŻ"), QString("CNBOP 4711"), QString("naprawa"),
                     QString("Galeria <Północ> & Co"), QString("OS-2231"), QString("2.3"),
                     QString("+75 s"), QString("400 z 401 wpisów"),
                     QString("Skrót SHA-256 w stopce każdej strony obejmuje"),
                     QString("urządzenie dopuszczone do dalszej eksploatacji"),
                     QString("Protokół otrzymałem"),
                     QString("Ładowarka akumulatorów"), QString("27,1 V"), QString("usterka"),
                     QString("(wymiana w ciągu 90 dni)"), QString("sprawna z uwagami"),
                     QString("Pieczęć firmy")})
            QVERIFY2(printed.contains(flat(expected)), qPrintable(expected));
        // Found at arrival and gone at departure.
        QVERIFY(html.section("Stwierdzone przy przyjeździe i usunięte", 1)
                        .section("Pozostające przy odjeździe", 0, 0)
                        .contains("Akumulator został odłączony"));
        // Still active according to the log: the old fault; the mains faults were removed.
        const QString active = html.section("Uszkodzenia aktywne według rejestru", 1)
                                       .section("<H3>", 0, 0);
        QVERIFY(active.contains("Brak podłączonych akumulatorów"));
        QVERIFY(!active.contains("Brak napięcia sieciowego"));
        // 17 after the previous visit, 24 at arrival, 40 at departure.
        const QString during = html.section("Zmiany konfiguracji podczas wizyty", 1);
        const QString since = during.section("Zmiany konfiguracji od poprzedniej wizyty", 1);
        QVERIFY(during.section("<H3>", 0, 0).contains(
                "Pojemność Akumulatorów</td><td> 24</td><td> 40</td>"));
        QVERIFY(since.section("<H3>", 0, 0).contains(
                "Pojemność Akumulatorów</td><td> 17</td><td> 24</td>"));
    }

    const QList<QByteArray> csv = VisitReport::checksCsv(m_store, m_visit).split('\n');
    QCOMPARE(csv.size(), m_store.checks(m_visit).size() + 2); // header, rows, empty tail
    const auto charger = std::find_if(csv.begin(), csv.end(), [](const QByteArray &line) {
        return line.contains("PSB 1;Ładowarka akumulatorów;");
    });
    QVERIFY(charger != csv.end() && charger->contains(";\"'=HYPERLINK(\"\"x\"\")\"\r"));
}

int TestVisitReport::openVisit()
{
    if (const int open = m_store.openVisits().value(0).id)
        return open;
    Visit open;
    open.unitId = m_store.visit(m_visit).unitId;
    open.id = m_store.startVisit(open);
    m_store.setChecks(open.id, m_store.checks(m_visit));
    return open.id;
}

// An open visit's PDF is a draft on every page and carries no digest anywhere.
void TestVisitReport::draft()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is not installed");
    Visit open;
    open.id = openVisit();
    const QString pdf = m_dir.filePath(QStringLiteral("draft.pdf"));
    QVERIFY(ProtocolPrint::writePdf(VisitReport::document(m_store, open.id), pdf));
    const QString text = pdfText(pdf);
    const int pages = text.count(QChar('\f'));
    QVERIFY(pages >= 2);
    QCOMPARE(text.count("PROJEKT — przegląd otwarty"), pages + 1); // and under the heading
    QVERIFY(!text.contains("SHA-256"));
    QVERIFY(ProtocolFile::pdfTitle(fileBytes(pdf)).contains(
            m_store.visit(open.id).reportNumber()));
    QVERIFY(VisitReport::digestInTitle(ProtocolFile::pdfTitle(fileBytes(pdf))).isEmpty());
}

// A closed protocol reprints as it was issued whatever changes later: the site, the unit, the
// settings, the checklist templates, a correction of another visit, the program's language.
void TestVisitReport::frozenReprint()
{
    const VisitReport::Document issued = VisitReport::document(m_store, m_visit);
    const FrozenProtocol previous = m_store.frozenProtocol(m_previous);
    QCOMPARE(VisitReport::digestOf(issued.html), issued.digest);
    const QString before = m_dir.filePath(QStringLiteral("before.pdf"));
    QVERIFY(ProtocolPrint::writePdf(issued, before));

    const Visit visit = m_store.visit(m_visit);
    Unit unit = m_store.unit(visit.unitId);
    Site site = m_store.site(unit.siteId);
    site.owner = QStringLiteral("Nowy zarządca");
    unit.serialNumber = QStringLiteral("OS-9999");
    QVERIFY(m_store.saveSite(site) && m_store.saveUnit(unit));
    QVERIFY(m_store.setBatteryLifeYears(9));
    QList<CheckTemplateRow> power = m_store.checkTemplates("power");
    power[1].item = QStringLiteral("Ładowarka");
    QVERIFY(m_store.saveCheckTemplates("power", power));
    QVERIFY(m_store.setUnitDetail(unit.id, UnitDetail::Maker, QStringLiteral("Inny")));
    const int correction = m_store.startCorrection(m_previous, QStringLiteral("zła data"));
    QVERIFY(m_store.closeVisit(correction, Verdict::NotWorking, "", "", QDate(), "brak"));
    QVERIFY(VisitReport::toHtml(m_store, correction)
                    .contains(QStringLiteral("koryguje protokół %1 (powód: zła data)")
                                      .arg(m_store.visit(m_previous).reportNumber())));
    QTranslator english;
    QVERIFY(english.load(QStringLiteral("konfigurator_en"),
                         QCoreApplication::applicationDirPath()));
    QCoreApplication::installTranslator(&english);
    QLocale::setDefault(QLocale(QLocale::English));

    const VisitReport::Document reprint = VisitReport::document(m_store, m_visit);
    QCOMPARE(reprint.html, issued.html);
    QCOMPARE(reprint.digest, issued.digest);
    QCOMPARE(reprint.footer, issued.footer);
    QCOMPARE(m_store.frozenProtocol(m_previous).html, previous.html);
    QCOMPARE(m_store.frozenProtocol(m_previous).digest, previous.digest);
    QCOMPARE(m_store.visit(m_previous).supersededBy, correction);
    const QString after = m_dir.filePath(QStringLiteral("after.pdf"));
    QVERIFY(ProtocolPrint::writePdf(reprint, after));
    QCoreApplication::removeTranslator(&english);
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QVERIFY(ProtocolFile::samePdf(fileBytes(before), fileBytes(after)));
}

// "Sprawdź protokół": the issued file and its digest are recognised; an edited file, an open
// visit's draft and digests nobody issued are not.
void TestVisitReport::check_data()
{
    QTest::addColumn<QString>("input"); // a PDF: "issued", "edited", "draft"; else a digest
    QTest::addColumn<int>("outcome");

    const QString digest = m_store.frozenProtocol(m_visit).digest;
    QTest::newRow("issued PDF") << "issued" << int(ProtocolPrint::CheckResult::Match);
    QTest::newRow("edited PDF") << "edited" << int(ProtocolPrint::CheckResult::Mismatch);
    QTest::newRow("draft PDF") << "draft" << int(ProtocolPrint::CheckResult::NoDigest);
    QTest::newRow("digest as printed") << "SHA-256: " + digest.toUpper()
                                       << int(ProtocolPrint::CheckResult::Match);
    QTest::newRow("digest nobody issued") << QString(digest).replace(0, 1, digest.at(0) == '0'
                                                                            ? "1" : "0")
                                          << int(ProtocolPrint::CheckResult::UnknownDigest);
    QTest::newRow("not a digest") << digest.left(40) << int(ProtocolPrint::CheckResult::NoDigest);
}

void TestVisitReport::check()
{
    QFETCH(QString, input);
    QFETCH(int, outcome);
    ProtocolPrint::CheckResult result;
    if (input == "issued" || input == "edited" || input == "draft") {
        const QString pdf = m_dir.filePath(input + ".pdf");
        const int visit = input == "draft" ? openVisit() : m_visit;
        QVERIFY(visit != 0);
        QVERIFY(ProtocolPrint::writePdf(VisitReport::document(m_store, visit), pdf));
        if (input == "edited") {
            // One byte of the page content changed, as an editor would change a figure.
            QByteArray bytes = fileBytes(pdf);
            const int stream = bytes.indexOf("stream\n", bytes.indexOf("/Contents")) + 40;
            bytes[stream] = char(bytes.at(stream) ^ 0x20);
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        result = ProtocolPrint::checkPdf(m_store, pdf);
    } else {
        result = ProtocolPrint::checkDigest(m_store, input);
    }
    QVERIFY2(int(result.outcome) == outcome, qPrintable(result.message));
    if (outcome == int(ProtocolPrint::CheckResult::Match) || input == "edited") {
        QCOMPARE(result.visitId, m_visit);
        QVERIFY(result.message.contains(m_store.visit(m_visit).reportNumber()));
    }
}

// A uid that came from a colleague's store is text like any other: neutralised in the visits'
// CSV and kept out of the file name's path.
void TestVisitReport::visitsCsv()
{
    const int open = openVisit();
    QSqlQuery query(m_db.database());
    QVERIFY(query.exec(QStringLiteral("UPDATE WIZYTY SET uid='=1+1/../x' WHERE id=%1").arg(open)));
    const QList<QByteArray> rows = VisitReport::visitsCsv(m_store, {m_visit, open}).split('\n');
    QCOMPARE(rows.size(), 4); // header, two visits, empty tail
    QVERIFY(rows.at(2).contains(";'=1+1/../x;"));
    QVERIFY(rows.at(1).contains(m_store.frozenProtocol(m_visit).digest.toUtf8()));
    QVERIFY(!VisitReport::fileBaseName(m_store, open).contains('/'));
}

QTEST_MAIN(TestVisitReport)
#include "tst_visitreport.moc"
