#include "ReceiveStateMachine.h"

#include <cstring>

void ReceiveStateMachine::Reset()
{
    count_ = 0;
    expectedLength_ = 0;
    inFrame_ = false;
    inHashFrame_ = false;
}

// Stores one byte; a frame that outgrows the buffer is dropped and the
// machine starts afresh.
bool ReceiveStateMachine::Store(uint8_t byte)
{
    if (count_ >= kBufferSize) {
        Reset();
        return false;
    }
    buffer_[count_++] = byte;
    return true;
}

void ReceiveStateMachine::QuietGap()
{
    if (count_ > 0)
        Reset();
}

ReceiveStateMachine::Event ReceiveStateMachine::Finish()
{
    frameLength_ = count_;
    buffer_[frameLength_] = 0;
    Reset();
    return Event::Frame;
}

ReceiveStateMachine::Event ReceiveStateMachine::Feed(uint8_t byte, bool asciiReplyExpected, int mode, uint32_t tick)
{
    if (tick - lastTick_ >= kQuietGapMs)
        QuietGap();
    lastTick_ = tick;
    return Feed(byte, asciiReplyExpected, mode);
}

ReceiveStateMachine::Event ReceiveStateMachine::Feed(uint8_t byte, bool asciiReplyExpected, int mode)
{
    frameLength_ = 0;
    if (!asciiReplyExpected) {
        if (count_ == 0) {
            if (byte != 0xFF)
                return Event::None;
            std::memset(buffer_, 0, sizeof buffer_);
            inFrame_ = true;
            expectedLength_ = 0;
        }
        if (!inFrame_)
            return Event::None;
        if (!Store(byte))
            return Event::None;
        if (count_ == 2)
            expectedLength_ = static_cast<size_t>(byte) + 2;
        if (count_ >= 2 && count_ >= expectedLength_)
            return Finish();
        return Event::None;
    }

    if (byte == 0x06 && count_ == 0)
        return Event::Ack;

    // A start byte where the checksum would stand cannot be one: the open
    // frame was noise, and a new one starts here.
    if (mode != 0 && byte == 0xF8 && inFrame_ && count_ >= 4)
        Reset();
    if (count_ == 0) {
        inFrame_ = inHashFrame_ = false;
        if (mode != 0 && byte == 0xF8)
            inFrame_ = true;
        else if (mode != 0 && byte == '#')
            inHashFrame_ = true;
        else if (mode == 0 && byte == 0x02)
            inFrame_ = true;
        else
            return Event::None;
        std::memset(buffer_, 0, sizeof buffer_);
    }
    if (!Store(byte))
        return Event::None;
    if (inHashFrame_)
        return byte == 0xFF ? Finish() : Event::None;
    if (mode != 0)
        return (count_ >= 5 && byte >= 0x80) ? Finish() : Event::None;
    return (count_ >= 3 && byte == 0x03) ? Finish() : Event::None;
}
