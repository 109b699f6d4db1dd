#include "report/ReportPainter.h"

#include <QPainter>

namespace quorvel {

namespace {
constexpr double k = kFinePerUnit;   // painting happens in fine pixels

QPen solidPen(double widthUnits)
{
    QPen pen(Qt::black, widthUnits * k, Qt::SolidLine, Qt::FlatCap);
    return pen;
}
} // namespace

void ReportPainter::paintPage(QPainter& painter, const ReportPage& page, double pxPerUnit)
{
    painter.save();
    painter.scale(pxPerUnit / k, pxPerUnit / k);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PageObject& o : page.objects) {
        if (o.kind == ObjectKind::Line)
            paintLine(painter, o);
        else
            paintMemo(painter, o);
    }
    painter.restore();
}

void ReportPainter::paintMemo(QPainter& painter, const PageObject& o)
{
    const ReportFontMetrics& m = fonts_.metrics(o.font);
    painter.setFont(m.font());
    painter.setPen(Qt::black);
    const QStringList lines = m.lines(o.text, o.wordWrap, o.rect.width() - 2 * kTextInsetX);
    double baseline = o.rect.top() + kTextInsetTop + m.ascent();
    for (const QString& line : lines) {
        // Not clipped to the box: a reading wider than its box runs out to the left.
        const double x = o.align.testFlag(Qt::AlignRight)
            ? o.rect.right() - kTextInsetX - m.width(line)
            : o.rect.left() + kTextInsetX;
        painter.drawText(QPointF(x * k, baseline * k), line);
        baseline += m.lineHeight() + kLineSpacing;
    }
    if (o.frameBottom > 0) {
        painter.setPen(solidPen(o.frameBottom));
        const double y = (o.rect.bottom() - o.frameBottom / 2) * k;
        painter.drawLine(QPointF(o.rect.left() * k, y), QPointF(o.rect.right() * k, y));
    }
}

void ReportPainter::paintLine(QPainter& painter, const PageObject& o)
{
    painter.setPen(solidPen(o.lineWidth));
    const double y = (o.rect.top() + o.lineWidth / 2) * k;
    painter.drawLine(QPointF(o.rect.left() * k, y), QPointF(o.rect.right() * k, y));
}

} // namespace quorvel
