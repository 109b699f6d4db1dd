#include "platform/widgets/ClockDisplay.h"

#include "platform/widgets/Bevel.h"
#include "platform/widgets/Fonts.h"

#include <QPainter>

namespace quorvel {

ClockDisplay::ClockDisplay(QWidget* parent)
    : QWidget(parent), m_now([] { return QDateTime::currentDateTime(); })
{
    setFont(fonts::arialBold(19));
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    m_timer.start();
}

void ClockDisplay::setNow(Now now)
{
    m_now = std::move(now);
    update();
}

QString ClockDisplay::text() const
{
    const QDateTime now = m_now();
    // Always with the time, also at midnight: a clock that drops it looks stopped.
    QLocale locale;
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ')
        + locale.toString(now.time(), QStringLiteral("HH:mm:ss"));
}

void ClockDisplay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    QRect inner = drawBevel(p, rect(), BevelStyle::Raised, 1);
    inner = drawBevel(p, inner.adjusted(1, 1, -1, -1), BevelStyle::Lowered, 1);
    p.fillRect(inner, Qt::black);
    p.setPen(QColor(0x00, 0xFF, 0x00));
    p.setFont(font());
    p.drawText(inner, Qt::AlignCenter, text());
}

} // namespace quorvel
