// Feeds arbitrary file contents to the command-log parser and checks what
// it hands to playback.
#include "CommandLog.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const CommandLogParse parse = ParseCommandLog(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const PlaybackRecord& r : parse.records) {
        if (r.text.size() > PlaybackRecord::kMaxText)
            std::abort();
        (void)PlaybackHaltCommand(r.text);
    }
    if (!parse.ok && !parse.records.empty())
        std::abort();
    return 0;
}
