#pragma once
#include <string>

// The DayNightHiDef camera's digital zoom range, exposure level and video
// mode as its panel sets them, and its status "cDS" as letter/value pairs.
class SimHiDef {
public:
    struct Settings {
        int zoomRange = 0; // 0 Off (1X) to 5 (12X)
        int exposure = 0;  // 0 0dB to 3 9dB
        int videoMode = 0; // 0-7
    };

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }

    // A command text as the camera hears it (class letter c first). True
    // when it is one of the HiDef camera's; reply then holds the answer.
    bool Handle(const std::string& text, std::string& reply);

private:
    Settings settings_;
};
