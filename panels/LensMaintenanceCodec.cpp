#include "LensMaintenanceCodec.h"

#include "ReplyView.h"

int LensTypeBits(const LensMaintenanceMembers& m)
{
    int bits = 0;
    for (size_t i = 0; i < m.lensType.size(); ++i)
        if (m.lensType[i])
            bits |= 1 << i;
    return bits;
}

void SetLensTypeBits(LensMaintenanceMembers& m, int bits)
{
    for (size_t i = 0; i < m.lensType.size(); ++i)
        m.lensType[i] = (bits >> i) & 1;
}

std::string LensTypeCommand(const LensMaintenanceMembers& m)
{
    return std::string("ml") + static_cast<char>('0' + LensTypeBits(m));
}

namespace {
using M = LensMaintenanceMembers;

// A digit '0' plus n, taken when n lies in lo..hi.
void TakeDigit(ReplyView t, size_t at, int lo, int hi, int& field)
{
    const int d = t.DigitAt(at);
    if (d >= lo && d <= hi)
        field = d;
}

// The status record: voltage at 0, then letter/value pairs at fixed places.
void ApplyStatusRecord(ReplyView t, M& m)
{
    TakeDigit(t, 0, 0, 2, m.voltage);
    if (t[1] == 'l') {
        const int bits = t.DigitAt(2);
        if (bits >= 0 && bits <= 15)
            SetLensTypeBits(m, bits);
    }
    if (t[3] == 'v')
        TakeDigit(t, 4, 0, 1, m.video);
    if (t[5] == 'p') {
        // 0: on the crystal; 1 to 6: phase 0 to 5.
        const int d = t.DigitAt(6);
        if (d == 0)
            m.crystal = 1;
        else if (d >= 1 && d <= 6) {
            m.crystal = 0;
            m.phase = d - 1;
        }
    }
    if (t[7] == 'c')
        TakeDigit(t, 8, 0, 5, m.camera);
    m.initialising = false;
}
} // namespace

LensMaintenanceReply DecodeLensMaintenanceReply(const uint8_t* frame, size_t length, LensMaintenanceMembers& m)
{
    LensMaintenanceReply r;
    const ReplyView all = ReplyView::Frame(frame, length);
    // The class letter stands just before the reply text.
    const size_t textAt = all[1] == 254 ? 7 : 3;
    if (!all.Has(textAt + 1) || all[textAt - 1] != 'm')
        return r;
    const ReplyView t = all.From(textAt);
    r.taken = true;
    switch (t[0]) {
    case 'R':
        if (t.Has(2))
            m.ir = t[1] & 3;
        break;
    case 'X':
        if (t.Has(2))
            m.twoX = t[1] & 1;
        r.followUp = "mRS";
        break;
    default:
        ApplyStatusRecord(t, m);
        r.followUp = "mXS";
        break;
    }
    return r;
}

bool ServicePasswordAccepted(std::string_view typed)
{
    return typed.substr(0, kServicePasswordLength) == kServicePassword;
}
