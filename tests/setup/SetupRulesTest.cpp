#include "Enumerations.h"
#include "SetupRules.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

TEST(SetupRules, EnumerationNamesKeepTheirIndices)
{
    EXPECT_STREQ(ReceiverTypeName(6), "LCU");
    EXPECT_STREQ(ReceiverTypeName(14), "9100");
    EXPECT_STREQ(CameraTypeName(18), "DayNight/CThermal/Lens");
    EXPECT_STREQ(CameraTypeName(19), "");
    EXPECT_STREQ(CameraProtocolName(9), "Javelin - ER3487D");
    EXPECT_STREQ(LcuProtocolName(10), "Pelco P");
    for (int outside : {-1, 20}) {
        EXPECT_STREQ(ReceiverTypeName(outside), "");
        EXPECT_STREQ(CameraTypeName(outside), "");
        EXPECT_STREQ(CameraProtocolName(outside), "");
        EXPECT_STREQ(LcuProtocolName(outside), "");
    }
    EXPECT_STREQ(ReceiverTypeName(kReceiverTypeCount), "");
    EXPECT_STREQ(CameraProtocolName(kCameraProtocolCount), "");
    EXPECT_STREQ(LcuProtocolName(kLcuProtocolCount), "");
}

TEST(SetupRules, DigitCommandsRunPastNine)
{
    EXPECT_EQ(DigitCommand("cP", 0), "cP0");
    EXPECT_EQ(DigitCommand("cP", 10), "cP:");
    EXPECT_EQ(DigitCommand("cP", 14), "cP>");
}

