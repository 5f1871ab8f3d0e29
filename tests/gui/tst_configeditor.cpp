#include "fakedialogs.h"

#include "gui/configeditor.h"
#include "gui/configsortfilterproxymodel.h"
#include "gui/treemodel.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include <memory>

namespace {

// PSL nr 1 declared, PSL nr 2 not.
std::unique_ptr<ConfigEditor> makeEditor()
{
    auto editor = std::make_unique<ConfigEditor>();
    auto *config = new Konfiguracja(nullptr);
    config->addModule(createModule(0xF0, 1));
    config->addModule(createModule(0xF0, 2));
    config->getModule(0)->getSetting(0)->setValue(1);
    config->getModule(1)->getSetting(0)->setValue(0);
    editor->setModel(new TreeModel(config, editor.get()));
    editor->setProperty("ID", 17u);
    editor->setProperty("NAME", QStringLiteral("Hala A"));
    return editor;
}

QStringList shownSettings(const QAbstractItemModel *proxy, int moduleRow)
{
    QStringList names;
    const QModelIndex module = proxy->index(moduleRow, 0);
    for (int row = 0; row < proxy->rowCount(module); ++row)
        names << proxy->index(row, 0, module).data().toString();
    return names;
}

QStringList shownModules(const QAbstractItemModel *proxy)
{
    QStringList names;
    for (int row = 0; row < proxy->rowCount(); ++row)
        names << proxy->index(row, 0).data().toString();
    return names;
}

} // namespace

class TestConfigEditor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void formAndModel();
    void filterIsLiteralAndIgnoresCase_data();
    void filterIsLiteralAndIgnoresCase();
    void undeclaredModules();
    void saveEmitsOnceWithEmptyName();
    void closingUnchangedAsksNothing();
    void closingChangedAsksOnceAndNoDiscards();
    void closingChangedAndYesSaves();
    void expandAndCollapse();
    void longNamesAreNotCut();
};

void TestConfigEditor::initTestCase()
{
    buildOptionLists();
    initFaultTextTables();
}

