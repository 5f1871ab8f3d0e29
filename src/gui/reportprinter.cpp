#include "reportprinter.h"

#include "dialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <memory>

// A report is printed as QTextDocument::print would print it: 2 cm margins on each page, the page
// number at the bottom right. That path lays a long table out as one piece, which takes minutes
// for the largest event register and breaks down (empty output) once the document's height no
// longer fits the layout's fixed-point coordinates. A report whose bulk is one long table of
// plain-text rows therefore goes another way: Qt lays out and paints the first page together
// with a probe of the following rows, the rows after the first page are laid out and painted
// here with the same geometry, fonts and borders, page by page. Before any of that reaches the
// printer, the probe's pages 1 to 3 are printed both ways into a recording device and compared
// primitive by primitive; any difference sends the report down the single-document path.

namespace {

constexpr int FastPathMinRows = 400;
constexpr int ProbeRows = 200;
constexpr int ProgressMinRows = 2000;

// The screen resolution that QTextDocument::print takes its 2 cm margins in.
int defaultDpi(bool horizontal)
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return qRound(horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY());
    return 100;
}

// Text layout positions are 26.6 fixed-point numbers.
qreal fixed(qreal value)
{
    return std::round(value * 64.0) / 64.0;
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
        if (rows.size() - 1 < FastPathMinRows) {
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
// A paged device that records what is painted on it, to compare two ways of printing.

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
    }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QRectF r = m_transform.mapRect(rects[i]).intersected(m_page);
            if (!r.isEmpty())
                record(QStringLiteral("R %1 %2 %3 %4 %5")
                               .arg(m_brush.color().name())
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
            record(QStringLiteral("T %1 %2 %3 %4")
                           .arg(at.x())
                           .arg(at.y())
                           .arg(item.text())
                           .arg(item.width()));
    }
    void drawPath(const QPainterPath &) override { record(QStringLiteral("path")); }
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override
    {
        record(QStringLiteral("polygon"));
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
    QRectF m_page;
};

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
class RecordingDevice : public QPagedPaintDevice
{
public:
    explicit RecordingDevice(const QPaintDevice *model) : m_model(model)
    {
        m_engine.setPage(QRectF(0, 0, model->width(), model->height()));
    }

    QPaintEngine *paintEngine() const override { return &m_engine; }
    bool newPage() override
    {
        m_engine.newPage();
        return true;
    }
    int devType() const override { return QInternal::Printer; }
    const QVector<QStringList> &pages() const { return m_engine.pages; }

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
    const QPaintDevice *m_model;
    mutable RecordingEngine m_engine;
};
QT_WARNING_POP

// ---------------------------------------------------------------------------------------------
// Printing a laid-out document page by page, as QTextDocument::print does.

struct PageFrame
{
    QRectF body;
    QPointF pageNumberPos;
};

// Prepares a document for the device the way QTextDocument::print prepares its copy.
PageFrame prepareForPrinting(QTextDocument *document, QPaintDevice *device)
{
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    layout->setPaintDevice(device);
    const int horizontalMargin = int((2 / 2.54) * defaultDpi(true));
    const int verticalMargin = int((2 / 2.54) * defaultDpi(false));
    QTextFrameFormat format = document->rootFrame()->frameFormat();
    format.setLeftMargin(horizontalMargin);
    format.setRightMargin(horizontalMargin);
    format.setTopMargin(verticalMargin);
    format.setBottomMargin(verticalMargin);
    document->rootFrame()->setFrameFormat(format);

    PageFrame frame;
    const int dpiy = device->logicalDpiY();
    const qreal toDevice = qreal(dpiy) / qreal(defaultDpi(false));
    frame.body = QRectF(0, 0, device->width(), device->height());
    frame.pageNumberPos = QPointF(
            frame.body.width() - horizontalMargin * toDevice,
            frame.body.height() - verticalMargin * toDevice
                    + QFontMetrics(document->defaultFont(), device).ascent()
                    + 5 * toDevice);
    document->setPageSize(frame.body.size());
    return frame;
}

void paintPageNumber(QPainter *painter, const QFont &font, const PageFrame &frame, int page)
{
    painter->save();
    painter->setClipping(false);
    painter->setFont(font);
    const QString text = QString::number(page);
    painter->drawText(qRound(frame.pageNumberPos.x()
                             - painter->fontMetrics().horizontalAdvance(text)),
                      qRound(frame.pageNumberPos.y()), text);
    painter->restore();
}

void paintDocumentPage(QPainter *painter, const QTextDocument *document, const PageFrame &frame,
                       int page)
{
    painter->save();
    painter->translate(frame.body.left(), frame.body.top() - (page - 1) * frame.body.height());
    const QRectF view(0, (page - 1) * frame.body.height(), frame.body.width(),
                      frame.body.height());
    QAbstractTextDocumentLayout::PaintContext context;
    painter->setClipRect(view);
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    document->documentLayout()->draw(painter, context);
    painter->restore();
    paintPageNumber(painter, document->defaultFont(), frame, page);
}

// QTextDocument::print gives a printer without margins 2 mm ones before it paints.
void applyPrintMargins(QPagedPaintDevice *device)
{
    QMarginsF margins = device->pageLayout().margins(QPageLayout::Millimeter);
    if (margins.isNull()) {
        margins = QMarginsF(2, 2, 2, 2);
        device->setPageMargins(margins, QPageLayout::Millimeter);
    }
}

void printWhole(const QString &html, QPagedPaintDevice *printer)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setHtml(html);
    document.print(printer);
}

