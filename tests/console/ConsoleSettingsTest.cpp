#include "ConsoleSettings.h"
#include "MemorySettingsStore.h"

#include <climits>
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
        {"Setup/PSpeed", 15},    {"Setup/TSpeed", 15},
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

TEST(LoadSettings, StoredValuesAreUsedAsStoredUnlessTheyIndexPastAList)
{
    constexpr int kUnchanged = INT_MIN;
    struct Case {
        const char* key;
        int stored;
        int used;
        int written; // kUnchanged: the operator's value stays
        int ConsoleSettings::*field;
    } cases[] = {
        // "Port" below 1 counts as absent; receiver, camera and pan/tilt
        // types index the Setup lists.
        {"Setup/Port", 0, 1, 1, &ConsoleSettings::port},
        {"Setup/Port", -7, 1, 1, &ConsoleSettings::port},
        {"Setup/Port", 4, 4, kUnchanged, &ConsoleSettings::port},
        {"Setup/RxType", 99, 5, 5, &ConsoleSettings::receiverType},
        {"Setup/RxType", 14, 14, kUnchanged, &ConsoleSettings::receiverType},
        {"Setup/CamType", -3, 3, 3, &ConsoleSettings::cameraType},
        {"Setup/PTType", 3, 1, 1, &ConsoleSettings::panTiltType},
        // Used as stored: the pad shows no picture beyond 7, Setup selects "None".
        {"Setup/PTImage", 8, 8, kUnchanged, &ConsoleSettings::padPicture},
        {"Setup/PTImage", 40, 40, kUnchanged, &ConsoleSettings::padPicture},
        {"Setup/PTImage", 0, 0, kUnchanged, &ConsoleSettings::padPicture},
        {"Setup/Baud", 8, 8, kUnchanged, &ConsoleSettings::baudIndex},
        {"Setup/Mode", 0, 0, kUnchanged, &ConsoleSettings::mode},
        {"Setup/Mode", 3, 3, kUnchanged, &ConsoleSettings::mode},
        {"Setup/Port Index", 9, 9, kUnchanged, &ConsoleSettings::portIndex},
        // Speeds beyond the 64 speed characters run at 15; the stored one stays.
        {"Setup/PSpeed", 40, 40, kUnchanged, &ConsoleSettings::panSpeed},
        {"Setup/PSpeed", 99, 15, kUnchanged, &ConsoleSettings::panSpeed},
        {"Setup/TSpeed", -2, 15, kUnchanged, &ConsoleSettings::tiltSpeed},
        {"TourSetup/DwellTime", 0, 0, kUnchanged, &ConsoleSettings::dwellTime},
        {"TourSetup/DwellTime", 90, 90, kUnchanged, &ConsoleSettings::dwellTime},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.values[c.key] = c.stored;
        ConsoleSettings s;
        PresetNameTable names;
        LoadSettings(store, s, names);
        EXPECT_EQ(s.*c.field, c.used) << c.key << "=" << c.stored;
        EXPECT_EQ(std::get<int>(store.values[c.key]), c.written == kUnchanged ? c.stored : c.written)
            << c.key << "=" << c.stored;
    }
    // Tour entries are the operator's too.
    MemorySettingsStore store;
    store.values["TourSetup/Tour2"] = 7;
    ConsoleSettings s;
    PresetNameTable names;
    LoadSettings(store, s, names);
    EXPECT_EQ(std::get<int>(store.values["TourSetup/Tour2"]), 7);
    EXPECT_EQ(s.tourEntryFlags[1], 7);
}

TEST(LoadSettings, CameraReportedKeysStartFromTheStoredValuesForEveryReceiverType)
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
        EXPECT_EQ(s.protocol, 11) << rx;
        EXPECT_EQ(s.videoType, 2) << rx;
        EXPECT_EQ(s.lineLockPhase, 3) << rx;
        EXPECT_EQ(s.videoFreezeStatus, 1) << rx;

        // Absent, or outside their tables: used as 0 and not written.
        MemorySettingsStore bare;
        bare.values["Setup/RxType"] = rx;
        bare.values["Setup/Comm. Protocol"] = 40;
        ConsoleSettings fresh;
        LoadSettings(bare, fresh, names);
        EXPECT_EQ(fresh.protocol, 0) << rx;
        EXPECT_EQ(std::get<int>(bare.values["Setup/Comm. Protocol"]), 40) << rx;
        for (const char* key : {"Setup/Video Type", "Setup/LL Phase", "Setup/Video Freeze Status"})
            EXPECT_EQ(bare.values.count(key), 0u) << rx << " " << key;
    }
}

TEST(LoadSettings, NtcipCommunityIsReadWithItsDefaultAndNeverWritten)
{
    MemorySettingsStore store;
    ConsoleSettings s;
    PresetNameTable names;
    LoadSettings(store, s, names);
    EXPECT_EQ(s.ntcipCommunity, "public");
    EXPECT_EQ(store.values.count("Setup/NTCIP Community"), 0u);
    store.values["Setup/NTCIP Community"] = std::string("tunnel");
    LoadSettings(store, s, names);
    EXPECT_EQ(s.ntcipCommunity, "tunnel");
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
