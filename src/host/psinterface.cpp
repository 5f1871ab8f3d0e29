#include "host/psinterface.h"

#include "host/hostlog.h"
#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/setting.h"
#include "gui/configmanagement.h"
#include "gui/mainwindow.h"
#include "gui/startup.h"
#include "store/dbmanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>

#include <memory>

Q_LOGGING_CATEGORY(lcHost, "ostrel.host")

namespace {
constexpr int PsbType = 0xE0;
constexpr int PslType = 0xF0;
constexpr int SignallingLines = 4;
// "System Tarven B" in the criterion lists.
constexpr quint32 TarvenB = 3;
// "Uszkodzenie Ostrel + wysterowanie z Tarven B" in the PU list.
constexpr quint32 PuFollowsTarvenB = 1;

const char *const pslDeclaration = QT_TRANSLATE_NOOP("PSL", "Deklaracja modułu");
const char *const lsMode = QT_TRANSLATE_NOOP("PSL", "Linia sygnałowa LS%1 - tryb pracy");
const char *const lsCriterion =
        QT_TRANSLATE_NOOP("PSL", "Linia sygnałowa LS%1 - kryterium wysterowania");

const char *const psbDeclaration = QT_TRANSLATE_NOOP("PSB", "Deklaracja modułu");
const char *const lk1Mode = QT_TRANSLATE_NOOP("PSB", "Linia kontrolna LK1 - tryb pracy");
const char *const lk2Mode = QT_TRANSLATE_NOOP("PSB", "Linia kontrolna LK2 - tryb pracy");
const char *const puMode = QT_TRANSLATE_NOOP("PSB", "Przekaźnik PU - tryb pracy");
const char *const pkMode = QT_TRANSLATE_NOOP("PSB", "Przekaźnik PK - tryb pracy");
const char *const pkCriterion = QT_TRANSLATE_NOOP("PSB", "Przekaźnik PK - kryterium wysterowania");

// Settings are recognised by name. A module names its settings through the translation of its
// own class, so the names are looked up in that same context: the summary then comes out the
// same in every interface language.
QString nameIn(const Modul *module, const char *text)
{
    return QCoreApplication::translate(module->metaObject()->className(), text);
}

// Whether the shared connection is open on the store of this directory.
bool storeOpenOn(const QString &dir)
{
    DbManager *store = DbManager::instance();
    if (!store->isOpen())
        return false;
    return QFileInfo(store->database().databaseName()).absoluteDir() == QDir(dir);
}
} // namespace

OstrelInterfaces::OstrelInterfaces() = default;
OstrelInterfaces::~OstrelInterfaces() = default;

void OstrelInterfaces::callWhenDone(void (*fn)(OstrelInterfaces::OstrelConfig))
{
    m_doneFunction = fn;
}

struct PSInterface::Run
{
    QEventLoop loop;
    bool objectDeleted = false;
};

PSInterface::PSInterface(QString dir) : m_dir(std::move(dir))
{
    if (!openLocalStore(m_dir)) {
        qCDebug(lcHost) << "Nie nawiązano połaczenia z bazą danych";
        return;
    }
    m_mainWindow = new MainWindow;
    m_mainWindow->setWindowModality(Qt::ApplicationModal);
    m_mainWindow->setHostedMode();
    // The host's application decides when it ends: closing the tool must not quit it, even
    // when the tool's window was the last one open.
    m_mainWindow->setAttribute(Qt::WA_QuitOnClose, false);
}

PSInterface::~PSInterface()
{
    if (m_run) {
        // exec() is still in its loop, possibly below a dialog of the tool whose frames use the
        // window: exec() deletes the window once everything above it has unwound.
        m_run->objectDeleted = true;
        m_run->loop.quit();
        m_mainWindow->hide();
        return;
    }
    delete m_mainWindow;
}

void PSInterface::configToSet(QString name)
{
    m_configName = std::move(name);
}

