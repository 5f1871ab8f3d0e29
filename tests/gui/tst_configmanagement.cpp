// ctest-labels: safesend
#include "fakedialogs.h"
#include "simprocess.h"

#include "gui/configeditor.h"
#include "gui/configmanagement.h"
#include "gui/treemodel.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"
#include "link/usbmanager.h"
#include "store/dbmanager.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

namespace {

QByteArray defaultImage()
{
    return Konfiguracja(QString(), nullptr).toByteArray(Konfiguracja::FromDatabase);
}

} // namespace

// The window over a fresh store, on screen, with every dialog answered by the fake.
class TestConfigManagement : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<FakeDialogs> m_dialogs;
    USBManager m_link;
    std::unique_ptr<ConfigManagement> m_window;

    static DbManager *store() { return DbManager::instance(); }
    int storeDefault(const QString &name) { return store()->writeConfig(name, defaultImage()); }
    QByteArray stored(const QString &n) { return store()->readConfig(store()->findConfigId(n)); }
    QMdiArea *mdi() const { return m_window->findChild<QMdiArea *>("mdiArea"); }
    int tabs() const { return mdi()->subWindowList().size(); }
    QMdiSubWindow *tab() const { return mdi()->activeSubWindow(); }
    ConfigEditor *editor() const { return qobject_cast<ConfigEditor *>(tab()->widget()); }
    QListView *list() const { return m_window->findChild<QListView *>("listaKonfiguracji"); }
    // The records stored, as the list shows them once brought up to date.
    int count() const
    {
        m_window->setupModels();
        return list()->model()->rowCount();
    }
    bool click(const QString &name)
    {
        m_window->setupModels();
        const QAbstractItemModel *model = list()->model();
        const QModelIndexList rows =
                model->match(model->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        const QRect rect = list()->visualRect(rows.value(0));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
        return rect.isValid();
    }
    bool press(const char *name)
    {
        auto *button = m_window->findChild<QToolButton *>(name);
        const bool enabled = button && button->isEnabled();
        if (enabled)
            button->click();
        return enabled;
    }
    // Flips a setting of the first module as the value delegate would: on the tree model,
    // since the view hides undeclared modules.
    bool edit() const
    {
        TreeModel *model = editor()->model();
        const QModelIndex cell = model->index(1, 1, model->index(0, 0));
        return model->setData(cell, model->settingForIndex(cell)->getValue() ^ 1);
    }
    // A .cfg file holding one frame with the payload; its path.
    QString writeCfg(const QString &name, const QByteArray &payload) const
    {
        QByteArray frame;
        Device::buildFrame(Device::ConfigData, payload, frame);
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(frame) == frame.size()
                ? file.fileName() : QString();
    }
    QByteArray image(Konfiguracja::ConfigSource form = Konfiguracja::FromDatabase) const
    {
        return editor()->model()->konfiguracja()->toByteArray(form);
    }

private slots:
    void initTestCase()
    {
        buildOptionLists();
        initFaultTextTables();
        QVERIFY(store()->openDatabase(m_dir.path()));
        store()->initTables();
    }
    void init()
    {
        QSqlQuery("DELETE FROM KONFIGURACJA", store()->database());
        m_dialogs = std::make_unique<FakeDialogs>();
        m_window = std::make_unique<ConfigManagement>(&m_link, nullptr);
        m_window->show();
    }
    void cleanup() { m_link.closePort(); }

    void addOpenRenameDelete()
    {
        m_dialogs->texts << "Hala A" << "Hala A" << QString() << "Nowa nazwa";
        QVERIFY(press("addButton"));
        const int id = store()->findConfigId("Hala A");
        QCOMPARE(stored("Hala A"), defaultImage());
        // Adding under an existing name (the one proposed) opens it; cancel adds nothing.
        QVERIFY(press("addButton"));
        QVERIFY(press("addButton"));
        QCOMPARE(m_dialogs->lines().value(1),
                 "getText|Stwórz nową konfigurację|Wprowadź nową nazwę:|Hala A");
        QCOMPARE(count(), 1);
        // Two clicks on a row give one tab.
        storeDefault("Magazyn");
        QVERIFY(click("Magazyn"));
        QVERIFY(click("Magazyn"));
        QCOMPARE(tabs(), 2);
        // The rename message gives the record's id.
        QVERIFY(click("Hala A"));
        QVERIFY(press("renameButton"));
        QCOMPARE(m_dialogs->lines().mid(3),
                 (QStringList{"getText|Zmiana nazwy.|Wprowadź nową nazwę:|Hala A",
                              QString("information|Konfiguracja|Zmieniono nazwe konfiguracji %1")
                                      .arg(id)}));
        QCOMPARE(store()->readConfigName(id), QStringLiteral("Nowa nazwa"));
        QCOMPARE(tab()->windowTitle(), QStringLiteral("Nowa nazwa"));

        // Still chosen in the list but without a tab open, nothing is deleted, nothing asked.
        m_dialogs->answer = QMessageBox::Yes;
        m_dialogs->shown.clear();
        QVERIFY(m_window->closeEditors());
        QVERIFY(press("deleteButton"));
        QVERIFY(m_dialogs->shown.isEmpty());
        // The active tab's record is; its edits are not offered for saving on the way out.
        QVERIFY(click("Magazyn"));
        QVERIFY(edit());
        QVERIFY(press("deleteButton"));
        QCOMPARE(stored("Magazyn"), QByteArray());
        QTRY_COMPARE(tabs(), 0);
        QVERIFY(m_dialogs->lines("question").isEmpty());
    }

    void saveReports_data()
    {
        QTest::addColumn<bool>("recordGone");
        QTest::addColumn<QString>("report");
        QTest::newRow("stored")
                << false << "information|Konfiguracja|Konfiguracja została zapisana.";
        // Deleted behind the editor's back, the record takes no update: no success is claimed.
        QTest::newRow("record gone") << true << "warning|Konfiguracja|Nie udało się zapisać";
    }
    void saveReports()
    {
        QFETCH(bool, recordGone);
        QFETCH(QString, report);
        const int id = storeDefault("Edytowana");
        QVERIFY(click("Edytowana") && edit());
        if (recordGone)
            store()->deleteConfig(uint(id));
        editor()->findChild<QPushButton *>("save")->click();
        QCOMPARE(m_dialogs->lines().size(), 1);
        QVERIFY2(m_dialogs->lines()[0].startsWith(report), qPrintable(m_dialogs->lines()[0]));
        // A failed save keeps the edits marked as unsaved, and the edited setting marked.
        QCOMPARE(editor()->hasUnsavedChanges(), recordGone);
        TreeModel *model = editor()->model();
        QCOMPARE(model->settingForIndex(model->index(1, 1, model->index(0, 0)))->isModified(),
                 recordGone);
        QCOMPARE(store()->readConfig(id), recordGone ? QByteArray() : image());
    }

    void cfgExportImportsBack()
    {
        const QString path = m_dir.filePath("eksport");
        storeDefault("C_2024_03_05_14:07:09");
        QVERIFY(click("C_2024_03_05_14:07:09"));
        m_dialogs->files << path << path + ".cfg";
        QVERIFY(press("exportButton"));
        // The proposed file name is one every file system accepts.
        QCOMPARE(m_dialogs->lines().value(0), "save|Eksport config|C_2024_03_05_14_07_09.cfg");
        QCOMPARE(QFileInfo(path + ".cfg").size(), defaultImage().size() + 6);
        // Its frame passes the checks an import makes, and gives back the same image.
        QVERIFY(press("importButton"));
        QCOMPARE(stored(path + ".cfg"), defaultImage());
    }

    void corruptedCfgRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        auto frameOf = [](Device::COMMAND command, const QByteArray &payload) {
            QByteArray frame;
            Device::buildFrame(command, payload, frame);
            return frame;
        };
        QByteArray badCrc = frameOf(Device::ConfigData, defaultImage());
        badCrc.back() = char(badCrc.back() ^ 0x5A);
        QTest::newRow("bad crc") << badCrc;
        // A file is read up to 2048 bytes: a longer frame is cut there.
        QTest::newRow("cut at 2048 bytes") << frameOf(Device::ConfigData, QByteArray(2400, 1));
        QTest::newRow("not a frame") << QByteArray("to nie jest plik konfiguracji\n");
        QTest::newRow("another command") << frameOf(Device::FaultsData, defaultImage());
    }
    void corruptedCfgRefused()
    {
        QFETCH(QByteArray, bytes);
        QFile file(m_dir.filePath("zly.cfg"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        m_dialogs->files << file.fileName();
        QVERIFY(press("importButton"));
        QCOMPARE(count(), 0);
        QCOMPARE(m_dialogs->lines().mid(1),
                 QStringList{QString("warning|Konfigurator Ostrel|Plik %1 nie zawiera poprawnej "
                                     "konfiguracji.").arg(file.fileName())});
    }

    // A frame that is sound but carries no configuration is refused, and nothing is stored.
    void emptyCfgRefused_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("reason");
        QTest::newRow("garbage") << QByteArray("\x05\x13 to nie jest konfiguracja")
                                 << "nie da się odczytać";
        QTest::newRow("no module") << QByteArray::fromHex("0000") << "nie zawiera żadnego modułu";
    }
    void emptyCfgRefused()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QString, reason);
        m_dialogs->files << writeCfg("pusty.cfg", payload);
        QVERIFY(press("importButton"));
        QCOMPARE(count(), 0);
        const QStringList warnings = m_dialogs->lines("warning");
        QVERIFY2(warnings.size() == 1 && warnings[0].contains(reason),
                 qPrintable(warnings.join('\n')));
    }

    // The same file twice gives two records with names that tell them apart.
    void cfgImportedTwiceGetsFreeName()
    {
        const QString path = writeCfg("dwa.cfg", defaultImage());
        for (const QString &name : {path, path + "(2)", path + "(3)"}) {
            m_dialogs->files << path;
            QVERIFY(press("importButton"));
            QCOMPARE(stored(name), defaultImage());
        }
        QCOMPARE(count(), 3);
    }

    // Comparing with a stored configuration marks in the editor what differs, and only that.
    void compareMarksConflicts()
    {
        Konfiguracja other(QString(), nullptr);
        other.getModule(0)->getSetting(14)->setValue(9);
        store()->writeConfig("Inna", other.toByteArray(Konfiguracja::FromDatabase));
        storeDefault("Hala");
        QVERIFY(click("Hala"));
        QString summary;
        m_dialogs->onExec = [&](QDialog *dialog) {
            if (auto *chooser = qobject_cast<QInputDialog *>(dialog)) {
                chooser->setTextValue("Inna");
                return int(QDialog::Accepted);
            }
            if (auto *label = dialog->findChild<QLabel *>("summaryLabel"))
                summary = label->text();
            return int(QDialog::Rejected);
        };
        m_window->slotCompareStored();
        QVERIFY2(summary.startsWith("Moduły: 4 po lewej, 4 po prawej. Tylko po lewej: 0, tylko "
                                    "po prawej: 0. Zmienione ustawienia: 1, bez zmian: "),
                 qPrintable(summary));
        QStringList conflicts;
        editor()->model()->forEachSetting([&](Setting *setting) {
            if (setting->isConflict())
                conflicts << setting->getName();
        });
        QCOMPARE(conflicts, QStringList{"Złącze RS232 - Protokół Modbus - adres"});
    }

    void pdfReportHoldsTheSettings()
    {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        const QString path = m_dir.filePath("raport");
        storeDefault("Raport");
        QVERIFY(click("Raport"));
        m_dialogs->files << path;
        QVERIFY(press("pdfButton"));

        QProcess text;
        text.start(pdftotext, {path + ".pdf", "-"});
        QVERIFY(text.waitForFinished(30000));
        // Ligatures come back as single characters and wrapped cells as separate lines; a dash
        // at a line break is taken for a hyphen and dropped, so dashes are not compared.
        auto comparable = [](QString text) {
            return text.normalized(QString::NormalizationForm_KC).remove('-').simplified();
        };
        const QString content = comparable(QString::fromUtf8(text.readAllStandardOutput()));
        QVERIFY2(content.contains("Konfiguracja Ostrel: Raport"), qPrintable(content));
        // Every setting row of the first module, in order: number, name, value.
        Konfiguracja config(QString(), nullptr);
        int position = 0;
        int row = 0;
        for (const Setting *setting : config.getModule(0)->getSettings()) {
            const QString expected = comparable(QString("%1 %2 %3").arg(++row).arg(
                    setting->getName(), setting->getValueText()));
            position = content.indexOf(expected, position);
            QVERIFY2(position >= 0, qPrintable(expected));
        }
    }

    void readAndSendWithTheUnit()
    {
#ifndef OSTREL_SIM_PATH
        QSKIP("the simulated unit is not built");
#else
        SimProcess sim(ostrelSimPath(), {"--fast"});
        QVERIFY(sim.start());
        QVERIFY(m_link.openPort(sim.portName()));
        // Cancelling the name prompt stores nothing.
        m_dialogs->texts << QString() << "" << "Z powrotem";
        QVERIFY(press("readButton"));
        QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->lines("getText").size(), 1, 10000);
        QCOMPARE(count() + tabs(), 0);
        // An empty name becomes C_ and the time of reading; the configuration opens maximised.
        QVERIFY(press("readButton"));
        QTRY_COMPARE_WITH_TIMEOUT(count(), 1, 10000);
        QCOMPARE(m_dialogs->lines().value(1), "getText|Nazwa Konfiguracji|Wprowadź nazwę:|");
        const QString name = tab()->windowTitle();
        const QRegularExpression generated("^C_\\d{4}_\\d\\d_\\d\\d_\\d\\d:\\d\\d:\\d\\d$");
        QVERIFY2(generated.match(name).hasMatch(), qPrintable(name));
        QVERIFY(tab()->isMaximized());

        // The edits are stored first, then sent in the unit's form; reading back returns them.
        const QByteArray before = image(Konfiguracja::FromDevice);
        QVERIFY(edit());
        const QByteArray sent = image(Konfiguracja::FromDevice);
        QVERIFY(sent != before);
        m_dialogs->answers << QMessageBox::Yes << QMessageBox::Yes;
        m_dialogs->onExec = [](QDialog *) { return int(QDialog::Accepted); };
        QVERIFY(press("sendButton"));
        QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->lines().last(),
                                  "information|Info|Dane wysłane poprawnie.\n"
                                  "Konfiguracja zweryfikowana", 20000);
        QCOMPARE(stored(name), image());
        // The send kept a backup of what the unit held.
        QCOMPARE(count(), 2);
        QVERIFY(press("readButton"));
        QTRY_COMPARE_WITH_TIMEOUT(count(), 3, 10000);
        QCOMPARE(stored("Z powrotem"), sent);
#endif
    }
};

QTEST_MAIN(TestConfigManagement)
#include "tst_configmanagement.moc"
