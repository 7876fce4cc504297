// What the 55X lens windows send for their lens buttons and their pad.
#include "Lens55xCommands.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(Lens55xCommands, PressBySpeedAndTheOneStop)
{
    using B = Lens55xButton;
    struct Case {
        B button;
        int speed;
        const char* press;
        const char* release;
    } cases[] = {
        {B::ZoomIn, -1, "ZI", "ZS"},   {B::ZoomIn, 0, "cZ0", "ZS"},   {B::ZoomIn, 2, "cZ2", "ZS"},
        {B::ZoomOut, -1, "ZO", "ZS"},  {B::ZoomOut, 1, "cz1", "ZS"},  {B::FocusNear, -1, "FN", "FS"},
        {B::FocusNear, 2, "cN2", "FS"}, {B::FocusFar, -1, "FF", "FS"}, {B::FocusFar, 0, "cF0", "FS"},
        // The iris has no speed.
        {B::IrisOpen, -1, "cIO", "IS"}, {B::IrisOpen, 2, "cIO", "IS"}, {B::IrisClose, 1, "cIC", "IS"},
        // A speed outside the three is none chosen.
        {B::ZoomIn, 3, "ZI", "ZS"},
    };
    for (const Case& c : cases) {
        Lens55xHeld held;
        EXPECT_EQ(Lens55xPress(c.button, c.speed, held), c.press) << c.press;
        EXPECT_EQ(Lens55xRelease(held), c.release) << c.press;
        EXPECT_EQ(Lens55xRelease(held), "") << "nothing is held after the stop";
    }
    // Zoom wins over focus, focus over iris.
    Lens55xHeld held;
    Lens55xPress(B::IrisClose, -1, held);
    Lens55xPress(B::FocusFar, -1, held);
    EXPECT_EQ(Lens55xRelease(held), "FS");
    Lens55xPress(B::FocusFar, -1, held);
    Lens55xPress(B::ZoomOut, -1, held);
    EXPECT_EQ(Lens55xRelease(held), "ZS");
}

TEST(Lens55xCommands, EachPadPressAndReleaseSendsOnce)
{
    using P = FactoryPadButton;
    struct Case {
        P button;
        const char* body;
    } cases[] = {{P::L, "PL"}, {P::R, "PR"}, {P::H, "TU"}, {P::T, "TD"}, {P::C, "L2"}};
    for (const Case& c : cases) {
        bool flag = false;
        std::vector<std::string> sent;
        for (int press = 0; press < 3; ++press) {
            sent.push_back(FactoryPadEvent(c.button, flag)); // pressed
            sent.push_back(FactoryPadEvent(c.button, flag)); // let go
        }
        EXPECT_EQ(sent, (std::vector<std::string>{c.body, "", c.body, "", c.body, ""})) << c.body;
        EXPECT_FALSE(flag);
    }
}
