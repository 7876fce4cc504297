#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Decoders of the console's own reply frames: address, status and position
// replies and the status byte of binary frames. Each takes the whole frame
// as received (start byte first) and reads only inside it; a value is found
// only in the reply text, never in the checksum or terminator. A field that
// is missing, cut off or not made of digits is absent.

// 'A' reply: the camera address. Protocol 4 (Philips) has five digits at
// offsets 3 to 7; the others four digits at 3 to 6 when the byte at offset 6
// is below 0x80, else three digits at 3 to 5. Each digit is taken as its low
// four bits, so "0:1" is 101.
std::optional<int> DecodeAddressReply(const uint8_t* frame, size_t length, int protocol);

// Where the fields of a status reply stand: the offset of each field's
// letter; its value is the byte after it.
struct StatusFieldOffsets {
    size_t latch;         // 'L'
    size_t focus;         // 'A'
    size_t protocol;      // 'P'
    size_t videoType;     // 'v'
    size_t lineLockPhase; // 'p'
    size_t freeze;        // 'F'
};

// The 'b' status reply.
constexpr StatusFieldOffsets kStatusReplyOffsets{3, 5, 11, 13, 15, 38};
// The same fields in a 'c' reply of the Day/Night camera types.
constexpr StatusFieldOffsets kShiftedStatusOffsets{13, 15, 21, 23, 25, 27};

struct StatusFields {
    std::optional<uint8_t> latchStatus; // bit 0 manual iris, 1 camera power, 2 lens fast, 3 auto focus on PTZ
    std::optional<bool> manualFocus;    // bit 0 of the byte after 'A'
    std::optional<int> protocol;        // "Comm. Protocol"
    std::optional<int> videoType;       // "Video Type"
    std::optional<int> lineLockPhase;   // "LL Phase"
    std::optional<uint8_t> freeze;      // "Video Freeze Status", the byte as sent
};

// Digit fields take their value from the low four bits of a byte '0' to '?',
// the way the console sends a protocol number ('0' + index, up to 14);
// any other byte leaves the field absent.
StatusFields DecodeStatusFields(const uint8_t* frame, size_t length, const StatusFieldOffsets& offsets);

struct PanTilt {
    int pan = 0;
    int tilt = 0;
};

// 'c' 'P' reply: pan four digits at offsets 4 to 7, tilt four at 8 to 11;
// receiver type 9 ("8400") five digits each, at 4 to 8 and 9 to 13.
std::optional<PanTilt> DecodePositionReply(const uint8_t* frame, size_t length, int receiverType);

// A pan or tilt value as shown: "%04d", or "%05d" for receiver type 9.
std::string FormatPosition(int value, int receiverType);

struct BinaryStatus {
    bool manualIris = false;
    bool manualFocus = false;
    bool cameraPower = false;
};

// Status in byte 8 of a complete binary frame whose count (byte 1) is 8 or
// 10. Manual iris: bit 3 for protocol 3, bit 1 for protocol 9, bit 0 for the
// others; manual focus: bit 0 for protocol 9, bit 4 for the others; camera
// power: bit 6.
std::optional<BinaryStatus> DecodeBinaryStatus(const uint8_t* frame, size_t length, int protocol);

// Where a reply's text ends: before the checksum of an 0xF8 frame, before
// the checksum and 0x03 of a mode-0 frame.
size_t ReplyTextEnd(const uint8_t* frame, size_t length);

// The position and status replies 'P', 'V', 'L' and 'H'; offsets count from
// the reply letter at frame offset 2.
struct PositionStatus {
    char letter = 0;
    std::optional<int> pan, tilt;    // 'P': three hex digits each, at +1 and +4
    std::optional<int> zoom, focus;  // 'V': likewise
    std::optional<uint8_t> latch;    // 'L' at +0 (byte at +1), or 'L' at +2 (byte at +3)
    std::optional<uint8_t> focusStatus;    // 'A' at +2 (byte at +3), else at +4 (byte at +5)
    std::optional<uint8_t> receiverStatus; // 'X' at +4 (byte at +5), else at +6 (byte at +7)
};
// Hex digits are the low four bits of their characters, as the camera sends
// 0 to F as the characters 0x30 to 0x3F.
PositionStatus DecodePositionStatus(const uint8_t* frame, size_t length);

// A 'd' reply's preset name: up to 24 characters from frame offset 5, the
// ones that are not printable left out, padded with spaces to 24; absent
// when the reply is too short to carry one.
std::optional<std::string> DecodePresetName(const uint8_t* frame, size_t length);
