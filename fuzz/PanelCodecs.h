#pragma once
#include <cstddef>
#include <cstdint>

// Hands one whole reply frame to every panel's and dialog's reply codec,
// as the console would hand it to the open window.
void DecodeWithPanelCodecs(const uint8_t* frame, size_t length);