void TestConfigEditor::formAndModel()
{
    ConfigEditor editor;
    QVERIFY(!editor.setModel(nullptr));
    auto editorWithModel = makeEditor();
    QAbstractItemModelTester tester(editorWithModel->proxyModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestConfigEditor::filterIsLiteralAndIgnoresCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("shown");
    QTest::newRow("empty shows all") << QString() << 29;
    QTest::newRow("lower case") << QStringLiteral("ls1 - t") << 4; // tryb, T1, T2, T3
    QTest::newRow("mixed case") << QStringLiteral("Ls2 - LICZBA") << 1;
    QTest::newRow("dot is no wildcard") << QStringLiteral("LS. - T") << 0;
    QTest::newRow("star is no wildcard") << QStringLiteral("LS*") << 0;
    QTest::newRow("brackets are no class") << QStringLiteral("LS[12]") << 0;
}

void TestConfigEditor::filterIsLiteralAndIgnoresCase()
{
    QFETCH(QString, text);
    QFETCH(int, shown);
    auto editor = makeEditor();
    editor->findChild<QLineEdit *>(QStringLiteral("filterModule"))->setText(text);
    const QAbstractItemModel *proxy = editor->proxyModel();
    QCOMPARE(shownModules(proxy), QStringList{QStringLiteral("PSL 1")});
    const QStringList names = shownSettings(proxy, 0);
    QCOMPARE(names.size(), shown);
    for (const QString &name : names)
        QVERIFY2(name.contains(text, Qt::CaseInsensitive), qPrintable(name));

    // "Filtruj" applies the same filter again.
    QTest::mouseClick(editor->findChild<QPushButton *>(QStringLiteral("filtrujButton")),
                      Qt::LeftButton);
    QCOMPARE(shownSettings(proxy, 0).size(), shown);
}

void TestConfigEditor::undeclaredModules()
{
    auto editor = makeEditor();
    editor->show();
    const QAbstractItemModel *proxy = editor->proxyModel();
    auto *box = editor->findChild<QCheckBox *>(QStringLiteral("zadeklarowaneBox"));
    QVERIFY(!box->isChecked());
    QCOMPARE(shownModules(proxy), QStringList{QStringLiteral("PSL 1")});

    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(box->isChecked());
    QCOMPARE(shownModules(proxy), (QStringList{QStringLiteral("PSL 1"), QStringLiteral("PSL 2")}));
    QCOMPARE(shownSettings(proxy, 1).size(), 29);

    // A name filter in force stays in force: the view keeps agreeing with the line edit.
    auto *filter = editor->findChild<QLineEdit *>(QStringLiteral("filterModule"));
    filter->setText(QStringLiteral("ciągłości"));
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(shownSettings(proxy, 1).size(), 4);

    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(shownModules(proxy), QStringList{QStringLiteral("PSL 1")});
}

void TestConfigEditor::saveEmitsOnceWithEmptyName()
{
    auto editor = makeEditor();
    auto *save = editor->findChild<QPushButton *>(QStringLiteral("save"));
    QSignalSpy saved(editor.get(), &ConfigEditor::signalSaveConfig);
    QAbstractItemModel *proxy = editor->proxyModel();
    // LS1 - liczba impulsów, a four-byte number at payload offset 15.
    const QModelIndex cell = proxy->index(6, 1, proxy->index(0, 0));
    QVERIFY(proxy->setData(cell, 0x01020304u, Qt::EditRole));
    QVERIFY(save->isEnabled());

    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(saved.count(), 1);
    QCOMPARE(saved.at(0).at(0).toUInt(), 17u);
    QCOMPARE(saved.at(0).at(1).toString(), QString());
    const QByteArray image = saved.at(0).at(2).toByteArray();
    QCOMPARE(image, editor->model()->konfiguracja()->toByteArray(Konfiguracja::FromDatabase));
    // count, PSL header, declaration byte, then LS1 block: mode, criterion, T1, T2, T3, pulses.
    QCOMPARE(image.mid(4 + 15, 4), QByteArray::fromHex("01020304"));
    QCOMPARE(image.right(1), QByteArray(1, '\0'));
    QVERIFY(!save->isEnabled());

    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(saved.count(), 1);
}

void TestConfigEditor::closingUnchangedAsksNothing()
{
    FakeDialogs dialogs;
    auto editor = makeEditor();
    editor->show();
    QVERIFY(editor->close());
    QVERIFY(dialogs.shown.isEmpty());
}

void TestConfigEditor::closingChangedAsksOnceAndNoDiscards()
{
    FakeDialogs dialogs;
    dialogs.answers << QMessageBox::No;
    auto editor = makeEditor();
    editor->show();
    QSignalSpy saved(editor.get(), &ConfigEditor::signalSaveConfig);
    QAbstractItemModel *proxy = editor->proxyModel();
    proxy->setData(proxy->index(1, 1, proxy->index(0, 0)), 2u, Qt::EditRole);

    QVERIFY(editor->close());
    QCOMPARE(dialogs.lines(),
             QStringList{QStringLiteral("question|Konfiguracja|Konfiguracja Hala A została "
                                        "zmieniona. Czy zapisać zmiany?")});
    QCOMPARE(saved.count(), 0);
    // A second close (the whole window going away) does not ask again.
    editor->show();
    QVERIFY(editor->close());
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(saved.count(), 0);
}

void TestConfigEditor::closingChangedAndYesSaves()
{
    FakeDialogs dialogs;
    dialogs.answers << QMessageBox::Yes;
    auto editor = makeEditor();
    editor->show();
    QSignalSpy saved(editor.get(), &ConfigEditor::signalSaveConfig);
    QAbstractItemModel *proxy = editor->proxyModel();
    proxy->setData(proxy->index(1, 1, proxy->index(0, 0)), 2u, Qt::EditRole);
    QVERIFY(editor->close());
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(saved.count(), 1);
    QCOMPARE(saved.at(0).at(1).toString(), QString());
}

void TestConfigEditor::expandAndCollapse()
{
    auto editor = makeEditor();
    auto *box = editor->findChild<QCheckBox *>(QStringLiteral("zadeklarowaneBox"));
    box->click();
    auto *view = editor->findChild<QTreeView *>(QStringLiteral("configView"));
    auto *expand = editor->findChild<QCheckBox *>(QStringLiteral("expandView"));
    expand->setChecked(true);
    QVERIFY(view->isExpanded(view->model()->index(0, 0)));
    QVERIFY(view->isExpanded(view->model()->index(1, 0)));
    expand->setChecked(false);
    QVERIFY(!view->isExpanded(view->model()->index(0, 0)));
    QVERIFY(!view->isExpanded(view->model()->index(1, 0)));

    // Typing a filter opens the modules so the matches are in sight.
    editor->findChild<QLineEdit *>(QStringLiteral("filterModule"))->setText(QStringLiteral("T2"));
    QVERIFY(view->isExpanded(view->model()->index(0, 0)));
}

void TestConfigEditor::longNamesAreNotCut()
{
    auto editor = makeEditor();
    editor->resize(1280, 800);
    editor->show();
    auto *view = editor->findChild<QTreeView *>(QStringLiteral("configView"));
    QCOMPARE(view->columnWidth(0), 400);
    const QString longest =
            QStringLiteral("Linia sygnałowa LS1 - T1 - czas opóźnienia wysterowania");
    auto *filter = editor->findChild<QLineEdit *>(QStringLiteral("filterModule"));
    filter->setText(QStringLiteral("LS1 - T1"));
    const int needed = view->fontMetrics().horizontalAdvance(longest) + view->indentation();
    QVERIFY2(needed > 400, "the name must be wider than the starting column for this check");
    QTRY_VERIFY2(view->columnWidth(0) >= needed,
                 qPrintable(QStringLiteral("%1 < %2").arg(view->columnWidth(0)).arg(needed)));
    // Expanding by hand grows it too, and the branch of an expanded module stays open.
    filter->clear();
    view->collapseAll();
    view->setColumnWidth(0, 400);
    view->expand(view->model()->index(0, 0));
    QTRY_VERIFY(view->columnWidth(0) >= needed);
    QVERIFY(view->isExpanded(view->model()->index(0, 0)));
}

QTEST_MAIN(TestConfigEditor)
#include "tst_configeditor.moc"
