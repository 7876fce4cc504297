#include "Lens55xCommands.h"

std::string Lens55xPress(Lens55xButton button, int speed, Lens55xHeld& held)
{
    struct Form {
        const char* withSpeed; // followed by the speed digit
        const char* plain;     // no speed chosen
    };
    static constexpr Form kForms[] = {
        {"cZ", "ZI"}, {"cz", "ZO"}, {"cN", "FN"}, {"cF", "FF"},
    };
    switch (button) {
    case Lens55xButton::IrisOpen:
    case Lens55xButton::IrisClose:
        held.iris = true;
        return button == Lens55xButton::IrisOpen ? "cIO" : "cIC";
    case Lens55xButton::ZoomIn:
    case Lens55xButton::ZoomOut:
        held.zoom = true;
        break;
    case Lens55xButton::FocusNear:
    case Lens55xButton::FocusFar:
        held.focus = true;
        break;
    }
    const Form& f = kForms[static_cast<int>(button)];
    if (speed >= 0 && speed <= 2)
        return std::string(f.withSpeed) + static_cast<char>('0' + speed);
    return f.plain;
}

std::string Lens55xRelease(Lens55xHeld& held)
{
    const char* stop = held.zoom ? "ZS" : held.focus ? "FS" : held.iris ? "IS" : "";
    held = Lens55xHeld{};
    return stop;
}

std::string FactoryPadEvent(FactoryPadButton button, bool& flag)
{
    static constexpr const char* kBodies[] = {"PL", "PR", "TU", "TD", "L2"};
    flag = !flag;
    return flag ? kBodies[static_cast<int>(button)] : "";
}
