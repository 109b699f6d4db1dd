#include "report/ui/ReportPreview.h"

#include "report/ReportPdf.h"
#include "report/ui/PageView.h"
#include "report/ui/PrepareProgress.h"
#include "report/ui/ReportPrinting.h"
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QProgressDialog>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

namespace quorvel {

namespace {
const double kZoomSteps[] = {25, 50, 75, 100, 125, 150, 200, 300, 400};

// A progress window for page-by-page work; false from the callback cancels.
ProgressCallback pageProgress(QProgressDialog& dialog, const QString& verb)
{
    return [&dialog, verb](int done, int total) {
        dialog.setMaximum(total);
        dialog.setLabelText(QObject::tr("%1 page %2 of %3…").arg(verb).arg(done + 1).arg(total));
        dialog.setValue(done);
        return !dialog.wasCanceled();
    };
}
} // namespace

ReportPreview::ReportPreview(DataReport& report, PreparedReport pages, bool printersAvailable,
                             QWidget* parent)
    : QDialog(parent), report_(report), pages_(std::move(pages))
{
    setObjectName(QStringLiteral("reportPreview"));
    setWindowTitle(tr("Preview - %1").arg(report_.title()));
    setModal(true);
    setSizeGripEnabled(true);
    resize(900, 1000);
    view_ = new PageView(this);
    view_->setReport(&pages_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("statusText"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    buildToolBar(printersAvailable);
    layout->addWidget(view_, 1);
    layout->addWidget(status_);
    if (!printersAvailable)
        status_->setText(tr("  No printer is installed: the report can be exported as PDF."));
    connect(view_, &PageView::currentPageChanged, this, &ReportPreview::showPageNumber);
    view_->setFocus();
}

void ReportPreview::buildToolBar(bool printersAvailable)
{
    auto* bar = new QToolBar(this);
    layout()->addWidget(bar);
    addZoomControls(bar);
    bar->addSeparator();
    addPageControls(bar);
    bar->addSeparator();
    QAction* printAction = bar->addAction(tr("Print…"), this, &ReportPreview::print);
    printAction->setObjectName(QStringLiteral("printAction"));
    printAction->setShortcut(QKeySequence::Print);
    QAction* setup = bar->addAction(tr("Page Setup…"), this, &ReportPreview::pageSetup);
    setup->setObjectName(QStringLiteral("pageSetupAction"));
    printAction->setEnabled(printersAvailable);
    setup->setEnabled(printersAvailable);
    QAction* pdf = bar->addAction(tr("Export PDF…"), this, &ReportPreview::exportPdf);
    pdf->setObjectName(QStringLiteral("exportPdfAction"));
    bar->addSeparator();
    QAction* close = bar->addAction(tr("Close"), this, &QDialog::reject);
    close->setObjectName(QStringLiteral("closeAction"));
}

void ReportPreview::addZoomControls(QToolBar* bar)
{
    QAction* out = bar->addAction(tr("Zoom Out"), this, &ReportPreview::zoomOut);
    out->setShortcut(QKeySequence::ZoomOut);
    zoomBox_ = new QComboBox(bar);
    zoomBox_->setObjectName(QStringLiteral("zoomBox"));
    zoomBox_->addItem(tr("Page Width"));
    zoomBox_->addItem(tr("Whole Page"));
    for (double step : kZoomSteps)
        zoomBox_->addItem(QStringLiteral("%1%").arg(step));
    bar->addWidget(zoomBox_);
    connect(zoomBox_, &QComboBox::activated, this, &ReportPreview::applyZoomChoice);
    QAction* in = bar->addAction(tr("Zoom In"), this, &ReportPreview::zoomIn);
    in->setShortcut(QKeySequence::ZoomIn);
}

void ReportPreview::addPageControls(QToolBar* bar)
{
    pageBox_ = new QSpinBox(bar);
    pageBox_->setObjectName(QStringLiteral("pageBox"));
    pageBox_->setRange(1, std::max(1, pages_.pageCount()));
    pageBox_->setPrefix(tr("Page "));
    bar->addWidget(pageBox_);
    pageCount_ = new QLabel(tr(" of %1 ").arg(pages_.pageCount()), bar);
    bar->addWidget(pageCount_);
    connect(pageBox_, &QSpinBox::valueChanged, this, [this](int page) {
        if (view_->currentPage() != page - 1)
            view_->showPage(page - 1);
    });
}

void ReportPreview::applyZoomChoice(int index)
{
    if (index == 0)
        view_->setZoom(PageView::ZoomMode::FitWidth);
    else if (index == 1)
        view_->setZoom(PageView::ZoomMode::FitPage);
    else
        view_->setZoom(PageView::ZoomMode::Percent, kZoomSteps[index - 2]);
}

void ReportPreview::zoomIn()
{
    const double now = view_->zoomPercent();
    for (double step : kZoomSteps)
        if (step > now + 0.5) {
            view_->setZoom(PageView::ZoomMode::Percent, step);
            break;
        }
    showZoom();
}

void ReportPreview::zoomOut()
{
    const double now = view_->zoomPercent();
    for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it)
        if (*it < now - 0.5) {
            view_->setZoom(PageView::ZoomMode::Percent, *it);
            break;
        }
    showZoom();
}

void ReportPreview::showZoom()
{
    if (view_->zoomMode() != PageView::ZoomMode::Percent)
        return;
    const int index = zoomBox_->findText(QStringLiteral("%1%").arg(view_->zoomPercent()));
    if (index >= 0)
        zoomBox_->setCurrentIndex(index);
    else
        zoomBox_->setEditText(QStringLiteral("%1%").arg(qRound(view_->zoomPercent())));
}

void ReportPreview::showPageNumber(int index)
{
    const QSignalBlocker block(pageBox_);
    pageBox_->setValue(index + 1);
}

void ReportPreview::setPages(PreparedReport pages)
{
    pages_ = std::move(pages);
    view_->setReport(&pages_);
    pageBox_->setRange(1, std::max(1, pages_.pageCount()));
    pageCount_->setText(tr(" of %1 ").arg(pages_.pageCount()));
    showPageNumber(0);
}

void ReportPreview::print()
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, pages_, report_.title());
    QPrintDialog dialog(&printer, this);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCurrentPage
                      | QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, std::max(1, pages_.pageCount()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::vector<int> pages = pagesToPrint(printer.printRange(), printer.pageRanges(),
                                                view_->currentPage(), pages_.pageCount());
    QProgressDialog progress(QString(), tr("Cancel"), 0, int(pages.size()), this);
    progress.setWindowTitle(report_.title());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(progressDelayMs_);
    if (printPages(printer, pages_, pages, pageProgress(progress, tr("Printing"))))
        status_->setText(tr("  Sent %n page(s) to %1.", nullptr, int(pages.size())).arg(printer.printerName()));
    else if (!progress.wasCanceled())
        QMessageBox::warning(this, tr("Print"),
                             tr("The report could not be printed on %1.\nCheck the printer and try again.")
                                 .arg(printer.printerName()));
}

void ReportPreview::pageSetup()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report_.reportTemplate().page.toPageLayout());
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        applyPageLayout(printer.pageLayout());
}

