#include "FakeComPort.h"
#include "FakeLinkView.h"
#include "FakeMessages.h"
#include "link/LinkMachine.h"
#include "link/LinkTexts.h"
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

std::string frameText(char cmd, std::vector<uint8_t> payload = {}, uint8_t addr = 0)
{
    TFrameRec f;
    f.Cmd = cmd;
    f.Addr = addr;
    f.PayloadLen = uint8_t(payload.size());
    f.Payload = std::move(payload);
    uint8_t buf[kFrameBufferSize];
    const int n = EncodeFrame(f, buf);
    return std::string(reinterpret_cast<char*>(buf) + 1, size_t(n - 3));
}

class LinkMachineTest : public ::testing::Test {
protected:
    TLinkRec link;
    TFileSlots files;
    FakeComPort port;
    FakeLinkView view;
    FakeMessages messages;
    LinkMachine machine{link, files, port, view, messages};

    const ButtonState& button(Button b) { return view.buttons[b]; }

    void connect()
    {
        view.setButtonEnabled(Button::Comm, false);   // CONN pressed
        machine.StartConnect("COM4", "COM4");
        port.deliver(frameText('H'));
        ASSERT_TRUE(link.Connected);
        port.writes.clear();
    }
    void startMeasuring()
    {
        connect();
        machine.btnWaitDataClick();
        ASSERT_EQ(link.Task, tkMeasure);
    }
};

TEST_F(LinkMachineTest, connectAnsweredAtOnce)
{
    view.setButtonEnabled(Button::Comm, false);
    machine.StartConnect("COM4", "COM4");
    EXPECT_TRUE(view.noticeShown);
    EXPECT_EQ(port.letters(), "H");
    EXPECT_TRUE(port.timerArmed());
    EXPECT_EQ(port.timers.begin()->second, 91);

    port.deliver(frameText('H'));
    EXPECT_FALSE(view.noticeShown);
    EXPECT_FALSE(port.timerArmed());
    EXPECT_TRUE(link.Connected);
    EXPECT_EQ(link.Task, tkIdle);
    EXPECT_EQ(button(Button::Comm).caption, "DISCON");
    EXPECT_EQ(button(Button::Comm).hint, "Disconnect ");
    EXPECT_TRUE(button(Button::Comm).lamp);
    EXPECT_TRUE(button(Button::Comm).enabled);
    EXPECT_TRUE(button(Button::ReadFile).enabled);
    EXPECT_TRUE(button(Button::WaitData).enabled);
    EXPECT_EQ(view.status[0], "  COM4 Connected!");
    EXPECT_EQ(view.status[1], "");
}

TEST_F(LinkMachineTest, connectAnsweredAfterTheFirstTimeout)
{
    machine.StartConnect("COM4", "COM4");
    port.fireTimer();
    EXPECT_EQ(port.letters(), "HH");
    EXPECT_EQ(view.status[1], "  Communication Error, Re-trying...");
    EXPECT_EQ(link.Retries, 1);
    port.deliver(frameText('H'));
    EXPECT_TRUE(link.Connected);
    EXPECT_EQ(link.Retries, 0);
    EXPECT_EQ(view.status[1], "");
}

TEST_F(LinkMachineTest, connectNeverAnsweredGivesUpAfterThreeTries)
{
    view.setButtonEnabled(Button::Comm, false);
    machine.StartConnect("COM4", "COM4");
    // While the box is open the port is still open and the task still connect.
    bool openDuringBox = false;
    messages.onShow = [&] { openDuringBox = link.PortOpen && link.Task == tkConnect; };
    port.fireTimer();
    port.fireTimer();
    EXPECT_TRUE(messages.shown.empty());
    port.fireTimer();
    EXPECT_EQ(port.letters(), "HHH");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Connection failed");
    EXPECT_EQ(messages.shown[0].text, "No instrument detected at the specified port");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Warning);
    EXPECT_TRUE(openDuringBox);
    EXPECT_FALSE(view.noticeShown);
    EXPECT_FALSE(port.opened);
    EXPECT_FALSE(link.PortOpen);
    EXPECT_TRUE(button(Button::Comm).enabled);
    EXPECT_EQ(link.Task, tkIdle);
    EXPECT_EQ(link.Retries, 0);
    EXPECT_EQ(view.status[1], "");
}

TEST_F(LinkMachineTest, aPortThatCannotBeOpenedSaysWhyAndGivesCONNBack)
{
    port.failOpen = true;
    view.setButtonEnabled(Button::Comm, false);
    machine.StartConnect("ttyUSB0", "/dev/ttyUSB0");
    EXPECT_FALSE(view.noticeShown);
    EXPECT_TRUE(button(Button::Comm).enabled);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("ttyUSB0"));
    EXPECT_TRUE(messages.shown[0].text.contains("Permission denied"));
    EXPECT_EQ(link.Task, tkIdle);
    EXPECT_TRUE(port.writes.empty());
}

