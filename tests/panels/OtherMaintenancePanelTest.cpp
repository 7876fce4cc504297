// "Other Maintenance" on the console's fake line, and opened from Setup.
#include "ConsoleControlIds.h"
#include "OpenPanel.h"
#include "OtherMaintenancePanel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <algorithm>

using Texts = std::vector<std::string>;

namespace {
ConsoleSettings Dome()
{
    ConsoleSettings s;
    s.receiverType = 5;
    s.cameraType = 3;
    return s;
}

struct MaintenanceFixture : OpenPanel<OtherMaintenancePanel> {
    MaintenanceFixture() : OpenPanel(Dome(), ReplyWindow::OtherMaintenance) {}
    // Past the four timed queries of the opening.
    void PastOpening() { Sent(3100); }
};
} // namespace

TEST(OtherMaintenancePanel, FourTimedQueriesAtOpeningFillTheWindow)
{
    MaintenanceFixture p;
    const FrameTimeline opening = Follow(p.t, 3100);
    ASSERT_EQ(opening.size(), 4u);
    const std::pair<uint32_t, const char*> expected[] = {{500, "mtS"}, {1000, "mfS"}, {2500, "mo?"}, {3000, "*Xps"}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(opening[i].second, expected[i].second);
        EXPECT_GE(opening[i].first, expected[i].first) << expected[i].second;
        EXPECT_LE(opening[i].first, expected[i].first + 10) << expected[i].second;
    }
    p.Answer("mt32");
    p.Answer("mf1");
    p.Answer("mo1051212");
    p.Answer(std::string("*XP03022\x02"));
    EXPECT_EQ(p.Value("Heater"), 32);
    EXPECT_TRUE(p.Find<QCheckBox>("FreezeVideo")->isChecked());
    EXPECT_TRUE(p.Checked("PresetFeaturesGotoHomeBeforeGotoaPreset"));
    EXPECT_TRUE(p.Checked("PTHomeFeaturesAPresetusedasPTHomePos"));
    EXPECT_TRUE(p.Checked("PTPowerUPResetFeaturesSeekingPTHomethenGotoTheProgrammedPresetasHome"));
    EXPECT_EQ(p.Value("SeekPreset"), 5);
    EXPECT_EQ(p.Value("HomePreset"), 12);
    EXPECT_EQ(p.Value("Delay"), 30);
    EXPECT_EQ(p.ListText("ParkUnit"), "Minutes");
    EXPECT_EQ(p.ListText("ParkAction"), "Tour 2");
    EXPECT_TRUE(p.Sent(100).empty());
    // A heater level outside 20-45 is not taken.
    p.Answer("mt19");
    EXPECT_EQ(p.Value("Heater"), 32);
}

TEST(OtherMaintenancePanel, HeaterLevelIsSentOnlyInsideTwentyToFortyFive)
{
    MaintenanceFixture p;
    p.PastOpening();
    const std::pair<const char*, Texts> cases[] = {
        {"19", {}}, {"45", {"mt45"}}, {"20", {"mt20"}}, {"46", {}}, {"0", {}},
    };
    for (const auto& [level, expected] : cases) {
        p.Type("Heater", level);
        p.Click("HeaterSet");
        EXPECT_EQ(p.Sent(20), expected) << level;
    }
    p.Click("HeaterGet");
    EXPECT_EQ(p.Sent(20), Texts{"mtS"});
}

TEST(OtherMaintenancePanel, EnhancedPresetTextAndThePresetBoxesRange)
{
    MaintenanceFixture p;
    p.PastOpening();
    // No feature chosen yet: nothing to set.
    p.Click("EnhancedPresetSet");
    EXPECT_TRUE(p.Sent(20).empty());
    p.Click("PresetFeaturesGotoHomeBeforeGotoaPreset");
    p.Type("SeekPreset", "5");
    p.Type("HomePreset", "12");
    p.Click("PTHomeFeaturesAPresetusedasPTHomePos");
    p.Click("PTPowerUPResetFeaturesSeekingPTHomethenGotoTheProgrammedPresetasHome");
    EXPECT_TRUE(p.Sent(20).empty()) << "the features are sent only with Set";
    p.Click("EnhancedPresetSet");
    EXPECT_EQ(p.Sent(20), Texts{"mos1051212"});
    // The preset boxes take 00-64: 70 gets the range message and Set sends
    // nothing; the box is back at 5.
    p.Type("SeekPreset", "70");
    p.Click("EnhancedPresetSet");
    EXPECT_TRUE(p.Sent(20).empty());
    QCoreApplication::processEvents(); // the message comes once the box has let go
    ASSERT_FALSE(p.t.prompter.shown.empty());
    EXPECT_EQ(p.t.prompter.shown.back().text, "Please enter an integer between 0 and 64.");
    p.Click("EnhancedPresetSet");
    EXPECT_EQ(p.Sent(20), Texts{"mos1051212"});
    p.Click("EnhancedPresetGet");
    EXPECT_EQ(p.Sent(20), Texts{"mo?"});
}

