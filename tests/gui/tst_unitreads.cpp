// ctest-labels: trust
// Reads that always end: a silent unit ends each window's read with a message and nothing
// stored, a question held open on an answer does not stall the link, and cancelling a read
// leaves the technician's choice of configuration alone.
#include "gui/configmanagement.h"
#include "gui/detailsmanagement.h"
#include "gui/mainwindow.h"
#include "config/konfiguracja.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "fakedialogs.h"
#include "link/usbmanager.h"
#include "ptypair.h"
#include "simprocess.h"
#include "store/dbmanager.h"

#include <QDateTimeEdit>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {
int rows(const QString &table)
{
    QSqlQuery query(QStringLiteral("SELECT COUNT(*) FROM ") + table);
    return query.next() ? query.value(0).toInt() : -1;
}

QByteArray frame(Device::COMMAND command, const QByteArray &payload)
{
    QByteArray bytes;
    Device::buildFrame(command, payload, bytes);
    return bytes;
}

// Holds every name prompt open in a real modal dialog for a while, as a slow technician does.
struct SlowNameDialogs : FakeDialogs
{
    int holdMs = 0;
    QString getText(QWidget *parent, const QString &, const QString &, const QString &,
                    bool *ok) override
    {
        QDialog dialog(parent);
        QTimer::singleShot(holdMs, &dialog, &QDialog::accept);
        *ok = dialog.exec() == QDialog::Accepted;
        return QStringLiteral("Po pytaniu");
    }
};
} // namespace

class tst_UnitReads : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void silentUnitEndsRead_data();
    void silentUnitEndsRead();
    void questionDoesNotStallTheLink();
    void serviceButtonsNeedAnAnsweringUnit();
    void cancelKeepsTheChosenConfiguration_data();
    void cancelKeepsTheChosenConfiguration();

private:
    QTemporaryDir m_dir;
};

void tst_UnitReads::initTestCase()
{
    buildOptionLists();
    initFaultTextTables();
    QVERIFY(m_dir.isValid() && DbManager::instance()->openDatabase(m_dir.path()));
    DbManager::instance()->initTables();
}

void tst_UnitReads::init()
{
    for (const char *table : {"PAMIETNIK", "USZKODZENIA", "OPROGRAMOWANIE", "KONFIGURACJA"})
        QSqlQuery().exec(QLatin1String("DELETE FROM ") + QLatin1String(table));
}

void tst_UnitReads::silentUnitEndsRead_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QString>("table"); // where a read stores; empty: the clock display
    QTest::addColumn<QByteArray>("late"); // an answer that comes after the read was given up
    const QByteArray faults = QByteArray::fromHex("01") + QByteArray(4, '\1');
    QTest::newRow("configuration") << 0 << "readButton" << "KONFIGURACJA"
                                   << frame(Device::ConfigData, QByteArray::fromHex("00"));
    QTest::newRow("event log") << 1 << "readButton" << "PAMIETNIK" << QByteArray();
    QTest::newRow("faults") << 3 << "readButton" << "USZKODZENIA"
                            << frame(Device::FaultsData, faults);
    QTest::newRow("software") << 4 << "readButton" << "OPROGRAMOWANIE"
                              << frame(Device::SoftwareData, QByteArray::fromHex("0101"));
    QTest::newRow("clock") << 5 << "readTimeButton" << QString() << QByteArray();
}

// In the whole program, with the live view polling too: the unit never answers, so the link
// gives the request up after its third write and the window says so.
void tst_UnitReads::silentUnitEndsRead()
{
    QFETCH(int, tab);
    QFETCH(QString, buttonName);
    QFETCH(QString, table);
    QFETCH(QByteArray, late);
    FakeDialogs dialogs;
    PtyPair pty;
    QVERIFY(pty.isValid());
    MainWindow window;
    window.show();
    auto *tabs = qobject_cast<QTabWidget *>(window.centralWidget());
    tabs->setCurrentIndex(tab);
    QWidget *page = tabs->widget(tab);
    auto *clock = page->findChild<QDateTimeEdit *>(QStringLiteral("dateReadTimeEdit"));
    const QDateTime shown = clock ? clock->dateTime() : QDateTime();
    QVERIFY(window.usbManager()->openPort(pty.slavePath()));
    auto *read = page->findChild<QAbstractButton *>(buttonName);
    QTRY_VERIFY(read->isEnabled());
    // Let the idle polls pile up in front of the read, as they do while a technician looks.
    QTest::qWait(3000);
    read->click();
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.ofKind(QStringLiteral("warning")).size(), 1, 30000);
    QVERIFY2(dialogs.ofKind(QStringLiteral("warning"))
                     .first()
                     .text.startsWith(QStringLiteral("Urządzenie nie odpowiada\n")),
             qPrintable(dialogs.lines().join('\n')));
    QTRY_VERIFY(read->isEnabled());
    if (!late.isEmpty())
        QVERIFY(pty.write(late));
    QTest::qWait(500);
    if (clock)
        QCOMPARE(clock->dateTime(), shown);
    else
        QCOMPARE(rows(table), 0);
    QCOMPARE(dialogs.ofKind(QStringLiteral("getText")).size(), 0);
    window.usbManager()->closePort();
}

