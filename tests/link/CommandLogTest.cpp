#include "CommandLog.h"
#include "CommandLogPlayer.h"
#include "ConsoleTimerIds.h"
#include "ManualClock.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
// A recorded line as the recorder writes it, with the stamp in front.
std::string Line(const std::string& form, unsigned delay)
{
    return "12/08/26  08:15 PM  TxC: " + form + "\t\tTick: " + std::to_string(delay) + "\n";
}

// The text form of a command to address 1 with its right checksum.
std::string Recorded(const std::string& text)
{
    unsigned x = 1;
    for (char c : text)
        x ^= static_cast<uint8_t>(c);
    char checksum[8];
    std::snprintf(checksum, sizeof checksum, " %2X", 0x80 | (x & 0x0F));
    return " F8 01 " + text + checksum;
}
} // namespace

TEST(CommandLog, ParsesRecordedLinesAndSkipsTheRest)
{
    const std::string log = "\n\n*****************************************\n"
                            "12/08/26  08:15 PM  Camera Test Results\n\n" +
                            Line(" F8 01 PSTS 85", 60) + "12/08/26  08:15 PM  Rx:   ACK\n" +
                            "12/08/26  08:15 PM  Rx:   F8 01 A001 81 \n" + "12/08/26  08:15 PM  TxA:  ACK\n" +
                            "\nA comment the operator typed\n" +
                            // A preset character shown as hex: P then 0x1F.
                            Line(" F8 07 P 1F 88", 1500) + Line(Recorded("ZI"), 0);
    const CommandLogParse p = ParseCommandLog(log);
    ASSERT_TRUE(p.ok);
    ASSERT_EQ(p.records.size(), 3u);
    EXPECT_EQ(p.records[0].address, 1);
    EXPECT_EQ(p.records[0].text, "PSTS");
    EXPECT_EQ(p.records[0].delay, 60u);
    EXPECT_EQ(p.records[1].address, 7);
    EXPECT_EQ(p.records[1].text, std::string("P\x1F"));
    EXPECT_EQ(p.records[1].delay, 1500u);
    EXPECT_EQ(p.records[2].delay, 0u);
}

TEST(CommandLog, RefusesWhatCannotBePlayed)
{
    struct Case {
        const char* name;
        std::string log;
        bool checksumMessage;
    } cases[] = {
        {"mode-0 recording", Line(" STX 01 PSTS 85  3", 60), false},
        {"no digit after Tick:", "x TxC:  F8 01 PSTS 85\t\tTick: none\n", false},
        {"wrong checksum", Line(" F8 01 PSTS 86", 60), true},
        {"no checksum at all", Line(" F8 01 PSTS", 60), true},
        {"a token that is not hex", Line(" F8 01 dPGate north 80", 60), false},
        {"command beyond 98 bytes", Line(Recorded(std::string(99, 'A')), 60), false},
        // Hex bytes on and on, none the checksum: refused once past 98 bytes,
        // not shown whole in a checksum message.
        {"hex bytes beyond 98", [] {
             std::string form = " F8 01 P";
             for (int i = 0; i < 5000; ++i)
                 form += " 00";
             return Line(form, 60);
         }(), false},
        {"delay beyond 32 bits", Line(" F8 01 PSTS 85", 0) .substr(0, 40) + "Tick: 99999999999\n", false},
    };
    for (const Case& c : cases) {
        const CommandLogParse p = ParseCommandLog(c.log);
        EXPECT_FALSE(p.ok) << c.name;
        EXPECT_TRUE(p.records.empty()) << c.name;
        EXPECT_EQ(!p.checksumMessage.empty(), c.checksumMessage) << c.name;
    }
    const CommandLogParse bad = ParseCommandLog(Line(" F8 01 PSTS 86", 60));
    EXPECT_EQ(bad.checksumMessage, "Send command:\n  F8 01 PSTS 86\t\t\n\nChecksum is not correct!\n");
    // 98 bytes still fit.
    EXPECT_TRUE(ParseCommandLog(Line(Recorded(std::string(98, 'A')), 60)).ok);
}

TEST(CommandLog, ChecksumMessageShowsABoundedPartOfTheLine)
{
    const CommandLogParse p = ParseCommandLog(Line(" F8 01 PSTS" + std::string(100000, ' ') + "86", 60));
    EXPECT_FALSE(p.ok);
    ASSERT_FALSE(p.checksumMessage.empty());
    EXPECT_LT(p.checksumMessage.size(), 500u);
    EXPECT_EQ(p.checksumMessage.rfind("Send command:\n  F8 01 PSTS", 0), 0u);
}

