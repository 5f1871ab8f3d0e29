#include "archive/archivekinds.h"

const QVector<ArchiveKind> &archiveKinds()
{
    static const QVector<ArchiveKind> kinds = {
        {QStringLiteral("config"), QStringLiteral("KONFIGURACJA"), QStringLiteral("nazwa"),
         QStringLiteral("dane"), true},
        {QStringLiteral("eventlog"), QStringLiteral("PAMIETNIK"), QStringLiteral("nazwa"),
         QStringLiteral("dane"), false},
        {QStringLiteral("faults"), QStringLiteral("USZKODZENIA"), QStringLiteral("nazwa"),
         QStringLiteral("dane"), false},
        {QStringLiteral("software"), QStringLiteral("OPROGRAMOWANIE"), QStringLiteral("nazwa"),
         QStringLiteral("dane"), false},
    };
    return kinds;
}

const ArchiveKind *archiveKind(const QString &kind)
{
    for (const ArchiveKind &k : archiveKinds()) {
        if (k.kind == kind)
            return &k;
    }
    return nullptr;
}
