// The console reaching a simulated camera the three ways a site wires a
// line: a serial device (here a pseudo-terminal), a serial device server in
// raw TCP mode, and ser2net bridging a serial device with the Telnet
// COM-port option (RFC 2217).
#include "ConsoleDialog.h"
#include "DataFolder.h"
#include "PtyHost.h"
#include "QtSettingsStore.h"
#include "QtTimers.h"
#include "ScriptedModalRunner.h"
#include "ScriptedPrompter.h"
#include "SerialPort.h"
#include "SimulatedCamera.h"
#include "SteadyClock.h"
#include "TcpHost.h"
#include "WaitFor.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

namespace {
enum class Transport { Pty, Tcp, Rfc2217 };

std::string Name(Transport t)
{
    return t == Transport::Pty ? "Pty" : t == Transport::Tcp ? "Tcp" : "Rfc2217";
}

// A free TCP port on the loopback address.
int FreePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

class NetLine : public ::testing::TestWithParam<Transport> {
protected:
    void TearDown() override
    {
        console.reset();
        if (ser2net) {
            ser2net->terminate();
            ser2net->waitForFinished(3000);
        }
        tcp.Stop();
        pty.Stop();
    }

    // Starts the camera behind the transport; the console's device name.
    std::string StartCamera(SimOptions options)
    {
        camera = std::make_unique<SimulatedCamera>(simClock, options);
        switch (GetParam()) {
        case Transport::Pty:
            return pty.Start(*camera) ? pty.path() : std::string();
        case Transport::Tcp:
            return tcp.Start(*camera) ? tcp.url() : std::string();
        case Transport::Rfc2217:
            return pty.Start(*camera) ? StartSer2net(pty.path()) : std::string();
        }
        return {};
    }

    // ser2net, in RFC 2217 mode, between a TCP port and the terminal.
    std::string StartSer2net(const std::string& device)
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("ser2net"),
                                                               {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
        if (program.isEmpty())
            return {};
        const int port = FreePort();
        const QString config = dir.filePath(QStringLiteral("ser2net.yaml"));
        QFile f(config);
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(QStringLiteral("connection: &camera\n"
                               "  accepter: telnet(rfc2217),tcp,127.0.0.1,%1\n"
                               "  connector: serialdev,%2,2400n81,local\n"
                               "  options:\n"
                               "    kickolduser: true\n")
                    .arg(port)
                    .arg(QString::fromStdString(device))
                    .toUtf8());
        f.close();
        ser2net = std::make_unique<QProcess>();
        ser2net->start(program, {QStringLiteral("-d"), QStringLiteral("-n"), QStringLiteral("-c"), config});
        if (!ser2net->waitForStarted(3000))
            return {};
        // Ready once it accepts connections.
        const bool listening = WaitFor([&] {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
            return s.waitForConnected(100);
        });
        return listening ? "rfc2217://127.0.0.1:" + std::to_string(port) : std::string();
    }

    bool Open(SimOptions options = {})
    {
        const std::string device = StartCamera(options);
        if (device.empty())
            return false;
        console = std::make_unique<ConsoleDialog>(
            ConsoleServices{store, prompter, modal, clock, timers, port, data, device, nullptr}, settings);
        return console->portOpen();
    }

    void WithCamera(const std::function<void(SimulatedCamera&)>& f)
    {
        auto apply = [&](SimulatedReceiver& d) { f(static_cast<SimulatedCamera&>(d)); };
        if (GetParam() == Transport::Tcp)
            tcp.WithDevice(apply);
        else
            pty.WithDevice(apply);
    }
    size_t Heard(const std::string& text)
    {
        size_t n = 0;
        WithCamera([&](SimulatedCamera& c) {
            for (const auto& r : c.received())
                n += r.frame.text == text;
        });
        return n;
    }
    std::string HeardTexts()
    {
        std::string all;
        WithCamera([&](SimulatedCamera& c) {
            for (const auto& r : c.received())
                all += r.frame.text + " ";
        });
        return all;
    }
    int CameraPan()
    {
        int pan = 0;
        WithCamera([&](SimulatedCamera& c) {
            c.Update();
            pan = c.state().pan;
        });
        return pan;
    }
    void Click(const char* name) { console->findChild<QAbstractButton*>(QString::fromLatin1(name))->click(); }

    SteadyClock simClock;
    std::unique_ptr<SimulatedCamera> camera;
    PtyHost pty;
    TcpHost tcp;
    std::unique_ptr<QProcess> ser2net;
    QtSettingsStore store;
    ScriptedPrompter prompter;
    ScriptedModalRunner modal;
    QtClock clock;
    QtTimerFactory timers;
    SerialPort port{prompter};
    QTemporaryDir dir;
    DataFolder data{dir.path().toStdString()};
    ConsoleSettings settings; // mode 1, receiver type 5, camera type 3 (Day/Night)
    std::unique_ptr<ConsoleDialog> console;
};
} // namespace

