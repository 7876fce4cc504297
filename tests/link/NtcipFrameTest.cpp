#include "NtcipFrame.h"

#include <gtest/gtest.h>
#include <string>

TEST(NtcipFrame, LayoutAndCheckSequence)
{
    const auto frame = BuildNtcipDisableFrame("public");
    ASSERT_TRUE(frame);
    const NtcipFrame& f = *frame;
    EXPECT_EQ(f[0], 0x7E);
    EXPECT_EQ(f[1], 0x05);
    EXPECT_EQ(f[2], 0x13);
    EXPECT_EQ(f[3], 0xC1);
    EXPECT_EQ(f[4], 0x30);
    EXPECT_EQ(f[5], 0x2D); // the rest of the SNMP message: bytes 6 to 50
    EXPECT_EQ(std::string(f.begin() + 11, f.begin() + 17), "public");
    EXPECT_EQ(f[17], 0xA3);
    EXPECT_EQ(f[18], 0x20); // the SetRequest: bytes 19 to 50
    // The object 1.3.6.1.4.1.1206.3.29.1.6.1.2.10 set to the integer 3.
    const uint8_t tail[] = {0x06, 0x0E, 0x2B, 0x06, 0x01, 0x04, 0x01, 0x89, 0x36, 0x03,
                            0x1D, 0x01, 0x06, 0x01, 0x02, 0x0A, 0x02, 0x01, 0x03};
    EXPECT_TRUE(std::equal(std::begin(tail), std::end(tail), f.begin() + 32));
    EXPECT_EQ(f[53], 0x7E);
    // RFC 1662: the FCS over the data and its own two bytes leaves 0xF0B8.
    EXPECT_EQ(static_cast<uint16_t>(~Fcs16(f.data() + 1, 52)), 0xF0B8);
    EXPECT_EQ(Fcs16(f.data() + 1, 50), f[51] | f[52] << 8);
}

TEST(NtcipFrame, CommunityMustBeSixLowerCaseLetters)
{
    for (const char* bad : {"", "publi", "publics", "Public", "pub1ic", "pub ic"})
        EXPECT_FALSE(BuildNtcipDisableFrame(bad)) << bad;
    const auto other = BuildNtcipDisableFrame("secret");
    ASSERT_TRUE(other);
    EXPECT_NE(*other, *BuildNtcipDisableFrame("public"));
}

TEST(NtcipFrame, CheckSequenceOfAKnownString)
{
    // The FCS-16 of "123456789" is 0x906E.
    const std::string check = "123456789";
    EXPECT_EQ(Fcs16(reinterpret_cast<const uint8_t*>(check.data()), check.size()), 0x906E);
}
