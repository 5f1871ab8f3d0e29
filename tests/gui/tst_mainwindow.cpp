#include "gui/mainwindow.h"
#include "gui/startup.h"
#include "link/usbmanager.h"
#include "store/dbmanager.h"
#include "fakedialogs.h"
#include "ptypair.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontComboBox>
#include <QInputDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QAction *action(MainWindow &window, const char *name)
{
    return window.findChild<QAction *>(QLatin1String(name));
}
// Which of the two connection actions the user can press.
QString offered(MainWindow &window)
{
    QStringList names;
    for (const char *name : {"actionConnect", "actionDisconnect"}) {
        if (action(window, name)->isEnabled())
            names << QLatin1String(name);
    }
    return names.join(QLatin1Char(','));
}
// What a window lets the user press: every widget's and action's enabled flag.
QList<bool> enabledStates(QWidget *page)
{
    QList<bool> states;
    for (const QWidget *widget : page->findChildren<QWidget *>())
        states << widget->isEnabled();
    for (const QAction *each : page->findChildren<QAction *>())
        states << each->isEnabled();
    return states;
}
void storeSetting(uint id, const char *name, const QByteArray &value)
{
    DbManager::instance()->updateAppSetting(id, QLatin1String(name), value);
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void startInEmptyDirectory();
    void init();
    void connectDialog_data();
    void connectDialog();
    void settingsDialog_data();
    void settingsDialog();
    void aboutNamesVersionCommitAndDate();

private:
    QTemporaryDir m_dir;
};

void TestMainWindow::startInEmptyDirectory()
{
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QVERIFY(openLocalStore(QStringLiteral("./")));
    QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("ostrel.db3"))).size() > 0);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Konfigurator Ostrel"));
    QCOMPARE(offered(window), QStringLiteral("actionConnect"));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Ready"));

    // Each tab already shows what it shows after a port was closed.
    auto *tabs = qobject_cast<QTabWidget *>(window.centralWidget());
    QCOMPARE(tabs->count(), 7);
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Konfiguracja"));
    QList<QList<bool>> before;
    for (int i = 0; i < tabs->count(); ++i)
        before << enabledStates(tabs->widget(i));
    emit window.usbManager()->signalUsbPortClosed();
    for (int i = 0; i < tabs->count(); ++i)
        QCOMPARE(enabledStates(tabs->widget(i)), before.at(i));
}

// Every later case starts from the defaults of a first start.
void TestMainWindow::init()
{
    if (!DbManager::instance()->isOpen())
        return;
    storeSetting(DbManager::LanguageSetting, "S_LANGUAGE", "2");
    storeSetting(DbManager::FontSizeSetting, "S_FONT_SIZE", "12");
    storeSetting(DbManager::FontTypeSetting, "S_FONT_TYPE", "Arial");
}

void TestMainWindow::connectDialog_data()
{
    QTest::addColumn<QString>("text"); // "%1" stands for the pseudo-terminal
    QTest::addColumn<QString>("status"); // empty: the port opens
    QTest::newRow("3 characters do nothing") << "COM" << "Ready";
    QTest::newRow("unopenable") << "/nonexistent" << "Port nie został otwarty: /nonexistent";
    QTest::newRow("pseudo-terminal typed with blanks") << "  %1 " << "";
}

void TestMainWindow::connectDialog()
{
    QFETCH(QString, text);
    QFETCH(QString, status);
    PtyPair pty;
    MainWindow window;
    FakeDialogs dialogs;
    dialogs.onExec = [&](QDialog *dialog) {
        // Editable, so that a simulator's path can be typed.
        auto *input = qobject_cast<QInputDialog *>(dialog);
        if (input && input->isComboBoxEditable())
            input->setTextValue(text.contains(QLatin1String("%1")) ? text.arg(pty.slavePath())
                                                                   : text);
        return int(QDialog::Accepted);
    };
    if (status.startsWith(QLatin1String("Port")))
        QTest::ignoreMessage(QtDebugMsg, "Port nie został otwarty");
    action(window, "actionConnect")->trigger();
    QCOMPARE(dialogs.execCount, 1);
    QCOMPARE(window.usbManager()->isOpen(), status.isEmpty());
    if (!status.isEmpty()) {
        QCOMPARE(window.statusBar()->currentMessage(), status);
        return;
    }
    QCOMPARE(offered(window), QStringLiteral("actionDisconnect"));
    action(window, "actionDisconnect")->trigger();
    QCOMPARE(offered(window), QStringLiteral("actionConnect"));
    action(window, "actionConnect")->trigger();
    QVERIFY(window.usbManager()->isOpen());

    // A pulled cable switches the actions back and names the error.
    pty.closeMaster();
    QTRY_COMPARE_WITH_TIMEOUT(offered(window), QStringLiteral("actionConnect"), 10000);
    QStringList errorNames;
    for (int error = QSerialPort::DeviceNotFoundError; error <= QSerialPort::NotOpenError; ++error)
        errorNames << USBManager::errorName(error);
    QVERIFY2(errorNames.contains(window.statusBar()->currentMessage()),
             qPrintable(window.statusBar()->currentMessage()));
}

