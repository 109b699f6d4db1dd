#pragma once
// The preview's page area: pages stacked top to bottom, each painted only
// while some of it is in view, so a report of hundreds of pages opens at once.

#include "report/PageModel.h"
#include "report/ReportPainter.h"
#include <QAbstractScrollArea>

namespace quorvel {

class PageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class ZoomMode { FitWidth, FitPage, Percent };

    explicit PageView(QWidget* parent = nullptr);

    void setReport(const PreparedReport* report);
    void setZoom(ZoomMode mode, double percent = 100);
    ZoomMode zoomMode() const { return mode_; }
    double zoomPercent() const;          // the scale shown, whatever the mode
    double pxPerUnit() const;
    int currentPage() const;              // 0-based, the page at the top of the view
    void showPage(int index);
    int pagesPainted() const { return pagesPainted_; }   // since the report was set

signals:
    void currentPageChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSizeF pageSizePx() const;
    double pageStride() const;
    void updateScrollBars();

    const PreparedReport* report_ = nullptr;
    ReportPainter painter_;
    ZoomMode mode_ = ZoomMode::FitWidth;
    double percent_ = 100;
    int pagesPainted_ = 0;
    int lastCurrent_ = -1;
};

} // namespace quorvel
