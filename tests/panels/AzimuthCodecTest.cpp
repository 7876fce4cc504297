// What the azimuth and pan/tilt module dialogs send, without widgets.
#include "AzimuthCodec.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

TEST(AzimuthCodec, ModuleCommandsCarryTheHashPrefix)
{
    struct Case {
        std::string text;
        std::string sent;
    };
    for (const Case& c : {Case{"", "#"}, Case{"A", "#A"}, Case{"GO 1234 56", "#GO 1234 56"},
                          Case{std::string(32, 'x'), "#" + std::string(32, 'x')},
                          Case{std::string(40, 'y'), "#" + std::string(32, 'y')}})
        EXPECT_EQ(PtModuleCommand(c.text), c.sent) << c.text;
    EXPECT_TRUE(PtModuleCharacter(' '));
    EXPECT_TRUE(PtModuleCharacter('~'));
    EXPECT_FALSE(PtModuleCharacter('\x7F'));
    EXPECT_FALSE(PtModuleCharacter('\r'));
    EXPECT_FALSE(PtModuleCharacter(static_cast<char>(0xFF)));
}

// Fourteen buttons, each its own command; none of them waits for a full
// reply (which would hold the next command for the time-out).
TEST(AzimuthCodec, EveryButtonHasItsOwnCommand)
{
    std::set<std::string> commands, names;
    for (const AzimuthButton& b : kAzimuthButtons) {
        const std::string c = b.command;
        commands.insert(c);
        names.insert(std::string(b.group) + "/" + b.caption);
        EXPECT_EQ(c.size(), 3u) << c;
        EXPECT_NE(c[2], 'L') << c;
    }
    EXPECT_EQ(commands.size(), 14u);
    EXPECT_EQ(names.size(), 14u);
}
