#include <QCoreApplication>
#include "app/TfrmMain.h"

#include "FakeComPort.h"
#include "FakeMessages.h"
#include "WhenModal.h"
#include "link/ui/TfrmComTest.h"
#include "platform/widgets/DotMatrixBanner.h"
#include "platform/widgets/StatusLight.h"
#include "platform/widgets/SwitchLedButton.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace quorvel;
using quorvel::test::whenModal;

namespace {

// The packet text of a frame from the gauge (between ":" and CR LF).
std::string packet(char letter)
{
    TFrameRec frame;
    frame.Cmd = letter;
    uint8_t bytes[kFrameBufferSize];
    const uint8_t len = EncodeFrame(frame, bytes);
    return std::string(reinterpret_cast<char*>(bytes) + 1, len - 3);
}

void pickPort(int index)
{
    whenModal([index](QWidget* w) {
        w->findChild<QComboBox*>(QStringLiteral("cbComsel"))->setCurrentIndex(index);
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
    });
}

struct MainWindowTest : ::testing::Test {
    QList<PortEntry> ports = {{QStringLiteral("COM1"), QStringLiteral("COM1")},
                              {QStringLiteral("COM4"), QStringLiteral("COM4")}};
    std::unique_ptr<RunState> state = std::make_unique<RunState>();
    test::FakeComPort port;
    test::FakeMessages messages;
    TfrmMain window{*state, port, messages, [this] { return ports; }};

    SwitchLedButton* button(Button b) { return window.button(b); }
    QToolButton* filesButton() { return window.findChild<QToolButton*>(QStringLiteral("btnFiles")); }
    void click(Button b) { QTest::mouseClick(button(b), Qt::LeftButton); }

    void connectOnCom4()
    {
        pickPort(1);
        click(Button::Comm);
        port.deliver(packet('H'));
    }
    // Which buttons are enabled, as "SAVE LOAD ..." in the row's order.
    std::string enabledButtons()
    {
        QStringList on;
        for (Button b : {Button::Save, Button::Db, Button::Print, Button::Limit, Button::Clear, Button::Comm,
                         Button::WaitData, Button::ReadFile})
            if (button(b)->isEnabled())
                on << button(b)->text();
        return on.join(QLatin1Char(' ')).toStdString();
    }
};

TEST_F(MainWindowTest, startsWithCaptionBannerStatusAndButtonsOfAFreshRun)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quorvel  For Coating Thickness Gauge "));
    EXPECT_EQ(window.findChild<DotMatrixBanner*>(QStringLiteral("VrMatrix1"))->text(),
              QStringLiteral("Welcome to use Quorvel  "));
    EXPECT_EQ(window.statusText(0), QStringLiteral("No connect to instrument"));
    EXPECT_EQ(window.statusText(1), QString());
    EXPECT_EQ(enabledButtons(), "SAVE LOAD LIMIT CLEAR CONN");
    EXPECT_FALSE(filesButton()->isVisibleTo(&window));
    for (SwitchLedButton* b : window.findChildren<SwitchLedButton*>())
        EXPECT_FALSE(b->isActive()) << b->objectName().toStdString();
    for (const char* lamp : {"ApdStatusLight1", "ApdStatusLight2"})
        EXPECT_FALSE(window.findChild<StatusLight*>(QLatin1String(lamp))->isLit()) << lamp;
    EXPECT_EQ(state->CurData.Count, 0);
    EXPECT_EQ(state->CurData.Sensor, 1);
    EXPECT_FALSE(state->Limits.LimitOn);
    EXPECT_EQ(state->Limits.LimitHi, 3000.0f);
    EXPECT_FALSE(window.connectingNotice()->isVisible());
}

