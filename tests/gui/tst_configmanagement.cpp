#include "fakedialogs.h"
#include "simprocess.h"

#include "gui/configeditor.h"
#include "gui/configmanagement.h"
#include "gui/configsortfilterproxymodel.h"
#include "gui/treemodel.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"
#include "link/usbmanager.h"
#include "store/dbmanager.h"

#include <QAbstractItemModel>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

QWidget *const noParent = nullptr;

DbManager *store()
{
    return DbManager::instance();
}

int storedCount()
{
    QSqlQuery query(store()->database());
    query.exec(QStringLiteral("SELECT count(*) FROM KONFIGURACJA"));
    return query.next() ? query.value(0).toInt() : -1;
}

QList<QMdiSubWindow *> tabs(ConfigManagement &window)
{
    return window.findChild<QMdiArea *>(QStringLiteral("mdiArea"))->subWindowList();
}

QMdiSubWindow *activeTab(ConfigManagement &window)
{
    return window.findChild<QMdiArea *>(QStringLiteral("mdiArea"))->activeSubWindow();
}

ConfigEditor *activeEditor(ConfigManagement &window)
{
    QMdiSubWindow *tab = activeTab(window);
    return tab ? qobject_cast<ConfigEditor *>(tab->widget()) : nullptr;
}

QListView *list(ConfigManagement &window)
{
    return window.findChild<QListView *>(QStringLiteral("listaKonfiguracji"));
}

QModelIndex listRow(ConfigManagement &window, const QString &name)
{
    const QAbstractItemModel *model = list(window)->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toString() == name)
            return model->index(row, 0);
    }
    return QModelIndex();
}

void clickRow(ConfigManagement &window, const QString &name)
{
    const QModelIndex index = listRow(window, name);
    QVERIFY2(index.isValid(), qPrintable(name));
    QListView *view = list(window);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void press(ConfigManagement &window, const char *button)
{
    auto *tool = window.findChild<QToolButton *>(QString::fromLatin1(button));
    QVERIFY2(tool && tool->isEnabled(), button);
    tool->click();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray frameOf(Device::COMMAND command, const QByteArray &payload)
{
    QByteArray frame;
    Device::buildFrame(command, payload, frame);
    return frame;
}

QByteArray defaultImage(const QString &name)
{
    Konfiguracja config(name, nullptr);
    return config.toByteArray(Konfiguracja::FromDatabase);
}

// Changes the first editable four-byte number setting the way the value delegate does: setData
// with the edit role on its value cell. Fresh default modules are undeclared and not shown, so
// this goes to the tree model behind the filter.
void changeAValue(ConfigEditor *editor, quint32 value, Setting **changed = nullptr)
{
    TreeModel *model = editor->model();
    for (int module = 0; module < model->rowCount(); ++module) {
        const QModelIndex parent = model->index(module, 0);
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex cell = model->index(row, 1, parent);
            Setting *setting = model->settingForIndex(cell);
            if (setting && setting->isEditable() && setting->getKind() == Setting::Number
                && setting->getSize() == 4 && setting->getMaximum() >= value) {
                QVERIFY(model->setData(cell, value, Qt::EditRole));
                if (changed)
                    *changed = setting;
                return;
            }
        }
    }
    QFAIL("no four-byte number setting");
}

const QRegularExpression generatedName(
        QStringLiteral("^C_\\d{4}_\\d\\d_\\d\\d_\\d\\d:\\d\\d:\\d\\d$"));

} // namespace

class TestConfigManagement : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void deviceActionsFollowThePort();
    void addCreatesDefaultAndReusesExistingName();
    void twoClicksGiveOneTab();
    void renameReportsIdAndRetitlesTab();
    void deleteWithoutTabDoesNothing();
    void deleteActiveTab();
    void saveStoresAndReports();
    void failedSaveWarnsAndKeepsChanges();
    void sendOffersToSavePendingEdits();
    void cfgExportAndImportRoundTrip();
    void corruptedCfgRefused_data();
    void corruptedCfgRefused();
    void pdfExport();
    void printGoesThroughPreview();
    void hostInterfaceOperations();
    void closingTheWindowOffersToSaveEveryEditor();

    void readFromUnitWithEmptyName();
    void readFromUnitCancelled();
    void sendWritesUnitFormAndReadsBack();

