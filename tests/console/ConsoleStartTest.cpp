#include "ConsoleTimerIds.h"
#include "TestConsole.h"

#include <QAbstractButton>
#include <climits>
#include <QLabel>
#include <gtest/gtest.h>

TEST(ConsoleStart, OpensTheStoredPortWithItsLineSettings)
{
    ConsoleSettings s;
    s.port = 3;
    s.baudIndex = 8;
    s.protocol = 11;
    TestConsole t(s);
    EXPECT_EQ(t.line.openCount, 1);
    EXPECT_TRUE(t.line.monitoring);
    EXPECT_EQ(t.line.opened.baud, 115000);
    EXPECT_EQ(t.line.opened.parity, 'E');
    EXPECT_EQ(t.line.opened.dataBits, 8);
    EXPECT_EQ(t.line.opened.stopBits, 1);
    EXPECT_EQ(t.line.opened.eventMask, 9);
    EXPECT_EQ(t.line.opened.portNumber, 3);
#ifndef _WIN32
    EXPECT_EQ(t.line.opened.device, "/dev/ttyS2");
#endif
    EXPECT_TRUE(t.prompter.shown.empty());
    EXPECT_FALSE(t.console->link().sendingSuspended);
    EXPECT_EQ(t.console->windowTitle().toStdString(), "Vexa - Pivora");
    // The opening was begun, with the same line, while the window was built.
    ASSERT_EQ(t.line.begun.size(), 1u);
    EXPECT_TRUE(t.line.begun[0] == t.line.opened);
}

TEST(ConsoleStart, MissingPortIsReportedAndTheConsoleCarriesOn)
{
    ConsoleSettings s;
    s.portName = "/dev/ttyNOPE7";
    TestConsole t(s, false);
    ASSERT_EQ(t.prompter.shown.size(), 1u);
    EXPECT_EQ(t.prompter.shown[0].text, "Port /dev/ttyNOPE7 does not exist!");
    EXPECT_EQ(t.prompter.shown[0].caption, "Vexa - Pivora");
    EXPECT_FALSE(t.line.monitoring);
    // Commands are still framed and shown.
    t.console->SendCommand("PSTS");
    auto* strip = t.console->findChild<QLabel*>(QStringLiteral("TransmitStrip"));
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->text().toStdString(), " F8 01 PSTS 85");
}

TEST(ConsoleStart, AcknowledgementAndRepliesPaceTheQueue)
{
    TestConsole t;
    t.clock.Advance(5); // the start-up "A?"
    t.line.written.clear();
    t.console->EnqueueCommand("ZI", 50);
    t.console->EnqueueCommand("ZS");
    t.clock.Advance(50);
    ASSERT_EQ(t.line.written.size(), 1u);
    t.line.Inject({0x06});
    auto* rx = t.console->findChild<QLabel*>(QStringLiteral("ReceiveStrip"));
    EXPECT_EQ(rx->text().toStdString(), " Ack");
    t.clock.Advance(100);
    ASSERT_EQ(t.line.written.size(), 2u);
    // A framed reply is acknowledged with exactly one 0x06.
    t.line.Inject({0xF8, 0x01, 'A', '0', '0', '1', 0x81});
    ASSERT_EQ(t.line.written.size(), 3u);
    EXPECT_EQ(t.line.written[2], FakeLine::Bytes{0x06});
    EXPECT_TRUE(t.console->link().linkReady);
}

// The joystick service is started, and the program told that the console
// has started (a first start's settings are written then), once the first
// request is out; from then on the joystick works the lens, and closing the
// console lets it go.
TEST(ConsoleStart, JoystickAndTheStartedHookComeOnceTheFirstRequestIsOut)
{
    struct FakeJoystick : JoystickSource {
        bool Present() const override
        {
            ++asked;
            return true;
        }
        JoystickCaps Caps() const override { return {}; }
        void Capture(JoystickListener* l) override { listener = l; }
        void Release() override { listener = nullptr; }
        JoystickListener* listener = nullptr;
        mutable int asked = 0;
    } joystick;
    TestConsole t({}, true, &joystick);
    EXPECT_EQ(joystick.asked, 0);
    EXPECT_EQ(joystick.listener, nullptr);
    EXPECT_EQ(t.started, 0);

    t.clock.Advance(4);
    EXPECT_TRUE(t.line.written.empty());
    EXPECT_EQ(t.started, 0);
    t.clock.Advance(1);
    ASSERT_EQ(t.line.written.size(), 1u);
    EXPECT_EQ(t.line.written[0], (FakeLine::Bytes{0xF8, 0xFF, 'A', '?', 0x81}));
    ASSERT_NE(joystick.listener, nullptr);
    EXPECT_EQ(t.started, 1);

    joystick.listener->JoystickButton(1, true);
    t.clock.Advance(5);
    ASSERT_EQ(t.line.written.size(), 2u);
    EXPECT_EQ(t.line.written[1], (FakeLine::Bytes{0xF8, 0x01, 'Z', 'I', 0x82}));
    t.clock.Advance(3000);
    EXPECT_EQ(t.started, 1) << "once";

    t.console.reset();
    EXPECT_EQ(joystick.listener, nullptr);
}

