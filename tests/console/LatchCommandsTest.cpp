#include "LatchCommands.h"

#include "ConsoleControlIds.h"
#include "LensCommands.h"

#include <gtest/gtest.h>

namespace {
using Kind = LatchAction::Kind;
using Send = ButtonCommand::Send;

// What a latch press should do; `changes` false means the state, lamp and
// buttons are left alone.
struct LatchCase {
    int receiverType, videoSource, protocol;
    bool state;
    Kind kind;
    const char* text;
    bool changes, newState, lampOn, buttonsOn;
};

void Check(const LatchAction& a, const LatchCase& c, const char* latch)
{
    SCOPED_TRACE(std::string(latch) + " receiver " + std::to_string(c.receiverType) + " source " +
                 std::to_string(c.videoSource) + " protocol " + std::to_string(c.protocol) + " state " +
                 std::to_string(c.state));
    EXPECT_EQ(a.kind, c.kind);
    EXPECT_EQ(a.text, c.text);
    EXPECT_EQ(a.changesState, c.changes);
    if (c.changes) {
        EXPECT_EQ(a.newState, c.newState);
        EXPECT_EQ(a.lampOn, c.lampOn);
        EXPECT_EQ(a.buttonsOn, c.buttonsOn);
    }
}

LensContext Receiver(const LatchCase& c, int cameraType = 3)
{
    return {.cameraType = cameraType, .receiverType = c.receiverType, .protocol = c.protocol,
            .videoSource = c.videoSource};
}
} // namespace

// The state is the auto-iris state: automatic goes manual with the lamp on
// and "IO"/"IC" enabled.
TEST(LatchCommands, ManualIrisByReceiverType)
{
    const LatchCase cases[] = {
        {0, 0, 0, true, Kind::Text, "LM", false, false, false, false},
        {1, 0, 0, false, Kind::Text, "LM", false, false, false, false},
        {2, 1, 0, true, Kind::Text, "LM", false, false, false, false},
        {8, 0, 0, true, Kind::Text, "LM", false, false, false, false},
        {9, 0, 0, true, Kind::Text, "LM", false, false, false, false},
        {10, 0, 0, true, Kind::Text, "LM", false, false, false, false},
        {3, 0, 0, true, Kind::Text, "cIM", true, false, true, true},
        {4, 0, 0, false, Kind::Text, "cIA", true, true, false, false},
        {5, 1, 0, true, Kind::Text, "cIM", true, false, true, true},
        {6, 0, 0, false, Kind::Text, "cIA", true, true, false, false},
        {7, 0, 0, true, Kind::Text, "cIM", true, false, true, true},
        {14, 0, 0, false, Kind::Text, "cIA", true, true, false, false},
        {12, 0, 0, true, Kind::Text, "cIM", true, false, true, true},
        {12, 0, 0, false, Kind::Text, "cIA", true, true, false, false},
        {12, 1, 0, true, Kind::Text, "LM", false, false, false, false},
        {13, 0, 0, true, Kind::Text, "bIM", true, false, true, true},
        {13, 0, 0, false, Kind::Text, "bIA", true, true, false, false},
        {11, 0, 0, true, Kind::None, "", false, false, false, false},
        {15, 0, 0, true, Kind::None, "", false, false, false, false},
        // Javelin: the manual-iris action only, whatever the receiver.
        {5, 0, 3, true, Kind::Javelin, "", false, false, false, false},
        {11, 0, 9, false, Kind::Javelin, "", false, false, false, false},
    };
    for (const LatchCase& c : cases) {
        const LatchAction a = ManualIrisAction(Receiver(c), c.state);
        Check(a, c, "Manual Iris");
        if (a.kind == Kind::Javelin) {
            EXPECT_EQ(a.javelin, JavelinLatch::ManualIris);
        }
    }
}

