#include "SimLens55x.h"

#include <algorithm>

bool SimLens55x::Handle(const std::string& text)
{
    Settings& s = settings_;
    const bool reticleKey = reticleKey_;
    reticleKey_ = false;
    if (text == "cIO" || text == "cIC") {
        s.irisMotion = text[2] == 'O' ? 1 : -1;
    } else if (text == "IS") {
        s.irisMotion = 0;
    } else if (text == "Hk") {
        s.twoX = !s.twoX;
    } else if (text == "Hl") {
        // Bypass, unless "Hn" follows: then it was the reticle key.
        s.bypass = !s.bypass;
        reticleKey_ = true;
    } else if (text == "Hn") {
        if (!reticleKey)
            return true;
        s.bypass = !s.bypass;
        s.reticle = !s.reticle;
    } else if (text == "Hm") {
        s.pair = !s.pair;
    } else if (text == "Hp" || text == "Ho") {
        s.menuOpen = text[1] == 'p';
        s.menuItem = 0;
    } else if (text == "TU" || text == "TD") {
        if (s.menuOpen)
            s.menuItem = std::clamp(s.menuItem + (text[1] == 'D' ? 1 : -1), 0, kMenuItems - 1);
    } else if (text == "PL" || text == "PR") {
        const int step = text[1] == 'R' ? 1 : -1;
        if (s.menuOpen)
            s.menuValues[s.menuItem] += step;
        else
            s.backFocus = std::clamp(s.backFocus + step, 0, kBackFocusMax);
    } else if (text == "L2") {
        if (s.menuOpen)
            ++s.menuTaken;
        else
            ++s.autoBackFocus;
    } else {
        return false;
    }
    return true;
}
