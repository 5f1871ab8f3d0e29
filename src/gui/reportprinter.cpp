#include "reportprinter.h"

#include "dialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <numeric>

// The resolution QTextDocument::print takes its page margins in.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT int qt_defaultDpiX();
Q_GUI_EXPORT int qt_defaultDpiY();
Q_GUI_EXPORT int qt_defaultDpi();
QT_END_NAMESPACE

// A report is printed as QTextDocument::print prints it: 2 cm margins, the page number at the
// bottom right. That path lays a long table out as one piece: the largest event register takes
// about a minute, painting grows with the square of the page count, and past about 3,900 pages
// the layout's fixed-point coordinates overflow and the output is one empty page.
//
// A report whose bulk is one long table of plain-text rows at its end therefore goes another way.
// Qt lays out and paints the pages up to the table's first page from a probe document (the
// report with only the table's leading rows). From there on the table's rows are laid out here
// with the text document layout's own rules and arithmetic (26.6 fixed point, the same page-break
// decisions for lines and rows, the same borders) and painted page by page. Before any of that
// reaches the printer, the probe is printed both ways into a recording device and compared page
// by page, primitive by primitive, and its rows' geometry is compared with Qt's own layout; any
// difference sends the report through the single document, as does any table feature that the
// rows here do not reproduce (spans, cell formats, nested content, header rows, ...).

namespace {

constexpr int LongTableMinRows = 300;
constexpr int ProbeRows = 160;
constexpr int ProgressSteps = 1000;

// ---------------------------------------------------------------------------------------------
// The text layout's fixed-point numbers (26.6), with 64-bit storage so that page positions of a
// long table cannot overflow.

struct Fixed
{
    qint64 v = 0;

    static Fixed raw(qint64 value)
    {
        Fixed f;
        f.v = value;
        return f;
    }
    static Fixed fromReal(qreal r) { return raw(qint64(r * qreal(64))); }
    static Fixed fromInt(qint64 i) { return raw(i * 64); }
    qreal toReal() const { return qreal(v) / qreal(64); }
    Fixed round() const { return raw((v + 32) & -64); }
    qint64 truncate() const { return v >> 6; }
    Fixed operator+(Fixed o) const { return raw(v + o.v); }
    Fixed operator-(Fixed o) const { return raw(v - o.v); }
    Fixed operator*(qint64 i) const { return raw(v * i); }
    Fixed operator/(Fixed o) const
    {
        if (o.v == 0)
            return raw(0x7FFFFFFF);
        bool neg = false;
        qint64 a = v;
        qint64 b = o.v;
        if (a < 0) {
            a = -a;
            neg = true;
        }
        if (b < 0) {
            b = -b;
            neg = !neg;
        }
        const qint64 res = ((a << 6) + (b >> 1)) / b;
        return raw(neg ? -res : res);
    }
    bool operator<(Fixed o) const { return v < o.v; }
    bool operator>(Fixed o) const { return v > o.v; }
    bool operator<=(Fixed o) const { return v <= o.v; }
    bool operator>=(Fixed o) const { return v >= o.v; }
    bool operator==(Fixed o) const { return v == o.v; }
    bool operator!=(Fixed o) const { return v != o.v; }
};

Fixed fmax(Fixed a, Fixed b)
{
    return a < b ? b : a;
}

// ---------------------------------------------------------------------------------------------
// The long table of a report.

struct LongTable
{
    int dataStart = 0; // where the first row after the header row starts
    int tableEnd = 0;  // where "</table" starts
    QVector<int> rowStart;
    QVector<int> rowEnd;
    QVector<QStringList> cells; // plain texts, as the HTML reader makes of them
    int columns = 0;
};

bool decodeText(QStringView raw, QString *text)
{
    QString out;
    out.reserve(raw.size());
    bool space = true; // leading blanks go
    for (int i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == QLatin1Char('<'))
            return false;
        if (c.isSpace()) {
            if (!space)
                out += QLatin1Char(' ');
            space = true;
            continue;
        }
        space = false;
        if (c != QLatin1Char('&')) {
            out += c;
            continue;
        }
        static const struct
        {
            const char *entity;
            char value;
        } entities[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'},
                        {"&#39;", '\''}};
        bool known = false;
        for (const auto &e : entities) {
            const QLatin1String entity(e.entity);
            if (raw.mid(i).startsWith(entity)) {
                out += QLatin1Char(e.value);
                i += entity.size() - 1;
                known = true;
                break;
            }
        }
        if (!known)
            return false;
    }
    *text = out;
    return true;
}

// One row "<tr><td>text</td>...</tr>" with plain-text cells and no attributes.
bool parseRow(QStringView row, QStringList *cells)
{
    auto skipSpace = [&row](int i) {
        while (i < row.size() && row.at(i).isSpace())
            ++i;
        return i;
    };
    auto takes = [&row](int i, const char *tag) {
        return row.mid(i).startsWith(QLatin1String(tag), Qt::CaseInsensitive);
    };
    if (!takes(0, "<tr>"))
        return false;
    int i = 4;
    for (;;) {
        i = skipSpace(i);
        if (takes(i, "</tr>"))
            return skipSpace(i + 5) == row.size();
        if (!takes(i, "<td>"))
            return false;
        const int end = row.indexOf(QLatin1String("</td>"), i + 4, Qt::CaseInsensitive);
        if (end < 0)
            return false;
        QString text;
        if (!decodeText(row.mid(i + 4, end - i - 4), &text))
            return false;
        cells->append(text);
        i = end + 5;
    }
}

// What may follow the long table: nothing that shows.
bool onlyClosingTags(QStringView tail)
{
    QString rest = tail.toString().simplified().remove(QLatin1Char(' '));
    rest.remove(QLatin1String("</body>"), Qt::CaseInsensitive);
    rest.remove(QLatin1String("</html>"), Qt::CaseInsensitive);
    return rest.isEmpty();
}

