#include "ReplyFields.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

namespace {
// A reply frame as received: start byte, address 01, text, a checksum and,
// in mode 0, the terminator. Held in an exactly sized vector, so that a read
// past the frame shows under AddressSanitizer.
Bytes Reply(uint8_t start, const std::string& text)
{
    Bytes b{start, 0x01};
    b.insert(b.end(), text.begin(), text.end());
    b.push_back(0x85);
    if (start == 0x02)
        b.push_back(0x03);
    return b;
}

// Frame text (from offset 2) of the given length with letter and value bytes
// placed at frame offsets; the rest is '-'.
std::string Text(size_t frameLength, std::initializer_list<std::pair<size_t, const char*>> fields)
{
    std::string t(frameLength - 2, '-');
    for (const auto& [offset, s] : fields)
        t.replace(offset - 2, std::char_traits<char>::length(s), s);
    return t;
}
} // namespace

TEST(ReplyFields, AddressReplies)
{
    struct Case {
        Bytes frame;
        int protocol;
        std::optional<int> address;
    } cases[] = {
        {{0x02, 0x01, 'A', '0', '0', '1', 0x81, 0x03}, 0, 1},
        {Reply(0x02, "A1234"), 0, 1234},
        {Reply(0xF8, "A0255"), 1, 255},
        {Reply(0xF8, "A999"), 9, 999},
        {Reply(0x02, "A12345"), 4, 12345},
        {Reply(0x02, "A1234"), 4, std::nullopt}, // Philips wants five digits
        {Reply(0x02, "A0:1"), 0, 101}, // each digit its low four bits
        {Reply(0xF8, "A?00"), 3, 1500},
        {Reply(0x02, "A1:000"), 4, 20000},
        {Reply(0x02, "B001"), 0, std::nullopt},
        {{0x02, 0x01, 'A'}, 0, std::nullopt},
        {{}, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.frame.begin(), c.frame.end()));
        EXPECT_EQ(DecodeAddressReply(c.frame.data(), c.frame.size(), c.protocol), c.address);
    }
}

TEST(ReplyFields, StatusReplyFields)
{
    struct Case {
        const char* name;
        Bytes frame;
        const StatusFieldOffsets& offsets;
        StatusFields expected;
    } cases[] = {
        {"b reply, every field",
         Reply(0x02, Text(40, {{2, "bL3A1"}, {11, "P5v1p2"}, {38, "FO"}})),
         kStatusReplyOffsets,
         {0x33, true, 5, 1, 2, 'O'}},
        {"b reply in the 0xF8 mode",
         Reply(0xF8, Text(40, {{2, "bL0A0"}, {11, "P0v0p0"}, {38, "F\x01"}})),
         kStatusReplyOffsets,
         {'0', false, 0, 0, 0, 0x01}},
        // Protocols 10 to 14 come as '0' + number.
        {"protocol 14", Reply(0x02, Text(13, {{2, "bL8"}, {11, "P>"}})), kStatusReplyOffsets,
         {'8', std::nullopt, 14, std::nullopt, std::nullopt, std::nullopt}},
        {"short reply: freeze absent", Reply(0x02, Text(17, {{2, "bL3A1"}, {11, "P5v1p2"}})), kStatusReplyOffsets,
         {0x33, true, 5, 1, 2, std::nullopt}},
        // A letter with nothing after it but the checksum carries no value.
        {"value would be the checksum", Reply(0x02, Text(39, {{2, "bL3"}, {38, "F"}})), kStatusReplyOffsets,
         {0x33, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt}},
        {"wrong letters and non-digits", Reply(0xF8, Text(17, {{2, "bX3A1"}, {11, "Pxv/p2"}})), kStatusReplyOffsets,
         {std::nullopt, true, std::nullopt, std::nullopt, 2, std::nullopt}},
        {"c reply, shifted fields",
         Reply(0x02, Text(29, {{2, "cS"}, {13, "L2A1"}, {21, "P9v0p3FF"}})),
         kShiftedStatusOffsets,
         {'2', true, 9, 0, 3, 'F'}},
        {"b offsets on a c reply find nothing", Reply(0x02, Text(29, {{2, "cS"}, {13, "L2A1"}, {21, "P9v0p3FF"}})),
         kStatusReplyOffsets, {}},
        {"empty frame", {}, kStatusReplyOffsets, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StatusFields f = DecodeStatusFields(c.frame.data(), c.frame.size(), c.offsets);
        EXPECT_EQ(f.latchStatus, c.expected.latchStatus);
        EXPECT_EQ(f.manualFocus, c.expected.manualFocus);
        EXPECT_EQ(f.protocol, c.expected.protocol);
        EXPECT_EQ(f.videoType, c.expected.videoType);
        EXPECT_EQ(f.lineLockPhase, c.expected.lineLockPhase);
        EXPECT_EQ(f.freeze, c.expected.freeze);
    }
}

TEST(ReplyFields, PositionReplies)
{
    struct Case {
        Bytes frame;
        int receiverType;
        std::optional<int> pan, tilt;
    } cases[] = {
        {Reply(0x02, "cP12345678"), 5, 1234, 5678},
        {Reply(0x02, "cP0012300456"), 9, 123, 456},
        {Reply(0xF8, "cP12345678"), 9, std::nullopt, std::nullopt}, // type 9 needs five digits each
        {Reply(0x02, "cP1234567"), 5, std::nullopt, std::nullopt},
        {Reply(0x02, "cP12 45678"), 5, std::nullopt, std::nullopt},
        {Reply(0x02, "cV12345678"), 5, std::nullopt, std::nullopt},
        {{0x02, 0x01, 'c'}, 5, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.frame.begin(), c.frame.end()));
        const auto p = DecodePositionReply(c.frame.data(), c.frame.size(), c.receiverType);
        ASSERT_EQ(p.has_value(), c.pan.has_value());
        if (p) {
            EXPECT_EQ(p->pan, *c.pan);
            EXPECT_EQ(p->tilt, *c.tilt);
        }
    }

    EXPECT_EQ(FormatPosition(9, 5), "0009");
    EXPECT_EQ(FormatPosition(123, 9), "00123");
    EXPECT_EQ(FormatPosition(99999, 9), "99999");
}