// ---------------------------------------------------------------------------------------------
// The rows after the first page, laid out and painted here.

class TablePrinter
{
public:
    TablePrinter(const QString &html, const LongTable &table, QPrinter *printer)
        : m_html(html), m_table(table), m_printer(printer)
    {
    }

    // Builds the probe and checks the geometry against Qt's own print; false: print whole.
    bool prepare();
    // Paints every page; false when cancelled.
    bool print(QWidget *progressParent);

private:
    struct Row
    {
        qreal top;
        qreal height;
        int index;
    };

    QString probeHtml(const QVector<int> &extremeRows) const;
    QVector<int> extremeRows(const QFont &font) const;
    bool readGeometry();
    qreal rowHeight(int index) const;
    void layoutCell(QTextLayout *layout, int column) const;
    // Lays out the rows from `first` on one page; returns the rows and the next row's index.
    QVector<Row> pageRows(int first) const;
    void paintPage(QPainter *painter, const QVector<Row> &rows, bool last, int page) const;
    bool matchesQt();

    const QString &m_html;
    const LongTable &m_table;
    QPrinter *m_printer;

    std::unique_ptr<QTextDocument> m_probe;
    PageFrame m_frame;
    int m_probeRows = 0;
    int m_secondPageRow = 0; // the first row of page 2
    QFont m_font;
    QTextOption m_option;
    QVector<qreal> m_contentLeft;
    QVector<qreal> m_contentWidth;
    qreal m_border = 0;
    qreal m_padding = 0;
    qreal m_segmentTop = 0;
    qreal m_contentBottom = 0;
    qreal m_tableLeft = 0;
    qreal m_tableRight = 0;
    QColor m_light;
    QColor m_dark;
};

QString TablePrinter::probeHtml(const QVector<int> &extremes) const
{
    QString html = m_html.left(m_table.dataStart);
    for (int r = 0; r < m_probeRows; ++r)
        html += QStringView(m_html).mid(m_table.rowStart.at(r),
                                        m_table.rowEnd.at(r) - m_table.rowStart.at(r));
    for (int r : extremes)
        html += QStringView(m_html).mid(m_table.rowStart.at(r),
                                        m_table.rowEnd.at(r) - m_table.rowStart.at(r));
    html += QStringView(m_html).mid(m_table.tableEnd);
    return html;
}

