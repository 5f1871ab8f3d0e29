#include "mainwindow.h"

#include "gui/guilog.h"
#include "appsettings.h"
#include "archivestatus.h"
#include "buildinfo.h"
#include "configmanagement.h"
#include "detailsmanagement.h"
#include "dialogs.h"
#include "eventsmanagement.h"
#include "faultsmanagement.h"
#include "linkhealthwidget.h"
#include "linkmonitor.h"
#include "servicemanagement.h"
#include "softwaremanagement.h"
#include "timemanagement.h"
#include "visitsmanagement.h"
#include "visitwindow.h"
#include "visits/visitsession.h"
#include "startup.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "link/usbmanager.h"
#include "modules/moduletypes.h"
#include "store/dbmanager.h"
#include "store/recentaddresses.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDebug>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPalette>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTime>
#include <QTimeEdit>
#include <QToolBar>

namespace {
struct TabInfo
{
    const char *title;
    const char *icon;
};

// Indexed by MainWindow::TabId.
const TabInfo tabTable[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "Konfiguracja"), ":/icons/zarzadzaj-konfiguracja.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Zdarzenia"), ":/icons/lista-uszkodzen_bledow.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Debug"), ":/icons/lista-uszkodzen_bledow.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Uszkodzenia"), ":/icons/uszkodzenie.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Wersje oprogramowania"),
     ":/icons/wersje-oprogramowania.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Data i czas"), ":/icons/clock.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Serwis"), ":/icons/funkcje-serwisowe.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Przeglądy"), ":/icons/przeglad.png"},
};

// Shorter entries are incomplete names ("COM" without its number) and are not tried.
constexpr int MinimumPortNameLength = 4;
constexpr int ClockIntervalMs = 1000;

// Room for the record lists and the settings tree, but never larger than the screen.
QSize initialSize()
{
    QSize size(1100, 720);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 0.9);
    return size;
}
} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    // A host application has no main() of ours to register the icons; registering twice is
    // harmless.
    registerResources();
    m_standalone = true;
    m_tabWidget = new QTabWidget(this);
    m_tabWidget->setObjectName(QStringLiteral("tabWidget"));
    m_tabWidget->setTabShape(QTabWidget::Rounded);
    m_clock = new QTimeEdit(this);
    m_link = std::make_unique<USBManager>();
    setCentralWidget(m_tabWidget);
    m_linkMonitor = new LinkMonitor(m_link.get(), this);
    addDockWidget(Qt::BottomDockWidgetArea, m_linkMonitor);
    m_linkMonitor->hide();
    setWindowIcon(QIcon(QStringLiteral(":/icons/logo.ico")));

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    slotUpdateAppSettings();

    setWindowTitle(tr("Konfigurator Ostrel"));
    setUnifiedTitleAndToolBarOnMac(true);
    resize(initialSize());

    // Module objects look their option lists and fault texts up in these tables, and the
    // factory its module types, so they must exist before any window can create a module. They
    // are built once and live for the run, however many main windows a host opens.
    static const bool tablesBuilt = [] {
        registerModules();
        buildOptionLists();
        initFaultTextTables();
        return true;
    }();
    Q_UNUSED(tablesBuilt)

    createTabs();

    connect(m_link.get(), &USBManager::signalUsbPortClosed, this, &MainWindow::slotUsbPortClosed);
    connect(m_link.get(), &USBManager::signalUsbPortOpened, this, &MainWindow::slotUsbPortOpened,
            Qt::UniqueConnection);
    connect(m_link.get(), &USBManager::signalWriteMessage, this, &MainWindow::slotWriteMessage,
            Qt::UniqueConnection);

    // Every window starts in its disconnected state.
    emit m_link->signalUsbPortClosed();

    updateTime();
    connect(&m_clockTimer, &QTimer::timeout, this, &MainWindow::updateTime);
    m_clockTimer.start(ClockIntervalMs);
}

MainWindow::~MainWindow()
{
    // The windows hold the link without owning it: they go first.
    delete m_tabWidget;
    m_tabWidget = nullptr;
    m_link.reset();
}

