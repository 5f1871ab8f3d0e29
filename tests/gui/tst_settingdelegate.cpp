#include "gui/configsortfilterproxymodel.h"
#include "gui/settingdelegate.h"
#include "gui/treemodel.h"

#include "config/enumlist.h"
#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/setting.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QSpinBox>
#include <QTimeEdit>
#include <QtTest>

#include <memory>

namespace {

constexpr int TestList = 900;
constexpr int MissingList = 953;

enum Row {
    Declaration,
    YesNoRow,
    NumberRow,
    DurationRow,
    OptionRow,
    MinutesRow,
    NoKindRow,
    LockedRow,
    LongRow,
    TextlessRow
};

// One setting of every kind, in display order (index = row).
class KindsModule : public Modul
{
public:
    explicit KindsModule(quint8 number, const QString &name = QStringLiteral("KND"))
        : Modul(number)
    {
        m_name = name;
        addSettings({
            {"Deklaracja modułu", "", 0, 1, 1, 1, 0, 0, Setting::YesNo, 0, true, 0},
            {"tak lub nie", "", 0, 1, 0, 1, 1, 1, Setting::YesNo, 1, true, 0},
            {"liczba", "", 3, 250, 10, 1, 2, 2, Setting::Number, 2, true, 0},
            {"czas", "", 30, 7200, 60, 4, 3, 3, Setting::Duration, 3, true, 0},
            {"opcja", "", 1, 5, 2, 1, 7, 4, Setting::Option, 4, true, TestList},
            {"minuty", "", 60, 3600, 600, 4, 8, 5, Setting::Minutes, 5, true, 0},
            {"bez rodzaju", "", 0, 9, 0, 1, 12, 6, 0, 6, true, 0},
            {"zablokowane", "", 0, 9, 0, 1, 13, 7, Setting::Number, 7, false, 0},
            {"długi czas", "", 1, 16777215, 0, 4, 14, 8, Setting::Duration, 8, true, 0},
            {"opcja bez tekstów", "", 1, 3, 2, 1, 18, 9, Setting::Option, 9, true, MissingList},
        });
    }
};

struct Fixture
{
    Fixture()
    {
        auto *config = new Konfiguracja(nullptr);
        config->addModule(new KindsModule(1, QStringLiteral("AAA")));
        config->addModule(new KindsModule(2, QStringLiteral("BBB")));
        group.addMember(1, config->getModule(0));
        group.addMember(2, config->getModule(1));
        group.select(1);
        config->addGroup(&group);
        model = std::make_unique<TreeModel>(config, nullptr);
        proxy.setSourceModel(model.get());
    }
    Setting *setting(int row) const
    {
        return model->konfiguracja()->getModule(0)->getSetting(row);
    }
    QModelIndex cell(int row) const { return proxy.index(row, 1, proxy.index(0, 0)); }
    QModelIndex groupCell() const { return proxy.index(proxy.rowCount() - 1, 1); }
    QWidget *editorFor(const QModelIndex &index)
    {
        return delegate.createEditor(&parent, QStyleOptionViewItem(), index);
    }

    ModuleGroup group{6};
    std::unique_ptr<TreeModel> model;
    ConfigSortFilterProxyModel proxy;
    SettingDelegate delegate;
    QWidget parent;
};

} // namespace

class TestSettingDelegate : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void editorByKind_data();
    void editorByKind();
    void optionListOffersKeysWithTexts();
    void timeEditorsTakeTheSettingsRange();
    void writesBack();
    void timeEditorCommitsOnEditingFinished();
    void groupRowPicksTheDeclaredMember();
};

void TestSettingDelegate::initTestCase()
{
    auto *list = new EnumList;
    list->setId(TestList);
    list->insertText(0, QStringLiteral("zero"));
    list->insertText(2, QStringLiteral("dwa"));
    list->insertText(5, QStringLiteral("pięć – bardzo długi tekst opcji, który musi się zmieścić"));
    list->insertText(7, QStringLiteral("siedem, poza zakresem"));
    EnumList::registerList(list);
}

void TestSettingDelegate::editorByKind_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("editorClass");
    QTest::newRow("yes/no") << int(YesNoRow) << QByteArray("QComboBox");
    QTest::newRow("number") << int(NumberRow) << QByteArray("QSpinBox");
    QTest::newRow("duration") << int(DurationRow) << QByteArray("QTimeEdit");
    QTest::newRow("option") << int(OptionRow) << QByteArray("QComboBox");
    QTest::newRow("minutes") << int(MinutesRow) << QByteArray("QTimeEdit");
    QTest::newRow("no kind") << int(NoKindRow) << QByteArray();
    QTest::newRow("not editable") << int(LockedRow) << QByteArray();
    QTest::newRow("option without texts") << int(TextlessRow) << QByteArray("QSpinBox");
}

