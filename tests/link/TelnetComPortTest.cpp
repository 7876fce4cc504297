// The COM-port control option's bytes, both ways.
#include "TelnetComPort.h"

#include <gtest/gtest.h>

using namespace TelnetComPort;

TEST(TelnetComPort, LineSettingsAsTheDeviceServerReadsThem)
{
    // 9600 baud, 8 data bits, even parity, one stop bit.
    const Bytes expected = {255, 250, 44, 1, 0, 0, 0x25, 0x80, 255, 240, 255, 250, 44, 2, 8, 255, 240,
                            255, 250, 44, 3, 3, 255, 240, 255, 250, 44, 4, 1, 255, 240};
    EXPECT_EQ(LineSettings(9600, 'E', 8, 1), expected);
    // A value byte of 0xFF is doubled inside the subnegotiation: 65535 baud.
    const Bytes baud = LineSettings(65535, 'N', 8, 1);
    EXPECT_EQ(Bytes(baud.begin(), baud.begin() + 12), (Bytes{255, 250, 44, 1, 0, 0, 255, 255, 255, 255, 255, 240}));
    EXPECT_EQ(PurgeReceived(), (Bytes{255, 250, 44, 12, 1, 255, 240}));
}

TEST(TelnetComPort, DataIsEscapedAndNegotiationTakenOut)
{
    const uint8_t frame[] = {0xFF, 0x08, 0xFF, 0x03};
    EXPECT_EQ(Escape(frame, sizeof frame), (Bytes{0xFF, 0xFF, 0x08, 0xFF, 0xFF, 0x03}));

    struct Case {
        Bytes in;
        Bytes data;
        Bytes replies;
    } cases[] = {
        {{0x06}, {0x06}, {}},
        {{255, 255, 0x08}, {0xFF, 0x08}, {}},
        // Agreement to what the client asked for: nothing to answer.
        {{255, 253, 44, 255, 251, 0, 0xF8}, {0xF8}, {}},
        // Options it did not ask for are refused.
        {{255, 253, 24, 255, 251, 1}, {}, {255, 252, 24, 255, 254, 1}},
        // A notification (modem state) is skipped, an escaped 0xFF inside it too.
        {{255, 250, 44, 107, 255, 255, 255, 240, 0x41}, {0x41}, {}},
        // Cut between IAC and its verb: the next feed completes it.
        {{255}, {}, {}},
    };
    for (const Case& c : cases) {
        Receiver r;
        Bytes data;
        for (uint8_t b : c.in) {
            uint8_t d = 0;
            if (r.Feed(b, &d))
                data.push_back(d);
        }
        EXPECT_EQ(data, c.data);
        EXPECT_EQ(r.TakeReplies(), c.replies);
    }
}
