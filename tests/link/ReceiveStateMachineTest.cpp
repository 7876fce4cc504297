#include "ReceiveStateMachine.h"

#include <gtest/gtest.h>
#include <vector>

using Bytes = std::vector<uint8_t>;
using Event = ReceiveStateMachine::Event;

namespace {
struct Fed {
    std::vector<Event> events;
    std::vector<Bytes> frames;
};

Fed Feed(ReceiveStateMachine& m, const Bytes& bytes, bool ascii, int mode)
{
    Fed out;
    for (uint8_t b : bytes) {
        const Event e = m.Feed(b, ascii, mode);
        if (e != Event::None)
            out.events.push_back(e);
        if (e == Event::Frame)
            out.frames.emplace_back(m.frame(), m.frame() + m.frameLength());
    }
    return out;
}
} // namespace

TEST(ReceiveStateMachine, Grammars)
{
    struct Case {
        const char* name;
        Bytes bytes;
        bool ascii;
        int mode;
        std::vector<Event> events;
    } cases[] = {
        {"lone ack", {0x06}, true, 1, {Event::Ack}},
        {"mode 0 frame", {0x02, 0x01, 'A', '0', '0', '1', 0x81, 0x03}, true, 0, {Event::Frame}},
        {"ack inside a frame is a frame byte", {0x02, 0x01, 0x06, 0x81, 0x03}, true, 0, {Event::Frame}},
        {"F8 frame not done after four bytes", {0xF8, 0x01, 'A', 0x85}, true, 1, {}},
        {"F8 frame ends from the fifth byte", {0xF8, 0x01, 'A', '1', 0x85}, true, 1, {Event::Frame}},
        {"hash frame", {'#', 'o', 'k', 0xFF}, true, 1, {Event::Frame}},
        {"hash only in F8 mode", {'#', 'o', 'k', 0xFF}, true, 0, {}},
        {"noise dropped", {'x', 0x03, 0x85}, true, 0, {}},
        {"binary frame", {0xFF, 0x08, 1, 2, 3, 4, 5, 6, 7, 0xAA}, false, 1, {Event::Frame}},
        {"no ack after a binary command", {0x06}, false, 1, {}},
    };
    for (const Case& c : cases) {
        ReceiveStateMachine m;
        EXPECT_EQ(Feed(m, c.bytes, c.ascii, c.mode).events, c.events) << c.name;
    }
}

TEST(ReceiveStateMachine, OverlongFrameIsDroppedAndTheNextOneIsHeard)
{
    ReceiveStateMachine m;
    Bytes junk(300, 'x');
    junk[0] = 0x02;
    EXPECT_TRUE(Feed(m, junk, true, 0).events.empty());
    const Fed f = Feed(m, {0x02, 0x01, 'A', '0', '0', '1', 0x81, 0x03}, true, 0);
    ASSERT_EQ(f.frames.size(), 1u);
    EXPECT_EQ(f.frames[0], (Bytes{0x02, 0x01, 'A', '0', '0', '1', 0x81, 0x03}));
}

namespace {
// Bytes with the tick each arrives at.
struct Timed {
    Bytes bytes;
    uint32_t tick;
};

std::vector<Bytes> FeedTimed(ReceiveStateMachine& m, const std::vector<Timed>& parts, bool ascii, int mode)
{
    std::vector<Bytes> frames;
    for (const Timed& part : parts)
        for (uint8_t b : part.bytes)
            if (m.Feed(b, ascii, mode, part.tick) == Event::Frame)
                frames.emplace_back(m.frame(), m.frame() + m.frameLength());
    return frames;
}

const Bytes kAddressF8 = {0xF8, 0x07, 'A', '0', '0', '7', 0x86};
const Bytes kAddressMode0 = {0x02, 0x07, 'A', '0', '0', '7', 0x86, 0x03};
const Bytes kBinaryStatus = {0xFF, 0x08, 1, 2, 3, 4, 5, 6, 7, 0xAA};
constexpr uint32_t kGap = ReceiveStateMachine::kQuietGapMs;
} // namespace

