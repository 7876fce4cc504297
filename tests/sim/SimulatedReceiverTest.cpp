#include "ManualClock.h"
#include "SimulatedReceiver.h"

#include <gtest/gtest.h>
#include <vector>

using Bytes = std::vector<uint8_t>;

namespace {
Bytes Drain(SimulatedReceiver& r)
{
    uint8_t out[512];
    const size_t n = r.TakeOutput(out, sizeof out);
    return Bytes(out, out + n);
}

void FeedAll(SimulatedReceiver& r, const Bytes& bytes)
{
    for (uint8_t b : bytes)
        r.Receive(b);
}
} // namespace

TEST(SimulatedReceiver, AcknowledgesGoodFramesForItsAddress)
{
    struct Case {
        const char* name;
        Bytes frame;
        bool acked;
    } cases[] = {
        {"mode 0", {0x02, 0x01, 'P', 'S', 'T', 'S', 0x85, 0x03}, true},
        {"F8 mode", {0xF8, 0x01, 'P', 'S', 'T', 'S', 0x85}, true},
        {"broadcast", {0xF8, 0xFF, 'A', '?', static_cast<uint8_t>(0x80 | ((0xFF ^ 'A' ^ '?') & 0x0F))}, true},
        {"other address", {0xF8, 0x02, 'P', 'S', 'T', 'S', 0x86}, false},
        {"bad checksum", {0xF8, 0x01, 'P', 'S', 'T', 'S', 0x84}, false},
        {"binary record", {0xFF, 0x06, 0x07, 0x03, 0x00, 0x01, 0x00, 0xEF}, true},
        {"binary bad sum", {0xFF, 0x06, 0x07, 0x03, 0x00, 0x01, 0x00, 0xEE}, false},
        {"console ack ignored", {0x06}, false},
    };
    for (const Case& c : cases) {
        ManualClock clock;
        SimulatedReceiver r(clock, SimOptions{});
        FeedAll(r, c.frame);
        EXPECT_EQ(Drain(r), c.acked ? Bytes{0x06} : Bytes{}) << c.name;
        EXPECT_EQ(r.received().size(), c.acked ? 1u : 0u) << c.name;
    }
}

TEST(SimulatedReceiver, KeepsTheCommandTexts)
{
    ManualClock clock;
    SimulatedReceiver r(clock, SimOptions{});
    FeedAll(r, {0x02, 0x01, 'Z', 'I', static_cast<uint8_t>(0x80 | ((0x01 ^ 'Z' ^ 'I') & 0x0F)), 0x03});
    FeedAll(r, {0xF8, 0x01, 'c', 'W', 'S', static_cast<uint8_t>(0x80 | ((0x01 ^ 'c' ^ 'W' ^ 'S') & 0x0F))});
    ASSERT_EQ(r.received().size(), 2u);
    EXPECT_EQ(r.received()[0].frame.text, "ZI");
    EXPECT_EQ(r.received()[0].frame.mode, 0);
    EXPECT_EQ(r.received()[1].frame.text, "cWS");
    EXPECT_EQ(r.received()[1].frame.mode, 1);
}

TEST(SimulatedReceiver, SilentLateAndNoisy)
{
    ManualClock clock;
    SimulatedReceiver r(clock, SimOptions{});
    const Bytes psts = {0xF8, 0x01, 'P', 'S', 'T', 'S', 0x85};
    r.SetSilent(true);
    FeedAll(r, psts);
    EXPECT_TRUE(Drain(r).empty());
    EXPECT_EQ(r.received().size(), 1u);

    r.SetSilent(false);
    r.SetReplyDelay(200);
    FeedAll(r, psts);
    clock.Advance(199);
    EXPECT_TRUE(Drain(r).empty());
    clock.Advance(1);
    EXPECT_EQ(Drain(r), Bytes{0x06});

    r.SetReplyDelay(0);
    r.InjectNoise({0x00, 0x9C, 0xFF});
    EXPECT_EQ(Drain(r), (Bytes{0x00, 0x9C, 0xFF}));
}

TEST(SimFrameReader, AddressAboveEightyIsNotTheChecksum)
{
    SimFrameReader reader;
    SimFrameReader::Frame f;
    const uint8_t checksum = static_cast<uint8_t>(0x80 | ((0xC8 ^ 'Z' ^ 'S') & 0x0F));
    bool done = false;
    for (uint8_t b : Bytes{0xF8, 0xC8, 'Z', 'S', checksum})
        done = reader.Feed(b, &f);
    ASSERT_TRUE(done);
    EXPECT_EQ(f.address, 0xC8);
    EXPECT_EQ(f.text, "ZS");
    EXPECT_TRUE(f.checksumOk);
}
