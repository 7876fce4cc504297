#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A command as the console recorded it: camera address, command text and the
// pause before it in milliseconds.
struct RecordedCommand {
    uint8_t address = 1;
    std::string text;
    uint32_t delay = 60;
};

// The text of a command log recorded in the 0xF8 mode, line for line as the
// console's Record button writes it: the banner and heading, then for each
// command its "TxC:" line with the pause before it and the camera's
// acknowledgement; with replies also a latch status reply and the
// console's acknowledgement of it.
std::string RecordedCommandLog(const std::vector<RecordedCommand>& commands, bool withReplies);

// A recorded log of exactly `lines` lines (banner and heading included):
// pad, lens and status commands, each acknowledged and answered, four
// lines per command.
std::string TypicalCommandLog(size_t lines);
