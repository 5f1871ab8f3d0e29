#include "columnfit.h"

#include "reportprinter.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QHash>
#include <QPagedPaintDevice>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace ColumnFit {

namespace {

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

// Per column, the two rows with the widest word and the two with the widest text, as the
// device's font measures them; and each column's widest text.
QVector<int> widestRows(const QString &html, const QVector<int> &starts,
                        QPagedPaintDevice *device, const std::atomic<bool> &cancelled,
                        QVector<qreal> *widestText)
{
    const QFontMetricsF metrics(QTextDocument().defaultFont(), device);
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
    for (int row = 0; row + 1 < starts.size(); ++row) {
        if (row % 256 == 0 && cancelled)
            return {};
        const QStringList cells =
                cellTexts(html.midRef(starts.at(row), starts.at(row + 1) - starts.at(row)));
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

// Widens the columns of set width to their widest texts, into the page's room beside the
// table and then up to a third of the free columns' width; untouched when that is short.
void widen(QVector<qreal> *wanted, const QVector<qreal> &widestText,
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

// The width of each column of a laid-out table, read off its first row.
QVector<qreal> columnWidths(const QTextDocument &document, const QTextTable *table)
{
    QVector<qreal> widths;
    for (int c = 0; c < table->columns(); ++c) {
        const QTextBlock block = table->cellAt(0, c).firstCursorPosition().block();
        widths.append(document.documentLayout()->blockBoundingRect(block).width());
    }
    return widths;
}

} // namespace

bool fit(const QString &html, const QVector<int> &rows, QPagedPaintDevice *device,
         const PageCutter::PageSetup &setup, const std::atomic<bool> &cancelled,
         QVector<QTextLength> *columns)
{
    QVector<qreal> widestText;
    const QVector<int> widest = widestRows(html, rows, device, cancelled, &widestText);
    if (cancelled)
        return false;
    const QString head = html.left(rows.first());
    QString probeHtml = head;
    for (int row : widest)
        probeHtml += html.midRef(rows.at(row), rows.at(row + 1) - rows.at(row));
    QTextDocument probe;
    ReportPrinter::setUpDocument(&probe, probeHtml + QLatin1String("</table>"));
    PageCutter::layOut(&probe, device, setup);
    QTextTable *table = PageCutter::lastTable(probe);
    if (!table)
        return true;
    QVector<qreal> wanted = columnWidths(probe, table);
    const qreal room = setup.size.width() - 2 * setup.margins.x() * setup.scale.x()
            - probe.documentLayout()->frameBoundingRect(table).width();
    widen(&wanted, widestText, table->format().columnWidthConstraints(), room);
    // The widths are fitted on the header rows alone, which every slice holds: fitted with the
    // widest rows in place, a column that those rows widen would take a width that a slice
    // without them does not keep. Fixed widths are adjusted until the columns come out as wide
    // as wanted.
    QTextDocument frame;
    ReportPrinter::setUpDocument(&frame, head + QLatin1String("</table>"));
    PageCutter::layOut(&frame, device, setup);
    table = PageCutter::lastTable(frame);
    if (!table || table->columns() != wanted.size())
        return true;
    QVector<QTextLength> set(wanted.size());
    QVector<qreal> got(wanted.size(), 0);
    for (int attempt = 0; attempt < 4; ++attempt) {
        bool same = attempt > 0;
        for (int c = 0; c < set.size(); ++c) {
            same = same && qAbs(got.at(c) - wanted.at(c)) < 0.5;
            const qreal width = attempt == 0 ? 0 : set.at(c).rawValue();
            set[c] = QTextLength(QTextLength::FixedLength,
                                 width + (wanted.at(c) - got.at(c)) / setup.scale.x());
        }
        if (same)
            break;
        setColumns(table, set);
        got = columnWidths(frame, table);
    }
    *columns = table->format().columnWidthConstraints();
    return true;
}

void setColumns(QTextTable *table, const QVector<QTextLength> &columns)
{
    QTextTableFormat format = table->format();
    format.setColumnWidthConstraints(columns);
    format.setWidth(QTextLength()); // as wide as its columns
    table->setFormat(format);
}

} // namespace ColumnFit
