#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Reply frames as the console hands them to a window.
namespace ReplyFrames {
using Bytes = std::vector<uint8_t>;

// 0xF8 mode: start, address, text, checksum.
inline Bytes Frame(const std::string& text, uint8_t address = 1)
{
    Bytes f{0xF8, address};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

// Mode 0: 0x02, address, text, checksum, 0x03.
inline Bytes Mode0Frame(const std::string& text)
{
    Bytes f{0x02, 0x01};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x40);
    f.push_back(0x03);
    return f;
}

// Address byte 254: four address digits, then the class letter and text.
inline Bytes Frame254(const std::string& text)
{
    return Frame("0001" + text, 254);
}
} // namespace ReplyFrames
