// Printing reports: a long table must come out whole and look as the single text document
// prints it, and a long export can be cancelled without leaving a file behind.

#include "config/modulefactory.h"
#include "gui/reportprinter.h"
#include "records/pamietnik.h"

#include <QDir>
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

QStringList g_printerMessages;

void collectMessages(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.startsWith(QLatin1String("ReportPrinter:")))
        g_printerMessages.append(message);
}

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

bool printSingleDocument(const QString &html, const QString &fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setHtml(html);
    document.print(&printer);
    return QFileInfo::exists(fileName);
}

QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return QString();
    if (exitCode)
        *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

int pageCount(const QString &pdf)
{
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Renders both PDFs and returns the pages whose pixels differ.
QStringList differingPages(const QString &a, const QString &b, const QString &dir)
{
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"),
                                     QStringLiteral("-gray"), a, dir + QStringLiteral("/a")});
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"),
                                     QStringLiteral("-gray"), b, dir + QStringLiteral("/b")});
    QStringList differing;
    const QStringList pages =
            QDir(dir).entryList({QStringLiteral("a-*.pgm")}, QDir::Files, QDir::Name);
    for (const QString &page : pages) {
        const QString other = dir + QStringLiteral("/b") + page.mid(1);
        int exitCode = -1;
        const QString pixels = run(QStringLiteral("compare"),
                                   {QStringLiteral("-metric"), QStringLiteral("AE"),
                                    dir + QLatin1Char('/') + page, other,
                                    QStringLiteral("null:")},
                                   &exitCode);
        if (exitCode != 0 || pixels.trimmed() != QLatin1String("0"))
            differing.append(page + QLatin1Char(' ') + pixels.trimmed());
    }
    return differing;
}

} // namespace

class tst_ReportPrinter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void looksAsOneDocument_data();
    void looksAsOneDocument();
    void largeRegisterKeepsEveryRow();
    void cancelledExportLeavesNoFile();

private:
    QTemporaryDir m_dir;
};

void tst_ReportPrinter::initTestCase()
{
    QVERIFY(m_dir.isValid());
    initFaultTextTables();
    qInstallMessageHandler(collectMessages);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("compare")).isEmpty())
        QSKIP("pdftoppm and ImageMagick's compare are needed");
}

void tst_ReportPrinter::init()
{
    g_printerMessages.clear();
}

void tst_ReportPrinter::looksAsOneDocument_data()
{
    QTest::addColumn<QString>("html");
    QTest::newRow("event register") << registerReport(700);
    QTest::newRow("rows of one to many lines") << mixedReport(450);
}

// Small enough for the single document to print correctly: the pages must be the same pixels.
void tst_ReportPrinter::looksAsOneDocument()
{
    QFETCH(QString, html);
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_');
    const QString fast = m_dir.filePath(tag + QStringLiteral("-fast.pdf"));
    const QString whole = m_dir.filePath(tag + QStringLiteral("-whole.pdf"));
    QVERIFY(ReportPrinter::writePdf(html, fast));
    // The long table went the fast way, not back through the single document.
    QVERIFY2(g_printerMessages.isEmpty(), qPrintable(g_printerMessages.join('\n')));
    QVERIFY(printSingleDocument(html, whole));

    const int pages = pageCount(whole);
    QVERIFY(pages > 10);
    QCOMPARE(pageCount(fast), pages);
    const QString pixels = m_dir.filePath(tag);
    QVERIFY(QDir().mkpath(pixels));
    const QStringList differing = differingPages(fast, whole, pixels);
    QVERIFY2(differing.isEmpty(), qPrintable(differing.join('\n')));
}

// Past about 2,400 pages the single document's layout overflows and prints one empty page;
// the register must come out with every row, in order, on numbered pages.
void tst_ReportPrinter::largeRegisterKeepsEveryRow()
{
    const int entries = 56000;
    const QString pdf = m_dir.filePath(QStringLiteral("large.pdf"));
    QVERIFY(ReportPrinter::writePdf(registerReport(entries), pdf));
    QVERIFY2(g_printerMessages.isEmpty(), qPrintable(g_printerMessages.join('\n')));
    const int pages = pageCount(pdf);
    QVERIFY2(pages > 2450, qPrintable(QString::number(pages)));

    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf,
                                                           QStringLiteral("-")});
    QVERIFY(text.contains(QLatin1String("Zdarzenia Ostrel: L_test")));
    // Each page ends with its number; the first column's numbers run 1 to the last entry.
    const QStringList pageTexts = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pageTexts.size(), pages);
    QCOMPARE(pageTexts.last().trimmed().section(QLatin1Char('\n'), -1).trimmed(),
             QString::number(pages));
    const QRegularExpression rowStart(QStringLiteral("^\\s*(\\d+)\\s+\\d{4}-\\d{2}-\\d{2}"),
                                      QRegularExpression::MultilineOption);
    // Every row starts a text line with its number and date; a number split over two lines by
    // its narrow column shows its first digits.
    QStringList ids;
    for (auto it = rowStart.globalMatch(text); it.hasNext();)
        ids.append(it.next().captured(1));
    QCOMPARE(ids.size(), entries);
    QCOMPARE(ids.first(), QStringLiteral("1"));
    QVERIFY2(QString::number(entries).startsWith(ids.last()), qPrintable(ids.last()));
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

QTEST_MAIN(tst_ReportPrinter)
#include "tst_reportprinter.moc"
