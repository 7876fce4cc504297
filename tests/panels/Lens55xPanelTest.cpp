// The 55X lens panel and its factory menu on the console's fake line.
#include "ConsoleControlIds.h"
#include "ConsoleTimeline.h"
#include "Lamp.h"
#include "Lens55xFactoryPanel.h"
#include "Lens55xPanel.h"
#include "PictureButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>

using Texts = std::vector<std::string>;

namespace {
// Receiver type 14 ("9100") with the 55X lens.
ConsoleSettings Lens55x()
{
    ConsoleSettings s;
    s.receiverType = 14;
    s.cameraType = 17;
    return s;
}

void Show(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
}

// The panel open on the console as the console opens it, shown and active.
struct LensFixture {
    explicit LensFixture(bool manualIris = false, bool manualFocus = false) : t(Lens55x())
    {
        Settle(t);
        panel = std::make_unique<Lens55xPanel>(*t.console, manualIris, manualFocus, t.console.get());
        t.console->RegisterReplyWindow(ReplyWindow::Lens55X, panel.get());
        t.console->SetQueuedPanel(panel.get());
        panel->Open();
        Show(*panel);
    }
    ~LensFixture()
    {
        panel->done(QDialog::Accepted);
        t.console->SetQueuedPanel(nullptr);
        t.console->RegisterReplyWindow(ReplyWindow::Lens55X, nullptr);
    }
    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton, {}, QPoint(4, 4)); }
    void Press(const char* name) { QTest::mousePress(Find<QWidget>(name), Qt::LeftButton); }
    void Release(const char* name) { QTest::mouseRelease(Find<QWidget>(name), Qt::LeftButton); }
    template <class T> T* Find(const char* name) { return panel->findChild<T*>(QString::fromLatin1(name)); }
    Texts Sent(uint32_t ms) { return TextsOf(Follow(t, ms)); }

    TestConsole t;
    std::unique_ptr<Lens55xPanel> panel;
};
} // namespace

TEST(Lens55xPanel, ZoomInWithNoSpeedSendsZIAndTheReleaseZS)
{
    LensFixture p;
    EXPECT_TRUE(p.Sent(1000).empty()) << "the lens is not asked for its state";
    for (const char* speed : {"SpeedUltraSlow", "SpeedSlow", "SpeedFast"})
        EXPECT_FALSE(p.Find<QAbstractButton>(speed)->isChecked()) << speed;
    p.Press("ZI");
    EXPECT_EQ(Follow(p.t, 100), (FrameTimeline{{50, "ZI"}})) << "pumped at 50 ms";
    // Let go away from the button: the stop still goes.
    QTest::mouseRelease(p.Find<QWidget>("ZI"), Qt::LeftButton, {}, QPoint(-300, -300));
    EXPECT_EQ(p.Sent(100), Texts{"ZS"});
}

TEST(Lens55xPanel, PressesBySpeedAndTheStopOfTheHeldMotion)
{
    LensFixture p;
    struct Case {
        const char* speed; // nullptr: none chosen
        const char* button;
        const char* press;
        const char* stop;
    } cases[] = {
        {nullptr, "ZO", "ZO", "ZS"},          {nullptr, "FN", "FN", "FS"},
        {nullptr, "FF", "FF", "FS"},          {nullptr, "IO", "cIO", "IS"},
        {"SpeedUltraSlow", "ZI", "cZ0", "ZS"}, {"SpeedUltraSlow", "FF", "cF0", "FS"},
        {"SpeedSlow", "ZO", "cz1", "ZS"},      {"SpeedSlow", "FN", "cN1", "FS"},
        {"SpeedFast", "ZI", "cZ2", "ZS"},      {"SpeedFast", "IC", "cIC", "IS"},
    };
    for (const Case& c : cases) {
        if (c.speed) {
            p.Click(c.speed);
            EXPECT_TRUE(p.Sent(60).empty()) << c.speed << " sends nothing";
        }
        p.Press(c.button);
        EXPECT_EQ(p.Sent(60), Texts{c.press});
        p.Release(c.button);
        EXPECT_EQ(p.Sent(60), Texts{c.stop}) << c.press;
    }
    EXPECT_EQ(p.panel->members().speed, 2);
}

TEST(Lens55xPanel, LatchesTogglesAndBackFocus)
{
    LensFixture p(false, true);
    EXPECT_FALSE(p.Find<QCheckBox>("ManualIris")->isChecked());
    EXPECT_TRUE(p.Find<QCheckBox>("ManualFocus")->isChecked()) << "handed in by the console";
    struct Case {
        const char* control;
        const char* sent;
    } cases[] = {
        {"ManualIris", "cIM"},    {"ManualIris", "cIA"},   {"ManualFocus", "L1"},    {"ManualFocus", "L1"},
        {"1X2XToggle", "Hk"},     {"BackFocusAuto", "L2"}, {"BackFocusNear", "PL"}, {"BackFocusFar", "PR"},
    };
    for (const Case& c : cases) {
        p.Click(c.control);
        EXPECT_EQ(p.Sent(60), Texts{c.sent}) << c.control;
    }
    EXPECT_EQ(p.panel->members().manualIris, 0);
    EXPECT_EQ(p.panel->members().manualFocus, 1);
}

