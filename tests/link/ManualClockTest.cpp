#include "ManualClock.h"

#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

namespace {
struct Recorder : TimerHandler {
    ManualClock* clock = nullptr;
    Timers* timers = nullptr;
    std::vector<std::pair<uint32_t, int>> fired;
    void OnTimer(int id) override
    {
        fired.emplace_back(clock->TickCount(), id);
        if (id == 2)
            timers->Stop(2); // a one-shot
    }
};
} // namespace

TEST(ManualClock, FiresDueTimersInTimeOrder)
{
    ManualClock clock;
    Recorder r;
    r.clock = &clock;
    std::unique_ptr<Timers> timers(clock.CreateTimers(r));
    r.timers = timers.get();
    timers->Start(1, 30);
    timers->Start(2, 45);
    clock.Advance(100);
    EXPECT_EQ(r.fired, (std::vector<std::pair<uint32_t, int>>{{30, 1}, {45, 2}, {60, 1}, {90, 1}}));
    EXPECT_EQ(clock.TickCount(), 100u);
    EXPECT_FALSE(timers->IsRunning(2));
    EXPECT_EQ(clock.NextDue(), 20);
}

TEST(ManualClock, RestartMovesTheDueTime)
{
    ManualClock clock;
    Recorder r;
    r.clock = &clock;
    std::unique_ptr<Timers> timers(clock.CreateTimers(r));
    r.timers = timers.get();
    timers->Start(1, 50);
    clock.Advance(40);
    timers->Start(1, 50);
    clock.Advance(40);
    EXPECT_TRUE(r.fired.empty());
    clock.Advance(10);
    EXPECT_EQ(r.fired.size(), 1u);
    timers.reset(); // a window that goes away takes its timers with it
    clock.Advance(1000);
    EXPECT_EQ(r.fired.size(), 1u);
}

// A handler that lets time pass itself (a message box waiting inside a
// timer's handler) leaves the clock at the later time.
TEST(ManualClock, TimePassedInsideAHandlerIsNotTakenBack)
{
    ManualClock clock;
    struct Nested : TimerHandler {
        ManualClock* clock = nullptr;
        std::vector<std::pair<uint32_t, int>> fired;
        void OnTimer(int id) override
        {
            fired.emplace_back(clock->TickCount(), id);
            if (id == 1 && fired.size() == 1)
                clock->Advance(250);
        }
    } n;
    n.clock = &clock;
    std::unique_ptr<Timers> timers(clock.CreateTimers(n));
    timers->Start(1, 100);
    clock.Advance(150);
    EXPECT_EQ(clock.TickCount(), 350u);
    EXPECT_EQ(n.fired, (std::vector<std::pair<uint32_t, int>>{{100, 1}, {200, 1}, {300, 1}}));
    clock.Advance(50);
    EXPECT_EQ(n.fired.back(), (std::pair<uint32_t, int>{400, 1}));
}
