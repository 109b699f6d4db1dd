#include "records/ui/GroupTableModel.h"

#include "measure/ProbeTypes.h"
#include "platform/DateTimeText.h"

namespace quorvel {

void GroupTableModel::setRows(QList<GroupRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int GroupTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int GroupTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GroupTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const GroupRow& r = m_rows.at(index.row());
    switch (index.column()) {
    case ColId: return QString::number(r.gid);
    case ColTime: return r.time.isValid() ? dateTimeText(r.time.toDateTime()) : QString();
    case ColSensor: return r.sen.isValid() ? probeName(r.sen.toInt()) : QString();
    case ColComments: return r.rem.toString();
    default: return {};
    }
}

QVariant GroupTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QVariant();
    static const char* const titles[] = {"ID", "Time", "Sensor", "Comments"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section]) : QVariant();
}

} // namespace quorvel