bool findLongTable(const QString &html, LongTable *table)
{
    const QString open = QStringLiteral("<table");
    const QString close = QStringLiteral("</table");
    int from = 0;
    for (;;) {
        const int start = html.indexOf(open, from, Qt::CaseInsensitive);
        if (start < 0)
            return false;
        const int openEnd = html.indexOf(QLatin1Char('>'), start);
        const int end = html.indexOf(close, openEnd, Qt::CaseInsensitive);
        if (openEnd < 0 || end < 0)
            return false;
        const int nested = html.indexOf(open, openEnd, Qt::CaseInsensitive);
        if (nested >= 0 && nested < end)
            return false;
        QVector<int> rows;
        for (int p = html.indexOf(QLatin1String("<tr"), openEnd, Qt::CaseInsensitive);
             p >= 0 && p < end; p = html.indexOf(QLatin1String("<tr"), p + 3, Qt::CaseInsensitive))
            rows.append(p);
        if (rows.size() - 1 < LongTableMinRows) {
            from = end + close.size();
            continue;
        }
        const int closeEnd = html.indexOf(QLatin1Char('>'), end);
        if (closeEnd < 0 || !onlyClosingTags(QStringView(html).mid(closeEnd + 1)))
            return false;
        const QStringView header =
                QStringView(html).mid(rows.at(0), rows.at(1) - rows.at(0));
        table->columns = header.toString().count(QLatin1String("<th"), Qt::CaseInsensitive);
        table->dataStart = rows.at(1);
        table->tableEnd = end;
        const int count = rows.size() - 1;
        table->rowStart.reserve(count);
        table->rowEnd.reserve(count);
        table->cells.reserve(count);
        for (int r = 1; r < rows.size(); ++r) {
            const int rowEnd = r + 1 < rows.size() ? rows.at(r + 1) : end;
            QStringList cells;
            if (!parseRow(QStringView(html).mid(rows.at(r), rowEnd - rows.at(r)), &cells)
                || cells.size() != table->columns)
                return false;
            table->rowStart.append(rows.at(r));
            table->rowEnd.append(rowEnd);
            table->cells.append(cells);
        }
        return table->columns > 0;
    }
}

// ---------------------------------------------------------------------------------------------
// Printing a document as QTextDocument::print does.

struct PrintDocument
{
    std::unique_ptr<QTextDocument> doc;
    QRectF body;
    QPoint margins; // in the screen's resolution
};

// QTextDocument::print gives a printer without margins 2 mm ones before it paints.
void applyPrintMargins(QPagedPaintDevice *device)
{
    const QMarginsF margins = device->pageLayout().margins(QPageLayout::Millimeter);
    if (margins.left() == 0 && margins.right() == 0 && margins.top() == 0
        && margins.bottom() == 0)
        device->setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
}

// The copy of the report that QTextDocument::print lays out: cloned, on the device, with
// 2 cm margins taken in the screen's resolution, one page per device page.
PrintDocument preparePrint(const QString &html, QPaintDevice *device)
{
    QTextDocument source;
    source.setDocumentMargin(0);
    source.setHtml(html);
    (void)source.documentLayout();

    PrintDocument print;
    print.doc.reset(source.clone());
    for (QTextBlock from = source.firstBlock(), to = print.doc->firstBlock();
         from.isValid() && to.isValid(); from = from.next(), to = to.next())
        to.layout()->setFormats(from.layout()->formats());
    QAbstractTextDocumentLayout *layout = print.doc->documentLayout();
    layout->setPaintDevice(device);

    const qreal sourceDpiX = qt_defaultDpiX();
    const qreal sourceDpiY = qt_defaultDpiY();
    const int horizontalMargin = int((2 / 2.54) * sourceDpiX);
    const int verticalMargin = int((2 / 2.54) * sourceDpiY);
    QTextFrameFormat format = print.doc->rootFrame()->frameFormat();
    format.setLeftMargin(horizontalMargin);
    format.setRightMargin(horizontalMargin);
    format.setTopMargin(verticalMargin);
    format.setBottomMargin(verticalMargin);
    print.doc->rootFrame()->setFrameFormat(format);

    print.body = QRectF(0, 0, device->width(), device->height());
    print.margins = QPoint(horizontalMargin, verticalMargin);
    print.doc->setPageSize(print.body.size());
    return print;
}

// Text positions go through 26.6 fixed point and single-precision glyph positions, which lose
// the glyphs millions of device units down a long document (and overflow past 33 million).
// There text is drawn from its page's top; nearer the top exactly as the document layout
// draws it.
qreal textShift(qreal pageTop)
{
    return pageTop > 4e6 ? pageTop : 0;
}

// The page number where QTextDocument::print puts it.
void paintPageNumber(QPainter *painter, const PrintDocument &print, int page, const QRectF &view)
{
    const QPaintDevice *device = painter->device();
    const qreal dpiScaleX = qreal(device->logicalDpiX()) / qt_defaultDpiX();
    const qreal dpiScaleY = qreal(device->logicalDpiY()) / qt_defaultDpiY();
    const QPointF position(print.body.width() - print.margins.x() * dpiScaleX,
                           print.body.height() - print.margins.y() * dpiScaleY
                                   + QFontMetrics(print.doc->defaultFont(), device).ascent()
                                   + 5 * device->logicalDpiY() / 72.0);
    painter->setClipping(false);
    painter->setFont(QFont(print.doc->defaultFont()));
    const QString text = QString::number(page);
    const qreal shift = textShift(view.top());
    painter->save();
    painter->translate(0, shift);
    painter->drawText(qRound(position.x() - painter->fontMetrics().horizontalAdvance(text)),
                      qRound(position.y() + view.top() - shift), text);
    painter->restore();
}

QRectF pageView(const PrintDocument &print, int page)
{
    return QRectF(0, (page - 1) * print.body.height(), print.body.width(),
                  print.body.height());
}

// One page as QTextDocument::print paints it.
void paintDocumentPage(QPainter *painter, const PrintDocument &print, int page)
{
    painter->save();
    painter->translate(print.body.left(),
                       print.body.top() - (page - 1) * print.body.height());
    const QRectF view = pageView(print, page);
    QAbstractTextDocumentLayout::PaintContext context;
    painter->setClipRect(view);
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    print.doc->documentLayout()->draw(painter, context);
    paintPageNumber(painter, print, page, view);
    painter->restore();
}

// The page range asked for in a print dialog, or every page.
struct PageRange
{
    int from = 1;
    int to = INT_MAX;
    bool contains(int page) const { return page >= from && page <= to; }
};

PageRange pageRange(const QPrinter *printer, int pageCount)
{
    PageRange range;
    if (printer && (printer->fromPage() != 0 || printer->toPage() != 0)) {
        range.from = qMax(1, printer->fromPage());
        range.to = printer->toPage() == 0 ? pageCount : printer->toPage();
    }
    range.to = qMin(range.to, pageCount);
    return range;
}

// ---------------------------------------------------------------------------------------------
// Progress over a window, cancellable; nothing when there is no window.

class Progress
{
public:
    Progress(QWidget *parent, int total) : m_total(qMax(1, total))
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

    // False once the user has cancelled.
    bool step(int done)
    {
        if (!m_dialog)
            return true;
        // Events are processed about 20 times a second: often enough for the window,
        // rare enough to cost nothing.
        if (m_clock.elapsed() >= 50 || done >= m_total) {
            m_clock.restart();
            m_dialog->setValue(int(qint64(done) * ProgressSteps / m_total));
        }
        return !m_dialog->wasCanceled();
    }
    QProgressDialog *dialog() const { return m_dialog.get(); }

private:
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_clock;
    int m_total;
};

// ---------------------------------------------------------------------------------------------
// A paged device that records what is painted on each page, to compare two ways of printing.

