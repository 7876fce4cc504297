// Command-log playback end to end: the console on its real serial port, and
// pivora-play, against a receiver that only acknowledges.
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
    QtSettingsStore store;
    ScriptedPrompter prompter;
    ScriptedModalRunner modal;
    QtClock clock;
    QtTimerFactory timers;
    SerialPort port{prompter};
    DataFolder data{dir.path().toStdString()};
    ConsoleSettings settings;
    ConsoleDialog console(ConsoleServices{store, prompter, modal, clock, timers, port, data, host.path(), nullptr},
                          settings);
    console.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&console));
    auto* address = console.findChild<QSpinBox*>(QStringLiteral("CameraAddress"));
    address->setValue(9);
    WaitFor([] { return false; }, 2000); // past the start-up requests
    host.WithDevice([](SimulatedReceiver& d) { d.ClearReceived(); });
    console.findChild<QLineEdit*>(QStringLiteral("BrowseControl"))->setText(WriteLog(dir));

    auto button = [&](const char* name) { return console.findChild<QAbstractButton*>(QString::fromLatin1(name)); };
    QTest::mouseClick(button("Play"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return Heard().size() >= 1; }));
    QTest::mouseClick(button("Pause"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return Heard().size() >= 2; }));
    WaitFor([] { return false; }, 500);
    EXPECT_EQ(Heard().size(), 2u) << "nothing played while paused";
    QTest::mouseClick(button("Play"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return !button("StopLog")->isEnabled(); }, 5000)) << "the end of the log";
    ASSERT_TRUE(WaitFor([&] { return Heard().size() >= 6; }));
    EXPECT_EQ(Heard(), (std::vector<std::string>{"PLTU", "PSTS", "PLTU", "ZI", "PRTS", "PSTS"}));
    EXPECT_TRUE(prompter.shown.empty()) << prompter.shown.front().text;
    EXPECT_EQ(address->value(), 9);
    EXPECT_EQ(console.link().cameraAddress(), 9);
    EXPECT_TRUE(button("Play")->isEnabled());
    EXPECT_TRUE(button("Record")->isEnabled());
    EXPECT_FALSE(button("Pause")->isEnabled());
}

// The bench runner halts the camera after the last command, on the line.
TEST_F(AcknowledgingCamera, BenchRunnerHaltsAfterTheLastCommand)
{
    QProcess bench;
    bench.start(Program("pivora-play"), {WriteLog(dir), QStringLiteral("--port"), QString::fromStdString(host.path())});
    ASSERT_TRUE(bench.waitForFinished(30000));
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
    bench.start(Program("pivora-play"), {f.fileName(), QStringLiteral("--simulate")});
    ASSERT_TRUE(bench.waitForFinished(30000));
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
