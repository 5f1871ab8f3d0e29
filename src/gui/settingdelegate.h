#pragma once

#include <QStyledItemDelegate>

class Setting;
class TreeModel;
class TreeSelectItem;

// Edits the value column with a widget chosen by the setting's kind, or picks the declared
// member of a module group.
class SettingDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit SettingDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private slots:
    void commitAndCloseEditor();
};
