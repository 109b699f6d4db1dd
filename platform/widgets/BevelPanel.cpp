#include "platform/widgets/BevelPanel.h"

#include "platform/widgets/Bevel.h"

#include <QPainter>

namespace quorvel {

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(false);
}

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    drawBevel(p, rect(), BevelStyle::Raised, kOuterBevel);
    drawBevel(p, rect().adjusted(kBorder - 1, kBorder - 1, -(kBorder - 1), -(kBorder - 1)), BevelStyle::Lowered, 1);
}

} // namespace quorvel