TEST(ReplyFields, BinaryStatusBits)
{
    auto frame = [](uint8_t count, uint8_t status) {
        Bytes b(count + 2u, 0x00);
        b[0] = 0xFF;
        b[1] = count;
        if (b.size() > 8)
            b[8] = status;
        return b;
    };
    struct Case {
        const char* name;
        Bytes frame;
        int protocol;
        std::optional<BinaryStatus> expected;
    } cases[] = {
        {"408R iris", frame(8, 0x08), 3, BinaryStatus{true, false, false}},
        {"408R focus", frame(8, 0x10), 3, BinaryStatus{false, true, false}},
        {"408R bit 0 is not iris", frame(8, 0x01), 3, BinaryStatus{false, false, false}},
        {"ER3487D iris", frame(10, 0x02), 9, BinaryStatus{true, false, false}},
        {"ER3487D focus", frame(10, 0x01), 9, BinaryStatus{false, true, false}},
        {"other protocols", frame(8, 0x11), 0, BinaryStatus{true, true, false}},
        {"power", frame(10, 0x40), 9, BinaryStatus{false, false, true}},
        {"count 6 carries no status", frame(6, 0xFF), 3, std::nullopt},
        {"cut short", Bytes{0xFF, 0x0A, 0, 0, 0, 0, 0, 0, 0x5B}, 3, std::nullopt},
        {"not binary", Bytes{0x02, 0x08, 0, 0, 0, 0, 0, 0, 0x40, 0}, 3, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto s = DecodeBinaryStatus(c.frame.data(), c.frame.size(), c.protocol);
        ASSERT_EQ(s.has_value(), c.expected.has_value());
        if (s) {
            EXPECT_EQ(s->manualIris, c.expected->manualIris);
            EXPECT_EQ(s->manualFocus, c.expected->manualFocus);
            EXPECT_EQ(s->cameraPower, c.expected->cameraPower);
        }
    }
}

TEST(ReplyFields, PresetNameKeepsOnlyPrintableCharacters)
{
    struct Case {
        std::string text;
        std::optional<std::string> name;
    } cases[] = {
        {"dS\x10Gate", "Gate" + std::string(20, ' ')},
        {std::string("dS\x10G\x01" "ate\x7Fway\x1B\xE9", 14), "Gateway" + std::string(17, ' ')},
        {"dS\x10" + std::string(30, 'x'), std::string(24, 'x')},
        {"dS", std::nullopt},
    };
    for (const Case& c : cases) {
        const Bytes frame = Reply(0xF8, c.text);
        EXPECT_EQ(DecodePresetName(frame.data(), frame.size()), c.name);
    }
}
