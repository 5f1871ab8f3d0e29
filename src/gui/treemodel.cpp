#include "treemodel.h"

#include "treeitem.h"
#include "treeselectitem.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/setting.h"

#include <QAbstractProxyModel>
#include <QColor>
#include <QStringList>

namespace {
constexpr int ColumnCount = 3;

const QColor groupColour(255, 255, 255);
const QColor conflictColour(255, 200, 200);
const QColor modifiedColour(255, 255, 155);
const QColor evenRowColour(226, 237, 253);
const QColor oddRowColour(255, 255, 255);
} // namespace

TreeModel::TreeModel(Konfiguracja *konfiguracja, QObject *parent)
    : QAbstractItemModel(parent),
      m_rootItem(new TreeItem({tr("WĘZEŁ"), tr("WARTOŚĆ"), tr("OPIS")})),
      m_konfiguracja(konfiguracja)
{
    setupModelData();
}

TreeModel::~TreeModel()
{
    delete m_rootItem;
    delete m_konfiguracja;
}

void TreeModel::setupModelData()
{
    if (!m_konfiguracja)
        return;
    const QList<Modul *> modules = m_konfiguracja->getModules();
    for (Modul *module : modules) {
        const int moduleRow = m_rootItem->childCount();
        m_rootItem->insertChildren(moduleRow, 1, ColumnCount);
        TreeItem *moduleItem = m_rootItem->child(moduleRow);
        moduleItem->setModule(module);
        moduleItem->setData(0, module->getName() + QLatin1Char(' ')
                                       + QString::number(uint(module->getNumber())));
        moduleItem->setData(2, module->getDescription());

        const QList<Setting *> settings = module->getSettings();
        for (Setting *setting : settings) {
            // Before the first row with a strictly greater index, so equal indexes keep
            // their declared order.
            int position = 0;
            while (position < moduleItem->childCount()
                   && moduleItem->child(position)->setting()->getIndex() <= setting->getIndex())
                ++position;
            moduleItem->insertChildren(position, 1, ColumnCount);
            TreeItem *settingItem = moduleItem->child(position);
            settingItem->setData(0, setting->getName());
            settingItem->setData(2, setting->getComment());
            // Stored before the setting is attached, so that filling the cell does not write.
            settingItem->setData(1, setting->getValue());
            settingItem->setSetting(setting);
        }
    }

    const QMap<int, ModuleGroup *> groups = m_konfiguracja->getGroups();
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        const ModuleGroup *group = it.value();
        const int row = m_rootItem->childCount();
        m_rootItem->insertSelectChildren(row, 1, ColumnCount);
        auto *groupItem = static_cast<TreeSelectItem *>(m_rootItem->child(row));
        groupItem->setGroupNumber(group->number());
        groupItem->setData(0, tr("ACTIVE MODULE %1").arg(group->number()));
        Modul *selected = group->members().value(group->selectedKey());
        groupItem->setData(1, group->selectedKey() == 0 || !selected ? tr("None")
                                                                       : selected->getName());
        groupItem->setData(2, tr("..."));
    }
}

TreeItem *TreeModel::itemForIndex(const QModelIndex &index) const
{
    if (index.isValid()) {
        if (auto *item = static_cast<TreeItem *>(index.internalPointer()))
            return item;
    }
    return m_rootItem;
}

Setting *TreeModel::settingForIndex(const QModelIndex &index) const
{
    return itemForIndex(index)->setting();
}

Modul *TreeModel::moduleForIndex(const QModelIndex &index) const
{
    return itemForIndex(index)->module();
}

const TreeModel *TreeModel::resolve(const QModelIndex &index, QModelIndex *sourceIndex)
{
    QModelIndex current = index;
    while (const auto *proxy = qobject_cast<const QAbstractProxyModel *>(current.model()))
        current = proxy->mapToSource(current);
    if (sourceIndex)
        *sourceIndex = current;
    return qobject_cast<const TreeModel *>(current.model());
}

QModelIndex TreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return QModelIndex();
    if (column < 0 || column >= columnCount())
        return QModelIndex();
    TreeItem *childItem = itemForIndex(parent)->child(row);
    if (!childItem)
        return QModelIndex();
    if (childItem->setting() && !childItem->setting()->isVisible())
        return QModelIndex();
    return createIndex(row, column, childItem);
}

