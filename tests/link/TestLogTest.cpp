#include "TestLog.h"

#include "ManualClock.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {
class TestLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        dir = fs::temp_directory_path() / ("pivora-testlog-" + std::to_string(random()) + "-" + std::to_string(random()));
        fs::create_directories(dir);
        file = (dir / "log.txt").string();
        clock.SetLocalTime({2024, 3, 7, 13, 5, 42});
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    static std::string Read(const fs::path& path)
    {
        std::ifstream in(path);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path dir;
    std::string file;
    ManualClock clock;
    TestLog log{clock};
};
} // namespace

TEST_F(TestLogTest, StartWritesBannerAndHeading)
{
    log.SetFileName(file);
    log.SetTitle("Camera Test Results");
    log.Start(true, false);
    EXPECT_EQ(Read(file), "\n\n*****************************************\n03/07/24  01:05 PM  Camera Test Results\n\n");
}

TEST_F(TestLogTest, StampsOfDateAndTime)
{
    struct Case {
        LocalDateTime t;
        const char* date;
        const char* time;
    } cases[] = {
        {{2024, 3, 7, 13, 5, 0}, "03/07/24", "01:05 PM"},
        {{2024, 3, 7, 0, 0, 0}, "03/07/24", "12:00 AM"},
        {{2024, 3, 7, 12, 0, 0}, "03/07/24", "12:00 PM"},
        {{2009, 12, 31, 11, 59, 59}, "12/31/09", "11:59 AM"},
        {{2000, 1, 2, 23, 59, 0}, "01/02/00", "11:59 PM"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TestLog::DateText(c.t), c.date);
        EXPECT_EQ(TestLog::TimeText(c.t), c.time);
    }
}

TEST_F(TestLogTest, LinesWithAndWithoutStamps)
{
    log.SetFileName(file);
    log.Start(true, false);
    const std::string heading = Read(file);
    log.SetTimeStampEachLine(true);
    log.AppendLine("TxA:  ACK");
    clock.SetLocalTime({2024, 3, 8, 0, 1, 0});
    log.AppendLine("Rx:   ACK");
    log.SetTimeStampEachLine(false);
    log.AppendLine("");
    log.AppendLine("a comment");
    EXPECT_EQ(Read(file), heading +
                              "03/07/24  01:05 PM  TxA:  ACK\n"
                              "03/08/24  12:01 AM  Rx:   ACK\n"
                              "\n"
                              "a comment\n");
}

TEST_F(TestLogTest, TextIsNeverAFormat)
{
    log.SetFileName(file);
    log.Start(true, false);
    fs::remove(file);
    log.AppendLine("100% %s %n %d");
    log.AppendFormattedLine("TxC: ", std::string(" F8 01 PSTS 85"), "\t\t", "Tick: ", 60u);
    log.AppendFormattedLine("%s", ' ', -5);
    EXPECT_EQ(Read(file), "100% %s %n %d\nTxC:  F8 01 PSTS 85\t\tTick: 60\n%s -5\n");
}

TEST_F(TestLogTest, NothingIsWrittenWhileDisabledOrWithoutAName)
{
    log.SetFileName(file);
    log.AppendLine("before start");
    log.Start(false, true);
    log.AppendLine("disabled");
    log.AppendFormattedLine("disabled ", 1);
    EXPECT_FALSE(fs::exists(file));

    TestLog unnamed(clock);
    unnamed.Start(true, true);
    unnamed.AppendLine("no file");
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(TestLogTest, FileErrorsLoseTheLineOnly)
{
    for (const fs::path& bad : {dir / "missing" / "sub" / "log.txt", dir}) {
        TestLog broken(clock);
        broken.SetFileName(bad.string());
        EXPECT_NO_THROW(broken.Start(true, true));
        EXPECT_NO_THROW(broken.AppendLine("lost"));
    }
    EXPECT_FALSE(fs::exists(dir / "missing"));
    EXPECT_TRUE(fs::is_directory(dir));
}

TEST_F(TestLogTest, AppendsKeepTheFileAndAreCompleteAtOnceUntilEmptied)
{
    {
        std::ofstream(file) << "earlier run\n";
    }
    log.SetFileName(file);
    log.Start(true, false);
    std::string expected = "earlier run\n\n\n*****************************************\n03/07/24  01:05 PM  \n\n";
    EXPECT_EQ(Read(file), expected);
    for (const char* line : {"one", "two", "three"}) {
        log.AppendLine(line);
        expected += std::string(line) + "\n";
        EXPECT_EQ(Read(file), expected);
    }

    log.DeleteLogFile();
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(fs::file_size(file), 0u);
    fs::remove(file);
    EXPECT_NO_THROW(log.DeleteLogFile());
    EXPECT_FALSE(fs::exists(file));
}

// Recording empties the file it will write and touches nothing else: a
// folder of that name, with what is in it, stays.
TEST_F(TestLogTest, OnlyARegularFileIsEmptied)
{
    const fs::path folder = dir / "logs.txt";
    fs::create_directory(folder);
    std::ofstream(folder / "inside.txt") << "kept\n";
    log.SetFileName(folder.string());
    log.DeleteLogFile();
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(Read((folder / "inside.txt").string()), "kept\n");
}
