#include "records/ui/ClippedTipDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

namespace quorvel {

bool ClippedTipDelegate::isClipped(const QStyleOptionViewItem& option, const QString& text)
{
    constexpr int kMargins = 8;   // the style's text margins on both sides, roughly
    return option.fontMetrics.horizontalAdvance(text) + kMargins > option.rect.width();
}

bool ClippedTipDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                   const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty() && isClipped(option, text))
        QToolTip::showText(event->globalPos(), text, view);
    else
        QToolTip::hideText();
    return true;
}

} // namespace quorvel
