#include "configmanagement.h"

#include "gui/guilog.h"
#include "ui_configmanagement.h"

#include "archivemarkproxy.h"
#include "configeditor.h"
#include "configreviewdialog.h"
#include "configsender.h"
#include "dialogs.h"
#include "export/filenames.h"
#include "reportprinter.h"
#include "transferprogress.h"
#include "treemodel.h"

#include "config/configdiff.h"
#include "config/modul.h"
#include "config/setting.h"
#include "link/linkreply.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"
#include "archive/archivesettings.h"
#include "archive/localarchive.h"
#include "store/dbmanager.h"
#include "store/wholelist.h"
#include "visits/visitsession.h"

#include <QAction>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlQueryModel>

namespace {

constexpr int MaxFileSize = 2048;

// Generated names carry colons, which no file system on Windows accepts in a file name.
DbManager *store()
{
    return DbManager::instance();
}

} // namespace

ConfigManagement::ConfigManagement(QWidget *parent) : ConfigManagement(nullptr, parent) {}

ConfigManagement::ConfigManagement(USBManager *usb, QWidget *parent)
    : QFrame(parent), ui(new Ui::ConfigManagement), usb(usb)
{
    ui->setupUi(this);
    createActions();
    // One tracker for the window's read, the comparison with the unit and the send's steps:
    // one request at a time, one progress strip, one way of ending.
    m_readTracker = new RequestTracker(usb, this);
    connect(m_readTracker, &RequestTracker::signalBusyChanged, this,
            &ConfigManagement::updateDeviceActions);
    m_sender = new ConfigSender(m_readTracker, this);
    connect(m_sender, &ConfigSender::backupStored, this, [this] { setupModels(); });
    connect(m_sender, &ConfigSender::finished, this, &ConfigManagement::updateDeviceActions);

    model = new QSqlQueryModel(this);
    m_marks = new ArchiveMarkProxy(QStringLiteral("KONFIGURACJA"), this);
    m_marks->setSourceModel(model);
    setupModels();
    ui->listaKonfiguracji->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->listaKonfiguracji->setModel(m_marks);
    ui->listaKonfiguracji->setModelColumn(0);

    connect(ui->listaKonfiguracji, &QListView::clicked, this,
            &ConfigManagement::slotClickListaConfig);
    connect(ui->mdiArea, &QMdiArea::subWindowActivated, this,
            &ConfigManagement::slotSubWindowActivated);
    if (usb) {
        auto *reading = new TransferProgress(m_readTracker, usb, tr("odczyt konfiguracji"), this);
        reading->placeBelow(ui->mdiArea);
        connect(usb, &USBManager::signalUsbPortClosed, this,
                &ConfigManagement::slotUsbPortClosed);
        connect(usb, &USBManager::signalUsbPortOpened, this,
                &ConfigManagement::slotUsbPortOpened, Qt::UniqueConnection);
    }
    m_portOpen = usb && usb->isOpen();
    updateDeviceActions();
}

ConfigManagement::~ConfigManagement()
{
    // Tearing down the tabs activates others; this part of the window is already gone then.
    disconnect(ui->mdiArea, nullptr, this, nullptr);
}

QAction *ConfigManagement::makeAction(const char *icon, const QString &text, const QString &tip)
{
    auto *action = new QAction(QIcon(QString::fromLatin1(icon)), text, this);
    action->setStatusTip(tip);
    action->setToolTip(tip);
    return action;
}

