#include "gui/startup.h"

#include <QtGui>
#include <QtTest>

// The real program started as a technician starts it, and the bundled images. (That the
// program starts anywhere, makes its store and stays up is the install test's.)
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    // A directory where the database file should be: SQLite cannot open it. Having no window to
    // show, the program must not enter its event loop at all.
    void unopenableStoreExits()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("ostrel.db3"))));
        QProcess program;
        program.setWorkingDirectory(dir.path());
        program.start(QStringLiteral(OSTREL_APP_PATH), QStringList());
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
#ifndef Q_OS_WIN // a Windows window program sends its debug output to the debugger instead
        QVERIFY(program.readAllStandardError().contains("Nie nawiązano połaczenia z bazą danych"));
#endif
    }
    // Every image in the bundle loads, at the size its users expect.
    void images()
    {
        registerResources();
        QStringList icons;
        for (QDirIterator it(QStringLiteral(":/icons")); it.hasNext();)
            icons << it.next();
        QCOMPARE(icons.size(), 28); // the 27 tool icons and the application icon
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
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
