// Downloading the gauge's stored files over a pseudo-terminal. The reply
// timer runs on 30 ms ticks here, so a time-out takes 2.7 s, not 5 s.

#include "GaugeModel.h"
#include "GaugeSimProcess.h"
#include "LinkRig.h"
#include "link/LinkTexts.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

constexpr int kTickMs = 30;
constexpr int kDownloadMs = 15000;

class DownloadE2e : public ::testing::Test {
protected:
    DownloadE2e() : rig(kTickMs) {}

    void startAndConnect(const QStringList& args)
    {
        ASSERT_TRUE(sim.start(args)) << sim.error().toStdString();
        ASSERT_TRUE(rig.connect(sim.device()));
    }
    bool download()
    {
        rig.machine.btnReadFileClick();
        return rig.waitIdle(kDownloadMs);
    }
    void expectFiles(const std::vector<int>& counts)
    {
        for (int k = 1; k <= TFileSlots::kSlots; ++k) {
            const int count = k <= int(counts.size()) ? counts[k - 1] : 0;
            ASSERT_EQ(rig.files[k].Count, count) << "slot " << k;
            for (int i = 1; i <= count; ++i)
                ASSERT_FLOAT_EQ(rig.files[k].Values[i], sim::GaugeModel::storedReading(k - 1, i - 1) / 10.0f)
                    << "slot " << k << " reading " << i;
        }
    }
    void expectButtonsBack()
    {
        for (Button b : {Button::ReadFile, Button::Save, Button::Db, Button::Limit, Button::WaitData})
            EXPECT_TRUE(rig.button(b).enabled);
        EXPECT_FALSE(rig.button(Button::ReadFile).lamp);
        EXPECT_TRUE(rig.view.status[1].isEmpty());
    }
    bool succeeded() const
    {
        return rig.messages.shown.size() == 1 && rig.messages.shown[0].caption == texts::kDownloadDoneCaption;
    }

    GaugeSimProcess sim;
    LinkRig rig;
};

TEST_F(DownloadE2e, twoFilesLandInTheirSlots)
{
    startAndConnect({"--files", "37,12"});
    ASSERT_TRUE(download());
    expectFiles({37, 12});
    EXPECT_TRUE(succeeded());
    EXPECT_TRUE(rig.view.filesButtonShown);
    expectButtonsBack();
    EXPECT_EQ(sim.count(received('F')), 1);
    EXPECT_EQ(sim.count(received('Y')), 2);
}

TEST_F(DownloadE2e, fullFramesOfSixtyTwoReadingsArriveWhole)
{
    startAndConnect({"--files", "100,62"});
    ASSERT_TRUE(download());
    expectFiles({100, 62});
    EXPECT_EQ(sim.count(received('Y')), 3);
}

TEST_F(DownloadE2e, aFileOverSeveralFramesKeepsItsLastReadingInTheHundredthPlace)
{
    startAndConnect({"--files", "0,130"});   // 62 + 62 + 6 readings
    ASSERT_TRUE(download());
    ASSERT_EQ(rig.files[2].Count, 100);
    for (int i = 1; i < 100; ++i)
        ASSERT_FLOAT_EQ(rig.files[2].Values[i], sim::GaugeModel::storedReading(1, i - 1) / 10.0f) << i;
    EXPECT_FLOAT_EQ(rig.files[2].Values[100], sim::GaugeModel::storedReading(1, 129) / 10.0f);
    EXPECT_EQ(sim.count(received('Y')), 3);
}

// Frames from the gauge: 1 is the H reply, 2 and 3 the two files, 4 the closing Z.
struct LostReply {
    const char* option;
    const char* frame;
};

class LostReplyE2e : public DownloadE2e, public ::testing::WithParamInterface<LostReply> {};

TEST_P(LostReplyE2e, isAnsweredWithNAndRecovered)
{
    startAndConnect({"--files", "37,12", GetParam().option, GetParam().frame});
    ASSERT_TRUE(download());
    expectFiles({37, 12});   // nothing stored twice
    EXPECT_TRUE(succeeded());
    EXPECT_EQ(sim.count(received('N')), 1);
    EXPECT_EQ(sim.count(received('F')), 1);   // a retry never asks for the files again
}

INSTANTIATE_TEST_SUITE_P(Replies, LostReplyE2e,
                         ::testing::Values(LostReply{"--drop-reply", "2"}, LostReply{"--corrupt", "3"},
                                           LostReply{"--drop-reply", "4"}, LostReply{"--corrupt", "4"}));

TEST_F(DownloadE2e, threeFailuresInARowEndTheDownloadSilently)
{
    startAndConnect({"--files", "37,12", "--silent-after", "1"});
    ASSERT_TRUE(download());
    EXPECT_EQ(sim.count(received('F')), 1);
    EXPECT_EQ(sim.count(received('N')), 2);
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_FALSE(rig.view.filesButtonShown);
    expectButtonsBack();
    expectFiles({});
    EXPECT_TRUE(rig.link.Connected);
}

TEST_F(DownloadE2e, zStraightAfterFIsASuccessWithSixEmptyFiles)
{
    startAndConnect({"--files", "0,0,0,0,0,0"});
    rig.files[4].Count = 9;   // left from an earlier download
    ASSERT_TRUE(download());
    expectFiles({});
    EXPECT_TRUE(succeeded());
    EXPECT_TRUE(rig.view.filesButtonShown);
}

TEST_F(DownloadE2e, fileAgainEmptiesTheSlotsBeforeTheNewF)
{
    startAndConnect({"--files", "37,12", "--silent-after", "4"});
    ASSERT_TRUE(download());
    expectFiles({37, 12});
    rig.messages.shown.clear();

    rig.machine.btnReadFileClick();
    expectFiles({});   // emptied before any answer
    ASSERT_TRUE(rig.waitIdle(kDownloadMs));
    expectFiles({});   // and the failed download leaves them empty
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(sim.count(received('F')), 2);
}

} // namespace
