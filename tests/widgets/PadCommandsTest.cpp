#include "PadCommands.h"

#include <gtest/gtest.h>

namespace {
// A 100-pixel inner square from (12, 12): centre (62, 62), half sides 50.
PadGeometry Square()
{
    PadGeometry g;
    g.left = 12;
    g.top = 12;
    g.right = 112;
    g.bottom = 112;
    g.band = 8;
    return g;
}
} // namespace

TEST(PadCommands, ZonesAroundTheCentreSquare)
{
    const PadGeometry g = Square();
    struct Case {
        int x, y, zone;
        const char* command;
    } cases[] = {
        {20, 20, 1, "PLTU"}, {62, 20, 2, "PSTU"}, {100, 20, 3, "PRTU"}, {100, 62, 4, "PRTS"},
        {100, 100, 5, "PRTD"}, {62, 100, 6, "PSTD"}, {20, 100, 7, "PLTD"}, {20, 62, 8, "PLTS"},
        {62, 62, 0, ""},      {55, 69, 0, ""},       // the centre square sends nothing
        {53, 62, 8, "PLTS"},  {54, 62, 0, ""},       // the band's edges
        {70, 62, 4, "PRTS"},  {69, 62, 0, ""},
        {5, 5, 0, ""},        {112, 62, 0, ""},      // the margin
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PadZone(g, c.x, c.y), c.zone) << c.x << "," << c.y;
        EXPECT_STREQ(PadZoneCommand(c.zone), c.command);
    }
}

TEST(PadCommands, ProportionalSpeeds)
{
    const PadGeometry g = Square();
    struct Case {
        int x, y, panLimit, tiltLimit;
        const char* text;
    } cases[] = {
        {32, 52, 15, 15, "l9u3"},                     // 30 left, 10 up
        {62, 62, 15, 15, "PSTS"},                     // exactly on the centre
        {64, 62, 15, 15, "PSTS"},                     // within 3 pixels
        {65, 62, 15, 15, "r1TS"},                     // 3 pixels: at least speed 1
        {112, 112, 15, 15, "r?d?"},                   // the far edge: the limit
        {0, 0, 15, 15, "l?u?"},                       // out in the margin: still the limit
        {62 - 37, 62, 63, 15, "l\x60TS"},             // speed 47 with a limit of 16 or more
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PadProportionalCommand(g, c.x, c.y, c.panLimit, c.tiltLimit).text, c.text) << c.x << "," << c.y;
    }
    // Speed characters for limits of 16 or more.
    EXPECT_EQ(PadSpeedCharacter(46, 63), 46 + 16);
    EXPECT_EQ(PadSpeedCharacter(47, 63), 0x60);
    EXPECT_EQ(PadSpeedCharacter(63, 63), 63 + 49);
    EXPECT_EQ(PadSpeedCharacter(15, 15), '?');
}

TEST(PadCommands, NudgeByModeAndReceiverType)
{
    EXPECT_STREQ(PadNudgeCommand(0, false, 5), "PL");
    EXPECT_STREQ(PadNudgeCommand(3, false, 12), "TD");
    EXPECT_STREQ(PadNudgeCommand(1, true, 11), "nr");
    EXPECT_STREQ(PadNudgeCommand(2, true, 12), "nu");
    EXPECT_STREQ(PadNudgeCommand(3, true, 5), "dn");
    EXPECT_STREQ(PadNudgeCommand(7, true, 5), "");
}
