#include "JoystickCommands.h"

#include <gtest/gtest.h>

using Texts = std::vector<std::string>;

namespace {
JoystickSample At(int x, int y)
{
    JoystickSample s;
    s.x = x;
    s.y = y;
    return s;
}

JoystickCommands::Context Proportional(int limit = 15)
{
    JoystickCommands::Context c;
    c.panTiltType = 1;
    c.panSpeedLimit = limit;
    c.tiltSpeedLimit = limit;
    return c;
}
} // namespace

TEST(JoystickCommands, LensButtons)
{
    JoystickCommands j{JoystickCaps{}};
    EXPECT_EQ(j.ButtonChanged(1, true), Texts{"ZI"});
    EXPECT_EQ(j.ButtonChanged(4, true), Texts{"FF"});
    EXPECT_EQ(j.ButtonChanged(2, false), Texts{"ZS"});
    EXPECT_EQ(j.ButtonChanged(3, false), Texts{"FS"});
    EXPECT_EQ(j.ButtonChanged(5, true), Texts{});
}

TEST(JoystickCommands, ProportionalPanAndTilt)
{
    JoystickCommands j{JoystickCaps{}};
    const auto c = Proportional();
    // Within 32512 to 33024 on both axes nothing moves.
    EXPECT_EQ(j.Moved(At(32600, 33000), c), Texts{});
    // Full left and full down: (32768) * 16 / 32767 rounds to 16, sent as '0' - 1 + 16.
    EXPECT_EQ(j.Moved(At(0, 65535), c), (Texts{"l?", "d?"}));
    // The same speeds again send nothing; a new pan speed only the pan.
    EXPECT_EQ(j.Moved(At(0, 65535), c), Texts{});
    EXPECT_EQ(j.Moved(At(16384, 65535), c), Texts{"l7"});
    // Back to the centre: one stop per moving axis, then nothing.
    EXPECT_EQ(j.Moved(At(32767, 32767), c), (Texts{"PS", "TS"}));
    EXPECT_EQ(j.Moved(At(32767, 32767), c), Texts{});
    EXPECT_EQ(j.Moved(At(49152, 32767), c), Texts{"r7"});
}

TEST(JoystickCommands, ZoneMode)
{
    JoystickCommands j{JoystickCaps{}};
    JoystickCommands::Context c; // pan/tilt type 0
    EXPECT_EQ(j.Moved(At(32767, 32767), c), Texts{});
    EXPECT_EQ(j.Moved(At(0x5FFF, 32767), c), Texts{"PL"});    // top bits 5
    EXPECT_EQ(j.Moved(At(0x1000, 0xA000), c), Texts{"TD"});   // pan unchanged, tilt top bits 10
    EXPECT_EQ(j.Moved(At(0x6000, 0x9FFF), c), (Texts{"PS", "TS"}));
    EXPECT_EQ(j.Moved(At(0xF000, 0x0000), c), (Texts{"PR", "TU"}));
}

TEST(JoystickCommands, LatchButtonsGoOutOnceWhileHeld)
{
    JoystickCommands j{JoystickCaps{}};
    JoystickCommands::Context c;
    JoystickSample s = At(32767, 32767);
    s.buttons = 1u << 4;
    s.buttonNumber = 5;
    EXPECT_EQ(j.Moved(s, c), Texts{"LP"});
    EXPECT_EQ(j.Moved(s, c), Texts{});
    s.buttons = 0;
    EXPECT_EQ(j.Moved(s, c), Texts{});
    s.buttons = 1u << 5;
    s.buttonNumber = 6;
    EXPECT_EQ(j.Moved(s, c), Texts{"LL"});
    // "Lens Fast" and "Manual Iris" from the joystick only for camera type 0.
    JoystickCommands other{JoystickCaps{}};
    c.cameraType = 3;
    s.buttons = 1u << 6;
    s.buttonNumber = 7;
    EXPECT_EQ(other.Moved(s, c), Texts{});
}

TEST(JoystickCommands, HatZoomAndFocus)
{
    struct Case {
        int cameraType;
        int pov;
        int z;
        const char* start;
        const char* stop;
    } cases[] = {
        {3, 0, 0, "cZ0", "cZs"},        {3, 18000, 40000, "cz1", "cZs"}, {5, 9000, 65535, "cF2", "cFs"},
        {3, 27000, 22000, "cN1", "cFs"}, {0, 0, 0, "ZI", "ZS"},          {2, 27000, 0, "FN", "FS"},
    };
    for (const Case& c : cases) {
        JoystickCommands j{JoystickCaps{}};
        JoystickCommands::Context context;
        context.cameraType = c.cameraType;
        JoystickSample s = At(32767, 32767);
        s.z = c.z;
        s.pov = c.pov;
        EXPECT_EQ(j.Moved(s, context), Texts{c.start}) << c.cameraType << " " << c.pov;
        EXPECT_EQ(j.Moved(s, context), Texts{}) << "once until the hat is centred";
        s.pov = 65535;
        EXPECT_EQ(j.Moved(s, context), Texts{c.stop});
        EXPECT_EQ(j.Moved(s, context), Texts{});
    }
    // No throttle axis: no division by a zero range.
    JoystickCaps flat;
    flat.zMin = flat.zMax = 0;
    EXPECT_EQ(JoystickCommands{flat}.HatSpeedDigit(0), 1);
}
