#include "gui/eventsmanagement.h"
#include "recordwindowfixture.h"

#include "config/modulefactory.h"
#include "records/pamietnik.h"

#include <QTableView>

class tst_EventsManagement : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_fixture.open()); }
    void init() { m_fixture.reset(); }

    void readsStoresAndOpens();
    void clickOpensOrActivates();
    void deleteWithSelectionKeepsTab();
    void deleteWithoutSelectionClosesTab();
    void pdfExportAndPreview();

private:
    RecordWindowFixture m_fixture{"PAMIETNIK"};
};

void tst_EventsManagement::readsStoresAndOpens()
{
    SimLink unit;
    QVERIFY(unit.start({QStringLiteral("--log-entries"), QStringLiteral("3")}));
    EventsManagement window(&unit.link, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAction *read = actionOf(window, "readButton");
    QVERIFY(!read->isEnabled());
    QVERIFY(unit.open());
    QVERIFY(read->isEnabled());

    read->trigger();
    QMdiArea *mdi = mdiOf(window);
    QTRY_COMPARE_WITH_TIMEOUT(mdi->subWindowList().size(), 1, 15000);

    QAbstractItemModel *list = listOf(window)->model();
    QCOMPARE(list->rowCount(), 1);
    const QString name = list->index(0, 0).data().toString();
    const int id = list->index(0, 1).data().toInt();
    QVERIFY2(isGeneratedName(name, QStringLiteral("L_")), qPrintable(name));
    QMdiSubWindow *tab = mdi->activeSubWindow();
    QVERIFY(tab);
    QCOMPARE(tab->windowTitle(), name);
    QCOMPARE(tab->property("ID").toInt(), id);
    QCOMPARE(window.getCurrentId(), id);

    // Three records, the third (the newest) on top.
    Pamietnik stored;
    stored.parse(DbManager::instance()->readLog(id));
    QCOMPARE(stored.getEvents().size(), 3);
    auto *view = qobject_cast<QTableView *>(tab->widget());
    QVERIFY(view);
    QCOMPARE(view->property("ID").toInt(), id);
    QAbstractItemModel *table = view->model();
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->columnCount(), 3);
    for (int row = 0; row < 3; ++row) {
        const EventEntry entry = stored.getEvents().at(2 - row);
        QCOMPARE(table->index(row, 0).data().toString(), Pamietnik::dateTimeText(entry));
        QCOMPARE(table->index(row, 1).data().toString(), Pamietnik::eventText(entry));
        QCOMPARE(table->index(row, 2).data().toString(), Pamietnik::moduleText(entry));
    }
    QCOMPARE(view->columnWidth(0), 120);
    QCOMPARE(view->columnWidth(1), 300);
    QCOMPARE(view->columnWidth(2), 50);

    // Every register the unit sends is stored and opened again.
    read->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(mdi->subWindowList().size(), 2, 15000);
    QCOMPARE(list->rowCount(), 2);
    QVERIFY(mdi->activeSubWindow() != tab);

    unit.link.closePort();
    QVERIFY(!read->isEnabled());
}

void tst_EventsManagement::clickOpensOrActivates()
{
    const int first = DbManager::instance()->writeLog(QStringLiteral("pierwszy"),
                                                      QByteArray::fromHex("1803050e07091700"));
    const int second = DbManager::instance()->writeLog(
            QStringLiteral("drugi"), QByteArray::fromHex("1803050e07091700" "1803060e07091700"));
    EventsManagement window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!actionOf(window, "readButton")->isEnabled());
    QListView *list = listOf(window);
    QMdiArea *mdi = mdiOf(window);
    QCOMPARE(list->model()->rowCount(), 2);

    clickRow(list, 0);
    QCOMPARE(mdi->subWindowList().size(), 1);
    QCOMPARE(mdi->activeSubWindow()->windowTitle(), QStringLiteral("pierwszy"));
    QCOMPARE(window.getCurrentId(), first);
    clickRow(list, 1);
    QCOMPARE(mdi->subWindowList().size(), 2);
    QCOMPARE(window.getCurrentId(), second);
    QCOMPARE(qobject_cast<QTableView *>(mdi->activeSubWindow()->widget())->model()->rowCount(), 2);

    clickRow(list, 0);
    QCOMPARE(mdi->subWindowList().size(), 2);
    QCOMPARE(mdi->activeSubWindow()->property("ID").toInt(), first);
    QCOMPARE(window.getCurrentId(), first);
}

