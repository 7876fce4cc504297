#include "SdlJoystick.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>

#ifdef __linux__
namespace {
bool SdlInMemory()
{
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line))
        if (line.find("libSDL2") != std::string::npos)
            return true;
    return false;
}

struct Listener : JoystickListener {
    void JoystickButton(int, bool) override {}
    void JoystickMoved(const JoystickSample&) override {}
};
} // namespace

// SDL and the libraries it brings are no part of the program's start: they
// are loaded when the joystick is first asked for (after the console's
// first request), and a machine without a joystick is told so.
TEST(SdlJoystick, SdlIsLoadedOnlyWhenTheJoystickIsFirstAskedFor)
{
    ASSERT_FALSE(SdlInMemory()) << "SDL is linked into the program";
    SdlJoystick joystick;
    EXPECT_FALSE(SdlInMemory()) << "loaded with the joystick object";
    const bool present = joystick.Present();
    EXPECT_TRUE(SdlInMemory());
    EXPECT_EQ(joystick.Present(), present) << "asked twice";
    Listener listener;
    joystick.Capture(&listener);
    joystick.Release();
}
#endif
