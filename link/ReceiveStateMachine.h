#pragma once
#include <cstddef>
#include <cstdint>

// Assembles received bytes into acknowledgements and reply frames:
//   0x02 ... 0x03 (mode 0), 0xF8 ... checksum (0xF8 mode), '#' ... 0xFF
//   (0xF8 mode), and binary FF n ... while no ASCII reply is expected.
//
// Noise on the line can open a frame that never ends properly; it would
// swallow the next good reply. The machine therefore starts afresh
//   - when a byte comes after a quiet gap of kQuietGapMs or more while a
//     frame is open (a camera sends its reply in one go; the port measures
//     the gap as the bytes arrive and says so with QuietGap), and
//   - in the 0xF8 mode, when a 0xF8 comes where it would end the frame: a
//     checksum is 0x80 to 0x8F, so that byte starts the next frame.
class ReceiveStateMachine {
public:
    static constexpr size_t kBufferSize = 256;
    // Well above a byte's time at the slowest line speed (33 ms at 300
    // baud), an adapter's latency timer and a device server's packing.
    static constexpr uint32_t kQuietGapMs = 250;

    enum class Event { None, Ack, Frame };

    Event Feed(uint8_t byte, bool asciiReplyExpected, int mode);
    // The same, for a byte that arrived at tick: an open frame that has
    // heard nothing for kQuietGapMs is dropped first.
    Event Feed(uint8_t byte, bool asciiReplyExpected, int mode, uint32_t tick);
    // The line was quiet for kQuietGapMs (the port measures it as the bytes
    // arrive): an open frame is dropped.
    void QuietGap();

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
    uint32_t lastTick_ = 0;
};
