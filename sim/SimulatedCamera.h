#pragma once
#include "SimulatedReceiver.h"

#include <string>

// A dome camera behind its receiver: keeps its latches, focus mode and
// position, and answers the console's queries with replies of the forms the
// console decodes: "A?" (its address), "L?" (latch status), "bDS" and "cDS"
// (camera status), "cPS" (pan and tilt), the focus report after "cFM" and
// "cFA", and a binary status frame for every Javelin record.
class SimulatedCamera : public SimulatedReceiver {
public:
    struct State {
        bool cameraPower = true;
        bool lensFast = false;
        bool manualIris = false;
        bool autoFocusOnPtz = false;
        bool manualFocus = false;
        int pan = 1800;  // tenths of a degree
        int tilt = 100;
        int videoType = 1;
        int lineLockPhase = 0;
        char freeze = '0';
    };

    SimulatedCamera(const Clock& clock, SimOptions options) : SimulatedReceiver(clock, options) {}

    State& state() { return state_; }
    const State& state() const { return state_; }

    // The latch status character: '0' plus bit 0 manual iris, bit 1 camera
    // power, bit 2 lens fast, bit 3 auto focus on PTZ.
    char LatchCharacter() const;

protected:
    void Handle(const SimFrameReader::Frame& frame) override;

private:
    void HandleText(const std::string& text);
    void HandleRecord(const std::string& record);
    std::string AddressReply() const;
    std::string StatusReply() const;
    std::string ShiftedStatusReply() const;
    std::string PositionReply() const;

    State state_;
};
