// The panels' reply codecs, status walk and encoders, without widgets.
#include "DayNightCodec.h"
#include "Dsp7100Codec.h"
#include "Encoders.h"
#include "StatusWalk.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;
using Texts = std::vector<std::string>;

// A 'c' reply frame in the 0xF8 mode: start, address, text, checksum.
Bytes Frame(const std::string& text, uint8_t address = 1)
{
    Bytes f{0xF8, address};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

// The same text in a mode-0 frame: 0x02, address, text, checksum, 0x03.
Bytes Mode0Frame(const std::string& text)
{
    Bytes f{0x02, 0x01};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x40);
    f.push_back(0x03);
    return f;
}
} // namespace

TEST(DayNightCodec, RepliesChangeOnlyWhatTheySayInsideTheirRanges)
{
    struct Case {
        std::string text;
        std::function<bool(const DayNightMembers&)> expect;
        Texts followUps;
        bool askTr6204 = false;
    };
    const DayNightMembers fresh;
    auto unchanged = [fresh](const DayNightMembers& m) {
        return m.dayNight == fresh.dayNight && m.shutter == fresh.shutter && m.whiteBalance == fresh.whiteBalance &&
               m.maxAgc == fresh.maxAgc && m.lightLevel == fresh.lightLevel && m.apertureH == fresh.apertureH &&
               m.apertureMode == fresh.apertureMode && m.magnification == fresh.magnification &&
               m.zoomPosition == fresh.zoomPosition && m.indoor == fresh.indoor;
    };
    const std::vector<Case> cases = {
        {"cM1S5W1", [](auto& m) { return m.dayNight == 1 && m.shutter == 5 && m.whiteBalance == 1; }, {}},
        // 'G' then 's': both requests asked for, in order (the newest wins when queued).
        {std::string("cG\x24so0"), [](auto& m) { return m.maxAgc == 20 && m.progressive == 0 && m.field == 0; },
         {"cAS", "cGS"}},
        {"cWL1", [](auto& m) { return m.lightLevel == 1; }, {"cWSDS"}},
        {"cWSD3", [](auto& m) { return m.dayShutter == 3 && m.whiteBalance == -1; }, {"cWSNS"}},
        {"cWSN:", [](auto& m) { return m.nightShutter == 10; }, {}},
        {"cS?", [](auto& m) { return m.shutter == 15; }, {}},
        {"cp0", [](auto& m) { return m.crystal == 1 && !m.initialising; }, {}},
        {"cp4", [](auto& m) { return m.crystal == 0 && m.phase == 3 && !m.initialising; }, {}},
        {"cp9", [](auto& m) { return m.crystal == 1 && m.phase == -1 && !m.initialising; }, {}},
        {"cFO", [](auto& m) { return m.freeze == 1; }, {}},
        {"cFx", [](auto& m) { return m.freeze == -1; }, {}},
        {"cw1", [](auto& m) { return m.indoor == 1; }, {}},
        {"ck5", [](auto& m) { return m.slowLimit == 5; }, {}},
        {"csOx", [](auto& m) { return m.progressive == 1 && m.field == -1; }, {"cGS"}},
        // Out of range: nothing stored.
        {"cW5", unchanged, {}},
        {"cM3S@", unchanged, {}},
        {std::string("cG") + static_cast<char>(16 + 41), unchanged, {"cAS"}},
        {"ck6", [](auto& m) { return m.slowLimit == -1; }, {}},
        // Unknown letters skip one value character; a value cut off ends the walk.
        {"cQ1M2", [](auto& m) { return m.dayNight == 2; }, {}},
        {"cM", unchanged, {}},
        {"cs0", [](auto& m) { return m.progressive == -1; }, {}},
        // The other reply forms.
        {std::string("cZ\x00\x0A", 4), [](auto& m) { return m.magnification == 9; }, {}},
        {std::string("cZ\x00\x24", 4), unchanged, {}},
        {"cV0AB1", [](auto& m) { return m.zoomPosition == "0AB1"; }, {}},
        {std::string("cV0\x01" "B1"), unchanged, {}},
        {"cV01", unchanged, {}},
        {"cE1", [](auto& m) { return m.eis == 1 && m.digitalZoom == 0; }, {"cEFS"}},
        {"cE0", [](auto& m) { return m.eis == 0 && m.digitalZoom == -1; }, {"cEFS"}},
        {"cEF1", [](auto& m) { return m.eisFrequency == 1; }, {"cEPS", "cZmS"}, true},
        {"cEFx", [](auto& m) { return m.eisFrequency == 0; }, {"cZmS"}, true},
        {"cE7", unchanged, {}},
        {std::string("cA1\x30\x25\x30\x27"), [](auto& m) { return m.apertureMode == 1 && m.apertureH == 21 && m.apertureV == 23; }, {"cES"}},
        {std::string("cA0\x30\x40\x30\x27"), [](auto& m) { return m.apertureMode == 0 && m.apertureH == 1 && m.apertureV == 1; }, {"cES"}},
        {"cA7", unchanged, {"cES"}},
    };
    for (const Case& c : cases) {
        DayNightMembers m;
        const Bytes f = Frame(c.text);
        const DayNightReply r = DecodeDayNightReply(f.data(), f.size(), false, m);
        EXPECT_TRUE(c.expect(m)) << c.text;
        EXPECT_EQ(r.followUps, c.followUps) << c.text;
        EXPECT_EQ(r.askTr6204, c.askTr6204) << c.text;
        // Mode-0 frames carry the same text.
        DayNightMembers m0;
        const Bytes f0 = Mode0Frame(c.text);
        EXPECT_EQ(DecodeDayNightReply(f0.data(), f0.size(), false, m0).followUps, c.followUps) << c.text;
    }
}

