#include "filenames.h"

QString proposedFileName(const QString &name, QChar replacement)
{
    QString fileName = name;
    for (QChar &c : fileName) {
        if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c))
            c = replacement;
    }
    // Windows drops trailing dots and spaces, which would change the name the user saw.
    while (fileName.endsWith(QLatin1Char('.')) || fileName.endsWith(QLatin1Char(' ')))
        fileName.chop(1);
    return fileName.isEmpty() ? QStringLiteral("nazwa") : fileName;
}
