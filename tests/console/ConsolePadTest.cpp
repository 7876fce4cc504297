#include "ConsoleControlIds.h"
#include "Lamp.h"
#include "PTControl.h"
#include "PictureButton.h"
#include "ConsoleTimeline.h"

#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
ConsoleSettings PadSettings(int panTiltType, int protocol = 0, int rx = 5)
{
    ConsoleSettings s;
    s.panTiltType = panTiltType;
    s.protocol = protocol;
    s.receiverType = rx;
    s.padPicture = 0;
    return s;
}

PTControl* Pad(TestConsole& t)
{
    return t.console->findChild<PTControl*>(QStringLiteral("PTControl"));
}

QPoint Centre(PTControl* pad)
{
    return QPoint(pad->geometry().cx(), pad->geometry().cy());
}
} // namespace

TEST(ConsolePad, ZoneModeDragSendsZonesThenTheStop)
{
    TestConsole t(PadSettings(0));
    t.console->show();
    Settle(t);
    PTControl* pad = Pad(t);
    ASSERT_NE(pad, nullptr);
    const QPoint c = Centre(pad);
    QTest::mousePress(pad, Qt::LeftButton, {}, c + QPoint(-30, -30));
    QTest::mouseMove(pad, c + QPoint(0, -30));
    QTest::mouseMove(pad, c + QPoint(0, -35)); // the same zone: nothing new
    QTest::mouseRelease(pad, Qt::LeftButton, {}, c + QPoint(0, -35));
    EXPECT_EQ(TextsOf(Follow(t, 2000)), (std::vector<std::string>{"PLTU", "PSTU", "PSTS"}));

    // A click in the centre square sends nothing but the stop.
    QTest::mouseClick(pad, Qt::LeftButton, {}, c);
    EXPECT_EQ(TextsOf(Follow(t, 2000)), std::vector<std::string>{"PSTS"});
}

TEST(ConsolePad, ProportionalStopOvertakesWaitingMotion)
{
    TestConsole t(PadSettings(1));
    t.console->show();
    Settle(t);
    PTControl* pad = Pad(t);
    const QPoint c = Centre(pad);
    // A centre click in proportional mode sends "PSTS" on press and on
    // release; the release's stop empties the queue first, so one goes out.
    QTest::mouseClick(pad, Qt::LeftButton, {}, c);
    EXPECT_EQ(TextsOf(Follow(t, 2000)), std::vector<std::string>{"PSTS"});

    // Motion commands still waiting when the drag ends are dropped.
    t.console->link().linkReady = false; // the camera has not answered yet
    QTest::mousePress(pad, Qt::LeftButton, {}, c + QPoint(-30, 0));
    QTest::mouseMove(pad, c + QPoint(-40, 0));
    QTest::mouseRelease(pad, Qt::LeftButton, {}, c + QPoint(-40, 0));
    EXPECT_EQ(t.console->link().queue().WaitingCount(), 1);
    t.console->link().linkReady = true;
    EXPECT_EQ(TextsOf(Follow(t, 2000)), std::vector<std::string>{"PSTS"});
}

TEST(ConsolePad, PadCommandsStopTheConsoleTour)
{
    ConsoleSettings s = PadSettings(0, 0, 3); // a receiver whose tour the console runs
    s.tourEntryFlags[0] = 1;
    TestConsole t(s);
    t.console->show();
    Settle(t);
    QTest::mouseClick(t.console->control(ConsoleControl::StartStop), Qt::LeftButton);
    ASSERT_TRUE(t.console->lamp(ConsoleLamp::Tour)->isLit());
    QTest::mouseClick(Pad(t), Qt::LeftButton, {}, Centre(Pad(t)));
    EXPECT_FALSE(t.console->lamp(ConsoleLamp::Tour)->isLit());
    EXPECT_FALSE(t.console->state().tourRunning);
}

TEST(ConsolePad, NudgeButtons)
{
    struct Case {
        int panTiltType, rx;
        const char* name;
        std::vector<std::string> sent;
    } cases[] = {
        {0, 5, "NudgeLeft", {"PL", "PSTS"}},
        {1, 5, "NudgeUp", {"un"}},
        {2, 12, "NudgeDown", {"nd"}},
    };
    for (const Case& c : cases) {
        TestConsole t(PadSettings(c.panTiltType, 0, c.rx));
        t.console->show();
        Settle(t);
        auto* nudge = Pad(t)->findChild<PictureButton*>(QString::fromLatin1(c.name));
        ASSERT_NE(nudge, nullptr) << c.name;
        QTest::mouseClick(nudge, Qt::LeftButton);
        EXPECT_EQ(TextsOf(Follow(t, 2000)), c.sent) << c.name;
    }
}

TEST(ConsolePad, JavelinProtocolsTranslateThePadText)
{
    TestConsole t(PadSettings(1, 3));
    t.console->show();
    Settle(t);
    const QPoint c = Centre(Pad(t));
    QTest::mousePress(Pad(t), Qt::LeftButton, {}, c + QPoint(-30, 0)); // "l9TS"
    t.clock.Advance(60);
    ASSERT_GE(t.line.written.size(), 1u);
    // Pan left start, FF 06 07 04 00 01 C0 2E: a binary record, not text.
    EXPECT_EQ(t.line.written[0], (FakeLine::Bytes{0xFF, 0x06, 0x07, 0x04, 0x00, 0x01, 0xC0, 0x2E}));
}

