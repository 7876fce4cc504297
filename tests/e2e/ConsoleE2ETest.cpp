// The console with its real serial port, timers and settings store against
// a simulated receiver on a pseudo-terminal.
#include "ConsoleDialog.h"
#include "DataFolder.h"
#include "DayNightPanel.h"
#include "ModalRunner.h"
#include "ScriptedModalRunner.h"
#include "SetupDialog.h"
#include "PtyHost.h"
#include "QtSettingsStore.h"
#include "QtTimers.h"
#include "ScriptedPrompter.h"
#include "SerialPort.h"
#include "SimulatedCamera.h"
#include "SteadyClock.h"
#include "WaitFor.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QTest>
#include <QFile>
#include <functional>
#include <memory>
#include <QLabel>
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QThread>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The console with its real serial port, timers and settings store against
// a simulated camera on a pseudo-terminal.
class SimulatedConsole : public ::testing::Test {
protected:
    // False when the camera's terminal or the console's port cannot be opened.
    bool Open(SimOptions options = {}, const std::function<void(SimulatedCamera&)>& prepare = {})
    {
        device = std::make_unique<SimulatedCamera>(simClock, options);
        if (prepare)
            prepare(*device);
        if (!host.Start(*device))
            return false;
        console = std::make_unique<ConsoleDialog>(
            ConsoleServices{store, prompter, modal, clock, timers, port, data, host.path(), nullptr}, settings);
        return console->portOpen();
    }
    // How often the camera heard the text.
    size_t heard(const std::string& text)
    {
        size_t n = 0;
        host.WithDevice([&](SimulatedReceiver& d) {
            for (const auto& r : d.received())
                n += r.frame.text == text;
        });
        return n;
    }
    // Past the console's own start-up requests (the status poll comes last).
    void PastStartup()
    {
        ASSERT_TRUE(WaitFor([&] { return heard("cDS") > 0; }));
        QThread::msleep(200);
        QCoreApplication::processEvents();
    }

    SteadyClock simClock;
    std::unique_ptr<SimulatedCamera> device;
    PtyHost host;
    QtSettingsStore store;
    ScriptedPrompter prompter;
    ScriptedModalRunner modal;
    QtClock clock;
    QtTimerFactory timers;
    SerialPort port{prompter};
    QTemporaryDir dir;
    DataFolder data{dir.path().toStdString()};
    ConsoleSettings settings; // mode 1, receiver type 5, camera type 3
    std::unique_ptr<ConsoleDialog> console;
};
} // namespace

