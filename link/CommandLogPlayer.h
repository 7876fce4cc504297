#pragma once
#include "CommandLog.h"

#include <cstdint>
#include <deque>
#include <string_view>

class Clock;
class Timers;

// What playback needs of the console (or of the headless runner).
class PlaybackHost {
public:
    virtual ~PlaybackHost() = default;
    virtual void PlaybackSetAddress(int address) = 0;
    // A recorded command, played.
    virtual void PlaybackSend(std::string_view text) = 0;
    // The command that halts what the current record was doing.
    virtual void PlaybackHalt(std::string_view text) = 0;
    // A played command got no acknowledgement in time. The host may stop
    // playback itself; either way the camera is halted afterwards.
    virtual void PlaybackNoAck() = 0;
    // Every record was played and the last one acknowledged; the camera is
    // halted as by Stop.
    virtual void PlaybackFinished() = 0;
};

// Plays a parsed command log: each record after its recorded delay (1 ms for
// 0, on timer 100), each one acknowledged within 50 ms (timer 104, stopped
// only by the acknowledgement).
class CommandLogPlayer {
public:
    static constexpr int kAckWaitMs = 50;

    CommandLogPlayer(Timers& timers, const Clock& clock, PlaybackHost& host)
        : timers_(timers), clock_(clock), host_(host) {}

    // Sends the first record and schedules the next. False for an empty list.
    bool Start(std::vector<PlaybackRecord> records);
    bool active() const { return active_; }
    bool paused() const { return paused_; }
    const PlaybackRecord& current() const { return current_; }
    size_t remaining() const { return records_.size(); }

    void OnPlaybackTimer(); // timer 100
    void OnAckTimeout();    // timer 104
    void Acknowledged();    // a 0x06 arrived

    // Halts the camera (the stop command for what the current record was
    // doing) and holds the schedule; Resume sends the current record again
    // and waits out the rest of the delay.
    void Pause();
    void Resume();
    // Ends playback, halting the camera.
    void Stop();

private:
    void Send(const PlaybackRecord& record);
    void ScheduleNext();
    void Halt();

    Timers& timers_;
    const Clock& clock_;
    PlaybackHost& host_;
    std::deque<PlaybackRecord> records_;
    PlaybackRecord current_;
    bool active_ = false;
    bool paused_ = false;
    bool lastSent_ = false; // the list ran out: finish on the last acknowledgement
    uint32_t waitStart_ = 0;
    uint32_t pauseTick_ = 0;
};
