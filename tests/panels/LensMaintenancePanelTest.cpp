// The lens maintenance dialog on the console's fake line: its opening
// chain, what each control sends, the guarded services, and the dialog
// opened from Setup with the console's routing.
#include "ConsoleControlIds.h"
#include "ConsoleTimeline.h"
#include "LensMaintenancePanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using Bytes = FakeLine::Bytes;
using Texts = std::vector<std::string>;

namespace {
Bytes Reply(const std::string& text)
{
    Bytes f{0xF8, 0x01};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

// Receiver type 13, whose Setup offers "Lens Maintenance".
ConsoleSettings Receiver13()
{
    ConsoleSettings s;
    s.receiverType = 13;
    s.cameraType = 12;
    return s;
}

// Stands for the Setup dialog beneath: counts the replies it is handed.
struct SetupBeneath : ReplyReceiver {
    void OnReply(const uint8_t*, size_t) override { ++replies; }
    int replies = 0;
};

const char* const kWrongPassword = "Wrong Password - Not qualifying to do this service!";
const char* const kClearNvramWarning =
    "WARNING!! -- <Press YES> will erase all camera Setup Data,\n"
    "including S/N, Set North, Presets, and Sectors/ID information\n"
    "- Do you really want to Clear NVRAM?";

// The dialog open over Setup as the console opens it, shown and active.
// Something of the console's waits in the queue when it opens.
struct MaintenanceFixture {
    MaintenanceFixture() : t(Receiver13())
    {
        Settle(t);
        t.console->RegisterReplyWindow(ReplyWindow::Setup, &setup);
        t.console->link().queue().Enqueue("L?H?");
        panel = std::make_unique<LensMaintenancePanel>(*t.console, t.console.get());
        t.console->RegisterReplyWindow(ReplyWindow::LensMaintenance, panel.get());
        t.console->SetQueuedPanel(panel.get());
        panel->Open();
        panel->show();
        QApplication::setActiveWindow(panel.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    }
    ~MaintenanceFixture()
    {
        panel->done(QDialog::Accepted);
        t.console->SetQueuedPanel(nullptr);
        t.console->RegisterReplyWindow(ReplyWindow::LensMaintenance, nullptr);
        t.console->RegisterReplyWindow(ReplyWindow::Setup, nullptr);
    }
    // The opening exchange answered with the record, 2X off and IR normal.
    void Opened(const std::string& record = "m1l5v0p3c2")
    {
        Sent(20);
        Answer(record);
        Sent(20);
        Answer("mX0");
        Sent(20);
        Answer("mR0");
    }
    void Answer(const std::string& text) { t.line.Inject(Reply(text)); }
    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton, {}, QPoint(4, 4)); }
    void Type(const char* name, const char* text)
    {
        auto* box = Find<QSpinBox>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    template <class T> T* Find(const char* name) { return panel->findChild<T*>(QString::fromLatin1(name)); }
    bool Checked(const char* name) { return Find<QCheckBox>(name)->isChecked(); }
    std::string ListText(const char* name) { return Find<QComboBox>(name)->currentText().toStdString(); }
    Texts Sent(uint32_t ms) { return TextsOf(Follow(t, ms)); }

    TestConsole t;
    SetupBeneath setup;
    std::unique_ptr<LensMaintenancePanel> panel;
};
} // namespace

TEST(LensMaintenancePanel, OpeningChainFillsTheDialogThroughThePanelFlag)
{
    MaintenanceFixture p;
    EXPECT_EQ(p.t.console->link().queue().readIndex(), 0);
    EXPECT_EQ(p.t.console->link().queue().writeIndex(), 0) << "the opening empties the queue to slot 0";
    // "m?" 5 ms after the opening, sent on the next 5 ms tick.
    const FrameTimeline opening = Follow(p.t, 50);
    EXPECT_EQ(opening, (FrameTimeline{{10, "m?"}})) << "the console's waiting L?H? is gone";
    EXPECT_EQ(p.ListText("Voltage"), "");
    EXPECT_EQ(p.Find<QSpinBox>("Phase")->value(), 0);

    p.Answer("m1l5v0p3c2");
    EXPECT_EQ(p.ListText("Voltage"), " 9VDC");
    EXPECT_TRUE(p.Checked("ZoomFocus"));
    EXPECT_FALSE(p.Checked("MotorIris"));
    EXPECT_TRUE(p.Checked("ZFFollowPots"));
    EXPECT_FALSE(p.Checked("IrisFollowPot"));
    EXPECT_EQ(p.ListText("Video"), "NTSC");
    EXPECT_EQ(p.Find<QSpinBox>("Phase")->value(), 2);
    EXPECT_FALSE(p.Checked("Crystal"));
    EXPECT_TRUE(p.Find<QSpinBox>("Phase")->isEnabled());
    EXPECT_EQ(p.Find<QComboBox>("Camera")->currentIndex(), 2);
    EXPECT_EQ(p.Sent(20), Texts{"mXS"}) << "showing the record sends nothing back";
    p.Answer("mX1");
    EXPECT_TRUE(p.Checked("2X"));
    EXPECT_EQ(p.Sent(20), Texts{"mRS"});
    p.Answer("mR2");
    EXPECT_EQ(p.ListText("IR"), "880nm");
    EXPECT_TRUE(p.Sent(2500).empty()) << "the chain ends with the IR filter";
    EXPECT_EQ(p.setup.replies, 0) << "Setup beneath is handed none of the dialog's answers";
    EXPECT_FALSE(p.t.console->replyFlags().panelReplyPending);

    // Crystal from the record: box and spin disabled.
    p.Click("LensCharacteristicsQuery");
    EXPECT_EQ(p.Sent(20), Texts{"mXs"});
    p.Answer("m2l0v1p0c0");
    EXPECT_TRUE(p.Checked("Crystal"));
    EXPECT_FALSE(p.Find<QSpinBox>("Phase")->isEnabled());
    EXPECT_EQ(p.ListText("Voltage"), "12VDC");
    EXPECT_EQ(p.ListText("Video"), "PAL");
}

TEST(LensMaintenancePanel, LensTypeBitsAreSentBySet)
{
    MaintenanceFixture p;
    p.Opened("m1l0v0p1c0");
    struct Case {
        std::vector<const char*> boxes; // clicked, starting from none checked
        const char* sent;
    } cases[] = {
        {{"ZoomFocus", "IrisFollowPot"}, "ml9"},
        {{"MotorIris", "ZFFollowPots"}, "ml?"}, // on top of the two before: all four
        {{"ZoomFocus", "MotorIris", "ZFFollowPots", "IrisFollowPot"}, "ml0"},
        {{"MotorIris"}, "ml2"},
    };
    for (const Case& c : cases) {
        for (const char* box : c.boxes)
            p.Click(box);
        EXPECT_TRUE(p.Sent(20).empty()) << c.sent << ": the boxes themselves send nothing";
        p.Click("SetLensType");
        EXPECT_EQ(p.Sent(20), Texts{c.sent});
    }
}

TEST(LensMaintenancePanel, EachControlSendsItsCommand)
{
    MaintenanceFixture p;
    p.Opened();
    struct Case {
        std::function<void()> act;
        const char* sent;
    } cases[] = {
        {[&] { p.Find<QComboBox>("Voltage")->setCurrentIndex(2); }, "m2"},
        {[&] { p.Find<QComboBox>("Video")->setCurrentIndex(1); }, "mv1"},
        {[&] { p.Find<QComboBox>("Camera")->setCurrentIndex(5); }, "mc5"},
        {[&] { p.Click("StartCalibratingLens"); }, "mc"},
        {[&] { p.Click("2X"); }, "mX1"},
        {[&] { p.Click("2X"); }, "mX0"},
        {[&] { p.Find<QComboBox>("IR")->setCurrentIndex(3); }, "mR3"},
        {[&] { p.Click("LensCharacteristicsQuery"); }, "mXs"},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_EQ(p.Sent(20), Texts{c.sent});
    }
    // Two commands before the pump runs: the newest wins.
    p.Find<QComboBox>("Voltage")->setCurrentIndex(0);
    p.Find<QComboBox>("Video")->setCurrentIndex(0);
    EXPECT_EQ(p.Sent(20), Texts{"mv0"});
}

TEST(LensMaintenancePanel, LineLockWaitsForTheCameraAndFollowsCrystal)
{
    MaintenanceFixture p;
    p.Sent(20);
    p.Type("Phase", "3");
    EXPECT_TRUE(p.Sent(20).empty()) << "nothing before the camera's first record";
    p.Answer("m1l5v0p3c2");
    p.Sent(20);
    p.Type("Phase", "4");
    EXPECT_EQ(p.Sent(20), Texts{"Lp5"});
    p.Click("Crystal");
    EXPECT_EQ(p.Sent(20), Texts{"Lp0"});
    EXPECT_FALSE(p.Find<QSpinBox>("Phase")->isEnabled());
    p.Click("Crystal");
    EXPECT_EQ(p.Sent(20), Texts{"Lp5"}) << "off the crystal: the phase shown, plus one";
    EXPECT_TRUE(p.Find<QSpinBox>("Phase")->isEnabled());
    // A phase outside 0-5 gets the toolkit's range message and is not sent.
    p.Type("Phase", "6");
    QTest::keyClick(p.Find<QSpinBox>("Phase"), Qt::Key_Tab);
    QCoreApplication::processEvents();
    ASSERT_FALSE(p.t.prompter.shown.empty());
    EXPECT_EQ(p.t.prompter.shown.back().text, "Please enter an integer between 0 and 5.");
    EXPECT_TRUE(p.Sent(20).empty());
}

TEST(LensMaintenancePanel, AutoIrisLevelOnlyWithTheServicePassword)
{
    MaintenanceFixture p;
    p.Opened();
    struct Case {
        const char* typed; // nullptr: the password box is cancelled
        Texts sent;
        bool refused;
    } cases[] = {
        {"tqrw", {}, true},
        {"TQRw", {}, true},
        {"TQRW", {"ma"}, false},
        {nullptr, {}, false},
        {"TQRW", {"ma"}, false}, // tried again at once, no count
    };
    for (const Case& c : cases) {
        p.t.prompter.shown.clear();
        if (c.typed)
            p.t.prompter.texts.push_back(c.typed);
        p.Click("SetAutoIrisLevel");
        ASSERT_FALSE(p.t.prompter.shown.empty());
        const ScriptedPrompter::Shown& box = p.t.prompter.shown.front();
        EXPECT_EQ(box.caption, "Supervisory Function");
        EXPECT_EQ(box.text, "Enter Password:");
        EXPECT_TRUE(box.masked);
        if (c.refused) {
            ASSERT_EQ(p.t.prompter.shown.size(), 2u) << (c.typed ? c.typed : "cancelled");
            EXPECT_EQ(p.t.prompter.shown[1].text, kWrongPassword);
            EXPECT_EQ(p.t.prompter.shown[1].buttons, MessageButtons::Ok);
        } else {
            EXPECT_EQ(p.t.prompter.shown.size(), 1u);
        }
        EXPECT_EQ(p.Sent(20), c.sent) << (c.typed ? c.typed : "cancelled");
    }
}

TEST(LensMaintenancePanel, ClearNvramAsksFirstAndNoIsTheDefault)
{
    MaintenanceFixture p;
    p.Opened();
    p.Click("ClearNVRAM"); // no answer scripted: the default button answers
    ASSERT_EQ(p.t.prompter.shown.size(), 1u);
    EXPECT_EQ(p.t.prompter.shown[0].text, kClearNvramWarning);
    EXPECT_EQ(p.t.prompter.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(p.t.prompter.shown[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(p.Sent(20).empty());
    p.t.prompter.answers.push_back(MessageAnswer::Yes);
    p.Click("ClearNVRAM");
    EXPECT_EQ(p.Sent(20), Texts{"rrRRRR"});
}

// The real way in: the console's "Camera Setup", then Setup's "Lens
// Maintenance". The dialog's answers reach it over Setup; Setup's own
// queries wait while it is open and go after it.
TEST(LensMaintenancePanel, OpenedFromSetupWithTheConsolesRouting)
{
    TestConsole t(Receiver13());
    Settle(t);
    auto find = [](QDialog& d, const char* name) { return d.findChild<QWidget*>(QString::fromLatin1(name)); };
    bool shown = false;
    Texts duringMaintenance, afterMaintenance;
    t.modal.steps.push_back([&](QDialog& setup) {
        EXPECT_EQ(TextsOf(Follow(t, 20)), Texts{"RS"});
        t.line.Inject(Reply("RV3.10")); // the firmware: Setup's timed queries start
        EXPECT_EQ(TextsOf(Follow(t, 20)), Texts{"fS"});
        static_cast<QAbstractButton*>(find(setup, "LensMaintenance"))->click();
        afterMaintenance = TextsOf(Follow(t, 9000));
        return QDialog::Rejected;
    });
    t.modal.steps.push_back([&](QDialog& maintenance) {
        duringMaintenance = TextsOf(Follow(t, 20));
        t.line.Inject(Reply("m2l9v1p4c3"));
        shown = static_cast<QComboBox*>(find(maintenance, "Voltage"))->currentText() == QLatin1String("12VDC") &&
                static_cast<QCheckBox*>(find(maintenance, "IrisFollowPot"))->isChecked() &&
                static_cast<QSpinBox*>(find(maintenance, "Phase"))->value() == 3 &&
                static_cast<QComboBox*>(find(maintenance, "Camera"))->currentText() == QLatin1String("8400");
        for (const std::string& text : TextsOf(Follow(t, 9000)))
            duringMaintenance.push_back(text);
        return QDialog::Accepted;
    });
    QTest::mouseClick(static_cast<QAbstractButton*>(t.console->control(ConsoleControl::CameraSetup)), Qt::LeftButton);
    EXPECT_EQ(t.modal.titles, (Texts{"Setup", "Lens Maintenance"}));
    EXPECT_TRUE(shown);
    EXPECT_EQ(duringMaintenance, (Texts{"m?", "mXS"})) << "none of Setup's queries in between";
    EXPECT_EQ(afterMaintenance, (Texts{"hS", "sS", "SS", "mSs"}));
}
