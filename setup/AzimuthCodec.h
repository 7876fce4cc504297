#pragma once
#include <array>
#include <string>
#include <string_view>

// What "Azimuth Setup" and "Send Pan/Tilt Commands to Pan/Tilt Module"
// send. Plain C++.

// One button of "Azimuth Setup": its group ("" for the left column), its
// caption and the command it queues.
struct AzimuthButton {
    const char* group;
    const char* caption;
    const char* command;
};
extern const std::array<AzimuthButton, 14> kAzimuthButtons;

// The pan/tilt module's command box holds at most this many characters.
constexpr size_t kPtModuleTextLength = 32;

// "#" followed by the box's text (at most 32 characters).
std::string PtModuleCommand(std::string_view text);
// A character the module's box takes: printable ASCII, which every frame
// carries as it is.
bool PtModuleCharacter(char c);