class RecordingEngine : public QPaintEngine
{
public:
    RecordingEngine() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyFont)
            m_font = state.font();
    }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QRectF r = m_transform.mapRect(rects[i]).intersected(m_page);
            if (!r.isEmpty())
                record(QStringLiteral("R %1 %2 %3 %4 %5 %6")
                               .arg(m_brush.color().name())
                               .arg(m_brush.style())
                               .arg(r.x())
                               .arg(r.y())
                               .arg(r.width())
                               .arg(r.height()));
        }
    }
    void drawRects(const QRect *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QRectF r(rects[i]);
            drawRects(&r, 1);
        }
    }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        const QPointF at = m_transform.map(p);
        if (m_page.contains(at))
            record(QStringLiteral("T %1 %2 %3 %4 %5 %6")
                           .arg(at.x())
                           .arg(at.y())
                           .arg(item.text())
                           .arg(item.width())
                           .arg(m_pen.color().name())
                           .arg(item.font().key()));
    }
    void drawPath(const QPainterPath &path) override
    {
        record(QStringLiteral("path %1").arg(path.elementCount()));
    }
    void drawPolygon(const QPointF *, int count, PolygonDrawMode) override
    {
        record(QStringLiteral("polygon %1").arg(count));
    }
    void drawLines(const QLineF *, int count) override
    {
        record(QStringLiteral("lines %1").arg(count));
    }
    void drawPixmap(const QRectF &r, const QPixmap &, const QRectF &) override
    {
        record(QStringLiteral("pixmap %1 %2").arg(r.x()).arg(r.y()));
    }
    void drawImage(const QRectF &r, const QImage &, const QRectF &,
                   Qt::ImageConversionFlags) override
    {
        record(QStringLiteral("image %1 %2").arg(r.x()).arg(r.y()));
    }

    void setPage(const QRectF &page) { m_page = page; }
    void newPage() { pages.append(QStringList()); }
    QVector<QStringList> pages{QStringList()};

private:
    void record(const QString &entry) { pages.last().append(entry); }

    QTransform m_transform;
    QBrush m_brush;
    QPen m_pen;
    QFont m_font;
    QRectF m_page;
};

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
class RecordingDevice : public QPagedPaintDevice
{
public:
    explicit RecordingDevice(QPrinter *model) : m_model(model)
    {
        m_engine.setPage(QRectF(0, 0, model->width(), model->height()));
        setPageLayout(model->pageLayout());
    }

    QPaintEngine *paintEngine() const override { return &m_engine; }
    bool newPage() override
    {
        m_engine.newPage();
        return true;
    }
    int devType() const override { return QInternal::Printer; }
    QVector<QStringList> sortedPages() const
    {
        QVector<QStringList> pages = m_engine.pages;
        for (QStringList &page : pages)
            std::sort(page.begin(), page.end());
        return pages;
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_model->width();
        case PdmHeight:
            return m_model->height();
        case PdmWidthMM:
            return m_model->widthMM();
        case PdmHeightMM:
            return m_model->heightMM();
        case PdmNumColors:
            return m_model->colorCount();
        case PdmDepth:
            return m_model->depth();
        case PdmDpiX:
            return m_model->logicalDpiX();
        case PdmDpiY:
            return m_model->logicalDpiY();
        case PdmPhysicalDpiX:
            return m_model->physicalDpiX();
        case PdmPhysicalDpiY:
            return m_model->physicalDpiY();
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QPrinter *m_model;
    mutable RecordingEngine m_engine;
};
QT_WARNING_POP

// ---------------------------------------------------------------------------------------------
// The long table laid out and painted here.

QTextTable *findTable(QTextDocument *document)
{
    const QList<QTextFrame *> frames = document->rootFrame()->childFrames();
    if (frames.size() != 1)
        return nullptr;
    return qobject_cast<QTextTable *>(frames.first());
}

// How the cells of one column (or of the header row) are laid out.
struct CellStyle
{
    QFont font;
    QTextOption option;
};

class TablePrinter
{
public:
    TablePrinter(const QString &html, const LongTable &table, QPrinter *printer)
        : m_html(html), m_table(table), m_printer(printer)
    {
    }

    // Lays out the probe and checks the rows here against Qt; false: print as one document.
    bool prepare();
    // Paints every page; false when cancelled or the printer failed.
    bool print(QWidget *progressParent);

private:
    // A table row: its header cells, or the index of a data row in the list being laid out.
    struct Geometry
    {
        QVector<Fixed> rowPos;
        QVector<Fixed> height;
        QVector<int> lineStart; // per cell (row * columns + column) into lineY, plus one
        QVector<qint32> lineY;  // line positions relative to the cell's text origin (26.6)
        QVector<qint32> blockY; // per cell: the text block's position in the cell (26.6)
        Fixed tableHeight;
        int pageCount = 0;
    };

    QString probeHtml(int rows) const;
    bool readTable(QTextDocument *document, int probeRows);
    const QString &cellText(const QVector<int> &rows, int r, int c) const;
    const CellStyle &cellStyle(int r, int c) const
    {
        return r == 0 ? m_headerStyles.at(c) : m_dataStyles.at(c);
    }
    // Lays the lines of a cell out as the document layout does; returns the minimum width.
    void createLines(QTextLayout *layout, const CellStyle &style, Fixed width) const;
    bool layoutTable(const QVector<int> &rows, Geometry *geometry, Progress *progress) const;
    bool fitsColumns(const QVector<int> &rows) const;
    void paintTablePage(QPainter *painter, const QVector<int> &rows, const Geometry &geometry,
                        int page) const;
    void drawBorder(QPainter *painter, const QRectF &rect, qreal topMargin, qreal bottomMargin,
                    qreal border, QTextFrameFormat::BorderStyle style, int page) const;
    bool matchesQt(int probeRows);
    bool paintPages(QPaintDevice *device, QPainter *painter, const QVector<int> &rows,
                    const Geometry &geometry, Progress *progress, int progressBase);

    const QString &m_html;
    const LongTable &m_table;
    QPrinter *m_printer;

    PrintDocument m_probe;
    int m_probeRows = 0;
    QVector<QString> m_headerTexts;
    QVector<CellStyle> m_headerStyles;
    QVector<CellStyle> m_dataStyles;
    int m_columns = 0;
    int m_firstTablePage = 0; // the last page Qt paints from the probe

