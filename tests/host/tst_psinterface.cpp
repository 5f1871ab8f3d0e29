#include "host/psinterface.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"
#include "gui/configmanagement.h"
#include "gui/dialogs.h"
#include "gui/mainwindow.h"
#include "store/dbmanager.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <cstring>
#include <functional>
#include <memory>

using Record = OstrelInterfaces::OstrelConfig;

namespace {
constexpr int PsbType = 0xE0;
constexpr int PslType = 0xF0;

// What the host's callback received.
Record received;
int callbacks = 0;

void onDone(Record cfg)
{
    received = cfg;
    ++callbacks;
}

// A host that is done with the tool as soon as it has its record.
PSInterface *deleteOnDone = nullptr;

void onDoneDelete(Record cfg)
{
    onDone(cfg);
    delete deleteOnDone;
    deleteOnDone = nullptr;
}

// Answers the tool's dialogs without a user; a test may run code inside getText, where the real
// dialog would run its own event loop.
class HostDialogs : public Dialogs
{
public:
    HostDialogs() { Dialogs::setInstance(this); }
    ~HostDialogs() override { Dialogs::setInstance(nullptr); }

    QStringList warnings;
    std::function<QString(bool *)> onGetText;

    QMessageBox::StandardButton warning(QWidget *, const QString &, const QString &text) override
    {
        warnings << text;
        return QMessageBox::Ok;
    }
    QMessageBox::StandardButton information(QWidget *, const QString &, const QString &) override
    {
        return QMessageBox::Ok;
    }
    QMessageBox::StandardButton question(QWidget *, const QString &, const QString &,
                                         QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton) override
    {
        return QMessageBox::No;
    }
    QString getText(QWidget *, const QString &, const QString &, const QString &,
                    bool *ok) override
    {
        if (onGetText)
            return onGetText(ok);
        *ok = false;
        return QString();
    }
    int exec(QDialog *) override { return QDialog::Rejected; }
};

// Renames the settings of the module classes as a translation file would; the tool's other
// texts stay as they are.
class ModuleTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "PSL") == 0 || qstrcmp(context, "PSB") == 0)
            return QLatin1String("EN ") + QString::fromUtf8(source);
        return QString();
    }
};

QList<MainWindow *> visibleTools()
{
    QList<MainWindow *> tools;
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (auto *tool = qobject_cast<MainWindow *>(widget); tool && tool->isVisible())
            tools << tool;
    }
    return tools;
}

Setting *settingNamed(Modul *module, const QString &name)
{
    const QList<Setting *> settings = module->getSettings();
    for (Setting *setting : settings) {
        if (setting->getName() == name)
            return setting;
    }
    return nullptr;
}

struct Value
{
    QString name;
    quint32 value;
};

Modul *makeModule(int type, quint8 number, const QList<Value> &values)
{
    Modul *module = createModule(type, number);
    for (const Value &v : values) {
        Setting *setting = settingNamed(module, v.name);
        if (!setting)
            qFatal("no setting %s", qPrintable(v.name));
        setting->setValue(v.value);
    }
    return module;
}

QString lsMode(int line)
{
    return QStringLiteral("Linia sygnałowa LS%1 - tryb pracy").arg(line);
}

QString lsCriterion(int line)
{
    return QStringLiteral("Linia sygnałowa LS%1 - kryterium wysterowania").arg(line);
}

const QString declaration = QStringLiteral("Deklaracja modułu");

QByteArray imageOf(const QList<Modul *> &modules)
{
    Konfiguracja config;
    for (Modul *module : modules)
        config.addModule(module);
    return config.toByteArray(Konfiguracja::FromDatabase);
}

QStringList storedNames(const QString &dir)
{
    QStringList names;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QStringLiteral("tst_names"));
        db.setDatabaseName(dir + QLatin1String("/ostrel.db3"));
        if (db.open()) {
            QSqlQuery query(QStringLiteral("SELECT nazwa FROM KONFIGURACJA ORDER BY id"), db);
            while (query.next())
                names << query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("tst_names"));
    return names;
}
} // namespace

