#include "reportprinter.h"

#include "backgroundwork.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QtMath>

#include <algorithm>
#include <memory>
#include <vector>

// Qt's print of one QTextDocument lets a table row's lines run over a page break, grows slow
// with a long table (each page draws the border of the whole table) and paints no text beyond
// about 2^23 device units (page 613 at 1200 dpi). So the report is laid out in documents
// without page breaks: the whole report when it is short, otherwise slices of its last table's
// rows, each slice opening with the table's header rows. The pages are cut here, only where
// nothing is split: between two rows of a table, between two lines of a paragraph, before a
// block or a table. A page is painted from one or two such documents, each part translated
// and clipped, and a page that begins inside a table opens with that table's header rows. Only
// something taller than a whole page is cut through.

namespace {

constexpr int SliceRows = 150; // laid out in a fraction of a second, so Anuluj stays quick
// Rows kept laid out while the pages are counted for "strona X z Y"; later slices are laid out
// once more when they are painted.
constexpr int KeptRows = 70000;
// No single document may grow near the height where Qt stops painting text.
constexpr qreal MaxHeight = 1 << 22;

thread_local QString t_lastError;

constexpr int PdfResolution = 1200; // a high-resolution QPrinter's

// The text of each cell of a table row, as it prints: tags dropped, entities resolved, blanks
// collapsed.
QStringList cellTexts(const QStringRef &row)
{
    static const char *const entities[][2] = {{"&lt;", "<"},    {"&gt;", ">"},  {"&quot;", "\""},
                                              {"&#39;", "'"},   {"&nbsp;", " "}, {"&amp;", "&"}};
    QStringList cells;
    for (int i = 0; i < row.size(); ++i) {
        if (row.at(i) != QLatin1Char('<')) {
            if (!cells.isEmpty())
                cells.last() += row.at(i);
            continue;
        }
        const int end = row.indexOf(QLatin1Char('>'), i);
        const QStringRef tag = row.mid(i + 1, (end < 0 ? row.size() : end) - i - 1);
        if (tag.size() >= 2 && tag.at(0).toLower() == QLatin1Char('t')
            && (tag.at(1).toLower() == QLatin1Char('d') || tag.at(1).toLower() == QLatin1Char('h'))
            && (tag.size() == 2 || tag.at(2).isSpace()))
            cells.append(QString());
        i = end < 0 ? row.size() : end;
    }
    for (QString &cell : cells) {
        for (const auto &entity : entities)
            cell.replace(QLatin1String(entity[0]), QLatin1String(entity[1]));
        cell = cell.simplified();
    }
    return cells;
}

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
    for (int row = indexOfTag(html, QLatin1String("<tr"), tagEnd); row >= 0 && row < end;) {
        const int next = indexOfTag(html, QLatin1String("<tr"), row + 3);
        const int length = (next < 0 || next > end ? end : next) - row;
        if (!table->rows.isEmpty()
            || !html.midRef(row, length).contains(QLatin1String("<th"), Qt::CaseInsensitive))
            table->rows.append(row);
        row = next;
    }
    if (table->rows.isEmpty())
        return false;
    table->rows.append(end);
    const int body = indexOfTag(html, QLatin1String("<body"), 0);
    const int bodyEnd = body >= 0 && body < start ? html.indexOf(QLatin1Char('>'), body) + 1 : 0;
    table->lead = html.left(bodyEnd) + html.midRef(start, table->rows.first() - start);
    return true;
}

QTextTable *lastTable(const QTextDocument &document)
{
    const QList<QTextFrame *> frames = document.rootFrame()->childFrames();
    for (auto it = frames.crbegin(); it != frames.crend(); ++it) {
        if (auto *table = qobject_cast<QTextTable *>(*it))
            return table;
    }
    return nullptr;
}

// Per table of the report, how many rows at its top are header rows (rows of <th> cells).
QVector<int> headerRowCounts(const QString &html)
{
    QVector<int> counts;
    for (int start = indexOfTag(html, QLatin1String("<table"), 0); start >= 0;
         start = indexOfTag(html, QLatin1String("<table"), start + 6)) {
        const int end = html.indexOf(QLatin1String("</table"), start, Qt::CaseInsensitive);
        int count = 0;
        for (int row = indexOfTag(html, QLatin1String("<tr"), start); row >= 0
             && (end < 0 || row < end);) {
            const int next = indexOfTag(html, QLatin1String("<tr"), row + 3);
            const int rowEnd = next < 0 || (end >= 0 && next > end) ? end : next;
            if (!html.midRef(row, rowEnd < 0 ? -1 : rowEnd - row)
                         .contains(QLatin1String("<th"), Qt::CaseInsensitive))
                break;
            ++count;
            row = next;
        }
        counts.append(count);
    }
    return counts;
}

