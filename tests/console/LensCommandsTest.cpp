#include "LensCommands.h"

#include <gtest/gtest.h>

namespace {
using B = LensButton;
using H = LensHeld;

// "text" for a text command, "J" for a Javelin action, "" for nothing.
std::string Describe(const LensAction& a)
{
    return a.kind == LensAction::Kind::Text ? a.text : a.kind == LensAction::Kind::Javelin ? "J" : "";
}

std::string Press(B b, const LensContext& c)
{
    return Describe(LensPressCommand(b, c));
}

std::string Where(const LensContext& c)
{
    return "camera " + std::to_string(c.cameraType) + " speed " + std::to_string(c.lensSpeed) + " fast " +
           std::to_string(c.lensFastState) + " source " + std::to_string(c.videoSource) + " protocol " +
           std::to_string(c.protocol) + " pan/tilt " + std::to_string(c.panTiltType);
}
} // namespace

// Zoom and focus share one table, both directions of each in one row.
TEST(LensCommands, ZoomAndFocusByCameraTypeSpeedAndSource)
{
    struct Case {
        LensContext c;
        const char *zi, *zo, *fn, *ff;
    } cases[] = {
        {{.cameraType = 0, .lensSpeed = 2}, "ZI", "ZO", "FN", "FF"},
        // Plain when no speed is chosen, whatever the fast state.
        {{.cameraType = 1}, "ZI", "ZO", "FN", "FF"},
        {{.cameraType = 17, .lensFastState = 1}, "ZI", "ZO", "FN", "FF"},
        {{.cameraType = 4, .lensSpeed = 0}, "cZ0", "cz0", "cN0", "cF0"},
        {{.cameraType = 5, .lensSpeed = 1}, "cZ1", "cz1", "cN1", "cF1"},
        {{.cameraType = 8, .lensSpeed = 2}, "cZ2", "cz2", "cN2", "cF2"},
        {{.cameraType = 14, .lensSpeed = 7}, "ZI", "ZO", "FN", "FF"}, // any other speed: plain
        // Plain on pan/tilt type 0, else the speed rule; Javelin comes first.
        {{.cameraType = 2, .panTiltType = 0, .lensSpeed = 1}, "ZI", "ZO", "FN", "FF"},
        {{.cameraType = 3, .panTiltType = 1, .lensSpeed = 1}, "cZ1", "cz1", "cN1", "cF1"},
        {{.cameraType = 13, .panTiltType = 1, .lensFastState = 1}, "cZ2", "cz2", "cN2", "cF2"},
        {{.cameraType = 13, .panTiltType = 1, .lensFastState = 0}, "cZ0", "cz0", "cN0", "cF0"},
        {{.cameraType = 13, .panTiltType = 1, .lensSpeed = 3}, "ZI", "ZO", "FN", "FF"},
        {{.cameraType = 2, .protocol = 3}, "J", "J", "J", "J"},
        {{.cameraType = 13, .protocol = 9, .panTiltType = 0}, "J", "J", "J", "J"},
        // Camera 12 has no Javelin form.
        {{.cameraType = 12, .protocol = 3}, "cZ0", "cz0", "cN0", "cF0"},
        {{.cameraType = 12, .lensSpeed = 1}, "cZ1", "cz1", "cN1", "cF1"},
        {{.cameraType = 12, .lensSpeed = 5}, "ZI", "ZO", "FN", "FF"},
        // Thermal pairs: the right source is the thermal camera.
        {{.cameraType = 6, .lensSpeed = 1}, "cZ1", "cz1", "cN1", "cF1"},
        {{.cameraType = 6, .lensSpeed = 1, .videoSource = 1}, "tX1", "tX0", "tfN", "tfF"},
        {{.cameraType = 15, .lensFastState = 1}, "cZ2", "cz2", "cN2", "cF2"},
        {{.cameraType = 16, .videoSource = 1}, "tX1", "tX0", "tfN", "tfF"},
        // Type 18: focus plain when none is chosen on the left; zoom on the
        // right uses the lens, plain when none is chosen.
        {{.cameraType = 18}, "cZ0", "cz0", "FN", "FF"},
        {{.cameraType = 18, .lensSpeed = 2}, "cZ2", "cz2", "cN2", "cF2"},
        {{.cameraType = 18, .videoSource = 1}, "ZI", "ZO", "tfN", "tfF"},
        {{.cameraType = 18, .lensSpeed = 1, .videoSource = 1}, "cZ1", "cz1", "tfN", "tfF"},
        {{.cameraType = 7}, "cZ0", "cz0", "cN0", "cF0"},
        {{.cameraType = 7, .videoSource = 1}, "ZI", "ZO", "FN", "FF"},
        {{.cameraType = 7, .protocol = 9, .videoSource = 1}, "J", "J", "J", "J"},
        {{.cameraType = 9, .lensSpeed = 0}, "tX1", "tX0", "tfN", "tfF"},
        {{.cameraType = 9, .lensSpeed = 0, .videoSource = 1}, "", "", "", ""},
        {{.cameraType = 10, .lensSpeed = 0}, "cZ0", "cz0", "cN0", "cF0"},
        {{.cameraType = 10, .videoSource = 1}, "", "", "", ""},
        {{.cameraType = 11, .lensSpeed = 9}, "ZI", "ZO", "FN", "FF"},
        {{.cameraType = 11, .lensSpeed = 1, .videoSource = 1}, "", "", "", ""},
        {{.cameraType = 19, .lensSpeed = 1}, "", "", "", ""},
        {{.cameraType = -1}, "", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Press(B::ZoomIn, c.c), c.zi) << Where(c.c);
        EXPECT_EQ(Press(B::ZoomOut, c.c), c.zo) << Where(c.c);
        EXPECT_EQ(Press(B::FocusNear, c.c), c.fn) << Where(c.c);
        EXPECT_EQ(Press(B::FocusFar, c.c), c.ff) << Where(c.c);
    }
}

