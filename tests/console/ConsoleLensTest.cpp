#include "ConsoleControlIds.h"
#include "ConsoleTimerIds.h"
#include "Lamp.h"
#include "ConsoleTimeline.h"

#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace ConsoleControl;
using Texts = std::vector<std::string>;

namespace {
ConsoleSettings Types(int rx, int cam, int protocol = 0)
{
    ConsoleSettings s;
    s.receiverType = rx;
    s.cameraType = cam;
    s.protocol = protocol;
    return s;
}

QAbstractButton* Button(TestConsole& t, int id)
{
    return static_cast<QAbstractButton*>(t.console->control(id));
}
} // namespace

TEST(ConsoleLens, HoldingZoomMovesUntilTheReleaseEvenOutsideTheWindow)
{
    TestConsole t(Types(5, 3)); // Day/Night camera: the speed rule
    t.console->show();
    Settle(t);
    QTest::mousePress(Button(t, ZoomIn), Qt::LeftButton);
    // Moving off the button while holding it does not stop the zoom.
    QTest::mouseMove(Button(t, ZoomIn), QPoint(-300, -300));
    auto timeline = Follow(t, 400);
    ASSERT_EQ(timeline, (std::vector<std::pair<uint32_t, std::string>>{{50, "cZ0"}}));
    EXPECT_TRUE(t.console->state().zoomMoving);
    // The button keeps the mouse: released far outside the console, it still hears it.
    QTest::mouseRelease(Button(t, ZoomIn), Qt::LeftButton, {}, QPoint(-500, -500));
    timeline = Follow(t, 400);
    ASSERT_EQ(timeline, (std::vector<std::pair<uint32_t, std::string>>{{10, "ZS"}}));
    EXPECT_FALSE(t.console->state().zoomMoving);
}

TEST(ConsoleLens, LensSpeedAndLensFast)
{
    TestConsole t(Types(5, 3));
    t.console->show();
    Settle(t);
    QTest::mouseClick(Button(t, Fast), Qt::LeftButton, {}, QPoint(6, Button(t, Fast)->height() / 2));
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::LensFast)->isLit());
    QTest::mouseClick(Button(t, ZoomIn), Qt::LeftButton);
    EXPECT_EQ(TextsOf(Follow(t, 500)), (Texts{"cZ2", "ZS"}));
    // "Lens Fast" clears the speed choice; zoom then follows the fast state.
    QTest::mouseClick(Button(t, LensFast), Qt::LeftButton);
    EXPECT_FALSE(Button(t, Fast)->isChecked());
    EXPECT_EQ(t.console->state().lensSpeed, -1);
    QTest::mouseClick(Button(t, ZoomOut), Qt::LeftButton);
    EXPECT_EQ(TextsOf(Follow(t, 500)), (Texts{"LL", "cz2", "ZS"}));
}

TEST(ConsoleLens, ColourAndIntegrationReleaseWithB0)
{
    TestConsole t(Types(2, 0));
    t.console->show();
    Settle(t);
    Button(t, ColorRed)->setEnabled(true);
    QTest::mouseClick(Button(t, ColorRed), Qt::LeftButton);
    EXPECT_EQ(TextsOf(Follow(t, 500)), (Texts{"B1", "B0"}));
}

TEST(ConsoleLens, ManualLatchesSwitchLampsAndButtons)
{
    TestConsole t(Types(5, 3));
    t.console->show();
    Settle(t);
    QTest::mouseClick(Button(t, ManualIris), Qt::LeftButton);
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::ManualIris)->isLit());
    EXPECT_TRUE(Button(t, IrisOpen)->isEnabled());
    QTest::mouseClick(Button(t, ManualFocus), Qt::LeftButton);
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::ManualFocus)->isLit());
    EXPECT_TRUE(Button(t, FocusNear)->isEnabled());
    EXPECT_EQ(TextsOf(Follow(t, 300)), (Texts{"cIM", "cFM"}));

    // Manual integration: on sends nothing, off sends "cS0" on a Day/Night camera.
    TestConsole d(Types(3, 3));
    d.console->show();
    Settle(d);
    QTest::mouseClick(Button(d, ManualIntegration), Qt::LeftButton);
    EXPECT_TRUE(d.console->lamp(ConsoleLamp::ManualIntegration)->isLit());
    EXPECT_TRUE(Button(d, IntegrationUp)->isEnabled());
    EXPECT_TRUE(TextsOf(Follow(d, 300)).empty());
    QTest::mouseClick(Button(d, ManualIntegration), Qt::LeftButton);
    EXPECT_FALSE(Button(d, IntegrationDown)->isEnabled());
    EXPECT_EQ(TextsOf(Follow(d, 300)), Texts{"cS0"});
}