void TestSettingDelegate::editorByKind()
{
    QFETCH(int, row);
    QFETCH(QByteArray, editorClass);
    Fixture f;
    std::unique_ptr<QWidget> editor(f.editorFor(f.cell(row)));
    if (editorClass.isEmpty()) {
        QVERIFY(!editor);
        return;
    }
    QVERIFY(editor);
    QCOMPARE(QByteArray(editor->metaObject()->className()), editorClass);

    f.delegate.setEditorData(editor.get(), f.cell(row));
    if (auto *combo = qobject_cast<QComboBox *>(editor.get()); combo && row == YesNoRow) {
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("Nie"));
        QCOMPARE(combo->itemText(1), QStringLiteral("Tak"));
        QCOMPARE(combo->currentIndex(), 0);
    }
    if (auto *spin = qobject_cast<QSpinBox *>(editor.get()); spin && row == NumberRow) {
        QCOMPARE(spin->minimum(), 3);
        QCOMPARE(spin->maximum(), 250);
        QCOMPARE(spin->value(), 10);
    }
    // A list that holds no texts still lets the value be set within the setting's range.
    if (auto *spin = qobject_cast<QSpinBox *>(editor.get()); spin && row == TextlessRow) {
        QCOMPARE(spin->minimum(), 1);
        QCOMPARE(spin->maximum(), 3);
        QCOMPARE(spin->value(), 2);
        spin->setValue(3);
        f.delegate.setModelData(spin, &f.proxy, f.cell(row));
        QCOMPARE(f.setting(row)->getValue(), 3u);
    }
    // Module rows have no editor of their own.
    QVERIFY(!f.editorFor(f.proxy.index(0, 1)));
}

void TestSettingDelegate::optionListOffersKeysWithTexts()
{
    Fixture f;
    std::unique_ptr<QWidget> editor(f.editorFor(f.cell(OptionRow)));
    auto *combo = qobject_cast<QComboBox *>(editor.get());
    QVERIFY(combo);
    // From 0 (below the setting's minimum of 1) up to the maximum 5, only keys with a text.
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(0), QStringLiteral("zero"));
    QCOMPARE(combo->itemData(0).toUInt(), 0u);
    QCOMPARE(combo->itemText(1), QStringLiteral("dwa"));
    QCOMPARE(combo->itemData(1).toUInt(), 2u);
    QCOMPARE(combo->itemData(2).toUInt(), 5u);
    f.delegate.setEditorData(combo, f.cell(OptionRow));
    QCOMPARE(combo->currentText(), QStringLiteral("dwa"));
    // The popup is wide enough for the longest option text.
    QVERIFY(combo->view()->minimumWidth() >= combo->view()->sizeHintForColumn(0));
}

void TestSettingDelegate::timeEditorsTakeTheSettingsRange()
{
    Fixture f;
    std::unique_ptr<QWidget> duration(f.editorFor(f.cell(DurationRow)));
    auto *time = qobject_cast<QTimeEdit *>(duration.get());
    QVERIFY(time);
    QCOMPARE(time->displayFormat(), QStringLiteral("hh:mm:ss"));
    QCOMPARE(time->minimumTime(), QTime(0, 0, 30));
    QCOMPARE(time->maximumTime(), QTime(2, 0, 0));
    f.delegate.setEditorData(time, f.cell(DurationRow));
    QCOMPARE(time->time(), QTime(0, 1, 0));

    std::unique_ptr<QWidget> minutes(f.editorFor(f.cell(MinutesRow)));
    auto *minuteEdit = qobject_cast<QTimeEdit *>(minutes.get());
    QVERIFY(minuteEdit);
    QCOMPARE(minuteEdit->displayFormat(), QStringLiteral("mm"));
    QCOMPARE(minuteEdit->minimumTime(), QTime(0, 1, 0));
    QCOMPARE(minuteEdit->maximumTime(), QTime(1, 0, 0));
    f.delegate.setEditorData(minuteEdit, f.cell(MinutesRow));
    QCOMPARE(minuteEdit->time(), QTime(0, 10, 0));

    // A range beyond a day is capped below midnight instead of giving an invalid bound.
    std::unique_ptr<QWidget> wide(f.editorFor(f.cell(LongRow)));
    auto *wideEdit = qobject_cast<QTimeEdit *>(wide.get());
    QVERIFY(wideEdit);
    QCOMPARE(wideEdit->minimumTime(), QTime(0, 0, 1));
    QCOMPARE(wideEdit->maximumTime(), QTime(23, 59, 59));
}