TEST(DayNightCodec, AddressByte254CarriesTheTextFromByte7)
{
    DayNightMembers m;
    const Bytes f = Frame(".....M2", 254);
    DecodeDayNightReply(f.data(), f.size(), false, m);
    EXPECT_EQ(m.dayNight, 2);
}

TEST(DayNightCodec, JavelinStatusBitsChooseTheModeAndWhatMayBeChosen)
{
    const std::pair<uint8_t, std::pair<int, int>> cases[] = {{0x00, {0, 0}}, {0x01, {1, 1}}, {0x03, {2, 1}}, {0x02, {0, 0}}};
    for (auto [bits, expect] : cases) {
        DayNightMembers m;
        const Bytes f{0xFF, 0x08, 7, 6, 0, 1, 0, 0, bits, 0x00};
        DecodeDayNightReply(f.data(), f.size(), true, m);
        EXPECT_EQ(m.dayNight, expect.first) << int(bits);
        EXPECT_EQ(m.colourAllowed, expect.second) << int(bits);
    }
    DayNightMembers m;
    const Bytes shortFrame{0xFF, 0x08, 7};
    DecodeDayNightReply(shortFrame.data(), shortFrame.size(), true, m);
    EXPECT_EQ(m.dayNight, -1);
}

TEST(Dsp7100Codec, TheSequenceMovesOnTheLetterAndDataIsTakenOnlyWhenItChecks)
{
    struct Case {
        std::string text;
        int step;
        std::function<bool(const Dsp7100Members&)> expect;
        bool colour = false, integration = false, gain = false;
    };
    const std::vector<Case> cases = {
        {"cW1000000000045", 1, [](auto& m) { return m.colourMode == 1 && m.colour == 45; }, true},
        // A digit that is not '0'-'9' (its low four bits would make 1665) is not taken.
        {"cW1000000000:;5", 1, [](auto& m) { return m.colourMode == 1 && m.colour == 0; }},
        {"cW1000000000064", 1, [](auto& m) { return m.colour == 0; }},
        {"cW/000000000045", 1, [](auto& m) { return m.colourMode == 0 && m.colour == 0; }},
        {"cW10000", 1, [](auto& m) { return m.colourMode == 0; }},
        {"cV2300", 2, [](auto& m) { return m.shutterMode == 3 && m.speed == 3 && m.integration == 1; }, false, true},
        {"cV4012", 2, [](auto& m) { return m.shutterMode == 2 && m.integration == 12; }, false, true},
        {"cV3000", 2, [](auto& m) { return m.shutterMode == 0; }, false, true},
        {"cV5800", 2, [](auto& m) { return m.shutterMode == -1 && m.speed == 0; }, false, true},
        {"cV@000", 2, [](auto& m) { return m.shutterMode == 0 && m.integration == 1; }},
        {"cV11x9", 2, [](auto& m) { return m.shutterMode == 1 && m.speed == 1 && m.integration == 1; }},
        {"cG1099", 3, [](auto& m) { return m.gainMode == 1 && m.gain == 99; }, false, false, true},
        {"cG1099x", 3, [](auto& m) { return m.gainMode == 0 && m.gain == 0; }},
        {"cG1127", 3, [](auto& m) { return m.gainMode == 1 && m.gain == 0; }},
        {"cZ0", 4, [](auto&) { return true; }},
        {"cM17000000000", -1, [](auto& m) { return m.backlight == 1 && m.gamma == 7; }},
        {"cM19000000000", -1, [](auto& m) { return m.backlight == 1 && m.gamma == 5; }},
        {"cM1700000000", -1, [](auto& m) { return m.backlight == 0; }},
        {"cA1", -1, [](auto&) { return true; }},
    };
    for (const Case& c : cases) {
        Dsp7100Members m;
        const Bytes f = Frame(c.text);
        const Dsp7100Reply r = DecodeDsp7100Reply(f.data(), f.size(), m);
        EXPECT_EQ(r.nextStep, c.step) << c.text;
        EXPECT_TRUE(c.expect(m)) << c.text;
        EXPECT_EQ(r.colour, c.colour) << c.text;
        EXPECT_EQ(r.integration, c.integration) << c.text;
        EXPECT_EQ(r.gain, c.gain) << c.text;
    }
    // In mode 0 the gain reply's 0x03 stands at byte 9.
    Dsp7100Members m;
    const Bytes f0 = Mode0Frame("cG1042");
    ASSERT_EQ(f0[9], 0x03);
    EXPECT_TRUE(DecodeDsp7100Reply(f0.data(), f0.size(), m).gain);
    EXPECT_EQ(m.gain, 42);
}

