#pragma once

// The status poll of the console's timer 13, sent directly: the command for
// the receiver type, or nullptr when nothing is sent. (Javelin protocols ask
// with a status record of their own instead.)
const char* StatusPollCommand(int receiverType, int videoSource, int protocol);

// Javelin protocols ask these receiver types with the status record, queued.
bool StatusPollIsJavelin(int receiverType, int protocol);
