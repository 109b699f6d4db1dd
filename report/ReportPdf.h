#pragma once
// Prepared pages into a PDF file. The file is written beside its place and
// only put there once complete, so a failed or cancelled export leaves any
// earlier file untouched.

#include "report/BandEngine.h"
#include "report/PageModel.h"
#include <QString>

namespace quorvel {

struct PdfResult {
    bool ok = false;
    bool cancelled = false;
    QString error;   // what went wrong, for the message to the user
};

// progress is told pages done out of pages to write; false cancels.
PdfResult exportReportPdf(const PreparedReport& report, const QString& fileName,
                          const QString& title, const ProgressCallback& progress = {});

} // namespace quorvel
