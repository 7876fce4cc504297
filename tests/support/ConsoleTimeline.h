#pragma once
#include "TestConsole.h"

#include <string>
#include <utility>
#include <vector>

// Past the start-up requests, the link released and nothing written.
inline void Settle(TestConsole& t)
{
    t.clock.Advance(3000);
    t.line.Inject({0x06});
    t.clock.Advance(200);
    t.line.written.clear();
}

// (ms from now, text) of every 0xF8-mode frame written in the next ms
// milliseconds; the camera acknowledges each at once. With fromStart the
// frames written before are taken too (at 0 ms).
using FrameTimeline = std::vector<std::pair<uint32_t, std::string>>;

inline FrameTimeline Follow(TestConsole& t, uint32_t ms, bool fromStart = false)
{
    FrameTimeline out;
    const uint32_t start = t.clock.TickCount();
    size_t seen = fromStart ? 0 : t.line.written.size();
    for (; fromStart && seen < t.line.written.size(); ++seen) {
        const auto& f = t.line.written[seen];
        out.emplace_back(0, std::string(f.begin() + 2, f.end() - 1));
        t.line.Inject({0x06});
    }
    for (uint32_t i = 0; i < ms; ++i) {
        t.clock.Advance(1);
        for (; seen < t.line.written.size(); ++seen) {
            const auto& f = t.line.written[seen];
            out.emplace_back(t.clock.TickCount() - start, std::string(f.begin() + 2, f.end() - 1));
            t.line.Inject({0x06});
        }
    }
    t.line.written.clear();
    return out;
}

inline std::vector<std::string> TextsOf(const FrameTimeline& timeline)
{
    std::vector<std::string> out;
    for (const auto& entry : timeline)
        out.push_back(entry.second);
    return out;
}
