// Every panel codec is measured: a codec added to panels/ without its line
// in the benchmarks' codec table, or without seed frames, fails here.
#include "BenchCorpus.h"
#include "CodecTable.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

TEST(BenchCorpus, EveryPanelCodecHasItsLineAndItsSeedFrames)
{
    std::set<std::string> headers;
    for (const auto& e : std::filesystem::directory_iterator(std::string(PIVORA_SOURCE_DIR) + "/panels")) {
        const std::string name = e.path().filename().string();
        if (name.size() > 7 && name.compare(name.size() - 7, 7, "Codec.h") == 0)
            headers.insert(name);
    }
    ASSERT_FALSE(headers.empty());
    std::set<std::string> listed;
    for (const PanelCodecEntry& codec : PanelCodecTable()) {
        listed.insert(codec.header);
        EXPECT_TRUE(headers.count(codec.header)) << codec.header << " is no codec in panels/";
        const std::vector<Frame> frames = ReadCorpus(CorpusFolder("panels"), codec.corpus);
        EXPECT_FALSE(frames.empty()) << codec.name << ": no fuzz/corpus/panels/" << codec.corpus << "-*";
        // Each decodes its own seeds (the sanitizers watch the reading).
        const std::unique_ptr<CodecRun> run = codec.open();
        for (const Frame& f : frames)
            run->Decode(f.data(), f.size());
    }
    for (const std::string& h : headers)
        EXPECT_TRUE(listed.count(h)) << h << " has no line in bench/CodecTable.cpp";
}

TEST(BenchCorpus, SeedsReadByPrefixInNameOrder)
{
    const std::vector<Frame> all = ReadCorpus(CorpusFolder("panels"));
    const std::vector<Frame> privacy = ReadCorpus(CorpusFolder("panels"), "privacy");
    const std::vector<Frame> none = ReadCorpus(CorpusFolder("panels"), "priv");
    EXPECT_GT(all.size(), privacy.size());
    EXPECT_GE(privacy.size(), 2u);
    EXPECT_TRUE(none.empty()) << "a prefix names whole words before '-'";
    EXPECT_TRUE(ReadCorpus(CorpusFolder("no-such-folder")).empty());
}

TEST(BenchCorpus, ReceiveSeedsCarryModeAndTypes)
{
    struct Case {
        Frame seed;
        bool ok;
        int mode, receiverType, cameraType;
        size_t bytes;
    } cases[] = {
        {{}, false, 1, 0, 0, 0},
        {{0x01, 0x05}, false, 1, 0, 0, 0},
        {{0x01, 0x05, 0x03}, true, 1, 5, 3, 0},
        {{0x00, 0x05, 0x03, 0x02, 0x01}, true, 0, 5, 3, 2},
        {{0xFE, 15 + 9, 19 + 2, 0xFF}, true, 0, 9, 2, 1},
    };
    for (const Case& c : cases) {
        LineSample s;
        EXPECT_EQ(ParseLineSample(c.seed, s), c.ok) << c.seed.size();
        if (!c.ok)
            continue;
        EXPECT_EQ(s.mode, c.mode);
        EXPECT_EQ(s.receiverType, c.receiverType);
        EXPECT_EQ(s.cameraType, c.cameraType);
        EXPECT_EQ(s.bytes.size(), c.bytes);
    }
    // The seeds in the tree all parse.
    for (const Frame& seed : ReadCorpus(CorpusFolder("receive"))) {
        LineSample s;
        EXPECT_TRUE(ParseLineSample(seed, s));
    }
}