void ConfigManagement::createActions()
{
    readAction = makeAction(":/icons/odczytaj.png", tr("Odczytaj"), tr("Wczytaj z urządzenia"));
    sendAction = makeAction(":/icons/wyslij.png", tr("Wyślij"), tr("Wyślij do urządzenia"));
    addConfigAction = makeAction(":/icons/dodaj.png", tr("Dodaj"),
                                 tr("Dodaj nową konfigrację", "Add new config"));
    deleteAction = makeAction(":/icons/usun.png", tr("Usuń"), tr("Usuń"));
    renameAction = makeAction(":/icons/zmien-nazwe.png", tr("Zmień nazwę"), tr("Zmień nazwę"));
    printAction = makeAction(":/icons/drukuj.png", tr("Drukuj"), tr("Drukuj"));
    pdfAction = makeAction(":/icons/eksportPdf.png", tr("Zapisz do PDF"), tr("Zapisz do pdf"));
    importAction = makeAction(":/icons/importPlik.png", tr("Wczytaj z pliku"),
                              tr("Wczytaj z pliku"));
    exportAction = makeAction(":/icons/eksportPlik.png", tr("Zapisz do pliku"),
                              tr("Zapisz do pliku"));

    compareAction = makeAction(":/icons/porownaj.png", tr("Porównaj"),
                               tr("Porównaj otwartą konfigurację z inną"));
    auto *compareMenu = new QMenu(this);
    connect(compareMenu->addAction(tr("z zapisaną konfiguracją…")), &QAction::triggered, this,
            &ConfigManagement::slotCompareStored);
    connect(compareMenu->addAction(tr("z plikiem .cfg…")), &QAction::triggered, this,
            &ConfigManagement::slotCompareFile);
    QAction *compareUnit = compareMenu->addAction(tr("z konfiguracją urządzenia"));
    compareUnit->setObjectName(QStringLiteral("compareUnitAction"));
    connect(compareUnit, &QAction::triggered, this, &ConfigManagement::slotCompareUnit);
    compareAction->setMenu(compareMenu);

    connect(readAction, &QAction::triggered, this, &ConfigManagement::slotReadUsb);
    connect(sendAction, &QAction::triggered, this, &ConfigManagement::slotSend);
    connect(addConfigAction, &QAction::triggered, this, &ConfigManagement::slotAdd);
    connect(deleteAction, &QAction::triggered, this, &ConfigManagement::slotDelete);
    connect(renameAction, &QAction::triggered, this, &ConfigManagement::slotRename);
    connect(printAction, &QAction::triggered, this, &ConfigManagement::slotPrint);
    connect(pdfAction, &QAction::triggered, this, &ConfigManagement::slotExportPdf);
    connect(importAction, &QAction::triggered, this, &ConfigManagement::slotImportFile);
    connect(exportAction, &QAction::triggered, this, &ConfigManagement::slotExportFile);

    ui->readButton->setDefaultAction(readAction);
    ui->sendButton->setDefaultAction(sendAction);
    ui->addButton->setDefaultAction(addConfigAction);
    ui->deleteButton->setDefaultAction(deleteAction);
    ui->renameButton->setDefaultAction(renameAction);
    ui->printButton_2->setDefaultAction(printAction);
    ui->pdfButton->setDefaultAction(pdfAction);
    ui->importButton->setDefaultAction(importAction);
    ui->exportButton->setDefaultAction(exportAction);
    ui->compareButton->setDefaultAction(compareAction);
}

QString ConfigManagement::generatedName()
{
    return QStringLiteral("C_")
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyy_MM_dd_HH:mm:ss"));
}

void ConfigManagement::setupModels()
{
    loadWholeList(model, QStringLiteral("SELECT nazwa,id from KONFIGURACJA"),
                  store()->database());
    if (m_marks)
        m_marks->reload(store()->database());
    // Keep the list pointing at the configuration the window works on.
    if (currentId == 0 || !ui->listaKonfiguracji->selectionModel())
        return;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 1).data().toInt() == currentId) {
            ui->listaKonfiguracji->selectionModel()->select(m_marks->index(row, 0),
                                                            QItemSelectionModel::ClearAndSelect);
            ui->listaKonfiguracji->setCurrentIndex(m_marks->index(row, 0));
            break;
        }
    }
}

int ConfigManagement::getCurrentConfigId()
{
    const QModelIndexList selected = ui->listaKonfiguracji->selectionModel()
            ? ui->listaKonfiguracji->selectionModel()->selectedIndexes()
            : QModelIndexList();
    if (!selected.isEmpty())
        currentId = model->index(selected.first().row(), 1).data().toInt();
    return currentId;
}

Konfiguracja *ConfigManagement::parseImage(const QByteArray &bytes, int source, bool *ok)
{
    auto *config = new Konfiguracja(static_cast<QObject *>(nullptr));
    *ok = config->parse(bytes, Konfiguracja::ConfigSource(source));
    if (!*ok) {
        Dialogs::instance()->warning(this, tr("Konfigurator Ostrel"),
                                     tr("Błąd przy odczycie konfiguracji", "Configuration error"));
    }
    return config;
}

Konfiguracja *ConfigManagement::parseConfig(QByteArray bytes, int source)
{
    bool ok = false;
    return parseImage(bytes, source, &ok);
}

QMdiSubWindow *ConfigManagement::findTab(const char *property, const QVariant &value) const
{
    const QList<QMdiSubWindow *> windows = ui->mdiArea->subWindowList();
    for (QMdiSubWindow *window : windows) {
        if (window->property(property) == value)
            return window;
    }
    return nullptr;
}

ConfigEditor *ConfigManagement::editorOf(QMdiSubWindow *window) const
{
    return window ? qobject_cast<ConfigEditor *>(window->widget()) : nullptr;
}

