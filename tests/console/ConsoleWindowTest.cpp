#include "ConsoleControlIds.h"
#include "ConsoleTimerIds.h"
#include "Lamp.h"
#include "PTControl.h"
#include "PictureButton.h"
#include "PortNames.h"
#include "SerialPort.h"
#include "TestConsole.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace ConsoleControl;

namespace {
void Click(TestConsole& t, int id)
{
    QWidget* w = t.console->control(id);
    ASSERT_NE(w, nullptr) << id;
    QTest::mouseClick(w, Qt::LeftButton);
}

ConsoleSettings Types(int rx, int cam = 3, int protocol = 0)
{
    ConsoleSettings s;
    s.receiverType = rx;
    s.cameraType = cam;
    s.protocol = protocol;
    return s;
}

std::string Text(const FakeLine::Bytes& frame)
{
    return std::string(frame.begin() + 2, frame.end() - 1); // mode 1: F8, address, text, checksum
}
} // namespace

TEST(ConsoleWindow, GroupsCarryTheSystemsCaptions)
{
    TestConsole t;
    std::vector<std::string> titles;
    for (QGroupBox* box : t.console->findChildren<QGroupBox*>())
        titles.push_back(box->title().toStdString());
    for (const char* caption : {"Camera", "Address", "Lens Feature Control", "Monitor", "Latch Commands",
                                "Positions (000-FFF as Standard Vexa Format) ", "Presets", "Receiver Status",
                                "Special Functions", "8650 Video Souce Sel.", "Tour/Sector/Privacy",
                                "NTCIP Features", "Log Functions"})
        EXPECT_NE(std::find(titles.begin(), titles.end(), caption), titles.end()) << caption;
    std::vector<std::string> labels;
    for (QLabel* label : t.console->findChildren<QLabel*>())
        labels.push_back(label->text().toStdString());
    for (const char* hint : {"(0000-3599  P)  (1200-0150  T) for Halo", "(0000-3599  P)  (0950-0050  T) for Lynx"})
        EXPECT_NE(std::find(labels.begin(), labels.end(), hint), labels.end()) << hint;
}

TEST(ConsoleWindow, ControlsAreFoundByObjectAndAccessibleName)
{
    TestConsole t;
    struct Case {
        const char* objectName;
        const char* accessible;
    } cases[] = {
        {"ZI", "ZI"}, {"MID", "MID"}, {"ManualIntegration", "Manual Intergration"}, {"StatusQuery", "Status ?"},
        {"SetAddress", "Set"}, {"SetAzimuth", "Set"}, {"PositionQuery", "P/T/Z/F?"}, {"PresetGoto", "Goto"},
        {"Pause", "Paus"}, {"Record", "Record Log File"}, {"About", "ABOUT"}, {"PTControl", "PTControl"},
        {"Lamp210", "Comm Error"}, {"Lamp1260", "Tx"}, {"Lamp200", "Camera Power"},
    };
    for (const Case& c : cases) {
        auto* w = t.console->findChild<QWidget*>(QString::fromLatin1(c.objectName));
        ASSERT_NE(w, nullptr) << c.objectName;
        EXPECT_EQ(w->accessibleName().toStdString(), c.accessible) << c.objectName;
    }
    // The lens buttons carry their tool tips.
    EXPECT_EQ(t.console->control(ZoomIn)->toolTip().toStdString(), "In (Ctrl++)");
    EXPECT_EQ(t.console->control(IntegrationDown)->toolTip().toStdString(), "Decreased");
}

TEST(ConsoleWindow, EveryLampExistsAndStartsDark)
{
    TestConsole t;
    for (int id : {200, 201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 211, 1260, 1261, 1262, 1269, 2310}) {
        Lamp* lamp = t.console->lamp(id);
        ASSERT_NE(lamp, nullptr) << id;
        EXPECT_EQ(lamp->size(), QSize(12, 10)) << id;
        EXPECT_FALSE(lamp->isLit()) << id;
    }
    // A lamp is lit for state 1 only.
    t.console->DrawLamp(200, 2);
    EXPECT_FALSE(t.console->lamp(200)->isLit());
    t.console->DrawLamp(200, 1);
    EXPECT_TRUE(t.console->lamp(200)->isLit());
    EXPECT_EQ(t.console->lamp(200)->accessibleDescription().toStdString(), "on");
}

