#include "DayNightCodec.h"

#include "StatusWalk.h"

namespace {
using M = DayNightMembers;

void ApplyLineLock(M& m, ReplyView v)
{
    const int d = v.DigitAt(0);
    if (d >= 0 && d < 7) {
        m.crystal = d == 0 ? 1 : 0;
        if (d > 0)
            m.phase = d - 1;
    }
    m.initialising = false;
}

void ApplyScan(M& m, ReplyView v)
{
    m.progressive = v[0] == 'o' ? 0 : v[0] == 'O' ? 1 : -1;
    m.field = v[1] == '0' ? 0 : v[1] == '1' ? 1 : -1;
}

void ApplyIndoor(M& m, ReplyView v)
{
    const int d = v.DigitAt(0);
    if (d >= 0)
        m.indoor = d <= 1 ? d : -1;
}

// The camera's status string: key, value width, apply, follow-up request.
const StatusWalk<M> kStatus = {
    {"B", 1, DigitField(&M::blc, 0, 1)},
    {"C", 1, DigitField(&M::baud, 0, 3)},
    {"D", 1, DigitField(&M::digitalZoom, 0, 4)},
    {"M", 1, DigitField(&M::dayNight, 0, 2)},
    {"S", 1, DigitField(&M::shutter, 0, 15)},
    {"Y", 1, DigitField(&M::wdr, 0, 1)},
    {"n", 1, DigitField(&M::poll, 0, 1)},
    {"F", 1, CharField(&M::freeze, {{'o', 0}, {'O', 1}}, -1)},
    {"G", 1, Offset16Field(&M::maxAgc, 1, 40), "cAS"},
    {"WL", 1, DigitField(&M::lightLevel, 0, 1), "cWSDS"},
    {"WSD", 1, DigitField(&M::dayShutter, 0, 10), "cWSNS"},
    {"WSN", 1, DigitField(&M::nightShutter, 0, 10)},
    {"W", 1, DigitField(&M::whiteBalance, 0, 2)},
    {"k", 1, DigitField(&M::slowLimit, 0, 5)},
    {"p", 1, ApplyLineLock},
    {"s", 2, ApplyScan, "cGS"},
    {"w", 1, ApplyIndoor},
};

void ApplyEis(ReplyView t, M& m, DayNightReply& r)
{
    const int d = t.DigitAt(1);
    if (d == 0 || d == 1) {
        m.eis = d;
        if (d == 1)
            m.digitalZoom = 0;
        r.followUps.emplace_back("cEFS");
        return;
    }
    if (t[1] != 'F')
        return;
    const int f = t.DigitAt(2);
    if (f == 0 || f == 1) {
        m.eisFrequency = f;
        r.followUps.emplace_back("cEPS");
    }
    r.followUps.emplace_back("cZmS");
    r.askTr6204 = true;
}

void ApplyAperture(ReplyView t, M& m, DayNightReply& r)
{
    const int mode = t.DigitAt(1);
    if (mode == 0 || mode == 1)
        m.apertureMode = mode;
    const int h = t.Has(4) ? t[3] - 16 : 0, v = t.Has(6) ? t[5] - 16 : 0;
    if (h >= 1 && h <= 31 && v >= 1 && v <= 31) {
        m.apertureH = h;
        m.apertureV = v;
    }
    r.followUps.emplace_back("cES");
}

bool Printable(ReplyView v)
{
    for (size_t i = 0; i < v.size; ++i)
        if (v.data[i] < 0x20 || v.data[i] > 0x7E)
            return false;
    return true;
}
} // namespace

DayNightReply DecodeDayNightReply(const uint8_t* frame, size_t length, bool javelin, DayNightMembers& m)
{
    DayNightReply r;
    if (javelin) {
        // The binary status: bit 0 colour allowed, both bits mono.
        if (length < 9 || frame[0] != 0xFF)
            return r;
        const int bits = frame[8] & 3;
        m.colourAllowed = bits & 1;
        m.dayNight = (bits & 1) == 0 ? 0 : bits == 3 ? 2 : 1;
        return r;
    }
    const ReplyView t = ReplyView::Text(frame, length);
    switch (t[0]) {
    case 0:
        break;
    case 'Z':
        if (t[2] >= 1 && t[2] <= 35 && t.Has(3))
            m.magnification = t[2] - 1;
        break;
    case 'V':
        if (t.Has(5) && Printable(ReplyView{t.data + 1, 4}))
            m.zoomPosition.assign(reinterpret_cast<const char*>(t.data + 1), 4);
        break;
    case 'E':
        ApplyEis(t, m, r);
        break;
    case 'A':
        ApplyAperture(t, m, r);
        break;
    default:
        WalkStatus(kStatus, t, m, r.followUps);
        break;
    }
    return r;
}
