#pragma once
// The current group of readings and its statistics.

#include "link/CommInc.h"
#include <QString>
#include <array>
#include <cstdint>

namespace quorvel {

struct TDataRec {
    static constexpr int kMaxCount = 65530;   // the last six places are never used
    static constexpr int kPlaces = 65536;

    uint8_t Source = 0;    // 0 nothing, 1 the gauge, 2 the records database
    uint16_t Count = 0;
    uint16_t Top = 0;      // index of the reading in the column's top slot
    uint8_t Sensor = 1;    // probe type 1..10
    QString Rem;           // comments of a loaded group
    double Time = 0.0;     // date-time of a loaded group (days since 1899-12-30)
    std::array<float, kPlaces> Data{};   // indexed from 1; only [1..Count] count
};

struct TStats {
    float Average = 0.0f;
    float StdDev = 0.0f;
    float Maximum = 0.0f;
    float Minimum = 0.0f;
};

// Empties the group; Rem, Time and the old readings stay where they are.
void ResetData(TDataRec& data);
// Appends the reading of a live D frame (at least two payload bytes). At the
// cap the last reading is overwritten and Top is left alone.
void AddLiveReading(TDataRec& data, const TFrameRec& frame);
// Two passes with single-precision accumulators; Count must be at least 1.
TStats CalcStats(const TDataRec& data);

} // namespace quorvel
