// gauge-sim's line pacing and reply faults, which the speed figure and the
// retry tests rely on.

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

} // namespace
