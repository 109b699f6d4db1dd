#include "CommInc.h"

namespace quorvel {

namespace {
constexpr char kHexDigits[] = "0123456789abcdef";

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1; // uppercase is not a hex digit on this link
}
} // namespace

void ByteToHex(uint8_t value, char* dest)
{
    dest[0] = kHexDigits[value >> 4];
    dest[1] = kHexDigits[value & 0x0f];
}

bool HexToByte(const char* src, uint8_t& value)
{
    const int hi = digitValue(src[0]);
    const int lo = digitValue(src[1]);
    if (hi < 0 || lo < 0)
        return false;
    value = uint8_t(hi * 16 + lo);
    return true;
}

uint8_t EncodeFrame(const TFrameRec& frame, uint8_t* dest)
{
    const int n = frame.PayloadLen > kMaxEncodedPayload ? kMaxEncodedPayload : frame.PayloadLen;
    // A record must hold every byte it asks us to send.
    if (int(frame.Payload.size()) < n)
        return 0;

    char* out = reinterpret_cast<char*>(dest);
    const auto len = uint8_t(2 * n + 7);
    uint8_t sum = 0;
    out[0] = ':';
    SumStep(sum, len);
    ByteToHex(len, out + 1);
    SumStep(sum, frame.Addr);
    ByteToHex(frame.Addr, out + 3);
    SumStep(sum, uint8_t(frame.Cmd));
    out[5] = frame.Cmd;
    for (int i = 0; i < n; ++i) {
        SumStep(sum, frame.Payload[i]);
        ByteToHex(frame.Payload[i], out + 6 + 2 * i);
    }
    ByteToHex(sum, out + 6 + 2 * n);
    out[8 + 2 * n] = '\r';
    out[9 + 2 * n] = '\n';
    return uint8_t(len + 3);
}

bool DecodeFrame(std::string_view text, TFrameRec& frame)
{
    const size_t L = text.size();
    frame.Payload.clear();
    frame.PayloadLen = 0;
    if (L < 7)
        return false;
    if (!HexToByte(text.data(), frame.Len) || L != frame.Len)
        return false;

    const size_t n = (L - 7) / 2;
    frame.PayloadLen = uint8_t(n);
    frame.Payload.resize(n);

    uint8_t sum = frame.Len;
    if (!HexToByte(text.data() + 2, frame.Addr))
        return false;
    SumStep(sum, frame.Addr);
    frame.Cmd = text[4];
    SumStep(sum, uint8_t(frame.Cmd));
    for (size_t i = 0; i < n; ++i) {
        if (!HexToByte(text.data() + 5 + 2 * i, frame.Payload[i]))
            return false;
        SumStep(sum, frame.Payload[i]);
    }
    uint8_t check = 0;
    if (!HexToByte(text.data() + 5 + 2 * n, check))
        return false;
    return check == sum;
}

} // namespace quorvel