private:
    bool startSimulator(const QStringList &arguments);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<SimProcess> m_sim;
    QString m_simDevice;
};

void TestConfigManagement::initTestCase()
{
    qRegisterMetaType<Device::COMMAND>("Device::COMMAND");
    buildOptionLists();
    initFaultTextTables();
}

void TestConfigManagement::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(store()->openDatabase(m_dir->path()));
    store()->initTables();
    m_dialogs = std::make_unique<FakeDialogs>();
}

void TestConfigManagement::cleanup()
{
    m_dialogs.reset();
    m_sim.reset();
    store()->close();
    m_dir.reset();
}

void TestConfigManagement::deviceActionsFollowThePort()
{
    USBManager link;
    ConfigManagement window(&link, nullptr);
    auto *read = window.findChild<QToolButton *>(QStringLiteral("readButton"));
    auto *send = window.findChild<QToolButton *>(QStringLiteral("sendButton"));
    QVERIFY(!read->isEnabled());
    QVERIFY(!send->isEnabled());
    for (const char *name : {"addButton", "deleteButton", "renameButton", "printButton_2",
                             "pdfButton", "importButton", "exportButton"})
        QVERIFY2(window.findChild<QToolButton *>(QString::fromLatin1(name))->isEnabled(), name);
    emit link.signalUsbPortOpened();
    QVERIFY(read->isEnabled());
    QVERIFY(send->isEnabled());
    emit link.signalUsbPortClosed();
    QVERIFY(!read->isEnabled());
    QVERIFY(!send->isEnabled());

    ConfigManagement standalone(noParent);
    QVERIFY(!standalone.findChild<QToolButton *>(QStringLiteral("readButton"))->isEnabled());
}

void TestConfigManagement::addCreatesDefaultAndReusesExistingName()
{
    ConfigManagement window(noParent);
    window.show();
    m_dialogs->texts << QStringLiteral("Hala A");
    press(window, "addButton");
    QCOMPARE(storedCount(), 1);
    const int id = store()->findConfigId(QStringLiteral("Hala A"));
    QVERIFY(id != 0);
    QCOMPARE(store()->readConfig(id), defaultImage(QStringLiteral("Hala A")));
    QCOMPARE(tabs(window).size(), 1);
    QMdiSubWindow *tab = activeTab(window);
    QCOMPARE(tab->windowTitle(), QStringLiteral("Hala A"));
    QCOMPARE(tab->property("ID").toInt(), id);
    QCOMPARE(tab->property("NAME").toString(), QStringLiteral("Hala A"));
    QCOMPARE(tab->widget()->property("ID").toInt(), id);
    QVERIFY(tab->isMaximized());
    QVERIFY(listRow(window, QStringLiteral("Hala A")).isValid());
    QCOMPARE(m_dialogs->lines(QStringLiteral("getText")),
             QStringList{QStringLiteral("getText|Stwórz nową konfigurację|Wprowadź nową nazwę:|")});

    // The prompt proposes the current name; giving an existing one opens it, stores nothing.
    m_dialogs->texts << QStringLiteral("Hala A");
    press(window, "addButton");
    QCOMPARE(m_dialogs->lines(QStringLiteral("getText")).last(),
             QStringLiteral("getText|Stwórz nową konfigurację|Wprowadź nową nazwę:|Hala A"));
    QCOMPARE(storedCount(), 1);
    QCOMPARE(tabs(window).size(), 1);

    // Cancel does nothing; an empty name gets a generated one.
    m_dialogs->texts << QString();
    press(window, "addButton");
    QCOMPARE(storedCount(), 1);
    m_dialogs->texts << QStringLiteral("");
    press(window, "addButton");
    QCOMPARE(storedCount(), 2);
    QVERIFY2(generatedName.match(activeTab(window)->windowTitle()).hasMatch(),
             qPrintable(activeTab(window)->windowTitle()));
    QVERIFY(m_dialogs->lines(QStringLiteral("warning")).isEmpty());
}

