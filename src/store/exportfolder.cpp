#include "exportfolder.h"

#include "store/appsetting.h"
#include "store/dbmanager.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ExportFolder::folder(DbManager *store)
{
    const QString last = AppSetting::text(store->database(), AppSetting::ExportFolder);
    // A folder that is gone (a removed USB stick) proposes Documents instead.
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

QString ExportFolder::proposedPath(DbManager *store, const QString &fileName)
{
    return QDir(folder(store)).filePath(fileName);
}

void ExportFolder::remember(DbManager *store, const QString &filePath)
{
    if (filePath.isEmpty())
        return;
    AppSetting::writeText(store->database(), AppSetting::ExportFolder,
                          QFileInfo(filePath).absolutePath());
}
