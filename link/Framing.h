#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// Command frames of the camera protocol.
//   ASCII, mode 0:    02, address, text, checksum, 03
//   ASCII, 0xF8 mode: F8, address, text, checksum
//   '#' (type 9100):  text, 0D, FF
//   binary record:    FF, n, bytes 2..n, checksum (bytes 1..n+1 sum to 0)

constexpr size_t kFrameBufferSize = 100;
constexpr uint8_t kStx = 0x02;
constexpr uint8_t kEtx = 0x03;
constexpr uint8_t kF8 = 0xF8;
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kBinaryStart = 0xFF;

struct FrameBuffer {
    uint8_t bytes[kFrameBufferSize] = {};
    size_t length = 0;
};

// 0x80 plus the low four bits of the XOR of the given bytes.
uint8_t FrameChecksum(const uint8_t* bytes, size_t length);

// Frame start byte for the stored "Mode".
inline uint8_t StartByteForMode(int mode) { return mode != 0 ? kF8 : kStx; }

// ASCII frame: start byte, address byte, optional prefix letter, text,
// checksum over address to text, 0x03 in mode 0. A text too long for the
// frame buffer is cut to fit.
void BuildAsciiFrame(FrameBuffer& out, int mode, uint8_t addressByte, char prefix, std::string_view text);

// '#' frame: the text itself, then 0x0D and 0xFF.
void BuildHashFrame(FrameBuffer& out, std::string_view text);

// Binary record: bytes 4 and 5 take the address (high byte first), bytes
// 0..n are copied and one checksum byte follows. Returns false (and builds
// nothing) when the record is shorter than its count says or too long.
bool BuildBinaryFrame(FrameBuffer& out, std::string_view record, int address);
