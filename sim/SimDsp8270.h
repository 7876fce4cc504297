#pragma once
#include <string>

// The 8270 DSP camera's settings as its panel sets them (commands of class
// b), and the fields of its status record ("bDS") that carry them.
class SimDsp8270 {
public:
    // The record's length after the class letter: its last field stands at 47.
    static constexpr size_t kStatusLength = 48;

    struct Settings {
        int dayNight = 0;      // 0 Auto, 1 Color, 2 Mono
        int whiteBalance = 0;  // 0 Auto, 1 Manual, 2 Indoor, 3 Outdoor
        int red = 128, blue = 128;
        bool freeze = false;
        int blc = 0;           // 0 Off, 1 level 1, 2 level 2
        int blcArea = 4;       // 0 bottom to 4 centre; reported while BLC is on
        int zoomLimit = 0;     // 0-3
        int sharpness = 8;     // 0-15
        int maxGain = 128;     // 0-255
        int shutter = 0;       // 0-7
        int integration = 0;   // 0-9
        int brightness = 24;   // 0-48
        bool manualShutter = false;
    };

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }

    // A command text as the camera hears it (class letter b first). True
    // when it is one of the 8270's settings; reply then holds the camera's
    // report, if it gives one ("bs" sharpness, "bb" brightness, and the
    // red or blue gain "bWR"/"bWB" when a gain button is let go).
    bool Handle(const std::string& text, std::string& reply);

    // Writes the 8270's fields into a status record (the reply text after
    // the class letter, at least kStatusLength long) at their positions.
    void WriteStatus(std::string& record) const;

private:
    Settings settings_;
    char adjusting_ = 0; // 'R' or 'B' while a gain button is held
};
