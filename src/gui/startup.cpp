#include "startup.h"

#include "gui/guilog.h"
#include "archive/localarchive.h"
#include "store/dbmanager.h"
#include "visits/visitstore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

Q_LOGGING_CATEGORY(lcGui, "ostrel.gui")

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
