// ctest-labels: trust
// Printing reports: a long table must come out whole and look as the single text document
// prints it, page for page, with its header row on every page; a long export can be cancelled
// without leaving a file behind, and a preview too long to draw offers the PDF instead.
#include "fakedialogs.h"

#include "config/modulefactory.h"
#include "gui/reportdialogs.h"
#include "gui/reportprinter.h"
#include "records/pamietnik.h"

#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>
#include <QtTest>

namespace {

// An event register of the given size, with the unit's sources and codes mixed.
QString registerReport(int entries)
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
    Pamietnik log;
    log.parse(data);
    log.name = QStringLiteral("L_test");
    return log.toHtml();
}

// A table like the register's whose cells wrap to one to four lines, so that rows of every
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
            const int count = random.bounded(c == 2 ? 14 : 4) + 1;
            for (int w = 0; w < count; ++w)
                text += QLatin1Char(' ') + QLatin1String(words[random.bounded(10)]);
            html += QStringLiteral("<td>") + text + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table ></body></html>");
}

// Pages from..to of the report as the print dialog's range asks for them; with no range, the
// whole report as the single text document prints it.
bool printPdf(const QString &html, const QString &fileName, int from = 0, int to = 0)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setFromTo(from, to);
    if (from > 0)
        return ReportPrinter::print(html, &printer);
    QTextDocument document;
    ReportPrinter::setUpDocument(&document, html);
    document.print(&printer);
    return QFileInfo::exists(fileName);
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

int pageCount(const QString &pdf)
{
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of each page, as pdftotext lays it out.
QStringList pageTexts(const QString &pdf)
{
    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf,
                                                           QStringLiteral("-")});
    QStringList pages = text.split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

} // namespace

class tst_ReportPrinter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void looksAsOneDocument_data();
    void looksAsOneDocument();
    void printsTheChosenPages();
    void largeRegisterKeepsEveryRow();
    void cancelledExportLeavesNoFile();
    void longPreviewOffersPdf_data();
    void longPreviewOffersPdf();

private:
    QTemporaryDir m_dir;
};

void tst_ReportPrinter::initTestCase()
{
    QVERIFY(m_dir.isValid());
    initFaultTextTables();
    for (const char *tool : {"pdftotext", "pdfinfo"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP("poppler-utils are needed");
    }
}

void tst_ReportPrinter::looksAsOneDocument_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("header");
    const QString registerHeader = QStringLiteral("Id +Data +Moduł +Zdarzenie");
    QTest::newRow("event register of 200, one document") << registerReport(200) << registerHeader;
    QTest::newRow("event register of 3000") << registerReport(3000) << registerHeader;
    QTest::newRow("rows of one to many lines") << mixedReport(450) << QStringLiteral("Id +A +B +C");
}

// Small enough for the single document to print correctly: the same pages, and the same text
// on each as laid out (a row moved, lost or doubled, or a column of another width, shows).
// Every page opens with the table's header row, and the page estimate is close.
void tst_ReportPrinter::looksAsOneDocument()
{
    QFETCH(QString, html);
    QFETCH(QString, header);
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_');
    const QString sliced = m_dir.filePath(tag + QStringLiteral("-sliced.pdf"));
    const QString whole = m_dir.filePath(tag + QStringLiteral("-whole.pdf"));
    QVERIFY(ReportPrinter::writePdf(html, sliced));
    QVERIFY(printPdf(html, whole));

    const int pages = pageCount(whole);
    QVERIFY(pages > 3);
    QCOMPARE(pageCount(sliced), pages);
    QPrinter printer(QPrinter::HighResolution);
    const int estimate = ReportPrinter::estimatedPages(html, &printer);
    QVERIFY2(qAbs(estimate - pages) <= pages / 10 + 1, qPrintable(QString::number(estimate)));
    const QStringList expected = pageTexts(whole);
    const QStringList actual = pageTexts(sliced);
    QCOMPARE(actual.size(), pages);
    const QRegularExpression headerRow(QStringLiteral("^ *") + header,
                                       QRegularExpression::MultilineOption);
    for (int page = 0; page < pages; ++page) {
        QCOMPARE(actual.at(page), expected.at(page));
        QVERIFY2(actual.at(page).contains(headerRow), qPrintable(actual.at(page).left(400)));
    }
}

// A page range from the print dialog gives those pages, numbered as in the whole report.
void tst_ReportPrinter::printsTheChosenPages()
{
    const QString html = registerReport(700);
    const QString all = m_dir.filePath(QStringLiteral("all.pdf"));
    const QString some = m_dir.filePath(QStringLiteral("some.pdf"));
    QVERIFY(ReportPrinter::writePdf(html, all));
    QVERIFY(printPdf(html, some, 9, 21));
    const QStringList whole = pageTexts(all);
    QCOMPARE(pageTexts(some), whole.mid(8, 13));
}

// The single document's layout cannot hold the largest register; the slices must bring out
// every row, in order, on numbered pages. Its first pages and its pages from 2590 on are
// printed: the whole register is laid out either way, and the late pages show the five-digit
// Id column and the header row far into it.
void tst_ReportPrinter::largeRegisterKeepsEveryRow()
{
    const int entries = 255 * 255;
    const QString html = registerReport(entries);
    const QRegularExpression headerRow(QStringLiteral("^ *Id +Data +Moduł +Zdarzenie"),
                                       QRegularExpression::MultilineOption);
    // Every row starts a text line with its whole number (never split by a narrow column) and
    // its date.
    const QRegularExpression rowStart(QStringLiteral("^\\s*(\\d+)\\s+\\d{4}-\\d{2}-\\d{2}"),
                                      QRegularExpression::MultilineOption);
    int lastRow = 0;
    for (const int from : {1, 2590}) {
        const QString pdf = m_dir.filePath(QStringLiteral("large-%1.pdf").arg(from));
        QVERIFY(printPdf(html, pdf, from, from == 1 ? 3 : 9999));
        const QStringList texts = pageTexts(pdf);
        QVERIFY2(texts.size() >= 3, qPrintable(QString::number(texts.size())));
        QCOMPARE(texts.first().contains(QLatin1String("Zdarzenia Ostrel: L_test")), from == 1);
        // Each page opens with the header row and ends with its number.
        for (int page = 0; page < texts.size(); ++page) {
            const QString number =
                    texts.at(page).trimmed().section(QLatin1Char('\n'), -1).trimmed();
            QVERIFY2(number == QString::number(from + page), qPrintable(number));
            QVERIFY2(texts.at(page).contains(headerRow), qPrintable(number));
        }
        int expected = from == 1 ? 0 : -1; // the late pages open on a row counted later
        for (auto it = rowStart.globalMatch(texts.join(QLatin1Char('\f'))); it.hasNext();) {
            const int id = it.next().captured(1).toInt();
            QVERIFY2(expected < 0 || id == expected + 1,
                     qPrintable(QStringLiteral("row %1 shows %2").arg(expected + 1).arg(id)));
            expected = id;
        }
        lastRow = expected;
    }
    QCOMPARE(lastRow, entries);
}

void tst_ReportPrinter::cancelledExportLeavesNoFile()
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

QTEST_MAIN(tst_ReportPrinter)
#include "tst_reportprinter.moc"
