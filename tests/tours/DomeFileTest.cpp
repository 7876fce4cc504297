// Dome.dat: its layout byte by byte, round trips, and files that are not
// whole or not of this version.
#include "DomeFile.h"

#include "TempFolder.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace {
using Bytes = std::vector<uint8_t>;

// A filled configuration that differs from the defaults everywhere.
DomeData Sample()
{
    DomeData d;
    for (int i = 0; i < DomeData::kSectors; ++i) {
        CSector& s = d.sectors[static_cast<size_t>(i)];
        s.leftLimit = static_cast<uint16_t>(100 + i);
        s.rightLimit = static_cast<uint16_t>(0x1234 + i);
        s.title = "Gate " + std::to_string(i + 1);
        s.enabled = i % 2;
    }
    for (int i = 0; i < DomeData::kZones; ++i)
        d.zones[static_cast<size_t>(i)] = CPriZone{static_cast<uint16_t>(i), static_cast<uint16_t>(3599 - i), i % 3};
    for (int t = 0; t < DomeData::kTours; ++t)
        for (int s = 0; s < 32; ++s)
            d.tours[static_cast<size_t>(t)].steps[static_cast<size_t>(s)] = TourStep{(t + s) % 65, (t * s) % 61};
    return d;
}

bool Same(const DomeData& a, const DomeData& b)
{
    for (size_t i = 0; i < a.sectors.size(); ++i) {
        const CSector &x = a.sectors[i], &y = b.sectors[i];
        if (x.leftLimit != y.leftLimit || x.rightLimit != y.rightLimit || x.title != y.title || x.enabled != y.enabled)
            return false;
    }
    for (size_t i = 0; i < a.zones.size(); ++i) {
        const CPriZone &x = a.zones[i], &y = b.zones[i];
        if (x.leftLimit != y.leftLimit || x.rightLimit != y.rightLimit || x.enabled != y.enabled)
            return false;
    }
    for (size_t t = 0; t < a.tours.size(); ++t)
        for (size_t s = 0; s < CCameraTour::kSteps; ++s)
            if (a.tours[t].steps[s].preset != b.tours[t].steps[s].preset ||
                a.tours[t].steps[s].dwell != b.tours[t].steps[s].dwell)
                return false;
    return true;
}

// Bytes a Dome.dat holds before its first title.
constexpr size_t kTitleAt = 4 + 2 + 2;
} // namespace

TEST(DomeFile, LayoutIsVersionThenRecordsLittleEndian)
{
    DomeData d;
    d.sectors[0] = CSector{0x0102, 0x0304, "Ab", 7};
    const Bytes bytes = SerializeDomeData(d);
    const Bytes head(bytes.begin(), bytes.begin() + 17);
    EXPECT_EQ(head, (Bytes{1, 0, 0, 0, 0x02, 0x01, 0x04, 0x03, 2, 'A', 'b', 7, 0, 0, 0, 0x00, 0x10}));
    // 16 sectors (the 15 others with empty titles), 8 zones, 8 tours of 33 pairs.
    EXPECT_EQ(bytes.size(), 4u + 11 + 15 * 9 + 8 * 8 + 8 * 33 * 8);
    const size_t zones = 4 + 11 + 15 * 9;
    EXPECT_EQ(Bytes(bytes.begin() + zones, bytes.begin() + zones + 8), (Bytes{0x00, 0x10, 0x00, 0x10, 1, 0, 0, 0}));
}

TEST(DomeFile, TitleLengthsTakeOneThreeOrSevenBytes)
{
    struct Case {
        size_t length;
        Bytes prefix;
    } cases[] = {
        {0, {0}},
        {254, {254}},
        {255, {255, 255, 0}},
        {65533, {255, 0xFD, 0xFF}},
        {65534, {255, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}},
        {70000, {255, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0}},
    };
    for (const Case& c : cases) {
        DomeData d;
        d.sectors[0].title.assign(c.length, 'x');
        const Bytes bytes = SerializeDomeData(d);
        EXPECT_EQ(Bytes(bytes.begin() + kTitleAt, bytes.begin() + kTitleAt + c.prefix.size()), c.prefix) << c.length;
        DomeData back;
        ASSERT_EQ(ParseDomeData(bytes.data(), bytes.size(), back), DomeRead::Read) << c.length;
        EXPECT_EQ(back.sectors[0].title.size(), c.length);
    }
}

