#pragma once
#include <string>

// The 55X lens behind its 9100 receiver, as its two windows drive it: the
// iris moves while "cIO" or "cIC" holds it ("IS" stops it), "Hk" switches
// the 2X extender, the reticle key comes as "Hl" then "Hn", back focus is
// stepped with "PL" and "PR" and set automatically with "L2", and the
// lens's own menu ("Hp" opens it, "Ho" leaves it) is walked with the same
// keys: "TU" and "TD" move through its items, "PL" and "PR" change the
// item's value, "L2" takes it; "Hm" and a lone "Hl" switch pairing and
// bypass. Zoom and focus motions are the camera's own.
class SimLens55x {
public:
    static constexpr int kMenuItems = 8;
    static constexpr int kBackFocusMax = 100;

    struct Settings {
        int irisMotion = 0;   // -1 closing, 0 still, 1 opening
        bool twoX = false;
        bool reticle = false;
        bool pair = false;
        bool bypass = false;
        int backFocus = kBackFocusMax / 2; // 0 near to kBackFocusMax far
        int autoBackFocus = 0; // how often it was asked for
        bool menuOpen = false;
        int menuItem = 0;      // 0 to kMenuItems - 1
        int menuValues[kMenuItems] = {};
        int menuTaken = 0;     // how often an item was taken
    };

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }

    // A command text as the lens hears it; true when it is the lens's.
    // The 55X answers none of them with more than its acknowledgement.
    bool Handle(const std::string& text);

private:
    Settings settings_;
    bool reticleKey_ = false; // "Hl" heard, "Hn" would complete the reticle key
};
