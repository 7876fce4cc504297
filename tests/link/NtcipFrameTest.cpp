#include "NtcipFrame.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

TEST(NtcipFrame, WholeFrameForPublic)
{
    const NtcipFrame expected = {
        0x7E, 0x05, 0x13, 0xC1,                                     // flag, address, control, protocol
        0x30, 0x2D, 0x02, 0x01, 0x00,                               // SNMP message, version 1
        0x04, 0x06, 'p', 'u', 'b', 'l', 'i', 'c',                   // community
        0xA3, 0x20, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x02, 0x01, // SetRequest: id, error status
        0x00, 0x30, 0x15, 0x30, 0x13,                               // error index, variable bindings
        0x06, 0x0E, 0x2B, 0x06, 0x01, 0x04, 0x01, 0x89, 0x36,       // 1.3.6.1.4.1.1206
        0x03, 0x1D, 0x01, 0x06, 0x01, 0x02, 0x0A,                   // .3.29.1.6.1.2.10
        0x02, 0x01, 0x03,                                           // integer 3
        0xD3, 0xEE, 0x7E,                                           // FCS low byte first, flag
    };
    const auto frame = BuildNtcipDisableFrame("public");
    ASSERT_TRUE(frame);
    EXPECT_EQ(*frame, expected);
}

TEST(NtcipFrame, CheckSequenceCoversAddressToValue)
{
    for (const char* community : {"public", "secret", "zzzzzz"}) {
        const auto frame = BuildNtcipDisableFrame(community);
        ASSERT_TRUE(frame) << community;
        const NtcipFrame& f = *frame;
        EXPECT_EQ(std::string(f.begin() + 11, f.begin() + 17), community);
        EXPECT_EQ(Fcs16(f.data() + 1, 50), f[51] | f[52] << 8) << community;
        // RFC 1662: the FCS register over the data and its FCS leaves 0xF0B8.
        EXPECT_EQ(static_cast<uint16_t>(~Fcs16(f.data() + 1, 52)), 0xF0B8) << community;
        EXPECT_EQ(f[0], 0x7E);
        EXPECT_EQ(f[53], 0x7E);
    }
}

TEST(NtcipFrame, CommunityMustBeSixLowerCaseLetters)
{
    using namespace std::string_view_literals;
    for (std::string_view bad : {""sv, "publi"sv, "publics"sv, "Public"sv, "pub1ic"sv, "pub ic"sv, "publi{"sv,
                                 "publ\0c"sv, "pu\xe9lic"sv})
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
