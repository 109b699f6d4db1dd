#include "link/FileSlots.h"
#include <gtest/gtest.h>

using namespace quorvel;

namespace {
TFrameRec dataFrame(uint8_t addr, std::vector<uint8_t> payload)
{
    TFrameRec f;
    f.Cmd = 'D';
    f.Addr = addr;
    f.PayloadLen = uint8_t(payload.size());
    f.Payload = std::move(payload);
    return f;
}
} // namespace

TEST(FileSlots, shouldStoreTheReadingsOfADecodedFrame)
{
    TFileSlots slots;
    TFrameRec f;
    ASSERT_TRUE(DecodeFrame("0f02D7b00c80199", f));
    StoreFileData(slots, f);
    EXPECT_EQ(slots[3].Count, 2);
    EXPECT_FLOAT_EQ(slots[3].Values[1], 12.3f);
    EXPECT_FLOAT_EQ(slots[3].Values[2], 45.6f);
}

TEST(FileSlots, shouldMapAddressesAndPayloadSizes)
{
    struct Case {
        uint8_t addr;
        std::vector<uint8_t> payload;
        int slot;
        int count;
    } table[] = {
        {0, {1, 0}, 1, 1},
        {5, {1, 0}, 6, 1},
        {6, {1, 0}, 1, 1},
        {255, {1, 0}, 1, 1},
        {1, {1, 0, 2, 0, 3}, 2, 2},   // an odd last byte is ignored
        {1, {9}, 2, 0},               // one byte stores nothing
        {1, {}, 2, 0},
    };
    for (const auto& c : table) {
        TFileSlots slots;
        StoreFileData(slots, dataFrame(c.addr, c.payload));
        EXPECT_EQ(slots[c.slot].Count, c.count) << int(c.addr);
    }
}

TEST(FileSlots, shouldKeepAHundredAndReplaceTheLastWithTheNewest)
{
    TFileSlots slots;
    int reading = 0;
    for (int frameNo = 0; frameNo < 3; ++frameNo) {   // 62 + 62 + 6 = 130 readings
        std::vector<uint8_t> payload;
        for (int i = 0; i < (frameNo < 2 ? 62 : 6); ++i) {
            ++reading;
            payload.push_back(uint8_t(reading));
            payload.push_back(0);
        }
        StoreFileData(slots, dataFrame(4, payload));
    }
    EXPECT_EQ(slots[5].Count, 100);
    EXPECT_FLOAT_EQ(slots[5].Values[99], 9.9f);
    EXPECT_FLOAT_EQ(slots[5].Values[100], 13.0f);
    ClearFiles(slots);
    EXPECT_EQ(slots[5].Count, 0);
}