    qreal m_pageHeight = 0;
    Fixed m_pageHeightFixed;
    QPointF m_tablePos;
    QPointF m_tableOffset; // where the table is painted: its position rounded
    qreal m_tableWidth = 0;
    Fixed m_effectiveTop, m_effectiveBottom;
    Fixed m_frameTopMargin, m_frameBottomMargin, m_frameLeftMargin, m_frameRightMargin;
    Fixed m_border, m_framePadding, m_cellSpacing, m_cellPadding;
    Fixed m_rootBottom; // what the root frame adds below its last child
    QVector<Fixed> m_columnPos, m_columnWidth;
    QBrush m_background, m_borderBrush;
    QTextFrameFormat::BorderStyle m_borderStyle = QTextFrameFormat::BorderStyle_Outset;
};

QString TablePrinter::probeHtml(int rows) const
{
    QString html = m_html.left(m_table.dataStart);
    for (int r = 0; r < rows; ++r)
        html += QStringView(m_html).mid(m_table.rowStart.at(r),
                                        m_table.rowEnd.at(r) - m_table.rowStart.at(r));
    html += QStringView(m_html).mid(m_table.tableEnd);
    return html;
}

qreal scaleToDevice(const QPaintDevice *device, qreal value)
{
    return value * device->logicalDpiY() / qreal(qt_defaultDpi());
}

Fixed scaledRounded(const QPaintDevice *device, qreal value)
{
    return Fixed::fromReal(scaleToDevice(device, value)).round();
}

// The properties a cell's text may have for the rows here: its font and nothing else.
bool plainCharFormat(const QTextCharFormat &format)
{
    static const int fontProperties[] = {
            QTextFormat::FontFamily,        QTextFormat::FontFamilies,
            QTextFormat::FontStyleName,     QTextFormat::FontPointSize,
            QTextFormat::FontPixelSize,     QTextFormat::FontSizeAdjustment,
            QTextFormat::FontWeight,        QTextFormat::FontItalic,
            QTextFormat::FontFixedPitch,    QTextFormat::FontStyleHint,
            QTextFormat::FontStyleStrategy, QTextFormat::FontHintingPreference,
            QTextFormat::FontKerning};
    const QMap<int, QVariant> properties = format.properties();
    for (auto it = properties.cbegin(); it != properties.cend(); ++it) {
        if (std::find(std::begin(fontProperties), std::end(fontProperties), it.key())
            == std::end(fontProperties))
            return false;
    }
    return true;
}

bool plainBlockFormat(const QTextBlockFormat &format)
{
    return format.topMargin() == 0 && format.bottomMargin() == 0 && format.leftMargin() == 0
            && format.rightMargin() == 0 && format.textIndent() == 0 && format.indent() == 0
            && format.lineHeightType() == QTextBlockFormat::SingleHeight
            && !format.nonBreakableLines() && format.background().style() == Qt::NoBrush
            && format.pageBreakPolicy() == QTextFormat::PageBreak_Auto
            && format.tabPositions().isEmpty() && !format.hasProperty(QTextFormat::ObjectIndex)
            && !format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
}

bool plainCell(const QTextTableCell &cell)
{
    if (cell.rowSpan() != 1 || cell.columnSpan() != 1)
        return false;
    const QTextTableCellFormat format = cell.format().toTableCellFormat();
    for (int p : {int(QTextFormat::TableCellTopPadding), int(QTextFormat::TableCellBottomPadding),
                  int(QTextFormat::TableCellLeftPadding), int(QTextFormat::TableCellRightPadding),
                  int(QTextFormat::TableCellTopBorderStyle),
                  int(QTextFormat::TableCellBottomBorderStyle),
                  int(QTextFormat::TableCellLeftBorderStyle),
                  int(QTextFormat::TableCellRightBorderStyle)}) {
        if (format.hasProperty(p))
            return false;
    }
    if (format.background().style() != Qt::NoBrush
        || format.verticalAlignment() != QTextCharFormat::AlignNormal)
        return false;
    const QTextBlock first = cell.firstCursorPosition().block();
    if (first != cell.lastCursorPosition().block() || !plainBlockFormat(first.blockFormat()))
        return false;
    int fragments = 0;
    for (auto it = first.begin(); !it.atEnd(); ++it) {
        if (++fragments > 1 || !plainCharFormat(it.fragment().charFormat()))
            return false;
    }
    return true;
}

CellStyle styleOf(const QTextDocument *document, const QTextBlock &block, QPaintDevice *device)
{
    QTextCharFormat format = block.charFormat();
    if (block.begin() != block.end())
        format = block.begin().fragment().charFormat();
    CellStyle style;
    style.font = QFont(format.font().resolve(document->defaultFont()), device);
    style.option = document->defaultTextOption();
    style.option.setTextDirection(block.textDirection());
    style.option.setTabs(block.blockFormat().tabPositions());
    Qt::Alignment align = document->defaultTextOption().alignment();
    if (block.blockFormat().hasProperty(QTextFormat::BlockAlignment))
        align = block.blockFormat().alignment();
    style.option.setAlignment(QStyle::visualAlignment(block.textDirection(), align));
    return style;
}

bool sameStyle(const CellStyle &a, const CellStyle &b)
{
    return a.font == b.font && a.option.alignment() == b.option.alignment()
            && a.option.wrapMode() == b.option.wrapMode()
            && a.option.textDirection() == b.option.textDirection()
            && a.option.flags() == b.option.flags();
}

// Reads from Qt's layout of the probe what the rows here are laid out with.
bool TablePrinter::readTable(QTextDocument *document, int probeRows)
{
    QTextTable *table = findTable(document);
    if (!table || table->columns() != m_table.columns || table->rows() != probeRows + 1)
        return false;
    const QTextTableFormat format = table->format();
    if (format.headerRowCount() != 0 || format.borderCollapse()
        || format.width().type() != QTextLength::FixedLength
        || format.position() != QTextFrameFormat::InFlow
        || format.pageBreakPolicy() != QTextFormat::PageBreak_Auto
        || (format.alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignLeft) != 0
        || !table->childFrames().isEmpty())
        return false;
    switch (format.borderStyle()) {
    case QTextFrameFormat::BorderStyle_Inset:
    case QTextFrameFormat::BorderStyle_Outset:
    case QTextFrameFormat::BorderStyle_Solid:
        break;
    default:
        return false;
    }
    // Column widths must not depend on the rows: fixed columns and at most one variable one.
    int variable = 0;
    for (const QTextLength &length : format.columnWidthConstraints()) {
        if (length.type() == QTextLength::PercentageLength)
            return false;
        if (length.type() == QTextLength::VariableLength)
            ++variable;
    }
    variable += table->columns() - format.columnWidthConstraints().size();
    if (variable > 1)
        return false;
    if (document->defaultTextOption().wrapMode() != QTextOption::WrapAtWordBoundaryOrAnywhere
        && document->defaultTextOption().wrapMode() != QTextOption::WordWrap
        && document->defaultTextOption().wrapMode() != QTextOption::WrapAnywhere)
        return false;
    if (document->defaultTextOption().flags() != 0)
        return false;

    QTextFrameFormat root = document->rootFrame()->frameFormat();
    if (root.background().style() != Qt::NoBrush || root.border() != 0)
        return false;

    const QPaintDevice *device = m_printer;
    m_pageHeight = document->pageSize().height();
    m_pageHeightFixed = Fixed::fromReal(m_pageHeight);
    const Fixed rootTop = scaledRounded(device, root.topMargin())
            + scaledRounded(device, root.border()) + scaledRounded(device, root.padding());
    const Fixed rootBottom = scaledRounded(device, root.bottomMargin())
            + scaledRounded(device, root.border()) + scaledRounded(device, root.padding());
    m_rootBottom = rootBottom;
    m_frameTopMargin = scaledRounded(device, format.topMargin());
    m_frameBottomMargin = scaledRounded(device, format.bottomMargin());
    m_frameLeftMargin = scaledRounded(device, format.leftMargin());
    m_frameRightMargin = scaledRounded(device, format.rightMargin());
    m_border = scaledRounded(device, format.border());
    m_framePadding = scaledRounded(device, format.padding());
    // The table's own bottom margin is accumulated from its top margin, as the layout does.
    m_effectiveTop = rootTop + m_frameTopMargin + m_border + m_framePadding;
    m_effectiveBottom = rootBottom + m_frameTopMargin + m_border + m_framePadding;
    m_cellSpacing = scaledRounded(device, format.cellSpacing());
    m_cellPadding = Fixed::fromReal(scaleToDevice(device, format.cellPadding()));
    m_background = format.background();
    m_borderBrush = format.borderBrush();
    m_borderStyle = format.borderStyle();

    QAbstractTextDocumentLayout *layout = document->documentLayout();
    // The frame's bounding rectangle starts at its first cell's text: the table's own
    // position is that less the first cell's offset in it.
    const QRectF tableRect = layout->frameBoundingRect(table);
    const Fixed firstColumn = m_frameLeftMargin + m_framePadding + m_border + m_cellSpacing
            + m_border;
    const Fixed firstRow = m_frameTopMargin + m_framePadding + m_border + m_cellSpacing
            + m_border;
    m_tablePos = QPointF((Fixed::fromReal(tableRect.left()) - firstColumn - m_cellPadding).toReal(),
                         (Fixed::fromReal(tableRect.top()) - firstRow - m_cellPadding).toReal());
    m_tableOffset = QPointF(m_tablePos.toPoint());
    m_tableWidth = tableRect.width();

    m_columns = table->columns();
    m_headerTexts.clear();
    m_headerStyles.clear();
    m_dataStyles.clear();
    m_columnPos.fill(Fixed(), m_columns);
    m_columnWidth.fill(Fixed::raw(std::numeric_limits<qint64>::max()), m_columns);
    for (int r = 0; r <= probeRows; ++r) {
        for (int c = 0; c < m_columns; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (!plainCell(cell))
                return false;
            const QTextBlock block = cell.firstCursorPosition().block();
            const CellStyle style = styleOf(document, block, m_printer);
            if (r == 0) {
                m_headerTexts.append(block.text());
                m_headerStyles.append(style);
            } else if (r == 1) {
                m_dataStyles.append(style);
            } else if (!sameStyle(style, m_dataStyles.at(c))) {
                return false;
            }
            if (r > 0 && block.text() != m_table.cells.at(r - 1).at(c))
                return false;
            const QTextLayout *text = block.layout();
            const QRectF rect = layout->blockBoundingRect(block);
            const Fixed pos = Fixed::fromReal(rect.left() - text->position().x() - m_tablePos.x())
                    - m_cellPadding;
            if (r == 0)
                m_columnPos[c] = pos;
            else if (pos != m_columnPos.at(c))
                return false;
            for (int i = 0; i < text->lineCount(); ++i)
                m_columnWidth[c] = std::min(m_columnWidth.at(c),
                                            Fixed::fromReal(text->lineAt(i).width())
                                                    + m_cellPadding * 2);
        }
    }
    for (int c = 0; c + 1 < m_columns; ++c) {
        if (m_columnPos.at(c) + m_columnWidth.at(c) + m_border * 2 + m_cellSpacing
            != m_columnPos.at(c + 1))
            return false;
    }
    return true;
}

const QString &TablePrinter::cellText(const QVector<int> &rows, int r, int c) const
{
    return r == 0 ? m_headerTexts.at(c) : m_table.cells.at(rows.at(r - 1)).at(c);
}

// The lines of a cell's text block as QTextDocumentLayout breaks them (without positions).
void TablePrinter::createLines(QTextLayout *layout, const CellStyle &style, Fixed width) const
{
    QTextOption option = style.option;
    const bool wordOrAnywhere = option.wrapMode() == QTextOption::WrapAtWordBoundaryOrAnywhere;
    layout->setTextOption(option);
    layout->beginLayout();
    for (;;) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        line.setLineWidth(width.toReal());
        if (Fixed::fromReal(line.naturalTextWidth()) > width) {
            line.setLineWidth(width.toReal());
            if (Fixed::fromReal(line.naturalTextWidth()) > width) {
                if (wordOrAnywhere) {
                    option.setWrapMode(QTextOption::WrapAnywhere);
                    layout->setTextOption(option);
                }
                line.setLineWidth(qMax<qreal>(line.naturalTextWidth(), width.toReal()));
                if (wordOrAnywhere) {
                    option.setWrapMode(QTextOption::WordWrap);
                    layout->setTextOption(option);
                }
            }
        }
    }
    layout->endLayout();
}

