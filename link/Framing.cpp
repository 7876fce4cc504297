#include "Framing.h"

#include <cstring>

uint8_t FrameChecksum(const uint8_t* bytes, size_t length)
{
    uint8_t x = 0;
    for (size_t i = 0; i < length; ++i)
        x ^= bytes[i];
    return static_cast<uint8_t>(0x80 | (x & 0x0F));
}

void BuildAsciiFrame(FrameBuffer& out, int mode, uint8_t addressByte, char prefix, std::string_view text)
{
    out = FrameBuffer{};
    size_t n = 0;
    out.bytes[n++] = StartByteForMode(mode);
    out.bytes[n++] = addressByte;
    if (prefix != 0)
        out.bytes[n++] = static_cast<uint8_t>(prefix);
    // Room for the checksum and the terminator.
    const size_t room = kFrameBufferSize - n - 2;
    const size_t take = text.size() < room ? text.size() : room;
    std::memcpy(out.bytes + n, text.data(), take);
    n += take;
    out.bytes[n] = FrameChecksum(out.bytes + 1, n - 1);
    ++n;
    if (mode == 0)
        out.bytes[n++] = kEtx;
    out.length = n;
}

void BuildHashFrame(FrameBuffer& out, std::string_view text)
{
    out = FrameBuffer{};
    const size_t room = kFrameBufferSize - 2;
    const size_t take = text.size() < room ? text.size() : room;
    std::memcpy(out.bytes, text.data(), take);
    out.bytes[take] = 0x0D;
    out.bytes[take + 1] = 0xFF;
    out.length = take + 2;
}

bool BuildBinaryFrame(FrameBuffer& out, std::string_view record, int address)
{
    out = FrameBuffer{};
    if (record.size() < 2)
        return false;
    const size_t n = static_cast<uint8_t>(record[1]);
    if (record.size() < n + 1 || n + 2 > kFrameBufferSize || n < 5)
        return false;
    std::memcpy(out.bytes, record.data(), n + 1);
    out.bytes[4] = static_cast<uint8_t>((address / 256) & 0xFF);
    out.bytes[5] = static_cast<uint8_t>(address % 256);
    uint8_t sum = 0;
    for (size_t i = 1; i <= n; ++i)
        sum = static_cast<uint8_t>(sum + out.bytes[i]);
    out.bytes[n + 1] = static_cast<uint8_t>(0x100 - sum);
    out.length = n + 2;
    return true;
}