// The page as QTextDocument::print sets its copy up: the device's page in device pixels and
// 2 cm margins given in the screen's resolution, which the layout scales to the device's.
struct PageSetup
{
    QSizeF size;
    QPointF margins;
    QPointF scale = QPointF(1, 1);

    qreal top() const { return margins.y() * scale.y(); }
    qreal bodyHeight() const { return size.height() - 2 * top(); }
};

// Laid out without page breaks: the pages are cut by the engine.
void layOut(QTextDocument *document, QPagedPaintDevice *device, const PageSetup &setup,
            qreal topMargin = 0)
{
    document->documentLayout()->setPaintDevice(device);
    QTextFrameFormat format = document->rootFrame()->frameFormat();
    format.setLeftMargin(setup.margins.x());
    format.setRightMargin(setup.margins.x());
    format.setTopMargin(topMargin);
    format.setBottomMargin(0);
    document->rootFrame()->setFrameFormat(format);
    document->setPageSize(QSizeF(setup.size.width(), -1));
}

PageSetup pageSetup(QPagedPaintDevice *device)
{
    // A device without margins gets 2 mm ones, as QTextDocument::print gives it.
    if (device->pageLayout().margins(QPageLayout::Millimeter).isNull())
        device->setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
    PageSetup setup;
    setup.size = QSizeF(device->width(), device->height());
    // The resolution the layout scales from is not always the one the screen reports; it is
    // read off a probe with margins of 100.
    setup.margins = QPointF(100, 0);
    QTextDocument probe;
    probe.setPlainText(QStringLiteral("x"));
    layOut(&probe, device, setup, 100);
    const QPointF at = probe.documentLayout()->blockBoundingRect(probe.firstBlock()).topLeft();
    if (at.x() > 0 && at.y() > 0)
        setup.scale = at / 100;
    setup.margins = QPointF(int(2 / 2.54 * qRound(device->logicalDpiX() / setup.scale.x())),
                            int(2 / 2.54 * qRound(device->logicalDpiY() / setup.scale.y())));
    return setup;
}

// A place where a page may end. A page that begins there opens with header band `band` of
// its document, when it has one.
struct Cut
{
    qreal y;
    int band;
};

// One laid-out document of the report and where its pages may be cut.
struct Sheet
{
    std::unique_ptr<QTextDocument> document;
    int first = 0; // the long table's rows it holds
    int rows = 0;
    qreal start = 0; // the part that belongs to the report
    qreal end = 0;
    QVector<Cut> cuts; // ascending
    QVector<QPair<qreal, qreal>> bands; // each table's header rows
};


// Where a table's row begins, just above its cells' top borders, or where it ends, below its
// cells' bottom borders; NaN where a cell spanning several rows crosses that edge.
qreal rowEdge(const QTextDocument &document, const QTextTable *table, int row, bool bottom,
              qreal scale)
{
    const QTextTableFormat format = table->format();
    const qreal inset = (format.cellPadding() + format.border()) * scale;
    qreal edge = bottom ? -qInf() : qInf();
    for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(row, c);
        if (bottom ? cell.row() + cell.rowSpan() - 1 != row : cell.row() != row)
            return qQNaN();
        // The cells of a row share their top: the first one tells it.
        if (!bottom && c > 0)
            continue;
        const QTextBlock block = bottom ? cell.lastCursorPosition().block()
                                        : cell.firstCursorPosition().block();
        const QRectF rect = document.documentLayout()->blockBoundingRect(block);
        edge = bottom ? qMax(edge, rect.bottom()) : qMin(edge, rect.top());
    }
    return bottom ? edge + inset : edge - inset;
}

// A part of a sheet painted on a page, and the pages.
struct Segment
{
    int sheet;
    qreal top;
    qreal bottom;
};
using Page = QVector<Segment>;

// Fills pages from the sheets given one after another, cutting only at their cuts.
class Paginator
{
public:
    explicit Paginator(qreal height) : m_height(height) {}

