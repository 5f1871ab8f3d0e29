// ctest-labels: transfer trust
// What the technician sees of a transfer: one read per window at a time, the progress strip
// and its cancel, requests that always end (with nothing stored) when the unit falls silent or
// the cable is pulled, a question that does not stall the link, the health widget and what it
// gates, and the status bar's rule for raw traffic.
#include "gui/configmanagement.h"
#include "gui/detailsmanagement.h"
#include "gui/eventsmanagement.h"
#include "gui/linkhealthwidget.h"
#include "gui/mainwindow.h"
#include "gui/startup.h"
#include "gui/transferprogress.h"
#include "config/konfiguracja.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "fakedialogs.h"
#include "link/linkhealth.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"
#include "servicewindows_support.h"
#include "store/dbmanager.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <memory>

namespace {
constexpr int EntriesPerPart = 255;

QAbstractButton *button(QWidget *window, const char *name)
{
    return window->findChild<QAbstractButton *>(QLatin1String(name));
}

// The stored blobs of one table, oldest first.
QByteArrayList stored(const QString &table)
{
    QByteArrayList blobs;
    QSqlQuery query(QStringLiteral("SELECT dane FROM %1 ORDER BY id").arg(table));
    while (query.next())
        blobs << query.value(0).toByteArray();
    return blobs;
}

// Whether the link writes a frame with the command within `ms`.
bool writes(PtyPair &pty, char command, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        const QByteArray frame = pty.readFrame(int(qMax<qint64>(1, ms - timer.elapsed())));
        if (frame.size() > 4 && frame.at(4) == command)
            return true;
    }
    return false;
}

// Holds every name prompt open in a real modal dialog for a while, as a slow technician does.
struct SlowNameDialogs : FakeDialogs
{
    QString getText(QWidget *parent, const QString &, const QString &, const QString &,
                    bool *ok) override
    {
        QDialog dialog(parent);
        QTimer::singleShot(3000, &dialog, &QDialog::accept);
        *ok = dialog.exec() == QDialog::Accepted;
        return QStringLiteral("Po pytaniu");
    }
};
} // namespace

