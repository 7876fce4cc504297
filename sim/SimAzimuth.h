#pragma once
#include <string>
#include <vector>

// A positioner's north reference and its on-screen azimuth/elevation and
// compass-direction readouts, as "Azimuth Setup" sets them, and the raw
// commands a pan/tilt module was sent with the prefix "#".
class SimAzimuth {
public:
    struct Settings {
        bool northSet = false;
        int northClears = 0;
        bool azimuthDisplay = false;
        bool azimuthPermanent = false;   // else shown until a time-out
        bool directionDisplay = false;
        bool directionPermanent = false;
        int directionZones = 8;          // 8 or 16
        bool groupedWithIds = false;
        int commands = 0;                // azimuth commands heard, in all
        std::vector<std::string> moduleCommands; // texts after '#', in order
    };

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }

    // A command text as heard ('#' commands included); true when it was
    // one of these.
    bool Handle(const std::string& text);

private:
    Settings settings_;
};
