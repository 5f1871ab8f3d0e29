#include "reportprinter.h"

#include "dialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <memory>

// A short report is printed by QTextDocument::print. That one document grows expensive with a
// long table: its layout and painting cost grow faster than the page count, and the largest
// event register does not come out at all. A report whose bulk is one long table is therefore
// printed as a sequence of small documents, each holding the next slice of the table's rows and
// set up as QTextDocument::print sets up its copy (the page size, 2 cm margins, the page number
// at the bottom right). Each slice is laid out by Qt; all of its pages but the last are painted,
// and the rows that begin on the last page open the next slice, so that every page is filled as
// the one document would fill it.

namespace {

constexpr int LongTableRows = 300; // fewer rows print fast enough as one document
constexpr int SliceRows = 160;
constexpr int ProgressSteps = 1000;

int indexOfTag(const QString &html, QLatin1String tag, int from)
{
    for (int i = html.indexOf(tag, from, Qt::CaseInsensitive); i >= 0;
         i = html.indexOf(tag, i + 1, Qt::CaseInsensitive)) {
        const int next = i + tag.size();
        if (next < html.size() && (html.at(next) == QLatin1Char('>') || html.at(next).isSpace()))
            return i;
    }
    return -1;
}

// The report's last table, cut at its rows. Header rows (those with <th> cells) stay with the
// report's beginning, which only the first slice holds.
struct LongTable
{
    QString lead;       // what opens every slice after the first: the body tag and the table tag
    QVector<int> rows;  // where each data row starts, then where "</table" starts
    int dataStart = 0;  // where the first slice's rows begin
};

bool findLongTable(const QString &html, LongTable *table)
{
    const int start = html.lastIndexOf(QLatin1String("<table"), -1, Qt::CaseInsensitive);
    const int end = html.indexOf(QLatin1String("</table"), start, Qt::CaseInsensitive);
    const int tagEnd = html.indexOf(QLatin1Char('>'), start);
    if (start < 0 || end < 0 || tagEnd < 0 || tagEnd > end)
        return false;
    // A spanning cell joins rows, which then could not be carried one by one.
    const QStringRef inner = html.midRef(tagEnd, end - tagEnd);
    if (inner.contains(QLatin1String("rowspan"), Qt::CaseInsensitive))
        return false;
    bool header = true;
    for (int row = indexOfTag(html, QLatin1String("<tr"), tagEnd); row >= 0 && row < end;) {
        const int next = indexOfTag(html, QLatin1String("<tr"), row + 3);
        const int rowEnd = next < 0 || next > end ? end : next;
        if (header && html.midRef(row, rowEnd - row).contains(QLatin1String("<th"),
                                                              Qt::CaseInsensitive)) {
            row = next;
            continue;
        }
        header = false;
        table->rows.append(row);
        row = next;
    }
    if (table->rows.size() < LongTableRows)
        return false;
    table->rows.append(end);
    table->dataStart = table->rows.first();
    const int body = indexOfTag(html, QLatin1String("<body"), 0);
    const int bodyEnd = body >= 0 && body < start ? html.indexOf(QLatin1Char('>'), body) + 1 : 0;
    table->lead = html.left(bodyEnd) + html.midRef(start, tagEnd + 1 - start);
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

// The page as QTextDocument::print lays its copy out: the printer's page in device pixels and
// 2 cm margins, given in the screen's resolution, which the layout scales to the printer's.
struct PageSetup
{
    QSizeF size;
    int marginX = 0;
    int marginY = 0;
    qreal scaleX = 1;
    qreal scaleY = 1;
};

// The layout scales a document's lengths to the printer from the resolution the text system
// takes for the screen, which the screen itself does not always report; it is read off a probe.
QPointF layoutScale(QPrinter *printer)
{
    constexpr qreal Margin = 100;
    QTextDocument probe;
    probe.setDocumentMargin(0);
    probe.setPlainText(QStringLiteral("x"));
    probe.documentLayout()->setPaintDevice(printer);
    QTextFrameFormat format = probe.rootFrame()->frameFormat();
    format.setLeftMargin(Margin);
    format.setTopMargin(Margin);
    probe.rootFrame()->setFrameFormat(format);
    probe.setPageSize(QSizeF(printer->width(), printer->height()));
    const QRectF block = probe.documentLayout()->blockBoundingRect(probe.firstBlock());
    return block.left() > 0 && block.top() > 0 ? block.topLeft() / Margin : QPointF(1, 1);
}

PageSetup pageSetup(QPrinter *printer)
{
    // A printer without margins gets 2 mm ones, as QTextDocument::print gives it.
    if (printer->pageLayout().margins(QPageLayout::Millimeter).isNull())
        printer->setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
    const QPointF scale = layoutScale(printer);
    PageSetup setup;
    setup.size = QSizeF(printer->width(), printer->height());
    setup.scaleX = scale.x();
    setup.scaleY = scale.y();
    setup.marginX = int(2 / 2.54 * qRound(printer->logicalDpiX() / scale.x()));
    setup.marginY = int(2 / 2.54 * qRound(printer->logicalDpiY() / scale.y()));
    return setup;
}

void layOut(QTextDocument *document, QPrinter *printer, const PageSetup &setup)
{
    document->documentLayout()->setPaintDevice(printer);
    QTextFrameFormat format = document->rootFrame()->frameFormat();
    format.setLeftMargin(setup.marginX);
    format.setRightMargin(setup.marginX);
    format.setTopMargin(setup.marginY);
    format.setBottomMargin(setup.marginY);
    document->rootFrame()->setFrameFormat(format);
    document->setPageSize(setup.size);
}

void paintPage(QPainter *painter, const QTextDocument &document, const PageSetup &setup,
               int page, int number)
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
    painter->setFont(document.defaultFont());
    const QString text = QString::number(number);
    const QPaintDevice *device = painter->device();
    const qreal x = setup.size.width() - setup.marginX * setup.scaleX
            - painter->fontMetrics().horizontalAdvance(text);
    const qreal y = setup.size.height() - setup.marginY * setup.scaleY
            + QFontMetrics(document.defaultFont(), device).ascent()
            + 5 * device->logicalDpiY() / 72.0;
    painter->drawText(qRound(x), qRound(y), text);
    painter->restore();
}

// Progress over a window, counted in pages painted against the pages the rows so far promise;
// cancellable. Nothing shows without a window.
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

