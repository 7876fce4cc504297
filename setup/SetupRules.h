#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the Setup dialog decides: command texts, entry checks, which controls
// each receiver type enables, and how a reply frame is read.

// A command followed by the character '0' + index (10 to 15 become ':' to '?').
std::string DigitCommand(std::string_view prefix, int index);

// "SetBaud" for a baud index 0-7: "Bs9600" ... "Bs576K"; receiver type 6
// ("LCU") uses "bs" for the rates up to 9600. Empty for any other index.
std::string SetBaudCommand(int receiverType, int baudIndex);

// Elevation "Set": the text's leading integer must be 0 to 10000.
constexpr int kMaximumElevation = 10000;
bool ElevationAccepted(std::string_view text);

// Serial number "Set": filled on the left with '0' to seven characters.
constexpr size_t kSerialNumberLength = 7;
std::string PadSerialNumber(std::string_view text);

// LCU host baud "Set": the four characters sent after "bs", or nothing when
// the text is not one of the rates the LCU knows.
std::optional<std::string> HostBaudField(std::string_view text);

// LCU address "Set": the message to show for an address the LCU protocol
// does not take, or nullptr. An address that does not fit the command's
// digits is refused for every protocol. consoleAddress is the console's
// current camera address (Pelco P takes any address while it is 255).
const char* CheckLcuAddress(int lcuProtocol, int address, int consoleAddress);
// "As" and the address in three digits, five for Philips (LCU protocol 4).
std::string LcuAddressCommand(int lcuProtocol, int address);

// What choosing a receiver type does to the dialog. The common state comes
// first (video, camera protocol and firmware off, "SetBaud" and every P/T
// radio on, the LCU group off), then the type's own row.
enum class Switch : uint8_t { Keep, On, Off };
enum class PtRadios : uint8_t { All, FixedOnly, VarOnly, None };

struct ReceiverTypeState {
    PtRadios ptRadios = PtRadios::All;
    Switch speedBoxes = Switch::Keep;
    Switch flip = Switch::Keep;
    Switch direction = Switch::Keep;
    Switch lensMaintenance = Switch::Keep;
    Switch otherSetup = Switch::Keep;
    Switch video = Switch::Off;
    Switch cameraProtocol = Switch::Off;
    Switch firmware = Switch::Off; // camera firmware box and "Get", elevation box and "Set"
    Switch setBaud = Switch::On;
    Switch lcuGroup = Switch::Off;
    int cameraType = 0;         // the camera type afterwards
    bool fixedPanTilt = false;  // PtKind becomes 0
    bool sendFixed = false;     // and "s0" is queued
    bool showValues = true;     // the controls show the new values
};

// opening: the state the dialog opens with for the stored type, which
// differs from choosing the type in the list.
ReceiverTypeState ReceiverTypeSelection(int receiverType, int cameraType, bool opening);

// The "Port" entry to select: the one named portName, else the stored index
// when it is inside the list, else none (-1).
int InitialPortSelection(const std::vector<std::string>& ports, const std::string& portName, int portIndex);
// The port number of an entry: n for "COMn", else its position counted from 1.
int PortNumberForEntry(const std::string& name, int index);

// A reply frame as the Setup dialog reads it. Address byte 0xFE carries a
// 16-bit address in the low four bits of the next four bytes.
struct SetupReply {
    int address = 0;
    char letter = 0;
    const uint8_t* data = nullptr; // the bytes after the letter
    size_t size = 0;               // up to the checksum
};
std::optional<SetupReply> ReadSetupReply(const uint8_t* frame, size_t length);

// A text field: up to the first zero byte, leaving out bytes of 127 and more.
std::string ReplyText(const uint8_t* data, size_t size);
// The serial number: up to the first zero byte or byte of 128 and more,
// leaving out 127, then up to three leading '0' skipped.
std::string ReplySerialNumber(const uint8_t* data, size_t size);
