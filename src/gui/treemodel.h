#pragma once

#include <QAbstractItemModel>
#include <QString>

#include <functional>

class Konfiguracja;
class Modul;
class Setting;
class TreeItem;

// The settings of one configuration image as a two-level tree: a row per module with its
// settings below it (ordered by their index), then a row per module group. Column 0 names the
// row, column 1 holds the value, column 2 the description. The model owns the image.
class TreeModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Column { NameColumn = 0, ValueColumn = 1, DescriptionColumn = 2 };

    TreeModel(Konfiguracja *konfiguracja, QObject *parent);
    ~TreeModel() override;

    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;
    bool insertColumns(int position, int columns,
                       const QModelIndex &parent = QModelIndex()) override;
    bool removeColumns(int position, int columns,
                       const QModelIndex &parent = QModelIndex()) override;
    bool insertRows(int position, int rows, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int position, int rows, const QModelIndex &parent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // An invalid index stands for the root.
    TreeItem *itemForIndex(const QModelIndex &index) const;
    Setting *settingForIndex(const QModelIndex &index) const;
    Modul *moduleForIndex(const QModelIndex &index) const;
    Konfiguracja *konfiguracja() const { return m_konfiguracja; }

    // The comment, the range of an editable setting and a note when the value lies outside it.
    static QString toolTip(const Setting &setting);
    // Drops the marks of edited settings once the image is stored.
    void clearModified();
    void forEachSetting(const std::function<void(Setting *)> &visit) const;

    // The tree model behind an index of this model or of proxies over it; sourceIndex receives
    // the index mapped down to it. Null when no tree model lies behind the index.
    static const TreeModel *resolve(const QModelIndex &index, QModelIndex *sourceIndex);

private:
    void setupModelData();

    TreeItem *m_rootItem;
    Konfiguracja *m_konfiguracja;
};
