#include "platform/PacketCollector.h"
#include <gtest/gtest.h>

using quorvel::PacketCollector;
using Packets = std::vector<std::string>;

namespace {
Packets feedAll(PacketCollector& c, const std::string& bytes, int64_t now = 0)
{
    return c.feed(bytes.data(), bytes.size(), now);
}
} // namespace

TEST(PacketCollector, shouldJoinAFrameSplitOverManyReads)
{
    PacketCollector c;
    Packets got;
    for (char ch : std::string(":0b00Dd20425\r\n")) {
        auto p = c.feed(&ch, 1, 0);
        got.insert(got.end(), p.begin(), p.end());
    }
    EXPECT_EQ(got, Packets{"0b00Dd20425"});
}

TEST(PacketCollector, shouldSplitSeveralFramesInOneReadAndSkipNoise)
{
    PacketCollector c;
    EXPECT_EQ(feedAll(c, "xx\r\n:0700H4f\r\nnoise\n\r:0700B49\r\n:07"),
              (Packets{"0700H4f", "0700B49"}));
    EXPECT_TRUE(c.collecting());
    EXPECT_EQ(feedAll(c, "00Z61\r\n"), Packets{"0700Z61"});
}

TEST(PacketCollector, shouldKeepABareCrOrLfInsideTheText)
{
    PacketCollector c;
    EXPECT_EQ(feedAll(c, ":ab\rc\nd\r\n"), Packets{"ab\rc\nd"});
}

TEST(PacketCollector, shouldRestartOnAColonInsideAHalfCollectedPacket)
{
    PacketCollector c;
    EXPECT_EQ(feedAll(c, ":0b00Dd2:0700H4f\r\n"), Packets{"0700H4f"});
}

TEST(PacketCollector, shouldDropAPacketThatNeverEndsAndKeepListening)
{
    PacketCollector c(1000);
    EXPECT_TRUE(feedAll(c, ":0b00Dd20", 0).empty());
    // The end of the stale packet arrives after the time-out: it is not glued on.
    EXPECT_TRUE(feedAll(c, "425\r\n", 5000).empty());
    EXPECT_EQ(feedAll(c, ":0700H4f\r\n", 5001), Packets{"0700H4f"});
}

TEST(PacketCollector, shouldDropAnEndlessStreamWithoutGrowingForever)
{
    PacketCollector c;
    std::string junk(":" + std::string(5000, 'a'));
    EXPECT_TRUE(feedAll(c, junk).empty());
    EXPECT_FALSE(c.collecting());
    EXPECT_EQ(feedAll(c, ":0700H4f\r\n"), Packets{"0700H4f"});
}