TEST_F(LinkMachineTest, timeoutsDuringADownloadSendNAndTheThirdEndsSilently)
{
    connect();
    files[2].Count = 7;
    machine.btnReadFileClick();
    EXPECT_EQ(files[2].Count, 0);   // emptied before F goes out
    EXPECT_EQ(view.status[1], "  Downloading The measurement data file...");
    EXPECT_TRUE(button(Button::ReadFile).lamp);
    EXPECT_FALSE(button(Button::Save).enabled);
    port.deliver(frameText('D', {0x7b, 0x00}, 0));
    port.fireTimer();
    port.fireTimer();
    port.fireTimer();
    EXPECT_EQ(port.letters(), "FYNN");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(link.Task, tkIdle);
    EXPECT_FALSE(button(Button::ReadFile).lamp);
    for (Button b : {Button::ReadFile, Button::Save, Button::Db, Button::Limit, Button::WaitData})
        EXPECT_TRUE(button(b).enabled);
    EXPECT_EQ(files[1].Count, 1);   // what arrived is kept
    EXPECT_FALSE(view.filesButtonShown);
}

TEST_F(LinkMachineTest, aDownloadAcknowledgesEachFrameAndEndsOnZ)
{
    connect();
    machine.btnReadFileClick();
    port.deliver(frameText('D', {0x7b, 0x00, 0xc8, 0x01}, 2));
    port.fireTimer();   // one lost reply, answered with N
    port.deliver(frameText('D', {0x01, 0x00}, 2));
    EXPECT_EQ(link.Retries, 0);
    port.deliver(frameText('Z'));
    EXPECT_EQ(port.letters(), "FYNY");
    EXPECT_EQ(files[3].Count, 3);
    EXPECT_TRUE(view.filesButtonShown);
    EXPECT_EQ(link.Task, tkIdle);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "File Download");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Information);
}

TEST_F(LinkMachineTest, startAndStopAMeasurement)
{
    connect();
    machine.btnWaitDataClick();
    EXPECT_EQ(port.letters(), "W");
    EXPECT_FALSE(port.timerArmed());
    EXPECT_EQ(view.group->Source, 1);
    EXPECT_EQ(button(Button::WaitData).caption, "STOP");
    EXPECT_EQ(button(Button::WaitData).hint, "Stop measurement");
    EXPECT_EQ(view.status[1], "  Receiving measurement data...");
    for (Button b : {Button::Save, Button::Db, Button::Limit, Button::ReadFile})
        EXPECT_FALSE(button(b).enabled);

    port.deliver(frameText('D', {0xd2, 0x04}));
    port.deliver(frameText('D', {0xff, 0xff}));
    EXPECT_EQ(view.group->Count, 2);
    EXPECT_FLOAT_EQ(view.group->Data[1], 123.4f);
    EXPECT_FLOAT_EQ(view.group->Data[2], 6553.5f);

    machine.btnWaitDataClick();
    EXPECT_EQ(port.letters(), "WZ");
    EXPECT_FALSE(port.timerArmed());
    EXPECT_EQ(link.Task, tkIdle);
    EXPECT_EQ(button(Button::WaitData).caption, "START");
    EXPECT_EQ(button(Button::WaitData).hint, "START MEASUREMENT");
    EXPECT_TRUE(button(Button::Print).enabled);
    EXPECT_EQ(view.status[1], "");
}

TEST_F(LinkMachineTest, aMeasurementWithoutReadingsLeavesPrintAlone)
{
    startMeasuring();
    machine.btnWaitDataClick();
    EXPECT_FALSE(button(Button::Print).enabled);
}

TEST_F(LinkMachineTest, errorsAndStrayFramesDuringAMeasurementChangeNothing)
{
    startMeasuring();
    for (const std::string& text : {std::string("0b00Dd20426"), frameText('H'), frameText('B'),
                                    frameText('D', {0x05}), frameText('D'), frameText('Q')})
        port.deliver(text);
    port.fireTimer();
    EXPECT_EQ(link.Task, tkMeasure);
    EXPECT_EQ(link.Retries, 0);
    EXPECT_EQ(view.group->Count, 0);
    EXPECT_TRUE(port.writes.size() == 1 && port.letters() == "W");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LinkMachineTest, aZFromTheGaugeEndsTheMeasurementLikeStopWithoutSendingZ)
{
    startMeasuring();
    port.deliver(frameText('D', {0x10, 0x00}));
    port.deliver(frameText('Z'));
    EXPECT_EQ(port.letters(), "W");
    EXPECT_EQ(link.Task, tkIdle);
    EXPECT_EQ(button(Button::WaitData).caption, "START");
    EXPECT_TRUE(button(Button::Print).enabled);
}

