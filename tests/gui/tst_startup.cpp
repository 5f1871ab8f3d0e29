#include "archive/archivesettings.h"
#include "store/exportfolder.h"
#include "fakedialogs.h"
#include "gui/appsettings.h"
#include "gui/archivestatus.h"
#include "gui/startup.h"
#include "store/dbmanager.h"

#include <QtGui>
#include <QtSql>
#include <QtTest>
#include <QtWidgets>

// Start-up as a technician meets it, and the bundled images. (That the program starts
// anywhere, makes its store and stays up is the install test's.)
#ifdef Q_OS_WIN
#define OSTREL_USER_FOLDER "Ostrel Konfigurator"
#else
#define OSTREL_USER_FOLDER "ostrel-konfigurator"
#endif

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    // As on a machine without the PostgreSQL driver: Qt finds the SQLite driver and the image
    // formats only.
    void initTestCase()
    {
        QVERIFY(m_plugins.isValid());
        bool copied = false;
        for (const QString &path : QCoreApplication::libraryPaths()) {
            for (const QString &kind :
                 {QStringLiteral("sqldrivers"), QStringLiteral("imageformats")}) {
                const QDir from(path + QLatin1Char('/') + kind);
                QDir().mkpath(m_plugins.filePath(kind));
                for (const QString &name : from.entryList(QDir::Files)) {
                    if (!name.contains(QLatin1String("psql")))
                        copied |= QFile::copy(from.filePath(name),
                                              m_plugins.filePath(kind + QLatin1Char('/') + name));
                }
            }
        }
        QVERIFY(copied);
        QCoreApplication::setLibraryPaths({m_plugins.path()});
        QVERIFY(QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")));
        QVERIFY(!ArchiveSettings::driverAvailable());
    }
    // Without the driver the archive offers nothing that cannot work: no fields to fill in,
    // no sync, and no count of waiting records that only grows.
    void archiveWithoutDriver()
    {
        QTemporaryDir dir;
        QVERIFY(openLocalStore(dir.path()));
        AppSettings settings;
        for (const char *name : {"archiveHost", "archivePort", "archiveDatabase", "archiveUser",
                                 "archiveSslMode", "archiveTechnician", "archiveScope",
                                 "archiveSites", "archiveSiteFilter"})
            QVERIFY2(!settings.findChild<QWidget *>(name)->isEnabled(), name);
        QVERIFY(!settings.findChild<QWidget *>("archiveDriverNote")->isHidden());
        ArchiveStatus status;
        QVERIFY(!status.syncAction()->isEnabled());
        QVERIFY(status.findChild<QLabel *>("archiveState")->text().contains("brak sterownika"));
        DbManager::instance()->close();
    }
    // A store that cannot be opened is told, naming the folder and the reason, before the
    // program gives up (exit code 1); a good folder opens without a word.
    void storeFailureExplained_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("reason");
        QTest::newRow("good folder") << "" << "";
        QTest::newRow("folder missing") << "missing" << "Folder nie istnieje";
        QTest::newRow("folder in place of the file") << "dir" << "jest folder";
        QTest::newRow("damaged file") << "damaged" << "jest uszkodzony";
    }
    void storeFailureExplained()
    {
        QFETCH(QString, layout);
        QFETCH(QString, reason);
        QTemporaryDir root;
        QString folder = root.filePath(QStringLiteral("Łódź dane"));
        QVERIFY(QDir().mkdir(folder));
        const QString file = folder + QStringLiteral("/ostrel.db3");
        if (layout == "missing")
            folder += QStringLiteral("/brak");
        else if (layout == "dir")
            QVERIFY(QDir().mkdir(file));
        if (layout == "damaged") {
            QFile damaged(file);
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write(QByteArray(4096, 'x'));
        }
        FakeDialogs dialogs;
        QCOMPARE(openLocalStoreOrExplain(folder), reason.isEmpty());
        DbManager::instance()->close();
        if (reason.isEmpty()) {
            QVERIFY(dialogs.shown.isEmpty());
            return;
        }
        QCOMPARE(dialogs.shown.size(), 1);
        const QString text = dialogs.shown.first().text;
        QVERIFY2(text.contains(QDir::toNativeSeparators(QDir(folder).absolutePath()))
                         && text.contains(reason),
                 qPrintable(text));
    }
    // Started with the argument, the store is the starting user's own folder, made when
    // missing; without it the working folder, as always.
    void userFolder()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString expected =
                QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                        .filePath(QStringLiteral(OSTREL_USER_FOLDER));
        QDir(expected).removeRecursively();
        QCOMPARE(storeFolder({"ostrel-konfigurator", userFolderArgument()}), expected);
        QVERIFY(QFileInfo(expected).isDir());
        QCOMPARE(storeFolder({"ostrel-konfigurator"}), QStringLiteral("./"));
        QCOMPARE(storeFolder({userFolderArgument()}), QStringLiteral("./"));
        QDir(expected).removeRecursively();
    }
    // Save dialogs start in Documents, not in the program's hidden or DLL folder; then in the
    // folder used last while it exists.
    void exportFolder_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<bool>("proposed");
        QTest::newRow("nothing remembered") << "" << false;
        QTest::newRow("the last folder") << "Eksport ąę" << true;
        QTest::newRow("the last folder is gone") << "brak" << false;
    }
    void exportFolder()
    {
        QFETCH(QString, remembered);
        QFETCH(bool, proposed);
        QTemporaryDir dir;
        QVERIFY(openLocalStore(dir.path()));
        DbManager *store = DbManager::instance();
        const QString last = dir.filePath(remembered);
        if (proposed)
            QVERIFY(QDir().mkdir(last));
        if (!remembered.isEmpty())
            ExportFolder::remember(store, last + QStringLiteral("/raport.pdf"));
        QCOMPARE(ExportFolder::proposedPath(store, QStringLiteral("raport.pdf")),
                 (proposed ? last
                           : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                         + QStringLiteral("/raport.pdf"));
        store->close();
    }
    // Every image in the bundle loads, at the size its users expect.
    void images()
    {
        registerResources();
        QStringList icons;
        for (QDirIterator it(QStringLiteral(":/icons")); it.hasNext();)
            icons << it.next();
        QCOMPARE(icons.size(), 29); // the 28 tool icons and the application icon
        for (const QString &path : qAsConst(icons)) {
            const QSize size = QImage(path).size();
            QVERIFY2(path.endsWith(".ico") || size == QSize(32, 32), qPrintable(path));
        }
        // The application icon serves title bars and task lists as well as the desktop.
        const QList<QSize> sizes = QIcon(QStringLiteral(":/icons/logo.ico")).availableSizes();
        for (int side : {16, 32, 256})
            QVERIFY(sizes.contains(QSize(side, side)));
        QCOMPARE(QImage(QStringLiteral(":/images/logohaslo.jpg")).width(), 600);
    }

private:
    QTemporaryDir m_plugins;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
