#include "AtomicFile.h"
#include "PresetFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TempFolder.h"

namespace fs = std::filesystem;

namespace {
struct Folder {
    // Paths are UTF-8 strings throughout the program.
    std::string File(const char* name) const
    {
        return folder.File(name);
    }
    size_t Entries() const
    {
        return static_cast<size_t>(std::distance(fs::directory_iterator(fs::u8path(folder.File(""))), {}));
    }
    TempFolder folder;
};

std::string Contents(const std::string& path)
{
    std::string s;
    EXPECT_TRUE(ReadWholeFile(path, 1 << 20, s)) << path;
    return s;
}
} // namespace

TEST(AtomicFile, SavesReplacesAndLeavesNoTemporaryBehind)
{
    Folder f;
    const std::string file = f.File("PRESET.DAT");
    ASSERT_TRUE(WriteFileAtomically(file, "old"));
    EXPECT_EQ(Contents(file), "old");
    ASSERT_TRUE(WriteFileAtomically(file, std::string("new\0bytes", 9)));
    EXPECT_EQ(Contents(file), std::string("new\0bytes", 9));
    EXPECT_EQ(f.Entries(), 1u);
#ifndef _WIN32
    // An ordinary file's permissions, not the temporary's private ones.
    struct stat st {};
    ASSERT_EQ(stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0444, 0444 & ~[] { const mode_t m = umask(0); umask(m); return m; }());
#endif
}

// The data folder may lie under a user's name in any script (a profile
// folder on Windows is named after its user): the names are UTF-8 and
// must reach the file system as the same characters.
TEST(AtomicFile, SavesAndReadsUnderUtf8Names)
{
    Folder f;
    const char* const names[] = {
        "Caméra №1.dat",          // Latin, Cyrillic sign
        "\xe6\x91\x84\xe5\x83\x8f.dat", // CJK
        "\xf0\x9f\x93\xb7.dat",         // outside the Basic Multilingual Plane
    };
    for (const char* name : names) {
        const std::string file = f.File(name);
        ASSERT_TRUE(WriteFileAtomically(file, "one")) << name;
        ASSERT_TRUE(WriteFileAtomically(file, "two")) << name;
        EXPECT_EQ(Contents(file), "two") << name;
        EXPECT_TRUE(fs::exists(fs::u8path(file))) << name;
    }
    EXPECT_EQ(f.Entries(), std::size(names));
}

TEST(AtomicFile, FailuresLeaveTheOldFileWhole)
{
    Folder f;
    const std::string file = f.File("Dome.dat");
    ASSERT_TRUE(WriteFileAtomically(file, "old"));

    {   // Abandoned (a download that did not complete): the old file stays.
        AtomicFileWriter w(file);
        ASSERT_TRUE(w.ok());
        ASSERT_TRUE(w.Write("half of the n"));
        EXPECT_TRUE(fs::exists(w.temporaryPath()));
    }
    EXPECT_EQ(Contents(file), "old");
    EXPECT_EQ(f.Entries(), 1u);

    {   // Explicitly abandoned, then a commit is refused.
        AtomicFileWriter w(file);
        w.Write("new");
        w.Abandon();
        EXPECT_FALSE(w.Commit());
    }
    EXPECT_EQ(Contents(file), "old");

    // No folder to write into.
    EXPECT_FALSE(WriteFileAtomically(f.File("missing/Dome.dat"), "new"));
    EXPECT_FALSE(AtomicFileWriter(f.File("missing/Dome.dat")).ok());

    // A folder where the file should be: the rename fails, nothing is left.
    fs::create_directory(f.File("Cam001.dat"));
    EXPECT_FALSE(WriteFileAtomically(f.File("Cam001.dat"), "new"));
    EXPECT_EQ(f.Entries(), 2u);
}

TEST(AtomicFile, WholeFileReadsAreBounded)
{
    Folder f;
    const std::string file = f.File("big");
    ASSERT_TRUE(WriteFileAtomically(file, std::string(10000, 'x')));
    std::string s = "stale";
    EXPECT_FALSE(ReadWholeFile(file, 9999, s));
    EXPECT_TRUE(s.empty());
    EXPECT_TRUE(ReadWholeFile(file, 10000, s));
    EXPECT_EQ(s.size(), 10000u);
    EXPECT_FALSE(ReadWholeFile(f.File("none"), 100, s));
}

TEST(PresetFile, ParsesWhatItWritesAndBoundsWhatItReads)
{
    struct Case {
        const char* name;
        std::string contents;
        std::array<const char*, 3> first; // the first three names
    } cases[] = {
        {"CR LF lines", "Factory\r\nOne\r\nTwo\r\n", {"Factory", "One", "Two"}},
        {"LF lines, no final end", "a\nb\nc", {"a", "b", "c"}},
        {"empty file", "", {"", "", ""}},
        {"empty lines", "\r\n\nx", {"", "", "x"}},
        {"long name cut to its slot", std::string(40, 'n') + "\nnext", {"nnnnnnnnnnnnnnnnnnnnnnn", "next", ""}},
        {"lone CR kept inside a name", "a\rb\n", {"a\rb", "", ""}},
        {"zero bytes", std::string("a\0b\n", 4), {"a", "", ""}},
    };
    for (const Case& c : cases) {
        const PresetFileNames names = ParsePresetFile(c.contents);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_EQ(names[i].c_str(), std::string(c.first[i])) << c.name << " slot " << i;
        for (const std::string& n : names)
            EXPECT_LE(n.size(), kPresetNameLength) << c.name;
    }

    Folder f;
    const std::string file = f.File("PRESET.DAT");
    PresetFileNames names = DefaultPresetFileNames();
    names[3] = "Gate";
    ASSERT_TRUE(WritePresetFile(file, names));
    PresetFileNames back;
    ASSERT_TRUE(ReadPresetFile(file, back));
    EXPECT_EQ(back, names);
    EXPECT_EQ(Contents(file).substr(0, 17), "Factory default\r\n");

    // A file far too long for ten names is refused, the names untouched.
    ASSERT_TRUE(WriteFileAtomically(file, std::string(kPresetFileMaxBytes + 1, 'x')));
    EXPECT_FALSE(ReadPresetFile(file, back));
    EXPECT_EQ(back, names);
}
