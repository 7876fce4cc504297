// The serial device disappears in the middle of a session (its terminal is
// closed, as when a USB adapter is pulled): the console says so once, shows
// the port closed, keeps running, and takes the device back when it returns
// or when Setup is confirmed.
#include "RealConsoleServices.h"
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
#include "WaitFor.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {
class DeviceLoss : public ::testing::Test {
protected:
    // A camera on a new terminal, reached through the stable name the
    // console was given (as /dev/serial/by-id/... names an adapter).
    bool Plug()
    {
        camera = std::make_unique<SimulatedCamera>(simClock, SimOptions{});
        host = std::make_unique<PtyHost>();
        if (!host->Start(*camera))
            return false;
        std::filesystem::remove(link);
        std::filesystem::create_symlink(host->path(), link);
        return true;
    }
    void Unplug()
    {
        host->Stop();
        std::filesystem::remove(link);
    }
    size_t Heard(const std::string& text)
    {
        size_t n = 0;
        host->WithDevice([&](SimulatedReceiver& d) {
            for (const auto& r : d.received())
                n += r.frame.text == text;
        });
        return n;
    }
    bool TitleSaysClosed() const { return console->windowTitle() == QLatin1String(ConsoleDialog::kPortClosedTitle); }
    // Over the line to whichever device is plugged in now, and acknowledged.
    bool Drives()
    {
        console->EnqueueCommand("PSTS");
        return WaitFor([&] { return Heard("PSTS") > 0; });
    }

    QTemporaryDir dir;
    std::string link = dir.filePath(QStringLiteral("camera")).toStdString();
    SteadyClock simClock;
    std::unique_ptr<SimulatedCamera> camera;
    std::unique_ptr<PtyHost> host;
    RealConsoleServices services{dir.path()};
    std::unique_ptr<ConsoleDialog> console;
};
} // namespace

TEST_F(DeviceLoss, TheConsoleShowsThePortClosedAndTakesTheDeviceBack)
{
    ASSERT_TRUE(Plug()) << host->error();
    console = std::make_unique<ConsoleDialog>(
        services.For(link), services.settings);
    ASSERT_TRUE(console->portOpen());
    ASSERT_TRUE(WaitFor([&] { return Heard("A?") > 0; }));
    ASSERT_TRUE(Drives());

    // Pulled: one message, the port closed, the thread gone.
    QElapsedTimer lostAfter;
    lostAfter.start();
    Unplug();
    ASSERT_TRUE(WaitFor([&] { return !console->portOpen(); }));
    const qint64 detectedMs = lostAfter.elapsed();
    EXPECT_TRUE(TitleSaysClosed());
    ASSERT_EQ(services.prompter.shown.size(), 1u);
    EXPECT_EQ(services.prompter.shown[0].caption, "Application Error");
    EXPECT_NE(services.prompter.shown[0].text.find("The device is gone: the port is closed until it returns."),
              std::string::npos) << services.prompter.shown[0].text;
    EXPECT_NE(services.prompter.shown[0].text.find("Port: " + link), std::string::npos) << services.prompter.shown[0].text;

    // The console goes on polling into the closed port without hanging and
    // without further messages.
    QElapsedTimer quiet;
    quiet.start();
    WaitFor([&] { return quiet.elapsed() > 2500; }, 5000);
    EXPECT_EQ(services.prompter.shown.size(), 1u);
    EXPECT_FALSE(console->portOpen());

    // Back on another terminal under the same name: opened again by itself.
    QElapsedTimer backAfter;
    backAfter.start();
    ASSERT_TRUE(Plug()) << host->error();
    ASSERT_TRUE(WaitFor([&] { return console->portOpen(); }, 5000));
    const qint64 reopenedMs = backAfter.elapsed();
    EXPECT_FALSE(TitleSaysClosed());
    EXPECT_TRUE(Drives());
    EXPECT_EQ(services.prompter.shown.size(), 1u);

    // Lost again; this time the operator confirms Setup as soon as the
    // device is back, before the port looks for it itself.
    Unplug();
    ASSERT_TRUE(WaitFor([&] { return !console->portOpen(); }));
    ASSERT_TRUE(Plug()) << host->error();
    services.modal.steps.push_back([](QDialog& d) {
        d.accept();
        return d.result();
    });
    console->findChild<QAbstractButton*>(QStringLiteral("CameraSetup"))->click();
    EXPECT_TRUE(console->portOpen());
    EXPECT_FALSE(TitleSaysClosed());
    EXPECT_TRUE(Drives());
    ASSERT_EQ(services.prompter.shown.size(), 2u) << "one message per loss: " << services.prompter.shown.back().text;

    std::printf("device loss: noticed after %lld ms, one message per loss, reopened %lld ms after the device "
                "returned, through Setup at once\n",
                static_cast<long long>(detectedMs), static_cast<long long>(reopenedMs));
    console.reset();
    Unplug();
}
