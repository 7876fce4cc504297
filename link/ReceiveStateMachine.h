#pragma once
#include <cstddef>
#include <cstdint>

// Assembles received bytes into acknowledgements and reply frames:
//   0x02 ... 0x03 (mode 0), 0xF8 ... checksum (0xF8 mode), '#' ... 0xFF
//   (0xF8 mode), and binary FF n ... while no ASCII reply is expected.
class ReceiveStateMachine {
public:
    static constexpr size_t kBufferSize = 256;

    enum class Event { None, Ack, Frame };

    Event Feed(uint8_t byte, bool asciiReplyExpected, int mode);

    // The frame just completed (valid after Event::Frame until the next Feed).
    const uint8_t* frame() const { return buffer_; }
    size_t frameLength() const { return frameLength_; }
    bool inFrame() const { return inFrame_ || inHashFrame_; }
    size_t count() const { return count_; }
    void Reset();

private:
    bool Store(uint8_t byte);
    Event Finish();

    uint8_t buffer_[kBufferSize + 1] = {};
    size_t count_ = 0;
    size_t frameLength_ = 0;
    size_t expectedLength_ = 0;
    bool inFrame_ = false;
    bool inHashFrame_ = false;
};
