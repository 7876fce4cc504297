#include "ConsoleControlIds.h"
#include "ConsoleTimerIds.h"
#include "Lamp.h"
#include "ConsoleTimeline.h"
#include "TourSetupDialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace ConsoleControl;
using Bytes = FakeLine::Bytes;

namespace {
ConsoleSettings Types(int rx, int cam = 3, int panTilt = 1)
{
    ConsoleSettings s;
    s.receiverType = rx;
    s.cameraType = cam;
    s.panTiltType = panTilt;
    return s;
}

Bytes Reply(const std::string& text)
{
    Bytes f{0xF8, 0x01};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

void Click(TestConsole& t, int id)
{
    QTest::mouseClick(t.console->control(id), Qt::LeftButton);
}

QLineEdit* Field(TestConsole& t, int id)
{
    return static_cast<QLineEdit*>(t.console->control(id));
}
} // namespace

TEST(ConsolePresets, TourWithOnlyTheTenthEntryVisitsItEveryDwell)
{
    ConsoleSettings s = Types(0, 0, 0);
    s.tourEntryFlags[9] = 1;
    s.dwellTime = 5;
    TestConsole t(s);
    t.console->show();
    Settle(t);
    Click(t, StartStop);
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::Tour)->isLit());
    const FrameTimeline timeline = Follow(t, 10500);
    ASSERT_EQ(TextsOf(timeline), (std::vector<std::string>{"H9", "H9", "H9"}));
    EXPECT_EQ(timeline[0].first, 11u); // step after 10 ms, queued at 1 ms
    EXPECT_EQ(timeline[1].first - timeline[0].first, 5000u);

    // A zoom press stops the tour: no further steps.
    QTest::mousePress(t.console->control(ZoomIn), Qt::LeftButton);
    QTest::mouseRelease(t.console->control(ZoomIn), Qt::LeftButton);
    EXPECT_FALSE(t.console->lamp(ConsoleLamp::Tour)->isLit());
    EXPECT_EQ(TextsOf(Follow(t, 12000)), (std::vector<std::string>{"ZI", "ZS"}));
}

TEST(ConsolePresets, TourWithNothingToVisitDoesNotStart)
{
    TestConsole t(Types(0, 0, 0));
    t.console->show();
    Settle(t);
    Click(t, StartStop);
    EXPECT_FALSE(t.console->lamp(ConsoleLamp::Tour)->isLit());
    EXPECT_TRUE(Follow(t, 6000).empty());
}

TEST(ConsolePresets, CameraTourForTheChosenZone)
{
    TestConsole t(Types(5));
    t.console->show();
    Settle(t);
    static_cast<QComboBox*>(t.console->control(ZoneList))->setCurrentIndex(2);
    Click(t, StartStop);
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::Tour)->isLit());
    Click(t, StartStop);
    EXPECT_FALSE(t.console->lamp(ConsoleLamp::Tour)->isLit());
    EXPECT_EQ(TextsOf(Follow(t, 500)), (std::vector<std::string>{"*TS31", "*TS30"}));
}

TEST(ConsolePresets, PeriodicRequestsAlternateAndExcludeEachOther)
{
    TestConsole t(Types(0, 0, 0));
    t.console->show();
    Settle(t);
    Click(t, PositionQuery);
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::Polling)->isLit());
    EXPECT_EQ(TextsOf(Follow(t, 3100)), (std::vector<std::string>{"P?", "V?", "P?"}));
    QTest::mousePress(t.console->control(ZoomIn), Qt::LeftButton);
    EXPECT_EQ(TextsOf(Follow(t, 2000)), (std::vector<std::string>{"ZI", "V?", "V?"}));
    QTest::mouseRelease(t.console->control(ZoomIn), Qt::LeftButton);
    Follow(t, 200);
    // "Status ?" switches the position requests off.
    Click(t, StatusQuery);
    EXPECT_FALSE(t.console->timers().IsRunning(ConsoleTimer::PeriodicPosition));
    Click(t, StatusQuery);
    EXPECT_FALSE(t.console->lamp(ConsoleLamp::Polling)->isLit());
    EXPECT_TRUE(Follow(t, 3000).empty());

    TestConsole r13(Types(13));
    r13.console->show();
    Settle(r13);
    Click(r13, StatusQuery);
    EXPECT_EQ(TextsOf(Follow(r13, 3100)), (std::vector<std::string>{"bDS", "bDS", "bDS"}));
}

