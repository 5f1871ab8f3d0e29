#pragma once

#include "visits/visitdata.h"

#include <QDialog>

#include <memory>

class VisitStore;

namespace Ui {
class CheckTemplatesDialog;
}

// The company's checklist templates, per module family and for the general and field-device
// sections: rows added, reworded, reordered and retired. Visits already started keep the rows
// they were given.
class CheckTemplatesDialog : public QDialog
{
    Q_OBJECT
public:
    enum Column { ItemColumn, MethodColumn, LimitColumn, RetiredColumn, ColumnCount };

    explicit CheckTemplatesDialog(VisitStore *store, QWidget *parent = nullptr);
    ~CheckTemplatesDialog() override;

    // Saves the section on show; false with the store's message shown.
    bool save();

private:
    void showSection(int index);
    void addRow();
    void moveRow(int step);
    QList<CheckTemplateRow> rows() const;
    void setRow(int row, const CheckTemplateRow &entry);

    std::unique_ptr<Ui::CheckTemplatesDialog> ui;
    VisitStore *m_store;
    QString m_section;
    bool m_changed = false;
};
