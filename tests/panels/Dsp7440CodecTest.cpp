// The DSP 7440 panel's status string and its decision tables, without widgets.
#include "Dsp7440Codec.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;
using M = Dsp7440Members;

Bytes Frame(const std::string& text, uint8_t address = 1)
{
    Bytes f{0xF8, address};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

bool Decode(const Bytes& f, M& m)
{
    return DecodeDsp7440Reply(f.data(), f.size(), m);
}
} // namespace

TEST(Dsp7440Codec, StatusItemsSetTheirMembersInsideTheirRanges)
{
    struct Case {
        std::string text;
        std::function<bool(const M&)> expect;
    };
    const M fresh;
    auto unchanged = [fresh](const M& m) {
        return m.whiteBalance == fresh.whiteBalance && m.red == fresh.red && m.blue == fresh.blue &&
               m.blc == fresh.blc && m.blcMode == fresh.blcMode && m.gamma == fresh.gamma &&
               m.gainMode == fresh.gainMode && m.gain == fresh.gain && m.agcMax == fresh.agcMax &&
               m.shutterMode == fresh.shutterMode && m.speed == fresh.speed &&
               m.integration == fresh.integration && m.length == fresh.length && m.preset == fresh.preset &&
               Dsp7440EffectsE(m) == 0 && Dsp7440Effectse(m) == 0;
    };
    const std::vector<Case> cases = {
        // Effects: the four bits of each group.
        {"cE9", [](auto& m) { return m.horizontalFlip && !m.verticalFlip && !m.rotate && m.freeze; }},
        {"cE6", [](auto& m) { return !m.horizontalFlip && m.verticalFlip && m.rotate && !m.freeze; }},
        {"ce?", [](auto& m) { return m.yInvert && m.cInvert && m.colourBars && m.monochrome; }},
        // Gain: Auto, Manual, Manual with a gain.
        {"cG0", [](auto& m) { return m.gainMode == 0 && m.gain == 0; }},
        {"cG1", [](auto& m) { return m.gainMode == 1 && m.gain == 0; }},
        {"cG9", [](auto& m) { return m.gainMode == 1 && m.gain == 7; }},
        {"cG:", unchanged},
        // AGC Max: three digits, 1-255.
        {"cM200", [](auto& m) { return m.agcMax == 200; }},
        {"cM000", unchanged},
        {"cM256", unchanged},
        {"cM2x0", unchanged},
        // Presets.
        {"cPI", [](auto& m) { return m.preset == -1; }},
        {"cPd", [](auto& m) { return m.preset == 0; }},
        {"cP0", [](auto& m) { return m.preset == 1; }},
        {"cP9", [](auto& m) { return m.preset == 10; }},
        // Shutter: Auto; Manual with no speed change; Manual at a speed.
        {"cS4", [](auto& m) { return m.shutterMode == 0 && m.speed == -1; }},
        {"cS?", [](auto& m) { return m.shutterMode == 1 && m.speed == -1; }},
        {"cS<", [](auto& m) { return m.shutterMode == 1 && m.speed == 7; }},
        {"cS5", [](auto& m) { return m.shutterMode == 1 && m.speed == 0; }},
        {"cS3", unchanged},
        // White balance: only User carries the gains.
        {"cW0", [](auto& m) { return m.whiteBalance == 0 && m.red == 55 && m.blue == 57; }},
        {"cW1", [](auto& m) { return m.whiteBalance == 1 && m.red == 55; }},
        {"cW2,200,017", [](auto& m) { return m.whiteBalance == 2 && m.red == 200 && m.blue == 17; }},
        {"cW2,300,017", [](auto& m) { return m.whiteBalance == 2 && m.red == 55 && m.blue == 17; }},
        {"cW3", unchanged},
        // BLC: Off, On, On with a mode.
        {"cY0", [](auto& m) { return m.blc == 0 && m.blcMode == -1; }},
        {"cY1", [](auto& m) { return m.blc == 1 && m.blcMode == -1; }},
        {"cY5", [](auto& m) { return m.blc == 1 && m.blcMode == 3; }},
        {"cg9", [](auto& m) { return m.gamma == 9; }},
        {"cg:", unchanged},
        // Integration: Off is list entry 1, On entry 0.
        {"ci0", [](auto& m) { return m.integration == 1 && m.length == -1; }},
        {"ci1", [](auto& m) { return m.integration == 0 && m.length == -1; }},
        {"ci<", [](auto& m) { return m.integration == 0 && m.length == 10; }},
        {"ci=", unchanged},
        // Unknown letters skip one value character.
        {"cQ1R2S4", [](auto& m) { return m.shutterMode == 0; }},
    };
    for (const Case& c : cases) {
        M m;
        EXPECT_TRUE(Decode(Frame(c.text), m)) << c.text;
        EXPECT_TRUE(c.expect(m)) << c.text;
    }
}

