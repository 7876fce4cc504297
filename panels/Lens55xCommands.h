#pragma once
#include <string>

// What the 55X lens windows send: the press-and-hold lens buttons with the
// speed chosen, the one stop for whichever motion was held, and the factory
// menu's five-button pad.

enum class Lens55xButton { ZoomIn, ZoomOut, FocusNear, FocusFar, IrisOpen, IrisClose };

// The motions a press holds until the mouse is let go.
struct Lens55xHeld {
    bool zoom = false;
    bool focus = false;
    bool iris = false;
};

// The body a press sends for the speed chosen (0 "Ultra Slow", 1 "Slow",
// 2 "Fast"; anything else: none chosen, the plain form). The iris has one
// speed. The press marks its motion held.
std::string Lens55xPress(Lens55xButton button, int speed, Lens55xHeld& held);

// The stop when the mouse is let go: "ZS" for a held zoom, else "FS" for
// a held focus, else "IS" for a held iris, else nothing. Nothing is held
// afterwards.
std::string Lens55xRelease(Lens55xHeld& held);

enum class FactoryPadButton { L, R, H, T, C };

// The factory menu pad: each press and each release of a pad button flips
// its flag, and the press that sets it sends the button's body ("PL",
// "PR", "TU", "TD", "L2"), so one press-and-release sends once.
std::string FactoryPadEvent(FactoryPadButton button, bool& flag);
