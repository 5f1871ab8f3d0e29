#include "languagenames.h"

#include <QHash>

QString languageOwnName(const QString &storedName)
{
    static const QHash<QString, QString> ownNames = {
            {QStringLiteral("ENGLISH"), QStringLiteral("English")},
            {QStringLiteral("POLSKI"), QStringLiteral("Polski")},
            // The row with the file konfigurator_ro holds the Russian catalogue.
            {QStringLiteral("РОССИЯ"), QStringLiteral("Русский")},
            {QStringLiteral("УКРАЇНСЬКИЙ"), QStringLiteral("Українська")},
            {QStringLiteral("Deutch"), QStringLiteral("Deutsch")},
    };
    return ownNames.value(storedName, storedName);
}
