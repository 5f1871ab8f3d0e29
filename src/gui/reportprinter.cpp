#include "reportprinter.h"

#include "backgroundwork.h"
#include "columnfit.h"
#include "pagecutter.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QtMath>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

// Qt's print of one QTextDocument lets a table row's lines run over a page break, grows slow
// with a long table (each page draws the border of the whole table) and paints no text beyond
// about 2^23 device units (page 613 at 1200 dpi). So the report is laid out in documents
// without page breaks: the whole report when it is short, otherwise slices of its last table's
// rows, each slice opening with the table's header rows and its columns fitted to the whole
// table's (columnfit.h). The pages are cut between rows and lines (pagecutter.h); a page is
// painted from one or two such documents, each part translated and clipped.

namespace {

using PageCutter::Cut;
using PageCutter::Page;
using PageCutter::PageSetup;
using PageCutter::Paginator;
using PageCutter::Segment;
using PageCutter::lastTable;
using PageCutter::layOut;
using PageCutter::pageSetup;
using PageCutter::rowEdge;

constexpr int SliceRows = 150; // laid out in a fraction of a second, so Anuluj stays quick
// Rows kept laid out while the pages are counted for "strona X z Y"; later slices are laid out
// once more when they are painted.
constexpr int KeptRows = 70000;
// No single document may grow near the height where Qt stops painting text.
constexpr qreal MaxHeight = 1 << 22;

thread_local QString t_lastError;

constexpr int PdfResolution = 1200; // a high-resolution QPrinter's

int indexOfTag(const QString &html, QLatin1String tag, int from)
{
    for (int i = html.indexOf(tag, from, Qt::CaseInsensitive); i >= 0;
         i = html.indexOf(tag, i + 1, Qt::CaseInsensitive)) {
        const QChar next = html.at(qMin(i + tag.size(), html.size() - 1));
        if (next == QLatin1Char('>') || next.isSpace())
            return i;
    }
    return -1;
}

// Where each row of a table starts, its rows lying between `from` and `end`, and how many rows
// at its top are header rows (rows of <th> cells).
QVector<int> tableRows(const QString &html, int from, int end, int *headerRows)
{
    QVector<int> rows;
    *headerRows = 0;
    for (int row = indexOfTag(html, QLatin1String("<tr"), from); row >= 0 && row < end;) {
        const int next = indexOfTag(html, QLatin1String("<tr"), row + 3);
        const int length = (next < 0 || next > end ? end : next) - row;
        if (rows.size() == *headerRows
            && html.midRef(row, length).contains(QLatin1String("<th"), Qt::CaseInsensitive))
            ++*headerRows;
        rows.append(row);
        row = next;
    }
    return rows;
}

// The report's last table, cut at its rows. Its header rows (those with <th> cells) stay with
// the report's beginning, and every further slice opens with them again.
struct LongTable
{
    QString lead;      // what opens every further slice: the body, table and header rows
    QVector<int> rows; // where each data row starts, then where "</table" starts
    int total() const { return rows.size() - 1; }
};

bool findLongTable(const QString &html, LongTable *table)
{
    const int start = html.lastIndexOf(QLatin1String("<table"), -1, Qt::CaseInsensitive);
    const int end = html.indexOf(QLatin1String("</table"), start, Qt::CaseInsensitive);
    const int tagEnd = html.indexOf(QLatin1Char('>'), start);
    // A spanning cell joins rows, which then could not be carried one by one.
    if (start < 0 || end < 0 || tagEnd < 0 || tagEnd > end
        || html.midRef(tagEnd, end - tagEnd).contains(QLatin1String("rowspan"),
                                                      Qt::CaseInsensitive))
        return false;
    int header = 0;
    table->rows = tableRows(html, tagEnd, end, &header).mid(header);
    if (table->rows.isEmpty())
        return false;
    table->rows.append(end);
    const int body = indexOfTag(html, QLatin1String("<body"), 0);
    const int bodyEnd = body >= 0 && body < start ? html.indexOf(QLatin1Char('>'), body) + 1 : 0;
    table->lead = html.left(bodyEnd) + html.midRef(start, table->rows.first() - start);
    return true;
}

// Per table of the report, how many rows at its top are header rows (rows of <th> cells).
QVector<int> headerRowCounts(const QString &html)
{
    QVector<int> counts;
    for (int start = indexOfTag(html, QLatin1String("<table"), 0); start >= 0;
         start = indexOfTag(html, QLatin1String("<table"), start + 6)) {
        const int end = html.indexOf(QLatin1String("</table"), start, Qt::CaseInsensitive);
        int count = 0;
        tableRows(html, start, end < 0 ? html.size() : end, &count);
        counts.append(count);
    }
    return counts;
}

// One laid-out document of the report and where its pages may be cut.
struct Sheet : PageCutter::Breaks
{
    std::unique_ptr<QTextDocument> document;
    int first = 0; // the long table's rows it holds
    int rows = 0;
};


// What goes at the foot of a page: the bare page number, or a report's footer with "strona X z
// Y" (total 0: the bare number).
struct PageFoot
{
    const ReportPrinter::PageFooter *footer = nullptr;
    int total = 0;
};

void paintFoot(QPainter *painter, const QFont &documentFont, const PageSetup &setup, int number,
               const PageFoot &foot)
{
    QFont font = documentFont;
    // A footer line is read back by people comparing a digest: no "ff" or "fi" ligatures.
    if (foot.footer)
        font.setStyleStrategy(QFont::PreferNoShaping);
    const QPaintDevice *device = painter->device();
    QString text = QString::number(number);
    QString left;
    if (foot.footer) {
        left = foot.footer->text;
        if (foot.footer->pageOfPages && foot.total > 0)
            text = (foot.footer->pageFormat.isEmpty()
                            ? QCoreApplication::translate("ReportPrinter", "strona %1 z %2")
                            : foot.footer->pageFormat)
                           .arg(number)
                           .arg(foot.total);
        else if (!foot.footer->pageOfPages)
            text.clear();
    }
    const qreal leftEdge = setup.margins.x() * setup.scale.x();
    const qreal rightEdge = setup.size.width() - leftEdge;
    // A long footer line (a digest) shrinks until it fits beside the page number.
    for (int step = 0; step < 6 && !left.isEmpty(); ++step) {
        const QFontMetricsF metrics(font, device);
        if (metrics.horizontalAdvance(left + QLatin1String("    ") + text)
            <= rightEdge - leftEdge)
            break;
        // The application sets its font in pixels, a printer's default is in points.
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * 0.85);
        else
            font.setPixelSize(qMax(1, qRound(font.pixelSize() * 0.85)));
    }
    painter->setFont(font);
    const qreal x = rightEdge - painter->fontMetrics().horizontalAdvance(text);
    const qreal y = setup.size.height() - setup.top() + QFontMetrics(documentFont, device).ascent()
            + 5 * device->logicalDpiY() / 72.0;
    painter->drawText(qRound(x), qRound(y), text);
    if (!left.isEmpty())
        painter->drawText(qRound(leftEdge), qRound(y), left);
}