TEST_F(SimulatedConsole, QueuedCommandsAreFramedPacedAndAcknowledged)
{
    ASSERT_TRUE(Open(SimOptions{})) << host.error();

    // The console's own start-up requests go out as well; follow the queued ones.
    auto texts = [&] {
        std::vector<std::string> t;
        host.WithDevice([&](SimulatedReceiver& d) {
            for (const auto& r : d.received())
                if (r.frame.text == "ZI" || r.frame.text == "ZS" || r.frame.text == "PSTS" || r.frame.text == "A?")
                    t.push_back(r.frame.text);
        });
        return t;
    };
    ASSERT_TRUE(WaitFor([&] { return texts().size() >= 1; })); // the start-up address request
    console->EnqueueCommand("ZI", 50);
    console->EnqueueCommand("ZS");
    console->EnqueueCommand("PSTS");
    ASSERT_TRUE(WaitFor([&] { return texts().size() >= 4 && console->link().linkReady; }));
    EXPECT_EQ(texts(), (std::vector<std::string>{"A?", "ZI", "ZS", "PSTS"}));
    EXPECT_FALSE(console->commErrorLamp());
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(SimulatedConsole, StartupAddressRequestIsAnsweredAcknowledgedAndShown)
{
    ASSERT_TRUE(Open(SimOptions{7})) << host.error();
    // The traffic log shows what crossed the line, in order.
    const std::string log = dir.filePath(QStringLiteral("traffic.txt")).toStdString();
    console->testLog().SetFileName(log);
    console->testLog().Start(true, false);
    console->recorder().Begin();
    console->recorder().SetRecording(true);

    auto* address = console->findChild<QSpinBox*>(QStringLiteral("CameraAddress"));
    ASSERT_NE(address, nullptr);
    ASSERT_TRUE(WaitFor([&] { return console->link().cameraAddress() == 7; }));
    EXPECT_EQ(address->value(), 7);
    // The start-up latch request follows to the new address, and its reply shows.
    auto* tx = console->findChild<QLabel*>(QStringLiteral("TransmitStrip"));
    auto* rx = console->findChild<QLabel*>(QStringLiteral("ReceiveStrip"));
    ASSERT_TRUE(WaitFor([&] { return rx->text().startsWith(QStringLiteral(" F8 07 L")); }));
    EXPECT_TRUE(tx->text().startsWith(QStringLiteral(" F8 07 L?"))) << tx->text().toStdString();

    QFile f(QString::fromStdString(log));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString lines = QString::fromLatin1(f.readAll());
    const qsizetype request = lines.indexOf(QStringLiteral("TxC:  F8 FF A?"));
    const qsizetype ack = lines.indexOf(QStringLiteral("Rx:   ACK"), request);
    const qsizetype reply = lines.indexOf(QStringLiteral("Rx:   F8 07 A007"), request);
    const qsizetype answered = lines.indexOf(QStringLiteral("TxA:  ACK"), reply);
    EXPECT_GE(request, 0) << lines.toStdString();
    EXPECT_GT(ack, request) << lines.toStdString();
    EXPECT_GT(reply, ack) << lines.toStdString();
    EXPECT_GT(answered, reply) << lines.toStdString();
    EXPECT_TRUE(prompter.shown.empty());
}

namespace {
QString Program(const char* name);
} // namespace

TEST_F(SimulatedConsole, SetupReadsTheDeviceAndItsOkChangesWhatTheConsolePolls)
{
    ASSERT_TRUE(Open(SimOptions{}, [](SimulatedCamera& c) {
        c.setup().flip = true;
        c.setup().flowControl = true;
        c.setup().ptKind = 2;
        c.setup().direction = 1;
        c.setup().serial = "0004711";
    })) << host.error();
    PastStartup();

    bool filled = false;
    modal.steps.push_back([&](QDialog& d) {
        auto& setup = static_cast<SetupDialog&>(d);
        filled = WaitFor(
            [&] {
                const auto& m = setup.members();
                return m.cameraFirmware == "V3.10" && m.flip == 1 && m.flowControl == 1 && m.ptKind == 2 &&
                       m.serialNumber == "4711" && m.ptDirection == 1;
            },
            15000);
        // Receiver type 0 ("KRX-D"): fixed pan/tilt, and its own status poll.
        d.findChild<QComboBox*>(QStringLiteral("ReceiverType"))->setCurrentIndex(0);
        d.accept();
        return d.result();
    });
    console->findChild<QAbstractButton*>(QStringLiteral("CameraSetup"))->click();
    EXPECT_TRUE(filled) << "firmware, flip, flow control, P/T kind, serial number and direction";
    EXPECT_EQ(console->settings().receiverType, 0);
    EXPECT_FALSE(console->findChild<QWidget*>(QStringLiteral("DspStatus"))->isEnabled());
    // After Setup the status poll is "L?" for receiver type 0 ("cDS" for 5).
    const size_t before = heard("L?");
    const size_t dsBefore = heard("cDS");
    ASSERT_TRUE(WaitFor([&] { return heard("L?") >= before + 2; }, 5000));
    EXPECT_EQ(heard("cDS"), dsBefore);
}

TEST_F(SimulatedConsole, DayNightPanelWalksItsOpeningChainAndReadsBackItsChanges)
{
    ASSERT_TRUE(Open(SimOptions{}, [](SimulatedCamera& c) {
        c.state().dsp.lightLevel = 1;
        c.state().dsp.dayShutter = 3;
        c.state().dsp.nightShutter = 9;
    })) << host.error();
    PastStartup();
    auto list = [](QDialog& d, const char* name) {
        return d.findChild<QComboBox*>(QString::fromLatin1(name))->currentText().toStdString();
    };

    bool walked = false;
    modal.steps.push_back([&](QDialog& d) {
        // The whole chain, to the last of the timed queries, shown in the lists.
        walked = WaitFor([&] { return list(d, "NightShutter") == "1/10000"; }, 10000);
        EXPECT_EQ(heard("cAS"), 1u);
        EXPECT_EQ(heard("cES"), 1u);
        EXPECT_EQ(heard("cEFS"), 1u);
        EXPECT_EQ(heard("cZmS"), 1u);
        EXPECT_EQ(list(d, "LightLevel"), "High");
        EXPECT_EQ(list(d, "DayShutter"), "1/180");
        EXPECT_TRUE(d.findChild<QAbstractButton*>(QStringLiteral("DayNightCntrlAuto"))->isChecked());
        EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("MaxAGC"))->value(), 20);
        d.findChild<QAbstractButton*>(QStringLiteral("DayNightCntrlMono"))->click();
        EXPECT_TRUE(WaitFor([&] { return heard("cM2") > 0; }));
        d.findChild<QComboBox*>(QStringLiteral("LightLevel"))->setCurrentIndex(0);
        EXPECT_TRUE(WaitFor([&] { return heard("cWL0") > 0; }));
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("DspStatus"))->click();
    EXPECT_TRUE(walked);

    bool readBack = false;
    modal.steps.push_back([&](QDialog& d) {
        readBack = WaitFor([&] {
            return d.findChild<QAbstractButton*>(QStringLiteral("DayNightCntrlMono"))->isChecked() &&
                   list(d, "LightLevel") == "Low";
        }, 10000);
        return QDialog::Accepted;
    });
    QThread::msleep(200);
    console->findChild<QAbstractButton*>(QStringLiteral("DspStatus"))->click();
    EXPECT_TRUE(readBack) << "the second opening shows the changes made in the first";
}