void TestConfigManagement::twoClicksGiveOneTab()
{
    store()->writeConfig(QStringLiteral("Biurowiec"), defaultImage(QStringLiteral("Biurowiec")));
    store()->writeConfig(QStringLiteral("Magazyn"), defaultImage(QStringLiteral("Magazyn")));
    ConfigManagement window(noParent);
    window.show();
    clickRow(window, QStringLiteral("Biurowiec"));
    clickRow(window, QStringLiteral("Biurowiec"));
    QCOMPARE(tabs(window).size(), 1);
    clickRow(window, QStringLiteral("Magazyn"));
    QCOMPARE(tabs(window).size(), 2);
    QCOMPARE(activeTab(window)->windowTitle(), QStringLiteral("Magazyn"));
    clickRow(window, QStringLiteral("Biurowiec"));
    QCOMPARE(tabs(window).size(), 2);
    QCOMPARE(activeTab(window)->windowTitle(), QStringLiteral("Biurowiec"));
    // The list keeps showing which configuration the window works on.
    QCOMPARE(list(window)->selectionModel()->selectedIndexes().value(0).data().toString(),
             QStringLiteral("Biurowiec"));
}

void TestConfigManagement::renameReportsIdAndRetitlesTab()
{
    store()->writeConfig(QStringLiteral("pierwsza"), defaultImage(QStringLiteral("pierwsza")));
    const int id = store()->writeConfig(QStringLiteral("Stara nazwa"),
                                        defaultImage(QStringLiteral("Stara nazwa")));
    ConfigManagement window(noParent);
    window.show();
    clickRow(window, QStringLiteral("Stara nazwa"));
    m_dialogs->texts << QStringLiteral("Nowa nazwa");
    press(window, "renameButton");
    QCOMPARE(m_dialogs->lines(QStringLiteral("getText")),
             QStringList{QStringLiteral("getText|Zmiana nazwy.|Wprowadź nową nazwę:|Stara nazwa")});
    QCOMPARE(m_dialogs->lines(QStringLiteral("information")),
             QStringList{QStringLiteral("information|Konfiguracja|Zmieniono nazwe konfiguracji %1")
                                 .arg(id)});
    QCOMPARE(store()->readConfigName(id), QStringLiteral("Nowa nazwa"));
    QCOMPARE(activeTab(window)->windowTitle(), QStringLiteral("Nowa nazwa"));
    QCOMPARE(activeTab(window)->property("NAME").toString(), QStringLiteral("Nowa nazwa"));
    QVERIFY(listRow(window, QStringLiteral("Nowa nazwa")).isValid());

    // Cancel renames nothing.
    m_dialogs->texts << QString();
    press(window, "renameButton");
    QCOMPARE(store()->readConfigName(id), QStringLiteral("Nowa nazwa"));
}

void TestConfigManagement::deleteWithoutTabDoesNothing()
{
    store()->writeConfig(QStringLiteral("Zostaje"), defaultImage(QStringLiteral("Zostaje")));
    ConfigManagement window(noParent);
    window.show();
    list(window)->selectionModel()->select(listRow(window, QStringLiteral("Zostaje")),
                                           QItemSelectionModel::ClearAndSelect);
    m_dialogs->answers << QMessageBox::Yes;
    press(window, "deleteButton");
    QCOMPARE(storedCount(), 1);
    QVERIFY(m_dialogs->shown.isEmpty());
}

void TestConfigManagement::deleteActiveTab()
{
    store()->writeConfig(QStringLiteral("Zostaje"), defaultImage(QStringLiteral("Zostaje")));
    const int id = store()->writeConfig(QStringLiteral("Do usunięcia"),
                                        defaultImage(QStringLiteral("Do usunięcia")));
    ConfigManagement window(noParent);
    window.show();
    clickRow(window, QStringLiteral("Do usunięcia"));
    // Pending edits of a deleted configuration are not offered for saving.
    changeAValue(activeEditor(window), 5);

    m_dialogs->answers << QMessageBox::No;
    press(window, "deleteButton");
    QCOMPARE(storedCount(), 2);
    QCOMPARE(tabs(window).size(), 1);

    m_dialogs->answers << QMessageBox::Yes;
    press(window, "deleteButton");
    QCOMPARE(storedCount(), 1);
    QVERIFY(store()->readConfig(id).isNull());
    QTRY_COMPARE(tabs(window).size(), 0);
    QCOMPARE(m_dialogs->lines(),
             (QStringList{QStringLiteral("box|Konfigurator Ostrel|Czy usunąć konfigurację Do "
                                         "usunięcia|Nie,Tak"),
                          QStringLiteral("box|Konfigurator Ostrel|Czy usunąć konfigurację Do "
                                         "usunięcia|Nie,Tak"),
                          QStringLiteral("information|Usunięcie konfiguracji|Usunięcie "
                                         "konfiguracji o nazwie: Do usunięcia")}));
    QVERIFY(!listRow(window, QStringLiteral("Do usunięcia")).isValid());
}

