// Counts heap allocations around the send path: framing, the address check,
// the queue and the transmit text must not allocate.
#include "LinkTestSupport.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void* Allocate(std::size_t size)
{
    if (counting)
        ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {
// A line and host that keep nothing, so only the link itself is counted.
struct NullLine : Line {
    size_t bytes = 0;
    void WriteToPort(const uint8_t*, size_t length) override { bytes += length; }
};
struct NullHost : LinkHost {
    int frames = 0;
    void ShowTxFrame(const uint8_t*, size_t, const char*) override { ++frames; }
    void ShowLinkMessage(const char*) override {}
    void SetCommErrorLamp(bool) override {}
};
struct NullTimers : Timers {
    void Start(int, int) override {}
    void Stop(int) override {}
    bool IsRunning(int) const override { return false; }
    int Period(int) const override { return -1; }
};

long CountAllocations(const std::function<void()>& f)
{
    allocations = 0;
    counting = true;
    f();
    counting = false;
    return allocations;
}
} // namespace

TEST(SendPath, SendCommandAndAQueueTickDoNotAllocate)
{
    NullLine line;
    NullHost host;
    NullTimers timers;
    CommandLink link(line, timers, host);
    link.sendingSuspended = false;
    const uint8_t record[] = {0xFF, 0x06, 0x07, 0x03, 0x01, 0x01, 0x00, 0xFF};
    const std::string_view binary(reinterpret_cast<const char*>(record), sizeof record);

    const long n = CountAllocations([&] {
        for (int mode : {0, 1}) {
            link.settings().mode = mode;
            link.SendCommand("PSTS");
            link.SendPrefixedCommand("WS");
            link.SendCommand(binary);
            link.settings().receiverType = 14;
            link.SendCommand("#AB");
            link.settings().receiverType = 0;
            link.EnqueueCommand("ZI", 50);
            link.EnqueueCommand(binary);
            link.ServiceQueue();
            link.Acknowledged();
            link.ServiceQueue();
            link.ReplyTimeout();
        }
    });
    EXPECT_EQ(n, 0);
    EXPECT_EQ(host.frames, 12);
    EXPECT_GT(line.bytes, 0u);

    // The counter itself works.
    EXPECT_GT(CountAllocations([] { delete new int(1); }), 0);
}