TEST_F(MainWindowTest, controlsSitAtTheirFixedPlaces)
{
    EXPECT_EQ(window.size(), QSize(800, 514));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    const std::pair<const char*, QRect> places[] = {
        {"AbClock2", {24, 17, 241, 32}},          {"VrMatrix1", {265, 17, 282, 32}},
        {"LMDSimplePanel1", {10, 64, 543, 329}},  {"panData", {568, 10, 225, 447}},
        {"btnSave", {18, 408, 55, 28}},           {"btnComm", {322, 408, 57, 28}},
        {"btnReadFile", {443, 408, 55, 28}},      {"btnFiles", {505, 409, 50, 26}},
        {"StatusBar", {0, 493, 800, 21}},
    };
    for (const auto& [name, rect] : places) {
        QWidget* w = window.findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(w->geometry(), rect) << name;
    }
    auto* mininum = window.findChild<QLabel*>(QStringLiteral("LMDLabel5"));
    EXPECT_EQ(mininum->text(), QStringLiteral("Mininum:"));
    EXPECT_EQ(mininum->pos(), QPoint(490, 467));
    EXPECT_EQ(button(Button::Db)->hint(), QStringLiteral("Loat Data From the Database"));
}

TEST_F(MainWindowTest, captionAndBannerFollowTheHiddenLabels)
{
    // The window is built with the labels' captions; other captions give other texts.
    auto* gongsi = window.findChild<QLabel*>(QStringLiteral("LMDLabel_gongsi"));
    auto* mingcheng = window.findChild<QLabel*>(QStringLiteral("LMDLabel_mingcheng"));
    EXPECT_FALSE(gongsi->isVisibleTo(&window));
    EXPECT_FALSE(mingcheng->isVisibleTo(&window));
    EXPECT_EQ(gongsi->text(), QStringLiteral(" "));
    EXPECT_EQ(mingcheng->text(), QStringLiteral("For Coating Thickness Gauge "));
}

TEST_F(MainWindowTest, connCancelledLeavesEverythingAsBeforeWithConnEnabledAndLit)
{
    whenModal([](QWidget* w) { QTest::keyClick(w->focusWidget(), Qt::Key_Escape); });
    click(Button::Comm);
    EXPECT_EQ(enabledButtons(), "SAVE LOAD LIMIT CLEAR CONN");
    EXPECT_TRUE(button(Button::Comm)->isActive());   // the click's own turn-over
    EXPECT_EQ(port.openCount, 0);
    EXPECT_TRUE(port.writes.empty());
    EXPECT_EQ(window.statusText(0), QStringLiteral("No connect to instrument"));
}

TEST_F(MainWindowTest, connectingShowsTheNoticeAndSendsH)
{
    pickPort(1);
    click(Button::Comm);
    EXPECT_EQ(port.openedDevice, QStringLiteral("COM4"));
    EXPECT_EQ(port.letters(), "H");
    EXPECT_TRUE(port.timerArmed());
    EXPECT_TRUE(window.connectingNotice()->isVisible());
    EXPECT_FALSE(button(Button::Comm)->isEnabled());
    EXPECT_EQ(state->Link.ComNumber, 4);
}

TEST_F(MainWindowTest, gaugeAnsweringHGivesTheConnectedWindow)
{
    connectOnCom4();
    EXPECT_FALSE(window.connectingNotice()->isVisible());
    EXPECT_EQ(button(Button::Comm)->text(), QStringLiteral("DISCON"));
    EXPECT_EQ(button(Button::Comm)->hint(), QStringLiteral("Disconnect "));
    EXPECT_TRUE(button(Button::Comm)->isActive());
    EXPECT_EQ(window.statusText(0), QStringLiteral("  COM4 Connected!"));
    EXPECT_EQ(enabledButtons(), "SAVE LOAD LIMIT CLEAR DISCON START FILE");
}

TEST_F(MainWindowTest, disconWritesBAndTheGaugesBEndsTheLink)
{
    connectOnCom4();
    click(Button::Comm);
    EXPECT_EQ(port.letters(), "HB");
    EXPECT_EQ(window.statusText(1), QStringLiteral("Disconnecting..."));
    EXPECT_FALSE(button(Button::Comm)->isActive());   // turned over by the click
    port.deliver(packet('B'));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(button(Button::Comm)->text(), QStringLiteral("CONN"));
    EXPECT_EQ(window.statusText(0), QStringLiteral("not connected"));
    EXPECT_EQ(enabledButtons(), "SAVE LOAD LIMIT CLEAR CONN");
}

