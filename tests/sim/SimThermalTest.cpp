// The simulated thermal core and thermal camera speak what the thermal
// panels' codecs read.
#include "Framing.h"
#include "ManualClock.h"
#include "ReceiveStateMachine.h"
#include "SimThermalCamera.h"
#include "SimThermalCore.h"
#include "SimulatedCamera.h"
#include "Thermal2Codec.h"
#include "ThermalCodec.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

Bytes Frame(const std::string& reply)
{
    Bytes f{0xF8, 0x01};
    f.insert(f.end(), reply.begin(), reply.end());
    f.push_back(0x80);
    return f;
}

ThermalMembers CoreStatus(SimThermalCore& core)
{
    std::string reply;
    EXPECT_TRUE(core.Handle("tDS", reply));
    ThermalMembers m;
    const Bytes f = Frame(reply);
    DecodeThermalReply(f.data(), f.size(), m);
    return m;
}

Thermal2Members CameraStatus(SimThermalCamera& camera)
{
    std::string reply;
    EXPECT_TRUE(camera.Handle("tDS", reply));
    Thermal2Members m;
    const Bytes f = Frame(reply);
    DecodeThermal2Reply(f.data(), f.size(), m);
    return m;
}

void Tell(SimThermalCore& core, std::initializer_list<std::string> commands)
{
    std::string reply;
    for (const std::string& c : commands) {
        EXPECT_TRUE(core.Handle(c, reply)) << c;
        EXPECT_TRUE(reply.empty()) << c;
    }
}

// The reply frame the console assembles for a command sent to a simulated camera.
Bytes Ask(SimulatedCamera& camera, const std::string& text)
{
    FrameBuffer f;
    BuildAsciiFrame(f, camera.options().mode, static_cast<uint8_t>(camera.options().address), 0, text);
    for (size_t i = 0; i < f.length; ++i)
        camera.Receive(f.bytes[i]);
    uint8_t out[512];
    const size_t n = camera.TakeOutput(out, sizeof out);
    ReceiveStateMachine machine;
    for (size_t i = 0; i < n; ++i)
        if (machine.Feed(out[i], true, camera.options().mode) == ReceiveStateMachine::Event::Frame)
            return Bytes(machine.frame(), machine.frame() + machine.frameLength());
    return {};
}
} // namespace

TEST(SimThermalCore, SetCommandsChangeWhatTheStatusReports)
{
    SimThermalCore core(true);
    Tell(core, {"tW0", "tk01200050", "tF1", "tB1", "tC;", "ti3", "tX2", "tA0150110018", "tR000168640512", "tS1",
                "td21", "tfN", "trh", "tt03ABC"});
    // Out of range or malformed: the setting stays.
    std::string reply;
    for (const char* command : {"tW3", "tk30001000", "tC<", "tA0009000000", "tR000000641512", "tR100000100512",
                                "td0F", "td50", "tt04ABC"})
        core.Handle(command, reply);
    const ThermalMembers m = CoreStatus(core);
    EXPECT_EQ(m.ffcMode, 0);
    EXPECT_EQ(m.ffcInterval, 1200);
    EXPECT_EQ(m.ffcTempChange, 50);
    EXPECT_EQ(m.operatingMode, 1);
    EXPECT_EQ(m.video, 1);
    EXPECT_EQ(m.palette, 11);
    EXPECT_EQ(m.orientation, 3);
    EXPECT_EQ(m.digitalZoom, 2);
    EXPECT_EQ(m.plateau, 150);
    EXPECT_EQ(m.maxGain, 18);
    EXPECT_EQ(m.roiTop, 168);
    EXPECT_EQ(m.roiRight, 640);
    EXPECT_EQ(m.suppOffset, 1);
    EXPECT_EQ(m.dde, 18);
    EXPECT_EQ(m.sensorSize, 1);
    EXPECT_EQ(core.focus(), 'N');
    EXPECT_EQ(core.flatFieldCorrections(), 1);
    EXPECT_EQ(core.passThrough(), "ABC");
    EXPECT_FALSE(core.Handle("cDS", reply)) << "not a thermal command";
}

