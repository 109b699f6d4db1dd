#pragma once
// The data report's layout as data: page, bands and objects in report units
// of 1/91.6256 inch. The engine reads it; page setup changes its page for the
// rest of the run.

#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <vector>

namespace quorvel {

constexpr double kUnitsPerInch = 91.6256;
constexpr double kUnitsPerPoint = kUnitsPerInch / 72.0;
constexpr double kUnitsPerMm = kUnitsPerInch / 25.4;
// Margins go to and from the page setup dialog at 18 units to 5 mm.
constexpr double kMarginUnitsPerMm = 18.0 / 5.0;

// Every text box keeps these insets and this extra space between lines.
constexpr double kTextInsetX = 2.0;
constexpr double kTextInsetTop = 1.0;
constexpr double kLineSpacing = 2.0;

struct FontSpec {
    QString family;
    double pointSize = 10.0;
    bool bold = false;
    int charset = 1;   // 134 = GB2312, 1 = default
    bool operator==(const FontSpec&) const = default;
};

enum class ObjectKind { Memo, Line };
enum class BandKind { PageHeader, MasterData, MasterFooter };

struct ReportObject {
    QString name;
    ObjectKind kind = ObjectKind::Memo;
    double x = 0, y = 0, width = 0, height = 0;   // x from the paper's left edge, y from the band's top
    QString text;                                 // "[Name]" parts are resolved while preparing
    FontSpec font;
    Qt::Alignment align = Qt::AlignLeft;
    bool widthFollowsText = false;
    bool grows = false;                           // the box grows downwards to fit its text
    bool wordWrap = true;
    bool keepAtLeftMargin = false;
    bool spansMargins = false;                    // lines: from the left to the right margin
    double frameBottom = 0;                       // thickness of a bottom frame line, 0 = none
    double lineWidth = 0;                         // thickness of a Line object
};

struct ReportBand {
    QString name;
    BandKind kind = BandKind::MasterData;
    double height = 0;
    int columns = 1;
    double columnWidth = 0;
    double columnGap = 0;
    std::vector<ReportObject> objects;
};

struct PageSetup {
    QPageSize paper = QPageSize(QPageSize::A4);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    double left = 36, top = 54, right = 36, bottom = 54;   // units

    QSizeF paperSizeUnits() const;   // oriented
    QPageLayout toPageLayout() const;                  // margins in mm
    static PageSetup fromPageLayout(const QPageLayout& layout);
};

struct ReportTemplate {
    PageSetup page;
    int passes = 2;
    // The left margin the objects' x positions were designed against; a
    // changed margin moves them with it.
    double designLeftMargin = 36;
    std::vector<ReportBand> bands;

    const ReportBand* band(BandKind kind) const;
};

// The data report: page header 页头1, master data 主项数据1, master footer 主项脚1.
ReportTemplate dataReportTemplate();

} // namespace quorvel
