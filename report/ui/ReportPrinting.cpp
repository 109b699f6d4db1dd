#include "report/ui/ReportPrinting.h"

#include "report/ReportPainter.h"
#include <QPainter>

namespace quorvel {

std::vector<int> pagesToPrint(QPrinter::PrintRange range, const QPageRanges& ranges,
                              int currentPage, int pageCount)
{
    std::vector<int> pages;
    if (range == QPrinter::CurrentPage) {
        if (currentPage >= 0 && currentPage < pageCount)
            pages.push_back(currentPage);
        return pages;
    }
    const bool listed = range == QPrinter::PageRange && !ranges.isEmpty();
    for (int i = 0; i < pageCount; ++i)
        if (!listed || ranges.contains(i + 1))
            pages.push_back(i);
    return pages;
}

std::vector<int> printSequence(const std::vector<int>& pages, int copies, bool collate)
{
    std::vector<int> sequence;
    copies = std::max(1, copies);
    if (collate) {
        for (int c = 0; c < copies; ++c)
            sequence.insert(sequence.end(), pages.begin(), pages.end());
    } else {
        for (int page : pages)
            sequence.insert(sequence.end(), size_t(copies), page);
    }
    return sequence;
}

void preparePrinter(QPrinter& printer, const PreparedReport& report, const QString& jobName)
{
    printer.setDocName(jobName);
    printer.setPageLayout(QPageLayout(report.setup.paper, report.setup.orientation, QMarginsF()));
    printer.setFullPage(true);
    printer.setFromTo(1, std::max(1, report.pageCount()));
}

bool printPages(QPrinter& printer, const PreparedReport& report, const std::vector<int>& pages,
                const ProgressCallback& progress)
{
    const std::vector<int> sequence = printer.supportsMultipleCopies()
        ? pages
        : printSequence(pages, printer.copyCount(), printer.collateCopies());
    if (sequence.empty())
        return true;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    ReportPainter paint;
    const double pxPerUnit = printer.resolution() / kUnitsPerInch;
    for (size_t i = 0; i < sequence.size(); ++i) {
        if (progress && !progress(int(i), int(sequence.size()))) {
            printer.abort();
            return false;
        }
        if (i > 0 && !printer.newPage())
            return false;
        paint.paintPage(painter, report.pages[size_t(sequence[i])], pxPerUnit);
    }
    return painter.end();
}

} // namespace quorvel