void TestMainWindow::settingsDialog_data()
{
    QTest::addColumn<QByteArray>("language"); // stored before
    QTest::addColumn<bool>("hosted");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("row"); // the language row shown
    QTest::addColumn<QByteArrayList>("stored"); // language, font size and family after
    const int ok = QDialogButtonBox::Ok;
    const QByteArrayList chosen{"1", "14", "DejaVu Sans"};
    QTest::newRow("OK stores, the font follows") << QByteArray("2") << false << ok << 1 << chosen;
    QTest::newRow("Cancel stores nothing") << QByteArray("2") << false
                                           << int(QDialogButtonBox::Cancel) << 1
                                           << QByteArrayList{"2", "12", "Arial"};
    QTest::newRow("no such language") << QByteArray("7") << false << ok << -1
                                      << QByteArrayList{"7", "14", "DejaVu Sans"};
    QTest::newRow("hosted: no language to pick") << QByteArray("5") << true << ok << 4
                                                 << QByteArrayList{"5", "14", "DejaVu Sans"};
}

void TestMainWindow::settingsDialog()
{
    QFETCH(QByteArray, language);
    QFETCH(bool, hosted);
    QFETCH(int, button);
    QFETCH(int, row);
    QFETCH(QByteArrayList, stored);
    storeSetting(DbManager::LanguageSetting, "S_LANGUAGE", language);
    MainWindow window;
    if (hosted)
        window.setHostedMode();
    FakeDialogs dialogs;
    int shownRow = -2;
    dialogs.onExec = [button, &shownRow](QDialog *dialog) {
        // The technician picks the first language when the row is shown and has a choice.
        auto *languages = dialog->findChild<QComboBox *>(QStringLiteral("languageBox"));
        shownRow = languages->currentIndex();
        if (!dialog->findChild<QWidget *>(QStringLiteral("languageWidget"))->isHidden()
            && shownRow >= 0)
            languages->setCurrentIndex(0);
        dialog->findChild<QSpinBox *>(QStringLiteral("fontSize"))->setValue(14);
        dialog->findChild<QFontComboBox *>(QStringLiteral("fontComboBox"))
                ->setCurrentFont(QFont(QStringLiteral("DejaVu Sans")));
        dialog->findChild<QDialogButtonBox *>()
                ->button(QDialogButtonBox::StandardButton(button))
                ->click();
        return dialog->result();
    };
    action(window, "actionView")->trigger();
    QCOMPARE(shownRow, row);
    DbManager *store = DbManager::instance();
    QCOMPARE(QByteArrayList({store->readAppSetting(DbManager::LanguageSetting),
                             store->readAppSetting(DbManager::FontSizeSetting),
                             store->readAppSetting(DbManager::FontTypeSetting)}),
             stored);
    QCOMPARE(window.font().pixelSize(), stored.at(1).toInt());
    QCOMPARE(window.font().family(), QString::fromUtf8(stored.at(2)));
}

void TestMainWindow::aboutNamesVersionCommitAndDate()
{
    MainWindow window;
    FakeDialogs dialogs(QMessageBox::Ok);
    action(window, "actionAbout")->trigger();
    const QRegularExpression expected(QStringLiteral(
            "^box\\|O programie konfigurator Ostrel\\|Wersja programu 2\\.08 \\n"
            "SHA ([0-9a-f]{40}|unknown) \\nDATA \\d{4}-\\d{2}-\\d{2} \\|"));
    QCOMPARE(dialogs.shown.size(), 1);
    QVERIFY2(expected.match(dialogs.lines().first()).hasMatch(),
             qPrintable(dialogs.lines().first()));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
