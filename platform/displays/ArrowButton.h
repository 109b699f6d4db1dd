#pragma once
// An up or down arrow button, green, lit lime while the mouse button is held
// on it. Who lights it is the owner's choice: mousePressed/mouseReleased
// report the press, setLit() shows it.

#include <QAbstractButton>

namespace quorvel {

class ArrowButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Direction { Up, Down };

    explicit ArrowButton(Direction direction, QWidget* parent = nullptr);

    Direction direction() const { return m_direction; }
    void setLit(bool lit);
    bool isLit() const { return m_lit; }

    QSize sizeHint() const override { return {30, 30}; }

signals:
    void mousePressed();
    void mouseReleased();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Direction m_direction;
    bool m_lit = false;
};

} // namespace quorvel
