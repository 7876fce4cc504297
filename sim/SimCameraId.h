#pragma once
#include <array>
#include <string>

// The titles a receiver or camera writes into its picture, as "Program
// Camera ID" sets them: two ID lines, three alarm lines and a maintenance
// text with their switches, and the 8270 camera's on-screen menu. The
// receiver's text generator and the camera's own one (commands with the
// class letter c in front) are kept apart.
class SimCameraId {
public:
    static constexpr size_t kLineLength = 24;

    struct Generator {
        // Lines 1 and 2 the ID, 3 to 5 the alarm text; each as received.
        std::array<std::string, 5> lines;
        bool idEnabled = false;
        bool displayAtTop = false;
        std::array<bool, 2> idLine{};
        bool alarmEnabled = false;
        bool blink = false;
        std::array<bool, 3> alarmLine{};
        bool maintenance = false;
        int clears = 0; // "dIC" received
    };
    struct Osd {
        bool menuOn = false;
        bool freezeEntry = false;
        int enters = 0;
        int clears = 0;
    };

    Generator& receiver() { return receiver_; }
    Generator& camera() { return camera_; }
    const Generator& receiver() const { return receiver_; }
    const Generator& camera() const { return camera_; }
    Osd& osd() { return osd_; }
    const Osd& osd() const { return osd_; }

    // A command text as heard; true when it was one of these.
    bool Handle(const std::string& text);

private:
    Generator receiver_, camera_;
    Osd osd_;
};
