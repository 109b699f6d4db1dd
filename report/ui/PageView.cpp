#include "report/ui/PageView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {
constexpr int kGap = 16;   // pixels around and between pages
}

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("pageView"));
    setFocusPolicy(Qt::StrongFocus);
}

void PageView::setReport(const PreparedReport* report)
{
    report_ = report;
    pagesPainted_ = 0;
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void PageView::setZoom(ZoomMode mode, double percent)
{
    const int page = currentPage();
    mode_ = mode;
    percent_ = std::clamp(percent, 10.0, 800.0);
    updateScrollBars();
    showPage(page);
    viewport()->update();
}

double PageView::pxPerUnit() const
{
    if (!report_ || report_->pages.empty())
        return 1.0;
    const QSizeF page = report_->pages.front().size;
    const double fitWidth = std::max(50.0, viewport()->width() - 2.0 * kGap) / page.width();
    switch (mode_) {
    case ZoomMode::FitWidth:
        return fitWidth;
    case ZoomMode::FitPage:
        return std::min(fitWidth, std::max(50.0, viewport()->height() - 2.0 * kGap) / page.height());
    case ZoomMode::Percent:
        break;
    }
    return percent_ / 100.0 * logicalDpiX() / kUnitsPerInch;
}

double PageView::zoomPercent() const
{
    return pxPerUnit() * kUnitsPerInch / logicalDpiX() * 100.0;
}

QSizeF PageView::pageSizePx() const
{
    if (!report_ || report_->pages.empty())
        return {};
    return report_->pages.front().size * pxPerUnit();
}

double PageView::pageStride() const
{
    return pageSizePx().height() + kGap;
}

int PageView::currentPage() const
{
    if (!report_ || report_->pages.empty())
        return 0;
    const int page = int((verticalScrollBar()->value() + viewport()->height() / 3) / pageStride());
    return std::clamp(page, 0, report_->pageCount() - 1);
}

void PageView::showPage(int index)
{
    if (!report_ || report_->pages.empty())
        return;
    index = std::clamp(index, 0, report_->pageCount() - 1);
    verticalScrollBar()->setValue(int(std::lround(index * pageStride())));
}

void PageView::updateScrollBars()
{
    const QSizeF page = pageSizePx();
    const int count = report_ ? report_->pageCount() : 0;
    const double height = count * pageStride() + kGap;
    verticalScrollBar()->setRange(0, std::max(0, int(std::ceil(height)) - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(40);
    const int width = int(std::ceil(page.width())) + 2 * kGap;
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void PageView::resizeEvent(QResizeEvent* event)
{
    const int page = currentPage();
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    if (mode_ != ZoomMode::Percent)
        showPage(page);
}

void PageView::scrollContentsBy(int, int)
{
    viewport()->update();
    const int page = currentPage();
    if (page != lastCurrent_) {
        lastCurrent_ = page;
        emit currentPageChanged(page);
    }
}

void PageView::paintEvent(QPaintEvent* event)
{
    QPainter p(viewport());
    p.fillRect(event->rect(), QColor(128, 128, 128));
    if (!report_ || report_->pages.empty())
        return;
    const QSizeF size = pageSizePx();
    const double stride = pageStride();
    const double top = verticalScrollBar()->value();
    const double left = std::max(double(kGap), (viewport()->width() - size.width()) / 2)
        - horizontalScrollBar()->value();
    const int first = std::max(0, int((top + event->rect().top() - kGap) / stride));
    const int last = std::min(report_->pageCount() - 1, int((top + event->rect().bottom()) / stride));
    for (int i = first; i <= last; ++i) {
        const QRectF paper(left, kGap + i * stride - top, size.width(), size.height());
        p.fillRect(paper.translated(3, 3), QColor(60, 60, 60));
        p.fillRect(paper, Qt::white);
        p.save();
        p.translate(paper.topLeft());
        p.setClipRect(QRectF(QPointF(0, 0), size));
        painter_.paintPage(p, report_->pages[size_t(i)], pxPerUnit());
        p.restore();
        ++pagesPainted_;
    }
}

} // namespace quorvel
