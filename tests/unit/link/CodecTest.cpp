#include "link/CommInc.h"
#include <gtest/gtest.h>
#include <string>

using namespace quorvel;

namespace {
std::string encode(const TFrameRec& f)
{
    uint8_t buf[kFrameBufferSize];
    const uint8_t n = EncodeFrame(f, buf);
    return std::string(reinterpret_cast<char*>(buf), n);
}
TFrameRec command(char letter)
{
    TFrameRec f;
    f.Cmd = letter;
    return f;
}
} // namespace

TEST(Codec, shouldEncodeEveryCommandFrameByteExact)
{
    const std::pair<char, const char*> table[] = {
        {'B', ":0700B49"}, {'F', ":0700F4d"}, {'H', ":0700H4f"}, {'N', ":0700N55"},
        {'W', ":0700W5e"}, {'Y', ":0700Y60"}, {'Z', ":0700Z61"},
    };
    for (auto [letter, text] : table)
        EXPECT_EQ(encode(command(letter)), std::string(text) + "\r\n") << letter;
}

TEST(Codec, shouldEncodeALiveReadingFrame)
{
    TFrameRec f = command('D');
    f.Payload = {0xd2, 0x04};
    f.PayloadLen = 2;
    EXPECT_EQ(encode(f), ":0b00Dd20425\r\n");
}

TEST(Codec, shouldSendOnlyTheFirst120PayloadBytes)
{
    TFrameRec f = command('D');
    f.Payload.resize(130);
    for (int i = 0; i < 130; ++i)
        f.Payload[i] = uint8_t(i);
    f.PayloadLen = 130;
    const std::string out = encode(f);
    ASSERT_EQ(out.size(), 250u);
    EXPECT_EQ(out.substr(1, 2), "f7");
    unsigned sum = 0xf7 + 'D';
    for (int i = 0; i < 120; ++i)
        sum += i;
    char hex[3] = {};
    ByteToHex(uint8_t(sum), hex);
    EXPECT_EQ(out.substr(246, 2), hex);
    EXPECT_EQ(out.substr(248), "\r\n");
}

TEST(Codec, shouldRefuseARecordThatClaimsPayloadItDoesNotHold)
{
    uint8_t buf[kFrameBufferSize];
    std::fill(std::begin(buf), std::end(buf), 0xAA);
    TFrameRec f = command('D');
    f.PayloadLen = 3;
    EXPECT_EQ(EncodeFrame(f, buf), 0);
    f.Payload = {1};   // fewer bytes than claimed is refused too
    EXPECT_EQ(EncodeFrame(f, buf), 0);
    EXPECT_TRUE(std::all_of(std::begin(buf), std::end(buf), [](uint8_t b) { return b == 0xAA; }));
}

TEST(Codec, shouldDecodeWellFormedTexts)
{
    TFrameRec f;
    ASSERT_TRUE(DecodeFrame("0700H4f", f));
    EXPECT_EQ(f.Len, 7);
    EXPECT_EQ(f.Addr, 0);
    EXPECT_EQ(f.Cmd, 'H');
    EXPECT_EQ(f.PayloadLen, 0);
    EXPECT_TRUE(f.Payload.empty());

    ASSERT_TRUE(DecodeFrame("0b00Dd20425", f));
    EXPECT_EQ(f.Cmd, 'D');
    EXPECT_EQ(f.Payload, (std::vector<uint8_t>{0xd2, 0x04}));

    ASSERT_TRUE(DecodeFrame("0f02D7b00c80199", f));
    EXPECT_EQ(f.Addr, 2);
    EXPECT_EQ(f.PayloadLen, 4);
}

TEST(Codec, shouldAcceptAnEvenTextWithoutLookingAtItsLastCharacter)
{
    TFrameRec f;
    for (char last : {'0', 'Z', '\x01'}) {
        ASSERT_TRUE(DecodeFrame(std::string("0800H50") + last, f)) << int(last);
        EXPECT_EQ(f.PayloadLen, 0);
    }
}

TEST(Codec, shouldAcceptAnyCharacterAsTheCommand)
{
    TFrameRec f;
    std::string text = "0700";
    text += '\0';
    text += "07";
    EXPECT_TRUE(DecodeFrame(text, f));
    EXPECT_EQ(f.Cmd, '\0');
    EXPECT_TRUE(DecodeFrame("0700~85", f));
}

TEST(Codec, shouldRejectMalformedTexts)
{
    const char* table[] = {
        "0700H4F",          // uppercase in the checksum
        "0B00Dd20425",      // uppercase in the length field
        "0b00DD20425",      // uppercase in the payload
        "0800H4f",          // length field one more than the text
        "0600H4f",          // one less
        "0b00Dd20426",      // checksum off by one
        "07",               // too short even though it states a length
        "0600H4",           // six characters
        "",
        "0700H4g",          // not a hex digit
        "0700 H4f",
    };
    for (const char* text : table) {
        TFrameRec f;
        EXPECT_FALSE(DecodeFrame(text, f)) << text;
    }
}

TEST(Codec, shouldRejectAWrongLengthBeforeAllocatingPayload)
{
    TFrameRec f;
    EXPECT_FALSE(DecodeFrame("0c00Dd20425", f));
    EXPECT_TRUE(f.Payload.empty());
    EXPECT_FALSE(DecodeFrame(std::string(300, '0'), f));   // longer than any length field
    EXPECT_TRUE(f.Payload.empty());
}

TEST(Codec, shouldRoundTripTheLargestReceivedFrame)
{
    TFrameRec in;
    in.Cmd = 'D';
    in.Addr = 5;
    in.Payload.assign(120, 0x7b);
    in.PayloadLen = 120;
    const std::string wire = encode(in);
    TFrameRec out;
    ASSERT_TRUE(DecodeFrame(std::string_view(wire).substr(1, wire.size() - 3), out));
    EXPECT_EQ(out.Payload, in.Payload);
    EXPECT_EQ(out.Addr, 5);
}

TEST(Codec, hexHelpersShouldUseLowercaseOnly)
{
    char two[2];
    ByteToHex(0xab, two);
    EXPECT_EQ(std::string(two, 2), "ab");
    uint8_t v = 0;
    EXPECT_TRUE(HexToByte("ff", v));
    EXPECT_EQ(v, 255);
    EXPECT_FALSE(HexToByte("fF", v));
    uint8_t sum = 0xff;
    SumStep(sum, 2);
    EXPECT_EQ(sum, 1);
}
