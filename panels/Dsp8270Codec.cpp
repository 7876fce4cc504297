#include "Dsp8270Codec.h"

#include "ReplyView.h"

namespace {
void Take(int& member, int value, int lo, int hi)
{
    if (value >= lo && value <= hi)
        member = value;
}

void ApplyStatusRecord(ReplyView t, Dsp8270Members& m)
{
    m.iris = t[1] & 1;
    const int blc = t.DigitAt(17);
    if (blc >= 0 && blc <= 2) {
        m.blc = blc;
        m.blcArea = -1;
        if (blc != 0)
            Take(m.blcArea, t.DigitAt(18), 0, 4);
    }
    Take(m.dayNight, t.DigitAt(20), 0, 2);
    Take(m.whiteBalance, t.DigitAt(22), 0, 3);
    Take(m.red, t.DecimalAt(23, 3), 0, 255);
    Take(m.blue, t.DecimalAt(26, 3), 0, 255);
    Take(m.shutter, t.DigitAt(30), 0, 7);
    Take(m.integration, t.DigitAt(32), 0, 9);
    Take(m.zoomLimit, t.DigitAt(34), 0, 3);
    m.freeze = t[36] == 'o' ? 0 : t[36] == 'O' ? 1 : -1;
    Take(m.maxGain, t.DecimalAt(38, 3), 0, 255);
    Take(m.brightness, t.DecimalAt(42, 2), 0, 48);
    Take(m.sharpness, t.DigitAt(45), 0, 15);
    m.manualShutter = t[47] & 1;
    m.autoAll = !m.manualShutter;
}
} // namespace

void DecodeDsp8270Reply(const uint8_t* frame, size_t length, Dsp8270Members& m)
{
    const ReplyView t = ReplyView::Text(frame, length);
    if (t.size == 0)
        return;
    if (t[0] == 'W' && (t[1] == 'R' || t[1] == 'B')) {
        Take(t[1] == 'R' ? m.red : m.blue, t.DecimalAt(2, 3), 0, 255);
    } else if (t[0] == 's') {
        Take(m.sharpness, t.DigitAt(1), 0, 15);
    } else if (t[0] == 'b') {
        Take(m.brightness, t.DecimalAt(1, 2), 0, 48);
    } else if (t.Has(kDsp8270StatusLength)) {
        ApplyStatusRecord(t, m);
    }
}
