#include "SimDsp723x.h"

namespace {
char Char(int n)
{
    return static_cast<char>('0' + n);
}
} // namespace

bool SimDsp723x::Handle(const std::string& text, bool manualIris, bool manualFocus, std::string& reply)
{
    reply.clear();
    if (text.size() != 3 || text[0] != 'c')
        return false;
    Settings& s = settings_;
    const char what = text[1], value = text[2];
    struct Setting {
        char letter;
        int* field;
        int hi;
    };
    const Setting settings[] = {
        {'D', &s.zoomRange, 3}, {'S', &s.shutter, 12}, {'W', &s.whiteBalance, 5},
        {'B', &s.blc, 1},       {'i', &s.integration, 1},
    };
    if (value == 'S') {
        // The status queries.
        for (const Setting& setting : settings)
            if (setting.letter == what) {
                reply = std::string("c") + what + Char(*setting.field);
                return true;
            }
        if (what == 'I' || what == 'F') {
            reply = std::string("c") + what + Char(what == 'I' ? manualIris : manualFocus);
            return true;
        }
        return false;
    }
    for (const Setting& setting : settings)
        if (setting.letter == what) {
            const int v = value - '0';
            if (v < 0 || v > setting.hi)
                return false;
            *setting.field = v;
            return true;
        }
    if (what == 'I' && (value == 'O' || value == 'C' || value == 's')) {
        s.irisMove = value;
        return true;
    }
    return false;
}
