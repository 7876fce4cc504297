#include "ConsoleSettings.h"

#include "SettingsStore.h"

#include <climits>
#include <cstdio>

namespace {
constexpr int kAbsent = -1;

// What a stored value outside [low, high] means.
enum class OutOfRange {
    Keep,          // used as stored: the code reading it copes with any value
    Absent,        // it would index past a list: the default is used and written
    DefaultUnsaved // the default is used; the operator's value stays stored
};

struct IntKey {
    const char* key;
    int ConsoleSettings::*field;
    int defaultValue;
    int low, high;
    OutOfRange outOfRange;
};

// Section "Setup", in reading order.
constexpr IntKey kSetupKeys[] = {
    {"Port Index", &ConsoleSettings::portIndex, 0, INT_MIN, INT_MAX, OutOfRange::Keep},
    {"Port", &ConsoleSettings::port, 1, 1, INT_MAX, OutOfRange::Absent},
    {"Baud", &ConsoleSettings::baudIndex, 0, INT_MIN, INT_MAX, OutOfRange::Keep},
    {"Mode", &ConsoleSettings::mode, 1, INT_MIN, INT_MAX, OutOfRange::Keep},
    // The pad shows no picture and Setup selects "None" beyond the list.
    {"PTImage", &ConsoleSettings::padPicture, 7, INT_MIN, INT_MAX, OutOfRange::Keep},
    {"RxType", &ConsoleSettings::receiverType, 5, 0, 14, OutOfRange::Absent},
    {"CamType", &ConsoleSettings::cameraType, 3, 0, 19, OutOfRange::Absent},
    {"PTType", &ConsoleSettings::panTiltType, 1, 0, 2, OutOfRange::Absent},
    // Speed characters reach 63.
    {"PSpeed", &ConsoleSettings::panSpeed, 15, 0, 63, OutOfRange::DefaultUnsaved},
    {"TSpeed", &ConsoleSettings::tiltSpeed, 15, 0, 63, OutOfRange::DefaultUnsaved},
};

// Read only for receiver types 5, 6 and 7; these the camera reports.
constexpr IntKey kCameraReportedKeys[] = {
    {SettingsKeys::kVideoType, &ConsoleSettings::videoType, 0, 0, 9, OutOfRange::Absent},
    {SettingsKeys::kLineLockPhase, &ConsoleSettings::lineLockPhase, 0, 0, 9, OutOfRange::Absent},
    {SettingsKeys::kCommProtocol, &ConsoleSettings::protocol, 0, 0, 14, OutOfRange::Absent},
    {SettingsKeys::kVideoFreezeStatus, &ConsoleSettings::videoFreezeStatus, 0, 0, 255, OutOfRange::Absent},
};

bool InRange(int value, const IntKey& k) { return value >= k.low && value <= k.high; }

// A missing key (-1; for "Port" anything below 1) writes its default.
int ReadOrDefault(SettingsStore& store, const char* section, const IntKey& k)
{
    const int value = store.GetInt(section, k.key, kAbsent);
    if (value != kAbsent && InRange(value, k))
        return value;
    if (value != kAbsent && k.outOfRange == OutOfRange::DefaultUnsaved)
        return k.defaultValue;
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
    // When absent the default is used; nothing writes it at start-up.
    s.ntcipCommunity = store.GetString(kSetup, kNtcipCommunity, kDefaultNtcipCommunity);

    // A missing camera-reported value is used as 0 and left unwritten: the
    // camera's next status reply stores the real one. For receiver types other
    // than 5, 6 and 7 these keys are written only by Setup, whose last choice
    // (the protocol above all: it sets the parity) is where the run starts.
    for (const IntKey& k : kCameraReportedKeys) {
        const int value = store.GetInt(kSetup, k.key, kAbsent);
        s.*k.field = value != kAbsent && InRange(value, k) ? value : 0;
    }

    s.dwellTime = ReadOrDefault(store, kTourSetup, IntKey{"DwellTime", nullptr, 5, INT_MIN, INT_MAX, OutOfRange::Keep});
    for (int i = 0; i < 10; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "Tour%d", i + 1);
        const int value =
            ReadOrDefault(store, kTourSetup, IntKey{key, nullptr, 0, INT_MIN, INT_MAX, OutOfRange::Keep});
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
