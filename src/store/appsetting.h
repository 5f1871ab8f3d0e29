#pragma once

#include <QByteArray>
#include <QString>

class QSqlDatabase;

// One application setting: a row of APLIKACJA with an id fixed by the program, a name stored
// beside it and the value as text. Every setting of every feature is a row of the table below;
// a feature takes its id from there and never picks a number of its own, and an id that a
// user's store already holds never changes.
struct AppSetting
{
    enum Key : int {
        Language,
        FontSize,
        FontType,
        BatteryLife,
        TcpAddress1,
        TcpAddress2,
        TcpAddress3,
        TcpAddress4,
        TcpAddress5,
        ArchiveHost,
        ArchivePort,
        ArchiveDatabase,
        ArchiveUser,
        ArchiveSslMode,
        ArchiveTechnician,
        ArchiveScope,
        ArchiveScopeSites,
        ExportFolder,
        KeyCount
    };
    enum Type { Text, Number };

    Key key;
    uint id;
    const char *name;
    Type type;
    const char *defaultText; // Text
    int defaultNumber;       // Number
    int minimum;             // a stored Number outside [minimum, maximum] reads as the default
    int maximum;
    bool seeded; // the default is written when the row is missing, at every start

    static constexpr const AppSetting &of(Key key);

    // The row's bytes; null when there is no row.
    static QByteArray read(const QSqlDatabase &db, Key key);
    // The value as UTF-8 text; the default when the row is missing or empty.
    static QString text(const QSqlDatabase &db, Key key);
    // The value as a decimal number; the default when the row is missing, holds no number, or
    // one outside the range.
    static int number(const QSqlDatabase &db, Key key);
    // Replaces the row (id, name and value); false when the store refused.
    static bool write(const QSqlDatabase &db, Key key, const QByteArray &value);
    static bool writeText(const QSqlDatabase &db, Key key, const QString &value);
    static bool writeNumber(const QSqlDatabase &db, Key key, int value);
};

// Start-up writes the missing seeded rows in this order, as it always has.
inline constexpr AppSetting appSettings[] = {
    {AppSetting::FontType, 3, "S_FONT_TYPE", AppSetting::Text, "Arial", 0, 0, 0, true},
    {AppSetting::Language, 1, "S_LANGUAGE", AppSetting::Number, "", 2, 1, 255, true},
    {AppSetting::FontSize, 2, "S_FONT_SIZE", AppSetting::Number, "", 12, 1, 1000, true},
    {AppSetting::BatteryLife, 20, "S_BATTERY_LIFE", AppSetting::Number, "", 4, 1, 20, false},
    // The connect dialog's last network addresses, newest first.
    {AppSetting::TcpAddress1, 21, "S_TCP_ADDRESS_1", AppSetting::Text, "", 0, 0, 0, false},
    {AppSetting::TcpAddress2, 22, "S_TCP_ADDRESS_2", AppSetting::Text, "", 0, 0, 0, false},
    {AppSetting::TcpAddress3, 23, "S_TCP_ADDRESS_3", AppSetting::Text, "", 0, 0, 0, false},
    {AppSetting::TcpAddress4, 24, "S_TCP_ADDRESS_4", AppSetting::Text, "", 0, 0, 0, false},
    {AppSetting::TcpAddress5, 25, "S_TCP_ADDRESS_5", AppSetting::Text, "", 0, 0, 0, false},
    // Where the company archive is and who signs the records; never a password.
    {AppSetting::ArchiveHost, 30, "S_ARCHIVE_HOST", AppSetting::Text, "", 0, 0, 0, false},
    {AppSetting::ArchivePort, 31, "S_ARCHIVE_PORT", AppSetting::Number, "", 5432, 1, 65535, false},
    {AppSetting::ArchiveDatabase, 32, "S_ARCHIVE_DATABASE", AppSetting::Text, "ostrel", 0, 0, 0,
     false},
    {AppSetting::ArchiveUser, 33, "S_ARCHIVE_USER", AppSetting::Text, "", 0, 0, 0, false},
    {AppSetting::ArchiveSslMode, 34, "S_ARCHIVE_SSLMODE", AppSetting::Text, "verify-full", 0, 0,
     0, false},
    {AppSetting::ArchiveTechnician, 35, "S_ARCHIVE_TECHNICIAN", AppSetting::Text, "", 0, 0, 0,
     false},
    // Which records' bytes a sync brings (0 all, 1 the technician's sites, 2 chosen sites) and
    // the chosen sites' lines, comma-separated.
    {AppSetting::ArchiveScope, 36, "S_ARCHIVE_SCOPE", AppSetting::Number, "", 1, 0, 2, false},
    {AppSetting::ArchiveScopeSites, 37, "S_ARCHIVE_SITES", AppSetting::Text, "", 0, 0, 0, false},
    // The folder the file dialogs propose: the one used last.
    {AppSetting::ExportFolder, 50, "S_EXPORT_FOLDER", AppSetting::Text, "", 0, 0, 0, false},
};

constexpr const AppSetting &AppSetting::of(Key key)
{
    for (const AppSetting &setting : appSettings) {
        if (setting.key == key)
            return setting;
    }
    return appSettings[0]; // unreachable: every key has a row (checked below)
}

namespace appsetting_detail {
constexpr bool sameName(const char *a, const char *b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

// Every key has exactly one row; no two rows share an id or a name.
constexpr bool consistent()
{
    constexpr int count = int(sizeof(appSettings) / sizeof(appSettings[0]));
    if (count != AppSetting::KeyCount)
        return false;
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (appSettings[i].key == appSettings[j].key || appSettings[i].id == appSettings[j].id
                || sameName(appSettings[i].name, appSettings[j].name))
                return false;
        }
    }
    return true;
}
static_assert(consistent(), "two application settings share a key, an id or a name");
} // namespace appsetting_detail
