#include "AddressCheck.h"

#include <iterator>

namespace {
struct Limit {
    int protocol;
    int low;   // first rejected address
    int high;  // last rejected address
    const char* message;
};

constexpr int kMax = 0x7FFFFFFF;

constexpr Limit kCommandLimits[] = {
    {0, 256, kMax, "Exceeding Camera Address Range"},
    {1, 100, kMax, "Exceeding Camera Address Range of 99"},
    {2, 255, kMax, "Exceeding Camera Address Range of 254"},
    {3, 1000, kMax, "Exceeding Camera Address Range of 999"},
    {9, 1000, kMax, "Exceeding Camera Address Range of 999"},
    {4, 16385, kMax, "Exceeding Camera Address Range of 16384"},
    {5, 256, kMax, "Exceeding Camera Address Range of 255"},
    {10, 31, kMax, "Exceeding Camera Address Range of 30"},
    {12, 32, 254, "Exceeding Camera Address Range of 32, use broadcast address 255"},
};

constexpr Limit kPrefixedLimits[] = {
    {0, 256, kMax, nullptr}, {5, 256, kMax, nullptr},   {1, 100, kMax, nullptr},
    {2, 255, kMax, nullptr}, {3, 1000, kMax, nullptr},  {9, 1000, kMax, nullptr},
    {4, 16385, kMax, nullptr}, {12, 32, 254, nullptr},
};

const Limit* Rejecting(const Limit* begin, const Limit* end, int protocol, int address)
{
    for (const Limit* l = begin; l != end; ++l)
        if (l->protocol == protocol && address >= l->low && address <= l->high)
            return l;
    return nullptr;
}
} // namespace

const char* CheckCommandAddress(int protocol, int address, bool playbackRunning)
{
    if (protocol == 0 && playbackRunning)
        return nullptr;
    const Limit* l = Rejecting(std::begin(kCommandLimits), std::end(kCommandLimits), protocol, address);
    return l ? l->message : nullptr;
}

const char* CheckPrefixedAddress(int protocol, int address)
{
    const Limit* l = Rejecting(std::begin(kPrefixedLimits), std::end(kPrefixedLimits), protocol, address);
    return l ? "Exceeding Camera Address Range" : nullptr;
}
