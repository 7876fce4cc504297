// The simulated camera keeps what the camera ID, azimuth and pan/tilt
// module dialogs send it (their codecs make the commands, framed as the
// console frames them), and answers the address search only at its own
// address.
#include "AzimuthCodec.h"
#include "CameraIdCodec.h"
#include "Framing.h"
#include "ManualClock.h"
#include "ReceiveStateMachine.h"
#include "ReplyFields.h"
#include "SimulatedCamera.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
struct Camera {
    explicit Camera(int address = 1, int receiverType = 5) : camera(clock, Options(address, receiverType)) {}

    static SimOptions Options(int address, int receiverType)
    {
        SimOptions o;
        o.address = address;
        o.receiverType = receiverType;
        return o;
    }

    // The frame as the console writes it to the given address; what came back.
    std::vector<uint8_t> Send(const std::string& text, int address = -1)
    {
        FrameBuffer f;
        BuildAsciiFrame(f, 1, static_cast<uint8_t>(address < 0 ? camera.options().address : address), 0, text);
        return Deliver(f);
    }
    std::vector<uint8_t> SendHash(const std::string& text)
    {
        FrameBuffer f;
        BuildHashFrame(f, text);
        return Deliver(f);
    }
    std::vector<uint8_t> Deliver(const FrameBuffer& f)
    {
        for (size_t i = 0; i < f.length; ++i)
            camera.Receive(f.bytes[i]);
        uint8_t out[256];
        const size_t n = camera.TakeOutput(out, sizeof out);
        return std::vector<uint8_t>(out, out + n);
    }
    void Send(const IdBatch& batch)
    {
        for (const IdCommand& c : batch.commands)
            Send(c.text);
    }

    ManualClock clock;
    SimulatedCamera camera;
};

// The reply frame in what the camera sent back, or nothing.
std::vector<uint8_t> ReplyFrame(const std::vector<uint8_t>& bytes)
{
    ReceiveStateMachine machine;
    for (uint8_t b : bytes)
        if (machine.Feed(b, true, 1) == ReceiveStateMachine::Event::Frame)
            return std::vector<uint8_t>(machine.frame(), machine.frame() + machine.frameLength());
    return {};
}
} // namespace

TEST(SimCameraId, AnswersTheSearchPollOnlyAtItsOwnAddress)
{
    Camera c(37);
    c.camera.state().cameraPower = true;
    struct Case {
        int address;
        bool acknowledged;
        bool answered;
    };
    for (const Case& k : {Case{36, false, false}, Case{38, false, false}, Case{255, true, false},
                          Case{37, true, true}}) {
        const std::vector<uint8_t> back = c.Send("L?H?", k.address);
        EXPECT_EQ(!back.empty() && back[0] == 0x06, k.acknowledged) << k.address;
        const std::vector<uint8_t> reply = ReplyFrame(back);
        EXPECT_EQ(!reply.empty(), k.answered) << k.address;
        if (!reply.empty()) {
            // The console's position and status decoder takes it: a search answer.
            const PositionStatus s = DecodePositionStatus(reply.data(), reply.size());
            ASSERT_TRUE(s.latch.has_value());
            EXPECT_EQ(*s.latch & 2, 2) << "camera power";
            EXPECT_EQ(reply[1], 37);
        }
    }
}

