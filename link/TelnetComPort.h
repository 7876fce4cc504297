#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The Telnet COM-port control option (RFC 2217) as a serial device server
// speaks it: the client's opening negotiation, the line-setting
// subnegotiations, data escaping (0xFF doubled) and a receiver that takes
// the negotiation out of the byte stream. Plain C++; the port thread uses it.
namespace TelnetComPort {

constexpr uint8_t kIac = 255, kDont = 254, kDo = 253, kWont = 252, kWill = 251;
constexpr uint8_t kSb = 250, kSe = 240;
constexpr uint8_t kBinary = 0, kSuppressGoAhead = 3, kComPortOption = 44;

using Bytes = std::vector<uint8_t>;

// What the client says first: it will speak the COM-port option, and both
// sides send 8-bit data without go-aheads.
Bytes Opening();
// The line settings, one subnegotiation each: baud rate, 8 data bits,
// parity 'N' / 'E' / 'O', one or two stop bits.
Bytes LineSettings(int baud, char parity, int dataBits, int stopBits);
// Asks the device server to drop what it received but did not pass on yet.
Bytes PurgeReceived();
// Data bytes with every 0xFF doubled.
Bytes Escape(const uint8_t* bytes, size_t length);

// Splits what the server sends into data and negotiation. Each data byte is
// returned by Feed; negotiation the client must answer is collected in
// replies (refusals of options it did not ask for).
class Receiver {
public:
    // True when byte (or the 0xFF it completes) is data, stored in *data.
    bool Feed(uint8_t byte, uint8_t* data);
    Bytes TakeReplies();

private:
    enum class State { Data, Iac, Option, Sub, SubIac };
    State state_ = State::Data;
    uint8_t verb_ = 0;
    Bytes replies_;
};

} // namespace TelnetComPort
