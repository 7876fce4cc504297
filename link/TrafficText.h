#pragma once
#include <cstddef>
#include <cstdint>

// The readable forms of frames shown in the traffic strips and written to
// the command log. Built into fixed buffers; never allocates.

constexpr size_t kTxTextSize = 512;   // a 100-byte frame at five characters a byte
constexpr size_t kRxTextSize = 1100;  // a 256-byte reply at four characters a byte

// Text of a transmitted frame; returns its length.
size_t FormatTxFrame(const uint8_t* frame, size_t length, int mode, char (&out)[kTxTextSize]);

// Text of a received frame; returns its length.
size_t FormatRxFrame(const uint8_t* frame, size_t length, int mode, char (&out)[kRxTextSize]);