// Column widths follow, per column, the widest unbreakable run and the widest whole text of
// any cell. The rows that hold them go into the probe, so that it gets the full table's widths.
QVector<int> TablePrinter::extremeRows(const QFont &font) const
{
    QVector<int> rows;
    QHash<QString, QPair<qreal, qreal>> measured;
    for (int c = 0; c < m_table.columns; ++c) {
        qreal widestMin = -1, widestMax = -1;
        int minRow = 0, maxRow = 0;
        for (int r = 0; r < m_table.cells.size(); ++r) {
            const QString &text = m_table.cells.at(r).at(c);
            auto it = measured.constFind(text);
            if (it == measured.constEnd()) {
                QTextLayout layout(text, font, m_printer);
                layout.setTextOption(m_option);
                layout.beginLayout();
                QTextLine line = layout.createLine();
                if (line.isValid())
                    line.setLineWidth(1e9);
                layout.endLayout();
                it = measured.insert(text, {layout.minimumWidth(), layout.maximumWidth()});
            }
            if (it->first > widestMin) {
                widestMin = it->first;
                minRow = r;
            }
            if (it->second > widestMax) {
                widestMax = it->second;
                maxRow = r;
            }
        }
        for (int r : {minRow, maxRow}) {
            if (r >= m_probeRows && !rows.contains(r))
                rows.append(r);
        }
    }
    return rows;
}

QTextTable *findTable(QTextDocument *document)
{
    const QList<QTextFrame *> frames = document->rootFrame()->childFrames();
    for (QTextFrame *frame : frames) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            return table;
    }
    return nullptr;
}

bool TablePrinter::readGeometry()
{
    QTextTable *table = findTable(m_probe.get());
    if (!table || table->columns() != m_table.columns || table->rows() < m_probeRows + 1)
        return false;
    QAbstractTextDocumentLayout *layout = m_probe->documentLayout();
    const qreal pageHeight = m_frame.body.height();

    // The probe's rows must read as this parser reads them.
    for (int r = 0; r < m_probeRows; ++r) {
        for (int c = 0; c < m_table.columns; ++c) {
            const QTextTableCell cell = table->cellAt(r + 1, c);
            if (cell.rowSpan() != 1 || cell.columnSpan() != 1)
                return false;
            const QTextBlock block = cell.firstCursorPosition().block();
            if (block != cell.lastCursorPosition().block()
                || block.text() != m_table.cells.at(r).at(c))
                return false;
        }
    }

    const QTextTableFormat format = table->format();
    const qreal scale = qreal(m_printer->logicalDpiY()) / qreal(defaultDpi(false));
    m_border = fixed(format.border() * scale);
    m_padding = fixed(format.cellPadding() * scale);
    if (format.cellSpacing() != 0 || format.borderStyle() == QTextFrameFormat::BorderStyle_None
        || format.headerRowCount() != 0)
        return false;
    m_dark = format.borderBrush().color();
    m_light = m_dark.lighter(150);

    // The first row on page 2 opens a continued page.
    m_secondPageRow = -1;
    for (int r = 0; r < m_probeRows; ++r) {
        const QRectF rect = layout->blockBoundingRect(
                table->cellAt(r + 1, 0).firstCursorPosition().block());
        if (rect.top() >= pageHeight) {
            m_secondPageRow = r;
            break;
        }
    }
    if (m_secondPageRow < 1)
        return false;

    const QTextTableCell first = table->cellAt(m_secondPageRow + 1, 0);
    const QTextBlock firstBlock = first.firstCursorPosition().block();
    QTextCursor cursor(firstBlock);
    m_font = QFont(cursor.charFormat().font(), m_printer);
    m_option = m_probe->defaultTextOption();
    m_option.setAlignment(firstBlock.blockFormat().alignment());
    for (int c = 0; c < m_table.columns; ++c) {
        const QRectF rect = layout->blockBoundingRect(
                table->cellAt(m_secondPageRow + 1, c).firstCursorPosition().block());
        m_contentLeft.append(rect.left());
        m_contentWidth.append(rect.width());
    }
    const QRectF firstRect = layout->blockBoundingRect(firstBlock);
    const qreal firstRowTop = firstRect.top() - pageHeight - m_padding - m_border;
    m_segmentTop = firstRowTop - m_border;
    m_contentBottom = pageHeight - m_segmentTop;
    m_tableLeft = m_contentLeft.first() - m_padding - 2 * m_border;
    m_tableRight = m_contentLeft.last() + m_contentWidth.last() + m_padding + 2 * m_border;
    return true;
}

