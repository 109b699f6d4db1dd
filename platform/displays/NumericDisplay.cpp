#include "platform/displays/NumericDisplay.h"

#include <QPainter>

namespace quorvel {

NumericDisplay::NumericDisplay(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(14);
    setFont(f);
}

void NumericDisplay::setDecimals(int decimals)
{
    m_decimals = std::max(0, decimals);
    update();
}

void NumericDisplay::setUnits(const QString& units)
{
    m_units = units;
    update();
}

void NumericDisplay::setValue(double value)
{
    if (value == m_value)
        return;
    m_value = value;
    update();
}

QString NumericDisplay::text() const
{
    return QString::number(m_value, 'f', m_decimals) + m_units;
}

void NumericDisplay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setPen(QColor(0x00, 0xFF, 0xFF));
    p.drawText(rect().adjusted(3, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, text());
}

} // namespace quorvel
