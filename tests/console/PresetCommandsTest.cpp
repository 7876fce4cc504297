#include "PresetCommands.h"
#include "StatusPoll.h"

#include <gtest/gtest.h>

TEST(PresetCommands, PresetCharacterByReceiverType)
{
    struct Case {
        int index, rx;
        int expected;
    } cases[] = {
        {0, 0, '0'}, {9, 2, '9'}, {63, 10, '0' + 63}, {0, 5, 0x10}, {46, 5, 0x3E}, {47, 5, 0x60}, {63, 14, 0x70},
        {12, 3, 0x1C},
    };
    for (const Case& c : cases)
        EXPECT_EQ(static_cast<uint8_t>(PresetCharacter(c.index, c.rx)), c.expected) << c.index << " rx " << c.rx;
    EXPECT_EQ(TourDigit(3, 0, 1), '3');
    EXPECT_EQ(TourDigit(3, 0, 2), 0x13);
    EXPECT_EQ(TourDigit(9, 1, 0), 0x19);
}

TEST(PresetCommands, StoreAndGetId)
{
    // An empty name: 24 spaces after the preset character.
    EXPECT_EQ(StoreIdCommand("", 0, 5), std::string("dP\x10") + std::string(24, ' '));
    // Characters the camera cannot show become spaces; receiver types 0 to 2 have no preset character.
    EXPECT_EQ(StoreIdCommand("Gate_#1 (north)", 4, 1), "dPGate  1  north " + std::string(9, ' '));
    // Longer names are cut at 31 characters in all.
    const std::string id = StoreIdCommand(std::string(40, 'x'), 2, 7);
    EXPECT_EQ(id.size(), 31u);
    EXPECT_EQ(id.substr(0, 3), "dP\x12");
    EXPECT_EQ(GetIdCommand(47, 5), "cdS`");
    EXPECT_EQ(GetIdCommand(3, 14), "cdS");
    EXPECT_EQ(GetIdCommand(3, 0), "cdS");
}

TEST(PresetCommands, AddressMonitorAndTours)
{
    EXPECT_EQ(MonitorCommand(5, 12), "S005012");
    struct Case {
        int protocol, address, camera;
        const char* refusal;
    } cases[] = {
        {0, 256, 1, "Exceeding Camera Address Range of 255"}, {0, 255, 1, nullptr},
        {1, 100, 1, "Exceeding Camera Address Range of 99"},  {2, 255, 1, "Exceeding Camera Address Range of 254"},
        {9, 1000, 1, "Exceeding Camera Address Range of 999"}, {4, 16385, 1, "Exceeding Camera Address Range of 16384"},
        {10, 31, 1, "Exceeding Camera Address Range of 30"},
        {12, 32, 1, "Exceeding Camera Address Range of 32, use broadcast address 255"}, {12, 32, 255, nullptr},
        {14, 9999, 1, nullptr},
    };
    for (const Case& c : cases) {
        const char* r = NewAddressRefusal(c.protocol, c.address, c.camera);
        EXPECT_EQ(r ? std::string(r) : "", c.refusal ? std::string(c.refusal) : "") << c.protocol;
    }
    EXPECT_EQ(SetAddressCommand(0, 7), "As007");
    EXPECT_EQ(SetAddressCommand(4, 1234), "As01234");
    EXPECT_EQ(CameraTourCommand(2, true), "*TS31");
    EXPECT_EQ(CameraTourCommand(2, false), "*TS30");
    // Only the tenth entry: found from any step.
    std::array<int, 10> flags{};
    flags[9] = 1;
    EXPECT_EQ(NextTourEntry(flags, 0), 9);
    EXPECT_EQ(NextTourEntry(flags, 0 + 10), 9);
    flags = {};
    EXPECT_FALSE(NextTourEntry(flags, 3));
}

TEST(PresetCommands, Positions)
{
    EXPECT_EQ(EncodePosition("a5", 3), "0:5");
    EXPECT_EQ(EncodePosition("fff", 3), "???");
    EXPECT_EQ(EncodePosition("3599", 4), "3599");
    EXPECT_EQ(EncodePosition("c", 4), "000<");
    EXPECT_EQ(EncodePosition("abc", 4), "0:;<");
    PositionGotoCommand g = PositionGotoCommands("a5", "1", "FF", "0", 0);
    EXPECT_EQ(g.panTilt, "p0:5001");
    EXPECT_EQ(g.zoomFocus, "v0??000");
    g = PositionGotoCommands("1800", "100", "0", "0", 5);
    EXPECT_EQ(g.panTilt, "cp18000100");
    g = PositionGotoCommands("1800", "100", "0", "0", 3);
    EXPECT_EQ(g.panTilt, "p18000100");
    for (auto [field, message] : {std::pair{0, "Invalid Pan Position"}, {1, "Invalid Tilt Position"},
                                  {2, "Invalid Zoom Position"}, {3, "Invalid Focus Position"}}) {
        std::string texts[4] = {"1", "1", "1", "1"};
        for (int i = field; i < 4; ++i)
            texts[i].clear(); // the first empty field is named
        g = PositionGotoCommands(texts[0], texts[1], texts[2], texts[3], 0);
        ASSERT_NE(g.refusal, nullptr);
        EXPECT_STREQ(g.refusal, message);
        EXPECT_EQ(g.field, field);
    }
}

TEST(StatusPoll, PeriodicRequests)
{
    auto status = [](int rx, int protocol, int source, int counter) {
        const PeriodicStatus s = PeriodicStatusRequest(rx, protocol, source, counter);
        return s.javelin ? std::string("J") : std::string(s.text);
    };
    EXPECT_EQ(status(0, 0, 0, 0), "L?");
    EXPECT_EQ(status(0, 0, 0, 1), "H?");
    EXPECT_EQ(status(13, 0, 0, 0), "bDS");
    EXPECT_EQ(status(13, 0, 0, 1), "bDS");
    EXPECT_EQ(status(5, 0, 0, 1), "cDS");
    EXPECT_EQ(status(12, 0, 1, 1), "L?");
    EXPECT_EQ(status(12, 0, 0, 1), "cDS");
    EXPECT_EQ(status(8, 3, 0, 0), "J");
    EXPECT_EQ(status(1, 3, 0, 0), "L?");
    EXPECT_STREQ(PeriodicPositionRequest(0, false, 0), "P?");
    EXPECT_STREQ(PeriodicPositionRequest(0, false, 1), "V?");
    EXPECT_STREQ(PeriodicPositionRequest(0, true, 0), "V?");
    EXPECT_STREQ(PeriodicPositionRequest(13, false, 0), "cPS");
}