void MainWindow::createActions()
{
    m_archiveStatus = new ArchiveStatus(this);
    connect(m_archiveStatus, &ArchiveStatus::message, this, &MainWindow::slotWriteMessage);
    // Records pulled from the archive show in the lists at once.
    connect(m_archiveStatus, &ArchiveStatus::synced, this, [this] {
        if (m_configManagement)
            m_configManagement->slotArchiveSynced();
        refreshRecordLists();
        // Sites, units and visits a colleague archived; an open visit on show stays on show.
        if (m_visitsManagement && m_visitsManagement->currentVisit() == 0)
            m_visitsManagement->showList();
    });
    connect(m_archiveStatus, &ArchiveStatus::openRecord, this, &MainWindow::openArchived);

    m_connectAction = new QAction(QIcon(QStringLiteral(":/icons/polacz.png")),
                                  tr("&Połącz", "Connect"), this);
    m_connectAction->setObjectName(QStringLiteral("actionConnect"));
    m_connectAction->setStatusTip(tr("Connect over USB"));
    connect(m_connectAction, &QAction::triggered, this, &MainWindow::slotUsbConnect);

    m_disconnectAction = new QAction(QIcon(QStringLiteral(":/icons/rozlacz.png")),
                                     tr("&Rozłącz", "Disconnect"), this);
    m_disconnectAction->setObjectName(QStringLiteral("actionDisconnect"));
    m_disconnectAction->setStatusTip(tr("Disconnect"));
    m_disconnectAction->setEnabled(false);
    connect(m_disconnectAction, &QAction::triggered, this, &MainWindow::slotUsbDisconnect);

    m_aboutAction = new QAction(tr("&O programie", "About"), this);
    m_aboutAction->setObjectName(QStringLiteral("actionAbout"));
    m_aboutAction->setStatusTip(tr("Wyświetla informacje o programie", "About programm"));
    connect(m_aboutAction, &QAction::triggered, this, &MainWindow::about);

    m_viewAction = new QAction(tr("&Widok", "View"), this);
    m_viewAction->setObjectName(QStringLiteral("actionView"));
    m_viewAction->setStatusTip(tr("Parametry wyświetlania", "Window view settings"));
    connect(m_viewAction, &QAction::triggered, this, &MainWindow::settings);

    m_visitAction = new QAction(QIcon(QStringLiteral(":/icons/przeglad.png")),
                                tr("&Przegląd", "Service visit"), this);
    m_visitAction->setObjectName(QStringLiteral("actionVisit"));
    m_visitAction->setStatusTip(tr("Rozpoczyna przegląd centrali"));
    connect(m_visitAction, &QAction::triggered, this, [this] {
        if (!m_visitsManagement)
            return;
        m_tabWidget->setCurrentWidget(m_visitsManagement);
        m_visitsManagement->startVisit();
    });
}

void MainWindow::openArchived(const QString &kind, int localId)
{
    const struct
    {
        const char *kind;
        RecordManagement *window;
    } records[] = {{"eventlog", m_eventsManagement},
                   {"faults", m_faultsManagement},
                   {"software", m_softwareManagement}};
    for (const auto &record : records) {
        if (kind == QLatin1String(record.kind) && record.window) {
            m_tabWidget->setCurrentWidget(record.window);
            record.window->openStored(localId);
            return;
        }
    }
    if (kind == QLatin1String("config") && m_configManagement) {
        m_tabWidget->setCurrentWidget(m_configManagement);
        m_configManagement->setupModels();
        m_configManagement->showConfig(uint(localId), QString(), Konfiguracja::FromDatabase);
        return;
    }
    // Sites, units and visits live in the visits tab; a visit opens there unless one is being
    // carried out.
    if (!m_visitsManagement)
        return;
    m_tabWidget->setCurrentWidget(m_visitsManagement);
    if (kind == QLatin1String("visit") && m_visitsManagement->currentVisit() == 0)
        m_visitsManagement->openVisit(localId);
}

