// The 8270 DSP panel on the console's fake line: what the operator does,
// what goes out, and what the panel shows after the camera answers.
#include "ConsoleControlIds.h"
#include "Dsp8270Panel.h"
#include "Lamp.h"
#include "OpenPanel.h"

#include <QCheckBox>
#include <functional>

using Texts = std::vector<std::string>;

namespace {
ConsoleSettings Camera8270()
{
    ConsoleSettings s;
    s.receiverType = 13;
    s.cameraType = 12;
    return s;
}

struct Dsp8270Fixture : OpenPanel<Dsp8270Panel> {
    Dsp8270Fixture() : OpenPanel(Camera8270(), ReplyWindow::Dsp8270) {}
};

// The camera's status record: latch '3' (camera power, manual iris), BLC
// level 1 on the left area, Color, white balance wb, red 200, blue 050,
// shutter 1/500, integration 1/5, zoom limit 5X, Live, gain 128,
// brightness 24, sharpness 9, Manual Shutter.
std::string Status(char wb = '1')
{
    std::string r = "bL3A10000P0v1p2I0Y13M1W1200050S3i4D2FoG128b24s9m1";
    r[1 + 22] = wb;
    return r;
}
} // namespace

TEST(Dsp8270Panel, OpeningAsksForTheStatusRecordWhichFillsEveryControl)
{
    Dsp8270Fixture p;
    const FrameTimeline opening = Follow(p.t, 50);
    ASSERT_EQ(opening.size(), 1u);
    EXPECT_EQ(opening[0].second, "bDS");
    EXPECT_LE(opening[0].first, 10u) << "5 ms after opening, sent on the pump's next tick";
    p.Answer(Status());
    EXPECT_TRUE(p.Checked("DayNightControlColor"));
    EXPECT_TRUE(p.Checked("WhiteBalanceManual"));
    EXPECT_TRUE(p.Checked("VideoFreezeLive"));
    EXPECT_TRUE(p.Checked("BackLightCompensationNormalCompensationLevel1"));
    EXPECT_TRUE(p.Checked("AreaOfMostInterestLeft"));
    EXPECT_TRUE(p.Checked("IrisStatusOnlyManual"));
    EXPECT_TRUE(p.Checked("ManualShutter"));
    EXPECT_FALSE(p.Checked("AutoAll"));
    EXPECT_EQ(p.ListText("Shutter"), "1/500");
    EXPECT_EQ(p.ListText("MaximumIntegrationTime"), "1/5");
    EXPECT_EQ(p.ListText("DigitalZoomLimit"), "5X");
    EXPECT_EQ(p.Value("BrightnessLevel"), 24);
    EXPECT_EQ(p.Value("Sharpness"), 9);
    // Maximum auto gain, red and blue are kept in boxes nobody sees.
    EXPECT_EQ(p.Value("MaximumAutoGain"), 128);
    EXPECT_EQ(p.Value("Red"), 200);
    EXPECT_FALSE(p.Find<QWidget>("MaximumAutoGain")->isVisible());
    EXPECT_FALSE(p.Find<QWidget>("Red")->isVisible());
    for (const char* name : {"WhiteBalanceRU", "WhiteBalanceRD", "WhiteBalanceBU", "WhiteBalanceBD"})
        EXPECT_TRUE(p.Find<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(p.Sent(100).empty()) << "showing the status sends nothing back";
}

// While the panel waits, its b-class answer is its own: the console's
// status decoder would light "Camera Power" from the record's latch byte.
TEST(Dsp8270Panel, ItsStatusRecordIsNotTakenForTheConsolesStatus)
{
    Dsp8270Fixture p;
    p.Sent(50);
    ASSERT_TRUE(p.t.console->replyFlags().panelReplyPending);
    p.Answer(Status());
    EXPECT_TRUE(p.Checked("DayNightControlColor"));
    EXPECT_FALSE(p.t.console->lamp(ConsoleLamp::CameraPower)->isLit());
    EXPECT_FALSE(p.t.console->replyFlags().panelReplyPending);
    // Not waiting: a b reply is the console's again, and the panel keeps
    // what it showed.
    p.Answer("bL3");
    EXPECT_TRUE(p.t.console->lamp(ConsoleLamp::CameraPower)->isLit());
    EXPECT_EQ(p.panel->members().iris, 1);
}

TEST(Dsp8270Panel, RedAndBlueMoveOnlyUnderManualWhiteBalance)
{
    Dsp8270Fixture p;
    p.Sent(50);
    p.Answer(Status('0'));
    EXPECT_TRUE(p.Checked("WhiteBalanceAuto"));
    EXPECT_FALSE(p.Find<QWidget>("WhiteBalanceRU")->isEnabled());
    QTest::mousePress(p.Find<QWidget>("WhiteBalanceRU"), Qt::LeftButton);
    QTest::mouseRelease(p.Find<QWidget>("WhiteBalanceRU"), Qt::LeftButton);
    EXPECT_TRUE(p.Sent(100).empty()) << "RU with white balance Auto sends nothing";

    p.Click("WhiteBalanceManual");
    EXPECT_EQ(p.Sent(50), Texts{"bW1"});
    for (auto [name, press] : {std::pair{"WhiteBalanceRU", "bWR"}, {"WhiteBalanceRD", "bWr"},
                               {"WhiteBalanceBU", "bWB"}, {"WhiteBalanceBD", "bWb"}}) {
        QTest::mousePress(p.Find<QWidget>(name), Qt::LeftButton);
        EXPECT_EQ(p.Sent(50), Texts{press}) << name;
        QTest::mouseRelease(p.Find<QWidget>(name), Qt::LeftButton);
        EXPECT_EQ(p.Sent(50), Texts{"bWQ"}) << name;
    }
    // The camera reports the new gain; it goes into the hidden box.
    p.Answer("bWR216");
    EXPECT_EQ(p.Value("Red"), 216);
    p.Click("WhiteBalanceIndoor");
    EXPECT_EQ(p.Sent(50), Texts{"bW2"});
    EXPECT_FALSE(p.Find<QWidget>("WhiteBalanceBD")->isEnabled());
}

TEST(Dsp8270Panel, AutoAllAndManualShutterExcludeEachOther)
{
    Dsp8270Fixture p;
    p.Sent(50);
    EXPECT_TRUE(p.Checked("AutoAll"));
    p.Click("ManualShutter");
    EXPECT_EQ(p.Sent(50), Texts{"bm1"});
    EXPECT_TRUE(p.Checked("ManualShutter"));
    EXPECT_FALSE(p.Checked("AutoAll"));
    // Clicking the one that is set leaves it set and sends it again.
    p.Click("ManualShutter");
    EXPECT_EQ(p.Sent(50), Texts{"bm1"});
    EXPECT_TRUE(p.Checked("ManualShutter"));
    p.Click("AutoAll");
    EXPECT_EQ(p.Sent(50), Texts{"bEA"});
    EXPECT_TRUE(p.Checked("AutoAll"));
    EXPECT_FALSE(p.Checked("ManualShutter"));
}

TEST(Dsp8270Panel, EveryControlSendsItsCommand)
{
    Dsp8270Fixture p;
    p.Sent(50);
    p.Answer(Status());
    struct Case {
        std::function<void()> act;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {[&] { p.Click("DayNightControlMono"); }, "bM2"},
        {[&] { p.Click("DayNightControlAuto"); }, "bM0"},
        {[&] { p.Choose("Shutter", 7); }, "bS7"},
        {[&] { p.Choose("MaximumIntegrationTime", 9); }, "bi9"},
        {[&] { p.Choose("DigitalZoomLimit", 3); }, "bD3"},
        {[&] { p.Click("VideoFreezeFreeze"); }, "bFO"},
        {[&] { p.Click("VideoFreezeLive"); }, "bFo"},
        {[&] { p.Click("WhiteBalanceOutdoor"); }, "bW3"},
        {[&] { p.Type("BrightnessLevel", "5"); }, "bb05"},
        {[&] { p.Type("Sharpness", "12"); }, "bs<"},
        {[&] { p.Click("BackLightCompensationMaximumCompensationLevel2"); }, "bY2"},
        {[&] { p.Click("AreaOfMostInterestBottom"); }, "bYA0"},
        {[&] { p.Click("AreaOfMostInterestCentre"); }, "bYA4"},
        {[&] { p.Click("RestoreFactoryDefault"); }, "bf"},
        {[&] { p.Click("StatusQuery"); }, "bDS"},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_EQ(p.Sent(50), Texts{c.expected});
    }
    // BLC off clears the area of most interest.
    p.Click("BackLightCompensationOff");
    EXPECT_EQ(p.Sent(50), Texts{"bY0"});
    for (const char* area : {"Bottom", "Right", "Top", "Left", "Centre"})
        EXPECT_FALSE(p.Checked((std::string("AreaOfMostInterest") + area).c_str())) << area;
    // Two commands before the pump runs: the newest wins.
    p.Click("DayNightControlColor");
    p.Click("DayNightControlMono");
    EXPECT_EQ(p.Sent(50), Texts{"bM2"});
}

TEST(Dsp8270Panel, TheIrisButtonsOnlyShowWhatTheCameraReports)
{
    Dsp8270Fixture p;
    p.Sent(50);
    p.Answer(Status());
    ASSERT_TRUE(p.Checked("IrisStatusOnlyManual"));
    p.Click("IrisStatusOnlyAuto");
    EXPECT_TRUE(p.Sent(50).empty());
    EXPECT_TRUE(p.Checked("IrisStatusOnlyManual"));
    EXPECT_FALSE(p.Checked("IrisStatusOnlyAuto"));
    // The close button ends the panel; nothing waits on the link after it.
    p.Click("Close");
    EXPECT_FALSE(p.panel->isVisible());
    EXPECT_EQ(p.panel->result(), QDialog::Accepted);
}