TEST(CommandLog, HandWrittenFilesNeverReadPastTheirEnd)
{
    // No final line end, binary junk, a line of a megabyte.
    EXPECT_TRUE(ParseCommandLog("12/08/26  TxC:  F8 01 PSTS 85\t\tTick: 60").ok);
    EXPECT_EQ(ParseCommandLog("12/08/26  TxC:  F8 01 PSTS 85\t\tTick: 60").records.size(), 1u);
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>(i * 37);
    ParseCommandLog(junk);
    EXPECT_TRUE(ParseCommandLog(std::string(1 << 20, 'x')).ok);
    EXPECT_TRUE(ParseCommandLog("").ok);
}

TEST(CommandLog, HaltCommands)
{
    struct Case {
        const char* text;
        const char* halt;
    } cases[] = {{"FN", "FS"}, {"PLTU", "PSTS"}, {"TU", "PSTS"}, {"l9u3", "PSTS"}, {"r5", "PSTS"}, {"ZI", "ZS"},
                 {"cF1", "FS"}, {"cN0", "FS"}, {"cIO", "IS"}, {"cWB", "cWQ"}, {"cz2", "ZS"}, {"cS0", nullptr},
                 {"L?", nullptr}, {"c", nullptr}, {"", nullptr}};
    for (const Case& c : cases) {
        const char* halt = PlaybackHaltCommand(c.text);
        EXPECT_EQ(halt ? std::string(halt) : "", c.halt ? std::string(c.halt) : "") << c.text;
    }
}

namespace {
struct Host : PlaybackHost {
    void PlaybackSetAddress(int a) override { address = a; }
    void PlaybackSend(std::string_view text) override { sent.emplace_back(clock.TickCount(), std::string(text)); }
    void PlaybackHalt(std::string_view text) override
    {
        sent.emplace_back(clock.TickCount(), std::string(text));
        events.push_back("halt " + std::string(text) + " to " + std::to_string(address));
    }
    void PlaybackNoAck() override
    {
        ++noAck;
        events.emplace_back("no ack");
    }
    void PlaybackFinished() override
    {
        ++finished;
        events.emplace_back("finished");
    }
    explicit Host(ManualClock& c) : clock(c) {}
    ManualClock& clock;
    int address = 0;
    int noAck = 0, finished = 0;
    std::vector<std::pair<uint32_t, std::string>> sent;
    std::vector<std::string> events;
};

struct Player : TimerHandler {
    Player() : timers(clock.CreateTimers(*this)), host(clock), player(*timers, clock, host) {}
    void OnTimer(int id) override
    {
        if (id == ConsoleTimer::PlaybackPacing)
            player.OnPlaybackTimer();
        else if (id == ConsoleTimer::PlaybackAckWait)
            player.OnAckTimeout();
    }
    // Acknowledges every command sent from now on, 10 ms after it went out.
    void RunAcknowledging(uint32_t ms)
    {
        for (uint32_t i = 0; i < ms; ++i) {
            clock.Advance(1);
            if (acked < host.sent.size() && clock.TickCount() >= host.sent[acked].first + 10) {
                ++acked;
                player.Acknowledged();
            }
        }
    }
    size_t acked = 0;
    ManualClock clock;
    std::unique_ptr<Timers> timers;
    Host host;
    CommandLogPlayer player;
};

std::vector<PlaybackRecord> Records(std::initializer_list<std::tuple<int, const char*, uint32_t>> list)
{
    std::vector<PlaybackRecord> out;
    for (auto [address, text, delay] : list)
        out.push_back(PlaybackRecord{static_cast<uint8_t>(address), text, delay});
    return out;
}
} // namespace

TEST(CommandLogPlayer, PlaysWithTheRecordedDelaysAndFinishesOnTheLastAck)
{
    Player p;
    ASSERT_TRUE(p.player.Start(Records({{1, "PLTU", 60}, {2, "PSTS", 0}, {1, "ZI", 200}})));
    p.RunAcknowledging(500);
    ASSERT_EQ(p.host.sent.size(), 4u);
    EXPECT_EQ(p.host.sent[0], (std::pair<uint32_t, std::string>{0, "PLTU"}));
    EXPECT_EQ(p.host.sent[1], (std::pair<uint32_t, std::string>{1, "PSTS"})); // a delay of 0 plays after 1 ms
    EXPECT_EQ(p.host.sent[2], (std::pair<uint32_t, std::string>{201, "ZI"}));
    EXPECT_EQ(p.host.sent[3], (std::pair<uint32_t, std::string>{211, "ZS"})) << "halted on the last acknowledgement";
    EXPECT_EQ(p.host.finished, 1);
    EXPECT_EQ(p.host.noAck, 0);
    EXPECT_FALSE(p.player.active());
}

