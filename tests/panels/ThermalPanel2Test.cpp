// The "Thermal Controls" panel on the console's fake line, and how the
// console chooses and opens the thermal panels.
#include "ConsoleControlIds.h"
#include "PanelOnConsole.h"
#include "ThermalPanel.h"
#include "ThermalPanel2.h"

#include <QCheckBox>

namespace {
using Texts = std::vector<std::string>;

ConsoleSettings ThermalCamera(int receiverType = 5, int cameraType = 5)
{
    ConsoleSettings s;
    s.receiverType = receiverType;
    s.cameraType = cameraType;
    return s;
}

struct Thermal2 : PanelOnConsole<ThermalPanel2> {
    Thermal2() : PanelOnConsole(ThermalCamera(), ReplyWindow::ThermalControls) {}
    Thermal2& Opened()
    {
        EXPECT_EQ(Sent(50), Texts{"tDS"});
        return *this;
    }
};

// Every control the freeze rule locks, and the three it leaves.
const char* const kLocked[] = {"SetAutoRefresh", "ColorPalette",   "OnePointRefresh", "FocusNear",
                               "FocusFar",       "ColorBar",       "Polarity",        "OverlayPalette",
                               "Foreground",     "Background",     "AutoRefreshOn",   "AutoRefreshOff",
                               "DigitalZoom",    "OverlayMode",    "DefaultSettings"};
const char* const kFree[] = {"Freeze", "CalFlagClosed", "Close"};
} // namespace

TEST(ThermalPanel2, OpeningSetsTheSpinRangesAndAsksForStatusAfter5ms)
{
    Thermal2 p;
    const FrameTimeline sent = Follow(p.t, 50);
    ASSERT_EQ(TextsOf(sent), Texts{"tDS"});
    EXPECT_LE(sent[0].first, 12u);
    struct Range {
        const char* box;
        int lo, hi, value;
    } ranges[] = {{"ColorPalette", 0, 4, 0},  {"OverlayPalette", 0, 7, 0}, {"Foreground", 0, 15, 0},
                  {"Background", 0, 15, 0},   {"ActiveNUCIndex", 0, 15, 0}, {"AutoRefreshTime", 1, 60, 1}};
    for (const Range& r : ranges) {
        auto* box = p.Find<QSpinBox>(r.box);
        ASSERT_NE(box, nullptr) << r.box;
        EXPECT_EQ(box->minimum(), r.lo) << r.box;
        EXPECT_EQ(box->maximum(), r.hi) << r.box;
        EXPECT_EQ(box->value(), r.value) << r.box;
    }
    EXPECT_EQ(p.ListText("OverlayMode"), "");
    EXPECT_EQ(p.ListText("DigitalZoom"), "");
    // Controls of other models are there but never shown.
    for (const char* name : {"ZoomIn", "ZoomOut", "ReticleA", "ReticleB", "RangeReticle", "TECCoolerStandby",
                             "SetDateTime", "ActiveNUCIndex"}) {
        ASSERT_NE(p.Find<QWidget>(name), nullptr) << name;
        EXPECT_FALSE(p.Find<QWidget>(name)->isVisible()) << name;
    }
}