    // False once the user has cancelled. Events are processed about 20 times a second: often
    // enough for the window, rare enough to cost nothing.
    bool step(qreal done)
    {
        if (!m_dialog)
            return true;
        if (m_clock.elapsed() >= 50) {
            m_clock.restart();
            m_dialog->setValue(qBound(0, qRound(done * ProgressSteps), ProgressSteps - 1));
            QCoreApplication::processEvents();
        }
        return !m_dialog->wasCanceled();
    }

private:
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_clock;
};

struct Carry
{
    int rows = 0;
    int pages = 0;
};

class SlicedPrint
{
public:
    SlicedPrint(const QString &html, const LongTable &table, QPrinter *printer)
        : m_html(html), m_table(table), m_printer(printer), m_setup(pageSetup(printer))
    {
        const int from = printer->fromPage();
        const int to = printer->toPage();
        m_firstPage = qMax(1, from);
        m_lastPage = from == 0 && to == 0 ? INT_MAX : qMax(m_firstPage, to);
    }

    bool run(Progress *progress)
    {
        fitColumns();
        QPainter painter;
        const int total = m_table.rows.size() - 1;
        int first = 0;
        int number = 0; // the last page number given
        bool painted = false;
        while (first < total && number < m_lastPage) {
            int count = SliceRows;
            std::unique_ptr<QTextDocument> document;
            Carry carried;
            // A slice must give at least one page before its last; a slice on one page grows.
            for (;;) {
                count = qMin(count, total - first);
                document = slice(first, count);
                if (!progress->step(done(first)))
                    return cancel(&painter);
                if (first + count >= total)
                    carried = {count, document->pageCount()};
                else
                    carried = carry(*document, first, count);
                if (carried.rows > 0)
                    break;
                count *= 2;
            }
            for (int page = 1; page <= carried.pages && number < m_lastPage; ++page) {
                if (++number < m_firstPage)
                    continue;
                if (!painted && !painter.begin(m_printer))
                    return false;
                if (painted && !m_printer->newPage())
                    return cancel(&painter);
                painted = true;
                paintPage(&painter, *document, m_setup, page, number);
                const qreal rows = first + qreal(carried.rows) * page / carried.pages;
                if (!progress->step(done(rows)))
                    return cancel(&painter);
            }
            first += carried.rows;
        }
        return !painted || painter.end();
    }

private:
    // The share of the work done. Each painted page counts for the rows it holds, so that the
    // progress moves evenly with the pages rather than with the rows laid out.
    qreal done(qreal rowsPainted) const { return rowsPainted / (m_table.rows.size() - 1); }