// One report on one device.
class Job
{
public:
    Job(const QString &html, QPagedPaintDevice *device, BackgroundWork::Control *control,
        const ReportPrinter::PageFooter *footer = nullptr)
        : m_html(html), m_device(device), m_control(control), m_setup(pageSetup(device))
    {
        m_foot.footer = footer && !footer->isNull() ? footer : nullptr;
        if (findLongTable(html, &m_table) && m_table.total() > SliceRows)
            m_sheets.resize((m_table.total() + SliceRows - 1) / SliceRows);
        else
            m_sheets.resize(1);
    }

    // Prints pages from..to (to 0: up to the last); false when cancelled or failed.
    bool print(int from, int to, QPrinter *printer)
    {
        if (!fitColumns())
            return false;
        const bool countFirst = m_foot.footer && m_foot.footer->pageOfPages;
        const int last = to > 0 ? to : INT_MAX;
        from = qMax(1, from);
        QPainter painter;
        QVector<Page> pages;
        int handled = 0;
        int kept = 0;
        Paginator paginator(m_setup.bodyHeight());
        for (int i = 0; i < int(m_sheets.size()) && handled < last; ++i) {
            if (!makeSheet(i))
                return false;
            paginator.add(i, m_sheets.at(i), &pages);
            if (i + 1 == int(m_sheets.size()))
                paginator.finish(&pages);
            progress(qreal(i + 1) / m_sheets.size() * (countFirst ? 0.5 : 1));
            if (countFirst) {
                kept += m_sheets.at(i).rows;
                if (kept > KeptRows)
                    m_sheets[i].document.reset();
                continue;
            }
            if (!paint(&painter, pages, &handled, from, last, printer))
                return false;
            release(qMin(paginator.openSheet(i), i));
        }
        if (countFirst) {
            m_foot.total = pages.size();
            if (!paint(&painter, pages, &handled, from, last, printer))
                return false;
        }
        if (!painter.isActive())
            return fail(QCoreApplication::translate(
                        "ReportPrinter", "Raport ma %1 stron; wybrany zakres jest poza nim.")
                                .arg(pages.size()));
        return painter.end();
    }

