// ctest-labels: visit
#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"
#include "gui/reportprinter.h"
#include "store/dbmanager.h"
#include "visits/checklist.h"
#include "visits/visitreport.h"
#include "visits/visitstore.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
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

private:
    QTemporaryDir m_dir;
    DbManager m_db{QStringLiteral("tst")};
    VisitStore m_store;
    int m_visit = 0;
};

// Two visits of one unit: the first leaves capacity 17, someone sets 24 before the second,
// which changes it to 40; a battery is 60 days from its due date.
void TestVisitReport::initTestCase()
{
    buildOptionLists();
    initFaultTextTables();
    QVERIFY(m_db.openDatabase(m_dir.path()));
    m_db.initTables();
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
    previous.id = m_store.startVisit(previous);
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
    checks[1].measured = QStringLiteral("27,1 V");
    checks[1].result = CheckResult::Fault;
    checks[1].remark = QStringLiteral("=HYPERLINK(\"x\")");
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
        const QString html = VisitReport::toHtml(m_store, m_visit, withRegister);
        const QString pdf = m_dir.filePath(QStringLiteral("r%1.pdf").arg(withRegister));
        const QString footer = VisitReport::footerText(html);
        QVERIFY(ReportPrinter::writePdf(html, pdf, {footer, true}));
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
        for (const QString &expected : {
                     "Protokół serwisowy nr " + visit.reportNumber(), visit.uid,
                     QString("Serwis PPOŻ"), QString("CNBOP 4711"), QString("naprawa"),
                     QString("Galeria <Północ> & Co"), QString("OS-2231"), QString("2.3"),
                     QString("+75 s"), QString("400 z 401 wpisów"),
                     QString("Akumulator został odłączony"), QString("brak uszkodzeń"),
                     QString("Ładowarka akumulatorów"), QString("27,1 V"), QString("usterka"),
                     QString("(wymiana w ciągu 90 dni)"), QString("sprawna z uwagami"),
                     QString("Podpis technika"), QString("Podpis klienta")})
            QVERIFY2(printed.contains(flat(expected)), qPrintable(expected));
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
    QVERIFY(csv.at(2).contains(";\"'=HYPERLINK(\"\"x\"\")\"\r"));
    QVERIFY(csv.at(2).contains("PSB 1;Ładowarka akumulatorów;"));

    // The short id from a colleague's store is a cell and a name, never a formula or a path.
    QVERIFY(VisitReport::checksCsv(m_store, m_visit).split('\n').at(1).contains(";'=1+1/../x;"));
    QCOMPARE(VisitReport::fileBaseName(m_store, m_visit).count('/'), 0);
}

QTEST_MAIN(TestVisitReport)
#include "tst_visitreport.moc"
