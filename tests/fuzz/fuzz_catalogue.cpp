// The catalogue row a server sends, read as it arrives: whatever the text, the reader stays
// within its bounds, and a row it takes has every field in the form the local store relies on.
#include "fuzzsupport.h"

#include "archive/archivesync.h"

#include <QUuid>

#include <algorithm>

namespace {

bool isUuid(const QString &text, bool optional)
{
    if (text.isEmpty())
        return optional;
    return text.size() == 36 && QUuid(text).toString(QUuid::WithoutBraces) == text;
}

bool inYears(const QDateTime &time)
{
    return !time.isValid() || (time.date().year() >= 1 && time.date().year() <= 9999);
}

void run(const QByteArray &input)
{
    LocalArchive::Incoming row;
    if (!ArchiveSync::readPackedRow(QString::fromUtf8(input), &row))
        return;
    fuzz::check(isUuid(row.uuid, false), "a row taken has its UUID", input);
    fuzz::check(isUuid(row.parent, true) && isUuid(row.line, true) && isUuid(row.site, true)
                        && isUuid(row.unit, true),
                "every reference is a UUID or empty", input);
    fuzz::check(row.hash.isEmpty()
                        || (row.hash.size() == 64
                            && std::all_of(row.hash.cbegin(), row.hash.cend(),
                                           [](QChar c) {
                                               return (c >= '0' && c <= '9')
                                                       || (c >= 'a' && c <= 'f');
                                           })),
                "the hash is empty or 64 hex digits", input);
    fuzz::check(!row.kind.isEmpty() && row.kind.size() <= 32
                        && std::all_of(row.kind.cbegin(), row.kind.cend(),
                                       [](QChar c) {
                                           return (c >= 'a' && c <= 'z')
                                                   || (c >= '0' && c <= '9') || c == '_';
                                       }),
                "the kind is a short word", input);
    fuzz::check(row.seq >= 1 && row.xid >= 0 && row.size >= 0 && row.size <= INT_MAX,
                "numbers within their bounds", input);
    fuzz::check(inYears(row.created) && inYears(row.visited)
                        && (!row.nextDue.isValid()
                            || (row.nextDue.year() >= 1 && row.nextDue.year() <= 9999)),
                "dates a date column holds, or unknown", input);
}

} // namespace

const fuzz::Target fuzz::target = {"the archive's catalogue row", run, fuzz::MaxInput};