TEST(ConsolePresets, PositionAndStatusReplies)
{
    TestConsole t(Types(1, 3));
    t.console->show();
    Settle(t);
    t.line.Inject(Reply("P0:5?00"));
    EXPECT_EQ(Field(t, Pan)->text().toStdString(), "0A5");
    EXPECT_EQ(Field(t, Tilt)->text().toStdString(), "F00");
    t.line.Inject(Reply("V123456"));
    EXPECT_EQ(Field(t, Zoom)->text().toStdString(), "123");
    EXPECT_EQ(Field(t, Focus)->text().toStdString(), "456");
    // Latch, focus and receiver status in one 'H' reply; lamp 209 follows bit 3.
    t.line.Inject(Reply("H0L3A1X9"));
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::CameraPower)->isLit());
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::ManualIris)->isLit());
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::ManualFocus)->isLit());
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::LocalControl)->isLit());
    EXPECT_FALSE(t.console->lamp(ConsoleLamp::VideoLoss)->isLit());
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::Reserved)->isLit());
    // "L8": the camera's fault report lights Comm Error and leaves the latch lamps.
    t.line.Inject(Reply("L8"));
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::CommError)->isLit());
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::CameraPower)->isLit());
    EXPECT_TRUE(t.console->link().timedOut);
    t.line.Inject(Reply("L0"));
    EXPECT_FALSE(t.console->lamp(ConsoleLamp::CommError)->isLit());
    EXPECT_FALSE(t.console->lamp(ConsoleLamp::CameraPower)->isLit());
    EXPECT_FALSE(t.console->control(IrisOpen)->isEnabled());

    // Camera type 0 shows the focus bit on the Color Balance lamp.
    TestConsole plain(Types(0, 0));
    Settle(plain);
    plain.line.Inject(Reply("L0A1"));
    EXPECT_TRUE(plain.console->lamp(ConsoleLamp::ColorBalance)->isLit());
    EXPECT_FALSE(plain.console->lamp(ConsoleLamp::ManualFocus)->isLit());
}

TEST(ConsolePresets, PresetsAndTheirNames)
{
    TestConsole t(Types(5));
    t.console->show();
    Settle(t);
    auto* list = static_cast<QComboBox*>(t.console->control(PresetList));
    list->setCurrentIndex(47 - 40); // within the 64 names of receiver type 5
    list->setCurrentIndex(47);
    Click(t, Store);
    Click(t, PresetGoto);
    Click(t, GetId);
    EXPECT_EQ(TextsOf(Follow(t, 500)), (std::vector<std::string>{"P`", "H`", "cdS`"}));
    // The camera's answer names the selected preset, in the list and the settings.
    t.line.Inject(Reply("dS`Loading bay"));
    EXPECT_EQ(ConsolePresetNames()[47], "Loading bay" + std::string(13, ' '));
    EXPECT_EQ(t.store.GetString("Presets", "P48", ""), "Loading bay" + std::string(13, ' '));
    EXPECT_EQ(list->currentIndex(), 47);

    // An edit of the name is taken on Enter and written under "Presets".
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), "Gate");
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(ConsolePresetNames()[47], "Gate");
    EXPECT_EQ(t.store.GetString("Presets", "P48", ""), "Gate");
    Click(t, StoreId);
    EXPECT_EQ(TextsOf(Follow(t, 500)), std::vector<std::string>{"dP`Gate" + std::string(20, ' ')});

    // Leaving the list with Tab takes the name as well, on the shown, active console.
    QApplication::setActiveWindow(t.console.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.console.get()));
    list->setFocus();
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), "Yard");
    QTest::keyClick(list->lineEdit(), Qt::Key_Tab);
    EXPECT_FALSE(list->lineEdit()->hasFocus());
    EXPECT_EQ(ConsolePresetNames()[47], "Yard");
    EXPECT_EQ(t.store.GetString("Presets", "P48", ""), "Yard");
    ConsolePresetNames()[47] = "Preset 48";
}

TEST(ConsolePresets, PositionGotoAndItsRefusals)
{
    TestConsole t(Types(0, 0, 0));
    t.console->show();
    Settle(t);
    Field(t, Pan)->setText(QStringLiteral("a5"));
    Click(t, PositionGoto);
    ASSERT_FALSE(t.prompter.shown.empty());
    EXPECT_EQ(t.prompter.shown.back().text, "Invalid Tilt Position");
    EXPECT_TRUE(Follow(t, 100).empty());
    Field(t, Tilt)->setText(QStringLiteral("10"));
    Field(t, Zoom)->setText(QStringLiteral("0"));
    Field(t, Focus)->setText(QStringLiteral("fff"));
    Click(t, PositionGoto);
    EXPECT_EQ(TextsOf(Follow(t, 300)), (std::vector<std::string>{"p0:5010", "v000???"}));
    EXPECT_EQ(Field(t, Pan)->text().toStdString(), "a5") << "the field keeps what was typed";
    // The position boxes take hex digits only.
    Field(t, Zoom)->clear();
    QTest::keyClicks(Field(t, Zoom), "1g2-F");
    EXPECT_EQ(Field(t, Zoom)->text().toStdString(), "12F");
}

