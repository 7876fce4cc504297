#pragma once
#include <cstddef>
#include <cstdint>

// What the HiDef panel holds; -1 is "none chosen".
struct HiDefMembers {
    int zoomRange = -1; // 0 Off (1X), 1 1.5X, 2 2X, 3 4X, 4 8X, 5 12X
    int exposure = -1;  // 0 0dB, 1 3dB, 2 6dB, 3 9dB
    int videoMode = -1; // 0-7, 1080/59.94i to PAL(SQ)
};

// The character an exposure index is sent as and reported with: '0' plus
// 7, 9, 11 or 13 ('7', '9', ';', '='); 0 for an index outside 0-3.
char HiDefExposureCharacter(int index);

// The HiDef camera's status (class letter c): letter/value pairs up to the
// first byte of 0x80 or above. 'D' zoom range, 'e' exposure, 'v' video
// mode; other letters skip their value. Values outside a list are ignored.
void DecodeHiDefReply(const uint8_t* frame, size_t length, HiDefMembers& m);