void MainWindow::createMenus()
{
    m_connectionMenu = menuBar()->addMenu(tr("&Połączenie"));
    m_connectionMenu->addAction(m_connectAction);
    m_connectionMenu->addAction(m_disconnectAction);

    m_settingsMenu = menuBar()->addMenu(tr("&Ustawienia"));
    m_settingsMenu->addAction(m_viewAction);
    QAction *monitorAction = m_linkMonitor->toggleViewAction();
    monitorAction->setObjectName(QStringLiteral("actionLinkMonitor"));
    monitorAction->setText(tr("Monitor łącza"));
    monitorAction->setStatusTip(tr("Pokazuje ramki wymieniane z centralą"));
    m_settingsMenu->addAction(monitorAction);

    m_connectionMenu->addSeparator();
    m_connectionMenu->addAction(m_archiveStatus->syncAction());
    m_connectionMenu->addAction(m_archiveStatus->rejectedAction());
    m_connectionMenu->addAction(m_archiveStatus->recordsAction());
    m_connectionMenu->addAction(m_archiveStatus->unitsAction());
    menuBar()->addSeparator();

    m_helpMenu = menuBar()->addMenu(tr("&Pomoc"));
    m_helpMenu->addAction(m_aboutAction);
}

void MainWindow::createToolBar()
{
    m_connectionToolBar = addToolBar(tr("Połączenie", "Connection"));
    m_connectionToolBar->setObjectName(QStringLiteral("connectionToolBar"));
    m_connectionToolBar->setIconSize(QSize(32, 32));
    m_connectionToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_connectionToolBar->addAction(m_connectAction);
    m_connectionToolBar->addAction(m_disconnectAction);
    m_connectionToolBar->addSeparator();
    m_connectionToolBar->addAction(m_visitAction);
    m_connectionToolBar->addAction(m_archiveStatus->syncAction());
}

void MainWindow::createStatusBar()
{
    statusBar()->showMessage(tr("Gotowy"));

    m_clock->setObjectName(QStringLiteral("clockEdit"));
    m_clock->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    m_clock->setReadOnly(true);
    m_clock->setFrame(false);
    QPalette clockPalette = m_clock->palette();
    clockPalette.setColor(QPalette::Base, Qt::transparent);
    m_clock->setPalette(clockPalette);
    m_clock->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_clock->setFocusPolicy(Qt::NoFocus);
    m_clock->setAlignment(Qt::AlignCenter);
    m_clock->setToolTip(tr("Czas komputera"));
    // A fixed width keeps the clock at its own size; the stretch would otherwise let it eat the
    // room that the status messages need.
    m_clock->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_linkHealth = new LinkHealthWidget(m_link.get(), this);
    statusBar()->addPermanentWidget(m_archiveStatus);
    statusBar()->addPermanentWidget(m_linkHealth);
    statusBar()->addPermanentWidget(m_clock, 20);
}

// Each window gets the link (not owned) and no parent; the tab widget adopts it.
template <class Window>
int MainWindow::addWindowTab(Window *&window, TabId tab)
{
    window = new Window(m_link.get(), nullptr);
    const TabInfo &info = tabTable[tab];
    return m_tabWidget->addTab(window, QIcon(QString::fromLatin1(info.icon)), tr(info.title));
}

