#pragma once
// The gauge's stored files as last downloaded: six slots of up to 100 readings.

#include "CommInc.h"
#include <array>
#include <cstdint>

namespace quorvel {

struct TFileSlot {
    static constexpr int kCapacity = 100;
    uint8_t Count = 0;
    std::array<float, kCapacity + 1> Values{};   // indexed from 1
};

struct TFileSlots {
    static constexpr int kSlots = 6;
    std::array<TFileSlot, kSlots + 1> slot{};     // indexed from 1; [0] unused
    TFileSlot& operator[](int k) { return slot[k]; }
    const TFileSlot& operator[](int k) const { return slot[k]; }
};

void ClearFiles(TFileSlots& slots);
// Appends the readings of one file-data frame to the slot of its address.
void StoreFileData(TFileSlots& slots, const TFrameRec& frame);

} // namespace quorvel
