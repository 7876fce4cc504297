#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What the Day/Night DSP panel holds; -1 is "none chosen".
struct DayNightMembers {
    int dayNight = -1;     // 0 Auto, 1 Color, 2 Mono
    int whiteBalance = -1; // 0 Auto (Normal), 1 Manual, 2 Auto (HPS)
    int shutter = -1;      // 0 Auto to 15 (1/30000)
    int wdr = -1;
    int crystal = 1;       // line lock on the crystal
    int phase = -1;        // line-lock phase 0-5
    int freeze = -1;       // 0 Live, 1 Freeze
    std::string dspCommand;
    int baud = -1;         // 0 4800, 1 9600, 2 19.2K, 3 38.4K
    int poll = 0;
    int maxAgc = 1;        // dB, 1-40
    int apertureH = 1, apertureV = 1; // 1-31
    int apertureMode = -1; // 0 Auto, 1 Manual
    int dayShutter = -1, nightShutter = -1, lightLevel = -1;
    int eis = -1, eisFrequency = 0;
    int digitalZoom = -1;
    int progressive = -1, field = -1;
    int magnification = -1; // index 0-34 for 1X-35X
    int enableRx = 0;
    int slowLimit = -1;
    int indoor = -1;
    int blc = -1;
    std::string zoomPosition; // four characters
    bool initialising = true; // until the first line-lock report
    int colourAllowed = 1;    // Javelin status: Color and Mono may be chosen
};

struct DayNightReply {
    // Requests the reply asks for, in order; queued so the newest wins.
    std::vector<std::string> followUps;
    // Ask for the TR6204K3 light level and shutters on the timed requests.
    bool askTr6204 = false;
};

// A reply frame (as the console hands it over) applied to the members.
// javelin: the link speaks "Javelin - 408R" and the reply is a binary
// status frame. Values outside their control's range are not stored.
DayNightReply DecodeDayNightReply(const uint8_t* frame, size_t length, bool javelin, DayNightMembers& m);