    // How many pages the report fills.
    int countPages()
    {
        if (!fitColumns())
            return 0;
        QVector<Page> pages;
        Paginator paginator(m_setup.bodyHeight());
        for (int i = 0; i < int(m_sheets.size()); ++i) {
            if (!makeSheet(i))
                return 0;
            paginator.add(i, m_sheets.at(i), &pages);
            m_sheets[i].document.reset();
        }
        paginator.finish(&pages);
        return pages.size();
    }

    QString error() const { return m_error; }

private:
    bool cancelled() const { return m_control->cancelled.load(); }

    void progress(qreal share)
    {
        m_control->report(share);
    }

    bool fitColumns()
    {
        return m_table.rows.isEmpty()
                || ColumnFit::fit(m_html, m_table.rows, m_device, m_setup, m_control->cancelled,
                                  &m_columns);
    }

    bool fail(const QString &error)
    {
        m_error = error;
        return false;
    }

    // Paints the pages not yet handled that fall in the range.
    bool paint(QPainter *painter, const QVector<Page> &pages, int *handled, int from, int last,
               QPrinter *printer)
    {
        for (; *handled < pages.size() && *handled < last; ++*handled) {
            const int number = *handled + 1;
            if (number < from)
                continue;
            const Page &page = pages.at(*handled);
            if (cancelled()) {
                if (printer && painter->isActive())
                    printer->abort();
                return false;
            }
            if ((!painter->isActive() && !painter->begin(m_device))
                || (number > from && !m_device->newPage()))
                return fail(QCoreApplication::translate("ReportPrinter",
                                                        "Nie można rozpocząć wydruku."));
            qreal y = m_setup.top();
            for (const Segment &segment : page) {
                if (!m_sheets.at(segment.sheet).document && !makeSheet(segment.sheet))
                    return false;
                const QTextDocument &document = *m_sheets.at(segment.sheet).document;
                const QRectF view(0, segment.top, m_setup.size.width(),
                                  segment.bottom - segment.top);
                painter->save();
                painter->translate(0, y - segment.top);
                painter->setClipRect(view);
                QAbstractTextDocumentLayout::PaintContext context;
                context.clip = view;
                context.palette.setColor(QPalette::Text, Qt::black);
                document.documentLayout()->draw(painter, context);
                painter->restore();
                y += view.height();
            }
            if (!page.isEmpty())
                paintFoot(painter, m_sheets.at(page.first().sheet).document->defaultFont(),
                          m_setup, number, m_foot);
            if (m_foot.total > 0) {
                progress(0.5 + 0.5 * number / m_foot.total);
                release(page.isEmpty() ? 0 : page.first().sheet);
            }
        }
        return true;
    }

