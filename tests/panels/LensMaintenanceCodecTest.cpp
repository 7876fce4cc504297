// The lens maintenance dialog's reply codec, lens type encoding and
// password check, without widgets.
#include "LensMaintenanceCodec.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;
using M = LensMaintenanceMembers;

// A reply in the 0xF8 mode: start, address, the text (class letter
// first), a checksum.
Bytes Frame(const std::string& text, uint8_t address = 1)
{
    Bytes f{0xF8, address};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

// The same in mode 0: 0x02, address, text, checksum, 0x03.
Bytes Mode0Frame(const std::string& text)
{
    Bytes f{0x02, 0x01};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x40);
    f.push_back(0x03);
    return f;
}

// The reply of a camera answering on address 254: four address bytes
// between the address byte and the class letter.
Bytes Frame254(const std::string& text)
{
    Bytes f{0xF8, 254, 0x30, 0x30, 0x30, 0x31};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

LensMaintenanceReply Decode(const Bytes& f, M& m)
{
    return DecodeLensMaintenanceReply(f.data(), f.size(), m);
}

bool Fresh(const M& m)
{
    const M f;
    return m.voltage == f.voltage && m.lensType == f.lensType && m.phase == f.phase && m.crystal == f.crystal &&
           m.video == f.video && m.camera == f.camera && m.twoX == f.twoX && m.ir == f.ir &&
           m.initialising == f.initialising;
}
} // namespace

TEST(LensMaintenanceCodec, RepliesAndTheRequestTheyAskForNext)
{
    struct Case {
        const char* name;
        Bytes frame;
        std::function<bool(const M&)> expect;
        std::string followUp;
        bool taken = true;
    };
    const std::vector<Case> cases = {
        {"the status record",
         Frame("m1l5v0p3c2"),
         [](const M& m) {
             return m.voltage == 1 && m.lensType == std::array<int, 4>{1, 0, 1, 0} && m.video == 0 && m.phase == 2 &&
                    m.crystal == 0 && m.camera == 2 && !m.initialising;
         },
         "mXS"},
        {"line lock 0 is the crystal, the phase is kept", Frame("m2l?v1p0c5"),
         [](const M& m) {
             return m.voltage == 2 && m.lensType == std::array<int, 4>{1, 1, 1, 1} && m.video == 1 && m.crystal == 1 &&
                    m.phase == 0 && m.camera == 5;
         },
         "mXS"},
        {"line lock 6 is phase 5", Frame("m0l0v1p6c0"), [](const M& m) { return m.phase == 5 && m.crystal == 0; },
         "mXS"},
        // Fields are recognised by their letters; values outside their lists
        // are not stored, and the record still ends the initialising.
        {"values out of range", Frame("m3l@v2p7c6"),
         [](const M& m) {
             return m.voltage == -1 && m.lensType == std::array<int, 4>{} && m.video == -1 && m.crystal == 0 &&
                    m.camera == -1 && !m.initialising;
         },
         "mXS"},
        {"letters elsewhere", Frame("m1x5v"), [](const M& m) { return m.voltage == 1 && m.lensType[0] == 0; }, "mXS"},
        {"a record cut short", Frame("m1l"), [](const M& m) { return m.voltage == 1 && !m.initialising; }, "mXS"},
        {"2X on", Frame("mX1"), [](const M& m) { return m.twoX == 1 && m.initialising; }, "mRS"},
        {"2X from bit 0", Frame("mX2"), [](const M& m) { return m.twoX == 0; }, "mRS"},
        {"2X without its digit still asks on", Frame("mX"), [](const M& m) { return Fresh(m); }, "mRS"},
        {"IR from the low two bits", Frame("mR7"), [](const M& m) { return m.ir == 3; }, ""},
        {"IR 950nm", Frame("mR3"), [](const M& m) { return m.ir == 3 && m.initialising; }, ""},
        {"IR without its digit", Frame("mR"), [](const M& m) { return Fresh(m); }, ""},
        {"mode 0", Mode0Frame("m2l1v1p1c4"),
         [](const M& m) { return m.voltage == 2 && m.lensType[0] == 1 && m.phase == 0 && m.camera == 4; }, "mXS"},
        {"address 254: the text from byte 7", Frame254("m1l5v0p3c2"),
         [](const M& m) { return m.voltage == 1 && m.camera == 2; }, "mXS"},
        // Only class 'm' counts.
        {"another class", Frame("c1l5v0p3c2"), Fresh, "", false},
        {"254 form, another class", Frame254("c1l5"), Fresh, "", false},
        {"the class letter alone", Frame("m"), Fresh, "", false},
        {"nothing", Bytes{}, Fresh, "", false},
    };
    for (const Case& c : cases) {
        M m;
        const LensMaintenanceReply r = Decode(c.frame, m);
        EXPECT_TRUE(c.expect(m)) << c.name;
        EXPECT_EQ(r.followUp, c.followUp) << c.name;
        EXPECT_EQ(r.taken, c.taken) << c.name;
    }
}

TEST(LensMaintenanceCodec, ARecordLeavesWhatItDoesNotSayAlone)
{
    M m;
    Decode(Frame("mX1"), m);
    Decode(Frame("mR2"), m);
    Decode(Frame("m1l5v0p3c2"), m);
    EXPECT_EQ(m.twoX, 1);
    EXPECT_EQ(m.ir, 2);
    // A later record without a line-lock field keeps the phase shown.
    Decode(Frame("m0l1"), m);
    EXPECT_EQ(m.voltage, 0);
    EXPECT_EQ(m.lensType, (std::array<int, 4>{1, 0, 0, 0}));
    EXPECT_EQ(m.phase, 2);
    EXPECT_EQ(m.camera, 2);
}

TEST(LensMaintenanceCodec, LensTypeCommandCarriesTheFourBits)
{
    struct Case {
        std::array<int, 4> boxes; // Zoom/Focus, Motor Iris, Z/F Follow Pots, Iris Follow Pot
        const char* command;
    } cases[] = {
        {{0, 0, 0, 0}, "ml0"}, {{1, 0, 0, 1}, "ml9"}, {{1, 1, 1, 1}, "ml?"},
        {{0, 1, 0, 0}, "ml2"}, {{0, 0, 1, 1}, "ml<"},
    };
    for (const Case& c : cases) {
        M m;
        m.lensType = c.boxes;
        EXPECT_EQ(LensTypeCommand(m), c.command);
        M back;
        SetLensTypeBits(back, LensTypeBits(m));
        EXPECT_EQ(back.lensType, c.boxes) << c.command;
    }
}

TEST(LensMaintenanceCodec, TheServicePasswordIsExactAndCaseSensitive)
{
    struct Case {
        const char* typed;
        bool accepted;
    } cases[] = {
        {"TQRW", true}, {"tqrw", false}, {"TqRw", false}, {"TQR", false}, {"TQRW ", false}, {" TQRW", false},
        {"", false}, {"TQRWTQRW", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ServicePasswordAccepted(c.typed), c.accepted) << c.typed;
}
