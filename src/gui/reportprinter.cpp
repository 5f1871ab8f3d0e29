#include "reportprinter.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QtMath>

#include <algorithm>
#include <memory>

// A short report is printed by QTextDocument::print. That one document grows expensive with a
// long table: its layout and painting cost grow faster than the page count, and the largest
// event register does not come out at all. A report whose bulk is one long table is therefore
// printed as a sequence of small documents, each holding the next slice of the table's rows and
// set up as QTextDocument::print sets up its copy (the page size, 2 cm margins, the page number
// at the bottom right). Each slice is laid out by Qt; its pages are painted up to the last page
// break that no row crosses, and the rows after that break open the next slice, so that every
// page is filled as the one document would fill it.

namespace {

constexpr int LongTableRows = 300; // fewer rows print fast enough as one document
constexpr int SliceRows = 100; // parsed in one go: few enough to keep the window live
constexpr int ProgressSteps = 1000;

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
    if (table->rows.size() < LongTableRows)
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

QList<QTextTable *> tables(const QTextDocument &document)
{
    QList<QTextTable *> found;
    const QList<QTextFrame *> frames = document.rootFrame()->childFrames();
    for (QTextFrame *frame : frames) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            found.append(table);
    }
    return found;
}

void setHeaderRows(QTextTable *table, int count)
{
    QTextTableFormat format = table->format();
    format.setHeaderRowCount(count);
    table->setFormat(format);
}

// The page as QTextDocument::print lays its copy out: the printer's page in device pixels and
// 2 cm margins given in the screen's resolution, which the layout scales to the printer's.
struct PageSetup
{
    QSizeF size;
    QPointF margins;
    QPointF scale = QPointF(1, 1);
};

void layOut(QTextDocument *document, QPrinter *printer, const PageSetup &setup)
{
    document->documentLayout()->setPaintDevice(printer);
    QTextFrameFormat format = document->rootFrame()->frameFormat();
    format.setLeftMargin(setup.margins.x());
    format.setRightMargin(setup.margins.x());
    format.setTopMargin(setup.margins.y());
    format.setBottomMargin(setup.margins.y());
    document->rootFrame()->setFrameFormat(format);
    document->setPageSize(setup.size);
}

PageSetup pageSetup(QPrinter *printer)
{
    // A printer without margins gets 2 mm ones, as QTextDocument::print gives it.
    if (printer->pageLayout().margins(QPageLayout::Millimeter).isNull())
        printer->setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
    PageSetup setup;
    setup.size = QSizeF(printer->width(), printer->height());
    // The resolution the layout scales from is not always the one the screen reports; it is
    // read off a probe with margins of 100.
    setup.margins = QPointF(100, 100);
    QTextDocument probe;
    probe.setPlainText(QStringLiteral("x"));
    layOut(&probe, printer, setup);
    const QPointF at = probe.documentLayout()->blockBoundingRect(probe.firstBlock()).topLeft();
    if (at.x() > 0 && at.y() > 0)
        setup.scale = at / 100;
    setup.margins = QPointF(int(2 / 2.54 * qRound(printer->logicalDpiX() / setup.scale.x())),
                            int(2 / 2.54 * qRound(printer->logicalDpiY() / setup.scale.y())));
    return setup;
}

// What goes at the foot of a page: the bare page number, or a report's footer with "strona X z
// Y" (total 0: the bare number).
struct PageFoot
{
    const ReportPrinter::PageFooter *footer = nullptr;
    int total = 0;
};

