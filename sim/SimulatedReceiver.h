#pragma once
#include "Clock.h"
#include "SimFrameReader.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

struct SimOptions {
    int address = 1;
    int mode = 1;          // frame mode of the replies: 0 (0x02 ... 0x03) or 0xF8 frames
    int receiverType = 5;
    int cameraType = 3;
    int protocol = 0;      // decides the status bits of Javelin answers
};

// A camera receiver at the far end of the line. It reads frames of both
// modes, acknowledges every good frame for its address (or 255) with 0x06
// and keeps what it received. It can be told to stay silent, answer late,
// corrupt its replies' checksums or add noise.
class SimulatedReceiver {
public:
    SimulatedReceiver(const Clock& clock, SimOptions options);
    virtual ~SimulatedReceiver() = default;

    // One byte from the line.
    void Receive(uint8_t byte);
    // Bytes due on the line by now; returns how many were copied.
    size_t TakeOutput(uint8_t* out, size_t capacity);
    bool HasOutput() const { return !output_.empty(); }

    struct Received {
        SimFrameReader::Frame frame;
        uint32_t tick;
    };
    const std::vector<Received>& received() const { return received_; }
    void ClearReceived() { received_.clear(); }

    void SetSilent(bool silent) { silent_ = silent; }
    void SetReplyDelay(uint32_t ms) { replyDelay_ = ms; }
    void SetCorruptChecksums(bool corrupt) { corrupt_ = corrupt; }
    void InjectNoise(const std::vector<uint8_t>& bytes);

    const SimOptions& options() const { return options_; }

protected:
    // Called for every good frame addressed to this receiver, after the
    // acknowledgement was queued. Later devices answer queries here.
    virtual void Handle(const SimFrameReader::Frame& frame);
    // Queues a framed ASCII reply in the receiver's frame mode.
    void Reply(const std::string& text);
    void Send(const uint8_t* bytes, size_t length);
    // The camera's own address, as set by the console's address programming.
    void SetAddress(int address) { options_.address = address; }
    const Clock& clock() const { return clock_; }

private:
    bool ForMe(const SimFrameReader::Frame& frame) const;

    struct Pending {
        uint32_t due;
        uint8_t byte;
    };
    const Clock& clock_;
    SimOptions options_;
    SimFrameReader reader_;
    std::vector<Received> received_;
    std::deque<Pending> output_;
    bool silent_ = false;
    bool corrupt_ = false;
    uint32_t replyDelay_ = 0;
};
