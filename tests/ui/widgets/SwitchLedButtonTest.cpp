#include "platform/widgets/SwitchLedButton.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using quorvel::SwitchLedButton;

namespace {

struct SwitchLedButtonTest : ::testing::Test {
    SwitchLedButtonTest() { button.setGeometry(0, 0, 55, 28); }
    SwitchLedButton button{QStringLiteral("CONN")};
};

TEST_F(SwitchLedButtonTest, clickTurnsTheLampOverOnlyAfterItsHandlersHaveRun)
{
    std::vector<bool> seenByHandler;
    QObject::connect(&button, &SwitchLedButton::clicked, [&] { seenByHandler.push_back(button.isActive()); });

    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);

    EXPECT_EQ(seenByHandler, (std::vector<bool>{false, true}));
    EXPECT_FALSE(button.isActive());
}

TEST_F(SwitchLedButtonTest, lampSetByTheHandlerIsTurnedOverOnTopOfIt)
{
    // As the window relies on: a handler that lights the lamp leaves it dark.
    QObject::connect(&button, &SwitchLedButton::clicked, [&] { button.setActive(true); });
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_FALSE(button.isActive());
}

TEST_F(SwitchLedButtonTest, handlerThatDisablesTheButtonStillGetsTheTurnOver)
{
    // CONN disables itself in its handler; after CONN and Cancel its lamp is lit.
    QObject::connect(&button, &SwitchLedButton::clicked, [&] { button.setEnabled(false); });
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_TRUE(button.isActive());
}

TEST_F(SwitchLedButtonTest, disabledButtonNeitherClicksNorTurnsOver)
{
    QSignalSpy clicks(&button, &SwitchLedButton::clicked);
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(button.isActive());
}

TEST_F(SwitchLedButtonTest, releaseOutsideTheButtonIsNoClick)
{
    QSignalSpy clicks(&button, &SwitchLedButton::clicked);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(button.isActive());
}

TEST_F(SwitchLedButtonTest, doubleClickIsOneClickAndOneDoubleClick)
{
    QSignalSpy clicks(&button, &SwitchLedButton::clicked);
    QSignalSpy doubles(&button, &SwitchLedButton::doubleClicked);
    // What the platform delivers: press, release, press, double click, release.
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mousePress(&button, Qt::LeftButton);
    QTest::mouseDClick(&button, Qt::LeftButton);
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_FALSE(button.isActive());   // turned over twice
}

TEST_F(SwitchLedButtonTest, isLeftOutOfKeyboardTabbingAndShowsItsHint)
{
    button.setHint(QStringLiteral("Connect to the Instrument"));
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(button.toolTip(), QStringLiteral("Connect to the Instrument"));
}

} // namespace