void paintPage(QPainter *painter, const QTextDocument &document, const PageSetup &setup,
               int page, int number, const PageFoot &foot = PageFoot())
{
    const QRectF view(QPointF(0, (page - 1) * setup.size.height()), setup.size);
    painter->save();
    painter->translate(0, -view.top());
    painter->setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(painter, context);
    painter->restore();

    painter->save();
    painter->setClipping(false);
    QFont font = document.defaultFont();
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
    const qreal rightEdge = setup.size.width() - setup.margins.x() * setup.scale.x();
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
    const qreal y = setup.size.height() - setup.margins.y() * setup.scale.y()
            + QFontMetrics(document.defaultFont(), device).ascent()
            + 5 * device->logicalDpiY() / 72.0;
    painter->drawText(qRound(x), qRound(y), text);
    if (!left.isEmpty())
        painter->drawText(qRound(leftEdge), qRound(y), left);
    painter->restore();
}

// Progress over a window, cancellable; nothing shows without a window.
class Progress
{
public:
    explicit Progress(QWidget *parent)
    {
        if (!parent)
            return;
        m_dialog = std::make_unique<QProgressDialog>(
                QCoreApplication::translate("ReportPrinter", "Przygotowanie wydruku..."),
                QCoreApplication::translate("ReportPrinter", "Anuluj"), 0, ProgressSteps,
                parent);
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(300);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->setValue(0);
        m_clock.start();
    }

    // Records the share of the work done, when given; false once the user has cancelled.
    // Events are processed up to 40 times a second, so that with the longest step between two
    // calls (parsing one slice) the window still repaints more than 10 times a second.
    bool step(qreal done = -1)
    {
        if (!m_dialog)
            return true;
        m_done = done >= 0 ? done : m_done;
        if (m_clock.elapsed() >= 25) {
            m_clock.restart();
            m_dialog->setValue(qBound(0, qRound(m_done * ProgressSteps), ProgressSteps - 1));
            QCoreApplication::processEvents();
        }
        return !m_dialog->wasCanceled();
    }

private:
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_clock;
    qreal m_done = 0;
};

class SlicedPrint
{
public:
    SlicedPrint(const QString &html, const LongTable &table, QPrinter *printer,
                Progress *progress, const ReportPrinter::PageFooter *footer = nullptr)
        : m_html(html), m_table(table), m_printer(printer), m_progress(progress),
          m_setup(pageSetup(printer)), m_total(table.rows.size() - 1)
    {
        m_foot.footer = footer;
        m_firstPage = qMax(1, printer->fromPage());
        if (printer->fromPage() != 0 || printer->toPage() != 0)
            m_lastPage = qMax(m_firstPage, printer->toPage());
    }

    bool run()
    {
        fitColumns();
        // "strona X z Y" needs the page count before the first page is painted: a first pass
        // finds where the slices break, the second lays out those slices again and paints.
        if (m_foot.footer && m_foot.footer->pageOfPages) {
            m_share = 0.5;
            if (!plan())
                return false;
            return paintPlan();
        }
        QPainter painter;
        int first = 0;
        int number = 0; // the last page number given
        while (first < m_total && number < m_lastPage) {
            std::unique_ptr<QTextDocument> document;
            int rows = 0;
            int pages = 0;
            // A slice must give a page before its last page break; a slice on one page grows.
            for (int count = SliceRows; rows == 0; count *= 2) {
                count = qMin(count, m_total - first);
                document = slice(first, count);
                if (!m_progress->step(qreal(first) / m_total))
                    return cancel(&painter);
                rows = count;
                pages = document->pageCount();
                if (first + count < m_total)
                    carry(*document, &rows, &pages);
            }
            for (int page = 1; page <= pages && number < m_lastPage; ++page) {
                if (++number < m_firstPage)
                    continue;
                if (!painter.isActive() && !painter.begin(m_printer))
                    return false;
                if (number > m_firstPage && !m_printer->newPage())
                    return cancel(&painter);
                paintPage(&painter, *document, m_setup, page, number);
                // Each page counts for the rows it holds: the progress moves with the pages.
                if (!m_progress->step((first + qreal(rows) * page / pages) / m_total))
                    return cancel(&painter);
            }
            first += rows;
        }
        return !painter.isActive() || painter.end();
    }

private:
    struct Slice
    {
        int first;
        int rows;
        int pages;
    };

