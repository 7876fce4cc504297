#include "StatusPoll.h"

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
