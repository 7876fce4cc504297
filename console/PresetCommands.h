#pragma once
#include <array>
#include <optional>
#include <string>

// Command texts of the console's address, preset, position and tour
// controls, by receiver and camera type and protocol.

// A preset index as one character: '0' + i for receiver types 0, 1, 2 and
// 10; for the others 0x10 + i up to 46 and '1' + i from 47 on.
char PresetCharacter(int index, int receiverType);

// The character of a console-run tour entry: '0' + i for pan/tilt type 0
// with camera type 0 or 1, else 0x10 + i.
char TourDigit(int entry, int panTiltType, int cameraType);

// "dP" + preset character (none for receiver types 0, 1, 2) + the name,
// its first 24 characters limited to the set the camera shows (others
// become spaces), padded to 24; at most 31 characters in all.
std::string StoreIdCommand(const std::string& name, int index, int receiverType);

// "cdS" + preset character for receiver types 3 to 13, else "cdS".
std::string GetIdCommand(int index, int receiverType);

// The preset list shows 64 names for these receiver types, else 10.
int PresetListLengthAfterEdit(int panTiltType, int cameraType);

// "S" + address and monitor, three digits each.
std::string MonitorCommand(int cameraAddress, int monitor);

// The new-address box as a number: digits only, nothing when it is empty or
// holds anything else.
std::optional<int> ParseNewAddress(const std::string& text);
// The message that refuses a new address for the protocol, or nullptr. The
// box takes 0 to 16384 whatever the protocol.
const char* NewAddressRefusal(int protocol, int newAddress, int cameraAddress);
constexpr const char* kInvalidNewAddress = "Invalid New Address Entry";
// "As" + the new address: three digits, five for protocol 4 (Philips).
std::string SetAddressCommand(int protocol, int newAddress);

// A position text as sent: upper case, left-padded with '0' to width, its
// hex letters sent as ':' to '?'.
std::string EncodePosition(const std::string& text, size_t width);

// The position "Goto": either the refusal (message and the field to fix,
// 0 pan, 1 tilt, 2 zoom, 3 focus) or the two commands to queue.
struct PositionGotoCommand {
    const char* refusal = nullptr;
    int field = -1;
    std::string panTilt; // "p..." or "cp..."
    std::string zoomFocus; // "v..."
};
PositionGotoCommand PositionGotoCommands(const std::string& pan, const std::string& tilt, const std::string& zoom,
                                  const std::string& focus, int receiverType);

// The entry a console-run tour visits next, from step on (wrapping), or
// nothing when no entry is in the tour.
std::optional<int> NextTourEntry(const std::array<int, 10>& flags, int step);

// Receiver types whose tours run in the camera ("*TS"), the console, or neither.
enum class TourKind { Console, Camera, None };
TourKind TourKindFor(int receiverType);
// "*TS" + ('1' + zone) + '1' to start, '0' to stop.
std::string CameraTourCommand(int zone, bool start);
