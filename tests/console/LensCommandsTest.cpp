#include "LensCommands.h"

#include <gtest/gtest.h>

namespace {
using B = LensButton;
using H = LensHeld;

LensContext Ctx(int cam, int speed = -1, int source = 0, int protocol = 0, int panTilt = 1, int fast = 0)
{
    LensContext c;
    c.cameraType = cam;
    c.lensSpeed = speed;
    c.videoSource = source;
    c.protocol = protocol;
    c.panTiltType = panTilt;
    c.lensFastState = fast;
    return c;
}

// "text" for a text command, "J" for a Javelin move, "" for nothing.
std::string Press(B b, const LensContext& c)
{
    const LensAction a = LensPressCommand(b, c);
    return a.kind == LensAction::Kind::Text ? a.text : a.kind == LensAction::Kind::Javelin ? "J" : "";
}

std::string Release(H h, const LensContext& c, int* ms = nullptr)
{
    const LensAction a = LensReleaseCommand(h, c);
    if (ms)
        *ms = a.queueTimerMs;
    return a.kind == LensAction::Kind::Text ? a.text : a.kind == LensAction::Kind::Javelin ? "J" : "";
}
} // namespace

TEST(LensCommands, ZoomAndFocusByCameraTypeSpeedAndSource)
{
    struct Case {
        B button;
        LensContext c;
        const char* text;
    } cases[] = {
        {B::ZoomIn, Ctx(0, 2), "ZI"},
        // Plain when no speed is chosen.
        {B::ZoomIn, Ctx(1), "ZI"},          {B::ZoomIn, Ctx(4, 0), "cZ0"},      {B::ZoomOut, Ctx(17, 2), "cz2"},
        {B::FocusNear, Ctx(14, 1), "cN1"},  {B::FocusFar, Ctx(5), "FF"},
        // Any other speed value gives the plain command.
        {B::ZoomIn, Ctx(1, 7), "ZI"},       {B::ZoomIn, Ctx(12, 5), "ZI"},
        // The speed rule without a choice: 2 when "Lens Fast" is on, else 0.
        {B::ZoomIn, Ctx(12), "cZ0"},        {B::ZoomIn, Ctx(12, -1, 0, 0, 1, 1), "cZ2"},
        {B::ZoomIn, Ctx(3, 1), "cZ1"},      {B::ZoomIn, Ctx(3, 1, 0, 0, 0), "ZI"}, // pan/tilt type 0
        {B::FocusFar, Ctx(13, -1, 0, 3), "J"}, {B::ZoomOut, Ctx(2, 0, 0, 9), "J"},
        {B::ZoomIn, Ctx(6, 1, 0), "cZ1"},   {B::ZoomIn, Ctx(6, 1, 1), "tX1"},   {B::ZoomOut, Ctx(15, 1, 1), "tX0"},
        {B::ZoomIn, Ctx(18, -1, 1), "ZI"},  {B::ZoomIn, Ctx(18, -1, 0), "cZ0"},
        {B::FocusNear, Ctx(18, -1, 0), "FN"}, {B::FocusNear, Ctx(18, 2, 1), "tfN"}, {B::FocusFar, Ctx(16, 2, 1), "tfF"},
        {B::ZoomIn, Ctx(7, 2, 0), "cZ2"},   {B::ZoomIn, Ctx(7, 2, 1), "ZI"},    {B::FocusNear, Ctx(7, 0, 0, 3), "J"},
        {B::ZoomIn, Ctx(9, 0, 0), "tX1"},   {B::ZoomIn, Ctx(9, 0, 1), ""},      {B::FocusFar, Ctx(9, 0, 0), "tfF"},
        {B::ZoomIn, Ctx(10, 1, 0), "cZ1"},  {B::FocusNear, Ctx(11, 1, 1), ""},
        {B::ZoomIn, Ctx(19), ""},
        {B::ColorRed, Ctx(0), "B1"},        {B::IntegrationUp, Ctx(3), "B1"},   {B::ColorBlue, Ctx(0), "B2"},
        {B::IntegrationDown, Ctx(3), "B2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Press(c.button, c.c), c.text) << "camera " << c.c.cameraType << " speed " << c.c.lensSpeed
                                                << " source " << c.c.videoSource;
}

TEST(LensCommands, IrisByCameraType)
{
    struct Case {
        LensContext c;
        const char* open;
        const char* close;
    } cases[] = {
        {Ctx(0), "IO", "IC"},          {Ctx(8), "IO", "IC"},
        {Ctx(2), "cIO", "IC"},         {Ctx(2, -1, 0, 0, 0), "IO", "IC"}, {Ctx(2, -1, 0, 3), "J", "IC"},
        {Ctx(3), "cIO", "cIC"},        {Ctx(17, -1, 0, 0, 0), "IO", "IC"}, {Ctx(13, -1, 0, 9), "J", "J"},
        {Ctx(6, -1, 0), "cIO", "cIC"}, {Ctx(16, -1, 1), "tiO", "tiC"},
        {Ctx(7, -1, 0), "cIO", "cIC"}, {Ctx(7, -1, 1), "IO", "IC"},      {Ctx(7, -1, 1, 3), "J", "J"},
        {Ctx(12), "cIO", "cIC"},
        // Camera type 14 by lens speed; with none chosen the iris does nothing.
        {Ctx(14, 1), "ci1", "cI1"},    {Ctx(14), "", ""},                 {Ctx(14, 4), "IO", "IC"},
        {Ctx(9), "", ""},              {Ctx(5), "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Press(B::IrisOpen, c.c), c.open) << c.c.cameraType;
        EXPECT_EQ(Press(B::IrisClose, c.c), c.close) << c.c.cameraType;
    }
    EXPECT_EQ(LensPressCommand(B::IrisOpen, Ctx(7, -1, 0, 3)).queueTimerMs, 10);
    EXPECT_EQ(LensPressCommand(B::IrisOpen, Ctx(3, -1, 0, 3)).queueTimerMs, 5);
    EXPECT_EQ(LensPressCommand(B::ZoomIn, Ctx(3)).queueTimerMs, 50);
}

TEST(LensCommands, ReleaseStops)
{
    struct Case {
        H held;
        LensContext c;
        const char* text;
        int ms;
    } cases[] = {
        {H::Zoom, Ctx(0), "ZS", 150},       {H::Zoom, Ctx(4), "ZS", 10},         {H::Zoom, Ctx(3, -1, 0, 9), "J", 10},
        {H::Zoom, Ctx(6, -1, 1), "tZS", 10}, {H::Zoom, Ctx(18, -1, 1), "ZS", 10}, {H::Zoom, Ctx(9, -1, 1), "", 0},
        {H::Iris, Ctx(1), "IS", 150},       {H::Iris, Ctx(16, -1, 1), "tIS", 10}, {H::Iris, Ctx(18), "", 0},
        {H::Focus, Ctx(1), "FS", 150},      {H::Focus, Ctx(15, -1, 1), "tfS", 10}, {H::Focus, Ctx(18, -1, 1), "FS", 10},
        {H::Focus, Ctx(13), "", 0},         {H::Focus, Ctx(12, -1, 0, 3), "J", 10},
        {H::Colour, Ctx(5), "B0", 150},     {H::Integration, Ctx(2), "B0", 150},
    };
    for (const Case& c : cases) {
        int ms = -1;
        EXPECT_EQ(Release(c.held, c.c, &ms), c.text) << "camera " << c.c.cameraType;
        if (*c.text) {
            EXPECT_EQ(ms, c.ms) << "camera " << c.c.cameraType;
        }
    }
}

TEST(LensCommands, Latches)
{
    LensContext c = Ctx(3);
    c.receiverType = 5;
    // Manual iris: automatic goes manual with "cIM", lamp and buttons on.
    LatchAction a = ManualIrisAction(c, true);
    EXPECT_EQ(a.text, "cIM");
    EXPECT_TRUE(a.changesState && !a.newState && a.lampOn && a.buttonsOn);
    a = ManualIrisAction(c, false);
    EXPECT_EQ(a.text, "cIA");
    EXPECT_TRUE(a.newState && !a.lampOn && !a.buttonsOn);
    c.receiverType = 13;
    EXPECT_EQ(ManualIrisAction(c, true).text, "bIM");
    c.receiverType = 1;
    EXPECT_EQ(ManualIrisAction(c, true).text, "LM");
    EXPECT_FALSE(ManualIrisAction(c, true).changesState);
    c.receiverType = 12;
    c.videoSource = 1;
    EXPECT_EQ(ManualIrisAction(c, true).text, "LM");
    c.receiverType = 11;
    EXPECT_EQ(ManualIrisAction(c, true).kind, LatchAction::Kind::None);

    // Manual focus, receiver type 12: the state always changes, the command by source.
    c.receiverType = 12;
    a = ManualFocusAction(c, false);
    EXPECT_EQ(a.text, "L1");
    EXPECT_TRUE(a.changesState && a.newState && a.lampOn);
    c.videoSource = 0;
    EXPECT_EQ(ManualFocusAction(c, true).text, "cFA");
    c.receiverType = 14;
    EXPECT_EQ(ManualFocusAction(c, true).text, "L1");
    c.protocol = 9;
    EXPECT_EQ(ManualFocusAction(c, true).kind, LatchAction::Kind::Javelin);
}

TEST(LensCommands, ManualIntegration)
{
    struct Case {
        int cam, protocol;
        bool state;
        const char* text;
        bool changes;
    } cases[] = {
        {3, 0, false, "", true},   // switching on sends nothing
        {2, 0, true, "cS5", true}, {3, 0, true, "cS0", true}, {11, 0, true, "cS0", true},
        {5, 0, true, "", true},    // no command for this camera: nothing sent, still switched off
        {3, 3, true, "", false},   // protocol 3: nothing at all
    };
    for (const Case& c : cases) {
        LensContext ctx = Ctx(c.cam, -1, 0, c.protocol);
        const LatchAction a = ManualIntegrationAction(ctx, c.state);
        EXPECT_EQ(a.text, c.text) << c.cam;
        EXPECT_EQ(a.changesState, c.changes) << c.cam;
        if (c.changes) {
            EXPECT_EQ(a.newState, !c.state);
        }
    }
}
