#pragma once

#include "archive/archivesettings.h"

#include <QCoreApplication>
#include <QMetaType>
#include <QString>

#include <atomic>
#include <functional>

class QSqlDatabase;
class QSqlError;

// One exchange with the company archive: pull what the server numbered after the last pull,
// then push what this store has not archived. Runs on whichever thread calls run(), over SQL
// connections of its own (one to the local store file, one to the server), so it may run off
// the GUI thread. Every step is committed on its own, so a sync that dies anywhere is finished
// by the next one with nothing lost or doubled.
class ArchiveSync
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveSync)

public:
    // The schema version this program speaks; the server's archive_schema must match it.
    static constexpr int SchemaVersion = 1;

    enum class Status { Done, Cancelled, Failed };
    struct Result
    {
        Status status = Status::Failed;
        QString message;
        int pulled = 0;
        int pushed = 0;
    };
    using Progress = std::function<void(int done, int total)>;

    ArchiveSync(const ArchiveSettings &settings, const QString &storeFile);

    Result run(const std::atomic<bool> *cancel = nullptr, const Progress &progress = {});
    // Marks a record this login archived as withdrawn; it stays in the archive.
    Result withdraw(const QString &uuid);

private:
    bool openServer(QSqlDatabase &server, Result &result) const;
    QString serverFailure(const QSqlError &error) const;
    ArchiveSettings m_settings;
    QString m_storeFile;
};

Q_DECLARE_METATYPE(ArchiveSync::Status)
