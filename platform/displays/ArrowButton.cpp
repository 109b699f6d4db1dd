#include "platform/displays/ArrowButton.h"

#include <QPainter>
#include <QPolygonF>

namespace quorvel {

ArrowButton::ArrowButton(Direction direction, QWidget* parent)
    : QAbstractButton(parent), m_direction(direction)
{
    setFocusPolicy(Qt::TabFocus);
    // pressed/released also come from the space bar, so keyboard use lights it too.
    connect(this, &QAbstractButton::pressed, this, &ArrowButton::mousePressed);
    connect(this, &QAbstractButton::released, this, &ArrowButton::mouseReleased);
}

void ArrowButton::setLit(bool lit)
{
    if (lit == m_lit)
        return;
    m_lit = lit;
    update();
}

void ArrowButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(3, 3, -3, -3);
    QPolygonF arrow;
    if (m_direction == Direction::Up)
        arrow << QPointF(r.center().x(), r.top()) << r.bottomRight() << r.bottomLeft();
    else
        arrow << r.topLeft() << r.topRight() << QPointF(r.center().x(), r.bottom());
    const QColor lime(0x00, 0xFF, 0x00), green(0x00, 0x80, 0x00);
    p.setPen(QPen(lime, 1));
    p.setBrush(m_lit ? lime : green);
    p.drawPolygon(arrow);
    if (hasFocus()) {
        p.setPen(QPen(lime, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

} // namespace quorvel
