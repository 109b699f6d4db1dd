#include "platform/displays/SevenSegmentDisplay.h"

#include <QPainter>
#include <QPolygonF>
#include <array>
#include <cmath>

namespace quorvel {

namespace {

// Segment bits a..g (bit 0 = a, the top one) for the digits 0..9.
constexpr std::array<uint8_t, 10> kDigitSegments = {
    0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

constexpr double kLargest = 99999.9;   // what six digits with one decimal can hold

// A horizontal or vertical bar with pointed ends, from (x0,y0) to (x1,y1).
QPolygonF segmentShape(QPointF a, QPointF b, double t)
{
    const double h = t / 2.0;
    if (a.y() == b.y()) {
        return QPolygonF({{a.x(), a.y()}, {a.x() + h, a.y() - h}, {b.x() - h, b.y() - h},
                          {b.x(), b.y()}, {b.x() - h, b.y() + h}, {a.x() + h, a.y() + h}});
    }
    return QPolygonF({{a.x(), a.y()}, {a.x() + h, a.y() + h}, {b.x() + h, b.y() - h},
                      {b.x(), b.y()}, {b.x() - h, b.y() - h}, {a.x() - h, a.y() + h}});
}

} // namespace

SevenSegmentDisplay::SevenSegmentDisplay(QWidget* parent)
    : QWidget(parent), m_color(0x00, 0xFF, 0x00)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SevenSegmentDisplay::setValue(double value)
{
    if (value == m_value)
        return;
    m_value = value;
    update();
}

QString SevenSegmentDisplay::displayText() const
{
    double v = std::fabs(m_value);   // the display has no sign
    if (!(v <= kLargest))            // also catches NaN
        v = kLargest;
    return QString::number(v, 'f', 1);
}

void SevenSegmentDisplay::setSegmentColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void SevenSegmentDisplay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    QString digits = displayText();
    digits.remove(QLatin1Char('.'));
    const double margin = 4.0;
    const double cellW = (width() - 2 * margin) / kDigits;
    const int firstLit = kDigits - int(digits.size());
    for (int c = 0; c < kDigits; ++c) {
        const QRectF cell(margin + c * cellW, margin, cellW, height() - 2 * margin);
        const int digit = c >= firstLit ? digits.at(c - firstLit).digitValue() : -1;
        paintDigit(p, cell, digit, c == kDigits - 2);
    }
}

// digit -1 leaves every segment unlit; point draws the decimal point after it.
void SevenSegmentDisplay::paintDigit(QPainter& p, const QRectF& cell, int digit, bool point) const
{
    const double t = std::max(2.0, cell.width() * 0.16);
    const double left = cell.left() + t, right = cell.right() - t * 1.6;
    const double top = cell.top() + t / 2, bottom = cell.bottom() - t / 2;
    const double mid = (top + bottom) / 2;
    const std::array<std::pair<QPointF, QPointF>, 7> ends = {{
        {{left, top}, {right, top}},          // a
        {{right, top}, {right, mid}},         // b
        {{right, mid}, {right, bottom}},      // c
        {{left, bottom}, {right, bottom}},    // d
        {{left, mid}, {left, bottom}},        // e
        {{left, top}, {left, mid}},           // f
        {{left, mid}, {right, mid}},          // g
    }};
    const uint8_t lit = digit >= 0 ? kDigitSegments[size_t(digit)] : 0;
    const QColor dim = m_color.darker(500);
    for (int s = 0; s < 7; ++s) {
        p.setBrush((lit >> s) & 1 ? m_color : dim);
        p.drawPolygon(segmentShape(ends[size_t(s)].first, ends[size_t(s)].second, t * 0.9));
    }
    p.setBrush(point ? m_color : dim);
    p.drawEllipse(QPointF(cell.right() - t * 0.6, bottom), t * 0.45, t * 0.45);
}

} // namespace quorvel
