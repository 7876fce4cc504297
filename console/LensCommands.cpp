#include "LensCommands.h"

#include <algorithm>
#include <initializer_list>

namespace {
using Kind = LensAction::Kind;

bool OneOf(int v, std::initializer_list<int> set)
{
    return std::find(set.begin(), set.end(), v) != set.end();
}

LensAction Text(std::string text, int ms)
{
    LensAction a;
    a.kind = Kind::Text;
    a.text = std::move(text);
    a.queueTimerMs = ms;
    return a;
}

LensAction None()
{
    return {};
}

// The command texts of one lens direction.
struct Forms {
    const char* plain;   // "ZI"
    const char* dsp;     // "cZ" + speed digit
    const char* thermal; // "tX1"
};

// Speed rule: the DSP form with the chosen speed, or with 2 or 0 by the
// fast state when none is chosen; any other speed gives the plain form.
// With plainWhenNone a missing choice gives the plain form too.
std::string BySpeed(const Forms& f, const LensContext& c, bool plainWhenNone)
{
    if (c.lensSpeed >= 0 && c.lensSpeed <= 2)
        return std::string(f.dsp) + static_cast<char>('0' + c.lensSpeed);
    if (c.lensSpeed == -1 && !plainWhenNone)
        return std::string(f.dsp) + (c.lensFastState == 1 ? '2' : '0');
    return f.plain;
}

LensAction Javelin(LensMotion motion, const LensContext& c)
{
    LensAction a;
    a.kind = Kind::Javelin;
    a.motion = motion;
    a.queueTimerMs = c.cameraType == 7 ? 10 : 5;
    return a;
}

constexpr int kPressMs = 50;

// Zoom and focus share their table; focus differs for camera type 18.
LensAction ZoomOrFocus(const Forms& f, LensMotion motion, bool focus, const LensContext& c)
{
    const int cam = c.cameraType;
    auto speed = [&](bool plainWhenNone) { return Text(BySpeed(f, c, plainWhenNone), kPressMs); };
    if (cam == 0)
        return Text(f.plain, kPressMs);
    if (OneOf(cam, {1, 4, 5, 8, 14, 17}))
        return speed(true);
    if (OneOf(cam, {2, 3, 13})) {
        if (c.javelin())
            return Javelin(motion, c);
        return c.panTiltType == 0 ? Text(f.plain, kPressMs) : speed(false);
    }
    if (OneOf(cam, {6, 15, 16, 18})) {
        if (!c.right())
            return speed(focus && cam == 18);
        if (!focus && cam == 18)
            return speed(true);
        return Text(f.thermal, kPressMs);
    }
    if (cam == 7) {
        if (c.javelin())
            return Javelin(motion, c);
        return c.right() ? Text(f.plain, kPressMs) : speed(false);
    }
    if (cam == 9)
        return c.right() ? None() : Text(f.thermal, kPressMs);
    if (cam == 10 || cam == 11)
        return c.right() ? None() : speed(false);
    if (cam == 12)
        return speed(false);
    return None();
}

LensAction Iris(bool open, const LensContext& c)
{
    const int cam = c.cameraType;
    const char* plain = open ? "IO" : "IC";
    const char* dsp = open ? "cIO" : "cIC";
    const LensMotion motion = open ? LensMotion::IrisOpen : LensMotion::IrisClose;
    const char* dspOrPlain = c.panTiltType != 0 ? dsp : plain;
    if (OneOf(cam, {0, 1, 4, 8}))
        return Text(plain, kPressMs);
    if (cam == 2) {
        // Only the open button has a Javelin and a DSP form on this camera.
        if (!open)
            return Text(plain, kPressMs);
        return c.javelin() ? Javelin(motion, c) : Text(dspOrPlain, kPressMs);
    }
    if (OneOf(cam, {3, 11, 13, 17}))
        return c.javelin() ? Javelin(motion, c) : Text(dspOrPlain, kPressMs);
    if (OneOf(cam, {6, 15, 16, 18}))
        return Text(c.right() ? (open ? "tiO" : "tiC") : dspOrPlain, kPressMs);
    if (cam == 7) {
        if (c.javelin())
            return Javelin(motion, c);
        return Text(c.right() ? plain : dsp, kPressMs);
    }
    if (cam == 12)
        return Text(dsp, kPressMs);
    if (cam == 14) {
        if (c.lensSpeed == -1)
            return None();
        if (c.lensSpeed >= 0 && c.lensSpeed <= 2)
            return Text(std::string(open ? "ci" : "cI") + static_cast<char>('0' + c.lensSpeed), kPressMs);
        return Text(plain, kPressMs);
    }
    return None();
}

LensAction Stop(const char* text, int ms, LensAxis axis, bool javelin)
{
    if (!javelin)
        return Text(text, ms);
    LensAction a;
    a.kind = Kind::Javelin;
    a.axis = axis;
    a.queueTimerMs = ms;
    return a;
}
} // namespace

