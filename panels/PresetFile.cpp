#include "PresetFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

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

bool ReadPresetFile(const std::string& path, PresetFileNames& names)
{
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    if (!in)
        return false;
    PresetFileNames read;
    std::string line;
    for (size_t slot = 0; slot < read.size() && std::getline(in, line); ++slot) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        read[slot] = line.substr(0, kPresetNameLength);
    }
    names = read;
    return true;
}

bool WritePresetFile(const std::string& path, const PresetFileNames& names)
{
    const std::filesystem::path target = std::filesystem::u8path(path);
    std::filesystem::path temporary = target;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        for (const std::string& name : names)
            out << name.substr(0, kPresetNameLength) << "\r\n";
        out.flush();
        if (!out)
            return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
