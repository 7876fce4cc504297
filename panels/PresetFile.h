#pragma once
#include <array>
#include <string>

// PRESET.DAT: the ten names of the DSP 7100 camera presets, one per line,
// CR LF line ends, no header.
using PresetFileNames = std::array<std::string, 10>;

constexpr size_t kPresetNameLength = 23; // a slot holds 23 characters

// Slot 0 "Factory default", slots 1 to 9 "Preset 01" to "Preset 09".
PresetFileNames DefaultPresetFileNames();

// Reads whole lines (CR LF or LF) and keeps each name's first 23
// characters; missing lines give empty names. False when the file cannot
// be opened (names untouched).
bool ReadPresetFile(const std::string& path, PresetFileNames& names);

// Writes a new file beside the old one and renames it over it, so the old
// file stays whole if the write fails. False when it cannot be written.
bool WritePresetFile(const std::string& path, const PresetFileNames& names);
