// Feeds arbitrary line bytes through reply assembly and the receive text.
#include "ReceiveStateMachine.h"
#include "TrafficText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the frame mode and the grammar switches.
    const int mode = data[0] & 1;
    const uint8_t switches = data[0];
    ReceiveStateMachine machine;
    char text[kRxTextSize];
    for (size_t i = 1; i < size; ++i) {
        const bool ascii = ((switches >> (i % 7 + 1)) & 1) == 0;
        if (machine.Feed(data[i], ascii, mode) == ReceiveStateMachine::Event::Frame)
            FormatRxFrame(machine.frame(), machine.frameLength(), mode, text);
    }
    return 0;
}
