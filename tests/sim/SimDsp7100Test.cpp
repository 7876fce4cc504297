// The simulated DSP 7100 camera speaks what the 7100 panel's codec reads.
#include "Dsp7100Codec.h"
#include "SimDsp7100.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
// The camera's reply as the console hands it to the panel (0xF8 frame).
Dsp7100Reply Answer(SimDsp7100& camera, const std::string& query, Dsp7100Members& m)
{
    std::string reply;
    EXPECT_TRUE(camera.Handle(query, reply)) << query;
    std::vector<uint8_t> f{0xF8, 0x01};
    f.insert(f.end(), reply.begin(), reply.end());
    f.push_back(0x80);
    return DecodeDsp7100Reply(f.data(), f.size(), m);
}
} // namespace

TEST(SimDsp7100, SetCommandsChangeWhatTheStatusQueriesReport)
{
    SimDsp7100 camera;
    std::string reply;
    for (const char* command : {"cWm", "cWh045", "cVM", "cVs6", "cVi17", "cGm", "cGg099", "cYy3", "cBn"}) {
        EXPECT_TRUE(camera.Handle(command, reply)) << command;
        EXPECT_TRUE(reply.empty()) << command;
    }
    // Out-of-range or malformed values leave the setting alone.
    for (const char* command : {"cWh064", "cVi00", "cGg12", "cYy8"})
        camera.Handle(command, reply);

    Dsp7100Members m;
    EXPECT_EQ(Answer(camera, "cWS", m).nextStep, 1);
    EXPECT_EQ(Answer(camera, "cVS", m).nextStep, 2);
    EXPECT_EQ(Answer(camera, "cGS", m).nextStep, 3);
    EXPECT_EQ(Answer(camera, "cZS", m).nextStep, 4);
    EXPECT_EQ(Answer(camera, "cMS", m).nextStep, -1);
    EXPECT_EQ(m.colourMode, 1);
    EXPECT_EQ(m.colour, 45);
    EXPECT_EQ(m.shutterMode, 3);
    EXPECT_EQ(m.speed, 6);
    EXPECT_EQ(m.integration, 17);
    EXPECT_EQ(m.gainMode, 1);
    EXPECT_EQ(m.gain, 99);
    EXPECT_EQ(m.gamma, 3);
    EXPECT_EQ(m.backlight, 1);

    // I-Extern is code 4 on the camera, mode 2 on the panel.
    camera.Handle("cVE", reply);
    Answer(camera, "cVS", m);
    EXPECT_EQ(m.shutterMode, 2);
    EXPECT_FALSE(camera.Handle("cDS", reply)) << "not a 7100 command";
}
