#include "CommandLink.h"

#include "AddressCheck.h"
#include "ConsoleTimerIds.h"

CommandLink::CommandLink(Line& line, Timers& consoleTimers, LinkHost& host)
    : line_(line), timers_(consoleTimers), host_(host)
{
}

int CommandLink::EffectiveProtocol() const
{
    return settings_.receiverType == 6 ? settings_.lcuProtocol : settings_.protocol;
}

void CommandLink::Transmit()
{
    FormatTxFrame(frame_.bytes, frame_.length, settings_.mode, lastTxText_);
    host_.ShowTxFrame(frame_.bytes, frame_.length, lastTxText_);
    line_.WriteToPort(frame_.bytes, frame_.length);
}

int CommandLink::SendCommand(std::string_view text)
{
    frame_ = FrameBuffer{};
    if (sendingSuspended || text.empty())
        return 0;

    const int protocol = EffectiveProtocol();
    if (const char* message = CheckCommandAddress(protocol, cameraAddress_, host_.PlaybackRunning())) {
        if (protocol == 0)
            host_.RecordingAddressError();
        host_.ShowLinkMessage(message);
        return 0;
    }
    asciiReplyExpected = true;

    const auto first = static_cast<uint8_t>(text[0]);
    if (settings_.receiverType == 14 && first == '#') {
        BuildHashFrame(frame_, text);
    } else if (first == kBinaryStart) {
        if (!BuildBinaryFrame(frame_, text, cameraAddress_))
            return 0;
        linkFree = true;
        asciiReplyExpected = false;
    } else {
        uint8_t address = AsciiAddressByte(cameraAddress_);
        if (broadcastOnce) {
            address = 255;
            broadcastOnce = false;
        } else if (address31Once) {
            address = 31;
            address31Once = false;
        }
        BuildAsciiFrame(frame_, settings_.mode, address, 0, text);
    }
    lastSecondChar_ = text.size() > 1 ? text[1] : 0;
    Transmit();
    return 0;
}

int CommandLink::SendPrefixedCommand(std::string_view text)
{
    frame_ = FrameBuffer{};
    if (sendingSuspended)
        return 0;
    if (const char* message = CheckPrefixedAddress(settings_.protocol, cameraAddress_)) {
        host_.ShowLinkMessage(message);
        return 0;
    }
    uint8_t address = static_cast<uint8_t>(cameraAddress_ & 0xFF);
    if (broadcastOnce) {
        address = 255;
        broadcastOnce = false;
    }
    BuildAsciiFrame(frame_, settings_.mode, address, 'c', text);
    lastSecondChar_ = text.empty() ? 0 : text[0];
    Transmit();
    return 0;
}

void CommandLink::SendRawBytes(const uint8_t* bytes, size_t length)
{
    if (sendingSuspended)
        return;
    line_.WriteToPort(bytes, length);
}

void CommandLink::EnqueueCommand(std::string_view text, int queueTimerMs)
{
    queue_.Enqueue(text);
    timers_.Start(ConsoleTimer::QueueService, queueTimerMs);
}

void CommandLink::ServiceQueue()
{
    if (queue_.Empty()) {
        if (linkReady && linkFree) {
            timers_.Stop(ConsoleTimer::QueueService);
            timers_.Stop(ConsoleTimer::ReplyTimeout);
        }
        return;
    }
    if (!linkReady || !linkFree || sendingSuspended)
        return;

    linkReady = false;
    timers_.Start(ConsoleTimer::QueueService, kQueueServiceMs);
    timers_.Stop(ConsoleTimer::ReplyTimeout);

    if (timedOut)
        timers_.Start(ConsoleTimer::StatusRequest, 100);
    if (!SendNextQueued()) {
        // Refused (address out of range, malformed record): nothing waits
        // for an answer, so the link stays released.
        linkReady = true;
        linkFree = true;
        return;
    }
    timedOut = false;
    timers_.Start(ConsoleTimer::ReplyTimeout, kReplyTimeoutMs);
}

bool CommandLink::SendNextQueued(size_t maxLength)
{
    const bool broadcast = queue_.NextIsBroadcast();
    uint8_t text[CommandQueue::kSlotSize];
    const size_t length = queue_.TakeNext(text, maxLength);
    if (length == 0)
        return false;
    if ((length >= 5 && text[4] == 'S') || (length >= 3 && text[2] == 'L'))
        linkFree = false;
    // A command queued for broadcast takes the flag along with its own frame;
    // a refused frame hands it to no other.
    const bool broadcastBefore = broadcastOnce;
    if (broadcast)
        broadcastOnce = true;
    SendCommand(std::string_view(reinterpret_cast<const char*>(text), length));
    if (broadcast && frame_.length == 0)
        broadcastOnce = broadcastBefore;
    return frame_.length != 0;
}

void CommandLink::EnqueuePanelCommand(std::string_view text, bool discardWaiting)
{
    if (discardWaiting)
        queue_.DiscardWaiting();
    queue_.Enqueue(text);
}

void CommandLink::ReplyTimeout()
{
    timers_.Stop(ConsoleTimer::ReplyTimeout);
    linkReady = true;
    linkFree = true;
    host_.SetCommErrorLamp(true);
    timedOut = true;
    host_.ReplyTimedOut(lastTxText_);
}

void CommandLink::Acknowledged()
{
    // A command that waits for a full reply keeps its time-out running: an
    // acknowledgement alone must not leave the queue held for ever.
    if (linkFree)
        timers_.Stop(ConsoleTimer::ReplyTimeout);
    timers_.Stop(ConsoleTimer::PlaybackAckWait);
    host_.SetCommErrorLamp(false);
    timedOut = false;
    linkReady = true;
}

void CommandLink::ReplyDecoded()
{
    host_.SetCommErrorLamp(false);
    timedOut = false;
    timers_.Stop(ConsoleTimer::ReplyTimeout);
    linkReady = true;
    linkFree = true;
}
