#pragma once

#include "config/configdiff.h"

#include <QAbstractTableModel>
#include <QString>
#include <QVector>

// The rows of a configuration comparison for the review window: module, setting, the value on
// each side. Shows the differences only or every row; in the send review the differences carry
// a tick box (all ticked at first) that chooses what is sent.
class ConfigDiffModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ModuleColumn, SettingColumn, LeftColumn, RightColumn, ColumnCount };

    ConfigDiffModel(const ConfigComparison &comparison, const QString &leftTitle,
                    const QString &rightTitle, bool checkable, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void setShowAll(bool showAll);
    bool showsAll() const { return m_showAll; }
    // The shown row's difference (or unchanged setting).
    const ConfigDifference &rowAt(int row) const;
    QList<ConfigDifference> checkedDifferences() const;
    int checkedCount() const;

signals:
    void checksChanged();

private:
    void rebuild();

    ConfigComparison m_comparison;
    QString m_leftTitle;
    QString m_rightTitle;
    bool m_checkable;
    bool m_showAll = false;
    QVector<bool> m_checked; // per row of the comparison
    QVector<int> m_shown;    // comparison rows on show
};