// Column widths come from the probe. They hold for every row when no cell needs more than its
// column for its narrowest layout, which is what the layout would widen a column for.
bool TablePrinter::fitsColumns(const QVector<int> &rows) const
{
    for (int r = 1; r <= rows.size(); ++r) {
        for (int c = 0; c < m_columns; ++c) {
            const Fixed content = m_columnWidth.at(c) - m_cellPadding * 2;
            const CellStyle &style = cellStyle(r, c);
            QTextLayout single(cellText(rows, r, c), style.font, m_printer);
            single.setTextOption(style.option);
            single.beginLayout();
            QTextLine line = single.createLine();
            line.setLeadingIncluded(true);
            line.setLineWidth(content.toReal());
            const bool oneLine = !single.createLine().isValid();
            single.endLayout();
            if (oneLine && Fixed::fromReal(line.naturalTextWidth()) <= content)
                continue;
            // The minimum width as the layout measures it: the text laid out without a limit.
            QTextLayout widest(cellText(rows, r, c), style.font, m_printer);
            widest.setTextOption(style.option);
            widest.beginLayout();
            for (QTextLine l = widest.createLine(); l.isValid(); l = widest.createLine()) {
                l.setLeadingIncluded(true);
                l.setLineWidth(Fixed::raw(0x7FFFFFFF).toReal());
            }
            widest.endLayout();
            if (Fixed::fromReal(widest.minimumWidth()) > content)
                return false;
        }
    }
    return true;
}

