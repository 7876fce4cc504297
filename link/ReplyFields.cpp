#include "ReplyFields.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kPhilips = 4;
constexpr int kJavelin408R = 3;
constexpr int kJavelinEr3487d = 9;
constexpr int kReceiver8400 = 9;

// End of the reply text: the checksum closes an 0xF8 frame, the checksum and
// 0x03 a mode-0 frame.
size_t TextEnd(const uint8_t* frame, size_t length)
{
    if (length == 0)
        return 0;
    if (frame[0] == 0x02)
        return length >= 2 ? length - 2 : 0;
    if (frame[0] == 0xF8)
        return length - 1;
    return length;
}

// count decimal digits from offset on, all of them before end.
std::optional<int> ReadDecimal(const uint8_t* frame, size_t end, size_t offset, size_t count)
{
    if (offset + count > end)
        return std::nullopt;
    int value = 0;
    for (size_t i = offset; i < offset + count; ++i) {
        if (frame[i] < '0' || frame[i] > '9')
            return std::nullopt;
        value = value * 10 + (frame[i] & 0x0F);
    }
    return value;
}

// count address digits from offset on, each taken as its low four bits.
std::optional<int> ReadAddressDigits(const uint8_t* frame, size_t end, size_t offset, size_t count)
{
    if (offset + count > end)
        return std::nullopt;
    int value = 0;
    for (size_t i = offset; i < offset + count; ++i)
        value = value * 10 + (frame[i] & 0x0F);
    return value;
}

// The byte after a field letter, when the letter stands at its offset.
std::optional<uint8_t> FieldByte(const uint8_t* frame, size_t end, size_t offset, char letter)
{
    if (offset + 1 >= end || frame[offset] != static_cast<uint8_t>(letter))
        return std::nullopt;
    return frame[offset + 1];
}

std::optional<int> FieldDigit(const uint8_t* frame, size_t end, size_t offset, char letter)
{
    const std::optional<uint8_t> b = FieldByte(frame, end, offset, letter);
    if (!b || (*b & 0xF0) != 0x30)
        return std::nullopt;
    return *b & 0x0F;
}
} // namespace

std::optional<int> DecodeAddressReply(const uint8_t* frame, size_t length, int protocol)
{
    const size_t end = TextEnd(frame, length);
    if (end < 3 || frame[2] != 'A')
        return std::nullopt;
    if (protocol == kPhilips)
        return ReadAddressDigits(frame, end, 3, 5);
    const bool fourDigits = end > 6 && frame[6] < 0x80;
    return ReadAddressDigits(frame, end, 3, fourDigits ? 4 : 3);
}

StatusFields DecodeStatusFields(const uint8_t* frame, size_t length, const StatusFieldOffsets& offsets)
{
    const size_t end = TextEnd(frame, length);
    StatusFields f;
    f.latchStatus = FieldByte(frame, end, offsets.latch, 'L');
    if (const auto a = FieldByte(frame, end, offsets.focus, 'A'))
        f.manualFocus = (*a & 0x01) != 0;
    f.protocol = FieldDigit(frame, end, offsets.protocol, 'P');
    f.videoType = FieldDigit(frame, end, offsets.videoType, 'v');
    f.lineLockPhase = FieldDigit(frame, end, offsets.lineLockPhase, 'p');
    f.freeze = FieldByte(frame, end, offsets.freeze, 'F');
    return f;
}

std::optional<PanTilt> DecodePositionReply(const uint8_t* frame, size_t length, int receiverType)
{
    const size_t end = TextEnd(frame, length);
    if (end < 4 || frame[2] != 'c' || frame[3] != 'P')
        return std::nullopt;
    const size_t digits = receiverType == kReceiver8400 ? 5 : 4;
    const std::optional<int> pan = ReadDecimal(frame, end, 4, digits);
    const std::optional<int> tilt = ReadDecimal(frame, end, 4 + digits, digits);
    if (!pan || !tilt)
        return std::nullopt;
    return PanTilt{*pan, *tilt};
}

std::string FormatPosition(int value, int receiverType)
{
    char text[16];
    if (receiverType == kReceiver8400)
        std::snprintf(text, sizeof text, "%05d", value);
    else
        std::snprintf(text, sizeof text, "%04d", value);
    return text;
}

std::optional<BinaryStatus> DecodeBinaryStatus(const uint8_t* frame, size_t length, int protocol)
{
    if (length < 2 || frame[0] != 0xFF)
        return std::nullopt;
    const size_t count = frame[1];
    if ((count != 8 && count != 10) || length < count + 2)
        return std::nullopt;
    const uint8_t status = frame[8];
    const int irisBit = protocol == kJavelin408R ? 3 : protocol == kJavelinEr3487d ? 1 : 0;
    const int focusBit = protocol == kJavelinEr3487d ? 0 : 4;
    BinaryStatus s;
    s.manualIris = (status >> irisBit) & 1;
    s.manualFocus = (status >> focusBit) & 1;
    s.cameraPower = (status >> 6) & 1;
    return s;
}

size_t ReplyTextEnd(const uint8_t* frame, size_t length)
{
    return TextEnd(frame, length);
}

namespace {
std::optional<int> ReadHex3(const uint8_t* frame, size_t end, size_t offset)
{
    if (offset + 3 > end)
        return std::nullopt;
    return (frame[offset] & 0x0F) << 8 | (frame[offset + 1] & 0x0F) << 4 | (frame[offset + 2] & 0x0F);
}

// The byte after a letter that stands at the first or else the second offset.
std::optional<uint8_t> LetterField(const uint8_t* frame, size_t end, size_t first, size_t second, char letter)
{
    if (auto b = FieldByte(frame, end, first, letter))
        return b;
    return FieldByte(frame, end, second, letter);
}
} // namespace

PositionStatus DecodePositionStatus(const uint8_t* frame, size_t length)
{
    PositionStatus s;
    const size_t end = TextEnd(frame, length);
    if (end < 3)
        return s;
    constexpr size_t at = 2; // the reply letter
    s.letter = static_cast<char>(frame[at]);
    if (s.letter == 'P') {
        s.pan = ReadHex3(frame, end, at + 1);
        s.tilt = ReadHex3(frame, end, at + 4);
    } else if (s.letter == 'V') {
        s.zoom = ReadHex3(frame, end, at + 1);
        s.focus = ReadHex3(frame, end, at + 4);
    }
    s.latch = s.letter == 'L' ? FieldByte(frame, end, at, 'L') : FieldByte(frame, end, at + 2, 'L');
    s.focusStatus = LetterField(frame, end, at + 2, at + 4, 'A');
    s.receiverStatus = LetterField(frame, end, at + 4, at + 6, 'X');
    return s;
}

std::optional<std::string> DecodePresetName(const uint8_t* frame, size_t length)
{
    const size_t end = TextEnd(frame, length);
    if (end < 5 || frame[2] != 'd')
        return std::nullopt;
    // Only printable characters of the name field are kept.
    std::string name;
    for (size_t i = 5; i < std::min<size_t>(end, 5 + 24); ++i)
        if (frame[i] >= 0x20 && frame[i] < 0x7F)
            name += static_cast<char>(frame[i]);
    name.resize(24, ' ');
    return name;
}
