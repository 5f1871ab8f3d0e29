// ctest-labels: eventlog
#include "gui/eventsmanagement.h"
#include "gui/faultsmanagement.h"
#include "gui/softwaremanagement.h"
#include "gui/startup.h"
#include "config/modulefactory.h"
#include "fakedialogs.h"
#include "link/usbmanager.h"
#include "records/pamietnik.h"
#include "records/recordcsv.h"
#include "simprocess.h"
#include "store/dbmanager.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

#include <memory>

// The event-register, faults and software windows share their flows: each row runs one of them.
namespace {
enum Kind { Events, Faults, Software };

std::unique_ptr<RecordManagement> makeWindow(int kind, USBManager *link)
{
    if (kind == Events)
        return std::make_unique<EventsManagement>(link, nullptr);
    if (kind == Faults)
        return std::make_unique<FaultsManagement>(link, nullptr);
    return std::make_unique<SoftwareManagement>(link, nullptr);
}

void storeRecord(int kind, const QString &name, const QByteArray &data)
{
    static int (DbManager::*const write[])(QString, QByteArray) = {
            &DbManager::writeLog, &DbManager::writeFaults, &DbManager::writeSoftwareVersions};
    (DbManager::instance()->*write[kind])(name, data);
}

QAction *action(QWidget *window, const char *button)
{
    return window->findChild<QToolButton *>(QLatin1String(button))->defaultAction();
}

// The text of a report, laid out as on the page.
QString pdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    return pdftotext.waitForFinished(60000) ? QString::fromUtf8(pdftotext.readAllStandardOutput())
                                            : QStringLiteral("pdftotext is needed");
}

void clickRow(QListView *list, int row)
{
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}
} // namespace

