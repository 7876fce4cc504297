// The DSP 723x panel, the console's own, on the console's fake line.
#include "ConsoleControlIds.h"
#include "ConsoleTimeline.h"
#include "Dsp723xPanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

using Bytes = FakeLine::Bytes;
using Texts = std::vector<std::string>;

namespace {
ConsoleSettings Dsp723xCamera(int mode = 1)
{
    ConsoleSettings s;
    s.receiverType = 5;
    s.cameraType = 2;
    s.mode = mode;
    return s;
}

// The console's panel, opened as the console opens it, shown and active.
struct Dsp723xFixture {
    explicit Dsp723xFixture(int mode = 1) : t(Dsp723xCamera(mode)), mode(mode)
    {
        Settle(t);
        panel = &t.console->dsp723xPanel();
        std::vector<std::string> names;
        for (int n = 1; n <= 64; ++n)
            names.push_back("Preset " + std::to_string(n));
        panel->SetPresetNames(names);
        t.console->RegisterReplyWindow(ReplyWindow::Dsp723x, panel);
        panel->Open();
        panel->show();
        QApplication::setActiveWindow(panel);
        EXPECT_TRUE(QTest::qWaitForWindowActive(panel));
    }
    ~Dsp723xFixture()
    {
        panel->done(QDialog::Accepted);
        t.console->RegisterReplyWindow(ReplyWindow::Dsp723x, nullptr);
    }
    // The camera's answer to what the panel asked, through the console's routing.
    void Answer(const std::string& text)
    {
        Bytes f{mode == 0 ? uint8_t{0x02} : uint8_t{0xF8}, 0x01};
        f.insert(f.end(), text.begin(), text.end());
        f.push_back(0x80);
        if (mode == 0)
            f.push_back(0x03);
        t.line.Inject(f);
    }
    // Until the panel's next command has gone (and been acknowledged).
    void NextCommand()
    {
        for (int ms = 0; ms < 1000; ++ms)
            if (!Follow(t, 1).empty())
                return;
        ADD_FAILURE() << "no command within a second";
    }
    // The status sequence of the opening, each query answered as it goes.
    void Opened(const Texts& answers)
    {
        for (const std::string& a : answers) {
            NextCommand();
            Answer(a);
        }
        Follow(t, 600);
    }
    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton, {}, QPoint(6, 6)); }
    void Press(const char* name) { QTest::mousePress(Find<QWidget>(name), Qt::LeftButton, {}, QPoint(6, 6)); }
    void Release(const char* name) { QTest::mouseRelease(Find<QWidget>(name), Qt::LeftButton, {}, QPoint(6, 6)); }
    template <class T> T* Find(const char* name) { return panel->findChild<T*>(QString::fromLatin1(name)); }
    bool Enabled(const char* name) { return Find<QWidget>(name)->isEnabled(); }
    bool Checked(const char* name) { return Find<QAbstractButton>(name)->isChecked(); }
    Texts Sent(uint32_t ms) { return TextsOf(Follow(t, ms)); }

    TestConsole t;
    int mode;
    Dsp723xPanel* panel = nullptr;
};

const Texts kStatusAnswers = {"cD2", "cI1", "cS7", "cW3", "cF1", "cB1", "ci0"};
} // namespace

