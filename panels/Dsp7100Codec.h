#pragma once
#include <cstddef>
#include <cstdint>

// What the DSP 7100 panel holds.
struct Dsp7100Members {
    int colourMode = 0;  // 0 Auto, 1 Manual
    int colour = 0;      // 0-63
    int shutterMode = 0; // 0 S-Auto, 1 S-Manual, 2 I-Extern, 3 I-Manual; -1 none
    int speed = 0;       // shutter speed list 0-7
    int integration = 1; // 1-99
    int gainMode = 0;    // 0 Auto, 1 Manual
    int gain = 0;        // 0-126
    int gamma = 5;       // 0-7
    int backlight = 0;
};

struct Dsp7100Reply {
    int nextStep = -1; // the status query to ask next, -1 unchanged
    char letter = 0;   // 'W', 'V', 'G', 'Z' or 'M'; 0 for another reply
    bool applied = false; // the frame checked and its modes were taken
    // The boxes the reply wrote; a written box sends its value back.
    bool colour = false;
    bool integration = false;
    bool gain = false;
};

// A 7100 reply frame applied to the members. The status sequence moves on
// the reply letter alone; the data is taken only when the frame's check
// byte and length match, and a value only when its digits are '0'-'9' and
// it lies inside its box's range.
Dsp7100Reply DecodeDsp7100Reply(const uint8_t* frame, size_t length, Dsp7100Members& m);
