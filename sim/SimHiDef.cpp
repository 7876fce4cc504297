#include "SimHiDef.h"

namespace {
// The exposure levels travel as '0' plus 7, 9, 11 or 13.
char ExposureCharacter(int index)
{
    return static_cast<char>('0' + 7 + 2 * index);
}

int Value(const std::string& text, int lo, int hi)
{
    if (text.size() != 3)
        return -1;
    const int v = text[2] - '0';
    return v >= lo && v <= hi ? v : -1;
}
} // namespace

bool SimHiDef::Handle(const std::string& text, std::string& reply)
{
    reply.clear();
    if (text.size() < 3 || text[0] != 'c')
        return false;
    Settings& s = settings_;
    if (text == "cDS") {
        reply = "cD";
        reply += static_cast<char>('0' + s.zoomRange);
        reply += 'e';
        reply += ExposureCharacter(s.exposure);
        reply += 'v';
        reply += static_cast<char>('0' + s.videoMode);
        return true;
    }
    if (text == "ceu" || text == "ced") {
        if (text[2] == 'u' && s.exposure < 3)
            ++s.exposure;
        else if (text[2] == 'd' && s.exposure > 0)
            --s.exposure;
        return true;
    }
    const char key = text[1];
    if (key == 'e') {
        for (int i = 0; i < 4; ++i)
            if (text.size() == 3 && text[2] == ExposureCharacter(i)) {
                s.exposure = i;
                return true;
            }
        return false;
    }
    int* setting = key == 'D' ? &s.zoomRange : key == 'v' ? &s.videoMode : nullptr;
    const int v = Value(text, 0, key == 'D' ? 5 : 7);
    if (!setting || v < 0)
        return false;
    *setting = v;
    return true;
}
