#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// What the "Thermal Controls" panel holds; -1 is "none chosen".
struct Thermal2Members {
    int nucIndex = 0;       // active NUC index 0-15
    int palette = 0;        // colour palette 0-4
    int colourBar = 0;
    int freeze = 0;         // 1: everything but Freeze, Cal Flag Closed and Close is locked
    int polarity = 0;
    int overlayPalette = 0; // 0-7
    int overlayMode = -1;   // 0 Off, 1 ".", 2 Dt/Tm/Contrast, 3 Full Status
    int foreground = 0;     // 0-15
    int background = 0;     // 0-15
    int reticleA = 0;
    int reticleB = 0;
    int autoRefresh = 1;    // minutes, 1-60
    int digitalZoom = -1;   // 0 Off, 1 2X, 2 4X
    int calFlagClosed = 0;
};

// "tt" and the auto refresh time as one character: 1-46 minutes as
// minutes + 16, 47-60 as minutes + 49; other times give no command.
std::string AutoRefreshCommand(int minutes);
// The auto refresh time a reported character stands for, or -1.
int AutoRefreshMinutes(uint8_t c);

// A reply frame as the console hands it over, walked into the members.
// True when it was a status string (a binary frame is not).
bool DecodeThermal2Reply(const uint8_t* frame, size_t length, Thermal2Members& m);
