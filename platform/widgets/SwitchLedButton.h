#pragma once
// A push button with a lamp strip above its caption. Like the switch it
// stands in for, a mouse click turns its own lamp over once the click's
// handlers have returned; the program sets the lamp explicitly where it
// matters and the turn-over comes on top.

#include <QAbstractButton>

namespace quorvel {

class SwitchLedButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int kLampWidth = 30;
    static constexpr int kLampHeight = 5;

    explicit SwitchLedButton(const QString& caption = QString(), QWidget* parent = nullptr);

    bool isActive() const { return m_active; }
    void setActive(bool lit);

    // The hint is the tooltip.
    QString hint() const { return toolTip(); }
    void setHint(const QString& hint) { setToolTip(hint); }

    QSize sizeHint() const override { return {55, 28}; }

signals:
    void doubleClicked();
    void activeChanged(bool lit);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void turnOver();
    QRect lampRect() const;

    bool m_active = false;
    bool m_inDoubleClick = false;
};

} // namespace quorvel
