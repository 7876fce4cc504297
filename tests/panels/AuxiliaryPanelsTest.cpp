// "Illuminator Control", "Wipe Setup" and "Wash Setup" opened from the
// console's buttons: what the console does around the opening, what the
// windows send, and what they show after the camera answers through the
// console's routing.
#include "ConsoleControlIds.h"
#include "IlluminatorPanel.h"
#include "Lamp.h"
#include "OpenPanel.h"
#include "WashPanel.h"
#include "WipePanel.h"

#include <QCheckBox>

using Texts = std::vector<std::string>;
using namespace ConsoleControl;

namespace {
ConsoleSettings Types(int rx, int camera)
{
    ConsoleSettings s;
    s.receiverType = rx;
    s.cameraType = camera;
    return s;
}

void Press(TestConsole& t, int id)
{
    QTest::mouseClick(static_cast<QAbstractButton*>(t.console->control(id)), Qt::LeftButton);
}

template <class T> T* In(QDialog& d, const char* name)
{
    T* w = d.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void Click(QDialog& d, const char* name)
{
    In<QAbstractButton>(d, name)->click();
}

// The window the console runs, shown and active so keys reach it.
void Activate(QDialog& d)
{
    d.show();
    QApplication::setActiveWindow(&d);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
}

void Type(QDialog& d, const char* name, const char* text)
{
    auto* box = In<QSpinBox>(d, name);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}
} // namespace

// Before the window opens the periodic requests and lamp 211 go off, the
// queue is emptied and the link released; nothing restarts them after.
TEST(AuxiliaryPanels, TheConsoleEndsItsPollingAndReleasesTheLinkBeforeOpening)
{
    TestConsole t(Types(12, 8));
    Settle(t);
    Press(t, StatusQuery);
    ASSERT_TRUE(t.console->lamp(ConsoleLamp::Polling)->isLit());
    t.clock.Advance(1010); // a periodic "L?" goes and is not answered
    ASSERT_FALSE(t.line.written.empty());
    ASSERT_FALSE(t.console->link().linkReady);
    t.console->EnqueueCommand("ZI", 1000); // still waiting when the button is pressed
    t.line.written.clear();
    bool prepared = false;
    t.modal.steps.push_back([&](QDialog& d) {
        prepared = !t.console->lamp(ConsoleLamp::Polling)->isLit() && t.console->link().queue().Empty() &&
                   t.console->link().linkReady && t.console->link().linkFree;
        EXPECT_EQ(TextsOf(Follow(t, 2100)), Texts{"imS"}) << "no periodic request, no ZI, only the window's query";
        t.line.Inject(ReplyFrames::Frame("i11"));
        EXPECT_TRUE(In<QAbstractButton>(d, "8650DayNightIRIROn")->isChecked());
        EXPECT_TRUE(In<QAbstractButton>(d, "ModeMode2")->isChecked());
        return QDialog::Accepted;
    });
    Press(t, Illuminator);
    EXPECT_EQ(t.modal.titles, Texts{"Illuminator Control"});
    EXPECT_TRUE(prepared);
    t.line.written.clear(); // the acknowledgement of the window's reply
    t.clock.Advance(3000);
    EXPECT_TRUE(t.line.written.empty()) << "the periodic requests stay off after the window closes";
    EXPECT_FALSE(t.console->lamp(ConsoleLamp::Polling)->isLit());
}

TEST(AuxiliaryPanels, IlluminatorSendsItsModesInTurnAndTakesOnlyClassI)
{
    OpenPanel<IlluminatorPanel> p(Types(12, 8), ReplyWindow::Illuminator);
    const FrameTimeline opening = Follow(p.t, 600);
    ASSERT_EQ(opening.size(), 1u);
    EXPECT_EQ(opening[0].second, "imS");
    EXPECT_LE(opening[0].first, 510u);
    p.Answer("i10");
    EXPECT_TRUE(p.Checked("8650DayNightIRIROn"));
    EXPECT_TRUE(p.Checked("ModeMode1"));
    // Commands are appended, not replaced.
    p.Click("8650DayNightIRIROff");
    p.Click("ModeMode2");
    EXPECT_EQ(p.Sent(50), (Texts{"i0", "im1"}));
    p.Click("ModeMode1");
    p.Click("8650DayNightIRIROn");
    EXPECT_EQ(p.Sent(50), (Texts{"im0", "i1"}));
    // A thermal reply is offered to the window as well; it is not its own.
    p.Answer("t00");
    EXPECT_TRUE(p.Checked("8650DayNightIRIROn"));
}

TEST(AuxiliaryPanels, WipeSetupFillsFromTheWiperAndSetsRunAndDelay)
{
    TestConsole t(Types(7, 3));
    Settle(t);
    t.modal.steps.push_back([&](QDialog& d) {
        Activate(d);
        EXPECT_EQ(TextsOf(Follow(t, 250)), Texts{"mw?"});
        t.line.Inject(ReplyFrames::Frame("mwr0010d05m1"));
        EXPECT_EQ(In<QSpinBox>(d, "RunTime")->value(), 10);
        EXPECT_EQ(In<QSpinBox>(d, "DelayTime")->value(), 5);
        EXPECT_TRUE(In<QAbstractButton>(d, "ModuleNewModule")->isChecked());
        EXPECT_EQ(In<QSpinBox>(d, "RunTime")->maximum(), 9999);
        EXPECT_EQ(In<QSpinBox>(d, "DelayTime")->maximum(), 99);
        Type(d, "RunTime", "250");
        Type(d, "DelayTime", "3");
        EXPECT_TRUE(TextsOf(Follow(t, 20)).empty()) << "the boxes send nothing themselves";
        Click(d, "Set");
        Click(d, "ModuleOldModule");
        EXPECT_EQ(TextsOf(Follow(t, 50)), (Texts{"mwr0250d03", "mwm0"}));
        Click(d, "Close");
        return d.result();
    });
    Press(t, WipeSetup);
    EXPECT_EQ(t.modal.titles, Texts{"Wipe Setup"});
}

// Receiver type 12 opens "Wash Setup" too; its report reaches the window.
TEST(AuxiliaryPanels, WashSetupKeepsTheHiddenWipeTimeAndSendsTheWholeSetting)
{
    TestConsole t(Types(12, 8));
    Settle(t);
    t.modal.steps.push_back([&](QDialog& d) {
        Activate(d);
        EXPECT_EQ(TextsOf(Follow(t, 250)), Texts{"mW?"});
        t.line.Inject(ReplyFrames::Frame("mWW12w07m1f003"));
        EXPECT_EQ(In<QSpinBox>(d, "WashTime")->value(), 12);
        EXPECT_EQ(In<QSpinBox>(d, "AutoModeFreq")->value(), 3);
        EXPECT_TRUE(In<QCheckBox>(d, "ManualWash")->isChecked());
        EXPECT_FALSE(In<QWidget>(d, "WipeTime")->isVisibleTo(&d));
        Click(d, "Set");
        EXPECT_EQ(TextsOf(Follow(t, 20)), Texts{"mWW12w07m1f003"}) << "the hidden wipe time keeps its value";
        t.line.Inject(ReplyFrames::Frame("mWW12w00m1f003"));
        Type(d, "WashTime", "10");
        Type(d, "AutoModeFreq", "5");
        Click(d, "ManualWash");
        Click(d, "Set");
        Click(d, "SetWashHome");
        EXPECT_EQ(TextsOf(Follow(t, 50)), (Texts{"mWW10w00m0f005", "mWh"}));
        return QDialog::Accepted;
    });
    Press(t, WashSetup);
    EXPECT_EQ(t.modal.titles, Texts{"Wash Setup"});
}