TEST(ConsolePresets, AddressAndMonitor)
{
    ConsoleSettings s = Types(5);
    s.mode = 0;
    TestConsole t(s);
    t.console->show();
    Settle(t);
    static_cast<QSpinBox*>(t.console->control(CameraAddress))->setValue(5);
    static_cast<QSpinBox*>(t.console->control(MonitorNumber))->setValue(12);
    auto timeline = Follow(t, 300);
    ASSERT_FALSE(timeline.empty());
    EXPECT_EQ(timeline[0].second.substr(0, 7), "S005012");

    Field(t, NewAddress)->setText(QStringLiteral("300"));
    Click(t, SetAddress);
    ASSERT_FALSE(t.prompter.shown.empty());
    EXPECT_EQ(t.prompter.shown.back().text, "Exceeding Camera Address Range of 255");
    Field(t, NewAddress)->setText(QStringLiteral("7"));
    t.line.written.clear();
    Click(t, SetAddress);
    t.clock.Advance(5);
    ASSERT_EQ(t.line.written.size(), 1u);
    EXPECT_EQ(std::string(t.line.written[0].begin() + 2, t.line.written[0].end() - 2), "As007"); // mode 0
    EXPECT_EQ(t.line.written[0][1], 0xFF) << "to the broadcast address";
    t.line.Inject({0x06});
    t.clock.Advance(495);
    ASSERT_EQ(t.line.written.size(), 2u);
    EXPECT_EQ(std::string(t.line.written[1].begin() + 2, t.line.written[1].end() - 2), "A?");
    EXPECT_EQ(t.line.written[1][1], 0xFF);
}

TEST(TourSetup, BoxesSwitchTheRunningTourAndOkStoresTheChanges)
{
    TestConsole t(Types(0, 0, 0));
    t.modal.steps.push_back([&](QDialog& d) {
        auto* box = d.findChild<QCheckBox*>(QStringLiteral("Preset3"));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        EXPECT_EQ(t.console->settings().tourEntryFlags[2], 1) << "at once";
        auto* dwell = d.findChild<QLineEdit*>(QStringLiteral("DwellTime"));
        dwell->setText(QStringLiteral("61"));
        d.accept();
        EXPECT_EQ(t.prompter.shown.back().text, "Please enter an integer between 5 and 60.");
        EXPECT_EQ(d.result(), 0) << "still open";
        dwell->setText(QStringLiteral("20"));
        d.accept();
        return d.result();
    });
    QTest::mouseClick(t.console->control(TourSetup), Qt::LeftButton);
    ASSERT_EQ(t.modal.titles, std::vector<std::string>{"Tour Setup"});
    EXPECT_EQ(t.store.GetInt("TourSetup", "Tour3", -1), 1);
    EXPECT_EQ(t.store.GetInt("TourSetup", "Tour4", -1), -1) << "unchanged entries are not written";
    EXPECT_EQ(t.store.GetInt("TourSetup", "DwellTime", -1), 20);
    EXPECT_EQ(t.console->settings().dwellTime, 20);
}

