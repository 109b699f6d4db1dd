#include "measure/ui/BarChartPainter.h"

#include "measure/ui/BarChart.h"
#include <QPainter>
#include <cmath>

namespace quorvel {

namespace {
constexpr int kTitleHeight = 22;
constexpr int kMarkHeight = 16;
constexpr int kLeftMargin = 44;
constexpr int kBottomMargin = 22;
constexpr int kRightMargin = 10;
constexpr double kBarFill = 0.7;   // of one reading's slot; ten bars per window
const QColor kAxisColour(0x90, 0x90, 0x90);
const QColor kGridColour(0x30, 0x30, 0x30);
const QColor kTextColour(0xE0, 0xE0, 0xE0);

// A round step giving about five divisions up to max.
double niceStep(double max)
{
    const double raw = max / 5.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0}) {
        if (raw <= m * magnitude)
            return m * magnitude;
    }
    return 10.0 * magnitude;
}

// Whole-number labels in the "#####" format: no digits for zero.
QString axisLabel(int k)
{
    return k == 0 ? QString() : QString::number(k);
}
} // namespace

BarChartPainter::BarChartPainter(const BarChart& chart, QPainter& painter, const QRect& area)
    : m_chart(chart), m_p(painter), m_area(area)
{
    m_plot = area.adjusted(kLeftMargin, kTitleHeight + kMarkHeight, -kRightMargin, -kBottomMargin);
}

void BarChartPainter::paint()
{
    m_p.fillRect(m_area, Qt::black);
    m_p.setPen(kTextColour);
    QFont titleFont = m_p.font();
    titleFont.setBold(true);
    m_p.setFont(titleFont);
    m_p.drawText(QRect(m_area.left(), m_area.top() + 3, m_area.width(), kTitleHeight - 3),
                 Qt::AlignHCenter | Qt::AlignVCenter, m_chart.title());
    titleFont.setBold(false);
    m_p.setFont(titleFont);

    const auto [first, last] = m_chart.barsInWindow();
    const Scale scale = valueScale(first, last);
    paintValueAxis(scale);
    paintBottomAxis();
    paintBars(first, last, scale);
}

BarChartPainter::Scale BarChartPainter::valueScale(int first, int last) const
{
    float top = 0.0f;
    for (int i = first; i < last; ++i)
        top = std::max(top, m_chart.m_y[size_t(i)]);
    Scale s;
    if (!(top > 0.0f))
        return {1.0, 0.2};
    s.step = niceStep(top);
    s.top = std::ceil(top / s.step) * s.step;
    return s;
}

double BarChartPainter::xToPixel(double x) const
{
    const double span = m_chart.windowMax() - m_chart.windowMin();
    return m_plot.left() + (x - m_chart.windowMin()) / span * m_plot.width();
}

double BarChartPainter::yToPixel(double y, const Scale& scale) const
{
    return m_plot.bottom() - y / scale.top * m_plot.height();
}

void BarChartPainter::paintValueAxis(const Scale& scale)
{
    const QFontMetrics fm(m_p.font());
    for (int k = 0; k * scale.step <= scale.top + scale.step / 1000; ++k) {
        const double v = k * scale.step;
        const int y = int(std::lround(yToPixel(v, scale)));
        m_p.setPen(kGridColour);
        m_p.drawLine(m_plot.left(), y, m_plot.right(), y);
        m_p.setPen(kTextColour);
        const int decimals = scale.step < 1.0 ? 1 : 0;
        m_p.drawText(QRect(m_area.left(), y - fm.height() / 2, kLeftMargin - 5, fm.height()),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(v, 'f', decimals));
    }
    m_p.setPen(kAxisColour);
    m_p.drawLine(m_plot.bottomLeft(), m_plot.topLeft());
}

void BarChartPainter::paintBottomAxis()
{
    m_p.setPen(kAxisColour);
    m_p.drawLine(m_plot.bottomLeft(), m_plot.bottomRight());
    const int from = int(std::ceil(m_chart.windowMin()));
    const int to = int(std::floor(m_chart.windowMax()));
    for (int k = from; k <= to; ++k) {
        const int x = int(std::lround(xToPixel(k)));
        m_p.setPen(kAxisColour);
        m_p.drawLine(x, m_plot.bottom(), x, m_plot.bottom() + 3);
        m_p.setPen(kTextColour);
        m_p.drawText(QRect(x - 30, m_plot.bottom() + 4, 60, kBottomMargin - 4),
                     Qt::AlignHCenter | Qt::AlignTop, axisLabel(k));
    }
}

void BarChartPainter::paintBars(int first, int last, const Scale& scale)
{
    const double span = m_chart.windowMax() - m_chart.windowMin();
    const double width = m_plot.width() / span * kBarFill;
    QFont markFont = m_p.font();
    markFont.setPixelSize(10);
    m_p.setFont(markFont);
    const QFontMetrics fm(markFont);
    m_p.setClipRect(m_area.adjusted(kLeftMargin, kTitleHeight, 0, 0));
    for (int i = first; i < last; ++i) {
        const double x = m_chart.m_x[size_t(i)];
        // Only the last of bars with an equal x shows; skip the ones under it.
        if (i + 1 < last && m_chart.m_x[size_t(i) + 1] == x)
            continue;
        const float y = m_chart.m_y[size_t(i)];
        const double left = xToPixel(x) - width / 2;
        const double top = yToPixel(y, scale);
        m_p.fillRect(QRectF(left, top, width, m_plot.bottom() - top),
                     QColor::fromRgb(m_chart.m_colour[size_t(i)]));
        const QString mark = QString::number(double(y), 'f', 1);
        const double markW = fm.horizontalAdvance(mark) + 4;
        const QRectF box(xToPixel(x) - markW / 2, top - fm.height() - 3, markW, fm.height());
        m_p.fillRect(box, QColor(0xFF, 0xFF, 0xE0));
        m_p.setPen(Qt::black);
        m_p.drawText(box, Qt::AlignCenter, mark);
    }
    m_p.setClipping(false);
}

} // namespace quorvel