TEST(LensCommands, IrisByCameraType)
{
    struct Case {
        LensContext c;
        const char *open, *close;
    } cases[] = {
        {{.cameraType = 0, .panTiltType = 1}, "IO", "IC"},
        {{.cameraType = 1, .panTiltType = 1}, "IO", "IC"},
        {{.cameraType = 4, .protocol = 3}, "IO", "IC"},
        {{.cameraType = 8}, "IO", "IC"},
        // Type 2: only the open button has the DSP and Javelin forms.
        {{.cameraType = 2, .panTiltType = 1}, "cIO", "IC"},
        {{.cameraType = 2, .panTiltType = 0}, "IO", "IC"},
        {{.cameraType = 2, .protocol = 3}, "J", "IC"},
        {{.cameraType = 3, .panTiltType = 1}, "cIO", "cIC"},
        {{.cameraType = 11, .panTiltType = 0}, "IO", "IC"},
        {{.cameraType = 13, .protocol = 9}, "J", "J"},
        {{.cameraType = 17, .panTiltType = 2}, "cIO", "cIC"},
        {{.cameraType = 6, .panTiltType = 1}, "cIO", "cIC"},
        {{.cameraType = 15, .panTiltType = 0}, "IO", "IC"},
        {{.cameraType = 16, .videoSource = 1}, "tiO", "tiC"},
        {{.cameraType = 18, .panTiltType = 1, .videoSource = 1}, "tiO", "tiC"},
        // Type 7 ignores the pan/tilt type.
        {{.cameraType = 7, .panTiltType = 0}, "cIO", "cIC"},
        {{.cameraType = 7, .videoSource = 1}, "IO", "IC"},
        {{.cameraType = 7, .protocol = 3, .videoSource = 1}, "J", "J"},
        {{.cameraType = 12, .protocol = 9, .panTiltType = 0}, "cIO", "cIC"},
        // Type 14 by lens speed; with none chosen the iris does nothing.
        {{.cameraType = 14, .lensSpeed = 0}, "ci0", "cI0"},
        {{.cameraType = 14, .lensSpeed = 2}, "ci2", "cI2"},
        {{.cameraType = 14, .lensFastState = 1}, "", ""},
        {{.cameraType = 14, .lensSpeed = 4}, "IO", "IC"},
        {{.cameraType = 5, .panTiltType = 1}, "", ""},
        {{.cameraType = 9}, "", ""},
        {{.cameraType = 10}, "", ""},
        {{.cameraType = 19}, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Press(B::IrisOpen, c.c), c.open) << Where(c.c);
        EXPECT_EQ(Press(B::IrisClose, c.c), c.close) << Where(c.c);
    }
}

