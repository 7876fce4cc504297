#pragma once
#include <array>
#include <string>
#include <string_view>

// PRESET.DAT: the ten names of the DSP 7100 camera presets, one per line,
// CR LF line ends, no header.
using PresetFileNames = std::array<std::string, 10>;

constexpr size_t kPresetNameLength = 23; // a slot holds 23 characters

// Slot 0 "Factory default", slots 1 to 9 "Preset 01" to "Preset 09".
PresetFileNames DefaultPresetFileNames();

// The file is small; anything longer than this is not a PRESET.DAT.
constexpr size_t kPresetFileMaxBytes = 64 * 1024;

// Reads whole lines (CR LF or LF) and keeps each name's first 23
// characters; missing lines give empty names. False when the file cannot
// be opened or is longer than kPresetFileMaxBytes (names untouched).
bool ReadPresetFile(const std::string& path, PresetFileNames& names);
// The same for the file's contents.
PresetFileNames ParsePresetFile(std::string_view contents);
// The file's contents for the names.
std::string FormatPresetFile(const PresetFileNames& names);

// Saved atomically: a reader finds the old file or the new one, never a
// part of either. False when it cannot be written (the old file stays).
bool WritePresetFile(const std::string& path, const PresetFileNames& names);
