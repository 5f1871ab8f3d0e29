#include "fakedialogs.h"

#include "gui/configeditor.h"
#include "gui/configsortfilterproxymodel.h"
#include "gui/treemodel.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/setting.h"

#include <QtTest>
#include <QtWidgets>

// An editor of PSL 1 (declared) and PSL 2 (not), for record 17 "Hala A".
class TestConfigEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<ConfigEditor> m_editor;

    template<typename T> T *child(const char *name) const { return m_editor->findChild<T *>(name); }
    // The names shown under a module, or (-1) the modules shown.
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
    void init()
    {
        auto *config = new Konfiguracja(nullptr);
        config->addModule(createModule(0xF0, 1));
        config->addModule(createModule(0xF0, 2));
        config->getModule(0)->getSetting(0)->setValue(1);
        m_editor = std::make_unique<ConfigEditor>();
        m_editor->setModel(new TreeModel(config, m_editor.get()));
        m_editor->setProperty("ID", 17u);
        m_editor->setProperty("NAME", "Hala A");
        m_editor->show();
    }

    // The name filter matches literally in any case, and stays in force when "Pokaż
    // niezadeklarowane" brings in PSL 2.
    void filter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("undeclared");
        QTest::addColumn<QStringList>("modules");
        QTest::addColumn<int>("count"); // in each module
        const QStringList first{"PSL 1"}, both{"PSL 1", "PSL 2"};
        QTest::newRow("empty shows all") << QString() << false << first << 29;
        QTest::newRow("lower case") << "ls1 - t" << false << first << 4; // tryb, T1, T2, T3
        QTest::newRow("mixed case") << "Ls2 - LICZBA" << false << first << 1;
        // As a regular expression or a wildcard, this would match every line setting.
        QTest::newRow("no pattern characters") << "LS[12]*" << false << first << 0;
        QTest::newRow("undeclared") << QString() << true << both << 29;
        QTest::newRow("undeclared, filtered") << "ciągłości" << true << both << 4;
    }
    void filter()
    {
        QFETCH(QString, text);
        QFETCH(bool, undeclared);
        QFETCH(int, count);
        child<QLineEdit>("filterModule")->setText(text);
        if (undeclared)
            QTest::mouseClick(child<QCheckBox>("zadeklarowaneBox"), Qt::LeftButton);
        QTEST(shown(-1), "modules");
        for (int module = 0; module < shown(-1).size(); ++module) {
            QCOMPARE(shown(module).size(), count);
            for (const QString &name : shown(module))
                QVERIFY2(name.contains(text, Qt::CaseInsensitive), qPrintable(name));
        }
    }

    // A change enables "ZAPISZ"; the button saves once, with the id and no name, and a saved
    // editor closes without a question. (The answers to that question: the trust tests.)
    void saveButton()
    {
        FakeDialogs dialogs;
        QSignalSpy saved(m_editor.get(), &ConfigEditor::signalSaveConfig);
        auto *save = child<QPushButton>("save");
        TreeModel *model = m_editor->model();
        QVERIFY(!save->isEnabled());
        QVERIFY(model->setData(model->index(1, 1, model->index(0, 0)), 2u));
        QTest::mouseClick(save, Qt::LeftButton);
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(m_editor->close());
        QCOMPARE(dialogs.lines(), QStringList());
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved[0][0].toUInt(), 17u);
        QCOMPARE(saved[0][1].toString(), QString());
        QCOMPARE(saved[0][2].toByteArray(),
                 model->konfiguracja()->toByteArray(Konfiguracja::FromDatabase));
    }
};

QTEST_MAIN(TestConfigEditor)
#include "tst_configeditor.moc"