void PSInterface::exec()
{
    if (!m_mainWindow || m_run)
        return;
    // An earlier exec() closed the store, or another interface object moved the shared
    // connection to its own directory: the tool must work on this object's store.
    if (!storeOpenOn(m_dir)) {
        if (!openLocalStore(m_dir)) {
            qCDebug(lcHost) << "Nie nawiązano połaczenia z bazą danych";
            return;
        }
        if (ConfigManagement *configs = m_mainWindow->configManagement())
            configs->setupModels();
    }

    Run run;
    m_run = &run;
    MainWindow *window = m_mainWindow;
    QObject::connect(window, &MainWindow::closeSignal, &run.loop, &QEventLoop::quit);
    window->show();
    if (!m_configName.isEmpty() && window->configManagement())
        window->configManagement()->createConfig(m_configName);
    // A dialog raised while opening the configuration may have let the host delete us.
    if (!run.objectDeleted)
        run.loop.exec();

    DbManager *store = DbManager::instance();
    if (run.objectDeleted) {
        delete window;
        store->close();
        return;
    }
    m_run = nullptr;
    QObject::disconnect(window, &MainWindow::closeSignal, &run.loop, &QEventLoop::quit);

    // The callback may delete this object: nothing here touches it afterwards.
    if (m_doneFunction)
        callDoneFunction();
    store->close();
}

OstrelInterfaces::OstrelConfig PSInterface::initialConfig()
{
    // Zero-filled, padding included, so that the host never sees stale bytes.
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
    ConfigManagement *configWindow = m_mainWindow ? m_mainWindow->configManagement() : nullptr;
    if (!m_doneFunction || !configWindow)
        return;
    DbManager *store = DbManager::instance();
    const QByteArray image = store->readConfig(store->findConfigId(m_configName));
    if (image.isEmpty())
        return;

    // A damaged image has already been reported by parseConfig; what it holds still counts.
    std::unique_ptr<Konfiguracja> config(
            configWindow->parseConfig(image, Konfiguracja::FromDatabase));
    const QList<Modul *> modules = config->getModules();
    for (Modul *module : modules) {
        if (module->getType() == PslType)
            parsePSLModule(cfg, module);
        else if (module->getType() == PsbType)
            parsePSBModule(cfg, module);
    }
    config.reset();
    m_doneFunction(cfg);
}

void PSInterface::parsePSLModule(OstrelInterfaces::OstrelConfig &cfg, Modul *module)
{
    if (!module || module->getType() != PslType)
        return;
    const QString declaration = nameIn(module, pslDeclaration);
    QString modes[SignallingLines];
    QString criteria[SignallingLines];
    for (int n = 1; n <= SignallingLines; ++n) {
        modes[n - 1] = nameIn(module, lsMode).arg(n);
        criteria[n - 1] = nameIn(module, lsCriterion).arg(n);
    }

    const QList<Setting *> settings = module->getSettings();
    for (const Setting *setting : settings) {
        const QString name = setting->getName();
        const quint32 value = setting->getValue();
        if (name == declaration) {
            cfg.pslDeclared = value != 0;
            continue;
        }
        for (int line = 0; line < SignallingLines; ++line) {
            bool &driven = cfg.lsAlarmDriven[line];
            if (name == criteria[line])
                driven = driven && value == TarvenB;
            else if (name == modes[line])
                driven = driven && (value & 1u);
        }
    }
}

void PSInterface::parsePSBModule(OstrelInterfaces::OstrelConfig &cfg, Modul *module)
{
    if (!module || module->getType() != PsbType)
        return;
    const QString declaration = nameIn(module, psbDeclaration);
    const QString lk1 = nameIn(module, lk1Mode);
    const QString lk2 = nameIn(module, lk2Mode);
    const QString pu = nameIn(module, puMode);
    const QString pk = nameIn(module, pkMode);
    const QString pkWhen = nameIn(module, pkCriterion);

    const QList<Setting *> settings = module->getSettings();
    for (const Setting *setting : settings) {
        const QString name = setting->getName();
        const quint32 value = setting->getValue();
        if (name == declaration)
            cfg.psbDeclared = value != 0;
        else if (name == lk1)
            cfg.lk1Mode = int(value);
        else if (name == lk2)
            cfg.lk2Mode = int(value);
        else if (name == pu)
            cfg.puAlarmDriven = value == PuFollowsTarvenB;
        else if (name == pk)
            cfg.pkAlarmDriven = cfg.pkAlarmDriven && (value & 1u);
        else if (name == pkWhen)
            cfg.pkAlarmDriven = cfg.pkAlarmDriven && value == TarvenB;
    }
}

OstrelInterfaces *getPSInterface(QString dir)
{
    return new PSInterface(std::move(dir));
}

bool changeDBName(QString dir, QString oldName, QString newName)
{
    // A connection of its own: the process-wide one may be in use by a running tool.
    DbManager store(QStringLiteral("ostrel-rename"));
    const bool opened = store.openDatabase(dir);
    if (opened) {
        const int id = store.findConfigId(oldName);
        if (id != 0)
            store.renameConfig(uint(id), newName);
    }
    store.close();
    return opened;
}
