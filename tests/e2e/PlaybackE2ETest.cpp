// Command-log playback end to end: the console on its real serial port, and
// pivora-play, against a receiver that only acknowledges.
#include "RealConsoleServices.h"
#include "ConsoleDialog.h"
#include "DataFolder.h"
#include "PtyHost.h"
#include "QtSettingsStore.h"
#include "QtTimers.h"
#include "ScriptedModalRunner.h"
#include "ScriptedPrompter.h"
#include "SerialPort.h"
#include "SimulatedReceiver.h"
#include "SteadyClock.h"
#include "WaitFor.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QString Program(const char* name)
{
    return QStringLiteral(PIVORA_BINARY_DIR "/") + QLatin1String(name);
}

// A recorded log: commands to address 3, the last one a pan.
const char kLog[] = "12/08/26  08:15 PM  TxC:  F8 03 PLTU 8E\t\tTick: 60\n"
                    "12/08/26  08:15 PM  Rx:   ACK\n"
                    "12/08/26  08:15 PM  TxC:  F8 03 ZI 80\t\tTick: 300\n"
                    "12/08/26  08:15 PM  Rx:   ACK\n"
                    "12/08/26  08:15 PM  TxC:  F8 03 PRTS 86\t\tTick: 300\n";

// A played command's acknowledgement missed its 50 ms.
bool LateAcknowledgement(const std::vector<std::string>& messages)
{
    for (const std::string& m : messages)
        if (m.find("no ACK response!") != std::string::npos)
            return true;
    return false;
}

QString WriteLog(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("bench.txt"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(kLog);
    return path;
}

// A camera at address 3 that acknowledges every command and answers nothing.
struct AcknowledgingCamera : testing::Test {
    void SetUp() override
    {
        SimOptions options;
        options.address = 3;
        device = std::make_unique<SimulatedReceiver>(simClock, options);
        ASSERT_TRUE(host.Start(*device)) << host.error();
    }
    std::vector<std::string> Heard()
    {
        std::vector<std::string> texts;
        host.WithDevice([&](SimulatedReceiver& d) {
            for (const auto& r : d.received())
                texts.push_back(r.frame.text);
        });
        return texts;
    }

    SteadyClock simClock;
    std::unique_ptr<SimulatedReceiver> device;
    PtyHost host;
    QTemporaryDir dir;
};
} // namespace

// Played in the console through Pause, resume and the end of the log: the
// pause halts, resume sends the paused command again, the end halts the pan,
// and the address chosen before Play comes back.
TEST_F(AcknowledgingCamera, ConsolePlaysThroughPauseResumeAndTheEnd)
{
    struct Run {
        std::vector<std::string> heard;
        std::vector<std::string> messages;
        size_t heardWhilePaused = 0;
        int shownAddress = 0, linkAddress = 0;
        bool resting = false;
    };
    auto attempt = [&] {
        Run run;
        RealConsoleServices services{dir.path()};
        ConsoleDialog console(services.For(host.path()), services.settings);
        console.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&console));
        auto* address = console.findChild<QSpinBox*>(QStringLiteral("CameraAddress"));
        address->setValue(9);
        WaitFor([] { return false; }, 2000); // past the start-up requests
        host.WithDevice([](SimulatedReceiver& d) { d.ClearReceived(); });
        console.findChild<QLineEdit*>(QStringLiteral("BrowseControl"))->setText(WriteLog(dir));

        auto button = [&](const char* name) { return console.findChild<QAbstractButton*>(QString::fromLatin1(name)); };
        QTest::mouseClick(button("Play"), Qt::LeftButton);
        WaitFor([&] { return Heard().size() >= 1; });
        QTest::mouseClick(button("Pause"), Qt::LeftButton);
        WaitFor([&] { return Heard().size() >= 2; });
        WaitFor([] { return false; }, 500);
        run.heardWhilePaused = Heard().size();
        QTest::mouseClick(button("Play"), Qt::LeftButton);
        EXPECT_TRUE(WaitFor([&] { return !button("StopLog")->isEnabled(); }, 5000)) << "the end of the log";
        WaitFor([&] { return Heard().size() >= 6; });
        run.heard = Heard();
        run.messages = services.prompter.Texts();
        run.shownAddress = address->value();
        run.linkAddress = console.link().cameraAddress();
        run.resting = button("Play")->isEnabled() && button("Record")->isEnabled() && !button("Pause")->isEnabled();
        return run;
    };
    // The acknowledgement must be in within 50 ms of real time: on a busy
    // machine a run can miss it; such a run is tried again.
    Run run = attempt();
    for (int retry = 0; retry < 2 && LateAcknowledgement(run.messages); ++retry)
        run = attempt();
    EXPECT_EQ(run.heardWhilePaused, 2u) << "nothing played while paused";
    EXPECT_EQ(run.heard, (std::vector<std::string>{"PLTU", "PSTS", "PLTU", "ZI", "PRTS", "PSTS"}));
    EXPECT_TRUE(run.messages.empty()) << run.messages.front();
    EXPECT_EQ(run.shownAddress, 9);
    EXPECT_EQ(run.linkAddress, 9);
    EXPECT_TRUE(run.resting);
}