void ConfigManagement::openEditor(uint id, const QString &name, Konfiguracja *config)
{
    auto *editor = new ConfigEditor;
    connect(editor, &ConfigEditor::signalSaveConfig, this, &ConfigManagement::slotSaveConfig);
    connect(editor, &ConfigEditor::signalReloadRequested, this,
            [this, editor] { reloadEditor(editor); });
    connect(editor, &ConfigEditor::signalCompareStoredRequested, this,
            [this, editor] { compareWithStored(editor); });
    editor->setModel(new TreeModel(config, editor));
    editor->setProperty("ID", id);
    editor->setProperty("NAME", name);
    if (id)
        rememberOpened(editor, int(id));
    QMdiSubWindow *window = ui->mdiArea->addSubWindow(editor);
    window->setOption(QMdiSubWindow::RubberBandMove);
    window->setProperty("ID", id);
    window->setProperty("NAME", name);
    window->setWindowTitle(VisitSession::shownRecordName(name));
    window->showMaximized();
    ui->mdiArea->setActiveSubWindow(window);
}

void ConfigManagement::showConfig(uint id, QString nazwa, Konfiguracja::ConfigSource source)
{
    currentId = int(id);
    const QByteArray image = store()->readConfig(int(id));
    const QString storedName = store()->readConfigName(int(id));
    if (image.isNull() && storedName.isEmpty()) {
        qCDebug(lcGui) << "No stored configuration" << id << nazwa;
        return;
    }
    nazwa = storedName;
    if (QMdiSubWindow *window = findTab("ID", id)) {
        ui->mdiArea->setActiveSubWindow(window);
        setupModels();
        return;
    }
    openEditor(id, nazwa, parseConfig(image, source));
}

void ConfigManagement::showConfig(Konfiguracja *config)
{
    if (!config)
        return;
    if (QMdiSubWindow *window = findTab("NAME", config->getName())) {
        ui->mdiArea->setActiveSubWindow(window);
        delete config;
        return;
    }
    const int id = store()->findConfigId(config->getName());
    currentId = id;
    openEditor(uint(id), config->getName(), config);
}

void ConfigManagement::slotClickListaConfig(QModelIndex index)
{
    if (!index.isValid())
        return;
    const uint id = model->index(index.row(), 1).data().toUInt();
    showConfig(id, index.data().toString(), Konfiguracja::FromDatabase);
}

void ConfigManagement::slotSubWindowActivated(QMdiSubWindow *window)
{
    if (window) {
        currentId = window->property("ID").toInt();
        currentName = window->property("NAME").toString();
    }
    setupModels();
}

bool ConfigManagement::isBusy() const
{
    return m_readTracker->isBusy() || m_sender->isBusy();
}

void ConfigManagement::updateDeviceActions()
{
    const bool enabled = m_portOpen && !isBusy();
    readAction->setEnabled(enabled);
    sendAction->setEnabled(enabled);
}

void ConfigManagement::slotReadUsb()
{
    // Read, send and comparison share the expected answer: a second request would redirect the
    // first, and an image the sender reads is not one to store.
    if (isBusy() || !usb)
        return;
    LinkReply *reply = m_readTracker->start(Device::ReadConfig, QByteArray(), Device::ConfigData);
    if (!reply) {
        usb->writeMessage(tr("Poprzednie polecenie dla urządzenia jeszcze trwa."), 5000);
        return;
    }
    connect(reply, &LinkReply::finished, this, [this](const QByteArray &image) {
        emit signalUnitConfigRead(image);
        slotReceivedPacket(Device::ConfigData, image);
    });
}

void ConfigManagement::slotReceivedPacket(Device::COMMAND cmd, QByteArray ba)
{
    if (cmd == Device::ConfigData) {
        currentName.clear();
        bool ok = false;
        QString name = Dialogs::instance()->getText(this, tr("Nazwa Konfiguracji"),
                                                    tr("Wprowadź nazwę:"), QString(), &ok);
        ui->listaKonfiguracji->setUpdatesEnabled(false);
        if (ok) {
            if (name.isEmpty())
                name = generatedName();
            const int id = store()->writeConfig(name, ba);
            if (id == 0) {
                Dialogs::instance()->warning(
                        this, tr("Konfigurator Ostrel"),
                        tr("Nie udało się zapisać konfiguracji %1 w bazie danych.").arg(name));
            } else {
                setupModels();
                showConfig(uint(id), name, Konfiguracja::FromDevice);
            }
        }
        ui->listaKonfiguracji->setUpdatesEnabled(true);
        setupModels();
    } else if (cmd == Device::Acknowledge) {
        Dialogs::instance()->information(this, tr("Info"), tr("Dane wysłane poprawnie."));
    }
}

