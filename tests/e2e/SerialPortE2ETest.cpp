// The real SerialPort on a pseudo-terminal against a simulated receiver.
#include "CommThread.h"
#include "PtyHost.h"
#include "ScriptedPrompter.h"
#include "SerialPort.h"
#include "SimulatedReceiver.h"
#include "SteadyClock.h"
#include "WaitFor.h"

#include <QCoreApplication>
#include <QSerialPort>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
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

TEST(SerialPort, PresentPortsAreOrderedByStemThenNumber)
{
    std::vector<PresentPort> ports;
    for (const char* name : {"/dev/ttyUSB0", "COM10", "/dev/ttyS10", "COM2", "/dev/ttyS2", "/dev/ttyACM1", "/dev/ttyS"})
        ports.push_back(PresentPort{name, ""});
    SortPresentPorts(ports);
    std::vector<std::string> names;
    for (const PresentPort& p : ports)
        names.push_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"/dev/ttyACM1", "/dev/ttyS", "/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0",
                                               "COM2", "COM10"}));
    // The machine's own list comes in that order.
    const auto present = SerialPort::ListPresentPorts();
    auto sorted = present;
    SortPresentPorts(sorted);
    ASSERT_EQ(sorted.size(), present.size());
    for (size_t i = 0; i < present.size(); ++i)
        EXPECT_EQ(present[i].name, sorted[i].name);
}

// Input still unread when a frame is written belongs to an earlier exchange
// and is discarded; the answer to the frame comes through.
TEST_F(PtyFixture, UnreadInputIsPurgedBeforeAWrite)
{
    QSerialPort serial;
    serial.setPortName(QString::fromStdString(host.path()));
    ASSERT_TRUE(serial.open(QIODevice::ReadWrite));
    serial.clear(QSerialPort::AllDirections);
    // Noise from the device reaches the terminal; no event loop runs, so
    // nothing reads it.
    const Bytes noise = {0x02, 0x01, 'L', '0', 0x85};
    host.WithDevice([&](SimulatedReceiver& d) { d.InjectNoise(noise); });
    const int fd = static_cast<int>(serial.handle());
    int waiting = 0;
    for (int i = 0; i < 5000 && !(::ioctl(fd, FIONREAD, &waiting) == 0 && waiting == int(noise.size())); ++i)
        QThread::msleep(1); // no event loop: the port must not read it
    ASSERT_EQ(waiting, int(noise.size()));

    ASSERT_TRUE(WriteFrame(serial, QByteArray(reinterpret_cast<const char*>(kPstsF8.data()), kPstsF8.size())));
    ASSERT_TRUE(serial.waitForBytesWritten(2000));
    QByteArray received;
    ASSERT_TRUE(WaitFor([&] {
        if (serial.waitForReadyRead(10))
            received += serial.readAll();
        return !received.isEmpty();
    }));
    EXPECT_EQ(received, QByteArray(1, 0x06)) << "only the acknowledgement of the frame";
    EXPECT_EQ(Texts(), (std::vector<std::string>{"PSTS"}));
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

// The console begins opening its port while it builds its window: OpenPort
// takes that opening only for the same line, drops one begun for another,
// and a missing device fails either way. Begun while a port is open,
// nothing changes.
TEST_F(PtyFixture, AnOpeningBegunEarlyIsTakenOnlyForTheSameLine)
{
    LineParameters missing = params;
    missing.device = "/dev/pivora-no-such-device";
    struct Case {
        const char* what;
        LineParameters begun, opened;
        bool opens;
    } cases[] = {
        {"same line", params, params, true},
        {"another line begun", missing, params, true},
        {"missing device", missing, missing, false},
    };
    for (const Case& c : cases) {
        SerialPort line(prompter);
        Owner heard;
        line.BeginOpen(c.begun);
        ASSERT_EQ(line.OpenPort(&heard, c.opened), c.opens) << c.what;
        if (!c.opens)
            continue;
        ASSERT_TRUE(line.StartMonitoring()) << c.what;
        line.BeginOpen(missing); // the open port stays as it is
        line.WriteToPort(kPstsF8.data(), kPstsF8.size());
        ASSERT_TRUE(WaitFor([&] { return !heard.received.empty(); })) << c.what;
        EXPECT_EQ(heard.received, Bytes{0x06}) << c.what;
    }
    EXPECT_TRUE(prompter.shown.empty()) << prompter.shown[0].text;
}
