#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// What the "Wipe Setup" window holds; -1 is "none chosen".
struct WipeMembers {
    int runTime = 0; // seconds, 0-9999
    int delay = 0;   // seconds, 0-99
    int module = -1; // 0 Old Module, 1 New Module
};

// "mwr%04dd%02d" with the run time and the delay.
std::string WipeSetCommand(const WipeMembers& m);

// The wiper's report "wr" + four digits run time, then 'd' + two digits
// delay at position 6 and 'm' + module digit at position 9, each optional.
void DecodeWipeReply(const uint8_t* frame, size_t length, WipeMembers& m);
