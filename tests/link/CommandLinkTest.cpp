#include "LinkTestSupport.h"

#include <gtest/gtest.h>

using Bytes = FakeLine::Bytes;

TEST(CommandLink, AddressByteRules)
{
    struct Case {
        int protocol;
        int address;
        bool broadcast;
        bool address31;
        uint8_t expected;
    } cases[] = {
        {0, 1, false, false, 1},     {0, 0, false, false, 255},  {4, 300, false, false, 255},
        {12, 255, false, false, 255}, {12, 1000, false, false, 255}, {0, 7, true, false, 255},
        {0, 7, false, true, 31},     {0, 7, true, true, 255},
    };
    for (const Case& c : cases) {
        LinkFixture f;
        f.link.settings().protocol = c.protocol;
        f.link.SetCameraAddress(c.address);
        f.link.broadcastOnce = c.broadcast;
        f.link.address31Once = c.address31;
        f.link.SendCommand("PSTS");
        ASSERT_EQ(f.line.written.size(), 1u) << c.address;
        EXPECT_EQ(f.line.written[0][1], c.expected) << c.protocol << "/" << c.address;
    }
}

TEST(CommandLink, OnceFlagsAreClearedByTheFrameThatUsedThem)
{
    LinkFixture f;
    f.link.SetCameraAddress(7);
    f.link.broadcastOnce = true;
    f.link.address31Once = true;
    f.link.SendCommand("A?");
    EXPECT_FALSE(f.link.broadcastOnce);
    EXPECT_TRUE(f.link.address31Once); // broadcast won; the address-31 frame is still to come
    f.link.SendCommand("A?");
    EXPECT_FALSE(f.link.address31Once);
    f.link.SendCommand("A?");
    ASSERT_EQ(f.line.written.size(), 3u);
    EXPECT_EQ(f.line.written[0][1], 255);
    EXPECT_EQ(f.line.written[1][1], 31);
    EXPECT_EQ(f.line.written[2][1], 7);
}

TEST(CommandLink, PrefixedCommandUsesTheLowAddressByteAndNoAddress31)
{
    LinkFixture f;
    f.link.settings().mode = 0;
    f.link.settings().protocol = 6; // no prefixed limit
    f.link.SetCameraAddress(0x1234);
    f.link.address31Once = true;
    f.link.asciiReplyExpected = false;
    f.link.SendPrefixedCommand("WS");
    ASSERT_EQ(f.line.written.size(), 1u);
    const Bytes& w = f.line.written[0];
    EXPECT_EQ(w, (Bytes{0x02, 0x34, 'c', 'W', 'S', static_cast<uint8_t>(0x80 | ((0x34 ^ 'c' ^ 'W' ^ 'S') & 0x0F)), 0x03}));
    EXPECT_TRUE(f.link.address31Once);
    EXPECT_FALSE(f.link.asciiReplyExpected); // left as it was
}

TEST(CommandLink, NothingLeavesWhileSendingIsSuspended)
{
    LinkFixture f;
    f.link.sendingSuspended = true;
    f.link.SendCommand("PSTS");
    f.link.SendPrefixedCommand("WS");
    const uint8_t raw[] = {0x7E, 0x05};
    f.link.SendRawBytes(raw, sizeof raw);
    f.link.EnqueueCommand("ZI");
    f.clock.Advance(1000);
    EXPECT_TRUE(f.line.written.empty());
    f.link.sendingSuspended = false;
    f.clock.Advance(5);
    EXPECT_EQ(f.SentTexts(), (std::vector<std::string>{"ZI"}));
}

TEST(CommandLink, BinaryAndHashSendsSetTheReplyGrammar)
{
    LinkFixture f;
    const uint8_t record[] = {0xFF, 0x06, 0x07, 0x03, 0x01, 0x01, 0x00, 0xFF};
    f.link.linkFree = false;
    f.link.SendCommand(std::string_view(reinterpret_cast<const char*>(record), sizeof record));
    ASSERT_EQ(f.line.written.size(), 1u);
    EXPECT_EQ(f.line.written[0], (Bytes{0xFF, 0x06, 0x07, 0x03, 0x00, 0x01, 0x00, 0xEF}));
    EXPECT_FALSE(f.link.asciiReplyExpected);
    EXPECT_TRUE(f.link.linkFree);

    f.link.settings().receiverType = 14;
    f.link.SendCommand("#XY");
    EXPECT_EQ(f.line.written[1], (Bytes{'#', 'X', 'Y', 0x0D, 0xFF}));
    EXPECT_TRUE(f.link.asciiReplyExpected);
    // Other receiver types frame a '#' text like any other.
    f.link.settings().receiverType = 5;
    f.link.SendCommand("#XY");
    EXPECT_EQ(f.line.written[2][0], 0xF8);
}

