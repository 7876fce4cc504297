// The real SerialPort on a pseudo-terminal against a simulated receiver.
#include "PtyHost.h"
#include "ScriptedPrompter.h"
#include "SerialPort.h"
#include "SimulatedReceiver.h"
#include "SteadyClock.h"
#include "WaitFor.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>
#include <mutex>
#include <vector>

using Bytes = std::vector<uint8_t>;

namespace {
struct Owner : LineOwner {
    Bytes received;
    void CommRxByte(uint8_t b) override { received.push_back(b); }
};

struct PtyFixture : testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(host.Start(device)) << host.error();
        params.device = host.path();
    }

    size_t ReceivedCount()
    {
        size_t n = 0;
        host.WithDevice([&](SimulatedReceiver& d) { n = d.received().size(); });
        return n;
    }
    std::vector<std::string> Texts()
    {
        std::vector<std::string> t;
        host.WithDevice([&](SimulatedReceiver& d) {
            for (const auto& r : d.received())
                t.push_back(r.frame.text);
        });
        return t;
    }
    void Write(const Bytes& b) { port.WriteToPort(b.data(), b.size()); }

    SteadyClock clock;
    SimulatedReceiver device{clock, SimOptions{}};
    PtyHost host;
    ScriptedPrompter prompter;
    SerialPort port{prompter};
    Owner owner;
    LineParameters params;
};

const Bytes kPstsMode0 = {0x02, 0x01, 'P', 'S', 'T', 'S', 0x85, 0x03};
const Bytes kPstsF8 = {0xF8, 0x01, 'P', 'S', 'T', 'S', 0x85};
} // namespace

TEST_F(PtyFixture, FramesReachTheDeviceAndItsAcknowledgementsComeBack)
{
    ASSERT_TRUE(port.OpenPort(&owner, params));
    ASSERT_TRUE(port.StartMonitoring());
    Write(kPstsMode0);
    ASSERT_TRUE(WaitFor([&] { return owner.received.size() >= 1; }));
    Write(kPstsF8);
    ASSERT_TRUE(WaitFor([&] { return owner.received.size() >= 2; }));
    EXPECT_EQ(owner.received, (Bytes{0x06, 0x06}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"PSTS", "PSTS"}));
    EXPECT_TRUE(prompter.shown.empty()) << prompter.shown[0].text;
}

TEST_F(PtyFixture, TwoFramesWrittenBackToBackBothArriveWhole)
{
    ASSERT_TRUE(port.OpenPort(&owner, params));
    port.StartMonitoring();
    const Bytes zi = {0xF8, 0x01, 'Z', 'I', static_cast<uint8_t>(0x80 | ((0x01 ^ 'Z' ^ 'I') & 0x0F))};
    const Bytes binary = {0xFF, 0x06, 0x07, 0x03, 0x00, 0x01, 0x00, 0xEF}; // zero bytes inside
    Write(zi);
    Write(binary);
    Write(kPstsF8);
    ASSERT_TRUE(WaitFor([&] { return ReceivedCount() >= 3; }));
    const auto texts = Texts();
    EXPECT_EQ(texts[0], "ZI");
    EXPECT_EQ(texts[1], std::string(binary.begin(), binary.end()));
    EXPECT_EQ(texts[2], "PSTS");
}

TEST_F(PtyFixture, ReceivedBytesArriveInOrderUnchanged)
{
    ASSERT_TRUE(port.OpenPort(&owner, params));
    port.StartMonitoring();
    // Let the thread's start-up purge pass before the device speaks.
    Write(kPstsF8);
    ASSERT_TRUE(WaitFor([&] { return owner.received.size() >= 1; }));
    owner.received.clear();
    Bytes all;
    for (int i = 0; i < 256; ++i)
        all.push_back(static_cast<uint8_t>(i));
    host.WithDevice([&](SimulatedReceiver& d) { d.InjectNoise(all); });
    ASSERT_TRUE(WaitFor([&] { return owner.received.size() >= all.size(); }));
    EXPECT_EQ(owner.received, all);
}

TEST_F(PtyFixture, ReopeningStopsTheThreadFirst)
{
    ASSERT_TRUE(port.OpenPort(&owner, params));
    port.StartMonitoring();
    // The device is held exclusively; a second open succeeds only because
    // the first thread let go of it.
    ASSERT_TRUE(port.OpenPort(&owner, params));
    port.StartMonitoring();
    Write(kPstsF8);
    ASSERT_TRUE(WaitFor([&] { return owner.received.size() >= 1; }));
    EXPECT_EQ(owner.received, Bytes{0x06});
}

TEST_F(PtyFixture, FramesHandedOverBeforeAReopenStillReachTheLine)
{
    ASSERT_TRUE(port.OpenPort(&owner, params));
    port.StartMonitoring();
    Write(kPstsF8);
    Write(kPstsMode0);
    ASSERT_TRUE(port.OpenPort(&owner, params)); // at once, before the thread has written them
    ASSERT_TRUE(WaitFor([&] { return ReceivedCount() >= 2; }));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"PSTS", "PSTS"}));
}

TEST_F(PtyFixture, MissingDeviceCannotBeOpened)
{
    LineParameters p;
    p.device = "/dev/pivora-no-such-port";
    EXPECT_FALSE(port.OpenPort(&owner, p));
    EXPECT_FALSE(port.IsOpen());
    Write(kPstsF8); // goes nowhere, harmlessly
    EXPECT_FALSE(port.StartMonitoring());
}

TEST(SerialPort, PortErrorText)
{
    EXPECT_EQ(FormatPortError("WriteFile()", "Input/output error", "/dev/ttyUSB0"),
              "WARNING:  WriteFile() Failed with the following error: \nInput/output error\nPort: /dev/ttyUSB0\n");
    // Bounded: a long system text is cut at 200 characters.
    EXPECT_EQ(FormatPortError("ReadFile()", std::string(500, 'x'), "COM1").size(), 199u);
}

TEST(SerialPort, PresentPortsAreListedInAStableOrder)
{
    const auto first = SerialPort::ListPresentPorts();
    const auto second = SerialPort::ListPresentPorts();
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(first[i].name, second[i].name);
}

// Each write clears the unread input, and replies keep arriving while the
// frames go out: a reply cleared after it woke the reader is no port error.
TEST_F(PtyFixture, WritesThatClearArrivingRepliesReportNoError)
{
    ASSERT_TRUE(port.OpenPort(&owner, params));
    ASSERT_TRUE(port.StartMonitoring());
    for (int i = 0; i < 3000 && prompter.shown.empty(); ++i) {
        Write(kPstsF8);
        QThread::usleep(static_cast<unsigned long>(i % 40) * 50);
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(prompter.shown.empty()) << prompter.Joined();
    // And the port still reads: the next acknowledgement comes back.
    QThread::msleep(20);
    QCoreApplication::processEvents();
    const size_t acknowledged = owner.received.size();
    Write(kPstsF8);
    EXPECT_TRUE(WaitFor([&] { return owner.received.size() > acknowledged; }));
}
