#include "SimulatedReceiver.h"

SimulatedReceiver::SimulatedReceiver(const Clock& clock, SimOptions options) : clock_(clock), options_(options) {}

bool SimulatedReceiver::ForMe(const SimFrameReader::Frame& frame) const
{
    if (frame.kind == SimFrameReader::Kind::Hash)
        return true; // '#' frames carry no address
    if (frame.kind == SimFrameReader::Kind::Binary)
        return frame.address == options_.address;
    return frame.address == 255 || frame.address == (options_.address & 0xFF);
}

void SimulatedReceiver::Receive(uint8_t byte)
{
    SimFrameReader::Frame frame;
    if (!reader_.Feed(byte, &frame))
        return;
    if (!frame.checksumOk || !ForMe(frame))
        return;
    received_.push_back(Received{frame, clock_.TickCount()});
    if (silent_)
        return;
    const uint8_t ack = 0x06;
    Send(&ack, 1);
    Handle(frame);
}

void SimulatedReceiver::Handle(const SimFrameReader::Frame&) {}

void SimulatedReceiver::Send(const uint8_t* bytes, size_t length)
{
    const uint32_t due = clock_.TickCount() + replyDelay_;
    for (size_t i = 0; i < length; ++i)
        output_.push_back(Pending{due, bytes[i]});
}

void SimulatedReceiver::Reply(const std::string& text)
{
    std::vector<uint8_t> frame;
    frame.push_back(options_.mode != 0 ? 0xF8 : 0x02);
    frame.push_back(static_cast<uint8_t>(options_.address & 0xFF));
    uint8_t x = frame[1];
    for (char c : text) {
        frame.push_back(static_cast<uint8_t>(c));
        x ^= static_cast<uint8_t>(c);
    }
    uint8_t checksum = static_cast<uint8_t>(0x80 | (x & 0x0F));
    if (corrupt_)
        checksum = static_cast<uint8_t>(0x80 | ((checksum + 1) & 0x0F));
    frame.push_back(checksum);
    if (options_.mode == 0)
        frame.push_back(0x03);
    Send(frame.data(), frame.size());
}

void SimulatedReceiver::InjectNoise(const std::vector<uint8_t>& bytes)
{
    Send(bytes.data(), bytes.size());
}

size_t SimulatedReceiver::TakeOutput(uint8_t* out, size_t capacity)
{
    const uint32_t now = clock_.TickCount();
    size_t n = 0;
    while (n < capacity && !output_.empty() && static_cast<int32_t>(now - output_.front().due) >= 0) {
        out[n++] = output_.front().byte;
        output_.pop_front();
    }
    return n;
}
