#include "PrivacyZoneCodec.h"

#include "ReplyView.h"

namespace {
using M = PrivacyZoneMembers;

// 'Z': the zone's letter, its programmed flag and its mode.
void ApplyZoneStatus(ReplyView v, M& m)
{
    m.programmed = v[1] == '0' || v[1] == '1' ? v[1] & 0x0F : -1;
    m.mode = v[2] >= '0' && v[2] <= '2' ? v[2] & 0x0F : -1;
}

// One mask colour and its transparency; a colour outside the list leaves both.
void ApplyColour(uint8_t colour, uint8_t transparency, int& value, int& transparent)
{
    const int c = colour - '0';
    if (c < 0 || c >= M::kColourCount)
        return;
    value = c;
    transparent = transparency == '0' ? 0 : 1;
}

void ApplySize(ReplyView v, int& size)
{
    const int value = v.DecimalAt(0, 3);
    if (value >= 0 && value <= M::kSizeMax)
        size = value;
}
} // namespace

PrivacyZoneReply DecodePrivacyZoneReply(const uint8_t* frame, size_t length, M& m)
{
    PrivacyZoneReply r;
    const ReplyView f = ReplyView::Frame(frame, length);
    if (f[3] == 'P') {
        const int pan = f.DecimalAt(4, 4), tilt = f.DecimalAt(8, 4);
        if (pan < 0 || tilt < 0)
            return r;
        // Four digits each, leading zeros kept: as the camera sent them.
        m.pan.assign(reinterpret_cast<const char*>(f.data + 4), 4);
        m.tilt.assign(reinterpret_cast<const char*>(f.data + 8), 4);
        r.position = true;
        return r;
    }
    size_t i = f[1] == 0xFE ? 6 : 4;
    while (i < f.size && f[i] != 0) {
        const ReplyView item = f.From(i);
        switch (item[0]) {
        case 'Z':
            if (item.Has(4)) {
                ApplyZoneStatus(item.From(1), m);
                r.askColours = true;
            }
            return r;
        case 'C':
            if (item.Has(7)) {
                ApplyColour(item[2], item[3], m.programmingColour, m.programmingTransparency);
                ApplyColour(item[5], item[6], m.liveColour, m.liveTransparency);
                r.askSize = true;
            }
            return r;
        case 'h':
            ApplySize(item.From(1), m.horizontalSize);
            // The camera may report both sizes together.
            if (item[4] == 'v')
                ApplySize(item.From(5), m.verticalSize);
            return r;
        case 'v':
            ApplySize(item.From(1), m.verticalSize);
            return r;
        case 'T':
            i += 3;
            break;
        default:
            ++i;
            break;
        }
    }
    return r;
}

char ZoneLetter(int zone)
{
    return static_cast<char>('A' + (zone >= 0 && zone < M::kZoneCount ? zone : 0));
}

GotoCheck CheckGoto(std::string_view pan, std::string_view tilt)
{
    auto fourDigits = [](std::string_view text) {
        if (text.size() != 4)
            return false;
        for (char c : text)
            if (c < '0' || c > '9')
                return false;
        return true;
    };
    if (!fourDigits(pan))
        return GotoCheck::BadPan;
    if (!fourDigits(tilt))
        return GotoCheck::BadTilt;
    return GotoCheck::Ok;
}