// The state is the manual-focus state: going manual lights the lamp and
// enables "FN"/"FF".
TEST(LatchCommands, ManualFocusByReceiverType)
{
    const LatchCase cases[] = {
        {0, 0, 0, true, Kind::Text, "L1", false, false, false, false},
        {1, 0, 0, false, Kind::Text, "L1", false, false, false, false},
        {2, 0, 0, true, Kind::Text, "L1", false, false, false, false},
        {8, 1, 0, true, Kind::Text, "L1", false, false, false, false},
        {9, 0, 0, true, Kind::Text, "L1", false, false, false, false},
        {10, 0, 0, true, Kind::Text, "L1", false, false, false, false},
        {14, 0, 0, false, Kind::Text, "L1", false, false, false, false},
        {3, 0, 0, false, Kind::Text, "cFM", true, true, true, true},
        {4, 0, 0, true, Kind::Text, "cFA", true, false, false, false},
        {5, 0, 0, false, Kind::Text, "cFM", true, true, true, true},
        {6, 1, 0, true, Kind::Text, "cFA", true, false, false, false},
        {7, 0, 0, false, Kind::Text, "cFM", true, true, true, true},
        {11, 0, 0, true, Kind::Text, "cFA", true, false, false, false},
        // Receiver 12 switches on either source; the right one sends "L1".
        {12, 0, 0, false, Kind::Text, "cFM", true, true, true, true},
        {12, 0, 0, true, Kind::Text, "cFA", true, false, false, false},
        {12, 1, 0, false, Kind::Text, "L1", true, true, true, true},
        {12, 1, 0, true, Kind::Text, "L1", true, false, false, false},
        {13, 0, 0, false, Kind::Text, "bFM", true, true, true, true},
        {13, 0, 0, true, Kind::Text, "bFA", true, false, false, false},
        {15, 0, 0, true, Kind::None, "", false, false, false, false},
        {-1, 0, 0, true, Kind::None, "", false, false, false, false},
        {14, 0, 9, true, Kind::Javelin, "", false, false, false, false},
        {12, 1, 3, false, Kind::Javelin, "", false, false, false, false},
    };
    for (const LatchCase& c : cases) {
        const LatchAction a = ManualFocusAction(Receiver(c), c.state);
        Check(a, c, "Manual Focus");
        if (a.kind == Kind::Javelin) {
            EXPECT_EQ(a.javelin, JavelinLatch::ManualFocus);
        }
    }
}

// Switching on sends nothing; switching off sends the camera's automatic
// integration command, or nothing for a camera that has none. Protocol 3
// does nothing at all.
TEST(LatchCommands, ManualIntegration)
{
    struct Case {
        int cam, protocol;
        bool state;
        Kind kind;
        const char* text;
        bool changes;
    } cases[] = {
        {3, 0, false, Kind::None, "", true},    {2, 0, false, Kind::None, "", true},
        {2, 0, true, Kind::Text, "cS5", true},  {3, 0, true, Kind::Text, "cS0", true},
        {11, 0, true, Kind::Text, "cS0", true}, {3, 9, true, Kind::Text, "cS0", true},
        {0, 0, true, Kind::None, "", true},     {5, 0, true, Kind::None, "", true},
        {12, 0, true, Kind::None, "", true},
        {3, 3, true, Kind::None, "", false},    {2, 3, false, Kind::None, "", false},
    };
    for (const Case& c : cases) {
        const LatchAction a = ManualIntegrationAction({.cameraType = c.cam, .receiverType = 3, .protocol = c.protocol},
                                                      c.state);
        SCOPED_TRACE("camera " + std::to_string(c.cam) + " protocol " + std::to_string(c.protocol));
        EXPECT_EQ(a.kind, c.kind);
        EXPECT_EQ(a.text, c.text);
        EXPECT_EQ(a.changesState, c.changes);
        if (c.changes) {
            // The lamp and "MIU"/"MID" follow the new state.
            EXPECT_EQ(a.newState, !c.state);
            EXPECT_EQ(a.lampOn, !c.state);
            EXPECT_EQ(a.buttonsOn, !c.state);
        }
    }
}

