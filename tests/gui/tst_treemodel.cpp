#include "gui/treeitem.h"
#include "gui/treemodel.h"
#include "gui/treeselectitem.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QtTest>

namespace {

const QColor lightBlue(226, 237, 253);
const QColor white(255, 255, 255);
const QColor lightYellow(255, 255, 155);
const QColor lightRed(255, 200, 200);

// A module whose settings are declared out of display order.
class OrderModule : public Modul
{
public:
    explicit OrderModule(quint8 number) : Modul(number)
    {
        m_name = QStringLiteral("TST");
        m_description = QStringLiteral("Moduł testowy");
        m_type = 0xF0;
        addSettings({
            {"piąte pierwsze", "", 0, 1, 1, 1, 0, 5, Setting::YesNo, 0, true, 0},
            {"trzecie", "opis trzeciego", 0, 99, 0, 1, 1, 3, Setting::Number, 1, true, 0},
            {"piąte drugie", "", 0, 86399, 0, 4, 2, 5, Setting::Duration, 2, true, 0},
            {"pierwsze", "", 0, 1, 0, 1, 6, 1, Setting::YesNo, 3, true, 0},
        });
    }
};

QStringList childNames(const QAbstractItemModel &model, int row)
{
    QStringList names;
    const QModelIndex parent = model.index(row, 0);
    for (int child = 0; child < model.rowCount(parent); ++child)
        names << model.index(child, 0, parent).data().toString();
    return names;
}

} // namespace

class TestTreeModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void passesModelTester();
    void rowsOrderedByIndex();
    void columnsOfModuleAndSettingRows();
    void groupRowsFollowModules();
    void backgroundColours();
    void setDataOnValueColumnWritesSetting();
    void setDataOnNameColumnLeavesSetting();
    void editRoleAndOtherRolesAreInvalid();
    void flags();
};

void TestTreeModel::initTestCase()
{
    buildOptionLists();
    initFaultTextTables();
}

void TestTreeModel::passesModelTester()
{
    auto *config = new Konfiguracja(QStringLiteral("domyślna"), nullptr);
    config->addModule(new OrderModule(2));
    ModuleGroup group(4);
    group.addMember(1, config->getModule(0));
    config->addGroup(&group);
    TreeModel model(config, nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(model.rowCount() >= 3);
    // Exercise the structural operations under the tester as well.
    QVERIFY(model.insertRows(0, 2, model.index(0, 0)));
    QVERIFY(model.removeRows(0, 2, model.index(0, 0)));
    QVERIFY(!model.insertRows(-1, 1));
    QVERIFY(!model.removeRows(0, 99));
    QVERIFY(model.setHeaderData(2, Qt::Horizontal, QStringLiteral("X")));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("X"));
}

void TestTreeModel::rowsOrderedByIndex()
{
    auto *config = new Konfiguracja(nullptr);
    config->addModule(new OrderModule(1));
    TreeModel model(config, nullptr);
    QCOMPARE(childNames(model, 0), (QStringList{QStringLiteral("pierwsze"),
                                                QStringLiteral("trzecie"),
                                                QStringLiteral("piąte pierwsze"),
                                                QStringLiteral("piąte drugie")}));
}

void TestTreeModel::columnsOfModuleAndSettingRows()
{
    auto *config = new Konfiguracja(nullptr);
    config->addModule(new OrderModule(7));
    TreeModel model(config, nullptr);
    const QModelIndex module = model.index(0, 0);
    QCOMPARE(module.data().toString(), QStringLiteral("TST 7"));
    QCOMPARE(model.index(0, 1).data().toString(), QString());
    QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("Moduł testowy"));

    // Row 1 is "trzecie": value text in column 1, comment in column 2 and as tool tip.
    config->getModule(0)->getSetting(1)->setValue(42);
    QCOMPARE(model.index(1, 1, module).data().toString(), QStringLiteral("42"));
    QCOMPARE(model.index(1, 2, module).data().toString(), QStringLiteral("opis trzeciego"));
    QCOMPARE(model.index(1, 1, module).data(Qt::ToolTipRole).toString(),
             QStringLiteral("opis trzeciego"));
    QCOMPARE(module.data(Qt::ToolTipRole).toString(), QString());
}

void TestTreeModel::groupRowsFollowModules()
{
    auto *config = new Konfiguracja(nullptr);
    config->addModule(new OrderModule(1));
    config->addModule(new OrderModule(2));
    ModuleGroup second(9);
    second.addMember(1, config->getModule(0));
    second.addMember(2, config->getModule(1));
    second.select(2);
    ModuleGroup first(3);
    first.addMember(5, config->getModule(0));
    config->addGroup(&second);
    config->addGroup(&first);
    TreeModel model(config, nullptr);

    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("ACTIVE MODULE 3"));
    QCOMPARE(model.index(2, 1).data().toString(), QStringLiteral("None"));
    QCOMPARE(model.index(2, 2).data().toString(), QStringLiteral("..."));
    QCOMPARE(model.index(3, 0).data().toString(), QStringLiteral("ACTIVE MODULE 9"));
    QCOMPARE(model.index(3, 1).data().toString(), QStringLiteral("TST"));
    auto *item = dynamic_cast<TreeSelectItem *>(model.itemForIndex(model.index(3, 0)));
    QVERIFY(item);
    QCOMPARE(item->groupNumber(), 9);
    QCOMPARE(model.rowCount(model.index(3, 0)), 0);
}

