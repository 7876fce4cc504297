// The tours and sectors dialog's commands, reply decoder, grid values and
// download steps, without widgets.
#include "ConfigDownload.h"
#include "ToursSectorsCodec.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

Bytes Frame(const std::string& text)
{
    Bytes f{0xF8, 0x01};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

std::string Codes(std::initializer_list<int> codes)
{
    std::string s;
    for (int c : codes)
        s += static_cast<char>(c);
    return s;
}
} // namespace

TEST(ToursSectorsCodec, CommandsCarryNumbersAsTheirCharacters)
{
    std::array<int, 33> presets{}, dwells{};
    presets[0] = 1, presets[1] = 2, presets[2] = 3;
    dwells[0] = 10, dwells[1] = 20, dwells[2] = 30;
    struct Case {
        std::string got, want;
    } cases[] = {
        {SectorLimitCommand(16, 'L'), "*SL" + Codes({64}) + "L"},
        {SectorLimitCommand(10, 'R'), "*SL:R"},
        {SectorLimitCommand(1, 'L'), "*SL1L"},
        {ZoneLimitCommand(8, 'R'), "*PL8R"},
        {SendIdCommand(3, ""), "dST3" + std::string(24, ' ')},
        {SendIdCommand(12, "North gate"), "dST<North gate" + std::string(14, ' ')},
        {SendIdCommand(1, std::string(30, 'x')), "dST1" + std::string(30, 'x')},
        // What a queue slot cannot hold is cut before it is queued.
        {SendIdCommand(1, std::string(80, 'y')), "dST1" + std::string(59, 'y')},
        {TourTextCommand('P', 0, presets), "*TP1" + Codes({17, 18, 19}) + std::string(30, '\x10')},
        {TourTextCommand('D', 7, dwells), "*TD8" + Codes({26, 36, 46}) + std::string(30, '\x10')},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.want);
    EXPECT_EQ(TourTextCommand('P', 2, presets).size(), 4u + 33);
}

TEST(ToursSectorsCodec, GridValuesAreLeadingIntegersInsideTheirColumnsRange)
{
    struct Case {
        const char* text;
        int value;
        bool preset, dwell;
    } cases[] = {
        {"64", 64, true, false},   {"65", 65, false, false}, {"60", 60, true, true},
        {"61", 61, true, false},   {"0", 0, true, true},     {"", 0, true, true},
        {"abc", 0, true, true},    {"12abc", 12, true, true}, {" 7", 7, true, true},
        {"-1", -1, false, false},  {"+5", 5, true, true},    {"99999999999999", 2147483647, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LeadingInteger(c.text), c.value) << c.text;
        EXPECT_EQ(GridAccepts(TourColumn::Preset, c.value), c.preset) << c.text;
        EXPECT_EQ(GridAccepts(TourColumn::Dwell, c.value), c.dwell) << c.text;
    }
    EXPECT_EQ(TourCellText(0), "");
    EXPECT_EQ(TourCellText(-1), "");
    EXPECT_EQ(TourCellText(5), "5");
    EXPECT_EQ(TourCellText(-2), "-2");
}

TEST(ToursSectorsCodec, RepliesPaceTheOpeningChain)
{
    using K = ToursReply::Kind;
    struct Case {
        std::string text;
        K kind;
        int sector, timer;
        bool show;
    } cases[] = {
        {"dSS31", K::SectorState, 3, 51, true},
        {"dSS@1", K::SectorState, 16, 51, true},
        {"dST:" + std::string(24, 'a'), K::SectorTitle, 10, 52, true},
        {"dSSA1", K::SectorState, -1, 51, true}, // sector 17 is none of ours
        {"*PS11", K::Zone, -1, 53, false},
        {"*Px", K::Zone, -1, 53, false},
        {"*TS11", K::TourState, -1, -1, true},
        {"*TP1" + std::string(32, '\x11'), K::TourPresets, -1, 54, true},
        {"*TD1" + std::string(32, '\x11'), K::TourDwells, -1, -1, true},
        {"*TX1", K::None, -1, -1, false},
        {"*S", K::None, -1, -1, false},
        {"dS" + Codes({17}) + "name", K::None, -1, -1, false}, // a preset name
        {"*PP" + Codes({17}) + "1000", K::Zone, -1, 53, false}, // "P" with any letter
    };
    for (const Case& c : cases) {
        const Bytes f = Frame(c.text);
        const ToursReply r = DecodeToursReply(f.data(), f.size());
        EXPECT_EQ(r.kind, c.kind) << c.text;
        EXPECT_EQ(r.reportedSector, c.sector) << c.text;
        EXPECT_EQ(r.timer, c.timer) << c.text;
        EXPECT_EQ(r.showValues, c.show) << c.text;
    }
}

