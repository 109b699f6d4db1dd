// Over-limit marking in the column and the chart, the limit dialog and the
// LIMIT command around it.

#include "WorkspaceFixture.h"
#include "measure/ui/LimitCommand.h"
#include "measure/ui/TfrmLimit.h"
#include "platform/displays/CheckLed.h"
#include "platform/displays/NumericInput.h"
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

using namespace quorvel;
using namespace quorvel::test;

namespace {

struct MarkCase {
    const char* name;
    TLimits limits;
    unsigned tenths;
    bool columnRed;
    bool barRed;
};

const MarkCase kMarkCases[] = {
    {"AboveUpper", {true, 50.0f, 20.0f}, 501, true, true},
    {"EqualToUpperIsRedOnlyInTheColumn", {true, 50.0f, 20.0f}, 500, true, false},
    {"EqualToLowerIsInRange", {true, 50.0f, 20.0f}, 200, false, false},
    {"BelowLower", {true, 50.0f, 20.0f}, 199, true, true},
    {"EqualLimitsOnTheLimit", {true, 30.0f, 30.0f}, 300, true, false},
    {"EqualLimitsBelow", {true, 30.0f, 30.0f}, 299, true, true},
    {"EqualLimitsAbove", {true, 30.0f, 30.0f}, 301, true, true},
    {"MarkingOff", {false, 50.0f, 20.0f}, 999, false, false},
};

class MarkCases : public WorkspaceFixture, public ::testing::WithParamInterface<MarkCase> {
protected:
    void expectColours(const char* how)
    {
        const MarkCase& c = GetParam();
        EXPECT_EQ(slot(10).segmentColor(), c.columnRed ? WorkspaceDisplay::kRed : WorkspaceDisplay::kLime)
            << how;
        EXPECT_EQ(chart().barAt(0).colour, c.barRed ? WorkspaceDisplay::kRed : BarChart::kGreen) << how;
    }
};

} // namespace

TEST_P(MarkCases, columnAndChartFollowTheirOwnTest)
{
    const MarkCase& c = GetParam();
    limits = c.limits;
    load(1, float(c.tenths / 10.0));
    expectColours("loaded");
    data->Count = 0;
    live(c.tenths);
    expectColours("live");
}

INSTANTIATE_TEST_SUITE_P(Limits, MarkCases, ::testing::ValuesIn(kMarkCases),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

class LimitDialogTest : public WorkspaceFixture {
public:
    template <typename T>
    static T* child(QWidget& dialog, const char* name) { return dialog.findChild<T*>(name); }

    static void setEntries(TfrmLimit& dlg, bool ticked, double hi, double lo)
    {
        child<CheckLed>(dlg, "chkLimit")->setChecked(ticked);
        child<NumericInput>(dlg, "edtHi")->setValue(hi);
        child<NumericInput>(dlg, "edtLo")->setValue(lo);
    }
    static void click(TfrmLimit& dlg, const char* button)
    {
        QTest::mouseClick(child<QPushButton>(dlg, button), Qt::LeftButton);
    }

    // Runs LIMIT; interact works on the open dialog, which is then closed
    // with Cancel if it is still open.
    void runLimit(const std::function<void(TfrmLimit&)>& interact)
    {
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<TfrmLimit*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            interact(*dlg);
            if (dlg->isVisible())
                dlg->reject();
        });
        limitCommand(&window, limits, *display, messages, [this](bool on) { lamp.push_back(on); });
    }

    std::vector<bool> lamp;
};

} // namespace

TEST_F(LimitDialogTest, opensWithTheCurrentSettings)
{
    TfrmLimit dlg(limits, messages, &window);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Set OverBound Prompt"));
    EXPECT_FALSE(child<CheckLed>(dlg, "chkLimit")->isChecked());
    EXPECT_FALSE(child<NumericInput>(dlg, "edtHi")->isEnabled());
    EXPECT_EQ(child<NumericInput>(dlg, "edtHi")->text(), QStringLiteral(u"3000.0 \u03BCm"));
    EXPECT_EQ(child<NumericInput>(dlg, "edtLo")->text(), QStringLiteral(u"0.0 \u03BCm"));
    child<CheckLed>(dlg, "chkLimit")->click();
    EXPECT_TRUE(child<NumericInput>(dlg, "edtHi")->isEnabled());
    EXPECT_TRUE(child<NumericInput>(dlg, "edtLo")->isEnabled());
}

TEST_F(LimitDialogTest, tickedUpperBelowLowerIsRefusedAndTheDialogStays)
{
    TfrmLimit dlg(limits, messages, &window);
    dlg.show();
    setEntries(dlg, true, 10.0, 20.0);
    click(dlg, "btnOK");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral(u"错误"));
    EXPECT_EQ(messages.shown[0].text, QStringLiteral(u"高限值不能小于低限值，请重新输入"));
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Error);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(limits.LimitOn);
    EXPECT_FLOAT_EQ(limits.LimitHi, 3000.0f);
    EXPECT_FLOAT_EQ(limits.LimitLo, 0.0f);
    EXPECT_DOUBLE_EQ(child<NumericInput>(dlg, "edtHi")->value(), 10.0);   // entries kept
}

