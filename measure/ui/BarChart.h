#pragma once
// A bar chart of one series that paints only the bars inside its bottom-axis
// window, so a group of 65530 readings costs nothing to show or scroll.
// Bars are kept in ascending x; a bar with an x equal to others goes after
// them and, painted last, is the one seen.

#include <QColor>
#include <QWidget>
#include <vector>

namespace quorvel {

struct Bar {
    double x = 0.0;
    float y = 0.0f;
    QColor colour;
};

class BarChart : public QWidget {
    Q_OBJECT
public:
    static inline const QColor kGreen{0x00, 0x80, 0x00};

    explicit BarChart(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const { return m_title; }

    // Returns the index of the new bar; amortised O(1) when x is not below
    // the last bar's x. New bars take the series colour, green.
    int addBar(double x, float y);
    void clear();
    // Out-of-range indexes are ignored.
    void setBarColour(int pointIndex, const QColor& colour);
    int barCount() const { return int(m_x.size()); }
    Bar barAt(int i) const;

    void setWindow(double min, double max);
    double windowMin() const { return m_min; }
    double windowMax() const { return m_max; }
    void shiftWindow(double delta);

    // Indexes [first, last) of the bars whose x lies in the window.
    std::pair<int, int> barsInWindow() const;

    QSize sizeHint() const override { return {529, 315}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class BarChartPainter;
    bool inWindow(double x) const { return x >= m_min - 1.0 && x <= m_max + 1.0; }

    QString m_title;
    std::vector<double> m_x;
    std::vector<float> m_y;
    std::vector<QRgb> m_colour;
    double m_min = 0.5;
    double m_max = 10.5;
};

} // namespace quorvel
