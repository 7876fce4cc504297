#include "FindAddressCodec.h"

void AddressSearch::Start(int current)
{
    saved = current;
    address = 0;
    progress = 0;
    running = true;
    found = false;
}

AddressSearch::Tick AddressSearch::Step()
{
    if (!running)
        return Tick::Idle;
    if (progress < kProgressMaximum)
        ++progress;
    ++address;
    if (address > kLastAddress) {
        running = false;
        return Tick::Exhausted;
    }
    return Tick::Poll;
}

void AddressSearch::Retry()
{
    progress = 0;
    address = 0;
    running = true;
    found = false;
}

void AddressSearch::Found()
{
    running = false;
    found = true;
}

std::string ResponseReceivedText(int address)
{
    return "Response received: Camera " + std::to_string(address);
}

std::string SearchProgressText(int address)
{
    if (address < 1 || address > AddressSearch::kLastAddress)
        return {};
    return "Address " + std::to_string(address) + " of " + std::to_string(AddressSearch::kLastAddress);
}
