#pragma once

#include <QList>
#include <QVariant>
#include <QVector>

class Modul;
class Setting;

// One node of the settings tree: the invisible root, a module row, a setting row or (as
// TreeSelectItem) a module-group row. Rows point into the configuration image they show.
class TreeItem
{
public:
    explicit TreeItem(const QVector<QVariant> &data, TreeItem *parent = nullptr);
    virtual ~TreeItem();
    TreeItem(const TreeItem &) = delete;
    TreeItem &operator=(const TreeItem &) = delete;

    TreeItem *child(int row) const;
    int childCount() const;
    int childNumber() const;
    int columnCount() const;
    QVariant data(int column) const;
    bool insertChildren(int position, int count, int columns);
    // As insertChildren, but the new rows are TreeSelectItems (module-group rows).
    bool insertSelectChildren(int position, int count, int columns);
    bool insertColumns(int position, int columns);
    bool removeChildren(int position, int count);
    bool removeColumns(int position, int columns);
    TreeItem *parent() const;
    bool setData(int column, const QVariant &value);

    Setting *setting() const { return m_setting; }
    void setSetting(Setting *setting) { m_setting = setting; }
    Modul *module() const { return m_module; }
    void setModule(Modul *module) { m_module = module; }

private:
    template<class Item>
    bool insert(int position, int count, int columns);

    QList<TreeItem *> m_childItems;
    QVector<QVariant> m_itemData;
    TreeItem *m_parentItem;
    Setting *m_setting = nullptr;
    Modul *m_module = nullptr;
};
