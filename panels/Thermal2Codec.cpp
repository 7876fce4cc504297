#include "Thermal2Codec.h"

#include "StatusWalk.h"

namespace {
using M = Thermal2Members;

void ApplyAutoRefresh(M& m, ReplyView v)
{
    const int minutes = AutoRefreshMinutes(v[0]);
    if (minutes > 0)
        m.autoRefresh = minutes;
}

// Letter, one value character (its low four bits unless said otherwise).
const StatusWalk<M> kStatus = {
    {"A", 1, LowBitsField(&M::nucIndex, 0, 15)},
    {"B", 1, LowBitsField(&M::colourBar, 0, 1)},
    {"C", 1, LowBitsField(&M::palette, 0, 4)},
    {"F", 1, LowBitsField(&M::freeze, 0, 1)},
    {"L", 1, LowBitsField(&M::polarity, 0, 1)},
    {"O", 1, LowBitsField(&M::overlayPalette, 0, 7)},
    {"R", 1, LowBitsField(&M::reticleA, 0, 1)},
    {"X", 1, LowBitsField(&M::digitalZoom, 0, 2)},
    {"c", 1, LowBitsField(&M::calFlagClosed, 0, 1)},
    {"f", 1, LowBitsField(&M::foreground, 0, 15)},
    {"k", 1, LowBitsField(&M::background, 0, 15)},
    {"o", 1, LowBitsField(&M::overlayMode, 0, 3)},
    {"r", 1, LowBitsField(&M::reticleB, 0, 1)},
    {"t", 1, ApplyAutoRefresh},
};
} // namespace

std::string AutoRefreshCommand(int minutes)
{
    if (minutes >= 1 && minutes <= 46)
        return std::string("tt") + static_cast<char>(minutes + 16);
    if (minutes >= 47 && minutes <= 60)
        return std::string("tt") + static_cast<char>(minutes + 49);
    return {};
}

int AutoRefreshMinutes(uint8_t c)
{
    if (c == 'n')
        return 11;
    if (c >= 0x11 && c <= 0x3E)
        return c - 16;
    if (c >= 0x60 && c <= 0x6D)
        return c - 49;
    return -1;
}

bool DecodeThermal2Reply(const uint8_t* frame, size_t length, Thermal2Members& m)
{
    // The answer to a binary record carries nothing for this panel.
    if (length == 0 || frame[0] == 0xFF)
        return false;
    std::vector<std::string> none;
    WalkStatus(kStatus, ReplyView::Text(frame, length).BeforeHighByte(), m, none);
    return true;
}
