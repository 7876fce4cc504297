// The console with its real serial port, timers and settings store against
// a simulated receiver on a pseudo-terminal.
#include "ConsoleDialog.h"
#include "DataFolder.h"
#include "DayNightPanel.h"
#include "Dsp723xPanel.h"
#include "Dsp7440Panel.h"
#include "ModalRunner.h"
#include "ScriptedModalRunner.h"
#include "ScaledTimers.h"
#include "SetupDialog.h"
#include "PtyHost.h"
#include "QtSettingsStore.h"
#include "QtTimers.h"
#include "ScriptedPrompter.h"
#include "SerialPort.h"
#include "SimulatedCamera.h"
#include "SteadyClock.h"
#include "ToursSectorsDialog.h"
#include "TourGrid.h"
#include "TrafficHistoryWindow.h"
#include "WaitFor.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QTest>
#include <QFile>
#include <functional>
#include <memory>
#include <QLabel>
#include <QListWidget>
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QProcess>
#include <QThread>
#include <QSlider>
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
            ConsoleServices{store, prompter, modal, clock, *timerFactory, port, data, host.path(), nullptr}, settings);
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
    TimerFactory* timerFactory = &timers; // a test of a long exchange may run faster timers
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
    EXPECT_TRUE(prompter.shown.empty()) << prompter.Joined();
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
    EXPECT_TRUE(prompter.shown.empty()) << prompter.Joined();
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