bool ReportPreview::applyPageLayout(const QPageLayout& layout)
{
    ReportTemplate& tmpl = report_.reportTemplate();
    const PageSetup former = tmpl.page;
    tmpl.page = PageSetup::fromPageLayout(layout);
    auto prepared = prepareWithProgress(this, report_, progressDelayMs_);
    if (!prepared) {
        tmpl.page = former;
        return false;
    }
    setPages(std::move(*prepared));
    return true;
}

void ReportPreview::exportPdf()
{
    const QString dir = lastPdfDir_.isEmpty() ? QDir::homePath() : lastPdfDir_;
    QString file = QFileDialog::getSaveFileName(this, tr("Export PDF"),
                                                QDir(dir).filePath(QStringLiteral("Data Report.pdf")),
                                                tr("PDF files (*.pdf)"));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    lastPdfDir_ = QFileInfo(file).absolutePath();
    exportPdfTo(file);
}

bool ReportPreview::exportPdfTo(const QString& fileName)
{
    QProgressDialog progress(QString(), tr("Cancel"), 0, pages_.pageCount(), this);
    progress.setWindowTitle(report_.title());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(progressDelayMs_);
    const PdfResult result = exportReportPdf(pages_, fileName, report_.title(),
                                             pageProgress(progress, tr("Writing")));
    if (result.ok) {
        status_->setText(tr("  Saved %1").arg(QDir::toNativeSeparators(fileName)));
    } else if (!result.cancelled) {
        QMessageBox::warning(this, tr("Export PDF"),
                             tr("The report could not be saved as %1:\n%2\n"
                                "Choose another folder or file name and try again.")
                                 .arg(QDir::toNativeSeparators(fileName), result.error));
    }
    return result.ok;
}

} // namespace quorvel