TEST_F(LimitDialogTest, untickedPairIsStoredUntestedAndShownNextTime)
{
    runLimit([](TfrmLimit& dlg) {
        setEntries(dlg, false, 10.0, 20.0);
        click(dlg, "btnOK");
    });
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(lamp, std::vector<bool>{false});
    EXPECT_FALSE(limits.LimitOn);
    EXPECT_FLOAT_EQ(limits.LimitHi, 10.0f);
    EXPECT_FLOAT_EQ(limits.LimitLo, 20.0f);

    TfrmLimit again(limits, messages, &window);
    again.show();
    EXPECT_FALSE(child<CheckLed>(again, "chkLimit")->isChecked());
    EXPECT_FALSE(child<NumericInput>(again, "edtHi")->isEnabled());
    EXPECT_EQ(child<NumericInput>(again, "edtHi")->text(), QStringLiteral(u"10.0 \u03BCm"));
    EXPECT_EQ(child<NumericInput>(again, "edtLo")->text(), QStringLiteral(u"20.0 \u03BCm"));
    child<CheckLed>(again, "chkLimit")->click();
    click(again, "btnOK");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(again.isVisible());
}

TEST_F(LimitDialogTest, equalLimitsAreAcceptedAndRecolourTheGroup)
{
    load(3, 30.0f);
    data->Data[2] = 30.1f;
    display->ShowAll();
    runLimit([](TfrmLimit& dlg) {
        setEntries(dlg, true, 30.0, 30.0);
        click(dlg, "btnOK");
    });
    EXPECT_EQ(lamp, std::vector<bool>{true});
    EXPECT_TRUE(limits.LimitOn);
    EXPECT_EQ(chart().barAt(0).colour, BarChart::kGreen);
    EXPECT_EQ(chart().barAt(1).colour, WorkspaceDisplay::kRed);
    EXPECT_EQ(slot(8).segmentColor(), WorkspaceDisplay::kRed);   // 30.0 + 0.005 is above
}

TEST_F(LimitDialogTest, typedValuesAndReturnAcceptThroughTheDefaultButton)
{
    runLimit([](TfrmLimit& dlg) {
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        child<CheckLed>(dlg, "chkLimit")->setChecked(true);
        auto* hi = child<NumericInput>(dlg, "edtHi");
        auto* lo = child<NumericInput>(dlg, "edtLo");
        hi->setFocus();
        ASSERT_TRUE(hi->hasFocus());
        QTest::keyClicks(hi, "x12.55");   // the letter is refused
        lo->setFocus();
        EXPECT_EQ(hi->text(), QStringLiteral(u"12.6 \u03BCm"));
        QTest::keyClicks(lo, "7.25");
        QTest::keyClick(lo, Qt::Key_Return);
    });
    EXPECT_TRUE(limits.LimitOn);
    EXPECT_FLOAT_EQ(limits.LimitHi, 12.55f);
    EXPECT_FLOAT_EQ(limits.LimitLo, 7.25f);
}

TEST_F(LimitDialogTest, cancelKeepsSettingsLampAndColours)
{
    limits = {true, 50.0f, 20.0f};
    load(2, 60.0f);
    data->Data[1] = 30.0f;
    display->ShowAll();
    runLimit([](TfrmLimit& dlg) {
        setEntries(dlg, false, 1.0, 2.0);
        click(dlg, "btnCancel");
    });
    EXPECT_EQ(lamp, std::vector<bool>{true});
    EXPECT_TRUE(limits.LimitOn);
    EXPECT_FLOAT_EQ(limits.LimitHi, 50.0f);
    EXPECT_FLOAT_EQ(limits.LimitLo, 20.0f);
    EXPECT_EQ(chart().barAt(0).colour, BarChart::kGreen);
    EXPECT_EQ(chart().barAt(1).colour, WorkspaceDisplay::kRed);
    EXPECT_EQ(slot(10).segmentColor(), WorkspaceDisplay::kRed);
}

TEST_F(LimitDialogTest, switchingMarkingOffLeavesRedUntilRedrawn)
{
    limits = {true, 50.0f, 20.0f};
    liveReadingsNumbered(60, 60);   // 60.0, marked
    runLimit([](TfrmLimit& dlg) {
        child<CheckLed>(dlg, "chkLimit")->setChecked(false);
        click(dlg, "btnOK");
    });
    EXPECT_EQ(lamp, std::vector<bool>{false});
    EXPECT_EQ(chart().barAt(0).colour, WorkspaceDisplay::kRed);
    EXPECT_EQ(slot(10).segmentColor(), WorkspaceDisplay::kRed);

    live(700);   // 70.0 arrives: its bar is green, the old slot turns lime
    EXPECT_EQ(chart().barAt(0).colour, WorkspaceDisplay::kRed);
    EXPECT_EQ(chart().barAt(1).colour, BarChart::kGreen);
    EXPECT_EQ(slot(9).segmentColor(), WorkspaceDisplay::kLime);
    EXPECT_EQ(slot(10).segmentColor(), WorkspaceDisplay::kLime);
}

TEST_F(LimitDialogTest, markingOnWithAnEmptyGroupOnlyLightsTheLamp)
{
    runLimit([](TfrmLimit& dlg) {
        setEntries(dlg, true, 50.0, 20.0);
        click(dlg, "btnOK");
    });
    EXPECT_EQ(lamp, std::vector<bool>{true});
    EXPECT_EQ(chart().barCount(), 0);
    EXPECT_EQ(label("lblMax"), QString());
    for (int j = 1; j <= 10; ++j)
        EXPECT_EQ(slot(j).segmentColor(), WorkspaceDisplay::kLime);
}
