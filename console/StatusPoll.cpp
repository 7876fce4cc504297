#include "StatusPoll.h"

#include <initializer_list>

const char* StatusPollCommand(int receiverType, int videoSource, int protocol)
{
    const bool javelin = protocol == 3 || protocol == 9;
    switch (receiverType) {
    case 5:
    case 7:
    case 8:
    case 9:
    case 11: return javelin ? nullptr : "cDS";
    case 12: return javelin || (videoSource != 0 && videoSource != 1) ? nullptr : "L?";
    case 13: return "bDS";
    default: return "L?";
    }
}

bool StatusPollIsJavelin(int receiverType, int protocol)
{
    const bool javelin = protocol == 3 || protocol == 9;
    switch (receiverType) {
    case 5: case 7: case 8: case 9: case 11: case 12: return javelin;
    default: return false;
    }
}

namespace {
bool Dome(int receiverType, std::initializer_list<int> set)
{
    for (int s : set)
        if (s == receiverType)
            return true;
    return false;
}
} // namespace

PeriodicStatus PeriodicStatusRequest(int receiverType, int protocol, int videoSource, int counter)
{
    const bool second = counter == 1;
    if (!Dome(receiverType, {5, 7, 8, 9, 11, 12, 13, 14}))
        return {false, second ? "H?" : "L?"};
    if (protocol == 3 || protocol == 9)
        return {true, nullptr};
    if (receiverType == 13)
        return {false, "bDS"};
    if (receiverType == 12 && videoSource == 1)
        return {false, "L?"};
    return {false, second ? "cDS" : "L?"};
}

const char* PeriodicPositionRequest(int receiverType, bool zoomHeld, int counter)
{
    if (zoomHeld || counter == 1)
        return "V?";
    return Dome(receiverType, {5, 7, 11, 12, 13, 14}) ? "cPS" : "P?";
}
