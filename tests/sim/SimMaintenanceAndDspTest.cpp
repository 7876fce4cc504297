// The simulated 8270 and HiDef cameras and the maintenance, illuminator,
// wiper and washer blocks speak what the windows' codecs read, from the
// state their set commands change.
#include "Dsp8270Codec.h"
#include "Framing.h"
#include "HiDefCodec.h"
#include "IlluminatorCodec.h"
#include "ManualClock.h"
#include "OtherMaintenanceCodec.h"
#include "ReceiveStateMachine.h"
#include "ReplyFrames.h"
#include "SimDsp8270.h"
#include "SimHiDef.h"
#include "SimMaintenance.h"
#include "SimulatedCamera.h"
#include "WashCodec.h"
#include "WipeCodec.h"

#include <gtest/gtest.h>

using namespace ReplyFrames;

namespace {
// Sends every command to the block; each must be one of its own.
template <class Block> void Set(Block& block, std::initializer_list<std::string> commands)
{
    std::string reply;
    for (const std::string& c : commands)
        EXPECT_TRUE(block.Handle(c, reply)) << c;
}

template <class Block> Bytes Ask(Block& block, const std::string& query)
{
    std::string reply;
    EXPECT_TRUE(block.Handle(query, reply)) << query;
    EXPECT_FALSE(reply.empty()) << query;
    return Frame(reply);
}

// The reply frames a whole simulated camera writes back after one command
// framed as the console frames it, assembled as the console assembles them.
std::vector<Bytes> Exchange(SimulatedCamera& camera, const std::string& text)
{
    FrameBuffer f;
    BuildAsciiFrame(f, camera.options().mode, static_cast<uint8_t>(camera.options().address), 0, text);
    for (size_t i = 0; i < f.length; ++i)
        camera.Receive(f.bytes[i]);
    uint8_t out[512];
    const size_t n = camera.TakeOutput(out, sizeof out);
    ReceiveStateMachine machine;
    std::vector<Bytes> frames;
    for (size_t i = 0; i < n; ++i)
        if (machine.Feed(out[i], true, camera.options().mode) == ReceiveStateMachine::Event::Frame)
            frames.emplace_back(machine.frame(), machine.frame() + machine.frameLength());
    return frames;
}
} // namespace

TEST(SimDsp8270, SetCommandsChangeTheStatusRecordTheCameraReports)
{
    ManualClock clock;
    SimOptions options;
    options.receiverType = 13;
    options.cameraType = 12;
    SimulatedCamera camera(clock, options);
    for (const char* c : {"bM2", "bW1", "bm1", "bb30", "bG200", "bS5", "bi9", "bFO", "bD3", "bs?", "bY2", "bYA1",
                          "bIM"})
        Exchange(camera, c);
    const std::vector<Bytes> status = Exchange(camera, "bDS");
    ASSERT_EQ(status.size(), 1u);
    Dsp8270Members m;
    DecodeDsp8270Reply(status[0].data(), status[0].size(), m);
    EXPECT_EQ(m.dayNight, 2);
    EXPECT_EQ(m.whiteBalance, 1);
    EXPECT_EQ(m.manualShutter, 1);
    EXPECT_EQ(m.brightness, 30);
    EXPECT_EQ(m.maxGain, 200);
    EXPECT_EQ(m.shutter, 5);
    EXPECT_EQ(m.integration, 9);
    EXPECT_EQ(m.freeze, 1);
    EXPECT_EQ(m.zoomLimit, 3);
    EXPECT_EQ(m.sharpness, 15);
    EXPECT_EQ(m.blc, 2);
    EXPECT_EQ(m.blcArea, 1);
    EXPECT_EQ(m.iris, 1);

    // A red gain press and its release: the release reports the new gain.
    Exchange(camera, "bWR");
    const std::vector<Bytes> red = Exchange(camera, "bWQ");
    ASSERT_EQ(red.size(), 1u);
    DecodeDsp8270Reply(red[0].data(), red[0].size(), m);
    EXPECT_EQ(m.red, 144);
    // Under Auto white balance the gains stay; BLC off reports no area.
    Exchange(camera, "bW0");
    Exchange(camera, "bWb");
    EXPECT_TRUE(Exchange(camera, "bWQ").empty());
    Exchange(camera, "bY0");
    Exchange(camera, "bEA");
    const std::vector<Bytes> again = Exchange(camera, "bDS");
    ASSERT_EQ(again.size(), 1u);
    DecodeDsp8270Reply(again[0].data(), again[0].size(), m);
    EXPECT_EQ(m.blue, 128);
    EXPECT_EQ(m.blcArea, -1);
    EXPECT_EQ(m.autoAll, 1);
    // Out-of-range settings are not the camera's.
    SimDsp8270 block;
    std::string reply;
    for (const char* c : {"bM3", "bb49", "bG256", "bS8", "bD4", "bs@", "bYA5", "bDS"})
        EXPECT_FALSE(block.Handle(c, reply)) << c;
}

