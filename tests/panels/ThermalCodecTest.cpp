// The thermal panels' command bodies and status walks, without widgets.
#include "Thermal2Codec.h"
#include "ThermalCodec.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

// A 't' reply frame in the 0xF8 mode: start, address, text, checksum.
Bytes Frame(const std::string& text, uint8_t address = 1)
{
    Bytes f{0xF8, address};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x8A);
    return f;
}

Bytes Mode0Frame(const std::string& text)
{
    Bytes f{0x02, 0x01};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x40);
    f.push_back(0x03);
    return f;
}

// The answer of a 254-addressed reply: four more bytes before the text.
Bytes Frame254(const std::string& text)
{
    Bytes f{0xF8, 254, 't', '0', '0', '1', '0'};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

ThermalMembers Walk(const Bytes& frame)
{
    ThermalMembers m;
    EXPECT_TRUE(DecodeThermalReply(frame.data(), frame.size(), m));
    return m;
}
} // namespace

TEST(ThermalCodec, CommandBodies)
{
    struct Case {
        std::string made, expected;
    } cases[] = {
        {FfcCommand(7200, 5), "tk07200005"},
        {FfcCommand(0, 100), "tk00000100"},
        {AgcCommand(10, 0, 255), "tA0010000255"},
        {RoiCommand(80, 64, 240, 192), "tR080064240192"},
        {DdeCommand(18), "td21"},
        {DdeCommand(1), "td10"},
        {DdeCommand(63), "td4E"},
        {PassThroughCommand("abc"), "tt03ABC"},
        {PassThroughCommand("a1 z?"), "tt05A1 Z?"},
        {PassThroughCommand(""), "tt00"},
        {PassThroughCommand(std::string(26, 'q')), "tt1A" + std::string(26, 'Q')},
        // AGC presets: Default, Low Scene Contrast, Outdoors, Indoors.
        {AgcPresetCommand(0), "tA0250110015"},
        {AgcPresetCommand(1), "tA0150110018"},
        {AgcPresetCommand(2), "tA0250110015"},
        {AgcPresetCommand(3), "tA0100120010"},
        {AgcPresetCommand(-1), ""},
        {AgcPresetCommand(4), ""},
        // ROI presets by the sensor the camera reports.
        {RoiPresetCommand(0, 0), "tR000000320256"},
        {RoiPresetCommand(0, 1), "tR000060320256"},
        {RoiPresetCommand(0, 2), "tR080064240192"},
        {RoiPresetCommand(1, 0), "tR000000640512"},
        {RoiPresetCommand(1, 1), "tR000168640512"},
        {RoiPresetCommand(1, 2), "tR160128480384"},
        {RoiPresetCommand(1, 3), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.made, c.expected);
    // The longest text still fits one queue slot whole.
    EXPECT_EQ(PassThroughCommand(std::string(kPassThroughMax, 'x')).size(), 63u);
}

TEST(ThermalCodec, RoiCheckBySensorOfTheCameraTypeThenOrder)
{
    struct Case {
        int camera, left, top, right, bottom;
        bool ok;
    } cases[] = {
        {16, 0, 0, 320, 256, true},     {16, 319, 255, 320, 256, true},  {16, 320, 0, 321, 256, false},
        {16, 0, 0, 321, 256, false},    {16, 0, 256, 320, 257, false},   {16, 0, 0, 320, 257, false},
        {16, 0, 0, 0, 256, false},      {16, 100, 0, 100, 256, false},   {16, 0, 100, 320, 100, false},
        {16, 0, 0, 640, 512, false},    {15, 0, 0, 640, 512, true},      {15, 639, 511, 640, 512, true},
        {15, 640, 0, 640, 512, false},  {15, 0, 0, 641, 512, false},     {15, 0, 0, 640, 513, false},
        {15, 100, 0, 100, 512, false},  {15, 200, 300, 100, 400, false},
        // Other camera types: only the order.
        {18, 0, 0, 999, 999, true},     {18, 100, 0, 100, 10, false},    {18, 0, 10, 5, 9, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoiAcceptable(c.camera, c.left, c.top, c.right, c.bottom), c.ok)
            << c.camera << ": " << c.left << "," << c.top << "," << c.right << "," << c.bottom;
}

TEST(ThermalCodec, RoiLabelsByCameraTypeAndSensor)
{
    EXPECT_EQ(RoiLabelsForCamera(15), 1);
    EXPECT_EQ(RoiLabelsForCamera(16), 0);
    EXPECT_EQ(RoiLabelsForCamera(18), -1);
    EXPECT_STREQ(RoiLabelsFor(1).left, "(0 to 639)");
    EXPECT_STREQ(RoiLabelsFor(1).bottom, "(1 to 512)");
    EXPECT_STREQ(RoiLabelsFor(1).width, "(640)");
    EXPECT_STREQ(RoiLabelsFor(0).top, "(0 to 255)");
    EXPECT_STREQ(RoiLabelsFor(0).right, "(1 to 320)");
    EXPECT_STREQ(RoiLabelsFor(0).height, "(256)");
}

TEST(ThermalCodec, StatusWalkTakesFixedLengthItemsInsideTheirRanges)
{
    struct Case {
        const char* name;
        std::string text;
        std::function<bool(const ThermalMembers&)> expect;
    };
    const ThermalMembers fresh;
    auto same = [fresh](const ThermalMembers& m) {
        return m.ffcInterval == fresh.ffcInterval && m.ffcTempChange == fresh.ffcTempChange &&
               m.roiLeft == fresh.roiLeft && m.roiRight == fresh.roiRight && m.plateau == fresh.plateau &&
               m.ittMean == fresh.ittMean && m.maxGain == fresh.maxGain && m.palette == fresh.palette &&
               m.video == fresh.video && m.ffcMode == fresh.ffcMode && m.dde == fresh.dde &&
               m.sensorSize == fresh.sensorSize && m.roiLabels == fresh.roiLabels &&
               m.digitalZoom == fresh.digitalZoom && m.orientation == fresh.orientation;
    };
    const std::vector<Case> cases = {
        {"every item", "tW2k01200050R010020300250A0500100200B1C;F1S1X3i2c1d!",
         [](const ThermalMembers& m) {
             return m.ffcMode == 2 && m.ffcInterval == 1200 && m.ffcTempChange == 50 && m.roiLeft == 10 &&
                    m.roiTop == 20 && m.roiRight == 300 && m.roiBottom == 250 && m.plateau == 500 &&
                    m.ittMean == 100 && m.maxGain == 200 && m.video == 1 && m.palette == 11 &&
                    m.operatingMode == 1 && m.suppOffset == 1 && m.digitalZoom == 3 && m.orientation == 2 &&
                    m.sensorSize == 1 && m.roiLabels == 1 && m.dde == 18;
         }},
        {"DDE is the code less 15", "td\x10", [](auto& m) { return m.dde == 1; }},
        {"DDE 63", "tdN", [](auto& m) { return m.dde == 63; }},
        {"DDE 0 refused", "td\x0F", same},
        {"DDE 64 refused", "tdO", same},
        // Each half of 'k' is checked on its own.
        {"interval below 5", "tk00004050", [](auto& m) { return m.ffcInterval == 7200 && m.ffcTempChange == 50; }},
        {"interval 5", "tk00005101", [](auto& m) { return m.ffcInterval == 5 && m.ffcTempChange == 5; }},
        {"interval above 30000", "tk30001000", [](auto& m) { return m.ffcInterval == 7200 && m.ffcTempChange == 0; }},
        // 'R' as a whole.
        {"ROI right 0", "tR000000000256", same},
        {"ROI left 640", "tR640000640512", same},
        {"ROI bottom 513", "tR000000640513", same},
        {"ROI widest", "tR639511640512", [](auto& m) { return m.roiLeft == 639 && m.roiBottom == 512; }},
        {"plateau 9 refused, the rest taken", "tA0009255000",
         [](auto& m) { return m.plateau == 10 && m.ittMean == 255 && m.maxGain == 0; }},
        {"ITT 256 refused", "tA1000256001", [](auto& m) { return m.plateau == 1000 && m.ittMean == 0 && m.maxGain == 1; }},
        {"palette 12 refused", "tC<", same},
        {"FFC mode 3 refused", "tW3", same},
        {"sensor 0", "tc0", [](auto& m) { return m.sensorSize == 0 && m.roiLabels == 0; }},
        {"sensor 2 refused", "tc2", same},
        // Digits are the low four bits of their characters.
        {"low four bits", "tBAk0120p005", [](auto& m) { return m.video == 1 && m.ffcInterval == 1200; }},
        // Unknown letters skip two; the walk ends at a high byte or a cut-off item.
        {"unknown letter", "tQ9C3", [](auto& m) { return m.palette == 3; }},
        {"unknown letter eats a letter", "tQC3", same},
        {"high byte ends the walk", "tC3\x90" "B1", [](auto& m) { return m.palette == 3 && m.video == -1; }},
        {"cut-off item", "tC4k0720", [](auto& m) { return m.palette == 4 && m.ffcInterval == 7200; }},
        {"empty", "t", same},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(c.expect(Walk(Frame(c.text)))) << c.name;
    // The other frame forms carry the same items.
    EXPECT_EQ(Walk(Mode0Frame("tC5X2")).palette, 5);
    EXPECT_EQ(Walk(Frame254("C5X2")).digitalZoom, 2);
    // A binary frame (the answer to a Javelin record) is not a status string.
    const Bytes binary{0xFF, 0x08, 7, 6, 0, 1, 0, 0, 0x43, 0x00};
    ThermalMembers m;
    EXPECT_FALSE(DecodeThermalReply(binary.data(), binary.size(), m));
    EXPECT_FALSE(DecodeThermalReply(nullptr, 0, m));
}

TEST(Thermal2Codec, AutoRefreshTimeBothWays)
{
    struct Case {
        int minutes;
        std::string command;
    } cases[] = {
        {1, "tt\x11"}, {11, "tt\x1B"}, {46, "tt>"}, {47, "tt`"}, {50, "ttc"}, {60, "ttm"}, {0, ""}, {61, ""}, {-3, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AutoRefreshCommand(c.minutes), c.command) << c.minutes;
    for (int minutes = 1; minutes <= 60; ++minutes)
        EXPECT_EQ(AutoRefreshMinutes(static_cast<uint8_t>(AutoRefreshCommand(minutes)[2])), minutes);
    struct Reported {
        uint8_t c;
        int minutes;
    } reported[] = {{'n', 11}, {0x10, -1}, {0x3F, -1}, {0x5F, -1}, {0x6F, -1}, {0x00, -1}, {0xFF, -1}};
    for (const Reported& r : reported)
        EXPECT_EQ(AutoRefreshMinutes(r.c), r.minutes) << int(r.c);
}

TEST(Thermal2Codec, StatusPairsTakeTheLowFourBitsInsideTheirRanges)
{
    struct Case {
        const char* name;
        std::string text;
        std::function<bool(const Thermal2Members&)> expect;
    };
    const std::vector<Case> cases = {
        {"every letter", "tA9B1C4F1L1O7R1X2c1f?k;o3r1t`",
         [](const Thermal2Members& m) {
             return m.nucIndex == 9 && m.colourBar == 1 && m.palette == 4 && m.freeze == 1 && m.polarity == 1 &&
                    m.overlayPalette == 7 && m.reticleA == 1 && m.digitalZoom == 2 && m.calFlagClosed == 1 &&
                    m.foreground == 15 && m.background == 11 && m.overlayMode == 3 && m.reticleB == 1 &&
                    m.autoRefresh == 47;
         }},
        {"'n' is eleven minutes", "ttn", [](auto& m) { return m.autoRefresh == 11; }},
        {"refresh out of its forms", "tt\x10", [](auto& m) { return m.autoRefresh == 1; }},
        {"palette 5 refused", "tC5", [](auto& m) { return m.palette == 0; }},
        {"zoom 3 refused", "tX3", [](auto& m) { return m.digitalZoom == -1; }},
        {"overlay mode 4 refused", "to4", [](auto& m) { return m.overlayMode == -1; }},
        {"freeze 2 refused", "tF2", [](auto& m) { return m.freeze == 0; }},
        {"low four bits", "tFA", [](auto& m) { return m.freeze == 1; }},
        {"other letters skip two", "tZ1F1", [](auto& m) { return m.freeze == 1; }},
        {"high byte ends the walk", "tB1\x85" "F1", [](auto& m) { return m.colourBar == 1 && m.freeze == 0; }},
    };
    for (const Case& c : cases) {
        const Bytes f = Frame(c.text);
        Thermal2Members m;
        EXPECT_TRUE(DecodeThermal2Reply(f.data(), f.size(), m)) << c.name;
        EXPECT_TRUE(c.expect(m)) << c.name;
    }
    Thermal2Members m;
    const Bytes binary{0xFF, 0x08, 7, 6, 0, 1, 0, 0, 0x43, 0x00};
    EXPECT_FALSE(DecodeThermal2Reply(binary.data(), binary.size(), m));
}