    bool cancel(QPainter *painter)
    {
        if (painter->isActive())
            m_printer->abort();
        return false;
    }

    QString sliceHtml(int first, int count) const
    {
        const QVector<int> &rows = m_table.rows;
        QString html = first == 0 ? m_html.left(m_table.dataStart) : m_table.lead;
        html += m_html.midRef(rows.at(first), rows.at(first + count) - rows.at(first));
        if (first + count == rows.size() - 1)
            html += m_html.midRef(rows.last());
        else
            html += QLatin1String("</table>");
        return html;
    }

    std::unique_ptr<QTextDocument> slice(int first, int count) const
    {
        auto document = std::make_unique<QTextDocument>();
        document->setDocumentMargin(0);
        document->setHtml(sliceHtml(first, count));
        QTextTable *table = lastTable(*document);
        if (table && !m_columns.isEmpty()) {
            QTextTableFormat format = table->format();
            format.setColumnWidthConstraints(m_columns);
            table->setFormat(format);
        }
        layOut(document.get(), m_printer, m_setup);
        return document;
    }

    // Qt sizes a table's columns by the widest content of each over all its rows, which a slice
    // does not hold. A probe with the header and the rows of each column's longest word and
    // longest text gets the widths of the whole table; every slice gets them as fixed widths,
    // adjusted until the probe's columns come out as wide as they were.
    void fitColumns()
    {
        const QVector<int> widest = widestRows();
        QString html = m_html.left(m_table.dataStart);
        for (int row : widest)
            html += m_html.midRef(m_table.rows.at(row),
                                  m_table.rows.at(row + 1) - m_table.rows.at(row));
        QTextDocument probe;
        probe.setDocumentMargin(0);
        probe.setHtml(html + QLatin1String("</table>"));
        layOut(&probe, m_printer, m_setup);
        QTextTable *table = lastTable(probe);
        if (!table)
            return;
        m_headerRows = table->rows() - widest.size();
        const auto widths = [&probe, table] {
            QVector<qreal> w;
            for (int c = 0; c < table->columns(); ++c) {
                const QTextBlock block = table->cellAt(0, c).firstCursorPosition().block();
                w.append(probe.documentLayout()->blockBoundingRect(block).width());
            }
            return w;
        };
        const QVector<qreal> wanted = widths();
        QVector<QTextLength> columns;
        for (qreal w : wanted)
            columns.append(QTextLength(QTextLength::FixedLength, w / m_setup.scaleX));
        for (int attempt = 0; attempt < 4; ++attempt) {
            QTextTableFormat format = table->format();
            format.setColumnWidthConstraints(columns);
            table->setFormat(format);
            const QVector<qreal> got = widths();
            bool same = true;
            for (int c = 0; c < columns.size(); ++c) {
                same = same && qAbs(got.at(c) - wanted.at(c)) < 0.5;
                columns[c] = QTextLength(QTextLength::FixedLength,
                                         columns.at(c).rawValue()
                                                 + (wanted.at(c) - got.at(c)) / m_setup.scaleX);
            }
            if (same) {
                m_columns = format.columnWidthConstraints();
                return;
            }
        }
    }

