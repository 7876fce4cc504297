#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What the "Screen Privacy Zone Setup" dialog holds; -1 is "not reported".
struct PrivacyZoneMembers {
    static constexpr int kZoneCount = 24; // zones A to X
    static constexpr int kColourCount = 14;
    static constexpr int kSizeMax = 128;  // the size boxes' spin range

    int zone = 0;       // the "Zone" list: 0-23 for A-X
    int mode = -1;      // 0 Off, 1 Programming, 2 Live
    int programmed = -1;
    int programmingColour = -1, liveColour = -1; // 0 "Black" to 13 "Magenta"
    int programmingTransparency = 0, liveTransparency = 0;
    int horizontalSize = 0, verticalSize = 0;
    std::string pan, tilt; // the "Pan" and "Tilt" boxes, at most four characters each
};

// What a reply asks the dialog to do next.
struct PrivacyZoneReply {
    bool position = false;   // the pan and tilt boxes were written
    bool askColours = false; // a zone status: "csC?" on timer 13, 250 ms later
    bool askSize = false;    // the colours: "csh" Z "?" on timer 15, 250 ms later
};

// A reply frame as the console hands it over (start byte first). A 'P' in
// byte 3 is the position: four decimal digits of pan, four of tilt. Any
// other reply is a list of items from byte 4 (byte 6 for the 254 address
// form): 'Z' zone status, 'C' colours, 'h' and 'v' sizes, 'T' two skipped
// characters; other characters are skipped one at a time. The list ends
// after the first zone status, colour or size item (a vertical size right
// behind the horizontal one is read with it). Values outside their
// controls' ranges are not stored.
PrivacyZoneReply DecodePrivacyZoneReply(const uint8_t* frame, size_t length, PrivacyZoneMembers& m);

// The letter of a zone in its commands: 'A' + index.
char ZoneLetter(int zone);

// "Goto" with the pan and tilt boxes' texts: each must be four decimal digits.
enum class GotoCheck { Ok, BadPan, BadTilt };
GotoCheck CheckGoto(std::string_view pan, std::string_view tilt);