TEST(ConsoleLens, DirectAndQueuedAuxiliaryButtons)
{
    TestConsole t(Types(12, 8));
    t.console->show();
    Settle(t);
    for (int id : {LeftCameraPwr, PressureQuery, SeekHome, Aux2Enable, Aux2Enable, LeftVideoReversed, Wipe})
        QTest::mouseClick(Button(t, id), Qt::LeftButton);
    // Direct commands go out at once, without waiting for one another.
    Texts direct;
    for (const auto& f : t.line.written)
        direct.emplace_back(f.begin() + 2, f.end() - 1);
    EXPECT_EQ(direct, (Texts{"LcP", "mPS", "mFH", "21", "20", "mR1", "L3"}));
    EXPECT_EQ(t.console->timers().Period(ConsoleTimer::StatusRequest), 15000);
    t.line.written.clear();

    QTest::mouseClick(Button(t, SourceRight), Qt::LeftButton, {}, QPoint(6, Button(t, SourceRight)->height() / 2));
    EXPECT_EQ(t.console->videoSource(), 1);
    ASSERT_EQ(t.line.written.size(), 1u);
    EXPECT_EQ(std::string(t.line.written[0].begin() + 2, t.line.written[0].end() - 1), "ms1");
    EXPECT_EQ(t.console->timers().Period(ConsoleTimer::StatusRequest), 500);
}

TEST(ConsoleLens, CameraPowerRestartsTheStatusPoll)
{
    TestConsole t(Types(5, 3));
    t.console->show();
    Settle(t);
    QTest::mouseClick(Button(t, CameraPower), Qt::LeftButton);
    const auto timeline = Follow(t, 1600);
    ASSERT_EQ(TextsOf(timeline), (Texts{"LP", "cDS"}));
    EXPECT_EQ(timeline[1].first, 1500u);
}

TEST(ConsoleLens, DisableNtcipSendsTheFrameThenMnd)
{
    TestConsole t(Types(5, 3));
    t.console->show();
    Settle(t);
    QTest::mouseClick(Button(t, DisableNtcip), Qt::LeftButton);
    ASSERT_EQ(t.line.written.size(), 1u);
    const auto& frame = t.line.written[0];
    ASSERT_EQ(frame.size(), 54u);
    EXPECT_EQ(frame[0], 0x7E);
    EXPECT_EQ(std::string(frame.begin() + 11, frame.begin() + 17), "public");
    t.line.written.clear();
    const auto timeline = Follow(t, 900);
    ASSERT_EQ(TextsOf(timeline), Texts{"mND"});
    EXPECT_GE(timeline[0].first, 800u);

    // A community that is not six lower-case letters sends nothing and says why.
    ConsoleSettings s = Types(5, 3);
    s.ntcipCommunity = "Public!";
    TestConsole bad(s);
    bad.console->show();
    Settle(bad);
    QTest::mouseClick(Button(bad, DisableNtcip), Qt::LeftButton);
    EXPECT_TRUE(bad.line.written.empty());
    ASSERT_FALSE(bad.prompter.shown.empty());
    EXPECT_NE(bad.prompter.shown.back().text.find("NTCIP Community"), std::string::npos);
}

TEST(ConsoleLens, AHeldButtonThatIsDisabledStopsItsMotion)
{
    TestConsole t(Types(5, 3));
    t.console->show();
    Settle(t);
    Button(t, FocusNear)->setEnabled(true);
    QTest::mousePress(Button(t, FocusNear), Qt::LeftButton);
    EXPECT_EQ(TextsOf(Follow(t, 200)), Texts{"cN0"});
    // The camera reports automatic focus: the buttons go off, and the focus stops.
    Button(t, FocusNear)->setEnabled(false);
    EXPECT_EQ(TextsOf(Follow(t, 200)), Texts{"FS"});
}

TEST(ConsoleLens, JavelinTextPressIsStoppedWithText)
{
    // Camera type 4 zooms with text even under a Javelin protocol: its
    // release must stop with text too.
    TestConsole t(Types(5, 4, 9));
    t.console->show();
    Settle(t);
    QTest::mouseClick(Button(t, ZoomIn), Qt::LeftButton);
    Texts sent = TextsOf(Follow(t, 300));
    sent.resize(std::min<size_t>(sent.size(), 2)); // the Javelin status poll may follow
    EXPECT_EQ(sent, (Texts{"ZI", "ZS"}));
}

TEST(ConsoleLens, JavelinLensButtonsQueueRecords)
{
    TestConsole t(Types(5, 3, 3));
    t.console->show();
    Settle(t);
    QTest::mousePress(Button(t, ZoomIn), Qt::LeftButton);
    t.clock.Advance(5);
    ASSERT_EQ(t.line.written.size(), 1u);
    EXPECT_EQ(t.line.written[0], (FakeLine::Bytes{0xFF, 0x06, 0x07, 0x04, 0x00, 0x01, 0xC2,
                                                  static_cast<uint8_t>(-(0x06 + 0x07 + 0x04 + 0x01 + 0xC2))}));
}
