#pragma once
#include "ReplyRouting.h"

#include <cstddef>
#include <functional>
#include <string_view>

class CommandLink;
class Timers;

// How a dialog or feature panel hands its commands to the line. Every
// variant the windows use is a value here, so the pump is written once.
struct SendPolicy {
    // Direct windows send each command at once with the class letter c in
    // front (SendPrefixedCommand); queued windows go through the command
    // queue and pump it on their own send timer.
    bool direct = false;
    // Newest wins: a command that has not gone out yet is dropped by the
    // next one. Otherwise commands are appended and every one goes.
    bool newestWins = true;
    // The enqueue takes commands while the window fills its controls (they
    // wait in the queue until filling ends); otherwise it refuses them.
    bool queuesWhileFilling = false;
    // How much of a queue slot the pump passes to the sender (35 or 63).
    size_t slotLength = 35;
    // The console flag set with every send, so the next reply comes here.
    PendingFlag flag = PendingFlag::Panel;
    // The pump waits for LinkReady and LinkFree before each send and
    // clears LinkReady when it sends.
    bool waitsForLink = true;
    // A reply time-out runs after each send and releases the link when it
    // expires. Without it the pump sends and moves on.
    bool timesOut = true;
    int sendTimer = 10;
    int sendMs = 50;
    int timeoutTimer = 11;
    int timeoutMs = 2000;
    // The first status request after opening; statusMs < 0: none.
    int statusTimer = 12;
    int statusMs = 500;
    // Shown when the reply time-out expires (nullptr: nothing shown).
    const char* timeoutMessage = nullptr;
};

// The send side of a window: its enqueue, its pump, its direct sends and
// what closing it releases. Plain C++, driven by the window's timers.
class PanelPump {
public:
    PanelPump(CommandLink& link, ReplyFlags& flags, Timers& timers, SendPolicy policy);

    const SendPolicy& policy() const { return policy_; }

    // Filling: the window is putting values into its controls; the pump
    // sends nothing, and nothing is queued unless the policy says so.
    bool filling() const { return filling_; }
    void SetFilling(bool on) { filling_ = on; }

    // Queues a command (or, for a direct window, sends it at once).
    void Enqueue(std::string_view text);
    // Starts the pump after the caller queued something itself (a Javelin record).
    void StartPump();
    // Sends at once, outside the queue, with the window's reply flag set.
    void SendNow(std::string_view text);

    // True when the timer was the pump's (send or time-out).
    bool OnTimer(int id);

    // The window closes: its timers stop, and a link that still waits for
    // this window's reply is released so nothing of the console's waits.
    void Close();

    // Shown when the reply time-out expires with a message to show.
    std::function<void(const char*)> showMessage;
    // Sees the queued command the pump is about to send, just before it
    // goes (a window that addresses one command differently sets that up).
    std::function<void(std::string_view next)> beforeSend;

private:
    void Pump();
    void SetFlag(bool on);
    bool FlagSet() const;

    CommandLink& link_;
    ReplyFlags& flags_;
    Timers& timers_;
    SendPolicy policy_;
    bool filling_ = false;
    bool awaiting_ = false; // a command went and its reply has not been seen
};