TEST(Dsp723xPanel, TheOpeningWalksTheSevenStatusQueries)
{
    Dsp723xFixture p;
    EXPECT_EQ(p.panel->windowTitle().toStdString(), "DSP 723x Control");
    EXPECT_EQ(p.Find<QComboBox>("Shutter")->currentText().toStdString(), "Auto");
    EXPECT_EQ(p.Find<QComboBox>("Preset")->count(), 64);
    EXPECT_EQ(p.Find<QComboBox>("Preset")->currentText().toStdString(), "Preset 1");
    EXPECT_FALSE(p.Enabled("IOPN"));
    EXPECT_FALSE(p.Enabled("FSL"));

    const Texts queries = {"cDS", "cIS", "cSS", "cWS", "cFS", "cBS", "ciS"};
    // The first query 500 ms after the opening (and the pump's 5 ms).
    FrameTimeline asked = Follow(p.t, 600);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].second, "cDS");
    EXPECT_GE(asked[0].first, 500u);
    EXPECT_LE(asked[0].first, 510u);
    for (size_t i = 0; i < kStatusAnswers.size(); ++i) {
        p.Answer(kStatusAnswers[i]);
        if (i + 1 == kStatusAnswers.size())
            break;
        // The next query 5 ms after each answer, 500 ms after the backlight's.
        const uint32_t wait = kStatusAnswers[i] == "cB1" ? 500 : 5;
        asked = Follow(p.t, 600);
        ASSERT_EQ(asked.size(), 1u) << i;
        EXPECT_EQ(asked[0].second, queries[i + 1]);
        EXPECT_GE(asked[0].first, wait) << queries[i + 1];
        EXPECT_LE(asked[0].first, wait + 10) << queries[i + 1];
    }
    EXPECT_TRUE(p.Sent(2000).empty()) << "step 8 ends the sequence";
    EXPECT_FALSE(p.panel->sequencing());

    EXPECT_TRUE(p.Checked("DigitalZoomRange4X"));
    EXPECT_TRUE(p.Checked("IrisManual"));
    EXPECT_TRUE(p.Enabled("IOPN"));
    EXPECT_EQ(p.Find<QComboBox>("Shutter")->currentText().toStdString(), "1/250");
    EXPECT_TRUE(p.Checked("WhiteBalanceIndoor"));
    EXPECT_TRUE(p.Checked("FocusManual"));
    EXPECT_TRUE(p.Enabled("FFR"));
    EXPECT_TRUE(p.Checked("BkLiteCompOn"));
    EXPECT_TRUE(p.Checked("AutoIntegrationOff"));

    // "Status ?" walks it again; a silent step is not repeated.
    p.Click("StatusQuery");
    EXPECT_EQ(p.Sent(600), Texts{"cDS"});
    p.Answer("cD0");
    EXPECT_TRUE(p.Checked("DigitalZoomRangeOff"));
    EXPECT_EQ(p.Sent(100), Texts{"cIS"});
    EXPECT_TRUE(p.Sent(2500).empty());
}

TEST(Dsp723xPanel, RangeAndWhiteBalanceGoOnlyWhenTheyChange)
{
    Dsp723xFixture p;
    p.Opened(kStatusAnswers);
    p.Click("DigitalZoomRange2X");
    p.Click("DigitalZoomRange4X");
    p.Click("DigitalZoomRange4X");
    EXPECT_EQ(p.Sent(100), (Texts{"cD1", "cD2"})) << "every command kept, 4X once";
    p.Click("DigitalZoomRange4X");
    EXPECT_TRUE(p.Sent(100).empty());
    EXPECT_TRUE(p.Checked("DigitalZoomRange4X"));
    // The camera said Indoor: choosing it again sends nothing.
    p.Click("WhiteBalanceIndoor");
    EXPECT_TRUE(p.Sent(100).empty());
    p.Click("WhiteBalanceFluorescent");
    p.Click("WhiteBalanceAuto");
    EXPECT_EQ(p.Sent(100), (Texts{"cW5", "cW0"}));
    // The others go on every click.
    p.Click("BkLiteCompOn");
    p.Click("BkLiteCompOn");
    p.Click("AutoIntegrationOn");
    p.Click("IrisAuto");
    p.Click("FocusAuto");
    EXPECT_EQ(p.Sent(100), (Texts{"cB1", "cB1", "ci1", "cIA", "cFA"}));
    EXPECT_FALSE(p.Enabled("ICLS"));
    EXPECT_FALSE(p.Enabled("FMR"));
}