// The table's rows laid out as QTextDocumentLayout::layoutTable does for a table without spans,
// header rows, nested frames or cell formats: each cell's lines are moved to the next page when
// they cross its bottom, a row none of whose cells starts on the page goes to the next page
// whole and the row before it then reaches down to the page's bottom.
bool TablePrinter::layoutTable(const QVector<int> &rows, Geometry *g, Progress *progress) const
{
    const int count = rows.size() + 1;
    const Fixed H = m_pageHeightFixed;
    const Fixed absoluteTableY = Fixed::fromReal(m_tablePos.y());
    const Fixed spacing = m_cellSpacing;
    const Fixed border = m_border;
    const Fixed padding = m_cellPadding;

    g->rowPos.fill(Fixed(), count);
    g->height.fill(Fixed(), count);
    g->lineStart.clear();
    g->lineStart.reserve(count * m_columns + 1);
    g->lineY.clear();
    g->lineY.reserve(count * m_columns * 2);
    g->blockY.clear();
    g->blockY.reserve(count * m_columns);
    g->rowPos[0] = m_frameTopMargin + m_framePadding + border + spacing + border;

    const int tableStartPage = int((absoluteTableY / H).truncate());
    bool droppedTable = false;
    QVector<Fixed> lines;
    for (int r = 0; r < count; ++r) {
        if (progress && (r & 255) == 0 && !progress->step(r))
            return false;
        if (r > 0)
            g->rowPos[r] = g->rowPos.at(r - 1) + g->height.at(r - 1) + border + spacing + border;
        const int currentPage = int(((g->rowPos.at(r) + absoluteTableY) / H).truncate());
        const Fixed pageBottom = H * (currentPage + 1) - m_effectiveBottom - absoluteTableY
                - spacing - border;
        const Fixed pageTop = H * currentPage + m_effectiveTop - absoluteTableY + spacing + border;
        const Fixed nextPageTop = pageTop + H;
        if (g->rowPos.at(r) > pageBottom)
            g->rowPos[r] = nextPageTop;
        else if (g->rowPos.at(r) < pageTop)
            g->rowPos[r] = pageTop;

        const int rowStartPage = int(((g->rowPos.at(r) + absoluteTableY) / H).truncate());
        if (r == 0 && rowStartPage > tableStartPage && !droppedTable) {
            // The first row does not start on the table's page: the table's rows move down.
            g->rowPos[0] = nextPageTop;
            droppedTable = true;
            r = -1;
            continue;
        }
        bool dropRow = true;
        const int cellsBefore = g->lineStart.size();
        const int linesBefore = g->lineY.size();
        for (;;) {
            g->height[r] = Fixed();
            for (int c = 0; c < m_columns; ++c) {
                const Fixed width = m_columnWidth.at(c) - padding * 2;
                const CellStyle &style = cellStyle(r, c);
                QTextLayout text(cellText(rows, r, c), style.font, m_printer);
                createLines(&text, style, width);

                // QTextDocumentLayoutPrivate::layoutCell and layoutBlock for one block.
                const Fixed frameY = absoluteTableY + g->rowPos.at(r) + padding;
                const int page = int((frameY / H).truncate());
                const Fixed pageTopMargin = m_effectiveTop + spacing + border + padding;
                const Fixed pageBottomMargin = m_effectiveBottom + spacing + border + padding;
                const Fixed contentHeight = H - pageBottomMargin - pageTopMargin;
                Fixed cellPageBottom = H * (page + 1) - pageBottomMargin;
                Fixed y = fmax(Fixed(), H * page + pageTopMargin - frameY);
                const Fixed blockY = y;
                Fixed bottom;
                lines.clear();
                for (int i = 0; i < text.lineCount(); ++i) {
                    const QTextLine line = text.lineAt(i);
                    const Fixed breakHeight = Fixed::fromReal(line.height());
                    const Fixed lineHeight = Fixed::fromReal(
                            qCeil(line.ascent() + line.descent() + line.leading()));
                    while (frameY + y + breakHeight > cellPageBottom
                           && contentHeight >= breakHeight) {
                        cellPageBottom = cellPageBottom + H;
                        y = fmax(y, cellPageBottom - H + pageBottomMargin + pageTopMargin
                                         - frameY);
                    }
                    lines.append(y - blockY);
                    bottom = y + breakHeight;
                    y = y + lineHeight;
                }
                y = fmax(y, bottom);
                const Fixed height = (y + padding + padding).round();
                g->height[r] = fmax(g->height.at(r), height);
                const Fixed firstLine = blockY + (lines.isEmpty() ? Fixed() : lines.first());
                if (g->rowPos.at(r) + padding + firstLine < pageBottom)
                    dropRow = false;

                g->lineStart.append(g->lineY.size());
                g->blockY.append(qint32(blockY.v));
                for (Fixed l : qAsConst(lines))
                    g->lineY.append(qint32(l.v));
            }
            if (!dropRow)
                break;
            // No cell starts on this page: the row goes to the next one.
            g->rowPos[r] = nextPageTop;
            dropRow = false;
            g->lineStart.resize(cellsBefore);
            g->lineY.resize(linesBefore);
            g->blockY.resize(cellsBefore);
            if (r > 0)
                g->height[r - 1] = pageBottom - g->rowPos.at(r - 1);
        }
    }
    g->lineStart.append(g->lineY.size());
    g->tableHeight = g->rowPos.at(count - 1) + g->height.at(count - 1) + m_framePadding + border
            + spacing + m_frameBottomMargin + border + m_framePadding;
    const Fixed documentHeight = Fixed::fromReal(m_tablePos.y()) + g->tableHeight + m_rootBottom;
    g->pageCount = qCeil(documentHeight.toReal() / m_pageHeight);
    return true;
}

// QTextDocumentLayoutPrivate::drawBorder for the part of a border on one page.
void TablePrinter::drawBorder(QPainter *painter, const QRectF &rect, qreal topMargin,
                              qreal bottomMargin, qreal border,
                              QTextFrameFormat::BorderStyle style, int page) const
{
    const qreal pageHeight = m_pageHeight;
    const int topPage = pageHeight > 0 ? int(rect.top() / pageHeight) : 0;
    const int bottomPage = pageHeight > 0 ? int((rect.bottom() + border) / pageHeight) : 0;
    if (page < topPage || page > bottomPage)
        return;
    QRectF clipped = rect.toRect();
    if (topPage != bottomPage) {
        clipped.setTop(qMax(clipped.top(), page * pageHeight + topMargin - border));
        clipped.setBottom(qMin(clipped.bottom(), (page + 1) * pageHeight - bottomMargin));
        if (clipped.bottom() <= clipped.top())
            return;
    }
    if (!clipped.isValid())
        return;

    const bool antialiasingOff = !(painter->renderHints() & QPainter::Antialiasing);
    painter->setRenderHint(QPainter::Antialiasing);
    // qDrawEdge of the solid, inset and outset styles: one rectangle per edge.
    enum Edge { Left, Top, Right, Bottom };
    auto edge = [&](qreal x1, qreal y1, qreal x2, qreal y2, Edge e) {
        QBrush brush = m_borderBrush;
        if ((style == QTextFrameFormat::BorderStyle_Outset && (e == Top || e == Left))
            || (style == QTextFrameFormat::BorderStyle_Inset && (e == Bottom || e == Right)))
            brush = brush.color().lighter();
        painter->save();
        painter->setPen(Qt::NoPen);
        painter->setBrush(brush);
        painter->drawRect(QRectF(x1, y1, x2 - x1, y2 - y1));
        painter->restore();
    };
    edge(clipped.left(), clipped.top(), clipped.left() + border, clipped.bottom() + border, Left);
    edge(clipped.left() + border, clipped.top(), clipped.right() + border, clipped.top() + border,
         Top);
    edge(clipped.right(), clipped.top() + border, clipped.right() + border, clipped.bottom(),
         Right);
    edge(clipped.left() + border, clipped.bottom(), clipped.right() + border,
         clipped.bottom() + border, Bottom);
    if (antialiasingOff)
        painter->setRenderHint(QPainter::Antialiasing, false);
}

