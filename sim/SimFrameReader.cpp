#include "SimFrameReader.h"

namespace {
uint8_t Checksum(const std::string& bytes, size_t from, size_t to)
{
    uint8_t x = 0;
    for (size_t i = from; i < to; ++i)
        x ^= static_cast<uint8_t>(bytes[i]);
    return static_cast<uint8_t>(0x80 | (x & 0x0F));
}
} // namespace

bool SimFrameReader::Finish(Frame* out)
{
    Frame f;
    const std::string& b = bytes_;
    switch (state_) {
    case State::Ascii: {
        // b = start, address, text..., checksum [, 03]
        const size_t checksumAt = mode_ == 0 ? b.size() - 2 : b.size() - 1;
        f.kind = Kind::Ascii;
        f.mode = mode_;
        f.address = static_cast<uint8_t>(b[1]);
        f.text = b.substr(2, checksumAt - 2);
        f.checksumOk = Checksum(b, 1, checksumAt) == static_cast<uint8_t>(b[checksumAt]);
        break;
    }
    case State::Hash:
        f.kind = Kind::Hash;
        f.text = b.substr(0, b.size() - 2);
        f.checksumOk = true;
        break;
    case State::Binary: {
        f.kind = Kind::Binary;
        f.text = b;
        uint8_t sum = 0;
        for (size_t i = 1; i < b.size(); ++i)
            sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(b[i]));
        f.checksumOk = sum == 0;
        f.address = b.size() > 5 ? static_cast<uint8_t>(b[4]) * 256 + static_cast<uint8_t>(b[5]) : 0;
        break;
    }
    case State::Idle:
        return false;
    }
    state_ = State::Idle;
    bytes_.clear();
    if (out)
        *out = std::move(f);
    return true;
}

bool SimFrameReader::Feed(uint8_t byte, Frame* out)
{
    if (state_ == State::Idle) {
        switch (byte) {
        case 0x02: state_ = State::Ascii; mode_ = 0; break;
        case 0xF8: state_ = State::Ascii; mode_ = 1; break;
        case 0xFF: state_ = State::Binary; break;
        case '#': state_ = State::Hash; break;
        default: return false; // acknowledgements and noise
        }
        bytes_.assign(1, static_cast<char>(byte));
        return false;
    }
    bytes_.push_back(static_cast<char>(byte));
    if (bytes_.size() > kMaxFrame) {
        state_ = State::Idle;
        bytes_.clear();
        return false;
    }
    const size_t n = bytes_.size();
    switch (state_) {
    case State::Ascii:
        if (mode_ == 0)
            return n >= 4 && byte == 0x03 && static_cast<uint8_t>(bytes_[n - 2]) >= 0x80 ? Finish(out) : false;
        // The address byte may be 0x80 or above; the checksum is the first
        // such byte after it.
        return n >= 3 && byte >= 0x80 ? Finish(out) : false;
    case State::Hash:
        return n >= 2 && byte == 0xFF && static_cast<uint8_t>(bytes_[n - 2]) == 0x0D ? Finish(out) : false;
    case State::Binary:
        return n >= 2 && n >= static_cast<size_t>(static_cast<uint8_t>(bytes_[1])) + 2 ? Finish(out) : false;
    case State::Idle:
        break;
    }
    return false;
}
