// The reading column, the chart window and the index labels through loads,
// live readings and the arrows.

#include "WorkspaceFixture.h"
#include <QApplication>
#include <QTest>
#include <functional>

using namespace quorvel;
using namespace quorvel::test;

namespace {

struct ColumnCase {
    const char* name;
    std::function<void(WorkspaceFixture&)> act;
    double windowMin, windowMax;
    int topReading;   // reading in seg10
    int top;          // CurData.Top
    const char* lblMax;
    const char* lblMin;
};

class ColumnCases : public WorkspaceFixture, public ::testing::WithParamInterface<ColumnCase> {};

const ColumnCase kColumnCases[] = {
    {"FourLoadedFillTheTopSlotsAndArrowsDoNothing",
     [](WorkspaceFixture& f) {
         f.load(4);
         f.press("ArrowUp", 3);
         f.press("ArrowDown", 3);
     },
     0.5, 10.5, 4, 4, "4", ""},
    {"ExactlyTenLoaded", [](WorkspaceFixture& f) { f.load(10); },
     0.5, 10.5, 10, 10, "10", "1"},
    {"LiveReadingElevenOnEmptyGroup",
     [](WorkspaceFixture& f) { f.liveReadingsNumbered(1, 11); },
     1.5, 11.5, 11, 11, "11", "2"},
    {"ThirtyLoadedUpTwentyTimesReachesTheEnd",
     [](WorkspaceFixture& f) {
         f.load(30);
         f.press("ArrowUp", 20);
     },
     20.5, 30.5, 30, 30, "30", "21"},
    {"ThirtyLoadedTwentyFirstUpDoesNothing",
     [](WorkspaceFixture& f) {
         f.load(30);
         f.press("ArrowUp", 21);
     },
     20.5, 30.5, 30, 30, "30", "21"},
    {"ThirtyLoadedDownGoesBackToTenAndNoFurther",
     [](WorkspaceFixture& f) {
         f.load(30);
         f.press("ArrowUp", 20);
         f.press("ArrowDown", 25);
     },
     0.5, 10.5, 10, 10, "10", "1"},
    {"ScrolledToFifteenOfTwentyWhenReadingTwentyOneArrives",
     [](WorkspaceFixture& f) {
         f.liveReadingsNumbered(1, 20);
         f.press("ArrowDown", 5);
         f.liveReadingsNumbered(21, 21);
     },
     11.5, 21.5, 21, 21, "21", "12"},
};

} // namespace

