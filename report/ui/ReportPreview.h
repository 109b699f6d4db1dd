#pragma once
// The modal preview of a prepared report: zoom, print, page setup, PDF
// export and close (Esc). Print and page setup need an installed printer.

#include "report/DataReport.h"
#include "report/PageModel.h"
#include <QDialog>

class QAction;
class QComboBox;
class QLabel;
class QPageLayout;
class QSpinBox;
class QToolBar;

namespace quorvel {

class PageView;

class ReportPreview : public QDialog {
    Q_OBJECT
public:
    ReportPreview(DataReport& report, PreparedReport pages, bool printersAvailable,
                  QWidget* parent = nullptr);

    const PreparedReport& pages() const { return pages_; }
    PageView* pageView() const { return view_; }

    // Page setup's OK: the template takes the page and the report is prepared
    // again. A cancelled preparation keeps the former page and pages.
    bool applyPageLayout(const QPageLayout& layout);
    bool exportPdfTo(const QString& fileName);
    // How long long work runs before its progress window shows.
    void setProgressDelay(int ms) { progressDelayMs_ = ms; }

public slots:
    void print();
    void pageSetup();
    void exportPdf();
    void zoomIn();
    void zoomOut();

private:
    void buildToolBar(bool printersAvailable);
    void addZoomControls(QToolBar* bar);
    void addPageControls(QToolBar* bar);
    void applyZoomChoice(int index);
    void showZoom();
    void showPageNumber(int index);
    void setPages(PreparedReport pages);

    DataReport& report_;
    PreparedReport pages_;
    PageView* view_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
    QSpinBox* pageBox_ = nullptr;
    QLabel* pageCount_ = nullptr;
    QLabel* status_ = nullptr;
    QString lastPdfDir_;
    int progressDelayMs_ = 400;
};

} // namespace quorvel
