// Saves PRESET.DAT over and over, alternating two sets of names, until it
// is killed: the far side of the kill -9 test of the atomic saves.
#include "PresetFile.h"

#include <cstdio>

PresetFileNames SaveLoopNames(int set)
{
    PresetFileNames names = DefaultPresetFileNames();
    for (size_t i = 1; i < names.size(); ++i)
        names[i] = (set == 0 ? "Old gate " : "New north fence ") + std::to_string(i);
    return names;
}

#ifndef PIVORA_SAVE_LOOP_NO_MAIN
int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: pivora_save_loop FILE\n");
        return 2;
    }
    for (unsigned n = 0;; ++n) {
        if (!WritePresetFile(argv[1], SaveLoopNames(static_cast<int>(n & 1))))
            return 1;
    }
}
#endif
