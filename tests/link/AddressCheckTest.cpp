#include "AddressCheck.h"
#include "LinkTestSupport.h"

#include <gtest/gtest.h>

TEST(AddressCheck, LimitsAndMessagesByProtocol)
{
    struct Case {
        int protocol;
        int lastGood;
        const char* message; // for lastGood + 1
    } cases[] = {
        {0, 255, "Exceeding Camera Address Range"},
        {1, 99, "Exceeding Camera Address Range of 99"},
        {2, 254, "Exceeding Camera Address Range of 254"},
        {3, 999, "Exceeding Camera Address Range of 999"},
        {9, 999, "Exceeding Camera Address Range of 999"},
        {4, 16384, "Exceeding Camera Address Range of 16384"},
        {5, 255, "Exceeding Camera Address Range of 255"},
        {10, 30, "Exceeding Camera Address Range of 30"},
        {12, 31, "Exceeding Camera Address Range of 32, use broadcast address 255"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckCommandAddress(c.protocol, c.lastGood, false), nullptr) << c.protocol;
        const char* m = CheckCommandAddress(c.protocol, c.lastGood + 1, false);
        ASSERT_NE(m, nullptr) << c.protocol;
        EXPECT_STREQ(m, c.message);
    }
    for (int p : {6, 7, 8, 11, 13, 14})
        EXPECT_EQ(CheckCommandAddress(p, 100000, false), nullptr) << p;
}

TEST(AddressCheck, PelcoPTakesLowAddressesAndBroadcastOnly)
{
    for (int a : {0, 1, 31, 255, 256, 1000})
        EXPECT_EQ(CheckCommandAddress(12, a, false), nullptr) << a;
    for (int a : {32, 100, 254})
        EXPECT_NE(CheckCommandAddress(12, a, false), nullptr) << a;
}

TEST(AddressCheck, PlaybackLiftsTheVexaLimitOnly)
{
    EXPECT_EQ(CheckCommandAddress(0, 300, true), nullptr);
    EXPECT_NE(CheckCommandAddress(1, 300, true), nullptr);
}

TEST(AddressCheck, PrefixedLimitsShareOneMessage)
{
    struct Case {
        int protocol;
        int firstBad;
    } cases[] = {{0, 256}, {5, 256}, {1, 100}, {2, 255}, {3, 1000}, {9, 1000}, {4, 16385}, {12, 32}};
    for (const Case& c : cases) {
        EXPECT_EQ(CheckPrefixedAddress(c.protocol, c.firstBad - 1), nullptr) << c.protocol;
        EXPECT_STREQ(CheckPrefixedAddress(c.protocol, c.firstBad), "Exceeding Camera Address Range") << c.protocol;
    }
    EXPECT_EQ(CheckPrefixedAddress(12, 255), nullptr);

    EXPECT_EQ(CheckPrefixedAddress(10, 31), nullptr); // ICD has no prefixed limit
    EXPECT_EQ(CheckPrefixedAddress(0, 255), nullptr);
}

TEST(AddressCheck, AsciiAddressByte)
{
    struct Case {
        int address;
        int byte;
    } cases[] = {{0, 255}, {1, 1}, {254, 254}, {255, 255}, {256, 255}, {16384, 255}, {-3, 255}};
    for (const Case& c : cases)
        EXPECT_EQ(AsciiAddressByte(c.address), c.byte) << c.address;
}

TEST(AddressCheck, RejectedAddressSendsNothingAndShowsTheMessage)
{
    LinkFixture f;
    f.link.settings().protocol = 1;
    f.link.SetCameraAddress(100);
    f.link.SendCommand("PSTS");
    EXPECT_TRUE(f.line.written.empty());
    ASSERT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(f.host.messages[0], "Exceeding Camera Address Range of 99");
    EXPECT_EQ(f.host.addressErrorsRecorded, 0);
}

TEST(AddressCheck, VexaRejectionTellsTheRecorderFirst)
{
    LinkFixture f;
    f.link.settings().protocol = 0;
    f.link.SetCameraAddress(256);
    f.link.SendCommand("PSTS");
    EXPECT_EQ(f.host.addressErrorsRecorded, 1);
    EXPECT_EQ(f.host.messages.size(), 1u);
}

TEST(AddressCheck, LcuReceiverUsesTheLcuProtocol)
{
    LinkFixture f;
    f.link.settings().receiverType = 6;
    f.link.settings().protocol = 0;
    f.link.settings().lcuProtocol = 10;
    f.link.SetCameraAddress(31);
    f.link.SendCommand("PSTS");
    EXPECT_TRUE(f.line.written.empty());
    ASSERT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(f.host.messages[0], "Exceeding Camera Address Range of 30");
    // The prefixed form checks only the protocol itself.
    f.link.SendPrefixedCommand("WS");
    EXPECT_EQ(f.line.written.size(), 1u);
}
