// The page model of the data report: where bands and readings land.

#include "ReportFixture.h"

using namespace quorvel;
using namespace quorvel::test;

namespace {

constexpr double kBodyTop = 54 + 170;   // top margin + page header
constexpr double kLinesPerPage = 20;    // (1071 - 54 - 224) / 38

class BandLayoutTest : public ReportFixture {};

TEST(ReportTemplateTest, holdsA4PortraitAndTheThreeBandsInPrintOrder)
{
    const ReportTemplate t = dataReportTemplate();
    EXPECT_EQ(t.page.paperSizeUnits(), QSizeF(758, 1071));
    EXPECT_EQ(t.page.toPageLayout().margins(QPageLayout::Millimeter), QMarginsF(10, 15, 10, 15));
    EXPECT_EQ(t.passes, 2);
    ASSERT_EQ(t.bands.size(), 3u);
    const struct { const char* name; double height; int columns; } bands[] = {
        {"页头1", 170, 1}, {"主项数据1", 38, 4}, {"主项脚1", 50, 1}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(t.bands[i].name, QString::fromUtf8(bands[i].name));
        EXPECT_EQ(t.bands[i].height, bands[i].height);
        EXPECT_EQ(t.bands[i].columns, bands[i].columns);
    }
    EXPECT_EQ(t.bands[0].objects[0].font.family, QString::fromUtf8("黑体"));
    EXPECT_EQ(t.bands[0].objects[2].font.family, QString::fromUtf8("宋体"));
}

TEST_F(BandLayoutTest, emptyGroupPrintsTheHeaderAndRuleWithoutAskingForData)
{
    fill(0);
    report.setUp(*data, kCaption, QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)));
    int dataRequests = 0;
    BandEngine engine(report.reportTemplate(), report.spDs, variables,
                      [&](const QString& name, QVariant& value) {
                          dataRequests += name == QLatin1String("Data");
                          report.ReportGetValue(name, value);
                      });
    const auto prepared = engine.prepare();
    ASSERT_TRUE(prepared);
    ASSERT_EQ(prepared->pageCount(), 1);
    const ReportPage& page = prepared->pages[0];
    EXPECT_EQ(dataRequests, 0);
    EXPECT_TRUE(named(page, QStringLiteral("Memo2")).empty());
    EXPECT_EQ(textOf(page, QStringLiteral("Memo1")), QStringLiteral("Data Report"));
    EXPECT_EQ(textOf(page, QStringLiteral("Memo8")), QStringLiteral("Page: 1  / 1 "));
    ASSERT_EQ(named(page, QStringLiteral("Line2")).size(), 1u);
    EXPECT_DOUBLE_EQ(named(page, QStringLiteral("Line2"))[0]->rect.top(), kBodyTop + 12);
}

TEST_F(BandLayoutTest, fiveReadingsFillOneLineOfFourAndStartTheNextAtTheFirstColumn)
{
    fill(5);
    const PreparedReport prepared = print();
    ASSERT_EQ(prepared.pageCount(), 1);
    const auto readings = named(prepared.pages[0], QStringLiteral("Memo2"));
    ASSERT_EQ(readings.size(), 5u);
    const struct { double x, y; const char* text; } expected[] = {
        {40, kBodyTop + 8, "[1]     1.1  μm"},  {210, kBodyTop + 8, "[2]     2.2  μm"},
        {380, kBodyTop + 8, "[3]     3.3  μm"}, {550, kBodyTop + 8, "[4]     4.4  μm"},
        {40, kBodyTop + 38 + 8, "[5]     5.5  μm"},
    };
    for (size_t i = 0; i < readings.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_DOUBLE_EQ(readings[i]->rect.left(), expected[i].x);
        EXPECT_DOUBLE_EQ(readings[i]->rect.top(), expected[i].y);
        EXPECT_EQ(readings[i]->rect.size(), QSizeF(128, 18));
        EXPECT_EQ(readings[i]->text, QString::fromUtf8(expected[i].text));
        EXPECT_EQ(readings[i]->frameBottom, 1);
    }
    const auto rule = named(prepared.pages[0], QStringLiteral("Line2"));
    ASSERT_EQ(rule.size(), 1u);
    EXPECT_EQ(rule[0]->rect, QRectF(36, kBodyTop + 2 * 38 + 12, 686, 0));
    EXPECT_EQ(rule[0]->lineWidth, 2);
}

TEST_F(BandLayoutTest, headerObjectsStandWhereTheTemplatePutsThem)
{
    fill(1);
    const ReportPage page = print().pages.at(0);
    const struct { const char* name; double x, y; } expected[] = {
        {"Memo1", 36, 58}, {"Memo3", 206, 67}, {"Memo8", 36, 90},
        {"Memo4", 36, 125}, {"Memo6", 36, 150}, {"Memo7", 36, 175}, {"Line1", 36, 208},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        const auto found = named(page, QString::fromLatin1(e.name));
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0]->rect.topLeft(), QPointF(e.x, e.y));
    }
    EXPECT_EQ(named(page, QStringLiteral("Line1"))[0]->rect.width(), 686);
    EXPECT_EQ(textOf(page, QStringLiteral("Memo3")), kCaption);   // "[describ1]" finds Describ1
    // Width follows the text: the title's box is about as wide as "Data Report" at 18 pt.
    const QRectF title = named(page, QStringLiteral("Memo1"))[0]->rect;
    EXPECT_GT(title.width(), 60);
    EXPECT_LT(title.width(), 250);
}

