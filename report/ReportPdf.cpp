#include "report/ReportPdf.h"

#include "report/ReportPainter.h"
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace quorvel {

namespace {
constexpr int kPdfResolution = 600;

enum class Painted { Done, Failed, Cancelled };

Painted paintPages(const PreparedReport& report, QPdfWriter& writer, const ProgressCallback& progress)
{
    QPainter painter;
    if (!painter.begin(&writer))
        return Painted::Failed;
    ReportPainter pages;
    const double pxPerUnit = kPdfResolution / kUnitsPerInch;
    for (int i = 0; i < report.pageCount(); ++i) {
        if (progress && !progress(i, report.pageCount())) {
            painter.end();
            return Painted::Cancelled;
        }
        if (i > 0)
            writer.newPage();
        pages.paintPage(painter, report.pages[size_t(i)], pxPerUnit);
    }
    return painter.end() ? Painted::Done : Painted::Failed;
}
} // namespace

PdfResult exportReportPdf(const PreparedReport& report, const QString& fileName,
                          const QString& title, const ProgressCallback& progress)
{
    PdfResult result;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    Painted painted = Painted::Failed;
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Quorvel"));
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(QPageLayout(report.setup.paper, report.setup.orientation, QMarginsF()));
        painted = paintPages(report, writer, progress);
    }
    if (painted != Painted::Done) {
        file.cancelWriting();
        result.cancelled = painted == Painted::Cancelled;
        if (!result.cancelled)
            result.error = QStringLiteral("The pages could not be drawn into the PDF.");
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace quorvel
