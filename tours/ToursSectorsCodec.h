#pragma once
#include "DomeRecords.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What the tours and sectors dialog sends and how it reads the dome's
// answers: plain C++, so it is table-tested and fuzzed without widgets.

// A sector or zone number n as the character of code 48 + n (sector 10 is
// ':', sector 16 the character of code 64).
char NumberCharacter(int n);
// A tour index 0 to 7 as '1' + index.
char TourCharacter(int tourIndex);

// "*SL" n "L" or "R" for a sector, "*PL" n "L" or "R" for a zone.
std::string SectorLimitCommand(int sector, char side);
std::string ZoneLimitCommand(int zone, char side);

// Longest title "Send ID" carries: the queue slot holds 63 characters, four
// of them "dST" and n.
constexpr size_t kSendIdTitleLimit = 59;
// "dST" n and the title filled on the right with spaces to 24 characters;
// a longer title goes whole, up to what its queue slot holds.
std::string SendIdCommand(int sector, std::string_view title);

// "*TP" t or "*TD" t and one character of code 16 + value for each of
// the 33 steps.
std::string TourTextCommand(char kind, int tourIndex, const std::array<int, CCameraTour::kSteps>& values);

// Grid editing: a cell's value is its text's leading integer (0 when the
// text does not start with a number); "Preset" takes 0 to 64, "Dwell" 0 to 60.
enum class TourColumn { Preset = 1, Dwell = 2 };
int LeadingInteger(std::string_view text);
bool GridAccepts(TourColumn column, int value);
// A value from the dome as its cell shows it: 0 and -1 leave the cell empty.
std::string TourCellText(int value);

// One-shot query timers of the opening chain.
namespace ToursTimer {
constexpr int SectorState = 50; // "cdSs" and the reported sector
constexpr int SectorTitle = 51; // "cdSS" and the reported sector
constexpr int ZoneState = 52;   // "*Ps" and the current zone
constexpr int TourPresets = 53; // "*Tp" t
constexpr int TourDwells = 54;  // "*Td" t
constexpr int Upload = 31;      // one line of Cam%03d.dat every 200 ms
} // namespace ToursTimer

// A '*' or 'd' reply as the dialog reads it outside a download.
struct ToursReply {
    enum class Kind { None, SectorState, SectorTitle, Zone, TourState, TourPresets, TourDwells };
    Kind kind = Kind::None;
    int reportedSector = -1; // 1 to 16 when the reply named one
    bool touring = false;    // TourState: the state character was '1'
    // TourPresets, TourDwells: value of step i + 1 (character code - 16);
    // only the first count steps came with the reply.
    std::array<int, 32> values{};
    size_t count = 0;
    int timer = -1;          // query timer to start (5 ms), -1 none
    bool showValues = false; // an "S" or "T" reply: the controls show the members again
};

ToursReply DecodeToursReply(const uint8_t* frame, size_t length);
