#include "platform/widgets/StatusLight.h"

#include <QPainter>

namespace quorvel {

StatusLight::StatusLight(QWidget* parent) : QWidget(parent)
{
    setFixedSize(10, 10);
}

void StatusLight::setLit(bool lit)
{
    if (m_lit == lit)
        return;
    m_lit = lit;
    update();
}

void StatusLight::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_lit ? QColor(0xFF, 0x00, 0x00) : QColor(0x00, 0x80, 0x00));
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace quorvel
