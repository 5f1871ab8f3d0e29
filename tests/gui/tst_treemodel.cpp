// ctest-labels: safesend
#include "gui/treemodel.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
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

    Setting *setting(int n) const { return m_model->konfiguracja()->getModule(0)->getSetting(n); }
    QModelIndex cell(int r, int c) const { return m_model->index(r, c, m_model->index(0, 0)); }
    // Every row under the parent as "name|value|description #background"; a cell that has
    // EditRole data shows it after a "!".
    QStringList rows(const QModelIndex &parent = QModelIndex()) const
    {
        QStringList rows;
        for (int row = 0; row < m_model->rowCount(parent); ++row) {
            QStringList cells;
            for (int column = 0; column < 3; ++column) {
                const QVariant edit = m_model->index(row, column, parent).data(Qt::EditRole);
                cells << m_model->index(row, column, parent).data().toString()
                                + (edit.isValid() ? "!" + edit.toString() : "");
            }
            const QVariant colour = m_model->index(row, 0, parent).data(Qt::BackgroundRole);
            rows << cells.join('|') + ' ' + colour.value<QColor>().name();
        }
        return rows;
    }

private slots:
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
        TreeModel real(new Konfiguracja("domyślna", nullptr), nullptr); // the default modules
        QAbstractItemModelTester realTester(&real, mode);
        QAbstractItemModelTester tester(m_model.get(), mode);
    }

    // Rows alternate light blue and white; a group row stays white although even.
    void rowsOrderedByIndexWithTheirColours()
    {
        setting(1)->setValue(42);
        QCOMPARE(rows(), (QStringList{"TST 1|| #e2edfd", "TST 2|| #ffffff",
                                      "ACTIVE MODULE 3|TST|... #ffffff"}));
        QCOMPARE(rows(m_model->index(0, 0)),
                 (QStringList{"pierwsze|Nie| #e2edfd", "trzecie|42|opis trzeciego #ffffff",
                              "piąte pierwsze|Tak| #e2edfd",
                              "piąte drugie| 0g: 0m: 0s| #ffffff"}));
        // Setting 1 shows yellow when changed, red in conflict, on every column.
        setting(1)->setModified(true);
        QCOMPARE(rows(m_model->index(0, 0)).value(1), "trzecie|42|opis trzeciego #ffff9b");
        setting(1)->setConflict(true);
        QCOMPARE(rows(m_model->index(0, 0)).value(1), "trzecie|42|opis trzeciego #ffc8c8");
        QCOMPARE(cell(1, 1).data(Qt::BackgroundRole).value<QColor>(), QColor("#ffc8c8"));
    }

    // Row 3 is "piąte drugie", a duration (setting 2).
    void setDataWritesOnlyTheValueColumn()
    {
        QVERIFY(m_model->setData(cell(3, 1), 7, Qt::EditRole));
        QCOMPARE(setting(2)->getValue(), 7u);
        QCOMPARE(cell(3, 1).data().toString(), QStringLiteral(" 0g: 0m: 7s"));
        QVERIFY(!m_model->setData(cell(3, 1), 9, Qt::DisplayRole));
        QVERIFY(m_model->setData(cell(3, 0), 11, Qt::EditRole));
        QCOMPARE(setting(2)->getValue(), 7u);
        // Only the value written marks the setting as edited.
        QVERIFY(setting(2)->isModified());
        QVERIFY(!setting(3)->isModified());
        // Only the value column is offered for editing.
        QVERIFY(m_model->flags(cell(3, 1)) & ~m_model->flags(cell(3, 0)) & Qt::ItemIsEditable);
    }

    // Row 1 is "trzecie", a number from 0 to 99 with a comment; row 3 a duration.
    void toolTipShowsRangeAndWhatLiesOutside_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("in range") << 1 << 99 << "opis trzeciego\nZakres: 0 – 99";
        QTest::newRow("above the maximum")
                << 1 << 100
                << "opis trzeciego\nZakres: 0 – 99\nWartość 100 jest poza zakresem.";
        QTest::newRow("duration") << 3 << 30 << "Zakres: 0g: 0m: 0s – 23g:59m:59s";
        QTest::newRow("yes/no set to 2")
                << 0 << 2 << "Zakres: Nie – Tak\nWartość 2 jest poza zakresem.";
    }
    void toolTipShowsRangeAndWhatLiesOutside()
    {
        QFETCH(int, row);
        QFETCH(int, value);
        QFETCH(QString, toolTip);
        m_model->settingForIndex(cell(row, 1))->setValue(quint32(value));
        QCOMPARE(cell(row, 0).data(Qt::ToolTipRole).toString(), toolTip);
    }
};

QTEST_MAIN(TestTreeModel)
#include "tst_treemodel.moc"
