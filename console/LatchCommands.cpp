#include "LatchCommands.h"

#include "ConsoleControlIds.h"
#include "LensCommands.h"

#include <algorithm>
#include <initializer_list>

namespace {
bool OneOf(int v, std::initializer_list<int> set)
{
    return std::find(set.begin(), set.end(), v) != set.end();
}

LatchAction Queue(std::string text)
{
    LatchAction a;
    a.kind = LatchAction::Kind::Text;
    a.text = std::move(text);
    return a;
}

LatchAction JavelinAction(JavelinLatch action)
{
    LatchAction a;
    a.kind = LatchAction::Kind::Javelin;
    a.javelin = action;
    return a;
}

// A latch that switches with its own state: the command, the lamp and the
// latch's lens buttons follow the new state.
LatchAction Toggle(bool newState, std::string text, bool lampOn, bool buttonsOn)
{
    LatchAction a = text.empty() ? LatchAction{} : Queue(std::move(text));
    a.changesState = true;
    a.newState = newState;
    a.lampOn = lampOn;
    a.buttonsOn = buttonsOn;
    return a;
}
} // namespace

LatchAction ManualIrisAction(const LensContext& c, bool autoIris)
{
    if (c.javelin())
        return JavelinAction(JavelinLatch::ManualIris);
    const int rx = c.receiverType;
    // Going automatic switches the lamp and the iris buttons off.
    auto toggle = [&](const char* toAuto, const char* toManual) {
        return autoIris ? Toggle(false, toManual, true, true) : Toggle(true, toAuto, false, false);
    };
    if (OneOf(rx, {0, 1, 2, 8, 9, 10}))
        return Queue("LM");
    if (OneOf(rx, {3, 4, 5, 6, 7, 14}))
        return toggle("cIA", "cIM");
    if (rx == 12)
        return c.right() ? Queue("LM") : toggle("cIA", "cIM");
    if (rx == 13)
        return toggle("bIA", "bIM");
    return {};
}

LatchAction ManualFocusAction(const LensContext& c, bool manualFocus)
{
    if (c.javelin())
        return JavelinAction(JavelinLatch::ManualFocus);
    const int rx = c.receiverType;
    auto toggle = [&](const char* toAuto, const char* toManual) {
        return manualFocus ? Toggle(false, toAuto, false, false) : Toggle(true, toManual, true, true);
    };
    if (OneOf(rx, {0, 1, 2, 8, 9, 10, 14}))
        return Queue("L1");
    if (OneOf(rx, {3, 4, 5, 6, 7, 11}))
        return toggle("cFA", "cFM");
    if (rx == 12)
        return c.right() ? toggle("L1", "L1") : toggle("cFA", "cFM");
    if (rx == 13)
        return toggle("bFA", "bFM");
    return {};
}

LatchAction ManualIntegrationAction(const LensContext& c, bool manualIntegration)
{
    if (c.protocol == 3)
        return {};
    if (!manualIntegration)
        return Toggle(true, "", true, true);
    // Back to automatic integration; only these cameras have a command for it.
    const char* text = c.cameraType == 2 ? "cS5" : (c.cameraType == 3 || c.cameraType == 11) ? "cS0" : "";
    return Toggle(false, text, false, false);
}

namespace {
using Send = ButtonCommand::Send;

constexpr int kQueueMs = 5;

ButtonCommand Command(Send send, std::string text = {})
{
    ButtonCommand b;
    b.send = send;
    b.text = std::move(text);
    if (send == Send::Queued || send == Send::Javelin)
        b.queueTimerMs = kQueueMs;
    return b;
}

ButtonCommand Queued(std::string text)
{
    return Command(Send::Queued, std::move(text));
}

ButtonCommand Direct(std::string text)
{
    return Command(Send::Direct, std::move(text));
}

// A text when not on a Javelin protocol, else the Javelin action.
ButtonCommand TextOrJavelin(const LensContext& c, ButtonCommand text, JavelinLatch action)
{
    if (!c.javelin())
        return text;
    ButtonCommand b = Command(Send::Javelin);
    b.javelin = action;
    return b;
}

// A toggle sends the command of its new state.
ButtonCommand DirectToggle(bool state, const char* on, const char* off)
{
    ButtonCommand b = Direct(state ? off : on);
    b.toggles = true;
    b.newState = !state;
    return b;
}

// The lens speed radio buttons send nothing.
ButtonCommand Speed(int speed)
{
    ButtonCommand b;
    b.lensSpeed = speed;
    b.lensFastState = speed == 2 ? 1 : 0;
    b.lamp = ConsoleLamp::LensFast;
    b.lampOn = speed == 2;
    return b;
}

ButtonCommand Source(int source)
{
    ButtonCommand b = Direct(source == 0 ? "ms0" : "ms1");
    b.videoSource = source;
    b.statusPollAfterMs = 500;
    return b;
}

ButtonCommand WithPoll(ButtonCommand b, int ms)
{
    b.statusPollAfterMs = ms;
    return b;
}
} // namespace

ButtonCommand LatchButtonCommand(int controlId, const LensContext& c, bool state)
{
    using namespace ConsoleControl;
    switch (controlId) {
    case CameraPower: return WithPoll(TextOrJavelin(c, Queued("LP"), JavelinLatch::CameraPower), 1500);
    case Reset: return TextOrJavelin(c, Direct("rs"), JavelinLatch::Reset);
    case LensFast: {
        ButtonCommand b = Queued("LL");
        b.lensSpeed = -1;
        return b;
    }
    case ColorBalance: return Queued("L1");
    case UltraSlow: return Speed(0);
    case Slow: return Speed(1);
    case Fast: return Speed(2);
    case AutoFocusOnPtz: return DirectToggle(state, "L6", "L6");
    case Aux2Enable: {
        ButtonCommand b = DirectToggle(state, "21", "20");
        b.lamp = ConsoleLamp::Aux2;
        b.lampOn = b.newState;
        return b;
    }
    case Wipe: return WithPoll(Direct("L3"), 15000);
    case Wash: return WithPoll(Direct("L2"), 15000);
    case SourceLeft: return Source(0);
    case SourceRight: return Source(1);
    case LeftCameraPwr: return Direct("LcP");
    case RightCameraPwr: return Direct("Lcp");
    case PwrStatusReq: return Direct("LcS");
    case LeftVideoReversed: return DirectToggle(state, "mR1", "mR0");
    case RightVideoReversed: return DirectToggle(state, "mr1", "mr0");
    case PressureQuery: return Direct("mPS");
    case SeekHome: return Direct("mFH");
    case GetAzimuth: return Direct("mNS");
    case EnableNtcip: return Direct("mNE");
    case DisableNtcip: {
        ButtonCommand b = Command(Send::NtcipFrame);
        b.followUpAfterMs = 800;
        b.followUpText = "mND";
        return b;
    }
    default: return {};
    }
}