void ConfigManagement::slotSend()
{
    QMdiSubWindow *window = ui->mdiArea->activeSubWindow();
    if (!window)
        return;
    currentId = window->property("ID").toInt();
    currentName = window->property("NAME").toString();
    if (currentId == 0)
        return;
    // What goes to the unit is the stored image: offer to store pending edits first, so the
    // unit never gets something other than what the technician sees without being told.
    ConfigEditor *editor = editorOf(window);
    if (editor
        && !editor->askToSave(ConfigEditor::tr("Konfiguracja %1 została zmieniona. Czy zapisać "
                                               "zmiany?")
                                      .arg(currentName)))
        return;
    m_sender->setUnsavedEditsLeftOut(editor && editor->hasUnsavedChanges());
    const auto answer = Dialogs::instance()->question(
            this, tr("Konfigurator Ostrel"),
            tr("Czy wysłać konfigurację %1 do urządzenia?").arg(currentName),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        slotSendUsb();
        currentId = 0;
    }
}

// The send reads the unit first, backs it up, shows the review and verifies afterwards; the
// answers on the way belong to the sender, so this window expects none of its own.
void ConfigManagement::slotSendUsb()
{
    if (isBusy())
        return;
    m_sender->start(currentId, store()->readConfigName(currentId));
    updateDeviceActions();
}

void ConfigManagement::slotSaveConfig(uint id, QString name, QByteArray bytes)
{
    if (name.isEmpty())
        name = store()->readConfigName(int(id));
    // A record deleted behind the editor has no stored name; the warning names the tab.
    QMdiSubWindow *tab = findTab("ID", id);
    if (name.isEmpty() && tab)
        name = tab->property("NAME").toString();
    if (saveFromEditor(editorOf(tab), tab, id, name, bytes)) {
        // Saved, over the record or beside it.
    } else if (store()->updateConfig(id, name, bytes) == 0) {
        if (ConfigEditor *editor = editorOf(tab))
            rememberOpened(editor, int(id));
        Dialogs::instance()->information(this, tr("Konfiguracja"),
                                         tr("Konfiguracja została zapisana."));
    } else {
        Dialogs::instance()->warning(this, tr("Konfiguracja"),
                                     tr("Nie udało się zapisać konfiguracji %1.").arg(name));
        // The edits are still only in the editor: keep them marked as unsaved.
        if (ConfigEditor *editor = editorOf(tab))
            editor->setUnsavedChanges(true);
    }
    setupModels();
}

void ConfigManagement::rememberOpened(ConfigEditor *editor, int id)
{
    const LocalArchive::Opened opened =
            LocalArchive(store()->database()).opened(id, store()->readConfig(id));
    editor->setProperty("OPENED_REVISION", opened.revision);
    editor->setProperty("OPENED_HASH", opened.hash);
    editor->hideStale();
}

bool ConfigManagement::saveFromEditor(ConfigEditor *editor, QMdiSubWindow *tab, uint id,
                                      const QString &name, const QByteArray &bytes)
{
    if (!editor || !tab || editor->property("OPENED_HASH").toString().isEmpty())
        return false;
    LocalArchive archive(store()->database());
    const LocalArchive::Opened opened = {editor->property("OPENED_REVISION").toString(),
                                         editor->property("OPENED_HASH").toString()};
    if (archive.stillHolds(int(id), opened))
        return false;
    // A sync replaced the record since the editor opened it: writing over it would silently
    // undo the colleague's change, so the edit becomes a revision of its own beside it.
    const ArchiveSettings settings = ArchiveSettings::load(store());
    const QString author = !settings.technician.isEmpty() ? settings.technician
            : !settings.user.isEmpty()                    ? settings.user
                                                          : tr("ta stacja");
    const int conflictId = archive.saveConflict(opened, name, author, bytes);
    if (!conflictId) {
        Dialogs::instance()->warning(this, tr("Konfiguracja"),
                                     tr("Nie udało się zapisać konfiguracji %1.").arg(name));
        editor->setUnsavedChanges(true);
        return true;
    }
    const QString conflictName = store()->readConfigName(conflictId);
    for (QObject *holder : {static_cast<QObject *>(editor), static_cast<QObject *>(tab)}) {
        holder->setProperty("ID", conflictId);
        holder->setProperty("NAME", conflictName);
    }
    tab->setWindowTitle(VisitSession::shownRecordName(conflictName));
    currentId = conflictId;
    rememberOpened(editor, conflictId);
    Dialogs::instance()->information(
            this, tr("Konfiguracja"),
            tr("Konfiguracja %1 została w międzyczasie zmieniona przez synchronizację z "
               "archiwum, więc zmian nie zapisano na niej: zapisano je obok jako %2, konflikt do "
               "rozstrzygnięcia (Porównaj).")
                    .arg(name, conflictName));
    return true;
}

