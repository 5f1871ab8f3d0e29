#include "gui/startup.h"
#include "store/dbmanager.h"

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

// The start-up steps, and the real program started as a technician starts it, in a working
// directory of the test's own.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void program_data();
    void program();
    void images_data();
    void images();
    void translationFollowsStoredLanguage();
};

void TestStartup::program_data()
{
    QTest::addColumn<bool>("blocked");
    QTest::newRow("empty directory: database created, window up") << false;
    // A directory where the database file should be: SQLite cannot open it.
    QTest::newRow("unopenable store: exit 1, no window") << true;
}

void TestStartup::program()
{
    QFETCH(bool, blocked);
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("ostrel.db3"));
    QVERIFY(!blocked || QDir().mkdir(database));
    QProcess program;
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(OSTREL_APP_PATH), QStringList());
    if (blocked) {
        // Having no window to show, the program must not enter its event loop at all.
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(program.readAllStandardError().contains(
                "Nie nawiązano połaczenia z bazą danych"));
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(database).size() > 0, 30000);
    QCOMPARE(program.state(), QProcess::Running);
    program.terminate();
    QVERIFY(program.waitForFinished(30000));
}

void TestStartup::images_data()
{
    registerResources();
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size"); // a JPEG's height is free
    const QString icons = QStringLiteral(
            "polacz rozlacz zarzadzaj-konfiguracja lista-uszkodzen_bledow uszkodzenie "
            "wersje-oprogramowania clock funkcje-serwisowe wyslij odczytaj dodaj zmien-nazwe usun "
            "importPlik eksportPlik eksportPdf drukuj odswiez kopiuj anuluj pomoc porownaj "
            "potwierdzenie edytuj");
    for (const QString &name : icons.split(QLatin1Char(' ')))
        QTest::newRow(qPrintable(name)) << QString(":/icons/" + name + ".png") << QSize(32, 32);
    QTest::newRow("logo") << QStringLiteral(":/images/logohaslo.jpg") << QSize(600, 0);
    QTest::newRow("application icon") << QStringLiteral(":/icons/logo.ico") << QSize(256, 256);
}

void TestStartup::images()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    // The application icon carries the small sizes of title bars and task lists as well.
    if (path.endsWith(QLatin1String(".ico"))) {
        const QList<QSize> sizes = QIcon(path).availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
        QVERIFY(sizes.contains(size));
        return;
    }
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.width(), size.width());
    QVERIFY(size.height() == 0 || image.height() == size.height());
}

void TestStartup::translationFollowsStoredLanguage()
{
    QTemporaryDir dir;
    QVERIFY(openLocalStore(dir.path()));
    DbManager *store = DbManager::instance();
    store->updateAppSetting(DbManager::LanguageSetting, QStringLiteral("S_LANGUAGE"), "1");
    QTranslator translator;
    QVERIFY(loadTranslation(translator));
    QCOMPARE(translator.translate("MainWindow", "Konfigurator Ostrel"),
             QStringLiteral("Ostrel Configurator"));
    // A language without a translation file keeps the Polish texts.
    store->updateAppSetting(DbManager::LanguageSetting, QStringLiteral("S_LANGUAGE"), "7");
    QVERIFY(!loadTranslation(translator));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
