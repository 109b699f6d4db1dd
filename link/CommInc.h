#pragma once
// Frame codec of the gauge link: ":" LEN ADDR CMD PAYLOAD... SUM CR LF,
// numeric fields as lowercase hex, an 8-bit additive checksum.

#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvel {

// A frame in decoded form. A decoded record owns its payload; for encoding,
// PayloadLen says how many of Payload's bytes the caller wants sent.
struct TFrameRec {
    uint8_t Len = 0;        // length field: characters between ":" and CR LF
    uint8_t Addr = 0;       // 0 on every command we send; file number in file data
    char Cmd = 0;           // raw command character, not hex-encoded
    std::vector<uint8_t> Payload;
    uint8_t PayloadLen = 0;
};

constexpr int kMaxEncodedPayload = 120;   // an outgoing frame is at most 250 bytes
constexpr int kFrameBufferSize = 260;     // what callers pass to EncodeFrame

void ByteToHex(uint8_t value, char* dest);
bool HexToByte(const char* src, uint8_t& value);
inline void SumStep(uint8_t& sum, uint8_t byte) { sum = uint8_t(sum + byte); }

// Writes the frame into dest (at least 250 bytes); returns its length, or 0
// when the record claims more payload than it holds.
uint8_t EncodeFrame(const TFrameRec& frame, uint8_t* dest);

// Decodes a packet text (the characters between ":" and CR LF). The length
// field is checked before any payload is allocated.
bool DecodeFrame(std::string_view text, TFrameRec& frame);

} // namespace quorvel