TEST(LensCommands, ColourAndIntegrationWhateverTheTypes)
{
    for (int cam : {0, 2, 9, 19})
        for (int protocol : {0, 3}) {
            const LensContext c{.cameraType = cam, .protocol = protocol, .videoSource = 1};
            EXPECT_EQ(Press(B::ColorRed, c), "B1");
            EXPECT_EQ(Press(B::IntegrationUp, c), "B1");
            EXPECT_EQ(Press(B::ColorBlue, c), "B2");
            EXPECT_EQ(Press(B::IntegrationDown, c), "B2");
        }
}

// Across every type, speed, source and protocol: texts start the queue at
// 50 ms, Javelin only for protocols 3 and 9 and with the press's own
// direction, at 5 ms (10 ms for camera type 7); zoom and focus stop a tour.
TEST(LensCommands, PressTimersJavelinDirectionsAndTourStop)
{
    const std::pair<B, LensMotion> moves[] = {
        {B::ZoomIn, LensMotion::ZoomIn},       {B::ZoomOut, LensMotion::ZoomOut},
        {B::FocusNear, LensMotion::FocusNear}, {B::FocusFar, LensMotion::FocusFar},
        {B::IrisOpen, LensMotion::IrisOpen},   {B::IrisClose, LensMotion::IrisClose},
        {B::ColorRed, LensMotion::ZoomIn},     {B::IntegrationDown, LensMotion::ZoomIn},
    };
    int javelin = 0;
    for (int cam = 0; cam <= 19; ++cam)
        for (int protocol : {0, 1, 3, 9})
            for (int speed : {-1, 1, 3})
                for (int source : {0, 1})
                    for (auto [button, motion] : moves) {
                        const LensContext c{.cameraType = cam, .protocol = protocol, .panTiltType = 1,
                                            .lensSpeed = speed, .videoSource = source};
                        const LensAction a = LensPressCommand(button, c);
                        const H held = HeldBy(button);
                        EXPECT_EQ(a.stopsTour, held == H::Zoom || held == H::Focus) << Where(c);
                        if (a.kind == LensAction::Kind::Text) {
                            EXPECT_EQ(a.queueTimerMs, 50) << Where(c);
                            EXPECT_LE(a.text.size(), 4u) << Where(c);
                        } else if (a.kind == LensAction::Kind::Javelin) {
                            ++javelin;
                            EXPECT_TRUE(protocol == 3 || protocol == 9) << Where(c);
                            EXPECT_EQ(a.motion, motion) << Where(c);
                            EXPECT_EQ(a.queueTimerMs, cam == 7 ? 10 : 5) << Where(c);
                        }
                    }
    EXPECT_GT(javelin, 0);
    // A press that sends nothing still stops the tour.
    EXPECT_TRUE(LensPressCommand(B::ZoomIn, {.cameraType = 19}).stopsTour);
}