// One page of the table, painted as QTextDocumentLayout paints a table frame and its cells,
// in document coordinates.
void TablePrinter::paintTablePage(QPainter *painter, const QVector<int> &rows,
                                  const Geometry &g, int page) const
{
    const int pageIndex = page - 1;
    const QRectF clip(0, pageIndex * m_pageHeight, m_probe.body.width(), m_pageHeight);
    const QRectF frameRect(m_tableOffset, QSizeF(m_tableWidth, g.tableHeight.toReal()));
    const qreal border = m_border.toReal();
    if (frameRect.top() > clip.bottom() || frameRect.bottom() < clip.top())
        return;

    // The frame: its background, then its border.
    if (m_background.style() != Qt::NoBrush) {
        const QRectF ground = frameRect.adjusted(
                (m_frameLeftMargin + m_border).toReal(), (m_frameTopMargin + m_border).toReal(),
                -(m_frameRightMargin + m_border).toReal(),
                -(m_frameBottomMargin + m_border).toReal());
        painter->save();
        painter->setBrushOrigin(ground.topLeft());
        painter->fillRect(ground, m_background);
        painter->restore();
    }
    if (m_border != Fixed()) {
        painter->save();
        painter->setBrush(Qt::lightGray);
        painter->setPen(Qt::NoPen);
        const qreal left = frameRect.left() + m_frameLeftMargin.toReal();
        const qreal top = m_frameTopMargin.toReal();
        const qreal w = frameRect.width() - 2 * border - m_frameLeftMargin.toReal()
                - m_frameRightMargin.toReal();
        const qreal h = frameRect.height() - 2 * border - top - m_frameBottomMargin.toReal();
        drawBorder(painter, QRectF(left, frameRect.top() + top, w + border, h + border),
                   m_effectiveTop.toReal(), m_effectiveBottom.toReal(), border, m_borderStyle,
                   pageIndex);
        painter->restore();
    }

    QTextFrameFormat::BorderStyle cellBorder = m_borderStyle;
    if (cellBorder == QTextFrameFormat::BorderStyle_Inset)
        cellBorder = QTextFrameFormat::BorderStyle_Outset;
    else if (cellBorder == QTextFrameFormat::BorderStyle_Outset)
        cellBorder = QTextFrameFormat::BorderStyle_Inset;
    const qreal topMargin = (m_effectiveTop + m_cellSpacing + m_border).toReal();
    const qreal bottomMargin = (m_effectiveBottom + m_cellSpacing + m_border).toReal();

    // The rows that reach into the page, found by their positions.
    const qreal clipTop = clip.top() - m_tableOffset.y();
    int firstRow = int(std::lower_bound(g.rowPos.cbegin(), g.rowPos.cend(),
                                        Fixed::fromReal(clipTop))
                       - g.rowPos.cbegin());
    while (firstRow > 0
           && (g.rowPos.at(firstRow - 1) + g.height.at(firstRow - 1)).toReal() + border
                   >= clipTop)
        --firstRow;
    for (int r = firstRow; r < g.rowPos.size(); ++r) {
        if (g.rowPos.at(r).toReal() + m_tableOffset.y() - border > clip.bottom())
            break;
        for (int c = 0; c < m_columns; ++c) {
            QRectF cellRect(m_columnPos.at(c).toReal(), g.rowPos.at(r).toReal(),
                            m_columnWidth.at(c).toReal(), g.height.at(r).toReal());
            cellRect.translate(m_tableOffset);
            if (!cellRect.adjusted(-border, -border, border, border).intersects(clip))
                continue;
            const QRectF borderRect(cellRect.left() - border, cellRect.top() - border,
                                    cellRect.width() + border, cellRect.height() + border);
            if (m_border != Fixed()) {
                const QBrush brush = painter->brush();
                const QPen pen = painter->pen();
                drawBorder(painter, borderRect, topMargin, bottomMargin, border, cellBorder,
                           pageIndex);
                painter->setBrush(brush);
                painter->setPen(pen);
            }

            const int cell = r * m_columns + c;
            const CellStyle &style = cellStyle(r, c);
            QTextLayout text(cellText(rows, r, c), style.font, m_printer);
            createLines(&text, style, m_columnWidth.at(c) - m_cellPadding * 2);
            const int start = g.lineStart.at(cell);
            for (int i = 0; i < text.lineCount(); ++i)
                text.lineAt(i).setPosition(QPointF(0, Fixed::raw(g.lineY.at(start + i)).toReal()));
            text.setPosition(QPointF(0, Fixed::raw(g.blockY.at(cell)).toReal()));
            const QPointF origin(cellRect.left() + m_cellPadding.toReal(),
                                 cellRect.top() + m_cellPadding.toReal());
            QRectF bounds = text.boundingRect();
            bounds.translate(origin + text.position());
            if (bounds.bottom() < clip.y() || bounds.top() > clip.bottom())
                continue;
            const QPen pen = painter->pen();
            painter->setPen(Qt::black);
            const qreal shift = textShift(clip.top());
            painter->save();
            painter->translate(0, shift);
            text.draw(painter, origin - QPointF(0, shift), {}, QRectF());
            painter->restore();
            painter->setPen(pen);
        }
    }
}

// Pages up to the table's first one from Qt's probe, the rest from the rows here.
bool TablePrinter::paintPages(QPaintDevice *device, QPainter *painter, const QVector<int> &rows,
                              const Geometry &g, Progress *progress, int progressBase)
{
    auto *printer = dynamic_cast<QPrinter *>(device);
    const PageRange range = pageRange(printer, g.pageCount);
    auto *paged = static_cast<QPagedPaintDevice *>(device);
    bool firstPage = true;
    for (int page = range.from; page <= range.to; ++page) {
        if (progress && !progress->step(progressBase + page))
            return false;
        if (!firstPage && !paged->newPage())
            return false;
        firstPage = false;
        if (page <= m_firstTablePage) {
            paintDocumentPage(painter, m_probe, page);
            continue;
        }
        painter->save();
        painter->translate(m_probe.body.left(),
                           m_probe.body.top() - (page - 1) * m_probe.body.height());
        const QRectF view = pageView(m_probe, page);
        painter->setClipRect(view);
        paintTablePage(painter, rows, g, page);
        paintPageNumber(painter, m_probe, page, view);
        painter->restore();
    }
    return true;
}