class tst_TransferWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        buildOptionLists();
        initFaultTextTables();
        QVERIFY(m_dir.isValid() && DbManager::instance()->openDatabase(m_dir.path()));
        createStoreTables(*DbManager::instance());
    }
    void init()
    {
        for (const char *table : {"PAMIETNIK", "USZKODZENIA", "OPROGRAMOWANIE", "KONFIGURACJA"})
            QSqlQuery().exec(QLatin1String("DELETE FROM ") + QLatin1String(table));
    }
    // Cancelled at part 7 of 20: nothing stored, even from a late part. The next read, clicked
    // twice and asked for once more, stores exactly one whole register.
    void cancelMidReadThenDoubleClick()
    {
        const int parts = 20;
        SimUnit sim({"--log-entries", QString::number(parts * EntriesPerPart)});
        USBManager &link = sim.link;
        EventsManagement window(&link, nullptr);
        window.show();
        QSignalSpy messages(&link, &USBManager::signalWriteMessage);
        QVERIFY(sim.open());
        TransferProgress *strip = window.transferProgress();
        QString seen, detail;
        const auto cancel = [&](int part) {
            if (part != 7)
                return;
            seen = strip->findChild<QProgressBar *>()->text();
            detail = strip->progressText();
            button(strip, "transferCancel")->click();
        };
        const auto cancelAt7 =
                connect(window.readTracker(), &RequestTracker::signalProgress, &window, cancel);
        QAbstractButton *read = button(&window, "readButton");
        read->click();
        QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), 20000);
        QCOMPARE(seen, QStringLiteral("część 7 z 20"));
        QVERIFY2(detail.startsWith(QStringLiteral("wpisów: %1").arg(7 * EntriesPerPart)),
                 qPrintable(detail));
        QVERIFY(!strip->isVisible());
        // The next part was on the wire already; its late answer may be logged after the notice.
        QVERIFY(std::any_of(messages.cbegin(), messages.cend(), [](const QList<QVariant> &m) {
            return m.at(0).toString().startsWith(QStringLiteral("Anulowano"));
        }));
        QTRY_VERIFY_WITH_TIMEOUT(!link.isOutstanding(Device::ReadEventLog), 5000);
        QVERIFY(!QTest::qWaitFor([] { return !stored("PAMIETNIK").isEmpty(); }, 1500));

        disconnect(cancelAt7);
        QTest::mouseClick(read, Qt::LeftButton);
        QTest::mouseClick(read, Qt::LeftButton);
        window.slotRead();
        QTRY_COMPARE_WITH_TIMEOUT(stored("PAMIETNIK").size(), 1, 30000);
        QVERIFY(!QTest::qWaitFor([] { return stored("PAMIETNIK").size() > 1; }, 1500));
        QCOMPARE(stored("PAMIETNIK").first().size(), parts * EntriesPerPart * 8);
        QVERIFY(read->isEnabled());
    }
    void readEnds_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<char>("command"); // of the request the button sends
        QTest::addColumn<QString>("end");  // "silent", "cancel" (from the busy strip) or "pull"
        QTest::addColumn<QString>("table"); // where a read stores; empty: nothing to store
        QTest::addColumn<QString>("warning"); // how the message starts; empty: none
        const QString silent = QStringLiteral("Urządzenie nie odpowiada\n");
        // The record windows share one read: the event log and the faults stand for them all.
        QTest::newRow("configuration, silent unit") << 0 << "readButton" << char(Device::ReadConfig)
                                                   << "silent" << "KONFIGURACJA" << silent;
        QTest::newRow("event log, silent unit") << 1 << "readButton" << char(Device::ReadEventLog)
                                               << "silent" << "PAMIETNIK" << silent;
        // The clock display follows every clock answer, the idle reads' too: nothing to store.
        QTest::newRow("clock, silent unit") << 5 << "readTimeButton" << char(Device::ReadClock)
                                           << "silent" << QString() << silent;
        QTest::newRow("event log clear, silent unit") << 6 << "sendAckButton"
                << char(Device::ClearEventLog) << "silent" << QString() << silent;
        QTest::newRow("configuration cancelled") << 0 << "readButton" << char(Device::ReadConfig)
                                                << "cancel" << "KONFIGURACJA" << QString();
        QTest::newRow("faults cancelled") << 3 << "readButton" << char(Device::ReadFaults)
                                         << "cancel" << "USZKODZENIA" << QString();
        // The cause in words, not the port error's enum name.
        QTest::newRow("event log, cable pulled")
                << 1 << "readButton" << char(Device::ReadEventLog) << "pull" << "PAMIETNIK"
                << "Połączenie z urządzeniem zostało przerwane (odczyt rejestru zdarzeń)\n"
                   "Przyczyna: ";
    }
    // In the whole program, with the idle polls going on: a request to a unit that never answers
    // is given up after its third write, cancelled from the busy strip (and never written again)
    // or lost with the cable. Either way the window says what happened, stores nothing and can
    // be used again.
    void readEnds()
    {
        QFETCH(int, tab);
        QFETCH(QString, buttonName);
        QFETCH(char, command);
        QFETCH(QString, end);
        QFETCH(QString, table);
        QFETCH(QString, warning);
        FakeDialogs dialogs; // "No" to the clear's question: clear without reading
        PtyPair pty;
        QVERIFY(pty.isValid());
        MainWindow window;
        window.show();
        auto *tabs = qobject_cast<QTabWidget *>(window.centralWidget());
        tabs->setCurrentIndex(tab);
        QWidget *page = tabs->widget(tab);
        auto *clock = page->findChild<QDateTimeEdit *>(QStringLiteral("dateReadTimeEdit"));
        // Given up after three writes 0.3 s apart, polled every 0.4 s: the same code, shorter waits.
        window.usbManager()->setTimeouts(300, 400);
        QVERIFY(window.usbManager()->openPort(pty.slavePath()));
        auto *send = page->findChild<QAbstractButton *>(buttonName);
        QTRY_VERIFY(send->isEnabled());
        const QDateTime shown = clock ? clock->dateTime() : QDateTime();
        // An idle poll is on the wire in front of the request, as while a technician looks.
        QTest::qWait(500);
        send->click();
        QVERIFY(!send->isEnabled());
        if (auto *configSend = page->findChild<QAbstractButton *>(QStringLiteral("sendButton")))
            QVERIFY(!configSend->isEnabled());
        QVERIFY(writes(pty, command, 5000));
        if (end == "cancel") {
            for (auto *cancel : page->findChildren<QPushButton *>(QStringLiteral("transferCancel")))
                if (cancel->isVisible())
                    cancel->click();
            QVERIFY(send->isEnabled());
            QVERIFY(!writes(pty, command, 1000));
        } else if (end == "pull") {
            pty.closeMaster();
        }
        QTRY_COMPARE_WITH_TIMEOUT(dialogs.ofKind("warning").size(), warning.isEmpty() ? 0 : 1,
                                  10000);
        if (!warning.isEmpty()) {
            const QString text = dialogs.ofKind("warning").first().text;
            QVERIFY2(text.startsWith(warning) && !text.contains("Error"), qPrintable(text));
        }
        QTRY_VERIFY(send->isEnabled() || end == "pull");
        for (auto *strip : page->findChildren<QPushButton *>(QStringLiteral("transferCancel")))
            QVERIFY(!strip->isVisible());
        if (clock)
            QCOMPARE(clock->dateTime(), shown);
        QVERIFY(table.isEmpty() || stored(table).isEmpty());
        QCOMPARE(dialogs.ofKind("getText").size(), 0);
    }
    // Three stored configurations, the first two open, the second chosen: cancelling the read
    // (with the focus on the cancel button) leaves the second chosen in the list and in the tabs.
    void cancelKeepsTheChosenConfiguration()
    {
        PtyUnit unit;
        USBManager &link = unit.link;
        ConfigManagement window(&link, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        DbManager *store = DbManager::instance();
        const QByteArray image = Konfiguracja(QStringLiteral("x"), nullptr)
                                         .toByteArray(Konfiguracja::FromDatabase);
        for (const char *name : {"Pierwsza", "Druga", "Trzecia"})
            store->writeConfig(QLatin1String(name), image);
        window.setupModels();
        auto *list = window.findChild<QListView *>(QStringLiteral("listaKonfiguracji"));
        for (int row : {0, 1}) {
            const QRect cell = list->visualRect(list->model()->index(row, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        }
        auto *area = window.findChild<QMdiArea *>(QStringLiteral("mdiArea"));
        QCOMPARE(area->activeSubWindow()->windowTitle(), QStringLiteral("Druga"));
        QVERIFY(unit.open());
        auto *read = window.findChild<QToolButton *>(QStringLiteral("readButton"));
        QTRY_VERIFY(read->isEnabled());
        read->click();
        auto *cancel = window.findChild<QPushButton *>(QStringLiteral("transferCancel"));
        QTRY_VERIFY(cancel->isVisible());
        cancel->setFocus();
        QTest::mouseClick(cancel, Qt::LeftButton);
        QTRY_VERIFY(read->isEnabled());
        QCOMPARE(stored(QStringLiteral("KONFIGURACJA")).size(), 3);
        const QModelIndexList selected = list->selectionModel()->selectedIndexes();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().data().toString(), QStringLiteral("Druga"));
        QCOMPARE(area->activeSubWindow()->windowTitle(), QStringLiteral("Druga"));
        QCOMPARE(window.getCurrentConfigId(), store->findConfigId(QStringLiteral("Druga")));
    }
    // A name prompt held open for 3 s on the answer it names, while the idle clock reads go on:
    // the link keeps taking answers, so nothing is repeated, lost or garbled.
    void questionDoesNotStallTheLink()
    {
        SimUnit sim;
        USBManager &link = sim.link;
        SlowNameDialogs dialogs;
        ConfigManagement window(&link, nullptr);
        window.show();
        link.setTimeouts(1000, 150);
        QVERIFY(sim.open());
        int clockAnswers = 0;
        connect(&link, &USBManager::signalReceivedPacket, this, [&](Device::COMMAND command) {
            clockAnswers += command == Device::ClockData;
        });
        button(&window, "readButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(stored(QStringLiteral("KONFIGURACJA")).size(), 1, 60000);
        QVERIFY2(clockAnswers >= 10, qPrintable(QString::number(clockAnswers)));
        QCOMPARE(link.repeatCount(), 0);
        QCOMPARE(link.droppedCount(), 0);
        QCOMPARE(link.rejectedCount(), 0);
    }
    // A silent unit shows as such one answer time-out after the port opened, not on a later poll;
    // calibration and the self-test wait for an answer, and the live view is marked stale again
    // once the port closes.
    void healthGatesServiceAndLiveView()
    {
        PtyUnit unit;
        USBManager &link = unit.link;
        LinkHealthWidget widget(&link);
        DetailsManagement window(&link, nullptr);
        window.show();
        auto *calibrate = window.findChild<QPushButton *>(QStringLiteral("buttonCalibr"));
        auto *test = window.findChild<QPushButton *>(QStringLiteral("buttonTest"));
        QElapsedTimer clock;
        qint64 silentAt = -1;
        connect(widget.health(), &LinkHealth::signalChanged, this, [&] {
            if (silentAt < 0 && widget.text().contains(QStringLiteral("Centrala nie odpowiada")))
                silentAt = clock.elapsed();
        });
        QVERIFY(unit.open());
        clock.start();
        QVERIFY(!widget.text().contains(QStringLiteral("nie odpowiada")));
        QTRY_VERIFY_WITH_TIMEOUT(silentAt >= 0, 5000);
        QVERIFY2(silentAt <= USBManager::AnswerTimeoutMs + 100,
                 qPrintable(QString::number(silentAt)));
        QVERIFY(!calibrate->isEnabled() && !test->isEnabled() && window.isLiveStale());

        QVERIFY(unit.pty.readFrame(3000).size() > 4); // a live poll is waiting for its answer
        QVERIFY(unit.pty.write(frameOf(Device::LiveStateData, QByteArray(1, '\0'))));
        QTRY_VERIFY(calibrate->isEnabled() && test->isEnabled() && !window.isLiveStale());
        link.closePort();
        QVERIFY(widget.text().contains(QStringLiteral("Brak portu")));
        auto *mark = window.findChild<QLabel *>(QStringLiteral("labelStale"));
        QVERIFY(window.isLiveStale() && mark->isVisible());
        QVERIFY(!window.findChild<QTableWidget *>(QStringLiteral("tableWidget"))->isEnabled());
        QCOMPARE(mark->text(), QStringLiteral("brak danych"));
    }
    // The raw bytes of the answers are the link monitor's, never the status bar's: they would
    // wipe out what the technician has to read.
    void rawTrafficStaysOutOfTheStatusBar()
    {
        MainWindow window;
        QStatusBar *bar = window.statusBar();
        window.slotWriteMessage(QStringLiteral("Anulowano"), 300);
        window.slotWriteMessage(QStringLiteral("02000c"), 0);
        QCOMPARE(bar->currentMessage(), QStringLiteral("Anulowano"));
        QTRY_VERIFY_WITH_TIMEOUT(bar->currentMessage().isEmpty(), 3000);
        window.slotWriteMessage(QStringLiteral("0201"), 0);
        QVERIFY(bar->currentMessage().isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_TransferWindows)
#include "tst_transferwindows.moc"