TEST(ToursSectorsCodec, TourRepliesGiveStepValuesAndTheTouringState)
{
    Bytes f = Frame("*TP2" + Codes({16, 15, 17, 80, 5}) + std::string(27, '\x1A'));
    ToursReply r = DecodeToursReply(f.data(), f.size());
    ASSERT_EQ(r.count, 32u);
    EXPECT_EQ(r.values[0], 0);
    EXPECT_EQ(r.values[1], -1);
    EXPECT_EQ(r.values[2], 1);
    EXPECT_EQ(r.values[3], 64);
    EXPECT_EQ(r.values[4], -11);
    EXPECT_EQ(r.values[31], 10);
    // A short reply gives only the steps it carries; the same in mode 0.
    Bytes m0{0x02, 0x01, '*', 'T', 'D', '1', 20, 21, 0x85, 0x03};
    r = DecodeToursReply(m0.data(), m0.size());
    EXPECT_EQ(r.count, 2u);
    EXPECT_EQ(r.values[1], 5);
    for (const auto& [state, touring] : std::map<std::string, bool>{{"1", true}, {"0", false}, {"", false}}) {
        f = Frame("*TS3" + state);
        EXPECT_EQ(DecodeToursReply(f.data(), f.size()).touring, touring) << state;
    }
}

TEST(ConfigDownload, WalksTheDomeWith222Queries)
{
    ConfigDownload d;
    std::vector<std::string> queries{d.Start()};
    EXPECT_EQ(d.state(), 12);
    for (std::string q; !(q = d.Next()).empty();)
        queries.push_back(q);
    ASSERT_EQ(queries.size(), 222u);
    EXPECT_FALSE(d.active());
    EXPECT_EQ(d.answers(), 222);
    std::map<std::string, int> byPrefix;
    for (const std::string& q : queries)
        ++byPrefix[q.substr(0, q.size() == 4 && q[0] == 'c' ? 4 : 3)];
    EXPECT_EQ(byPrefix["*Sl"], 16);
    EXPECT_EQ(byPrefix["*Pl"], 8);
    EXPECT_EQ(byPrefix["*pp"], 64);
    struct Step {
        size_t index;
        std::string query;
    } steps[] = {
        {0, "*Sl1"},          {15, "*Sl" + Codes({64})}, {16, "cdSS1"},  {31, "cdSS@"},
        {32, "cdSs1"},        {48, "*Pl1"},              {55, "*Pl8"},   {56, "*Ps1"},
        {64, "*Tp1"},         {72, "*Td1"},              {80, "*Ts1"},   {87, "*Ts8"},
        {88, "cdSc"},         {89, "cdSl1"},             {93, "cdSl5"},  {94, "cdS" + Codes({16})},
        // Names: 47 is the character of code 63, 48 that of 96.
        {94 + 47, "cdS" + Codes({63})}, {94 + 48, "cdS" + Codes({96})}, {94 + 63, "cdS" + Codes({111})},
        {158, "*pp" + Codes({16})},
        // Positions: 46 is 62, 47 is 96, as the console's preset characters.
        {158 + 46, "*pp" + Codes({62})}, {158 + 47, "*pp" + Codes({96})}, {221, "*pp" + Codes({112})},
    };
    for (const Step& s : steps)
        EXPECT_EQ(queries[s.index], s.query) << s.index;
}

TEST(ConfigDownload, LinesAreTheReplyFromItsClassCharacterToTheFirstHighByte)
{
    struct Case {
        Bytes frame;
        std::string line;
    } cases[] = {
        {Frame("*SL1"), "*SL1"},
        {{0x02, 0x01, 'd', 'S', 'S', '1', '1', 0x83, 0x03}, "dSS11"},
        {{0xF8, 0x01, '*', 'T', 0x7F, 'x', 0x80}, "*T"},
        {Frame(std::string(80, 'z')), std::string(62, 'z')},
        {{0xF8}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DownloadLine(c.frame.data(), c.frame.size()), c.line);
}
