#pragma once
#include <string>

// The thermal core of a day/night thermal camera (320 x 256 or 640 x 512
// sensor) as the "Thermal Control" panel sets and reads it: flat-field
// correction, AGC, region of interest, palette, orientation, zoom, DDE,
// user settings and pass-through commands. "tDS" is answered with a string
// of items, each a letter and a value of fixed length.
class SimThermalCore {
public:
    struct Settings {
        int ffcMode = 1;          // 0 Manual, 1 Auto, 2 Ext
        int ffcInterval = 7200;   // frames
        int ffcTempChange = 5;    // 0.1 C
        int operatingMode = 0;    // 0 Real Time, 1 Frozen
        int video = 0;            // 0 Mono, 1 Color
        int palette = 0;          // 0-11
        int orientation = 0;      // 0-3
        int digitalZoom = 0;      // 0 1X to 3 8X
        int plateau = 250, ittMean = 110, maxGain = 15;
        int roiLeft = 0, roiTop = 0, roiRight = 320, roiBottom = 256;
        int suppOffset = 0;
        int dde = 18;             // 1-63
    };

    // A 640 x 512 sensor when large, else 320 x 256.
    explicit SimThermalCore(bool large);

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }
    bool large() const { return large_; }
    int flatFieldCorrections() const { return ffcRuns_; }
    char focus() const { return focus_; }           // 'N', 'F' moving, 'S' stopped
    const std::string& passThrough() const { return passThrough_; }

    // A command text as the camera hears it (class letter t first). True
    // when it is one of the core's; reply then holds the answer, if any.
    bool Handle(const std::string& text, std::string& reply);

    // The answer to "tDS".
    std::string StatusReply() const;

private:
    Settings Factory() const;

    bool large_;
    Settings settings_;
    Settings saved_;
    int ffcRuns_ = 0;
    char focus_ = 'S';
    std::string passThrough_;
};