    void add(int index, const Sheet &sheet, QVector<Page> *pages)
    {
        qreal at = sheet.start;
        for (;;) {
            const qreal room = m_height - m_used;
            if (sheet.end - at <= room) {
                place(index, at, sheet.end);
                return;
            }
            const auto reach = std::upper_bound(
                    sheet.cuts.cbegin(), sheet.cuts.cend(), at + room,
                    [](qreal y, const Cut &cut) { return y < cut.y; });
            qreal cut = at + room; // taller than a page: cut through it
            if (reach != sheet.cuts.cbegin() && (reach - 1)->y > at)
                cut = (reach - 1)->y;
            else if (m_body) // the rest starts the next page
                cut = at;
            place(index, at, cut);
            pages->append(m_page);
            open(sheet, index, cut);
            at = cut;
        }
    }

    void finish(QVector<Page> *pages)
    {
        if (m_body || pages->isEmpty())
            pages->append(m_page);
        m_page.clear();
    }

    // The first sheet the page being filled draws on.
    int openSheet(int otherwise) const
    {
        return m_page.isEmpty() ? otherwise : m_page.first().sheet;
    }

private:
    void place(int index, qreal top, qreal bottom)
    {
        if (bottom <= top)
            return;
        if (!m_page.isEmpty() && m_page.last().sheet == index && m_page.last().bottom == top)
            m_page.last().bottom = bottom;
        else
            m_page.append({index, top, bottom});
        m_used += bottom - top;
        m_body = true;
    }

    // A new page from `at`, opening with the header rows of the table it begins in.
    void open(const Sheet &sheet, int index, qreal at)
    {
        m_page.clear();
        m_used = 0;
        m_body = false;
        const auto last = std::upper_bound(sheet.cuts.cbegin(), sheet.cuts.cend(), at,
                                           [](qreal y, const Cut &cut) { return y < cut.y; });
        const int band = last == sheet.cuts.cbegin() ? -1 : (last - 1)->band;
        if (band < 0)
            return;
        const QPair<qreal, qreal> header = sheet.bands.at(band);
        // A header of a third of a page or more is not repeated: the rows need the room.
        if (header.second - header.first < m_height / 3) {
            m_page.append({index, header.first, header.second});
            m_used = header.second - header.first;
        }
    }

