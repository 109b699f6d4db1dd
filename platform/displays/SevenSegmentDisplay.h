#pragma once
// A six-digit seven-segment readout with one decimal and no sign, drawn on
// black with the unlit segments dimmed.

#include <QColor>
#include <QWidget>

namespace quorvel {

class SevenSegmentDisplay : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDigits = 6;

    explicit SevenSegmentDisplay(QWidget* parent = nullptr);

    // Shown rounded to one decimal; the exact value stays readable.
    void setValue(double value);
    double value() const { return m_value; }
    // What the digits read, e.g. "12.3" (no leading blanks).
    QString displayText() const;

    void setSegmentColor(const QColor& color);
    QColor segmentColor() const { return m_color; }

    QSize sizeHint() const override { return {130, 40}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintDigit(QPainter& p, const QRectF& cell, int digit, bool point) const;

    double m_value = 0.0;
    QColor m_color;
};

} // namespace quorvel
