#pragma once
// A plain black panel with a raised outer and a lowered inner bevel, the
// ground of the chart and of the reading column.

#include <QWidget>

namespace quorvel {

class BevelPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kOuterBevel = 2;
    static constexpr int kBorder = 7;   // from the edge to the inner bevel

    explicit BevelPanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quorvel