class TestPSInterface : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void defaultConfigurationRecord();
    void storedConfigurationWithoutPsl();
    void twoPslModulesFoldIntoOneRecord();
    void damagedImageStillReported();
    void recordIsTheSameUnderATranslation();

    void pslSignallingLine_data();
    void pslSignallingLine();
    void psbModesAndRelays_data();
    void psbModesAndRelays();
    void foldersIgnoreOtherModules();

    void execWithoutNameMakesNoCallback();
    void unopenableStoreIsInert();
    void execReturnsWhenWindowClosed();
    void execAgainAfterStoreClosed();
    void nestedExecReturnsAtOnce();
    void deleteWhileToolIsOpen();
    void deleteBelowAToolDialog();
    void deleteFromTheCallback();
    void secondObjectDoesNotMoveTheStore();

    void changeDBNameMissingName();
    void changeDBNameRenamesFirstMatch();
    void changeDBNameLeavesRunningToolAlone();
    void changeDBNameUnopenableStore();

private:
    // Closes the tool as the user would, once exec() has shown it; `before` runs first.
    void closeWhenShown(std::function<void(MainWindow *)> before = {});
    Record runTool(const QString &dir, const QString &name, const QByteArray &image);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<HostDialogs> m_dialogs;
};

void TestPSInterface::initTestCase()
{
    // Module objects need these; the tool's main window builds them too.
    buildOptionLists();
    initFaultTextTables();
}

void TestPSInterface::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = std::make_unique<HostDialogs>();
    callbacks = 0;
    std::memset(&received, 0xAA, sizeof received);
}

void TestPSInterface::cleanup()
{
    // No test may leave a tool window behind for the next one to find.
    const QList<MainWindow *> left = visibleTools();
    for (MainWindow *tool : left)
        tool->hide();
    m_dialogs.reset();
    m_dir.reset();
}

void TestPSInterface::closeWhenShown(std::function<void(MainWindow *)> before)
{
    auto *timer = new QTimer(this);
    timer->setInterval(5);
    connect(timer, &QTimer::timeout, this, [timer, before] {
        const QList<MainWindow *> tools = visibleTools();
        if (tools.isEmpty())
            return;
        timer->stop();
        timer->deleteLater();
        if (before)
            before(tools.first());
        tools.first()->close();
    });
    timer->start();
}

// Stores the image under the name (when given), runs the tool on it and returns the record.
Record TestPSInterface::runTool(const QString &dir, const QString &name, const QByteArray &image)
{
    PSInterface tool(dir);
    if (!image.isNull())
        DbManager::instance()->writeConfig(name, image);
    tool.configToSet(name);
    tool.callWhenDone(onDone);
    closeWhenShown();
    tool.exec();
    return received;
}

void TestPSInterface::defaultConfigurationRecord()
{
    const QString name = QStringLiteral("Nowa");
    runTool(m_dir->path(), name, QByteArray());

    QCOMPARE(callbacks, 1);
    QCOMPARE(received.psbDeclared, true);
    QCOMPARE(received.pslDeclared, false);
    QCOMPARE(received.lk1Mode, 0);
    QCOMPARE(received.lk2Mode, 0);
    QCOMPARE(received.puAlarmDriven, false);
    QCOMPARE(received.pkAlarmDriven, false);
    for (bool driven : received.lsAlarmDriven)
        QCOMPARE(driven, false);
    // exec() created the configuration in the host's store.
    QCOMPARE(storedNames(m_dir->path()), QStringList{name});
}

void TestPSInterface::storedConfigurationWithoutPsl()
{
    // Built while a tool exists, so that the module classes are set up as in the product.
    PSInterface builder(m_dir->path());
    const QByteArray image = imageOf(
            {makeModule(PsbType, 1,
                        {{QStringLiteral("Linia kontrolna LK1 - tryb pracy"), 2},
                         {QStringLiteral("Linia kontrolna LK2 - tryb pracy"), 1},
                         {QStringLiteral("Przekaźnik PU - tryb pracy"), 1},
                         {QStringLiteral("Przekaźnik PK - tryb pracy"), 3},
                         {QStringLiteral("Przekaźnik PK - kryterium wysterowania"), 3}})});

    runTool(m_dir->path(), QStringLiteral("Bez PSL"), image);

    QCOMPARE(callbacks, 1);
    QCOMPARE(received.psbDeclared, true);
    QCOMPARE(received.pslDeclared, false);
    QCOMPARE(received.lk1Mode, 2);
    QCOMPARE(received.lk2Mode, 1);
    QCOMPARE(received.puAlarmDriven, true);
    QCOMPARE(received.pkAlarmDriven, true);
    for (bool driven : received.lsAlarmDriven)
        QCOMPARE(driven, true);
}

