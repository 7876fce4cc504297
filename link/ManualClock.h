#pragma once
#include "Clock.h"
#include "Timers.h"

#include <cstdint>
#include <vector>

// A clock that only moves when told to. Timers made by it fire during
// Advance(), in time order (ties in the order they were started).
class ManualClock : public Clock, public TimerFactory {
public:
    ManualClock();
    ~ManualClock() override;

    uint32_t TickCount() const override { return now_; }
    LocalDateTime Now() const override { return local_; }
    void SetLocalTime(const LocalDateTime& t) { local_ = t; }

    Timers* CreateTimers(TimerHandler& handler) override;

    void Advance(uint32_t ms);
    // Milliseconds until the next due timer, or -1 when none runs.
    int64_t NextDue() const;

private:
    class ManualTimers;
    struct Entry {
        ManualTimers* owner;
        int id;
        int period;
        uint64_t due;
        uint64_t sequence;
    };
    friend class ManualTimers;

    Entry* Find(const ManualTimers* owner, int id);
    const Entry* Find(const ManualTimers* owner, int id) const;
    void StartTimer(ManualTimers* owner, int id, int period);
    void StopTimer(const ManualTimers* owner, int id);
    void Forget(const ManualTimers* owner);

    uint64_t now_ = 0;
    uint64_t sequence_ = 0;
    LocalDateTime local_;
    std::vector<Entry> entries_;
};
