// The privacy zone dialog's reply codec and its "Goto" check, without widgets.
#include "PrivacyZoneCodec.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

// A reply frame in the 0xF8 mode: start, address, text, checksum.
Bytes Frame(const std::string& text, uint8_t address = 1)
{
    Bytes f{0xF8, address};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

// The same text in a mode-0 frame: 0x02, address, text, checksum, 0x03.
Bytes Mode0Frame(const std::string& text, uint8_t checksum = 0x40)
{
    Bytes f{0x02, 0x01};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(checksum);
    f.push_back(0x03);
    return f;
}

// The 254 address form: four more bytes ahead of the text.
Bytes Frame254(const std::string& text)
{
    Bytes f{0xF8, 0xFE, 0x01, 0x02, 0x03, 0x04};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

bool Unchanged(const PrivacyZoneMembers& m)
{
    const PrivacyZoneMembers fresh;
    return m.mode == fresh.mode && m.programmed == fresh.programmed &&
           m.programmingColour == fresh.programmingColour && m.liveColour == fresh.liveColour &&
           m.programmingTransparency == 0 && m.liveTransparency == 0 && m.horizontalSize == 0 &&
           m.verticalSize == 0 && m.pan.empty() && m.tilt.empty();
}
} // namespace

TEST(PrivacyZoneCodec, RepliesFillOnlyWhatTheyReportInsideTheRanges)
{
    struct Case {
        const char* name;
        Bytes frame;
        std::function<bool(const PrivacyZoneMembers&)> expect;
        bool askColours = false;
        bool askSize = false;
    };
    const std::vector<Case> cases = {
        {"position digits 0,3,5,9 and 0,0,4,5", Frame("cP03590045"),
         [](auto& m) { return m.pan == "0359" && m.tilt == "0045"; }},
        {"position in a mode-0 frame", Mode0Frame("cP12340001"), [](auto& m) { return m.pan == "1234" && m.tilt == "0001"; }},
        {"position with a letter", Frame("cP0359004:"), Unchanged},
        {"position cut off by the checksum", Frame("cP0359004"), Unchanged},
        {"zone status: programmed, live", Frame("csZC12"), [](auto& m) { return m.programmed == 1 && m.mode == 2; }, true},
        {"zone status: neither reported", Frame("csZC23"), [](auto& m) { return m.programmed == -1 && m.mode == -1; }, true},
        {"zone status cut off", Frame("csZC1"), Unchanged},
        {"colours: red see-through, blue solid", Frame("csCP81L:0"),
         [](auto& m) {
             return m.programmingColour == 8 && m.programmingTransparency == 1 && m.liveColour == 10 &&
                    m.liveTransparency == 0;
         },
         false, true},
        {"colours: magenta is the last, any non-'0' is see-through", Frame("csCP=xL0Q"),
         [](auto& m) {
             return m.programmingColour == 13 && m.programmingTransparency == 1 && m.liveColour == 0 &&
                    m.liveTransparency == 1;
         },
         false, true},
        {"colours outside the list keep colour and transparency", Frame("csCP>1L/1"), Unchanged, false, true},
        {"horizontal size", Frame("csh050"), [](auto& m) { return m.horizontalSize == 50 && m.verticalSize == 0; }},
        {"both sizes together", Frame("csh030v020"), [](auto& m) { return m.horizontalSize == 30 && m.verticalSize == 20; }},
        {"vertical size alone", Frame("csv040"), [](auto& m) { return m.verticalSize == 40 && m.horizontalSize == 0; }},
        {"size beyond the boxes' range", Frame("csh129"), Unchanged},
        {"size that is not three digits", Frame("csh05x"), Unchanged},
        // 'T' skips two characters (which would otherwise read as a zone status).
        {"T item skipped", Frame("csTZ1h007"), [](auto& m) { return m.horizontalSize == 7 && m.mode == -1; }},
        {"unknown characters skipped one at a time", Frame("cs??xZA01"),
         [](auto& m) { return m.programmed == 0 && m.mode == 1; }, true},
        {"the list ends after the first item", Frame("csZA01CP11L11"),
         [](auto& m) { return m.mode == 1 && m.programmingColour == -1; }, true},
        {"a NUL ends the list", Frame(std::string("cs\0Z" "A01", 7)), Unchanged},
        {"items start at byte 4: the reply letter is not one", Frame("cZA01"), Unchanged},
        {"the 254 form starts two places on", Frame254("csZB02"), [](auto& m) { return m.mode == 2; }, true},
        {"a checksum is not an item", Mode0Frame("cs", 'Z'), Unchanged},
        {"empty", Bytes{}, Unchanged},
    };
    for (const Case& c : cases) {
        PrivacyZoneMembers m;
        const PrivacyZoneReply r = DecodePrivacyZoneReply(c.frame.data(), c.frame.size(), m);
        EXPECT_TRUE(c.expect(m)) << c.name;
        EXPECT_EQ(r.askColours, c.askColours) << c.name;
        EXPECT_EQ(r.askSize, c.askSize) << c.name;
    }
}

TEST(PrivacyZoneCodec, GotoWantsFourDecimalDigitsEach)
{
    struct Case {
        const char* pan;
        const char* tilt;
        GotoCheck expected;
    } cases[] = {
        {"0123", "0045", GotoCheck::Ok},  {"123", "0045", GotoCheck::BadPan},  {"01234", "0045", GotoCheck::BadPan},
        {"", "", GotoCheck::BadPan},      {"0123", "45", GotoCheck::BadTilt},  {"0123", "", GotoCheck::BadTilt},
        {"01a3", "0045", GotoCheck::BadPan}, {"0123", "00 5", GotoCheck::BadTilt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckGoto(c.pan, c.tilt), c.expected) << c.pan << "/" << c.tilt;
}

TEST(PrivacyZoneCodec, ZoneLetters)
{
    EXPECT_EQ(ZoneLetter(0), 'A');
    EXPECT_EQ(ZoneLetter(2), 'C');
    EXPECT_EQ(ZoneLetter(23), 'X');
    EXPECT_EQ(ZoneLetter(-1), 'A');
    EXPECT_EQ(ZoneLetter(24), 'A');
}
