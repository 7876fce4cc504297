#pragma once
#include "Clock.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One frame (or acknowledgement) that crossed the line.
struct TrafficEntry {
    LocalDateTime time;
    bool transmitted = false;
    std::string text;           // as the traffic strip shows it
    std::vector<uint8_t> bytes; // as written or received
};

// The traffic of a session, newest last, kept in a ring: when it is full
// the oldest entry makes room, so memory stays bounded however long the
// console runs. Each entry keeps a sequence number, counted from the first.
class TrafficHistory {
public:
    static constexpr size_t kDefaultCapacity = 100000;
    explicit TrafficHistory(size_t capacity = kDefaultCapacity);

    void Add(TrafficEntry entry);
    size_t size() const { return count_; }
    size_t capacity() const { return ring_.size(); }
    // Sequence numbers: the oldest kept and the next to come.
    uint64_t firstSequence() const { return added_ - count_; }
    uint64_t nextSequence() const { return added_; }
    // The entry with that sequence number (it must be kept).
    const TrafficEntry& BySequence(uint64_t sequence) const;

private:
    std::vector<TrafficEntry> ring_;
    size_t count_ = 0;
    uint64_t added_ = 0;
};

// "HH:MM:SS.mmm"
std::string TrafficTimeText(const LocalDateTime& t);
// "F8 01 50 53 54 53 8E"
std::string TrafficHexText(const std::vector<uint8_t>& bytes);
// One line of a saved or copied history: time, direction, text, hex.
std::string TrafficLine(const TrafficEntry& e);
