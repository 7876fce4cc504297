#include "PadCommands.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

int PadZone(const PadGeometry& g, int x, int y)
{
    const int cx = g.cx(), cy = g.cy(), d = g.band;
    struct Box {
        int l, t, r, b;
    };
    const Box zones[8] = {
        {g.left, g.top, cx - d, cy - d},     {cx - d, g.top, cx + d, cy - d},     {cx + d, g.top, g.right, cy - d},
        {cx + d, cy - d, g.right, cy + d},   {cx + d, cy + d, g.right, g.bottom}, {cx - d, cy + d, cx + d, g.bottom},
        {g.left, cy + d, cx - d, g.bottom},  {g.left, cy - d, cx - d, cy + d},
    };
    for (int i = 0; i < 8; ++i) {
        const Box& z = zones[i];
        if (x >= z.l && x < z.r && y >= z.t && y < z.b)
            return i + 1;
    }
    return 0;
}

const char* PadZoneCommand(int zone)
{
    static const char* const commands[] = {"", "PLTU", "PSTU", "PRTU", "PRTS", "PRTD", "PSTD", "PLTD", "PLTS"};
    return zone >= 1 && zone <= 8 ? commands[zone] : "";
}

char PadSpeedCharacter(int speed, int limit)
{
    if (limit < 16)
        return static_cast<char>('0' + speed);
    return static_cast<char>(speed <= 46 ? speed + 16 : speed + 49);
}

namespace {
// Speed for an offset from the centre line: 0 within 3 pixels, else scaled
// to the limit over the half size, at least 1. A drag out into the margin
// goes no faster than the limit.
int AxisSpeed(int offset, int limit, int half)
{
    if (offset < 3 || half <= 0)
        return 0;
    const int speed = static_cast<int>(std::lround(static_cast<double>(offset) * limit / half));
    return std::clamp(speed, 1, std::max(limit, 1));
}
} // namespace

PadProportional PadProportionalCommand(const PadGeometry& g, int x, int y, int panLimit, int tiltLimit)
{
    PadProportional p;
    p.panSpeed = AxisSpeed(std::abs(g.cx() - x), panLimit, g.halfWidth());
    p.tiltSpeed = AxisSpeed(std::abs(g.cy() - y), tiltLimit, g.halfHeight());
    if (p.panSpeed == 0)
        p.text = "PS";
    else
        p.text = std::string(1, x < g.cx() ? 'l' : 'r') + PadSpeedCharacter(p.panSpeed, panLimit);
    if (p.tiltSpeed == 0)
        p.text += "TS";
    else
        p.text += std::string(1, y < g.cy() ? 'u' : 'd') + PadSpeedCharacter(p.tiltSpeed, tiltLimit);
    return p;
}

namespace {
const char* const kZoneNudges[] = {"PL", "PR", "TU", "TD"};
const char* const kNewerNudges[] = {"nl", "nr", "nu", "nd"};
const char* const kOlderNudges[] = {"ln", "rn", "un", "dn"};
} // namespace

const char* PadNudgeCommand(int direction, bool proportional, int receiverType)
{
    if (direction < 0 || direction > 3)
        return "";
    if (!proportional)
        return kZoneNudges[direction];
    return receiverType == 11 || receiverType == 12 ? kNewerNudges[direction] : kOlderNudges[direction];
}

int PadNudgeDirection(const std::string& text)
{
    for (int d = 0; d < 4; ++d)
        if (text == kZoneNudges[d] || text == kNewerNudges[d] || text == kOlderNudges[d])
            return d;
    return -1;
}
