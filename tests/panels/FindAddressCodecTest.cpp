// The address search's steps, without widgets.
#include "FindAddressCodec.h"

#include <gtest/gtest.h>
#include <vector>

TEST(FindAddressCodec, APassPollsOneToTwoHundredTwentyThreeThenStops)
{
    AddressSearch s;
    s.Start(1);
    EXPECT_EQ(s.saved, 1);
    EXPECT_EQ(s.address, 0) << "no address is polled before the first tick";
    std::vector<int> polled;
    AddressSearch::Tick t;
    while ((t = s.Step()) == AddressSearch::Tick::Poll) {
        polled.push_back(s.address);
        EXPECT_EQ(s.progress, s.address);
    }
    EXPECT_EQ(t, AddressSearch::Tick::Exhausted);
    ASSERT_EQ(polled.size(), 223u);
    EXPECT_EQ(polled.front(), 1);
    EXPECT_EQ(polled.back(), 223);
    EXPECT_EQ(s.progress, 224);
    EXPECT_FALSE(s.running);
    EXPECT_EQ(s.Step(), AddressSearch::Tick::Idle);
    EXPECT_EQ(s.address, 224) << "a stopped search moves no further";

    s.Retry();
    EXPECT_EQ(s.Step(), AddressSearch::Tick::Poll);
    EXPECT_EQ(s.address, 1) << "after Retry the first address polled is 1 again";
    EXPECT_EQ(s.progress, 1);
    EXPECT_EQ(s.saved, 1);
}

TEST(FindAddressCodec, AnAnswerEndsTheSearch)
{
    AddressSearch s;
    s.Start(1);
    for (int i = 0; i < 37; ++i)
        s.Step();
    s.Found();
    EXPECT_TRUE(s.found);
    EXPECT_EQ(s.Step(), AddressSearch::Tick::Idle);
    EXPECT_EQ(s.address, 37);
}

TEST(FindAddressCodec, Texts)
{
    struct Case {
        int address;
        const char* progress;
    };
    for (const Case& c : {Case{0, ""}, Case{1, "Address 1 of 223"}, Case{17, "Address 17 of 223"},
                          Case{223, "Address 223 of 223"}, Case{224, ""}, Case{-1, ""}})
        EXPECT_EQ(SearchProgressText(c.address), c.progress) << c.address;
    EXPECT_EQ(ResponseReceivedText(1), "Response received: Camera 1");
    EXPECT_EQ(ResponseReceivedText(37), "Response received: Camera 37");
}
