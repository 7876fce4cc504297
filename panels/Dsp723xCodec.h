#pragma once
#include <cstddef>
#include <cstdint>

// What the DSP 723x panel holds; -1 is "not known".
struct Dsp723xMembers {
    int zoomRange = -1;    // digital zoom: 0 Off, 1 2X, 2 4X, 3 8X
    int iris = -1;         // 0 Auto, 1 Manual
    int focus = -1;        // 0 Auto, 1 Manual
    int shutter = 4;       // shutter list 0-12 (4 "Auto")
    int whiteBalance = -1; // 0 Auto, 1 Set, 2 Lock, 3 Indoor, 4 Outdoor, 5 Fluorescent
    int blc = -1;          // 0 Off, 1 On
    int integration = -1;  // auto-integration: 0 Off, 1 On
    int preset = 0;        // preset list index 0-63
};

// The shutter list's "Auto".
constexpr int kDsp723xShutterAuto = 4;
// The status sequence: steps 1 to 7 ask, step 8 ends it.
constexpr int kDsp723xLastStep = 8;

// The status query of a step of the sequence, nullptr for step 8 and beyond.
const char* Dsp723xStatusQuery(int step);

// A preset number as the camera takes it: one character, n + 16 for 0 to
// 46 and n + 49 for 47 to 63.
char Dsp723xPresetCharacter(int preset);

struct Dsp723xReply {
    int nextStep = -1;  // the step the sequence moves to, -1 none
    int restartMs = 5;  // when the next query goes
};

// A reply frame (letter at byte 3, its digit at byte 4) applied to the
// members. The step follows the letter alone; the digit is stored only
// when it lies inside its member's range.
Dsp723xReply DecodeDsp723xReply(const uint8_t* frame, size_t length, Dsp723xMembers& m);
