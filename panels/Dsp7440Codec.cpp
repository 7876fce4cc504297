#include "Dsp7440Codec.h"

#include "StatusWalk.h"

namespace {
using M = Dsp7440Members;

// The value of an item: the low four bits of its character.
int Low4(ReplyView v)
{
    return v[0] & 0x0F;
}

void ApplyEffectsE(M& m, ReplyView v)
{
    const int d = Low4(v);
    m.horizontalFlip = d >> 3 & 1;
    m.verticalFlip = d >> 2 & 1;
    m.rotate = d >> 1 & 1;
    m.freeze = d & 1;
}

void ApplyEffectse(M& m, ReplyView v)
{
    const int d = Low4(v);
    m.yInvert = d >> 3 & 1;
    m.cInvert = d >> 2 & 1;
    m.colourBars = d >> 1 & 1;
    m.monochrome = d & 1;
}

// 0 Auto, 1 Manual, 2-9 Manual with gain d-2.
void ApplyGain(M& m, ReplyView v)
{
    const int d = Low4(v);
    if (d > 9)
        return;
    m.gainMode = d == 0 ? 0 : 1;
    if (d >= 2)
        m.gain = d - 2;
}

void ApplyAgcMax(M& m, ReplyView v)
{
    const int agc = v.DecimalAt(0, 3);
    if (agc >= 1 && agc <= 255)
        m.agcMax = agc;
}

// 'I' no preset, 'd' the factory entry, a digit the entry after it.
void ApplyPreset(M& m, ReplyView v)
{
    if (v[0] == 'I')
        m.preset = -1;
    else if (v[0] == 'd')
        m.preset = 0;
    else if (v[0] >= '0' && v[0] <= '9')
        m.preset = v[0] - '0' + 1;
}

// 4 Auto, 15 Manual, 5-14 Manual at speed d-5.
void ApplyShutter(M& m, ReplyView v)
{
    const int d = Low4(v);
    if (d == 4) {
        m.shutterMode = 0;
    } else if (d >= 5) {
        m.shutterMode = 1;
        if (d <= 14)
            m.speed = d - 5;
    }
}

// The mode, and for User the red and blue gains after their separators.
size_t WhiteBalanceWidth(ReplyView v)
{
    return Low4(v) == 2 ? 9 : 1;
}

void ApplyWhiteBalance(M& m, ReplyView v)
{
    const int d = Low4(v);
    if (d > 2)
        return;
    m.whiteBalance = d;
    if (d != 2)
        return;
    const int red = v.DecimalAt(2, 3), blue = v.DecimalAt(6, 3);
    if (red >= 0 && red < 256)
        m.red = red;
    if (blue >= 0 && blue < 256)
        m.blue = blue;
}

// 0 Off, 1 On, 2 and more On with the mode d-2.
void ApplyBlc(M& m, ReplyView v)
{
    const int d = Low4(v);
    m.blc = d == 0 ? 0 : 1;
    if (d >= 2 && d - 2 <= 3)
        m.blcMode = d - 2;
}

void ApplyGamma(M& m, ReplyView v)
{
    const int d = Low4(v);
    if (d <= 9)
        m.gamma = d;
}

// 0 Off, 1 On, 2-12 On with the length d-2.
void ApplyIntegration(M& m, ReplyView v)
{
    const int d = Low4(v);
    if (d > 12)
        return;
    m.integration = d == 0 ? 1 : 0;
    if (d >= 2)
        m.length = d - 2;
}

const StatusWalk<M> kStatus = {
    {"E", 1, ApplyEffectsE},
    {"e", 1, ApplyEffectse},
    {"G", 1, ApplyGain},
    {"M", 3, ApplyAgcMax},
    {"P", 1, ApplyPreset},
    {"S", 1, ApplyShutter},
    {"W", 1, ApplyWhiteBalance, nullptr, WhiteBalanceWidth},
    {"Y", 1, ApplyBlc},
    {"g", 1, ApplyGamma},
    {"i", 1, ApplyIntegration},
};
} // namespace

int Dsp7440EffectsE(const M& m)
{
    return (m.horizontalFlip ? 8 : 0) | (m.verticalFlip ? 4 : 0) | (m.rotate ? 2 : 0) | (m.freeze ? 1 : 0);
}

int Dsp7440Effectse(const M& m)
{
    return (m.yInvert ? 8 : 0) | (m.cInvert ? 4 : 0) | (m.colourBars ? 2 : 0) | (m.monochrome ? 1 : 0);
}

Dsp7440Exposure Dsp7440ExposureEnabling(const M& m)
{
    const int g = m.gainMode, i = m.integration, s = m.shutterMode;
    auto is = [&](int gg, int ii, int ss) { return g == gg && i == ii && s == ss; };
    Dsp7440Exposure e;
    e.gain = is(1, 0, 1) || is(1, 1, 0) || is(1, 1, 1);
    e.speed = is(0, 1, 1) || is(1, 1, 1);
    e.length = is(1, 0, 1);
    return e;
}

bool DecodeDsp7440Reply(const uint8_t* frame, size_t length, M& m)
{
    ReplyView text = ReplyView::Text(frame, length);
    // The items end at the first byte of 0x80 or above.
    for (size_t i = 0; i < text.size; ++i)
        if (text.data[i] >= 0x80) {
            text.size = i;
            break;
        }
    if (text.size == 0 || (frame && length > 0 && frame[0] == 0xFF))
        return false;
    std::vector<std::string> none;
    WalkStatus(kStatus, text, m, none);
    return true;
}