TEST(SimThermalCore, SensorSizeAndUserSettings)
{
    SimThermalCore small(false);
    ThermalMembers m = CoreStatus(small);
    EXPECT_EQ(m.sensorSize, 0);
    EXPECT_EQ(m.roiRight, 320);
    EXPECT_EQ(m.roiBottom, 256);
    // A 640-wide region does not fit the small sensor.
    std::string reply;
    small.Handle("tR000000640512", reply);
    EXPECT_EQ(CoreStatus(small).roiRight, 320);

    // Save keeps the settings; Recall and Reset bring them back; Factory
    // defaults go back to the start.
    Tell(small, {"tC3", "tsS", "tC5"});
    EXPECT_EQ(CoreStatus(small).palette, 5);
    Tell(small, {"tss"});
    EXPECT_EQ(CoreStatus(small).palette, 3);
    Tell(small, {"tC7", "tsR"});
    EXPECT_EQ(CoreStatus(small).palette, 3);
    Tell(small, {"tsD"});
    EXPECT_EQ(CoreStatus(small).palette, 0);
}

TEST(SimThermalCamera, SetCommandsChangeWhatTheStatusReports)
{
    SimThermalCamera camera;
    std::string reply;
    for (const char* command : {"tC4", "tB1", "tL1", "tF1", "tX2", "tO7", "to3", "tf<", "tk?", "tc1", "ttc", "tW0",
                                "trh", "tfF"}) {
        EXPECT_TRUE(camera.Handle(command, reply)) << command;
        EXPECT_TRUE(reply.empty()) << command;
    }
    for (const char* command : {"tC5", "tX3", "to4", "tt\x10", "tf@"})
        camera.Handle(command, reply);
    Thermal2Members m = CameraStatus(camera);
    EXPECT_EQ(m.palette, 4);
    EXPECT_EQ(m.colourBar, 1);
    EXPECT_EQ(m.polarity, 1);
    EXPECT_EQ(m.freeze, 1);
    EXPECT_EQ(m.digitalZoom, 2);
    EXPECT_EQ(m.overlayPalette, 7);
    EXPECT_EQ(m.overlayMode, 3);
    EXPECT_EQ(m.foreground, 12);
    EXPECT_EQ(m.background, 15);
    EXPECT_EQ(m.calFlagClosed, 1);
    EXPECT_EQ(m.autoRefresh, 50);
    EXPECT_FALSE(camera.settings().autoRefreshOn);
    EXPECT_EQ(camera.refreshes(), 1);
    EXPECT_EQ(camera.focus(), 'F');
    // Eleven minutes are reported as 'n'.
    camera.Handle("tt\x1B", reply);
    EXPECT_EQ(camera.StatusReply().back(), 'n');
    EXPECT_EQ(CameraStatus(camera).autoRefresh, 11);
    camera.Handle("tsD", reply);
    EXPECT_EQ(CameraStatus(camera).palette, 0);
}

// The camera type decides which block answers "tDS", and with which sensor.
TEST(SimulatedCamera, ThermalStatusByCameraType)
{
    struct Case {
        int cameraType;
        bool core, camera;
        int sensor;
    } cases[] = {{15, true, false, 1}, {16, true, false, 0}, {18, true, false, 0}, {5, false, true, -1},
                 {6, false, true, -1}, {9, false, true, -1}, {3, false, false, -1}};
    for (const Case& c : cases) {
        ManualClock clock;
        SimOptions options;
        options.cameraType = c.cameraType;
        SimulatedCamera camera(clock, options);
        const Bytes reply = Ask(camera, "tDS");
        if (!c.core && !c.camera) {
            EXPECT_TRUE(reply.empty()) << c.cameraType;
            continue;
        }
        ASSERT_GE(reply.size(), 5u) << c.cameraType;
        EXPECT_EQ(reply[2], 't');
        ThermalMembers core;
        DecodeThermalReply(reply.data(), reply.size(), core);
        Thermal2Members thermal;
        DecodeThermal2Reply(reply.data(), reply.size(), thermal);
        if (c.core) {
            EXPECT_EQ(core.sensorSize, c.sensor) << c.cameraType;
            EXPECT_EQ(core.roiRight, c.sensor == 1 ? 640 : 320) << c.cameraType;
        } else {
            EXPECT_EQ(thermal.autoRefresh, 5) << c.cameraType;
            EXPECT_EQ(thermal.foreground, 15) << c.cameraType;
        }
    }
}
