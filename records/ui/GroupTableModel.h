#pragma once
// The saved groups as the management grid shows them: number, date-time,
// probe name (empty outside 1..10) and comment. Read-only.

#include "records/RecordsStore.h"

#include <QAbstractTableModel>

namespace quorvel {

class GroupTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColId, ColTime, ColSensor, ColComments, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(QList<GroupRow> rows);
    const GroupRow& row(int r) const { return m_rows.at(r); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<GroupRow> m_rows;
};

} // namespace quorvel
