#pragma once
#include <string>

// The DSP 7100 camera's settings as its panel sets and reads them, and its
// answers to the panel's status queries "cWS", "cVS", "cGS", "cZS" and
// "cMS" (colour, shutter, gain, zoom and miscellaneous status).
class SimDsp7100 {
public:
    struct Settings {
        int colourMode = 0;  // 0 Auto, 1 Manual
        int colour = 32;     // 0-63
        int shutterCode = 0; // 0 S-Auto, 1 S-Manual, 2 I-Manual, 4 I-Extern
        int speed = 0;       // 0-7
        int integration = 1; // 1-99
        int gainMode = 0;
        int gain = 0;        // 0-126
        int gamma = 5;       // 0-7
        bool backlight = false;
        int preset = 0;      // last recalled or stored, 0 factory default
        char zoom = 's';     // the zoom-scroll motion running: i, o, l, r, u, d, c, or s/q stopped
    };

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }

    // A command text as the camera hears it (class letter c first). True
    // when it is one of the 7100's; reply then holds the answer, if any.
    bool Handle(const std::string& text, std::string& reply);

private:
    Settings settings_;
};