TEST_F(MainWindowTest, liveReadingsLandInTheCurrentGroup)
{
    connectOnCom4();
    click(Button::WaitData);
    EXPECT_EQ(button(Button::WaitData)->text(), QStringLiteral("STOP"));
    TFrameRec d;
    d.Cmd = 'D';
    d.Payload = {0x7b, 0x00};
    d.PayloadLen = 2;
    uint8_t bytes[kFrameBufferSize];
    const uint8_t len = EncodeFrame(d, bytes);
    port.deliver(std::string(reinterpret_cast<char*>(bytes) + 1, len - 3));
    ASSERT_EQ(state->CurData.Count, 1);
    EXPECT_FLOAT_EQ(state->CurData.Data[1], 12.3f);
    click(Button::WaitData);
    EXPECT_EQ(port.letters(), "HWZ");
    EXPECT_TRUE(button(Button::Print)->isEnabled());
}

TEST_F(MainWindowTest, closingWhileConnectedWritesBAndClosesThePort)
{
    connectOnCom4();
    window.show();
    window.close();
    EXPECT_EQ(port.letters(), "HB");
    EXPECT_FALSE(port.isOpen());
}

TEST_F(MainWindowTest, closingWhileNotConnectedSendsNothing)
{
    window.show();
    window.close();
    EXPECT_TRUE(port.writes.empty());
    EXPECT_EQ(port.closeCount, 0);
}

TEST_F(MainWindowTest, portThatCannotBeOpenedIsReportedAndConnIsUsableAgain)
{
    port.failOpen = true;
    pickPort(0);
    click(Button::Comm);
    EXPECT_FALSE(window.connectingNotice()->isVisible());
    EXPECT_TRUE(button(Button::Comm)->isEnabled());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("COM1")));
}

TEST_F(MainWindowTest, pickedFileBecomesTheGroupAndEnablesPrint)
{
    state->FileSlots[2].Count = 12;
    state->FileSlots[2].Values[12] = 45.6f;
    window.showFilesButton();
    whenModal([](QWidget* w) {
        w->findChild<QComboBox*>(QStringLiteral("cbFiles"))->setCurrentIndex(2);
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    });
    window.btnFilesClick();
    EXPECT_EQ(state->CurData.Count, 12);
    EXPECT_EQ(state->CurData.Data[12], 45.6f);
    EXPECT_EQ(state->CurData.Source, 1);
    EXPECT_TRUE(button(Button::Print)->isEnabled());
    EXPECT_TRUE(filesButton()->isVisibleTo(&window));
}

TEST_F(MainWindowTest, pickerCancelledChangesNothing)
{
    whenModal([](QWidget* w) { QTest::keyClick(w->focusWidget(), Qt::Key_Escape); });
    window.btnFilesClick();
    EXPECT_EQ(state->CurData.Source, 0);
    EXPECT_FALSE(button(Button::Print)->isEnabled());
}

TEST_F(MainWindowTest, lampsFollowThePortsActivity)
{
    window.setReceiveLamp(true);
    window.setTransmitLamp(true);
    EXPECT_TRUE(window.findChild<StatusLight*>(QStringLiteral("ApdStatusLight1"))->isLit());
    EXPECT_TRUE(window.findChild<StatusLight*>(QStringLiteral("ApdStatusLight2"))->isLit());
}

} // namespace

TEST_F(MainWindowTest, clearAsksAndLeavesItsLampOutAfterTheButtonsOwnTurnOver)
{
    for (bool yes : {false, true}) {
        state->CurData.Count = 3;
        messages.answers = {yes};
        click(Button::Clear);
        QCoreApplication::processEvents();
        EXPECT_EQ(messages.shown.back().caption, QStringLiteral("Data Delete"));
        EXPECT_EQ(state->CurData.Count, yes ? 0 : 3);
        EXPECT_FALSE(button(Button::Clear)->isActive()) << yes;
    }
}
