// The simulated 74xx camera speaks what the DSP 7440 panel's codec reads.
#include "Dsp7440Codec.h"
#include "SimDsp7440.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
// The camera's "cDS" answer as the console hands it to the panel.
Dsp7440Members Status(SimDsp7440& camera)
{
    std::string reply;
    EXPECT_TRUE(camera.Handle("cDS", reply));
    std::vector<uint8_t> f{0xF8, 0x01};
    f.insert(f.end(), reply.begin(), reply.end());
    f.push_back(0x80);
    Dsp7440Members m;
    EXPECT_TRUE(DecodeDsp7440Reply(f.data(), f.size(), m)) << reply;
    return m;
}
} // namespace

TEST(SimDsp7440, WhatThePanelSetsIsWhatTheStatusReports)
{
    SimDsp7440 camera;
    std::string reply;
    for (const char* command : {"cW2", "cWR200", "cWB017", "cY4", "cg7", "cG5", "cMG099", "cS<", "ci6", "cE6",
                                "ce9", "cPs3"}) {
        EXPECT_TRUE(camera.Handle(command, reply)) << command;
        EXPECT_TRUE(reply.empty()) << command;
    }
    // Values the camera does not know leave its settings alone.
    for (const char* command : {"cWR256", "cW3", "cg:", "cMG000", "cS3", "ci=", "cPsx"})
        camera.Handle(command, reply);

    const Dsp7440Members m = Status(camera);
    EXPECT_EQ(m.whiteBalance, 2);
    EXPECT_EQ(m.red, 200);
    EXPECT_EQ(m.blue, 17);
    EXPECT_EQ(m.blc, 1);
    EXPECT_EQ(m.blcMode, 2);
    EXPECT_EQ(m.gamma, 7);
    EXPECT_EQ(m.gainMode, 1);
    EXPECT_EQ(m.gain, 3);
    EXPECT_EQ(m.agcMax, 99);
    EXPECT_EQ(m.shutterMode, 1);
    EXPECT_EQ(m.speed, 7);
    EXPECT_EQ(m.integration, 0);
    EXPECT_EQ(m.length, 4);
    EXPECT_EQ(Dsp7440EffectsE(m), 6);
    EXPECT_EQ(Dsp7440Effectse(m), 9);
    EXPECT_EQ(m.preset, 4);
}

TEST(SimDsp7440, AutoModesAndTheMovesThatKeepNothing)
{
    SimDsp7440 camera;
    std::string reply;
    for (const char* command : {"cW1", "cWu", "cWs", "cY0", "cG0", "cS4", "ci0", "cD1", "cDs", "cPrd"})
        EXPECT_TRUE(camera.Handle(command, reply)) << command;
    EXPECT_EQ(camera.settings().zoom, 's');
    const Dsp7440Members m = Status(camera);
    EXPECT_EQ(m.whiteBalance, 1);
    EXPECT_EQ(m.red, 55) << "the gains are reported for User only";
    EXPECT_EQ(m.blc, 0);
    EXPECT_EQ(m.gainMode, 0);
    EXPECT_EQ(m.shutterMode, 0);
    EXPECT_EQ(m.integration, 1);
    EXPECT_EQ(m.preset, 0);
    EXPECT_FALSE(camera.Handle("cL?", reply)) << "not a 74xx command";
    EXPECT_FALSE(camera.Handle("ZI", reply));
}