void ConfigManagement::slotArchiveSynced()
{
    const LocalArchive archive(store()->database());
    for (QMdiSubWindow *window : ui->mdiArea->subWindowList()) {
        ConfigEditor *editor = editorOf(window);
        if (!editor || editor->property("OPENED_HASH").toString().isEmpty())
            continue;
        const LocalArchive::Opened opened = {editor->property("OPENED_REVISION").toString(),
                                             editor->property("OPENED_HASH").toString()};
        if (!archive.stillHolds(editor->property("ID").toInt(), opened))
            editor->showStale(tr("Synchronizacja z archiwum przyniosła nowszą wersję "
                                 "konfiguracji %1. Edytor pokazuje wersję otwartą wcześniej; "
                                 "jej zapis trafi obok jako konflikt.")
                                      .arg(editor->property("NAME").toString()));
    }
    setupModels();
}

void ConfigManagement::reloadEditor(ConfigEditor *editor)
{
    const uint id = editor->property("ID").toUInt();
    const QString name = editor->property("NAME").toString();
    QMdiSubWindow *tab = findTab("ID", id);
    if (!tab || !editor->askToSave(tr("Konfiguracja %1 ma niezapisane zmiany. Zapisać je obok "
                                      "jako konflikt przed wczytaniem nowszej wersji?")
                                           .arg(name)))
        return;
    // Saving made the editor a conflict revision of its own; the record is reopened anyway.
    editor->setUnsavedChanges(false);
    tab->close();
    showConfig(id, name, Konfiguracja::FromDatabase);
}

void ConfigManagement::compareWithStored(ConfigEditor *editor)
{
    QMdiSubWindow *tab = findTab("ID", editor->property("ID"));
    if (!tab)
        return;
    ui->mdiArea->setActiveSubWindow(tab);
    const QString name = editor->property("NAME").toString();
    if (std::unique_ptr<Konfiguracja> stored =
                usableConfig(store()->readConfig(editor->property("ID").toInt()),
                             Konfiguracja::FromDatabase, name))
        showComparison(*stored, tr("%1 (wersja z archiwum)").arg(name));
}

void ConfigManagement::slotAdd()
{
    bool ok = false;
    QString name = Dialogs::instance()->getText(this, tr("Stwórz nową konfigurację"),
                                                tr("Wprowadź nową nazwę:"), currentName, &ok);
    if (!ok)
        return;
    if (name.isEmpty())
        name = generatedName();
    createConfig(name);
}

void ConfigManagement::createConfig(QString name)
{
    if (name.isEmpty())
        return;
    const int existing = store()->findConfigId(name);
    if (existing != 0) {
        showConfig(uint(existing), name, Konfiguracja::FromDatabase);
        setupModels();
        return;
    }
    auto *config = new Konfiguracja(name, nullptr);
    if (store()->writeConfig(name, config->toByteArray(Konfiguracja::FromDatabase)) == 0) {
        delete config;
        Dialogs::instance()->warning(
                this, tr("Konfigurator Ostrel"),
                tr("Nie udało się zapisać konfiguracji %1 w bazie danych.").arg(name));
        return;
    }
    showConfig(config);
    setupModels();
}

bool ConfigManagement::slotRename()
{
    const QModelIndexList selected = ui->listaKonfiguracji->selectionModel()->selectedIndexes();
    if (selected.size() > 1) {
        Dialogs::instance()->warning(this, tr("Błąd"),
                                     tr("Zaznaczono więcej niż jedną konfigurację.Zaznacz jedną "
                                        "konfigurację, aby zmienić nazwę."));
        return false;
    }
    if (selected.isEmpty() && currentId == 0)
        return true;

    bool ok = false;
    QString name = Dialogs::instance()->getText(this, tr("Zmiana nazwy."),
                                                tr("Wprowadź nową nazwę:"), currentName, &ok);
    if (!ok)
        return true;
    ui->listaKonfiguracji->setUpdatesEnabled(false);
    if (selected.size() == 1)
        currentId = model->index(selected.first().row(), 1).data().toInt();
    if (name.isEmpty())
        name = generatedName();
    store()->renameConfig(uint(currentId), name);
    currentName = name;
    // An open tab of that configuration follows the new name.
    if (QMdiSubWindow *window = findTab("ID", uint(currentId))) {
        window->setProperty("NAME", name);
        window->setWindowTitle(name);
        if (ConfigEditor *editor = editorOf(window))
            editor->setProperty("NAME", name);
    }
    ui->listaKonfiguracji->setUpdatesEnabled(true);
    Dialogs::instance()->information(this, tr("Konfiguracja"),
                                     tr("Zmieniono nazwe konfiguracji %1").arg(name));
    setupModels();
    return true;
}