void TablePrinter::layoutCell(QTextLayout *layout, int column) const
{
    layout->setTextOption(m_option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    qreal y = 0;
    for (;;) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(m_contentWidth.at(column));
        line.setPosition(QPointF(0, y));
        y += fixed(line.height());
    }
    layout->endLayout();
}

qreal TablePrinter::rowHeight(int index) const
{
    qreal text = 0;
    for (int c = 0; c < m_table.columns; ++c) {
        QTextLayout layout(m_table.cells.at(index).at(c), m_font, m_printer);
        layoutCell(&layout, c);
        qreal height = 0;
        for (int i = 0; i < layout.lineCount(); ++i)
            height += fixed(layout.lineAt(i).height());
        text = qMax(text, height);
    }
    return text + 2 * (m_padding + m_border);
}

QVector<TablePrinter::Row> TablePrinter::pageRows(int first) const
{
    QVector<Row> rows;
    qreal top = m_segmentTop + m_border;
    for (int r = first; r < m_table.cells.size(); ++r) {
        const qreal height = rowHeight(r);
        // A row that does not fit opens the next page, unless it would not fit there either.
        if (top + height > m_contentBottom - m_border && !rows.isEmpty())
            break;
        rows.append({top, height, r});
        top += height;
    }
    return rows;
}

void TablePrinter::paintPage(QPainter *painter, const QVector<Row> &rows, bool last,
                             int page) const
{
    const qreal B = m_border;
    const qreal width = m_tableRight - m_tableLeft;
    const qreal bottom = last ? rows.last().top + rows.last().height + B : m_contentBottom;
    painter->save();
    painter->setPen(Qt::NoPen);
    // The table's white ground, then its outset frame, then each cell's inset frame.
    painter->fillRect(QRectF(m_tableLeft + B, 0, width - 2 * B, bottom - B), Qt::white);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillRect(QRectF(m_tableLeft, m_segmentTop, B, bottom - m_segmentTop), m_light);
    painter->fillRect(QRectF(m_tableLeft + B, m_segmentTop, width - B, B), m_light);
    painter->fillRect(QRectF(m_tableRight - B, m_segmentTop + B, B, bottom - m_segmentTop - 2 * B),
                      m_dark);
    painter->fillRect(QRectF(m_tableLeft + B, bottom - B, width - B, B), m_dark);
    painter->setPen(Qt::black);
    for (const Row &row : rows) {
        for (int c = 0; c < m_table.columns; ++c) {
            const qreal left = m_contentLeft.at(c) - m_padding - B;
            const qreal cellWidth = m_contentWidth.at(c) + 2 * (m_padding + B);
            painter->setRenderHint(QPainter::Antialiasing);
            painter->fillRect(QRectF(left, row.top, B, row.height), m_dark);
            painter->fillRect(QRectF(left + B, row.top, cellWidth - B, B), m_dark);
            painter->fillRect(QRectF(left + cellWidth - B, row.top + B, B, row.height - 2 * B),
                              m_light);
            painter->fillRect(QRectF(left + B, row.top + row.height - B, cellWidth - B, B),
                              m_light);
            painter->setRenderHint(QPainter::Antialiasing, false);
            QTextLayout layout(m_table.cells.at(row.index).at(c), m_font, m_printer);
            layoutCell(&layout, c);
            layout.draw(painter, QPointF(m_contentLeft.at(c), row.top + B + m_padding));
        }
    }
    painter->restore();
    paintPageNumber(painter, m_probe->defaultFont(), m_frame, page);
}

