#pragma once

#include <QSortFilterProxyModel>

// Shows the declared modules (or all of them on request) with their settings whose names hold
// the filter text; module-group rows are always shown.
class ConfigSortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit ConfigSortFilterProxyModel(QObject *parent = nullptr);

    bool showUndeclared() const { return m_showUndeclared; }
    void setShowUndeclared(bool show) { m_showUndeclared = show; }
    // Runs the rows through the filter again after a module's declaration changed.
    void refilter() { invalidateFilter(); }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    bool m_showUndeclared = false;
};