void TestPSInterface::twoPslModulesFoldIntoOneRecord()
{
    PSInterface builder(m_dir->path());
    auto pslImage = [](bool firstDeclared, bool secondDeclared) {
        // LS1 follows the alarm system in both, LS2 only in the first, LS3 in neither: the AND
        // fields keep what all modules agree on.
        return imageOf({makeModule(PslType, 1,
                                   {{declaration, firstDeclared},
                                    {lsMode(1), 1}, {lsCriterion(1), 3},
                                    {lsMode(2), 3}, {lsCriterion(2), 3},
                                    {lsMode(4), 1}, {lsCriterion(4), 3}}),
                        makeModule(PslType, 2,
                                   {{declaration, secondDeclared},
                                    {lsMode(1), 1}, {lsCriterion(1), 3},
                                    {lsMode(2), 2}, {lsCriterion(2), 3},
                                    {lsMode(4), 1}, {lsCriterion(4), 3}})});
    };
    DbManager::instance()->writeConfig(QStringLiteral("last undeclared"), pslImage(true, false));
    DbManager::instance()->writeConfig(QStringLiteral("last declared"), pslImage(false, true));

    runTool(m_dir->path(), QStringLiteral("last undeclared"), QByteArray());
    QCOMPARE(callbacks, 1);
    QCOMPARE(received.pslDeclared, false);
    QCOMPARE(received.lsAlarmDriven[0], true);
    QCOMPARE(received.lsAlarmDriven[1], false);
    QCOMPARE(received.lsAlarmDriven[2], false);
    QCOMPARE(received.lsAlarmDriven[3], true);
    // No PSB in this configuration: its AND field stays true, the assigned ones at rest.
    QCOMPARE(received.psbDeclared, false);
    QCOMPARE(received.pkAlarmDriven, true);
    QCOMPARE(received.puAlarmDriven, false);

    runTool(m_dir->path(), QStringLiteral("last declared"), QByteArray());
    QCOMPARE(callbacks, 2);
    QCOMPARE(received.pslDeclared, true);
    QCOMPARE(received.lsAlarmDriven[1], false);
}

void TestPSInterface::damagedImageStillReported()
{
    PSInterface builder(m_dir->path());
    QByteArray image = imageOf({makeModule(PslType, 1,
                                           {{declaration, 1}, {lsMode(1), 1}, {lsCriterion(1), 3}}),
                                makeModule(PsbType, 1, {})});
    // Claim a third module that is not there.
    image[0] = char(3);

    runTool(m_dir->path(), QStringLiteral("uszkodzona"), image);

    QVERIFY(!m_dialogs->warnings.isEmpty());
    QCOMPARE(callbacks, 1);
    QCOMPARE(received.pslDeclared, true);
    QCOMPARE(received.psbDeclared, true);
    QCOMPARE(received.lsAlarmDriven[0], true);
    QCOMPARE(received.lsAlarmDriven[1], false);
}

void TestPSInterface::recordIsTheSameUnderATranslation()
{
    ModuleTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    PSInterface builder(m_dir->path());
    Modul *psl = makeModule(PslType, 1, {});
    // The module now names its settings in the other language.
    QVERIFY(!settingNamed(psl, declaration));
    settingNamed(psl, QLatin1String("EN ") + declaration)->setValue(1);
    settingNamed(psl, QLatin1String("EN ") + lsMode(3))->setValue(1);
    settingNamed(psl, QLatin1String("EN ") + lsCriterion(3))->setValue(3);
    Modul *psb = makeModule(PsbType, 1, {});
    settingNamed(psb, QStringLiteral("EN Linia kontrolna LK2 - tryb pracy"))->setValue(2);
    const QByteArray image = imageOf({psl, psb});

    runTool(m_dir->path(), QStringLiteral("EN"), image);
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(callbacks, 1);
    QCOMPARE(received.pslDeclared, true);
    QCOMPARE(received.psbDeclared, true);
    QCOMPARE(received.lk2Mode, 2);
    QCOMPARE(received.lsAlarmDriven[0], false);
    QCOMPARE(received.lsAlarmDriven[2], true);
}