bool TablePrinter::prepare()
{
    m_probeRows = qMin(ProbeRows, m_table.cells.size());
    applyPrintMargins(m_printer);

    // The font and text option of the cells come from a first probe of a few rows.
    {
        QTextDocument sample;
        sample.setDocumentMargin(0);
        const int rows = m_probeRows;
        m_probeRows = 1;
        sample.setHtml(probeHtml({}));
        m_probeRows = rows;
        QTextTable *table = findTable(&sample);
        if (!table || table->rows() < 2)
            return false;
        const QTextBlock block = table->cellAt(1, 0).firstCursorPosition().block();
        m_option = sample.defaultTextOption();
        m_option.setAlignment(block.blockFormat().alignment());
        m_font = QFont(QTextCursor(block).charFormat().font(), m_printer);
    }

    m_probe = std::make_unique<QTextDocument>();
    m_probe->setDocumentMargin(0);
    m_probe->setHtml(probeHtml(extremeRows(m_font)));
    m_frame = prepareForPrinting(m_probe.get(), m_printer);
    if (m_probe->pageCount() < 4 || !readGeometry())
        return false;
    return matchesQt();
}

// Pages 1 to 3 of the probe, printed by Qt and printed here, must paint the same.
bool TablePrinter::matchesQt()
{
    RecordingDevice qtPrint(m_printer);
    qtPrint.setPageLayout(m_printer->pageLayout());
    {
        QTextDocument reference;
        reference.setDocumentMargin(0);
        reference.setHtml(probeHtml(extremeRows(m_font)));
        reference.print(&qtPrint);
    }
    RecordingDevice ours(m_printer);
    {
        QPainter painter(&ours);
        paintDocumentPage(&painter, m_probe.get(), m_frame, 1);
        int next = m_secondPageRow;
        for (int page = 2; page <= 3; ++page) {
            ours.newPage();
            const QVector<Row> rows = pageRows(next);
            paintPage(&painter, rows, false, page);
            next = rows.last().index + 1;
        }
    }
    if (qtPrint.pages().size() < 3)
        return false;
    // The page numbers are left out: both ways draw them with the same code.
    auto withoutPageNumber = [this](QStringList entries) {
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [this](const QString &entry) {
                                         return entry.startsWith(QLatin1String("T "))
                                                 && entry.section(QLatin1Char(' '), 2, 2)
                                                                 .toDouble()
                                                         > m_contentBottom;
                                     }),
                      entries.end());
        return entries;
    };
    for (int page = 0; page < 3; ++page) {
        QStringList expected = withoutPageNumber(qtPrint.pages().at(page));
        QStringList actual = withoutPageNumber(ours.pages().at(page));
        std::sort(expected.begin(), expected.end());
        std::sort(actual.begin(), actual.end());
        if (expected != actual) {

            qDebug() << "ReportPrinter: page" << page + 1 << "differs, printing as one document";
            return false;
        }
    }
    return true;
}

bool TablePrinter::print(QWidget *progressParent)
{
    const int total = m_table.cells.size();
    std::unique_ptr<QProgressDialog> progress;
    if (progressParent && total >= ProgressMinRows) {
        progress = std::make_unique<QProgressDialog>(
                QCoreApplication::translate("ReportPrinter", "Przygotowanie wydruku..."),
                QCoreApplication::translate("ReportPrinter", "Anuluj"), 0, total, progressParent);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(300);
        progress->setValue(0);
    }
    QPainter painter(m_printer);
    if (!painter.isActive())
        return false;
    paintDocumentPage(&painter, m_probe.get(), m_frame, 1);
    int next = m_secondPageRow;
    for (int page = 2; next < total; ++page) {
        if (progress) {
            progress->setValue(next);
            if (progress->wasCanceled()) {
                m_printer->abort();
                return false;
            }
        }
        if (!m_printer->newPage())
            return false;
        const QVector<Row> rows = pageRows(next);
        next = rows.last().index + 1;
        paintPage(&painter, rows, next >= total, page);
    }
    if (progress)
        progress->setValue(total);
    return true;
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
    printWhole(html, printer);
    return true;
}

void printPreview(QWidget *parent, const QString &html)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&html, &preview](QPrinter *target) { print(html, target, &preview); });
    Dialogs::instance()->exec(&preview);
}

bool writePdf(const QString &html, const QString &fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    print(html, &printer);
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
    return writePdf(html, fileName) ? fileName : QString();
}

} // namespace ReportPrinter