void ConfigManagement::slotDelete()
{
    ui->listaKonfiguracji->setUpdatesEnabled(false);
    QMdiSubWindow *window = ui->mdiArea->activeSubWindow();
    if (!window) {
        ui->listaKonfiguracji->setUpdatesEnabled(true);
        return;
    }
    currentId = window->property("ID").toInt();
    currentName = window->property("NAME").toString();
    if (currentId != 0) {
        const QString storedName = store()->readConfigName(currentId);
        if (Dialogs::confirmDeletion(this, tr("Konfigurator Ostrel"),
                                     tr("Czy usunąć konfigurację %1")
                                             .arg(VisitSession::shownRecordName(storedName)))) {
            store()->deleteConfig(uint(currentId));
            // The record is gone: closing its tab must not offer to store the edits.
            if (ConfigEditor *editor = editorOf(window))
                editor->setUnsavedChanges(false);
            currentId = 0;
            currentName.clear();
            window->close();
            Dialogs::instance()->information(this, tr("Usunięcie konfiguracji"),
                                             tr("Usunięcie konfiguracji o nazwie: %1")
                                                     .arg(storedName));
        }
    }
    ui->listaKonfiguracji->setUpdatesEnabled(true);
    setupModels();
}

void ConfigManagement::slotExportFile()
{
    const QModelIndexList selected = ui->listaKonfiguracji->selectionModel()->selectedIndexes();
    if (selected.size() > 1) {
        Dialogs::instance()->warning(this, tr("Konfigurator Ostrel"),
                                     tr("Zaznaczono więcej niż 1 konfigurację na liście.\n "
                                        "Zaznacz jedną konfigurację, aby ją wyeksportować."));
        return;
    }
    const int id = getCurrentConfigId();
    const QString name = store()->readConfigName(id);
    const QByteArray image = store()->readConfig(id);
    if (id == 0 || image.isNull())
        return;
    QString path = Dialogs::saveFileName(
            this, tr("Eksport config"), proposedFileName(name) + QStringLiteral(".cfg"),
            QStringLiteral("*.cfg"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".cfg");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QByteArray frame;
    Device::buildFrame(Device::ConfigData, image, frame);
    const bool written = file.write(frame) == frame.size() && file.flush();
    file.close();
    if (!written) {
        Dialogs::instance()->warning(this, tr("Konfigurator Ostrel"),
                                     tr("Nie udało się zapisać pliku %1.").arg(path));
        return;
    }
    // One sentence in the interface's language, not English glued to a path without a blank.
    Dialogs::instance()->information(this, tr("Info"),
                                     tr("Konfigurację %1 zapisano w pliku %2.")
                                             .arg(name, QDir::toNativeSeparators(path)));
}

void ConfigManagement::slotImportFile()
{
    const QString path = Dialogs::openFileName(this, tr("Import conf"), QStringLiteral("*.cfg"));
    if (path.isEmpty())
        return;
    QByteArray payload;
    if (!readCfgFile(path, &payload))
        return;
    // A valid frame may still carry no configuration: storing it would make an empty one that
    // a send then writes to the unit.
    std::unique_ptr<Konfiguracja> config = usableConfig(payload, Konfiguracja::FromDatabase, path);
    if (!config)
        return;
    // Named after the file, not its whole path, and the technician may name it otherwise.
    const QString proposed = QFileInfo(path).completeBaseName();
    bool ok = false;
    const QString typed = Dialogs::instance()->getText(this, tr("Nazwa Konfiguracji"),
                                                       tr("Wprowadź nazwę:"), proposed, &ok);
    if (!ok)
        return;
    const QString name =
            store()->freeConfigName(typed.trimmed().isEmpty() ? proposed : typed.trimmed());
    if (store()->writeConfig(name, config->toByteArray(Konfiguracja::FromDatabase)) == 0) {
        Dialogs::instance()->warning(
                this, tr("Konfigurator Ostrel"),
                tr("Nie udało się zapisać konfiguracji %1 w bazie danych.").arg(name));
    }
    setupModels();
}

bool ConfigManagement::readCfgFile(const QString &path, QByteArray *payload)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(MaxFileSize);
    file.close();

    // decodeFrame keeps no state of the link, so a private instance serves without a port.
    USBManager decoder;
    Device::COMMAND command = Device::ReadConfig;
    const int result = decoder.decodeFrame(command, bytes, *payload);
    if (result != 0)
        qCDebug(lcGui) << "Last error " << result;
    // A damaged file would otherwise be stored as an empty configuration under its path.
    if (result != 0 || command != Device::ConfigData) {
        Dialogs::instance()->warning(
                this, tr("Konfigurator Ostrel"),
                tr("Plik %1 nie zawiera poprawnej konfiguracji.").arg(path));
        return false;
    }
    return true;
}

