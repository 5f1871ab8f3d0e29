#include "gui/startup.h"

#include <QtGui>
#include <QtTest>

// The start-up steps, and the real program started as a technician starts it, in a working
// directory of the test's own.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void program_data();
    void program();
    void images();
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
#ifndef Q_OS_WIN // a Windows window program sends its debug output to the debugger instead
        QVERIFY(program.readAllStandardError().contains(
                "Nie nawiązano połaczenia z bazą danych"));
#endif
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(database).size() > 0, 30000);
    QCOMPARE(program.state(), QProcess::Running);
#ifdef Q_OS_WIN
    program.kill(); // terminate() asks its windows to close, and offscreen it has none
#else
    program.terminate();
#endif
    QVERIFY(program.waitForFinished(30000));
}

// Every image in the bundle loads, at the size its users expect.
void TestStartup::images()
{
    registerResources();
    QStringList icons;
    for (QDirIterator it(QStringLiteral(":/icons")); it.hasNext();)
        icons << it.next();
    QCOMPARE(icons.size(), 26); // the 25 tool icons and the application icon
    for (const QString &path : qAsConst(icons)) {
        const QSize size = QImage(path).size();
        QVERIFY2(path.endsWith(QLatin1String(".ico")) || size == QSize(32, 32), qPrintable(path));
    }
    // The application icon serves title bars and task lists as well as the desktop.
    const QList<QSize> sizes = QIcon(QStringLiteral(":/icons/logo.ico")).availableSizes();
    for (int side : {16, 32, 256})
        QVERIFY(sizes.contains(QSize(side, side)));
    QCOMPARE(QImage(QStringLiteral(":/images/logohaslo.jpg")).width(), 600);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
