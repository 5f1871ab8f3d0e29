#pragma once

#include "treeitem.h"

// A module-group row: the user picks which member of the group is the declared one.
class TreeSelectItem : public TreeItem
{
public:
    using TreeItem::TreeItem;
    ~TreeSelectItem() override;

    int groupNumber() const { return m_groupNumber; }
    void setGroupNumber(int number) { m_groupNumber = number; }

private:
    int m_groupNumber = 0;
};