TEST(ThermalPanel2, StatusFillsTheControlsAndFreezeLocksAllButThree)
{
    Thermal2 p;
    p.Opened();
    p.Answer("tA9B1C4L1O7R1X2c0f<k;o3r1tn");
    EXPECT_EQ(p.Value("ColorPalette"), 4);
    EXPECT_TRUE(p.Checked("ColorBar"));
    EXPECT_TRUE(p.Checked("Polarity"));
    EXPECT_EQ(p.Value("OverlayPalette"), 7);
    EXPECT_EQ(p.ListText("DigitalZoom"), "4X");
    EXPECT_EQ(p.Value("Foreground"), 12);
    EXPECT_EQ(p.Value("Background"), 11);
    EXPECT_EQ(p.ListText("OverlayMode"), "Full Status");
    EXPECT_EQ(p.Value("AutoRefreshTime"), 11) << "'n' is eleven minutes";
    EXPECT_EQ(p.Value("ActiveNUCIndex"), 9);
    EXPECT_TRUE(p.Sent(100).empty()) << "showing the status sends nothing back";
    for (const char* name : kLocked)
        EXPECT_TRUE(p.Enabled(name)) << name;

    // Reported frozen: all but Freeze, Cal Flag Closed and Close locked.
    p.Click("Polarity"); // something to answer
    p.Sent(20);
    p.Answer("tF1");
    EXPECT_TRUE(p.Checked("Freeze"));
    for (const char* name : kLocked)
        EXPECT_FALSE(p.Enabled(name)) << name;
    for (const char* name : kFree)
        EXPECT_TRUE(p.Enabled(name)) << name;
    EXPECT_FALSE(p.Enabled("AutoRefreshTime")) << "every control but the three";

    // The operator's click applies the same rule both ways.
    p.Click("Freeze");
    EXPECT_EQ(p.Sent(20), Texts{"tF0"});
    for (const char* name : kLocked)
        EXPECT_TRUE(p.Enabled(name)) << name;
    p.Click("Freeze");
    EXPECT_EQ(p.Sent(20), Texts{"tF1"});
    for (const char* name : kLocked)
        EXPECT_FALSE(p.Enabled(name)) << name;
    p.Click("CalFlagClosed");
    EXPECT_EQ(p.Sent(20), Texts{"tc1"});
}

