#include "startup.h"

#include "gui/guilog.h"
#include "archive/localarchive.h"
#include "dialogs.h"
#include "store/dbmanager.h"
#include "visits/visitstore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSqlError>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTranslator>

Q_LOGGING_CATEGORY(lcGui, "ostrel.gui")
namespace {
const char *const kStoreFile = "ostrel.db3";
// The names the installer and the Linux launcher have always given the folder.
#ifdef Q_OS_WIN
const char *const kUserFolder = "Ostrel Konfigurator";
#else
const char *const kUserFolder = "ostrel-konfigurator";
#endif
} // namespace

void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

bool openLocalStore(const QString &dir)
{
    DbManager *store = DbManager::instance();
    if (!store->openDatabase(dir))
        return false;
    createStoreTables(*store);
    return true;
}

void createStoreTables(DbManager &store)
{
    store.initTables();
    // Each layer above the store creates its own tables, after the record tables, as the
    // store has always been laid out; older stores gain them here.
    VisitStore::createTables(store.database());
    LocalArchive::createTables(store.database());
}

QString storeFolder(const QStringList &arguments)
{
    if (!arguments.mid(1).contains(QLatin1String(userFolderArgument())))
        return QStringLiteral("./");
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        return QString();
    const QString folder = QDir(base).filePath(QLatin1String(kUserFolder));
    QDir().mkpath(folder);
    return folder;
}

QString storeOpenFailure(const QString &dir)
{
    const QFileInfo folder(dir);
    const QFileInfo file(QDir(dir).filePath(QLatin1String(kStoreFile)));
    if (dir.isEmpty() || !folder.isDir())
        return QCoreApplication::translate("Startup", "Folder nie istnieje i nie można go "
                                                      "utworzyć.");
    if (file.isDir())
        return QCoreApplication::translate("Startup", "W miejscu pliku %1 jest folder.")
                .arg(file.fileName());
    // Folder permissions on Windows are not what QFileInfo reports: try to write there.
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral("ostrel-XXXXXX")));
    if (!file.exists() ? !probe.open() : !file.isWritable())
        return QCoreApplication::translate(
                "Startup", "Brak prawa zapisu w tym folderze. Folder programu (na przykład w "
                           "Program Files) nie nadaje się na dane: uruchom program ze skrótu "
                           "w menu Start albo z folderu, w którym można zapisywać.");
    const QString error = DbManager::instance()->database().lastError().text().trimmed();
    if (file.exists())
        return QCoreApplication::translate(
                       "Startup", "Plik %1 jest uszkodzony albo nie jest bazą danych programu.")
                       .arg(file.fileName())
                + (error.isEmpty() ? QString() : QStringLiteral("\n(%1)").arg(error));
    return QCoreApplication::translate("Startup", "Nie udało się utworzyć pliku %1. %2")
            .arg(file.fileName(), error);
}

bool openLocalStoreOrExplain(const QString &dir)
{
    // A read-only store would open and then lose every record written to it.
    const QFileInfo file(QDir(dir).filePath(QLatin1String(kStoreFile)));
    if (!dir.isEmpty() && (!file.exists() || file.isWritable()) && openLocalStore(dir))
        return true;
    qDebug() << "Nie nawiązano połaczenia z bazą danych";
    const QString folder = QDir::toNativeSeparators(QDir(dir.isEmpty() ? QStringLiteral(".")
                                                                        : dir)
                                                            .absolutePath());
    Dialogs::instance()->warning(
            nullptr, QCoreApplication::translate("Startup", "Konfigurator Ostrel"),
            QCoreApplication::translate("Startup", "Nie można otworzyć bazy danych programu w "
                                                   "folderze:\n%1\n\n%2\n\nProgram zostanie "
                                                   "zamknięty.")
                    .arg(folder, storeOpenFailure(dir)));
    return false;
}

bool loadSystemTranslation(QTranslator &translator)
{
    return translator.load(QLocale::system(), QStringLiteral("konfigurator"), QStringLiteral("_"),
                           QCoreApplication::applicationDirPath());
}

bool loadTranslation(QTranslator &translator)
{
    const QString fileName = DbManager::instance()->getLanguageFileName();
    if (fileName.isEmpty())
        return false;
    const QString dir = QCoreApplication::applicationDirPath();
    if (!translator.load(fileName, dir)) {
        qCDebug(lcGui) << "Brak pliku tłumaczenia" << fileName << "w" << dir;
        return false;
    }
    return true;
}

bool loadQtTranslation(QTranslator &translator, const QString &language)
{
    if (language.isEmpty())
        return false;
    const QLocale locale(language);
    for (const QString &dir : {QCoreApplication::applicationDirPath(),
                               QLibraryInfo::location(QLibraryInfo::TranslationsPath)}) {
        if (translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), dir))
            return true;
    }
    return false;
}

void applyInterfaceLocale(const QTranslator &translator)
{
    const QString language = translator.language();
    QLocale::setDefault(language.isEmpty() ? QLocale(QLocale::Polish, QLocale::Poland)
                                           : QLocale(language));
}
