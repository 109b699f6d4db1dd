// Connecting, live measurement and disconnecting over a pseudo-terminal.

#include "GaugeSimProcess.h"
#include "LinkRig.h"
#include "link/LinkTexts.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

class LiveLinkE2e : public ::testing::Test {
protected:
    void startSim(const QStringList& args)
    {
        ASSERT_TRUE(sim.start(args)) << sim.error().toStdString();
    }
    void connectToSim()
    {
        ASSERT_TRUE(rig.connect(sim.device())) << "no handshake with " << sim.device().toStdString();
    }

    GaugeSimProcess sim;
    LinkRig rig;
};

TEST_F(LiveLinkE2e, connectsAndShowsTheConnectedState)
{
    startSim({});
    connectToSim();
    EXPECT_TRUE(rig.port.isOpen());
    EXPECT_EQ(rig.link.Task, tkIdle);
    EXPECT_FALSE(rig.view.noticeShown);
    EXPECT_EQ(rig.view.status[0], QStringLiteral("  sim Connected!"));
    EXPECT_EQ(rig.button(Button::Comm).caption, QStringLiteral("DISCON"));
    EXPECT_TRUE(rig.button(Button::WaitData).enabled);
    EXPECT_TRUE(rig.button(Button::ReadFile).enabled);
    EXPECT_EQ(sim.count(received('H')), 1);
}

TEST_F(LiveLinkE2e, lampsLightWhileBytesMoveAndGoOutAfterwards)
{
    std::vector<bool> tx, rx;
    QObject::connect(&rig.port, &SerialComPort::transmitActivity, [&](bool lit) { tx.push_back(lit); });
    QObject::connect(&rig.port, &SerialComPort::receiveActivity, [&](bool lit) { rx.push_back(lit); });
    startSim({});
    QElapsedTimer clock;
    clock.start();
    connectToSim();
    ASSERT_TRUE(waitUntil([&] { return tx.size() == 2 && rx.size() == 2; }, 2000));
    EXPECT_GE(clock.elapsed(), SerialComPort::kLampHoldMs);   // held long enough to be seen
    EXPECT_EQ(tx, (std::vector<bool>{true, false}));
    EXPECT_EQ(rx, (std::vector<bool>{true, false}));
}

TEST_F(LiveLinkE2e, liveReadingsArriveInOrderAndStopWritesZ)
{
    startSim({"--readings", "12.3,45.6,78.9", "--interval", "40"});
    connectToSim();
    rig.machine.btnWaitDataClick();
    EXPECT_EQ(rig.link.Task, tkMeasure);
    EXPECT_EQ(rig.button(Button::WaitData).caption, QStringLiteral("STOP"));
    ASSERT_TRUE(waitUntil([&] { return rig.view.group->Count >= 5; }, 5000));

    rig.machine.btnWaitDataClick();
    EXPECT_EQ(rig.link.Task, tkIdle);
    EXPECT_EQ(rig.button(Button::WaitData).caption, QStringLiteral("START"));
    ASSERT_TRUE(sim.waitForCount(received('Z'), 1, 3000));

    const float expected[] = {12.3f, 45.6f, 78.9f, 12.3f, 45.6f};
    for (int i = 0; i < 5; ++i)
        EXPECT_FLOAT_EQ(rig.view.group->Data[i + 1], expected[i]) << "reading " << i + 1;
    EXPECT_EQ(rig.view.group->Source, 1);
    EXPECT_TRUE(rig.button(Button::Print).enabled);
}

TEST_F(LiveLinkE2e, zFromTheGaugeEndsTheMeasurement)
{
    startSim({"--readings", "20.0", "--interval", "30", "--gauge-stop-after", "3"});
    connectToSim();
    rig.machine.btnWaitDataClick();
    ASSERT_TRUE(waitUntil([&] { return rig.link.Task == tkIdle; }, 5000));
    EXPECT_EQ(rig.view.group->Count, 3);
    EXPECT_EQ(rig.button(Button::WaitData).caption, QStringLiteral("START"));
    EXPECT_TRUE(rig.button(Button::Save).enabled);
    EXPECT_EQ(sim.count(received('Z')), 0);   // the program sent no Z of its own
}

