#pragma once
#include <string>

// A dome's maintenance settings, illuminator, wiper and washer as the
// "Other Maintenance", "Illuminator Control", "Wipe Setup" and "Wash Setup"
// windows set them, and its answers to their queries: "mtS" (heater),
// "mfS" (freeze on preset), "mo?" (enhanced preset and home features),
// "*Xps" (park), "imS" (illuminator), "mw?" (wiper) and "mW?" (washer).
class SimMaintenance {
public:
    struct Settings {
        int heater = 30;        // trigger level, 20-45 degrees C
        bool freezeOnPreset = false;
        int presetFeature = 0;  // 0 standard goto, 1 home first
        int seekPreset = 1;     // 0-64
        int homePreset = 2;     // 0-64
        int homeFeature = 0;    // 0 absolute 0, 1 a preset
        int powerUp = 0;        // 0-2
        bool virtualHome = false;
        bool nvramCleared = false;
        int parkDelay = 10;     // 0-255
        int parkUnit = 1;       // 1 seconds, 2 minutes, 3 hours
        int parkKind = 1;       // 1 preset, 2 tour
        int parkNumber = 1;     // 1-4
        bool irOn = false;
        int irMode = 0;         // 0 Mode 1, 1 Mode 2
        int wipeRun = 5;        // seconds, 0-9999
        int wipeDelay = 2;      // seconds, 0-99
        int wipeModule = 0;     // 0 old, 1 new
        int washTime = 5;       // seconds, 0-99
        int washWipe = 3;       // seconds, 0-99
        bool manualWash = false;
        int washFrequency = 10; // 1-168
        bool washHomeSet = false;
    };

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }

    // A command text as the camera hears it. True when it is one of these
    // blocks'; reply then holds the answer, if any.
    bool Handle(const std::string& text, std::string& reply);

private:
    bool HandleHeaterAndPresets(const std::string& text, std::string& reply);
    bool HandlePark(const std::string& text, std::string& reply);
    bool HandleWiperAndWasher(const std::string& text, std::string& reply);

    Settings settings_;
};
