#pragma once
// Shows a cell's whole text as a tooltip, but only when the cell is too
// narrow to show it.

#include <QStyledItemDelegate>

namespace quorvel {

class ClippedTipDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static bool isClipped(const QStyleOptionViewItem& option, const QString& text);

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

} // namespace quorvel
