#pragma once
#include <string>

// A thermal camera as the "Thermal Controls" panel sets and reads it:
// palette, colour bar, polarity, freeze, overlays, digital zoom, the
// calibration flag, one-point refresh and its automatic interval. "tDS" is
// answered with letter/value pairs.
class SimThermalCamera {
public:
    struct Settings {
        int nucIndex = 0;       // 0-15
        int palette = 0;        // 0-4
        int colourBar = 0;
        int freeze = 0;
        int polarity = 0;
        int overlayPalette = 0; // 0-7
        int overlayMode = 0;    // 0-3
        int foreground = 15;    // 0-15
        int background = 0;     // 0-15
        int reticleA = 0, reticleB = 0;
        int autoRefresh = 5;    // minutes, 1-60
        bool autoRefreshOn = true;
        int digitalZoom = 0;    // 0 Off, 1 2X, 2 4X
        int calFlagClosed = 0;
    };

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }
    int refreshes() const { return refreshes_; }
    char focus() const { return focus_; } // 'N', 'F' moving, 'S' stopped

    // A command text as the camera hears it (class letter t first). True
    // when it is one of the camera's; reply then holds the answer, if any.
    bool Handle(const std::string& text, std::string& reply);

    // The answer to "tDS".
    std::string StatusReply() const;

private:
    Settings settings_;
    int refreshes_ = 0;
    char focus_ = 'S';
};