TEST(ThermalPanel2, CommandsOfTheControls)
{
    Thermal2 p;
    p.Opened();
    struct Click {
        const char* name;
        const char* body;
    } clicks[] = {
        {"OnePointRefresh", "trh"}, {"AutoRefreshOn", "tW1"}, {"AutoRefreshOff", "tW0"}, {"ColorBar", "tB1"},
        {"ColorBar", "tB0"},        {"Polarity", "tL1"},      {"CalFlagClosed", "tc1"},  {"DefaultSettings", "tsD"},
    };
    for (const Click& c : clicks) {
        p.Click(c.name);
        EXPECT_EQ(p.Sent(20), Texts{c.body}) << c.name;
    }
    // Boxes send as their text changes.
    struct Typed {
        const char* box;
        const char* text;
        std::string body;
    } typed[] = {{"ColorPalette", "3", "tC3"}, {"OverlayPalette", "6", "tO6"}, {"Foreground", "12", "tf<"},
                 {"Background", "15", "tk?"}};
    for (const Typed& t : typed) {
        p.Type(t.box, t.text);
        EXPECT_EQ(p.Sent(20).back(), t.body) << t.box;
    }
    p.Choose("DigitalZoom", 2);
    EXPECT_EQ(p.Sent(20), Texts{"tX2"});
    p.Choose("OverlayMode", 3);
    EXPECT_EQ(p.Sent(20), Texts{"to3"});
    // The auto refresh time in its one-character forms.
    struct Refresh {
        const char* minutes;
        std::string body;
    } refresh[] = {{"50", "ttc"}, {"47", "tt`"}, {"46", "tt>"}, {"1", "tt\x11"}, {"60", "ttm"}};
    for (const Refresh& r : refresh) {
        p.Type("AutoRefreshTime", r.minutes);
        p.Click("SetAutoRefresh");
        EXPECT_EQ(p.Sent(20), Texts{r.body}) << r.minutes;
    }
    QTest::mousePress(p.Find<QWidget>("FocusNear"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(20), Texts{"tfN"});
    QTest::mouseRelease(p.Find<QWidget>("FocusNear"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(20), Texts{"tfS"});
    QTest::mousePress(p.Find<QWidget>("FocusFar"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(20), Texts{"tfF"});
    QTest::mouseRelease(p.Find<QWidget>("FocusFar"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(20), Texts{"tfS"});
    EXPECT_TRUE(p.Shown().empty());
}

TEST(ThermalPanel2, OutOfRangeBoxValuesGetTheRangeMessageAndSendNothing)
{
    Thermal2 p;
    p.Opened();
    p.Type("AutoRefreshTime", "61");
    p.Click("SetAutoRefresh");
    EXPECT_EQ(p.Shown(), Texts{"Please enter an integer between 1 and 60."});
    EXPECT_TRUE(p.Sent(20).empty());
    p.Type("ColorPalette", "7");
    QTest::keyClick(p.Find<QSpinBox>("ColorPalette"), Qt::Key_Tab);
    EXPECT_EQ(p.Shown(), Texts{"Please enter an integer between 0 and 4."});
    EXPECT_TRUE(p.Sent(20).empty());
    EXPECT_EQ(p.Value("ColorPalette"), 0);
}

TEST(ThermalPanel2, PumpRunsAt5msAndAnUnansweredCommandHoldsTheLink2000ms)
{
    Thermal2 p;
    p.Opened();
    p.Click("OnePointRefresh");
    p.t.clock.Advance(5);
    ASSERT_EQ(p.t.line.written.size(), 1u);
    p.Click("DefaultSettings");
    p.t.clock.Advance(1990);
    EXPECT_EQ(p.t.line.written.size(), 1u) << "waits for the answer";
    p.t.clock.Advance(15);
    EXPECT_EQ(p.t.line.written.size(), 2u) << "the time-out released the link";
}

// "DSP Status" opens the thermal panel of the camera type (and, on receiver
// type 12, of the video source); the panel hears its camera's 't' replies.
TEST(ThermalPanels, TheConsoleOpensTheRightOneAndRoutesItsReplies)
{
    struct Case {
        int rx, cam, source;
        const char* title;
    } cases[] = {
        {5, 5, 0, "Thermal Controls"},  {5, 6, 0, "Thermal Controls"}, {12, 6, 1, "Thermal Controls"},
        {12, 9, 0, "Thermal Controls"}, {12, 15, 1, "Thermal Control"}, {12, 16, 1, "Thermal Control"},
        {12, 18, 1, "Thermal Control"},
    };
    for (const Case& c : cases) {
        TestConsole t(ThermalCamera(c.rx, c.cam));
        Settle(t);
        if (c.source == 1) {
            QWidget* right = t.console->control(ConsoleControl::SourceRight);
            QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(6, right->height() / 2));
            ASSERT_EQ(t.console->videoSource(), 1);
            t.clock.Advance(1000);
            t.line.Inject({0x06});
            t.line.written.clear();
        }
        bool shown = false;
        t.modal.steps.push_back([&](QDialog& d) {
            EXPECT_EQ(TextsOf(Follow(t, 600)), Texts{"tDS"}) << c.title;
            FakeLine::Bytes reply{0xF8, 0x01, 't', 'C', '3', 0x80};
            t.line.Inject(reply);
            if (auto* two = dynamic_cast<ThermalPanel2*>(&d))
                shown = two->members().palette == 3 && two->findChild<QSpinBox*>(QStringLiteral("ColorPalette"))->value() == 3;
            else if (auto* one = dynamic_cast<ThermalPanel*>(&d))
                shown = one->members().palette == 3 && one->findChild<QComboBox*>(QStringLiteral("PolarityLUT"))->currentIndex() == 3;
            return QDialog::Accepted;
        });
        QTest::mouseClick(static_cast<QAbstractButton*>(t.console->control(ConsoleControl::DspStatus)), Qt::LeftButton);
        EXPECT_EQ(t.modal.titles, Texts{c.title}) << c.rx << "/" << c.cam;
        EXPECT_TRUE(shown) << c.rx << "/" << c.cam;
        EXPECT_FALSE(t.console->replyFlags().panelReplyPending);
    }
}
