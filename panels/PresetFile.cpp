#include "PresetFile.h"

#include "AtomicFile.h"

#include <cstdio>

PresetFileNames DefaultPresetFileNames()
{
    PresetFileNames names;
    names[0] = "Factory default";
    for (int n = 1; n <= 9; ++n) {
        char text[16];
        std::snprintf(text, sizeof text, "Preset %02d", n);
        names[n] = text;
    }
    return names;
}

PresetFileNames ParsePresetFile(std::string_view contents)
{
    PresetFileNames read;
    for (size_t slot = 0; slot < read.size() && !contents.empty(); ++slot) {
        const size_t end = contents.find('\n');
        std::string_view line = contents.substr(0, end);
        contents = end == std::string_view::npos ? std::string_view{} : contents.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        read[slot] = std::string(line.substr(0, kPresetNameLength));
    }
    return read;
}

bool ReadPresetFile(const std::string& path, PresetFileNames& names)
{
    std::string contents;
    if (!ReadWholeFile(path, kPresetFileMaxBytes, contents))
        return false;
    names = ParsePresetFile(contents);
    return true;
}

std::string FormatPresetFile(const PresetFileNames& names)
{
    std::string out;
    for (const std::string& name : names)
        out += name.substr(0, kPresetNameLength) + "\r\n";
    return out;
}

bool WritePresetFile(const std::string& path, const PresetFileNames& names)
{
    return WriteFileAtomically(path, FormatPresetFile(names));
}
