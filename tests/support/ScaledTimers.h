#pragma once
#include "QtTimers.h"

#include <algorithm>
#include <map>
#include <memory>

// Real window timers that run a given number of times faster, for
// end-to-end tests of long exchanges (a configuration download is 222
// paced queries). Periods read back as they were asked for; exact timing
// belongs to the manual-clock tests.
class ScaledTimers : public Timers {
public:
    ScaledTimers(TimerHandler& handler, int divisor) : inner_(handler), divisor_(divisor) {}
    void Start(int id, int periodMs) override
    {
        periods_[id] = periodMs;
        inner_.Start(id, std::max(1, periodMs / divisor_));
    }
    void Stop(int id) override { inner_.Stop(id); }
    bool IsRunning(int id) const override { return inner_.IsRunning(id); }
    int Period(int id) const override
    {
        auto it = periods_.find(id);
        return inner_.IsRunning(id) && it != periods_.end() ? it->second : -1;
    }

private:
    QtTimers inner_;
    int divisor_;
    std::map<int, int> periods_;
};

class ScaledTimerFactory : public TimerFactory {
public:
    explicit ScaledTimerFactory(int divisor) : divisor_(divisor) {}
    Timers* CreateTimers(TimerHandler& handler) override { return new ScaledTimers(handler, divisor_); }

private:
    int divisor_;
};
