// Feeds arbitrary file contents to the PRESET.DAT reader and checks what it
// hands to the DSP 7100 panel; what it reads is written back the same.
#include "PresetFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const PresetFileNames names = ParsePresetFile(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& name : names)
        if (name.size() > kPresetNameLength)
            std::abort();
    // Names without line ends survive a save and a read unchanged.
    PresetFileNames clean = names;
    for (std::string& name : clean)
        if (name.find_first_of("\r\n") != std::string::npos)
            name.clear();
    if (ParsePresetFile(FormatPresetFile(clean)) != clean)
        std::abort();
    return 0;
}
