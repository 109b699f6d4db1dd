#pragma once
// Lays the template's bands out into pages. Two passes: the first counts the
// pages so that every page of the second knows the total.

#include "report/PageModel.h"
#include "report/ReportFonts.h"
#include "report/ReportTemplate.h"
#include "report/ReportVariables.h"
#include "report/UserDataset.h"
#include <QVariant>
#include <functional>
#include <optional>

namespace quorvel {

// Asked first for every bracketed name; leaving the value invalid passes the
// name on to the engine's own names and then to the variables.
using ValueCallback = std::function<void(const QString& name, QVariant& value)>;
// Told the rows done so far out of the total of all passes; false cancels.
using ProgressCallback = std::function<bool(int done, int total)>;

class BandEngine {
public:
    BandEngine(const ReportTemplate& tmpl, UserDataset& rows, const ReportVariables& variables,
               ValueCallback onGetValue);

    // No pages when cancelled through the progress callback.
    std::optional<PreparedReport> prepare(const ProgressCallback& progress = {});

private:
    bool runPass(const ProgressCallback& progress, int& done, int total);
    void newPage();
    void breakPage();
    double layoutBand(const ReportBand& band, double top, double columnOffset);
    void placeMemo(const ReportObject& o, double x, double top, PageObject& out);
    void placeData(const ReportBand& band);
    void placeFooter(const ReportBand& band);
    void finishLine();
    void commitScratch(double dy);
    QString resolve(const QString& text);
    QString valueOf(const QString& name);

    const ReportTemplate& tmpl_;
    UserDataset& rows_;
    const ReportVariables& variables_;
    ValueCallback onGetValue_;
    ReportFontCache fonts_;
    const ReportBand* header_ = nullptr;
    const ReportBand* data_ = nullptr;
    const ReportBand* footer_ = nullptr;
    QSizeF paper_;

    std::vector<ReportPage> pages_;
    std::vector<PageObject> scratch_;
    int totalPages_ = 0;
    double cursorY_ = 0;
    double lineTop_ = 0;
    double lineHeight_ = 0;
    int column_ = 0;
    bool pageHasBody_ = false;
};

} // namespace quorvel