// Zone C programmed from the Day/Night panel's privacy dialog; the dialog
// opened again shows zone C as the camera keeps it.
TEST_F(SimulatedConsole, PrivacyZoneProgrammedIsShownAsTheCameraKeepsIt)
{
    ASSERT_TRUE(Open(SimOptions{})) << host.error();
    PastStartup();
    auto button = [](QDialog& d, const char* name) { return d.findChild<QAbstractButton*>(QString::fromLatin1(name)); };
    auto list = [](QDialog& d, const char* name) { return d.findChild<QComboBox*>(QString::fromLatin1(name)); };
    auto spin = [](QDialog& d, const char* name) { return d.findChild<QSpinBox*>(QString::fromLatin1(name)); };
    auto zoneC = [&] {
        SimPrivacyZones::Zone z;
        SimPrivacyZones::Colours c;
        host.WithDevice([&](SimulatedReceiver& d) {
            auto& camera = static_cast<SimulatedCamera&>(d);
            z = camera.privacyZones().zone(2);
            c = camera.privacyZones().colours();
        });
        return std::pair{z, c};
    };

    modal.steps.push_back([&](QDialog& dayNight) {
        button(dayNight, "PrivacySetup")->click();
        button(dayNight, "PrivacySetup")->click();
        return QDialog::Accepted;
    });
    bool kept = false;
    modal.steps.push_back([&](QDialog& d) {
        // The opening walks zone A to its size query; then zone C is chosen.
        EXPECT_TRUE(WaitFor([&] { return heard("cshA?") > 0; }, 10000));
        EXPECT_TRUE(button(d, "ModeOff")->isChecked());
        list(d, "Zone")->setCurrentIndex(2);
        EXPECT_TRUE(WaitFor([&] { return heard("cshC?") > 0; }, 10000));
        button(d, "ModeProgramming")->click();
        spin(d, "HorrzSize")->setValue(30);
        spin(d, "VertSize")->setValue(20);
        list(d, "ProgrammingColor")->setCurrentIndex(8);
        list(d, "LiveColor")->setCurrentIndex(11);
        button(d, "LiveTransparency")->click();
        button(d, "ModeLive")->click();
        kept = WaitFor([&] {
            const auto [z, c] = zoneC();
            return z.mode == 2 && z.programmed && z.horizontal == 30 && z.vertical == 20 && c.programming == 8 &&
                   c.live == 11 && c.liveTransparent && !c.programmingTransparent;
        }, 10000);
        return QDialog::Accepted;
    });
    bool shown = false;
    modal.steps.push_back([&](QDialog& d) {
        list(d, "Zone")->setCurrentIndex(2);
        shown = WaitFor([&] {
            return button(d, "ModeLive")->isChecked() && button(d, "HasBeen")->isChecked() &&
                   spin(d, "HorrzSize")->value() == 30 && spin(d, "VertSize")->value() == 20 &&
                   list(d, "ProgrammingColor")->currentText() == QLatin1String("Red") &&
                   list(d, "LiveColor")->currentText() == QLatin1String("Cyan") &&
                   button(d, "LiveTransparency")->isChecked() && !button(d, "ProgrammingTransparency")->isChecked();
        }, 10000);
        EXPECT_EQ(heard("csZC?"), 2u);
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("DspStatus"))->click();
    EXPECT_TRUE(kept) << "the camera keeps zone C";
    EXPECT_TRUE(shown) << "the dialog opened again shows zone C as the camera keeps it";
    EXPECT_EQ(modal.titles, (std::vector<std::string>{"Day/Night DSP Camera Control", "Screen Privacy Zone Setup",
                                                      "Screen Privacy Zone Setup"}));
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

TEST_F(SimulatedConsole, LensMaintenanceOverSetupWalksItsChainAndReadsBackItsChanges)
{
    settings.receiverType = 13;
    settings.cameraType = 12;
    SimOptions options;
    options.receiverType = 13;
    options.cameraType = 12;
    ASSERT_TRUE(Open(options, [](SimulatedCamera& c) {
        SimLensMaintenance::Settings& s = c.lensMaintenance().settings();
        s.voltage = 2;
        s.lensType = 9;
        s.video = 1;
        s.camera = 4;
        s.twoX = 1;
        s.ir = 3;
        c.state().lineLockPhase = 3;
    })) << host.error();
    ASSERT_TRUE(WaitFor([&] { return heard("bDS") > 0; })); // past the start-up requests
    QThread::msleep(200);
    QCoreApplication::processEvents();
    auto list = [](QDialog& d, const char* name) {
        return d.findChild<QComboBox*>(QString::fromLatin1(name))->currentText().toStdString();
    };
    auto checked = [](QDialog& d, const char* name) {
        return d.findChild<QCheckBox*>(QString::fromLatin1(name))->isChecked();
    };

    // Setup opens "Lens Maintenance" twice, then is cancelled.
    modal.steps.push_back([&](QDialog& setup) {
        auto* button = setup.findChild<QAbstractButton*>(QStringLiteral("LensMaintenance"));
        EXPECT_TRUE(button->isEnabled());
        button->click();
        QThread::msleep(100);
        button->click();
        return QDialog::Rejected;
    });
    bool walked = false;
    modal.steps.push_back([&](QDialog& d) {
        // The chain m? -> mXS -> mRS, its last answer shown in the IR list.
        walked = WaitFor([&] { return list(d, "IR") == "950nm"; }, 10000);
        EXPECT_EQ(heard("m?"), 1u);
        EXPECT_EQ(heard("mXS"), 1u);
        EXPECT_EQ(heard("mRS"), 1u);
        EXPECT_EQ(list(d, "Voltage"), "12VDC");
        EXPECT_TRUE(checked(d, "ZoomFocus"));
        EXPECT_TRUE(checked(d, "IrisFollowPot"));
        EXPECT_FALSE(checked(d, "MotorIris"));
        EXPECT_EQ(list(d, "Video"), "PAL");
        EXPECT_EQ(list(d, "Camera"), "7810/7815");
        EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("Phase"))->value(), 2);
        EXPECT_FALSE(checked(d, "Crystal"));
        EXPECT_TRUE(checked(d, "2X"));
        // Changes: the voltage, the lens type, the crystal.
        d.findChild<QComboBox*>(QStringLiteral("Voltage"))->setCurrentIndex(0);
        EXPECT_TRUE(WaitFor([&] { return heard("m0") > 0; }));
        d.findChild<QAbstractButton*>(QStringLiteral("MotorIris"))->click();
        d.findChild<QAbstractButton*>(QStringLiteral("SetLensType"))->click();
        EXPECT_TRUE(WaitFor([&] { return heard("ml;") > 0; }));
        d.findChild<QAbstractButton*>(QStringLiteral("Crystal"))->click();
        EXPECT_TRUE(WaitFor([&] { return heard("Lp0") > 0; }));
        return QDialog::Accepted;
    });
    bool readBack = false;
    modal.steps.push_back([&](QDialog& d) {
        readBack = WaitFor([&] { return list(d, "IR") == "950nm"; }, 10000) && list(d, "Voltage") == " 6VDC" &&
                   checked(d, "MotorIris") && checked(d, "Crystal") &&
                   !d.findChild<QSpinBox*>(QStringLiteral("Phase"))->isEnabled();
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("CameraSetup"))->click();
    EXPECT_EQ(modal.titles, (std::vector<std::string>{"Setup", "Lens Maintenance", "Lens Maintenance"}));
    EXPECT_TRUE(walked);
    EXPECT_TRUE(readBack) << "the second opening shows the changes made in the first";
    EXPECT_TRUE(prompter.shown.empty()) << prompter.Joined();
}

TEST_F(SimulatedConsole, Lens55xPanelAndItsFactoryMenuDriveTheLens)
{
    settings.receiverType = 14;
    settings.cameraType = 17;
    SimOptions options;
    options.receiverType = 14;
    options.cameraType = 17;
    ASSERT_TRUE(Open(options)) << host.error();
    ASSERT_TRUE(WaitFor([&] { return heard("L?") > 0; })); // past the start-up requests
    QThread::msleep(200);
    QCoreApplication::processEvents();
    auto lens = [&] {
        SimLens55x::Settings s;
        int zoom = 0;
        host.WithDevice([&](SimulatedReceiver& d) {
            auto& c = static_cast<SimulatedCamera&>(d);
            c.Update();
            s = c.lens55x().settings();
            zoom = c.state().zoom;
        });
        return std::pair{s, zoom};
    };
    modal.steps.push_back([&](QDialog& d) {
        d.show();
        auto* zoomIn = d.findChild<QWidget*>(QStringLiteral("ZI"));
        QTest::mousePress(zoomIn, Qt::LeftButton);
        EXPECT_TRUE(WaitFor([&] { return heard("ZI") > 0; }));
        WaitFor([] { return false; }, 300);
        QTest::mouseRelease(zoomIn, Qt::LeftButton);
        EXPECT_TRUE(WaitFor([&] { return heard("ZS") > 0; }));
        EXPECT_GT(lens().second, 0) << "the zoom ran while the button was held";
        d.findChild<QAbstractButton*>(QStringLiteral("1X2XToggle"))->click();
        EXPECT_TRUE(WaitFor([&] { return lens().first.twoX; }));
        d.findChild<QAbstractButton*>(QStringLiteral("FactoryMenu"))->click();
        return QDialog::Accepted;
    });
    modal.steps.push_back([&](QDialog& d) {
        d.show();
        d.findChild<QAbstractButton*>(QStringLiteral("CameraMenuEnable"))->click();
        EXPECT_TRUE(WaitFor([&] { return lens().first.menuOpen; }));
        auto* down = d.findChild<QWidget*>(QStringLiteral("PadT"));
        QTest::mousePress(down, Qt::LeftButton);
        QTest::mouseRelease(down, Qt::LeftButton);
        EXPECT_TRUE(WaitFor([&] { return lens().first.menuItem == 1; }));
        d.findChild<QAbstractButton*>(QStringLiteral("CameraMenuExit"))->click();
        EXPECT_TRUE(WaitFor([&] { return !lens().first.menuOpen; }));
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("DspStatus"))->click();
    EXPECT_EQ(modal.titles, (std::vector<std::string>{"55X Lens Control", "55X Lens Factory Menu"}));
    EXPECT_EQ(heard("TD"), 1u) << "one press and release of the pad, one command";
    EXPECT_TRUE(WaitFor([&] { return heard("L?H?") > 0; })) << "the console asks for the latches afterwards";
}

TEST_F(SimulatedConsole, Dsp8270PanelFillsFromTheStatusRecordAndSetsTheCamera)
{
    settings.receiverType = 13;
    settings.cameraType = 12;
    SimOptions options;
    options.receiverType = 13;
    options.cameraType = 12;
    ASSERT_TRUE(Open(options, [](SimulatedCamera& c) {
        SimDsp8270::Settings& s = c.dsp8270().settings();
        s.dayNight = 2;
        s.whiteBalance = 3;
        s.shutter = 6;
        s.integration = 8;
        s.zoomLimit = 1;
        s.freeze = true;
        s.blc = 1;
        s.blcArea = 2;
        s.brightness = 40;
        s.sharpness = 11;
        s.manualShutter = true;
    })) << host.error();
    // Past the start-up requests (receiver type 13 polls "bDS").
    ASSERT_TRUE(WaitFor([&] { return heard("bDS") > 0; }));
    QThread::msleep(200);
    QCoreApplication::processEvents();
    auto list = [](QDialog& d, const char* name) {
        return d.findChild<QComboBox*>(QString::fromLatin1(name))->currentText().trimmed().toStdString();
    };
    auto checked = [](QDialog& d, const char* name) {
        return d.findChild<QAbstractButton*>(QString::fromLatin1(name))->isChecked();
    };
    bool filled = false;
    modal.steps.push_back([&](QDialog& d) {
        filled = WaitFor([&] { return list(d, "Shutter") == "1/4000"; }, 10000);
        EXPECT_EQ(list(d, "MaximumIntegrationTime"), "1");
        EXPECT_EQ(list(d, "DigitalZoomLimit"), "2X");
        EXPECT_TRUE(checked(d, "DayNightControlMono"));
        EXPECT_TRUE(checked(d, "WhiteBalanceOutdoor"));
        EXPECT_TRUE(checked(d, "VideoFreezeFreeze"));
        EXPECT_TRUE(checked(d, "AreaOfMostInterestTop"));
        EXPECT_TRUE(checked(d, "ManualShutter"));
        EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("BrightnessLevel"))->value(), 40);
        EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("Sharpness"))->value(), 11);
        // A change reaches the camera and its status reads it back.
        d.findChild<QAbstractButton*>(QStringLiteral("AutoAll"))->click();
        EXPECT_TRUE(WaitFor([&] { return heard("bEA") > 0; }));
        d.findChild<QAbstractButton*>(QStringLiteral("DayNightControlColor"))->click();
        EXPECT_TRUE(WaitFor([&] { return heard("bM1") > 0; }));
        d.findChild<QAbstractButton*>(QStringLiteral("StatusQuery"))->click();
        EXPECT_TRUE(WaitFor([&] { return checked(d, "AutoAll") && checked(d, "DayNightControlColor"); }));
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("DspStatus"))->click();
    EXPECT_EQ(modal.titles, std::vector<std::string>{"8270 DSP CAMERA CONTROL"});
    EXPECT_TRUE(filled);
}

