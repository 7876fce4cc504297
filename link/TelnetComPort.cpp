#include "TelnetComPort.h"

namespace TelnetComPort {
namespace {
// Client-to-server COM-port commands.
constexpr uint8_t kSetBaudRate = 1, kSetDataSize = 2, kSetParity = 3, kSetStopSize = 4, kPurgeData = 12;

void Sub(Bytes& out, uint8_t command, const Bytes& value)
{
    out.insert(out.end(), {kIac, kSb, kComPortOption, command});
    for (uint8_t b : value) {
        out.push_back(b);
        if (b == kIac)
            out.push_back(kIac);
    }
    out.insert(out.end(), {kIac, kSe});
}

// Options the client itself asked for: the server's agreement needs no answer.
bool Ours(uint8_t option)
{
    return option == kComPortOption || option == kBinary || option == kSuppressGoAhead;
}
} // namespace

Bytes Opening()
{
    return {kIac, kWill, kComPortOption, kIac, kWill, kBinary, kIac, kDo, kBinary,
            kIac, kWill, kSuppressGoAhead, kIac, kDo, kSuppressGoAhead};
}

Bytes LineSettings(int baud, char parity, int dataBits, int stopBits)
{
    Bytes out;
    const auto b = static_cast<uint32_t>(baud);
    Sub(out, kSetBaudRate, {static_cast<uint8_t>(b >> 24), static_cast<uint8_t>(b >> 16), static_cast<uint8_t>(b >> 8),
                            static_cast<uint8_t>(b)});
    Sub(out, kSetDataSize, {static_cast<uint8_t>(dataBits)});
    Sub(out, kSetParity, {static_cast<uint8_t>(parity == 'E' ? 3 : parity == 'O' ? 2 : 1)});
    Sub(out, kSetStopSize, {static_cast<uint8_t>(stopBits == 2 ? 2 : 1)});
    return out;
}

Bytes PurgeReceived()
{
    Bytes out;
    Sub(out, kPurgeData, {1});
    return out;
}

Bytes Escape(const uint8_t* bytes, size_t length)
{
    Bytes out;
    out.reserve(length + 4);
    for (size_t i = 0; i < length; ++i) {
        out.push_back(bytes[i]);
        if (bytes[i] == kIac)
            out.push_back(kIac);
    }
    return out;
}

bool Receiver::Feed(uint8_t byte, uint8_t* data)
{
    switch (state_) {
    case State::Data:
        if (byte == kIac) {
            state_ = State::Iac;
            return false;
        }
        *data = byte;
        return true;
    case State::Iac:
        state_ = State::Data;
        if (byte == kIac) {
            *data = byte;
            return true;
        }
        if (byte == kWill || byte == kWont || byte == kDo || byte == kDont) {
            verb_ = byte;
            state_ = State::Option;
        } else if (byte == kSb) {
            state_ = State::Sub;
        }
        return false;
    case State::Option:
        state_ = State::Data;
        if (!Ours(byte) && verb_ == kDo)
            replies_.insert(replies_.end(), {kIac, kWont, byte});
        else if (!Ours(byte) && verb_ == kWill)
            replies_.insert(replies_.end(), {kIac, kDont, byte});
        return false;
    case State::Sub:
        // The server's answers and notifications (line state, modem state)
        // are not needed: skipped to IAC SE.
        if (byte == kIac)
            state_ = State::SubIac;
        return false;
    case State::SubIac:
        state_ = byte == kSe ? State::Data : State::Sub;
        return false;
    }
    return false;
}

Bytes Receiver::TakeReplies()
{
    Bytes out;
    out.swap(replies_);
    return out;
}

} // namespace TelnetComPort
