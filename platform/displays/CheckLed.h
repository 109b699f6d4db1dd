#pragma once
// A check box whose indicator is an LED: lit while ticked.

#include <QCheckBox>

namespace quorvel {

class CheckLed : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckLed(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace quorvel