// The same session whatever the wire: the start-up requests, a preset
// stored and recalled, a panel opened and filled from the camera.
TEST_P(NetLine, TheConsoleDrivesTheCameraTheSameWayOverEveryTransport)
{
    settings.baudIndex = 2; // 2400 baud, what ser2net's port is set to as well
    SimOptions options;
    options.address = 7;
    ASSERT_TRUE(Open(options)) << "transport " << Name(GetParam());
    ASSERT_TRUE(WaitFor([&] { return console->link().cameraAddress() == 7 && Heard("cDS") > 0; }, 8000));
    QThread::msleep(200);

    const int home = CameraPan();
    Click("Store");
    QThread::msleep(150);
    console->EnqueueCommand("PRTS");
    ASSERT_TRUE(WaitFor([&] { return Heard("PRTS") > 0; }));
    WaitFor([] { return false; }, 500); // pans right meanwhile
    console->EnqueueCommand("PSTS");
    ASSERT_TRUE(WaitFor([&] { return std::abs(CameraPan() - home) > 50; })) << HeardTexts();
    Click("PresetGoto");
    ASSERT_TRUE(WaitFor([&] { return std::abs(CameraPan() - home) <= 1; })) << CameraPan() << " vs " << home;

    std::string nightShutter;
    WithCamera([](SimulatedCamera& c) { c.state().dsp.nightShutter = 9; });
    modal.steps.push_back([&](QDialog& d) {
        auto* list = d.findChild<QComboBox*>(QStringLiteral("NightShutter"));
        WaitFor([&] { return list->currentIndex() == 9; }, 10000);
        nightShutter = list->currentText().toStdString();
        return QDialog::Accepted;
    });
    Click("DspStatus");
    EXPECT_EQ(nightShutter, "1/10000");
    EXPECT_FALSE(console->commErrorLamp());
}

INSTANTIATE_TEST_SUITE_P(Transports, NetLine, ::testing::Values(Transport::Pty, Transport::Tcp, Transport::Rfc2217),
                         [](const auto& info) { return Name(info.param); });

using NetLineTcp = NetLine;

// The device server goes away and comes back: one message, no restart.
TEST_P(NetLineTcp, TheConsoleConnectsAgainWhenTheServerReturns)
{
    ASSERT_TRUE(Open());
    ASSERT_TRUE(WaitFor([&] { return Heard("cDS") > 0; }, 8000));
    const int port = tcp.port();
    tcp.Stop();
    ASSERT_TRUE(WaitFor([&] { return !prompter.shown.empty(); }, 5000));
    EXPECT_NE(prompter.shown.front().text.find("closed the connection"), std::string::npos) << prompter.shown.front().text;
    ASSERT_TRUE(tcp.Start(*camera, port)) << tcp.error();
    camera->ClearReceived();
    // Reconnected within the back-off: the next command reaches the camera.
    ASSERT_TRUE(WaitFor(
        [&] {
            console->EnqueueCommand("PSTS");
            return WaitFor([&] { return Heard("PSTS") > 0; }, 300);
        },
        15000));
    EXPECT_EQ(prompter.shown.size(), 1u) << "the drop is said once";
    EXPECT_TRUE(console->portOpen());
}

INSTANTIATE_TEST_SUITE_P(Drop, NetLineTcp, ::testing::Values(Transport::Tcp),
                         [](const auto& info) { return Name(info.param); });

using NetLineRfc2217 = NetLine;

// With RFC 2217 the baud rate and parity the console chooses reach the
// device server's own port.
TEST_P(NetLineRfc2217, LineSettingsReachTheFarPort)
{
    settings.baudIndex = 0; // 9600
    ASSERT_TRUE(Open());
    ASSERT_TRUE(WaitFor([&] { return pty.LineSpeed() == 9600; }, 5000)) << pty.LineSpeed();
    // Setup: 19.2K, and OK.
    modal.steps.push_back([&](QDialog& d) {
        d.findChild<QAbstractButton*>(QStringLiteral("Baud19200"))->click();
        d.accept();
        return d.result();
    });
    Click("CameraSetup");
    EXPECT_TRUE(WaitFor([&] { return pty.LineSpeed() == 19200; }, 8000)) << pty.LineSpeed();
    EXPECT_EQ(pty.LineParity(), 'N');
    // The camera still hears the console after the change.
    ASSERT_TRUE(WaitFor(
        [&] {
            console->EnqueueCommand("PSTS");
            return WaitFor([&] { return Heard("PSTS") > 0; }, 300);
        },
        8000));
}

INSTANTIATE_TEST_SUITE_P(Ser2net, NetLineRfc2217, ::testing::Values(Transport::Rfc2217),
                         [](const auto& info) { return Name(info.param); });
