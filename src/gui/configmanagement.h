#pragma once

#include "config/konfiguracja.h"
#include "link/device.h"

#include <QByteArray>
#include <QFrame>
#include <QModelIndex>
#include <QString>

#include <memory>

class ArchiveMarkProxy;
class ConfigEditor;
class ConfigSender;
class QAction;
class QMdiSubWindow;
class QPrinter;
class QSqlQueryModel;
class RequestTracker;
class USBManager;

namespace Ui {
class ConfigManagement;
}

// The "Konfiguracja" tab: the stored configurations, reading one from the unit and sending one
// back, creating, renaming and deleting them, .cfg files and printed reports. Every opened
// configuration is an editor tab carrying the record's "ID" and "NAME".
class ConfigManagement : public QFrame
{
    Q_OBJECT
public:
    explicit ConfigManagement(QWidget *parent = nullptr);
    ConfigManagement(USBManager *usb, QWidget *parent = nullptr);
    ~ConfigManagement() override;

    // Opens the stored configuration of that name, or stores a new default one under it.
    void createConfig(QString name);
    // A new configuration (owned by the caller) parsed from the bytes; warns when they do not
    // parse and returns what could be read.
    Konfiguracja *parseConfig(QByteArray data, int source);
    QString reportHtml(int id);
    // Closes every editor tab, each one offering to store its pending changes (for a window
    // that is going away). True when no tab is left.
    bool closeEditors();
    // Runs "Wyślij": read, back up, review, send, verify.
    ConfigSender *configSender() const { return m_sender; }

    static QString generatedName();

    // While the read, the safe send or a comparison with the unit is under way, the read and
    // send actions wait.
    RequestTracker *readTracker() const { return m_readTracker; }
    bool isBusy() const;

signals:
    // A configuration read from the unit (to store, or to compare with).
    void signalUnitConfigRead(QByteArray image);

public slots:
    void slotReceivedPacket(Device::COMMAND cmd, QByteArray ba);
    void slotSaveConfig(uint id, QString name, QByteArray data);
    void printPreview(QPrinter *printer);
    void slotClickListaConfig(QModelIndex index);
    void slotDelete();
    void slotAdd();
    bool slotRename();
    void slotExportPdf();
    void slotExportFile();
    void slotImportFile();
    void slotPrint();
    void slotReadUsb();
    void slotSendUsb();
    void slotSend();
    void setupModels();
    void showConfig(uint id, QString nazwa, Konfiguracja::ConfigSource source);
    // Takes ownership of the configuration.
    void showConfig(Konfiguracja *config);
    int getCurrentConfigId();
    void slotUsbPortOpened();
    void slotUsbPortClosed();
    void slotSubWindowActivated(QMdiSubWindow *window);
    // "Porównaj": the active tab against a stored configuration, a .cfg file or the unit.
    void slotCompareStored();
    void slotCompareFile();
    void slotCompareUnit();
    // After a sync: an editor whose configuration the archive replaced says so.
    void slotArchiveSynced();

private:
    // Remembers in the editor which revision and bytes it opened.
    void rememberOpened(ConfigEditor *editor, int id);
    // Saves over the record, or beside it as a conflict when a sync replaced it meanwhile.
    bool saveFromEditor(ConfigEditor *editor, QMdiSubWindow *tab, uint id, const QString &name,
                        const QByteArray &bytes);
    void reloadEditor(ConfigEditor *editor);
    void compareWithStored(ConfigEditor *editor);
    void createActions();
    QAction *makeAction(const char *icon, const QString &text, const QString &tip);
    Konfiguracja *parseImage(const QByteArray &data, int source, bool *ok);
    void openEditor(uint id, const QString &name, Konfiguracja *config);
    QMdiSubWindow *findTab(const char *property, const QVariant &value) const;
    ConfigEditor *editorOf(QMdiSubWindow *window) const;
    // The payload of a .cfg file, or false after telling the user why there is none.
    bool readCfgFile(const QString &path, QByteArray *payload);
    // A configuration that holds modules, or null after a warning naming `what`.
    std::unique_ptr<Konfiguracja> usableConfig(const QByteArray &image, int source,
                                               const QString &what);
    // The active editor to compare, or null after asking the user to open one.
    ConfigEditor *editorToCompare();
    void showComparison(const Konfiguracja &other, const QString &otherTitle);
    void updateDeviceActions();
    // The report to print of `id`; with unsaved edits in its editor the user chooses to save
    // first, to print what the editor shows, or (false) to cancel.
    bool reportForPrint(int id, QString *html);

    int currentId = 0;
    QString currentName;
    std::unique_ptr<Ui::ConfigManagement> ui;
    USBManager *usb = nullptr;
    QSqlQueryModel *model = nullptr;
    // The list as shown: the model with withdrawn records marked.
    ArchiveMarkProxy *m_marks = nullptr;

    QAction *readAction = nullptr;
    QAction *sendAction = nullptr;
    QAction *addConfigAction = nullptr;
    QAction *deleteAction = nullptr;
    QAction *renameAction = nullptr;
    QAction *printAction = nullptr;
    QAction *pdfAction = nullptr;
    QAction *importAction = nullptr;
    QAction *exportAction = nullptr;
    QAction *compareAction = nullptr;
    ConfigSender *m_sender = nullptr;

    bool m_portOpen = false;
    RequestTracker *m_readTracker = nullptr;
};
