// CLEAR: the question, and what Yes and No leave behind.

#include "WorkspaceFixture.h"
#include "measure/ui/ClearCommand.h"
#include <vector>

using namespace quorvel;
using namespace quorvel::test;

namespace {

class ClearTest : public WorkspaceFixture {
protected:
    void runClear(bool answer)
    {
        messages.answers.push_back(answer);
        clearCommand(*data, *display, messages, [this](bool on) { lamp.push_back(on); });
    }
    std::vector<bool> lamp;
};

const QString kQuestion =
    QStringLiteral("You will delete the measure data currently displayed! \r\n\r\nAre you sure?");

} // namespace

TEST_F(ClearTest, yesEmptiesTheGroupAndEveryDisplay)
{
    data->Source = 2;
    data->Sensor = 4;
    data->Rem = QStringLiteral("kept");
    data->Time = 45000.5;
    load(25);
    press("ArrowUp", 3);

    runClear(true);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Data Delete"));
    EXPECT_EQ(messages.shown[0].text, kQuestion);
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Question);
    EXPECT_EQ(lamp, (std::vector<bool>{true, false}));

    EXPECT_EQ(data->Source, 0);
    EXPECT_EQ(data->Count, 0);
    EXPECT_EQ(data->Top, 0);
    EXPECT_EQ(data->Sensor, 1);
    EXPECT_EQ(data->Rem, QStringLiteral("kept"));
    EXPECT_DOUBLE_EQ(data->Time, 45000.5);
    EXPECT_FLOAT_EQ(data->Data[25], 25.0f);

    EXPECT_EQ(chart().barCount(), 0);
    expectWindow(0.5, 10.5);
    expectColumnEndsAt(0);
    EXPECT_EQ(label("lblMax"), QString());
    EXPECT_EQ(label("lblMin"), QString());
    for (const char* name : {"ledAverage", "ledSDEV", "ledMax", "ledMin"})
        EXPECT_EQ(stat(name), QStringLiteral(u"0.0 \u03BCm")) << name;
    EXPECT_EQ(stat("ledCounter"), QStringLiteral("0"));
}

TEST_F(ClearTest, noChangesNothing)
{
    load(25);
    press("ArrowUp", 3);

    runClear(false);

    EXPECT_EQ(lamp, (std::vector<bool>{true, false}));
    EXPECT_EQ(data->Count, 25);
    EXPECT_EQ(data->Top, 13);
    EXPECT_EQ(chart().barCount(), 25);
    expectWindow(3.5, 13.5);
    expectColumnEndsAt(13);
    EXPECT_EQ(label("lblMax"), QStringLiteral("13"));
    EXPECT_EQ(stat("ledCounter"), QStringLiteral("25"));
}

TEST_F(ClearTest, aRedSlotShowsZeroAndStaysRedUntilRefilled)
{
    limits = {true, 50.0f, 20.0f};
    load(1, 60.0f);
    ASSERT_EQ(slot(10).segmentColor(), WorkspaceDisplay::kRed);

    runClear(true);
    EXPECT_EQ(slot(10).displayText(), QStringLiteral("0.0"));
    EXPECT_EQ(slot(10).segmentColor(), WorkspaceDisplay::kRed);

    live(300);   // 30.0 fills the top slot again
    EXPECT_EQ(slot(10).segmentColor(), WorkspaceDisplay::kLime);
}
