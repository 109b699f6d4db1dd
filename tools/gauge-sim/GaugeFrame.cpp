#include "GaugeFrame.h"

#include <algorithm>

namespace quorvel::sim {

std::string encodeGaugeFrame(const TFrameRec& frame)
{
    const int n = std::min<int>(kMaxGaugePayload, int(frame.Payload.size()));
    const uint8_t len = uint8_t(2 * n + 7);
    std::string out(size_t(len) + 3, '\0');
    uint8_t sum = 0;
    out[0] = ':';
    SumStep(sum, len);
    ByteToHex(len, &out[1]);
    SumStep(sum, frame.Addr);
    ByteToHex(frame.Addr, &out[3]);
    SumStep(sum, uint8_t(frame.Cmd));
    out[5] = frame.Cmd;
    for (int i = 0; i < n; ++i) {
        SumStep(sum, frame.Payload[size_t(i)]);
        ByteToHex(frame.Payload[size_t(i)], &out[size_t(6 + 2 * i)]);
    }
    ByteToHex(sum, &out[size_t(6 + 2 * n)]);
    out[size_t(8 + 2 * n)] = '\r';
    out[size_t(9 + 2 * n)] = '\n';
    return out;
}

std::string withWrongChecksum(std::string bytes)
{
    const size_t at = bytes.size() - 4;
    uint8_t sum = 0;
    HexToByte(&bytes[at], sum);
    ByteToHex(uint8_t(sum + 1), &bytes[at]);
    return bytes;
}

} // namespace quorvel::sim
