#include "PanelPump.h"

#include "CommandLink.h"
#include "Timers.h"

PanelPump::PanelPump(CommandLink& link, ReplyFlags& flags, Timers& timers, SendPolicy policy)
    : link_(link), flags_(flags), timers_(timers), policy_(policy)
{
}

void PanelPump::SetFlag(bool on)
{
    switch (policy_.flag) {
    case PendingFlag::Panel: flags_.panelReplyPending = on; break;
    case PendingFlag::Dsp7100: flags_.dsp7100ReplyPending = on; break;
    case PendingFlag::Dsp723x: flags_.dsp723xReplyPending = on; break;
    case PendingFlag::Privacy: flags_.privacyReplyPending = on; break;
    case PendingFlag::SearchBinary: flags_.searchWaitsForBinary = on; break;
    case PendingFlag::None: break;
    }
}

bool PanelPump::FlagSet() const
{
    switch (policy_.flag) {
    case PendingFlag::Panel: return flags_.panelReplyPending;
    case PendingFlag::Dsp7100: return flags_.dsp7100ReplyPending;
    case PendingFlag::Dsp723x: return flags_.dsp723xReplyPending;
    case PendingFlag::Privacy: return flags_.privacyReplyPending;
    case PendingFlag::SearchBinary: return flags_.searchWaitsForBinary;
    case PendingFlag::None: return false;
    }
    return false;
}

void PanelPump::Enqueue(std::string_view text)
{
    if (filling_ && !policy_.queuesWhileFilling)
        return;
    if (policy_.direct) {
        SetFlag(true);
        link_.SendPrefixedCommand(text);
        if (link_.lastFrame().length != 0)
            awaiting_ = true;
        return;
    }
    if (policy_.newestWins)
        link_.queue().DiscardWaiting();
    link_.queue().Enqueue(text);
    StartPump();
}

void PanelPump::StartPump()
{
    timers_.Start(policy_.sendTimer, policy_.sendMs);
}

void PanelPump::SendNow(std::string_view text)
{
    SetFlag(true);
    link_.SendCommand(text);
    if (link_.lastFrame().length != 0)
        awaiting_ = true;
}

void PanelPump::Pump()
{
    CommandQueue& queue = link_.queue();
    const bool released = link_.linkReady && link_.linkFree;
    // The link has been released since the last send: nothing waits for us.
    if (released)
        awaiting_ = false;
    if (queue.Empty()) {
        if (released || !policy_.timesOut) {
            timers_.Stop(policy_.sendTimer);
            if (policy_.timesOut)
                timers_.Stop(policy_.timeoutTimer);
        }
        return;
    }
    // Sending suspended, or the link busy: the command waits, nothing is lost.
    if (filling_ || link_.sendingSuspended || (policy_.waitsForLink && !released))
        return;
    if (policy_.waitsForLink)
        link_.linkReady = false;
    if (beforeSend)
        beforeSend(queue.PeekNext());
    if (!link_.SendNextQueued(policy_.slotLength)) {
        // Refused by the sender: nothing waits for an answer, and a
        // broadcast set up for this command does not pass to the next.
        link_.broadcastOnce = false;
        if (policy_.waitsForLink) {
            link_.linkReady = true;
            link_.linkFree = true;
        }
        return;
    }
    SetFlag(true);
    awaiting_ = true;
    if (policy_.timesOut)
        timers_.Start(policy_.timeoutTimer, policy_.timeoutMs);
    else if (queue.Empty())
        timers_.Stop(policy_.sendTimer);
}

bool PanelPump::OnTimer(int id)
{
    if (id == policy_.sendTimer && !policy_.direct) {
        Pump();
        return true;
    }
    if (id == policy_.timeoutTimer && policy_.timesOut) {
        timers_.Stop(policy_.timeoutTimer);
        link_.linkReady = true;
        link_.linkFree = true;
        awaiting_ = false;
        if (policy_.timeoutMessage && showMessage)
            showMessage(policy_.timeoutMessage);
        return true;
    }
    return false;
}

void PanelPump::Close()
{
    timers_.Stop(policy_.sendTimer);
    timers_.Stop(policy_.timeoutTimer);
    if (policy_.statusMs >= 0)
        timers_.Stop(policy_.statusTimer);
    // A window with a reply flag knows by the flag (the console clears it
    // when it hands the reply over); one without, by the link it holds.
    const bool waiting = policy_.flag != PendingFlag::None ? FlagSet()
                                                           : awaiting_ && (!link_.linkReady || !link_.linkFree);
    if (waiting) {
        SetFlag(false);
        link_.linkReady = true;
        link_.linkFree = true;
    }
    awaiting_ = false;
}