TEST_F(SimulatedConsole, Dsp7100PanelFillsFromTheCameraAndNamesItsPresets)
{
    settings.cameraType = 1;
    SimOptions options;
    options.cameraType = 1;
    ASSERT_TRUE(Open(options, [](SimulatedCamera& c) {
        SimDsp7100::Settings& s = c.dsp7100().settings();
        s.colourMode = 1;
        s.colour = 45;
        s.shutterCode = 1;
        s.speed = 4;
        s.gainMode = 1;
        s.gain = 77;
        s.gamma = 2;
        s.backlight = true;
    })) << host.error();
    PastStartup();
    bool filled = false;
    modal.steps.push_back([&](QDialog& d) {
        d.show();
        QApplication::setActiveWindow(&d);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        auto* backlight = d.findChild<QCheckBox*>(QStringLiteral("Backlightcomp"));
        filled = WaitFor([&] { return backlight->isChecked(); }, 10000);
        EXPECT_EQ(heard("cWS"), 1u);
        EXPECT_TRUE(d.findChild<QAbstractButton*>(QStringLiteral("ColorBalanceManual"))->isChecked());
        EXPECT_TRUE(d.findChild<QAbstractButton*>(QStringLiteral("ShutterSManual"))->isChecked());
        EXPECT_EQ(d.findChild<QComboBox*>(QStringLiteral("Speed"))->currentText().toStdString(), "1/1000");
        EXPECT_EQ(d.findChild<QComboBox*>(QStringLiteral("Gamma"))->currentText().toStdString(), ".70");
        // The opening's box writes reached the camera (colour 32, gain 1),
        // and the boxes show what the camera reports back.
        EXPECT_TRUE(d.findChild<QAbstractButton*>(QStringLiteral("GainManual"))->isChecked());
        EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("GainValue"))->value(), 1);
        EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("ColorValue"))->value(), 32);
        EXPECT_TRUE(d.findChild<QSpinBox*>(QStringLiteral("ColorValue"))->isEnabled());
        // A name typed over preset 2, then Tab: PRESET.DAT holds it.
        auto* presets = d.findChild<QComboBox*>(QStringLiteral("PresetList"));
        presets->setCurrentIndex(2);
        presets->setFocus();
        presets->lineEdit()->selectAll();
        QTest::keyClicks(presets->lineEdit(), "Loading bay");
        QTest::keyClick(presets->lineEdit(), Qt::Key_Tab);
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("DspStatus"))->click();
    EXPECT_TRUE(filled);
    QFile file(QString::fromStdString(data.FilePath("PRESET.DAT")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().split('\n').value(2).trimmed().toStdString(), "Loading bay");
}

TEST_F(SimulatedConsole, PresetsBringTheCameraBackAndTheFieldsFollowIt)
{
    ASSERT_TRUE(Open(SimOptions{})) << host.error();
    auto camera = [&] {
        SimulatedCamera::State s;
        host.WithDevice([&](SimulatedReceiver& d) {
            auto& c = static_cast<SimulatedCamera&>(d);
            c.Update();
            s = c.state();
        });
        return s;
    };
    auto click = [&](const char* name) { console->findChild<QAbstractButton*>(QString::fromLatin1(name))->click(); };
    ASSERT_TRUE(WaitFor([&] { return console->link().cameraAddress() == 1; }));
    const int home = camera().pan;

    click("Store");
    QThread::msleep(100);
    console->EnqueueCommand("PRTS"); // pan right for a while
    WaitFor([] { return false; }, 400);
    console->EnqueueCommand("PSTS");
    ASSERT_TRUE(WaitFor([&] { return std::abs(camera().pan - home) > 50; }));
    click("PresetGoto");
    ASSERT_TRUE(WaitFor([&] { return std::abs(camera().pan - home) <= 1; })) << camera().pan << " vs " << home;

    // With P/T/Z/F? on the position fields follow the camera.
    click("PositionQuery");
    auto* pan = console->findChild<QLineEdit*>(QStringLiteral("Pan"));
    const QString expected = QString::number(camera().pan).rightJustified(4, QLatin1Char('0'));
    ASSERT_TRUE(WaitFor([&] { return pan->text() == expected; }, 8000)) << pan->text().toStdString();
    click("PositionQuery");

    // "Get ID" names the selected preset from the camera, into the settings.
    click("GetId");
    auto* list = console->findChild<QComboBox*>(QStringLiteral("PresetList"));
    ASSERT_TRUE(WaitFor([&] { return list->currentText().startsWith(QStringLiteral("Preset 1 ")); }, 5000))
        << list->currentText().toStdString();
    EXPECT_EQ(store.GetString("Presets", "P1", ""), "Preset 1" + std::string(16, ' '));
    ConsolePresetNames()[0] = "Preset 1";
}

