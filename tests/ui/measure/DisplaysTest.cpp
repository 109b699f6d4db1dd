// The display widgets: what the readouts show and what the numeric input takes.

#include "platform/displays/NumericDisplay.h"
#include "platform/displays/NumericInput.h"
#include "platform/displays/SevenSegmentDisplay.h"
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;

namespace {

struct SegmentCase {
    double value;
    const char* shown;
};

class SevenSegmentText : public ::testing::TestWithParam<SegmentCase> {};

} // namespace

TEST_P(SevenSegmentText, roundsToOneDecimalWithoutSign)
{
    SevenSegmentDisplay seg;
    seg.setValue(GetParam().value);
    EXPECT_EQ(seg.displayText(), QString::fromLatin1(GetParam().shown));
    EXPECT_DOUBLE_EQ(seg.value(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Values, SevenSegmentText,
                         ::testing::Values(SegmentCase{0.0, "0.0"},
                                           SegmentCase{double(float(12.3 + 0.005)), "12.3"},
                                           SegmentCase{double(float(6553.5 + 0.005)), "6553.5"},
                                           SegmentCase{0.06, "0.1"},
                                           SegmentCase{123456.7, "99999.9"},   // six digits at most
                                           SegmentCase{-4.2, "4.2"}));

TEST(SevenSegmentDisplay, startsLimeAndTakesAnotherColour)
{
    SevenSegmentDisplay seg;
    EXPECT_EQ(seg.segmentColor(), QColor(0x00, 0xFF, 0x00));
    seg.setSegmentColor(Qt::red);
    EXPECT_EQ(seg.segmentColor(), QColor(Qt::red));
}

TEST(NumericDisplay, showsDecimalsAndUnits)
{
    NumericDisplay average, counter;
    average.setDecimals(1);
    average.setUnits(QStringLiteral(u" \u03BCm"));
    average.setValue(double(1.4142135f));
    EXPECT_EQ(average.text(), QStringLiteral(u"1.4 \u03BCm"));
    counter.setValue(65530);
    EXPECT_EQ(counter.text(), QStringLiteral("65530"));
}

TEST(NumericInput, restsWithOneDecimalAndUnits)
{
    NumericInput input;
    input.setValue(3000.0);
    EXPECT_EQ(input.text(), QStringLiteral(u"3000.0 \u03BCm"));
    EXPECT_DOUBLE_EQ(input.value(), 3000.0);
}

// Typing goes through the validator: at most eleven characters of a decimal number.
TEST(NumericInput, takesOnlyADecimalNumberOfElevenCharacters)
{
    QWidget window;
    auto* input = new NumericInput(&window);
    auto* other = new NumericInput(&window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    input->setFocus();
    ASSERT_TRUE(input->hasFocus());
    EXPECT_EQ(input->text(), QStringLiteral("0"));   // plain number while editing

    QTest::keyClicks(input, "1a2,3.4.5");
    EXPECT_EQ(input->text(), QStringLiteral("123.45"));
    EXPECT_DOUBLE_EQ(input->value(), 123.45);

    input->selectAll();
    QTest::keyClicks(input, "123456789012345");
    EXPECT_EQ(input->text(), QStringLiteral("12345678901"));

    other->setFocus();
    EXPECT_DOUBLE_EQ(input->value(), 12345678901.0);
    EXPECT_EQ(input->text(), QStringLiteral(u"12345678901.0 \u03BCm"));   // not cut short
}

TEST(NumericInput, anUnfinishedEntryKeepsTheLastValue)
{
    QWidget window;
    auto* input = new NumericInput(&window);
    auto* other = new NumericInput(&window);
    input->setValue(50.0);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    input->setFocus();
    input->selectAll();
    QTest::keyClicks(input, "-");
    EXPECT_DOUBLE_EQ(input->value(), 50.0);
    other->setFocus();
    EXPECT_DOUBLE_EQ(input->value(), 50.0);
    EXPECT_EQ(input->text(), QStringLiteral(u"50.0 \u03BCm"));
}
