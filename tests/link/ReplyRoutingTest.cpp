#include "ReplyRouting.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
using Target = ReplyStep::Target;
using W = ReplyWindow;
using D = ConsoleDecoder;

// A mode-0 frame around the text: 02, address 1, text, checksum, 03.
std::vector<uint8_t> Frame(const std::string& text)
{
    std::vector<uint8_t> f{0x02, 0x01};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    f.push_back(0x03);
    return f;
}

// "console:Address", "window:Setup", "download:ToursSectors", "panel".
std::string Describe(const ReplyStep& s)
{
    static const char* const windows[] = {"Setup", "ToursSectors", "PrivacyZone", "LensMaintenance", "WiperSetup",
                                          "WasherSetup", "Illuminator", "Dsp7100", "Dsp723x", "Dsp7440",
                                          "DayNight", "ThermalControls", "ThermalControl", "HiDef", "Lens55X",
                                          "Dsp8270", "OtherMaintenance"};
    static const char* const decoders[] = {"None", "Address", "Status", "Position", "FocusReport", "ShiftedStatus",
                                           "PositionStatus", "PresetId", "VideoFlags", "BinaryStatus",
                                           "SearchContinue"};
    switch (s.target) {
    case Target::Console: return std::string("console:") + decoders[static_cast<int>(s.decoder)];
    case Target::QueuedPanel: return "panel";
    case Target::Window: return std::string(s.download ? "download:" : "window:") + windows[static_cast<int>(s.window)];
    }
    return "?";
}

std::vector<std::string> Route(const std::vector<uint8_t>& frame, const ReplyContext& c, PendingFlag* clears = nullptr)
{
    const ReplyRoute r = RouteReply(frame.data(), frame.size(), c);
    if (clears)
        *clears = r.clears;
    std::vector<std::string> out;
    for (int i = 0; i < r.count; ++i)
        out.push_back(Describe(r.steps[i]));
    return out;
}

ReplyContext Context(int rx, int cam, std::initializer_list<W> open = {})
{
    ReplyContext c;
    c.receiverType = rx;
    c.cameraType = cam;
    for (W w : open)
        c.open.set(static_cast<size_t>(w));
    return c;
}

using Steps = std::vector<std::string>;
} // namespace

