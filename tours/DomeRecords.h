#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class DomeReader;
class DomeWriter;

// The dome's configuration as the tours and sectors dialog keeps it: its
// sixteen pan sectors, eight privacy zones and eight tours. Each record
// writes and reads its own fields, in order, little-endian, as Dome.dat
// holds them.

// A limit nobody has set yet.
constexpr uint16_t kUnsetLimit = 4096;

struct CSector {
    uint16_t leftLimit = kUnsetLimit;
    uint16_t rightLimit = kUnsetLimit;
    std::string title;
    int32_t enabled = 1;

    void Write(DomeWriter& out) const;
    bool Read(DomeReader& in);
};

struct CPriZone {
    uint16_t leftLimit = kUnsetLimit;
    uint16_t rightLimit = kUnsetLimit;
    int32_t enabled = 1;

    void Write(DomeWriter& out) const;
    bool Read(DomeReader& in);
};

struct TourStep {
    int32_t preset = 0;
    int32_t dwell = 0; // seconds
};

// Steps 1 to 32 are the grid's rows; step 33 is kept in the record and the
// file and is always 0.
struct CCameraTour {
    static constexpr int kSteps = 33;
    std::array<TourStep, kSteps> steps{};

    void Write(DomeWriter& out) const;
    bool Read(DomeReader& in);
};

struct DomeData {
    static constexpr int kSectors = 16;
    static constexpr int kZones = 8;
    static constexpr int kTours = 8;
    std::array<CSector, kSectors> sectors{};
    std::array<CPriZone, kZones> zones{};
    std::array<CCameraTour, kTours> tours{};
};

// What a dome without a Dome.dat starts from: every sector titled
// "Sector %02d ID text" with its number, limits unset, everything enabled,
// the tours empty.
DomeData DefaultDomeData();

// Little-endian fields into a byte buffer.
class DomeWriter {
public:
    void U8(uint8_t v) { bytes_.push_back(v); }
    void U16(uint16_t v);
    void U32(uint32_t v);
    // A title: its length (one byte below 255; else 255 and 16 bits below
    // 65534; else 255, 65535 and 32 bits), then its characters.
    void Title(const std::string& text);
    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

// Bounded reading of the same fields: every read checks what is left, so a
// length that runs past the end fails instead of reading or allocating.
class DomeReader {
public:
    DomeReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool U8(uint8_t& v);
    bool U16(uint16_t& v);
    bool U32(uint32_t& v);
    bool I32(int32_t& v);
    bool Title(std::string& text);
    size_t left() const { return size_ - at_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};
