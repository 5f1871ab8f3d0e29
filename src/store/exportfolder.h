#pragma once

#include <QString>

class DbManager;

// The folder that file dialogs propose: the one used last, else the user's Documents. The
// working folder is no place for exports: installed it is hidden application data, from the
// ZIP it is the folder of the program's DLLs.
class ExportFolder
{
public:
    static QString folder(DbManager *store);
    // The proposed path for fileName (a bare name, as proposedFileName() gives it).
    static QString proposedPath(DbManager *store, const QString &fileName);
    // Remembers the folder of a file the user chose.
    static void remember(DbManager *store, const QString &filePath);
};
