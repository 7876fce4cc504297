#include "Framing.h"

#include <gtest/gtest.h>
#include <vector>

using Bytes = std::vector<uint8_t>;

namespace {
Bytes Of(const FrameBuffer& f) { return Bytes(f.bytes, f.bytes + f.length); }
} // namespace

TEST(Framing, AsciiFramesInBothModes)
{
    struct Case {
        int mode;
        uint8_t address;
        char prefix;
        const char* text;
        Bytes expected;
    } cases[] = {
        {0, 1, 0, "PSTS", {0x02, 0x01, 'P', 'S', 'T', 'S', 0x85, 0x03}},
        {1, 1, 0, "PSTS", {0xF8, 0x01, 'P', 'S', 'T', 'S', 0x85}},
        {1, 255, 0, "A?", {0xF8, 0xFF, 'A', '?', static_cast<uint8_t>(0x80 | ((0xFF ^ 'A' ^ '?') & 0x0F))}},
        // The 'c' prefix is part of the checksum.
        {0, 2, 'c', "WS", {0x02, 0x02, 'c', 'W', 'S', static_cast<uint8_t>(0x80 | ((0x02 ^ 'c' ^ 'W' ^ 'S') & 0x0F)), 0x03}},
    };
    for (const Case& c : cases) {
        FrameBuffer f;
        BuildAsciiFrame(f, c.mode, c.address, c.prefix, c.text);
        EXPECT_EQ(Of(f), c.expected) << c.text << " mode " << c.mode;
    }
}

TEST(Framing, ChecksumIsAlwaysEightyToEightyF)
{
    for (int a = 0; a < 256; ++a) {
        const uint8_t bytes[] = {static_cast<uint8_t>(a), 'Z', 'I'};
        const uint8_t c = FrameChecksum(bytes, sizeof bytes);
        EXPECT_GE(c, 0x80);
        EXPECT_LE(c, 0x8F);
    }
}

TEST(Framing, OverlongTextIsCutToTheBuffer)
{
    FrameBuffer f;
    BuildAsciiFrame(f, 0, 1, 0, std::string(200, 'x'));
    ASSERT_EQ(f.length, kFrameBufferSize);
    EXPECT_EQ(f.bytes[kFrameBufferSize - 1], kEtx);
    EXPECT_GE(f.bytes[kFrameBufferSize - 2], 0x80);
}

TEST(Framing, BinaryRecordTakesTheAddressAndAChecksum)
{
    const uint8_t record[] = {0xFF, 0x06, 0x07, 0x03, 0x01, 0x01, 0x00, 0xFF};
    FrameBuffer f;
    ASSERT_TRUE(BuildBinaryFrame(f, std::string_view(reinterpret_cast<const char*>(record), sizeof record), 1));
    EXPECT_EQ(Of(f), (Bytes{0xFF, 0x06, 0x07, 0x03, 0x00, 0x01, 0x00, 0xEF}));

    ASSERT_TRUE(BuildBinaryFrame(f, std::string_view(reinterpret_cast<const char*>(record), sizeof record), 300));
    EXPECT_EQ(f.bytes[4], 0x01);
    EXPECT_EQ(f.bytes[5], 0x2C);
    uint8_t sum = 0;
    for (size_t i = 1; i < f.length; ++i)
        sum = static_cast<uint8_t>(sum + f.bytes[i]);
    EXPECT_EQ(sum, 0);
    EXPECT_EQ(f.length, 8u);
}

TEST(Framing, BinaryRecordShorterThanItsCountIsRefused)
{
    const uint8_t record[] = {0xFF, 0x20, 0x01, 0x02};
    FrameBuffer f;
    EXPECT_FALSE(BuildBinaryFrame(f, std::string_view(reinterpret_cast<const char*>(record), sizeof record), 1));
    EXPECT_EQ(f.length, 0u);
}

TEST(Framing, HashFrameEndsWithCrAndFf)
{
    FrameBuffer f;
    BuildHashFrame(f, "#AB");
    EXPECT_EQ(Of(f), (Bytes{'#', 'A', 'B', 0x0D, 0xFF}));
}
