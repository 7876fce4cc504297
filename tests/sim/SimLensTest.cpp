// The simulated lens maintenance settings and 55X lens, read back through
// the lens maintenance codec from the frames the console assembles.
#include "Framing.h"
#include "LensMaintenanceCodec.h"
#include "ManualClock.h"
#include "ReceiveStateMachine.h"
#include "SimulatedCamera.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

namespace {
struct Camera {
    Camera(int rx, int cam = 12) : camera(clock, Options(rx, cam)) {}

    static SimOptions Options(int rx, int cam)
    {
        SimOptions o;
        o.receiverType = rx;
        o.cameraType = cam;
        return o;
    }

    // The reply frame the console assembles for the command (none: empty).
    Bytes Ask(const std::string& text)
    {
        FrameBuffer f;
        BuildAsciiFrame(f, camera.options().mode, static_cast<uint8_t>(camera.options().address), 0, text);
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

    // Asks and hands the answer to the dialog's codec.
    std::string Read(const std::string& query, LensMaintenanceMembers& m)
    {
        const Bytes reply = Ask(query);
        EXPECT_FALSE(reply.empty()) << query;
        return DecodeLensMaintenanceReply(reply.data(), reply.size(), m).followUp;
    }

    ManualClock clock;
    SimulatedCamera camera;
};
} // namespace

TEST(SimLensMaintenance, TheOpeningChainReadsWhatTheSetCommandsChanged)
{
    Camera c(13);
    LensMaintenanceMembers m;
    // The chain as the dialog walks it, each answer naming the next query.
    EXPECT_EQ(c.Read("m?", m), "mXS");
    EXPECT_EQ(m.voltage, 1);
    EXPECT_EQ(LensTypeBits(m), 5);
    EXPECT_EQ(m.crystal, 1) << "the camera starts on the crystal";
    EXPECT_EQ(c.Read("mXS", m), "mRS");
    EXPECT_EQ(c.Read("mRS", m), "");

    for (const char* command : {"m2", "ml9", "mv1", "mc4", "mX1", "mR3", "Lp4"})
        EXPECT_TRUE(c.Ask(command).empty()) << command << " is only acknowledged";
    // Values outside their lists leave the setting alone.
    for (const char* command : {"m3", "ml@", "mv2", "mc6", "mX2", "mR4"})
        c.Ask(command);
    LensMaintenanceMembers after;
    c.Read("m?", after);
    c.Read("mXs", after); // the dialog's "?" asks in lower case
    c.Read("mRS", after);
    EXPECT_EQ(after.voltage, 2);
    EXPECT_EQ(after.lensType, (std::array<int, 4>{1, 0, 0, 1}));
    EXPECT_EQ(after.video, 1);
    EXPECT_EQ(after.camera, 4);
    EXPECT_EQ(after.crystal, 0);
    EXPECT_EQ(after.phase, 3);
    EXPECT_EQ(after.twoX, 1);
    EXPECT_EQ(after.ir, 3);

    // The services are counted; "mc" alone is the calibration, not a camera.
    for (const char* command : {"mc", "ma", "rrRRRR"})
        c.Ask(command);
    const SimLensMaintenance::Settings& s = c.camera.lensMaintenance().settings();
    EXPECT_EQ(s.calibrations, 1);
    EXPECT_EQ(s.autoIrisLevels, 1);
    EXPECT_EQ(s.nvramClears, 1);
    EXPECT_EQ(s.camera, 4);
}

TEST(SimLensMaintenance, KeptByTheReceiversWhoseSetupOffersIt)
{
    for (int rx : {8, 10, 12, 13})
        EXPECT_FALSE(Camera(rx).Ask("m?").empty()) << rx;
    for (int rx : {0, 5, 14})
        EXPECT_TRUE(Camera(rx).Ask("m?").empty()) << rx;
    // Receiver type 12 keeps "mR" for the left picture's reversal.
    Camera twelve(12);
    twelve.Ask("mR1");
    EXPECT_TRUE(twelve.camera.state().leftReversed);
    EXPECT_EQ(twelve.camera.lensMaintenance().settings().ir, 0);
}

TEST(SimLens55x, KeepsWhatTheLensWindowsSet)
{
    Camera c(14, 17);
    const SimLens55x::Settings& s = c.camera.lens55x().settings();
    auto send = [&](std::initializer_list<const char*> texts) {
        for (const char* t : texts)
            EXPECT_TRUE(c.Ask(t).empty()) << t;
    };
    send({"cIO"});
    EXPECT_EQ(s.irisMotion, 1);
    send({"IS", "Hk", "L1"});
    EXPECT_EQ(s.irisMotion, 0);
    EXPECT_TRUE(s.twoX);
    EXPECT_TRUE(c.camera.state().manualFocus);
    // The reticle key is "Hl" then "Hn"; a lone "Hl" is the bypass.
    send({"Hl", "Hn"});
    EXPECT_TRUE(s.reticle);
    EXPECT_FALSE(s.bypass);
    send({"Hl", "Hm"});
    EXPECT_TRUE(s.bypass);
    EXPECT_TRUE(s.pair);
    EXPECT_TRUE(s.reticle);
    send({"Hn"});
    EXPECT_TRUE(s.reticle) << "an \"Hn\" on its own changes nothing";
    // Back focus outside the menu; the menu's items and values inside it.
    const int focus = s.backFocus;
    const int pan = c.camera.state().pan;
    send({"PR", "PR", "PL", "L2"});
    EXPECT_EQ(s.backFocus, focus + 1);
    EXPECT_EQ(s.autoBackFocus, 1);
    send({"Hp", "TD", "TD", "TU", "PR", "L2", "Ho"});
    EXPECT_FALSE(s.menuOpen);
    EXPECT_EQ(s.menuValues[1], 1);
    EXPECT_EQ(s.menuTaken, 1);
    EXPECT_EQ(s.backFocus, focus + 1);
    c.clock.Advance(1000);
    c.camera.Update();
    EXPECT_EQ(c.camera.state().pan, pan) << "PL and PR are the lens's, not a pan";
    // Zoom at a speed is the camera's own motion.
    send({"cZ2"});
    c.clock.Advance(1000);
    c.camera.Update();
    EXPECT_GT(c.camera.state().zoom, 0);
}
