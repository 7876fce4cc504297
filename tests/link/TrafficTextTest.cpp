#include "TrafficText.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

TEST(TrafficText, TransmittedFrames)
{
    struct Case {
        Bytes frame;
        int mode;
        const char* text;
    } cases[] = {
        {{0x02, 0x01, 'P', 'S', 'T', 'S', 0x85, 0x03}, 0, " STX 01 PSTS 85  3"},
        {{0xF8, 0x01, 'P', 'S', 'T', 'S', 0x85}, 1, " F8 01 PSTS 85"},
        {{0xF8, 0x0A, '*', 'T', 'S', '1', 0x10, '/', 0x85}, 1, " F8 0A *TS1 10/ 85"},
        {{0xFF, 0x06, 0x07, 0x03, 0x00, 0x01, 0x00, 0xEF}, 1, " FF  06  07  03  00  01  00  EF "},
        {{'#', 'A', 0x0D, 0xFF}, 1, "#A <CR> 0xFF"},
        {{'#', 0x01, 0x1F, 0x0D, 0xFF}, 1, "# 0x 1 0x1F <CR> 0xFF"},
        {{0xF8, 0x00, 'L', 0x0F, 0x8F}, 1, " F8 00 L  F 8F"},
        {{0xFE, 0x01}, 1, " FE "},
    };
    for (const Case& c : cases) {
        char out[kTxTextSize];
        const size_t n = FormatTxFrame(c.frame.data(), c.frame.size(), c.mode, out);
        EXPECT_EQ(std::string(out, n), c.text);
    }
}

TEST(TrafficText, ReceivedFrames)
{
    struct Case {
        Bytes frame;
        int mode;
        const char* text;
    } cases[] = {
        {{0x02, 0x01, 'A', '0', '0', '1', 0x81, 0x03}, 0, " STX 01 A001 81   3 "},
        {{0xF8, 0x01, 'b', '&', 'x', 0x85}, 1, " F8 01 b 26 x 85 "},
        {{'#', 'o', 'k', 0x0A, 0xFF}, 1, "#ok LF FF "},
        {{0xF8, 0x0B, 'c', 0x05, ' ', 0x8C}, 1, " F8 0B c  5  20  8C "},
        {{0xFF, 0x03, 0x0A, 0xF4}, 0, " FF  03  0A  F4 "},
    };
    for (const Case& c : cases) {
        char out[kRxTextSize];
        const size_t n = FormatRxFrame(c.frame.data(), c.frame.size(), c.mode, out);
        EXPECT_EQ(std::string(out, n), c.text);
    }
}

TEST(TrafficText, LongestFramesFitTheirBuffers)
{
    Bytes frame(100, 0x01);
    frame[0] = '#';
    char tx[kTxTextSize];
    EXPECT_LT(FormatTxFrame(frame.data(), frame.size(), 1, tx), kTxTextSize);
    Bytes reply(256, 0x90);
    reply[0] = 0xF8;
    char rx[kRxTextSize];
    EXPECT_LT(FormatRxFrame(reply.data(), reply.size(), 1, rx), kRxTextSize);
}
