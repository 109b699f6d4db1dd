#include "platform/displays/BevelFrame.h"

#include <QPainter>

namespace quorvel {

BevelFrame::BevelFrame(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BevelFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    const QColor shadow(0x40, 0x40, 0x40), light(0xC0, 0xC0, 0xC0);
    p.setPen(shadow);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(light);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

} // namespace quorvel
