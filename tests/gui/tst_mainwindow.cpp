#include "gui/mainwindow.h"
#include "gui/startup.h"
#include "link/usbmanager.h"
#include "store/dbmanager.h"
#include "fakedialogs.h"
#include "ptypair.h"

#include <QSerialPort>
#include <QtTest>
#include <QtWidgets>

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
void storeSetting(AppSetting::Key key, const QByteArray &value)
{
    DbManager::instance()->updateAppSetting(key, value);
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void startInEmptyDirectory()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QVERIFY(openLocalStore(QStringLiteral("./")));
        QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("ostrel.db3"))).size() > 0);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Konfigurator Ostrel"));
        QCOMPARE(offered(window), QStringLiteral("actionConnect"));
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Gotowy"));
        FakeDialogs dialogs(QMessageBox::Ok);
        action(window, "actionAbout")->trigger();
        QVERIFY2(QRegularExpression(QStringLiteral(
                         "^box\\|O programie konfigurator Ostrel\\|Wersja programu 2\\.08 \\n"
                         "SHA ([0-9a-f]{40}|unknown) \\nDATA \\d{4}-\\d{2}-\\d{2} \\|"))
                         .match(dialogs.lines().value(0))
                         .hasMatch(),
                 qPrintable(dialogs.lines().value(0)));

        // Each tab already shows what it shows after a port was closed.
        auto *tabs = qobject_cast<QTabWidget *>(window.centralWidget());
        QCOMPARE(tabs->count(), 8); // the seven described tabs and "Przeglądy"
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Konfiguracja"));
        QList<QList<bool>> before;
        for (int i = 0; i < tabs->count(); ++i)
            before << enabledStates(tabs->widget(i));
        emit window.usbManager()->signalUsbPortClosed();
        for (int i = 0; i < tabs->count(); ++i)
            QCOMPARE(enabledStates(tabs->widget(i)), before.at(i));
    }
    void connectDialog_data()
    {
        QTest::addColumn<QString>("text"); // "%1" stands for the pseudo-terminal
        QTest::addColumn<QString>("status"); // empty: the port opens
        QTest::newRow("3 characters do nothing") << "COM" << "Gotowy";
        QTest::newRow("unopenable") << "/nonexistent" << "Port nie został otwarty: /nonexistent";
        QTest::newRow("refused address") << "127.0.0.1:1" << "Port nie został otwarty: 127.0.0.1:1";
        QTest::newRow("pseudo-terminal typed with blanks") << "  %1 " << "";
    }
    void connectDialog()
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

        // A pulled cable switches the actions back and says why in words, not the error's name.
        pty.closeMaster();
        QTRY_COMPARE_WITH_TIMEOUT(offered(window), QStringLiteral("actionConnect"), 10000);
        const QString error = window.statusBar()->currentMessage();
        QVERIFY2(error == "Port zamknięty: " + USBManager::errorExplanation(QSerialPort::ReadError)
                         || error == "Port zamknięty: "
                                         + USBManager::errorExplanation(QSerialPort::ResourceError),
                 qPrintable(error));
    }
    void settingsDialog_data()
    {
        QTest::addColumn<QString>("language"); // stored before
        QTest::addColumn<bool>("hosted");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("pick"); // the language row the technician picks; -1: none
        QTest::addColumn<int>("row"); // the language row shown
        QTest::addColumn<QString>("stored"); // language, font size and family after
        QTest::addColumn<bool>("told"); // that a new language applies after a restart
        QTest::newRow("OK stores, the font follows")
                << "2" << false << true << 0 << 1 << "1,14,DejaVu Sans" << true;
        QTest::newRow("the same language") << "2" << false << true << 1 << 1
                                           << "2,14,DejaVu Sans" << false;
        QTest::newRow("Cancel stores nothing") << "2" << false << false << 0 << 1 << "2,12,Arial"
                                               << false;
        QTest::newRow("no such language") << "7" << false << true << -1 << -1
                                          << "7,14,DejaVu Sans" << false;
        QTest::newRow("hosted: no language to pick")
                << "5" << true << true << -1 << 4 << "5,14,DejaVu Sans" << false;
    }
    // Each language by its own name over the stored rows, which stay as they are.
    void settingsDialog()
    {
        QFETCH(QString, language);
        QFETCH(bool, hosted);
        QFETCH(bool, ok);
        QFETCH(int, pick);
        QFETCH(int, row);
        QFETCH(QString, stored);
        QFETCH(bool, told);
        storeSetting(AppSetting::Language, language.toUtf8());
        storeSetting(AppSetting::FontSize, "12");
        storeSetting(AppSetting::FontType, "Arial");
        MainWindow window;
        if (hosted)
            window.setHostedMode();
        FakeDialogs dialogs;
        int shownRow = -2;
        QStringList names;
        bool languageHidden = false;
        dialogs.onExec = [&](QDialog *dialog) {
            auto *languages = dialog->findChild<QComboBox *>(QStringLiteral("languageBox"));
            shownRow = languages->currentIndex();
            for (int i = 0; i < languages->count(); ++i)
                names << languages->itemText(i);
            languageHidden = dialog->findChild<QWidget *>(QStringLiteral("languageWidget"))
                                     ->isHidden();
            if (pick >= 0)
                languages->setCurrentIndex(pick);
            dialog->findChild<QSpinBox *>(QStringLiteral("fontSize"))->setValue(14);
            dialog->findChild<QFontComboBox *>(QStringLiteral("fontComboBox"))
                    ->setCurrentFont(QFont(QStringLiteral("DejaVu Sans")));
            dialog->findChild<QDialogButtonBox *>()
                    ->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
                    ->click();
            return dialog->result();
        };
        action(window, "actionView")->trigger();
        QCOMPARE(shownRow, row);
        QCOMPARE(languageHidden, hosted);
        QCOMPARE(names, (QStringList{"English", "Polski", "Русский", "Українська", "Deutsch"}));
        DbManager *store = DbManager::instance();
        QCOMPARE(store->readAppSetting(AppSetting::Language) + ','
                         + store->readAppSetting(AppSetting::FontSize) + ','
                         + store->readAppSetting(AppSetting::FontType),
                 stored.toUtf8());
        QCOMPARE(QString::number(window.font().pixelSize()) + ',' + window.font().family(),
                 stored.section(QLatin1Char(','), 1));
        QCOMPARE(dialogs.lines("information"),
                 told ? QStringList("information|Ustawienia aplikacji|Wybrany język interfejsu "
                                    "zostanie użyty po ponownym uruchomieniu programu.")
                      : QStringList());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