class tst_RecordManagement : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid() && DbManager::instance()->openDatabase(m_dir.path()));
        createStoreTables(*DbManager::instance());
        initFaultTextTables();
    }
    void init()
    {
        for (const char *table : {"PAMIETNIK", "USZKODZENIA", "OPROGRAMOWANIE"})
            QSqlQuery().exec(QLatin1String("DELETE FROM ") + QLatin1String(table));
    }
    // A filter field's clear button fades in through an animation of Qt's own that nothing owns;
    // it ends, and frees itself, only on a later tick of the event loop. Letting the loop run after
    // each case keeps those animations from outliving the test (a leak report at exit).
    void cleanup()
    {
        QTest::qWait(300);
    }
    void readFromUnit_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("simArgument");
        QTest::newRow("events") << int(Events) << "L_" << "--log-entries=3";
        QTest::newRow("faults") << int(Faults) << "S_" << "--preset=extinguishing";
        QTest::newRow("software") << int(Software) << "S_" << "--preset=extinguishing";
    }
    void readFromUnit()
    {
        QFETCH(int, kind);
        QFETCH(QString, prefix);
        QFETCH(QString, simArgument);
        SimProcess sim(ostrelSimPath(), {QStringLiteral("--fast"), simArgument});
        QVERIFY(sim.start());
        USBManager link;
        const auto window = makeWindow(kind, &link);
        window->show();
        QAction *read = action(window.get(), "readButton");
        QVERIFY(!read->isEnabled());
        QVERIFY(link.openPort(sim.portName()));
        QVERIFY(read->isEnabled());

        // Software lists are stored only when asked for through the window, one per request.
        QSignalSpy answers(&link, &USBManager::signalReceivedPacket);
        QByteArray unrequested;
        Device::buildFrame(Device::ReadSoftware, QByteArray(2, '\0'), unrequested);
        const auto answerArrives = [&] {
            answers.clear();
            link.queueFrame(unrequested);
            QTRY_VERIFY_WITH_TIMEOUT(!answers.isEmpty(), 15000);
        };
        QAbstractItemModel *list = window->findChild<QListView *>(QStringLiteral("lista"))->model();
        if (kind == Software) {
            answerArrives();
            QCOMPARE(list->rowCount(), 0);
        }

        read->trigger();
        auto *mdi = window->findChild<QMdiArea *>(QStringLiteral("mdiArea"));
        QTRY_COMPARE_WITH_TIMEOUT(mdi->subWindowList().size(), 1, 15000);
        QCOMPARE(list->rowCount(), 1);
        const QString name = list->index(0, 0).data().toString();
        const int id = list->index(0, 1).data().toInt();
        const QRegularExpression stamp("^" + prefix + R"(\d{4}(_\d\d){2}_\d\d(:\d\d){2}$)");
        QVERIFY2(stamp.match(name).hasMatch(), qPrintable(name));
        QCOMPARE(mdi->activeSubWindow()->windowTitle(), name);
        QCOMPARE(window->getCurrentId(), id);

        QWidget *view = mdi->activeSubWindow()->widget();
        if (kind == Events) {
            // The newest of the three events is on top.
            Pamietnik stored;
            stored.parse(DbManager::instance()->readLog(id));
            QAbstractItemModel *table = view->findChild<QTableView *>()->model();
            QCOMPARE(table->rowCount(), 3);
            QCOMPARE(table->index(0, 0).data().toString(),
                     Pamietnik::dateTimeText(stored.getEvents().at(2)));
        } else if (kind == Faults) {
            auto *tree = qobject_cast<QTreeView *>(view);
            QVERIFY(tree->model()->rowCount() >= 2);
            for (int row = 0; row < tree->model()->rowCount(); ++row)
                QVERIFY(tree->isExpanded(tree->model()->index(row, 0)));
        } else {
            answerArrives();
            QCOMPARE(list->rowCount(), 1);
            QCOMPARE(mdi->subWindowList().size(), 1);
        }

        link.closePort();
        QVERIFY(!read->isEnabled());
        // The window goes with its tab open.
    }
    // Per window: a record, the message of its deletion ("title|text") and its report's title.
    // What the reports hold is the records' own tests' business; here the window picks the record.
    void openReportAndDelete_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("deleted");
        QTest::addColumn<QString>("title");
        QTest::newRow("events") << int(Events) << QByteArray::fromHex("1803050e07090af1")
                << "Usunięcie rejestru zdarzeń|Usunięcie rejestru zdarzeń o nazwie: %1"
                << "Zdarzenia Ostrel: raport";
        QTest::newRow("faults") << int(Faults) << QByteArray::fromHex("01f0010501000001")
                << "Usunięcie uszkodzeń|Usunięcie listy uszkodzeń o nazwie: %1"
                << "Uszkodzenia Ostrel: raport";
        QTest::newRow("software") << int(Software) << QByteArray::fromHex("f00123120b")
                << "Usunięcie wersji oprogramowania|Usunięcie wersji o nazwie: %1"
                << "Oprogramowanie Ostrel: raport";
    }
    void openReportAndDelete()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, data);
        QFETCH(QString, deleted);
        QFETCH(QString, title);
        storeRecord(kind, QStringLiteral("a"), data);
        storeRecord(kind, QStringLiteral("raport"), data);
        FakeDialogs dialogs(QMessageBox::Yes);
        QTemporaryDir out;
        dialogs.files << out.filePath(QStringLiteral("raport"));
        const auto window = makeWindow(kind, nullptr);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *list = window->findChild<QListView *>(QStringLiteral("lista"));
        // The reports are of the record chosen in the list.
        list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::Select);
        action(window.get(), "pdfButton")->trigger();
        const QString text = pdfText(out.filePath(QStringLiteral("raport.pdf")));
        QVERIFY2(text.startsWith(title), qPrintable(text));
        // The next export proposes the folder chosen, under the record's name.
        dialogs.files << QString();
        action(window.get(), "pdfButton")->trigger();
        const QList<ShownDialog> saves = dialogs.ofKind("save");
        QCOMPARE(saves.size(), 2);
        QCOMPARE(saves.at(1).value + '/' + saves.at(1).text, out.filePath("raport.pdf"));
        action(window.get(), "printButton")->trigger();
        QCOMPARE(dialogs.execCount, 1);
        dialogs.shown.clear();

        auto *mdi = window->findChild<QMdiArea *>(QStringLiteral("mdiArea"));
        const auto activeTab = [mdi] { return mdi->activeSubWindow()->windowTitle(); };
        const auto reported = [&](const char *name) { return "information|" + deleted.arg(name); };

        clickRow(list, 0);
        clickRow(list, 1);
        QCOMPARE(activeTab(), QStringLiteral("raport"));
        // A click on a record already open activates its tab.
        clickRow(list, 0);
        QCOMPARE(mdi->subWindowList().size(), 2);
        QCOMPARE(activeTab(), QStringLiteral("a"));
        QCOMPARE(window->getCurrentId(), mdi->activeSubWindow()->property("ID").toInt());

        // The selected record goes; its tab stays open.
        list->selectionModel()->select(list->model()->index(1, 0),
                                       QItemSelectionModel::ClearAndSelect);
        action(window.get(), "deleteButton")->trigger();
        QCOMPARE(dialogs.lines("information"), QStringList(reported("raport")));
        QCOMPARE(list->model()->rowCount(), 1);
        QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("a"));
        QCOMPARE(mdi->subWindowList().size(), 2);

        // Without a selection the active tab's record goes, and its tab with it.
        list->selectionModel()->clear();
        action(window.get(), "deleteButton")->trigger();
        QCOMPARE(dialogs.lines("information"), QStringList({reported("raport"), reported("a")}));
        QCOMPARE(list->model()->rowCount(), 0);
        QTRY_COMPARE(mdi->subWindowList().size(), 1);

        // A tab whose record is gone already only closes: nothing is deleted or reported.
        QTRY_COMPARE(activeTab(), QStringLiteral("raport"));
        action(window.get(), "deleteButton")->trigger();
        QTRY_COMPARE(mdi->subWindowList().size(), 0);
        action(window.get(), "deleteButton")->trigger();
        QCOMPARE(dialogs.shown.size(), 4);
    }
    // With a filter hiding rows in the register's tab, each report offers the visible rows; the
    // whole register stays the default. Rows: the action, the button pressed, and whether the
    // report holds only the rows the filter shows (null: nothing is made).
    void filteredReport_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QVariant>("visibleOnly");
        const QString visible = QStringLiteral("tylko widoczne wiersze");
        QTest::newRow("CSV, visible rows") << "csvButton" << visible << QVariant(true);
        QTest::newRow("CSV, whole") << "csvButton" << "Całość" << QVariant(false);
        QTest::newRow("CSV, unwritable") << "csvButton" << "Całość" << QVariant(false);
        QTest::newRow("PDF, visible rows") << "pdfButton" << visible << QVariant(true);
        QTest::newRow("PDF, unwritable") << "pdfButton" << "Całość" << QVariant(false);
        QTest::newRow("print, cancelled") << "printButton" << "Anuluj" << QVariant();
    }
    void filteredReport()
    {
        QFETCH(QString, button);
        QFETCH(QString, choice);
        QFETCH(QVariant, visibleOnly);
        // Oldest first: PSL 1 events numbered 1 to 5, then PSB 2 ones numbered 6 to 8.
        QByteArray data;
        for (int i = 0; i < 8; ++i)
            data += QByteArray::fromHex("1803050e07") + char(i) + char(i % 3)
                    + char(i < 5 ? 0xF1 : 0xE2);
        storeRecord(Events, QStringLiteral("L_2024_03_05_14:07:09"), data);
        FakeDialogs dialogs;
        dialogs.onExec = [&choice](QDialog *dialog) {
            if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
                for (QAbstractButton *b : box->buttons())
                    if (b->text() == choice)
                        b->click();
            }
            return int(QDialog::Rejected);
        };
        QTemporaryDir out;
        const bool unwritable = QByteArray(QTest::currentDataTag()).endsWith("unwritable");
        const QString file = out.filePath(QStringLiteral("%1r.%2").arg(unwritable ? "brak/" : "",
                                                                     button.left(3)));
        dialogs.files << file;
        const auto window = makeWindow(Events, nullptr);
        clickRow(window->findChild<QListView *>(QStringLiteral("lista")), 0);
        window->findChild<QLineEdit *>(QStringLiteral("filterEdit"))->setText("psb");
        action(window.get(), qPrintable(button))->trigger();

        const QList<ShownDialog> boxes = dialogs.ofKind("box");
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.constFirst().text, "Filtr w zakładce pokazuje 3 z 8 wierszy.");
        QCOMPARE(boxes.constFirst().buttons,
                 QStringList({"Anuluj", "Całość", "tylko widoczne wiersze"}));
        if (visibleOnly.isNull()) {
            QCOMPARE(dialogs.shown.size(), 1);
            QVERIFY(!QFile::exists(file));
        } else if (unwritable) {
            QCOMPARE(dialogs.ofKind("warning").size(), 1);
            QVERIFY(dialogs.ofKind("warning").constFirst().text.contains("brak"));
            QVERIFY(!QFile::exists(file));
        } else if (button == "csvButton") {
            // Under the register's name made fit for a file name.
            QCOMPARE(dialogs.lines("save"), QStringList("save|Eksport CSV|L_2024_03_05_14-07-09"));
            // The visible rows as the tab shows them, newest first, each with its number.
            Pamietnik stored;
            stored.parse(data);
            QFile csv(file);
            QVERIFY(csv.open(QIODevice::ReadOnly));
            QCOMPARE(csv.readAll(), visibleOnly.toBool()
                             ? RecordCsv::events(stored.events(), QVector<int>{7, 6, 5})
                             : RecordCsv::events(stored.events()));
        } else {
            const QString text = pdfText(file);
            QVERIFY2(text.startsWith("Zdarzenia Ostrel: L_2024_03_05_14:07:09"), qPrintable(text));
            QStringList rows;
            const QRegularExpression row(R"(\n\s*(\d+)\s+2024-03-05 14:07:0\d\s+(PS[BL]))");
            for (auto match = row.globalMatch(text); match.hasNext();)
                rows << match.next().capturedTexts().mid(1).join(' ');
            QCOMPARE(rows, QStringList({"8 PSB", "7 PSB", "6 PSB"}));
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_RecordManagement)
#include "tst_recordmanagement.moc"
