#pragma once
#include "DomeRecords.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Dome.dat: a 32-bit version (1), then the 16 sectors, 8 privacy zones
// and 8 tours in that order, each record as it writes itself.
constexpr uint32_t kDomeFileVersion = 1;
// A Dome.dat holds a few kilobytes; anything beyond this is not one.
constexpr size_t kDomeFileLimit = 1 << 20;

enum class DomeRead {
    Read,         // the file's records were taken
    OtherVersion, // not version 1: nothing read, the records keep their values
    Unreadable,   // missing, too short, or lengths past its end: the defaults
};

// The bytes of a Dome.dat. Only a whole, well-formed version-1 file changes
// data; a file that ends before its records do is Unreadable and leaves
// data as it was.
DomeRead ParseDomeData(const uint8_t* bytes, size_t size, DomeData& data);
std::vector<uint8_t> SerializeDomeData(const DomeData& data);

// Reads the file at path as the dialog does at every opening: an
// unreadable file gives the defaults, another version leaves data as it
// is, a good one replaces it.
DomeRead LoadDomeFile(const std::string& path, DomeData& data);

// Writes a new file beside the old one, flushed to the disk, and renames it
// over it, so the old file stays whole when the write fails or the program
// is killed. False when it cannot be written.
bool SaveDomeFile(const std::string& path, const DomeData& data);