void TestConfigManagement::saveStoresAndReports()
{
    const int id = store()->writeConfig(QStringLiteral("Edytowana"),
                                        defaultImage(QStringLiteral("Edytowana")));
    ConfigManagement window(noParent);
    window.show();
    clickRow(window, QStringLiteral("Edytowana"));
    ConfigEditor *editor = activeEditor(window);
    Setting *changed = nullptr;
    changeAValue(editor, 4321, &changed);
    QVERIFY(editor->hasUnsavedChanges());
    editor->findChild<QPushButton *>(QStringLiteral("save"))->click();
    QCOMPARE(m_dialogs->lines(),
             QStringList{QStringLiteral("information|Konfiguracja|Konfiguracja "
                                        "została zapisana.")});
    QVERIFY(!editor->hasUnsavedChanges());
    const QByteArray stored = store()->readConfig(id);
    QCOMPARE(stored, editor->model()->konfiguracja()->toByteArray(Konfiguracja::FromDatabase));
    QVERIFY(stored != defaultImage(QStringLiteral("Edytowana")));
    QCOMPARE(store()->readConfigName(id), QStringLiteral("Edytowana"));
}

void TestConfigManagement::failedSaveWarnsAndKeepsChanges()
{
    const int id = store()->writeConfig(QStringLiteral("Znika"),
                                        defaultImage(QStringLiteral("Znika")));
    ConfigManagement window(noParent);
    window.show();
    clickRow(window, QStringLiteral("Znika"));
    ConfigEditor *editor = activeEditor(window);
    changeAValue(editor, 99);
    // The record disappears behind the editor's back, so the update finds nothing to write.
    store()->deleteConfig(uint(id));
    editor->findChild<QPushButton *>(QStringLiteral("save"))->click();
    QCOMPARE(m_dialogs->lines(QStringLiteral("information")), QStringList());
    QCOMPARE(m_dialogs->lines(QStringLiteral("warning")).size(), 1);
    QVERIFY(m_dialogs->lines().first().startsWith(QStringLiteral("warning|Konfiguracja|")));
    QVERIFY(editor->hasUnsavedChanges());
}

void TestConfigManagement::sendOffersToSavePendingEdits()
{
    const int id = store()->writeConfig(QStringLiteral("Do wysłania"),
                                        defaultImage(QStringLiteral("Do wysłania")));
    USBManager link;
    ConfigManagement window(&link, nullptr);
    window.show();
    emit link.signalUsbPortOpened();
    clickRow(window, QStringLiteral("Do wysłania"));
    changeAValue(activeEditor(window), 777);

    m_dialogs->answers << QMessageBox::Yes << QMessageBox::Yes;
    press(window, "sendButton");
    QCOMPARE(m_dialogs->lines(QStringLiteral("question")),
             (QStringList{QStringLiteral("question|Konfiguracja|Konfiguracja Do wysłania została "
                                         "zmieniona. Czy zapisać zmiany?"),
                          QStringLiteral("question|Konfigurator Ostrel|Czy wysłać konfigurację Do "
                                         "wysłania do urządzenia?")}));
    Konfiguracja *edited = activeEditor(window)->model()->konfiguracja();
    QCOMPARE(store()->readConfig(id), edited->toByteArray(Konfiguracja::FromDatabase));
    QCOMPARE(link.queuedCount(), 1);

    // Without a tab there is nothing to send.
    QVERIFY(window.closeEditors());
    QCOMPARE(tabs(window).size(), 0);
    press(window, "sendButton");
    QCOMPARE(link.queuedCount(), 1);
}

