#pragma once
#include <array>
#include <string>

class SettingsStore;

// The persisted settings the console holds (sections "Setup" and "TourSetup").
struct ConsoleSettings {
    int portIndex = 0;
    int port = 1;
    int baudIndex = 0;
    int mode = 1;
    int padPicture = 7;
    int receiverType = 5;
    int cameraType = 3;
    int panTiltType = 1;
    int panSpeed = 15;
    int tiltSpeed = 15;
    int videoType = 0;
    int videoFreezeStatus = 0;
    int protocol = 0;
    int lineLockPhase = 0;
    int dwellTime = 5;
    std::array<int, 10> storedTourEntries{};
    std::array<int, 10> tourEntryFlags{};
    std::string portName; // "Port Name": the device chosen in Setup where ports have names
    std::string ntcipCommunity = "public"; // "NTCIP Community": sent with "Disable NTCIP Mode"
};

constexpr int kPresetCount = 64;
using PresetNameTable = std::array<std::string, kPresetCount>;

// The application-wide preset names, entry n for preset n (0-based).
PresetNameTable& ConsolePresetNames();

// Reads the three sections in order, writing each missing default back (in
// reading order, stored together in one batch when the reading ends). A
// stored value outside its table counts as missing.
void LoadSettings(SettingsStore& store, ConsoleSettings& settings, PresetNameTable& presetNames);

// Line speed for the stored "Baud" index; index 8 is 115000.
int BaudRateForIndex(int index);

// 'E' for protocol 11 (Ultrak), 'N' for every other protocol.
char ParityForProtocol(int protocol);

namespace SettingsKeys {
inline constexpr const char* kSetup = "Setup";
inline constexpr const char* kTourSetup = "TourSetup";
inline constexpr const char* kPresets = "Presets";
// Values the camera reports in its status replies.
inline constexpr const char* kVideoType = "Video Type";
inline constexpr const char* kLineLockPhase = "LL Phase";
inline constexpr const char* kCommProtocol = "Comm. Protocol";
inline constexpr const char* kVideoFreezeStatus = "Video Freeze Status";
inline constexpr const char* kNtcipCommunity = "NTCIP Community";
inline constexpr const char* kDefaultNtcipCommunity = "public";
} // namespace SettingsKeys
