#include "archive/archivekinds.h"

const QVector<ArchiveKind> &archiveKinds()
{
    static const QVector<ArchiveKind> kinds = {
        {QStringLiteral("config"), QStringLiteral("KONFIGURACJA"), QStringLiteral("nazwa"),
         QStringLiteral("dane"), true, QString()},
        {QStringLiteral("eventlog"), QStringLiteral("PAMIETNIK"), QStringLiteral("nazwa"),
         QStringLiteral("dane"), false, QString()},
        {QStringLiteral("faults"), QStringLiteral("USZKODZENIA"), QStringLiteral("nazwa"),
         QStringLiteral("dane"), false, QString()},
        {QStringLiteral("software"), QStringLiteral("OPROGRAMOWANIE"), QStringLiteral("nazwa"),
         QStringLiteral("dane"), false, QString()},
        {QStringLiteral("site"), QStringLiteral("OBIEKTY"), QStringLiteral("name"), QString(),
         true, QString()},
        {QStringLiteral("unit"), QStringLiteral("CENTRALE"), QStringLiteral("label"), QString(),
         true, QString()},
        // An open visit is still being written; it travels once it is closed and final.
        {QStringLiteral("visit"), QStringLiteral("WIZYTY"),
         QStringLiteral("t.report_year || '/' || t.report_seq"), QString(), false,
         QStringLiteral("t.closed <> 0")},
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
