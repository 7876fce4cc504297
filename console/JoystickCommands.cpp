#include "JoystickCommands.h"

#include <algorithm>
#include <cmath>

std::vector<std::string> JoystickCommands::ButtonChanged(int button, bool down) const
{
    static const char* const pressed[] = {"ZI", "ZO", "FN", "FF"};
    if (button < 1 || button > 4)
        return {};
    if (down)
        return {pressed[button - 1]};
    return {button <= 2 ? "ZS" : "FS"};
}

int JoystickCommands::HatSpeedDigit(int z) const
{
    const int range = caps_.zMax - caps_.zMin;
    // Without a throttle the middle speed serves.
    if (range <= 0)
        return 1;
    return std::clamp((z - caps_.zMin) * 3 / range, 0, 2);
}

void JoystickCommands::Proportional(std::vector<std::string>& out, Axis& axis, int p, int limit, int half,
                                    char less, char more, const char* stop)
{
    int speed = 0;
    if (half > 0 && (p < 32512 || p > 33024)) {
        const int offset = p < 32512 ? 32768 - p : p - 32768;
        speed = static_cast<int>(std::lround(static_cast<double>(offset) * (limit + 1) / half));
    }
    if (speed == 0) {
        if (axis.lastSpeed != 0)
            out.emplace_back(stop);
        axis.lastSpeed = 0;
        return;
    }
    if (speed == axis.lastSpeed)
        return;
    axis.lastSpeed = speed;
    out.push_back(std::string(1, p < 32767 ? less : more) + static_cast<char>(47 + speed));
}

void JoystickCommands::Zones(std::vector<std::string>& out, Axis& axis, int p, const char* less, const char* more,
                             const char* stop)
{
    const int top = (p >> 12) & 0x0F;
    const int zone = top < 6 ? -1 : top > 9 ? 1 : 0;
    if (zone == axis.zone)
        return;
    axis.zone = zone;
    out.emplace_back(zone < 0 ? less : zone > 0 ? more : stop);
}

void JoystickCommands::Hat(std::vector<std::string>& out, const JoystickSample& s, const Context& c)
{
    const bool dsp = c.cameraType >= 3;
    if (s.pov == 65535) {
        if (hatZoom_)
            out.emplace_back(dsp ? "cZs" : "ZS");
        else if (hatFocus_)
            out.emplace_back(dsp ? "cFs" : "FS");
        hatActive_ = hatZoom_ = hatFocus_ = false;
        return;
    }
    if (hatActive_)
        return;
    const char* dspForm = nullptr;
    const char* plain = nullptr;
    switch (s.pov) {
    case 0: dspForm = "cZ"; plain = "ZI"; hatZoom_ = true; break;
    case 18000: dspForm = "cz"; plain = "ZO"; hatZoom_ = true; break;
    case 9000: dspForm = "cF"; plain = "FF"; hatFocus_ = true; break;
    case 27000: dspForm = "cN"; plain = "FN"; hatFocus_ = true; break;
    default: return;
    }
    hatActive_ = true;
    if (dsp)
        out.push_back(std::string(dspForm) + static_cast<char>('0' + HatSpeedDigit(s.z)));
    else
        out.emplace_back(plain);
}

std::vector<std::string> JoystickCommands::Moved(const JoystickSample& s, const Context& c)
{
    std::vector<std::string> out;
    if (s.buttons == 0) {
        latched_[0] = latched_[1] = latched_[2] = false;
    } else {
        struct Latch {
            int button;
            const char* text;
            bool anyCamera;
        } latches[] = {{5, "LP", true}, {6, "LL", false}, {7, "LM", false}};
        for (int i = 0; i < 3; ++i) {
            const Latch& l = latches[i];
            if (s.buttonNumber == l.button && s.Held(l.button) && (l.anyCamera || c.cameraType == 0) && !latched_[i]) {
                latched_[i] = true;
                out.emplace_back(l.text);
            }
        }
    }
    if (c.panTiltType != 0) {
        Proportional(out, pan_, s.x, c.panSpeedLimit, (caps_.xMax - caps_.xMin) / 2, 'l', 'r', "PS");
        Proportional(out, tilt_, s.y, c.tiltSpeedLimit, (caps_.yMax - caps_.yMin) / 2, 'u', 'd', "TS");
    } else {
        Zones(out, pan_, s.x, "PL", "PR", "PS");
        Zones(out, tilt_, s.y, "TU", "TD", "TS");
    }
    Hat(out, s, c);
    return out;
}
