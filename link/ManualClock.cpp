#include "ManualClock.h"

#include <algorithm>

class ManualClock::ManualTimers : public Timers {
public:
    ManualTimers(ManualClock& clock, TimerHandler& handler) : clock_(clock), handler_(handler) {}
    ~ManualTimers() override { clock_.Forget(this); }

    void Start(int id, int periodMs) override { clock_.StartTimer(this, id, periodMs); }
    void Stop(int id) override { clock_.StopTimer(this, id); }
    bool IsRunning(int id) const override { return clock_.Find(this, id) != nullptr; }
    int Period(int id) const override
    {
        const Entry* e = clock_.Find(this, id);
        return e ? e->period : -1;
    }
    TimerHandler& handler() { return handler_; }

private:
    ManualClock& clock_;
    TimerHandler& handler_;
};

ManualClock::ManualClock() = default;
ManualClock::~ManualClock() = default;

Timers* ManualClock::CreateTimers(TimerHandler& handler)
{
    return new ManualTimers(*this, handler);
}

ManualClock::Entry* ManualClock::Find(const ManualTimers* owner, int id)
{
    for (Entry& e : entries_)
        if (e.owner == owner && e.id == id)
            return &e;
    return nullptr;
}

const ManualClock::Entry* ManualClock::Find(const ManualTimers* owner, int id) const
{
    return const_cast<ManualClock*>(this)->Find(owner, id);
}

void ManualClock::StartTimer(ManualTimers* owner, int id, int period)
{
    // A window timer never fires more often than once a millisecond.
    if (period < 1)
        period = 1;
    Entry* e = Find(owner, id);
    if (!e) {
        entries_.push_back(Entry{owner, id, period, 0, 0});
        e = &entries_.back();
    }
    e->period = period;
    e->due = now_ + static_cast<uint64_t>(period);
    e->sequence = ++sequence_;
}

void ManualClock::StopTimer(const ManualTimers* owner, int id)
{
    std::erase_if(entries_, [&](const Entry& e) { return e.owner == owner && e.id == id; });
}

void ManualClock::Forget(const ManualTimers* owner)
{
    std::erase_if(entries_, [&](const Entry& e) { return e.owner == owner; });
}

int64_t ManualClock::NextDue() const
{
    int64_t best = -1;
    for (const Entry& e : entries_) {
        int64_t in = static_cast<int64_t>(e.due - now_);
        if (best < 0 || in < best)
            best = in;
    }
    return best;
}

void ManualClock::Advance(uint32_t ms)
{
    const uint64_t end = now_ + ms;
    for (;;) {
        auto next = std::min_element(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
            return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
        });
        if (next == entries_.end() || next->due > end)
            break;
        now_ = next->due;
        // Reschedule before the handler runs, so that it may stop or restart the timer.
        next->due += static_cast<uint64_t>(next->period);
        next->sequence = ++sequence_;
        ManualTimers* owner = next->owner;
        const int id = next->id;
        owner->handler().OnTimer(id);
    }
    // A handler may have advanced the clock itself (time passing while a
    // message box waits): time never runs backwards.
    if (end > now_)
        now_ = end;
}
