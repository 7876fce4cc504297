#pragma once
#include <cstddef>
#include <cstdint>

// What the 8270 DSP panel holds; -1 is "none chosen".
struct Dsp8270Members {
    int dayNight = -1;      // 0 Auto, 1 Color, 2 Mono
    int whiteBalance = -1;  // 0 Auto, 1 Manual, 2 Indoor, 3 Outdoor
    int freeze = -1;        // 0 Live, 1 Freeze
    int blc = -1;           // 0 Off, 1 Normal (level 1), 2 Maximum (level 2)
    int blcArea = -1;       // 0 bottom, 1 right, 2 top, 3 left, 4 centre
    int zoomLimit = -1;     // digital zoom limit 0-3 (1X, 2X, 5X, 10X)
    int red = 0, blue = 0;  // 0-255, reported only
    int sharpness = 0;      // 0-15
    int maxGain = 0;        // maximum auto gain 0-255
    int shutter = -1;       // 0-7 (1/60 to 1/10000)
    int integration = -1;   // maximum integration time 0-9 (1/60 to 2)
    int iris = -1;          // 0 Auto, 1 Manual, reported only
    int brightness = 0;     // 0-48
    // Exposure: exactly one of the two is set.
    int autoAll = 1;
    int manualShutter = 0;
};

// Length of the camera's full status record (reply text after the class
// letter): the last field stands at position 47.
constexpr size_t kDsp8270StatusLength = 48;

// An 8270 reply frame (class letter b) applied to the members: the red or
// blue report ("WR…", "WB…"), sharpness ("s"), brightness ("b"), or the
// full status record at its fixed positions. A record too short to hold
// every field is not applied; a value is stored only inside its range.
void DecodeDsp8270Reply(const uint8_t* frame, size_t length, Dsp8270Members& m);