TEST(CommandLogPlayer, AMissingAcknowledgementStopsPlayback)
{
    Player p;
    p.player.Start(Records({{1, "PLTU", 60}, {1, "PSTS", 60}}));
    p.clock.Advance(49);
    EXPECT_EQ(p.host.noAck, 0);
    p.clock.Advance(1);
    EXPECT_EQ(p.host.noAck, 1);
    p.clock.Advance(1000);
    ASSERT_EQ(p.host.sent.size(), 2u) << "nothing more is played";
    EXPECT_EQ(p.host.sent[1].second, "PSTS") << "only the halt";
    // The last command is checked too.
    Player last;
    last.player.Start(Records({{1, "ZI", 0}}));
    last.clock.Advance(60);
    EXPECT_EQ(last.host.noAck, 1);
    EXPECT_EQ(last.host.finished, 0);
}

TEST(CommandLogPlayer, PauseHaltsAndResumeWaitsOutTheRest)
{
    Player p;
    p.player.Start(Records({{1, "PLTU", 0}, {1, "ZI", 1000}}));
    p.RunAcknowledging(1); // PLTU, then the 1000 ms wait for ZI begins at 1
    p.RunAcknowledging(300);
    p.player.Pause();
    EXPECT_EQ(p.host.sent.back().second, "PSTS");
    p.RunAcknowledging(5000);
    EXPECT_EQ(p.host.sent.size(), 2u) << "nothing while paused";
    p.player.Resume();
    EXPECT_EQ(p.host.sent.back().second, "PLTU") << "the paused command again";
    const uint32_t resumed = p.clock.TickCount();
    p.RunAcknowledging(800);
    ASSERT_EQ(p.host.sent.size(), 5u);
    EXPECT_EQ(p.host.sent[3].second, "ZI");
    EXPECT_EQ(p.host.sent[4].second, "ZS");
    EXPECT_NEAR(static_cast<double>(p.host.sent[3].first - resumed), 700.0, 2.0);
}

// The end of the log and a missing acknowledgement both stop as Stop does:
// the current record's motion is halted at the record's address.
TEST(CommandLogPlayer, BothEndsHaltTheCamera)
{
    struct Case {
        std::vector<PlaybackRecord> records;
        bool acknowledging;
        std::vector<std::string> events;
    } cases[] = {
        {Records({{1, "ZI", 0}, {3, "PRTS", 60}}), true, {"finished", "halt PSTS to 3"}},
        {Records({{1, "cZ2", 0}}), true, {"finished", "halt ZS to 1"}},
        {Records({{1, "L?", 0}}), true, {"finished"}}, // nothing to halt
        {Records({{4, "PLTU", 60}, {1, "PSTS", 60}}), false, {"no ack", "halt PSTS to 4"}},
    };
    for (Case& c : cases) {
        Player p;
        const std::string first = c.records.front().text;
        ASSERT_TRUE(p.player.Start(std::move(c.records)));
        if (c.acknowledging)
            p.RunAcknowledging(500);
        else
            p.clock.Advance(500);
        EXPECT_EQ(p.host.events, c.events) << first;
        EXPECT_FALSE(p.player.active()) << first;
        p.player.Stop(); // the console's Stop afterwards sends nothing more
        EXPECT_EQ(p.host.events, c.events) << first;
    }
}

namespace {
struct TempFolder {
    TempFolder() : path(std::filesystem::temp_directory_path() / ("pivora-log-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};
} // namespace

// Log files are read whole up to the cap, whatever they are; a folder or a
// missing file cannot be opened.
TEST(CommandLog, ReadingALogFileKeepsToTheCap)
{
    TempFolder folder;
    const std::string file = (folder.path / "log.txt").string();
    std::ofstream(file) << std::string(1000, 'x');
    std::string contents;
    EXPECT_EQ(ReadCommandLogFile(file, contents, 1000), CommandLogRead::Ok);
    EXPECT_EQ(contents.size(), 1000u);
    EXPECT_EQ(ReadCommandLogFile(file, contents, 999), CommandLogRead::TooLarge);
    EXPECT_TRUE(contents.empty());
    EXPECT_EQ(ReadCommandLogFile(folder.path.string(), contents), CommandLogRead::CannotOpen);
    EXPECT_EQ(ReadCommandLogFile((folder.path / "missing.txt").string(), contents), CommandLogRead::CannotOpen);
    EXPECT_EQ(ReadCommandLogFile("", contents), CommandLogRead::CannotOpen);

    // A device and a FIFO report no size; the cap holds all the same.
    EXPECT_EQ(ReadCommandLogFile("/dev/zero", contents, 1 << 16), CommandLogRead::TooLarge);
    const std::string fifo = (folder.path / "fifo.txt").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] {
        std::ofstream out(fifo, std::ios::binary);
        out << std::string(5000, 'y');
    });
    EXPECT_EQ(ReadCommandLogFile(fifo, contents, 4096), CommandLogRead::TooLarge);
    writer.join();
}
