#include "platform/displays/CheckLed.h"

#include <QPainter>

namespace quorvel {

namespace {
constexpr int kLed = 12;
constexpr int kGap = 6;
}

CheckLed::CheckLed(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

QSize CheckLed::sizeHint() const
{
    const QFontMetrics fm(font());
    return {kLed + kGap + fm.horizontalAdvance(text()) + 4, std::max(kLed, fm.height()) + 4};
}

void CheckLed::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF led(2, (height() - kLed) / 2.0, kLed, kLed);
    p.setPen(QColor(0x00, 0x40, 0x00));
    p.setBrush(isChecked() ? QColor(0x00, 0xFF, 0x00) : QColor(0x00, 0x50, 0x00));
    p.drawEllipse(led);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                             QPalette::WindowText));
    const QRect textRect(int(led.right()) + kGap, 0, width() - int(led.right()) - kGap, height());
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(textRect.adjusted(-2, 1, -1, -2));
    }
}

} // namespace quorvel