// The new-address box takes 0 to 16384 by the protocol's rule; an empty box
// sends nothing and says so; "As" goes to the broadcast address with its
// own frame, even behind a command still waiting.
TEST(ConsolePresets, SetNewAddressChecksTheBoxAndBroadcastsOnlyItsOwnCommand)
{
    struct Case {
        int protocol;
        const char* typed;
        const char* message; // nullptr: sent
        const char* sent;
        uint8_t address;
    } cases[] = {
        {4, "20000", "Exceeding Camera Address Range of 16384", nullptr, 0},
        {4, "16384", nullptr, "As16384", 1}, // Philips: to the camera itself
        {0, "", "Invalid New Address Entry", nullptr, 0},
        {0, "300", "Exceeding Camera Address Range of 255", nullptr, 0},
        {0, "x7", nullptr, "As007", 0xFF}, // the box takes digits only
        {1, "99", nullptr, "As099", 0xFF},
    };
    for (const Case& c : cases) {
        ConsoleSettings s = Types(5);
        s.protocol = c.protocol;
        TestConsole t(s);
        t.console->show();
        Settle(t);
        QLineEdit* box = Field(t, NewAddress);
        box->clear();
        QTest::keyClicks(box, QString::fromLatin1(c.typed));
        Click(t, Store); // a command waiting in the queue
        Click(t, SetAddress);
        t.clock.Advance(5);
        if (c.message) {
            ASSERT_FALSE(t.prompter.shown.empty()) << c.typed;
            EXPECT_EQ(t.prompter.shown.back().text, c.message) << c.typed;
            ASSERT_EQ(t.line.written.size(), 1u) << c.typed;
            EXPECT_EQ(t.line.written[0][2], 'P') << "only the preset store";
            continue;
        }
        EXPECT_TRUE(t.prompter.shown.empty()) << c.typed;
        ASSERT_EQ(t.line.written.size(), 1u) << c.typed;
        EXPECT_EQ(t.line.written[0][1], t.console->link().cameraAddress()) << "the store goes to the camera";
        t.line.Inject({0x06});
        t.clock.Advance(100);
        ASSERT_EQ(t.line.written.size(), 2u) << c.typed;
        EXPECT_EQ(std::string(t.line.written[1].begin() + 2, t.line.written[1].end() - 1), c.sent);
        EXPECT_EQ(t.line.written[1][1], c.address) << c.typed;
        EXPECT_FALSE(t.console->link().broadcastOnce);
    }
}

namespace {
// Puts the preset names back as every test starts them.
struct DefaultPresetNames {
    ~DefaultPresetNames()
    {
        for (int i = 0; i < kPresetCount; ++i)
            ConsolePresetNames()[i] = "Preset " + std::to_string(i + 1);
    }
};

void TypeName(QComboBox* list, const char* name)
{
    list->setFocus();
    list->lineEdit()->selectAll();
    QTest::keyClicks(list, QString::fromLatin1(name));
}
} // namespace

// A typed name is taken when the focus leaves the list, as on Enter; the
// name belongs to the selected preset even when it equals another's.
TEST(ConsolePresets, TypedNameIsTakenWhenTheFocusLeavesTheList)
{
    DefaultPresetNames restore;
    TestConsole t(Types(5));
    t.console->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.console.get()));
    Settle(t);
    auto* list = static_cast<QComboBox*>(t.console->control(PresetList));
    list->setCurrentIndex(2);
    TypeName(list, "Gate");
    Field(t, Pan)->setFocus();
    EXPECT_EQ(ConsolePresetNames()[2], "Gate");
    EXPECT_EQ(t.store.GetString("Presets", "P3", ""), "Gate");
    EXPECT_EQ(list->itemText(2).toStdString(), "Gate");

    // Another preset's name: the selection stays where it is.
    TypeName(list, "Preset 5");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(list->currentIndex(), 2);
    EXPECT_EQ(ConsolePresetNames()[2], "Preset 5");
    EXPECT_EQ(ConsolePresetNames()[4], "Preset 5");
    Click(t, Store);
    EXPECT_EQ(TextsOf(Follow(t, 200)), std::vector<std::string>{"P\x12"});
}

// After a name edit or a "Get ID" answer the list holds 10 or 64 names;
// a selected preset beyond a shorter list stays selected, none other is.
TEST(ConsolePresets, RefilledListNeverSelectsAnotherPreset)
{
    DefaultPresetNames restore;
    // Receiver type 5 starts with 64 names; fixed pan/tilt edits leave 10.
    TestConsole t(Types(5, 3, 0));
    t.console->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.console.get()));
    Settle(t);
    auto* list = static_cast<QComboBox*>(t.console->control(PresetList));
    ASSERT_EQ(list->count(), 64);
    list->setCurrentIndex(30);
    TypeName(list, "Dock");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(list->count(), 10);
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(list->currentText().toStdString(), "Dock");
    EXPECT_EQ(t.store.GetString("Presets", "P31", ""), "Dock");
    Click(t, Store);
    Click(t, GetId);
    EXPECT_EQ(TextsOf(Follow(t, 300)), (std::vector<std::string>{"P.", "cdS."})) << "preset 31, 0x10 + 30";

    // The camera's answer names preset 31 too; unprintable bytes are left out.
    const std::string answer = std::string("dS.Pier\x01\x7F 7", 11);
    t.line.Inject(Reply(answer));
    EXPECT_EQ(ConsolePresetNames()[30], "Pier 7" + std::string(18, ' '));
    EXPECT_EQ(t.store.GetString("Presets", "P31", ""), "Pier 7" + std::string(18, ' '));
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(list->currentText().toStdString(), "Pier 7" + std::string(18, ' '));
    Click(t, PresetGoto);
    EXPECT_EQ(TextsOf(Follow(t, 200)), std::vector<std::string>{"H."});
}
