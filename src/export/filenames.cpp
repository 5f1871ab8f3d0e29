#include "filenames.h"

QString proposedFileName(const QString &name, QChar replacement)
{
    // Room for an extension and a folder within what every file system and Windows' 260-
    // character paths take; a longer proposal would be refused by the save dialog unexplained.
    constexpr int MaxLength = 120;
    QString fileName = name.left(MaxLength);
    for (QChar &c : fileName) {
        if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c))
            c = replacement;
    }
    // Windows drops trailing dots and spaces, which would change the name the user saw.
    while (fileName.endsWith(QLatin1Char('.')) || fileName.endsWith(QLatin1Char(' ')))
        fileName.chop(1);
    return fileName.isEmpty() ? QStringLiteral("nazwa") : fileName;
}