TEST(SimHiDef, TheStatusPairsFollowTheSetCommands)
{
    SimHiDef camera;
    Set(camera, {"cD3", "ce9", "cv4"});
    HiDefMembers m;
    Bytes f = Ask(camera, "cDS");
    DecodeHiDefReply(f.data(), f.size(), m);
    EXPECT_EQ(m.zoomRange, 3);
    EXPECT_EQ(m.exposure, 1);
    EXPECT_EQ(m.videoMode, 4);
    Set(camera, {"ceu", "ceu", "ceu"}); // stops at 9dB
    f = Ask(camera, "cDS");
    DecodeHiDefReply(f.data(), f.size(), m);
    EXPECT_EQ(m.exposure, 3);
    Set(camera, {"ced"});
    f = Ask(camera, "cDS");
    DecodeHiDefReply(f.data(), f.size(), m);
    EXPECT_EQ(m.exposure, 2);
    std::string reply;
    for (const char* c : {"cD6", "ce8", "cv8", "cWS"})
        EXPECT_FALSE(camera.Handle(c, reply)) << c;
}

TEST(SimMaintenance, EachQueryReportsWhatItsSetCommandsChanged)
{
    SimMaintenance dome;
    Set(dome, {"mt41", "mf1", "mos1051212", std::string("*XP03022\x02"), "i1", "im1", "mwr0010d05", "mwm1",
               "mWW10w00m1f005", "mWh", "rrRRRR", "mVs"});
    EXPECT_TRUE(dome.settings().nvramCleared);
    EXPECT_TRUE(dome.settings().washHomeSet);
    EXPECT_TRUE(dome.settings().virtualHome);

    OtherMaintenanceMembers m;
    for (const char* query : {"mtS", "mfS", "mo?", "*Xps"}) {
        const Bytes f = Ask(dome, query);
        DecodeOtherMaintenanceReply(f.data(), f.size(), m);
    }
    EXPECT_EQ(m.heater, 41);
    EXPECT_EQ(m.freeze, 1);
    EXPECT_EQ(EnhancedPresetCommand(m), "mos1051212");
    EXPECT_EQ(ParkCommand(m), std::string("*XP03022\x02"));

    IlluminatorMembers ir;
    Bytes f = Ask(dome, "imS");
    DecodeIlluminatorReply(f.data(), f.size(), ir);
    EXPECT_EQ(ir.ir, 1);
    EXPECT_EQ(ir.mode, 1);

    WipeMembers wipe;
    f = Ask(dome, "mw?");
    DecodeWipeReply(f.data(), f.size(), wipe);
    EXPECT_EQ(WipeSetCommand(wipe), "mwr0010d05");
    EXPECT_EQ(wipe.module, 1);

    WashMembers wash;
    f = Ask(dome, "mW?");
    DecodeWashReply(f.data(), f.size(), wash);
    EXPECT_EQ(WashSetCommand(wash), "mWW10w00m1f005");

    // What the dome does not take.
    std::string reply;
    for (const char* c : {"mt19", "mt46", "mwr001d05", "mWW10w00m2f005", "i2"})
        EXPECT_FALSE(dome.Handle(c, reply)) << c;
    EXPECT_FALSE(dome.Handle(std::string("*XP03033\x02"), reply)) << "kind 3";
    EXPECT_EQ(dome.settings().heater, 41);
}
