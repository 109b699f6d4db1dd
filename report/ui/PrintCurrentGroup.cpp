#include "report/ui/PrintCurrentGroup.h"

#include "report/ui/PrepareProgress.h"
#include "report/ui/ReportPreview.h"
#include <QPrinterInfo>

namespace quorvel {

DataReport& runDataReport()
{
    // Never destroyed: the variable list and page setup last until the program ends.
    static ReportVariables* variables = new ReportVariables;
    static DataReport* report = new DataReport(*variables);
    return *report;
}

void printCurrentGroup(QWidget* parent, const TDataRec& curData, const QString& windowCaption)
{
    printCurrentGroup(parent, runDataReport(), curData, windowCaption, QDateTime::currentDateTime(),
                      !QPrinterInfo::availablePrinters().isEmpty());
}

void printCurrentGroup(QWidget* parent, DataReport& report, const TDataRec& curData,
                       const QString& windowCaption, const QDateTime& now, bool printersAvailable)
{
    report.setUp(curData, windowCaption, now);
    auto prepared = prepareWithProgress(parent, report);
    if (!prepared)
        return;
    ReportPreview preview(report, std::move(*prepared), printersAvailable, parent);
    preview.exec();
}

} // namespace quorvel