void TestPSInterface::pslSignallingLine_data()
{
    QTest::addColumn<quint32>("mode");
    QTest::addColumn<quint32>("criterion");
    QTest::addColumn<bool>("driven");

    // Bit 0 of the mode switches the line on; criterion 3 is the host's alarm system.
    QTest::newRow("pulsed-cyclic, Tarven B") << 3u << 3u << true;
    QTest::newRow("mode 2, Tarven B") << 2u << 3u << false;
    QTest::newRow("mode 1, Tarven B") << 1u << 3u << true;
    QTest::newRow("mode 1, criterion 2") << 1u << 2u << false;
    QTest::newRow("mode 1, criterion 4") << 1u << 4u << false;
    QTest::newRow("off, Tarven B") << 0u << 3u << false;
}

void TestPSInterface::pslSignallingLine()
{
    QFETCH(quint32, mode);
    QFETCH(quint32, criterion);
    QFETCH(bool, driven);

    std::unique_ptr<Modul> psl(makeModule(PslType, 1,
                                          {{declaration, 1}, {lsMode(2), mode},
                                           {lsCriterion(2), criterion},
                                           {lsMode(1), 1}, {lsCriterion(1), 3},
                                           {lsMode(3), 1}, {lsCriterion(3), 3},
                                           {lsMode(4), 1}, {lsCriterion(4), 3}}));
    Record cfg = PSInterface::initialConfig();
    PSInterface::parsePSLModule(cfg, psl.get());

    QCOMPARE(cfg.pslDeclared, true);
    QCOMPARE(cfg.lsAlarmDriven[1], driven);
    // The other lines are not disturbed by LS2's settings.
    QCOMPARE(cfg.lsAlarmDriven[0], true);
    QCOMPARE(cfg.lsAlarmDriven[2], true);
    QCOMPARE(cfg.lsAlarmDriven[3], true);

    // A line that an earlier module left false stays false.
    cfg.lsAlarmDriven[1] = false;
    PSInterface::parsePSLModule(cfg, psl.get());
    QCOMPARE(cfg.lsAlarmDriven[1], false);
}

void TestPSInterface::psbModesAndRelays_data()
{
    QTest::addColumn<quint32>("lk1");
    QTest::addColumn<quint32>("lk2");
    QTest::addColumn<quint32>("pu");
    QTest::addColumn<quint32>("pkMode");
    QTest::addColumn<quint32>("pkCriterion");
    QTest::addColumn<bool>("puDriven");
    QTest::addColumn<bool>("pkDriven");

    QTest::newRow("two-state lines, PU on Tarven B, PK on Tarven B")
            << 1u << 2u << 1u << 1u << 3u << true << true;
    QTest::newRow("inactive lines, PU fault only") << 0u << 0u << 0u << 1u << 3u << false << true;
    QTest::newRow("PK mode with bit 0 (5), Tarven B") << 2u << 1u << 0u << 5u << 3u << false << true;
    QTest::newRow("PK mode without bit 0 (2), Tarven B")
            << 2u << 2u << 1u << 2u << 3u << true << false;
    QTest::newRow("PK on, other criterion") << 0u << 1u << 1u << 1u << 1u << true << false;
    QTest::newRow("PK off, other criterion") << 0u << 1u << 0u << 0u << 0u << false << false;
}