// Under the Javelin protocols a nudge starts its axis and stops it at once,
// whatever pad mode and nudge text: it never leaves the camera moving.
TEST(ConsolePad, JavelinNudgeStartsAndStopsItsAxis)
{
    const char* names[] = {"NudgeLeft", "NudgeRight", "NudgeUp", "NudgeDown"};
    for (int protocol : {3, 9})
        for (int panTiltType : {0, 1})
            for (int rx : {5, 12}) {
                std::vector<uint8_t> starts;
                for (const char* name : names) {
                    TestConsole t(PadSettings(panTiltType, protocol, rx));
                    t.console->show();
                    Settle(t);
                    QTest::mouseClick(Pad(t)->findChild<PictureButton*>(QString::fromLatin1(name)), Qt::LeftButton);
                    t.clock.Advance(1000);
                    const std::string trace = std::string(name) + " protocol " + std::to_string(protocol) +
                                              " type " + std::to_string(panTiltType) + " rx " + std::to_string(rx);
                    // The motion records (a silent camera also gets status requests).
                    std::vector<FakeLine::Bytes> motion;
                    for (const FakeLine::Bytes& frame : t.line.written)
                        if (frame.size() == 8 && frame[0] == 0xFF && frame[3] == 0x04)
                            motion.push_back(frame);
                    ASSERT_EQ(motion.size(), 2u) << trace;
                    const FakeLine::Bytes& start = motion[0];
                    const FakeLine::Bytes& stop = motion[1];
                    EXPECT_EQ(t.line.written[0], start) << trace << ": the nudge goes first";
                    EXPECT_TRUE(start[6] & 0x80) << trace << ": the start";
                    EXPECT_EQ(stop[6], start[6] & 0x7F) << trace << ": the same axis stopped";
                    starts.push_back(start[6]);
                }
                std::sort(starts.begin(), starts.end());
                EXPECT_EQ(std::unique(starts.begin(), starts.end()), starts.end()) << "four directions";
            }
}

namespace {
// A joystick as the program finds it: here one with only two axes.
struct TwoAxisJoystick : JoystickSource {
    bool Present() const override { return true; }
    JoystickCaps Caps() const override { return JoystickCapsForAxes(2); }
    void Capture(JoystickListener* l) override { listener = l; }
    void Release() override { listener = nullptr; }
    JoystickListener* listener = nullptr;
};
} // namespace

// Without a throttle the hat zooms and focuses at speed digit 1.
TEST(ConsolePad, JoystickWithoutThrottleUsesSpeedOne)
{
    TwoAxisJoystick joystick;
    TestConsole t(PadSettings(1), true, &joystick);
    t.console->show();
    Settle(t);
    ASSERT_NE(joystick.listener, nullptr);
    JoystickSample hat; // both axes centred, z at 0 as a device without one reports
    hat.pov = 0;
    joystick.listener->JoystickMoved(hat);
    hat.pov = 65535;
    joystick.listener->JoystickMoved(hat);
    hat.pov = 27000;
    joystick.listener->JoystickMoved(hat);
    EXPECT_EQ(TextsOf(Follow(t, 1000)), (std::vector<std::string>{"cZ1", "cZs", "cN1"}));
}

namespace {
// The mean colour of a picture away from its centre cross.
QColor MeanColour(const QPixmap& picture)
{
    const QImage image = picture.toImage();
    long r = 0, g = 0, b = 0, n = 0;
    for (int y = 5; y < image.height() - 5; y += 3)
        for (int x = 5; x < image.width() - 5; x += 3) {
            if (std::abs(x - image.width() / 2) < 14 || std::abs(y - image.height() / 2) < 14)
                continue;
            const QColor c = image.pixelColor(x, y);
            r += c.red();
            g += c.green();
            b += c.blue();
            ++n;
        }
    return QColor(int(r / n), int(g / n), int(b / n));
}
} // namespace

// Each pad picture looks like its name in Setup's "Pan/Tilt Background" list.
TEST(ConsolePad, PadPicturesMatchTheirNames)
{
    const QColor grey = MeanColour(PTControl::PadPicture(1)); // "Plain old gray"
    EXPECT_LT(grey.hsvSaturation(), 20);
    EXPECT_GT(grey.value(), 110);
    EXPECT_LT(grey.value(), 200);
    EXPECT_LT(MeanColour(PTControl::PadPicture(2)).value(), 40); // "Black Space"
    const QImage flag = PTControl::PadPicture(3).toImage();      // "Red White and Blue"
    EXPECT_TRUE(flag.pixelColor(10, 10).red() > 150 && flag.pixelColor(10, 10).green() < 80) << "red above";
    EXPECT_GT(flag.pixelColor(10, 40).lightness(), 230) << "white between";
    EXPECT_GT(flag.pixelColor(10, 90).blue(), 150) << "blue below";
    for (int index : {0, 8, -1})
        EXPECT_TRUE(PTControl::PadPicture(index).isNull()) << index;
}
