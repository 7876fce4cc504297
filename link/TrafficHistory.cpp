#include "TrafficHistory.h"

#include <cstdio>

TrafficHistory::TrafficHistory(size_t capacity) : ring_(capacity == 0 ? 1 : capacity) {}

void TrafficHistory::Add(TrafficEntry entry)
{
    ring_[added_ % ring_.size()] = std::move(entry);
    ++added_;
    if (count_ < ring_.size())
        ++count_;
}

const TrafficEntry& TrafficHistory::BySequence(uint64_t sequence) const
{
    return ring_[sequence % ring_.size()];
}

std::string TrafficTimeText(const LocalDateTime& t)
{
    char text[24]; // room for the widest fields the formats allow
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", t.hour % 100, t.minute % 100, t.second % 100,
                  t.millisecond % 1000);
    return text;
}

std::string TrafficHexText(const std::vector<uint8_t>& bytes)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (uint8_t b : bytes) {
        if (!out.empty())
            out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

std::string TrafficLine(const TrafficEntry& e)
{
    return TrafficTimeText(e.time) + (e.transmitted ? "  Tx  " : "  Rx  ") + e.text + "  [" + TrafficHexText(e.bytes) +
           "]";
}