// A frame left open by noise must not swallow the next good reply.
TEST(ReceiveStateMachine, ResynchronisesAfterNoise)
{
    struct Case {
        const char* name;
        std::vector<Timed> parts;
        bool ascii;
        int mode;
        std::vector<Bytes> frames;
    } cases[] = {
        {"F8 where the checksum would stand starts a frame",
         {{{0xF8, 0x12, 0x34, 0x56}, 0}, {kAddressF8, 0}}, true, 1, {kAddressF8}},
        {"F8 deep inside a long open frame starts a frame",
         {{Bytes(1, 0xF8), 0}, {Bytes(100, 'x'), 0}, {kAddressF8, 0}}, true, 1, {kAddressF8}},
        {"F8 as the address byte is kept (address 248)",
         {{{0xF8, 0xF8, 'A', '1', 0x85}, 0}}, true, 1, {{0xF8, 0xF8, 'A', '1', 0x85}}},
        {"F8 in the text before the fifth byte is kept",
         {{{0xF8, 0x01, 'c', 0xF8, 'x', 0x85}, 0}}, true, 1, {{0xF8, 0x01, 'c', 0xF8, 'x', 0x85}}},
        {"mode 0: a quiet gap drops the open frame",
         {{{0x02, 'n', 'o', 'i', 's', 'e'}, 0}, {kAddressMode0, kGap}}, true, 0, {kAddressMode0}},
        {"mode 0: without the gap the open frame takes the reply in",
         {{{0x02, 'n'}, 0}, {kAddressMode0, kGap - 1}},
         true, 0, {{0x02, 'n', 0x02, 0x07, 'A', '0', '0', '7', 0x86, 0x03}}},
        {"a gap inside a good frame splits nothing when it is short",
         {{{0xF8, 0x07, 'A'}, 10}, {{'0', '0', '7', 0x86}, 10 + kGap - 1}}, true, 1, {kAddressF8}},
        {"hash frame left open, gap, F8 reply",
         {{{'#', 'a', 'b'}, 5}, {kAddressF8, 5 + kGap}}, true, 1, {kAddressF8}},
        {"binary frame with a long count left open, gap, binary reply",
         {{{0xFF, 0xF0, 1, 2}, 1000}, {kBinaryStatus, 1000 + kGap}}, false, 1, {kBinaryStatus}},
        {"the tick wraps around",
         {{{0x02, 'n'}, 0xFFFFFFF0u}, {kAddressMode0, 0xFFFFFFF0u + kGap}}, true, 0, {kAddressMode0}},
    };
    for (const Case& c : cases) {
        ReceiveStateMachine m;
        EXPECT_EQ(FeedTimed(m, c.parts, c.ascii, c.mode), c.frames) << c.name;
    }
}

// 64 KiB of random bytes, a quiet gap, then a good reply: the reply is
// heard whole, in both frame modes, whatever the noise left behind.
TEST(ReceiveStateMachine, GoodReplyAfterRandomNoiseAndAQuietGap)
{
    for (int mode : {0, 1}) {
        const Bytes& reply = mode == 0 ? kAddressMode0 : kAddressF8;
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            ReceiveStateMachine m;
            uint32_t x = seed * 2654435761u;
            Bytes noise(64 * 1024);
            for (uint8_t& b : noise) {
                x ^= x << 13;
                x ^= x >> 17;
                x ^= x << 5;
                b = static_cast<uint8_t>(x);
            }
            FeedTimed(m, {{noise, 100}}, true, mode);
            const auto frames = FeedTimed(m, {{reply, 100 + kGap}}, true, mode);
            ASSERT_EQ(frames.size(), 1u) << "mode " << mode << " seed " << seed;
            EXPECT_EQ(frames[0], reply) << "mode " << mode << " seed " << seed;
        }
    }
}
