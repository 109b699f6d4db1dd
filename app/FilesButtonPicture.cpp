#include "app/FilesButtonPicture.h"

#include <QPainter>
#include <QPolygon>

namespace quorvel {

QPixmap filesButtonPicture()
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const QColor outline(0x60, 0x40, 0x00);

    // Back of the folder with its tab.
    p.setPen(outline);
    p.setBrush(QColor(0xE0, 0xB0, 0x30));
    p.drawPolygon(QPolygon({QPoint(1, 4), QPoint(7, 4), QPoint(9, 6), QPoint(18, 6), QPoint(18, 17), QPoint(1, 17)}));

    // A sheet with lines of readings sticking out of it.
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(Qt::white);
    p.drawRect(5, 2, 10, 11);
    p.setPen(QColor(0x00, 0x60, 0xC0));
    for (int y = 5; y <= 10; y += 2)
        p.drawLine(7, y, 13, y);

    // Front flap of the folder.
    p.setPen(outline);
    p.setBrush(QColor(0xF8, 0xD0, 0x50));
    p.drawPolygon(QPolygon({QPoint(1, 17), QPoint(3, 9), QPoint(19, 9), QPoint(18, 17)}));
    return pm;
}

} // namespace quorvel
