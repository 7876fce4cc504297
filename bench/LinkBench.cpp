// The send path (framing, SendCommand, a queue-service tick) and the
// receive path (the state machine per byte, the receive text, reply
// routing), each beside the bytes it handles copied and XORed once.
#include "AllocationCount.h"
#include "BenchCorpus.h"
#include "BesideFloor.h"
#include "CommandLink.h"
#include "Framing.h"
#include "ReceiveStateMachine.h"
#include "ReplyRouting.h"
#include "TrafficText.h"

#include <algorithm>
#include <string>

namespace {
// A line, host and timers that keep nothing, so only the link is measured.
struct NullLine : Line {
    void WriteToPort(const uint8_t* bytes, size_t length) override { benchmark::DoNotOptimize(bytes[length - 1]); }
};
struct NullHost : LinkHost {
    void ShowTxFrame(const uint8_t*, size_t, const char* text) override { benchmark::DoNotOptimize(text[0]); }
    void ShowLinkMessage(const char*) override {}
    void SetCommErrorLamp(bool) override {}
};
struct NullTimers : Timers {
    void Start(int, int) override {}
    void Stop(int) override {}
    bool IsRunning(int) const override { return false; }
    int Period(int) const override { return -1; }
};

struct LinkRig {
    NullLine line;
    NullHost host;
    NullTimers timers;
    CommandLink link{line, timers, host};
    LinkRig() { link.sendingSuspended = false; }
};

struct Command {
    const char* label;
    const char* text;
};
// The shortest request, a pan/tilt stop, and a text as long as the queue
// service sends (35 characters).
constexpr Command kCommands[] = {
    {"A?", "A?"},
    {"PSTS", "PSTS"},
    {"35chars", "*TN1North gate, east side camera 07"},
};

// The bytes framing reads: the address and the command text.
Frame FramedBytes(const std::string& text)
{
    Frame f(text.size() + 1);
    f[0] = 1;
    std::copy(text.begin(), text.end(), f.begin() + 1);
    return f;
}

void ReportAllocations(benchmark::State& state, long before, const char* counter)
{
    state.counters[counter] = benchmark::Counter(static_cast<double>(AllocationCount() - before) /
                                                 static_cast<double>(state.iterations()));
}

void RegisterSendPath()
{
    for (const Command& c : kCommands) {
        const std::string floor = std::string("Floor/CopyXor:") + c.label;
        const std::string text = c.text;
        Beside(std::string("Framing/BuildAsciiFrame:") + c.label,
               [text](benchmark::State& state) {
                   FrameBuffer frame;
                   const long before = AllocationCount();
                   for (auto _ : state) {
                       BuildAsciiFrame(frame, 1, 1, 0, text);
                       benchmark::DoNotOptimize(frame.bytes[frame.length - 1]);
                   }
                   ReportAllocations(state, before, "allocs/frame");
               },
               floor, CopyXorFloor({FramedBytes(c.text)}));
        Beside(std::string("Framing/SendCommand:") + c.label,
               [text](benchmark::State& state) {
                   LinkRig rig;
                   const long before = AllocationCount();
                   for (auto _ : state)
                       rig.link.SendCommand(text);
                   ReportAllocations(state, before, "allocs/frame");
               },
               floor, CopyXorFloor({FramedBytes(c.text)}));
    }
    // One queued command through the console's queue service: enqueued,
    // taken on the tick, framed and written, then acknowledged.
    Beside("Link/QueueServiceTick:PSTS",
           [](benchmark::State& state) {
               LinkRig rig;
               const long before = AllocationCount();
               for (auto _ : state) {
                   rig.link.EnqueueCommand("PSTS", 5);
                   rig.link.ServiceQueue();
                   rig.link.Acknowledged();
               }
               ReportAllocations(state, before, "allocs/tick");
           },
           "Floor/CopyXor:PSTS", CopyXorFloor({FramedBytes("PSTS")}));
}

// The receive fuzzer's seeds as the line delivers them: each with its frame
// mode, types and grammar (binary after a binary command).
struct Reply {
    LineSample sample;
    bool ascii = true;
    std::vector<Frame> frames; // the frames the state machine completes
};

std::vector<Reply> Replies()
{
    std::vector<Reply> replies;
    for (const Frame& seed : ReadCorpus(CorpusFolder("receive"))) {
        Reply r;
        if (!ParseLineSample(seed, r.sample) || r.sample.bytes.empty())
            continue;
        r.ascii = r.sample.bytes[0] != 0xFF;
        ReceiveStateMachine machine;
        for (uint8_t b : r.sample.bytes)
            if (machine.Feed(b, r.ascii, r.sample.mode) == ReceiveStateMachine::Event::Frame)
                r.frames.emplace_back(machine.frame(), machine.frame() + machine.frameLength());
        replies.push_back(std::move(r));
    }
    return replies;
}

void RegisterReceivePath()
{
    const std::vector<Reply> replies = Replies();
    std::vector<Frame> lineBytes, frames;
    for (const Reply& r : replies) {
        lineBytes.push_back(r.sample.bytes);
        frames.insert(frames.end(), r.frames.begin(), r.frames.end());
    }
    int64_t byteCount = 0;
    for (const Frame& b : lineBytes)
        byteCount += static_cast<int64_t>(b.size());

    Beside("Receive/StateMachine",
           [replies, byteCount](benchmark::State& state) {
               ReceiveStateMachine machine;
               size_t completed = 0;
               for (auto _ : state)
                   for (const Reply& r : replies)
                       for (uint8_t b : r.sample.bytes)
                           completed += machine.Feed(b, r.ascii, r.sample.mode) != ReceiveStateMachine::Event::None;
               if (completed == 0)
                   state.SkipWithError("no frame completed: fuzz/corpus/receive/ is empty");
               state.SetItemsProcessed(byteCount * state.iterations()); // per byte
           },
           "Floor/CopyXor:receive-bytes", CopyXorFloor(lineBytes));

    Beside("Receive/FormatRxFrame",
           [replies](benchmark::State& state) {
               char text[kRxTextSize];
               for (auto _ : state)
                   for (const Reply& r : replies)
                       for (const Frame& f : r.frames)
                           benchmark::DoNotOptimize(FormatRxFrame(f.data(), f.size(), r.sample.mode, text));
           },
           "Floor/CopyXor:receive-frames", CopyXorFloor(frames));

    Beside("Receive/RouteReply",
           [replies](benchmark::State& state) {
               int64_t routed = 0;
               for (auto _ : state) {
                   for (const Reply& r : replies) {
                       ReplyContext context;
                       context.receiverType = r.sample.receiverType;
                       context.cameraType = r.sample.cameraType;
                       for (const Frame& f : r.frames) {
                           const ReplyRoute route = RouteReply(f.data(), f.size(), context);
                           benchmark::DoNotOptimize(route.count);
                           ++routed;
                       }
                   }
               }
               if (routed == 0)
                   state.SkipWithError("no reply frames: fuzz/corpus/receive/ is empty");
               state.SetItemsProcessed(routed);
           },
           "Floor/CopyXor:receive-frames", CopyXorFloor(frames));
}
} // namespace

void RegisterLinkBenches()
{
    RegisterSendPath();
    RegisterReceivePath();
}
