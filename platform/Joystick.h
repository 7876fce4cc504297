#pragma once
#include <cstdint>

// One reading of the joystick: axes as raw positions 0 to 65535 (centre
// 32767), the buttons held (bit n-1 for button n), the point-of-view hat in
// hundredths of a degree (65535 when centred) and the button pressed last.
struct JoystickSample {
    int x = 32767;
    int y = 32767;
    int z = 0;
    uint32_t buttons = 0;
    int pov = 65535;
    int buttonNumber = 0;

    bool Held(int button) const { return button >= 1 && button <= 32 && (buttons >> (button - 1)) & 1; }
};

// The device's axis ranges.
struct JoystickCaps {
    int xMin = 0, xMax = 65535;
    int yMin = 0, yMax = 65535;
    int zMin = 0, zMax = 65535;
};

// The ranges of a device with this many axes: the third is the throttle
// (Z); a device without one reports a Z range of 0.
inline JoystickCaps JoystickCapsForAxes(int axes)
{
    JoystickCaps caps;
    if (axes < 3)
        caps.zMin = caps.zMax = 0;
    return caps;
}

class JoystickListener {
public:
    virtual ~JoystickListener() = default;
    virtual void JoystickButton(int button, bool down) = 0; // buttons 1 to 4
    virtual void JoystickMoved(const JoystickSample& sample) = 0;
};

// Joystick 1 of the machine, delivered to one window while captured.
class JoystickSource {
public:
    virtual ~JoystickSource() = default;
    virtual bool Present() const = 0;
    virtual JoystickCaps Caps() const = 0;
    virtual void Capture(JoystickListener* listener) = 0;
    virtual void Release() = 0;
};
