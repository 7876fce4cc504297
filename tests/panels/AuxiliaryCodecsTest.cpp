// The illuminator, wiper and washer windows: their replies and the
// commands of their Set buttons.
#include "IlluminatorCodec.h"
#include "ReplyFrames.h"
#include "WashCodec.h"
#include "WipeCodec.h"

#include <gtest/gtest.h>

using namespace ReplyFrames;

TEST(IlluminatorCodec, OnlyClassIRepliesAndOnlyZeroOrOne)
{
    struct Case {
        Bytes frame;
        int ir, mode;
    } cases[] = {
        {Frame("i11"), 1, 1}, {Frame("i01"), 0, 1}, {Frame("i0x"), 0, -1}, {Frame("i2"), -1, -1},
        {Frame("t11"), -1, -1}, // the thermal letter offered to the window too
        {Frame254("i10"), 1, 0}, {Mode0Frame("i10"), 1, 0}, {Frame("i"), -1, -1},
    };
    for (const Case& c : cases) {
        IlluminatorMembers m;
        DecodeIlluminatorReply(c.frame.data(), c.frame.size(), m);
        EXPECT_EQ(m.ir, c.ir);
        EXPECT_EQ(m.mode, c.mode);
    }
}

TEST(WipeCodec, RunTimeThenTheOptionalDelayAndModule)
{
    struct Case {
        std::string text;
        WipeMembers expect;
    } cases[] = {
        {"mwr0010d05m1", {10, 5, 1}},
        {"mwr9999", {9999, 0, -1}},
        {"mwr0010x05m1", {10, 0, 1}},  // no 'd': no delay, the module all the same
        {"mwr00a0d05", {0, 5, -1}},
        {"mwr0010d5xm2", {10, 0, -1}},
        {"mw1234", {0, 0, -1}},
    };
    for (const Case& c : cases) {
        WipeMembers m;
        const Bytes f = Frame(c.text);
        DecodeWipeReply(f.data(), f.size(), m);
        EXPECT_EQ(m.runTime, c.expect.runTime) << c.text;
        EXPECT_EQ(m.delay, c.expect.delay) << c.text;
        EXPECT_EQ(m.module, c.expect.module) << c.text;
    }
    EXPECT_EQ(WipeSetCommand({10, 5, 1}), "mwr0010d05");
    EXPECT_EQ(WipeSetCommand({9999, 99, 0}), "mwr9999d99");
}

TEST(WashCodec, WashTimeThenTheOptionalWipeManualAndFrequency)
{
    struct Case {
        std::string text;
        WashMembers expect;
    } cases[] = {
        {"mWW10w00m0f005", {10, 0, 0, 5}},
        {"mWW99w45m1f010", {99, 45, 1, 10}},
        {"mWW07", {7, 0, 0, 1}},
        {"mWW07x45m1", {7, 0, 1, 1}},
        // The camera counts up to 168; what the box cannot hold is not taken.
        {"mWW07w45m2f168", {7, 45, 0, 1}},
        {"mWW07w45m1f000", {7, 45, 1, 1}},
        {"mWWx7w4", {0, 0, 0, 1}},
        {"mW?", {0, 0, 0, 1}},
    };
    for (const Case& c : cases) {
        WashMembers m;
        const Bytes f = Frame(c.text);
        DecodeWashReply(f.data(), f.size(), m);
        EXPECT_EQ(m.washTime, c.expect.washTime) << c.text;
        EXPECT_EQ(m.wipeTime, c.expect.wipeTime) << c.text;
        EXPECT_EQ(m.manualWash, c.expect.manualWash) << c.text;
        EXPECT_EQ(m.frequency, c.expect.frequency) << c.text;
    }
    EXPECT_EQ(WashSetCommand({10, 0, 0, 5}), "mWW10w00m0f005");
    EXPECT_EQ(WashSetCommand({5, 99, 1, 10}), "mWW05w99m1f010");
}
