// The send side every panel and queued dialog shares, policy by policy.
#include "LinkTestSupport.h"
#include "PanelPump.h"

#include <gtest/gtest.h>

namespace {
using Texts = std::vector<std::string>;

// A window's timers on the manual clock, driving its pump.
struct PumpFixture : TimerHandler {
    explicit PumpFixture(SendPolicy policy)
        : windowTimers(link.clock.CreateTimers(*this)), pump(link.link, flags, *windowTimers, policy)
    {
        pump.showMessage = [this](const char* text) { shown.emplace_back(text); };
    }
    void OnTimer(int id) override
    {
        if (!pump.OnTimer(id))
            windowTimers->Stop(id);
    }
    // The camera answers: the console releases the link and clears the flag.
    void Reply()
    {
        link.link.ReplyDecoded();
        flags = ReplyFlags{};
    }
    Texts Sent(uint32_t ms)
    {
        link.clock.Advance(ms);
        Texts t = link.SentTexts();
        link.line.written.clear();
        return t;
    }

    LinkFixture link;
    ReplyFlags flags;
    std::unique_ptr<Timers> windowTimers;
    PanelPump pump;
    Texts shown;
};

SendPolicy Queued(bool newestWins, size_t slot = 35)
{
    SendPolicy p;
    p.newestWins = newestWins;
    p.slotLength = slot;
    p.sendMs = 5;
    return p;
}
} // namespace

TEST(PanelPump, NewestWinsOrEveryCommandGoes)
{
    for (bool newestWins : {true, false}) {
        PumpFixture f(Queued(newestWins));
        f.pump.Enqueue("cY1");
        f.pump.Enqueue("cB1");
        EXPECT_EQ(f.Sent(5), Texts{newestWins ? "cB1" : "cY1"}) << newestWins;
        EXPECT_TRUE(f.flags.panelReplyPending);
        f.Reply();
        EXPECT_EQ(f.Sent(5), newestWins ? Texts{} : Texts{"cB1"}) << newestWins;
    }
}

TEST(PanelPump, SlotLengthAndReplyFlagFollowThePolicy)
{
    const std::string text(40, 'x');
    struct Case {
        size_t slot;
        PendingFlag flag;
        bool ReplyFlags::*set;
    } cases[] = {{35, PendingFlag::Panel, &ReplyFlags::panelReplyPending},
                 {63, PendingFlag::Privacy, &ReplyFlags::privacyReplyPending},
                 {35, PendingFlag::Dsp723x, &ReplyFlags::dsp723xReplyPending},
                 {63, PendingFlag::None, nullptr}};
    for (const Case& c : cases) {
        SendPolicy p = Queued(true, c.slot);
        p.flag = c.flag;
        PumpFixture f(p);
        f.pump.Enqueue(text);
        const Texts sent = f.Sent(5);
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].size(), std::min<size_t>(c.slot, 40));
        const ReplyFlags none;
        if (c.set)
            EXPECT_TRUE(f.flags.*c.set);
        else
            EXPECT_FALSE(f.flags.panelReplyPending || f.flags.privacyReplyPending || f.flags.dsp723xReplyPending);
        (void)none;
    }
}

TEST(PanelPump, WaitsForTheLinkOrTheTimeOutAndShowsItsMessage)
{
    SendPolicy p = Queued(false);
    p.timeoutMs = 2000;
    p.timeoutMessage = "Command timeout\n";
    PumpFixture f(p);
    f.pump.Enqueue("cDS");
    f.pump.Enqueue("cIS");
    EXPECT_EQ(f.Sent(5), Texts{"cDS"});
    EXPECT_TRUE(f.Sent(1990).empty()) << "the next waits for a reply";
    EXPECT_EQ(f.Sent(10), Texts{"cIS"}) << "the time-out releases the link";
    EXPECT_EQ(f.shown, Texts{"Command timeout\n"});
}

TEST(PanelPump, APumpThatDoesNotWaitStillSendsEveryCommand)
{
    // Camera ID's pump: no wait for LinkReady, a time-out all the same.
    SendPolicy p = Queued(false);
    p.waitsForLink = false;
    PumpFixture f(p);
    f.link.link.linkReady = false;
    f.pump.Enqueue("dL1");
    f.pump.Enqueue("dL2");
    EXPECT_EQ(f.Sent(10), (Texts{"dL1", "dL2"}));
    // Setup's: no wait and no time-out; the send timer stops with the queue.
    SendPolicy s = Queued(true);
    s.waitsForLink = false;
    s.timesOut = false;
    s.flag = PendingFlag::None;
    PumpFixture g(s);
    g.pump.Enqueue("RS");
    EXPECT_EQ(g.Sent(5), Texts{"RS"});
    EXPECT_FALSE(g.windowTimers->IsRunning(s.sendTimer));
    EXPECT_FALSE(g.windowTimers->IsRunning(s.timeoutTimer));
}

