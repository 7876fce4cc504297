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