TEST_P(ColumnCases, columnWindowAndLabelsAgree)
{
    const ColumnCase& c = GetParam();
    c.act(*this);
    expectWindow(c.windowMin, c.windowMax);
    expectColumnEndsAt(c.topReading);
    EXPECT_EQ(data->Top, c.top);
    EXPECT_EQ(label("lblMax"), QString::fromLatin1(c.lblMax));
    EXPECT_EQ(label("lblMin"), QString::fromLatin1(c.lblMin));
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, ColumnCases, ::testing::ValuesIn(kColumnCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WorkspaceFixture, showAllPutsOneBarPerReadingAndTheStatistics)
{
    data->Data[1] = 10.0f;
    data->Data[2] = 12.0f;
    data->Count = 2;
    display->ShowAll();
    ASSERT_EQ(chart().barCount(), 2);
    EXPECT_DOUBLE_EQ(chart().barAt(1).x, 2.0);
    EXPECT_FLOAT_EQ(chart().barAt(1).y, 12.0f);
    EXPECT_EQ(stat("ledAverage"), QStringLiteral(u"11.0 \u03BCm"));
    EXPECT_EQ(stat("ledSDEV"), QStringLiteral(u"1.4 \u03BCm"));
    EXPECT_EQ(stat("ledMax"), QStringLiteral(u"12.0 \u03BCm"));
    EXPECT_EQ(stat("ledMin"), QStringLiteral(u"10.0 \u03BCm"));
    EXPECT_EQ(stat("ledCounter"), QStringLiteral("2"));
}

TEST_F(WorkspaceFixture, showAllOfAnEmptyGroupChangesNothing)
{
    load(12);
    press("ArrowUp", 2);
    data->Count = 0;
    display->ShowAll();
    EXPECT_EQ(chart().barCount(), 12);
    expectWindow(2.5, 12.5);
    EXPECT_EQ(data->Top, 12);
    EXPECT_EQ(stat("ledCounter"), QStringLiteral("12"));
}

TEST_F(WorkspaceFixture, arrowsLightOnlyWhileHeld)
{
    load(20);
    ArrowButton& up = arrow("ArrowUp");
    EXPECT_FALSE(up.isLit());
    emit up.mousePressed();
    EXPECT_TRUE(up.isLit());
    emit up.mouseReleased();
    EXPECT_FALSE(up.isLit());
    up.animateClick();   // press, release and click through the button itself
    QApplication::processEvents();
    EXPECT_TRUE(up.isLit());
    QTest::qWait(250);
    EXPECT_FALSE(up.isLit());
    EXPECT_EQ(data->Top, 11);
}

// The group is full and the user had scrolled down to Top 65520: each
// further reading replaces 65530 and adds one more bar at 65530.
TEST_F(WorkspaceFixture, fullGroupKeepsTheWindowOnTheNewestBar)
{
    load(TDataRec::kMaxCount);
    for (int i = 10; i < 65520; ++i)
        display->ScrollUp();
    ASSERT_EQ(data->Top, 65520);
    expectWindow(65510.5, 65520.5);

    for (unsigned reading : {123u, 456u, 789u}) {
        live(reading);
        EXPECT_EQ(data->Count, TDataRec::kMaxCount);
        EXPECT_EQ(data->Top, 65520);
        EXPECT_FLOAT_EQ(data->Data[65530], float(reading / 10.0));
        expectWindow(65520.5, 65530.5);
        const Bar last = chart().barAt(chart().barCount() - 1);
        EXPECT_DOUBLE_EQ(last.x, 65530.0);
        EXPECT_FLOAT_EQ(last.y, float(reading / 10.0));
        for (int j = 1; j <= 9; ++j)
            EXPECT_EQ(readingInSlot(j), 65520 + j);
        EXPECT_EQ(slot(10).displayText(), QString::number(reading / 10.0, 'f', 1));
        EXPECT_EQ(label("lblMax"), QStringLiteral("65530"));
        EXPECT_EQ(label("lblMin"), QStringLiteral("65521"));
    }
    EXPECT_EQ(chart().barCount(), TDataRec::kMaxCount + 3);
}

// At the cap the bar that shows is the newest one, so it is the one coloured.
TEST_F(WorkspaceFixture, fullGroupColoursTheBarThatShows)
{
    limits = {true, 50.0f, 20.0f};
    load(TDataRec::kMaxCount, 30.0f);
    live(999);   // 99.9, marked
    EXPECT_EQ(chart().barAt(chart().barCount() - 1).colour, WorkspaceDisplay::kRed);
    live(300);   // 30.0, in range
    EXPECT_EQ(chart().barAt(chart().barCount() - 1).colour, BarChart::kGreen);

    // New limits recolour the group, the shown bar at 65530 included.
    limits.LimitHi = 25.0f;
    display->recolourAfterLimit();
    EXPECT_EQ(chart().barAt(0).colour, WorkspaceDisplay::kRed);
    EXPECT_EQ(chart().barAt(chart().barCount() - 1).colour, WorkspaceDisplay::kRed);
}

// After a save the group is empty but the saved bars are still up; the
// first new reading starts the chart afresh, so bars and readings agree.
TEST_F(WorkspaceFixture, firstReadingAfterSaveStartsTheChartAfresh)
{
    limits = {true, 50.0f, 20.0f};
    load(30);
    press("ArrowUp", 5);
    data->Count = 0;   // what a save leaves
    live(999);
    ASSERT_EQ(chart().barCount(), 1);
    EXPECT_DOUBLE_EQ(chart().barAt(0).x, 1.0);
    EXPECT_FLOAT_EQ(chart().barAt(0).y, 99.9f);
    EXPECT_EQ(chart().barAt(0).colour, WorkspaceDisplay::kRed);
    expectWindow(0.5, 10.5);
    EXPECT_EQ(label("lblMax"), QStringLiteral("1"));
    EXPECT_EQ(label("lblMin"), QString());
    EXPECT_EQ(stat("ledCounter"), QStringLiteral("1"));

    liveReadingsNumbered(2, 11);
    EXPECT_EQ(chart().barCount(), 11);
    expectWindow(1.5, 11.5);
    EXPECT_DOUBLE_EQ(chart().barAt(10).x, 11.0);
}
