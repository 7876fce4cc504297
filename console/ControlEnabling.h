#pragma once
#include <map>

// Which console controls are enabled for the attached receiver and camera:
// the decisions of EnableControlsForTypes, for the window to apply. Controls
// not named keep the state they had.
struct ControlEnabling {
    std::map<int, bool> enabled; // control id -> enabled
    int videoSource = 0;         // receiver type 12 resets a source other than 0 or 1

    bool IsEnabled(int id) const
    {
        auto it = enabled.find(id);
        return it != enabled.end() && it->second;
    }
    bool Decides(int id) const { return enabled.count(id) != 0; }
};

ControlEnabling EnableControlsForTypes(int receiverType, int cameraType, int videoSource, int protocol);
