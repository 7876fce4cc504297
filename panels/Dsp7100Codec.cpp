#include "Dsp7100Codec.h"

#include "ReplyView.h"

namespace {
// A decimal field inside its range, or -1.
int Value(ReplyView f, size_t at, size_t digits, int lo, int hi)
{
    const int v = f.DecimalAt(at, digits);
    return v >= lo && v <= hi ? v : -1;
}

void ApplyColour(ReplyView f, Dsp7100Members& m, Dsp7100Reply& r)
{
    if (f.size < 17 || f[4] < '0')
        return;
    r.applied = true;
    m.colourMode = f[4] & 1;
    if (const int v = Value(f, 14, 3, 0, 63); v >= 0) {
        m.colour = v;
        r.colour = true;
    }
}

void ApplyShutter(ReplyView f, Dsp7100Members& m, Dsp7100Reply& r)
{
    if (f.size < 8 || f[4] >= 0x40)
        return;
    r.applied = true;
    // Camera codes: 0 and 3 shutter auto, 1 shutter manual, 2 integration
    // manual, 4 integration extern; others leave no mode chosen.
    static const int kModes[16] = {0, 1, 3, 0, 2, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    m.shutterMode = kModes[f[4] & 0x0F];
    if (const int speed = Value(f, 5, 1, 0, 7); speed >= 0)
        m.speed = speed;
    if (const int v = Value(f, 6, 2, 0, 99); v >= 0) {
        m.integration = v == 0 ? 1 : v;
        r.integration = true;
    }
}

void ApplyGain(ReplyView f, Dsp7100Members& m, Dsp7100Reply& r)
{
    // Taken only when the text ends right after the gain digits.
    if (f.size != 8)
        return;
    r.applied = true;
    m.gainMode = f[4] & 1;
    if (const int v = Value(f, 5, 3, 0, 126); v >= 0) {
        m.gain = v;
        r.gain = true;
    }
}

void ApplyMisc(ReplyView f, Dsp7100Members& m, Dsp7100Reply& r)
{
    if (f.size != 15)
        return;
    r.applied = true;
    m.backlight = f[4] & 1;
    if (const int gamma = Value(f, 5, 1, 0, 7); gamma >= 0)
        m.gamma = gamma;
}
} // namespace

Dsp7100Reply DecodeDsp7100Reply(const uint8_t* frame, size_t length, Dsp7100Members& m)
{
    Dsp7100Reply r;
    const ReplyView f = ReplyView::Frame(frame, length);
    if (f[3] == 'W' || f[3] == 'V' || f[3] == 'G' || f[3] == 'Z' || f[3] == 'M')
        r.letter = static_cast<char>(f[3]);
    switch (f[3]) {
    case 'W': ApplyColour(f, m, r); r.nextStep = 1; break;
    case 'V': ApplyShutter(f, m, r); r.nextStep = 2; break;
    case 'G': ApplyGain(f, m, r); r.nextStep = 3; break;
    case 'Z': r.nextStep = 4; break;
    case 'M': ApplyMisc(f, m, r); break;
    default: break;
    }
    return r;
}