LensHeld HeldBy(LensButton button)
{
    switch (button) {
    case LensButton::ZoomIn:
    case LensButton::ZoomOut: return LensHeld::Zoom;
    case LensButton::FocusNear:
    case LensButton::FocusFar: return LensHeld::Focus;
    case LensButton::IrisOpen:
    case LensButton::IrisClose: return LensHeld::Iris;
    case LensButton::ColorRed:
    case LensButton::ColorBlue: return LensHeld::Colour;
    case LensButton::IntegrationUp:
    case LensButton::IntegrationDown: return LensHeld::Integration;
    }
    return LensHeld::None;
}

LensHeld FirstHeld(const LensMotionFlags& f)
{
    if (f.zoom)
        return LensHeld::Zoom;
    if (f.iris)
        return LensHeld::Iris;
    if (f.focus)
        return LensHeld::Focus;
    if (f.colour)
        return LensHeld::Colour;
    if (f.integration)
        return LensHeld::Integration;
    return LensHeld::None;
}

namespace {
LensAction PressCommand(LensButton button, const LensContext& c)
{
    switch (button) {
    case LensButton::ZoomIn: return ZoomOrFocus({"ZI", "cZ", "tX1"}, LensMotion::ZoomIn, false, c);
    case LensButton::ZoomOut: return ZoomOrFocus({"ZO", "cz", "tX0"}, LensMotion::ZoomOut, false, c);
    case LensButton::FocusNear: return ZoomOrFocus({"FN", "cN", "tfN"}, LensMotion::FocusNear, true, c);
    case LensButton::FocusFar: return ZoomOrFocus({"FF", "cF", "tfF"}, LensMotion::FocusFar, true, c);
    case LensButton::IrisOpen: return Iris(true, c);
    case LensButton::IrisClose: return Iris(false, c);
    case LensButton::ColorRed:
    case LensButton::IntegrationUp: return Text("B1", kPressMs);
    case LensButton::ColorBlue:
    case LensButton::IntegrationDown: return Text("B2", kPressMs);
    }
    return None();
}
} // namespace

LensAction LensPressCommand(LensButton button, const LensContext& c)
{
    LensAction a = PressCommand(button, c);
    const LensHeld held = HeldBy(button);
    a.stopsTour = held == LensHeld::Zoom || held == LensHeld::Focus;
    return a;
}

LensAction LensReleaseCommand(LensHeld held, const LensContext& c)
{
    const int cam = c.cameraType;
    const bool slow = cam == 0 || cam == 1;
    const bool thermalPair = OneOf(cam, {6, 15, 16, 18});
    switch (held) {
    case LensHeld::Zoom:
        if (slow)
            return Text("ZS", 150);
        if (OneOf(cam, {2, 3, 4, 5, 7, 8, 11, 12, 13, 14, 17}))
            return Stop("ZS", 10, LensAxis::Zoom, c.javelin());
        if (thermalPair)
            return Text(c.right() && cam != 18 ? "tZS" : "ZS", 10);
        return None();
    case LensHeld::Iris:
        if (slow)
            return Text("IS", 150);
        if (OneOf(cam, {2, 3, 4, 5, 7, 8, 11, 12, 13, 14, 17}))
            return Stop("IS", 10, LensAxis::Iris, c.javelin());
        if (OneOf(cam, {6, 15, 16}))
            return Text(c.right() ? "tIS" : "IS", 10);
        return None();
    case LensHeld::Focus:
        if (slow)
            return Text("FS", 150);
        if (OneOf(cam, {2, 3, 4, 5, 7, 8, 11, 12, 14, 17}))
            return Stop("FS", 10, LensAxis::Focus, c.javelin());
        if (thermalPair)
            return Text(c.right() && cam != 18 ? "tfS" : "FS", 10);
        return None();
    case LensHeld::Colour:
    case LensHeld::Integration:
        return Text("B0", 150);
    case LensHeld::None:
        break;
    }
    return None();
}
