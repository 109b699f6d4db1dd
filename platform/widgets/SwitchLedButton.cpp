#include "platform/widgets/SwitchLedButton.h"

#include "platform/widgets/Bevel.h"
#include "platform/widgets/Fonts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace quorvel {

namespace {
const QColor kLit(0x00, 0xFF, 0x00);
const QColor kOut(0x00, 0x50, 0x00);
} // namespace

SwitchLedButton::SwitchLedButton(const QString& caption, QWidget* parent) : QAbstractButton(parent)
{
    setText(caption);
    setFont(fonts::smallSans());
    // The window's command buttons are mouse-only, as on the gauge's old software.
    setFocusPolicy(Qt::NoFocus);
}

void SwitchLedButton::setActive(bool lit)
{
    if (m_active == lit)
        return;
    m_active = lit;
    update();
    emit activeChanged(lit);
}

void SwitchLedButton::turnOver()
{
    setActive(!m_active);
}

void SwitchLedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_inDoubleClick && event->button() == Qt::LeftButton) {
        // The release that ends a double click is not another click.
        m_inDoubleClick = false;
        setDown(false);
        event->accept();
        return;
    }
    const bool clicking = event->button() == Qt::LeftButton && isDown() && hitButton(event->position().toPoint());
    QPointer<SwitchLedButton> self(this);
    QAbstractButton::mouseReleaseEvent(event);   // emits clicked(); handlers may run nested loops
    if (clicking && self)
        turnOver();
}

void SwitchLedButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click counts as the double click alone.
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        event->ignore();
        return;
    }
    m_inDoubleClick = true;
    QPointer<SwitchLedButton> self(this);
    emit doubleClicked();
    if (self)
        turnOver();
}

QRect SwitchLedButton::lampRect() const
{
    const int w = qMin(kLampWidth, width() - 8);
    return {(width() - w) / 2, 4, w, kLampHeight};
}

void SwitchLedButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    drawBevel(p, rect(), isDown() ? BevelStyle::Lowered : BevelStyle::Raised, 2);

    const QRect lamp = lampRect().translated(isDown() ? 1 : 0, isDown() ? 1 : 0);
    p.fillRect(lamp, m_active ? kLit : kOut);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawRect(lamp.adjusted(-1, -1, 0, 0));

    QRect textArea(0, lamp.bottom() + 1, width(), height() - lamp.bottom() - 3);
    if (isDown())
        textArea.translate(1, 1);
    p.setPen(isEnabled() ? palette().color(QPalette::ButtonText)
                         : palette().color(QPalette::Disabled, QPalette::ButtonText));
    p.setFont(font());
    p.drawText(textArea, Qt::AlignCenter, text());
}

} // namespace quorvel
