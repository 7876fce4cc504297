#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// What the "Other Maintenance" window holds; -1 is "none chosen".
struct OtherMaintenanceMembers {
    int heater = 0;         // heater trigger level, 20-45 degrees C to be sent
    int freeze = 0;         // freeze the video while going to a preset
    int presetFeature = -1; // 0 standard goto, 1 home before goto
    int seekPreset = 0;     // preset used for seeking the P/T home, 0-64
    int homePreset = 0;     // preset used as P/T home, 0-64
    int homeFeature = -1;   // 0 standard home (absolute 0), 1 a preset as home
    int powerUp = -1;       // 0 stay at home, 1 go to the last position, 2 go to the home preset
    std::string virtualHome;
    int parkDelay = 1;      // 1-255
    int parkUnit = 0;       // 0 seconds, 1 minutes, 2 hours
    int parkAction = -1;    // 0-3 Preset 1-4, 4-7 Tour 1-4
};

constexpr int kHeaterLow = 20, kHeaterHigh = 45;
constexpr int kHighestPreset = 64;

// "mt" and the level in decimal; empty (nothing sent) outside 20-45.
std::string HeaterCommand(int level);
// "mos" with the preset feature, the seek and home presets as two digits
// each (a preset above 64 is left out), the home and power-up features.
// Empty while a feature is not chosen.
std::string EnhancedPresetCommand(const OtherMaintenanceMembers& m);
// "*XP" with the delay (three digits), the unit (1-3), the action kind (1
// preset, 2 tour) and the preset or tour number 1-4 as one byte. Empty
// when no action is chosen.
std::string ParkCommand(const OtherMaintenanceMembers& m);

// A reply frame applied to the members: heater ('m' 't'), freeze ('m'
// 'f'), enhanced preset features ('m' 'o') and park ('*' "XP"). The class
// letter is the byte before the reply text; other replies change nothing.
void DecodeOtherMaintenanceReply(const uint8_t* frame, size_t length, OtherMaintenanceMembers& m);
