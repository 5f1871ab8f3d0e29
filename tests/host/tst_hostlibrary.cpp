// Uses the tool the way a host application does: the shared library is loaded at run time and
// reached only through what it exports. Nothing of ours is linked into this test.

#include "host/ostrelinterfaces.h"

#include <QApplication>
#include <QMainWindow>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <dlfcn.h>

namespace {
using GetInterface = OstrelInterfaces *(*)(QString);
using ChangeName = bool (*)(QString, QString, QString);

QByteArray receivedBytes;
int callbacks = 0;

void onDone(OstrelInterfaces::OstrelConfig cfg)
{
    receivedBytes = QByteArray(reinterpret_cast<const char *>(&cfg), sizeof cfg);
    ++callbacks;
}

// The stored form of one module record: type, number, length, payload.
QByteArray moduleRecord(quint8 type, int payloadSize, const QList<QPair<int, quint8>> &bytes)
{
    QByteArray payload(payloadSize, '\0');
    for (const auto &b : bytes)
        payload[b.first] = char(b.second);
    return QByteArray(1, char(type)) + char(1) + char(payloadSize) + payload;
}

// A PSB and a PSL as the store keeps them, with values that put every field of the record at a
// different, recognisable value.
QByteArray storedImage()
{
    // PSB payload: PU mode at 2, PK mode at 3, PK criterion at 4, LK1 at 22, LK2 at 23.
    const QByteArray psb = moduleRecord(0xE0, 32, {{2, 1}, {3, 1}, {4, 3}, {22, 2}, {23, 1}});
    // PSL payload: declaration at 0, then four 19-byte line blocks of mode and criterion.
    QList<QPair<int, quint8>> pslBytes = {{0, 1}};
    const quint8 modes[] = {1, 2, 3, 1};
    const quint8 criteria[] = {3, 3, 3, 2};
    for (int line = 0; line < 4; ++line) {
        pslBytes.append({1 + 19 * line, modes[line]});
        pslBytes.append({2 + 19 * line, criteria[line]});
    }
    const QByteArray psl = moduleRecord(0xF0, 77, pslBytes);
    // Module count, the modules, then an empty list of module groups.
    return QByteArray(1, char(2)) + psb + psl + QByteArray(1, '\0');
}

QStringList namesIn(const QString &dir)
{
    QStringList names;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QStringLiteral("host"));
        db.setDatabaseName(dir + QLatin1String("/ostrel.db3"));
        if (db.open()) {
            QSqlQuery query(QStringLiteral("SELECT nazwa FROM KONFIGURACJA ORDER BY id"), db);
            while (query.next())
                names << query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("host"));
    return names;
}

bool store(const QString &dir, const QString &name, const QByteArray &image)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QStringLiteral("host"));
        db.setDatabaseName(dir + QLatin1String("/ostrel.db3"));
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("INSERT INTO KONFIGURACJA VALUES (NULL, :name, :data)"));
            query.bindValue(QStringLiteral(":name"), name);
            query.bindValue(QStringLiteral(":data"), image);
            ok = query.exec();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("host"));
    return ok;
}
} // namespace

class TestHostLibrary : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void exportsOnlyTheInterface_data();
    void exportsOnlyTheInterface();
    void recordLayoutSeenByTheHost();
    void renameFromOutside();

private:
    void *m_library = nullptr;
};

