#include "treeitem.h"

#include "treeselectitem.h"

#include "config/setting.h"

TreeItem::TreeItem(const QVector<QVariant> &data, TreeItem *parent)
    : m_itemData(data), m_parentItem(parent)
{
}

TreeItem::~TreeItem()
{
    qDeleteAll(m_childItems);
}

TreeItem *TreeItem::child(int row) const
{
    return m_childItems.value(row, nullptr);
}

int TreeItem::childCount() const
{
    return m_childItems.size();
}

int TreeItem::childNumber() const
{
    if (m_parentItem)
        return m_parentItem->m_childItems.indexOf(const_cast<TreeItem *>(this));
    return 0;
}

int TreeItem::columnCount() const
{
    return m_itemData.size();
}

QVariant TreeItem::data(int column) const
{
    return m_itemData.value(column);
}

template<class Item>
bool TreeItem::insert(int position, int count, int columns)
{
    if (position < 0 || position > m_childItems.size())
        return false;
    for (int row = 0; row < count; ++row)
        m_childItems.insert(position, new Item(QVector<QVariant>(columns), this));
    return true;
}

bool TreeItem::insertChildren(int position, int count, int columns)
{
    return insert<TreeItem>(position, count, columns);
}

bool TreeItem::insertSelectChildren(int position, int count, int columns)
{
    return insert<TreeSelectItem>(position, count, columns);
}

bool TreeItem::insertColumns(int position, int columns)
{
    if (position < 0 || position > m_itemData.size())
        return false;
    for (int column = 0; column < columns; ++column)
        m_itemData.insert(position, QVariant());
    for (TreeItem *child : qAsConst(m_childItems))
        child->insertColumns(position, columns);
    return true;
}

bool TreeItem::removeChildren(int position, int count)
{
    if (position < 0 || count < 0 || position + count > m_childItems.size())
        return false;
    for (int row = 0; row < count; ++row)
        delete m_childItems.takeAt(position);
    return true;
}

bool TreeItem::removeColumns(int position, int columns)
{
    if (position < 0 || columns < 0 || position + columns > m_itemData.size())
        return false;
    m_itemData.remove(position, columns);
    for (TreeItem *child : qAsConst(m_childItems))
        child->removeColumns(position, columns);
    return true;
}

TreeItem *TreeItem::parent() const
{
    return m_parentItem;
}

bool TreeItem::setData(int column, const QVariant &value)
{
    if (column < 0 || column >= m_itemData.size())
        return false;
    // The value column writes through to the setting, so the image always holds what was typed.
    if (column == 1 && m_setting)
        m_setting->setValue(value.toUInt());
    m_itemData[column] = value;
    return true;
}
