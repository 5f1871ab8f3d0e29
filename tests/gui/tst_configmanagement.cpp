// ctest-labels: safesend trust
#include "fakedialogs.h"
#include "servicewindows_support.h"

#include "gui/configdiffmodel.h"
#include "gui/configeditor.h"
#include "gui/configmanagement.h"
#include "gui/configreviewdialog.h"
#include "gui/configsender.h"
#include "gui/startup.h"
#include "gui/treemodel.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"
#include "link/linkreply.h"
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

// The PSB's battery capacity and Modbus address settings.
constexpr int Capacity = 1;
constexpr int Address = 14;

std::unique_ptr<Konfiguracja> parsed(const QByteArray &image, Konfiguracja::ConfigSource source)
{
    auto config = std::make_unique<Konfiguracja>();
    config->parse(image, source);
    return config;
}

quint32 psbValue(const QByteArray &unitImage, int setting)
{
    return parsed(unitImage, Konfiguracja::FromDevice)->getModule(0)->getSetting(setting)
            ->getValue();
}

} // namespace

// The window over a fresh store, on screen, with every dialog answered by the fake; the send
// flow against the simulated unit, or a unit the test plays on a pseudo-terminal.
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

    ConfigSender *sender() const { return m_window->configSender(); }
    QStringList backups() const
    {
        QStringList names;
        QSqlQuery query("SELECT nazwa FROM KONFIGURACJA WHERE nazwa LIKE 'Kopia_%'",
                        store()->database());
        while (query.next())
            names << query.value(0).toString();
        return names;
    }
    // Stores the image and opens it in a tab, as a click on the list does.
    void open(const QString &name, const QByteArray &image)
    {
        const int id = store()->writeConfig(name, image);
        m_window->showConfig(uint(id), name, Konfiguracja::FromDatabase);
    }
    bool send()
    {
        m_dialogs->answers.prepend(QMessageBox::Yes); // "Czy wysłać konfigurację …?"
        return press("sendButton");
    }
    QByteArray unitImage()
    {
        LinkReply *reply = m_link.request(Device::ReadConfig, QByteArray(), Device::ConfigData);
        QSignalSpy answered(reply, &LinkReply::finished);
        if (!answered.wait(10000))
            return QByteArray();
        return answered.at(0).at(0).toByteArray();
    }
    bool startSim(const QStringList &arguments, std::unique_ptr<SimProcess> *sim)
    {
        *sim = std::make_unique<SimProcess>(ostrelSimPath(), QStringList{"--fast"} + arguments);
        return (*sim)->start() && m_link.openPort((*sim)->portName());
    }