TEST(PanelEncoders, EachEncodingAsTheCameraReadsIt)
{
    const std::pair<std::string, std::string> cases[] = {
        {Fixed("cWQ")(7), "cWQ"},
        {Digit("cS")(12), "cS<"},
        {Digit("Lp")(6), "Lp6"},
        {Offset16("cG")(20), "cG$"},
        {RawByte("cZm", 1)(9), std::string("cZm\x0A")},
        {Decimal("Wh", 3)(32), "Wh032"},
        {Decimal("Vi", 2)(1), "Vi01"},
        {PerValue({"cFo", "cFO"})(1), "cFO"},
        {PerValue({"cFo", "cFO"})(2), ""},
        {PerValue({"cFo", "cFO"})(-1), ""},
    };
    for (const auto& [got, want] : cases)
        EXPECT_EQ(got, want);
}

TEST(StatusWalk, LongestKeyFirstAndEveryFollowUpInOrder)
{
    struct M {
        int a = -1, ab = -1, abc = -1;
    };
    const StatusWalk<M> walk = {
        {"A", 1, DigitField(&M::a, 0, 9), "first"},
        {"AB", 1, DigitField(&M::ab, 0, 9)},
        {"ABC", 1, DigitField(&M::abc, 0, 9), "third"},
    };
    M m;
    Texts followUps;
    const std::string text = "ABC3AB2A1";
    WalkStatus(walk, ReplyView{reinterpret_cast<const uint8_t*>(text.data()), text.size()}, m, followUps);
    EXPECT_EQ(m.abc, 3);
    EXPECT_EQ(m.ab, 2);
    EXPECT_EQ(m.a, 1);
    EXPECT_EQ(followUps, (Texts{"third", "first"}));
}

// Status strings that end at a high byte and carry digits as the low four
// bits of their characters.
TEST(ReplyView, HighByteEndAndLowFourBitDigits)
{
    struct Case {
        std::string text;
        size_t before;         // length before the first byte of 0x80 or above
        int lowDigits;         // LowDigitsAt(1, 3)
    } cases[] = {
        {"k123\x80" "99", 4, 123}, {"k1:3", 4, 203}, {"kp05", 4, 5}, {"k12", 3, -1}, {"\x81" "123", 0, 123},
        {"", 0, -1},
    };
    for (const Case& c : cases) {
        const ReplyView v{reinterpret_cast<const uint8_t*>(c.text.data()), c.text.size()};
        EXPECT_EQ(v.BeforeHighByte().size, c.before) << c.text;
        EXPECT_EQ(v.LowDigitsAt(1, 3), c.lowDigits) << c.text;
    }
    struct M {
        int v = -1;
    } m;
    const std::string text = "A\x37";
    LowBitsField(&M::v, 0, 5)(m, ReplyView{reinterpret_cast<const uint8_t*>(text.data()) + 1, 1});
    EXPECT_EQ(m.v, -1) << "7 is outside 0-5";
    LowBitsField(&M::v, 0, 9)(m, ReplyView{reinterpret_cast<const uint8_t*>(text.data()) + 1, 1});
    EXPECT_EQ(m.v, 7);
}

TEST(StatusWalk, AnItemMayTakeItsLengthFromItsFirstValue)
{
    struct M {
        int n = -1, after = -1;
        std::string data;
    };
    // "L" and a digit n, then n more characters.
    const StatusWalk<M> walk = {
        {"L", 1,
         [](M& m, ReplyView v) {
             m.n = v.DigitAt(0);
             m.data.assign(reinterpret_cast<const char*>(v.data) + 1, v.size - 1);
         },
         nullptr, [](ReplyView v) { return static_cast<size_t>(v.DigitAt(0) < 0 ? 1 : 1 + v.DigitAt(0)); }},
        {"Z", 1, DigitField(&M::after, 0, 9)},
    };
    struct Case {
        std::string text;
        int n, after;
        std::string data;
    } cases[] = {{"L3xyzZ5", 3, 5, "xyz"}, {"L0Z5", 0, 5, ""}, {"Z1L4ab", -1, 1, ""}};
    for (const Case& c : cases) {
        M m;
        Texts followUps;
        WalkStatus(walk, ReplyView{reinterpret_cast<const uint8_t*>(c.text.data()), c.text.size()}, m, followUps);
        EXPECT_EQ(m.n, c.n) << c.text;
        EXPECT_EQ(m.after, c.after) << c.text;
        EXPECT_EQ(m.data, c.data) << c.text;
    }
}