QModelIndex TreeModel::parent(const QModelIndex &index) const
{
    if (!index.isValid())
        return QModelIndex();
    TreeItem *parentItem = itemForIndex(index)->parent();
    if (!parentItem || parentItem == m_rootItem)
        return QModelIndex();
    return createIndex(parentItem->childNumber(), 0, parentItem);
}

int TreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return itemForIndex(parent)->childCount();
}

int TreeModel::columnCount(const QModelIndex &) const
{
    return m_rootItem->columnCount();
}

QVariant TreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const TreeItem *item = itemForIndex(index);
    const Setting *setting = item->setting();

    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == ValueColumn) {
            if (setting)
                return setting->getValueText();
            if (item->module())
                return QString();
        }
        return item->data(index.column());
    case Qt::ToolTipRole:
        return setting ? toolTip(*setting) : QString();
    case Qt::BackgroundRole:
        if (dynamic_cast<const TreeSelectItem *>(item))
            return groupColour;
        if (setting && setting->isConflict())
            return conflictColour;
        if (setting && setting->isModified())
            return modifiedColour;
        return index.row() % 2 == 0 ? evenRowColour : oddRowColour;
    default:
        return QVariant();
    }
}

bool TreeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    TreeItem *item = itemForIndex(index);
    if (!item->setData(index.column(), value))
        return false;
    // Marked until the next save, so the user sees what is about to be stored.
    if (index.column() == ValueColumn && item->setting())
        item->setting()->setModified(true);
    emit dataChanged(index, index, {});
    return true;
}

QString TreeModel::toolTip(const Setting &setting)
{
    QStringList lines;
    if (!setting.getComment().isEmpty())
        lines << setting.getComment();
    if (setting.isEditable())
        lines << setting.getRangeText();
    if (!setting.isInRange())
        lines << tr("Wartość %1 jest poza zakresem.").arg(setting.getValue());
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

void TreeModel::clearModified()
{
    forEachSetting([](Setting *setting) { setting->setModified(false); });
}

void TreeModel::forEachSetting(const std::function<void(Setting *)> &visit) const
{
    if (!m_konfiguracja)
        return;
    for (Modul *module : m_konfiguracja->getModules()) {
        for (Setting *setting : module->getSettings())
            visit(setting);
    }
}

QVariant TreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_rootItem->data(section);
    return QVariant();
}

bool TreeModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                              int role)
{
    if (role != Qt::EditRole || orientation != Qt::Horizontal)
        return false;
    if (!m_rootItem->setData(section, value))
        return false;
    emit headerDataChanged(orientation, section, section);
    return true;
}

bool TreeModel::insertColumns(int position, int columns, const QModelIndex &parent)
{
    if (columns <= 0 || position < 0 || position > columnCount())
        return false;
    beginInsertColumns(parent, position, position + columns - 1);
    const bool success = m_rootItem->insertColumns(position, columns);
    endInsertColumns();
    return success;
}

bool TreeModel::removeColumns(int position, int columns, const QModelIndex &parent)
{
    if (columns <= 0 || position < 0 || position + columns > columnCount())
        return false;
    beginRemoveColumns(parent, position, position + columns - 1);
    const bool success = m_rootItem->removeColumns(position, columns);
    endRemoveColumns();
    if (m_rootItem->columnCount() == 0)
        removeRows(0, rowCount());
    return success;
}

bool TreeModel::insertRows(int position, int rows, const QModelIndex &parent)
{
    TreeItem *parentItem = itemForIndex(parent);
    if (rows <= 0 || position < 0 || position > parentItem->childCount())
        return false;
    beginInsertRows(parent, position, position + rows - 1);
    const bool success = parentItem->insertChildren(position, rows, m_rootItem->columnCount());
    endInsertRows();
    return success;
}

bool TreeModel::removeRows(int position, int rows, const QModelIndex &parent)
{
    TreeItem *parentItem = itemForIndex(parent);
    if (rows <= 0 || position < 0 || position + rows > parentItem->childCount())
        return false;
    beginRemoveRows(parent, position, position + rows - 1);
    const bool success = parentItem->removeChildren(position, rows);
    endRemoveRows();
    return success;
}

Qt::ItemFlags TreeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == ValueColumn)
        return QAbstractItemModel::flags(index) | Qt::ItemIsEditable;
    return QAbstractItemModel::flags(index);
}
