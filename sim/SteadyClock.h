#pragma once
#include "Clock.h"

#include <chrono>

// Real time for devices run outside a test: milliseconds since construction.
class SteadyClock : public Clock {
public:
    uint32_t TickCount() const override;
    LocalDateTime Now() const override;

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};