// A name prompt held open for 30 s on the answer it names, while the idle clock reads go on:
// the link keeps taking answers, so nothing is repeated, lost or garbled.
void tst_UnitReads::questionDoesNotStallTheLink()
{
    SimProcess sim(ostrelSimPath(), {QStringLiteral("--fast")});
    QVERIFY(sim.start());
    SlowNameDialogs dialogs;
    dialogs.holdMs = 30000;
    USBManager link;
    ConfigManagement window(&link, nullptr);
    window.show();
    QVERIFY(link.openPort(sim.portName()));
    int clockAnswers = 0;
    connect(&link, &USBManager::signalReceivedPacket, this, [&](Device::COMMAND command) {
        clockAnswers += command == Device::ClockData;
    });
    window.findChild<QToolButton *>(QStringLiteral("readButton"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(rows(QStringLiteral("KONFIGURACJA")), 1, 60000);
    QVERIFY2(clockAnswers >= 10, qPrintable(QString::number(clockAnswers)));
    QCOMPARE(link.repeatCount(), 0);
    QCOMPARE(link.droppedCount(), 0);
    QCOMPARE(link.rejectedCount(), 0);
}

// Calibration and the self-test cannot run on a unit that does not answer.
void tst_UnitReads::serviceButtonsNeedAnAnsweringUnit()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    USBManager link;
    DetailsManagement window(&link, nullptr);
    auto *calibrate = window.findChild<QPushButton *>(QStringLiteral("buttonCalibr"));
    auto *test = window.findChild<QPushButton *>(QStringLiteral("buttonTest"));
    QVERIFY(link.openPort(pty.slavePath()));
    QTRY_VERIFY_WITH_TIMEOUT(!calibrate->isEnabled() && !test->isEnabled(), 5000);
    QVERIFY(pty.write(frame(Device::LiveStateData, QByteArray(1, '\0'))));
    QTRY_VERIFY(calibrate->isEnabled() && test->isEnabled());
}

void tst_UnitReads::cancelKeepsTheChosenConfiguration_data()
{
    QTest::addColumn<bool>("atPrompt"); // cancel the name prompt, or the read under way
    QTest::newRow("read cancelled") << false;
    QTest::newRow("name prompt cancelled") << true;
}

void tst_UnitReads::cancelKeepsTheChosenConfiguration()
{
    QFETCH(bool, atPrompt);
    PtyPair pty;
    QVERIFY(pty.isValid());
    FakeDialogs dialogs;
    dialogs.texts.enqueue(QString()); // the name prompt is cancelled
    USBManager link;
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
    QVERIFY(link.openPort(pty.slavePath()));
    auto *read = window.findChild<QToolButton *>(QStringLiteral("readButton"));
    QTRY_VERIFY(read->isEnabled());
    read->setFocus();
    read->click();
    if (atPrompt) {
        QVERIFY(pty.write(frame(Device::ConfigData, image)));
        QTRY_COMPARE_WITH_TIMEOUT(dialogs.ofKind(QStringLiteral("getText")).size(), 1, 10000);
    } else {
        auto *cancel = window.findChild<QPushButton *>(QStringLiteral("transferCancel"));
        QTRY_VERIFY(cancel->isVisible());
        cancel->setFocus();
        QTest::mouseClick(cancel, Qt::LeftButton);
    }
    QTRY_VERIFY(read->isEnabled());
    QCOMPARE(rows(QStringLiteral("KONFIGURACJA")), 3);
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first().data().toString(), QStringLiteral("Druga"));
    QCOMPARE(area->activeSubWindow()->windowTitle(), QStringLiteral("Druga"));
    QCOMPARE(window.getCurrentConfigId(), store->findConfigId(QStringLiteral("Druga")));
}

QTEST_MAIN(tst_UnitReads)
#include "tst_unitreads.moc"
