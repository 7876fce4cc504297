// The HiDef panel's status pairs and its exposure encoding.
#include "HiDefCodec.h"
#include "ReplyFrames.h"

#include <gtest/gtest.h>

using namespace ReplyFrames;

TEST(HiDefCodec, ExposureIndexesTravelAsOddDigitsFromSeven)
{
    const std::pair<int, char> cases[] = {{0, '7'}, {1, '9'}, {2, ';'}, {3, '='}, {4, 0}, {-1, 0}};
    for (auto [index, character] : cases)
        EXPECT_EQ(HiDefExposureCharacter(index), character) << index;
}

TEST(HiDefCodec, StatusPairsSelectWhatTheyNameInsideTheirLists)
{
    struct Case {
        Bytes frame;
        HiDefMembers expect;
    } cases[] = {
        {Frame("cD3e9v4"), {3, 1, 4}},           // 4X, 3dB, 1080/50i
        {Mode0Frame("cD3e9v4"), {3, 1, 4}},
        {Frame254("cD3e9v4"), {3, 1, 4}},
        {Frame("ce=v7D0"), {0, 3, 7}},
        {Frame("cD6e8v8"), {-1, -1, -1}},         // outside every list
        {Frame("ce:"), {-1, -1, -1}},             // 10 is not an exposure level
        {Frame("cx1D2Qvv5"), {2, -1, 5}},         // unknown letters skip their value
        {Frame("cD1v"), {1, -1, -1}},             // a value cut off
        {Frame(std::string("cD1\x90v3")), {1, -1, -1}}, // the pairs end at a byte of 0x80 or above
    };
    for (const Case& c : cases) {
        HiDefMembers m;
        DecodeHiDefReply(c.frame.data(), c.frame.size(), m);
        EXPECT_EQ(m.zoomRange, c.expect.zoomRange);
        EXPECT_EQ(m.exposure, c.expect.exposure);
        EXPECT_EQ(m.videoMode, c.expect.videoMode);
    }
}
