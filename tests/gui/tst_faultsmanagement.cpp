#include "gui/faultsmanagement.h"
#include "recordwindowfixture.h"

#include "config/modul.h"
#include "config/modulefactory.h"
#include "records/uszkodzenia.h"

#include <QTreeView>

class tst_FaultsManagement : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_fixture.open()); }
    void init() { m_fixture.reset(); }

    void readsStoresAndOpensExpandedTree();
    void emptyListAndActivation();
    void deleteWithAndWithoutSelection();
    void pdfExport();

private:
    RecordWindowFixture m_fixture{"USZKODZENIA"};
};

void tst_FaultsManagement::readsStoresAndOpensExpandedTree()
{
    SimLink unit;
    QVERIFY(unit.start({QStringLiteral("--preset"), QStringLiteral("extinguishing")}));
    FaultsManagement window(&unit.link, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAction *read = actionOf(window, "readButton");
    QCOMPARE(read->text(), QStringLiteral("Odczytaj"));
    QCOMPARE(actionOf(window, "printButton")->text(), QStringLiteral("&Drukuj"));
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
    QVERIFY2(isGeneratedName(name, QStringLiteral("S_")), qPrintable(name));
    QCOMPARE(mdi->activeSubWindow()->windowTitle(), name);
    QCOMPARE(mdi->activeSubWindow()->property("ID").toInt(), id);

    // The tree lists the modules with active faults of the stored list, each expanded.
    Uszkodzenia stored;
    stored.parse(DbManager::instance()->readFaults(id));
    QStringList expected;
    for (Modul *module : stored.getModules()) {
        if (!module->getFaults().isEmpty())
            expected << module->getName() + QLatin1Char(' ') + QString::number(module->getNumber());
    }
    QVERIFY(expected.size() >= 2);
    QVERIFY(expected.size() < stored.getModules().size());
    auto *view = qobject_cast<QTreeView *>(mdi->activeSubWindow()->widget());
    QVERIFY(view);
    QAbstractItemModel *tree = view->model();
    QCOMPARE(tree->rowCount(), expected.size());
    for (int row = 0; row < tree->rowCount(); ++row) {
        const QModelIndex module = tree->index(row, 0);
        QCOMPARE(module.data().toString(), expected.at(row));
        QVERIFY(tree->rowCount(module) > 0);
        QVERIFY(view->isExpanded(module));
    }

    unit.link.closePort();
    QVERIFY(!read->isEnabled());
}

void tst_FaultsManagement::emptyListAndActivation()
{
    const int none = DbManager::instance()->writeFaults(QStringLiteral("bez"), QByteArray::fromHex("01f00103000000"));
    const int some = DbManager::instance()->writeFaults(QStringLiteral("z"), QByteArray::fromHex("01f00103000100"));
    FaultsManagement window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QListView *list = listOf(window);
    QMdiArea *mdi = mdiOf(window);
    clickRow(list, 0);
    QCOMPARE(qobject_cast<QTreeView *>(mdi->activeSubWindow()->widget())->model()->rowCount(), 0);
    clickRow(list, 1);
    QCOMPARE(mdi->subWindowList().size(), 2);
    QCOMPARE(window.getCurrentId(), some);
    clickRow(list, 0);
    QCOMPARE(mdi->subWindowList().size(), 2);
    QCOMPARE(mdi->activeSubWindow()->property("ID").toInt(), none);
}

void tst_FaultsManagement::deleteWithAndWithoutSelection()
{
    const int first = DbManager::instance()->writeFaults(QStringLiteral("pierwsza"), QByteArray::fromHex("00"));
    const int second = DbManager::instance()->writeFaults(QStringLiteral("druga"), QByteArray::fromHex("00"));
    FaultsManagement window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QListView *list = listOf(window);
    QMdiArea *mdi = mdiOf(window);
    window.showFaults(uint(first), QStringLiteral("pierwsza"));
    window.showFaults(uint(second), QStringLiteral("druga"));

    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
    actionOf(window, "deleteButton")->trigger();
    QCOMPARE(m_fixture.messages().size(), 1);
    QCOMPARE(m_fixture.messages().at(0).title, QStringLiteral("Usunięcie uszkodzeń"));
    QCOMPARE(m_fixture.messages().at(0).text,
             QStringLiteral("Usunięcie listy uszkodzeń o nazwie: pierwsza"));
    QCOMPARE(mdi->subWindowList().size(), 2);
    QVERIFY(DbManager::instance()->readFaultsName(first).isEmpty());

    QCOMPARE(mdi->activeSubWindow()->property("ID").toInt(), second);
    actionOf(window, "deleteButton")->trigger();
    QCOMPARE(m_fixture.messages().size(), 2);
    QCOMPARE(m_fixture.messages().at(1).text,
             QStringLiteral("Usunięcie listy uszkodzeń o nazwie: druga"));
    QTRY_COMPARE(mdi->subWindowList().size(), 1);
    QCOMPARE(list->model()->rowCount(), 0);
}

void tst_FaultsManagement::pdfExport()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    delete createModule(0xF0, 1);
    const int id = DbManager::instance()->writeFaults(
            QStringLiteral("S_raport"), QByteArray::fromHex("02" "f0010501000001" "00" "f0020401000100"));
    FaultsManagement window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.showFaults(uint(id), QStringLiteral("S_raport"));
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("uszkodzenia.pdf"));
    m_fixture.dialogs().files << pdf;
    actionOf(window, "pdfButton")->trigger();
    const QString text = pdfText(pdf);
    QVERIFY(text.contains(QStringLiteral("Uszkodzenia Ostrel: S_raport")));
    QVERIFY(text.contains(faultText(0xF0, 0).trimmed()));
    QVERIFY(text.contains(faultText(0xF0, 3).trimmed()));
    QVERIFY(text.contains(faultText(0xF0, 2).trimmed()));
}

QTEST_MAIN(tst_FaultsManagement)
#include "tst_faultsmanagement.moc"