TEST(Lens55xPanel, ReticleSendsHlThenHnOnTheirTimers)
{
    LensFixture p;
    p.Click("ReticleOnOffToggle");
    // Queued 5 and 200 ms after the click, each pumped 50 ms later.
    EXPECT_EQ(Follow(p.t, 400), (FrameTimeline{{55, "Hl"}, {250, "Hn"}}));
    EXPECT_EQ(p.panel->members().reticle, 1);
    p.Click("ReticleOnOffToggle");
    EXPECT_EQ(p.Sent(400), (Texts{"Hl", "Hn"}));
    EXPECT_EQ(p.panel->members().reticle, 0);
}

TEST(Lens55xPanel, ClosingWhileAMotionIsHeldStopsIt)
{
    LensFixture p;
    p.Press("FN");
    EXPECT_EQ(p.Sent(60), Texts{"FN"});
    p.panel->done(QDialog::Accepted);
    ASSERT_EQ(p.t.line.written.size(), 1u) << "sent at once: the closed panel's queue is not served";
    const auto& f = p.t.line.written[0];
    EXPECT_EQ(std::string(f.begin() + 2, f.end() - 1), "FS");
    p.t.line.written.clear();
    EXPECT_TRUE(p.Sent(1000).empty());
}

TEST(Lens55xPanel, FactoryMenuPadSendsOncePerPressAndRelease)
{
    LensFixture p;
    Texts sent;
    bool routed = false;
    p.t.modal.steps.push_back([&](QDialog& d) {
        auto& factory = static_cast<Lens55xFactoryPanel&>(d);
        factory.Open();
        Show(factory);
        auto press = [&](const char* name) {
            auto* pad = factory.findChild<QWidget*>(QString::fromLatin1(name));
            QTest::mousePress(pad, Qt::LeftButton);
            for (const std::string& text : TextsOf(Follow(p.t, 60)))
                sent.push_back(text);
            QTest::mouseRelease(pad, Qt::LeftButton);
            for (const std::string& text : TextsOf(Follow(p.t, 60)))
                sent.push_back(text);
        };
        for (const char* name : {"PadL", "PadR", "PadH", "PadT", "PadC", "PadL", "PadL"})
            press(name);
        for (const char* name : {"PairOnOffToggle", "ByPassOnOffToggle", "CameraMenuEnable", "CameraMenuExit"}) {
            QTest::mouseClick(factory.findChild<QAbstractButton*>(QString::fromLatin1(name)), Qt::LeftButton, {},
                              QPoint(4, 4));
            for (const std::string& text : TextsOf(Follow(p.t, 60)))
                sent.push_back(text);
        }
        routed = p.t.console->replyFlags().panelReplyPending;
        return QDialog::Accepted;
    });
    p.Click("FactoryMenu");
    EXPECT_EQ(p.t.modal.titles, Texts{"55X Lens Factory Menu"});
    EXPECT_EQ(sent, (Texts{"PL", "PR", "TU", "TD", "L2", "PL", "PL", "Hm", "Hl", "Hp", "Ho"}));
    EXPECT_TRUE(routed) << "the factory menu's sends wait for their answer with the panel flag";
    EXPECT_FALSE(p.t.console->replyFlags().panelReplyPending) << "closing it gives the flag up";
    // Back in the lens panel, which goes on sending.
    p.Click("1X2XToggle");
    EXPECT_EQ(p.Sent(60), Texts{"Hk"});
}

// "DSP Status" opens the panel with the console's latches and takes back
// what was chosen in it when it closes with Close.
TEST(Lens55xPanel, TheConsoleHandsInItsLatchesAndTakesBackTheChoices)
{
    using namespace ConsoleControl;
    for (int result : {QDialog::Accepted, QDialog::Rejected}) {
        TestConsole t(Lens55x());
        Settle(t);
        t.console->show();
        bool focusIn = false, speedNone = false;
        t.modal.steps.push_back([&](QDialog& d) {
            focusIn = d.findChild<QCheckBox*>(QStringLiteral("ManualFocus"))->isChecked();
            speedNone = !d.findChild<QAbstractButton*>(QStringLiteral("SpeedSlow"))->isChecked() &&
                        !d.findChild<QAbstractButton*>(QStringLiteral("SpeedFast"))->isChecked();
            d.findChild<QAbstractButton*>(QStringLiteral("SpeedFast"))->click();
            d.findChild<QAbstractButton*>(QStringLiteral("ManualIris"))->click();
            d.findChild<QAbstractButton*>(QStringLiteral("ManualFocus"))->click();
            return result;
        });
        // The console's slow speed; manual focus as the camera reports it.
        static_cast<QAbstractButton*>(t.console->control(Slow))->click();
        t.line.Inject({0xF8, 0x01, 'b', 'L', '0', 'A', '1', 0x80});
        ASSERT_TRUE(t.console->lamp(ConsoleLamp::ManualFocus)->isLit());
        static_cast<QAbstractButton*>(t.console->control(DspStatus))->click();
        ASSERT_EQ(t.modal.titles, Texts{"55X Lens Control"});
        EXPECT_TRUE(focusIn) << "manual focus handed in";
        EXPECT_TRUE(speedNone) << "the panel's speed starts with none chosen";
        const bool taken = result == QDialog::Accepted;
        EXPECT_EQ(static_cast<QAbstractButton*>(t.console->control(Fast))->isChecked(), taken);
        EXPECT_EQ(static_cast<QAbstractButton*>(t.console->control(Slow))->isChecked(), !taken);
        EXPECT_EQ(t.console->lamp(ConsoleLamp::LensFast)->isLit(), taken);
        EXPECT_EQ(t.console->lamp(ConsoleLamp::ManualIris)->isLit(), taken);
        EXPECT_EQ(t.console->lamp(ConsoleLamp::ManualFocus)->isLit(), !taken);
    }
}
