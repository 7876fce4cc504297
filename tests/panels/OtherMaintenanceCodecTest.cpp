// "Other Maintenance": the commands its Set and Save buttons build and the
// replies that fill it.
#include "OtherMaintenanceCodec.h"
#include "ReplyFrames.h"

#include <functional>
#include <gtest/gtest.h>

using namespace ReplyFrames;
using M = OtherMaintenanceMembers;

namespace {
M Features(int preset, int seek, int home, int homeFeature, int powerUp)
{
    M m;
    m.presetFeature = preset;
    m.seekPreset = seek;
    m.homePreset = home;
    m.homeFeature = homeFeature;
    m.powerUp = powerUp;
    return m;
}

M Park(int delay, int unit, int action)
{
    M m;
    m.parkDelay = delay;
    m.parkUnit = unit;
    m.parkAction = action;
    return m;
}
} // namespace

TEST(OtherMaintenanceCodec, CommandsOfTheSetAndSaveButtons)
{
    const std::pair<std::string, std::string> cases[] = {
        {HeaterCommand(19), ""},
        {HeaterCommand(20), "mt20"},
        {HeaterCommand(45), "mt45"},
        {HeaterCommand(46), ""},
        {EnhancedPresetCommand(Features(1, 5, 12, 1, 2)), "mos1051212"},
        {EnhancedPresetCommand(Features(0, 64, 0, 0, 0)), "mos0640000"},
        // A preset above 64 is left out of the text.
        {EnhancedPresetCommand(Features(1, 65, 12, 1, 2)), "mos11212"},
        {EnhancedPresetCommand(Features(1, 99, 70, 0, 1)), "mos101"},
        // A feature nobody chose: nothing to send.
        {EnhancedPresetCommand(Features(-1, 5, 12, 1, 2)), ""},
        {EnhancedPresetCommand(Features(1, 5, 12, 1, -1)), ""},
        {ParkCommand(Park(30, 1, 5)), std::string("*XP03022\x02")},  // 30 Minutes, Tour 2
        {ParkCommand(Park(1, 0, 0)), std::string("*XP00111\x01")},   // 1 Second, Preset 1
        {ParkCommand(Park(255, 2, 7)), std::string("*XP25532\x04")}, // 255 Hours, Tour 4
        {ParkCommand(Park(30, 1, 3)), std::string("*XP03021\x04")},  // Preset 4
        {ParkCommand(Park(30, 1, -1)), ""},                          // no action chosen
    };
    for (const auto& [got, want] : cases)
        EXPECT_EQ(got, want);
}

TEST(OtherMaintenanceCodec, RepliesByClassLetterAndPositionInsideTheirRanges)
{
    struct Case {
        const char* name;
        Bytes frame;
        std::function<bool(const M&)> expect;
    };
    const M fresh;
    auto untouched = [fresh](const M& m) {
        return m.heater == fresh.heater && m.freeze == fresh.freeze && m.presetFeature == fresh.presetFeature &&
               m.seekPreset == fresh.seekPreset && m.powerUp == fresh.powerUp && m.parkDelay == fresh.parkDelay &&
               m.parkUnit == fresh.parkUnit && m.parkAction == fresh.parkAction;
    };
    const Case cases[] = {
        {"heater", Frame("mt32"), [](auto& m) { return m.heater == 32; }},
        {"heater 45", Frame("mt45"), [](auto& m) { return m.heater == 45; }},
        {"heater 19", Frame("mt19"), untouched},
        {"heater not digits", Frame("mt3x"), untouched},
        {"heater 254 form", Frame254("mt40"), [](auto& m) { return m.heater == 40; }},
        {"freeze on", Frame("mf1"), [](auto& m) { return m.freeze == 1; }},
        {"freeze bit 0", Frame("mf2"), [](auto& m) { return m.freeze == 0; }},
        {"features", Frame("mo1051212"), [](auto& m) {
             return m.presetFeature == 1 && m.seekPreset == 5 && m.homePreset == 12 && m.homeFeature == 1 &&
                    m.powerUp == 2;
         }},
        {"presets above 64, power-up 3", Frame("mo0657003"), [](auto& m) {
             return m.presetFeature == 0 && m.seekPreset == 0 && m.homePreset == 0 && m.homeFeature == 0 &&
                    m.powerUp == -1;
         }},
        {"features cut off", Frame("mo105121"), untouched},
        {"park", Frame(std::string("*XP03022\x02")),
         [](auto& m) { return m.parkDelay == 30 && m.parkUnit == 1 && m.parkAction == 5; }},
        {"park preset 4 hours", Frame(std::string("*XP25531\x04")),
         [](auto& m) { return m.parkDelay == 255 && m.parkUnit == 2 && m.parkAction == 3; }},
        {"park delay 0, unit 4, kind 3", Frame(std::string("*XP00043\x01")), untouched},
        {"park number 5", Frame(std::string("*XP03012\x05")),
         [](auto& m) { return m.parkDelay == 30 && m.parkAction == -1; }},
        {"other class letter", Frame("ct32"), untouched},
        {"* not XP", Frame(std::string("*TS31\x01\x01\x01")), untouched},
        {"m other letter", Frame("mw1234"), untouched},
    };
    for (const Case& c : cases) {
        M m;
        DecodeOtherMaintenanceReply(c.frame.data(), c.frame.size(), m);
        EXPECT_TRUE(c.expect(m)) << c.name;
    }
}