void TestHostLibrary::initTestCase()
{
    m_library = dlopen(OSTREL_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    QVERIFY2(m_library, dlerror());
}

void TestHostLibrary::exportsOnlyTheInterface_data()
{
    QTest::addColumn<QByteArray>("symbol");
    QTest::addColumn<bool>("exported");

    QTest::newRow("getPSInterface") << QByteArray("getPSInterface") << true;
    QTest::newRow("changeDBName") << QByteArray("changeDBName") << true;
    QTest::newRow("program entry") << QByteArray("ostrelMain") << true;
    QTest::newRow("OstrelInterfaces::callWhenDone")
            << QByteArray("_ZN16OstrelInterfaces12callWhenDoneEPFvNS_12OstrelConfigEE") << true;
    QTest::newRow("OstrelInterfaces vtable") << QByteArray("_ZTV16OstrelInterfaces") << true;
    QTest::newRow("OstrelInterfaces typeinfo") << QByteArray("_ZTI16OstrelInterfaces") << true;
    QTest::newRow("PSInterface::PSInterface(QString)")
            << QByteArray("_ZN11PSInterfaceC1E7QString") << true;
    QTest::newRow("PSInterface::exec") << QByteArray("_ZN11PSInterface4execEv") << true;
    QTest::newRow("PSInterface::parsePSLModule")
            << QByteArray("_ZN11PSInterface14parsePSLModuleERN16OstrelInterfaces12OstrelConfigEP5Modul")
            << true;
    QTest::newRow("PSInterface::parsePSBModule")
            << QByteArray("_ZN11PSInterface14parsePSBModuleERN16OstrelInterfaces12OstrelConfigEP5Modul")
            << true;
    QTest::newRow("PSInterface vtable") << QByteArray("_ZTV11PSInterface") << true;

    QTest::newRow("DbManager::instance") << QByteArray("_ZN9DbManager8instanceEv") << false;
    QTest::newRow("MainWindow::MainWindow")
            << QByteArray("_ZN10MainWindowC1EP7QWidget") << false;
    QTest::newRow("createModule") << QByteArray("_Z12createModuleih") << false;
    QTest::newRow("buildOptionLists") << QByteArray("_Z16buildOptionListsv") << false;
    QTest::newRow("MainWindow meta-object")
            << QByteArray("_ZN10MainWindow16staticMetaObjectE") << false;
}

void TestHostLibrary::exportsOnlyTheInterface()
{
    QFETCH(QByteArray, symbol);
    QFETCH(bool, exported);
    QCOMPARE(dlsym(m_library, symbol.constData()) != nullptr, exported);
}

void TestHostLibrary::recordLayoutSeenByTheHost()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto getInterface = reinterpret_cast<GetInterface>(dlsym(m_library, "getPSInterface"));
    QVERIFY(getInterface);

    OstrelInterfaces *tool = getInterface(dir.path());
    QVERIFY(tool);
    // The tool has made its tables; the host's own rows go in beside them.
    QVERIFY(store(dir.path(), QStringLiteral("Obiekt 7"), storedImage()));
    tool->configToSet(QStringLiteral("Obiekt 7"));
    tool->callWhenDone(onDone);
    QTimer closer;
    closer.setInterval(5);
    connect(&closer, &QTimer::timeout, this, [&closer] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            if (qobject_cast<QMainWindow *>(window) && window->isVisible()) {
                closer.stop();
                window->close();
            }
        }
    });
    closer.start();
    tool->exec();
    delete tool;

    QCOMPARE(callbacks, 1);
    QCOMPARE(receivedBytes.size(), 20);
    const auto byte = [](int offset) { return int(quint8(receivedBytes.at(offset))); };
    QCOMPARE(byte(0), 1);  // psbDeclared
    QCOMPARE(byte(1), 1);  // pslDeclared
    QCOMPARE(receivedBytes.mid(4, 4), QByteArray::fromHex("02000000"));  // lk1Mode
    QCOMPARE(receivedBytes.mid(8, 4), QByteArray::fromHex("01000000"));  // lk2Mode
    QCOMPARE(byte(12), 1); // puAlarmDriven
    QCOMPARE(byte(13), 1); // pkAlarmDriven
    // LS1 mode 1, LS2 mode 2, LS3 mode 3 on Tarven B; LS4 on another criterion.
    QCOMPARE(receivedBytes.mid(16, 4), QByteArray::fromHex("01000100"));
}

void TestHostLibrary::renameFromOutside()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto getInterface = reinterpret_cast<GetInterface>(dlsym(m_library, "getPSInterface"));
    auto changeName = reinterpret_cast<ChangeName>(dlsym(m_library, "changeDBName"));
    QVERIFY(getInterface && changeName);
    // Opening the tool once creates the store's tables.
    delete getInterface(dir.path());
    QVERIFY(store(dir.path(), QStringLiteral("Stara"), storedImage()));

    QVERIFY(changeName(dir.path(), QStringLiteral("Brak"), QStringLiteral("Nowa")));
    QCOMPARE(namesIn(dir.path()), QStringList{QStringLiteral("Stara")});
    QVERIFY(changeName(dir.path(), QStringLiteral("Stara"), QStringLiteral("Nowa")));
    QCOMPARE(namesIn(dir.path()), QStringList{QStringLiteral("Nowa")});
    QVERIFY(!changeName(dir.filePath(QStringLiteral("brak")), QStringLiteral("Nowa"),
                        QStringLiteral("X")));
}

QTEST_MAIN(TestHostLibrary)
#include "tst_hostlibrary.moc"
