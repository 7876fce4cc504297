#pragma once
#include <string>

// The 72xx camera's DSP as the DSP 723x panel sets it, and its answers to
// the panel's status queries: "cDS", "cIS", "cSS", "cWS", "cFS", "cBS" and
// "ciS", each answered with its letter and the setting's digit.
//
// The iris and focus modes and the lens moves are the camera's own (the
// console's lamps and the zoom and focus positions follow them): Handle
// notes them and leaves them to the camera.
class SimDsp723x {
public:
    struct Settings {
        int zoomRange = 0;    // 0 Off, 1 2X, 2 4X, 3 8X
        int shutter = 4;      // 0-12, 4 Auto
        int whiteBalance = 0; // 0 Auto to 5 Fluorescent
        int blc = 0;
        int integration = 0;  // auto-integration
        char irisMove = 's';  // 'O', 'C' while "IOPN"/"ICLS" are held, 's' stopped
    };

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }

    // A command text as the camera hears it, with the camera's iris and
    // focus modes. True when the 72xx's DSP took it; reply then holds the
    // answer, if any.
    bool Handle(const std::string& text, bool manualIris, bool manualFocus, std::string& reply);

private:
    Settings settings_;
};
