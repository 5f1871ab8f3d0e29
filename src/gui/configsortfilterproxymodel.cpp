#include "configsortfilterproxymodel.h"

#include "treeitem.h"
#include "treemodel.h"
#include "treeselectitem.h"

#include "config/modul.h"
#include "config/setting.h"

ConfigSortFilterProxyModel::ConfigSortFilterProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

bool ConfigSortFilterProxyModel::filterAcceptsRow(int sourceRow,
                                                  const QModelIndex &sourceParent) const
{
    const auto *model = qobject_cast<const TreeModel *>(sourceModel());
    if (!model)
        return false;
    const QModelIndex index = model->index(sourceRow, 0, sourceParent);
    if (!index.isValid())
        return false;
    const TreeItem *item = model->itemForIndex(index);

    if (dynamic_cast<const TreeSelectItem *>(item))
        return true;

    if (Modul *module = item->module()) {
        if (!module->isSelected())
            return false;
        if (m_showUndeclared)
            return true;
        // The first setting of every module is its declaration.
        const Setting *declaration = module->getSetting(0);
        return declaration && declaration->getValue() != 0;
    }

    if (const Setting *setting = item->setting()) {
        if (!setting->isVisible())
            return false;
        const QRegExp pattern = filterRegExp();
        if (pattern.isEmpty())
            return true;
        return pattern.indexIn(model->data(index, Qt::DisplayRole).toString()) >= 0;
    }
    return false;
}

bool ConfigSortFilterProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    return QSortFilterProxyModel::lessThan(left, right);
}
