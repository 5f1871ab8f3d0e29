// ctest-labels: translation
#include "store/dbmanager.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

// The tree `cmake --install` lays out, started as a technician starts it: through the command
// on the path or the desktop entry, from wherever the shell or the desktop happens to be.
class TestInstall : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void startsAnywhere_data();
    void startsAnywhere();

private:
    QTemporaryDir m_root;
    QString m_prefix;
};

void TestInstall::initTestCase()
{
    QVERIFY(m_root.isValid());
    m_prefix = m_root.filePath(QStringLiteral("usr"));
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(OSTREL_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(OSTREL_BUILD_DIR),
                   QStringLiteral("--prefix"), m_prefix});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());
}

void TestInstall::startsAnywhere_data()
{
    QTest::addColumn<QString>("dataHome");
    QTest::addColumn<bool>("catalogueMissing");
    // Default: XDG_DATA_HOME unset, the store chooses Polish, which ships a catalogue.
    QTest::newRow("first start, Polish") << QString() << false;
    QTest::newRow("own data home") << QStringLiteral("xdg") << false;
    // The language list points at catalogues that need not exist: that one only is reported.
    QTest::newRow("catalogue not shipped") << QString() << true;
}

// The installed command starts in the user's data directory, creating it on first use, and
// finds its library and catalogues whatever the working directory.
void TestInstall::startsAnywhere()
{
    QFETCH(QString, dataHome);
    QFETCH(bool, catalogueMissing);
    QTemporaryDir home;
    QTemporaryDir elsewhere;
    const QString dataDir = home.filePath(dataHome.isEmpty() ? QStringLiteral(".local/share")
                                                             : dataHome)
            + QLatin1String("/ostrel-konfigurator");
    const QString database = dataDir + QLatin1String("/ostrel.db3");
    if (catalogueMissing) {
        QVERIFY(QDir().mkpath(dataDir));
        DbManager store(QStringLiteral("tst_install"));
        QVERIFY(store.openDatabase(dataDir));
        store.initTables();
        QVERIFY(QSqlQuery(QSqlDatabase::database(QStringLiteral("tst_install")))
                        .exec("INSERT INTO sl_Jezyki values(99,'X','x','konfigurator_xx')"));
        store.updateAppSetting(AppSetting::Language, "99");
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.remove(QStringLiteral("XDG_DATA_HOME"));
    if (!dataHome.isEmpty())
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(dataHome));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The build tree must not be what the program finds its library in.
    environment.remove(QStringLiteral("LD_LIBRARY_PATH"));
    QProcess program;
    QByteArray errors;
    connect(&program, &QProcess::readyReadStandardError, this,
            [&] { errors += program.readAllStandardError(); });
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(elsewhere.path());
    program.start(m_prefix + QLatin1String("/bin/ostrel-konfigurator"), QStringList());
    QVERIFY(program.waitForStarted(30000));
    if (catalogueMissing)
        QTRY_VERIFY_WITH_TIMEOUT(errors.contains("Brak pliku tłumaczenia"), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(
            program.state() != QProcess::Running || QFileInfo(database).size() > 0, 30000);
    QCOMPARE(program.state(), QProcess::Running);
    program.terminate();
    QVERIFY(program.waitForFinished(30000));
    errors += program.readAllStandardError();
    QVERIFY(!QFile::exists(elsewhere.filePath(QStringLiteral("ostrel.db3"))));
    QCOMPARE(errors.contains("Brak pliku tłumaczenia"), catalogueMissing);
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