    // The slices and their pages, without painting.
    bool plan()
    {
        int first = 0;
        while (first < m_total) {
            int rows = 0;
            int pages = 0;
            for (int count = SliceRows; rows == 0; count *= 2) {
                count = qMin(count, m_total - first);
                const std::unique_ptr<QTextDocument> document = slice(first, count);
                if (!m_progress->step(m_share * first / m_total))
                    return false;
                rows = count;
                pages = document->pageCount();
                if (first + count < m_total)
                    carry(*document, &rows, &pages);
            }
            m_slices.append({first, rows, pages});
            m_foot.total += pages;
            first += rows;
        }
        return true;
    }

    bool paintPlan()
    {
        QPainter painter;
        int number = 0;
        for (const Slice &planned : qAsConst(m_slices)) {
            if (number >= m_lastPage)
                break;
            if (number + planned.pages < m_firstPage) {
                number += planned.pages;
                continue;
            }
            const std::unique_ptr<QTextDocument> document = slice(planned.first, planned.rows);
            const qreal done = qreal(planned.first) / m_total;
            if (!m_progress->step(m_share + (1 - m_share) * done))
                return cancel(&painter);
            for (int page = 1; page <= planned.pages && number < m_lastPage; ++page) {
                if (++number < m_firstPage)
                    continue;
                if (!painter.isActive() && !painter.begin(m_printer))
                    return false;
                if (number > m_firstPage && !m_printer->newPage())
                    return cancel(&painter);
                paintPage(&painter, *document, m_setup, page, number, m_foot);
                if (!m_progress->step(m_share + (1 - m_share) * done))
                    return cancel(&painter);
            }
        }
        return !painter.isActive() || painter.end();
    }

    bool cancel(QPainter *painter)
    {
        if (painter->isActive())
            m_printer->abort();
        return false;
    }

    QStringRef rowHtml(int first, int count = 1) const
    {
        const QVector<int> &rows = m_table.rows;
        return m_html.midRef(rows.at(first), rows.at(first + count) - rows.at(first));
    }

    std::unique_ptr<QTextDocument> slice(int first, int count) const
    {
        QString html = first == 0 ? m_html.left(m_table.rows.first()) : m_table.lead;
        html += rowHtml(first, count);
        if (first + count == m_total)
            html += m_html.midRef(m_table.rows.last());
        else
            html += QLatin1String("</table>");
        auto document = std::make_unique<QTextDocument>();
        ReportPrinter::setUpDocument(document.get(), html);
        m_progress->step();
        QTextTable *table = lastTable(*document);
        if (table && !m_columns.isEmpty()) {
            QTextTableFormat format = table->format();
            format.setColumnWidthConstraints(m_columns);
            table->setFormat(format);
        }
        layOut(document.get(), m_printer, m_setup);
        return document;
    }

    // Pages up to the last page break before the last page that no row crosses, and the rows
    // on them; untouched when there is no such break.
    void carry(const QTextDocument &document, int *rows, int *pages) const
    {
        const QTextTable *table = lastTable(document);
        const int header = m_headerRows; // every slice opens with them
        const auto top = [&](int r) {
            const QTextBlock block = table->cellAt(header + r, 0).firstCursorPosition().block();
            return document.documentLayout()->blockBoundingRect(block).top();
        };
        const auto bottom = [&](int r) {
            qreal y = 0;
            for (int c = 0; c < table->columns(); ++c) {
                const QTextBlock block = table->cellAt(header + r, c).lastCursorPosition().block();
                y = qMax(y, document.documentLayout()->blockBoundingRect(block).bottom());
            }
            return y;
        };
        int r = *rows - 1;
        for (int page = document.pageCount(); table && page > 1; --page) {
            const qreal pageTop = (page - 1) * m_setup.size.height();
            while (r > 0 && top(r - 1) >= pageTop)
                --r;
            if (r > 0 && top(r) >= pageTop && bottom(r - 1) <= pageTop) {
                *rows = r;
                *pages = page - 1;
                return;
            }
        }
        *rows = 0;
    }

