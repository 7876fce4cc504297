#include "CommandLogPlayer.h"

#include "Clock.h"
#include "ConsoleTimerIds.h"
#include "Timers.h"

#include <algorithm>

bool CommandLogPlayer::Start(std::vector<PlaybackRecord> records)
{
    if (records.empty())
        return false;
    records_.assign(std::make_move_iterator(records.begin()), std::make_move_iterator(records.end()));
    active_ = true;
    paused_ = false;
    lastSent_ = false;
    current_ = std::move(records_.front());
    records_.pop_front();
    Send(current_);
    ScheduleNext();
    return true;
}

void CommandLogPlayer::Send(const PlaybackRecord& record)
{
    host_.PlaybackSetAddress(record.address);
    host_.PlaybackSend(record.text);
    timers_.Start(ConsoleTimer::PlaybackAckWait, kAckWaitMs);
}

void CommandLogPlayer::ScheduleNext()
{
    if (records_.empty()) {
        lastSent_ = true;
        return;
    }
    waitStart_ = clock_.TickCount();
    timers_.Start(ConsoleTimer::PlaybackPacing, std::max<uint32_t>(records_.front().delay, 1));
}

void CommandLogPlayer::OnPlaybackTimer()
{
    timers_.Stop(ConsoleTimer::PlaybackPacing);
    if (!active_ || paused_ || records_.empty())
        return;
    current_ = std::move(records_.front());
    records_.pop_front();
    Send(current_);
    ScheduleNext();
}

// Both ends of playback stop as the Stop button does: the camera is halted,
// so a log ending in a pan does not leave it panning.
void CommandLogPlayer::OnAckTimeout()
{
    timers_.Stop(ConsoleTimer::PlaybackAckWait);
    if (!active_)
        return;
    timers_.Stop(ConsoleTimer::PlaybackPacing);
    host_.PlaybackNoAck();
    Stop();
}

void CommandLogPlayer::Acknowledged()
{
    timers_.Stop(ConsoleTimer::PlaybackAckWait);
    if (active_ && lastSent_ && !paused_) {
        host_.PlaybackFinished();
        Stop();
    }
}

void CommandLogPlayer::Halt()
{
    timers_.Stop(ConsoleTimer::PlaybackPacing);
    pauseTick_ = clock_.TickCount();
    if (const char* stop = PlaybackHaltCommand(current_.text))
        host_.PlaybackHalt(stop);
}

void CommandLogPlayer::Pause()
{
    if (!active_ || paused_)
        return;
    paused_ = true;
    Halt();
}

void CommandLogPlayer::Resume()
{
    if (!active_ || !paused_)
        return;
    paused_ = false;
    Send(current_);
    if (records_.empty()) {
        lastSent_ = true;
        return;
    }
    const uint32_t waited = pauseTick_ - waitStart_;
    const uint32_t delay = records_.front().delay;
    const uint32_t rest = delay > waited ? delay - waited : 1;
    waitStart_ = clock_.TickCount() - waited;
    timers_.Start(ConsoleTimer::PlaybackPacing, std::max<uint32_t>(rest, 1));
}

void CommandLogPlayer::Stop()
{
    if (!active_)
        return;
    active_ = false;
    paused_ = false;
    timers_.Stop(ConsoleTimer::PlaybackAckWait);
    Halt();
}
