// The simulated day/night camera's privacy zones, read back through the
// frames the console assembles and the privacy zone dialog's codec.
#include "Framing.h"
#include "ManualClock.h"
#include "PrivacyZoneCodec.h"
#include "ReceiveStateMachine.h"
#include "SimulatedCamera.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

struct Camera {
    explicit Camera(int cameraType = 3, int mode = 1) : camera(clock, Options(cameraType, mode)) {}

    static SimOptions Options(int cameraType, int mode)
    {
        SimOptions o;
        o.cameraType = cameraType;
        o.mode = mode;
        return o;
    }

    // The command framed as the console frames it; the reply frame the
    // console assembles (empty when the camera only acknowledges).
    Bytes Ask(const std::string& text)
    {
        FrameBuffer f;
        BuildAsciiFrame(f, camera.options().mode, 1, 0, text);
        for (size_t i = 0; i < f.length; ++i)
            camera.Receive(f.bytes[i]);
        uint8_t out[256];
        const size_t n = camera.TakeOutput(out, sizeof out);
        ReceiveStateMachine machine;
        for (size_t i = 0; i < n; ++i)
            if (machine.Feed(out[i], true, camera.options().mode) == ReceiveStateMachine::Event::Frame)
                return Bytes(machine.frame(), machine.frame() + machine.frameLength());
        return {};
    }
    PrivacyZoneReply Read(const std::string& query, PrivacyZoneMembers& m)
    {
        const Bytes reply = Ask(query);
        EXPECT_FALSE(reply.empty()) << query;
        return DecodePrivacyZoneReply(reply.data(), reply.size(), m);
    }

    ManualClock clock;
    SimulatedCamera camera;
};
} // namespace

TEST(SimPrivacyZones, AZoneProgrammedIsReadBackAsTheDialogReadsIt)
{
    for (int mode : {0, 1}) {
        Camera c(3, mode);
        for (const char* command : {"csNC", "csMC1", "cshC030", "csvC020", "csCP8", "csCL:", "csTL1", "csMC2"})
            EXPECT_TRUE(c.Ask(command).empty()) << command;
        // Sizes beyond the camera's 0-50 and 0-40, and malformed ones, are not kept.
        for (const char* command : {"cshC051", "csvC041", "cshC1", "csCP>"})
            c.Ask(command);
        EXPECT_EQ(c.camera.privacyZones().selected(), 2);

        PrivacyZoneMembers m;
        EXPECT_TRUE(c.Read("csZC?", m).askColours) << mode;
        EXPECT_EQ(m.programmed, 1);
        EXPECT_EQ(m.mode, 2);
        EXPECT_TRUE(c.Read("csC?", m).askSize);
        EXPECT_EQ(m.programmingColour, 8);
        EXPECT_EQ(m.programmingTransparency, 0);
        EXPECT_EQ(m.liveColour, 10);
        EXPECT_EQ(m.liveTransparency, 1);
        c.Read("cshC?", m);
        EXPECT_EQ(m.horizontalSize, 30);
        EXPECT_EQ(m.verticalSize, 20);

        // Another zone is untouched.
        PrivacyZoneMembers other;
        c.Read("csZD?", other);
        c.Read("cshD?", other);
        EXPECT_EQ(other.programmed, 0);
        EXPECT_EQ(other.mode, 0);
        EXPECT_EQ(other.horizontalSize, 0);
        c.Read("csvD?", other);
        EXPECT_EQ(other.verticalSize, 0);
        // The colours are the camera's, asked for with a zone letter too.
        PrivacyZoneMembers colours;
        c.Read("csCX?", colours);
        EXPECT_EQ(colours.liveColour, 10);
    }
}

TEST(SimPrivacyZones, GotoZonePositionReturnsToWhereTheZoneWasFramed)
{
    Camera c;
    PrivacyZoneMembers m;
    c.Ask("cp12340456");
    c.Ask("csMB1"); // framed here
    c.Ask("cp00100020");
    c.Read("cPS", m);
    EXPECT_EQ(m.pan, "0010");
    c.Ask("csHB");
    c.Read("cPS", m);
    EXPECT_EQ(m.pan, "1234");
    EXPECT_EQ(m.tilt, "0456");
    // A zone never programmed has no position to go to.
    c.Ask("csHE");
    c.Read("cPS", m);
    EXPECT_EQ(m.pan, "1234");
    // "Center Zone" frames it again where the camera looks now.
    c.Ask("cp00500060");
    c.Ask("csPB");
    c.Ask("cp00000000");
    c.Ask("csHB");
    c.Read("cPS", m);
    EXPECT_EQ(m.pan, "0050");
    EXPECT_EQ(m.tilt, "0060");
}

TEST(SimPrivacyZones, OnlyDayNightCamerasKeepZones)
{
    Camera dsp7440(4);
    EXPECT_TRUE(dsp7440.Ask("csZA?").empty());
    Camera thermal(18);
    EXPECT_FALSE(thermal.Ask("csZA?").empty());
    // The Day/Night panel's own "cs" commands are not taken for zones.
    Camera dayNight(3);
    dayNight.Ask("csO");
    dayNight.Ask("csE");
    EXPECT_EQ(dayNight.camera.state().dsp.progressive, 1);
    EXPECT_EQ(dayNight.camera.state().dsp.field, 1);
}
