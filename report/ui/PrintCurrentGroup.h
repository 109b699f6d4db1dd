#pragma once
// PRINT: the report of the current group, prepared under a progress window
// and shown in the modal preview. Returns when the preview is closed, or at
// once when the preparation was cancelled.

#include "measure/DataRec.h"
#include "report/DataReport.h"
#include <QDateTime>
#include <QString>

class QWidget;

namespace quorvel {

// Uses the report state that lives for the run: its variables and the page
// chosen in page setup carry over to the next PRINT.
void printCurrentGroup(QWidget* parent, const TDataRec& curData, const QString& windowCaption);

// The same on a report state of the caller's, with the print time given.
void printCurrentGroup(QWidget* parent, DataReport& report, const TDataRec& curData,
                       const QString& windowCaption, const QDateTime& now, bool printersAvailable);

// The report state for the whole run.
DataReport& runDataReport();

} // namespace quorvel
