#include "report/BandEngine.h"

#include <algorithm>

namespace quorvel {

namespace {
constexpr int kProgressEvery = 256;

bool overlapsHorizontally(const QRectF& a, const QRectF& b)
{
    return a.left() < b.right() && b.left() < a.right();
}

double bottomOf(const PageObject& o)
{
    return o.kind == ObjectKind::Line ? o.rect.top() + o.lineWidth : o.rect.bottom();
}
} // namespace

BandEngine::BandEngine(const ReportTemplate& tmpl, UserDataset& rows,
                       const ReportVariables& variables, ValueCallback onGetValue)
    : tmpl_(tmpl), rows_(rows), variables_(variables), onGetValue_(std::move(onGetValue))
{
    header_ = tmpl_.band(BandKind::PageHeader);
    data_ = tmpl_.band(BandKind::MasterData);
    footer_ = tmpl_.band(BandKind::MasterFooter);
    paper_ = tmpl_.page.paperSizeUnits();
}

std::optional<PreparedReport> BandEngine::prepare(const ProgressCallback& progress)
{
    const int passes = std::max(1, tmpl_.passes);
    const int total = passes * std::max(1, rows_.RangeEndCount);
    int done = 0;
    totalPages_ = 0;
    for (int pass = 0; pass < passes; ++pass) {
        if (!runPass(progress, done, total))
            return std::nullopt;
        totalPages_ = int(pages_.size());
    }
    PreparedReport report;
    report.setup = tmpl_.page;
    report.pages = std::move(pages_);
    pages_.clear();
    return report;
}

bool BandEngine::runPass(const ProgressCallback& progress, int& done, int total)
{
    pages_.clear();
    rows_.first();
    newPage();
    while (data_ && !rows_.eof()) {
        placeData(*data_);
        rows_.next();
        if (++done % kProgressEvery == 0 && progress && !progress(done, total))
            return false;
    }
    if (footer_)
        placeFooter(*footer_);
    if (rows_.RangeEndCount == 0)
        ++done;
    return !progress || progress(done, total);
}

void BandEngine::newPage()
{
    pages_.push_back(ReportPage{paper_, {}});
    cursorY_ = tmpl_.page.top;
    column_ = 0;
    pageHasBody_ = false;
    if (header_) {
        cursorY_ += layoutBand(*header_, cursorY_, 0);
        commitScratch(0);
    }
}

// A new page under a band already laid out in scratch_, which waits for it.
void BandEngine::breakPage()
{
    std::vector<PageObject> pending;
    pending.swap(scratch_);
    newPage();
    scratch_.swap(pending);
}

void BandEngine::finishLine()
{
    if (column_ != 0) {
        column_ = 0;
        cursorY_ = lineTop_ + lineHeight_;
    }
}

void BandEngine::commitScratch(double dy)
{
    auto& objects = pages_.back().objects;
    for (PageObject& o : scratch_) {
        o.rect.translate(0, dy);
        objects.push_back(std::move(o));
    }
    scratch_.clear();
}

void BandEngine::placeData(const ReportBand& band)
{
    const double pageBottom = paper_.height() - tmpl_.page.bottom;
    const double offset = column_ * (band.columnWidth + band.columnGap);
    double dy = 0;
    if (column_ == 0) {
        lineTop_ = cursorY_;
        lineHeight_ = 0;
    }
    const double height = layoutBand(band, lineTop_, offset);
    if (column_ == 0 && lineTop_ + height > pageBottom && pageHasBody_) {
        breakPage();
        dy = cursorY_ - lineTop_;
        lineTop_ = cursorY_;
    }
    commitScratch(dy);
    pageHasBody_ = true;
    lineHeight_ = std::max(lineHeight_, height);
    if (++column_ >= std::max(1, band.columns)) {
        column_ = 0;
        cursorY_ = lineTop_ + lineHeight_;
    }
}

void BandEngine::placeFooter(const ReportBand& band)
{
    finishLine();
    const double pageBottom = paper_.height() - tmpl_.page.bottom;
    const double top = cursorY_;
    const double height = layoutBand(band, top, 0);
    double dy = 0;
    if (top + height > pageBottom && pageHasBody_) {
        breakPage();
        dy = cursorY_ - top;
    }
    commitScratch(dy);
    cursorY_ += height;
    pageHasBody_ = true;
}

// Lays the band's objects into scratch_ and returns the band's height, which
// grows when an object grows past it. An object that grew over one below it
// pushes that one down, so grown texts never overprint.
double BandEngine::layoutBand(const ReportBand& band, double top, double columnOffset)
{
    const PageSetup& page = tmpl_.page;
    const size_t first = scratch_.size();
    double height = band.height;
    for (const ReportObject& o : band.objects) {
        PageObject out;
        const double x = o.keepAtLeftMargin ? page.left
                                            : o.x + (page.left - tmpl_.designLeftMargin) + columnOffset;
        if (o.kind == ObjectKind::Line) {
            const double width = o.spansMargins ? paper_.width() - page.left - page.right : o.width;
            out = PageObject{ObjectKind::Line, o.name, QRectF(x, top + o.y, width, 0), {}, {},
                             Qt::AlignLeft, false, 0, o.lineWidth};
        } else {
            placeMemo(o, x, top, out);
        }
        for (size_t i = first; i < scratch_.size(); ++i) {
            const PageObject& above = scratch_[i];
            const ReportObject& designAbove = band.objects[i - first];
            if (designAbove.y + designAbove.height <= o.y && overlapsHorizontally(above.rect, out.rect)
                && bottomOf(above) > out.rect.top())
                out.rect.moveTop(bottomOf(above));
        }
        height = std::max(height, bottomOf(out) - top);
        scratch_.push_back(std::move(out));
    }
    return height;
}

void BandEngine::placeMemo(const ReportObject& o, double x, double top, PageObject& out)
{
    const ReportFontMetrics& m = fonts_.metrics(o.font);
    out = PageObject{ObjectKind::Memo, o.name, {}, resolve(o.text), o.font, o.align, o.wordWrap,
                     o.frameBottom, 0};
    double width = o.width;
    QStringList lines;
    if (o.widthFollowsText) {
        // As wide as the text, but never past the right margin: a longer text wraps.
        const double room = paper_.width() - tmpl_.page.right - x - 2 * kTextInsetX;
        lines = m.lines(out.text, true, std::max(room, 1.0));
        double widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, m.width(line));
        width = widest + 2 * kTextInsetX;
        out.wordWrap = true;
    } else {
        lines = m.lines(out.text, o.wordWrap, o.width - 2 * kTextInsetX);
    }
    double height = o.height;
    if (o.grows)
        height = std::max(height, kTextInsetTop + lines.size() * (m.lineHeight() + kLineSpacing));
    out.rect = QRectF(x, top + o.y, width, height);
}

QString BandEngine::resolve(const QString& text)
{
    QString result;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('['), pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char(']'), open + 1);
        if (close < 0) {
            result += QStringView(text).mid(pos);
            break;
        }
        result += QStringView(text).mid(pos, open - pos);
        result += valueOf(text.mid(open + 1, close - open - 1));
        pos = close + 1;
    }
    return result;
}

QString BandEngine::valueOf(const QString& name)
{
    QVariant value;
    if (onGetValue_)
        onGetValue_(name, value);
    if (value.isValid())
        return value.toString();
    if (name.compare(QLatin1String("PAGE#"), Qt::CaseInsensitive) == 0)
        return QString::number(pages_.size());
    if (name.compare(QLatin1String("TOTALPAGES"), Qt::CaseInsensitive) == 0)
        return QString::number(totalPages_);
    return variables_.value(name).value_or(QString());
}

} // namespace quorvel
