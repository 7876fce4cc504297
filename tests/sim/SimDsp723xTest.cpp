// The simulated 72xx camera answers the DSP 723x panel's status sequence in
// the forms its codec reads.
#include "Dsp723xCodec.h"
#include "SimDsp723x.h"

#include <gtest/gtest.h>
#include <vector>

TEST(SimDsp723x, TheStatusSequenceReadsBackWhatWasSet)
{
    SimDsp723x camera;
    std::string reply;
    for (const char* command : {"cD3", "cS<", "cW4", "cB1", "ci1", "cIO", "cIs"}) {
        EXPECT_TRUE(camera.Handle(command, true, false, reply)) << command;
        EXPECT_TRUE(reply.empty()) << command;
    }
    // Out of range: not taken.
    EXPECT_FALSE(camera.Handle("cD4", true, false, reply));
    EXPECT_FALSE(camera.Handle("cW6", true, false, reply));
    // The camera's own iris and focus modes and lens moves are left to it.
    for (const char* command : {"cIA", "cIM", "cFA", "cFM", "cZ2", "cz0", "cF1", "cN2", "cZs", "cFs"})
        EXPECT_FALSE(camera.Handle(command, true, false, reply)) << command;

    Dsp723xMembers m;
    int step = 1;
    while (const char* query = Dsp723xStatusQuery(step)) {
        ASSERT_TRUE(camera.Handle(query, true, false, reply)) << query;
        std::vector<uint8_t> f{0xF8, 0x01};
        f.insert(f.end(), reply.begin(), reply.end());
        f.push_back(0x80);
        const int next = DecodeDsp723xReply(f.data(), f.size(), m).nextStep;
        ASSERT_EQ(next, step + 1) << query;
        step = next;
    }
    EXPECT_EQ(step, kDsp723xLastStep);
    EXPECT_EQ(m.zoomRange, 3);
    EXPECT_EQ(m.iris, 1);
    EXPECT_EQ(m.shutter, 12);
    EXPECT_EQ(m.whiteBalance, 4);
    EXPECT_EQ(m.focus, 0);
    EXPECT_EQ(m.blc, 1);
    EXPECT_EQ(m.integration, 1);
}
