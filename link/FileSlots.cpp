#include "FileSlots.h"

namespace quorvel {

void ClearFiles(TFileSlots& slots)
{
    for (int k = 1; k <= TFileSlots::kSlots; ++k)
        slots[k].Count = 0;
}

void StoreFileData(TFileSlots& slots, const TFrameRec& frame)
{
    const size_t bytes = std::min<size_t>(frame.PayloadLen, frame.Payload.size());
    if (bytes == 0)
        return;
    int s = uint8_t(frame.Addr + 1);
    if (s < 1 || s > TFileSlots::kSlots)
        s = 1;
    TFileSlot& slot = slots[s];
    int c = slot.Count;
    for (size_t i = 0; i + 1 < bytes; i += 2) {
        const float v = float(frame.Payload[i] + 256 * frame.Payload[i + 1]) / 10.0f;
        if (c < TFileSlot::kCapacity)
            ++c;
        slot.Values[c] = v;   // at capacity the last reading replaces the 100th
    }
    slot.Count = uint8_t(c);
}

} // namespace quorvel