// The bench runner halts the camera after the last command, on the line.
TEST_F(AcknowledgingCamera, BenchRunnerHaltsAfterTheLastCommand)
{
    QProcess bench;
    for (int run = 0; run < 3; ++run) {
        host.WithDevice([](SimulatedReceiver& d) { d.ClearReceived(); });
        bench.start(Program("pivora-play"),
                    {WriteLog(dir), QStringLiteral("--port"), QString::fromStdString(host.path())});
        ASSERT_TRUE(bench.waitForFinished(30000));
        if (bench.exitCode() != 1) // 1: an acknowledgement came late on a busy machine
            break;
    }
    const QString out = QString::fromLatin1(bench.readAllStandardOutput());
    EXPECT_EQ(bench.exitCode(), 0) << out.toStdString() << bench.readAllStandardError().constData();
    EXPECT_EQ(out.count(QStringLiteral(" ok\n")), 3) << out.toStdString();
    EXPECT_TRUE(out.endsWith(QStringLiteral("halt F8 03 PSTS 87\n"))) << out.toStdString();
    ASSERT_TRUE(WaitFor([&] { return Heard().size() >= 4; }));
    EXPECT_EQ(Heard(), (std::vector<std::string>{"PLTU", "ZI", "PRTS", "PSTS"}));
}

// The same through its own simulated camera, and a log that is not a file.
TEST(PlaybackE2E, BenchRunnerHaltsItsSimulatedCameraAndRefusesEndlessInput)
{
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("bench.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x TxC:  F8 01 ZI 82\t\tTick: 60\nx TxC:  F8 01 PLTU 8C\t\tTick: 100\n");
    f.close();
    QProcess bench;
    for (int run = 0; run < 3; ++run) {
        bench.start(Program("pivora-play"), {f.fileName(), QStringLiteral("--simulate")});
        ASSERT_TRUE(bench.waitForFinished(30000));
        if (bench.exitCode() != 1) // 1: an acknowledgement came late on a busy machine
            break;
    }
    const QString out = QString::fromLatin1(bench.readAllStandardOutput());
    EXPECT_EQ(bench.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.endsWith(QStringLiteral("halt F8 01 PSTS 85\n"))) << out.toStdString();

    // A device never ends: the 64 MB cap refuses it.
    bench.start(Program("pivora-play"), {QStringLiteral("/dev/zero"), QStringLiteral("--simulate")});
    ASSERT_TRUE(bench.waitForFinished(60000));
    EXPECT_EQ(bench.exitCode(), 3);
    EXPECT_TRUE(bench.readAllStandardError().contains("Parse log file failed!"));
    // A folder cannot be opened.
    bench.start(Program("pivora-play"), {dir.path(), QStringLiteral("--simulate")});
    ASSERT_TRUE(bench.waitForFinished(30000));
    EXPECT_EQ(bench.exitCode(), 3);
    EXPECT_TRUE(bench.readAllStandardError().contains("Can not open the specified file."));
}
