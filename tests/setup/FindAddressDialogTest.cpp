// "Find Camera Address" opened from the console on its fake line and the
// manual clock: what is polled when, what the dialog shows when the
// console recognises an answer, and where the address is left.
#include "ConsoleControlIds.h"
#include "ConsoleTimeline.h"
#include "FindAddressDialog.h"

#include <QAbstractButton>
#include <QLabel>
#include <QProgressBar>
#include <QSpinBox>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

using namespace ConsoleControl;
using Bytes = FakeLine::Bytes;

namespace {
// An 0xF8 frame from the camera at the given address.
Bytes Reply(const std::string& text, uint8_t address)
{
    Bytes f{0xF8, address};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

struct Poll {
    int address;
    std::string text;
    bool operator==(const Poll&) const = default;
};

// The console, settled, with the camera address box showing 5.
struct FindFixture {
    explicit FindFixture(ConsoleSettings s = {}) : t(s)
    {
        t.console->show();
        Settle(t);
        AddressBox()->setValue(5);
        t.line.written.clear();
    }
    QSpinBox* AddressBox() { return static_cast<QSpinBox*>(t.console->control(CameraAddress)); }
    // Opens the search from the console's "Find" button; the step drives it.
    int Find(std::function<int(FindAddressDialog&)> step)
    {
        int result = -1;
        t.modal.steps.push_back([&, step](QDialog& d) {
            d.show();
            t.line.written.clear();
            result = step(static_cast<FindAddressDialog&>(d));
            return result;
        });
        QTest::mouseClick(t.console->control(ConsoleControl::Find), Qt::LeftButton);
        return result;
    }
    // The frames written since the last call, with the address they went
    // to (the console's acknowledgements of replies left out).
    std::vector<Poll> Polls()
    {
        std::vector<Poll> out;
        for (const Bytes& f : t.line.written)
            if (f.size() > 3)
                out.push_back(Poll{f[1], std::string(f.begin() + 2, f.end() - 1)});
        t.line.written.clear();
        return out;
    }
    static std::string Text(FindAddressDialog& d, const char* name)
    {
        return d.findChild<QLabel*>(QString::fromLatin1(name))->text().toStdString();
    }
    static bool OkEnabled(FindAddressDialog& d) { return d.findChild<QWidget*>(QStringLiteral("OK"))->isEnabled(); }
    static void Click(FindAddressDialog& d, const char* name)
    {
        QTest::mouseClick(d.findChild<QAbstractButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }

    TestConsole t;
};
} // namespace

TEST(FindAddressDialog, AReceiverAtAddressOneIsFoundByTheFirstPoll)
{
    FindFixture f;
    for (int id = ConsoleLamp::CameraPower; id <= ConsoleLamp::VideoLoss; ++id)
        f.t.console->DrawLamp(id, 1);
    const int result = f.Find([&](FindAddressDialog& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), "Find Camera Address");
        for (int id = ConsoleLamp::CameraPower; id <= ConsoleLamp::VideoLoss; ++id)
            EXPECT_EQ(f.t.console->lampState(id), 0) << "lamp " << id << " drawn off first";
        EXPECT_FALSE(FindFixture::OkEnabled(d));
        EXPECT_EQ(f.t.console->link().cameraAddress(), 0) << "nothing is polled before the first tick";
        f.t.clock.Advance(499);
        EXPECT_TRUE(f.Polls().empty());
        f.t.clock.Advance(1);
        EXPECT_EQ(f.Polls(), (std::vector<Poll>{{1, "L?H?"}})) << "sent at once, to address 1";
        EXPECT_EQ(d.findChild<QProgressBar*>(QStringLiteral("Progress"))->text().toStdString(), "Address 1 of 223");
        f.t.line.Inject({0x06});
        f.t.line.Inject(Reply("L2", 1));
        EXPECT_EQ(FindFixture::Text(d, "Response"), "Response received: Camera 1");
        EXPECT_TRUE(FindFixture::OkEnabled(d));
        f.t.clock.Advance(2000);
        EXPECT_EQ(f.Polls(), (std::vector<Poll>{})) << "the search has stopped";
        FindFixture::Click(d, "OK");
        return d.result();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(f.AddressBox()->value(), 1) << "the address found goes into the address box";
    EXPECT_EQ(f.t.console->link().cameraAddress(), 1);
    // Afterwards the console asks for the state whose lamps it drew off.
    f.t.clock.Advance(499);
    EXPECT_TRUE(f.Polls().empty());
    f.t.clock.Advance(1);
    EXPECT_EQ(f.Polls(), (std::vector<Poll>{{1, "L?H?"}}));
}

// However the search is cancelled, the address is the one it began with
// (the construction's 1), and the address box says so.
TEST(FindAddressDialog, CancellingAtAnyPointLeavesTheAddressAtOne)
{
    struct Case {
        const char* when;
        uint32_t searchMs;
        bool answer;
        bool closeBox;
    };
    for (const Case& c : {Case{"at once", 0, false, false}, Case{"after three polls", 1600, false, false},
                          Case{"after an answer", 4000, true, false}, Case{"by the close box", 2600, false, true}}) {
        FindFixture f;
        const int result = f.Find([&](FindAddressDialog& d) {
            f.t.clock.Advance(c.searchMs);
            if (c.answer)
                f.t.line.Inject(Reply("L0", 8));
            if (c.closeBox)
                d.close();
            else
                FindFixture::Click(d, "Cancel");
            return d.result();
        });
        EXPECT_EQ(result, QDialog::Rejected) << c.when;
        EXPECT_EQ(f.t.console->link().cameraAddress(), 1) << c.when;
        EXPECT_EQ(f.AddressBox()->value(), 1) << c.when;
        // A reply after the search tells nobody.
        f.t.line.Inject(Reply("L0", 1));
        EXPECT_FALSE(f.t.console->state().findInProgress) << c.when;
    }
}

TEST(FindAddressDialog, AFullPassPollsEveryAddressThenRetryBeginsAtOneAgain)
{
    FindFixture f;
    f.t.prompter.answers = {MessageAnswer::Retry, MessageAnswer::Cancel};
    f.Find([&](FindAddressDialog& d) {
        auto* bar = d.findChild<QProgressBar*>(QStringLiteral("Progress"));
        EXPECT_EQ(bar->maximum(), 255);
        f.t.clock.Advance(223 * 500);
        const std::vector<Poll> polls = f.Polls();
        EXPECT_EQ(polls.size(), 223u);
        for (size_t i = 0; i < polls.size(); ++i)
            EXPECT_EQ(polls[i], (Poll{static_cast<int>(i + 1), "L?H?"}));
        EXPECT_EQ(bar->value(), 223);
        EXPECT_TRUE(f.t.prompter.shown.empty());
        f.t.clock.Advance(500);
        EXPECT_TRUE(f.Polls().empty()) << "address 224 is not polled";
        EXPECT_EQ(f.t.prompter.shown.size(), 1u);
        EXPECT_EQ(f.t.prompter.shown[0].text, "No response from the Control Receiver");
        EXPECT_EQ(f.t.prompter.shown[0].buttons, MessageButtons::RetryCancel);
        EXPECT_EQ(f.t.prompter.shown[0].icon, MessageIcon::Stop);
        EXPECT_EQ(bar->value(), 0) << "Retry: the bar starts again";
        f.t.clock.Advance(500);
        EXPECT_EQ(f.Polls(), (std::vector<Poll>{{1, "L?H?"}}));
        f.t.clock.Advance(223 * 500);
        EXPECT_EQ(f.Polls().size(), 222u);
        EXPECT_EQ(f.t.prompter.shown.size(), 2u) << "Cancel in the message ends the search";
        EXPECT_FALSE(d.isVisible());
        return d.result();
    });
    EXPECT_EQ(f.t.console->link().cameraAddress(), 1);
}

// American Dynamics takes addresses up to 99: the higher ones are refused
// with a message each. A message left open while the search timer keeps
// ticking must not be buried under the next ones.
TEST(FindAddressDialog, RefusedAddressesAskOneAtATime)
{
    ConsoleSettings s;
    s.protocol = 1;
    FindFixture f(s);
    int open = 0, deepest = 0;
    f.t.prompter.whileShown = [&](const ScriptedPrompter::Shown&) {
        ++open;
        deepest = std::max(deepest, open);
        f.t.clock.Advance(1600); // the operator takes a while to read it
        --open;
    };
    f.t.prompter.answers = {MessageAnswer::Ok};
    f.Find([&](FindAddressDialog& d) {
        f.t.clock.Advance(99 * 500);
        EXPECT_EQ(f.Polls().size(), 99u);
        f.t.clock.Advance(500);
        EXPECT_EQ(f.t.prompter.shown.size(), 1u);
        EXPECT_EQ(f.t.prompter.shown[0].text, "Exceeding Camera Address Range of 99");
        f.t.clock.Advance(500);
        EXPECT_EQ(f.t.prompter.shown.size(), 2u);
        EXPECT_EQ(f.t.console->link().cameraAddress(), 101) << "one address per message";
        Q_UNUSED(d);
        return QDialog::Rejected;
    });
    EXPECT_EQ(deepest, 1);
}

// Like the other dialogs, the search ends the console's periodic requests.
TEST(FindAddressDialog, OpeningStopsThePeriodicRequests)
{
    FindFixture f;
    QTest::mouseClick(f.t.console->control(StatusQuery), Qt::LeftButton);
    ASSERT_TRUE(f.t.console->state().periodicStatus);
    f.Find([&](FindAddressDialog&) {
        EXPECT_FALSE(f.t.console->state().periodicStatus);
        EXPECT_EQ(f.t.console->lampState(ConsoleLamp::Polling), 0);
        f.t.clock.Advance(1200);
        EXPECT_EQ(f.Polls(), (std::vector<Poll>{{1, "L?H?"}, {2, "L?H?"}})) << "only the search polls";
        return QDialog::Rejected;
    });
}

// An answer that comes while "No response" is still open (the last
// address answering late) is kept: Retry does not start the search again.
TEST(FindAddressDialog, ALateAnswerWhileTheNoResponseMessageIsOpenIsKept)
{
    FindFixture f;
    f.t.prompter.whileShown = [&](const ScriptedPrompter::Shown& shown) {
        if (shown.text == "No response from the Control Receiver")
            f.t.line.Inject(Reply("L0", 223));
    };
    f.t.prompter.answers = {MessageAnswer::Retry};
    const int result = f.Find([&](FindAddressDialog& d) {
        f.t.clock.Advance(224 * 500);
        f.Polls();
        EXPECT_TRUE(FindFixture::OkEnabled(d));
        f.t.clock.Advance(2000);
        EXPECT_TRUE(f.Polls().empty()) << "no second pass";
        FindFixture::Click(d, "OK");
        return d.result();
    });
    EXPECT_EQ(result, QDialog::Accepted);
}
