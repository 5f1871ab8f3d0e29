#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <memory>

class ArchiveStatus;
class ConfigManagement;
class DetailsManagement;
class EventsManagement;
class FaultsManagement;
class LinkHealthWidget;
class LinkMonitor;
class ServiceManagement;
class SoftwareManagement;
class TimeManagement;
class VisitsManagement;
class USBManager;
class QAction;
class QCloseEvent;
class QMenu;
class QTabWidget;
class QTimeEdit;
class QToolBar;

// The single top-level window: owns the serial link, hosts the management and service windows
// as tabs, offers connect, disconnect, view settings and about, and shows the link's status
// texts and the PC's clock in its status bar. The host interface runs it in hosted mode.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The configuration tab, for the host interface; null while that window is not built in.
    ConfigManagement *configManagement() const { return m_configManagement; }
    // Hosted mode: the settings dialog no longer offers the language.
    void setHostedMode() { m_standalone = false; }
    bool isStandalone() const { return m_standalone; }
    USBManager *usbManager() const { return m_link.get(); }
    LinkHealthWidget *linkHealthWidget() const { return m_linkHealth; }
    LinkMonitor *linkMonitor() const { return m_linkMonitor; }
    VisitsManagement *visitsManagement() const { return m_visitsManagement; }

signals:
    void signalUsbPortOpened();
    void signalUsbPortClosed();
    void closeSignal();

public slots:
    void slotWriteMessage(QString text, int timeMs);
    void slotUsbDisconnect();
    void slotUsbPortClosed();
    void slotUsbPortOpened();
    void slotUsbConnect();
    void slotUpdateAppSettings();
    void about();
    void settings();
    void updateTime();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The lists of the record tabs, read again (records came from a visit or the archive).
    void refreshRecordLists();
    // A record opened from the archive dialog, in the tab of its kind.
    void openArchived(const QString &kind, int localId);
    // Rows of the tab table, in tab order.
    enum TabId {
        ConfigTab, EventsTab, DetailsTab, FaultsTab, SoftwareTab, TimeTab, ServiceTab, VisitsTab
    };

    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createTabs();
    template <class Window>
    int addWindowTab(Window *&window, TabId tab);

    bool m_standalone = true;
    std::unique_ptr<USBManager> m_link;
    QTabWidget *m_tabWidget = nullptr;
    QTimeEdit *m_clock = nullptr;
    QTimer m_clockTimer;
    LinkHealthWidget *m_linkHealth = nullptr;
    LinkMonitor *m_linkMonitor = nullptr;
    ArchiveStatus *m_archiveStatus = nullptr;
    // The timed status message on show, which raw traffic must not replace.
    QElapsedTimer m_timedMessage;
    int m_timedMessageMs = 0;

    ConfigManagement *m_configManagement = nullptr;
    EventsManagement *m_eventsManagement = nullptr;
    DetailsManagement *m_detailsManagement = nullptr;
    FaultsManagement *m_faultsManagement = nullptr;
    SoftwareManagement *m_softwareManagement = nullptr;
    TimeManagement *m_timeManagement = nullptr;
    ServiceManagement *m_serviceManagement = nullptr;
    VisitsManagement *m_visitsManagement = nullptr;
    int m_configTabIndex = -1;
    int m_eventsTabIndex = -1;
    int m_detailsTabIndex = -1;
    int m_faultsTabIndex = -1;
    int m_softwareTabIndex = -1;
    int m_timeTabIndex = -1;
    int m_serviceTabIndex = -1;
    int m_visitsTabIndex = -1;

    QAction *m_connectAction = nullptr;
    QAction *m_disconnectAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QAction *m_viewAction = nullptr;
    QAction *m_visitAction = nullptr;
    QMenu *m_connectionMenu = nullptr;
    QMenu *m_settingsMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QToolBar *m_connectionToolBar = nullptr;
};
