// The DSP 723x panel's replies, status queries and preset characters.
#include "Dsp723xCodec.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

Bytes Frame(const std::string& text)
{
    Bytes f{0xF8, 0x01};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}
} // namespace

TEST(Dsp723xCodec, EachReplySetsItsMemberAndMovesTheStep)
{
    struct Case {
        std::string text;
        int Dsp723xMembers::*member; // nullptr: nothing changes
        int value;
        int nextStep;
        int restartMs;
    } cases[] = {
        {"cD2", &Dsp723xMembers::zoomRange, 2, 2, 5},
        {"cI1", &Dsp723xMembers::iris, 1, 3, 5},
        {"cS<", &Dsp723xMembers::shutter, 12, 4, 5},
        {"cW5", &Dsp723xMembers::whiteBalance, 5, 5, 5},
        {"cF1", &Dsp723xMembers::focus, 1, 6, 5},
        // The backlight answer waits longer before the next query.
        {"cB1", &Dsp723xMembers::blc, 1, 7, 500},
        {"ci1", &Dsp723xMembers::integration, 1, 8, 5},
        // Out of range or no digit: the step still moves on the letter.
        {"cD4", nullptr, 0, 2, 5},
        {"cS=", nullptr, 0, 4, 5},
        {"cW6", nullptr, 0, 5, 5},
        {"cF", nullptr, 0, 6, 5},
        // Other letters: ignored; the console's status reply as well.
        {"cL1", nullptr, 0, -1, 5},
        {"bL2A0", nullptr, 0, -1, 5},
        {"c", nullptr, 0, -1, 5},
    };
    for (const Case& c : cases) {
        Dsp723xMembers m;
        const Dsp723xMembers fresh;
        const Bytes f = Frame(c.text);
        const Dsp723xReply r = DecodeDsp723xReply(f.data(), f.size(), m);
        EXPECT_EQ(r.nextStep, c.nextStep) << c.text;
        if (r.nextStep >= 0) {
            EXPECT_EQ(r.restartMs, c.restartMs) << c.text;
        }
        if (c.member) {
            EXPECT_EQ(m.*c.member, c.value) << c.text;
        }
        for (int Dsp723xMembers::*other :
             {&Dsp723xMembers::zoomRange, &Dsp723xMembers::iris, &Dsp723xMembers::shutter,
              &Dsp723xMembers::whiteBalance, &Dsp723xMembers::focus, &Dsp723xMembers::blc,
              &Dsp723xMembers::integration}) {
            if (other != c.member) {
                EXPECT_EQ(m.*other, fresh.*other) << c.text;
            }
        }
    }
}

TEST(Dsp723xCodec, FramesItDoesNotRead)
{
    Dsp723xMembers m;
    // Mode-0 frame: 0x02, address, text, checksum, 0x03.
    const Bytes mode0{0x02, 0x01, 'c', 'I', '1', 0x8B, 0x03};
    EXPECT_EQ(DecodeDsp723xReply(mode0.data(), mode0.size(), m).nextStep, 3);
    EXPECT_EQ(m.iris, 1);
    // A binary frame is no reply of this camera's.
    const Bytes binary{0xFF, 0x06, 'c', 'D', '1', 0, 0, 0x9B};
    EXPECT_EQ(DecodeDsp723xReply(binary.data(), binary.size(), m).nextStep, -1);
    EXPECT_EQ(m.zoomRange, -1);
    EXPECT_EQ(DecodeDsp723xReply(nullptr, 0, m).nextStep, -1);
}

TEST(Dsp723xCodec, StatusQueriesAndPresetCharacters)
{
    const std::vector<std::string> queries = {"cDS", "cIS", "cSS", "cWS", "cFS", "cBS", "ciS"};
    for (int step = 1; step <= 7; ++step)
        EXPECT_EQ(Dsp723xStatusQuery(step), queries[static_cast<size_t>(step - 1)]);
    EXPECT_EQ(Dsp723xStatusQuery(0), nullptr);
    EXPECT_EQ(Dsp723xStatusQuery(kDsp723xLastStep), nullptr);

    const std::pair<int, int> presets[] = {{0, 16}, {1, 17}, {46, 62}, {47, 96}, {63, 112}};
    for (auto [n, code] : presets)
        EXPECT_EQ(static_cast<uint8_t>(Dsp723xPresetCharacter(n)), code) << n;
}
