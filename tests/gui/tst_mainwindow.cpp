#include "fakedialogs.h"

#include "gui/appsettings.h"
#include "gui/mainwindow.h"
#include "gui/startup.h"
#include "link/usbmanager.h"
#include "store/dbmanager.h"
#include "ptypair.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontComboBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTranslator>
#include <QtTest>

namespace {
QAction *action(MainWindow &window, const char *name)
{
    return window.findChild<QAction *>(QString::fromLatin1(name));
}

bool isConnectedState(MainWindow &window)
{
    return !action(window, "actionConnect")->isEnabled()
            && action(window, "actionDisconnect")->isEnabled();
}

bool isDisconnectedState(MainWindow &window)
{
    return action(window, "actionConnect")->isEnabled()
            && !action(window, "actionDisconnect")->isEnabled();
}

// What a window lets the user press: every widget's and action's enabled flag, in a fixed order.
QList<bool> enabledStates(QWidget *page)
{
    QList<bool> states;
    const auto widgets = page->findChildren<QWidget *>();
    for (const QWidget *widget : widgets)
        states.append(widget->isEnabled());
    const auto actions = page->findChildren<QAction *>();
    for (const QAction *each : actions)
        states.append(each->isEnabled());
    return states;
}

// Answers the port chooser with the given text.
std::function<int(QDialog *)> choosePort(const QString &text, int result = QDialog::Accepted)
{
    return [text, result](QDialog *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        if (!input)
            return int(QDialog::Rejected);
        input->setTextValue(text);
        return result;
    };
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void startInEmptyDirectory();
    void portDialogOffersEditablePortList();
    void shortPortNameDoesNothing();
    void cancelledPortDialogDoesNothing();
    void unopenablePortStaysDisconnected();
    void pseudoTerminalConnectsAndCableLossDisconnects();
    void disconnectActionClosesPort();
    void settingsOkChangesFontAtOnce();
    void settingsCancelKeepsFont();
    void hostedModeHidesLanguage();
    void aboutNamesVersionCommitAndDate();
    void closeEmitsCloseSignal();
    void storedLanguageTranslatesWindow();

private:
    QTemporaryDir m_dir;
};

void TestMainWindow::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir::setCurrent(m_dir.path()));
    registerResources();
}

// Every case starts from the defaults of a first start.
void TestMainWindow::init()
{
    DbManager *store = DbManager::instance();
    if (!store->isOpen())
        return;
    store->updateAppSetting(DbManager::LanguageSetting, QStringLiteral("S_LANGUAGE"), "2");
    store->updateAppSetting(DbManager::FontSizeSetting, QStringLiteral("S_FONT_SIZE"), "12");
    store->updateAppSetting(DbManager::FontTypeSetting, QStringLiteral("S_FONT_TYPE"), "Arial");
}

void TestMainWindow::startInEmptyDirectory()
{
    QVERIFY(QDir(m_dir.path()).isEmpty());
    QVERIFY(openLocalStore(QStringLiteral("./")));
    QVERIFY(QFileInfo::exists(m_dir.filePath(QStringLiteral("ostrel.db3"))));
    QSqlQuery tables(QStringLiteral("select count(*) from sqlite_master where type = 'table' "
                                    "and name in ('KONFIGURACJA', 'PAMIETNIK', 'USZKODZENIA', "
                                    "'OPROGRAMOWANIE', 'APLIKACJA', 'sl_Jezyki')"));
    QVERIFY(tables.next());
    QCOMPARE(tables.value(0).toInt(), 6);

    MainWindow window;
    QSignalSpy opened(&window, &MainWindow::signalUsbPortOpened);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.windowTitle(), QStringLiteral("Konfigurator Ostrel"));
    QVERIFY(window.isStandalone());
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(isDisconnectedState(window));
    QVERIFY(!window.usbManager()->isOpen());
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Ready"));
    QCOMPARE(window.font().pixelSize(), 12);
    QCOMPARE(window.font().family(), QStringLiteral("Arial"));

    auto *clock = window.findChild<QTimeEdit *>(QStringLiteral("clockEdit"));
    QVERIFY(clock);
    QVERIFY(qAbs(clock->time().secsTo(QTime::currentTime())) <= 2);

    // Each tab already shows what it shows after a port was closed.
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QVERIFY(tabs);
    QCOMPARE(window.centralWidget(), tabs);
    QList<QList<bool>> before;
    for (int i = 0; i < tabs->count(); ++i)
        before.append(enabledStates(tabs->widget(i)));
    emit window.usbManager()->signalUsbPortClosed();
    for (int i = 0; i < tabs->count(); ++i)
        QCOMPARE(enabledStates(tabs->widget(i)), before.at(i));
    if (tabs->count() > 0)
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Konfiguracja"));
    QCOMPARE(opened.count(), 0);
}