std::unique_ptr<Konfiguracja> ConfigManagement::usableConfig(const QByteArray &image,
                                                             int source, const QString &what)
{
    auto config = std::make_unique<Konfiguracja>(static_cast<QObject *>(nullptr));
    const bool ok = config->parse(image, Konfiguracja::ConfigSource(source));
    if (ok && !config->getModules().isEmpty())
        return config;
    Dialogs::instance()->warning(
            this, tr("Konfigurator Ostrel"),
            ok ? tr("Konfiguracja %1 nie zawiera żadnego modułu.").arg(what)
               : tr("Konfiguracji %1 nie da się odczytać: jej dane są uszkodzone.").arg(what));
    return nullptr;
}

ConfigEditor *ConfigManagement::editorToCompare()
{
    ConfigEditor *editor = editorOf(ui->mdiArea->activeSubWindow());
    if (!editor || !editor->model() || !editor->model()->konfiguracja()) {
        Dialogs::instance()->information(this, tr("Porównaj"),
                                         tr("Otwórz konfigurację, którą chcesz porównać."));
        return nullptr;
    }
    return editor;
}

void ConfigManagement::slotCompareStored()
{
    ConfigEditor *editor = editorToCompare();
    if (!editor)
        return;
    const int activeId = editor->property("ID").toInt();
    QStringList names;
    QList<int> ids;
    QSqlQuery query(QStringLiteral("SELECT nazwa,id from KONFIGURACJA"), store()->database());
    while (query.next()) {
        if (query.value(1).toInt() == activeId)
            continue;
        names << query.value(0).toString();
        ids << query.value(1).toInt();
    }
    if (names.isEmpty()) {
        Dialogs::instance()->information(this, tr("Porównaj"),
                                         tr("Nie ma innej zapisanej konfiguracji."));
        return;
    }
    QInputDialog chooser(this);
    chooser.setWindowTitle(tr("Porównaj"));
    chooser.setLabelText(tr("Porównaj %1 z konfiguracją:").arg(editor->property("NAME")
                                                                   .toString()));
    chooser.setComboBoxItems(names);
    chooser.setComboBoxEditable(false);
    if (Dialogs::instance()->exec(&chooser) != QDialog::Accepted)
        return;
    const int index = names.indexOf(chooser.textValue());
    if (index < 0)
        return;
    if (std::unique_ptr<Konfiguracja> other = usableConfig(
                store()->readConfig(ids.at(index)), Konfiguracja::FromDatabase, names.at(index)))
        showComparison(*other, names.at(index));
}

void ConfigManagement::slotCompareFile()
{
    if (!editorToCompare())
        return;
    const QString path = Dialogs::openFileName(this, tr("Porównaj z plikiem"),
                                                       QStringLiteral("*.cfg"));
    QByteArray payload;
    if (path.isEmpty() || !readCfgFile(path, &payload))
        return;
    if (std::unique_ptr<Konfiguracja> other =
                usableConfig(payload, Konfiguracja::FromDatabase, path))
        showComparison(*other, QFileInfo(path).fileName());
}

void ConfigManagement::slotCompareUnit()
{
    if (!editorToCompare() || isBusy())
        return;
    m_readTracker->describeNext(tr("odczyt konfiguracji do porównania"));
    LinkReply *reply = usb && usb->isOpen()
            ? m_readTracker->start(Device::ReadConfig, QByteArray(), Device::ConfigData)
            : nullptr;
    if (!reply) {
        Dialogs::instance()->warning(this, tr("Konfigurator Ostrel"),
                                     tr("Brak połączenia z urządzeniem."));
        return;
    }
    // The answer is the comparison's, not an image to store under a new name.
    connect(reply, &LinkReply::finished, this, [this](const QByteArray &image) {
        emit signalUnitConfigRead(image);
        if (std::unique_ptr<Konfiguracja> unit =
                    usableConfig(image, Konfiguracja::FromDevice, tr("urządzenia")))
            showComparison(*unit, tr("Urządzenie"));
    });
}

