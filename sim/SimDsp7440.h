#pragma once
#include <string>

// The 74xx camera's DSP as the DSP 7440 panel sets it, and its answer to
// "cDS": the settings as letter/value items, the forms the panel reads.
class SimDsp7440 {
public:
    struct Settings {
        int whiteBalance = 0; // 0 Auto, 1 Manual, 2 User
        int red = 55, blue = 57;
        char whiteBalanceMove = 's'; // 'u', 'd' while "H"/"T" are held, 's' stopped
        int blc = 0;          // 0 Off, 1 On
        int blcMode = 0;      // 0-3
        int gamma = 4;        // 0-9
        int gainMode = 0;     // 0 Auto, 1 Manual
        int gain = 0;         // 0-7
        int agcMax = 128;     // 1-255
        int shutterMode = 0;  // 0 Auto, 1 Manual
        int speed = 0;        // 0-9
        int integration = 0;  // 0 Off, 1 On
        int length = 0;       // 0-10
        int effectsE = 0;     // flips, rotation, freeze
        int effectse = 0;     // inversions, colour bars, monochrome
        char preset = 'd';    // 'd' factory default, '0'-'9', 'I' none
        char zoom = 's';      // the digital zoom move running: '0'-'7', or 's' stopped
    };

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }

    // A command text as the camera hears it. True when it is one of the
    // 74xx's; reply then holds the answer, if any.
    bool Handle(const std::string& text, std::string& reply);

    // The status string, "c" and the items.
    std::string StatusReply() const;

private:
    Settings settings_;
};
