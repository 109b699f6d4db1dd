#pragma once
// The program's share of the data report: the five variables, the row
// count, the row cursor ReportRow that follows the engine's walk, and the
// text of each reading row. Lives for the run with its template, so page
// setup choices apply to later PRINTs.

#include "measure/DataRec.h"
#include "report/BandEngine.h"
#include "report/ReportTemplate.h"
#include "report/ReportVariables.h"
#include "report/UserDataset.h"
#include <QDateTime>
#include <QLocale>
#include <QVariant>
#include <cstdint>
#include <optional>

namespace quorvel {

class DataReport {
public:
    explicit DataReport(ReportVariables& variables);

    // PRINT's steps 1 to 7: row count, cursor, variables and the report's title.
    void setUp(const TDataRec& curData, const QString& windowCaption, const QDateTime& now);
    // Lays the pages out; no pages when cancelled.
    std::optional<PreparedReport> prepare(const ProgressCallback& progress = {});

    void spDsFirst() { ReportRow = 1; }
    void spDsNext() { ++ReportRow; }
    void spDsPrior() { --ReportRow; }
    // Answers exactly "Data" with the text of reading ReportRow; anything else is left unassigned.
    void ReportGetValue(const QString& ParName, QVariant& ParValue) const;
    QString rowText(int index, float value) const;

    UserDataset spDs;
    uint16_t ReportRow = 1;

    ReportTemplate& reportTemplate() { return template_; }
    const QString& title() const { return title_; }
    ReportVariables& variables() { return variables_; }
    void setLocale(const QLocale& locale) { locale_ = locale; }
    const QLocale& locale() const { return locale_; }

private:
    void setHeaderTexts(const TDataRec& curData, const QDateTime& now);

    ReportVariables& variables_;
    ReportTemplate template_ = dataReportTemplate();
    const TDataRec* curData_ = nullptr;   // read live: a page setup re-prepares with today's values
    QString title_;
    QLocale locale_;
};

} // namespace quorvel
