#pragma once
// A lowered bevel drawn around a group of widgets; it takes no mouse input,
// so whatever it surrounds stays clickable.

#include <QWidget>

namespace quorvel {

class BevelFrame : public QWidget {
    Q_OBJECT
public:
    explicit BevelFrame(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quorvel
