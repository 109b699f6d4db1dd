#include "measure/ui/BarChart.h"

#include "measure/ui/BarChartPainter.h"
#include <QPainter>
#include <algorithm>

namespace quorvel {

BarChart::BarChart(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BarChart::setTitle(const QString& title)
{
    m_title = title;
    update();
}

int BarChart::addBar(double x, float y)
{
    int index = barCount();
    if (!m_x.empty() && x < m_x.back()) {
        // Rare: keep ascending order, after any bars with an equal x.
        index = int(std::upper_bound(m_x.begin(), m_x.end(), x) - m_x.begin());
        m_x.insert(m_x.begin() + index, x);
        m_y.insert(m_y.begin() + index, y);
        m_colour.insert(m_colour.begin() + index, kGreen.rgb());
    } else {
        m_x.push_back(x);
        m_y.push_back(y);
        m_colour.push_back(kGreen.rgb());
    }
    // A whole group is added bar by bar; only bars that can be seen repaint.
    if (inWindow(x))
        update();
    return index;
}

void BarChart::clear()
{
    // The capacity stays: the next group is usually about as large.
    m_x.clear();
    m_y.clear();
    m_colour.clear();
    update();
}

void BarChart::setBarColour(int pointIndex, const QColor& colour)
{
    if (pointIndex < 0 || pointIndex >= barCount())
        return;
    const QRgb rgb = colour.rgb();
    if (m_colour[size_t(pointIndex)] == rgb)
        return;
    m_colour[size_t(pointIndex)] = rgb;
    if (inWindow(m_x[size_t(pointIndex)]))
        update();
}

Bar BarChart::barAt(int i) const
{
    if (i < 0 || i >= barCount())
        return {};
    return {m_x[size_t(i)], m_y[size_t(i)], QColor::fromRgb(m_colour[size_t(i)])};
}

void BarChart::setWindow(double min, double max)
{
    if (min == m_min && max == m_max)
        return;
    m_min = min;
    m_max = max;
    update();
}

void BarChart::shiftWindow(double delta)
{
    setWindow(m_min + delta, m_max + delta);
}

std::pair<int, int> BarChart::barsInWindow() const
{
    const auto first = std::lower_bound(m_x.begin(), m_x.end(), m_min);
    const auto last = std::upper_bound(first, m_x.end(), m_max);
    return {int(first - m_x.begin()), int(last - m_x.begin())};
}

void BarChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    BarChartPainter(*this, p, rect()).paint();
}

} // namespace quorvel
