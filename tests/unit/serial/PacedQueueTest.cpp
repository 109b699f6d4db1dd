// gauge-sim's line pacing and reply faults, which the speed figure and the
// retry tests rely on.

#include "GaugeFrame.h"
#include "PacedQueue.h"
#include "ReplyFaults.h"

#include <gtest/gtest.h>

using namespace quorvel::sim;

namespace {

constexpr int64_t kByte = PacedQueue::kByteNs2400;

TEST(PacedQueue, shouldReleaseOneByteEveryTenBitTimes)
{
    PacedQueue q(kByte);
    q.push("abc", 1000);
    EXPECT_EQ(q.due(1000 + kByte - 1), "");
    EXPECT_EQ(q.due(1000 + kByte), "a");
    EXPECT_EQ(q.due(1000 + 3 * kByte), "abc");
    EXPECT_EQ(q.nextDueNs(), 1000 + kByte);
}

TEST(PacedQueue, shouldKeepTheLineRateWhenBytesAreTakenLate)
{
    PacedQueue q(kByte);
    q.push("ab", 0);
    q.pop(q.due(5 * kByte).size());   // woke up late: both bytes at once
    q.push("c", 5 * kByte);           // the line was idle since: due one byte later
    EXPECT_EQ(q.nextDueNs(), 6 * kByte);
    q.push("d", 5 * kByte);           // queued behind c
    EXPECT_EQ(q.due(6 * kByte), "c");
    EXPECT_EQ(q.due(7 * kByte), "cd");
}

TEST(PacedQueue, shouldReleaseEverythingAtOnceWhenUnpaced)
{
    PacedQueue q;
    q.push("abc", 42);
    EXPECT_EQ(q.due(42), "abc");
}

TEST(ReplyFaults, shouldNumberFramesFromOneAndApplyEachFaultOnce)
{
    struct Case {
        FaultSettings settings;
        std::vector<ReplyFate> fates;
    };
    const auto S = ReplyFate::Send, D = ReplyFate::Drop, C = ReplyFate::Corrupt;
    const Case cases[] = {
        {{}, {S, S, S}},
        {{false, 0, 2, 0}, {S, D, S}},
        {{false, 0, 0, 1}, {C, S, S}},
        {{false, 2, 0, 0}, {S, S, D, D}},
        {{true, 0, 0, 0}, {D, D}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        ReplyFaults faults(cases[i].settings);
        for (size_t n = 0; n < cases[i].fates.size(); ++n)
            EXPECT_EQ(faults.next(), cases[i].fates[n]) << "case " << i << " frame " << n + 1;
    }
}

TEST(GaugeFrame, shouldCarrySixtyTwoReadingsTheProgramCanDecode)
{
    quorvel::TFrameRec frame;
    frame.Addr = 5;
    frame.Cmd = 'D';
    for (int i = 0; i < 130; ++i)
        frame.Payload.push_back(uint8_t(i));
    const std::string bytes = encodeGaugeFrame(frame);   // 124 of the 130 bytes
    ASSERT_EQ(bytes.size(), 258u);
    quorvel::TFrameRec decoded;
    ASSERT_TRUE(quorvel::DecodeFrame(std::string_view(bytes).substr(1, bytes.size() - 3), decoded));
    EXPECT_EQ(decoded.PayloadLen, 124);
    EXPECT_EQ(decoded.Addr, 5);
    EXPECT_EQ(decoded.Payload[123], 123);
    EXPECT_EQ(encodeGaugeFrame(quorvel::TFrameRec{0, 0, 'H', {}, 0}), ":0700H4f\r\n");
    EXPECT_EQ(withWrongChecksum(":0700H4f\r\n"), ":0700H50\r\n");
}

} // namespace