void TestMainWindow::portDialogOffersEditablePortList()
{
    MainWindow window;
    FakeDialogs dialogs;
    bool checked = false;
    dialogs.onExec = [&checked](QDialog *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        if (!input)
            return int(QDialog::Rejected);
        checked = true;
        [&] {
            QCOMPARE(input->windowTitle(), QStringLiteral("Port:"));
            QCOMPARE(input->labelText(), QStringLiteral("Wybierz port:"));
            QCOMPARE(input->cancelButtonText(), QStringLiteral("Anuluj"));
            QCOMPARE(input->inputMode(), QInputDialog::TextInput);
            QVERIFY(input->isComboBoxEditable());
            QCOMPARE(input->comboBoxItems(), USBManager::availablePortNames());
        }();
        return int(QDialog::Rejected);
    };
    action(window, "actionConnect")->trigger();
    QVERIFY(checked);
}

void TestMainWindow::shortPortNameDoesNothing()
{
    MainWindow window;
    FakeDialogs dialogs;
    dialogs.onExec = choosePort(QStringLiteral("COM"));
    action(window, "actionConnect")->trigger();
    QCOMPARE(dialogs.execCount, 1);
    QVERIFY(!window.usbManager()->isOpen());
    QVERIFY(isDisconnectedState(window));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Ready"));
}

void TestMainWindow::cancelledPortDialogDoesNothing()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    MainWindow window;
    FakeDialogs dialogs;
    dialogs.onExec = choosePort(pty.slavePath(), QDialog::Rejected);
    action(window, "actionConnect")->trigger();
    QVERIFY(!window.usbManager()->isOpen());
    QVERIFY(isDisconnectedState(window));
}

void TestMainWindow::unopenablePortStaysDisconnected()
{
    MainWindow window;
    FakeDialogs dialogs;
    QSignalSpy opened(&window, &MainWindow::signalUsbPortOpened);
    dialogs.onExec = choosePort(m_dir.filePath(QStringLiteral("no-such-port")));
    QTest::ignoreMessage(QtDebugMsg, "Port nie został otwarty");
    action(window, "actionConnect")->trigger();
    QVERIFY(!window.usbManager()->isOpen());
    QVERIFY(isDisconnectedState(window));
    QCOMPARE(opened.count(), 0);
    QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("no-such-port")));
}

void TestMainWindow::pseudoTerminalConnectsAndCableLossDisconnects()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    MainWindow window;
    FakeDialogs dialogs;
    QSignalSpy opened(&window, &MainWindow::signalUsbPortOpened);
    QSignalSpy closed(&window, &MainWindow::signalUsbPortClosed);
    dialogs.onExec = choosePort(pty.slavePath());

    action(window, "actionConnect")->trigger();
    QVERIFY(window.usbManager()->isOpen());
    QVERIFY(isConnectedState(window));
    QCOMPARE(opened.count(), 1);

    pty.closeMaster();
    QTRY_VERIFY_WITH_TIMEOUT(isDisconnectedState(window), 10000);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!window.usbManager()->isOpen());
    QStringList errorNames;
    for (int error = QSerialPort::DeviceNotFoundError; error <= QSerialPort::NotOpenError; ++error)
        errorNames.append(USBManager::errorName(error));
    QVERIFY2(errorNames.contains(window.statusBar()->currentMessage()),
             qPrintable(window.statusBar()->currentMessage()));
}

void TestMainWindow::disconnectActionClosesPort()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    MainWindow window;
    FakeDialogs dialogs;
    dialogs.onExec = choosePort(QStringLiteral("  %1  ").arg(pty.slavePath()));
    action(window, "actionConnect")->trigger();
    QVERIFY(isConnectedState(window));

    QSignalSpy closed(&window, &MainWindow::signalUsbPortClosed);
    action(window, "actionDisconnect")->trigger();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!window.usbManager()->isOpen());
    QVERIFY(isDisconnectedState(window));

    // The same port can be taken again.
    action(window, "actionConnect")->trigger();
    QVERIFY(isConnectedState(window));
}