TEST(ConsoleWindow, TransmitLampLightsFor50Milliseconds)
{
    TestConsole t;
    t.clock.Advance(3000); // past the start-up requests
    t.line.Inject({0x06});
    t.clock.Advance(50);
    t.console->SendCommand("PSTS");
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::Transmit)->isLit());
    t.clock.Advance(49);
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::Transmit)->isLit());
    t.clock.Advance(1);
    EXPECT_FALSE(t.console->lamp(ConsoleLamp::Transmit)->isLit());
    t.line.Inject({0x06});
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::Receive)->isLit());
    t.clock.Advance(50);
    EXPECT_FALSE(t.console->lamp(ConsoleLamp::Receive)->isLit());
}

TEST(ConsoleWindow, TrafficStripsAreGreenOnBlack)
{
    TestConsole t;
    for (int id : {TransmitStrip, ReceiveStrip}) {
        auto* strip = static_cast<QLabel*>(t.console->control(id));
        EXPECT_EQ(strip->palette().color(QPalette::Window), QColor(0, 0, 0));
        EXPECT_EQ(strip->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        EXPECT_EQ(strip->font().pointSize(), 8);
        EXPECT_EQ(strip->frameShadow(), QFrame::Sunken);
        EXPECT_GE(strip->minimumWidth(), 360);
    }
    EXPECT_EQ(static_cast<QLabel*>(t.console->control(TransmitStrip))->text().toStdString(), " Transmit data");
    EXPECT_EQ(static_cast<QLabel*>(t.console->control(ReceiveStrip))->text().toStdString(), " Receive data");
}

TEST(ConsoleWindow, AddressControlsByProtocolAndMode)
{
    struct Case {
        int protocol, mode;
        int minimum, maximum, length;
        bool monitor, set;
    } cases[] = {
        {0, 1, 1, 255, 3, false, true},   {1, 1, 1, 99, 2, false, true}, {4, 1, 1, 16384, 5, false, true},
        {12, 1, 0, 31, 2, false, true},  {14, 0, 0, 95, 2, true, true},  {0, 0, 1, 255, 3, true, true},
    };
    for (const Case& c : cases) {
        ConsoleSettings s = Types(5, 3, c.protocol);
        s.mode = c.mode;
        TestConsole t(s);
        auto* address = static_cast<QSpinBox*>(t.console->control(CameraAddress));
        EXPECT_EQ(address->minimum(), c.minimum) << c.protocol;
        EXPECT_EQ(address->maximum(), c.maximum) << c.protocol;
        EXPECT_EQ(address->value(), c.minimum) << c.protocol;
        auto* newAddress = static_cast<QLineEdit*>(t.console->control(NewAddress));
        EXPECT_EQ(newAddress->maxLength(), c.length) << c.protocol;
        EXPECT_EQ(newAddress->text().toStdString(), "1");
        auto* monitor = static_cast<QSpinBox*>(t.console->control(MonitorNumber));
        EXPECT_EQ(monitor->maximum(), 32);
        EXPECT_EQ(monitor->isEnabled(), c.monitor) << c.protocol << " mode " << c.mode;
        // Receiver type 5 enables "Set" whatever the mode.
        EXPECT_EQ(t.console->control(SetAddress)->isEnabled(), c.set);
    }
    // Mode 0 with a receiver type that does not enable "Set" leaves it off.
    ConsoleSettings s = Types(0);
    s.mode = 0;
    TestConsole t(s);
    EXPECT_FALSE(t.console->control(SetAddress)->isEnabled());
}

TEST(ConsoleWindow, AppliesTheEnablingOfItsTypes)
{
    for (auto [rx, cam, protocol] : {std::tuple{0, 0, 0}, {2, 2, 0}, {7, 3, 0}, {8, 4, 0}, {12, 8, 0}, {12, 11, 0},
                                     {5, 3, 3}, {13, 3, 9}}) {
        TestConsole t(Types(rx, cam, protocol));
        const ControlEnabling e = EnableControlsForTypes(rx, cam, 0, protocol);
        for (auto [id, on] : e.enabled) {
            if (id == IntegrationUp || id == IntegrationDown)
                continue; // switched off once more at start-up
            QWidget* w = t.console->control(id);
            if (!w && t.console->lamp(id))
                w = t.console->lamp(id);
            ASSERT_NE(w, nullptr) << id;
            EXPECT_EQ(w->isEnabled(), on) << "rx " << rx << " cam " << cam << " id " << id;
        }
        EXPECT_FALSE(t.console->control(IntegrationUp)->isEnabled());
        EXPECT_FALSE(t.console->control(IntegrationDown)->isEnabled());
    }
}

TEST(ConsoleWindow, ReceiverStatusShownForTypesOneAndTwoOnly)
{
    for (int rx = 0; rx <= 14; ++rx) {
        TestConsole t(Types(rx));
        t.console->show();
        EXPECT_EQ(t.console->control(ReceiverStatus)->isVisible(), rx == 1 || rx == 2) << rx;
        EXPECT_FALSE(t.console->lamp(ConsoleLamp::Reserved)->isVisible()) << rx;
        EXPECT_FALSE(t.console->findChild<QLabel*>(QStringLiteral("Reserved"))->isVisible()) << rx;
    }
}

TEST(ConsoleWindow, PresetListAndLogButtonsAtStart)
{
    for (auto [rx, count] : {std::pair{0, 10}, {5, 64}, {12, 64}, {10, 10}}) {
        TestConsole t(Types(rx));
        auto* presets = static_cast<QComboBox*>(t.console->control(PresetList));
        EXPECT_EQ(presets->count(), count) << rx;
        EXPECT_EQ(presets->currentIndex(), 0);
        EXPECT_TRUE(presets->isEditable());
    }
    TestConsole t;
    for (auto [id, on, tip] : {std::tuple{Play, false, "Play"}, {Record, true, "Record Log File"},
                               {Pause, false, "Paus"}, {InsertComments, false, "Insert Comments"},
                               {StopLog, false, "Stop"}}) {
        EXPECT_EQ(t.console->control(id)->isEnabled(), on) << tip;
        EXPECT_EQ(t.console->control(id)->toolTip().toStdString(), tip);
    }
    auto* zones = static_cast<QComboBox*>(t.console->control(ZoneList));
    ASSERT_EQ(zones->count(), 8);
    EXPECT_EQ(zones->itemText(7).toStdString(), "Tour 8");
}

TEST(ConsoleWindow, DspStatusOpensThePanelOfTheCamera)
{
    struct Case {
        int rx, cam;
        const char* title; // nullptr: nothing opens
        const char* afterwards;
    } cases[] = {
        {5, 1, "DSP 7100 Control", "cDS"},
        {3, 2, "DSP 723x Control", "L?H?"},
        {13, 3, "Day/Night DSP Camera Control", "L?H?"},
        {14, 17, "55X Lens Control", "L?H?"},
        {5, 0, nullptr, nullptr},
        {14, 1, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        TestConsole t(Types(c.rx, c.cam));
        t.console->show();
        t.clock.Advance(3000); // past the start-up requests
        t.line.Inject({0x06});
        t.console->timers().Start(ConsoleTimer::PeriodicStatus, 1000);
        t.console->DrawLamp(ConsoleLamp::Polling, 1);
        t.console->EnqueueCommand("ZI", 10000);
        t.console->link().linkReady = false;
        t.line.written.clear();
        bool emptiedFirst = false;
        t.modal.steps.push_back([&](QDialog&) {
            emptiedFirst = t.console->link().queue().Empty() && t.console->link().linkReady;
            return QDialog::Accepted;
        });
        if (QWidget* panel = t.console->control(DspStatus); !panel->isEnabled())
            panel->setEnabled(true); // reachable with the button, whatever the enabling
        Click(t, DspStatus);
        EXPECT_FALSE(t.console->timers().IsRunning(ConsoleTimer::PeriodicStatus)) << c.cam;
        EXPECT_FALSE(t.console->lamp(ConsoleLamp::Polling)->isLit()) << c.cam;
        if (!c.title) {
            EXPECT_TRUE(t.modal.titles.empty()) << c.cam;
            t.clock.Advance(20000);
            EXPECT_TRUE(t.line.written.empty()) << "camera type " << c.cam << " sends nothing";
            continue;
        }
        ASSERT_EQ(t.modal.titles.size(), 1u);
        EXPECT_EQ(t.modal.titles[0], c.title);
        EXPECT_TRUE(emptiedFirst) << c.title;
        t.line.written.clear(); // what the panel sent while open
        t.clock.Advance(5);
        ASSERT_EQ(t.line.written.size(), 1u) << c.title;
        EXPECT_EQ(Text(t.line.written[0]), c.afterwards);
        t.clock.Advance(2000);
        EXPECT_EQ(t.line.written.size(), 1u) << c.title << ": the closed panel sends nothing more";
    }
}

TEST(ConsoleWindow, CameraIdHoldsTheQueueWhileOpen)
{
    for (int result : {QDialog::Accepted, QDialog::Rejected}) {
        TestConsole t;
        bool readyWhileOpen = true;
        t.modal.steps.push_back([&](QDialog&) {
            readyWhileOpen = t.console->link().linkReady;
            return result;
        });
        Click(t, CameraId);
        ASSERT_EQ(t.modal.titles, std::vector<std::string>{"Program Camera ID"});
        EXPECT_FALSE(readyWhileOpen);
        EXPECT_TRUE(t.console->link().linkReady) << result;
    }
}

TEST(ConsoleWindow, FindDarkensTheLampsAndAsksForStatusAfterwards)
{
    TestConsole t;
    t.clock.Advance(3000);
    t.line.Inject({0x06});
    for (int id = 200; id <= 208; ++id)
        t.console->DrawLamp(id, 1);
    t.line.written.clear();
    Click(t, Find);
    ASSERT_EQ(t.modal.titles, std::vector<std::string>{"Find Camera Address"});
    for (int id = 200; id <= 207; ++id)
        EXPECT_FALSE(t.console->lamp(id)->isLit()) << id;
    EXPECT_TRUE(t.console->lamp(208)->isLit());
    t.clock.Advance(499);
    EXPECT_TRUE(t.line.written.empty());
    t.clock.Advance(1);
    ASSERT_EQ(t.line.written.size(), 1u);
    EXPECT_EQ(Text(t.line.written[0]), "L?H?");
}

TEST(ConsoleWindow, DialogButtonsOpenTheirWindows)
{
    struct Case {
        int rx;
        int button;
        const char* title;
    } cases[] = {
        {0, TourSetup, "Tour Setup"},     {5, TourSetup, "Tours and Sectors Setup"},
        {12, TourSetup, "Tours and Sectors Setup"}, {10, TourSetup, "Tour Setup"},
        {12, WipeSetup, "Wipe Setup"},    {12, WashSetup, "Wash Setup"},
        {12, Illuminator, "Illuminator Control"}, {5, CameraSetup, "Setup"}, {5, About, "About Pivora"},
    };
    for (const Case& c : cases) {
        TestConsole t(Types(c.rx, 8));
        t.console->control(c.button)->setEnabled(true);
        Click(t, c.button);
        EXPECT_EQ(t.modal.titles, std::vector<std::string>{c.title}) << c.rx;
    }
}

TEST(ConsoleWindow, AfterSetupTheConsoleAsksForLatchesAndStatus)
{
    TestConsole t;
    t.clock.Advance(3000);
    t.line.Inject({0x06});
    t.console->DrawLamp(ConsoleLamp::CameraPower, 1);
    static_cast<QComboBox*>(t.console->control(PresetList))->setCurrentIndex(4);
    t.line.written.clear();
    Click(t, CameraSetup);
    EXPECT_FALSE(t.console->lamp(ConsoleLamp::CameraPower)->isLit());
    EXPECT_EQ(static_cast<QComboBox*>(t.console->control(PresetList))->currentIndex(), 0);
    t.clock.Advance(50);
    ASSERT_EQ(t.line.written.size(), 1u);
    EXPECT_EQ(Text(t.line.written[0]), "L?");
    t.line.Inject({0x06});
    t.clock.Advance(450);
    ASSERT_EQ(t.line.written.size(), 2u);
    EXPECT_EQ(Text(t.line.written[1]), "cDS");
}

TEST(ConsoleWindow, SetupOkWritesBackAndAppliesTheNewTypes)
{
    ConsoleSettings s = Types(5, 3);
    s.panSpeed = 9;
    TestConsole t(s);
    t.line.presentPorts = {"/dev/ttyS0", "/dev/ttyUSB0"};
    t.clock.Advance(3000);
    t.line.Inject({0x06});
    // OK without touching the port: no reopening, both speeds back to 15.
    t.modal.steps.push_back([](QDialog& d) {
        d.accept();
        return d.result();
    });
    Click(t, CameraSetup);
    ASSERT_EQ(t.modal.titles, std::vector<std::string>{"Setup"});
    EXPECT_EQ(t.line.openCount, 1);
    EXPECT_EQ(t.store.GetInt("Setup", "PSpeed", -1), 15);
    EXPECT_EQ(t.store.GetInt("Setup", "TSpeed", -1), 15);
    EXPECT_EQ(t.console->settings().panSpeed, 15);

    // A new receiver type: written, and the console enables for it.
    t.modal.steps.push_back([](QDialog& d) {
        static_cast<QComboBox*>(d.findChild<QComboBox*>(QStringLiteral("ReceiverType")))->setCurrentIndex(1);
        d.accept();
        return d.result();
    });
    Click(t, CameraSetup);
    EXPECT_EQ(t.store.GetInt("Setup", "RxType", -1), 1);
    EXPECT_EQ(t.console->settings().receiverType, 1);
    t.console->show();
    EXPECT_TRUE(t.console->control(ReceiverStatus)->isVisible());
    EXPECT_TRUE(t.console->control(ColorBalance)->isEnabled());
}

// A pad picture number beyond the list is the operator's: it stays stored,
// the pad shows no picture and Setup opens with "None".
TEST(ConsoleWindow, StoredPadPictureBeyondTheListStaysAndShowsNone)
{
    MemorySettingsStore store;
    store.values["Setup/PTImage"] = 9;
    store.values["TourSetup/DwellTime"] = 0;
    ConsoleSettings loaded;
    PresetNameTable names;
    LoadSettings(store, loaded, names);
    TestConsole t(loaded);
    t.store.values = store.values;
    t.console->show();
    auto* pad = t.console->findChild<PTControl*>(QStringLiteral("PTControl"));
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(pad->picture(), 0);
    EXPECT_EQ(pad->grab().toImage().pixelColor(pad->width() / 2 + 20, pad->height() / 2 + 20), QColor(180, 180, 180))
        << "the plain grey field";
    std::string shown;
    t.modal.steps.push_back([&](QDialog& d) {
        shown = d.findChild<QComboBox*>(QStringLiteral("PanTiltBackground"))->currentText().toStdString();
        return QDialog::Rejected;
    });
    Click(t, CameraSetup);
    EXPECT_EQ(shown, "None");
    EXPECT_EQ(t.store.GetInt("Setup", "PTImage", -1), 9);
    EXPECT_EQ(t.store.GetInt("TourSetup", "DwellTime", -1), 0);
}

// An LCU address taken in Setup becomes the camera address only when the
// address field can show it; otherwise the console keeps its address and
// says so, rather than sending everything to the broadcast address.
TEST(ConsoleWindow, AddressFromSetupBeyondTheFieldIsRefused)
{
    for (auto [typed, kept] : {std::pair{"300", 1}, std::pair{"7", 7}}) {
        TestConsole t(Types(6, 3, 0));
        t.console->show();
        t.clock.Advance(3000);
        t.line.Inject({0x06});
        t.modal.steps.push_back([typed = typed](QDialog& d) {
            auto* box = d.findChild<QLineEdit*>(QStringLiteral("LcuAddress"));
            box->clear();
            QTest::keyClicks(box, QString::fromLatin1(typed));
            QTest::mouseClick(d.findChild<QAbstractButton*>(QStringLiteral("LcuAddressSet")), Qt::LeftButton);
            return QDialog::Rejected;
        });
        Click(t, CameraSetup);
        EXPECT_EQ(static_cast<QSpinBox*>(t.console->control(CameraAddress))->value(), kept) << typed;
        EXPECT_EQ(t.console->link().cameraAddress(), kept) << typed;
        if (kept == 1) {
            ASSERT_FALSE(t.prompter.shown.empty());
            EXPECT_EQ(t.prompter.shown.back().text, "Camera address 300 is out of range (1-255);\naddress 1 is kept.");
        }
        t.clock.Advance(1000);
        t.line.Inject({0x06});
        t.line.written.clear();
        Click(t, Reset);
        ASSERT_EQ(t.line.written.size(), 1u) << typed;
        EXPECT_EQ(Text(t.line.written[0]), "rs");
        EXPECT_EQ(t.line.written[0][1], kept) << "never the broadcast address";
    }
}

// Setup's port list is the line's: choosing another port reopens the line
// on it, choosing none leaves the line as it is.
TEST(ConsoleWindow, SetupReopensTheLineOnlyForAnotherPort)
{
    for (auto [ports, choose, opens, device] :
         {std::tuple{std::vector<std::string>{}, -1, 1, PortDeviceName(1, "")},
          std::tuple{std::vector<std::string>{"/dev/ttyS0", "/dev/ttyUSB0"}, 0, 1, PortDeviceName(1, "")},
          std::tuple{std::vector<std::string>{"/dev/ttyS0", "/dev/ttyUSB0"}, 1, 2, std::string("/dev/ttyUSB0")}}) {
        TestConsole t(Types(5, 3));
        t.line.presentPorts = ports;
        t.clock.Advance(3000);
        t.line.Inject({0x06});
        t.modal.steps.push_back([choose = choose](QDialog& d) {
            auto* list = d.findChild<QComboBox*>(QStringLiteral("Port"));
            if (choose >= 0)
                list->setCurrentIndex(choose);
            d.accept();
            return d.result();
        });
        Click(t, CameraSetup);
        EXPECT_EQ(t.line.openCount, opens) << choose;
        EXPECT_EQ(t.line.opened.device, device) << choose;
    }
}
