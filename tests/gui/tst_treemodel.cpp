#include "gui/treemodel.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"

#include <QAbstractItemModelTester>
#include <QtTest>

namespace {

// Settings declared out of display order: their indexes are 5, 3, 5, 1.
class OrderModule : public Modul
{
public:
    explicit OrderModule(quint8 number) : Modul(number)
    {
        m_name = "TST";
        m_description = "Moduł testowy";
        addSettings({
            {"piąte pierwsze", "", 0, 1, 1, 1, 0, 5, Setting::YesNo, 0, true, 0},
            {"trzecie", "opis trzeciego", 0, 99, 0, 1, 1, 3, Setting::Number, 1, true, 0},
            {"piąte drugie", "", 0, 86399, 0, 4, 2, 5, Setting::Duration, 2, true, 0},
            {"pierwsze", "", 0, 1, 0, 1, 6, 1, Setting::YesNo, 3, true, 0},
        });
    }
};

} // namespace

// TST 1, TST 2, then a group of which TST 2 is the selected member.
class TestTreeModel : public QObject
{
    Q_OBJECT

    ModuleGroup m_group{3};
    std::unique_ptr<TreeModel> m_model;

    Setting *setting(int number) const
    {
        return m_model->konfiguracja()->getModule(0)->getSetting(number);
    }
    QModelIndex cell(int row, int column) const
    {
        return m_model->index(row, column, m_model->index(0, 0));
    }
    // Every row under the parent as "name|value|description"; a cell with EditRole data would
    // show it after a "!".
    QStringList rows(const QModelIndex &parent = QModelIndex()) const
    {
        QStringList rows;
        for (int row = 0; row < m_model->rowCount(parent); ++row) {
            QStringList cells;
            for (int column = 0; column < 3; ++column) {
                const QModelIndex index = m_model->index(row, column, parent);
                const QVariant edit = index.data(Qt::EditRole);
                cells << index.data().toString() + (edit.isValid() ? "!" + edit.toString() : "");
            }
            rows << cells.join('|');
        }
        return rows;
    }

private slots:
    void initTestCase()
    {
        buildOptionLists();
        initFaultTextTables();
    }
    void init()
    {
        auto *config = new Konfiguracja(nullptr);
        config->addModule(new OrderModule(1));
        config->addModule(new OrderModule(2));
        m_group.addMember(2, config->getModule(1));
        m_group.select(2);
        config->addGroup(&m_group);
        m_model.reset(new TreeModel(config, nullptr));
    }

    void passesModelTester()
    {
        const auto mode = QAbstractItemModelTester::FailureReportingMode::QtTest;
        TreeModel real(new Konfiguracja("domyślna", nullptr), nullptr);
        QAbstractItemModelTester realTester(&real, mode);
        QAbstractItemModelTester tester(m_model.get(), mode);
        QVERIFY(real.rowCount() >= 4);
    }

    void rowsOrderedByIndexAndEditRoleInvalid()
    {
        setting(1)->setValue(42);
        QCOMPARE(rows(), (QStringList{"TST 1||Moduł testowy", "TST 2||Moduł testowy",
                                      "ACTIVE MODULE 3|TST|..."}));
        QCOMPARE(rows(m_model->index(0, 0)),
                 (QStringList{"pierwsze|Nie|", "trzecie|42|opis trzeciego", "piąte pierwsze|Tak|",
                              "piąte drugie| 0g: 0m: 0s|"}));
    }

    void backgroundColours()
    {
        // Settings rows 0 to 2, module rows 0 and 1, the group row, then row 1's value.
        const QList<QModelIndex> cells{cell(0, 0), cell(1, 0), cell(2, 0), m_model->index(0, 0),
                                       m_model->index(1, 0), m_model->index(2, 0), cell(1, 1)};
        auto colours = [&cells] {
            QStringList colours;
            for (const QModelIndex &index : cells)
                colours << index.data(Qt::BackgroundRole).value<QColor>().name();
            return colours.join(' ');
        };
        // Rows alternate blue and white; a group row stays white although even.
        QCOMPARE(colours(), "#e2edfd #ffffff #e2edfd #e2edfd #ffffff #ffffff #ffffff");
        // Row 1 shows setting 1: yellow when changed, red in conflict, on every column.
        setting(1)->setModified(true);
        QCOMPARE(colours(), "#e2edfd #ffff9b #e2edfd #e2edfd #ffffff #ffffff #ffff9b");
        setting(1)->setConflict(true);
        QCOMPARE(colours(), "#e2edfd #ffc8c8 #e2edfd #e2edfd #ffffff #ffffff #ffc8c8");
    }

    void setDataWritesOnlyTheValueColumn()
    {
        QSignalSpy changed(m_model.get(), &TreeModel::dataChanged);
        // Row 3 is "piąte drugie", a duration (setting 2).
        QVERIFY(m_model->setData(cell(3, 1), 7, Qt::EditRole));
        QCOMPARE(setting(2)->getValue(), 7u);
        QCOMPARE(cell(3, 1).data().toString(), QStringLiteral(" 0g: 0m: 7s"));
        QCOMPARE(changed.count(), 1);
        QVERIFY(!m_model->setData(cell(3, 1), 9, Qt::DisplayRole));
        QVERIFY(m_model->setData(cell(3, 0), 11, Qt::EditRole));
        QCOMPARE(setting(2)->getValue(), 7u);
        // Only the value column is offered for editing.
        QVERIFY(m_model->flags(cell(3, 1)) & Qt::ItemIsEditable);
        QVERIFY(!(m_model->flags(cell(3, 0)) & Qt::ItemIsEditable));
    }
};

QTEST_MAIN(TestTreeModel)
#include "tst_treemodel.moc"