void ConfigManagement::showComparison(const Konfiguracja &other, const QString &otherTitle)
{
    ConfigEditor *editor = editorOf(ui->mdiArea->activeSubWindow());
    if (!editor || !editor->model() || !editor->model()->konfiguracja())
        return;
    Konfiguracja *shown = editor->model()->konfiguracja();
    const ConfigComparison comparison = compareConfigurations(*shown, other);

    // The editor marks every setting the other side holds differently, or does not hold.
    editor->clearConflictMarks();
    for (const ConfigDifference &row : comparison.rows) {
        Modul *module = shown->getModule(row.leftModule);
        if (!module || !row.isDifference())
            continue;
        if (row.kind == ConfigDifference::Changed) {
            if (Setting *setting = module->getSetting(row.setting))
                setting->setConflict(true);
        } else if (row.kind == ConfigDifference::OnlyLeft) {
            for (Setting *setting : module->getSettings())
                setting->setConflict(true);
        }
    }
    editor->refreshMarks();

    QPointer<ConfigEditor> marked(editor);
    ConfigReviewDialog review(comparison, editor->property("NAME").toString(), otherTitle,
                              ConfigReviewDialog::Compare, this);
    Dialogs::instance()->exec(&review);
    // The marks belong to this comparison; left behind they would pass for a later one.
    if (marked)
        marked->clearConflictMarks();
}

QString ConfigManagement::reportHtml(int id)
{
    std::unique_ptr<Konfiguracja> config(
            parseConfig(store()->readConfig(id), Konfiguracja::FromDatabase));
    config->setName(VisitSession::shownRecordName(store()->readConfigName(id)));
    return config->toHtml();
}

void ConfigManagement::printPreview(QPrinter *printer)
{
    ReportPrinter::print(reportHtml(getCurrentConfigId()), printer);
}

bool ConfigManagement::reportForPrint(int id, QString *html)
{
    ConfigEditor *editor = editorOf(findTab("ID", uint(id)));
    if (editor && editor->hasUnsavedChanges() && editor->model()
        && editor->model()->konfiguracja()) {
        const QString name = editor->property("NAME").toString();
        const auto answer = Dialogs::instance()->question(
                this, ConfigEditor::tr("Konfiguracja"),
                tr("Konfiguracja %1 ma niezapisane zmiany.\n\n„Tak” zapisuje je i drukuje "
                   "zapisaną konfigurację, „Nie” drukuje to, co widać w edytorze, bez "
                   "zapisywania.")
                        .arg(name),
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        if (answer == QMessageBox::Cancel)
            return false;
        if (answer == QMessageBox::No) {
            // A copy, so that the editor's own image is not touched by the report.
            Konfiguracja shown(static_cast<QObject *>(nullptr));
            shown.parse(editor->model()->konfiguracja()->toByteArray(Konfiguracja::FromDatabase),
                        Konfiguracja::FromDatabase);
            shown.setName(name);
            *html = shown.toHtml();
            return true;
        }
        editor->on_save_clicked();
        if (editor->hasUnsavedChanges())
            return false;
    }
    *html = reportHtml(id);
    return true;
}

void ConfigManagement::slotPrint()
{
    const int id = getCurrentConfigId();
    QString html;
    if (id == 0 || !reportForPrint(id, &html))
        return;
    ReportPrinter::printPreview(this, html);
}

void ConfigManagement::slotExportPdf()
{
    const int id = getCurrentConfigId();
    QString html;
    if (id == 0 || !reportForPrint(id, &html))
        return;
    QString path = Dialogs::saveFileName(
            this, tr("Eksport PDF"),
            proposedFileName(VisitSession::shownRecordName(store()->readConfigName(id)))
                    + QStringLiteral(".pdf"),
            QStringLiteral("*.pdf"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    if (!ReportPrinter::writePdf(html, path, this))
        ReportPrinter::showFailure(this, path);
}

bool ConfigManagement::closeEditors()
{
    // The questions first and the closing after, so that a Cancel in any one of them keeps every
    // tab as it was: closing them all at once would go on to the next question and close the
    // unedited tabs.
    const QList<QMdiSubWindow *> windows = ui->mdiArea->subWindowList();
    for (QMdiSubWindow *window : windows) {
        ConfigEditor *editor = editorOf(window);
        if (editor && editor->hasUnsavedChanges() && !window->close())
            return false;
    }
    ui->mdiArea->closeAllSubWindows();
    return ui->mdiArea->subWindowList().isEmpty();
}

void ConfigManagement::slotUsbPortOpened()
{
    m_portOpen = true;
    updateDeviceActions();
}

void ConfigManagement::slotUsbPortClosed()
{
    m_portOpen = false;
    updateDeviceActions();
}