void tst_EventsManagement::deleteWithSelectionKeepsTab()
{
    const int kept = DbManager::instance()->writeLog(QStringLiteral("zostaje"), QByteArray());
    const int gone = DbManager::instance()->writeLog(QStringLiteral("usuwany"),
                                                     QByteArray::fromHex("1803050e07091700"));
    EventsManagement window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QListView *list = listOf(window);
    QMdiArea *mdi = mdiOf(window);
    window.showLog(uint(kept), QStringLiteral("zostaje"));
    window.showLog(uint(gone), QStringLiteral("usuwany"));
    QCOMPARE(mdi->subWindowList().size(), 2);

    list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
    actionOf(window, "deleteButton")->trigger();
    QCOMPARE(m_fixture.messages().size(), 1);
    QCOMPARE(m_fixture.messages().at(0).title, QStringLiteral("Usunięcie rejestru zdarzeń"));
    QCOMPARE(m_fixture.messages().at(0).text,
             QStringLiteral("Usunięcie rejestru zdarzeń o nazwie: usuwany"));
    QVERIFY(DbManager::instance()->readLog(gone).isNull());
    QVERIFY(!DbManager::instance()->readLog(kept).isNull() || DbManager::instance()->readLogName(kept) == QStringLiteral("zostaje"));
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(mdi->subWindowList().size(), 2);
}

void tst_EventsManagement::deleteWithoutSelectionClosesTab()
{
    const int kept = DbManager::instance()->writeLog(QStringLiteral("zostaje"),
                                                     QByteArray::fromHex("1803050e07091700"));
    const int gone = DbManager::instance()->writeLog(QStringLiteral("usuwany"),
                                                     QByteArray::fromHex("1803050e07091700"));
    EventsManagement window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QMdiArea *mdi = mdiOf(window);
    window.showLog(uint(kept), QStringLiteral("zostaje"));
    window.showLog(uint(gone), QStringLiteral("usuwany"));
    QCOMPARE(mdi->activeSubWindow()->property("ID").toInt(), gone);
    QVERIFY(listOf(window)->selectionModel()->selectedIndexes().isEmpty());

    actionOf(window, "deleteButton")->trigger();
    QCOMPARE(m_fixture.messages().size(), 1);
    QCOMPARE(m_fixture.messages().at(0).text,
             QStringLiteral("Usunięcie rejestru zdarzeń o nazwie: usuwany"));
    QVERIFY(DbManager::instance()->readLogName(gone).isEmpty());
    QCOMPARE(DbManager::instance()->readLogName(kept), QStringLiteral("zostaje"));
    QTRY_COMPARE(mdi->subWindowList().size(), 1);
    QCOMPARE(mdi->subWindowList().at(0)->property("ID").toInt(), kept);
    QCOMPARE(listOf(window)->model()->rowCount(), 1);

    // The tab of a register deleted earlier only closes: nothing is deleted or reported.
    listOf(window)->selectionModel()->select(listOf(window)->model()->index(0, 0),
                                             QItemSelectionModel::ClearAndSelect);
    actionOf(window, "deleteButton")->trigger();
    QCOMPARE(m_fixture.messages().size(), 2);
    QCOMPARE(mdi->subWindowList().size(), 1);
    actionOf(window, "deleteButton")->trigger();
    QCOMPARE(m_fixture.messages().size(), 2);
    QTRY_COMPARE(mdi->subWindowList().size(), 0);
    // With no tab and no selection there is nothing to delete.
    actionOf(window, "deleteButton")->trigger();
    QCOMPARE(m_fixture.messages().size(), 2);
}

void tst_EventsManagement::pdfExportAndPreview()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    QByteArray data;
    for (int i = 0; i < 120; ++i)
        data += QByteArray::fromHex("1803050e0709") + char(i % 35) + char(0xF1);
    data += QByteArray::fromHex("19010203040583f2");
    const int id = DbManager::instance()->writeLog(QStringLiteral("L_raport"), data);
    EventsManagement window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.showLog(uint(id), QStringLiteral("L_raport"));

    QTemporaryDir out;
    m_fixture.dialogs().files << out.filePath(QStringLiteral("rejestr"));
    actionOf(window, "pdfButton")->trigger();
    QCOMPARE(m_fixture.dialogs().lines(QStringLiteral("save")),
             QStringList{QStringLiteral("save|Eksport PDF|nazwa")});
    QFile pdf(out.filePath(QStringLiteral("rejestr.pdf")));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    pdf.close();
    const QString text = pdfText(pdf.fileName());
    QVERIFY(text.contains(QStringLiteral("Zdarzenia Ostrel: L_raport")));
    QVERIFY(text.contains(QStringLiteral("2024-03-05")));
    QVERIFY2(text.contains(QStringLiteral("2025-01-02")), "the last row is printed");
    QVERIFY(text.contains(QStringLiteral("121")));

    actionOf(window, "printButton")->trigger();
    QCOMPARE(m_fixture.dialogs().execCount, 1);
}

QTEST_MAIN(tst_EventsManagement)
#include "tst_eventsmanagement.moc"
