// Cam%03d.dat: written whole or not at all, read back line by line.
#include "CamFile.h"
#include "TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {
std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
} // namespace

TEST(CamFile, NamesFollowTheCameraAddress)
{
    EXPECT_EQ(CamFileName(5), "Cam005.dat");
    EXPECT_EQ(CamFileName(255), "Cam255.dat");
    EXPECT_EQ(CamFileName(1234), "Cam1234.dat");
}

TEST(CamFile, ADownloadReplacesTheOldFileOnlyWhenComplete)
{
    TempFolder dir;
    const std::string path = dir.File("Cam005.dat");
    std::ofstream(path) << "old\n";
    {
        CamFileWriter w;
        ASSERT_TRUE(w.Create(path));
        w.WriteLine("*SL1");
        EXPECT_EQ(Contents(path), "old\n") << "the old file stays while the download runs";
        w.Abandon();
    }
    EXPECT_EQ(Contents(path), "old\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("")), {}), 1) << "no temporary is left";
    CamFileWriter w;
    ASSERT_TRUE(w.Create(path));
    w.WriteLine("*SL1");
    w.WriteLine("dST1abc");
    ASSERT_TRUE(w.Commit());
    EXPECT_EQ(Contents(path), "*SL1\ndST1abc\n");
    EXPECT_FALSE(w.Create(dir.File("no/such/folder/Cam001.dat")));
}

TEST(CamFile, UploadReadsBoundedLines)
{
    TempFolder dir;
    const std::string path = dir.File("Cam001.dat");
    std::ofstream(path, std::ios::binary) << "*SL1\n" << std::string(63, 'a') << "\n" << std::string(5000, 'b') << "\n\n"
                                          << "last";
    CamFileReader r;
    ASSERT_TRUE(r.Open(path));
    EXPECT_EQ(r.size(), static_cast<long>(5 + 64 + 5001 + 1 + 4));
    std::string line;
    EXPECT_EQ(r.Next(line), CamFileReader::Line::Text);
    EXPECT_EQ(line, "*SL1");
    EXPECT_EQ(r.position(), 5);
    EXPECT_EQ(r.Next(line), CamFileReader::Line::Text);
    EXPECT_EQ(line.size(), 63u);
    EXPECT_EQ(r.Next(line), CamFileReader::Line::TooLong);
    EXPECT_TRUE(line.empty());
    EXPECT_EQ(r.Next(line), CamFileReader::Line::Text);
    EXPECT_EQ(line, "");
    EXPECT_EQ(r.Next(line), CamFileReader::Line::Text);
    EXPECT_EQ(line, "last");
    EXPECT_EQ(r.Next(line), CamFileReader::Line::End);
    EXPECT_EQ(r.position(), r.size());
    EXPECT_FALSE(r.Open(dir.File("missing.dat")));
}
