#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the "Lens Maintenance" dialog holds; -1 is "none chosen".
struct LensMaintenanceMembers {
    int voltage = -1; // 0 " 6VDC", 1 " 9VDC", 2 "12VDC"
    // The lens type, one check box per bit: bit 0 "Zoom/Focus", bit 1
    // "Motor Iris", bit 2 "Z/F Follow Pots", bit 3 "Iris Follow Pot".
    std::array<int, 4> lensType{};
    int phase = 0;   // line-lock phase 0-5
    int crystal = 0; // line lock on the crystal
    int video = -1;  // 0 "NTSC", 1 "PAL"
    int camera = -1; // 0 "7900/7950" to 5 "8650/8655"
    int twoX = 0;
    int ir = -1;     // 0 "Normal", 1 "850nm", 2 "880nm", 3 "950nm"
    // Set from the opening until the camera's first status record: the
    // phase box sends nothing meanwhile.
    bool initialising = true;
};

// The lens type bits as the check boxes hold them, and back.
int LensTypeBits(const LensMaintenanceMembers& m);
void SetLensTypeBits(LensMaintenanceMembers& m, int bits);

// "Set" (Lens Type): "ml" and '0' plus the four bits, so '0' to '?'.
std::string LensTypeCommand(const LensMaintenanceMembers& m);

struct LensMaintenanceReply {
    // The request the reply asks to be queued next (empty: none).
    std::string followUp;
    // The reply was of class 'm' and its values were taken.
    bool taken = false;
};

// A reply frame (as the console hands it over) applied to the members.
// Only replies of class 'm' count; 'R' carries the IR filter, 'X' the 2X
// state (and asks for "mRS"), anything else is the status record, which
// ends the initialising and asks for "mXS". Values outside their control's
// range are not stored.
LensMaintenanceReply DecodeLensMaintenanceReply(const uint8_t* frame, size_t length, LensMaintenanceMembers& m);

// The password of the supervisory functions, and the box's length.
inline constexpr std::string_view kServicePassword = "TQRW";
inline constexpr size_t kServicePasswordLength = 8;

// The text typed into the password box (it holds at most eight characters)
// against the service password: exact, case-sensitive.
bool ServicePasswordAccepted(std::string_view typed);
