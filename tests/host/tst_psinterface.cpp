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
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

using Record = OstrelInterfaces::OstrelConfig;
using Values = QList<QPair<QString, quint32>>;

namespace {
constexpr int PsbType = 0xE0;
constexpr int PslType = 0xF0;
const QString declaration = QStringLiteral("Deklaracja modułu");
const QString lk1 = QStringLiteral("Linia kontrolna LK1 - tryb pracy");
const QString lk2 = QStringLiteral("Linia kontrolna LK2 - tryb pracy");
const QString pu = QStringLiteral("Przekaźnik PU - tryb pracy");
const QString pk = QStringLiteral("Przekaźnik PK - tryb pracy");
const QString pkWhen = QStringLiteral("Przekaźnik PK - kryterium wysterowania");
QString lsMode(int n) { return QStringLiteral("Linia sygnałowa LS%1 - tryb pracy").arg(n); }
QString lsWhen(int n) { return lsMode(n).replace("tryb pracy", "kryterium wysterowania"); }

QList<Record> received;
void onDone(Record cfg)
{
    received << cfg;
}

// The record in one line, so that a wrong field shows up in the failure message.
QString describe(const Record &r)
{
    return QStringLiteral("psb%1 psl%2 lk%3/%4 pu%5 pk%6 ls%7%8%9%10")
            .arg(r.psbDeclared).arg(r.pslDeclared).arg(r.lk1Mode).arg(r.lk2Mode)
            .arg(r.puAlarmDriven).arg(r.pkAlarmDriven).arg(r.lsAlarmDriven[0])
            .arg(r.lsAlarmDriven[1]).arg(r.lsAlarmDriven[2]).arg(r.lsAlarmDriven[3]);
}

// Renames the module classes' settings as a translation file would.
struct ModuleTranslator : QTranslator
{
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const bool module = qstrcmp(context, "PSL") == 0 || qstrcmp(context, "PSB") == 0;
        return module ? QLatin1String("EN ") + QString::fromUtf8(source) : QString();
    }
};

// Dismisses the tool's warnings, so that a fault fails a test instead of waiting for a user.
struct QuietDialogs : Dialogs
{
    QMessageBox::StandardButton warning(QWidget *, const QString &, const QString &) override
    {
        return QMessageBox::Ok;
    }
} quiet;

MainWindow *visibleTool()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *tool = qobject_cast<MainWindow *>(widget); tool && tool->isVisible())
            return tool;
    }
    return nullptr;
}

Modul *makeModule(int type, quint8 number, const Values &values)
{
    Modul *module = createModule(type, number);
    for (const auto &v : values) {
        Setting *found = nullptr;
        for (Setting *setting : module->getSettings())
            found = setting->getName() == v.first ? setting : found;
        if (!found)
            qFatal("no setting %s", qPrintable(v.first));
        found->setValue(v.second);
    }
    return module;
}

QByteArray imageOf(const QList<Modul *> &modules)
{
    Konfiguracja config;
    for (Modul *module : modules)
        config.addModule(module);
    return config.toByteArray(Konfiguracja::FromDatabase);
}

QStringList storedNames(const QString &dir)
{
    DbManager store(QStringLiteral("names"));
    store.openDatabase(dir);
    QStringList names;
    for (int id = 1; id < 9; ++id)
        names << store.readConfigName(id);
    names.removeAll(QString());
    return names;
}
} // namespace

