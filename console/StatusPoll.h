#pragma once

// The status poll of the console's timer 13, sent directly: the command for
// the receiver type, or nullptr when nothing is sent. (Javelin protocols ask
// with a status record of their own instead.)
const char* StatusPollCommand(int receiverType, int videoSource, int protocol);

// Javelin protocols ask these receiver types with the status record, queued.
bool StatusPollIsJavelin(int receiverType, int protocol);

// The periodic status request (timer 18) for the alternation counter (0 or
// 1): a text, or the Javelin status record when javelin is set.
struct PeriodicStatus {
    bool javelin = false;
    const char* text = nullptr;
};
PeriodicStatus PeriodicStatusRequest(int receiverType, int protocol, int videoSource, int counter);

// The periodic position request (timer 19): "V?" every tick while a zoom
// button is held, else by the counter.
const char* PeriodicPositionRequest(int receiverType, bool zoomHeld, int counter);
