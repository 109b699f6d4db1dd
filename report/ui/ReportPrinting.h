#pragma once
// Printing prepared pages on a printer chosen in the print dialog.

#include "report/BandEngine.h"
#include "report/PageModel.h"
#include <QPageRanges>
#include <QPrinter>
#include <vector>

namespace quorvel {

// The 0-based pages a print dialog choice covers; ranges count pages from 1.
std::vector<int> pagesToPrint(QPrinter::PrintRange range, const QPageRanges& ranges,
                              int currentPage, int pageCount);
// The order in which pages go to a printer that cannot make copies itself.
std::vector<int> printSequence(const std::vector<int>& pages, int copies, bool collate);
// Sets the report's paper and orientation, and the origin at the paper's corner.
void preparePrinter(QPrinter& printer, const PreparedReport& report, const QString& jobName);
// Prints the pages; progress is told sheets done out of sheets; false cancels.
// False when cancelled or the printer failed.
bool printPages(QPrinter& printer, const PreparedReport& report, const std::vector<int>& pages,
                const ProgressCallback& progress = {});

} // namespace quorvel
