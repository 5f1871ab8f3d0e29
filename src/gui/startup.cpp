#include "startup.h"

#include "store/dbmanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

bool openLocalStore(const QString &dir)
{
    DbManager *store = DbManager::instance();
    if (!store->openDatabase(dir))
        return false;
    store->initTables();
    return true;
}

bool loadTranslation(QTranslator &translator)
{
    const QString fileName = DbManager::instance()->getLanguageFileName();
    if (fileName.isEmpty())
        return false;
    const QString dir = QCoreApplication::applicationDirPath();
    if (!translator.load(fileName, dir)) {
        qDebug() << "Brak pliku tłumaczenia" << fileName << "w" << dir;
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
