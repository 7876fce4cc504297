// The benchmarks and the timing probe play logs made here: they must be
// what the console records and what its parser takes.
#include "CommandLog.h"
#include "RecordedLog.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(RecordedLog, CommandsComeBackFromTheParser)
{
    const std::vector<RecordedCommand> commands = {
        {1, "PLTU", 60}, {7, "cZ1", 1500}, {255, "A?", 0}, {31, "*TN1NorthGateEastSideCamera07Dock1x", 4294967295u},
    };
    for (bool replies : {false, true}) {
        const CommandLogParse parse = ParseCommandLog(RecordedCommandLog(commands, replies));
        ASSERT_TRUE(parse.ok) << replies << parse.checksumMessage;
        ASSERT_EQ(parse.records.size(), commands.size()) << replies;
        for (size_t i = 0; i < commands.size(); ++i) {
            EXPECT_EQ(parse.records[i].address, commands[i].address) << i;
            EXPECT_EQ(parse.records[i].text, commands[i].text) << i;
            EXPECT_EQ(parse.records[i].delay, commands[i].delay) << i;
        }
    }
}

TEST(RecordedLog, TypicalLogHasExactlyItsLinesAndACommandInEveryFour)
{
    struct Case {
        size_t lines;
        size_t records;
    } cases[] = {
        {0, 0}, {3, 0}, {5, 0}, {6, 1}, {9, 1}, {10, 2}, {1000, 249}, {10000, 2499},
    };
    for (const Case& c : cases) {
        const std::string log = TypicalCommandLog(c.lines);
        EXPECT_EQ(static_cast<size_t>(std::count(log.begin(), log.end(), '\n')), c.lines) << c.lines;
        const CommandLogParse parse = ParseCommandLog(log);
        ASSERT_TRUE(parse.ok) << c.lines;
        EXPECT_EQ(parse.records.size(), c.records) << c.lines;
    }
    const CommandLogParse parse = ParseCommandLog(TypicalCommandLog(10));
    ASSERT_EQ(parse.records.size(), 2u);
    EXPECT_EQ(parse.records[0].text, "PLTU");
    EXPECT_EQ(parse.records[1].text, "PSTS");
    EXPECT_EQ(parse.records[1].delay, 1500u);
}
