#pragma once
#include <string>

// The address search of "Find Camera Address": one address per tick of the
// search timer, 1 to 223, each polled with "L?H?". The first reply the
// console recognises ends it; after address 223 the operator is asked
// whether to go round again. Plain C++: the window applies what it decides.
struct AddressSearch {
    static constexpr int kLastAddress = 223;
    static constexpr int kProgressMaximum = 255;
    static constexpr int kTickMs = 500;

    int saved = 1;    // the console's address when the search began
    int address = 0;  // the console's current address while searching
    int progress = 0; // the progress bar, 0-255
    bool running = false;
    bool found = false;

    enum class Tick { Poll, Exhausted, Idle };

    // Opening: the current address is kept to go back to, and the search
    // begins before the first address.
    void Start(int current);
    // One tick: the bar steps on and the next address is polled; past
    // address 223 the search stops and the operator is asked.
    Tick Step();
    // Retry after a pass without answer: from address 1 again.
    void Retry();
    // A camera answered at the current address.
    void Found();
};

// "Response received: Camera 17"
std::string ResponseReceivedText(int address);
// "Address 17 of 223" while an address is polled; empty before the first.
std::string SearchProgressText(int address);
