#include "AddressRange.h"

AddressRange AddressRangeForProtocol(int protocol)
{
    switch (protocol) {
    case 1: return {1, 99, 2};     // American Dynamics
    case 2: return {1, 254, 3};    // Pelco D
    case 3:
    case 9: return {1, 999, 3};    // Javelin
    case 4: return {1, 16384, 5};  // Philips
    case 10: return {1, 30, 3};    // ICD
    case 12: return {0, 31, 2};    // Pelco P
    case 14: return {0, 95, 2};    // BBV
    default: return {1, 255, 3};   // Vexa, Vicon, Ernitec and the rest
    }
}

int PresetListLength(int receiverType)
{
    switch (receiverType) {
    case 5:
    case 7:
    case 8:
    case 9:
    case 11:
    case 12:
    case 13:
    case 14: return 64;
    default: return 10;
    }
}
