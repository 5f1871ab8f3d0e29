// ctest-labels: trust
// Printing reports: a long register reaches the PDF whole at every logical DPI, by every path
// (plain, with "strona X z Y", a page range), on pages cut between rows with the header row on
// each; a cancelled or failed export leaves no file; a preview too long to draw offers the PDF
// instead; a name full of markup prints as text, with the whole report after it.
// The logical DPI is fixed when a program starts (QT_FONT_DPI), so each DPI prints in a child
// run of this program.
#include "fakedialogs.h"
#include "teststore.h"

#include "config/konfiguracja.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "gui/reportdialogs.h"
#include "gui/reportprinter.h"
#include "records/pamietnik.h"
#include "records/softwareversions.h"
#include "records/uszkodzenia.h"
#include "store/dbmanager.h"
#include "visits/visitreport.h"
#include "visits/visitstore.h"

#include <QApplication>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include "teststore.h"

#include <QtTest>

namespace {

// An event register of the given size, with the unit's sources and codes mixed.
QByteArray registerData(int entries)
{
    static const quint8 sources[] = {0x00, 0xE1, 0xF0, 0x50, 0x57, 0x80, 0xA0, 0x91};
    QRandomGenerator random(11);
    QByteArray data;
    QDateTime when(QDate(2021, 3, 1), QTime(8, 0));
    for (int i = 0; i < entries; ++i) {
        when = when.addSecs(60 + random.bounded(5000));
        const QDate d = when.date();
        const QTime t = when.time();
        data.append(char(d.year() - 2000)).append(char(d.month())).append(char(d.day()));
        data.append(char(t.hour())).append(char(t.minute())).append(char(t.second()));
        data.append(char(random.bounded(35) | (random.bounded(3) == 0 ? 0x80 : 0)));
        data.append(char(sources[random.bounded(int(sizeof sources))]));
    }
    return data;
}

QString registerReport(int entries)
{
    Pamietnik log;
    log.parse(registerData(entries));
    log.name = QStringLiteral("L_test");
    return log.toHtml();
}

// A table like the register's whose cells wrap to one to many lines, so that rows of every
// height meet the page bottom at every position.
QString mixedReport(int rows)
{
    QRandomGenerator random(5);
    static const char *words[] = {"linia", "zasilacz", "USUNIĘTE", "przekaźnik", "&amp;", "LS2",
                                  "uszkodzenie", "Wyjście", "akumulatora", "–"};
    QString html = QStringLiteral("<html><head></head><body><H2>Raport</H2>"
                                  "<table BORDER='1'style=\"background-color:white\" "
                                  "cellpadding='2' cellspacing='0' width = '600'>"
                                  "<tr><th width = '35'>Id</th><th width = '120'>A</th> "
                                  "<th width = '50'>B</th><th>C</th></tr>");
    for (int r = 1; r <= rows; ++r) {
        html += QStringLiteral("<tr><td> %1</td>").arg(r);
        for (int c = 0; c < 3; ++c) {
            QString text;
            const int count = random.bounded(c == 2 ? 30 : 4) + 1;
            for (int w = 0; w < count; ++w)
                text += QLatin1Char(' ') + QLatin1String(words[random.bounded(10)]);
            html += QStringLiteral("<td>") + text + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table ></body></html>");
}

constexpr int Entries = 1000;
const char *const Footer = "SHA-256: 0123abcd";

// The child run: prints one report by one path.
int printReport(const QString &path, const QString &fileName)
{
    initFaultTextTables();
    const QString html = path == QLatin1String("mixed") ? mixedReport(400)
                                                         : registerReport(Entries);
    if (path == QLatin1String("footer"))
        return ReportPrinter::writePdf(html, fileName, {QString::fromLatin1(Footer), true}) ? 0
                                                                                             : 1;
    if (path == QLatin1String("range")) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
        printer.setFromTo(3, 9999);
        return ReportPrinter::print(html, &printer) ? 0 : 1;
    }
    return ReportPrinter::writePdf(html, fileName) ? 0 : 1;
}

QString run(const QString &program, const QStringList &arguments,
            const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(300000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page, as pdftotext lays it out.
QStringList pageTexts(const QString &pdf)
{
    QStringList pages =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                    .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QString flat(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

} // namespace

class tst_ReportPrinter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void wholeOnEveryPath_data();
    void wholeOnEveryPath();
    void cancelledOrFailedExportLeavesNoFile();
    void longPreviewOffersPdf_data();
    void longPreviewOffersPdf();
    void namesAreText_data();
    void namesAreText();

private:
    QTemporaryDir m_dir;
};

void tst_ReportPrinter::initTestCase()
{
    QVERIFY(m_dir.isValid());
    initFaultTextTables();
    buildOptionLists();
    for (const char *tool : {"pdftotext", "pdfinfo"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP("poppler-utils are needed");
    }
}

void tst_ReportPrinter::wholeOnEveryPath_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QString>("path");
    for (int dpi : {96, 100, 120, 125, 144})
        QTest::addRow("register at %d dpi", dpi) << dpi << QStringLiteral("pdf");
    QTest::newRow("register with its page total") << 100 << QStringLiteral("footer");
    QTest::newRow("register from page 3 on") << 144 << QStringLiteral("range");
    QTest::newRow("rows of one to many lines") << 100 << QStringLiteral("mixed");
}

// Every row once, in order, never split over two pages: each page opens with the header row
// and then the first line of a row; every page carries its number (out of the total).
void tst_ReportPrinter::wholeOnEveryPath()
{
    QFETCH(int, dpi);
    QFETCH(QString, path);
    const QString pdf = m_dir.filePath(QStringLiteral("%1-%2.pdf").arg(path).arg(dpi));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_FONT_DPI"), QString::number(dpi));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    run(QCoreApplication::applicationFilePath(), {QStringLiteral("--print"), path, pdf},
        environment);
    const QStringList pages = pageTexts(pdf);
    QVERIFY2(pages.size() > 3, qPrintable(QString::number(pages.size())));

    const bool mixed = path == QLatin1String("mixed");
    const int firstPage = path == QLatin1String("range") ? 3 : 1;
    const QRegularExpression header(mixed ? QStringLiteral("^ *Id +A +B +C *$")
                                          : QStringLiteral("^ *Id +Data +Moduł +Zdarzenie *$"));
    // A row's first line: its whole number, and in the register the date and time together.
    const QRegularExpression rowStart(mixed ? QStringLiteral("^ {0,4}(\\d+) ")
                                            : QStringLiteral("^ *(\\d+) +\\d{4}-\\d{2}-\\d{2} "
                                                             "\\d{2}:\\d{2}:\\d{2} "));
    int last = 0;
    int firstId = 0;
    for (int page = 0; page < pages.size(); ++page) {
        const QStringList lines = pages.at(page).split(QLatin1Char('\n'));
        const int top = lines.indexOf(header);
        QVERIFY2(top >= 0, qPrintable(pages.at(page).left(300)));
        int body = top + 1;
        while (body < lines.size() && lines.at(body).trimmed().isEmpty())
            ++body;
        QVERIFY2(body < lines.size() && rowStart.match(lines.at(body)).hasMatch(),
                 qPrintable(QStringLiteral("page %1: %2").arg(page).arg(lines.value(body))));
        for (int l = body; l < lines.size(); ++l) {
            const QRegularExpressionMatch row = rowStart.match(lines.at(l));
            if (!row.hasMatch())
                continue;
            const int id = row.captured(1).toInt();
            if (last == 0)
                firstId = id;
            QVERIFY2(last == 0 || id == last + 1,
                     qPrintable(QStringLiteral("%1 after %2").arg(id).arg(last)));
            last = id;
        }
        const QString foot = pages.at(page).trimmed().section(QLatin1Char('\n'), -1).simplified();
        const QString number = QString::number(firstPage + page);
        if (path == QLatin1String("footer"))
            QCOMPARE(foot, QStringLiteral("%1 strona %2 z %3")
                                   .arg(QLatin1String(Footer), number)
                                   .arg(pages.size()));
        else
            QCOMPARE(foot, number);
    }
    QCOMPARE(last, mixed ? 400 : Entries);
    QVERIFY(firstId == 1 || firstPage > 1);
}

void tst_ReportPrinter::cancelledOrFailedExportLeavesNoFile()
{
    QWidget window;
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString pdf = m_dir.filePath(QStringLiteral("cancelled.pdf"));

    bool seen = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, &window, [&window, &seen] {
        auto *progress = window.findChild<QProgressDialog *>();
        if (progress && progress->isVisible() && progress->windowModality() == Qt::WindowModal) {
            seen = true;
            progress->cancel();
        }
    });
    poll.start();
    QVERIFY(!ReportPrinter::writePdf(registerReport(20000), pdf, &window));
    QVERIFY2(seen, "no progress was shown");
    QVERIFY(!QFileInfo::exists(pdf));
    QVERIFY(ReportPrinter::lastError().isEmpty());

    const QString nowhere = m_dir.filePath(QStringLiteral("no-such-folder/r.pdf"));
    QVERIFY(!ReportPrinter::writePdf(registerReport(5), nowhere));
    QVERIFY(!ReportPrinter::lastError().isEmpty());
    QVERIFY(!QFileInfo::exists(nowhere));
}

void tst_ReportPrinter::longPreviewOffersPdf_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("written");
    const QString question = QStringLiteral("question|Podgląd wydruku");
    QTest::newRow("short: the preview") << 700 << int(QMessageBox::Yes)
                                        << QStringList{"exec|QPrintPreviewDialog"} << false;
    QTest::newRow("long: the PDF instead") << 20000 << int(QMessageBox::Yes)
                                           << QStringList{question, "save|Eksport PDF"} << true;
    QTest::newRow("long: cancelled") << 20000 << int(QMessageBox::Cancel) << QStringList{question}
                                     << false;
}

void tst_ReportPrinter::longPreviewOffersPdf()
{
    QFETCH(int, entries);
    QFETCH(int, answer);
    QFETCH(QStringList, shown);
    QFETCH(bool, written);
    FakeDialogs dialogs{QMessageBox::StandardButton(answer)};
    const QString pdf = m_dir.filePath(QStringLiteral("preview-%1.pdf").arg(QTest::currentDataTag()));
    dialogs.files.enqueue(pdf);
    QWidget window;
    ReportPrinter::printPreview(&window, registerReport(entries));
    QStringList lines;
    for (const ShownDialog &dialog : qAsConst(dialogs.shown))
        lines << dialog.kind + QLatin1Char('|') + dialog.title;
    QCOMPARE(lines, shown);
    QCOMPARE(QFileInfo::exists(pdf), written);
}

namespace {
const QString Markup = QStringLiteral("A <!-- B & \"C\" 'D' <span style=\"font-size:40pt\">E</span> <b");
} // namespace

void tst_ReportPrinter::namesAreText_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("content"); // what must follow the name
    QTest::addColumn<int>("lastEntry");       // the register's last row, when it has one
    Konfiguracja config(Markup, nullptr);
    QTest::newRow("configuration")
            << config.toHtml() << QStringList{"Moduł: PSB", "Pojemność Akumulatorów"} << 0;
    Pamietnik log;
    log.parse(registerData(400));
    log.name = Markup;
    QTest::newRow("event register") << log.toHtml() << QStringList{"Zdarzenie"} << 400;
    Uszkodzenia faults;
    faults.parse(QByteArray::fromHex("01E001040000010000"));
    faults.name = Markup;
    QTest::newRow("faults") << faults.toHtml() << QStringList{"Moduł: PSB"} << 0;
    QTest::newRow("software versions")
            << SoftwareVersions::toHtml(QByteArray::fromHex("E001231234"), Markup)
            << QStringList{"1234"} << 0;