void TestConfigManagement::cfgExportAndImportRoundTrip()
{
    const QString name = QStringLiteral("C_2024_03_05_14:07:09");
    const QByteArray image = defaultImage(name);
    store()->writeConfig(name, image);
    ConfigManagement window(noParent);
    window.show();
    clickRow(window, name);

    const QString path = m_dir->filePath(QStringLiteral("eksport"));
    m_dialogs->files << path;
    press(window, "exportButton");
    // The proposed file name is one every file system accepts.
    QCOMPARE(m_dialogs->lines(QStringLiteral("save")),
             QStringList{QStringLiteral("save|Eksport config|C_2024_03_05_14_07_09.cfg")});
    const QByteArray file = fileBytes(path + QStringLiteral(".cfg"));
    QCOMPARE(file.size(), image.size() + 6);
    QCOMPARE(quint8(file.at(0)), quint8(0x02));
    QCOMPARE((quint8(file.at(1)) << 8) | quint8(file.at(2)), image.size() + 5);
    QCOMPARE(quint8(file.at(4)), quint8(0x41));
    QCOMPARE(file.mid(5, image.size()), image);
    QVERIFY(Device::checkCrc(file.constData(), file.size() - 1));
    QCOMPARE(m_dialogs->lines(QStringLiteral("information")),
             QStringList{QStringLiteral("information|Info|Configuration %1 saved in file%2.cfg")
                                 .arg(name, path)});

    m_dialogs->files << path + QStringLiteral(".cfg");
    press(window, "importButton");
    QCOMPARE(storedCount(), 2);
    const int imported = store()->findConfigId(path + QStringLiteral(".cfg"));
    QVERIFY(imported != 0);
    QCOMPARE(store()->readConfig(imported), image);
    QVERIFY(listRow(window, path + QStringLiteral(".cfg")).isValid());
    QVERIFY(m_dialogs->lines(QStringLiteral("warning")).isEmpty());
}

void TestConfigManagement::corruptedCfgRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray good = frameOf(Device::ConfigData, defaultImage(QStringLiteral("x")));
    QByteArray badCrc = good;
    badCrc[badCrc.size() - 1] = char(badCrc.at(badCrc.size() - 1) ^ 0x5A);
    QByteArray flipped = good;
    flipped[8] = char(flipped.at(8) ^ 0x01);

    // Thirty PSL modules make an image of about 2400 bytes: the file is cut at 2048.
    Konfiguracja big(nullptr);
    for (int number = 1; number <= 30; ++number)
        big.addModule(createModule(0xF0, quint8(number)));
    const QByteArray large =
            frameOf(Device::ConfigData, big.toByteArray(Konfiguracja::FromDatabase));
    QVERIFY(large.size() > 2048);

    QTest::newRow("bad crc") << badCrc;
    QTest::newRow("changed payload byte") << flipped;
    QTest::newRow("cut at 2048 bytes") << large;
    QTest::newRow("file cut short") << good.left(good.size() / 2);
    QTest::newRow("not a frame") << QByteArray("to nie jest plik konfiguracji\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("frame of another command")
            << frameOf(Device::FaultsData, defaultImage(QStringLiteral("x")));
}

void TestConfigManagement::corruptedCfgRefused()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir->filePath(QStringLiteral("zly.cfg"));
    QVERIFY(writeFile(path, bytes));
    ConfigManagement window(noParent);
    m_dialogs->files << path;
    press(window, "importButton");
    QCOMPARE(storedCount(), 0);
    QCOMPARE(m_dialogs->lines(QStringLiteral("warning")).size(), 1);
    QVERIFY(m_dialogs->lines(QStringLiteral("information")).isEmpty());
}

