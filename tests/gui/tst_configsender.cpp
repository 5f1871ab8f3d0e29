// ctest-labels: safesend
#include "fakedialogs.h"
#include "ptypair.h"
#include "simprocess.h"

#include "gui/configdiffmodel.h"
#include "gui/configmanagement.h"
#include "gui/configreviewdialog.h"
#include "gui/configsender.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"
#include "store/dbmanager.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

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
    const auto config = parsed(unitImage, Konfiguracja::FromDevice);
    return config->getModule(0)->getSetting(setting)->getValue();
}

} // namespace

// The send flow of the configuration window against the simulated unit, or against a unit the
// test plays on a pseudo-terminal, over a fresh store.
class TestConfigSender : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<FakeDialogs> m_dialogs;
    USBManager m_link;
    std::unique_ptr<ConfigManagement> m_window;

    static DbManager *store() { return DbManager::instance(); }
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
        auto *button = m_window->findChild<QToolButton *>("sendButton");
        if (!button || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
    QByteArray unitImage()
    {
        RequestTracker request(&m_link, nullptr);
        QSignalSpy answered(&request, &RequestTracker::signalAnswered);
        if (!request.start(Device::ReadConfig, QByteArray(), Device::ConfigData)
            || !answered.wait(10000))
            return QByteArray();
        return answered.at(0).at(1).toByteArray();
    }
    bool startSim(const QStringList &arguments, std::unique_ptr<SimProcess> *sim)
    {
#ifdef OSTREL_SIM_PATH
        *sim = std::make_unique<SimProcess>(ostrelSimPath(), QStringList{"--fast"} + arguments);
        return (*sim)->start() && m_link.openPort((*sim)->portName());
#else
        Q_UNUSED(arguments)
        Q_UNUSED(sim)
        return false;
#endif
    }

private slots:
    void initTestCase()
    {
#ifndef OSTREL_SIM_PATH
        QSKIP("the simulated unit is not built");
#endif
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
    void cleanup()
    {
        m_window.reset();
        m_link.closePort();
    }

    // What is no configuration, or what the unit holds already, is not sent; only the latter is
    // read and backed up.
    void notSent_data()
    {
        QTest::addColumn<QByteArray>("image"); // none: the unit's own
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("backupCount");
        QTest::newRow("no module")
                << QByteArray::fromHex("0000") << "^warning\\|.*nie zawiera żadnego modułu" << 0;
        QTest::newRow("does not parse") << QByteArray::fromHex("02d0010101120100")
                                        << "^warning\\|.*zapisany obraz jest uszkodzony" << 0;
        QTest::newRow("unit has it already")
                << QByteArray()
                << "^information\\|Konfigurator Ostrel\\|Urządzenie ma już konfigurację Hala\\. "
                   "Nic nie wysłano\\.$"
                << 1;
    }
    void notSent()
    {
        QFETCH(QByteArray, image);
        QFETCH(QString, message);
        QFETCH(int, backupCount);
        std::unique_ptr<SimProcess> sim;
        QVERIFY(startSim({}, &sim));
        open("Hala", image.isEmpty() ? unitImage() : image);
        QVERIFY(send());
        const QRegularExpression expected(message);
        QTRY_VERIFY_WITH_TIMEOUT(!m_dialogs->lines().isEmpty()
                                         && expected.match(m_dialogs->lines().last()).hasMatch(),
                                 30000);
        QCOMPARE(m_dialogs->execCount, 0);
        QCOMPARE(backups().size(), backupCount);
    }

    // The unit is backed up before the review; only the ticked change goes over; the unit is
    // read again and any setting it did not take is named.
    void sendReviewedChanges_data()
    {
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<bool>("addressTaken");
        QTest::addColumn<QString>("result");
        QTest::newRow("verified") << QStringList() << true
                                  << "information|Info|Dane wysłane poprawnie.\n"
                                     "Konfiguracja zweryfikowana";
        QTest::newRow("setting not taken")
                << QStringList{"--ignore-setting", "0xE0:26"} << false
                << "warning|Weryfikacja konfiguracji|Urządzenie potwierdziło odbiór, ale nie "
                   "przyjęło tych ustawień:\nPSB 1, Złącze RS232 - Protokół Modbus - adres: "
                   "wysłano %1, urządzenie ma %2";
    }
    void sendReviewedChanges()
    {
        QFETCH(QStringList, simArguments);
        QFETCH(bool, addressTaken);
        QFETCH(QString, result);
        std::unique_ptr<SimProcess> sim;
        QVERIFY(startSim(simArguments, &sim));
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
        if (!addressTaken) {
            result = result.arg(newAddress).arg(address)
                    + "\n\nPoprzednia konfiguracja urządzenia jest zapisana jako "
                    + backupsAtReview.first() + ".";
        }
        QCOMPARE(m_dialogs->lines().last(), result);
        const QByteArray after = unitImage();
        QCOMPARE(psbValue(after, Capacity), capacity);
        QCOMPARE(psbValue(after, Address), addressTaken ? newAddress : address);
    }

    // An extinguishing set for a basic unit: the review says so, a second question follows,
    // and declining it leaves the unit as it was.
    void otherModuleSetNeedsSecondConfirmation()
    {
        std::unique_ptr<SimProcess> sim;
        QVERIFY(startSim({}, &sim));
        const QByteArray before = unitImage();
        Konfiguracja extinguishing;
        for (int type : {0x57, 0x55, 0x56, 0x50, 0x53, 0x45, 0x51})
            extinguishing.addModule(createModule(type, 1));
        open("Gaszenie", extinguishing.toByteArray(Konfiguracja::FromDatabase));
        bool warned = false;
        m_dialogs->onExec = [&](QDialog *dialog) {
            auto *label = dialog->findChild<QLabel *>("warningLabel");
            warned = label && label->isVisibleTo(dialog) && label->text().contains("UWAGA");
            return int(QDialog::Accepted);
        };
        m_dialogs->answers << QMessageBox::No;
        QSignalSpy finished(sender(), &ConfigSender::finished);
        QVERIFY(send());
        QVERIFY(finished.wait(30000));
        const QStringList questions = m_dialogs->lines("question");
        QVERIFY(warned && questions.size() == 2);
        QVERIFY2(questions[1].contains("Zestaw modułów w urządzeniu jest inny niż w konfiguracji "
                                       "Gaszenie (tylko w urządzeniu: 4, tylko w wysyłanej: 7)"),
                 qPrintable(questions[1]));
        QCOMPARE(unitImage(), before);
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

QTEST_MAIN(TestConfigSender)
#include "tst_configsender.moc"
