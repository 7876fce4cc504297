#pragma once
#include <cstdint>

struct LocalDateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    int millisecond = 0;
};

// Millisecond tick and local time, as the log stamps need them.
class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t TickCount() const = 0;
    virtual LocalDateTime Now() const = 0;
};