TEST(CommandLink, QueuedCommandWaitsForTheAcknowledgement)
{
    LinkFixture f;
    f.link.EnqueueCommand("ZI");
    f.link.EnqueueCommand("ZS");
    EXPECT_EQ(f.timers->Period(ConsoleTimer::QueueService), 5);
    f.clock.Advance(5);
    EXPECT_EQ(f.SentTexts(), (std::vector<std::string>{"ZI"}));
    EXPECT_FALSE(f.link.linkReady);
    EXPECT_EQ(f.timers->Period(ConsoleTimer::QueueService), 100);
    EXPECT_TRUE(f.timers->IsRunning(ConsoleTimer::ReplyTimeout));

    f.clock.Advance(60);
    f.link.Acknowledged();
    EXPECT_FALSE(f.timers->IsRunning(ConsoleTimer::ReplyTimeout));
    EXPECT_EQ(f.SentTexts().size(), 1u); // leaves at the next tick of timer 20
    f.clock.Advance(40);
    EXPECT_EQ(f.SentTexts(), (std::vector<std::string>{"ZI", "ZS"}));
    f.link.Acknowledged();
    f.clock.Advance(100);
    // Empty queue and an idle link: the service stops itself.
    EXPECT_FALSE(f.timers->IsRunning(ConsoleTimer::QueueService));
    EXPECT_FALSE(f.host.commError);
}

TEST(CommandLink, ReplyTimeoutReleasesTheLinkAndLightsCommError)
{
    LinkFixture f;
    f.link.EnqueueCommand("L?");
    f.link.EnqueueCommand("ZS");
    f.clock.Advance(5);
    ASSERT_EQ(f.SentTexts().size(), 1u);
    f.clock.Advance(99);
    EXPECT_FALSE(f.host.commError);
    f.clock.Advance(1);
    EXPECT_TRUE(f.host.commError);
    EXPECT_TRUE(f.link.timedOut);
    EXPECT_TRUE(f.link.linkReady && f.link.linkFree);
    ASSERT_EQ(f.host.timeouts.size(), 1u);
    EXPECT_EQ(f.host.timeouts[0], " F8 01 L? 82");
    // The next command goes, and the status request follows the time-out.
    f.clock.Advance(100);
    EXPECT_EQ(f.SentTexts(), (std::vector<std::string>{"L?", "ZS"}));
    EXPECT_FALSE(f.link.timedOut);
    EXPECT_TRUE(f.timers->IsRunning(ConsoleTimer::StatusRequest));
    EXPECT_EQ(f.timers->Period(ConsoleTimer::StatusRequest), 100);
}

TEST(CommandLink, LongQueuedTextLeavesAsItsFirst35Characters)
{
    LinkFixture f;
    const std::string forty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    f.link.EnqueueCommand(forty);
    f.clock.Advance(5);
    EXPECT_EQ(f.SentTexts(), (std::vector<std::string>{forty.substr(0, 35)}));
}

TEST(CommandLink, ReplyCommandsHoldTheNextUntilAReply)
{
    struct Case {
        const char* first;
        bool holds;
    } cases[] = {{"cDS", false}, {"cdLx", true}, {"WxyzS", true}, {"ZI", false}, {"SL", false}, {"xxL", true}};
    for (const Case& c : cases) {
        LinkFixture f;
        f.link.EnqueueCommand(c.first);
        f.link.EnqueueCommand("ZS");
        f.clock.Advance(5);
        f.link.Acknowledged(); // an acknowledgement alone
        f.clock.Advance(100);
        EXPECT_EQ(f.SentTexts().size(), c.holds ? 1u : 2u) << c.first;
        if (c.holds) {
            f.link.ReplyDecoded(); // the reply frees it
            f.clock.Advance(100);
            EXPECT_EQ(f.SentTexts().size(), 2u) << c.first;
        }
    }
}

TEST(CommandLink, ThirdCharacterLHoldsUntilTimeout)
{
    LinkFixture f;
    f.link.EnqueueCommand("cdL");
    f.link.EnqueueCommand("ZS");
    f.clock.Advance(5);
    f.link.Acknowledged();
    f.clock.Advance(99);
    EXPECT_EQ(f.SentTexts().size(), 1u);
    f.clock.Advance(1); // the time-out at 100 ms releases the link
    f.clock.Advance(100);
    EXPECT_EQ(f.SentTexts().size(), 2u);
}

