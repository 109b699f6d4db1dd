#include "platform/widgets/Bevel.h"

#include <QColor>
#include <QPainter>

namespace quorvel {

QRect drawBevel(QPainter& p, const QRect& r, BevelStyle style, int width)
{
    const QColor light(0xFF, 0xFF, 0xFF), shadow(0x80, 0x80, 0x80);
    const QColor& topLeft = style == BevelStyle::Raised ? light : shadow;
    const QColor& bottomRight = style == BevelStyle::Raised ? shadow : light;
    QRect ring = r.adjusted(0, 0, -1, -1);
    for (int i = 0; i < width; ++i) {
        p.setPen(topLeft);
        p.drawLine(ring.topLeft(), ring.topRight());
        p.drawLine(ring.topLeft(), ring.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(ring.bottomLeft(), ring.bottomRight());
        p.drawLine(ring.topRight(), ring.bottomRight());
        ring.adjust(1, 1, -1, -1);
    }
    return ring.adjusted(0, 0, 1, 1);
}

} // namespace quorvel
