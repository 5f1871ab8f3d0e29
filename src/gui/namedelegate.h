#pragma once

#include <QStyledItemDelegate>

// Paints the name column: module-group rows bold, declared modules bold, and marks settings
// flagged as modified or in conflict.
class NameDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit NameDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