void TestPSInterface::psbModesAndRelays()
{
    QFETCH(quint32, lk1);
    QFETCH(quint32, lk2);
    QFETCH(quint32, pu);
    QFETCH(quint32, pkMode);
    QFETCH(quint32, pkCriterion);
    QFETCH(bool, puDriven);
    QFETCH(bool, pkDriven);

    std::unique_ptr<Modul> psb(makeModule(
            PsbType, 1,
            {{QStringLiteral("Linia kontrolna LK1 - tryb pracy"), lk1},
             {QStringLiteral("Linia kontrolna LK2 - tryb pracy"), lk2},
             {QStringLiteral("Przekaźnik PU - tryb pracy"), pu},
             {QStringLiteral("Przekaźnik PK - tryb pracy"), pkMode},
             {QStringLiteral("Przekaźnik PK - kryterium wysterowania"), pkCriterion}}));
    Record cfg = PSInterface::initialConfig();
    PSInterface::parsePSBModule(cfg, psb.get());

    QCOMPARE(cfg.psbDeclared, true);
    QCOMPARE(cfg.lk1Mode, int(lk1));
    QCOMPARE(cfg.lk2Mode, int(lk2));
    QCOMPARE(cfg.puAlarmDriven, puDriven);
    QCOMPARE(cfg.pkAlarmDriven, pkDriven);
    QCOMPARE(cfg.pslDeclared, false);
    for (bool driven : cfg.lsAlarmDriven)
        QCOMPARE(driven, true);

    // A second PSB assigns PU and the modes again but can only narrow PK.
    std::unique_ptr<Modul> second(makeModule(
            PsbType, 2,
            {{QStringLiteral("Przekaźnik PU - tryb pracy"), 1 - pu},
             {QStringLiteral("Przekaźnik PK - tryb pracy"), 1},
             {QStringLiteral("Przekaźnik PK - kryterium wysterowania"), 3}}));
    PSInterface::parsePSBModule(cfg, second.get());
    QCOMPARE(cfg.lk1Mode, 0);
    QCOMPARE(cfg.puAlarmDriven, !puDriven);
    QCOMPARE(cfg.pkAlarmDriven, pkDriven);
}

void TestPSInterface::foldersIgnoreOtherModules()
{
    std::unique_ptr<Modul> psl(makeModule(PslType, 1, {{declaration, 1}, {lsMode(1), 2}}));
    std::unique_ptr<Modul> psb(makeModule(PsbType, 1,
                                          {{QStringLiteral("Przekaźnik PK - tryb pracy"), 0}}));
    const Record initial = PSInterface::initialConfig();

    Record cfg = initial;
    PSInterface::parsePSBModule(cfg, psl.get());
    PSInterface::parsePSLModule(cfg, psb.get());
    PSInterface::parsePSLModule(cfg, nullptr);
    PSInterface::parsePSBModule(cfg, nullptr);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&cfg), sizeof cfg),
             QByteArray(reinterpret_cast<const char *>(&initial), sizeof initial));
}

void TestPSInterface::execWithoutNameMakesNoCallback()
{
    {
        PSInterface tool(m_dir->path());
        DbManager::instance()->writeConfig(QStringLiteral("Inna"), imageOf({}));
        tool.callWhenDone(onDone);
        closeWhenShown([](MainWindow *window) {
            // Nothing was opened for the user.
            QVERIFY(window->configManagement()->findChildren<QMdiSubWindow *>().isEmpty());
        });
        tool.exec();
    }
    QCOMPARE(callbacks, 0);
    // Nothing was created either.
    QCOMPARE(storedNames(m_dir->path()), QStringList{QStringLiteral("Inna")});
}

void TestPSInterface::unopenableStoreIsInert()
{
    // A directory where the database file belongs: SQLite cannot open it.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("ostrel.db3")));
    const int toolsBefore = visibleTools().size();
    QTest::ignoreMessage(QtDebugMsg, "Nie nawiązano połaczenia z bazą danych");

    PSInterface tool(m_dir->path());
    tool.configToSet(QStringLiteral("Nowa"));
    tool.callWhenDone(onDone);
    QElapsedTimer clock;
    clock.start();
    // Should exec() wait for a window after all, this ends the wait and the test fails below.
    QTimer::singleShot(5000, this, [] {
        for (MainWindow *tool : visibleTools())
            tool->close();
    });
    tool.exec();
    QVERIFY(clock.elapsed() < 5000);
    QCOMPARE(visibleTools().size(), toolsBefore);
    tool.callDoneFunction();
    QCOMPARE(callbacks, 0);
}

