#include "platform/widgets/DotMatrixBanner.h"

#include "platform/widgets/Bevel.h"
#include "platform/widgets/DotGlyphs.h"

#include <QPainter>

namespace quorvel {

namespace {
const QColor kLitDot(0x00, 0xFF, 0x00);
const QColor kUnlitDot(0x00, 0x40, 0x00);
constexpr int kGapColumns = 1;   // dark columns between two cells
} // namespace

DotMatrixBanner::DotMatrixBanner(QWidget* parent) : QWidget(parent)
{
    m_timer.setInterval(kDefaultIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &DotMatrixBanner::step);
    m_timer.start();
}

void DotMatrixBanner::setText(const QString& text)
{
    m_text = text;
    m_step = 1;
    update();
}

void DotMatrixBanner::setCells(int cells)
{
    m_cells = qMax(1, cells);
    m_step = 1;
    update();
}

void DotMatrixBanner::setScrolling(bool on)
{
    if (on)
        m_timer.start();
    else
        m_timer.stop();
}

void DotMatrixBanner::step()
{
    if (m_text.isEmpty())
        return;
    m_step = m_step >= stepsPerRound() ? 1 : m_step + 1;
    update();
}

QString DotMatrixBanner::shownText() const
{
    QString shown(m_cells, QLatin1Char(' '));
    const int first = m_cells - m_step;   // cell of the text's first character
    for (int cell = 0; cell < m_cells; ++cell) {
        const int i = cell - first;
        if (i >= 0 && i < m_text.size())
            shown[cell] = m_text[i];
    }
    return shown;
}

void DotMatrixBanner::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    const QRect inner = drawBevel(p, rect(), BevelStyle::Raised, 1);
    p.fillRect(inner, Qt::black);
    p.setRenderHint(QPainter::Antialiasing, false);

    const QRectF area = QRectF(inner).adjusted(2, 2, -2, -2);
    const qreal cellWidth = area.width() / m_cells;
    const QString shown = shownText();
    for (int cell = 0; cell < m_cells; ++cell)
        paintCell(p, QRectF(area.left() + cell * cellWidth, area.top(), cellWidth, area.height()), shown[cell]);
}

void DotMatrixBanner::paintCell(QPainter& p, const QRectF& cell, QChar c)
{
    const DotGlyph& g = dotGlyph(c);
    const qreal pitchX = cell.width() / (kDotColumns + kGapColumns);
    const qreal pitchY = cell.height() / kDotRows;
    const qreal dotW = qMax(1.0, pitchX * 0.7), dotH = qMax(1.0, pitchY * 0.7);
    for (int row = 0; row < kDotRows; ++row)
        for (int col = 0; col < kDotColumns; ++col) {
            const QRectF dot(cell.left() + col * pitchX, cell.top() + row * pitchY, dotW, dotH);
            p.fillRect(dot, dotLit(g, col, row) ? kLitDot : kUnlitDot);
        }
}

} // namespace quorvel
