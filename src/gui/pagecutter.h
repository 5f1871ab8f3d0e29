#pragma once

#include <QPair>
#include <QPointF>
#include <QSizeF>
#include <QVector>

class QPagedPaintDevice;
class QTextDocument;
class QTextTable;

// A report is laid out in documents without page breaks; the pages are cut here, only where
// nothing is split: between two rows of a table, between two lines of a paragraph, before a
// block or a table. A page is painted from one or more parts of such documents, and a page that
// begins inside a table opens with that table's header rows. Only something taller than a
// whole page is cut through.
namespace PageCutter {

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

// The page of the device; gives a device without margins 2 mm ones, as QTextDocument::print.
PageSetup pageSetup(QPagedPaintDevice *device);
// Lays the document out on the device as wide as the page and without page breaks.
void layOut(QTextDocument *document, QPagedPaintDevice *device, const PageSetup &setup,
            qreal topMargin = 0);
// The document's last top-level table, or null.
QTextTable *lastTable(const QTextDocument &document);
// Where a table's row begins, just above its cells' top borders, or where it ends, below its
// cells' bottom borders; NaN where a cell spanning several rows crosses that edge.
qreal rowEdge(const QTextDocument &document, const QTextTable *table, int row, bool bottom,
              qreal scale);

// A place where a page may end. A page that begins there opens with header band `band`, when
// it has one.
struct Cut
{
    qreal y;
    int band;
};

// Where a laid-out document's pages may be cut, and which part of it belongs to the report.
struct Breaks
{
    qreal start = 0;
    qreal end = 0;
    QVector<Cut> cuts; // ascending
    QVector<QPair<qreal, qreal>> bands; // each table's header rows, from top to bottom
};

// Adds the cuts and header bands of every top-level block and table of a laid-out document;
// returns the band of its last table (-1: none). The caller sorts the cuts when it is done.
int addCuts(const QTextDocument &document, qreal scale, Breaks *breaks);

// A part of a document painted on a page, and the pages.
struct Segment
{
    int sheet;
    qreal top;
    qreal bottom;
};
using Page = QVector<Segment>;

// Fills pages of the given height from the documents given one after another.
class Paginator
{
public:
    explicit Paginator(qreal height) : m_height(height) {}

    // Cuts document `index` into the page being filled and the pages after it; every page
    // filled goes to `pages`.
    void add(int index, const Breaks &sheet, QVector<Page> *pages);
    // Ends the last page.
    void finish(QVector<Page> *pages);
    // The first document the page being filled draws on, or `otherwise` while it is empty.
    int openSheet(int otherwise) const
    {
        return m_page.isEmpty() ? otherwise : m_page.first().sheet;
    }

private:
    void place(int index, qreal top, qreal bottom);
    void open(const Breaks &sheet, int index, qreal at);

    qreal m_height;
    Page m_page;
    qreal m_used = 0;
    bool m_body = false; // the page holds more than a repeated header
};

} // namespace PageCutter
