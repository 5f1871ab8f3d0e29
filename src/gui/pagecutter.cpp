#include "pagecutter.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QtMath>

#include <algorithm>

namespace PageCutter {

namespace {

// The last cut at or above `y`, or null.
const Cut *lastCut(const Breaks &breaks, qreal y)
{
    const auto after = std::upper_bound(breaks.cuts.cbegin(), breaks.cuts.cend(), y,
                                        [](qreal at, const Cut &cut) { return at < cut.y; });
    return after == breaks.cuts.cbegin() ? nullptr : &*(after - 1);
}

} // namespace

void layOut(QTextDocument *document, QPagedPaintDevice *device, const PageSetup &setup,
            qreal topMargin)
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

QTextTable *lastTable(const QTextDocument &document)
{
    const QList<QTextFrame *> frames = document.rootFrame()->childFrames();
    for (auto it = frames.crbegin(); it != frames.crend(); ++it) {
        if (auto *table = qobject_cast<QTextTable *>(*it))
            return table;
    }
    return nullptr;
}

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

int addCuts(const QTextDocument &document, qreal scale, Breaks *breaks)
{
    const QAbstractTextDocumentLayout *layout = document.documentLayout();
    int band = -1;
    for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (QTextFrame *frame = it.currentFrame()) {
            qreal top = layout->frameBoundingRect(frame).top();
            const auto *table = qobject_cast<const QTextTable *>(frame);
            // A table's box as Qt gives it starts inside its borders.
            if (table)
                top = qMin(top, rowEdge(document, table, 0, false, scale)
                                   - table->format().border() * scale);
            breaks->cuts.append({top, -1});
            if (!table)
                continue;
            const int header = table->format().headerRowCount();
            band = -1;
            const qreal headerEnd = header > 0 && header < table->rows()
                    ? rowEdge(document, table, header, false, scale)
                    : qQNaN();
            if (!qIsNaN(headerEnd)) {
                band = breaks->bands.size();
                breaks->bands.append({top, headerEnd});
            }
            for (int r = header + 1; r < table->rows(); ++r) {
                const qreal y = rowEdge(document, table, r, false, scale);
                if (!qIsNaN(y))
                    breaks->cuts.append({y, band});
            }
            continue;
        }
        const QTextBlock block = it.currentBlock();
        const QTextLayout *lines = block.layout();
        breaks->cuts.append({layout->blockBoundingRect(block).top(), -1});
        for (int i = 1; i < lines->lineCount(); ++i)
            breaks->cuts.append({lines->position().y() + lines->lineAt(i).y(), -1});
    }
    return band;
}

void Paginator::add(int index, const Breaks &sheet, QVector<Page> *pages)
{
    qreal at = sheet.start;
    for (;;) {
        const qreal room = m_height - m_used;
        if (sheet.end - at <= room) {
            place(index, at, sheet.end);
            return;
        }
        const Cut *reach = lastCut(sheet, at + room);
        qreal cut = at + room; // taller than a page: cut through it
        if (reach && reach->y > at)
            cut = reach->y;
        else if (m_body) // the rest starts the next page
            cut = at;
        place(index, at, cut);
        pages->append(m_page);
        open(sheet, index, cut);
        at = cut;
    }
}

void Paginator::finish(QVector<Page> *pages)
{
    if (m_body || pages->isEmpty())
        pages->append(m_page);
    m_page.clear();
}

void Paginator::place(int index, qreal top, qreal bottom)
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
void Paginator::open(const Breaks &sheet, int index, qreal at)
{
    m_page.clear();
    m_used = 0;
    m_body = false;
    const Cut *last = lastCut(sheet, at);
    const int band = last ? last->band : -1;
    if (band < 0)
        return;
    const QPair<qreal, qreal> header = sheet.bands.at(band);
    // A header of a third of a page or more is not repeated: the rows need the room.
    if (header.second - header.first < m_height / 3) {
        m_page.append({index, header.first, header.second});
        m_used = header.second - header.first;
    }
}

} // namespace PageCutter
