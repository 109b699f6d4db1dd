#pragma once
// A dot-matrix banner of a fixed number of character cells that scrolls its
// text right to left, one character per step, without end: the text enters
// at the right edge, and once its last character has reached the left edge
// it starts again from the right.

#include <QTimer>
#include <QWidget>

namespace quorvel {

class DotMatrixBanner : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultCells = 17;
    static constexpr int kDefaultIntervalMs = 400;

    explicit DotMatrixBanner(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);

    int cells() const { return m_cells; }
    void setCells(int cells);
    int interval() const { return m_timer.interval(); }
    void setInterval(int ms) { m_timer.setInterval(ms); }
    bool isScrolling() const { return m_timer.isActive(); }
    void setScrolling(bool on);

    // The characters in the cells now, left to right (blanks where nothing is).
    QString shownText() const;
    // One scroll step; the timer calls it.
    void step();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int stepsPerRound() const { return int(m_text.size()) + m_cells - 1; }
    void paintCell(QPainter& p, const QRectF& cell, QChar c);

    QString m_text;
    int m_cells = kDefaultCells;
    int m_step = 1;   // 1: the first character is in the rightmost cell
    QTimer m_timer;
};

} // namespace quorvel
