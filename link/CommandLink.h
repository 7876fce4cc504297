#pragma once
#include "CommandQueue.h"
#include "Framing.h"
#include "Line.h"
#include "Timers.h"
#include "TrafficText.h"

#include <cstdint>
#include <string_view>

// What the command link needs from the window that owns it: the traffic
// strip and lamps, message boxes, and the log recorder's hooks.
class LinkHost {
public:
    virtual ~LinkHost() = default;
    // A frame is about to be written; text is its readable form.
    virtual void ShowTxFrame(const uint8_t* frame, size_t length, const char* text) = 0;
    // Message box with the application's title and an OK button.
    virtual void ShowLinkMessage(const char* text) = 0;
    virtual void SetCommErrorLamp(bool on) = 0;
    virtual bool PlaybackRunning() const { return false; }
    // Protocol 0 address out of range while a log is being recorded.
    virtual void RecordingAddressError() {}
    // The reply time-out fired; lastTxText is the last transmitted frame's text.
    virtual void ReplyTimedOut(const char* /*lastTxText*/) {}
};

// Link settings the framing and the address check read.
struct LinkSettings {
    int mode = 1;
    int protocol = 0;
    int lcuProtocol = 0;
    int receiverType = 0;
};

// Frames, address-checks, paces and writes commands: the command queue, the
// link flags and the console's queue service (timer 20) and reply time-out
// (timer 21). Nothing here allocates.
class CommandLink {
public:
    static constexpr int kQueueServiceMs = 100;
    static constexpr int kReplyTimeoutMs = 100;

    CommandLink(Line& line, Timers& consoleTimers, LinkHost& host);

    LinkSettings& settings() { return settings_; }
    const LinkSettings& settings() const { return settings_; }
    int cameraAddress() const { return cameraAddress_; }
    void SetCameraAddress(int address) { cameraAddress_ = address; }

    // Frames and writes one command at once. Always returns 0.
    int SendCommand(std::string_view text);
    // As SendCommand with the letter 'c' after the address byte.
    int SendPrefixedCommand(std::string_view text);
    // Caller-built bytes, no framing, no traffic text.
    void SendRawBytes(const uint8_t* bytes, size_t length);

    // Console form: append and (re)start timer 20 with the given period.
    void EnqueueCommand(std::string_view text, int queueTimerMs = 5);
    // Panel form: append only; the panel runs its own queue timer. Some
    // panels first discard every waiting command so the newest one wins.
    void EnqueuePanelCommand(std::string_view text, bool discardWaiting);
    CommandQueue& queue() { return queue_; }

    // Takes the next queued command and sends it (at most its first 35
    // bytes), clearing LinkFree for a command that waits for a full reply.
    // The console's and the panels' queue services share this step. False
    // when nothing was written.
    bool SendNextQueued(size_t maxLength = CommandQueue::kSentLength);

    // Timer 20 and timer 21 of the console.
    void ServiceQueue();
    void ReplyTimeout();

    // A lone 0x06 arrived, or a whole reply was decoded.
    void Acknowledged();
    void ReplyDecoded();

    bool linkReady = true;
    bool linkFree = true;
    bool sendingSuspended = true;
    bool asciiReplyExpected = true;
    bool broadcastOnce = false;
    bool address31Once = false;
    bool timedOut = false;

    const char* lastTxText() const { return lastTxText_; }
    const FrameBuffer& lastFrame() const { return frame_; }
    // The second character of the last ASCII command sent (0 when none).
    char lastCommandSecondChar() const { return lastSecondChar_; }

private:
    int EffectiveProtocol() const;
    void Transmit();

    Line& line_;
    Timers& timers_;
    LinkHost& host_;
    LinkSettings settings_;
    CommandQueue queue_;
    FrameBuffer frame_;
    int cameraAddress_ = 1;
    char lastTxText_[kTxTextSize] = {};
    char lastSecondChar_ = 0;
};
