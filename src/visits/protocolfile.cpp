#include "visits/protocolfile.h"

#include "visits/visitstore.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace ProtocolFile {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ProtocolFile", text);
}

constexpr int MaxTitle = 4096;

bool isSpace(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

// A literal string "(...)" from `at` (the opening parenthesis), its escapes resolved.
QByteArray literalString(const QByteArray &pdf, int at)
{
    QByteArray bytes;
    int depth = 0;
    for (int i = at; i < pdf.size() && bytes.size() < MaxTitle; ++i) {
        const char c = pdf.at(i);
        if (c == '\\' && i + 1 < pdf.size()) {
            const char next = pdf.at(++i);
            if (next >= '0' && next <= '7') {
                int value = 0;
                for (int digits = 0; digits < 3 && i < pdf.size() && pdf.at(i) >= '0'
                     && pdf.at(i) <= '7';
                     ++digits, ++i)
                    value = value * 8 + (pdf.at(i) - '0');
                --i;
                bytes.append(char(value));
                continue;
            }
            switch (next) {
            case 'n': bytes.append('\n'); break;
            case 'r': bytes.append('\r'); break;
            case 't': bytes.append('\t'); break;
            case 'b': bytes.append('\b'); break;
            case 'f': bytes.append('\f'); break;
            case '\r':
            case '\n': break; // a line continued
            default: bytes.append(next); break;
            }
            continue;
        }
        if (c == '(' && depth++ == 0)
            continue;
        if (c == ')' && --depth == 0)
            return bytes;
        bytes.append(c);
    }
    return QByteArray(); // unterminated or too long
}

QByteArray hexString(const QByteArray &pdf, int at)
{
    const int end = pdf.indexOf('>', at);
    if (end < 0 || end - at > 2 * MaxTitle)
        return QByteArray();
    return QByteArray::fromHex(pdf.mid(at + 1, end - at - 1));
}

QString decodeText(const QByteArray &bytes)
{
    if (bytes.size() >= 2 && quint8(bytes.at(0)) == 0xFE && quint8(bytes.at(1)) == 0xFF) {
        QString text;
        for (int i = 2; i + 1 < bytes.size(); i += 2)
            text.append(QChar(ushort(quint8(bytes.at(i)) << 8 | quint8(bytes.at(i + 1)))));
        return text;
    }
    return QString::fromLatin1(bytes);
}

// The file without what differs between two writes of one document: the creation date, the
// cross-reference table and the offset of it. Empty when the file is not laid out as the
// program writes it (one revision, one date).
QByteArray comparable(const QByteArray &pdf)
{
    const QByteArray dateKey("/CreationDate (");
    const int date = pdf.indexOf(dateKey);
    const int xref = pdf.lastIndexOf("\nxref\n");
    const int trailer = pdf.lastIndexOf("\ntrailer");
    const int start = pdf.lastIndexOf("\nstartxref\n");
    if (date < 0 || pdf.indexOf(dateKey, date + 1) >= 0 || xref < 0 || trailer < xref
        || start < trailer || pdf.indexOf("\nxref\n") != xref
        || pdf.indexOf("\nstartxref") != start || date > xref)
        return QByteArray();
    const int dateEnd = pdf.indexOf(')', date + dateKey.size());
    int offsetEnd = start + 11;
    while (offsetEnd < pdf.size() && pdf.at(offsetEnd) >= '0' && pdf.at(offsetEnd) <= '9')
        ++offsetEnd;
    if (dateEnd < 0 || dateEnd > xref)
        return QByteArray();
    return pdf.left(date + dateKey.size()) + pdf.mid(dateEnd, xref - dateEnd)
            + pdf.mid(trailer, start + 11 - trailer) + pdf.mid(offsetEnd);
}

} // namespace

QString pdfTitle(const QByteArray &pdf)
{
    // A later revision of the file would come last.
    const int key = pdf.lastIndexOf("/Title");
    if (key < 0)
        return QString();
    int at = key + 6;
    while (at < pdf.size() && isSpace(pdf.at(at)))
        ++at;
    if (at >= pdf.size())
        return QString();
    if (pdf.at(at) == '(')
        return decodeText(literalString(pdf, at));
    if (pdf.at(at) == '<')
        return decodeText(hexString(pdf, at));
    return QString();
}

bool samePdf(const QByteArray &a, const QByteArray &b)
{
    const QByteArray left = comparable(a);
    return !left.isEmpty() && left == comparable(b);
}

QString normalizedDigest(const QString &typed)
{
    QString text = typed.trimmed();
    text.remove(QRegularExpression(QStringLiteral("^SHA-256:?"),
                                   QRegularExpression::CaseInsensitiveOption));
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    text = text.toLower();
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
    return hex.match(text).hasMatch() ? text : QString();
}

QString visitDescription(const VisitStore &store, int visitId)
{
    const Visit visit = store.visit(visitId);
    const Unit unit = store.unit(visit.unitId);
    const Site site = store.site(unit.siteId);
    QString text = tr("protokół %1 (identyfikator %2), obiekt „%3”, centrala „%4”, przegląd "
                      "zamknięty %5")
                           .arg(visit.reportNumber(), visit.uid, site.name, unit.label,
                                visit.ended.toString(QStringLiteral("yyyy-MM-dd HH:mm")))
                           .toHtmlEscaped();
    return text;
}

QString supersededNote(const VisitStore &store, int visitId)
{
    const Visit visit = store.visit(visitId);
    if (visit.supersededBy == 0)
        return QString();
    return QLatin1String("<br><b>")
            + tr("Uwaga: ten protokół zastąpiono protokołem korygującym %1.")
                      .arg(store.visit(visit.supersededBy).reportNumber())
                      .toHtmlEscaped()
            + QLatin1String("</b>");
}

} // namespace ProtocolFile
