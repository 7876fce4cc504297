// The traffic history's ring and its lines.
#include "TrafficHistory.h"

#include <gtest/gtest.h>

TEST(TrafficHistory, TheRingKeepsTheNewestAndCountsEveryEntry)
{
    TrafficHistory h(3);
    for (int i = 0; i < 5; ++i)
        h.Add(TrafficEntry{{}, i % 2 == 0, "frame " + std::to_string(i), {static_cast<uint8_t>(i)}});
    EXPECT_EQ(h.size(), 3u);
    EXPECT_EQ(h.firstSequence(), 2u);
    EXPECT_EQ(h.nextSequence(), 5u);
    EXPECT_EQ(h.BySequence(2).text, "frame 2");
    EXPECT_EQ(h.BySequence(4).text, "frame 4");

    TrafficHistory big;
    EXPECT_EQ(big.capacity(), 100000u);
    for (int i = 0; i < 100005; ++i)
        big.Add(TrafficEntry{{}, true, " Ack", {0x06}});
    EXPECT_EQ(big.size(), 100000u) << "bounded however long the session runs";
    EXPECT_EQ(big.firstSequence(), 5u);
}

TEST(TrafficHistory, LinesCarryTimeDirectionTextAndBytes)
{
    LocalDateTime t;
    t.hour = 9;
    t.minute = 5;
    t.second = 7;
    t.millisecond = 42;
    const TrafficEntry e{t, true, " F8 01 PSTS 8E", {0xF8, 0x01, 'P', 'S', 'T', 'S', 0x8E}};
    EXPECT_EQ(TrafficLine(e), "09:05:07.042  Tx   F8 01 PSTS 8E  [F8 01 50 53 54 53 8E]");
    EXPECT_EQ(TrafficHexText({}), "");
    const TrafficEntry ack{t, false, " Ack", {0x06}};
    EXPECT_EQ(TrafficLine(ack), "09:05:07.042  Rx   Ack  [06]");
}