TEST_F(SimulatedConsole, HiDefPanelFillsFromTheStatusPairs)
{
    settings.receiverType = 7;
    settings.cameraType = 13;
    SimOptions options;
    options.receiverType = 7;
    options.cameraType = 13;
    ASSERT_TRUE(Open(options, [](SimulatedCamera& c) {
        c.hiDef().settings() = SimHiDef::Settings{3, 1, 4};
    })) << host.error();
    PastStartup();
    auto list = [](QDialog& d, const char* name) {
        return d.findChild<QComboBox*>(QString::fromLatin1(name))->currentText().trimmed().toStdString();
    };
    bool filled = false;
    modal.steps.push_back([&](QDialog& d) {
        filled = WaitFor([&] { return list(d, "VideoMode") == "1080/50i"; }, 10000);
        EXPECT_EQ(list(d, "DigitalZoomRange"), "4X");
        EXPECT_EQ(list(d, "Exposure"), "3dB");
        // One step up; the status half a second later shows it.
        auto* up = d.findChild<QWidget*>(QStringLiteral("ExposureControlU"));
        QTest::mousePress(up, Qt::LeftButton);
        QTest::mouseRelease(up, Qt::LeftButton);
        EXPECT_TRUE(WaitFor([&] { return list(d, "Exposure") == "6dB"; }, 5000));
        return QDialog::Rejected;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("DspStatus"))->click();
    EXPECT_EQ(modal.titles, std::vector<std::string>{"DSP HIDEF"});
    EXPECT_TRUE(filled);
    EXPECT_EQ(heard("ceu"), 1u);
}

TEST_F(SimulatedConsole, OtherMaintenanceOpensFromSetupAndFillsFromItsTimedQueries)
{
    ASSERT_TRUE(Open(SimOptions{}, [](SimulatedCamera& c) {
        SimMaintenance::Settings& s = c.maintenance().settings();
        s.heater = 41;
        s.freezeOnPreset = true;
        s.presetFeature = 1;
        s.seekPreset = 5;
        s.homePreset = 12;
        s.homeFeature = 1;
        s.powerUp = 2;
        s.parkDelay = 30;
        s.parkUnit = 2;
        s.parkKind = 2;
        s.parkNumber = 2;
    })) << host.error();
    PastStartup();
    bool filled = false;
    modal.steps.push_back([&](QDialog& setup) {
        // Setup's own queries first (its last one comes 8 s after the
        // firmware), so that none of them replaces a query of the window.
        EXPECT_TRUE(WaitFor([&] { return static_cast<SetupDialog&>(setup).members().serialNumber == "1234"; },
                            15000));
        setup.findChild<QAbstractButton*>(QStringLiteral("OtherSetup"))->click();
        return QDialog::Rejected;
    });
    modal.steps.push_back([&](QDialog& d) {
        auto* parkAction = d.findChild<QComboBox*>(QStringLiteral("ParkAction"));
        filled = WaitFor([&] { return parkAction->currentText() == QLatin1String("Tour 2"); }, 10000);
        EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("Heater"))->value(), 41);
        EXPECT_TRUE(d.findChild<QCheckBox*>(QStringLiteral("FreezeVideo"))->isChecked());
        EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("SeekPreset"))->value(), 5);
        EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("HomePreset"))->value(), 12);
        EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("Delay"))->value(), 30);
        EXPECT_EQ(d.findChild<QComboBox*>(QStringLiteral("ParkUnit"))->currentText().toStdString(), "Minutes");
        // Park on preset 3 instead: the camera keeps it.
        parkAction->setCurrentIndex(2);
        d.findChild<QAbstractButton*>(QStringLiteral("ParkSave"))->click();
        EXPECT_TRUE(WaitFor([&] {
            bool saved = false;
            host.WithDevice([&](SimulatedReceiver& r) {
                const auto& s = static_cast<SimulatedCamera&>(r).maintenance().settings();
                saved = s.parkKind == 1 && s.parkNumber == 3;
            });
            return saved;
        }));
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("CameraSetup"))->click();
    EXPECT_EQ(modal.titles, (std::vector<std::string>{"Setup", "Other Maintenance"}));
    EXPECT_TRUE(filled);
}

