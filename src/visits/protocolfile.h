#pragma once

#include <QByteArray>
#include <QString>

class VisitStore;

// A protocol's PDF file as the program writes it, read back for the "Sprawdź protokół" check.
// The file is untrusted: nothing in it is taken for more than text to look up.
namespace ProtocolFile {

// The largest file the check reads; a protocol with the largest register appendix is far
// below it.
constexpr qint64 MaxSize = 256 * 1024 * 1024;

// The title in the file's document information, empty when there is none.
QString pdfTitle(const QByteArray &pdf);
// Two files the program wrote hold the same document when they differ only in the file's
// creation date (and the cross-reference offsets that follow from its length).
bool samePdf(const QByteArray &a, const QByteArray &b);
// A typed digest as the footer prints it ("SHA-256: 3f…", spaces, upper case) in the stored
// form; empty when it is not 64 hexadecimal digits.
QString normalizedDigest(const QString &typed);
// One line naming the visit of a protocol: number, id, site, unit and when it closed; and a
// line of its own when a correction replaced it. Escaped for a rich-text label.
QString visitDescription(const VisitStore &store, int visitId);
QString supersededNote(const VisitStore &store, int visitId);

} // namespace ProtocolFile