    // Per column, the rows with the widest word and the widest text, as the printer's font
    // measures them; a few of each, for the measure here is plainer than the layout's.
    QVector<int> widestRows() const
    {
        static const QRegularExpression cellStart(QStringLiteral("<t[dh][\\s>]"),
                                                  QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
        const QFontMetricsF metrics(QTextDocument().defaultFont(), m_printer);
        QHash<QString, qreal> measured;
        const auto width = [&](const QString &text) {
            auto it = measured.find(text);
            if (it == measured.end())
                it = measured.insert(text, metrics.horizontalAdvance(text));
            return it.value();
        };
        constexpr int Kept = 3;
        QVector<QVector<QPair<qreal, int>>> best; // per measure and column, widest first
        for (int row = 0; row + 1 < m_table.rows.size(); ++row) {
            const QString html = m_html.mid(m_table.rows.at(row),
                                            m_table.rows.at(row + 1) - m_table.rows.at(row));
            QStringList cells = html.split(cellStart);
            cells.removeFirst();
            for (int c = 0; c < cells.size(); ++c) {
                QString text = cells.at(c);
                text = text.mid(text.indexOf(QLatin1Char('>')) + 1).remove(tag).simplified();
                qreal word = 0;
                for (const QString &w : text.split(QLatin1Char(' ')))
                    word = qMax(word, width(w));
                const qreal values[] = {word, width(text)};
                for (int m = 0; m < 2; ++m) {
                    const int slot = 2 * c + m;
                    if (best.size() <= slot)
                        best.resize(slot + 1);
                    auto &list = best[slot];
                    list.append({values[m], row});
                    std::sort(list.begin(), list.end(), [](const auto &a, const auto &b) {
                        return a.first > b.first;
                    });
                    if (list.size() > Kept)
                        list.removeLast();
                }
            }
        }
        QVector<int> rows;
        for (const auto &list : best) {
            for (const auto &entry : list)
                rows.append(entry.second);
        }
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        return rows;
    }

    // The rows that end before a page break no row crosses, as late in the slice as there is
    // one before the last page, and the pages they fill; no rows when there is none.
    Carry carry(const QTextDocument &document, int first, int count) const
    {
        QTextTable *table = lastTable(document);
        if (!table)
            return {};
        const int header = first == 0 ? m_headerRows : 0;
        QAbstractTextDocumentLayout *layout = document.documentLayout();
        const qreal height = m_setup.size.height();
        const auto rowTop = [&](int r) {
            return layout->blockBoundingRect(table->cellAt(header + r, 0).firstCursorPosition()
                                                     .block()).top();
        };
        const auto rowBottom = [&](int r) {
            qreal bottom = 0;
            for (int c = 0; c < table->columns(); ++c) {
                const QTextBlock block = table->cellAt(header + r, c).lastCursorPosition().block();
                bottom = qMax(bottom, layout->blockBoundingRect(block).bottom());
            }
            return bottom;
        };
        for (int page = document.pageCount(); page > 1; --page) {
            const qreal top = (page - 1) * height;
            int r = count - 1;
            while (r > 0 && rowTop(r - 1) >= top)
                --r;
            if (r > 0 && rowTop(r) >= top && rowBottom(r - 1) <= top)
                return {r, page - 1};
        }
        return {};
    }

    const QString &m_html;
    const LongTable &m_table;
    QPrinter *m_printer;
    PageSetup m_setup;
    int m_firstPage = 1;
    int m_lastPage = INT_MAX;
    int m_headerRows = 0;
    QVector<QTextLength> m_columns;
};

} // namespace

namespace ReportPrinter {

bool print(const QString &html, QPrinter *printer, QWidget *progressParent)
{
    LongTable table;
    if (findLongTable(html, &table)) {
        Progress progress(progressParent);
        return SlicedPrint(html, table, printer).run(&progress);
    }
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setHtml(html);
    document.print(printer);
    return printer->printerState() != QPrinter::Error;
}

void printPreview(QWidget *parent, const QString &html)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&html, &preview](QPrinter *target) { print(html, target, &preview); });
    Dialogs::instance()->exec(&preview);
}

bool writePdf(const QString &html, const QString &fileName, QWidget *progressParent)
{
    bool written = false;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
        written = print(html, &printer, progressParent)
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
