#pragma once
#include <cstddef>
#include <cstdint>

// What the "Illuminator Control" window holds; -1 is "none chosen".
struct IlluminatorMembers {
    int ir = -1;   // 0 IR Off, 1 IR On
    int mode = -1; // 0 Mode 1, 1 Mode 2
};

// A reply frame applied to the members, only when its class letter (the
// byte before the reply text) is 'i': character 0 '0'/'1' is IR off/on,
// character 1 '0'/'1' Mode 1/Mode 2; other characters change nothing.
void DecodeIlluminatorReply(const uint8_t* frame, size_t length, IlluminatorMembers& m);