void TestSettingDelegate::writesBack()
{
    Fixture f;
    QSignalSpy changed(f.model.get(), &TreeModel::dataChanged);

    std::unique_ptr<QWidget> yesNo(f.editorFor(f.cell(YesNoRow)));
    qobject_cast<QComboBox *>(yesNo.get())->setCurrentIndex(1);
    f.delegate.setModelData(yesNo.get(), &f.proxy, f.cell(YesNoRow));
    QCOMPARE(f.setting(YesNoRow)->getValue(), 1u);

    std::unique_ptr<QWidget> number(f.editorFor(f.cell(NumberRow)));
    qobject_cast<QSpinBox *>(number.get())->setValue(249);
    f.delegate.setModelData(number.get(), &f.proxy, f.cell(NumberRow));
    QCOMPARE(f.setting(NumberRow)->getValue(), 249u);

    std::unique_ptr<QWidget> duration(f.editorFor(f.cell(DurationRow)));
    qobject_cast<QTimeEdit *>(duration.get())->setTime(QTime(1, 2, 3));
    f.delegate.setModelData(duration.get(), &f.proxy, f.cell(DurationRow));
    QCOMPARE(f.setting(DurationRow)->getValue(), 3723u);
    QCOMPARE(f.cell(DurationRow).data().toString(), QStringLiteral(" 1g: 2m: 3s"));

    std::unique_ptr<QWidget> option(f.editorFor(f.cell(OptionRow)));
    qobject_cast<QComboBox *>(option.get())->setCurrentIndex(2);
    f.delegate.setModelData(option.get(), &f.proxy, f.cell(OptionRow));
    QCOMPARE(f.setting(OptionRow)->getValue(), 5u);

    std::unique_ptr<QWidget> minutes(f.editorFor(f.cell(MinutesRow)));
    qobject_cast<QTimeEdit *>(minutes.get())->setTime(QTime(0, 25, 0));
    f.delegate.setModelData(minutes.get(), &f.proxy, f.cell(MinutesRow));
    QCOMPARE(f.setting(MinutesRow)->getValue(), 1500u);
    QCOMPARE(f.cell(MinutesRow).data().toString(), QStringLiteral("25m"));

    QCOMPARE(changed.count(), 5);

    // A stored option that the list does not hold leaves the editor without a choice; closing
    // it must not overwrite the value.
    f.setting(OptionRow)->setValue(4);
    std::unique_ptr<QWidget> unknown(f.editorFor(f.cell(OptionRow)));
    f.delegate.setEditorData(unknown.get(), f.cell(OptionRow));
    f.delegate.setModelData(unknown.get(), &f.proxy, f.cell(OptionRow));
    QCOMPARE(f.setting(OptionRow)->getValue(), 4u);
}

void TestSettingDelegate::timeEditorCommitsOnEditingFinished()
{
    Fixture f;
    std::unique_ptr<QWidget> editor(f.editorFor(f.cell(DurationRow)));
    QSignalSpy commit(&f.delegate, &SettingDelegate::commitData);
    QList<QWidget *> closed;
    connect(&f.delegate, &SettingDelegate::closeEditor, this,
            [&closed](QWidget *widget) { closed << widget; });
    emit qobject_cast<QTimeEdit *>(editor.get())->editingFinished();
    QCOMPARE(commit.count(), 1);
    QCOMPARE(commit.at(0).at(0).value<QWidget *>(), editor.get());
    QCOMPARE(closed, QList<QWidget *>{editor.get()});
}

void TestSettingDelegate::groupRowPicksTheDeclaredMember()
{
    Fixture f;
    // AAA (selected and declared) is shown; BBB is not selected.
    QCOMPARE(f.proxy.rowCount(), 2);
    QCOMPARE(f.proxy.index(0, 0).data().toString(), QStringLiteral("AAA 1"));

    std::unique_ptr<QWidget> editor(f.editorFor(f.groupCell()));
    auto *combo = qobject_cast<QComboBox *>(editor.get());
    QVERIFY(combo);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(0), QStringLiteral("None"));
    QCOMPARE(combo->itemData(0).toInt(), 0);
    QCOMPARE(combo->itemText(1), QStringLiteral("AAA"));
    QCOMPARE(combo->itemText(2), QStringLiteral("BBB"));
    QCOMPARE(combo->itemData(2).toInt(), 2);
    f.delegate.setEditorData(combo, f.groupCell());
    QCOMPARE(combo->currentIndex(), 1);

    combo->setCurrentIndex(2);
    f.delegate.setModelData(combo, &f.proxy, f.groupCell());
    QCOMPARE(f.proxy.rowCount(), 2);
    QCOMPARE(f.proxy.index(0, 0).data().toString(), QStringLiteral("BBB 2"));
    QCOMPARE(f.groupCell().data().toString(), QStringLiteral("BBB"));
    QCOMPARE(f.model->konfiguracja()->getModule(0)->getSetting(0)->getValue(), 0u);
    QCOMPARE(f.model->konfiguracja()->getModule(1)->getSetting(0)->getValue(), 1u);

    combo->setCurrentIndex(0);
    f.delegate.setModelData(combo, &f.proxy, f.groupCell());
    QCOMPARE(f.proxy.rowCount(), 1);
    QCOMPARE(f.groupCell().data().toString(), QStringLiteral("None"));
}

QTEST_MAIN(TestSettingDelegate)
#include "tst_settingdelegate.moc"
