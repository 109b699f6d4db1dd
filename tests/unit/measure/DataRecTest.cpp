#include "measure/DataRec.h"
#include <gtest/gtest.h>
#include <memory>

using namespace quorvel;

namespace {
TFrameRec reading(uint8_t lo, uint8_t hi)
{
    TFrameRec f;
    f.Cmd = 'D';
    f.Payload = {lo, hi};
    f.PayloadLen = 2;
    return f;
}
} // namespace

class DataRecTest : public ::testing::Test {
protected:
    std::unique_ptr<TDataRec> rec = std::make_unique<TDataRec>();
    void fill(std::initializer_list<float> values)
    {
        rec->Count = 0;
        for (float v : values)
            rec->Data[++rec->Count] = v;
    }
};

TEST_F(DataRecTest, liveReadingsDecodeLowByteFirst)
{
    AddLiveReading(*rec, reading(0xd2, 0x04));
    AddLiveReading(*rec, reading(0xff, 0xff));
    EXPECT_EQ(rec->Count, 2);
    EXPECT_EQ(rec->Top, 2);
    EXPECT_FLOAT_EQ(rec->Data[1], 123.4f);
    EXPECT_FLOAT_EQ(rec->Data[2], 6553.5f);
}

TEST_F(DataRecTest, theGroupStopsGrowingAt65530)
{
    rec->Count = 65529;
    rec->Top = 65529;
    AddLiveReading(*rec, reading(1, 0));
    EXPECT_EQ(rec->Count, 65530);
    EXPECT_EQ(rec->Top, 65530);
    rec->Top = 65520;   // the user scrolled down
    AddLiveReading(*rec, reading(2, 0));
    EXPECT_EQ(rec->Count, 65530);
    EXPECT_EQ(rec->Top, 65520);
    EXPECT_FLOAT_EQ(rec->Data[65530], 0.2f);
    EXPECT_FLOAT_EQ(rec->Data[65531], 0.0f);
}

TEST_F(DataRecTest, aFrameWithoutTwoPayloadBytesChangesNothing)
{
    TFrameRec shortFrame;
    shortFrame.Payload = {5};
    shortFrame.PayloadLen = 1;
    AddLiveReading(*rec, shortFrame);
    EXPECT_EQ(rec->Count, 0);
}

TEST_F(DataRecTest, resetKeepsCommentsTimeAndOldReadings)
{
    fill({1.0f, 2.0f});
    rec->Source = 2;
    rec->Sensor = 4;
    rec->Rem = "abc";
    rec->Time = 45000.5;
    rec->Top = 2;
    ResetData(*rec);
    EXPECT_EQ(rec->Source, 0);
    EXPECT_EQ(rec->Count, 0);
    EXPECT_EQ(rec->Top, 0);
    EXPECT_EQ(rec->Sensor, 1);
    EXPECT_EQ(rec->Rem, "abc");
    EXPECT_EQ(rec->Time, 45000.5);
    EXPECT_FLOAT_EQ(rec->Data[2], 2.0f);
}

TEST_F(DataRecTest, statisticsOfTwoReadings)
{
    fill({10.0f, 12.0f});
    const TStats s = CalcStats(*rec);
    EXPECT_FLOAT_EQ(s.Average, 11.0f);
    EXPECT_FLOAT_EQ(s.StdDev, 1.4142135f);
    EXPECT_FLOAT_EQ(s.Maximum, 12.0f);
    EXPECT_FLOAT_EQ(s.Minimum, 10.0f);
}

TEST_F(DataRecTest, statisticsOfOneReadingNeverDivideByZero)
{
    fill({25.4f});
    const TStats s = CalcStats(*rec);
    EXPECT_FLOAT_EQ(s.Average, 25.4f);
    EXPECT_FLOAT_EQ(s.Maximum, 25.4f);
    EXPECT_FLOAT_EQ(s.Minimum, 25.4f);
    EXPECT_EQ(s.StdDev, 0.0f);
}

TEST_F(DataRecTest, statisticsAccumulateInSinglePrecision)
{
    // 65530 readings of 0.1: a single accumulator drifts visibly from the
    // exact 6553.0, and the average follows the drift.
    rec->Count = 65530;
    for (int i = 1; i <= 65530; ++i)
        rec->Data[i] = 0.1f;
    float sum = 0.0f;
    for (int i = 1; i <= 65530; ++i)
        sum += 0.1f;
    const TStats s = CalcStats(*rec);
    EXPECT_EQ(s.Average, float(double(sum) / 65530));
    EXPECT_NE(s.Average, 0.1f);
    EXPECT_GT(s.StdDev, 0.0f);   // the rounded average differs from each reading
}