TEST(PanelPump, SuspendedSendingAndFillingHoldCommandsWithoutLosingThem)
{
    PumpFixture f(Queued(false));
    f.pump.SetFilling(true);
    f.pump.Enqueue("lost");
    f.pump.SetFilling(false);
    f.link.link.sendingSuspended = true;
    f.pump.Enqueue("cDS");
    EXPECT_TRUE(f.Sent(50).empty());
    f.link.link.sendingSuspended = false;
    EXPECT_EQ(f.Sent(5), Texts{"cDS"});
}

TEST(PanelPump, AWindowThatQueuesWhileFillingSendsOnlyOnceFillingEnds)
{
    SendPolicy p = Queued(false);
    p.queuesWhileFilling = true;
    PumpFixture f(p);
    f.pump.SetFilling(true);
    f.pump.Enqueue("*Ts1");
    f.pump.Enqueue("cdSs1");
    EXPECT_TRUE(f.Sent(50).empty()) << "the pump waits while filling";
    f.pump.SetFilling(false);
    EXPECT_EQ(f.Sent(5), Texts{"*Ts1"});
    f.Reply();
    EXPECT_EQ(f.Sent(5), Texts{"cdSs1"});
}

TEST(PanelPump, ClosingReleasesALinkThatStillWaitsForThisWindow)
{
    PumpFixture f(Queued(true));
    f.pump.Enqueue("cWSDS"); // 'S' fifth: waits for a full reply
    f.Sent(5);
    EXPECT_FALSE(f.link.link.linkReady);
    EXPECT_FALSE(f.link.link.linkFree);
    f.pump.Close();
    EXPECT_TRUE(f.link.link.linkReady);
    EXPECT_TRUE(f.link.link.linkFree);
    EXPECT_FALSE(f.flags.panelReplyPending);
    EXPECT_FALSE(f.windowTimers->IsRunning(10));
    EXPECT_FALSE(f.windowTimers->IsRunning(11));

    // Answered before closing: closing touches nothing of the console's.
    PumpFixture g(Queued(true));
    g.pump.Enqueue("cDS");
    g.Sent(5);
    g.Reply();
    g.link.link.linkReady = false; // the console's own command since
    g.pump.Close();
    EXPECT_FALSE(g.link.link.linkReady);
}

TEST(PanelPump, DirectSendsGoAtOnceWithTheClassLetterAndTheFlag)
{
    SendPolicy p;
    p.direct = true;
    p.flag = PendingFlag::Dsp7100;
    p.timesOut = false;
    PumpFixture f(p);
    f.pump.Enqueue("WS");
    EXPECT_EQ(f.link.SentTexts(), Texts{"cWS"});
    EXPECT_TRUE(f.flags.dsp7100ReplyPending);
    f.pump.Close();
    EXPECT_FALSE(f.flags.dsp7100ReplyPending);
}

TEST(PanelPump, BeforeSendSeesEachCommandJustBeforeItGoes)
{
    PumpFixture f(Queued(false));
    Texts seen;
    f.pump.beforeSend = [&](std::string_view next) {
        seen.emplace_back(next);
        // Set up for this one command only: it goes to address 255.
        if (next == "As007")
            f.link.link.broadcastOnce = true;
    };
    f.pump.Enqueue("cDS");
    f.pump.Enqueue("As007");
    f.pump.Enqueue("cIS");
    f.link.clock.Advance(5);
    EXPECT_EQ(seen, Texts{"cDS"}) << "the others wait for the link";
    f.Reply();
    f.link.clock.Advance(5);
    f.Reply();
    f.link.clock.Advance(5);
    EXPECT_EQ(seen, (Texts{"cDS", "As007", "cIS"}));
    std::vector<uint8_t> addresses;
    for (const auto& frame : f.link.line.written)
        addresses.push_back(frame[1]);
    EXPECT_EQ(addresses, (std::vector<uint8_t>{1, 255, 1}));
}