TEST(LatchCommands, PlainButtons)
{
    using namespace ConsoleControl;
    struct Case {
        int id;
        bool state;
        Send send;
        const char* text;
        int pollMs;
        bool toggles;
    } cases[] = {
        {CameraPower, false, Send::Queued, "LP", 1500, false},
        {Reset, false, Send::Direct, "rs", -1, false},
        {LensFast, false, Send::Queued, "LL", -1, false},
        {ColorBalance, false, Send::Queued, "L1", -1, false},
        {AutoFocusOnPtz, false, Send::Direct, "L6", -1, true},
        {AutoFocusOnPtz, true, Send::Direct, "L6", -1, true},
        {Aux2Enable, false, Send::Direct, "21", -1, true},
        {Aux2Enable, true, Send::Direct, "20", -1, true},
        {Wipe, false, Send::Direct, "L3", 15000, false},
        {Wash, false, Send::Direct, "L2", 15000, false},
        {SourceLeft, false, Send::Direct, "ms0", 500, false},
        {SourceRight, false, Send::Direct, "ms1", 500, false},
        {LeftCameraPwr, false, Send::Direct, "LcP", -1, false},
        {RightCameraPwr, false, Send::Direct, "Lcp", -1, false},
        {PwrStatusReq, false, Send::Direct, "LcS", -1, false},
        {LeftVideoReversed, false, Send::Direct, "mR1", -1, true},
        {LeftVideoReversed, true, Send::Direct, "mR0", -1, true},
        {RightVideoReversed, false, Send::Direct, "mr1", -1, true},
        {RightVideoReversed, true, Send::Direct, "mr0", -1, true},
        {PressureQuery, false, Send::Direct, "mPS", -1, false},
        {SeekHome, false, Send::Direct, "mFH", -1, false},
        {GetAzimuth, false, Send::Direct, "mNS", -1, false},
        {EnableNtcip, false, Send::Direct, "mNE", -1, false},
        {DisableNtcip, false, Send::NtcipFrame, "", -1, false},
        {UltraSlow, false, Send::None, "", -1, false},
        // Dialogs and the manual latches are the window's own.
        {WipeSetup, false, Send::None, "", -1, false},
        {Illuminator, false, Send::None, "", -1, false},
        {SendModule, false, Send::None, "", -1, false},
        {SetAzimuth, false, Send::None, "", -1, false},
        {ManualIris, false, Send::None, "", -1, false},
        {ZoomIn, false, Send::None, "", -1, false},
    };
    for (const Case& c : cases) {
        const ButtonCommand b = LatchButtonCommand(c.id, {.cameraType = 3, .receiverType = 5}, c.state);
        SCOPED_TRACE("button " + std::to_string(c.id) + " state " + std::to_string(c.state));
        EXPECT_EQ(b.send, c.send);
        EXPECT_EQ(b.text, c.text);
        EXPECT_EQ(b.statusPollAfterMs, c.pollMs);
        EXPECT_EQ(b.queueTimerMs, c.send == Send::Queued ? 5 : 0);
        EXPECT_EQ(b.toggles, c.toggles);
        if (c.toggles) {
            EXPECT_EQ(b.newState, !c.state);
        }
        EXPECT_EQ(b.followUpAfterMs, c.id == DisableNtcip ? 800 : -1);
        EXPECT_EQ(b.videoSource.has_value(), c.id == SourceLeft || c.id == SourceRight);
    }
    const ButtonCommand ntcip = LatchButtonCommand(DisableNtcip, {});
    EXPECT_EQ(ntcip.followUpText, "mND");
    EXPECT_EQ(LatchButtonCommand(SourceRight, {}).videoSource, 1);
    EXPECT_EQ(LatchButtonCommand(SourceLeft, {.videoSource = 1}).videoSource, 0);
    const ButtonCommand aux = LatchButtonCommand(Aux2Enable, {}, false);
    EXPECT_EQ(aux.lamp, ConsoleLamp::Aux2);
    EXPECT_TRUE(aux.lampOn);
    EXPECT_FALSE(LatchButtonCommand(Aux2Enable, {}, true).lampOn);
}

// Camera Power and Reset use their Javelin actions on protocols 3 and 9;
// the status poll still follows Camera Power.
TEST(LatchCommands, JavelinAlternatives)
{
    using namespace ConsoleControl;
    for (int protocol : {3, 9}) {
        const LensContext c{.cameraType = 2, .protocol = protocol};
        const ButtonCommand power = LatchButtonCommand(CameraPower, c);
        EXPECT_EQ(power.send, Send::Javelin);
        EXPECT_EQ(power.javelin, JavelinLatch::CameraPower);
        EXPECT_EQ(power.queueTimerMs, 5);
        EXPECT_EQ(power.statusPollAfterMs, 1500);
        EXPECT_TRUE(power.text.empty());
        const ButtonCommand reset = LatchButtonCommand(Reset, c);
        EXPECT_EQ(reset.send, Send::Javelin);
        EXPECT_EQ(reset.javelin, JavelinLatch::Reset);
        // The others keep their texts.
        EXPECT_EQ(LatchButtonCommand(Wipe, c).text, "L3");
    }
    EXPECT_EQ(LatchButtonCommand(CameraPower, {.protocol = 4}).send, Send::Queued);
}

// The speed buttons set the speed and fast state and draw the "Lens Fast"
// lamp; "Lens Fast" clears the speed, so the next zoom follows the fast state.
TEST(LatchCommands, LensSpeedThenLensFast)
{
    using namespace ConsoleControl;
    LensContext c{.cameraType = 3, .panTiltType = 1};
    auto apply = [&c](int id) {
        const ButtonCommand b = LatchButtonCommand(id, c);
        if (b.lensSpeed)
            c.lensSpeed = *b.lensSpeed;
        if (b.lensFastState)
            c.lensFastState = *b.lensFastState;
        return b;
    };
    auto zoom = [&c] { return LensPressCommand(LensButton::ZoomIn, c).text; };

    struct Case {
        int id;
        int lamp;  // -1 not drawn
        bool lampOn;
        const char* zoom;
    } steps[] = {
        {Fast, ConsoleLamp::LensFast, true, "cZ2"},
        {LensFast, -1, false, "cZ2"}, // no speed chosen, the fast state stays 1
        {Slow, ConsoleLamp::LensFast, false, "cZ1"},
        {LensFast, -1, false, "cZ0"},
        {UltraSlow, ConsoleLamp::LensFast, false, "cZ0"},
    };
    for (const Case& s : steps) {
        SCOPED_TRACE("button " + std::to_string(s.id));
        const ButtonCommand b = apply(s.id);
        EXPECT_EQ(b.lamp, s.lamp);
        EXPECT_EQ(b.lampOn, s.lampOn);
        EXPECT_EQ(zoom(), s.zoom);
    }
    EXPECT_EQ(c.lensSpeed, 0);
}