TEST_F(SimulatedConsole, IlluminatorWipeAndWashWindowsFillFromTheDome)
{
    settings.receiverType = 12;
    settings.cameraType = 8;
    SimOptions options;
    options.receiverType = 12;
    options.cameraType = 8;
    ASSERT_TRUE(Open(options, [](SimulatedCamera& c) {
        SimMaintenance::Settings& s = c.maintenance().settings();
        s.irOn = true;
        s.irMode = 1;
        s.wipeRun = 120;
        s.wipeDelay = 7;
        s.wipeModule = 1;
        s.washTime = 15;
        s.washWipe = 4;
        s.manualWash = true;
        s.washFrequency = 6;
    })) << host.error();
    // Past the start-up requests (receiver type 12 ends with "L?").
    ASSERT_TRUE(WaitFor([&] { return heard("L?") > 0; }, 8000));
    QThread::msleep(200);
    QCoreApplication::processEvents();
    auto value = [](QDialog& d, const char* name) { return d.findChild<QSpinBox*>(QString::fromLatin1(name))->value(); };
    auto checked = [](QDialog& d, const char* name) {
        return d.findChild<QAbstractButton*>(QString::fromLatin1(name))->isChecked();
    };
    bool illuminator = false, wipe = false, wash = false;
    modal.steps.push_back([&](QDialog& d) {
        illuminator = WaitFor([&] { return checked(d, "8650DayNightIRIROn") && checked(d, "ModeMode2"); }, 10000);
        d.findChild<QAbstractButton*>(QStringLiteral("8650DayNightIRIROff"))->click();
        EXPECT_TRUE(WaitFor([&] { return heard("i0") > 0; }));
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("Illuminator"))->click();
    modal.steps.push_back([&](QDialog& d) {
        wipe = WaitFor([&] { return value(d, "RunTime") == 120; }, 10000);
        EXPECT_EQ(value(d, "DelayTime"), 7);
        EXPECT_TRUE(checked(d, "ModuleNewModule"));
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("WipeSetup"))->click();
    modal.steps.push_back([&](QDialog& d) {
        wash = WaitFor([&] { return value(d, "WashTime") == 15; }, 10000);
        EXPECT_EQ(value(d, "WipeTime"), 4);
        EXPECT_EQ(value(d, "AutoModeFreq"), 6);
        EXPECT_TRUE(checked(d, "ManualWash"));
        d.findChild<QAbstractButton*>(QStringLiteral("Set"))->click();
        EXPECT_TRUE(WaitFor([&] { return heard("mWW15w04m1f006") > 0; }));
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("WashSetup"))->click();
    EXPECT_EQ(modal.titles, (std::vector<std::string>{"Illuminator Control", "Wipe Setup", "Wash Setup"}));
    EXPECT_TRUE(illuminator);
    EXPECT_TRUE(wipe);
    EXPECT_TRUE(wash);
    host.WithDevice([](SimulatedReceiver& r) { EXPECT_FALSE(static_cast<SimulatedCamera&>(r).maintenance().settings().irOn); });
}

TEST_F(SimulatedConsole, Dsp7440PanelFillsFromTheCameraAndSetsIt)
{
    settings.cameraType = 4;
    SimOptions options;
    options.cameraType = 4;
    ASSERT_TRUE(Open(options, [](SimulatedCamera& c) {
        SimDsp7440::Settings& s = c.dsp7440().settings();
        s.whiteBalance = 2;
        s.red = 180;
        s.blue = 40;
        s.gainMode = 1;
        s.gain = 5;
        s.agcMax = 200;
        s.shutterMode = 1;
        s.speed = 7;
        s.integration = 0;
        s.blc = 1;
        s.blcMode = 2;
        s.gamma = 6;
        s.effectsE = 4; // vertical flip
        s.effectse = 2; // colour bars
        s.preset = '2';
    })) << host.error();
    PastStartup();
    auto camera = [&] {
        SimDsp7440::Settings s;
        host.WithDevice([&](SimulatedReceiver& d) { s = static_cast<SimulatedCamera&>(d).dsp7440().settings(); });
        return s;
    };
    const size_t statusBefore = heard("cDS");
    bool filled = false;
    modal.steps.push_back([&](QDialog& d) {
        auto list = [&](const char* name) {
            return d.findChild<QComboBox*>(QString::fromLatin1(name))->currentText().toStdString();
        };
        auto button = [&](const char* name) { return d.findChild<QAbstractButton*>(QString::fromLatin1(name)); };
        auto* red = d.findChild<QSlider*>(QStringLiteral("Red"));
        filled = WaitFor([&] { return red->value() == 180; }, 10000);
        EXPECT_GT(heard("cDS"), statusBefore) << "the panel's own status request";
        EXPECT_TRUE(button("AutoWhiteBalanceUser")->isChecked());
        EXPECT_TRUE(red->isEnabled());
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("BlueValue"))->text().toStdString(), "040");
        EXPECT_EQ(list("GainMode"), "Manual");
        EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("Gain"))->value(), 5);
        EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("AGCMax"))->value(), 200);
        EXPECT_EQ(list("ShutterMode"), "Manual");
        EXPECT_EQ(list("ShutterSpeed"), "1/10,000");
        EXPECT_EQ(list("Integration"), "Off");
        EXPECT_EQ(list("BLCMode"), "Brighten Dark Areas");
        EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("Gamma"))->value(), 6);
        EXPECT_TRUE(button("VerticalFlip")->isChecked());
        EXPECT_TRUE(button("ColorBars")->isChecked());
        // What the operator changes reaches the camera.
        button("Freeze")->click();
        EXPECT_TRUE(WaitFor([&] { return camera().effectsE == 5; }));
        EXPECT_FALSE(button("ColorBars")->isEnabled());
        button("Recall")->click();
        EXPECT_TRUE(WaitFor([&] { return heard("cPr2") == 1; }));
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("DspStatus"))->click();
    EXPECT_TRUE(filled);
}

