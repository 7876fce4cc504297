#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One command of a recorded log, to be sent again.
struct PlaybackRecord {
    static constexpr size_t kMaxText = 98; // command bytes a record holds

    uint8_t address = 0;
    std::string text;    // the bytes between address and checksum
    uint32_t delay = 0;  // milliseconds to wait before it is sent
};

struct CommandLogParse {
    bool ok = false;
    std::vector<PlaybackRecord> records;
    // A recorded command whose checksum did not match, in the words shown
    // to the operator; empty otherwise.
    std::string checksumMessage;
};

// Reads a traffic log written while recording: only "TxC:" lines of the
// 0xF8 mode become records, with the pause before each from "Tick:";
// comments, "Rx:" and acknowledgement lines are skipped. Bytes from the
// file are untrusted: any length, any value, no final line end.
CommandLogParse ParseCommandLog(std::string_view contents);

// A command log is a text file of a few thousand lines; anything far bigger
// is not one.
constexpr size_t kLargestCommandLog = 64u << 20;

enum class CommandLogRead { Ok, CannotOpen, TooLarge };

// Reads a log file whole, at most largest bytes of it: the cap holds for
// FIFOs and devices too, which report no size. A folder cannot be opened.
CommandLogRead ReadCommandLogFile(const std::string& path, std::string& contents,
                                  size_t largest = kLargestCommandLog);

// The command that halts what a paused or stopped playback was doing, or
// nothing.
const char* PlaybackHaltCommand(std::string_view text);