TEST_F(BandLayoutTest, everyPageOfAThreePageReportShowsItsNumberOutOfThree)
{
    const int perPage = int(kLinesPerPage) * 4;
    fill(2 * perPage + 1);
    const PreparedReport prepared = print();
    ASSERT_EQ(prepared.pageCount(), 3);
    int firstIndex = 1;
    for (int p = 0; p < 3; ++p) {
        SCOPED_TRACE(p + 1);
        const ReportPage& page = prepared.pages[size_t(p)];
        EXPECT_EQ(textOf(page, QStringLiteral("Memo8")), QStringLiteral("Page: %1  / 3 ").arg(p + 1));
        EXPECT_EQ(textOf(page, QStringLiteral("Memo1")), QStringLiteral("Data Report"));
        const auto readings = named(page, QStringLiteral("Memo2"));
        ASSERT_FALSE(readings.empty());
        EXPECT_TRUE(readings.front()->text.startsWith(QStringLiteral("[%1]").arg(firstIndex)));
        EXPECT_EQ(readings.front()->rect.topLeft(), QPointF(40, kBodyTop + 8));
        for (const PageObject* r : readings)
            EXPECT_LE(r->rect.top() + 38 - 8, 1071 - 54);
        firstIndex += int(readings.size());
        EXPECT_EQ(named(page, QStringLiteral("Line2")).size(), p == 2 ? 1u : 0u);
    }
    EXPECT_EQ(firstIndex, 2 * perPage + 2);
}

TEST_F(BandLayoutTest, aRuleThatNoLongerFitsStartsANewPageWithItsHeader)
{
    fill(int(kLinesPerPage) * 4);   // the last line ends 12 units above the bottom margin
    const PreparedReport prepared = print();
    ASSERT_EQ(prepared.pageCount(), 2);
    EXPECT_TRUE(named(prepared.pages[1], QStringLiteral("Memo2")).empty());
    EXPECT_EQ(textOf(prepared.pages[1], QStringLiteral("Memo8")), QStringLiteral("Page: 2  / 2 "));
    EXPECT_EQ(named(prepared.pages[1], QStringLiteral("Line2"))[0]->rect.top(), kBodyTop + 12);
}

TEST_F(BandLayoutTest, aLongCommentWrapsInsideTheRightMarginAndPushesTheLinesBelowDown)
{
    fill(1, 2);
    data->Rem = QStringLiteral("coating checked on the north face ").repeated(8);
    const ReportPage page = print().pages.at(0);
    const QRectF comment = named(page, QStringLiteral("Memo6"))[0]->rect;
    EXPECT_LE(comment.right(), 758 - 36);
    EXPECT_GT(comment.height(), 30);
    const QRectF time = named(page, QStringLiteral("Memo7"))[0]->rect;
    EXPECT_GE(time.top(), comment.bottom());
    const QRectF rule = named(page, QStringLiteral("Line1"))[0]->rect;
    EXPECT_GE(rule.top(), time.bottom());
    EXPECT_GE(named(page, QStringLiteral("Memo2"))[0]->rect.top(), rule.top() + 2);
}

TEST_F(BandLayoutTest, theWidestReadingStaysOnOneLine)
{
    data->Count = TDataRec::kMaxCount;
    data->Data[TDataRec::kMaxCount] = 6553.5f;
    report.setUp(*data, kCaption, QDateTime::currentDateTime());
    report.spDs.RangeEndCount = 1;
    report.ReportRow = TDataRec::kMaxCount;
    QVariant value;
    report.ReportGetValue(QStringLiteral("Data"), value);
    ReportFontMetrics metrics(report.reportTemplate().bands[1].objects[0].font);
    EXPECT_EQ(metrics.lines(value.toString(), false, 124).size(), 1);
    // Even the widest row fits in its column of 150 units.
    EXPECT_LT(metrics.width(value.toString()) + 4, 150);
}

TEST_F(BandLayoutTest, landscapePaperWidensTheRulesAndTakesFewerLines)
{
    fill(200);
    report.reportTemplate().page.orientation = QPageLayout::Landscape;
    const PreparedReport prepared = print();
    ASSERT_GE(prepared.pageCount(), 1);
    EXPECT_EQ(prepared.pages[0].size, QSizeF(1071, 758));
    EXPECT_EQ(named(prepared.pages[0], QStringLiteral("Line1"))[0]->rect.width(), 1071 - 72);
    EXPECT_EQ(named(prepared.pages[0], QStringLiteral("Memo2")).size(), 12u * 4);
}

TEST_F(BandLayoutTest, cancellingThroughProgressGivesNoPages)
{
    fill(2000);
    report.setUp(*data, kCaption, QDateTime::currentDateTime());
    int calls = 0;
    const auto prepared = report.prepare([&](int done, int total) {
        EXPECT_LE(done, total);
        return ++calls < 3;
    });
    EXPECT_FALSE(prepared.has_value());
    EXPECT_EQ(calls, 3);
}

} // namespace
