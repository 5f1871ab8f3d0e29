#include "configdiffmodel.h"

#include <QColor>
#include <QFont>

namespace {
const QColor changedColour(255, 200, 200);
const QColor moduleColour(255, 170, 120);
} // namespace

ConfigDiffModel::ConfigDiffModel(const ConfigComparison &comparison, const QString &leftTitle,
                                 const QString &rightTitle, bool checkable, QObject *parent)
    : QAbstractTableModel(parent),
      m_comparison(comparison),
      m_leftTitle(leftTitle),
      m_rightTitle(rightTitle),
      m_checkable(checkable),
      m_checked(comparison.rows.size(), true)
{
    rebuild();
}

void ConfigDiffModel::rebuild()
{
    m_shown.clear();
    for (int i = 0; i < m_comparison.rows.size(); ++i) {
        if (m_showAll || m_comparison.rows.at(i).isDifference())
            m_shown.append(i);
    }
}

void ConfigDiffModel::setShowAll(bool showAll)
{
    if (showAll == m_showAll)
        return;
    beginResetModel();
    m_showAll = showAll;
    rebuild();
    endResetModel();
}

int ConfigDiffModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown.size();
}

int ConfigDiffModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const ConfigDifference &ConfigDiffModel::rowAt(int row) const
{
    return m_comparison.rows.at(m_shown.at(row));
}

QVariant ConfigDiffModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_shown.size())
        return QVariant();
    const ConfigDifference &row = rowAt(index.row());
    const bool wholeModule = row.setting < 0;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        switch (index.column()) {
        case ModuleColumn: return row.moduleName;
        case SettingColumn:
            if (row.kind == ConfigDifference::OnlyLeft)
                return tr("cały moduł, tylko po lewej");
            if (row.kind == ConfigDifference::OnlyRight)
                return tr("cały moduł, tylko po prawej");
            return row.settingName;
        case LeftColumn:
            return row.kind == ConfigDifference::OnlyRight ? tr("(brak modułu)") : row.leftText;
        case RightColumn:
            return row.kind == ConfigDifference::OnlyLeft ? tr("(brak modułu)") : row.rightText;
        }
        break;
    case Qt::CheckStateRole:
        if (m_checkable && index.column() == ModuleColumn && row.isDifference())
            return m_checked.at(m_shown.at(index.row())) ? Qt::Checked : Qt::Unchecked;
        break;
    case Qt::BackgroundRole:
        if (wholeModule)
            return moduleColour;
        if (row.kind == ConfigDifference::Changed)
            return changedColour;
        break;
    case Qt::FontRole:
        if (wholeModule) {
            QFont font;
            font.setBold(true);
            return font;
        }
        break;
    default:
        break;
    }
    return QVariant();
}

bool ConfigDiffModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!m_checkable || role != Qt::CheckStateRole || !index.isValid()
        || index.column() != ModuleColumn || !rowAt(index.row()).isDifference())
        return false;
    m_checked[m_shown.at(index.row())] = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit checksChanged();
    return true;
}

QVariant ConfigDiffModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // A long title may be cut in a narrow column: its tooltip shows it whole.
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QVariant();
    switch (section) {
    case ModuleColumn: return tr("Moduł");
    case SettingColumn: return tr("Ustawienie");
    case LeftColumn: return m_leftTitle;
    case RightColumn: return m_rightTitle;
    }
    return QVariant();
}

Qt::ItemFlags ConfigDiffModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (m_checkable && index.isValid() && index.column() == ModuleColumn
        && rowAt(index.row()).isDifference())
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QList<ConfigDifference> ConfigDiffModel::checkedDifferences() const
{
    QList<ConfigDifference> chosen;
    for (int i = 0; i < m_comparison.rows.size(); ++i) {
        if (m_comparison.rows.at(i).isDifference() && m_checked.at(i))
            chosen.append(m_comparison.rows.at(i));
    }
    return chosen;
}

int ConfigDiffModel::checkedCount() const
{
    return checkedDifferences().size();
}