TEST(Dsp723xPanel, PadsSendTheirSpeedAndTheStop150msAfterTheRelease)
{
    Dsp723xFixture p;
    p.Opened(kStatusAnswers);
    struct Case {
        const char* button;
        const char* press;
        const char* stop;
    } cases[] = {
        {"ZFR", "cZ2", "cZs"}, {"ZSR", "cZ0", "cZs"}, {"ZML", "cz1", "cZs"},
        {"FFL", "cF2", "cFs"}, {"FSR", "cN0", "cFs"}, {"FMR", "cN1", "cFs"},
        {"IOPN", "cIO", "cIs"}, {"ICLS", "cIC", "cIs"},
    };
    for (const Case& c : cases) {
        p.Press(c.button);
        EXPECT_EQ(p.Sent(50), Texts{c.press}) << c.button;
        p.Release(c.button);
        const FrameTimeline stop = Follow(p.t, 200);
        ASSERT_EQ(stop.size(), 1u) << c.button;
        EXPECT_EQ(stop[0].second, c.stop);
        EXPECT_GE(stop[0].first, 150u) << c.button;
    }
}

TEST(Dsp723xPanel, ShutterAutoAlsoGivesTheIrisBack)
{
    Dsp723xFixture p;
    p.Opened(kStatusAnswers);
    auto* shutter = p.Find<QComboBox>("Shutter");
    shutter->setCurrentIndex(12);
    EXPECT_EQ(p.Sent(100), Texts{"cS<"});
    shutter->setCurrentIndex(4);
    EXPECT_EQ(p.Sent(100), (Texts{"cS4", "cIA"}));
    EXPECT_TRUE(p.Checked("IrisAuto"));
    EXPECT_FALSE(p.Enabled("IOPN"));
}

TEST(Dsp723xPanel, ASilentCameraGivesOneTimeoutPerCommandAndTheQueueMovesOn)
{
    Dsp723xFixture p;
    // Nothing comes back at all: no acknowledgement, no reply.
    p.t.clock.Advance(500);
    p.Click("BkLiteCompOn");
    p.Click("AutoIntegrationOn");
    Texts sent;
    std::vector<uint32_t> at;
    const uint32_t start = p.t.clock.TickCount();
    for (int ms = 0; ms < 7000; ++ms) {
        p.t.clock.Advance(1);
        for (const auto& f : p.t.line.written) {
            sent.emplace_back(f.begin() + 2, f.end() - 1);
            at.push_back(p.t.clock.TickCount() - start);
        }
        p.t.line.written.clear();
    }
    EXPECT_EQ(sent, (Texts{"cDS", "cB1", "ci1"}));
    Texts shown;
    for (const auto& s : p.t.prompter.shown)
        shown.push_back(s.text);
    EXPECT_EQ(shown, Texts(3, "Command timeout\n"));
    ASSERT_EQ(at.size(), 3u);
    EXPECT_GE(at[1] - at[0], 2000u);
    EXPECT_GE(at[2] - at[1], 2000u);
    EXPECT_TRUE(p.t.console->link().linkReady);
}

TEST(Dsp723xPanel, SetAddrGoesToEveryCameraOnce)
{
    Dsp723xFixture p;
    p.Opened(kStatusAnswers);
    // (address byte, text) of each frame, each acknowledged as it goes.
    auto frames = [&p](uint32_t ms) {
        std::vector<std::pair<int, std::string>> out;
        for (uint32_t i = 0; i < ms; ++i) {
            p.t.clock.Advance(1);
            const auto written = p.t.line.written;
            p.t.line.written.clear();
            for (const auto& f : written) {
                out.emplace_back(f[1], std::string(f.begin() + 2, f.end() - 1));
                p.t.line.Inject({0x06});
            }
        }
        return out;
    };
    using Frames = std::vector<std::pair<int, std::string>>;
    p.t.console->link().SetCameraAddress(7);
    // Commands queued around it keep the camera's address.
    p.Click("BkLiteCompOff");
    p.Click("SetAddr");
    p.Click("AutoIntegrationOn");
    EXPECT_EQ(frames(100), (Frames{{7, "cB0"}, {255, "As007"}, {7, "ci1"}}));
    // Only addresses 1 to 223 are programmed.
    for (int address : {224, 0}) {
        p.t.console->link().SetCameraAddress(address);
        p.Click("SetAddr");
        EXPECT_TRUE(frames(100).empty()) << address;
    }
    p.t.console->link().SetCameraAddress(223);
    p.Click("SetAddr");
    EXPECT_EQ(frames(100), (Frames{{255, "As223"}}));
    // An address the protocol refuses arms nothing for the commands after it.
    p.t.console->link().settings().protocol = 1; // American Dynamics: 1 to 99
    p.t.console->link().SetCameraAddress(150);
    p.Click("SetAddr");
    EXPECT_TRUE(frames(100).empty());
    EXPECT_EQ(p.t.prompter.shown.back().text, "Exceeding Camera Address Range of 99");
    p.t.console->link().SetCameraAddress(50);
    p.Click("BkLiteCompOn");
    EXPECT_EQ(frames(100), (Frames{{50, "cB1"}}));
}

