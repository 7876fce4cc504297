#pragma once
#include "Joystick.h"

#include <string>
#include <vector>

// What the console sends for the joystick: lens buttons, latch buttons,
// pan and tilt (proportional or by zones) and the hat for zoom and focus.
// It keeps the state that makes each command go out once.
class JoystickCommands {
public:
    struct Context {
        int panTiltType = 0; // not 0: proportional pan and tilt
        int panSpeedLimit = 15;
        int tiltSpeedLimit = 15;
        int cameraType = 0;
    };

    explicit JoystickCommands(JoystickCaps caps) : caps_(caps) {}

    // Buttons 1 to 4 work the lens: "ZI", "ZO", "FN", "FF"; released "ZS" or "FS".
    std::vector<std::string> ButtonChanged(int button, bool down) const;
    std::vector<std::string> Moved(const JoystickSample& s, const Context& c);

    // The speed digit the hat sends with zoom and focus: the throttle's
    // share of its range in three steps.
    int HatSpeedDigit(int z) const;

private:
    struct Axis {
        int lastSpeed = 0; // proportional: last speed sent, 0 when stopped
        int zone = 0;      // by zones: -1 one way, 1 the other, 0 stopped
    };
    void Proportional(std::vector<std::string>& out, Axis& axis, int p, int limit, int half, char less, char more,
                      const char* stop);
    static void Zones(std::vector<std::string>& out, Axis& axis, int p, const char* less, const char* more,
                      const char* stop);
    void Hat(std::vector<std::string>& out, const JoystickSample& s, const Context& c);

    JoystickCaps caps_;
    Axis pan_, tilt_;
    bool latched_[3] = {}; // buttons 5, 6 and 7 sent once while held
    bool hatActive_ = false;
    bool hatZoom_ = false;  // a hat zoom is running
    bool hatFocus_ = false; // a hat focus is running
};
