#pragma once
// Paints a BarChart: title, axes, the bars in the window and their value marks.

#include <QRect>
#include <QString>

class QPainter;

namespace quorvel {

class BarChart;

class BarChartPainter {
public:
    BarChartPainter(const BarChart& chart, QPainter& painter, const QRect& area);
    void paint();

private:
    struct Scale {
        double top = 10.0;
        double step = 2.0;
    };
    Scale valueScale(int first, int last) const;
    void paintValueAxis(const Scale& scale);
    void paintBottomAxis();
    void paintBars(int first, int last, const Scale& scale);
    double xToPixel(double x) const;
    double yToPixel(double y, const Scale& scale) const;

    const BarChart& m_chart;
    QPainter& m_p;
    QRect m_area;
    QRect m_plot;
};

} // namespace quorvel