TEST(OtherMaintenancePanel, ParkSaveSendsTheNumberAsAByteAndNothingWithoutAnAction)
{
    MaintenanceFixture p;
    p.PastOpening();
    p.Type("Delay", "30");
    p.Choose("ParkUnit", 1);
    p.Click("ParkSave");
    EXPECT_TRUE(p.Sent(20).empty()) << "no action chosen";
    p.Choose("ParkAction", 5);
    EXPECT_TRUE(p.Sent(20).empty()) << "the lists send nothing themselves";
    p.Click("ParkSave");
    const std::string park("*XP03022\x02");
    EXPECT_EQ(p.Sent(20), Texts{park});
    p.Click("ParkGet");
    EXPECT_EQ(p.Sent(20), Texts{"*Xps"});
}

TEST(OtherMaintenancePanel, ButtonsQueueInTurnAndClearNvramAsksFirst)
{
    MaintenanceFixture p;
    p.PastOpening();
    // Commands are appended: three quick clicks, three commands in order.
    p.Click("VirtualHomeSet");
    p.Click("VirtualHomeGet");
    p.Click("VirtualHomeClear");
    EXPECT_EQ(p.Sent(50), (Texts{"mVs", "mVg", "mVc"}));
    p.Click("FreezeVideo");
    p.Click("FreezeGet");
    EXPECT_EQ(p.Sent(50), (Texts{"mf1", "mfS"}));
    p.Click("FreezeVideo");
    EXPECT_EQ(p.Sent(20), Texts{"mf0"});

    p.t.prompter.answers = {MessageAnswer::No, MessageAnswer::Yes};
    p.Click("ClearNVRAM");
    EXPECT_TRUE(p.Sent(20).empty());
    p.Click("ClearNVRAM");
    EXPECT_EQ(p.Sent(20), Texts{"rrRRRR"});
    ASSERT_EQ(p.t.prompter.shown.size(), 2u);
    const ScriptedPrompter::Shown& warning = p.t.prompter.shown[0];
    EXPECT_EQ(warning.text, "WARNING!! -- <Press YES> will erase all camera Setup Data,\nincluding S/N, Set North, "
                            "Presets, and Sectors/ID information\n- Do you really want to Clear NVRAM?");
    EXPECT_EQ(warning.buttons, MessageButtons::YesNo);
    EXPECT_EQ(warning.icon, MessageIcon::Stop);
}

// Setup's "Other Setup" opens the window through the console, whose
// routing hands it the heater reply while Setup is open as well.
TEST(OtherMaintenancePanel, OpensFromSetupAndTakesItsRepliesThroughTheConsole)
{
    TestConsole t(Dome());
    Settle(t);
    bool filled = false;
    t.modal.steps.push_back([&](QDialog& setup) {
        setup.findChild<QAbstractButton*>(QStringLiteral("OtherSetup"))->click();
        return QDialog::Rejected;
    });
    t.modal.steps.push_back([&](QDialog& panel) {
        const Texts sent = TextsOf(Follow(t, 510));
        EXPECT_NE(std::find(sent.begin(), sent.end(), "mtS"), sent.end());
        t.line.Inject(ReplyFrames::Frame("mt41"));
        t.line.Inject(ReplyFrames::Frame(std::string("*XP25531\x04")));
        filled = panel.findChild<QSpinBox*>(QStringLiteral("Heater"))->value() == 41 &&
                 panel.findChild<QComboBox*>(QStringLiteral("ParkAction"))->currentText() == QLatin1String("Preset 4");
        return QDialog::Accepted;
    });
    QTest::mouseClick(static_cast<QAbstractButton*>(t.console->control(ConsoleControl::CameraSetup)), Qt::LeftButton);
    EXPECT_EQ(t.modal.titles, (Texts{"Setup", "Other Maintenance"}));
    EXPECT_TRUE(filled);
    EXPECT_FALSE(t.console->replyFlags().panelReplyPending);
}