class TestPSInterface : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { buildOptionLists(); initFaultTextTables(); Dialogs::setInstance(&quiet); }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); received.clear(); }
    void foldModule_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Values>("values");
        QTest::addColumn<QString>("record");
        auto row = [](const char *name, int type, const Values &values, const char *record) {
            QTest::newRow(name) << type << values << QString::fromLatin1(record);
        };
        // A PSB before this module left LK 7/7 and PU on. Bit 0 of a mode switches an output on;
        // criterion 3 is the host's alarm system.
        row("LS2 mode 3", PslType, {{lsMode(2), 3}}, "psb0 psl1 lk7/7 pu1 pk1 ls1111");
        row("LS2 mode 2", PslType, {{lsMode(2), 2}}, "psb0 psl1 lk7/7 pu1 pk1 ls1011");
        row("LS2 criterion 2", PslType, {{lsWhen(2), 2}}, "psb0 psl1 lk7/7 pu1 pk1 ls1011");
        row("PU, PK on Tarven B", PsbType, {{lk1, 1}, {lk2, 2}, {pu, 1}, {pk, 1}, {pkWhen, 3}},
            "psb1 psl0 lk1/2 pu1 pk1 ls1111");
        row("PK mode 2", PsbType, {{pu, 1}, {pk, 2}, {pkWhen, 3}},
            "psb1 psl0 lk0/0 pu1 pk0 ls1111");
        row("PK criterion 1", PsbType, {{pk, 1}, {pkWhen, 1}}, "psb1 psl0 lk0/0 pu0 pk0 ls1111");
    }
    void foldModule()
    {
        QFETCH(int, type);
        QFETCH(Values, values);
        QFETCH(QString, record);
        Values all = {{declaration, 1}};
        for (int n = 1; type == PslType && n <= 4; ++n)
            all << qMakePair(lsMode(n), 1u) << qMakePair(lsWhen(n), 3u);
        std::unique_ptr<Modul> module(makeModule(type, 1, all + values));
        const auto fold =
                type == PslType ? PSInterface::parsePSLModule : PSInterface::parsePSBModule;
        Record cfg = PSInterface::initialConfig();
        cfg.lk1Mode = cfg.lk2Mode = 7;
        cfg.puAlarmDriven = true;
        fold(cfg, module.get());
        QCOMPARE(describe(cfg), record);

        // The AND fields: what an earlier module left false stays false.
        cfg.pkAlarmDriven = false;
        std::fill(std::begin(cfg.lsAlarmDriven), std::end(cfg.lsAlarmDriven), false);
        fold(cfg, module.get());
        QCOMPARE(describe(cfg).section(QLatin1Char(' '), 4), QStringLiteral("pk0 ls0000"));
    }
    void execReportsTheChosenConfiguration()
    {
        QSignalSpy lastWindow(qApp, &QGuiApplication::lastWindowClosed);
        PSInterface tool(m_dir->path());
        auto psb = [] {
            return makeModule(PsbType, 1, {{lk1, 2}, {lk2, 1}, {pu, 1}, {pk, 3}, {pkWhen, 3}});
        };
        // LS1 and LS4 follow the alarm system, LS2 only in module 1, LS3 in neither.
        auto psl = [](quint8 number, bool declared) {
            return makeModule(PslType, number,
                              {{declaration, declared}, {lsMode(1), 1}, {lsWhen(1), 3},
                               {lsMode(4), 1}, {lsWhen(4), 3},
                               {lsMode(2), number == 1 ? 3u : 2u}, {lsWhen(2), 3}});
        };
        DbManager *store = DbManager::instance();
        // Two PSL modules, the last one undeclared, then declared.
        store->writeConfig("PSL 10", imageOf({psl(1, true), psl(2, false)}));
        store->writeConfig("PSL 01", imageOf({psl(1, false), psl(2, true)}));
        store->writeConfig("EN", imageOf({psb(), psl(1, true)}));
        tool.callWhenDone(onDone);
        // As most hosts do, open the tool from inside the host's running application.
        QTimer::singleShot(0, this, [this, &tool] {
            closeSoon([](MainWindow *window) {
                QCOMPARE(window->windowModality(), Qt::ApplicationModal);
                QVERIFY(!window->isStandalone());
            });
            tool.exec();
            QCoreApplication::exit(0);
        });
        QCOMPARE(QCoreApplication::exec(), 0);
        // No name set and none stored under the empty name: nothing to report.
        QCOMPARE(received.size(), 0);
        QVERIFY(!store->isOpen());
        // Closing the tool, though its window was the last one, is not the end of the host.
        QCOMPARE(lastWindow.count(), 0);

        // Again and again: each run reopens the store that the one before closed. Setting names are
        // looked up in the module's own translation context, so EN reads as it would untranslated.
        const char *const runs[][2] = {{"Nowa", "psb1 psl0 lk0/0 pu0 pk0 ls0000"},
                                       {"PSL 10", "psb0 psl0 lk0/0 pu0 pk1 ls1001"},
                                       {"PSL 01", "psb0 psl1 lk0/0 pu0 pk1 ls1001"},
                                       {"EN", "psb1 psl1 lk2/1 pu1 pk1 ls1101"}};
        ModuleTranslator translator;
        QStringList expected, records;
        for (const auto &[name, record] : runs) {
            if (qstrcmp(name, "EN") == 0) {
                QCoreApplication::installTranslator(&translator);
                std::unique_ptr<Modul> renamed(createModule(PslType, 1));
                QVERIFY(renamed->getSettings().first()->getName().startsWith(QLatin1String("EN ")));
            }
            tool.configToSet(QString::fromLatin1(name));
            closeSoon();
            tool.exec();
            expected << QString::fromLatin1(record);
        }
        for (const Record &record : qAsConst(received))
            records << describe(record);
        QCOMPARE(records, expected);
    }
    void deleteBelowAToolDialog()
    {
        // While the new-name dialog is up, the host deletes the tool. The tool's code continues
        // once the dialog returns, so its windows must outlive the object.
        struct DeletingDialogs : QuietDialogs
        {
            PSInterface *tool = nullptr;
            QPointer<MainWindow> window;
            QString getText(QWidget *, const QString &, const QString &, const QString &,
                            bool *ok) override
            {
                window = visibleTool();
                delete tool;
                *ok = true;
                return QStringLiteral("Po usunięciu");
            }
        } dialogs;
        dialogs.tool = new PSInterface(m_dir->path());
        dialogs.tool->callWhenDone(onDone);
        Dialogs::setInstance(&dialogs);
        QTimer::singleShot(0, this, [] { visibleTool()->configManagement()->slotAdd(); });
        dialogs.tool->exec();
        Dialogs::setInstance(&quiet);
        QCOMPARE(received.size(), 0);
        QVERIFY(dialogs.window.isNull());
        QVERIFY(!DbManager::instance()->isOpen());
        QCOMPARE(storedNames(m_dir->path()), QStringList{QStringLiteral("Po usunięciu")});
    }
    void storesOfOtherDirectories()
    {
        QTemporaryDir other;
        PSInterface tool(m_dir->path());
        // A second object on another directory takes the shared connection along.
        PSInterface elsewhere(other.path());
        for (const char *name : {"A", "B", "A"})
            DbManager::instance()->writeConfig(QString::fromLatin1(name), "x");
        tool.configToSet(QStringLiteral("Tutaj"));
        tool.callWhenDone(onDone);
        closeSoon([&other](MainWindow *) {
            const QString file = QSqlDatabase::database().databaseName();
            // The host renames in the other store while the tool is open on its own.
            QVERIFY(changeDBName(other.path(), QStringLiteral("brak"), QStringLiteral("C")));
            QVERIFY(changeDBName(other.path(), QStringLiteral("A"), QStringLiteral("Nowa")));
            QVERIFY(DbManager::instance()->isOpen());
            QCOMPARE(QSqlDatabase::database().databaseName(), file);
        });
        tool.exec();
        QCOMPARE(received.size(), 1);
        QCOMPARE(storedNames(m_dir->path()), QStringList{QStringLiteral("Tutaj")});
        QCOMPARE(storedNames(other.path()), (QStringList{"Nowa", "B", "A"}));

        // A store that cannot be opened: changeDBName says so; exec() returns at once, no callback.
        const QString missing = m_dir->filePath(QStringLiteral("brak"));
        QVERIFY(!changeDBName(missing, QStringLiteral("A"), QStringLiteral("B")));
        QTest::ignoreMessage(QtDebugMsg, "Nie nawiązano połaczenia z bazą danych");
        PSInterface inert(missing);
        inert.configToSet(QStringLiteral("Tutaj"));
        inert.callWhenDone(onDone);
        closeSoon([](MainWindow *) { QFAIL("the tool opened without its store"); });
        inert.exec();
        QCoreApplication::processEvents();
        QCOMPARE(received.size(), 1);
    }

private:
    // Closes the tool, first running `before`, once exec() has shown it and waits.
    void closeSoon(std::function<void(MainWindow *)> before = {})
    {
        QTimer::singleShot(0, this, [before] {
            if (MainWindow *tool = visibleTool(); tool && before)
                before(tool);
            if (MainWindow *tool = visibleTool())
                tool->close();
        });
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestPSInterface)
#include "tst_psinterface.moc"