TEST(DomeFile, RoundTripsThroughTheFile)
{
    TempFolder dir;
    const std::string path = dir.File("Dome.dat");
    ASSERT_TRUE(SaveDomeFile(path, Sample()));
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
    DomeData back;
    EXPECT_EQ(LoadDomeFile(path, back), DomeRead::Read);
    EXPECT_TRUE(Same(back, Sample()));
}

TEST(DomeFile, BrokenFilesAreUnreadableAndGiveTheDefaults)
{
    const Bytes good = SerializeDomeData(Sample());
    auto edited = [&](const std::function<void(Bytes&)>& edit) {
        Bytes b = good;
        edit(b);
        return b;
    };
    auto lengthAt = [&](Bytes prefix) {
        return edited([prefix](Bytes& b) {
            b.erase(b.begin() + kTitleAt, b.begin() + kTitleAt + 1 + 6); // "Gate 1" and its length
            b.insert(b.begin() + kTitleAt, prefix.begin(), prefix.end());
        });
    };
    struct Case {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"three bytes", {1, 0, 0}},
        {"version only", {1, 0, 0, 0}},
        {"one byte short", edited([](Bytes& b) { b.pop_back(); })},
        {"cut inside the sectors", Bytes(good.begin(), good.begin() + 30)},
        {"a title longer than the file", Bytes{1, 0, 0, 0, 0, 0, 0, 0, 250, 'a', 'b', 'c'}},
        {"a 16-bit length past the end", lengthAt({255, 0xF0, 0xFF})},
        {"a 32-bit length near 4 GB", lengthAt({255, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF})},
        {"a 32-bit length cut off", Bytes{1, 0, 0, 0, 0, 0, 0, 0, 255, 0xFF, 0xFF, 0x10}},
        {"the length 65534, never written", lengthAt({255, 0xFE, 0xFF})},
    };
    for (const Case& c : cases) {
        DomeData d = Sample();
        EXPECT_EQ(ParseDomeData(c.bytes.data(), c.bytes.size(), d), DomeRead::Unreadable) << c.what;
        EXPECT_TRUE(Same(d, Sample())) << c.what << ": nothing taken from a broken file";
    }
    // Through the file: the defaults, with each sector's own title.
    TempFolder dir;
    const std::string path = dir.File("Dome.dat");
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(good.data()), 30);
    DomeData d = Sample();
    EXPECT_EQ(LoadDomeFile(path, d), DomeRead::Unreadable);
    EXPECT_TRUE(Same(d, DefaultDomeData()));
    EXPECT_EQ(d.sectors[8].title, "Sector 09 ID text");
    EXPECT_EQ(d.sectors[15].title, "Sector 16 ID text");
    EXPECT_EQ(d.zones[7].leftLimit, 4096);
    DomeData missing = Sample();
    EXPECT_EQ(LoadDomeFile(dir.File("none.dat"), missing), DomeRead::Unreadable);
    EXPECT_TRUE(Same(missing, DefaultDomeData()));
}

TEST(DomeFile, AnotherVersionLeavesTheRecordsAsTheyWere)
{
    for (uint8_t version : {0, 2, 255}) {
        Bytes bytes = SerializeDomeData(DefaultDomeData());
        bytes[0] = version;
        TempFolder dir;
        const std::string path = dir.File("Dome.dat");
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
        DomeData d = Sample();
        EXPECT_EQ(LoadDomeFile(path, d), DomeRead::OtherVersion) << int(version);
        EXPECT_TRUE(Same(d, Sample())) << int(version);
    }
}

TEST(DomeFile, AFailedSaveLeavesTheOldFile)
{
    TempFolder dir;
    // A name so long that the new file beside it (the name and a suffix)
    // cannot be made.
    const std::string path = dir.File(std::string(246, 'D') + ".dat");
    const std::vector<uint8_t> old = SerializeDomeData(Sample());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(old.data()), std::streamsize(old.size()));
    EXPECT_FALSE(SaveDomeFile(path, DefaultDomeData()));
    DomeData back;
    EXPECT_EQ(LoadDomeFile(path, back), DomeRead::Read);
    EXPECT_TRUE(Same(back, Sample()));
}
