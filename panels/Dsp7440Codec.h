#pragma once
#include <cstddef>
#include <cstdint>

// What the DSP 7440 panel holds; -1 is "none chosen".
struct Dsp7440Members {
    int whiteBalance = -1; // 0 Auto, 1 Manual, 2 User
    int red = 55, blue = 57; // the User gains, 0-255
    int blc = -1;          // 0 Off, 1 On
    int blcMode = -1;      // 0-3
    int gamma = 0;         // 0-9
    int gainMode = -1;     // 0 Auto, 1 Manual
    int gain = 0;          // 0-7
    int agcMax = 1;        // 1-255
    int shutterMode = -1;  // 0 Auto, 1 Manual
    int speed = -1;        // shutter speed list 0-9
    int integration = -1;  // integration list: 0 On, 1 Off
    int length = -1;       // integration length list 0-10
    // Effects, group E.
    int horizontalFlip = 0, verticalFlip = 0, rotate = 0, freeze = 0;
    // Effects, group e.
    int yInvert = 0, cInvert = 0, colourBars = 0, monochrome = 0;
    int preset = 0;        // current preset index, -1 none
};

// The four effect bits of each group as the camera takes them.
int Dsp7440EffectsE(const Dsp7440Members& m);
int Dsp7440Effectse(const Dsp7440Members& m);

// Which exposure controls may be used for the gain mode, integration and
// shutter mode chosen.
struct Dsp7440Exposure {
    bool gain = false;   // gain box
    bool speed = false;  // shutter speed list
    bool length = false; // integration length list
};
Dsp7440Exposure Dsp7440ExposureEnabling(const Dsp7440Members& m);

// The camera's status string ("cDS" answered) applied to the members:
// letter/value items up to the first byte of 0x80 or above, each value
// stored only when it lies inside its control's range. Returns false for
// a frame with nothing to apply.
bool DecodeDsp7440Reply(const uint8_t* frame, size_t length, Dsp7440Members& m);
