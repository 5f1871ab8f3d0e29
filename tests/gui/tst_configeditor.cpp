#include "fakedialogs.h"

#include "gui/configeditor.h"
#include "gui/configsortfilterproxymodel.h"
#include "gui/treemodel.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"

#include <QtTest>
#include <QtWidgets>

// An editor of PSL 1 (declared) and PSL 2 (not), stored as record 17 "Hala A".
class TestConfigEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<ConfigEditor> m_editor;

    template<typename T> T *child(const char *name) const { return m_editor->findChild<T *>(name); }
    // The names shown under a module, or the modules shown.
    QStringList shown(int module = 0) const
    {
        const QAbstractItemModel *proxy = m_editor->proxyModel();
        const QModelIndex parent = module < 0 ? QModelIndex() : proxy->index(module, 0);
        QStringList names;
        for (int row = 0; row < proxy->rowCount(parent); ++row)
            names << proxy->index(row, 0, parent).data().toString();
        return names;
    }

private slots:
    void initTestCase()
    {
        buildOptionLists();
        initFaultTextTables();
    }
    void init()
    {
        m_editor = std::make_unique<ConfigEditor>();
        auto *config = new Konfiguracja(nullptr);
        config->addModule(createModule(0xF0, 1));
        config->addModule(createModule(0xF0, 2));
        config->getModule(0)->getSetting(0)->setValue(1);
        m_editor->setModel(new TreeModel(config, m_editor.get()));
        m_editor->setProperty("ID", 17u);
        m_editor->setProperty("NAME", "Hala A");
        m_editor->resize(1280, 800);
        m_editor->show();
    }

    void filterIsLiteralAndIgnoresCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("empty shows all") << QString() << 29;
        QTest::newRow("lower case") << "ls1 - t" << 4; // tryb, T1, T2, T3
        QTest::newRow("mixed case") << "Ls2 - LICZBA" << 1;
        QTest::newRow("dot is no wildcard") << "LS. - T" << 0;
        QTest::newRow("star is no wildcard") << "LS*" << 0;
        QTest::newRow("brackets are no class") << "LS[12]" << 0;
    }
    void filterIsLiteralAndIgnoresCase()
    {
        QFETCH(QString, text);
        QAbstractItemModelTester tester(m_editor->proxyModel(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        child<QLineEdit>("filterModule")->setText(text);
        QCOMPARE(shown(-1), QStringList{"PSL 1"});
        QTEST(shown().size(), "count");
        // Each match is in sight: a filter widens the name column instead of cutting names.
        auto *view = child<QTreeView>("configView");
        for (const QString &name : shown()) {
            QVERIFY2(name.contains(text, Qt::CaseInsensitive), qPrintable(name));
            const int needed = view->fontMetrics().horizontalAdvance(name) + view->indentation();
            QTRY_VERIFY2(text.isEmpty() || view->columnWidth(0) >= needed, qPrintable(name));
        }
    }

    void undeclaredModules()
    {
        auto *box = child<QCheckBox>("zadeklarowaneBox");
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(shown(-1), (QStringList{"PSL 1", "PSL 2"}));
        // A name filter in force stays in force when the box changes.
        child<QLineEdit>("filterModule")->setText("ciągłości");
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(shown(-1), QStringList{"PSL 1"});
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(shown(1).size(), 4);
    }

    // Saving by the button, or on closing, emits once with the record's id and no name.
    void saveAndCloseAskOnce_data()
    {
        QTest::addColumn<QString>("how"); // "" leaves it unchanged; else answer or button
        QTest::addColumn<int>("saves");
        QTest::newRow("unchanged asks nothing") << "" << 0;
        QTest::newRow("changed, No discards") << "No" << 0;
        QTest::newRow("changed, Yes saves") << "Yes" << 1;
        QTest::newRow("saved twice by the button") << "save" << 1;
    }
    void saveAndCloseAskOnce()
    {
        QFETCH(QString, how);
        FakeDialogs dialogs(how == "Yes" ? QMessageBox::Yes : QMessageBox::No);
        QSignalSpy saved(m_editor.get(), &ConfigEditor::signalSaveConfig);
        auto *save = child<QPushButton>("save");
        TreeModel *model = m_editor->model();
        if (!how.isEmpty()) // as the value delegate would
            QVERIFY(model->setData(model->index(1, 1, model->index(0, 0)), 2u));
        QCOMPARE(save->isEnabled(), !how.isEmpty());
        for (int click = 0; click < 2 && how == "save"; ++click)
            QTest::mouseClick(save, Qt::LeftButton);
        // A second close (the whole window going away) does not ask again.
        QVERIFY(m_editor->close());
        m_editor->show();
        QVERIFY(m_editor->close());
        QCOMPARE(dialogs.lines(), how == "Yes" || how == "No"
                         ? QStringList{"question|Konfiguracja|Konfiguracja Hala A została "
                                       "zmieniona. Czy zapisać zmiany?"}
                         : QStringList());
        QTEST(saved.count(), "saves");
        if (saved.count() == 1) {
            QCOMPARE(saved.at(0).at(0).toUInt(), 17u);
            QCOMPARE(saved.at(0).at(1).toString(), QString());
            QCOMPARE(saved.at(0).at(2).toByteArray(),
                     model->konfiguracja()->toByteArray(Konfiguracja::FromDatabase));
        }
    }
};

QTEST_MAIN(TestConfigEditor)
#include "tst_configeditor.moc"
