#include "JavelinCommandBuilder.h"

#include "CommandQueue.h"
#include "Framing.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

namespace {
Bytes Of(const JavelinBytes& r) { return Bytes(r.begin(), r.end()); }

// Every waiting record, as the queue service takes it.
std::vector<Bytes> Drain(CommandQueue& queue)
{
    std::vector<Bytes> out;
    uint8_t slot[CommandQueue::kSentLength + 1];
    while (!queue.Empty()) {
        const size_t n = queue.TakeNext(slot);
        out.emplace_back(slot, slot + n);
    }
    return out;
}

// The motion codes of the waiting records (all in the motion group).
Bytes DrainMotionCodes(CommandQueue& queue)
{
    Bytes codes;
    for (const Bytes& r : Drain(queue)) {
        EXPECT_EQ(r.size(), 8u);
        if (r.size() == 8) {
            EXPECT_EQ(r[3], JavelinGroup::Motion);
            codes.push_back(r[6]);
        }
    }
    return codes;
}

std::string_view View(const Bytes& b) { return {reinterpret_cast<const char*>(b.data()), b.size()}; }
} // namespace

TEST(JavelinCommandBuilder, PanLeftToCameraOne)
{
    CommandQueue queue;
    JavelinCommandBuilder builder(queue);
    builder.PanLeftStart();
    const auto records = Drain(queue);
    ASSERT_EQ(records.size(), 1u);
    FrameBuffer f;
    ASSERT_TRUE(BuildBinaryFrame(f, View(records[0]), 1));
    EXPECT_EQ(Bytes(f.bytes, f.bytes + f.length), (Bytes{0xFF, 0x06, 0x07, 0x04, 0x00, 0x01, 0xC0, 0x2E}));
}

// One record per action; each survives the queue whole (zero codes too) and
// frames to camera 300 with a checksum that brings bytes 1 to 7 to zero.
TEST(JavelinCommandBuilder, EveryActionQueuesOneRecord)
{
    using B = JavelinCommandBuilder;
    struct Case {
        const char* name;
        int protocol;
        std::function<void(B&)> action;
        uint8_t group, code;
    } cases[] = {
        {"pan left start", 3, &B::PanLeftStart, 4, 0xC0},
        {"pan left stop", 3, &B::PanLeftStop, 4, 0x40},
        {"pan right start", 3, &B::PanRightStart, 4, 0x80},
        {"pan right stop", 3, &B::PanRightStop, 4, 0x00},
        {"tilt up start", 3, &B::TiltUpStart, 4, 0xC1},
        {"tilt up stop", 3, &B::TiltUpStop, 4, 0x41},
        {"tilt down start", 3, &B::TiltDownStart, 4, 0x81},
        {"tilt down stop", 3, &B::TiltDownStop, 4, 0x01},
        {"zoom in start", 3, &B::ZoomInStart, 4, 0xC2},
        {"zoom in stop", 3, &B::ZoomInStop, 4, 0x42},
        {"zoom out start", 3, &B::ZoomOutStart, 4, 0x82},
        {"zoom out stop", 3, &B::ZoomOutStop, 4, 0x02},
        {"focus near start", 3, &B::FocusNearStart, 4, 0xC3},
        {"focus near stop", 3, &B::FocusNearStop, 4, 0x43},
        {"focus far start", 3, &B::FocusFarStart, 4, 0x83},
        {"focus far stop", 3, &B::FocusFarStop, 4, 0x03},
        {"iris open start", 3, &B::IrisOpenStart, 4, 0x84},
        {"iris open stop", 3, &B::IrisOpenStop, 4, 0x04},
        {"iris close start", 3, &B::IrisCloseStart, 4, 0xC4},
        {"iris close stop", 3, &B::IrisCloseStop, 4, 0x44},
        {"status request", 3, &B::StatusRequest, 3, 0x00},
        {"store preset 0", 3, [](B& b) { b.StorePreset(0); }, 5, 0x80},
        {"store preset 62", 3, [](B& b) { b.StorePreset(62); }, 5, 0xBE},
        {"goto preset 0", 3, [](B& b) { b.GotoPreset(0); }, 5, 0x00},
        {"goto preset 62", 3, [](B& b) { b.GotoPreset(62); }, 5, 0x3E},
        {"reset", 3, &B::Reset, 2, 0x40},
        {"camera power", 9, &B::CameraPower, 6, 0x40},
        {"manual iris 408R", 3, &B::ManualIris, 6, 0x08},
        {"manual iris ER3487D", 9, &B::ManualIris, 6, 0x02},
        {"manual focus 408R", 3, &B::ManualFocus, 6, 0x10},
        {"manual focus ER3487D", 9, &B::ManualFocus, 6, 0x01},
        {"day/night auto", 3, &B::DayNightAuto, 6, 0x01},
        {"day/night color", 3, &B::DayNightColor, 6, 0x02},
        {"day/night mono", 9, &B::DayNightMono, 6, 0x02},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CommandQueue queue;
        JavelinCommandBuilder builder(queue, 3);
        builder.SetProtocol(c.protocol);
        c.action(builder);
        const auto records = Drain(queue);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0], Of(JavelinRecord(c.group, c.code)));

        FrameBuffer f;
        ASSERT_TRUE(BuildBinaryFrame(f, View(records[0]), 300));
        ASSERT_EQ(f.length, 8u);
        EXPECT_EQ(f.bytes[4], 0x01);
        EXPECT_EQ(f.bytes[5], 0x2C);
        EXPECT_EQ(f.bytes[6], c.code);
        uint8_t sum = 0;
        for (size_t i = 1; i < f.length; ++i)
            sum = static_cast<uint8_t>(sum + f.bytes[i]);
        EXPECT_EQ(sum, 0);
    }
}