void TestMainWindow::settingsOkChangesFontAtOnce()
{
    MainWindow window;
    FakeDialogs dialogs;
    int sizeWhileOpen = 0;
    dialogs.onExec = [&window, &sizeWhileOpen](QDialog *dialog) {
        auto *settings = qobject_cast<AppSettings *>(dialog);
        if (!settings)
            return int(QDialog::Rejected);
        settings->findChild<QSpinBox *>(QStringLiteral("fontSize"))->setValue(14);
        settings->findChild<QFontComboBox *>(QStringLiteral("fontComboBox"))
                ->setCurrentFont(QFont(QStringLiteral("DejaVu Sans")));
        settings->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
                ->button(QDialogButtonBox::Ok)
                ->click();
        sizeWhileOpen = window.font().pixelSize();
        return settings->result();
    };
    action(window, "actionView")->trigger();

    QCOMPARE(dialogs.execCount, 1);
    QCOMPARE(sizeWhileOpen, 14);
    DbManager *store = DbManager::instance();
    QCOMPARE(store->readAppSetting(DbManager::FontSizeSetting), QByteArray("14"));
    QCOMPARE(store->readAppSetting(DbManager::FontTypeSetting), QByteArray("DejaVu Sans"));
    QCOMPARE(window.font().pixelSize(), 14);
    QCOMPARE(window.font().family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(window.statusBar()->font().pixelSize(), 14);
}

void TestMainWindow::settingsCancelKeepsFont()
{
    MainWindow window;
    FakeDialogs dialogs;
    dialogs.onExec = [](QDialog *dialog) {
        dialog->findChild<QSpinBox *>(QStringLiteral("fontSize"))->setValue(20);
        dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
                ->button(QDialogButtonBox::Cancel)
                ->click();
        return dialog->result();
    };
    action(window, "actionView")->trigger();
    QCOMPARE(DbManager::instance()->readAppSetting(DbManager::FontSizeSetting), QByteArray("12"));
    QCOMPARE(window.font().pixelSize(), 12);
}

void TestMainWindow::hostedModeHidesLanguage()
{
    MainWindow window;
    FakeDialogs dialogs;
    QList<bool> languageHidden;
    dialogs.onExec = [&languageHidden](QDialog *dialog) {
        languageHidden.append(
                dialog->findChild<QWidget *>(QStringLiteral("languageWidget"))->isHidden());
        return int(QDialog::Rejected);
    };
    action(window, "actionView")->trigger();
    window.setHostedMode();
    QVERIFY(!window.isStandalone());
    action(window, "actionView")->trigger();
    QCOMPARE(languageHidden, QList<bool>({false, true}));
}

void TestMainWindow::aboutNamesVersionCommitAndDate()
{
    MainWindow window;
    FakeDialogs dialogs;
    QString title;
    QString text;
    dialogs.onExec = [&title, &text](QDialog *dialog) {
        title = dialog->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(dialog))
            text = box->text();
        return int(QMessageBox::Ok);
    };
    action(window, "actionAbout")->trigger();
    QCOMPARE(title, QStringLiteral("O programie konfigurator Ostrel"));
    const QRegularExpression expected(QStringLiteral(
            "^Wersja programu 2\\.08 \\nSHA ([0-9a-f]{40}|unknown) \\nDATA \\d{4}-\\d{2}-\\d{2} $"));
    QVERIFY2(expected.match(text).hasMatch(), qPrintable(text));
}

void TestMainWindow::closeEmitsCloseSignal()
{
    MainWindow window;
    QSignalSpy closing(&window, &MainWindow::closeSignal);
    window.show();
    QVERIFY(window.close());
    QCOMPARE(closing.count(), 1);
}

void TestMainWindow::storedLanguageTranslatesWindow()
{
    DbManager::instance()->updateAppSetting(DbManager::LanguageSetting,
                                            QStringLiteral("S_LANGUAGE"), "1");
    QTranslator english;
    QVERIFY(loadTranslation(english));
    QCoreApplication::installTranslator(&english);
    {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Ostrel Configurator"));
        QCOMPARE(action(window, "actionConnect")->text(), QStringLiteral("&Connect"));
    }
    QCoreApplication::removeTranslator(&english);

    // A language without a translation file keeps the Polish texts.
    DbManager::instance()->updateAppSetting(DbManager::LanguageSetting,
                                            QStringLiteral("S_LANGUAGE"), "7");
    QTranslator none;
    QVERIFY(!loadTranslation(none));
    QCoreApplication::installTranslator(&none);
    MainWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Konfigurator Ostrel"));
    QCoreApplication::removeTranslator(&none);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