    // Qt sizes a table's columns by the widest content of each over all its rows, which a slice
    // does not hold. A probe with the header and the rows of each column's longest word and
    // longest text gets the whole table's widths; the slices get them as fixed widths,
    // adjusted until the probe's columns come out as wide as they were.
    void fitColumns()
    {
        const QVector<int> widest = widestRows();
        QString html = m_html.left(m_table.rows.first());
        for (int row : widest)
            html += rowHtml(row);
        QTextDocument probe;
        ReportPrinter::setUpDocument(&probe, html + QLatin1String("</table>"));
        layOut(&probe, m_printer, m_setup);
        QTextTable *table = lastTable(probe);
        if (!table)
            return;
        m_headerRows = table->rows() - widest.size();
        const auto widths = [](const QTextDocument &document, const QTextTable *t) {
            QVector<qreal> w;
            for (int c = 0; c < t->columns(); ++c) {
                const QTextBlock block = t->cellAt(0, c).firstCursorPosition().block();
                w.append(document.documentLayout()->blockBoundingRect(block).width());
            }
            return w;
        };
        const QVector<qreal> wanted = widths(probe, table);
        // The widths are fitted on the header rows alone, which every slice holds: fitted with
        // the widest rows in place, a column that those rows widen would take a width that a
        // slice without them does not keep.
        QTextDocument frame;
        ReportPrinter::setUpDocument(&frame,
                                     m_html.left(m_table.rows.first()) + QLatin1String("</table>"));
        layOut(&frame, m_printer, m_setup);
        table = lastTable(frame);
        if (!table)
            return;
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
            if (same) {
                m_columns = table->format().columnWidthConstraints();
                return;
            }
            QTextTableFormat format = table->format();
            format.setColumnWidthConstraints(columns);
            table->setFormat(format);
            got = widths(frame, table);
        }
    }

    // Per column, the two rows with the widest word and the two with the widest text, as the
    // printer's font measures them.
    QVector<int> widestRows() const
    {
        static const QRegularExpression cellStart(QStringLiteral("<t[dh](?=[\\s>])"),
                                                  QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
        const QFontMetricsF metrics(QTextDocument().defaultFont(), m_printer);
        QHash<QString, qreal> measured;
        const auto width = [&](const QString &text) {
            auto it = measured.find(text);
            return it != measured.end() ? *it
                                        : *measured.insert(text, metrics.horizontalAdvance(text));
        };
        QVector<QPair<qreal, int>> best; // two per measure and column, the widest first
        for (int row = 0; row < m_total; ++row) {
            if (row % 256 == 0)
                m_progress->step();
            const QStringList cells = rowHtml(row).toString().split(cellStart).mid(1);
            best.resize(qMax(best.size(), 4 * cells.size()));
            for (int c = 0; c < cells.size(); ++c) {
                QString text = cells.at(c).mid(cells.at(c).indexOf(QLatin1Char('>')) + 1);
                text = text.remove(tag).replace(QLatin1String("&amp;"), QLatin1String("&"));
                text = text.simplified();
                qreal word = 0;
                for (const QString &w : text.split(QLatin1Char(' ')))
                    word = qMax(word, width(w));
                for (int i : {4 * c, 4 * c + 2}) {
                    const qreal value = i == 4 * c ? word : width(text);
                    if (value > best.at(i + 1).first)
                        best[i + 1] = {value, row};
                    if (best.at(i + 1).first > best.at(i).first)
                        best.swapItemsAt(i, i + 1);
                }
            }
        }
        QVector<int> rows;
        for (const auto &entry : best)
            rows.append(entry.second);
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        return rows;
    }

    const QString &m_html;
    const LongTable &m_table;
    QPrinter *m_printer;
    Progress *m_progress;
    PageSetup m_setup;
    int m_total;
    int m_firstPage = 1;
    int m_lastPage = INT_MAX;
    int m_headerRows = 0;
    QVector<QTextLength> m_columns;
    PageFoot m_foot;
    QVector<Slice> m_slices;
    qreal m_share = 1; // of the progress taken by the planning pass
};

} // namespace

