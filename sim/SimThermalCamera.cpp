#include "SimThermalCamera.h"

#include <utility>

namespace {
char Digit(int v)
{
    return static_cast<char>('0' + v);
}

// The auto refresh time in its one-character form. The camera reports
// eleven minutes as 'n'.
char RefreshCharacter(int minutes)
{
    if (minutes == 11)
        return 'n';
    return static_cast<char>(minutes <= 46 ? minutes + 16 : minutes + 49);
}
} // namespace

std::string SimThermalCamera::StatusReply() const
{
    const Settings& s = settings_;
    const std::pair<char, int> items[] = {
        {'A', s.nucIndex},      {'B', s.colourBar},  {'C', s.palette},    {'F', s.freeze},
        {'L', s.polarity},      {'O', s.overlayPalette}, {'R', s.reticleA}, {'X', s.digitalZoom},
        {'c', s.calFlagClosed}, {'f', s.foreground}, {'k', s.background}, {'o', s.overlayMode},
        {'r', s.reticleB},
    };
    std::string reply = "t";
    for (auto [letter, value] : items) {
        reply += letter;
        reply += Digit(value);
    }
    reply += 't';
    reply += RefreshCharacter(s.autoRefresh);
    return reply;
}

bool SimThermalCamera::Handle(const std::string& text, std::string& reply)
{
    reply.clear();
    if (text.size() != 3 || text[0] != 't')
        return false;
    Settings& s = settings_;
    const char what = text[1], c = text[2];
    const int v = c - '0'; // a digit's value ('0' to '?')
    auto set = [&](int& field, int hi) {
        if (v < 0 || v > hi)
            return false;
        field = v;
        return true;
    };
    if (text == "tDS") {
        reply = StatusReply();
        return true;
    }
    if (text == "trh") {
        ++refreshes_;
        return true;
    }
    if (text == "tsD") {
        s = Settings{};
        return true;
    }
    switch (what) {
    case 'W':
        if (c != '0' && c != '1')
            return false;
        s.autoRefreshOn = c == '1';
        return true;
    case 't': {
        const int code = static_cast<unsigned char>(c);
        const int minutes = code >= 0x11 && code <= 0x3E ? code - 16 : code >= 0x60 && code <= 0x6D ? code - 49 : 0;
        if (minutes < 1)
            return false;
        s.autoRefresh = minutes;
        return true;
    }
    case 'f':
        if (c == 'N' || c == 'F' || c == 'S') {
            focus_ = c;
            return true;
        }
        return set(s.foreground, 15);
    case 'C': return set(s.palette, 4);
    case 'B': return set(s.colourBar, 1);
    case 'L': return set(s.polarity, 1);
    case 'F': return set(s.freeze, 1);
    case 'X': return set(s.digitalZoom, 2);
    case 'O': return set(s.overlayPalette, 7);
    case 'o': return set(s.overlayMode, 3);
    case 'k': return set(s.background, 15);
    case 'c': return set(s.calFlagClosed, 1);
    default: return false;
    }
}