TEST(Dsp7440Codec, TheWholeStatusStringAndItsLengths)
{
    M m;
    // 'W' with User is ten characters long, so the items after it are read.
    ASSERT_TRUE(Decode(Frame("cE1e2G4M128P3S6W2,100,150Y3g7i4"), m));
    EXPECT_EQ(m.freeze, 1);
    EXPECT_EQ(m.colourBars, 1);
    EXPECT_EQ(m.gain, 2);
    EXPECT_EQ(m.agcMax, 128);
    EXPECT_EQ(m.preset, 4);
    EXPECT_EQ(m.speed, 1);
    EXPECT_EQ(m.red, 100);
    EXPECT_EQ(m.blue, 150);
    EXPECT_EQ(m.blcMode, 1);
    EXPECT_EQ(m.gamma, 7);
    EXPECT_EQ(m.length, 2);

    // Other white-balance modes are two characters: the next item follows.
    M auto_;
    ASSERT_TRUE(Decode(Frame("cW1Y1"), auto_));
    EXPECT_EQ(auto_.blc, 1);

    // A User item cut off ends the walk with nothing taken from it.
    M cut;
    ASSERT_TRUE(Decode(Frame("cY1W2,100"), cut));
    EXPECT_EQ(cut.blc, 1);
    EXPECT_EQ(cut.whiteBalance, -1);
    EXPECT_EQ(cut.red, 55);

    // The address-254 form carries the text four bytes later.
    M far;
    Bytes f{0xF8, 254, 'c', '0', '0', '1', '2'};
    const std::string text = "S5g3";
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    ASSERT_TRUE(Decode(f, far));
    EXPECT_EQ(far.speed, 0);
    EXPECT_EQ(far.gamma, 3);

    // Mode-0 frame: the walk stops at the checksum.
    M mode0;
    Bytes g{0x02, 0x01, 'c', 'g', '2', 0x85, 0x03};
    ASSERT_TRUE(Decode(g, mode0));
    EXPECT_EQ(mode0.gamma, 2);
}

TEST(Dsp7440Codec, NothingToApply)
{
    M m;
    // A byte of 0x80 or above first: nothing; later: the items before it.
    Bytes high{0x02, 0x01, 'c', 0x90, 'g', '2', 0x85, 0x03};
    EXPECT_FALSE(Decode(high, m));
    Bytes stop{0x02, 0x01, 'c', 'g', '2', 0x90, 'Y', '1', 0x85, 0x03};
    EXPECT_TRUE(Decode(stop, m));
    EXPECT_EQ(m.gamma, 2);
    EXPECT_EQ(m.blc, -1);
    // A binary frame, an empty text, no frame at all.
    Bytes binary{0xFF, 0x06, 'c', 'g', '5', 0, 0, 0x9B};
    EXPECT_FALSE(Decode(binary, m));
    EXPECT_FALSE(Decode(Frame("c"), m));
    EXPECT_FALSE(DecodeDsp7440Reply(nullptr, 0, m));
    EXPECT_EQ(m.gamma, 2);
}

TEST(Dsp7440Codec, ExposureEnablingFollowsGainIntegrationAndShutter)
{
    struct Case {
        int g, i, s; // gain mode (1 Manual), integration (1 Off), shutter mode (1 Manual)
        bool gain, speed, length;
    } cases[] = {
        {0, 0, 0, false, false, false}, {0, 0, 1, false, false, false}, {0, 1, 0, false, false, false},
        {0, 1, 1, false, true, false},  {1, 0, 0, false, false, false}, {1, 0, 1, true, false, true},
        {1, 1, 0, true, false, false},  {1, 1, 1, true, true, false},   {-1, -1, -1, false, false, false},
    };
    for (const Case& c : cases) {
        M m;
        m.gainMode = c.g;
        m.integration = c.i;
        m.shutterMode = c.s;
        const Dsp7440Exposure e = Dsp7440ExposureEnabling(m);
        EXPECT_EQ(e.gain, c.gain) << c.g << c.i << c.s;
        EXPECT_EQ(e.speed, c.speed) << c.g << c.i << c.s;
        EXPECT_EQ(e.length, c.length) << c.g << c.i << c.s;
    }
}
