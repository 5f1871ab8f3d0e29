#include "settingdelegate.h"

#include "configsortfilterproxymodel.h"
#include "treeitem.h"
#include "treemodel.h"
#include "treeselectitem.h"

#include "config/enumlist.h"
#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/setting.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QSpinBox>
#include <QTime>
#include <QTimeEdit>

#include <algorithm>
#include <climits>

namespace {

struct Row
{
    const TreeModel *model = nullptr;
    const TreeItem *item = nullptr;
    const TreeSelectItem *group = nullptr;
    Setting *setting = nullptr;
};

Row rowFor(const QModelIndex &index)
{
    Row row;
    QModelIndex source;
    row.model = TreeModel::resolve(index, &source);
    if (!row.model || !source.isValid())
        return row;
    row.item = row.model->itemForIndex(source);
    row.group = dynamic_cast<const TreeSelectItem *>(row.item);
    row.setting = row.item->setting();
    return row;
}

ModuleGroup *groupFor(const Row &row)
{
    if (!row.group || !row.model->konfiguracja())
        return nullptr;
    return row.model->konfiguracja()->getGroups().value(row.group->groupNumber(), nullptr);
}

// A duration is edited as a time of day, so anything from 24 hours up is capped just below it.
QTime timeFor(quint32 seconds, bool withHours)
{
    const quint32 hours = withHours ? seconds / 3600 : 0;
    if (hours >= 24)
        return QTime(23, 59, 59);
    return QTime(int(hours), int((seconds % 3600) / 60), int(seconds % 60));
}

QTime valueTime(quint32 value)
{
    return QTime(int((value / 3600) % 24), int((value / 60) % 60), int(value % 60));
}

quint32 secondsOf(const QTime &time)
{
    return quint32(time.hour() * 3600 + time.minute() * 60 + time.second());
}

int clampToInt(quint32 value)
{
    return int(std::min<quint32>(value, INT_MAX));
}

// The popup list is as wide as its longest entry, so long option texts are never cut.
void fitPopup(QComboBox *combo)
{
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0)
                                   + combo->view()->verticalScrollBar()->sizeHint().width());
}

} // namespace

SettingDelegate::SettingDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QWidget *SettingDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                       const QModelIndex &index) const
{
    if (!index.data(Qt::DisplayRole).canConvert<int>())
        return nullptr;
    const Row row = rowFor(index);
    if (!row.item)
        return nullptr;

    if (row.group) {
        auto *combo = new QComboBox(parent);
        combo->addItem(tr("None"), 0);
        if (const ModuleGroup *group = groupFor(row)) {
            const QMap<int, Modul *> members = group->members();
            for (auto it = members.cbegin(); it != members.cend(); ++it)
                combo->addItem(it.value()->getName(), it.key());
        }
        fitPopup(combo);
        return combo;
    }

    const Setting *setting = row.setting;
    if (!setting || !setting->isEditable())
        return nullptr;

    switch (setting->getKind()) {
    case Setting::YesNo: {
        auto *combo = new QComboBox(parent);
        combo->addItem(tr("Nie"), 0);
        combo->addItem(tr("Tak"), 1);
        return combo;
    }
    case Setting::Number: {
        auto *spin = new QSpinBox(parent);
        spin->setRange(clampToInt(setting->getMinimum()), clampToInt(setting->getMaximum()));
        return spin;
    }
    case Setting::Duration:
    case Setting::Minutes: {
        auto *edit = new QTimeEdit(parent);
        const bool hours = setting->getKind() == Setting::Duration;
        edit->setDisplayFormat(hours ? QStringLiteral("hh:mm:ss") : QStringLiteral("mm"));
        // The lower bound never carries hours: no setting starts above one hour.
        edit->setTimeRange(timeFor(setting->getMinimum(), false),
                           timeFor(setting->getMaximum(), true));
        connect(edit, &QTimeEdit::editingFinished, this, &SettingDelegate::commitAndCloseEditor);
        return edit;
    }
    case Setting::Option: {
        QList<int> keys;
        if (const EnumList *list = setting->getOptionList())
            keys = list->texts().keys();
        std::sort(keys.begin(), keys.end());
        auto *combo = new QComboBox(parent);
        for (int key : qAsConst(keys)) {
            if (key >= 0 && quint32(key) <= setting->getMaximum())
                combo->addItem(setting->getOptionList()->text(key), uint(key));
        }
        if (combo->count() > 0) {
            fitPopup(combo);
            return combo;
        }
        // Some modules refer to lists that hold no texts; their values are still edited
        // within the setting's range.
        delete combo;
        auto *spin = new QSpinBox(parent);
        spin->setRange(clampToInt(setting->getMinimum()), clampToInt(setting->getMaximum()));
        return spin;
    }
    default:
        return nullptr;
    }
}

void SettingDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const Row row = rowFor(index);
    if (row.group) {
        auto *combo = qobject_cast<QComboBox *>(editor);
        const ModuleGroup *group = groupFor(row);
        if (combo)
            combo->setCurrentIndex(std::max(0, combo->findData(group ? group->selectedKey() : 0)));
        return;
    }
    if (!row.setting)
        return;
    const quint32 value = row.setting->getValue();
    if (auto *spin = qobject_cast<QSpinBox *>(editor)) {
        spin->setValue(clampToInt(value));
        return;
    }
    switch (row.setting->getKind()) {
    case Setting::YesNo:
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            combo->setCurrentIndex(value < quint32(combo->count()) ? int(value) : -1);
        break;
    case Setting::Duration:
    case Setting::Minutes:
        if (auto *edit = qobject_cast<QTimeEdit *>(editor))
            edit->setTime(valueTime(value));
        break;
    case Setting::Option:
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            combo->setCurrentIndex(combo->findData(uint(value)));
        break;
    default:
        break;
    }
}

void SettingDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                   const QModelIndex &index) const
{
    const Row row = rowFor(index);
    if (row.group) {
        auto *combo = qobject_cast<QComboBox *>(editor);
        if (!combo || combo->currentIndex() < 0)
            return;
        model->setData(index, combo->currentText(), Qt::EditRole);
        if (ModuleGroup *group = groupFor(row))
            group->select(combo->currentData().toInt());
        // The chosen member's row appears and the others disappear at once.
        if (auto *proxy = qobject_cast<ConfigSortFilterProxyModel *>(model))
            proxy->refilter();
        return;
    }
    if (!row.setting)
        return;
    if (auto *spin = qobject_cast<QSpinBox *>(editor)) {
        spin->interpretText();
        model->setData(index, uint(spin->value()), Qt::EditRole);
        return;
    }
    switch (row.setting->getKind()) {
    case Setting::YesNo:
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            // A value outside the list leaves the editor without a choice: nothing to write.
            if (combo->currentIndex() >= 0)
                model->setData(index, uint(combo->currentIndex()), Qt::EditRole);
        }
        break;
    case Setting::Duration:
    case Setting::Minutes:
        if (auto *edit = qobject_cast<QTimeEdit *>(editor))
            model->setData(index, secondsOf(edit->time()), Qt::EditRole);
        break;
    case Setting::Option:
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            if (combo->currentIndex() >= 0)
                model->setData(index, combo->currentData().toUInt(), Qt::EditRole);
        }
        break;
    default:
        break;
    }
}

void SettingDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
}

void SettingDelegate::commitAndCloseEditor()
{
    auto *editor = qobject_cast<QWidget *>(sender());
    if (!editor)
        return;
    emit commitData(editor);
    emit closeEditor(editor);
}