namespace ReportPrinter {

bool print(const QString &html, QPrinter *printer, QWidget *progressParent)
{
    LongTable table;
    if (findLongTable(html, &table)) {
        Progress progress(progressParent);
        return SlicedPrint(html, table, printer, &progress).run();
    }
    QTextDocument document;
    setUpDocument(&document, html);
    document.print(printer);
    return printer->printerState() != QPrinter::Error;
}

void setUpDocument(QTextDocument *document, const QString &html)
{
    document->setDocumentMargin(0);
    // Break lines between words only: a number in a narrow column (an event's Id up to 65535)
    // widens its column instead of being split over two lines.
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    document->setDefaultTextOption(option);
    document->setHtml(html);
    // A table's header rows open every page it runs over.
    const QVector<int> counts = headerRowCounts(html);
    const QList<QTextTable *> found = tables(*document);
    for (int i = 0; i < found.size() && i < counts.size(); ++i) {
        if (counts.at(i) > 0)
            setHeaderRows(found.at(i), counts.at(i));
    }
}

int estimatedPages(const QString &html, QPrinter *printer)
{
    LongTable table;
    if (!findLongTable(html, &table)) {
        QTextDocument document;
        setUpDocument(&document, html);
        layOut(&document, printer, pageSetup(printer));
        return document.pageCount();
    }
    // The first rows, laid out as the first slice is, tell the pages per row.
    const int total = table.rows.size() - 1;
    const int sample = qMin(total, 4 * SliceRows);
    QTextDocument document;
    setUpDocument(&document, html.left(table.rows.at(sample)) + QLatin1String("</table>"));
    layOut(&document, printer, pageSetup(printer));
    return qCeil(qreal(document.pageCount()) * total / sample);
}

bool writePdf(const QString &html, const QString &fileName, QWidget *progressParent)
{
    return writePdf(html, fileName, PageFooter{QString(), false}, progressParent);
}

bool print(const QString &html, QPrinter *printer, const PageFooter &footer,
           QWidget *progressParent)
{
    if (footer.isNull())
        return print(html, printer, progressParent);
    LongTable table;
    if (findLongTable(html, &table)) {
        Progress progress(progressParent);
        return SlicedPrint(html, table, printer, &progress, &footer).run();
    }
    // As QTextDocument::print lays the report out, but with the footer in place of the bare
    // page number.
    const PageSetup setup = pageSetup(printer);
    QTextDocument document;
    setUpDocument(&document, html);
    layOut(&document, printer, setup);
    PageFoot foot{&footer, document.pageCount()};
    const int firstPage = qMax(1, printer->fromPage());
    const int lastPage = printer->toPage() > 0 ? qMin(printer->toPage(), foot.total)
                                               : foot.total;
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    for (int page = firstPage; page <= lastPage; ++page) {
        if (page > firstPage && !printer->newPage()) {
            printer->abort();
            return false;
        }
        paintPage(&painter, document, setup, page, page, foot);
    }
    return painter.end() && printer->printerState() != QPrinter::Error;
}

bool writePdf(const QString &html, const QString &fileName, const PageFooter &footer,
              QWidget *progressParent)
{
    bool written = false;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
        written = print(html, &printer, footer, progressParent)
                && printer.printerState() != QPrinter::Error;
    }
    // A cancelled or failed export leaves no file behind that could pass for the report.
    if (!written) {
        QFile::remove(fileName);
        return false;
    }
    return QFileInfo::exists(fileName);
}

} // namespace ReportPrinter