    void release(int before)
    {
        for (int i = 0; i < before; ++i)
            m_sheets[i].document.reset();
    }

    QString sheetHtml(int index) const
    {
        if (m_sheets.size() == 1)
            return m_html;
        const QVector<int> &rows = m_table.rows;
        const int first = index * SliceRows;
        const int count = qMin(SliceRows, m_table.total() - first);
        QString html = first == 0 ? m_html.left(rows.first()) : m_table.lead;
        html += m_html.midRef(rows.at(first), rows.at(first + count) - rows.at(first));
        if (first + count == m_table.total())
            html += m_html.midRef(rows.last());
        else
            html += QLatin1String("</table>");
        return html;
    }

    // Lays sheet `index` out (again), and finds its cuts the first time.
    bool makeSheet(int index)
    {
        if (cancelled())
            return false;
        Sheet &sheet = m_sheets[index];
        sheet.document = std::make_unique<QTextDocument>();
        ReportPrinter::setUpDocument(sheet.document.get(), sheetHtml(index));
        QTextTable *table = lastTable(*sheet.document);
        if (table && !m_columns.isEmpty())
            ColumnFit::setColumns(table, m_columns);
        layOut(sheet.document.get(), m_device, m_setup);
        return !sheet.cuts.isEmpty() || measure(index, table);
    }

    bool measure(int index, const QTextTable *longTable)
    {
        Sheet &sheet = m_sheets[index];
        const QTextDocument &document = *sheet.document;
        const QAbstractTextDocumentLayout *layout = document.documentLayout();
        const qreal scale = m_setup.scale.y();
        sheet.end = layout->documentSize().height();
        if (!(sheet.end < MaxHeight))
            return fail(QCoreApplication::translate(
                    "ReportPrinter", "Raport jest za długi, by go wydrukować w całości."));
        const int band = PageCutter::addCuts(document, scale, &sheet);
        if (m_sheets.size() > 1) {
            // The slice must hold exactly its rows, or a row would be lost or doubled.
            sheet.first = index * SliceRows;
            sheet.rows = qMin(SliceRows, m_table.total() - sheet.first);
            const int header = longTable ? longTable->format().headerRowCount() : 0;
            const bool exact = longTable && longTable->rows() == header + sheet.rows;
            if (exact && index > 0) {
                sheet.start = rowEdge(document, longTable, header, false, scale);
                sheet.cuts.append({sheet.start, band});
            }
            if (exact && index + 1 < int(m_sheets.size()))
                sheet.end = rowEdge(document, longTable, longTable->rows() - 1, true, scale);
            if (!exact || qIsNaN(sheet.start) || qIsNaN(sheet.end) || sheet.end <= sheet.start)
                return fail(QCoreApplication::translate(
                        "ReportPrinter", "Tabeli raportu nie udało się podzielić na strony."));
        }
        std::stable_sort(sheet.cuts.begin(), sheet.cuts.end(),
                         [](const Cut &a, const Cut &b) { return a.y < b.y; });
        return true;
    }

    const QString &m_html;
    QPagedPaintDevice *m_device;
    BackgroundWork::Control *m_control;
    PageSetup m_setup;
    LongTable m_table;
    QVector<QTextLength> m_columns;
    std::vector<Sheet> m_sheets;
    PageFoot m_foot;
    QString m_error;
};