TEST(ConsoleStart, StartsAtTheLowestAddressOfTheProtocol)
{
    for (auto [protocol, address] : {std::pair{0, 1}, {12, 0}, {14, 0}, {4, 1}}) {
        ConsoleSettings s;
        s.protocol = protocol;
        TestConsole t(s);
        EXPECT_EQ(t.console->link().cameraAddress(), address) << protocol;
    }
}

TEST(ConsoleStart, ASendStartsReplyAssemblyAfresh)
{
    TestConsole t;
    t.line.Inject({0xF8, 0x01, 'x'}); // a reply cut short
    t.console->SendCommand("A?");
    t.line.Inject({0x06});
    auto* rx = t.console->findChild<QLabel*>(QStringLiteral("ReceiveStrip"));
    EXPECT_EQ(rx->text().toStdString(), " Ack");
}

namespace {
// (tick, text) of every frame written, framing stripped (mode 1).
std::vector<std::pair<uint32_t, std::string>> Timeline(TestConsole& t, uint32_t until)
{
    std::vector<std::pair<uint32_t, std::string>> out;
    size_t seen = 0;
    for (uint32_t ms = 0; ms < until; ++ms) {
        t.clock.Advance(1);
        for (; seen < t.line.written.size(); ++seen) {
            const auto& f = t.line.written[seen];
            out.emplace_back(t.clock.TickCount(), std::string(f.begin() + 2, f.end() - 1));
        }
    }
    return out;
}
} // namespace

TEST(ConsoleStart, StartupRequestsByReceiverType)
{
    using Timeline_ = std::vector<std::pair<uint32_t, std::string>>;
    struct Case {
        int rx;
        Timeline_ expected;
    } cases[] = {
        {5, {{5, "A?"}, {500, "L?"}, {1500, "cDS"}}},
        {0, {{5, "A?"}, {500, "L?"}, {1500, "L?"}}},
        {13, {{5, "A?"}, {500, "L?"}, {1500, "bDS"}}},
        {12, {{5, "A?"}, {500, "mss"}, {1000, "mRS"}, {2500, "L?"}}},
    };
    for (const Case& c : cases) {
        ConsoleSettings s;
        s.receiverType = c.rx;
        TestConsole t(s);
        EXPECT_EQ(Timeline(t, 3000), c.expected) << "rx " << c.rx;
        ASSERT_FALSE(t.line.written.empty());
        EXPECT_EQ(t.line.written[0][1], 255) << "the address request is broadcast";
        EXPECT_EQ(t.line.written.size() > 1 ? t.line.written[1][1] : 0, 1);
    }
}

// A device that goes away: the title says the port is closed until it is
// open again, and Setup's OK tries it again even when nothing changed.
TEST(ConsoleStart, LostPortIsShownClosedAndSetupOpensItAgain)
{
    TestConsole t;
    EXPECT_EQ(t.console->windowTitle().toStdString(), "Vexa - Pivora");
    t.line.Lose();
    EXPECT_FALSE(t.console->portOpen());
    EXPECT_EQ(t.console->windowTitle().toStdString(), "Vexa - Pivora - port closed");

    t.modal.steps.push_back([](QDialog& d) {
        d.accept();
        return d.result();
    });
    t.console->findChild<QAbstractButton*>(QStringLiteral("CameraSetup"))->click();
    EXPECT_EQ(t.line.openCount, 2);
    EXPECT_TRUE(t.line.monitoring);
    EXPECT_TRUE(t.console->portOpen());
    EXPECT_EQ(t.console->windowTitle().toStdString(), "Vexa - Pivora");

    // A port that was not there at start-up is shown closed too.
    TestConsole missing({}, false);
    EXPECT_EQ(missing.console->windowTitle().toStdString(), "Vexa - Pivora - port closed");
}

// A profile of extreme values (hand-edited, from another version): every
// value that picks from a table, a list or a picture is checked before the
// console, Setup and Tour Setup use it.
TEST(ConsoleStart, HostileProfileIsUsedSafely)
{
    const PresetNameTable names = ConsolePresetNames();
    for (int extreme : {INT_MIN, -2, 20, INT_MAX}) {
        MemorySettingsStore hostile;
        for (const char* key : {"Port Index", "Port", "Baud", "Mode", "PTImage", "RxType", "CamType", "PTType",
                                "PSpeed", "TSpeed", "Video Type", "LL Phase", "Comm. Protocol", "Video Freeze Status"})
            hostile.values[std::string("Setup/") + key] = extreme;
        hostile.values["TourSetup/DwellTime"] = extreme;
        for (int i = 1; i <= 10; ++i)
            hostile.values["TourSetup/Tour" + std::to_string(i)] = extreme;
        hostile.values["Presets/P1"] = std::string(100000, 'x');
        ConsoleSettings s;
        LoadSettings(hostile, s, ConsolePresetNames());
        TestConsole t(s);

        t.modal.steps.push_back([](QDialog& d) {
            d.accept();
            return d.result();
        });
        t.console->findChild<QAbstractButton*>(QStringLiteral("CameraSetup"))->click();
        t.modal.steps.push_back([](QDialog& d) {
            d.accept();
            return d.result();
        });
        t.console->findChild<QAbstractButton*>(QStringLiteral("TourSetup"))->click();
        t.console->findChild<QAbstractButton*>(QStringLiteral("StartStop"))->click();
        t.clock.Advance(70000);
        EXPECT_EQ(t.modal.titles.size(), 2u) << extreme;
        ConsolePresetNames() = names;
    }
}
