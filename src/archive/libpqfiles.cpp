#include "archive/libpqfiles.h"

#include <QDir>

namespace {
// libpq's own folder for its files.
QString libpqFolder()
{
#ifdef Q_OS_WIN
    QString appData = qEnvironmentVariable("APPDATA");
    if (appData.isEmpty())
        appData = QDir::homePath() + QStringLiteral("/AppData/Roaming");
    return QDir::fromNativeSeparators(appData) + QStringLiteral("/postgresql");
#else
    return QDir::homePath() + QStringLiteral("/.postgresql");
#endif
}
} // namespace

namespace LibpqFiles {

QString passwordFile()
{
    const QString named = qEnvironmentVariable("PGPASSFILE");
    if (!named.isEmpty())
        return QDir::fromNativeSeparators(named);
#ifdef Q_OS_WIN
    return libpqFolder() + QStringLiteral("/pgpass.conf");
#else
    return QDir::homePath() + QStringLiteral("/.pgpass");
#endif
}

QString rootCertificate()
{
    const QString named = qEnvironmentVariable("PGSSLROOTCERT");
    return named.isEmpty() ? libpqFolder() + QStringLiteral("/root.crt")
                           : QDir::fromNativeSeparators(named);
}

} // namespace LibpqFiles
