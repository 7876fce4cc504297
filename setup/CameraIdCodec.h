#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What "Program Camera ID" sends: the ID and alarm text lines, the toggles
// of the ID, alarm and maintenance texts, and the "Clear All IDs" and
// "Init. All IDs" batches. Plain C++, so that the encodings are tested
// without widgets.

constexpr size_t kIdLineLength = 24;
constexpr int kIdLines = 5; // Line 1 and 2 the ID text, 3 to 5 the alarm text

// The characters a camera ID line may carry; any other goes as a space.
extern const char kIdCharacterSet[];
bool InIdCharacterSet(char c);

// The dialog's flags, all clear when it opens.
struct CameraIdMembers {
    int inCamera = 0;      // "ID Gen in Cam": the camera's own generator (prefix "c")
    int idEnable = 0;      // ID Text "Enable (All)"
    int displayAtTop = 0;
    std::array<int, 2> idLine{};    // ID Text "Enable Line 1", "Enable Line 2"
    int alarmEnable = 0;   // Alarm Text "Enable (All)"
    int blink = 0;
    std::array<int, 3> alarmLine{}; // Alarm Text "Enable Line 1" to "Enable Line 3" (lines 3-5)
    int maintenance = 0;   // Maintenance Mode Text "Enable"
    int menuOn = 0;        // OSD "Menu On"
    int freezeEntry = 0;   // OSD "OSD FreezeVideo Prorammable Entry Enable"
};

// "c" when the camera's generator is addressed, else nothing.
std::string IdPrefix(const CameraIdMembers& m);

// The command of a text line n (1-5) as it goes when its box loses the
// focus: P "dL" n and exactly 24 characters, the text padded with spaces
// and every character outside the set sent as a space.
std::string IdLineCommand(const CameraIdMembers& m, int line, std::string_view text);

struct IdCommand {
    std::string text;
    bool direct = false; // sent at once; otherwise queued
    bool operator==(const IdCommand&) const = default;
};

// The toggles: each flips its flag (the per-line ones also follow their
// box) and gives the command for the new value.
enum class IdToggle {
    IdEnable,     // P "dIE" / "dID", both ID line flags follow
    DisplayAtTop, // P "dIT" / "dIB"
    AlarmEnable,  // P "dAE" / "dAD", the three alarm line flags follow
    Blink,        // P "dAB" / "dAb"
    Maintenance,  // "dME" / "dMD"
    IdLine1,      // "dIe1" / "dId1"
    IdLine2,
    AlarmLine1,   // "dAe1" / "dAd1"
    AlarmLine2,
    AlarmLine3,
    MenuOn,       // "+E" / "+e"
    FreezeEntry,  // "+F" / "+f"
};
// The flag a toggle flips.
int& IdFlag(CameraIdMembers& m, IdToggle toggle);
// The toggle's flag has just flipped: the flags that follow it are set,
// and the command for its new value comes back.
IdCommand IdToggled(CameraIdMembers& m, IdToggle toggle);
// Flips the flag and gives the command for its new value.
IdCommand ToggleId(CameraIdMembers& m, IdToggle toggle);

// A batch: its commands in order, and the texts the line boxes show after
// it (a line without a text keeps what its box holds).
struct IdBatch {
    std::vector<IdCommand> commands;
    std::array<std::optional<std::string>, kIdLines> texts;
};

// "Clear All IDs", once the operator has said Yes.
IdBatch ClearAllIds(CameraIdMembers& m);
// "Init. All IDs": the test pattern. The boxes show the alarm lines with
// two spaces after the dash; the commands carry one.
IdBatch InitAllIds(CameraIdMembers& m);