TEST(RouteReply, ByLetterAndOpenWindows)
{
    struct Case {
        const char* name;
        std::string text;
        ReplyContext context;
        Steps expected;
    } cases[] = {
        {"address", "A001", Context(5, 3), {"console:Address"}},
        {"setup letter, setup closed", "S123", Context(5, 3), {}},
        {"setup letter, setup open", "j1", Context(5, 3, {W::Setup}), {"window:Setup"}},
        {"H L V", "L3", Context(0, 0), {"console:PositionStatus"}},
        {"b decoded", "bL3", Context(13, 3), {"console:Status"}},
        {"b to setup instead", "bL3", Context(13, 3, {W::Setup}), {"window:Setup"}},
        {"b decoded, then the 723x panel", "bL3", Context(13, 2, {W::Setup, W::Dsp723x}),
         {"console:Status", "window:Dsp723x"}},
        {"c P position", "cP18000100", Context(5, 3), {"console:Position"}},
        {"c L focus report", "cL1", Context(5, 3), {"console:FocusReport"}},
        {"c status shifted", "cS000", Context(5, 11), {"console:ShiftedStatus"}},
        {"c type 2 without a waiting panel", "cS0", Context(5, 2, {W::Dsp723x}), {"console:FocusReport"}},
        {"c type 1 without a waiting panel", "cS0", Context(5, 1, {W::Dsp7100}), {}},
        {"c type 4 to the open 7440", "cS0", Context(8, 4, {W::Dsp7440}), {"window:Dsp7440"}},
        {"c type 4, 7440 closed", "cS0", Context(8, 4), {}},
        {"c type 10 to the open 7440", "cE0S4W0", Context(12, 10, {W::Dsp7440}), {"window:Dsp7440"}},
        {"c V to the 7440 when no day/night panel waits", "cV1", Context(5, 4, {W::Dsp7440, W::DayNight}),
         {"window:Dsp7440"}},
        {"c type 2 focus report, 723x closed", "cL1", Context(5, 2), {"console:FocusReport"}},
        {"c type 13 HiDef", "cS0", Context(5, 13, {W::HiDef}), {"window:HiDef"}},
        {"c type 17: nobody", "cS0", Context(14, 17), {}},
        {"d preset id", "d01Front", Context(5, 3), {"console:PresetId"}},
        {"d to tours", "d01", Context(5, 3, {W::ToursSectors}), {"window:ToursSectors"}},
        {"m rx 5 lens", "mt1", Context(5, 3, {W::LensMaintenance}), {"window:LensMaintenance"}},
        {"m rx 5 wiper", "mw1", Context(5, 3, {W::WiperSetup, W::Setup}), {"window:WiperSetup"}},
        {"m rx 5 washer", "mW1", Context(5, 3, {W::WasherSetup}), {"window:WasherSetup"}},
        {"m rx 5 other", "mN1", Context(5, 3, {W::Setup}), {"window:Setup"}},
        {"m rx 12 video source", "ms1", Context(12, 6), {"console:VideoFlags"}},
        {"m rx 12 reversed", "mR0", Context(12, 6), {"console:VideoFlags"}},
        {"m rx 12 other to 55X", "mZ1", Context(12, 6, {W::Lens55X}), {"window:Lens55X"}},
        {"m rx 8 S", "mS1", Context(8, 4, {W::Setup, W::Lens55X}), {"window:Setup"}},
        {"m rx 0 ignored", "ms1", Context(0, 0, {W::Setup}), {}},
        {"t thermal then illuminator", "tA1", Context(12, 6, {W::ThermalControls, W::Illuminator}),
         {"window:ThermalControls", "window:Illuminator"}},
        {"t newer thermal", "tA1", Context(12, 16, {W::ThermalControl}), {"window:ThermalControl"}},
        // "Thermal Controls" opens for camera type 9 too, and must hear its camera.
        {"t thermal type 9", "tC3", Context(12, 9, {W::ThermalControls}), {"window:ThermalControls"}},
        {"t thermal type 18", "tk07200005", Context(12, 18, {W::ThermalControl}), {"window:ThermalControl"}},
        {"t no thermal panel", "tC3", Context(12, 9, {W::Illuminator}), {"window:Illuminator"}},
        {"* X lens maintenance", "*X1", Context(5, 3, {W::LensMaintenance, W::ToursSectors}),
         {"window:LensMaintenance"}},
        {"* other to tours", "*T1", Context(5, 3, {W::LensMaintenance, W::ToursSectors}), {"window:ToursSectors"}},
        {"i illuminator", "i1", Context(12, 8, {W::Illuminator}), {"window:Illuminator"}},
        // Heater, freeze, enhanced preset and park answer "Other Maintenance".
        {"m rx 5 heater", "mt32", Context(5, 3, {W::Setup, W::OtherMaintenance}), {"window:OtherMaintenance"}},
        {"m rx 13 freeze", "mf1", Context(13, 12, {W::Setup, W::OtherMaintenance}), {"window:OtherMaintenance"}},
        {"m rx 12 presets", "mo1051212", Context(12, 6, {W::Setup, W::OtherMaintenance}),
         {"window:OtherMaintenance"}},
        {"m rx 12 lens maintenance", "mt1", Context(12, 6, {W::Setup, W::LensMaintenance}),
         {"window:LensMaintenance"}},
        {"* X park", "*XP03022", Context(5, 3, {W::Setup, W::OtherMaintenance, W::ToursSectors}),
         {"window:OtherMaintenance"}},
        // Receiver type 12 opens "Wash Setup" as well: the washer's report is its.
        {"m rx 12 washer", "mWW10", Context(12, 8, {W::WasherSetup}), {"window:WasherSetup"}},
        {"m rx 12 W, washer closed", "mWW10", Context(12, 8, {W::Lens55X}), {"window:Lens55X"}},
        {"b, 8270 open, not waiting", "bL3", Context(13, 12, {W::Dsp8270}), {"console:Status"}},
        {"unknown letter", "Z1", Context(5, 3, {W::Setup}), {}},
        {"too short", "", Context(5, 3), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Route(Frame(c.text), c.context), c.expected) << c.name;
}

TEST(RouteReply, WaitingWindowsTakeTheirAnswerAndClearTheirFlag)
{
    struct Case {
        const char* name;
        std::string text;
        ReplyContext context;
        void (*set)(ReplyFlags&);
        Steps expected;
        PendingFlag clears;
    } cases[] = {
        {"7100", "cS1", Context(5, 1, {W::Dsp7100}), [](ReplyFlags& f) { f.dsp7100ReplyPending = true; },
         {"window:Dsp7100"}, PendingFlag::Dsp7100},
        {"723x", "cS1", Context(5, 2, {W::Dsp723x}), [](ReplyFlags& f) { f.dsp723xReplyPending = true; },
         {"window:Dsp723x"}, PendingFlag::Dsp723x},
        {"b decoded, then to the waiting 723x", "bL3", Context(5, 2, {W::Dsp723x}),
         [](ReplyFlags& f) { f.dsp723xReplyPending = true; }, {"console:Status", "window:Dsp723x"},
         PendingFlag::Dsp723x},
        {"7440 takes its replies without a flag", "cS4", Context(5, 4, {W::Dsp7440}),
         [](ReplyFlags& f) { f.panelReplyPending = true; }, {"window:Dsp7440"}, PendingFlag::None},
        {"day/night", "cL1", Context(5, 3, {W::DayNight}), [](ReplyFlags& f) { f.panelReplyPending = true; },
         {"window:DayNight"}, PendingFlag::Panel},
        {"day/night V for any camera", "cV1", Context(5, 1, {W::DayNight}),
         [](ReplyFlags& f) { f.panelReplyPending = true; }, {"window:DayNight"}, PendingFlag::Panel},
        {"privacy takes the position", "cP00000000", Context(5, 3, {W::PrivacyZone}),
         [](ReplyFlags& f) { f.privacyReplyPending = true; }, {"window:PrivacyZone"}, PendingFlag::Privacy},
        {"privacy not waiting", "cP00000000", Context(5, 3, {W::PrivacyZone}), [](ReplyFlags&) {},
         {"console:Position"}, PendingFlag::None},
        {"zone status to the privacy dialog, not the waiting day/night panel", "csZC12",
         Context(5, 3, {W::PrivacyZone, W::DayNight}),
         [](ReplyFlags& f) { f.privacyReplyPending = f.panelReplyPending = true; }, {"window:PrivacyZone"},
         PendingFlag::Privacy},
        {"colours to the privacy dialog", "csCP81L:0", Context(5, 7, {W::PrivacyZone}),
         [](ReplyFlags& f) { f.privacyReplyPending = true; }, {"window:PrivacyZone"}, PendingFlag::Privacy},
        {"sizes to the open privacy dialog that no longer waits", "csh030v020", Context(5, 3, {W::PrivacyZone}),
         [](ReplyFlags&) {}, {"window:PrivacyZone"}, PendingFlag::None},
        {"vertical size", "csv020", Context(5, 3, {W::PrivacyZone}), [](ReplyFlags&) {}, {"window:PrivacyZone"},
         PendingFlag::None},
        {"zone reply, privacy dialog closed", "csZC12", Context(5, 3, {W::DayNight}),
         [](ReplyFlags& f) { f.panelReplyPending = true; }, {"window:DayNight"}, PendingFlag::Panel},
        {"day/night scan status is not a zone reply", "csO1", Context(5, 3, {W::PrivacyZone, W::DayNight}),
         [](ReplyFlags& f) { f.panelReplyPending = true; }, {"window:DayNight"}, PendingFlag::Panel},
        {"download step", "d1", Context(5, 3, {W::ToursSectors}), [](ReplyFlags& f) { f.downloadActive = true; },
         {"download:ToursSectors"}, PendingFlag::None},
        {"download step takes '*' too", "*PL140964096", Context(12, 8, {W::ToursSectors}),
         [](ReplyFlags& f) { f.downloadActive = true; }, {"download:ToursSectors"}, PendingFlag::None},
        {"'*' X to the download without lens maintenance", "*X1", Context(5, 3, {W::ToursSectors}),
         [](ReplyFlags& f) { f.downloadActive = true; }, {"download:ToursSectors"}, PendingFlag::None},
        {"download over, '*' to the reply operation", "*TS11", Context(5, 3, {W::ToursSectors}),
         [](ReplyFlags&) {}, {"window:ToursSectors"}, PendingFlag::None},
        {"flag set, window closed", "cS1", Context(5, 1), [](ReplyFlags& f) { f.dsp7100ReplyPending = true; }, {},
         PendingFlag::None},
        // The lens maintenance dialog opens over Setup: its answers are 'm'
        // replies the letters would hand to Setup, the console or the 55X panel.
        {"lens maintenance status over setup", "m1l5v0p3c2", Context(13, 12, {W::Setup, W::LensMaintenance}),
         [](ReplyFlags& f) { f.panelReplyPending = true; }, {"window:LensMaintenance"}, PendingFlag::Panel},
        {"lens maintenance IR, not the video flags", "mR2", Context(12, 6, {W::Setup, W::LensMaintenance}),
         [](ReplyFlags& f) { f.panelReplyPending = true; }, {"window:LensMaintenance"}, PendingFlag::Panel},
        {"lens maintenance 2X, not the 55X panel", "mX1", Context(8, 4, {W::Setup, W::LensMaintenance}),
         [](ReplyFlags& f) { f.panelReplyPending = true; }, {"window:LensMaintenance"}, PendingFlag::Panel},
        {"lens maintenance not waiting: by letter", "m1l5", Context(13, 12, {W::Setup, W::LensMaintenance}),
         [](ReplyFlags&) {}, {"window:Setup"}, PendingFlag::None},
        {"panel flag, maintenance closed: by letter", "mZ1", Context(12, 6, {W::Lens55X}),
         [](ReplyFlags& f) { f.panelReplyPending = true; }, {"window:Lens55X"}, PendingFlag::None},
        {"other letters pass the waiting maintenance", "L3", Context(13, 12, {W::LensMaintenance}),
         [](ReplyFlags& f) { f.panelReplyPending = true; }, {"console:PositionStatus"}, PendingFlag::None},
        // The 8270 panel's b answers are its own while it waits, not the console's status.
        {"8270 waiting", "bL3A1", Context(13, 12, {W::Dsp8270, W::Setup}),
         [](ReplyFlags& f) { f.panelReplyPending = true; }, {"window:Dsp8270"}, PendingFlag::Panel},
        {"8270 closed, another panel waiting", "bL3", Context(13, 12), [](ReplyFlags& f) { f.panelReplyPending = true; },
         {"console:Status"}, PendingFlag::None},
        {"HiDef takes its answer", "cD3e9v4", Context(7, 13, {W::HiDef}),
         [](ReplyFlags& f) { f.panelReplyPending = true; }, {"window:HiDef"}, PendingFlag::Panel},
    };
    for (Case c : cases) {
        c.set(c.context.flags);
        PendingFlag clears = PendingFlag::None;
        EXPECT_EQ(Route(Frame(c.text), c.context, &clears), c.expected) << c.name;
        EXPECT_EQ(clears, c.clears) << c.name;
    }
}

TEST(RouteReply, PositionLetterDependsOnTheLastCommand)
{
    ReplyContext c = Context(0, 0, {W::Setup});
    c.lastCommandSecondChar = '?';
    EXPECT_EQ(Route(Frame("P123456"), c), Steps{"console:PositionStatus"});
    c.lastCommandSecondChar = 'S';
    EXPECT_EQ(Route(Frame("P123456"), c), Steps{"window:Setup"});
}

TEST(RouteReply, BinaryFrames)
{
    const std::vector<uint8_t> status{0xFF, 0x08, 7, 3, 0, 1, 0, 0, 0x40, 0xAD};
    const std::vector<uint8_t> shortFrame{0xFF, 0x04, 1, 2, 3, 0xF6};
    ReplyContext c = Context(5, 3);
    EXPECT_EQ(Route(status, c), Steps{"console:BinaryStatus"});
    EXPECT_EQ(Route(shortFrame, c), Steps{});
    c.flags.searchWaitsForBinary = true;
    PendingFlag clears = PendingFlag::None;
    EXPECT_EQ(Route(status, c, &clears), Steps{"console:SearchContinue"});
    EXPECT_EQ(clears, PendingFlag::SearchBinary);
    c.flags.panelReplyPending = true;
    c.queuedPanelOpen = true;
    EXPECT_EQ(Route(status, c, &clears), Steps{"panel"});
    EXPECT_EQ(clears, PendingFlag::Panel);
}

// Only the reply text decides: a checksum that happens to be an item
// letter does not make "cs" a zone reply.
TEST(RouteReply, ZoneReplyLetterMustBeText)
{
    ReplyContext c = Context(5, 3, {W::PrivacyZone});
    const std::vector<uint8_t> checksumZ{0x02, 0x01, 'c', 's', 'Z', 0x03};
    EXPECT_EQ(Route(checksumZ, c), Steps{"console:ShiftedStatus"});
    const std::vector<uint8_t> text{0x02, 0x01, 'c', 's', 'Z', 'A', '0', '1', 0x40, 0x03};
    EXPECT_EQ(Route(text, c), Steps{"window:PrivacyZone"});
}