    QTemporaryDir dir;
    DbManager db(QStringLiteral("markup"));
    db.openDatabase(dir.path());
    initStoreTables(db);
    VisitStore store(db.database());
    Site site;
    site.name = Markup;
    Unit unit;
    unit.siteId = store.saveSite(site);
    unit.label = Markup;
    unit.id = store.saveUnit(unit);
    Visit visit;
    visit.unitId = unit.id;
    visit.technician = Markup;
    visit.started = QDateTime(QDate(2025, 3, 1), QTime(9, 0));
    visit.id = store.startVisit(visit);
    store.linkRecord(visit.id, RecordRole::EventLog, db.writeLog(Markup, registerData(400)));
    QTest::newRow("service report") << VisitReport::toHtml(store, visit.id, true)
                                    << QStringList{"Protokół otrzymałem"} << 400;
}

// The name appears as written; the report's content follows it (pdftotext, blanks ignored).
void tst_ReportPrinter::namesAreText()
{
    QFETCH(QString, html);
    QFETCH(QStringList, content);
    QFETCH(int, lastEntry);
    const QString pdf = m_dir.filePath(QStringLiteral("markup.pdf"));
    QVERIFY(ReportPrinter::writePdf(html, pdf));
    const QString text = pageTexts(pdf).join(QLatin1Char('\n'));
    const QString printed = flat(text);
    const int at = printed.indexOf(flat(Markup));
    QVERIFY2(at >= 0, qPrintable(printed.left(300)));
    for (const QString &expected : content)
        QVERIFY2(printed.indexOf(flat(expected), at) > at, qPrintable(expected));
    if (lastEntry > 0)
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("^ *%1 +\\d{4}-").arg(lastEntry),
                                                 QRegularExpression::MultilineOption)));
}

int main(int argc, char *argv[])
{
    // No Qt::AA_Use96Dpi here, unlike QTEST_MAIN: the reports print at the platform's own
    // logical DPI, or at the one QT_FONT_DPI gives.
    QApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--print")
        return printReport(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    tst_ReportPrinter test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_reportprinter.moc"