// The windows are added in tab order, one line each.
void MainWindow::createTabs()
{
    m_configTabIndex = addWindowTab(m_configManagement, ConfigTab);
    m_eventsTabIndex = addWindowTab(m_eventsManagement, EventsTab);
    m_detailsTabIndex = addWindowTab(m_detailsManagement, DetailsTab);
    m_faultsTabIndex = addWindowTab(m_faultsManagement, FaultsTab);
    m_softwareTabIndex = addWindowTab(m_softwareManagement, SoftwareTab);
    m_timeTabIndex = addWindowTab(m_timeManagement, TimeTab);
    m_serviceTabIndex = addWindowTab(m_serviceManagement, ServiceTab);
    m_visitsTabIndex = addWindowTab(m_visitsManagement, VisitsTab);
    // Self-test and calibration run during an open visit belong to its record.
    connect(m_detailsManagement, &DetailsManagement::signalDiagnosticsDone, m_visitsManagement,
            &VisitsManagement::attachDiagnostics);
    connect(m_configManagement, &ConfigManagement::signalUnitConfigRead, m_visitsManagement,
            &VisitsManagement::noteUnitConfig);
    // A visit's readings are ordinary records: the lists show them as soon as they are stored.
    connect(m_visitsManagement->visitWindow()->session(), &VisitSession::signalReadingDone, this,
            [this] {
                m_configManagement->setupModels();
                refreshRecordLists();
            });
    connect(m_serviceManagement, &ServiceManagement::signalEventLogStored, m_eventsManagement,
            &EventsManagement::setupModels);
    if (m_configTabIndex >= 0)
        m_tabWidget->setCurrentIndex(m_configTabIndex);
    // A visit left open by a crash or a kill is where the technician carries on.
    if (m_visitsManagement->currentVisit() != 0)
        m_tabWidget->setCurrentIndex(m_visitsTabIndex);
}

void MainWindow::refreshRecordLists()
{
    for (RecordManagement *records : {static_cast<RecordManagement *>(m_eventsManagement),
                                      static_cast<RecordManagement *>(m_faultsManagement),
                                      static_cast<RecordManagement *>(m_softwareManagement)}) {
        if (records)
            records->setupModels();
    }
}

void MainWindow::slotWriteMessage(QString text, int timeMs)
{
    // The raw bytes of every answer are the link monitor's business, not the technician's.
    static const QRegularExpression rawBytes(QStringLiteral("^[0-9a-f]+$"));
    if (timeMs == 0 && rawBytes.match(text).hasMatch())
        return;
    // The hex of every answer comes "until replaced"; it must not wipe out a message that the
    // technician still has time to read.
    if (timeMs == 0 && m_timedMessage.isValid() && !m_timedMessage.hasExpired(m_timedMessageMs)
        && !statusBar()->currentMessage().isEmpty())
        return;
    statusBar()->showMessage(text, timeMs);
    if (timeMs > 0) {
        m_timedMessage.start();
        m_timedMessageMs = timeMs;
    } else {
        m_timedMessage.invalidate();
    }
}

void MainWindow::slotUsbDisconnect()
{
    m_link->closePort();
}

void MainWindow::slotUsbPortClosed()
{
    m_connectAction->setEnabled(true);
    m_disconnectAction->setEnabled(false);
    emit signalUsbPortClosed();
}

void MainWindow::slotUsbPortOpened()
{
    m_connectAction->setEnabled(false);
    m_disconnectAction->setEnabled(true);
    emit signalUsbPortOpened();
}