TEST_F(LinkMachineTest, aBFromTheGaugeWhileIdleEndsTheLink)
{
    connect();
    port.deliver(frameText('B'));
    EXPECT_FALSE(link.Connected);
    EXPECT_FALSE(port.opened);
    EXPECT_EQ(view.status[0], "not connected");
    EXPECT_EQ(button(Button::Comm).caption, "CONN");
    EXPECT_FALSE(button(Button::WaitData).enabled);
    EXPECT_TRUE(port.writes.empty());
}

TEST_F(LinkMachineTest, aDWhileIdleIsIgnored)
{
    connect();
    port.deliver(frameText('D', {0xd2, 0x04}));
    EXPECT_EQ(view.group->Count, 0);
    EXPECT_TRUE(port.writes.empty());
    EXPECT_TRUE(link.Connected);
}

TEST_F(LinkMachineTest, disconnectDuringAMeasurementUndoesItWhenBArrives)
{
    startMeasuring();
    view.setButtonEnabled(Button::Comm, false);
    machine.StartDisconnect();
    EXPECT_EQ(view.status[1], "Disconnecting...");
    EXPECT_EQ(link.Task, tkDisconnect);
    EXPECT_TRUE(port.timerArmed());
    port.deliver(frameText('B'));
    EXPECT_EQ(port.letters(), "WB");
    EXPECT_FALSE(port.opened);
    EXPECT_EQ(button(Button::WaitData).caption, "START");
    EXPECT_FALSE(button(Button::WaitData).lamp);
    EXPECT_TRUE(button(Button::Comm).enabled);
    EXPECT_EQ(view.status[0], "not connected");
}

TEST_F(LinkMachineTest, anUnansweredDisconnectClosesThePortSilently)
{
    connect();
    machine.StartDisconnect();
    port.fireTimer();
    port.fireTimer();
    port.fireTimer();
    EXPECT_EQ(port.letters(), "BBB");
    EXPECT_FALSE(link.Connected);
    EXPECT_FALSE(port.opened);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LinkMachineTest, sendCommandRules)
{
    connect();
    machine.SendCommand('N');
    machine.SendCommand('Y');
    EXPECT_TRUE(port.writes.empty());
    machine.SendCommand('Q');
    EXPECT_TRUE(port.writes.empty());
    EXPECT_EQ(link.Task, tkIdle);
}

TEST_F(LinkMachineTest, aClosedPortGivesTheCommErrorAndTheTaskBack)
{
    machine.SendCommand('F');
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Comm Error");
    EXPECT_EQ(messages.shown[0].text, "Comm port Error.\r\nPlease reset it.");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Error);
    EXPECT_EQ(link.Task, tkIdle);
}

TEST_F(LinkMachineTest, aFullTransmitBufferRemembersTheFrameForTheRetry)
{
    port.freeBytes = 4;
    machine.StartConnect("COM1", "COM1");
    EXPECT_TRUE(port.writes.empty());
    EXPECT_EQ(link.LastFrameLen, 10);
    EXPECT_EQ(std::string(link.LastFrame.begin(), link.LastFrame.begin() + 10), ":0700H4f\r\n");
    EXPECT_TRUE(port.timerArmed());
    port.freeBytes = 4096;
    port.fireTimer();
    EXPECT_EQ(port.letters(), "H");
}

TEST_F(LinkMachineTest, aBusyLinkRefusesANewTask)
{
    connect();
    machine.btnReadFileClick();
    port.writes.clear();
    machine.btnReadFileClick();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Last Comm task does not over.\r\nPlease waiting.");
    EXPECT_TRUE(port.writes.empty());
    machine.btnWaitDataClick();   // START does nothing during a download
    EXPECT_TRUE(port.writes.empty());
}

TEST_F(LinkMachineTest, closingTheWindowWhileConnectedWritesBAndCloses)
{
    connect();
    machine.CloseLink();
    EXPECT_EQ(port.letters(), "B");
    EXPECT_EQ(port.flushedMs, 250);
    EXPECT_FALSE(port.opened);
}

TEST_F(LinkMachineTest, closingTheWindowWhileNotConnectedSendsNothing)
{
    machine.CloseLink();
    EXPECT_TRUE(port.writes.empty());
    EXPECT_EQ(port.closeCount, 0);
}

TEST_F(LinkMachineTest, aLostPortEndsTheLinkAndKeepsTheReadings)
{
    startMeasuring();
    port.deliver(frameText('D', {0x10, 0x00}));
    port.opened = false;
    port.listener->onPortLost("No such device");
    EXPECT_FALSE(link.Connected);
    EXPECT_FALSE(link.PortOpen);
    EXPECT_EQ(link.Task, tkIdle);
    EXPECT_EQ(view.group->Count, 1);
    EXPECT_EQ(view.status[0], "not connected");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("No such device"));
}

} // namespace
