#include "report/ReportTemplate.h"

#include <QMarginsF>
#include <cmath>

namespace quorvel {

QSizeF PageSetup::paperSizeUnits() const
{
    const QSizeF mm = paper.size(QPageSize::Millimeter);
    const QSizeF units(std::round(mm.width() * kUnitsPerMm), std::round(mm.height() * kUnitsPerMm));
    return orientation == QPageLayout::Landscape ? units.transposed() : units;
}

QPageLayout PageSetup::toPageLayout() const
{
    const QMarginsF mm(left / kMarginUnitsPerMm, top / kMarginUnitsPerMm,
                       right / kMarginUnitsPerMm, bottom / kMarginUnitsPerMm);
    return QPageLayout(paper, orientation, mm, QPageLayout::Millimeter);
}

PageSetup PageSetup::fromPageLayout(const QPageLayout& layout)
{
    PageSetup setup;
    setup.paper = layout.pageSize();
    setup.orientation = layout.orientation();
    const QMarginsF mm = layout.margins(QPageLayout::Millimeter);
    setup.left = mm.left() * kMarginUnitsPerMm;
    setup.top = mm.top() * kMarginUnitsPerMm;
    setup.right = mm.right() * kMarginUnitsPerMm;
    setup.bottom = mm.bottom() * kMarginUnitsPerMm;
    return setup;
}

const ReportBand* ReportTemplate::band(BandKind kind) const
{
    for (const ReportBand& b : bands)
        if (b.kind == kind)
            return &b;
    return nullptr;
}

namespace {

constexpr int kGb2312 = 134;

ReportObject headerMemo(const char* name, double x, double y, double w, double h,
                        const QString& text, const FontSpec& font)
{
    ReportObject o;
    o.name = QString::fromUtf8(name);
    o.x = x; o.y = y; o.width = w; o.height = h;
    o.text = text;
    o.font = font;
    o.align = Qt::AlignLeft;
    o.widthFollowsText = true;
    o.grows = true;
    return o;
}

ReportObject rule(const char* name, double y)
{
    ReportObject o;
    o.name = QString::fromLatin1(name);
    o.kind = ObjectKind::Line;
    o.x = 36; o.y = y; o.width = 686; o.height = 0;
    o.spansMargins = true;
    o.lineWidth = 2;
    return o;
}

ReportBand pageHeader()
{
    // Names escaped so that every compiler reads them alike: 宋体, 页头1, 黑体.
    const FontSpec song{QStringLiteral("\u5B8B\u4F53"), 10, false, kGb2312};
    ReportBand b{QStringLiteral("\u9875\u59341"), BandKind::PageHeader, 170, 1, 0, 0, {}};
    ReportObject title = headerMemo("Memo1", 36, 4, 97, 25, QStringLiteral("[Title]"),
                                    {QStringLiteral("\u9ED1\u4F53"), 18, true, kGb2312});
    title.keepAtLeftMargin = true;
    b.objects.push_back(title);
    b.objects.push_back(headerMemo("Memo3", 206, 13, 96, 20, QStringLiteral("[describ1]"),
                                   {QStringLiteral("Times New Roman"), 12, true, kGb2312}));
    const struct { const char* name; double y; double w; const char* text; } rows[] = {
        {"Memo8", 36, 247, "Page: [PAGE#]  / [TOTALPAGES] "},
        {"Memo4", 71, 160, "[Describ2]"},
        {"Memo6", 96, 160, "[Describ4]"},
        {"Memo7", 121, 160, "[Describ5]"},
    };
    for (const auto& r : rows) {
        ReportObject o = headerMemo(r.name, 36, r.y, r.w, 18, QString::fromLatin1(r.text), song);
        o.keepAtLeftMargin = true;
        b.objects.push_back(o);
    }
    b.objects.push_back(rule("Line1", 154));
    return b;
}

ReportBand masterData()
{
    // 主项数据1
    ReportBand b{QStringLiteral("\u4E3B\u9879\u6570\u636E1"), BandKind::MasterData, 38, 4, 150, 20, {}};
    ReportObject o;
    o.name = QStringLiteral("Memo2");
    o.x = 40; o.y = 8; o.width = 128; o.height = 18;
    o.text = QStringLiteral("[Data]");
    o.font = {QStringLiteral("Courier New"), 10, false, 1};
    o.align = Qt::AlignRight;
    o.grows = true;
    // A reading row stays on one line: wrapping would put the unit of every
    // reading from [100] on under its value.
    o.wordWrap = false;
    o.frameBottom = 1;
    b.objects.push_back(o);
    return b;
}

} // namespace

ReportTemplate dataReportTemplate()
{
    ReportTemplate t;
    t.bands.push_back(pageHeader());
    t.bands.push_back(masterData());
    // 主项脚1
    t.bands.push_back({QStringLiteral("\u4E3B\u9879\u811A1"), BandKind::MasterFooter, 50, 1, 0, 0, {rule("Line2", 12)}});
    return t;
}

} // namespace quorvel
