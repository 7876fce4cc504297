// The simulated camera's replies, read back with the console's own frame
// assembly and decoders, so the two ends cannot drift apart.
#include "Framing.h"
#include "ManualClock.h"
#include "ReceiveStateMachine.h"
#include "ReplyFields.h"
#include "SimulatedCamera.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

namespace {
struct Exchange {
    explicit Exchange(SimOptions options) : camera(clock, options) {}

    // Sends the command as the console frames it and returns the reply
    // frame the console assembles (the acknowledgement skipped).
    Bytes Ask(const std::string& text, bool binary = false)
    {
        FrameBuffer f;
        if (binary)
            BuildBinaryFrame(f, text, camera.options().address);
        else
            BuildAsciiFrame(f, camera.options().mode, static_cast<uint8_t>(camera.options().address), 0, text);
        for (size_t i = 0; i < f.length; ++i)
            camera.Receive(f.bytes[i]);
        uint8_t out[512];
        const size_t n = camera.TakeOutput(out, sizeof out);
        ReceiveStateMachine machine;
        for (size_t i = 0; i < n; ++i)
            if (machine.Feed(out[i], !binary, camera.options().mode) == ReceiveStateMachine::Event::Frame)
                return Bytes(machine.frame(), machine.frame() + machine.frameLength());
        return {};
    }

    ManualClock clock;
    SimulatedCamera camera;
};

SimOptions Options(int mode, int address = 1, int rx = 5, int protocol = 0)
{
    SimOptions o;
    o.mode = mode;
    o.address = address;
    o.receiverType = rx;
    o.protocol = protocol;
    return o;
}
} // namespace

TEST(SimulatedCamera, AnswersTheAddressRequestInBothModes)
{
    for (auto [mode, address] : {std::pair{0, 1}, {1, 7}, {1, 300}, {0, 4321}}) {
        Exchange x(Options(mode, address));
        FrameBuffer broadcast;
        BuildAsciiFrame(broadcast, mode, 0xFF, 0, "A?");
        for (size_t i = 0; i < broadcast.length; ++i)
            x.camera.Receive(broadcast.bytes[i]);
        uint8_t out[64];
        const size_t n = x.camera.TakeOutput(out, sizeof out);
        ReceiveStateMachine machine;
        std::optional<int> decoded;
        for (size_t i = 0; i < n; ++i)
            if (machine.Feed(out[i], true, mode) == ReceiveStateMachine::Event::Frame)
                decoded = DecodeAddressReply(machine.frame(), machine.frameLength(), 0);
        EXPECT_EQ(decoded, address) << "mode " << mode;
    }
}

TEST(SimulatedCamera, StatusRepliesCarryItsState)
{
    for (int mode : {0, 1}) {
        Exchange x(Options(mode, 1, 13, 5));
        x.camera.state().manualIris = true;
        x.camera.state().manualFocus = true;
        x.camera.state().videoType = 2;
        const StatusFields b = DecodeStatusFields(x.Ask("bDS").data(), x.Ask("bDS").size(), kStatusReplyOffsets);
        EXPECT_EQ(b.latchStatus, static_cast<uint8_t>('3')) << mode; // power and manual iris
        EXPECT_EQ(b.manualFocus, true);
        EXPECT_EQ(b.protocol, 5);
        EXPECT_EQ(b.videoType, 2);
        EXPECT_EQ(b.lineLockPhase, 0);
        EXPECT_EQ(b.freeze, static_cast<uint8_t>('0'));
        const Bytes c = x.Ask("cDS");
        const StatusFields shifted = DecodeStatusFields(c.data(), c.size(), kShiftedStatusOffsets);
        EXPECT_EQ(shifted.latchStatus, static_cast<uint8_t>('3')) << mode;
        EXPECT_EQ(shifted.protocol, 5);
        EXPECT_EQ(shifted.freeze, static_cast<uint8_t>('0'));
    }
}

TEST(SimulatedCamera, LatchesToggleAndShowInTheLatchReply)
{
    Exchange x(Options(1));
    auto latch = [&] {
        const Bytes f = x.Ask("L?");
        return f.size() > 3 && f[2] == 'L' ? f[3] : 0;
    };
    EXPECT_EQ(latch(), '2');
    x.Ask("LP");
    x.Ask("LL");
    x.Ask("LM");
    EXPECT_EQ(latch(), '5');
    const Bytes focus = x.Ask("cFM");
    ASSERT_GE(focus.size(), 5u);
    EXPECT_EQ(std::string(focus.begin() + 2, focus.begin() + 5), "cL1");
}

TEST(SimulatedCamera, PositionReplyByReceiverType)
{
    for (int rx : {5, 9}) {
        Exchange x(Options(1, 1, rx));
        x.camera.state().pan = 1234;
        x.camera.state().tilt = 56;
        const Bytes f = x.Ask("cPS");
        const std::optional<PanTilt> p = DecodePositionReply(f.data(), f.size(), rx);
        ASSERT_TRUE(p) << rx;
        EXPECT_EQ(p->pan, 1234);
        EXPECT_EQ(p->tilt, 56);
    }
}

TEST(SimulatedCamera, JavelinRecordsGetABinaryStatusFrame)
{
    for (int protocol : {3, 9}) {
        Exchange x(Options(1, 300, 5, protocol));
        const uint8_t irisCode = protocol == 3 ? 0x08 : 0x02;
        const std::string manualIris{'\xFF', '\x06', '\x07', '\x06', '\x01', '\x01', static_cast<char>(irisCode), '\xFF'};
        const Bytes f = x.Ask(manualIris, true);
        ASSERT_EQ(f.size(), 10u) << protocol;
        uint8_t sum = 0;
        for (size_t i = 1; i < f.size(); ++i)
            sum = static_cast<uint8_t>(sum + f[i]);
        EXPECT_EQ(sum, 0);
        const std::optional<BinaryStatus> s = DecodeBinaryStatus(f.data(), f.size(), protocol);
        ASSERT_TRUE(s);
        EXPECT_TRUE(s->manualIris) << protocol;
        EXPECT_FALSE(s->manualFocus);
        EXPECT_TRUE(s->cameraPower);
    }
    // A record for another camera is not answered.
    Exchange other(Options(1, 2, 5, 3));
    FrameBuffer f;
    BuildBinaryFrame(f, std::string{'\xFF', '\x06', '\x07', '\x03', '\x01', '\x01', '\x00', '\xFF'}, 5);
    for (size_t i = 0; i < f.length; ++i)
        other.camera.Receive(f.bytes[i]);
    EXPECT_FALSE(other.camera.HasOutput());
}