TEST(SimCameraId, KeepsTheLinesAndSwitchesOfEachGenerator)
{
    Camera c;
    CameraIdMembers receiver;
    c.Send(IdLineCommand(receiver, 2, "GATE 7"));
    c.Send(ToggleId(receiver, IdToggle::IdEnable).text);
    c.Send(ToggleId(receiver, IdToggle::IdLine2).text);
    c.Send(ToggleId(receiver, IdToggle::AlarmLine3).text);
    CameraIdMembers camera;
    camera.inCamera = 1;
    c.Send(IdLineCommand(camera, 4, "Caf\xE9 door"));
    c.Send(ToggleId(camera, IdToggle::Blink).text);
    c.Send(ToggleId(camera, IdToggle::DisplayAtTop).text);
    c.Send(ToggleId(camera, IdToggle::Maintenance).text); // never prefixed: the receiver's

    const SimCameraId::Generator& r = c.camera.cameraId().receiver();
    EXPECT_EQ(r.lines[1], "GATE 7" + std::string(18, ' '));
    EXPECT_TRUE(r.idEnabled);
    EXPECT_EQ(r.idLine, (std::array<bool, 2>{true, false}));
    EXPECT_EQ(r.alarmLine, (std::array<bool, 3>{false, false, true}));
    EXPECT_TRUE(r.maintenance);
    EXPECT_FALSE(r.blink);
    const SimCameraId::Generator& g = c.camera.cameraId().camera();
    EXPECT_EQ(g.lines[3], "Caf  door" + std::string(15, ' '));
    EXPECT_TRUE(g.blink);
    EXPECT_TRUE(g.displayAtTop);
    EXPECT_FALSE(g.maintenance);
    EXPECT_TRUE(g.lines[1].empty());
}

TEST(SimCameraId, TheTestPatternAndClearingIt)
{
    Camera c;
    CameraIdMembers m;
    c.Send(InitAllIds(m));
    const SimCameraId::Generator& r = c.camera.cameraId().receiver();
    EXPECT_EQ(r.lines[0], "ID TEST - LINE 1");
    EXPECT_EQ(r.lines[3], "ID TEST - ALARM 2");
    EXPECT_EQ(r.lines[4], "ID TEST - ALARM 3");
    EXPECT_TRUE(r.lines[2].empty()) << "the first alarm line is only shown, not sent";
    EXPECT_TRUE(r.idEnabled && r.displayAtTop && r.alarmEnabled && r.blink && r.maintenance);

    c.Send(ClearAllIds(m));
    EXPECT_EQ(r.clears, 1);
    EXPECT_TRUE(r.lines[0].empty());
    EXPECT_FALSE(r.idEnabled || r.blink || r.maintenance);
}

TEST(SimCameraId, OnScreenMenuOfThe8270)
{
    Camera c;
    CameraIdMembers m;
    c.Send(ToggleId(m, IdToggle::MenuOn).text);
    c.Send(ToggleId(m, IdToggle::FreezeEntry).text);
    c.Send("+s");
    c.Send("+c");
    c.Send("+s");
    const SimCameraId::Osd& o = c.camera.cameraId().osd();
    EXPECT_TRUE(o.menuOn);
    EXPECT_TRUE(o.freezeEntry);
    EXPECT_EQ(o.enters, 2);
    EXPECT_EQ(o.clears, 1);
    c.Send(ToggleId(m, IdToggle::MenuOn).text);
    EXPECT_FALSE(o.menuOn);
}

TEST(SimAzimuth, KeepsTheNorthReferenceReadoutsAndModuleCommands)
{
    Camera c(1, 14);
    for (const AzimuthButton& b : kAzimuthButtons)
        c.Send(b.command);
    const SimAzimuth::Settings& s = c.camera.azimuth().settings();
    EXPECT_EQ(s.commands, 14);
    // The table's later button of each pair wins.
    EXPECT_FALSE(s.northSet);
    EXPECT_EQ(s.northClears, 1);
    EXPECT_FALSE(s.azimuthDisplay);
    EXPECT_FALSE(s.azimuthPermanent);
    EXPECT_FALSE(s.directionDisplay);
    EXPECT_EQ(s.directionZones, 16);
    EXPECT_FALSE(s.groupedWithIds);
    c.Send("mNs");
    c.Send("dNI");
    c.Send("dN0");
    EXPECT_TRUE(s.northSet);
    EXPECT_TRUE(s.groupedWithIds);
    EXPECT_EQ(s.directionZones, 8);

    // A '#' frame (receiver type 9100) and a '#' text in an ordinary frame.
    EXPECT_EQ(c.SendHash(PtModuleCommand("GO 12")), (std::vector<uint8_t>{0x06}));
    c.Send(PtModuleCommand(""));
    EXPECT_EQ(s.moduleCommands, (std::vector<std::string>{"GO 12", ""}));
}