bool TablePrinter::prepare()
{
    applyPrintMargins(m_printer);
    const int total = m_table.cells.size();
    for (int probeRows = qMin(ProbeRows, total);; probeRows = qMin(probeRows * 2, total)) {
        m_probe = preparePrint(probeHtml(probeRows), m_printer);
        const int pages = m_probe.doc->pageCount();
        if (!readTable(m_probe.doc.get(), probeRows)) {
            qDebug() << "ReportPrinter: the table has features laid out by Qt alone";
            return false;
        }
        QTextTable *table = findTable(m_probe.doc.get());
        const QTextBlock header = table->cellAt(0, 0).firstCursorPosition().block();
        m_firstTablePage = int(m_probe.doc->documentLayout()->blockBoundingRect(header).top()
                               / m_pageHeight)
                + 1;
        // The probe must reach three pages past the table's first page.
        if (pages >= m_firstTablePage + 3) {
            m_probeRows = probeRows;
            break;
        }
        if (probeRows == total)
            return false;
    }
    return matchesQt(m_probeRows);
}

// The probe's rows laid out here must sit where Qt put them, and its pages printed by Qt and
// printed here must paint the same.
bool TablePrinter::matchesQt(int probeRows)
{
    QVector<int> rows(probeRows);
    std::iota(rows.begin(), rows.end(), 0);
    Geometry g;
    if (!layoutTable(rows, &g, nullptr) || g.pageCount != m_probe.doc->pageCount()) {
        qDebug() << "ReportPrinter: the probe's page count differs" << g.pageCount
                 << m_probe.doc->pageCount();
        return false;
    }

    QTextTable *table = findTable(m_probe.doc.get());
    QAbstractTextDocumentLayout *layout = m_probe.doc->documentLayout();
    for (int r = 0; r <= probeRows; ++r) {
        for (int c = 0; c < m_columns; ++c) {
            const QTextBlock block = table->cellAt(r, c).firstCursorPosition().block();
            const QTextLayout *text = block.layout();
            const int cell = r * m_columns + c;
            const int start = g.lineStart.at(cell);
            const QRectF rect = layout->blockBoundingRect(block);
            const Fixed top = Fixed::fromReal(rect.top() - text->position().y() - m_tablePos.y());
            if (top != g.rowPos.at(r) + m_cellPadding
                || Fixed::fromReal(text->position().y()).v != g.blockY.at(cell)
                || text->lineCount() != g.lineStart.at(cell + 1) - start) {
                qDebug() << "ReportPrinter: row" << r << "column" << c
                         << "sits elsewhere than in Qt's layout" << top.toReal()
                         << (g.rowPos.at(r) + m_cellPadding).toReal();
                return false;
            }
            for (int i = 0; i < text->lineCount(); ++i) {
                if (Fixed::fromReal(text->lineAt(i).y()).v != g.lineY.at(start + i)) {
                    qDebug() << "ReportPrinter: a line of row" << r << "column" << c
                             << "sits elsewhere than in Qt's layout";
                    return false;
                }
            }
        }
    }

    RecordingDevice qtPrint(m_printer);
    {
        QTextDocument reference;
        reference.setDocumentMargin(0);
        reference.setHtml(probeHtml(probeRows));
        reference.print(&qtPrint);
    }
    RecordingDevice ours(m_printer);
    {
        QPainter painter(&ours);
        if (!paintPages(&ours, &painter, rows, g, nullptr, 0))
            return false;
    }
    const QVector<QStringList> expected = qtPrint.sortedPages();
    const QVector<QStringList> actual = ours.sortedPages();
    if (expected.size() != actual.size()) {
        qDebug() << "ReportPrinter: the probe printed" << expected.size() << "pages, here"
                 << actual.size();
        return false;
    }
    for (int page = 0; page < expected.size(); ++page) {
        if (expected.at(page) != actual.at(page)) {
            qDebug() << "ReportPrinter: page" << page + 1 << "differs, printing as one document";
            if (qEnvironmentVariableIsSet("OSTREL_REPORT_DIFF")) {
                for (const QString &e : expected.at(page))
                    if (!actual.at(page).contains(e))
                        qDebug() << "  qt only:" << e;
                for (const QString &e : actual.at(page))
                    if (!expected.at(page).contains(e))
                        qDebug() << "  here only:" << e;
            }
            return false;
        }
    }
    return true;
}

bool TablePrinter::print(QWidget *progressParent)
{
    QVector<int> rows(m_table.cells.size());
    std::iota(rows.begin(), rows.end(), 0);
    // The work is counted in rows laid out and pages painted, a page taking about as long as
    // ten rows.
    const int estimatedPages = m_probe.doc->pageCount() * rows.size() / qMax(1, m_probeRows);
    Progress progress(progressParent, rows.size() + estimatedPages);
    if (!fitsColumns(rows)) {
        qDebug() << "ReportPrinter: a cell widens its column, printing as one document";
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setHtml(m_html);
        document.print(m_printer);
        return true;
    }
    Geometry g;
    if (!layoutTable(rows, &g, &progress))
        return false;
    QPainter painter(m_printer);
    if (!painter.isActive())
        return false;
    // The pages' progress follows the rows' in the same dialog.
    const int base = rows.size();
    Progress *shown = progressParent ? &progress : nullptr;
    if (shown && progress.dialog())
        progress.step(base);
    const bool done = paintPages(m_printer, &painter, rows, g, shown, base);
    if (!done)
        m_printer->abort();
    return done;
}

bool printWhole(const QString &html, QPrinter *printer)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setHtml(html);
    document.print(printer);
    return printer->printerState() != QPrinter::Error;
}

} // namespace

namespace ReportPrinter {

bool print(const QString &html, QPrinter *printer, QWidget *progressParent)
{
    LongTable table;
    if (findLongTable(html, &table)) {
        TablePrinter pages(html, table, printer);
        if (pages.prepare())
            return pages.print(progressParent);
    }
    return printWhole(html, printer);
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

QString pdfFileName(QWidget *parent, const QString &proposedName)
{
    QString fileName = Dialogs::instance()->getSaveFileName(
            parent, QCoreApplication::translate("ReportPrinter", "Eksport PDF"), proposedName,
            QStringLiteral("*.pdf"));
    if (fileName.isEmpty())
        return QString();
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName.append(QStringLiteral(".pdf"));
    return fileName;
}

QString exportPdf(QWidget *parent, const QString &html)
{
    const QString fileName = pdfFileName(parent);
    if (fileName.isEmpty())
        return QString();
    return writePdf(html, fileName, parent) ? fileName : QString();
}

} // namespace ReportPrinter
