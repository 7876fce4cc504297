#pragma once

// Camera address limits by protocol number. Each returns the message to show
// for a rejected address, or nullptr when the address may be sent.

// SendCommand's check. Protocol 0 allows any address while a log is played.
const char* CheckCommandAddress(int protocol, int address, bool playbackRunning);

// SendPrefixedCommand's check: one message for every rejection.
const char* CheckPrefixedAddress(int protocol, int address);

// The address byte of an ASCII frame: 0 and anything above 255 go to 255.
inline unsigned char AsciiAddressByte(int address)
{
    return (address <= 0 || address > 255) ? 255 : static_cast<unsigned char>(address);
}
