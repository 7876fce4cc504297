#pragma once
#include "CommandLink.h"
#include "ConsoleTimerIds.h"
#include "FakeLine.h"
#include "ManualClock.h"

#include <memory>
#include <string>
#include <vector>

class RecordingHost : public LinkHost {
public:
    void ShowTxFrame(const uint8_t*, size_t, const char* text) override { texts.emplace_back(text); }
    void ShowLinkMessage(const char* text) override { messages.emplace_back(text); }
    void SetCommErrorLamp(bool on) override { commError = on; }
    bool PlaybackRunning() const override { return playback; }
    void RecordingAddressError() override { ++addressErrorsRecorded; }
    void ReplyTimedOut(const char* text) override { timeouts.emplace_back(text); }

    std::vector<std::string> texts, messages, timeouts;
    bool commError = false;
    bool playback = false;
    int addressErrorsRecorded = 0;
};

// The command link wired to a fake line and the manual clock, the way the
// console wires it: timer 20 to the queue service, timer 21 to the time-out.
struct LinkFixture : TimerHandler {
    LinkFixture() : timers(clock.CreateTimers(*this)), link(line, *timers, host) { link.sendingSuspended = false; }

    void OnTimer(int id) override
    {
        fired.push_back(id);
        if (id == ConsoleTimer::QueueService)
            link.ServiceQueue();
        else if (id == ConsoleTimer::ReplyTimeout)
            link.ReplyTimeout();
        else
            timers->Stop(id);
    }

    // The command texts written so far, framing stripped (mode 1 frames).
    std::vector<std::string> SentTexts() const
    {
        std::vector<std::string> out;
        for (const auto& f : line.written)
            if (f.size() >= 3 && f[0] == 0xF8)
                out.emplace_back(f.begin() + 2, f.end() - 1);
        return out;
    }

    ManualClock clock;
    FakeLine line;
    RecordingHost host;
    std::unique_ptr<Timers> timers;
    CommandLink link;
    std::vector<int> fired;
};
