#include "Dsp723xCodec.h"

#include "ReplyView.h"

namespace {
// Reply letter, the member it reports, its range and the step after it.
struct Report {
    uint8_t letter;
    int Dsp723xMembers::*member;
    int hi;
    int nextStep;
};

constexpr Report kReports[] = {
    {'D', &Dsp723xMembers::zoomRange, 3, 2},
    {'I', &Dsp723xMembers::iris, 1, 3},
    {'S', &Dsp723xMembers::shutter, 12, 4},
    {'W', &Dsp723xMembers::whiteBalance, 5, 5},
    {'F', &Dsp723xMembers::focus, 1, 6},
    {'B', &Dsp723xMembers::blc, 1, 7},
    {'i', &Dsp723xMembers::integration, 1, 8},
};

constexpr const char* kQueries[] = {"cDS", "cIS", "cSS", "cWS", "cFS", "cBS", "ciS"};
} // namespace

const char* Dsp723xStatusQuery(int step)
{
    return step >= 1 && step < kDsp723xLastStep ? kQueries[step - 1] : nullptr;
}

char Dsp723xPresetCharacter(int preset)
{
    return static_cast<char>(preset <= 46 ? preset + 16 : preset + 49);
}

Dsp723xReply DecodeDsp723xReply(const uint8_t* frame, size_t length, Dsp723xMembers& m)
{
    Dsp723xReply r;
    const ReplyView f = ReplyView::Frame(frame, length);
    if (!f.Has(4) || f[0] == 0xFF)
        return r;
    for (const Report& report : kReports) {
        if (f[3] != report.letter)
            continue;
        const int d = f.DigitAt(4);
        if (d >= 0 && d <= report.hi)
            m.*report.member = d;
        r.nextStep = report.nextStep;
        // The backlight answer is followed by a longer pause.
        r.restartMs = report.letter == 'B' ? 500 : 5;
        break;
    }
    return r;
}
