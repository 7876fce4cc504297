#include "ConsoleSettings.h"
#include "MemorySettingsStore.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {
using Values = std::map<std::string, MemorySettingsStore::Value>;

Values CleanProfile()
{
    Values v = {
        {"Setup/Port Index", 0}, {"Setup/Port", 1},       {"Setup/Baud", 0},       {"Setup/Mode", 1},
        {"Setup/PTImage", 7},    {"Setup/RxType", 5},     {"Setup/CamType", 3},    {"Setup/PTType", 1},
        {"Setup/PSpeed", 15},    {"Setup/TSpeed", 15},    {"Setup/NTCIP Community", std::string("public")},
        {"TourSetup/DwellTime", 5},
    };
    for (int i = 1; i <= 10; ++i)
        v["TourSetup/Tour" + std::to_string(i)] = 0;
    for (int i = 1; i <= 64; ++i)
        v["Presets/P" + std::to_string(i)] = std::string("Preset ") + std::to_string(i);
    return v;
}
} // namespace

TEST(LoadSettings, CleanProfileGetsExactlyTheDefaults)
{
    MemorySettingsStore store;
    ConsoleSettings s;
    PresetNameTable names;
    LoadSettings(store, s, names);
    EXPECT_EQ(store.values, CleanProfile());
    // Written in reading order: Setup, TourSetup, Presets.
    ASSERT_GE(store.writes.size(), 3u);
    EXPECT_EQ(store.writes[0], "Setup/Port Index");
    EXPECT_EQ(store.writes[1], "Setup/Port");
    EXPECT_EQ(store.writes.back(), "Presets/P64");
    EXPECT_EQ(names[0], "Preset 1");
    EXPECT_EQ(names[63], "Preset 64");
    EXPECT_EQ(s.receiverType, 5);
    EXPECT_EQ(s.protocol, 0);
    EXPECT_EQ(s.dwellTime, 5);
}

// A first start writes its defaults back in one store of the profile (one
// file rewrite, not one per key); a profile that lacks nothing is not
// written at all, and a change made after loading is stored at once.
TEST(LoadSettings, DefaultsReachTheProfileInOneStore)
{
    struct Case {
        const char* what;
        Values stored;
        size_t stores;
    };
    Values partial = CleanProfile();
    partial.erase("Setup/RxType");
    partial.erase("Presets/P17");
    Values full = CleanProfile();
    const Case cases[] = {
        {"clean profile", {}, 1},
        {"two keys missing", partial, 1},
        {"nothing missing", full, 0},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.values = c.stored;
        ConsoleSettings s;
        PresetNameTable names;
        LoadSettings(store, s, names);
        EXPECT_EQ(store.batchDepth, 0) << c.what;
        ASSERT_EQ(store.stores.size(), c.stores) << c.what;
        if (c.stores == 1) {
            EXPECT_EQ(store.stores[0], store.writes) << c.what << ": every default in reading order";
        }
        EXPECT_EQ(store.values, CleanProfile()) << c.what;

        store.SetInt("Setup", "Baud", 6);
        ASSERT_EQ(store.stores.size(), c.stores + 1) << c.what;
        EXPECT_EQ(store.stores.back(), std::vector<std::string>{"Setup/Baud"}) << c.what;
    }
    MemorySettingsStore partialStore;
    partialStore.values = partial;
    ConsoleSettings s;
    PresetNameTable names;
    LoadSettings(partialStore, s, names);
    EXPECT_EQ(partialStore.writes, (std::vector<std::string>{"Setup/RxType", "Presets/P17"}));
}