TEST(CommandLink, QueuedBinaryRecordKeepsItsZeroBytes)
{
    LinkFixture f;
    const uint8_t record[] = {0xFF, 0x06, 0x07, 0x00, 0x01, 0x01, 0x02, 0xFF};
    f.link.settings().protocol = 3; // Javelin: addresses up to 999
    f.link.SetCameraAddress(300);
    f.link.EnqueueCommand(std::string_view(reinterpret_cast<const char*>(record), sizeof record));
    f.clock.Advance(5);
    ASSERT_EQ(f.line.written.size(), 1u);
    EXPECT_EQ(f.line.written[0], (Bytes{0xFF, 0x06, 0x07, 0x00, 0x01, 0x2C, 0x02, 0xC4}));
}

TEST(CommandLink, FullQueueDropsTheOldestWaitingCommand)
{
    LinkFixture f;
    f.link.sendingSuspended = true;
    for (int i = 0; i < 600; ++i)
        f.link.EnqueueCommand("C" + std::to_string(i));
    EXPECT_EQ(f.link.queue().WaitingCount(), CommandQueue::kCapacity);
    f.link.sendingSuspended = false;
    f.clock.Advance(5);
    // The newest 500 survive; the first to leave is number 100.
    EXPECT_EQ(f.SentTexts(), (std::vector<std::string>{"C100"}));
    for (int i = 0; i < 499; ++i) {
        f.link.Acknowledged();
        f.clock.Advance(100);
    }
    EXPECT_EQ(f.SentTexts().back(), "C599");
    EXPECT_EQ(f.SentTexts().size(), 500u);
}

TEST(CommandLink, PanelFormLeavesTheConsoleTimerAloneAndCanDiscardWaiting)
{
    LinkFixture f;
    f.link.EnqueuePanelCommand("cWS", false);
    f.link.EnqueuePanelCommand("cVS", false);
    EXPECT_FALSE(f.timers->IsRunning(ConsoleTimer::QueueService));
    EXPECT_EQ(f.link.queue().WaitingCount(), 2);
    f.link.EnqueuePanelCommand("cGS", true); // only the newest survives
    EXPECT_EQ(f.link.queue().WaitingCount(), 1);
    f.link.SendNextQueued();
    EXPECT_EQ(f.SentTexts(), (std::vector<std::string>{"cGS"}));
    EXPECT_TRUE(f.link.linkFree);
    f.link.EnqueuePanelCommand("cdLS", false);
    f.link.SendNextQueued();
    EXPECT_FALSE(f.link.linkFree);
}

TEST(CommandLink, RefusedQueuedCommandDoesNotHoldTheLink)
{
    LinkFixture f;
    f.link.settings().protocol = 1;
    f.link.SetCameraAddress(100); // beyond American Dynamics' 99
    f.link.EnqueueCommand("cdLS");
    f.clock.Advance(5);
    EXPECT_TRUE(f.line.written.empty());
    EXPECT_EQ(f.host.messages.size(), 1u);
    EXPECT_TRUE(f.link.linkReady && f.link.linkFree);
    f.clock.Advance(200);
    EXPECT_FALSE(f.host.commError); // no time-out for a command that never left
    EXPECT_TRUE(f.host.timeouts.empty());
}

// A command queued for broadcast goes to 255 with its own frame, whatever
// waits before it; a refused broadcast frame leaves the flag to no other.
TEST(CommandLink, BroadcastMarkTravelsWithItsOwnSlot)
{
    LinkFixture f;
    f.link.SetCameraAddress(7);
    f.link.queue().Enqueue("P1");
    f.link.queue().Enqueue("As009", true);
    f.link.queue().Enqueue("L?");
    std::vector<uint8_t> addresses;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(f.link.SendNextQueued());
        addresses.push_back(f.line.written.back()[1]);
    }
    EXPECT_EQ(addresses, (std::vector<uint8_t>{7, 255, 7}));
    EXPECT_FALSE(f.link.broadcastOnce);

    // Refused (American Dynamics stops at 99): nothing written, and the
    // next frame goes to the camera, not to 255.
    f.link.settings().protocol = 1;
    f.link.SetCameraAddress(120);
    f.link.queue().Enqueue("As005", true);
    EXPECT_FALSE(f.link.SendNextQueued());
    EXPECT_FALSE(f.link.broadcastOnce);
    f.link.SetCameraAddress(12);
    f.link.queue().Enqueue("L?");
    ASSERT_TRUE(f.link.SendNextQueued());
    EXPECT_EQ(f.line.written.back()[1], 12);
}