void TestPSInterface::execReturnsWhenWindowClosed()
{
    QSignalSpy lastWindow(qApp, &QGuiApplication::lastWindowClosed);
    PSInterface tool(m_dir->path());
    QPointer<MainWindow> shown;
    closeWhenShown([&shown](MainWindow *window) {
        shown = window;
        QCOMPARE(window->windowModality(), Qt::ApplicationModal);
        QVERIFY(!window->isStandalone());
        QVERIFY(DbManager::instance()->isOpen());
    });
    // As most hosts do, open the tool from inside the host's running application.
    bool returned = false;
    QTimer::singleShot(0, this, [&tool, &returned] {
        tool.exec();
        returned = true;
        QCoreApplication::exit(0);
    });
    QCoreApplication::exec();

    QVERIFY(returned);
    QVERIFY(shown);
    QVERIFY(!shown->isVisible());
    // The store is closed until the tool runs again.
    QVERIFY(!DbManager::instance()->isOpen());
    // Closing the tool, though its window was the last one, is not the end of the host.
    QCOMPARE(lastWindow.count(), 0);
}

void TestPSInterface::execAgainAfterStoreClosed()
{
    PSInterface tool(m_dir->path());
    tool.configToSet(QStringLiteral("Pierwsza"));
    tool.callWhenDone(onDone);
    closeWhenShown();
    tool.exec();
    QCOMPARE(callbacks, 1);
    QVERIFY(!DbManager::instance()->isOpen());

    // The host opens the tool again, on another configuration.
    tool.configToSet(QStringLiteral("Druga"));
    bool storeOpen = false;
    closeWhenShown([&storeOpen](MainWindow *) { storeOpen = DbManager::instance()->isOpen(); });
    tool.exec();
    QVERIFY(storeOpen);
    QCOMPARE(callbacks, 2);
    QCOMPARE(received.psbDeclared, true);
    QCOMPARE(storedNames(m_dir->path()),
             (QStringList{QStringLiteral("Pierwsza"), QStringLiteral("Druga")}));
}

void TestPSInterface::nestedExecReturnsAtOnce()
{
    PSInterface tool(m_dir->path());
    tool.callWhenDone(onDone);
    tool.configToSet(QStringLiteral("Jedna"));
    bool nestedReturned = false;
    closeWhenShown([&tool, &nestedReturned](MainWindow *) {
        tool.exec();
        nestedReturned = true;
    });
    tool.exec();
    QVERIFY(nestedReturned);
    QCOMPARE(callbacks, 1);
}

void TestPSInterface::deleteWhileToolIsOpen()
{
    auto *tool = new PSInterface(m_dir->path());
    tool->configToSet(QStringLiteral("Nowa"));
    tool->callWhenDone(onDone);
    QPointer<MainWindow> window;
    QTimer::singleShot(0, this, [&window, tool] {
        window = visibleTools().value(0);
        // The host deletes the tool while the user still has it open.
        delete tool;
    });
    tool->exec();
    QCOMPARE(callbacks, 0);
    QTRY_VERIFY(window.isNull());
    QVERIFY(!DbManager::instance()->isOpen());
}

void TestPSInterface::deleteBelowAToolDialog()
{
    auto *tool = new PSInterface(m_dir->path());
    tool->callWhenDone(onDone);
    QPointer<MainWindow> window;
    // The user asks for a new configuration; while the name dialog is up, the host deletes the
    // tool. The tool's code continues once the dialog returns, so its windows must still exist.
    m_dialogs->onGetText = [&window, tool](bool *ok) {
        window = visibleTools().value(0);
        delete tool;
        *ok = true;
        return QStringLiteral("Po usunięciu");
    };
    QTimer::singleShot(0, this, [] {
        if (MainWindow *shown = visibleTools().value(0))
            shown->configManagement()->slotAdd();
    });
    tool->exec();
    QCOMPARE(callbacks, 0);
    QVERIFY(window.isNull());
    QCOMPARE(storedNames(m_dir->path()), QStringList{QStringLiteral("Po usunięciu")});
}

void TestPSInterface::deleteFromTheCallback()
{
    deleteOnDone = new PSInterface(m_dir->path());
    QPointer<MainWindow> window;
    deleteOnDone->configToSet(QStringLiteral("Nowa"));
    deleteOnDone->callWhenDone(onDoneDelete);
    closeWhenShown([&window](MainWindow *shown) { window = shown; });
    deleteOnDone->exec();
    QCOMPARE(callbacks, 1);
    QVERIFY(!deleteOnDone);
    QVERIFY(window.isNull());
    QVERIFY(!DbManager::instance()->isOpen());
}

