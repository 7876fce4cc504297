// Feeds arbitrary bytes, taken as one whole reply frame, to every panel's
// and dialog's reply codec.
#include "PanelCodecs.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DecodeWithPanelCodecs(data, size);
    return 0;
}
