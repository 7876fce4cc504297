#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// What the "Wash Setup" window holds.
struct WashMembers {
    int washTime = 0;    // seconds, 0-99
    int wipeTime = 0;    // seconds, 0-99 (its box is hidden)
    int manualWash = 0;  // 0 or 1
    int frequency = 1;   // automatic wash every 1-10 minutes
};

constexpr int kWashFrequencyLow = 1, kWashFrequencyHigh = 10;

// "mWW%02dw%02dm%1df%03d" with wash time, wipe time, manual wash and frequency.
std::string WashSetCommand(const WashMembers& m);

// The washer's report "WW" + two digits wash time, then 'w' + two digits
// wipe time at position 4, 'm' + manual flag at position 7 and 'f' + three
// digits frequency at position 9, each optional.
void DecodeWashReply(const uint8_t* frame, size_t length, WashMembers& m);
