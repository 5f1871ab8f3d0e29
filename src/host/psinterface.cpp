#include "psinterface.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/setting.h"
#include "configmanagement.h"
#include "mainwindow.h"
#include "store/dbmanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>

#include <memory>

namespace {
const char *const context = "PSInterface";

QString translated(const char *text)
{
    return QCoreApplication::translate(context, text);
}

const char *const declarationName = QT_TRANSLATE_NOOP("PSInterface", "Deklaracja modułu");
const char *const lsCriterionName =
        QT_TRANSLATE_NOOP("PSInterface", "Linia sygnałowa LS%1 - kryterium wysterowania");
const char *const lsModeName = QT_TRANSLATE_NOOP("PSInterface", "Linia sygnałowa LS%1 - tryb pracy");
const char *const lk1ModeName = QT_TRANSLATE_NOOP("PSInterface", "Linia kontrolna LK1 - tryb pracy");
const char *const lk2ModeName = QT_TRANSLATE_NOOP("PSInterface", "Linia kontrolna LK2 - tryb pracy");
const char *const puModeName = QT_TRANSLATE_NOOP("PSInterface", "Przekaźnik PU - tryb pracy");
const char *const pkModeName = QT_TRANSLATE_NOOP("PSInterface", "Przekaźnik PK - tryb pracy");
const char *const pkCriterionName =
        QT_TRANSLATE_NOOP("PSInterface", "Przekaźnik PK - kryterium wysterowania");

constexpr quint32 TarvenB = 3;
} // namespace

OstrelInterfaces::OstrelInterfaces() = default;
OstrelInterfaces::~OstrelInterfaces() = default;

void OstrelInterfaces::callWhenDone(void (*fn)(OstrelInterfaces::OstrelConfig))
{
    m_doneFunction = fn;
}

PSInterface::PSInterface(QString dir) : m_dir(std::move(dir))
{
    DbManager *store = DbManager::instance();
    if (!store->openDatabase(m_dir)) {
        qDebug() << "Nie nawiązano połaczenia z bazą danych";
        return;
    }
    store->initTables();
    m_mainWindow = new MainWindow;
    m_mainWindow->setWindowModality(Qt::ApplicationModal);
    m_mainWindow->setHostedMode();
}

PSInterface::~PSInterface()
{
    if (m_destroyed) {
        *m_destroyed = true;
        m_loop->quit();
    }
    delete m_mainWindow;
}

void PSInterface::configToSet(QString name)
{
    m_configName = std::move(name);
}

void PSInterface::exec()
{
    if (!m_mainWindow || m_destroyed)
        return;
    // The store is closed when a previous exec() ended; a host may open the tool again.
    DbManager *store = DbManager::instance();
    if (!store->isOpen() && !store->openDatabase(m_dir)) {
        qDebug() << "Nie nawiązano połaczenia z bazą danych";
        return;
    }
    m_mainWindow->show();
    if (!m_configName.isEmpty() && m_mainWindow->configManagement())
        m_mainWindow->configManagement()->createConfig(m_configName);

    QEventLoop loop;
    bool destroyed = false;
    m_destroyed = &destroyed;
    m_loop = &loop;
    QObject::connect(m_mainWindow, &MainWindow::closeSignal, &loop, &QEventLoop::quit);
    loop.exec();
    if (destroyed)
        return;
    m_destroyed = nullptr;
    m_loop = nullptr;

    if (m_doneFunction)
        callDoneFunction();
    store->close();
}

OstrelInterfaces::OstrelConfig PSInterface::initialConfig()
{
    OstrelInterfaces::OstrelConfig cfg{};
    cfg.psbDeclared = false;
    cfg.pslDeclared = false;
    cfg.lk1Mode = 0;
    cfg.lk2Mode = 0;
    cfg.puAlarmDriven = false;
    cfg.pkAlarmDriven = true;
    for (bool &driven : cfg.lsAlarmDriven)
        driven = true;
    return cfg;
}

void PSInterface::callDoneFunction()
{
    OstrelInterfaces::OstrelConfig cfg = initialConfig();
    DbManager *store = DbManager::instance();
    const QByteArray image = store->readConfig(store->findConfigId(m_configName));
    if (image.isEmpty() || !m_doneFunction)
        return;
    ConfigManagement *configWindow = m_mainWindow ? m_mainWindow->configManagement() : nullptr;
    if (!configWindow)
        return;
    std::unique_ptr<Konfiguracja> config(
            configWindow->parseConfig(image, Konfiguracja::FromDatabase));
    if (config) {
        const QList<Modul *> modules = config->getModules();
        for (Modul *module : modules) {
            if (module->getType() == 0xF0)
                parsePSLModule(cfg, module);
            else if (module->getType() == 0xE0)
                parsePSBModule(cfg, module);
        }
    }
    config.reset();
    m_doneFunction(cfg);
}

void PSInterface::parsePSLModule(OstrelInterfaces::OstrelConfig &cfg, Modul *module)
{
    if (!module || module->getType() != 0xF0)
        return;
    const QList<Setting *> settings = module->getSettings();
    for (Setting *setting : settings) {
        const QString name = setting->getName();
        const quint32 value = setting->getValue();
        if (name == translated(declarationName)) {
            cfg.pslDeclared = value != 0;
        } else if (name.contains(translated("kryterium wysterowania"))) {
            for (int n = 1; n <= 4; ++n) {
                if (name == translated(lsCriterionName).arg(n))
                    cfg.lsAlarmDriven[n - 1] = cfg.lsAlarmDriven[n - 1] && value == TarvenB;
            }
        } else if (name.contains(translated("tryb pracy"))) {
            for (int n = 1; n <= 4; ++n) {
                if (name == translated(lsModeName).arg(n))
                    cfg.lsAlarmDriven[n - 1] = cfg.lsAlarmDriven[n - 1] && (value & 1);
            }
        }
    }
}

void PSInterface::parsePSBModule(OstrelInterfaces::OstrelConfig &cfg, Modul *module)
{
    if (!module || module->getType() != 0xE0)
        return;
    const QList<Setting *> settings = module->getSettings();
    for (Setting *setting : settings) {
        const QString name = setting->getName();
        const quint32 value = setting->getValue();
        if (name == translated(declarationName))
            cfg.psbDeclared = value != 0;
        else if (name == translated(lk1ModeName))
            cfg.lk1Mode = int(value);
        else if (name == translated(lk2ModeName))
            cfg.lk2Mode = int(value);
        else if (name == translated(puModeName))
            cfg.puAlarmDriven = value == 1;
        else if (name == translated(pkModeName))
            cfg.pkAlarmDriven = cfg.pkAlarmDriven && (value & 1);
        else if (name == translated(pkCriterionName))
            cfg.pkAlarmDriven = cfg.pkAlarmDriven && value == TarvenB;
    }
}

OstrelInterfaces *getPSInterface(QString dir)
{
    return new PSInterface(std::move(dir));
}

bool changeDBName(QString dir, QString oldName, QString newName)
{
    bool opened = false;
    {
        DbManager store(QStringLiteral("ostrel-rename"));
        opened = store.openDatabase(dir);
        if (opened) {
            const int id = store.findConfigId(oldName);
            if (id != 0)
                store.renameConfig(uint(id), newName);
        }
        store.close();
    }
    return opened;
}