TEST_F(SimulatedConsole, RecordedSessionPlaysBackInTheConsoleAndOnTheBench)
{
    ASSERT_TRUE(Open(SimOptions{})) << host.error();
    PastStartup();
    const QString log = dir.filePath(QStringLiteral("bench.txt"));
    console->findChild<QLineEdit*>(QStringLiteral("BrowseControl"))->setText(log);
    console->findChild<QAbstractButton*>(QStringLiteral("Record"))->click();
    for (const char* text : {"PLTU", "PSTS", "ZI", "ZS"}) {
        const size_t before = heard(text);
        console->SendCommand(text);
        ASSERT_TRUE(WaitFor([&] { return heard(text) > before; }));
        QThread::msleep(30);
    }
    console->findChild<QAbstractButton*>(QStringLiteral("StopLog"))->click();

    // Played in the console: the same commands reach the camera again, in order.
    host.WithDevice([](SimulatedReceiver& d) { d.ClearReceived(); });
    console->findChild<QAbstractButton*>(QStringLiteral("Play"))->click();
    auto played = [&] {
        std::vector<std::pair<uint32_t, std::string>> out;
        host.WithDevice([&](SimulatedReceiver& d) {
            for (const auto& r : d.received())
                out.emplace_back(r.tick, r.frame.text);
        });
        return out;
    };
    ASSERT_TRUE(WaitFor([&] { return played().size() >= 4; }, 10000));
    const auto frames = played();
    EXPECT_EQ(frames[0].second, "PLTU");
    EXPECT_EQ(frames[3].second, "ZS");
    for (size_t i = 1; i < 4; ++i)
        EXPECT_GE(frames[i].first - frames[i - 1].first, 55u) << "recorded pauses of at least 60 ms";
    ASSERT_TRUE(WaitFor([&] { return console->findChild<QAbstractButton*>(QStringLiteral("Record"))->isEnabled(); }));
    EXPECT_TRUE(prompter.Texts().size() <= 1) << "only the overwrite question";

    // The bench runner plays the same file against its own simulated camera.
    QProcess bench;
    bench.start(Program("pivora-play"), {log, QStringLiteral("--simulate")});
    ASSERT_TRUE(bench.waitForFinished(30000));
    const QString out = QString::fromLatin1(bench.readAllStandardOutput());
    EXPECT_EQ(bench.exitCode(), 0) << out.toStdString() << bench.readAllStandardError().constData();
    EXPECT_EQ(out.count(QStringLiteral(" ok\n")), 4) << out.toStdString();
}

// The search polls address after address, one every 500 ms, until the
// camera at 37 answers: the dialog says so, and OK takes the address.
TEST_F(SimulatedConsole, FindLocatesTheCameraAtItsAddress)
{
    ASSERT_TRUE(Open(SimOptions{37})) << host.error();
    PastStartup();
    std::string shown;
    bool okEnabled = false;
    modal.steps.push_back([&](QDialog& d) {
        auto* response = d.findChild<QLabel*>(QStringLiteral("Response"));
        WaitFor([&] { return !response->text().isEmpty(); }, 60000);
        shown = response->text().toStdString();
        auto* ok = d.findChild<QAbstractButton*>(QStringLiteral("OK"));
        okEnabled = ok->isEnabled();
        ok->click();
        return d.result();
    });
    console->findChild<QAbstractButton*>(QStringLiteral("Find"))->click();
    EXPECT_EQ(shown, "Response received: Camera 37");
    EXPECT_TRUE(okEnabled);
    EXPECT_EQ(console->findChild<QSpinBox*>(QStringLiteral("CameraAddress"))->value(), 37);
    EXPECT_EQ(console->link().cameraAddress(), 37);
    EXPECT_EQ(heard("L?H?"), 1u) << "only the poll of its own address reached it";
    EXPECT_TRUE(prompter.shown.empty());
}

