#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// The ring of command texts that paces commands one at a time: 501 slots of
// 64 bytes, a read and a write index; empty when both are equal.
class CommandQueue {
public:
    static constexpr int kSlots = 501;
    static constexpr int kCapacity = kSlots - 1; // highest slot number
    static constexpr size_t kSlotSize = 64;
    static constexpr size_t kSentLength = 35;    // the queue service sends at most this much

    // Copies up to 63 bytes of text (binary records included) into the slot
    // at the write index. When the ring is full the oldest waiting command is
    // dropped, so the newest one (often a stop) always survives. A command
    // marked broadcast goes to address 255 when its slot is sent.
    void Enqueue(std::string_view text, bool broadcast = false);

    bool Empty() const { return readIndex_ == writeIndex_; }
    int WaitingCount() const;

    // Discards every waiting command (read index set to the write index).
    void DiscardWaiting() { readIndex_ = writeIndex_; }
    // Both indices back to slot 0 (the pad's stop path).
    void Reset() { readIndex_ = writeIndex_ = 0; }

    // The command at the read index as the queue service sends it: at most
    // its first 35 bytes. A binary record (first byte 0xFF) keeps its zero
    // bytes; an ASCII text ends at its first zero. The read index advances.
    // Returns the length copied into out (which holds kSentLength + 1 bytes).
    size_t TakeNext(uint8_t (&out)[kSentLength + 1]);
    // The same for pumps that pass more of a slot on (up to 63 bytes).
    size_t TakeNext(uint8_t (&out)[kSlotSize], size_t maxLength);

    // The text at the read index without taking it.
    std::string_view PeekNext() const;
    // Whether the command at the read index was queued for broadcast.
    bool NextIsBroadcast() const { return !Empty() && broadcast_[readIndex_]; }

    int readIndex() const { return readIndex_; }
    int writeIndex() const { return writeIndex_; }

private:
    size_t TakeInto(uint8_t* out, size_t capacity, size_t maxLength);
    static int Next(int index) { return index + 1 > kCapacity ? 0 : index + 1; }

    uint8_t slots_[kSlots][kSlotSize] = {};
    uint8_t lengths_[kSlots] = {};
    bool broadcast_[kSlots] = {};
    int readIndex_ = 0;
    int writeIndex_ = 0;
};