private slots:
    void initTestCase()
    {
        buildOptionLists();
        initFaultTextTables();
        QVERIFY(store()->openDatabase(m_dir.path()));
        createStoreTables(*store());
    }
    void init()
    {
        QSqlQuery("DELETE FROM KONFIGURACJA", store()->database());
        m_dialogs = std::make_unique<FakeDialogs>();
        m_window = std::make_unique<ConfigManagement>(&m_link, nullptr);
        m_window->show();
    }
    void cleanup()
    {
        m_window.reset();
        m_link.closePort();
        m_link.setTimeouts(USBManager::AnswerTimeoutMs, USBManager::KeepAliveMs);
    }

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
        // The rename message names the record by its new name, not by its id.
        QVERIFY(click("Hala A"));
        QVERIFY(press("renameButton"));
        QCOMPARE(m_dialogs->lines().mid(3),
                 (QStringList{"getText|Zmiana nazwy.|Wprowadź nową nazwę:|Hala A",
                              "information|Konfiguracja|Zmieniono nazwe konfiguracji Nowa nazwa"}));
        QCOMPARE(store()->readConfigName(id), QStringLiteral("Nowa nazwa"));
        QCOMPARE(tab()->windowTitle(), QStringLiteral("Nowa nazwa"));

        // Still chosen in the list but without a tab open, nothing is deleted, nothing asked.
        m_dialogs->shown.clear();
        QVERIFY(m_window->closeEditors());
        QVERIFY(press("deleteButton"));
        QVERIFY(m_dialogs->shown.isEmpty());
    }

    // A sync replaced the configuration under an open editor: the editor says so, and its save
    // goes beside the newer revision as a conflict instead of over it.
    void staleEditorSavesBeside()
    {
        const int id = storeDefault("Wspólna");
        QVERIFY(click("Wspólna"));
        TreeModel *model = editor()->model();
        const QModelIndex cell = model->index(1, 1, model->index(0, 0));
        QVERIFY(model->setData(cell, model->settingForIndex(cell)->getValue() ^ 1));
        const QByteArray newer = defaultImage() + "kolega";
        QCOMPARE(store()->updateConfig(uint(id), "Wspólna", newer), 0);
        m_window->slotArchiveSynced();
        QVERIFY(editor()->findChild<QFrame *>("staleBanner")->isVisible());
        editor()->findChild<QPushButton *>("save")->click();
        QCOMPARE(store()->readConfig(id), newer);
        QVERIFY2(m_dialogs->lines().value(0).contains("zapisano je obok jako Wspólna (konflikt:"),
                 qPrintable(m_dialogs->lines().join('\n')));
        QCOMPARE(count(), 2);
        QVERIFY(tab()->windowTitle().startsWith("Wspólna (konflikt:"));
        QVERIFY(!editor()->findChild<QFrame *>("staleBanner")->isVisible());
    }

    // Deleted behind the editor's back, the record takes no update: no success is claimed, and
    // the edits stay marked as unsaved. (A save that is stored: the trust tests.)
    void failedSaveKeepsTheEdits()
    {
        const int id = storeDefault("Edytowana");
        QVERIFY(click("Edytowana"));
        // Flipped as the value delegate would, on the model: the view hides undeclared modules.
        TreeModel *model = editor()->model();
        const QModelIndex cell = model->index(1, 1, model->index(0, 0));
        QVERIFY(model->setData(cell, model->settingForIndex(cell)->getValue() ^ 1));
        store()->deleteConfig(uint(id));
        editor()->findChild<QPushButton *>("save")->click();
        QCOMPARE(m_dialogs->lines(), QStringList{"warning|Konfiguracja|Nie udało się zapisać "
                                                 "konfiguracji Edytowana."});
        QVERIFY(editor()->hasUnsavedChanges());
        QVERIFY(model->settingForIndex(cell)->isModified());
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
        // Its frame passes the checks an import makes, and gives back the same image; the
        // same file again gives a record with a name that tells the two apart.
        // Each import is named after the file, not its path; the technician may rename it.
        m_dialogs->files << path + ".cfg";
        m_dialogs->texts << "" << "Hala B";
        QVERIFY(press("importButton") && press("importButton"));
        QCOMPARE(m_dialogs->lines("getText").value(0),
                 "getText|Nazwa Konfiguracji|Wprowadź nazwę:|eksport");
        QCOMPARE(stored("eksport"), defaultImage());
        QCOMPARE(stored("Hala B"), defaultImage());
    }

    // A damaged file, or a sound frame that carries no configuration, stores nothing.
    void badCfgRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QString damaged = QStringLiteral("nie zawiera poprawnej konfiguracji");
        QByteArray badCrc = frameOf(Device::ConfigData, defaultImage());
        badCrc.back() = char(badCrc.back() ^ 0x5A);
        QTest::newRow("bad crc") << badCrc << damaged;
        // A file is read up to 2048 bytes: a longer frame is cut there.
        QTest::newRow("cut at 2048 bytes")
                << frameOf(Device::ConfigData, QByteArray(2400, 1)) << damaged;
        QTest::newRow("not a frame") << QByteArray("to nie jest plik konfiguracji\n") << damaged;
        QTest::newRow("another command") << frameOf(Device::FaultsData, defaultImage()) << damaged;
        QTest::newRow("garbage payload")
                << frameOf(Device::ConfigData, "\x05\x13 to nie jest") << "nie da się odczytać";
        QTest::newRow("no module") << frameOf(Device::ConfigData, QByteArray::fromHex("0000"))
                                   << "nie zawiera żadnego modułu";
    }
    void badCfgRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QFile file(m_dir.filePath("zly.cfg"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        m_dialogs->files << file.fileName();
        QVERIFY(press("importButton"));
        QCOMPARE(count(), 0);
        const QStringList warnings = m_dialogs->lines("warning");
        QVERIFY2(warnings.size() == 1 && warnings[0].contains(reason),
                 qPrintable(warnings.join('\n')));
    }

    // Comparing with a stored configuration marks in the editor what differs, and only that,
    // with a legend, while the comparison is open.
    void compareMarksConflicts()
    {
        Konfiguracja other(QString(), nullptr);
        other.getModule(0)->getSetting(14)->setValue(9);
        store()->writeConfig("Inna", other.toByteArray(Konfiguracja::FromDatabase));
        storeDefault("Hala");
        QVERIFY(click("Hala"));
        const auto marks = [this] {
            QStringList conflicts;
            editor()->model()->forEachSetting([&](Setting *setting) {
                if (setting->isConflict())
                    conflicts << setting->getName();
            });
            return conflicts + QStringList(editor()->findChild<QLabel *>("marksLegend")
                                                   ->isVisible() ? "legend" : "");
        };
        QString summary;
        QStringList marked;
        m_dialogs->onExec = [&](QDialog *dialog) {
            if (auto *chooser = qobject_cast<QInputDialog *>(dialog)) {
                chooser->setTextValue("Inna");
                return int(QDialog::Accepted);
            }
            summary = dialog->findChild<QLabel *>("summaryLabel")->text();
            marked = marks();
            return int(QDialog::Rejected);
        };
        m_window->slotCompareStored();
        QVERIFY2(summary.startsWith("Moduły: 4 po lewej, 4 po prawej. Tylko po lewej: 0, tylko "
                                    "po prawej: 0. Zmienione ustawienia: 1, bez zmian: "),
                 qPrintable(summary));
        QCOMPARE(marked, (QStringList{"Złącze RS232 - Protokół Modbus - adres", "legend"}));
        QCOMPARE(marks(), QStringList{""});
    }

    void readFromTheUnit()
    {
        std::unique_ptr<SimProcess> sim;
        QVERIFY(startSim({}, &sim));
        // Cancelling the name prompt stores nothing.
        m_dialogs->texts << QString() << "";
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
    }

    // Nothing loses an edit without a question, and each answer does what it says. Rows: the
    // action on a record whose battery capacity was edited, the answers given in turn, what
    // became of the record, its tab and the unit, and the first question asked (null: not
    // compared).
    void questions_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("effect");
        QTest::addColumn<QString>("question");
        // A record deleted takes its edits with it: nothing offers to save them.
        QTest::newRow("keep configuration") << "delete" << "No" << "unsaved, open"
                << "box|Konfigurator Ostrel|Czy usunąć konfigurację Hala|Nie,Tak";
        QTest::newRow("delete configuration") << "delete" << "Yes" << "gone, closed" << QString();
        const QString save = QStringLiteral(
                "question|Konfiguracja|Konfiguracja Hala została zmieniona. Czy zapisać zmiany?");
        QTest::newRow("close, save") << "close" << "Yes" << "saved, closed" << save;
        QTest::newRow("close, discard") << "close" << "No" << "unsaved, closed" << save;
        QTest::newRow("close cancelled") << "close" << "Cancel" << "unsaved, open" << save;
        // The review is declined: what counts is that the edits were stored before the send.
        QTest::newRow("send, save first")
                << "send" << "Yes,Yes" << "saved, open, backups 1" << save;
        // An extinguishing set for a basic unit: the review warns, a second question follows, and
        // declining it sends nothing.
        QTest::newRow("send another module set") << "send" << "Yes,No"
                << "unsaved, open, backups 1, warned, second question declined"
                << "question|Konfigurator Ostrel|Czy wysłać konfigurację Hala do urządzenia?";
        QTest::newRow("send cancelled") << "send" << "Cancel" << "unsaved, open, backups 0" << save;
        // Twice, on a unit that holds the stored image: one backup, and the edits named as unsent.
        QTest::newRow("send stored only, twice") << "send" << "No,Yes,No,Yes"
                << "unsaved, open, backups 1, not sent twice" << save;
        const QString print = QStringLiteral(
                "question|Konfiguracja|Konfiguracja Hala ma niezapisane zmiany.\n\n„Tak” zapisuje "
                "je i drukuje zapisaną konfigurację, „Nie” drukuje to, co widać w edytorze, bez "
                "zapisywania.");
        QTest::newRow("pdf, save first") << "pdf" << "Yes" << "saved, open, pdf 65" << print;
        QTest::newRow("pdf of what is shown") << "pdf" << "No" << "unsaved, open, pdf 65" << print;
        QTest::newRow("pdf cancelled") << "pdf" << "Cancel" << "unsaved, open" << print;
    }
    void questions()
    {
        QFETCH(QString, action);
        QFETCH(QString, answers);
        QFETCH(QString, question);
        m_dialogs->answer = QMessageBox::Cancel;
        for (const QString &answer : answers.split(','))
            m_dialogs->answers << (answer == "Yes" ? QMessageBox::Yes
                                   : answer == "No" ? QMessageBox::No : QMessageBox::Cancel);
        std::unique_ptr<SimProcess> sim;
        if (action == "send")
            QVERIFY(startSim({}, &sim));
        // The unit's own configuration, so that a send of the stored image has nothing to change.
        QByteArray image = sim ? parsed(unitImage(), Konfiguracja::FromDevice)
                                         ->toByteArray(Konfiguracja::FromDatabase)
                               : defaultImage();
        const bool otherSet = QTest::currentDataTag() == QLatin1String("send another module set");
        bool warned = false;
        if (otherSet) {
            Konfiguracja extinguishing;
            for (int type : {0x57, 0x55, 0x56, 0x50, 0x53, 0x45, 0x51})
                extinguishing.addModule(createModule(type, 1));
            image = extinguishing.toByteArray(Konfiguracja::FromDatabase);
            m_dialogs->onExec = [&warned](QDialog *review) {
                auto *label = review->findChild<QLabel *>("warningLabel");
                warned = label && label->isVisibleTo(review) && label->text().contains("UWAGA");
                return int(QDialog::Accepted);
            };
        }
        open("Hala", image);
        TreeModel *model = editor()->model();
        QVERIFY(otherSet || model->setData(model->index(1, 1, model->index(0, 0)), 65u));

        QStringList effect;
        if (action == "delete") {
            QVERIFY(press("deleteButton"));
            QCOMPARE(m_dialogs->lines("question"), QStringList());
        } else if (action == "close") {
            tab()->close();
        } else if (action == "pdf") {
            const QString pdf = m_dir.filePath("Hala.pdf");
            QFile::remove(pdf);
            m_dialogs->files << pdf;
            QVERIFY(press("pdfButton"));
            if (QFile::exists(pdf))
                effect << (pdfText(pdf).contains("Pojemność Akumulatorów 65") ? "pdf 65"
                                                                              : "pdf stale");
        } else {
            for (int sends = (m_dialogs->answers.size() + 1) / 2; sends > 0; --sends) {
                QSignalSpy finished(sender(), &ConfigSender::finished);
                QVERIFY(press("sendButton"));
                if (sender()->isBusy())
                    finished.wait(20000);
            }
            effect << QStringLiteral("backups %1").arg(backups().size());
            const int notes = m_dialogs->count(QStringLiteral(
                    "Urządzenie ma już konfigurację Hala. Nic nie wysłano.\n\nNiezapisane zmiany "
                    "z edytora nie zostały wysłane: użyto zapisanej wersji konfiguracji Hala."));
            if (notes > 0)
                effect << (notes == 2 ? "not sent twice" : "once");
            if (warned)
                effect << "warned";
            if (m_dialogs->lines("question").value(1).contains(
                        "Zestaw modułów w urządzeniu jest inny niż w konfiguracji Hala (tylko w "
                        "urządzeniu: 4, tylko w wysyłanej: 7)")
                && m_dialogs->count("Dane wysłane poprawnie.\nKonfiguracja zweryfikowana") == 0)
                effect << "second question declined";
        }
        QTest::qWait(50);
        const int id = store()->findConfigId("Hala");
        effect.prepend(tabs() ? "open" : "closed");
        effect.prepend(!id ? "gone" : store()->readConfig(id) != image ? "saved" : "unsaved");
        QTEST(effect.join(", "), "effect");
        if (!question.isNull())
            QCOMPARE((m_dialogs->lines("question") + m_dialogs->lines("box")).value(0), question);
        QVERIFY2(m_dialogs->answers.isEmpty(), "a question was not asked");
    }

    // What is no configuration is not sent, nor read and backed up. (What the unit holds
    // already: the trust tests.)
    void notSent_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QString>("message");
        QTest::newRow("no module")
                << QByteArray::fromHex("0000") << "^warning\\|.*nie zawiera żadnego modułu";
        QTest::newRow("does not parse") << QByteArray::fromHex("02d0010101120100")
                                        << "^warning\\|.*zapisany obraz jest uszkodzony";
    }
    void notSent()
    {
        QFETCH(QByteArray, image);
        QFETCH(QString, message);
        std::unique_ptr<SimProcess> sim;
        QVERIFY(startSim({}, &sim));
        open("Hala", image);
        QVERIFY(send());
        const QRegularExpression expected(message);
        QTRY_VERIFY_WITH_TIMEOUT(!m_dialogs->lines().isEmpty()
                                         && expected.match(m_dialogs->lines().last()).hasMatch(),
                                 30000);
        QCOMPARE(m_dialogs->execCount, 0);
        QCOMPARE(backups().size(), 0);
    }

    // The unit is backed up before the review; only the ticked change goes over; the unit is
    // read again and a setting it did not take is named. (A send the unit takes whole: the
    // technician's day.)
    void sendReviewedChanges()
    {
        std::unique_ptr<SimProcess> sim;
        QVERIFY(startSim({"--ignore-setting", "0xE0:26"}, &sim));
        const QByteArray before = unitImage();
        const quint32 capacity = psbValue(before, Capacity);
        const quint32 address = psbValue(before, Address);
        const quint32 newAddress = (address + 1) % 256;
        auto target = parsed(before, Konfiguracja::FromDevice);
        target->getModule(0)->getSetting(Capacity)->setValue(capacity + 5);
        target->getModule(0)->getSetting(Address)->setValue(newAddress);
        open("Hala", target->toByteArray(Konfiguracja::FromDatabase));

        QStringList backupsAtReview;
        QStringList rows;
        m_dialogs->onExec = [&](QDialog *dialog) {
            auto *review = qobject_cast<ConfigReviewDialog *>(dialog);
            if (!review)
                return 0;
            backupsAtReview = backups();
            const ConfigDiffModel *model = review->model();
            for (int row = 0; row < model->rowCount(); ++row)
                rows << model->index(row, ConfigDiffModel::SettingColumn).data().toString();
            // Leave the capacity as the unit has it.
            review->model()->setData(review->model()->index(0, 0), Qt::Unchecked,
                                     Qt::CheckStateRole);
            return int(QDialog::Accepted);
        };
        QSignalSpy finished(sender(), &ConfigSender::finished);
        QVERIFY(send());
        QVERIFY(finished.wait(30000));

        QCOMPARE(rows, (QStringList{"Pojemność Akumulatorów",
                                    "Złącze RS232 - Protokół Modbus - adres"}));
        // The backup was there before anything was sent, and holds what the unit held.
        QCOMPARE(backupsAtReview.size(), 1);
        QCOMPARE(backups(), backupsAtReview);
        QCOMPARE(store()->readConfig(store()->findConfigId(backupsAtReview.first())), before);
        QCOMPARE(m_dialogs->lines().last(),
                 QStringLiteral("warning|Weryfikacja konfiguracji|Urządzenie potwierdziło odbiór, "
                                "ale nie przyjęło tych ustawień:\nPSB 1, Złącze RS232 - Protokół "
                                "Modbus - adres: wysłano %1, urządzenie ma %2\n\nPoprzednia "
                                "konfiguracja urządzenia jest zapisana jako %3.")
                         .arg(newAddress).arg(address).arg(backupsAtReview.first()));
        QCOMPARE(psbValue(unitImage(), Capacity), capacity);
    }

    // A unit that stops answering ends the send with a message at the step it stopped; a
    // backup made before is kept and named.
    void missingAnswerEndsTheSend_data()
    {
        QTest::addColumn<bool>("answerRead");
        QTest::addColumn<QString>("message");
        QTest::newRow("no answer to the read")
                << false << "odczyt konfiguracji przed wysłaniem po trzech próbach. Sprawdź "
                            "kabel i zasilanie centrali.\nNic nie wysłano.";
        QTest::newRow("no acknowledge")
                << true << "wysyłanie konfiguracji po trzech próbach. Sprawdź kabel i zasilanie "
                           "centrali.\nNie wiadomo, czy urządzenie przyjęło konfigurację";
    }
    void missingAnswerEndsTheSend()
    {
        QFETCH(bool, answerRead);
        QFETCH(QString, message);
        PtyPair pty;
        // Given up after three writes 0.3 s apart: the same code as the product's 2 s, shorter.
        m_link.setTimeouts(300, USBManager::KeepAliveMs);
        QVERIFY(pty.isValid() && m_link.openPort(pty.slavePath()));
        Konfiguracja config(QStringLiteral("Hala"), nullptr);
        open("Hala", config.toByteArray(Konfiguracja::FromDatabase));
        m_dialogs->onExec = [](QDialog *) { return int(QDialog::Accepted); };
        QSignalSpy finished(sender(), &ConfigSender::finished);
        QVERIFY(send());
        if (answerRead) {
            // The unit holds another capacity, so there is something to send.
            config.getModule(0)->getSetting(Capacity)->setValue(40);
            // Clock polls may come first.
            bool read = false;
            for (int frames = 0; frames < 5 && !read; ++frames) {
                const QByteArray request = pty.readFrame(3000);
                read = request.size() > 4 && quint8(request.at(4)) == Device::ReadConfig;
            }
            QByteArray frame;
            Device::buildFrame(Device::ConfigData, config.toByteArray(Konfiguracja::FromDevice),
                               frame);
            QVERIFY(read && pty.write(frame));
        }
        QVERIFY(finished.wait(20000));
        QTRY_VERIFY(!m_dialogs->lines("warning").isEmpty());
        const QString last = m_dialogs->lines().last();
        QVERIFY2(last.startsWith("warning|Konfigurator Ostrel|Urządzenie nie odpowiada\n"
                                 "Brak odpowiedzi na " + message),
                 qPrintable(last));
        QCOMPARE(backups().size(), answerRead ? 1 : 0);
        QVERIFY2(!answerRead || last.endsWith("zapisana jako " + backups().first() + "."),
                 qPrintable(last));
    }
};

QTEST_MAIN(TestConfigManagement)
#include "tst_configmanagement.moc"
