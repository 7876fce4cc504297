#include "PresetCommands.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {
bool OneOf(int v, std::initializer_list<int> set)
{
    return std::find(set.begin(), set.end(), v) != set.end();
}

std::string Digits(int value, int width)
{
    char text[24];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

constexpr const char* kShownCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 ,-./:;<>?";
} // namespace

char PresetCharacter(int index, int receiverType)
{
    if (OneOf(receiverType, {0, 1, 2, 10}))
        return static_cast<char>('0' + index);
    return static_cast<char>(index <= 46 ? 0x10 + index : '1' + index);
}

char TourDigit(int entry, int panTiltType, int cameraType)
{
    if (panTiltType == 0 && (cameraType == 0 || cameraType == 1))
        return static_cast<char>('0' + entry);
    return static_cast<char>(0x10 + entry);
}

std::string StoreIdCommand(const std::string& name, int index, int receiverType)
{
    std::string text = "dP";
    if (!OneOf(receiverType, {0, 1, 2}))
        text += PresetCharacter(index, receiverType);
    std::string shown = name;
    if (shown.size() < 24)
        shown.resize(24, ' ');
    for (size_t i = 0; i < 24; ++i)
        if (shown[i] == '\0' || !std::strchr(kShownCharacters, shown[i]))
            shown[i] = ' ';
    text += shown;
    if (text.size() > 31)
        text.resize(31);
    return text;
}

std::string GetIdCommand(int index, int receiverType)
{
    if (receiverType >= 3 && receiverType <= 13)
        return std::string("cdS") + PresetCharacter(index, receiverType);
    return "cdS";
}

int PresetListLengthAfterEdit(int panTiltType, int cameraType)
{
    return panTiltType == 1 && cameraType != 0 ? 64 : 10;
}

std::string MonitorCommand(int cameraAddress, int monitor)
{
    return "S" + Digits(cameraAddress, 3) + Digits(monitor, 3);
}

std::optional<int> ParseNewAddress(const std::string& text)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

namespace {
const char* ProtocolNewAddressRefusal(int protocol, int newAddress, int cameraAddress)
{
    switch (protocol) {
    case 0:
    case 5: return newAddress > 255 ? "Exceeding Camera Address Range of 255" : nullptr;
    case 1: return newAddress > 99 ? "Exceeding Camera Address Range of 99" : nullptr;
    case 2: return newAddress > 254 ? "Exceeding Camera Address Range of 254" : nullptr;
    case 3:
    case 9: return newAddress > 999 ? "Exceeding Camera Address Range of 999" : nullptr;
    case 4: return newAddress > 16384 ? "Exceeding Camera Address Range of 16384" : nullptr;
    case 10: return newAddress > 30 ? "Exceeding Camera Address Range of 30" : nullptr;
    case 12:
        return newAddress >= 32 && cameraAddress != 255 ? "Exceeding Camera Address Range of 32, use broadcast address 255"
                                                        : nullptr;
    default: return nullptr;
    }
}
} // namespace

const char* NewAddressRefusal(int protocol, int newAddress, int cameraAddress)
{
    if (const char* refusal = ProtocolNewAddressRefusal(protocol, newAddress, cameraAddress))
        return refusal;
    return newAddress > 16384 ? "Exceeding Camera Address Range of 16384" : nullptr;
}

std::string SetAddressCommand(int protocol, int newAddress)
{
    return "As" + Digits(newAddress, protocol == 4 ? 5 : 3);
}

std::string EncodePosition(const std::string& text, size_t width)
{
    std::string out = text;
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (out.size() < width)
        out.insert(0, width - out.size(), '0');
    // Every hex letter, not only those of the first three places: in a
    // four-place field a letter in the last place would otherwise go out as
    // a letter and stand for another digit.
    for (char& c : out)
        if (c >= 'A' && c <= 'F')
            c = static_cast<char>(c - 7);
    return out;
}

PositionGotoCommand PositionGotoCommands(const std::string& pan, const std::string& tilt, const std::string& zoom,
                                  const std::string& focus, int receiverType)
{
    PositionGotoCommand g;
    const std::pair<const std::string*, const char*> fields[] = {
        {&pan, "Invalid Pan Position"}, {&tilt, "Invalid Tilt Position"},
        {&zoom, "Invalid Zoom Position"}, {&focus, "Invalid Focus Position"}};
    for (int i = 0; i < 4; ++i)
        if (fields[i].first->empty()) {
            g.refusal = fields[i].second;
            g.field = i;
            return g;
        }
    const bool dome = OneOf(receiverType, {5, 7, 11, 12, 13, 14});
    const size_t width = receiverType == 0 ? 3 : 4;
    g.panTilt = (dome ? "cp" : "p") + EncodePosition(pan, width) + EncodePosition(tilt, width);
    g.zoomFocus = "v" + EncodePosition(zoom, 3) + EncodePosition(focus, 3);
    return g;
}

std::optional<int> NextTourEntry(const std::array<int, 10>& flags, int step)
{
    for (int i = 0; i < 10; ++i) {
        const int entry = ((step % 10) + 10 + i) % 10;
        if (flags[entry])
            return entry;
    }
    return std::nullopt;
}

TourKind TourKindFor(int receiverType)
{
    if (OneOf(receiverType, {0, 1, 2, 3, 4, 8, 9, 10}))
        return TourKind::Console;
    if (OneOf(receiverType, {5, 6, 7, 11, 12, 13, 14}))
        return TourKind::Camera;
    return TourKind::None;
}

std::string CameraTourCommand(int zone, bool start)
{
    return std::string("*TS") + static_cast<char>('1' + zone) + (start ? '1' : '0');
}