void TestTreeModel::backgroundColours()
{
    auto *config = new Konfiguracja(nullptr);
    config->addModule(new OrderModule(1));
    config->addModule(new OrderModule(2));
    ModuleGroup group(1);
    config->addGroup(&group);
    TreeModel model(config, nullptr);
    auto colour = [&](int row, const QModelIndex &parent = QModelIndex()) {
        return model.index(row, 0, parent).data(Qt::BackgroundRole).value<QColor>();
    };

    const QModelIndex module = model.index(0, 0);
    QCOMPARE(colour(0, module), lightBlue);
    QCOMPARE(colour(1, module), white);
    QCOMPARE(colour(2, module), lightBlue);
    QCOMPARE(colour(0), lightBlue);
    QCOMPARE(colour(1), white);
    QCOMPARE(colour(2), white); // group row, although even

    // Row 1 under the module shows "trzecie", the module's setting 1.
    Setting *third = config->getModule(0)->getSetting(1);
    third->setModified(true);
    QCOMPARE(colour(1, module), lightYellow);
    third->setConflict(true);
    QCOMPARE(colour(1, module), lightRed);
    QCOMPARE(model.index(1, 1, module).data(Qt::BackgroundRole).value<QColor>(), lightRed);
}

void TestTreeModel::setDataOnValueColumnWritesSetting()
{
    auto *config = new Konfiguracja(nullptr);
    config->addModule(new OrderModule(1));
    TreeModel model(config, nullptr);
    QSignalSpy changed(&model, &TreeModel::dataChanged);

    // Row 3 is "piąte drugie", a duration.
    const QModelIndex cell = model.index(3, 1, model.index(0, 0));
    Setting *duration = config->getModule(0)->getSetting(2);
    QVERIFY(model.setData(cell, 7, Qt::EditRole));
    QCOMPARE(duration->getValue(), quint32(7));
    QCOMPARE(model.itemForIndex(cell)->data(1).toInt(), 7);
    QCOMPARE(cell.data().toString(), QStringLiteral(" 0g: 0m: 7s"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), cell);
    QCOMPARE(changed.at(0).at(1).toModelIndex(), cell);

    QVERIFY(!model.setData(cell, 9, Qt::DisplayRole));
    QCOMPARE(duration->getValue(), quint32(7));
    QCOMPARE(changed.count(), 1);
}

void TestTreeModel::setDataOnNameColumnLeavesSetting()
{
    auto *config = new Konfiguracja(nullptr);
    config->addModule(new OrderModule(1));
    TreeModel model(config, nullptr);
    const QModelIndex name = model.index(1, 0, model.index(0, 0));
    Setting *third = config->getModule(0)->getSetting(1);
    third->setValue(12);

    QVERIFY(model.setData(name, 7, Qt::EditRole));
    QCOMPARE(third->getValue(), quint32(12));
    QCOMPARE(name.data().toInt(), 7);
    QVERIFY(!model.itemForIndex(name)->setData(3, 1));
}

void TestTreeModel::editRoleAndOtherRolesAreInvalid()
{
    auto *config = new Konfiguracja(nullptr);
    config->addModule(new OrderModule(1));
    ModuleGroup group(2);
    config->addGroup(&group);
    TreeModel model(config, nullptr);
    QList<QModelIndex> parents{QModelIndex(), model.index(0, 0)};
    for (const QModelIndex &parent : parents) {
        for (int row = 0; row < model.rowCount(parent); ++row) {
            for (int column = 0; column < 3; ++column) {
                const QModelIndex index = model.index(row, column, parent);
                QVERIFY(!index.data(Qt::EditRole).isValid());
                QVERIFY(!index.data(Qt::FontRole).isValid());
                QVERIFY(!index.data(Qt::DecorationRole).isValid());
            }
        }
    }
    QVERIFY(!model.data(QModelIndex(), Qt::DisplayRole).isValid());
}

void TestTreeModel::flags()
{
    auto *config = new Konfiguracja(nullptr);
    config->addModule(new OrderModule(1));
    ModuleGroup group(2);
    config->addGroup(&group);
    TreeModel model(config, nullptr);
    const QModelIndex setting = model.index(0, 0, model.index(0, 0));
    for (const QModelIndex &row : {model.index(0, 0), model.index(1, 0), setting}) {
        QVERIFY(model.flags(row.sibling(row.row(), 1)) & Qt::ItemIsEditable);
        QVERIFY(!(model.flags(row) & Qt::ItemIsEditable));
        QVERIFY(!(model.flags(row.sibling(row.row(), 2)) & Qt::ItemIsEditable));
        QVERIFY(model.flags(row) & Qt::ItemIsSelectable);
        QVERIFY(model.flags(row) & Qt::ItemIsEnabled);
    }
    QCOMPARE(model.flags(QModelIndex()), Qt::NoItemFlags);
}

QTEST_MAIN(TestTreeModel)
#include "tst_treemodel.moc"