// Camera ID lines, the test pattern and the azimuth readouts reach the
// simulated receiver, which keeps them; the window shows the pattern.
TEST_F(SimulatedConsole, CameraIdAndAzimuthSettingsReachTheCamera)
{
    settings.receiverType = 7;
    SimOptions options;
    options.receiverType = 7;
    ASSERT_TRUE(Open(options)) << host.error();
    PastStartup();
    auto receiverLines = [&] {
        std::array<std::string, 5> lines;
        host.WithDevice([&](SimulatedReceiver& d) { lines = static_cast<SimulatedCamera&>(d).cameraId().receiver().lines; });
        return lines;
    };
    std::string shownLine4;
    modal.steps.push_back([&](QDialog& d) {
        d.findChild<QAbstractButton*>(QStringLiteral("InitAllIDs"))->click();
        EXPECT_TRUE(WaitFor([&] { return receiverLines()[4] == "ID TEST - ALARM 3"; }));
        shownLine4 = d.findChild<QLineEdit*>(QStringLiteral("Line4"))->text().toStdString();
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("CameraId"))->click();
    EXPECT_EQ(receiverLines()[0], "ID TEST - LINE 1");
    EXPECT_EQ(shownLine4, "ID TEST -  ALARM 2");

    auto azimuth = [&] {
        SimAzimuth::Settings s;
        host.WithDevice([&](SimulatedReceiver& d) { s = static_cast<SimulatedCamera&>(d).azimuth().settings(); });
        return s;
    };
    modal.steps.push_back([&](QDialog& d) {
        for (const char* name : {"NorthDirectionSet", "Set16Zones", "AzimuthElevationDisplayEnable"})
            d.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
        EXPECT_TRUE(WaitFor([&] { return azimuth().commands == 3; }));
        return QDialog::Rejected;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("SetAzimuth"))->click();
    const SimAzimuth::Settings s = azimuth();
    EXPECT_TRUE(s.northSet);
    EXPECT_EQ(s.directionZones, 16);
    EXPECT_TRUE(s.azimuthDisplay);

    modal.steps.push_back([&](QDialog& d) {
        auto* box = d.findChild<QLineEdit*>(QStringLiteral("Command"));
        box->setText(QStringLiteral("GO 12"));
        d.findChild<QAbstractButton*>(QStringLiteral("Send"))->click();
        EXPECT_TRUE(WaitFor([&] { return !azimuth().moduleCommands.empty(); }));
        return QDialog::Rejected;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("SendModule"))->click();
    EXPECT_EQ(azimuth().moduleCommands, (std::vector<std::string>{"GO 12"}));
    EXPECT_TRUE(prompter.shown.empty());
}

namespace {
QString Program(const char* name) { return QStringLiteral(PIVORA_BINARY_DIR "/") + QLatin1String(name); }
} // namespace

TEST(ProgramE2E, VersionAndHelp)
{
    QProcess p;
    p.start(Program("pivora"), {QStringLiteral("--version")});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardOutput().contains("Pivora"));

    p.start(Program("pivora"), {QStringLiteral("--help")});
    ASSERT_TRUE(p.waitForFinished(20000));
    const QByteArray help = p.readAllStandardOutput();
    EXPECT_TRUE(help.contains("--port")) << help.constData();
    EXPECT_TRUE(help.contains("--simulate"));
}

TEST(ProgramE2E, SimulatedRunWritesTheDefaultsAndKeepsThePortUnstored)
{
    QTemporaryDir config;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(Program("pivora"), {QStringLiteral("--simulate")});
    ASSERT_TRUE(p.waitForStarted(20000));
    const QString conf = config.path() + QStringLiteral("/Vexa/Pivora.conf");
    const bool written = WaitFor(
        [&] {
            QFile f(conf);
            return f.open(QIODevice::ReadOnly) && f.readAll().contains("P64=Preset 64");
        },
        20000);
    // Still running: no message box stopped it, nothing ended it.
    EXPECT_EQ(p.state(), QProcess::Running);
    p.terminate();
    if (!p.waitForFinished(5000))
        p.kill();
    ASSERT_TRUE(written);
    QSettings s(conf, QSettings::IniFormat);
    EXPECT_EQ(s.value(QStringLiteral("Setup/RxType")).toInt(), 5);
    EXPECT_EQ(s.value(QStringLiteral("Setup/Port")).toInt(), 1);
    EXPECT_FALSE(s.contains(QStringLiteral("Setup/Port Name")));
}