// Runs a print job in the background and keeps its error for lastError().
bool runJob(const std::function<bool(BackgroundWork::Control *, QString *)> &job,
            QWidget *progressParent)
{
    QString error;
    const bool ok = BackgroundWork::run(
            [&](BackgroundWork::Control *control) { return job(control, &error); },
            progressParent,
            QCoreApplication::translate("ReportPrinter", "Przygotowanie wydruku..."));
    t_lastError = ok ? QString() : error;
    return ok;
}

bool printWith(const QString &html, QPrinter *printer, const ReportPrinter::PageFooter *footer,
               QWidget *progressParent)
{
    return runJob(
            [&](BackgroundWork::Control *control, QString *error) {
                Job job(html, printer, control, footer);
                const bool done = job.print(printer->fromPage(), printer->toPage(), printer)
                        && printer->printerState() != QPrinter::Error;
                *error = job.error();
                return done;
            },
            progressParent);
}

} // namespace

namespace ReportPrinter {

bool print(const QString &html, QPrinter *printer, QWidget *progressParent)
{
    return printWith(html, printer, nullptr, progressParent);
}

bool print(const QString &html, QPrinter *printer, const PageFooter &footer,
           QWidget *progressParent)
{
    return printWith(html, printer, &footer, progressParent);
}

QString lastError()
{
    return t_lastError;
}

void setUpDocument(QTextDocument *document, const QString &html)
{
    document->setDocumentMargin(0);
    // Break lines between words only: a number in a narrow column (an event's Id up to 65535)
    // widens its column instead of being split over two lines.
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    document->setDefaultTextOption(option);
    QFont font = document->defaultFont();
    // Latin text needs no shaping: laid out faster, and "fi" stays two letters in the PDF.
    font.setStyleStrategy(QFont::PreferNoShaping);
    document->setDefaultFont(font);
    document->setHtml(html);
    const QVector<int> counts = headerRowCounts(html);
    int i = 0;
    for (QTextFrame *frame : document->rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table || i >= counts.size())
            continue;
        QTextTableFormat format = table->format();
        format.setHeaderRowCount(counts.at(i++));
        table->setFormat(format);
    }
}

int estimatedPages(const QString &html, QPrinter *printer)
{
    // The first rows, laid out as the first slices are, tell the pages per row.
    LongTable table;
    QString sample = html;
    qreal share = 1;
    if (findLongTable(html, &table) && table.total() > 2 * SliceRows) {
        sample = html.left(table.rows.at(2 * SliceRows)) + QLatin1String("</table>");
        share = qreal(2 * SliceRows) / table.total();
    }
    int pages = 0;
    BackgroundWork::run(
            [&](BackgroundWork::Control *control) {
                pages = Job(sample, printer, control).countPages();
                return true;
            },
            nullptr, QString());
    return qCeil(pages / share);
}

bool writePdf(const QString &html, const QString &fileName, QWidget *progressParent)
{
    return writePdf(html, fileName, PageFooter{QString(), false}, progressParent);
}

bool writePdf(const QString &html, const QString &fileName, const PageFooter &footer,
              QWidget *progressParent)
{
    // Written aside and put in place only when whole: a cancelled or failed export leaves no
    // file that could pass for the report.
    return runJob(
            [&](BackgroundWork::Control *control, QString *error) {
                QSaveFile file(fileName);
                if (!file.open(QIODevice::WriteOnly)) {
                    *error = file.errorString();
                    return false;
                }
                bool done = false;
                {
                    QPdfWriter writer(&file);
                    writer.setResolution(PdfResolution);
                    writer.setPageSize(QPageSize(QPageSize::A4));
                    writer.setCreator(QCoreApplication::applicationName());
                    Job job(html, &writer, control, &footer);
                    done = job.print(0, 0, nullptr);
                    *error = job.error();
                }
                if (!done || control->cancelled) {
                    file.cancelWriting();
                    return false;
                }
                if (!file.commit()) {
                    *error = file.errorString();
                    return false;
                }
                return true;
            },
            progressParent);
}

} // namespace ReportPrinter