TEST(SetupRules, SetBaudByReceiverTypeAndIndex)
{
    const struct {
        int receiver, index;
        const char* command;
    } cases[] = {
        {5, 0, "Bs9600"}, {5, 4, "Bs0600"}, {5, 5, "Bs0300"}, {5, 6, "Bs192K"}, {5, 7, "Bs576K"},
        {0, 3, "Bs1200"}, {6, 0, "bs9600"}, {6, 4, "bs0600"}, {6, 5, "bs0300"}, {6, 6, "Bs192K"},
        {6, 7, "Bs576K"}, {5, 8, ""},       {6, -1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SetBaudCommand(c.receiver, c.index), c.command) << c.receiver << " " << c.index;
}

TEST(SetupRules, EntryChecks)
{
    for (const char* good : {"0", "10000", "00500", "9999"})
        EXPECT_TRUE(ElevationAccepted(good)) << good;
    for (const char* bad : {"", "10001", "99999", "x1"})
        EXPECT_FALSE(ElevationAccepted(bad)) << bad;

    EXPECT_EQ(PadSerialNumber("12"), "0000012");
    EXPECT_EQ(PadSerialNumber("1234567"), "1234567");
    EXPECT_EQ(PadSerialNumber("123456789"), "1234567");

    const std::pair<const char*, const char*> rates[] = {
        {"300", "0300"}, {"0300", "0300"}, {"600", "0600"}, {"0600", "0600"}, {"1200", "1200"},
        {"2400", "2400"}, {"4800", "4800"}, {"1920", "192K"}, {"9600", "9600"}};
    for (const auto& [typed, sent] : rates)
        EXPECT_EQ(HostBaudField(typed).value_or("-"), sent) << typed;
    for (const char* bad : {"1000", "19200", "192K", "", " 300"})
        EXPECT_FALSE(HostBaudField(bad)) << bad;
}

TEST(SetupRules, LcuAddressRangesByProtocol)
{
    const struct {
        int protocol, address, console;
        const char* message; // nullptr: accepted
    } cases[] = {
        {0, 7, 1, nullptr},
        {0, 0, 1, "Exceeding Camera Address Range (1-255)"},
        {0, 256, 1, "Exceeding Camera Address Range (1-255)"},
        {1, 99, 1, nullptr},
        {1, 100, 1, "Exceeding Camera Address Range (1-99)"},
        {2, 254, 1, nullptr},
        {2, 255, 1, "Exceeding Camera Address Range (1-254)"},
        {3, 0, 1, nullptr},
        {3, 1000, 1, "Exceeding Camera Address Range (0-999)"},
        {4, 16384, 1, nullptr},
        {4, 0, 1, "Exceeding Camera Address Range (1-16384)"},
        {4, 16385, 1, "Exceeding Camera Address Range (1-16384)"},
        {5, 256, 1, "Exceeding Camera Address Range (1-255)"},
        {12, 31, 1, nullptr},
        {12, 32, 1, "Exceeding Camera Address Range (0-31)"},
        {12, 200, 255, nullptr},
        // No range of their own, but the command has three digits only.
        {7, 999, 1, nullptr},
        {7, 1000, 1, "Exceeding Camera Address Range"},
        {10, 16384, 1, "Exceeding Camera Address Range"},
        {-1, 1000, 1, "Exceeding Camera Address Range"},
        {12, 1000, 255, "Exceeding Camera Address Range"},
    };
    for (const auto& c : cases) {
        const char* message = CheckLcuAddress(c.protocol, c.address, c.console);
        if (c.message)
            EXPECT_STREQ(message, c.message) << c.protocol << " " << c.address;
        else
            EXPECT_EQ(message, nullptr) << c.protocol << " " << c.address << ": " << message;
    }
    EXPECT_EQ(LcuAddressCommand(0, 7), "As007");
    EXPECT_EQ(LcuAddressCommand(3, 0), "As000");
    EXPECT_EQ(LcuAddressCommand(4, 16384), "As16384");
    EXPECT_EQ(LcuAddressCommand(4, 7), "As00007");
}

TEST(SetupRules, ReceiverTypeSelectionTable)
{
    using S = Switch;
    const struct {
        int receiver, cameraIn;
        bool opening;
        PtRadios radios;
        S speed, flip, direction, lens, other, video, protocol, firmware, setBaud, lcu;
        int cameraOut;
        bool fixed, sendFixed;
    } cases[] = {
        {0, 5, false, PtRadios::FixedOnly, S::Off, S::Off, S::Off, S::Off, S::Off, S::Off, S::Off, S::Off, S::On, S::Off, 0, true, true},
        {10, 5, false, PtRadios::FixedOnly, S::Off, S::Off, S::Off, S::On, S::Off, S::Off, S::On, S::On, S::On, S::Off, 0, true, true},
        {2, 2, false, PtRadios::FixedOnly, S::Off, S::Off, S::Off, S::Off, S::Off, S::Off, S::Off, S::Off, S::On, S::Off, 2, true, true},
        {2, 7, false, PtRadios::FixedOnly, S::Off, S::Off, S::Off, S::Off, S::Off, S::Off, S::Off, S::Off, S::On, S::Off, 1, true, true},
        {4, 0, false, PtRadios::VarOnly, S::On, S::Off, S::Off, S::Off, S::Off, S::Off, S::Off, S::Off, S::On, S::Off, 2, false, false},
        {5, 0, false, PtRadios::All, S::On, S::On, S::Off, S::Off, S::On, S::On, S::On, S::On, S::On, S::Off, 3, false, false},
        {6, 0, false, PtRadios::All, S::On, S::Keep, S::On, S::Keep, S::On, S::On, S::On, S::On, S::Off, S::On, 3, false, false},
        {7, 13, false, PtRadios::All, S::On, S::Off, S::On, S::Off, S::On, S::On, S::On, S::On, S::On, S::Off, 13, false, false},
        {7, 4, false, PtRadios::All, S::On, S::Off, S::On, S::Off, S::On, S::On, S::On, S::On, S::On, S::Off, 3, false, false},
        {8, 0, false, PtRadios::None, S::Off, S::Off, S::Off, S::On, S::Off, S::Off, S::Off, S::On, S::On, S::Off, 4, false, false},
        {9, 8, false, PtRadios::All, S::Keep, S::Keep, S::Keep, S::Keep, S::Keep, S::Off, S::Off, S::Off, S::On, S::Off, 8, false, false},
        {13, 0, false, PtRadios::All, S::On, S::Off, S::On, S::Off, S::On, S::On, S::On, S::On, S::On, S::Off, 12, false, false},
        {14, 9, false, PtRadios::All, S::On, S::Off, S::On, S::Off, S::On, S::On, S::On, S::On, S::On, S::Off, 9, false, false},
        // Opening: protocol list on but for the LCU, flip only for Halo/Lynx,
        // some types keep the camera type, and "s0" is not sent.
        {0, 5, true, PtRadios::FixedOnly, S::Off, S::Off, S::Off, S::Off, S::Off, S::Off, S::On, S::Off, S::On, S::Off, 5, true, false},
        {5, 0, true, PtRadios::All, S::On, S::On, S::On, S::Off, S::On, S::On, S::On, S::On, S::On, S::Off, 3, false, false},
        {6, 0, true, PtRadios::All, S::On, S::Off, S::On, S::Keep, S::On, S::On, S::Off, S::On, S::Off, S::On, 0, false, false},
        {12, 9, true, PtRadios::All, S::On, S::Off, S::On, S::On, S::On, S::On, S::On, S::On, S::On, S::Off, 9, false, false},
        {9, 8, true, PtRadios::All, S::Keep, S::Off, S::Keep, S::Keep, S::Keep, S::Off, S::On, S::Off, S::On, S::Off, 8, false, false},
    };
    for (const auto& c : cases) {
        const ReceiverTypeState s = ReceiverTypeSelection(c.receiver, c.cameraIn, c.opening);
        const std::string at = std::to_string(c.receiver) + (c.opening ? " opening" : " chosen");
        EXPECT_EQ(s.ptRadios, c.radios) << at;
        EXPECT_EQ(s.speedBoxes, c.speed) << at;
        EXPECT_EQ(s.flip, c.flip) << at;
        EXPECT_EQ(s.direction, c.direction) << at;
        EXPECT_EQ(s.lensMaintenance, c.lens) << at;
        EXPECT_EQ(s.otherSetup, c.other) << at;
        EXPECT_EQ(s.video, c.video) << at;
        EXPECT_EQ(s.cameraProtocol, c.protocol) << at;
        EXPECT_EQ(s.firmware, c.firmware) << at;
        EXPECT_EQ(s.setBaud, c.setBaud) << at;
        EXPECT_EQ(s.lcuGroup, c.lcu) << at;
        EXPECT_EQ(s.cameraType, c.cameraOut) << at;
        EXPECT_EQ(s.fixedPanTilt, c.fixed) << at;
        EXPECT_EQ(s.sendFixed, c.sendFixed) << at;
    }
    EXPECT_FALSE(ReceiverTypeSelection(9, 0, false).showValues);
    EXPECT_TRUE(ReceiverTypeSelection(9, 0, true).showValues);
}

TEST(SetupRules, PortSelectionAndNumbers)
{
    const std::vector<std::string> ports = {"/dev/ttyS0", "/dev/ttyUSB0"};
    EXPECT_EQ(InitialPortSelection(ports, "/dev/ttyUSB0", 0), 1);
    EXPECT_EQ(InitialPortSelection(ports, "/dev/ttyACM0", 0), 0);
    EXPECT_EQ(InitialPortSelection(ports, "", 1), 1);
    EXPECT_EQ(InitialPortSelection(ports, "", 2), -1);
    EXPECT_EQ(InitialPortSelection(ports, "", -1), -1);
    EXPECT_EQ(InitialPortSelection({}, "", 0), -1);

    EXPECT_EQ(PortNumberForEntry("COM3", 0), 3);
    EXPECT_EQ(PortNumberForEntry("COM12", 4), 12);
    EXPECT_EQ(PortNumberForEntry("/dev/ttyUSB0", 1), 2);
    EXPECT_EQ(PortNumberForEntry("COMX", 1), 2);
    EXPECT_EQ(PortNumberForEntry("COM0", 1), 2);
}

TEST(SetupRules, ReplyFramesAreReadInsideTheirText)
{
    // 0xF8 mode: the checksum is not text.
    const Bytes plain = {0xF8, 0x07, 'R', 'V', '1', 0x85};
    auto r = ReadSetupReply(plain.data(), plain.size());
    ASSERT_TRUE(r);
    EXPECT_EQ(r->address, 7);
    EXPECT_EQ(r->letter, 'R');
    EXPECT_EQ(ReplyText(r->data, r->size), "V1");

    // Mode 0: neither the checksum nor 0x03 is text.
    const Bytes mode0 = {0x02, 0x01, 'b', '9', '6', 0x81, 0x03};
    r = ReadSetupReply(mode0.data(), mode0.size());
    ASSERT_TRUE(r);
    EXPECT_EQ(ReplyText(r->data, r->size), "96");

    // A 16-bit address in four low nibbles, the letter at byte 6.
    const Bytes wide = {0xF8, 0xFE, 0x34, 0x30, 0x30, 0x31, 'r', 'X', 0x80};
    r = ReadSetupReply(wide.data(), wide.size());
    ASSERT_TRUE(r);
    EXPECT_EQ(r->address, 0x4001);
    EXPECT_EQ(r->letter, 'r');
    EXPECT_EQ(ReplyText(r->data, r->size), "X");

    // Too short for its letter.
    for (const Bytes& cut : {Bytes{0xF8, 0x01, 0x80}, Bytes{0xF8, 0xFE, 0x30, 0x30, 0x30, 0x31, 0x80}, Bytes{0xF8},
                             Bytes{}})
        EXPECT_FALSE(ReadSetupReply(cut.data(), cut.size())) << cut.size();
    EXPECT_FALSE(ReadSetupReply(nullptr, 5));
}

TEST(SetupRules, ReplyTextFilters)
{
    const Bytes text = {'A', 0x7F, 'B', 0xC1, 'C', 0x00, 'D'};
    EXPECT_EQ(ReplyText(text.data(), text.size()), "ABC");
    const Bytes serial = {'0', '0', '0', '1', 0x7F, '2', 0x80, '3'};
    EXPECT_EQ(ReplySerialNumber(serial.data(), serial.size()), "12");
    const Bytes zeros = {'0', '0', '0', '0', '0', '1', '2'};
    EXPECT_EQ(ReplySerialNumber(zeros.data(), zeros.size()), "0012");
    EXPECT_EQ(ReplySerialNumber(zeros.data(), 0), "");
}
