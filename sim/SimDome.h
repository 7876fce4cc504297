#pragma once
#include <array>
#include <string>

// The configuration a dome keeps for the "Tours and Sectors Setup" dialog:
// sixteen pan sectors (limits, title, enable), eight privacy zones (limits,
// enable), eight tours of 32 preset and dwell steps, and the sector title
// settings. Each query is answered in a form that is also the command that
// sets what it reports, so a configuration read out of one dome can be
// sent into another line by line.
//
//   "*Sl" n   -> "*SL" n LLLL RRRR  (limits in tenths of a degree, 4096 unset)
//   "cdSS" n  -> "dST" n and the 24-character title
//   "cdSs" n  -> "dSS" n and '0' or '1'
//   "*Pl" n   -> "*PL" n LLLL RRRR
//   "*Ps" n   -> "*PS" n and '0' or '1'
//   "*Tp" t   -> "*TP" t and 32 characters of code 16 + preset
//   "*Td" t   -> "*TD" t and 32 characters of code 16 + dwell
//   "cdSc"    -> "dSC" and the title display digit
//   "cdSl" n  -> "dSL" n and a 24-character text line (n 1 to 5)
// Sector and zone numbers n are the character 48 + n, tours t '1' to '8'.
// "*SL" n "L" or "R" and "*PL" n "L" or "R" set a limit from the current pan.
class SimDome {
public:
    static constexpr int kSectors = 16;
    static constexpr int kZones = 8;
    static constexpr int kTours = 8;
    static constexpr int kSteps = 32;
    static constexpr int kLines = 5;
    static constexpr int kUnset = 4096;

    struct Sector {
        int left = kUnset, right = kUnset;
        std::string title = std::string(24, ' ');
        bool enabled = true;
    };
    struct Zone {
        int left = kUnset, right = kUnset;
        bool enabled = true;
    };
    struct Step {
        int preset = 0;
        int dwell = 0;
    };
    using Tour = std::array<Step, kSteps>;

    Sector& sector(int n) { return sectors_.at(static_cast<size_t>(n - 1)); }
    Zone& zone(int n) { return zones_.at(static_cast<size_t>(n - 1)); }
    Tour& tour(int t) { return tours_.at(static_cast<size_t>(t - 1)); }
    int titleDisplay() const { return titleDisplay_; }
    const std::string& line(int n) const { return lines_.at(static_cast<size_t>(n - 1)); }

    // A command text as the dome hears it; pan is the dome's pan in tenths
    // of a degree. True when it was one of the dome's; reply then holds
    // the answer, if any.
    bool Handle(const std::string& text, int pan, std::string& reply);

private:
    bool HandleSector(const std::string& text, int pan, std::string& reply);
    bool HandleZone(const std::string& text, int pan, std::string& reply);
    bool HandleTour(const std::string& text, std::string& reply);
    bool HandleTitles(const std::string& text, std::string& reply);

    std::array<Sector, kSectors> sectors_{};
    std::array<Zone, kZones> zones_{};
    std::array<Tour, kTours> tours_{};
    int titleDisplay_ = 1;
    std::array<std::string, kLines> lines_{std::string(24, ' '), std::string(24, ' '), std::string(24, ' '),
                                           std::string(24, ' '), std::string(24, ' ')};
};