TEST_F(LiveLinkE2e, disconWritesBAndReturnsToNotConnected)
{
    startSim({"--interval", "30"});
    connectToSim();
    rig.machine.btnWaitDataClick();   // DISCON during a live measurement
    rig.machine.StartDisconnect();
    EXPECT_EQ(rig.link.Task, tkDisconnect);
    ASSERT_TRUE(waitUntil([&] { return !rig.link.Connected; }, 5000));
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(rig.view.status[0], texts::kNotConnected);
    EXPECT_EQ(rig.button(Button::Comm).caption, QStringLiteral("CONN"));
    EXPECT_TRUE(rig.button(Button::Comm).enabled);
    EXPECT_EQ(rig.button(Button::WaitData).caption, QStringLiteral("START"));
    EXPECT_FALSE(rig.button(Button::WaitData).enabled);
    EXPECT_EQ(sim.count(received('B')), 1);
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST_F(LiveLinkE2e, closingTheLinkWhileConnectedWritesB)
{
    startSim({});
    connectToSim();
    rig.machine.CloseLink();
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_TRUE(sim.waitForCount(received('B'), 1, 3000));
}

TEST_F(LiveLinkE2e, eventLogOfTheFirstConnectionIsWrittenOnClose)
{
    startSim({});
    connectToSim();
    rig.machine.StartDisconnect();
    ASSERT_TRUE(waitUntil([&] { return !rig.link.Connected; }, 5000));

    QFile log(rig.logDir.filePath(QStringLiteral("APRO.LOG")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral(":0700H4f<0d><0a>")));   // sent
    EXPECT_TRUE(text.contains(QStringLiteral("recv   0700B49")));      // received
    EXPECT_FALSE(rig.port.eventLog().enabled());
}

TEST_F(LiveLinkE2e, deviceGoneWhileConnectedEndsTheLinkWithAMessage)
{
    startSim({});
    connectToSim();
    sim.stop();   // the pty goes away like a pulled USB adapter
    ASSERT_TRUE(waitUntil([&] { return !rig.link.Connected; }, 5000));
    EXPECT_FALSE(rig.port.isOpen());
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].caption, texts::kCommErrorCaption);
    EXPECT_EQ(rig.view.status[0], texts::kNotConnected);
}

TEST_F(LiveLinkE2e, openingAMissingDeviceSaysWhy)
{
    rig.machine.StartConnect(QStringLiteral("nowhere"), QStringLiteral("/dev/quorvel-no-such-port"));
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.view.noticeShown);
    EXPECT_TRUE(rig.button(Button::Comm).enabled);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_TRUE(rig.messages.shown[0].text.contains(QStringLiteral("nowhere")));
}

// Uses the real reply timer: three H frames about 5 s apart.
TEST_F(LiveLinkE2e, silentGaugeIsAskedThreeTimesThenTheConnectionFails)
{
    startSim({"--silent"});
    QElapsedTimer clock;
    clock.start();
    rig.machine.StartConnect(QStringLiteral("sim"), sim.device());
    ASSERT_TRUE(waitUntil([&] { return !rig.messages.shown.empty(); }, 20000));
    const qint64 elapsed = clock.elapsed();

    EXPECT_GE(elapsed, 3 * 5005 - 100);
    EXPECT_EQ(sim.count(received('H')), 3);
    EXPECT_EQ(rig.messages.shown[0].caption, texts::kConnectFailedCaption);
    EXPECT_EQ(rig.messages.shown[0].text, texts::kNoInstrument);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.view.noticeShown);
    EXPECT_TRUE(rig.button(Button::Comm).enabled);
    EXPECT_EQ(rig.link.Task, tkIdle);
}

} // namespace