TEST(JavelinCommandBuilder, ColorThenMonoQueueTheSameRecord)
{
    CommandQueue queue;
    JavelinCommandBuilder builder(queue);
    builder.DayNightColor();
    builder.DayNightMono();
    const auto records = Drain(queue);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], records[1]);
}

TEST(JavelinCommandBuilder, PresetsOutsideTheListSendNothing)
{
    CommandQueue queue;
    JavelinCommandBuilder builder(queue);
    for (int index : {-1, 63, 64, 200}) {
        EXPECT_FALSE(builder.StorePreset(index)) << index;
        EXPECT_FALSE(builder.GotoPreset(index)) << index;
    }
    EXPECT_TRUE(queue.Empty());
}

TEST(JavelinCommandBuilder, PadTextsMoveAndStopTheAxes)
{
    struct Case {
        const char* before; // pad text sent first, to set the flags
        const char* text;
        Bytes codes;
        bool left, right, up, down; // flags afterwards
    } cases[] = {
        {"", "l?T", {0xC0}, true, false, false, false},
        {"", "r?u", {0x80, 0xC1}, false, true, true, false},
        {"l9d3", "r?u", {0x80, 0xC1}, false, true, true, false},
        {"l9u3", "l9u3", {0xC0, 0xC1}, true, false, true, false},
        {"u?d", "", {0x01}, false, false, false, false},
        // 'P' as the third character stops pan, not tilt.
        {"l?u", "s?P", {0x40}, false, false, true, false},
        {"r?d", "PSTS", {0x00, 0x01}, false, false, false, false},
        {"l?u", "PSu3", {0x40, 0xC1}, false, false, true, false},
        {"", "PSTS", {}, false, false, false, false},
        // A character missing from a short text stops its axis.
        {"l?u", "TU", {0x41}, true, false, false, false},
        {"r?d", "", {0x00, 0x01}, false, false, false, false},
        {"l?u", "l", {0xC0, 0x41}, true, false, false, false},
        // Stopping twice sends one stop.
        {"r?d", "PSPS", {0x00}, false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " then " + c.text);
        CommandQueue queue;
        JavelinCommandBuilder builder(queue);
        if (*c.before)
            builder.PadCommand(c.before);
        queue.DiscardWaiting();
        builder.PadCommand(c.text);
        EXPECT_EQ(DrainMotionCodes(queue), c.codes);
        EXPECT_EQ(builder.panLeftMoving(), c.left);
        EXPECT_EQ(builder.panRightMoving(), c.right);
        EXPECT_EQ(builder.tiltUpMoving(), c.up);
        EXPECT_EQ(builder.tiltDownMoving(), c.down);
    }
}

TEST(JavelinCommandBuilder, LensReleaseStopsTheDirectionPressed)
{
    using M = LensMotion;
    using A = LensAxis;
    struct Case {
        std::vector<M> presses;
        std::vector<A> releases;
        Bytes codes;
    } cases[] = {
        {{M::ZoomIn}, {A::Zoom}, {0xC2, 0x42}},
        {{M::ZoomIn, M::ZoomOut}, {A::Zoom}, {0xC2, 0x82, 0x02}},
        {{M::FocusFar, M::FocusNear}, {A::Focus}, {0x83, 0xC3, 0x43}},
        {{M::IrisOpen}, {A::Iris}, {0x84, 0x04}},
        {{M::IrisClose}, {A::Iris, A::Iris}, {0xC4, 0x44}}, // the second release sends nothing
        {{}, {A::Zoom}, {}},
        {{M::FocusNear}, {A::Iris}, {0xC3}}, // another axis keeps moving
    };
    for (const Case& c : cases) {
        CommandQueue queue;
        JavelinCommandBuilder builder(queue);
        for (M m : c.presses)
            builder.LensPress(m);
        for (A a : c.releases)
            builder.LensRelease(a);
        EXPECT_EQ(DrainMotionCodes(queue), c.codes) << c.codes.size();
    }
}