TEST(LensCommands, ReleaseStops)
{
    struct Case {
        H held;
        LensContext c;
        const char* text;
        int ms;
    } cases[] = {
        {H::Zoom, {.cameraType = 0}, "ZS", 150},
        {H::Zoom, {.cameraType = 1, .protocol = 3}, "ZS", 150}, // no Javelin form
        {H::Zoom, {.cameraType = 2}, "ZS", 10},
        {H::Zoom, {.cameraType = 3, .protocol = 9}, "J", 10},
        {H::Zoom, {.cameraType = 4}, "ZS", 10},
        {H::Zoom, {.cameraType = 5}, "ZS", 10},
        {H::Zoom, {.cameraType = 7, .protocol = 3, .videoSource = 1}, "J", 10},
        {H::Zoom, {.cameraType = 8}, "ZS", 10},
        {H::Zoom, {.cameraType = 11}, "ZS", 10},
        {H::Zoom, {.cameraType = 12}, "ZS", 10},
        {H::Zoom, {.cameraType = 13}, "ZS", 10},
        {H::Zoom, {.cameraType = 14}, "ZS", 10},
        {H::Zoom, {.cameraType = 17}, "ZS", 10},
        {H::Zoom, {.cameraType = 6}, "ZS", 10},
        {H::Zoom, {.cameraType = 6, .videoSource = 1}, "tZS", 10},
        {H::Zoom, {.cameraType = 15, .videoSource = 1}, "tZS", 10},
        {H::Zoom, {.cameraType = 16, .protocol = 3, .videoSource = 1}, "tZS", 10},
        {H::Zoom, {.cameraType = 18, .videoSource = 1}, "ZS", 10},
        {H::Zoom, {.cameraType = 9}, "", 0},
        {H::Zoom, {.cameraType = 9, .videoSource = 1}, "", 0},
        {H::Zoom, {.cameraType = 10}, "", 0},
        {H::Iris, {.cameraType = 0}, "IS", 150},
        {H::Iris, {.cameraType = 1}, "IS", 150},
        {H::Iris, {.cameraType = 2, .protocol = 3}, "J", 10},
        {H::Iris, {.cameraType = 13}, "IS", 10},
        {H::Iris, {.cameraType = 14}, "IS", 10},
        {H::Iris, {.cameraType = 6}, "IS", 10},
        {H::Iris, {.cameraType = 16, .videoSource = 1}, "tIS", 10},
        {H::Iris, {.cameraType = 18}, "", 0},
        {H::Iris, {.cameraType = 9}, "", 0},
        {H::Focus, {.cameraType = 0}, "FS", 150},
        {H::Focus, {.cameraType = 1}, "FS", 150},
        {H::Focus, {.cameraType = 3}, "FS", 10},
        {H::Focus, {.cameraType = 12, .protocol = 3}, "J", 10},
        {H::Focus, {.cameraType = 17}, "FS", 10},
        {H::Focus, {.cameraType = 6}, "FS", 10},
        {H::Focus, {.cameraType = 15, .videoSource = 1}, "tfS", 10},
        {H::Focus, {.cameraType = 18}, "FS", 10},
        {H::Focus, {.cameraType = 18, .videoSource = 1}, "FS", 10},
        {H::Focus, {.cameraType = 13}, "", 0},
        {H::Focus, {.cameraType = 13, .protocol = 9}, "", 0},
        {H::Focus, {.cameraType = 10}, "", 0},
        {H::Colour, {.cameraType = 5}, "B0", 150},
        {H::Integration, {.cameraType = 19, .protocol = 3}, "B0", 150},
        {H::None, {.cameraType = 0}, "", 0},
    };
    for (const Case& c : cases) {
        const LensAction a = LensReleaseCommand(c.held, c.c);
        EXPECT_EQ(Describe(a), c.text) << static_cast<int>(c.held) << " " << Where(c.c);
        EXPECT_EQ(a.queueTimerMs, c.ms) << static_cast<int>(c.held) << " " << Where(c.c);
    }
}

// The Javelin stop names the axis of the held function.
TEST(LensCommands, JavelinReleaseAxes)
{
    const LensContext c{.cameraType = 3, .protocol = 3};
    EXPECT_EQ(LensReleaseCommand(H::Zoom, c).axis, LensAxis::Zoom);
    EXPECT_EQ(LensReleaseCommand(H::Iris, c).axis, LensAxis::Iris);
    EXPECT_EQ(LensReleaseCommand(H::Focus, c).axis, LensAxis::Focus);
    EXPECT_EQ(Describe(LensReleaseCommand(H::Colour, c)), "B0");
}

// The release of each button stops what it held: the two colour and two
// integration buttons all end with "B0"; a zoom on camera 9 right that
// sent nothing stops nothing.
TEST(LensCommands, PressThenRelease)
{
    struct Case {
        B button;
        LensContext c;
        const char *press, *release;
    } cases[] = {
        {B::ColorRed, {.cameraType = 0}, "B1", "B0"},
        {B::ColorBlue, {.cameraType = 0}, "B2", "B0"},
        {B::IntegrationUp, {.cameraType = 3}, "B1", "B0"},
        {B::IntegrationDown, {.cameraType = 3}, "B2", "B0"},
        {B::ZoomIn, {.cameraType = 9, .videoSource = 1}, "", ""},
        {B::FocusFar, {.cameraType = 16, .lensSpeed = 1, .videoSource = 1}, "tfF", "tfS"},
        {B::IrisClose, {.cameraType = 7, .protocol = 9}, "J", "J"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Press(c.button, c.c), c.press) << Where(c.c);
        EXPECT_EQ(Describe(LensReleaseCommand(HeldBy(c.button), c.c)), c.release) << Where(c.c);
    }
}

TEST(LensCommands, FirstHeldInTheOrderZoomIrisFocusColourIntegration)
{
    struct Case {
        LensMotionFlags flags;
        H held;
    } cases[] = {
        {{}, H::None},
        {{.integration = true}, H::Integration},
        {{.colour = true, .integration = true}, H::Colour},
        {{.focus = true, .colour = true}, H::Focus},
        {{.iris = true, .focus = true}, H::Iris},
        {{.iris = true, .zoom = true, .focus = true, .colour = true, .integration = true}, H::Zoom},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FirstHeld(c.flags), c.held);
}
