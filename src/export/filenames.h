#pragma once

#include <QChar>
#include <QString>

// A record's name as the file name a save dialog proposes. Stored names carry the time with
// colons and may hold slashes or other characters that Windows refuses; each such character
// becomes `replacement`, so no part of the name is lost and the file stays in the chosen folder.
QString proposedFileName(const QString &name, QChar replacement = QLatin1Char('_'));
