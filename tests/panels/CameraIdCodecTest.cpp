// What "Program Camera ID" sends, without widgets.
#include "CameraIdCodec.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
CameraIdMembers InCamera(bool on)
{
    CameraIdMembers m;
    m.inCamera = on ? 1 : 0;
    return m;
}
} // namespace

TEST(CameraIdCodec, LinesAreTwentyFourCharactersFromTheIdSet)
{
    struct Case {
        bool inCamera;
        int line;
        std::string text;
        std::string sent;
    };
    const std::vector<Case> cases = {
        {false, 1, "", "dL1" + std::string(24, ' ')},
        {false, 2, "GATE 7", "dL2GATE 7" + std::string(18, ' ')},
        {true, 5, "GATE 7", "cdL5GATE 7" + std::string(18, ' ')},
        // An accented letter (one Latin-1 byte), '#', a tab and a quote go as spaces.
        {false, 3, "Caf\xE9#1\t\"", "dL3Caf  1  " + std::string(16, ' ')},
        // Every character of the set goes as it is.
        {false, 4, "AZaz09 ,-./:;<>?", "dL4AZaz09 ,-./:;<>?" + std::string(8, ' ')},
        // A text longer than a line is held to 24 characters.
        {false, 1, std::string(30, 'X'), "dL1" + std::string(24, 'X')},
        {false, 1, std::string("A\0B", 3), "dL1A B" + std::string(21, ' ')},
    };
    for (const Case& c : cases) {
        const std::string sent = IdLineCommand(InCamera(c.inCamera), c.line, c.text);
        EXPECT_EQ(sent, c.sent) << c.text;
        EXPECT_EQ(sent.size(), (c.inCamera ? 4u : 3u) + kIdLineLength);
    }
    for (int c = 1; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        const bool expected = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
                              std::string(" ,-./:;<>?").find(ch) != std::string::npos;
        EXPECT_EQ(InIdCharacterSet(ch), expected) << c;
    }
}

// Each toggle twice: the command for the new value each time. Only the
// generator's own switches carry the prefix; the per-line toggles and the
// maintenance text never do.
TEST(CameraIdCodec, TogglesSendTheCommandForTheirNewValue)
{
    struct Case {
        IdToggle toggle;
        const char* on;
        const char* off;
        bool prefixed;
        bool direct;
    };
    const std::vector<Case> cases = {
        {IdToggle::IdEnable, "dIE", "dID", true, true},     {IdToggle::DisplayAtTop, "dIT", "dIB", true, true},
        {IdToggle::AlarmEnable, "dAE", "dAD", true, true},  {IdToggle::Blink, "dAB", "dAb", true, true},
        {IdToggle::Maintenance, "dME", "dMD", false, true}, {IdToggle::IdLine1, "dIe1", "dId1", false, false},
        {IdToggle::IdLine2, "dIe2", "dId2", false, false},  {IdToggle::AlarmLine1, "dAe1", "dAd1", false, false},
        {IdToggle::AlarmLine2, "dAe2", "dAd2", false, false}, {IdToggle::AlarmLine3, "dAe3", "dAd3", false, false},
        {IdToggle::MenuOn, "+E", "+e", false, false},       {IdToggle::FreezeEntry, "+F", "+f", false, false},
    };
    for (bool inCamera : {false, true}) {
        for (const Case& c : cases) {
            CameraIdMembers m = InCamera(inCamera);
            const std::string p = inCamera && c.prefixed ? "c" : "";
            EXPECT_EQ(ToggleId(m, c.toggle), (IdCommand{p + c.on, c.direct})) << c.on;
            EXPECT_EQ(IdFlag(m, c.toggle), 1) << c.on;
            EXPECT_EQ(ToggleId(m, c.toggle), (IdCommand{p + c.off, c.direct})) << c.off;
            EXPECT_EQ(IdFlag(m, c.toggle), 0) << c.off;
        }
    }
}

TEST(CameraIdCodec, EnableAllSwitchesItsLinesAndALineSwitchesOnlyItself)
{
    CameraIdMembers m;
    ToggleId(m, IdToggle::IdEnable);
    EXPECT_EQ(m.idLine, (std::array<int, 2>{1, 1}));
    EXPECT_EQ(m.alarmLine, (std::array<int, 3>{0, 0, 0}));
    ToggleId(m, IdToggle::AlarmEnable);
    EXPECT_EQ(m.alarmLine, (std::array<int, 3>{1, 1, 1}));
    EXPECT_EQ(ToggleId(m, IdToggle::AlarmLine2).text, "dAd2");
    EXPECT_EQ(m.alarmLine, (std::array<int, 3>{1, 0, 1}));
    EXPECT_EQ(m.alarmEnable, 1) << "a line leaves the Enable (All) flag as it is";
    ToggleId(m, IdToggle::IdEnable);
    EXPECT_EQ(m.idLine, (std::array<int, 2>{0, 0}));
}

TEST(CameraIdCodec, ClearAllIds)
{
    for (bool inCamera : {false, true}) {
        CameraIdMembers m = InCamera(inCamera);
        m.idEnable = m.displayAtTop = m.alarmEnable = m.blink = m.maintenance = 1;
        m.idLine = {1, 1};
        const IdBatch b = ClearAllIds(m);
        const std::string p = inCamera ? "c" : "";
        EXPECT_EQ(b.commands, (std::vector<IdCommand>{{"dIC", true}, {p + "dAb", false}, {p + "dMD", false}}));
        EXPECT_EQ(m.idEnable + m.displayAtTop + m.alarmEnable + m.blink + m.maintenance, 0);
        EXPECT_EQ(m.idLine, (std::array<int, 2>{1, 1})) << "the line flags are not part of it";
        EXPECT_EQ(b.texts[0], std::string(16, ' '));
        EXPECT_EQ(b.texts[1], std::string(16, ' '));
        EXPECT_EQ(b.texts[2], std::string(12, ' '));
        EXPECT_EQ(b.texts[3], std::string(18, ' '));
        EXPECT_EQ(b.texts[4], std::string(18, ' '));
    }
}

TEST(CameraIdCodec, InitAllIdsIsTheTestPattern)
{
    for (bool inCamera : {false, true}) {
        CameraIdMembers m = InCamera(inCamera);
        const IdBatch b = InitAllIds(m);
        const std::string p = inCamera ? "c" : "";
        std::vector<std::string> sent;
        for (const IdCommand& c : b.commands) {
            EXPECT_FALSE(c.direct) << c.text;
            sent.push_back(c.text);
        }
        EXPECT_EQ(sent, (std::vector<std::string>{p + "dIE", p + "dIT", p + "dL1ID TEST - LINE 1",
                                                  p + "dL2ID TEST - LINE 2", p + "dAE", p + "dAB",
                                                  p + "dL4ID TEST - ALARM 2", p + "dL5ID TEST - ALARM 3", "dME"}));
        // Shown with two spaces after the dash, sent with one.
        EXPECT_EQ(b.texts[0], "ID TEST - LINE 1");
        EXPECT_EQ(b.texts[1], "ID TEST - LINE 2");
        EXPECT_EQ(b.texts[2], "LOW PRESSURE");
        EXPECT_EQ(b.texts[3], "ID TEST -  ALARM 2");
        EXPECT_EQ(b.texts[4], "ID TEST -  ALARM 3");
        EXPECT_EQ(m.idEnable + m.displayAtTop + m.alarmEnable + m.blink + m.maintenance, 5);
    }
}