void TestConfigManagement::pdfExport()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    store()->writeConfig(QStringLiteral("Raport"), defaultImage(QStringLiteral("Raport")));
    ConfigManagement window(noParent);
    window.show();
    clickRow(window, QStringLiteral("Raport"));

    const QString path = m_dir->filePath(QStringLiteral("raport"));
    m_dialogs->files << path;
    press(window, "pdfButton");
    QCOMPARE(m_dialogs->lines(QStringLiteral("save")),
             QStringList{QStringLiteral("save|Eksport PDF|Raport.pdf")});
    const QByteArray pdf = fileBytes(path + QStringLiteral(".pdf"));
    QVERIFY(pdf.startsWith("%PDF-"));

    QProcess text;
    text.start(pdftotext, {path + QStringLiteral(".pdf"), QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    // Ligature glyphs come back as single characters and wrapped cells as separate lines; a
    // dash at a line break is taken for a hyphen and dropped, so dashes are not compared.
    auto comparable = [](QString text) {
        return text.normalized(QString::NormalizationForm_KC)
                .remove(QLatin1Char('-'))
                .simplified();
    };
    const QString content = comparable(QString::fromUtf8(text.readAllStandardOutput()));
    QVERIFY2(content.contains(QStringLiteral("Konfiguracja Ostrel: Raport")), qPrintable(content));
    Konfiguracja config(QStringLiteral("Raport"), nullptr);
    const Modul *first = config.getModule(0);
    QVERIFY(first);
    // Every setting row of the first module is there, in order: number, name, value.
    int position = 0;
    int row = 0;
    for (const Setting *setting : first->getSettings()) {
        const QString expected = comparable(QStringLiteral("%1 %2 %3")
                                                    .arg(++row)
                                                    .arg(setting->getName(),
                                                         setting->getValueText()));
        const int found = content.indexOf(expected, position);
        QVERIFY2(found >= 0, qPrintable(expected));
        position = found + expected.size();
    }

    // A name with a suffix keeps it.
    m_dialogs->files << m_dir->filePath(QStringLiteral("raport.x"));
    press(window, "pdfButton");
    QVERIFY(fileBytes(m_dir->filePath(QStringLiteral("raport.x"))).startsWith("%PDF-"));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("raport.x.pdf"))));
}

void TestConfigManagement::printGoesThroughPreview()
{
    store()->writeConfig(QStringLiteral("Druk"), defaultImage(QStringLiteral("Druk")));
    ConfigManagement window(noParent);
    window.show();
    press(window, "printButton_2");
    QVERIFY(m_dialogs->shown.isEmpty()); // nothing chosen yet: nothing to print
    clickRow(window, QStringLiteral("Druk"));
    press(window, "printButton_2");
    QCOMPARE(m_dialogs->lines(), QStringList{QStringLiteral("exec|QPrintPreviewDialog|")});
    QVERIFY(window.reportHtml(store()->findConfigId(QStringLiteral("Druk")))
                    .contains(QStringLiteral("<H2>Konfiguracja Ostrel: Druk</H2>")));
}

void TestConfigManagement::hostInterfaceOperations()
{
    ConfigManagement window(noParent);
    window.show();
    window.createConfig(QString());
    QCOMPARE(storedCount(), 0);
    window.createConfig(QStringLiteral("Z hosta"));
    window.createConfig(QStringLiteral("Z hosta"));
    QCOMPARE(storedCount(), 1);
    QCOMPARE(tabs(window).size(), 1);

    std::unique_ptr<Konfiguracja> parsed(window.parseConfig(
            store()->readConfig(store()->findConfigId(QStringLiteral("Z hosta"))),
            Konfiguracja::FromDatabase));
    QCOMPARE(parsed->toByteArray(Konfiguracja::FromDatabase), defaultImage(QString()));
    QVERIFY(m_dialogs->shown.isEmpty());

    std::unique_ptr<Konfiguracja> broken(window.parseConfig(QByteArray::fromHex("02f0"), 2));
    QCOMPARE(m_dialogs->lines(),
             QStringList{QStringLiteral("warning|Konfigurator Ostrel|Błąd przy "
                                        "odczycie konfiguracji")});
}

void TestConfigManagement::closingTheWindowOffersToSaveEveryEditor()
{
    const int first = store()->writeConfig(QStringLiteral("A"), defaultImage(QStringLiteral("A")));
    store()->writeConfig(QStringLiteral("B"), defaultImage(QStringLiteral("B")));
    ConfigManagement window(noParent);
    window.show();
    clickRow(window, QStringLiteral("A"));
    changeAValue(activeEditor(window), 11);
    const QByteArray edited =
            activeEditor(window)->model()->konfiguracja()->toByteArray(Konfiguracja::FromDatabase);
    clickRow(window, QStringLiteral("B"));
    m_dialogs->answers << QMessageBox::Yes;
    QVERIFY(window.closeEditors());
    QCOMPARE(m_dialogs->lines(QStringLiteral("question")),
             QStringList{QStringLiteral("question|Konfiguracja|Konfiguracja A została zmieniona. "
                                        "Czy zapisać zmiany?")});
    QCOMPARE(store()->readConfig(first), edited);
}

