#include "ConsoleSettings.h"

#include "SettingsStore.h"

#include <climits>
#include <cstdio>

namespace {
constexpr int kAbsent = -1;

struct IntKey {
    const char* key;
    int ConsoleSettings::*field;
    int defaultValue;
    int low, high; // the values that mean something
};

// Section "Setup", in reading order.
constexpr IntKey kSetupKeys[] = {
    {"Port Index", &ConsoleSettings::portIndex, 0, 0, INT_MAX},
    {"Port", &ConsoleSettings::port, 1, 1, INT_MAX},
    {"Baud", &ConsoleSettings::baudIndex, 0, 0, INT_MAX},
    {"Mode", &ConsoleSettings::mode, 1, 0, INT_MAX},
    {"PTImage", &ConsoleSettings::padPicture, 7, 0, 7},
    {"RxType", &ConsoleSettings::receiverType, 5, 0, 14},
    {"CamType", &ConsoleSettings::cameraType, 3, 0, 19},
    {"PTType", &ConsoleSettings::panTiltType, 1, 0, 2},
    {"PSpeed", &ConsoleSettings::panSpeed, 15, 0, 63},
    {"TSpeed", &ConsoleSettings::tiltSpeed, 15, 0, 63},
};

// Read only for receiver types 5, 6 and 7; these the camera reports.
constexpr IntKey kCameraReportedKeys[] = {
    {SettingsKeys::kVideoType, &ConsoleSettings::videoType, 0, 0, 9},
    {SettingsKeys::kLineLockPhase, &ConsoleSettings::lineLockPhase, 0, 0, 9},
    {SettingsKeys::kCommProtocol, &ConsoleSettings::protocol, 0, 0, 14},
    {SettingsKeys::kVideoFreezeStatus, &ConsoleSettings::videoFreezeStatus, 0, 0, 255},
};

bool InRange(int value, const IntKey& k) { return value != kAbsent && value >= k.low && value <= k.high; }

int ReadOrDefault(SettingsStore& store, const char* section, const IntKey& k)
{
    const int value = store.GetInt(section, k.key, kAbsent);
    if (InRange(value, k))
        return value;
    store.SetInt(section, k.key, k.defaultValue);
    return k.defaultValue;
}
} // namespace

PresetNameTable& ConsolePresetNames()
{
    // Until the settings are read every preset carries its default name.
    static PresetNameTable names = [] {
        PresetNameTable defaults;
        for (int i = 0; i < kPresetCount; ++i)
            defaults[i] = "Preset " + std::to_string(i + 1);
        return defaults;
    }();
    return names;
}

void LoadSettings(SettingsStore& store, ConsoleSettings& s, PresetNameTable& presetNames)
{
    // The defaults a first start writes back are stored in one write, not
    // one file rewrite per key.
    SettingsBatch batch(store);
    using namespace SettingsKeys;
    for (const IntKey& k : kSetupKeys)
        s.*k.field = ReadOrDefault(store, kSetup, k);
    s.portName = store.GetString(kSetup, "Port Name", "");
    s.ntcipCommunity = store.GetString(kSetup, kNtcipCommunity, "");
    if (s.ntcipCommunity.empty()) {
        s.ntcipCommunity = kDefaultNtcipCommunity;
        store.SetString(kSetup, kNtcipCommunity, s.ntcipCommunity);
    }

    // A missing camera-reported value is used as 0 and left unwritten: the
    // camera's next status reply stores the real one. For receiver types other
    // than 5, 6 and 7 these keys are written only by Setup, whose last choice
    // (the protocol above all: it sets the parity) is where the run starts.
    for (const IntKey& k : kCameraReportedKeys) {
        const int value = store.GetInt(kSetup, k.key, kAbsent);
        s.*k.field = InRange(value, k) ? value : 0;
    }

    s.dwellTime = ReadOrDefault(store, kTourSetup, IntKey{"DwellTime", nullptr, 5, 1, INT_MAX});
    for (int i = 0; i < 10; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "Tour%d", i + 1);
        const int value = ReadOrDefault(store, kTourSetup, IntKey{key, nullptr, 0, 0, INT_MAX});
        s.storedTourEntries[static_cast<size_t>(i)] = value;
        s.tourEntryFlags[static_cast<size_t>(i)] = value;
    }

    for (int n = 1; n <= kPresetCount; ++n) {
        char key[16];
        std::snprintf(key, sizeof key, "P%d", n);
        std::string name = store.GetString(kPresets, key, "NoData");
        if (name == "NoData") {
            char fallback[32];
            std::snprintf(fallback, sizeof fallback, "Preset %d", n);
            name = fallback;
            store.SetString(kPresets, key, name);
        }
        presetNames[static_cast<size_t>(n - 1)] = name;
    }
}

int BaudRateForIndex(int index)
{
    static constexpr int kRates[] = {9600, 4800, 2400, 1200, 600, 300, 19200, 57600, 115000};
    if (index < 0 || index >= static_cast<int>(std::size(kRates)))
        return 9600;
    return kRates[index];
}

char ParityForProtocol(int protocol)
{
    return protocol == 11 ? 'E' : 'N';
}
