#pragma once
// Preparing the report under a progress window with Cancel; the report's
// title is its caption. Cancelled means no pages.

#include "report/DataReport.h"
#include <optional>

class QWidget;

namespace quorvel {

std::optional<PreparedReport> prepareWithProgress(QWidget* parent, DataReport& report,
                                                  int showAfterMs = 400);

} // namespace quorvel
