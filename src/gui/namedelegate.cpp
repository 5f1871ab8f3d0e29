#include "namedelegate.h"

#include "treeitem.h"
#include "treemodel.h"
#include "treeselectitem.h"

#include "config/modul.h"
#include "config/setting.h"

#include <QPainter>

NameDelegate::NameDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

void NameDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    QStyleOptionViewItem opt(option);
    QModelIndex source;
    const TreeModel *model = TreeModel::resolve(index, &source);
    const TreeItem *item = model && source.isValid() ? model->itemForIndex(source) : nullptr;

    if (dynamic_cast<const TreeSelectItem *>(item)) {
        opt.font.setBold(true);
    } else if (item && item->module()) {
        painter->save();
        const Setting *declaration = item->module()->getSetting(0);
        if (declaration && declaration->getValue() != 0)
            opt.font.setBold(true);
        painter->fillRect(opt.rect, opt.palette.window());
        painter->restore();
    } else if (item && item->setting()) {
        const Setting *setting = item->setting();
        if (setting->isModified()) {
            opt.palette.setColor(QPalette::Base, Qt::yellow);
            opt.font.setItalic(true);
        }
        if (setting->isConflict()) {
            opt.palette.setColor(QPalette::Text, Qt::red);
            opt.font.setItalic(true);
        }
    }
    QStyledItemDelegate::paint(painter, opt, index);
}
