#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Runs the real program, as a technician starts it, in a working directory of the test's own.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void unopenableStoreExitsWithoutWindow();
    void emptyDirectoryGetsDatabaseAndKeepsRunning();

private:
    static void start(QProcess &process, const QString &workingDirectory);
};

void TestStartup::start(QProcess &process, const QString &workingDirectory)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDirectory);
    process.setProgram(QStringLiteral(OSTREL_APP_PATH));
    process.start();
}

void TestStartup::unopenableStoreExitsWithoutWindow()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A directory where the database file should be: SQLite cannot open it.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ostrel.db3")));

    QProcess process;
    start(process, dir.path());
    QVERIFY(process.waitForStarted());
    // Having no window to show, the program must not enter its event loop at all.
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    const QString log = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(log.contains(QStringLiteral("Nie nawiązano połaczenia z bazą danych")),
             qPrintable(log));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("ostrel.db3"))).isDir());
}

void TestStartup::emptyDirectoryGetsDatabaseAndKeepsRunning()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString database = dir.filePath(QStringLiteral("ostrel.db3"));

    QProcess process;
    start(process, dir.path());
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(database).size() > 0, 30000);
    QCOMPARE(process.state(), QProcess::Running);
    process.terminate();
    QVERIFY(process.waitForFinished(30000));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
