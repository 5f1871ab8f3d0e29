#include "gui/configsortfilterproxymodel.h"
#include "gui/settingdelegate.h"
#include "gui/treemodel.h"

#include "config/enumlist.h"
#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/setting.h"

#include <QtTest>
#include <QtWidgets>

namespace {

constexpr int TestList = 900; // texts at 0, 2 and 5 up to the maximum, 7 above it
constexpr int NoList = 953;   // registered nowhere
const char *const longText = "pięć – bardzo długi tekst opcji, który musi się zmieścić";

enum Row { YesNo = 1, Number, Duration, Minutes, LongTime, Option, Unknown, Textless, Locked };

// One setting of each kind, displayed in this order (index = row).
class KindsModule : public Modul
{
public:
    KindsModule() : Modul(1)
    {
        addSettings({
            {"Deklaracja modułu", "", 0, 1, 1, 1, 0, 0, Setting::YesNo, 0, true, 0},
            {"tak lub nie", "", 0, 1, 0, 1, 1, 1, Setting::YesNo, 1, true, 0},
            {"liczba", "", 3, 250, 10, 1, 2, 2, Setting::Number, 2, true, 0},
            {"czas", "", 30, 7200, 60, 4, 3, 3, Setting::Duration, 3, true, 0},
            {"minuty", "", 60, 3600, 600, 4, 7, 4, Setting::Minutes, 4, true, 0},
            {"długi czas", "", 1, 16777215, 0, 4, 11, 5, Setting::Duration, 5, true, 0},
            {"opcja", "", 1, 5, 2, 1, 15, 6, Setting::Option, 6, true, TestList},
            {"opcja bez tekstu", "", 1, 5, 4, 1, 16, 7, Setting::Option, 7, true, TestList},
            {"opcja bez listy", "", 1, 3, 2, 1, 17, 8, Setting::Option, 8, true, NoList},
            {"zablokowane", "", 0, 9, 0, 1, 18, 9, Setting::Number, 9, false, 0},
        });
    }
};

// An editor as one line: its entries ("key:text") or its range, then the value it shows.
QString describe(QWidget *editor)
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemData(i).toString() + ':' + combo->itemText(i);
        return items.join(' ') + " @" + combo->currentText();
    }
    if (auto *time = qobject_cast<QTimeEdit *>(editor))
        return QString("%1 %2..%3 @%4").arg(time->displayFormat(), time->minimumTime().toString(),
                                            time->maximumTime().toString(),
                                            time->time().toString());
    if (auto *spin = qobject_cast<QSpinBox *>(editor))
        return QString("%1..%2 @%3").arg(spin->minimum()).arg(spin->maximum()).arg(spin->value());
    return editor ? editor->metaObject()->className() : QString();
}

} // namespace

class TestSettingDelegate : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        auto *list = new EnumList;
        list->setId(TestList);
        list->insertText(0, "zero");
        list->insertText(2, "dwa");
        list->insertText(5, longText);
        list->insertText(7, "siedem, poza zakresem");
        EnumList::registerList(list);
    }

    void cleanupTestCase() { EnumList::unregisterList(TestList); }

    void editorByKind_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QVariant>("input"); // none leaves the editor as it opened
        QTest::addColumn<uint>("value");
        QTest::addColumn<QString>("shown");
        auto add = [](const char *name, int row, const QString &editor, const QVariant &input,
                      uint value, const QString &shown) {
            QTest::newRow(name) << row << editor << input << value << shown;
        };
        add("yes/no", YesNo, "0:Nie 1:Tak @Nie", "Tak", 1, "Tak");
        add("number", Number, "3..250 @10", 249, 249, "249");
        add("duration", Duration, "hh:mm:ss 00:00:30..02:00:00 @00:01:00", QTime(1, 2, 3), 3723,
            " 1g: 2m: 3s");
        add("minutes", Minutes, "mm 00:01:00..01:00:00 @00:10:00", QTime(0, 25), 1500, "25m");
        // A range beyond a day is capped below midnight instead of giving an invalid bound.
        add("over a day", LongTime, "hh:mm:ss 00:00:01..23:59:59 @00:00:01", QTime(5, 0), 18000,
            " 5g: 0m: 0s");
        // From 0 (below the minimum) up to the maximum, only the keys that have a text.
        const QString entries = QString("0:zero 2:dwa 5:%1 @").arg(longText);
        add("option", Option, entries + "dwa", longText, 5, longText);
        // A stored key without a text leaves no choice, which must not overwrite the value.
        add("option without its text", Unknown, entries, QVariant(), 4, "");
        // A list that holds no texts still lets the value be set within the setting's range.
        add("option without a list", Textless, "1..3 @2", 3, 3, "");
        add("not editable", Locked, "", QVariant(), 0, "0");
    }
    // Edited through the filter proxy, as the editor window does.
    void editorByKind()
    {
        QFETCH(int, row);
        QFETCH(QVariant, input);
        auto *config = new Konfiguracja(nullptr);
        config->addModule(new KindsModule);
        TreeModel model(config, nullptr);
        ConfigSortFilterProxyModel proxy;
        proxy.setSourceModel(&model);
        const QModelIndex cell = proxy.index(row, 1, proxy.index(0, 0));
        SettingDelegate delegate;
        QVERIFY(!delegate.createEditor(nullptr, {}, proxy.index(0, 1))); // a module row's value
        const std::unique_ptr<QWidget> editor(delegate.createEditor(nullptr, {}, cell));
        if (editor)
            delegate.setEditorData(editor.get(), cell);
        QTEST(describe(editor.get()), "editor");
        // The user's choice goes in as a view would put it: through the editor's user property.
        if (editor && input.isValid())
            QVERIFY(editor->metaObject()->userProperty().write(editor.get(), input));
        if (editor)
            delegate.setModelData(editor.get(), &proxy, cell);
        QTEST(config->getModule(0)->getSetting(row)->getValue(), "value");
        QTEST(cell.data().toString(), "shown");
    }
};

QTEST_MAIN(TestSettingDelegate)
#include "tst_settingdelegate.moc"
