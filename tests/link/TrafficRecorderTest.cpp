#include "TrafficRecorder.h"

#include "ManualClock.h"
#include "TestLog.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {
struct Recording {
    Recording()
    {
        path = fs::temp_directory_path() / ("pivora-recorder-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt");
        fs::remove(path);
        log.SetFileName(path.string());
        log.Start(true, false);
        fs::remove(path); // drop the banner: only the traffic lines matter here
        recorder.Begin();
        recorder.SetRecording(true);
    }
    ~Recording() { fs::remove(path); }

    std::string Lines() const
    {
        std::ifstream in(path);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    ManualClock clock;
    TestLog log{clock};
    TrafficRecorder recorder{clock, log};
    fs::path path;
};
} // namespace

TEST(TrafficRecorder, TransmitDelaysNeverBelowSixty)
{
    Recording r;
    r.clock.Advance(5000);
    r.recorder.RecordTransmit(" F8 01 PSTS 85");      // first line: 60, not 0
    r.clock.Advance(20);
    r.recorder.RecordTransmit(" F8 01 ZI 9A");        // 20 ms later: still 60
    r.clock.Advance(1500);
    r.recorder.RecordTransmit(" F8 01 ZS 9D");
    EXPECT_EQ(r.Lines(), "TxC:  F8 01 PSTS 85\t\tTick: 60\n"
                         "TxC:  F8 01 ZI 9A\t\tTick: 60\n"
                         "TxC:  F8 01 ZS 9D\t\tTick: 1500\n");
}

TEST(TrafficRecorder, AcknowledgementsAndRepliesAndPause)
{
    Recording r;
    r.recorder.RecordAckReceived();
    r.recorder.RecordReceive(" F8 01 A001 81 ");
    r.recorder.RecordAckSent();
    r.recorder.SetPaused(true);
    r.recorder.RecordTransmit(" F8 01 L? 8D");
    r.recorder.RecordAckReceived();
    r.recorder.SetPaused(false);
    r.recorder.SetRecording(false);
    r.recorder.RecordLine("not recording");
    EXPECT_EQ(r.Lines(), "Rx:   ACK\nRx:   F8 01 A001 81 \nTxA:  ACK\n");
}
