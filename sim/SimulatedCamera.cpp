#include "SimulatedCamera.h"

#include <cstdio>

namespace {
std::string Digits(int value, int width)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

char Digit(int value)
{
    return static_cast<char>('0' + (value & 0x0F));
}
} // namespace

char SimulatedCamera::LatchCharacter() const
{
    return static_cast<char>('0' | (state_.manualIris ? 1 : 0) | (state_.cameraPower ? 2 : 0) |
                             (state_.lensFast ? 4 : 0) | (state_.autoFocusOnPtz ? 8 : 0));
}

void SimulatedCamera::Handle(const SimFrameReader::Frame& frame)
{
    if (frame.kind == SimFrameReader::Kind::Binary)
        HandleRecord(frame.text);
    else
        HandleText(frame.text);
}

std::string SimulatedCamera::AddressReply() const
{
    const int address = options().address;
    return "A" + Digits(address, address >= 10000 ? 5 : address >= 1000 ? 4 : 3);
}

// 'b' status: fields at fixed places from the letter on, '0' between them.
std::string SimulatedCamera::StatusReply() const
{
    std::string t(38, '0');
    t[0] = 'b';
    t[1] = 'L';
    t[2] = LatchCharacter();
    t[3] = 'A';
    t[4] = Digit(state_.manualFocus);
    t[9] = 'P';
    t[10] = Digit(options().protocol);
    t[11] = 'v';
    t[12] = Digit(state_.videoType);
    t[13] = 'p';
    t[14] = Digit(state_.lineLockPhase);
    t[36] = 'F';
    t[37] = state_.freeze;
    return t;
}

// 'c' status of the Day/Night cameras: the same fields further on.
std::string SimulatedCamera::ShiftedStatusReply() const
{
    std::string t(27, '0');
    t[0] = 'c';
    t[1] = 'S';
    t[11] = 'L';
    t[12] = LatchCharacter();
    t[13] = 'A';
    t[14] = Digit(state_.manualFocus);
    t[19] = 'P';
    t[20] = Digit(options().protocol);
    t[21] = 'v';
    t[22] = Digit(state_.videoType);
    t[23] = 'p';
    t[24] = Digit(state_.lineLockPhase);
    t[25] = 'F';
    t[26] = state_.freeze;
    return t;
}

std::string SimulatedCamera::PositionReply() const
{
    const int width = options().receiverType == 9 ? 5 : 4;
    return "cP" + Digits(state_.pan, width) + Digits(state_.tilt, width);
}

void SimulatedCamera::HandleText(const std::string& text)
{
    if (text == "A?")
        Reply(AddressReply());
    else if (text == "L?" || text == "L?H?")
        Reply(std::string("L") + LatchCharacter());
    else if (text == "bDS")
        Reply(StatusReply());
    else if (text == "cDS")
        Reply(ShiftedStatusReply());
    else if (text == "cPS")
        Reply(PositionReply());
    else if (text == "LP")
        state_.cameraPower = !state_.cameraPower;
    else if (text == "LL")
        state_.lensFast = !state_.lensFast;
    else if (text == "LM")
        state_.manualIris = !state_.manualIris;
    else if (text == "L6")
        state_.autoFocusOnPtz = !state_.autoFocusOnPtz;
    else if (text == "cIM" || text == "cIA" || text == "bIM" || text == "bIA")
        state_.manualIris = text[2] == 'M';
    else if (text == "cFM" || text == "cFA") {
        state_.manualFocus = text[2] == 'M';
        Reply(state_.manualFocus ? "cL1" : "cL0");
    } else if (text == "bFM" || text == "bFA")
        state_.manualFocus = text[2] == 'M';
}

// Every Javelin record is answered with a 10-byte status frame: FF 08, the
// record's bytes 2 to 6, 00, the status byte and the checksum.
void SimulatedCamera::HandleRecord(const std::string& record)
{
    if (record.size() < 7)
        return;
    const int protocol = options().protocol;
    const uint8_t group = static_cast<uint8_t>(record[3]);
    const uint8_t code = static_cast<uint8_t>(record[6]);
    const uint8_t irisBit = protocol == 3 ? 0x08 : protocol == 9 ? 0x02 : 0x01;
    const uint8_t focusBit = protocol == 9 ? 0x01 : 0x10;
    if (group == 6) {
        if (code == 0x40)
            state_.cameraPower = !state_.cameraPower;
        else if (code == (protocol == 9 ? 0x02 : 0x08))
            state_.manualIris = !state_.manualIris;
        else if (code == (protocol == 9 ? 0x01 : 0x10))
            state_.manualFocus = !state_.manualFocus;
    }
    uint8_t frame[10] = {0xFF, 0x08};
    for (int i = 2; i <= 6; ++i)
        frame[i] = static_cast<uint8_t>(record[i]);
    frame[7] = 0;
    frame[8] = static_cast<uint8_t>((state_.manualIris ? irisBit : 0) | (state_.manualFocus ? focusBit : 0) |
                                    (state_.cameraPower ? 0x40 : 0));
    uint8_t sum = 0;
    for (int i = 1; i <= 8; ++i)
        sum = static_cast<uint8_t>(sum + frame[i]);
    frame[9] = static_cast<uint8_t>(-sum);
    Send(frame, sizeof frame);
}