    qreal m_height;
    Page m_page;
    qreal m_used = 0;
    bool m_body = false; // the page holds more than a repeated header
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
        if (!m_table.rows.isEmpty() && !fitColumns())
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
        if (!painter.isActive()) {
            m_error = QCoreApplication::translate("ReportPrinter", "Raport ma %1 stron; wybrany zakres jest poza nim.").arg(pages.size());
            return false;
        }
        return painter.end();
    }

    // How many pages the report fills.
    int countPages()
    {
        if (!m_table.rows.isEmpty() && !fitColumns())
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
            if (!painter->isActive() && !painter->begin(m_device))
                return fail(QCoreApplication::translate("ReportPrinter", "Nie można rozpocząć wydruku."));
            if (number > from && !m_device->newPage())
                return fail(QCoreApplication::translate("ReportPrinter", "Nie można rozpocząć wydruku."));
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
        if (table && !m_columns.isEmpty()) {
            QTextTableFormat format = table->format();
            format.setColumnWidthConstraints(m_columns);
            format.setWidth(QTextLength());
            table->setFormat(format);
        }
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
            return fail(QCoreApplication::translate("ReportPrinter", "Raport jest za długi, by go wydrukować w całości."));
        int band = -1;
        for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
            if (QTextFrame *frame = it.currentFrame()) {
                qreal top = layout->frameBoundingRect(frame).top();
                const auto *table = qobject_cast<const QTextTable *>(frame);
                // A table's box as Qt gives it starts inside its borders.
                if (table)
                    top = qMin(top, rowEdge(document, table, 0, false, scale)
                                       - table->format().border() * scale);
                sheet.cuts.append({top, -1});
                if (!table)
                    continue;
                const int header = table->format().headerRowCount();
                band = -1;
                const qreal headerEnd = header > 0 && header < table->rows()
                        ? rowEdge(document, table, header, false, scale)
                        : qQNaN();
                if (!qIsNaN(headerEnd)) {
                    band = sheet.bands.size();
                    sheet.bands.append({top, headerEnd});
                }
                for (int r = header + 1; r < table->rows(); ++r) {
                    const qreal y = rowEdge(document, table, r, false, scale);
                    if (!qIsNaN(y))
                        sheet.cuts.append({y, band});
                }
                continue;
            }
            const QTextBlock block = it.currentBlock();
            const QTextLayout *lines = block.layout();
            sheet.cuts.append({layout->blockBoundingRect(block).top(), -1});
            for (int i = 1; i < lines->lineCount(); ++i)
                sheet.cuts.append({lines->position().y() + lines->lineAt(i).y(), -1});
        }
        if (m_sheets.size() > 1) {
            // The slice must hold exactly its rows, or a row would be lost or doubled.
            sheet.first = index * SliceRows;
            sheet.rows = qMin(SliceRows, m_table.total() - sheet.first);
            const int header = longTable ? longTable->format().headerRowCount() : 0;
            if (!longTable || longTable->rows() != header + sheet.rows)
                return fail(QCoreApplication::translate("ReportPrinter", "Tabeli raportu nie udało się podzielić na strony."));
            if (index > 0) {
                sheet.start = rowEdge(document, longTable, header, false, scale);
                sheet.cuts.append({sheet.start, band});
            }
            if (index + 1 < int(m_sheets.size()))
                sheet.end = rowEdge(document, longTable, longTable->rows() - 1, true, scale);
            if (qIsNaN(sheet.start) || qIsNaN(sheet.end) || sheet.end <= sheet.start)
                return fail(QCoreApplication::translate("ReportPrinter", "Tabeli raportu nie udało się podzielić na strony."));
        }
        std::stable_sort(sheet.cuts.begin(), sheet.cuts.end(),
                         [](const Cut &a, const Cut &b) { return a.y < b.y; });
        return true;
    }

    QString rowHtml(int row) const
    {
        const QVector<int> &rows = m_table.rows;
        return m_html.mid(rows.at(row), rows.at(row + 1) - rows.at(row));
    }

    // Qt sizes a table's columns by the widest content of each over all its rows, which a slice
    // does not hold. A probe with the header and the rows of each column's longest word and
    // longest text gets the whole table's widths. A column of set width whose texts are all
    // short (a date, a module) widens to keep each on one line, while the free columns keep two
    // thirds of their room. The slices get the widths as fixed widths, adjusted until their
    // columns come out as wide as wanted.
    bool fitColumns()
    {
        QVector<qreal> widestText;
        const QVector<int> widest = widestRows(&widestText);
        if (cancelled())
            return false;
        const QString head = m_html.left(m_table.rows.first());
        QString html = head;
        for (int row : widest)
            html += rowHtml(row);
        QTextDocument probe;
        ReportPrinter::setUpDocument(&probe, html + QLatin1String("</table>"));
        layOut(&probe, m_device, m_setup);
        const QAbstractTextDocumentLayout *layout = probe.documentLayout();
        QTextTable *table = lastTable(probe);
        if (!table)
            return true;
        const auto widths = [](const QTextDocument &document, const QTextTable *t) {
            QVector<qreal> w;
            for (int c = 0; c < t->columns(); ++c) {
                const QTextBlock block = t->cellAt(0, c).firstCursorPosition().block();
                w.append(document.documentLayout()->blockBoundingRect(block).width());
            }
            return w;
        };
        QVector<qreal> wanted = widths(probe, table);
        const qreal room = m_setup.size.width() - 2 * m_setup.margins.x() * m_setup.scale.x()
                - layout->frameBoundingRect(table).width();
        widen(&wanted, widestText, table->format().columnWidthConstraints(), room);
        // The widths are fitted on the header rows alone, which every slice holds: fitted with
        // the widest rows in place, a column that those rows widen would take a width that a
        // slice without them does not keep.
        QTextDocument frame;
        ReportPrinter::setUpDocument(&frame, head + QLatin1String("</table>"));
        layOut(&frame, m_device, m_setup);
        table = lastTable(frame);
        if (!table || table->columns() != wanted.size())
            return true;
        QVector<QTextLength> columns(wanted.size());
        QVector<qreal> got(wanted.size(), 0);
        for (int attempt = 0; attempt < 4; ++attempt) {
            bool same = attempt > 0;
            for (int c = 0; c < columns.size(); ++c) {
                same = same && qAbs(got.at(c) - wanted.at(c)) < 0.5;
                const qreal set = attempt == 0 ? 0 : columns.at(c).rawValue();
                columns[c] = QTextLength(QTextLength::FixedLength,
                                         set + (wanted.at(c) - got.at(c)) / m_setup.scale.x());
            }
            if (same)
                break;
            QTextTableFormat format = table->format();
            format.setColumnWidthConstraints(columns);
            format.setWidth(QTextLength()); // as wide as its columns
            table->setFormat(format);
            got = widths(frame, table);
        }
        m_columns = table->format().columnWidthConstraints();
        return true;
    }

    // Widens the columns of set width to their widest texts, into the page's room beside the
    // table and then up to a third of the free columns' width; untouched when that is short.
    static void widen(QVector<qreal> *wanted, const QVector<qreal> &widestText,
                      const QVector<QTextLength> &constraints, qreal room)
    {
        const auto isFree = [&](int c) {
            return c >= constraints.size()
                    || constraints.at(c).type() == QTextLength::VariableLength;
        };
        qreal free = 0;
        qreal needed = 0;
        QVector<qreal> more(wanted->size(), 0);
        for (int c = 0; c < wanted->size(); ++c) {
            if (isFree(c))
                free += wanted->at(c);
            else if (c < widestText.size())
                needed += more[c] = qMax(0.0, widestText.at(c) * 1.02 - wanted->at(c));
        }
        const qreal taken = qMax(0.0, needed - qMax(0.0, room));
        if (needed <= 0 || free <= 0 || taken > free / 3)
            return;
        for (int c = 0; c < wanted->size(); ++c)
            (*wanted)[c] += isFree(c) ? -taken * wanted->at(c) / free : more.at(c);
    }

    // Per column, the two rows with the widest word and the two with the widest text, as the
    // device's font measures them; and each column's widest text.
    QVector<int> widestRows(QVector<qreal> *widestText) const
    {
        const QFontMetricsF metrics(QTextDocument().defaultFont(), m_device);
        QHash<QString, QPair<qreal, qreal>> measured; // a text's widest word, and its width
        const auto widths = [&](const QString &text) {
            auto it = measured.find(text);
            if (it != measured.end())
                return *it;
            qreal word = 0;
            for (const QString &w : text.split(QLatin1Char(' ')))
                word = qMax(word, metrics.horizontalAdvance(w));
            return *measured.insert(text, {word, metrics.horizontalAdvance(text)});
        };
        QVector<QPair<qreal, int>> best; // two per measure and column, the widest first
        for (int row = 0; row < m_table.total(); ++row) {
            if (row % 256 == 0 && cancelled())
                return {};
            const QStringList cells = cellTexts(m_html.midRef(
                    m_table.rows.at(row), m_table.rows.at(row + 1) - m_table.rows.at(row)));
            best.resize(qMax(best.size(), 4 * cells.size()));
            for (int c = 0; c < cells.size(); ++c) {
                const QPair<qreal, qreal> measure = widths(cells.at(c));
                for (int i : {4 * c, 4 * c + 2}) {
                    const qreal value = i == 4 * c ? measure.first : measure.second;
                    if (value > best.at(i + 1).first)
                        best[i + 1] = {value, row};
                    if (best.at(i + 1).first > best.at(i).first)
                        best.swapItemsAt(i, i + 1);
                }
            }
        }
        QVector<int> rows;
        for (int i = 0; i < best.size(); ++i) {
            rows.append(best.at(i).second);
            if (i % 4 == 2)
                widestText->append(best.at(i).first);
        }
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        return rows;
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

QString preparing()
{
    return QCoreApplication::translate("ReportPrinter", "Przygotowanie wydruku...");
}

bool printWith(const QString &html, QPrinter *printer, const ReportPrinter::PageFooter *footer,
               QWidget *progressParent)
{
    QString error;
    const bool ok = BackgroundWork::run(
            [&](BackgroundWork::Control *control) {
                Job job(html, printer, control, footer);
                const bool done = job.print(printer->fromPage(), printer->toPage(), printer)
                        && printer->printerState() != QPrinter::Error;
                error = job.error();
                return done;
            },
            progressParent, preparing());
    t_lastError = ok ? QString() : error;
    return ok;
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
    QString error;
    // Written aside and put in place only when whole: a cancelled or failed export leaves no
    // file that could pass for the report.
    const bool ok = BackgroundWork::run(
            [&](BackgroundWork::Control *control) {
                QSaveFile file(fileName);
                if (!file.open(QIODevice::WriteOnly)) {
                    error = file.errorString();
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
                    error = job.error();
                }
                if (!done || control->cancelled) {
                    file.cancelWriting();
                    return false;
                }
                if (!file.commit()) {
                    error = file.errorString();
                    return false;
                }
                return true;
            },
            progressParent, preparing());
    t_lastError = ok ? QString() : error;
    return ok;
}

} // namespace ReportPrinter