TEST_F(SimulatedConsole, Dsp723xPanelFillsFromItsStatusSequenceAndKeepsEveryCommand)
{
    settings.cameraType = 2;
    SimOptions options;
    options.cameraType = 2;
    ASSERT_TRUE(Open(options, [](SimulatedCamera& c) {
        SimDsp723x::Settings& s = c.dsp723x().settings();
        s.zoomRange = 3;
        s.shutter = 9;
        s.whiteBalance = 5;
        s.blc = 1;
        s.integration = 1;
        c.state().manualIris = true;
        c.state().manualFocus = true;
    })) << host.error();
    PastStartup();
    auto camera = [&] {
        std::pair<SimDsp723x::Settings, SimulatedCamera::State> s;
        host.WithDevice([&](SimulatedReceiver& d) {
            auto& c = static_cast<SimulatedCamera&>(d);
            s = {c.dsp723x().settings(), c.state()};
        });
        return s;
    };
    bool filled = false;
    modal.steps.push_back([&](QDialog& d) {
        auto button = [&](const char* name) { return d.findChild<QAbstractButton*>(QString::fromLatin1(name)); };
        filled = WaitFor([&] { return button("AutoIntegrationOn")->isChecked(); }, 10000);
        for (const char* query : {"cIS", "cSS", "cWS", "cFS", "cBS", "ciS"})
            EXPECT_EQ(heard(query), 1u) << query;
        EXPECT_TRUE(button("DigitalZoomRange8X")->isChecked());
        EXPECT_TRUE(button("IrisManual")->isChecked());
        EXPECT_TRUE(button("IOPN")->isEnabled());
        EXPECT_EQ(d.findChild<QComboBox*>(QStringLiteral("Shutter"))->currentText().toStdString(), "1/1000");
        EXPECT_TRUE(button("WhiteBalanceFluorescent")->isChecked());
        EXPECT_TRUE(button("FocusManual")->isChecked());
        EXPECT_TRUE(button("FFR")->isEnabled());
        EXPECT_TRUE(button("BkLiteCompOn")->isChecked());
        // Commands queued together all reach the camera, in order.
        button("DigitalZoomRange2X")->click();
        button("WhiteBalanceLock")->click();
        d.findChild<QComboBox*>(QStringLiteral("Shutter"))->setCurrentIndex(4);
        EXPECT_TRUE(WaitFor([&] {
            const auto [dsp, state] = camera();
            return dsp.zoomRange == 1 && dsp.whiteBalance == 2 && dsp.shutter == 4 && !state.manualIris;
        }));
        EXPECT_TRUE(button("IrisAuto")->isChecked());
        EXPECT_TRUE(prompter.shown.empty()) << "no command timed out";
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("DspStatus"))->click();
    EXPECT_TRUE(filled);
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
    ASSERT_TRUE(WaitFor([&] { return played().size() >= 4; }, 10000))
        << "played " << played().size() << "; shown: " << (prompter.shown.empty() ? "" : prompter.shown.back().text);
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

// A configuration download through "Tours and Sectors Setup", sent into a
// fresh dome with UpLoad and downloaded from it again, gives the same file.
// 222 paced queries and 222 lines each way: the window timers run four
// times faster here.
TEST_F(SimulatedConsole, ToursAndSectorsDownloadUploadsIntoAFreshDomeAndDownloadsTheSame)
{
    ScaledTimerFactory fast(4);
    timerFactory = &fast;
    ASSERT_TRUE(Open(SimOptions{}, [](SimulatedCamera& c) {
        c.dome().tour(1)[0] = {3, 20};
        c.dome().tour(1)[1] = {64, 60};
        c.dome().sector(2).left = 1234;
        c.dome().sector(5).title = "Car park" + std::string(16, ' ');
        c.dome().zone(8).enabled = false;
    })) << host.error();
    PastStartup();
    const std::string file = data.FilePath("Cam001.dat");
    auto grid = [](QDialog& d) { return d.findChild<TourGrid*>(QStringLiteral("TourGrid")); };
    auto download = [&](QDialog& d, std::vector<int>& progress) {
        auto* bar = d.findChild<QProgressBar*>(QStringLiteral("Progress"));
        prompter.answers = {MessageAnswer::Yes};
        d.findChild<QAbstractButton*>(QStringLiteral("DownLoad"))->click();
        return WaitFor(
            [&] {
                if (progress.empty() || progress.back() != bar->value())
                    progress.push_back(bar->value());
                return !static_cast<ToursSectorsDialog&>(d).downloading();
            },
            60000);
    };

    std::vector<int> progress;
    bool shown = false, downloaded = false;
    modal.steps.push_back([&](QDialog& d) {
        // The opening chain fills the grid with the dome's first tour.
        shown = WaitFor([&] { return grid(d)->CellText(2, 2) == QLatin1String("60"); }, 10000);
        EXPECT_EQ(grid(d)->CellText(1, 1).toStdString(), "3");
        EXPECT_EQ(grid(d)->CellText(1, 2).toStdString(), "20");
        EXPECT_EQ(grid(d)->CellText(2, 1).toStdString(), "64");
        downloaded = download(d, progress);
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("TourSetup"))->click();
    ASSERT_EQ(modal.titles.back(), "Tours and Sectors Setup");
    EXPECT_TRUE(shown);
    ASSERT_TRUE(downloaded);
    EXPECT_GT(progress.size(), 20u) << "the progress bar moves";
    EXPECT_EQ(progress.back(), 1000);
    EXPECT_FALSE(console->replyFlags().downloadActive);
    QFile first(QString::fromStdString(file));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray firstText = first.readAll();
    first.close();
    EXPECT_EQ(firstText.count('\n'), 222);
    EXPECT_TRUE(firstText.contains("*SL212344096\n")) << firstText.constData();
    EXPECT_TRUE(firstText.contains("dST5Car park")) << firstText.constData();

    // Another console on a fresh dome, sharing the data folder.
    SimulatedCamera fresh(simClock, SimOptions{});
    PtyHost freshHost;
    ASSERT_TRUE(freshHost.Start(fresh)) << freshHost.error();
    SerialPort freshPort{prompter};
    console.reset();
    console = std::make_unique<ConsoleDialog>(
        ConsoleServices{store, prompter, modal, clock, fast, freshPort, data, freshHost.path(), nullptr}, settings);
    ASSERT_TRUE(console->portOpen());
    QThread::msleep(300);
    QCoreApplication::processEvents();
    bool uploaded = false, again = false;
    std::vector<int> uploadProgress, secondProgress;
    modal.steps.push_back([&](QDialog& d) {
        auto& tours = static_cast<ToursSectorsDialog&>(d);
        auto* bar = d.findChild<QProgressBar*>(QStringLiteral("Progress"));
        d.findChild<QAbstractButton*>(QStringLiteral("UpLoad"))->click();
        uploaded = WaitFor(
            [&] {
                if (uploadProgress.empty() || uploadProgress.back() != bar->value())
                    uploadProgress.push_back(bar->value());
                return !tours.uploading();
            },
            60000);
        QThread::msleep(200); // the last lines reach the dome
        again = uploaded && download(d, secondProgress);
        // The grid shows the uploaded tour once the dome is asked again.
        d.findChild<QListWidget*>(QStringLiteral("TourList"))->setCurrentRow(1);
        d.findChild<QListWidget*>(QStringLiteral("TourList"))->setCurrentRow(0);
        EXPECT_TRUE(WaitFor([&] { return grid(d)->CellText(2, 1) == QLatin1String("64"); }, 10000));
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("TourSetup"))->click();
    EXPECT_TRUE(uploaded);
    EXPECT_GT(uploadProgress.size(), 20u);
    ASSERT_TRUE(again);
    EXPECT_GT(secondProgress.size(), 20u);
    QFile second(QString::fromStdString(file));
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    EXPECT_EQ(second.readAll(), firstText) << "the fresh dome now holds what the first one held";
    freshHost.WithDevice([](SimulatedReceiver& d) {
        auto& c = static_cast<SimulatedCamera&>(d);
        EXPECT_EQ(c.dome().sector(2).left, 1234);
        EXPECT_FALSE(c.dome().zone(8).enabled);
    });
    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>(2, "Continue to Download? The old file will be overwritten.")));
    console.reset(); // before the fresh dome's port and host go
    freshHost.Stop();
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

TEST_F(SimulatedConsole, ThermalControlFillsFromTheCoreAndReadsBackItsChanges)
{
    settings.receiverType = 12;
    settings.cameraType = 15;
    SimOptions options;
    options.receiverType = 12;
    options.cameraType = 15;
    ASSERT_TRUE(Open(options, [](SimulatedCamera& c) {
        SimThermalCore::Settings& s = c.thermalCore().settings();
        s.palette = 5;
        s.plateau = 300;
        s.roiTop = 168;
        s.dde = 40;
    })) << host.error();
    // Receiver type 12 starts with latch requests ("cDS" only on its status poll).
    ASSERT_TRUE(WaitFor([&] { return heard("L?") > 0; }));
    QThread::msleep(200);
    QCoreApplication::processEvents();
    // The thermal core is the camera on the right video source.
    console->findChild<QAbstractButton*>(QStringLiteral("SourceRight"))->click();
    ASSERT_TRUE(WaitFor([&] { return heard("ms1") > 0; }));
    auto list = [](QDialog& d, const char* name) {
        return d.findChild<QComboBox*>(QString::fromLatin1(name))->currentText().toStdString();
    };
    auto box = [](QDialog& d, const char* name) { return d.findChild<QSpinBox*>(QString::fromLatin1(name))->value(); };

    bool filled = false;
    modal.steps.push_back([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), "Thermal Control");
        filled = WaitFor([&] { return list(d, "PolarityLUT") == "Ironbow1"; }, 10000);
        EXPECT_EQ(box(d, "Plateau"), 300);
        EXPECT_EQ(box(d, "ROITop"), 168);
        EXPECT_EQ(box(d, "ROIRight"), 640);
        EXPECT_EQ(box(d, "DDE"), 40);
        EXPECT_TRUE(d.findChild<QAbstractButton*>(QStringLiteral("FlatFieldCorrectionAuto"))->isChecked());
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("Rightrange"))->text().toStdString(), "(1 to 640)");
        d.findChild<QComboBox*>(QStringLiteral("PolarityLUT"))->setCurrentIndex(3);
        EXPECT_TRUE(WaitFor([&] { return heard("tC3") > 0; }));
        d.findChild<QAbstractButton*>(QStringLiteral("VideoColor"))->click();
        EXPECT_TRUE(WaitFor([&] { return heard("tB1") > 0; }));
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("DspStatus"))->click();
    EXPECT_TRUE(filled) << "the status fills the panel";

    bool readBack = false;
    modal.steps.push_back([&](QDialog& d) {
        readBack = WaitFor([&] {
            return list(d, "PolarityLUT") == "Rainbow" &&
                   d.findChild<QAbstractButton*>(QStringLiteral("VideoColor"))->isChecked();
        }, 10000);
        return QDialog::Accepted;
    });
    QThread::msleep(200);
    console->findChild<QAbstractButton*>(QStringLiteral("DspStatus"))->click();
    EXPECT_TRUE(readBack) << "the second opening shows the changes made in the first";
    EXPECT_EQ(heard("tDS"), 2u);
}