bool TestConfigManagement::startSimulator(const QStringList &arguments)
{
#ifdef OSTREL_SIM_PATH
    m_sim = std::make_unique<SimProcess>(ostrelSimPath(),
                                         QStringList{QStringLiteral("--fast")} + arguments);
    if (!m_sim->start())
        return false;
    m_simDevice = m_sim->portName();
    return true;
#else
    Q_UNUSED(arguments);
    return false;
#endif
}

void TestConfigManagement::readFromUnitWithEmptyName()
{
#ifndef OSTREL_SIM_PATH
    QSKIP("the simulated unit is not built");
#endif
    QVERIFY(startSimulator({}));
    USBManager link;
    ConfigManagement window(&link, nullptr);
    window.show();
    QVERIFY(link.openPort(m_simDevice));
    m_dialogs->texts << QStringLiteral("");
    press(window, "readButton");
    QTRY_COMPARE_WITH_TIMEOUT(storedCount(), 1, 10000);
    QCOMPARE(m_dialogs->lines(QStringLiteral("getText")),
             QStringList{QStringLiteral("getText|Nazwa Konfiguracji|Wprowadź nazwę:|")});
    QSqlQuery query(store()->database());
    QVERIFY(query.exec(QStringLiteral("SELECT nazwa, dane FROM KONFIGURACJA")) && query.next());
    const QString name = query.value(0).toString();
    QVERIFY2(generatedName.match(name).hasMatch(), qPrintable(name));
    QVERIFY(!query.value(1).toByteArray().isEmpty());
    QCOMPARE(tabs(window).size(), 1);
    QCOMPARE(activeTab(window)->windowTitle(), name);
    QVERIFY(activeTab(window)->isMaximized());
    QVERIFY(activeEditor(window)->proxyModel()->rowCount() > 0);
    QVERIFY(m_dialogs->lines(QStringLiteral("warning")).isEmpty());
}

void TestConfigManagement::readFromUnitCancelled()
{
#ifndef OSTREL_SIM_PATH
    QSKIP("the simulated unit is not built");
#endif
    QVERIFY(startSimulator({}));
    USBManager link;
    ConfigManagement window(&link, nullptr);
    QVERIFY(link.openPort(m_simDevice));
    m_dialogs->texts << QString();
    press(window, "readButton");
    QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->lines(QStringLiteral("getText")).size(), 1, 10000);
    QCOMPARE(storedCount(), 0);
    QCOMPARE(tabs(window).size(), 0);
}

void TestConfigManagement::sendWritesUnitFormAndReadsBack()
{
#ifndef OSTREL_SIM_PATH
    QSKIP("the simulated unit is not built");
#endif
    QVERIFY(startSimulator({}));
    USBManager link;
    ConfigManagement window(&link, nullptr);
    window.show();
    QVERIFY(link.openPort(m_simDevice));
    m_dialogs->texts << QStringLiteral("Z centrali");
    press(window, "readButton");
    QTRY_COMPARE_WITH_TIMEOUT(storedCount(), 1, 10000);
    const QByteArray fromUnit =
            store()->readConfig(store()->findConfigId(QStringLiteral("Z centrali")));

    ConfigEditor *editor = activeEditor(window);
    QVERIFY(editor);
    changeAValue(editor, 4242);
    editor->findChild<QPushButton *>(QStringLiteral("save"))->click();
    const QByteArray sentForm =
            editor->model()->konfiguracja()->toByteArray(Konfiguracja::FromDevice);
    QVERIFY(sentForm != fromUnit);

    m_dialogs->answers << QMessageBox::Yes;
    press(window, "sendButton");
    QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->lines(QStringLiteral("information")).size(), 2, 10000);
    QCOMPARE(m_dialogs->lines(QStringLiteral("information")).last(),
             QStringLiteral("information|Info|Dane wysłane poprawnie."));

    m_dialogs->texts << QStringLiteral("Z powrotem");
    press(window, "readButton");
    QTRY_COMPARE_WITH_TIMEOUT(storedCount(), 2, 10000);
    // What the unit holds now is exactly the unit form that was sent.
    QCOMPARE(store()->readConfig(store()->findConfigId(QStringLiteral("Z powrotem"))), sentForm);
    QVERIFY(m_dialogs->lines(QStringLiteral("warning")).isEmpty());
}

QTEST_MAIN(TestConfigManagement)
#include "tst_configmanagement.moc"
