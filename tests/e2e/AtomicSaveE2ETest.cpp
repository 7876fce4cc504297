// A process killed with SIGKILL in the middle of saving PRESET.DAT leaves
// the old file or the new one, never a torn one.
#include "AtomicFile.h"
#include "PresetFile.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

PresetFileNames SaveLoopNames(int set);

namespace fs = std::filesystem;

TEST(AtomicSave, KilledInTheMiddleOfSavingLeavesTheOldOrTheNewFile)
{
    char folder[] = "/tmp/pivora-kill-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string file = std::string(folder) + "/PRESET.DAT";
    const std::string program = PIVORA_BINARY_DIR "/pivora_save_loop";
    const std::string versions[] = {FormatPresetFile(SaveLoopNames(0)), FormatPresetFile(SaveLoopNames(1))};

    constexpr int kKills = 40;
    std::mt19937 random(23);
    int found[2] = {0, 0};
    int torn = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        pid_t child = 0;
        char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(file.c_str()), nullptr};
        ASSERT_EQ(posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ), 0) << program;
        // Let it save a few times (the first run creates the file), then kill it.
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + random() % 30));
        while (kill == 0 && !fs::exists(file))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saver ended by itself: " << status;

        std::string contents;
        ASSERT_TRUE(ReadWholeFile(file, kPresetFileMaxBytes, contents));
        if (contents == versions[0])
            ++found[0];
        else if (contents == versions[1])
            ++found[1];
        else
            ++torn;
    }
    size_t temporaries = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        temporaries += entry.path().filename() != "PRESET.DAT";
    fs::remove_all(folder);

    std::printf("kill -9 during saves: %d kills, old file %d, new file %d, torn %d, temporaries left %zu\n", kKills,
                found[0], found[1], torn, temporaries);
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(found[0] + found[1], kKills);
}