TEST_F(SimulatedConsole, ThermalControlsFillFromTheCameraAndReadBackItsChanges)
{
    settings.cameraType = 5;
    SimOptions options;
    options.cameraType = 5;
    ASSERT_TRUE(Open(options, [](SimulatedCamera& c) {
        SimThermalCamera::Settings& s = c.thermalCamera().settings();
        s.palette = 2;
        s.overlayMode = 2;
        s.autoRefresh = 50;
    })) << host.error();
    PastStartup();
    auto box = [](QDialog& d, const char* name) { return d.findChild<QSpinBox*>(QString::fromLatin1(name))->value(); };
    auto list = [](QDialog& d, const char* name) {
        return d.findChild<QComboBox*>(QString::fromLatin1(name))->currentText().toStdString();
    };

    bool filled = false;
    modal.steps.push_back([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), "Thermal Controls");
        filled = WaitFor([&] { return box(d, "AutoRefreshTime") == 50; }, 10000);
        EXPECT_EQ(box(d, "ColorPalette"), 2);
        EXPECT_EQ(box(d, "Foreground"), 15);
        EXPECT_EQ(list(d, "OverlayMode"), "Dt/Tm/Contrast");
        d.findChild<QAbstractButton*>(QStringLiteral("Polarity"))->click();
        EXPECT_TRUE(WaitFor([&] { return heard("tL1") > 0; }));
        d.findChild<QComboBox*>(QStringLiteral("DigitalZoom"))->setCurrentIndex(1);
        EXPECT_TRUE(WaitFor([&] { return heard("tX1") > 0; }));
        return QDialog::Accepted;
    });
    console->findChild<QAbstractButton*>(QStringLiteral("DspStatus"))->click();
    EXPECT_TRUE(filled) << "the status fills the panel";

    bool readBack = false;
    modal.steps.push_back([&](QDialog& d) {
        readBack = WaitFor([&] {
            return d.findChild<QAbstractButton*>(QStringLiteral("Polarity"))->isChecked() &&
                   list(d, "DigitalZoom") == "2X";
        }, 10000);
        return QDialog::Accepted;
    });
    QThread::msleep(200);
    console->findChild<QAbstractButton*>(QStringLiteral("DspStatus"))->click();
    EXPECT_TRUE(readBack) << "the second opening shows the changes made in the first";
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
    EXPECT_TRUE(prompter.shown.empty()) << prompter.Joined();
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
    EXPECT_TRUE(prompter.shown.empty()) << prompter.Joined();
}


