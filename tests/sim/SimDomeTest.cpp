// The simulated dome answers "Tours and Sectors Setup" in the forms its
// codec reads, and a configuration read out of one dome goes into another.
#include "ConfigDownload.h"
#include "Framing.h"
#include "ManualClock.h"
#include "ReceiveStateMachine.h"
#include "SimulatedCamera.h"
#include "ToursSectorsCodec.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

namespace {
// A dome on the manual clock, asked as the console frames its commands.
struct Dome {
    explicit Dome(int mode = 1, int rx = 5) : camera(clock, Options(mode, rx)) {}

    static SimOptions Options(int mode, int rx)
    {
        SimOptions o;
        o.mode = mode;
        o.receiverType = rx;
        return o;
    }

    // The reply frame as the console assembles it; empty when none came.
    Bytes Ask(const std::string& text)
    {
        FrameBuffer f;
        BuildAsciiFrame(f, camera.options().mode, 1, 0, text);
        for (size_t i = 0; i < f.length; ++i)
            camera.Receive(f.bytes[i]);
        uint8_t out[512];
        const size_t n = camera.TakeOutput(out, sizeof out);
        ReceiveStateMachine machine;
        for (size_t i = 0; i < n; ++i)
            if (machine.Feed(out[i], true, camera.options().mode) == ReceiveStateMachine::Event::Frame)
                return Bytes(machine.frame(), machine.frame() + machine.frameLength());
        return {};
    }
    ToursReply Decoded(const std::string& text)
    {
        const Bytes f = Ask(text);
        return DecodeToursReply(f.data(), f.size());
    }
    // A whole configuration download: one line per answer.
    std::vector<std::string> Download()
    {
        std::vector<std::string> lines;
        ConfigDownload d;
        for (std::string q = d.Start(); !q.empty(); q = d.Next()) {
            const Bytes f = Ask(q);
            EXPECT_FALSE(f.empty()) << "no answer to " << q;
            if (f.empty())
                break;
            lines.push_back(DownloadLine(f.data(), f.size()));
        }
        return lines;
    }
    void Upload(const std::vector<std::string>& lines)
    {
        for (const std::string& line : lines)
            Ask(line);
    }

    ManualClock clock;
    SimulatedCamera camera;
};
} // namespace

TEST(SimDome, AnswersTheOpeningChainInTheFormsTheDialogReads)
{
    Dome d;
    d.Ask("dSS30");
    using K = ToursReply::Kind;
    struct Case {
        const char* query;
        K kind;
        int sector, timer;
    } cases[] = {
        {"cdSs3", K::SectorState, 3, ToursTimer::SectorTitle},
        {"cdSS@", K::SectorTitle, 16, ToursTimer::ZoneState},
        {"*Ps8", K::Zone, -1, ToursTimer::TourPresets},
        {"*Tp1", K::TourPresets, -1, ToursTimer::TourDwells},
        {"*Td8", K::TourDwells, -1, -1},
        {"*Ts1", K::TourState, -1, -1},
    };
    for (const Case& c : cases) {
        const ToursReply r = d.Decoded(c.query);
        EXPECT_EQ(r.kind, c.kind) << c.query;
        EXPECT_EQ(r.reportedSector, c.sector) << c.query;
        EXPECT_EQ(r.timer, c.timer) << c.query;
    }
    EXPECT_EQ(std::string(1, static_cast<char>(d.Ask("cdSs3")[6])), "0") << "sector 3 disabled";
}

TEST(SimDome, KeepsWhatTheDialogSets)
{
    Dome d;
    d.camera.state().pan = 1234;
    d.camera.Update();
    std::array<int, 33> presets{}, dwells{};
    presets[0] = 5, presets[1] = 64, presets[31] = 9;
    dwells[0] = 10, dwells[1] = 60;
    for (const std::string& command :
         {SectorLimitCommand(16, 'L'), ZoneLimitCommand(8, 'R'), SendIdCommand(2, "Gate"),
          TourTextCommand('P', 2, presets), TourTextCommand('D', 2, dwells), std::string("*TS31")})
        d.Ask(command);
    const Bytes limits = d.Ask("*Sl@");
    EXPECT_EQ(std::string(limits.begin() + 2, limits.end() - 1), "*SL@12344096");
    const Bytes zone = d.Ask("*Pl8");
    EXPECT_EQ(std::string(zone.begin() + 2, zone.end() - 1), "*PL840961234");
    const Bytes title = d.Ask("cdSS2");
    EXPECT_EQ(std::string(title.begin() + 2, title.end() - 1), "dST2Gate" + std::string(20, ' '));
    ToursReply r = d.Decoded("*Tp3");
    ASSERT_EQ(r.count, 32u);
    EXPECT_EQ(r.values[0], 5);
    EXPECT_EQ(r.values[1], 64);
    EXPECT_EQ(r.values[31], 9);
    r = d.Decoded("*Td3");
    EXPECT_EQ(r.values[1], 60);
    EXPECT_TRUE(d.Decoded("*Ts3").touring);
    EXPECT_FALSE(d.Decoded("*Ts1").touring);
    d.Ask("*TC3");
    EXPECT_EQ(d.Decoded("*Tp3").values[0], 0);
    d.Ask("*SC0");
    const Bytes cleared = d.Ask("*Sl@");
    EXPECT_EQ(std::string(cleared.begin() + 2, cleared.end() - 1), "*SL@40964096");
}

TEST(SimDome, ADownloadUploadedIntoAFreshDomeDownloadsTheSame)
{
    for (int mode : {0, 1}) {
        Dome a(mode);
        a.camera.state().pan = 900;
        a.camera.Update();
        std::array<int, 33> presets{}, dwells{};
        presets[0] = 3, dwells[0] = 20;
        for (const std::string& command :
             {SectorLimitCommand(1, 'L'), SendIdCommand(7, "Car park"), std::string("dSS70"), std::string("*PS40"),
              ZoneLimitCommand(4, 'R'), TourTextCommand('P', 4, presets), TourTextCommand('D', 4, dwells),
              std::string("dP") + static_cast<char>(16 + 3) + "Loading bay", std::string("P") + static_cast<char>(16 + 3)})
            a.Ask(command);
        const std::vector<std::string> first = a.Download();
        ASSERT_EQ(first.size(), 222u) << mode;

        Dome b(mode);
        ASSERT_NE(b.Download(), first) << "a fresh dome differs";
        b.Upload(first);
        EXPECT_EQ(b.Download(), first) << mode;
        const Bytes name = b.Ask(std::string("cdS") + static_cast<char>(16 + 3));
        EXPECT_EQ(std::string(name.begin() + 5, name.begin() + 16), "Loading bay");
    }
}