TEST(LoadSettings, StoredValuesOutsideTheirTablesCountAsAbsent)
{
    struct Case {
        const char* key;
        int stored;
        int used;
        int ConsoleSettings::*field;
    } cases[] = {
        {"Setup/Port", 0, 1, &ConsoleSettings::port},          {"Setup/Port", -7, 1, &ConsoleSettings::port},
        {"Setup/Port", 4, 4, &ConsoleSettings::port},          {"Setup/RxType", 99, 5, &ConsoleSettings::receiverType},
        {"Setup/RxType", 14, 14, &ConsoleSettings::receiverType}, {"Setup/CamType", -3, 3, &ConsoleSettings::cameraType},
        {"Setup/PTImage", 40, 7, &ConsoleSettings::padPicture}, {"Setup/PTImage", 0, 0, &ConsoleSettings::padPicture},
        {"Setup/PTType", 3, 1, &ConsoleSettings::panTiltType},  {"Setup/Baud", 8, 8, &ConsoleSettings::baudIndex},
        {"Setup/Mode", 0, 0, &ConsoleSettings::mode},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.values[c.key] = c.stored;
        ConsoleSettings s;
        PresetNameTable names;
        LoadSettings(store, s, names);
        EXPECT_EQ(s.*c.field, c.used) << c.key << "=" << c.stored;
        EXPECT_EQ(std::get<int>(store.values[c.key]), c.used) << c.key << " written back";
    }
}

TEST(LoadSettings, CameraReportedKeysStartFromTheStoredValues)
{
    for (int rx = 0; rx <= 14; ++rx) {
        MemorySettingsStore store;
        store.values["Setup/RxType"] = rx;
        store.values["Setup/Comm. Protocol"] = 11;
        store.values["Setup/Video Type"] = 2;
        store.values["Setup/LL Phase"] = 3;
        store.values["Setup/Video Freeze Status"] = 1;
        ConsoleSettings s;
        PresetNameTable names;
        LoadSettings(store, s, names);
        const bool read = true; // every receiver type starts from Setup's last choice
        EXPECT_EQ(s.protocol, read ? 11 : 0) << rx;
        EXPECT_EQ(s.videoType, read ? 2 : 0) << rx;
        EXPECT_EQ(s.lineLockPhase, read ? 3 : 0) << rx;
        EXPECT_EQ(s.videoFreezeStatus, read ? 1 : 0) << rx;
    }
    // Absent ones are used as 0 and not written.
    {
        MemorySettingsStore store;
        ConsoleSettings s;
        PresetNameTable names;
        LoadSettings(store, s, names);
        EXPECT_EQ(store.values.count("Setup/Comm. Protocol"), 0u);
        EXPECT_EQ(s.protocol, 0);
    }
    // A stored protocol outside the list is not used.
    MemorySettingsStore store;
    store.values["Setup/Comm. Protocol"] = 40;
    ConsoleSettings s;
    PresetNameTable names;
    LoadSettings(store, s, names);
    EXPECT_EQ(s.protocol, 0);
}

TEST(LoadSettings, TourEntriesAndPresetNames)
{
    MemorySettingsStore store;
    store.values["TourSetup/Tour3"] = 1;
    store.values["TourSetup/DwellTime"] = 12;
    store.values["Presets/P2"] = std::string("Gate");
    store.values["Presets/P3"] = std::string("NoData");
    store.values["Setup/Port Name"] = std::string("/dev/ttyUSB0");
    ConsoleSettings s;
    PresetNameTable names;
    LoadSettings(store, s, names);
    EXPECT_EQ(s.storedTourEntries[2], 1);
    EXPECT_EQ(s.tourEntryFlags[2], 1);
    EXPECT_EQ(s.tourEntryFlags[0], 0);
    EXPECT_EQ(s.dwellTime, 12);
    EXPECT_EQ(names[1], "Gate");
    EXPECT_EQ(names[2], "Preset 3");
    EXPECT_EQ(std::get<std::string>(store.values["Presets/P3"]), "Preset 3");
    EXPECT_EQ(s.portName, "/dev/ttyUSB0");
}

TEST(BaudRateForIndex, TableAndFallback)
{
    const int rates[] = {9600, 4800, 2400, 1200, 600, 300, 19200, 57600, 115000};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(BaudRateForIndex(i), rates[i]) << i;
    EXPECT_EQ(BaudRateForIndex(9), 9600);
    EXPECT_EQ(BaudRateForIndex(-1), 9600);
    EXPECT_EQ(ParityForProtocol(11), 'E');
    for (int p : {0, 1, 10, 12, 14})
        EXPECT_EQ(ParityForProtocol(p), 'N');
}