void MainWindow::slotUsbConnect()
{
    QInputDialog dialog(this, Qt::Dialog);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(tr("Port:", "Port komunikacyjny"));
    dialog.setLabelText(tr("Wybierz port:"));
    dialog.setCancelButtonText(tr("Anuluj"));
    DbManager *store = DbManager::instance();
    // The port or address used last comes first, so that reconnecting is one Enter.
    QStringList ports = RecentAddresses::load(store);
    for (const QString &port : USBManager::availablePortNames()) {
        if (!ports.contains(port))
            ports << port;
    }
    dialog.setComboBoxItems(ports);
    // Editable, so that a port the system does not list (a simulator's path, a device server's
    // address) can be typed.
    dialog.setComboBoxEditable(true);
    // Wide enough for a typed device path, not only for "COM3". The dialog sizes itself to its
    // contents, so the width goes on the combo box.
    if (auto *portBox = dialog.findChild<QComboBox *>()) {
        portBox->setMinimumWidth(320);
        portBox->setToolTip(
                tr("Port szeregowy (np. COM3) albo adres serwera portu szeregowego w sieci: "
                   "host:port, tcp://host:port lub [adres IPv6]:port.<br>"
                   "Serwer portu musi pracować w trybie raw TCP z ustawieniami 19200 bodów, "
                   "8N1.<br>"
                   "Połączenie raw TCP nie ma uwierzytelniania: używaj go tylko w sieci VPN "
                   "albo przez tunel SSH."));
    }
    if (Dialogs::instance()->exec(&dialog) != QDialog::Accepted)
        return;
    const QString portName = dialog.textValue().trimmed();
    if (portName.length() < MinimumPortNameLength)
        return;
    // A TCP connection may take up to 5 s to be given up: the window keeps repainting meanwhile
    // and the technician may give up sooner.
    const bool network = USBManager::parseNetworkAddress(portName);
    QProgressDialog progress(tr("Łączenie z %1…").arg(portName), tr("Anuluj"), 0, 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(network ? 300 : 60000);
    progress.setValue(0);
    connect(&progress, &QProgressDialog::canceled, m_link.get(), &USBManager::cancelOpen);
    m_connectAction->setEnabled(false);
    const bool opened = m_link->openPort(portName);
    progress.reset();
    m_connectAction->setEnabled(!m_link->isOpen());
    if (!opened) {
        qCDebug(lcGui) << "Port nie został otwarty";
        // Without this the technician would see no reaction at all to a failed connect.
        slotWriteMessage(tr("Port nie został otwarty: %1").arg(portName), 5000);
        if (!m_link->openError().isEmpty())
            Dialogs::instance()->warning(this, tr("Połączenie sieciowe"), m_link->openError());
        return;
    }
    RecentAddresses::remember(store, portName);
}

void MainWindow::slotUpdateAppSettings()
{
    DbManager *store = DbManager::instance();
    bool sizeOk = false;
    const int pixelSize =
            QString::fromUtf8(store->readAppSetting(AppSetting::FontSize)).toInt(&sizeOk);
    const QString family =
            QString::fromUtf8(store->readAppSetting(AppSetting::FontType)).trimmed();

    // Start from the application font so that a missing setting keeps its default.
    QFont appFont;
    if (!family.isEmpty())
        appFont.setFamily(family);
    if (sizeOk && pixelSize > 0)
        appFont.setPixelSize(pixelSize);
    setFont(appFont);
}

void MainWindow::about()
{
    qCDebug(lcGui) << "Data kompilacji:" << OSTREL_BUILD_DATE;
    QMessageBox box(this);
    box.setWindowTitle(tr("O programie konfigurator Ostrel"));
    box.setText(tr("Wersja programu %1 \nSHA %2 \nDATA %3 %4")
                        .arg(QStringLiteral(OSTREL_VERSION), QStringLiteral(OSTREL_GIT_COMMIT),
                             QStringLiteral(OSTREL_BUILD_DATE), QString()));
    box.setIconPixmap(windowIcon().pixmap(64, 64));
    box.setStandardButtons(QMessageBox::Ok);
    Dialogs::instance()->exec(&box);
}

void MainWindow::settings()
{
    AppSettings dialog(this);
    if (!m_standalone)
        dialog.setHostedMode();
    connect(&dialog, &AppSettings::signalSettingChanged, this,
            &MainWindow::slotUpdateAppSettings);
    Dialogs::instance()->exec(&dialog);
}

void MainWindow::updateTime()
{
    m_clock->setTime(QTime::currentTime());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A register read may take minutes; closing ends it and stores nothing of it.
    if (m_link->readingInProgress()
        && Dialogs::instance()->question(
                   this, tr("Konfigurator Ostrel"),
                   tr("Trwa odczyt z centrali. Zamknięcie programu przerwie go i nic z tego "
                      "odczytu nie zostanie zapisane.\n\nZamknąć program?"),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    // Unsaved edits are offered for saving before the tool goes away; a host reads the stored
    // configuration right after this.
    // Cancel in a "save changes?" question keeps the tool open.
    if (m_configManagement && !m_configManagement->closeEditors()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closeSignal();
}
