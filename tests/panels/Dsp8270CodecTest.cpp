// The 8270 panel's reply codec: the short reports and the status record
// read at its fixed positions.
#include "Dsp8270Codec.h"
#include "ReplyFrames.h"

#include <functional>
#include <gtest/gtest.h>

using namespace ReplyFrames;

namespace {
// A status record (text after the class letter b) with every field set:
// iris manual, BLC 1 area 3, Color, Manual white balance, red 200, blue
// 050, shutter 3, integration 4, zoom limit 2, Live, gain 128, brightness
// 24, sharpness 9, Manual Shutter. Changes go in at their positions.
std::string Record(std::initializer_list<std::pair<size_t, std::string>> changes = {})
{
    std::string r = "L3A10000P0v1p2I0Y13M1W1200050S3i4D2FoG128b24s9m1";
    for (const auto& [at, text] : changes)
        r.replace(at, text.size(), text);
    return r;
}

Dsp8270Members Decode(const Bytes& f)
{
    Dsp8270Members m;
    DecodeDsp8270Reply(f.data(), f.size(), m);
    return m;
}

bool Untouched(const Dsp8270Members& m)
{
    const Dsp8270Members fresh;
    return m.dayNight == fresh.dayNight && m.whiteBalance == fresh.whiteBalance && m.red == fresh.red &&
           m.blue == fresh.blue && m.shutter == fresh.shutter && m.iris == fresh.iris && m.blc == fresh.blc &&
           m.brightness == fresh.brightness && m.sharpness == fresh.sharpness && m.autoAll == fresh.autoAll;
}
} // namespace

TEST(Dsp8270Codec, TheStatusRecordFillsEveryFieldFromItsPosition)
{
    ASSERT_EQ(Record().size(), kDsp8270StatusLength);
    const Dsp8270Members m = Decode(Frame("b" + Record()));
    EXPECT_EQ(m.iris, 1);
    EXPECT_EQ(m.blc, 1);
    EXPECT_EQ(m.blcArea, 3);
    EXPECT_EQ(m.dayNight, 1);
    EXPECT_EQ(m.whiteBalance, 1);
    EXPECT_EQ(m.red, 200);
    EXPECT_EQ(m.blue, 50);
    EXPECT_EQ(m.shutter, 3);
    EXPECT_EQ(m.integration, 4);
    EXPECT_EQ(m.zoomLimit, 2);
    EXPECT_EQ(m.freeze, 0);
    EXPECT_EQ(m.maxGain, 128);
    EXPECT_EQ(m.brightness, 24);
    EXPECT_EQ(m.sharpness, 9);
    EXPECT_EQ(m.manualShutter, 1);
    EXPECT_EQ(m.autoAll, 0);
    // The same record in a mode-0 frame and behind a 254 address.
    const Dsp8270Members m0 = Decode(Mode0Frame("b" + Record()));
    EXPECT_EQ(m0.sharpness, 9);
    EXPECT_EQ(m0.manualShutter, 1);
    EXPECT_EQ(Decode(Frame254("b" + Record())).red, 200);
}

TEST(Dsp8270Codec, RecordFieldsOutsideTheirRangesAndShortRepliesChangeNothing)
{
    struct Case {
        const char* name;
        std::string text;
        std::function<bool(const Dsp8270Members&)> expect;
    };
    const Case cases[] = {
        {"BLC off: no area", "b" + Record({{17, "0"}}), [](auto& m) { return m.blc == 0 && m.blcArea == -1; }},
        {"BLC 2", "b" + Record({{17, "2"}, {18, "4"}}), [](auto& m) { return m.blc == 2 && m.blcArea == 4; }},
        {"area out of range", "b" + Record({{18, "5"}}), [](auto& m) { return m.blc == 1 && m.blcArea == -1; }},
        {"Freeze", "b" + Record({{36, "O"}}), [](auto& m) { return m.freeze == 1; }},
        {"freeze neither", "b" + Record({{36, "x"}}), [](auto& m) { return m.freeze == -1; }},
        {"Auto All", "b" + Record({{47, "0"}}), [](auto& m) { return m.autoAll == 1 && m.manualShutter == 0; }},
        {"sharpness 15", "b" + Record({{45, "?"}}), [](auto& m) { return m.sharpness == 15; }},
        {"out of range", "b" + Record({{20, "3"}, {22, "4"}, {23, "300"}, {26, "2x0"}, {30, "8"}, {32, ":"},
                                       {34, "4"}, {38, "256"}, {42, "49"}, {45, "@"}}),
         [](auto& m) {
             const Dsp8270Members fresh;
             return m.dayNight == -1 && m.whiteBalance == -1 && m.red == fresh.red && m.blue == fresh.blue &&
                    m.shutter == -1 && m.integration == -1 && m.zoomLimit == -1 && m.maxGain == fresh.maxGain &&
                    m.brightness == fresh.brightness && m.sharpness == fresh.sharpness && m.iris == 1;
         }},
        // Too short to be the record: not read at all.
        {"short record", "b" + Record().substr(0, kDsp8270StatusLength - 1), Untouched},
        {"W but neither R nor B", "bW1", Untouched},
        {"empty", "b", Untouched},
        // The short reports.
        {"red", "bWR201", [](auto& m) { return m.red == 201 && m.blue == 0; }},
        {"blue", "bWB055", [](auto& m) { return m.blue == 55 && m.red == 0; }},
        {"red too big", "bWR256", Untouched},
        {"red cut off", "bWR20", Untouched},
        {"sharpness", "bs:", [](auto& m) { return m.sharpness == 10; }},
        {"sharpness not a digit", "bs@", Untouched},
        {"brightness", "bb48", [](auto& m) { return m.brightness == 48; }},
        {"brightness too big", "bb49", Untouched},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(c.expect(Decode(Frame(c.text)))) << c.name;
}