// A session against the camera shows in the traffic history, both ways and
// in order, and is saved as text, one line a frame.
TEST_F(SimulatedConsole, TrafficHistoryShowsAndSavesTheSession)
{
    ASSERT_TRUE(Open(SimOptions{})) << host.error();
    PastStartup();
    console->EnqueueCommand("PSTS");
    ASSERT_TRUE(WaitFor([&] { return heard("PSTS") > 0 && console->link().linkReady; }));
    console->findChild<QAbstractButton*>(QStringLiteral("History"))->click();
    auto* window = console->findChild<TrafficHistoryWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    std::vector<std::string> lines;
    auto sentThenAcknowledged = [&] {
        window->Refresh();
        lines = window->ShownLines();
        for (size_t i = 0; i + 1 < lines.size(); ++i)
            if (lines[i].find("  Tx   F8 01 PSTS") != std::string::npos &&
                lines[i + 1].find("  Rx   Ack  [06]") != std::string::npos)
                return true;
        return false;
    };
    ASSERT_TRUE(WaitFor(sentThenAcknowledged));
    // The start-up requests came first.
    EXPECT_NE(lines.front().find("  Tx  "), std::string::npos) << lines.front();

    const std::string path = dir.filePath(QStringLiteral("history.txt")).toStdString();
    prompter.files.push_back(path);
    window->findChild<QAbstractButton*>(QStringLiteral("Save"))->click();
    QFile saved(QString::fromStdString(path));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    // Lines end in CR LF, as the other text files the console writes.
    const QList<QByteArray> savedLines = saved.readAll().replace("\r\n", "\n").split('\n');
    window->Refresh();
    const std::vector<std::string> shown = window->ShownLines();
    ASSERT_GE(savedLines.size(), lines.size());
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(savedLines[static_cast<qsizetype>(i)].toStdString(), shown[i]);
    window->close();
    EXPECT_EQ(prompter.shown.size(), 1u) << "only the file chooser\n" << prompter.Joined();
}
