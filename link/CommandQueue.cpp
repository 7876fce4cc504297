#include "CommandQueue.h"

#include <cstring>

void CommandQueue::Enqueue(std::string_view text, bool broadcast)
{
    if (Next(writeIndex_) == readIndex_)
        readIndex_ = Next(readIndex_);
    const size_t take = text.size() < kSlotSize - 1 ? text.size() : kSlotSize - 1;
    uint8_t* slot = slots_[writeIndex_];
    std::memcpy(slot, text.data(), take);
    slot[take] = 0;
    lengths_[writeIndex_] = static_cast<uint8_t>(take);
    broadcast_[writeIndex_] = broadcast;
    writeIndex_ = Next(writeIndex_);
}

int CommandQueue::WaitingCount() const
{
    return writeIndex_ >= readIndex_ ? writeIndex_ - readIndex_ : writeIndex_ + kSlots - readIndex_;
}

std::string_view CommandQueue::PeekNext() const
{
    if (Empty())
        return {};
    return {reinterpret_cast<const char*>(slots_[readIndex_]), lengths_[readIndex_]};
}

size_t CommandQueue::TakeNext(uint8_t (&out)[kSentLength + 1])
{
    return TakeInto(out, sizeof out, kSentLength);
}

size_t CommandQueue::TakeNext(uint8_t (&out)[kSlotSize], size_t maxLength)
{
    return TakeInto(out, sizeof out, maxLength < kSlotSize ? maxLength : kSlotSize - 1);
}

size_t CommandQueue::TakeInto(uint8_t* out, size_t capacity, size_t maxLength)
{
    std::memset(out, 0, capacity);
    if (Empty())
        return 0;
    const uint8_t* slot = slots_[readIndex_];
    size_t length = lengths_[readIndex_];
    if (slot[0] != 0xFF) {
        const void* zero = std::memchr(slot, 0, length);
        if (zero)
            length = static_cast<size_t>(static_cast<const uint8_t*>(zero) - slot);
    }
    if (length > maxLength)
        length = maxLength;
    std::memcpy(out, slot, length);
    readIndex_ = Next(readIndex_);
    return length;
}