void TestPSInterface::secondObjectDoesNotMoveTheStore()
{
    QTemporaryDir other;
    QVERIFY(other.isValid());
    PSInterface first(m_dir->path());
    DbManager::instance()->writeConfig(QStringLiteral("Tutaj"),
                                       imageOf({makeModule(PsbType, 1, {{QStringLiteral(
                                               "Linia kontrolna LK1 - tryb pracy"), 2}})}));
    // A second object on another directory takes the shared connection along.
    PSInterface second(other.path());

    first.configToSet(QStringLiteral("Tutaj"));
    first.callWhenDone(onDone);
    closeWhenShown();
    first.exec();

    QCOMPARE(callbacks, 1);
    QCOMPARE(received.lk1Mode, 2);
    QCOMPARE(storedNames(m_dir->path()), QStringList{QStringLiteral("Tutaj")});
    QVERIFY(storedNames(other.path()).isEmpty());
}

void TestPSInterface::changeDBNameMissingName()
{
    {
        PSInterface tool(m_dir->path());
        DbManager::instance()->writeConfig(QStringLiteral("A"), imageOf({}));
        DbManager::instance()->close();
    }
    QVERIFY(changeDBName(m_dir->path(), QStringLiteral("B"), QStringLiteral("C")));
    QCOMPARE(storedNames(m_dir->path()), QStringList{QStringLiteral("A")});
}

void TestPSInterface::changeDBNameRenamesFirstMatch()
{
    {
        PSInterface tool(m_dir->path());
        DbManager::instance()->writeConfig(QStringLiteral("A"), imageOf({}));
        DbManager::instance()->writeConfig(QStringLiteral("B"), imageOf({}));
        DbManager::instance()->writeConfig(QStringLiteral("A"), imageOf({}));
        DbManager::instance()->close();
    }
    QVERIFY(changeDBName(m_dir->path(), QStringLiteral("A"), QStringLiteral("Nowa nazwa")));
    QCOMPARE(storedNames(m_dir->path()),
             (QStringList{QStringLiteral("Nowa nazwa"), QStringLiteral("B"), QStringLiteral("A")}));
    // Its own handle is gone again.
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("ostrel-rename")));
}

void TestPSInterface::changeDBNameLeavesRunningToolAlone()
{
    QTemporaryDir other;
    QVERIFY(other.isValid());
    {
        PSInterface elsewhere(other.path());
        DbManager::instance()->writeConfig(QStringLiteral("Stara"), imageOf({}));
    }

    PSInterface tool(m_dir->path());
    DbManager::instance()->writeConfig(QStringLiteral("Stara"), imageOf({}));
    const QString connectionFile = QSqlDatabase::database().databaseName();
    bool renamed = false;
    bool stillOpen = false;
    int idInTool = -1;
    QString fileWhileRunning;
    closeWhenShown([&](MainWindow *) {
        renamed = changeDBName(other.path(), QStringLiteral("Stara"), QStringLiteral("Nowa"));
        stillOpen = DbManager::instance()->isOpen();
        fileWhileRunning = QSqlDatabase::database().databaseName();
        idInTool = DbManager::instance()->findConfigId(QStringLiteral("Stara"));
    });
    tool.exec();

    QVERIFY(renamed);
    QVERIFY(stillOpen);
    QCOMPARE(fileWhileRunning, connectionFile);
    QVERIFY(idInTool > 0);
    QCOMPARE(storedNames(other.path()), QStringList{QStringLiteral("Nowa")});
    QCOMPARE(storedNames(m_dir->path()), QStringList{QStringLiteral("Stara")});
}

void TestPSInterface::changeDBNameUnopenableStore()
{
    QVERIFY(!changeDBName(m_dir->filePath(QStringLiteral("brak")), QStringLiteral("A"),
                          QStringLiteral("B")));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("ostrel.db3")));
    QVERIFY(!changeDBName(m_dir->path(), QStringLiteral("A"), QStringLiteral("B")));
}

QTEST_MAIN(TestPSInterface)
#include "tst_psinterface.moc"