TEST(Dsp723xPanel, PresetsUseThePresetCharacterAndGotoLeavesFocusManual)
{
    for (int mode : {1, 0}) {
        Dsp723xFixture p(mode);
        // The 0x02 frames end in checksum and 0x03, the 0xF8 frames in the checksum.
        auto sent = [&p, mode](uint32_t ms) {
            Texts out;
            for (uint32_t i = 0; i < ms; ++i) {
                p.t.clock.Advance(1);
                const auto written = p.t.line.written;
                p.t.line.written.clear();
                for (const auto& f : written) {
                    if (f.size() < 4)
                        continue; // the console's acknowledgements
                    out.emplace_back(f.begin() + 2, f.end() - (mode == 0 ? 2 : 1));
                    p.t.line.Inject({0x06});
                }
            }
            return out;
        };
        sent(600);
        p.Answer("cF0"); // focus Auto
        sent(2100);
        ASSERT_FALSE(p.Enabled("FSL"));
        auto* presets = p.Find<QComboBox>("Preset");
        presets->setCurrentIndex(47);
        p.Click("Store");
        EXPECT_EQ(sent(100), Texts{std::string("P") + static_cast<char>(96)}) << mode;
        presets->setCurrentIndex(2);
        p.Click("Goto");
        const std::string recall = std::string("H") + static_cast<char>(18);
        EXPECT_EQ(sent(100), mode == 0 ? (Texts{recall, "H?"}) : Texts{recall}) << mode;
        EXPECT_TRUE(p.Checked("FocusManual")) << mode;
        EXPECT_TRUE(p.Enabled("FSL")) << mode;
    }
}

TEST(Dsp723xPanel, TheStatusReplyIsDecodedByTheConsoleAndHandedToThePanel)
{
    Dsp723xFixture p;
    p.Opened(kStatusAnswers);
    p.t.console->DrawLamp(ConsoleLamp::CameraPower, 0);
    p.Click("BkLiteCompOff");
    p.Sent(50);
    // The camera's 'b' status: camera power on in the latch byte.
    p.Answer("bL2A0");
    EXPECT_EQ(p.t.console->lampState(ConsoleLamp::CameraPower), 1);
    // The panel had its answer: the next 'c' reply is not the panel's but
    // the console's, read as a focus report.
    p.Answer("cD1");
    EXPECT_TRUE(p.Checked("DigitalZoomRange4X")) << "not taken by the panel";
    EXPECT_EQ(p.t.console->lampState(ConsoleLamp::ManualFocus), 1);
}

TEST(Dsp723xPanel, MembersLastFromOneOpeningToTheNext)
{
    Dsp723xFixture p;
    p.Opened(kStatusAnswers);
    p.panel->done(QDialog::Accepted);
    p.Sent(100);
    p.panel->Open();
    p.panel->show();
    QApplication::setActiveWindow(p.panel);
    ASSERT_TRUE(QTest::qWaitForWindowActive(p.panel));
    // The camera does not answer; what it said before still holds.
    EXPECT_TRUE(p.Checked("DigitalZoomRange4X"));
    p.Sent(600);
    p.Click("DigitalZoomRange4X");
    p.Click("WhiteBalanceIndoor");
    EXPECT_TRUE(p.Sent(100).empty());
    EXPECT_FALSE(p.Enabled("IOPN")) << "until the camera reports its iris again";
}
