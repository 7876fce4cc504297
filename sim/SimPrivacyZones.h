#pragma once
#include <array>
#include <optional>
#include <string>

// The privacy masks of a day/night camera: 24 zones, A to X, each with a
// mode, a programmed flag, its sizes and the position it was framed at;
// and the mask colours with their transparency for programming and for
// live view. Answers the zone status "csZ" Z "?", the colours "csC?" (or
// "csC" Z "?"), the sizes "csh" Z "?" (both sizes, "csh" hhh "v" vvv) and
// "csv" Z "?" in the forms the privacy zone dialog reads.
class SimPrivacyZones {
public:
    static constexpr int kZoneCount = 24;
    static constexpr int kHorizontalMax = 50;
    static constexpr int kVerticalMax = 40;
    static constexpr int kColourCount = 14;

    struct Zone {
        int mode = 0; // 0 Off, 1 Programming, 2 Live
        bool programmed = false;
        int horizontal = 0, vertical = 0;
        int pan = 0, tilt = 0; // where it was framed, tenths of a degree
    };
    struct Colours {
        int programming = 0, live = 0; // 0 Black to 13 Magenta
        bool programmingTransparent = false, liveTransparent = false;
    };
    // Pan and tilt in tenths of a degree, as the camera reports them.
    struct Position {
        int pan = 0, tilt = 0;
    };
    struct Result {
        bool handled = false;
        std::string reply;               // empty: acknowledged only
        std::optional<Position> moveTo;  // "Goto Zone Pos"
    };

    // A command text as the camera hears it; here is the camera's position.
    Result Handle(const std::string& text, Position here);

    Zone& zone(int index) { return zones_.at(static_cast<size_t>(index)); }
    const Zone& zone(int index) const { return zones_.at(static_cast<size_t>(index)); }
    Colours& colours() { return colours_; }
    // The zone last selected with "csN" Z.
    int selected() const { return selected_; }

private:
    std::array<Zone, kZoneCount> zones_{};
    Colours colours_;
    int selected_ = 0;
};
