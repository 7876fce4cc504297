#pragma once
#include <cstdint>
#include <string_view>

class Clock;
class TestLog;

// Writes the line traffic into the command log while recording runs and is
// not paused: transmitted frames with the pause before them, received
// frames, and both directions' acknowledgements.
class TrafficRecorder {
public:
    static constexpr uint32_t kMinimumDelayMs = 60;

    TrafficRecorder(const Clock& clock, TestLog& log) : clock_(clock), log_(log) {}

    // A new recording: the first command is recorded with the minimum delay.
    void Begin();
    void SetRecording(bool on) { recording_ = on; }
    void SetPaused(bool on) { paused_ = on; }
    bool recording() const { return recording_; }
    bool paused() const { return paused_; }
    bool active() const { return recording_ && !paused_; }

    // "TxC: <text>\t\tTick: <ms since the last one, at least 60>"
    void RecordTransmit(std::string_view text);
    // "Rx:  <text>"
    void RecordReceive(std::string_view text);
    void RecordAckSent();     // "TxA:  ACK"
    void RecordAckReceived(); // "Rx:   ACK"
    // Any other line (error and time-out texts).
    void RecordLine(std::string_view text);

private:
    const Clock& clock_;
    TestLog& log_;
    bool recording_ = false;
    bool paused_ = false;
    bool haveLast_ = false;
    uint32_t lastTick_ = 0;
};
