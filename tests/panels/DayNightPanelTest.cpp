// The Day/Night panel on the console's fake line: what the operator does,
// what goes out, and what the panel shows after the camera answers.
#include "ConsoleControlIds.h"
#include "ConsoleTimeline.h"
#include "DayNightPanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
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

ConsoleSettings DayNightCamera(int protocol = 0)
{
    ConsoleSettings s;
    s.receiverType = 5;
    s.cameraType = 3;
    s.protocol = protocol;
    return s;
}

// The panel open on the console as the console opens it, shown and active.
struct DayNightFixture {
    explicit DayNightFixture(int protocol = 0) : t(DayNightCamera(protocol))
    {
        Settle(t);
        panel = std::make_unique<DayNightPanel>(*t.console, t.console.get());
        t.console->RegisterReplyWindow(ReplyWindow::DayNight, panel.get());
        t.console->SetQueuedPanel(panel.get());
        panel->Open();
        panel->show();
        QApplication::setActiveWindow(panel.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    }
    ~DayNightFixture()
    {
        panel->done(QDialog::Accepted);
        t.console->SetQueuedPanel(nullptr);
        t.console->RegisterReplyWindow(ReplyWindow::DayNight, nullptr);
    }
    // The camera's answer, through the console's routing.
    void Answer(const std::string& text) { t.line.Inject(Reply(text)); }
    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton, {}, QPoint(6, 6)); }
    void Type(const char* name, const char* text)
    {
        auto* box = Find<QSpinBox>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    template <class T> T* Find(const char* name) { return panel->findChild<T*>(QString::fromLatin1(name)); }
    std::string ListText(const char* name) { return Find<QComboBox>(name)->currentText().trimmed().toStdString(); }
    Texts Sent(uint32_t ms) { return TextsOf(Follow(t, ms)); }

    TestConsole t;
    std::unique_ptr<DayNightPanel> panel;
};
} // namespace

TEST(DayNightPanel, OpeningAsksForStatusAndTheStatusStringFillsTheControls)
{
    DayNightFixture p;
    EXPECT_EQ(p.Sent(600), Texts{"cDS"});
    p.Answer("cM1S5W1");
    EXPECT_TRUE(p.Find<QAbstractButton>("DayNightCntrlColor")->isChecked());
    EXPECT_EQ(p.ListText("Shutter"), "1/30");
    EXPECT_TRUE(p.Find<QAbstractButton>("WhiteBalanceManual")->isChecked());
    for (const char* name : {"WhiteBalanceRU", "WhiteBalanceRD", "WhiteBalanceBU", "WhiteBalanceBD"})
        EXPECT_TRUE(p.Find<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(p.Sent(200).empty()) << "showing the status sends nothing back";

    // 'G' then 's' in one status: cAS and then cGS queued, only cGS goes out.
    p.Click("StatusQuery");
    EXPECT_EQ(p.Sent(100), Texts{"cDS"});
    p.Answer(std::string("cG\x24so0"));
    EXPECT_EQ(p.Find<QSpinBox>("MaxAGC")->value(), 20);
    EXPECT_TRUE(p.Find<QAbstractButton>("ProgressiveScanOff")->isChecked());
    EXPECT_EQ(p.Sent(600), Texts{"cGS"});
}

TEST(DayNightPanel, TheOpeningChainFillsTheTr6204ListsFromTheTimedQueries)
{
    DayNightFixture p;
    p.Sent(600);
    p.Answer("cG\x24");
    EXPECT_EQ(p.Sent(100), Texts{"cAS"});
    p.Answer(std::string("cA1\x30\x25\x30\x27")); // manual, horizontal 21, vertical 23
    EXPECT_EQ(p.Find<QSpinBox>("Horizontal")->value(), 21);
    EXPECT_EQ(p.Find<QSpinBox>("Vertical")->value(), 23);
    EXPECT_TRUE(p.Find<QWidget>("SetHorz")->isEnabled());
    EXPECT_EQ(p.Sent(100), Texts{"cES"});
    p.Answer("cE1");
    EXPECT_EQ(p.ListText("DigitalZoomRange"), "Off");
    EXPECT_FALSE(p.Find<QWidget>("DigitalZoomRange")->isEnabled());
    EXPECT_EQ(p.Sent(100), Texts{"cEFS"});
    p.Answer("cEF1");
    // cEPS is replaced by cZmS before it leaves.
    EXPECT_EQ(p.Sent(100), Texts{"cZmS"});
    p.Answer(std::string("cZm\x0A"));
    EXPECT_EQ(p.ListText("ZoomMagnification"), "10X");
    // The TR6204K3 queries go out directly, each answer reaching the panel.
    EXPECT_EQ(p.Sent(400), Texts{"cWLS"});
    p.Answer("cWL1");
    EXPECT_EQ(p.ListText("LightLevel"), "High");
    EXPECT_EQ(p.Sent(100), Texts{"cWSDS"}) << "the light level asks for the day shutter";
    p.Answer("cWSD3");
    EXPECT_EQ(p.ListText("DayShutter"), "1/180");
    EXPECT_EQ(p.Sent(100), Texts{"cWSNS"});
    p.Answer("cWSN9");
    EXPECT_EQ(p.ListText("NightShutter"), "1/10000");
    EXPECT_EQ(p.Sent(1200), Texts{"cWSDS"}) << "the timed day shutter query, at 1000 ms";
    p.Answer("cWSD3");
    p.Sent(100);
    p.Answer("cWSN9");
    EXPECT_EQ(p.Sent(1500), Texts{"cWSNS"}) << "and the night shutter's at 2500 ms";
    p.Answer("cWSN9");
    EXPECT_EQ(p.ListText("NightShutter"), "1/10000");
}

TEST(DayNightPanel, CommandEncodings)
{
    DayNightFixture p;
    p.Sent(600);
    p.Answer("cp1"); // the first line-lock report ends the initialising
    p.Find<QComboBox>("Shutter")->setCurrentIndex(12);
    EXPECT_EQ(p.Sent(100), Texts{"cS<"});
    p.Type("MaxAGC", "20");
    p.Click("SetMaxAGC");
    EXPECT_EQ(p.Sent(100), Texts{"cG$"});
    p.Find<QComboBox>("ZoomMagnification")->setCurrentIndex(9);
    EXPECT_EQ(p.Sent(100), Texts{std::string("cZm\x0A")});
    auto* position = p.Find<QLineEdit>("RealZoomPosition");
    position->setFocus();
    QTest::keyClicks(position, "ab1");
    p.Click("SetZoomPosition");
    EXPECT_EQ(p.Sent(100), Texts{"cV0AB1"});
    EXPECT_EQ(position->text().toStdString(), "0AB1");
    position->clear();
    p.Click("SetZoomPosition");
    EXPECT_EQ(p.t.prompter.shown.back().text, "Invalid Zoom Position");
    EXPECT_TRUE(position->hasFocus());
    // Aperture values outside 1-31 are not sent.
    p.Click("ApertureLevelManual");
    EXPECT_EQ(p.Sent(100), Texts{"cA1"});
    p.Type("Horizontal", "32");
    p.Click("SetHorz");
    EXPECT_TRUE(p.Sent(100).empty());
    p.Type("Horizontal", "31");
    p.Click("SetHorz");
    EXPECT_EQ(p.Sent(100), Texts{std::string("cAH/")});
    // Two commands before the pump runs: the newest wins.
    p.Click("WDROn");
    p.Click("BLCOn");
    EXPECT_EQ(p.Sent(100), Texts{"cB1"});
    // EIS on turns the digital zoom off and locks it.
    p.Click("EISOn");
    EXPECT_EQ(p.Sent(100), Texts{"cE1"});
    EXPECT_EQ(p.ListText("DigitalZoomRange"), "Off");
    EXPECT_FALSE(p.Find<QWidget>("DigitalZoomRange")->isEnabled());
    // White-balance gains: pressed and released.
    p.Click("WhiteBalanceManual");
    p.Sent(100);
    QTest::mousePress(p.Find<QWidget>("WhiteBalanceRU"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(100), Texts{"cWR"});
    QTest::mouseRelease(p.Find<QWidget>("WhiteBalanceRU"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(100), Texts{"cWQ"});
}

TEST(DayNightPanel, LineLockAndThePhaseRange)
{
    DayNightFixture p;
    p.Sent(600);
    p.Answer("cp0");
    EXPECT_TRUE(p.Find<QCheckBox>("Crystal")->isChecked());
    EXPECT_FALSE(p.Find<QSpinBox>("Phase")->isEnabled());
    p.Click("StatusQuery");
    p.Sent(100);
    p.Answer("cp4");
    EXPECT_EQ(p.Find<QSpinBox>("Phase")->value(), 3);
    EXPECT_FALSE(p.Find<QCheckBox>("Crystal")->isChecked());
    EXPECT_TRUE(p.Find<QSpinBox>("Phase")->isEnabled());
    p.Type("Phase", "5");
    EXPECT_EQ(p.Sent(100), Texts{"Lp6"});
    QTest::keyClick(p.Find<QSpinBox>("Phase"), Qt::Key_Tab);
    // A phase outside 0-5 gets the toolkit's range message and is not sent.
    p.Type("Phase", "7");
    QTest::keyClick(p.Find<QSpinBox>("Phase"), Qt::Key_Tab);
    QCoreApplication::processEvents();
    ASSERT_FALSE(p.t.prompter.shown.empty());
    EXPECT_EQ(p.t.prompter.shown.back().text, "Please enter an integer between 0 and 5.");
    EXPECT_EQ(p.Find<QSpinBox>("Phase")->value(), 5);
    EXPECT_TRUE(p.Sent(100).empty());
    p.Click("Crystal");
    EXPECT_EQ(p.Sent(100), Texts{"Lp0"});
    EXPECT_FALSE(p.Find<QSpinBox>("Phase")->isEnabled());
    // Enter and Escape move the focus on; they never close the panel.
    p.Find<QComboBox>("Shutter")->setFocus();
    QTest::keyClick(p.Find<QComboBox>("Shutter"), Qt::Key_Return);
    EXPECT_TRUE(p.panel->isVisible());
    EXPECT_NE(QApplication::focusWidget(), p.Find<QWidget>("Shutter"));
    QWidget* before = QApplication::focusWidget();
    QTest::keyClick(before, Qt::Key_Escape);
    EXPECT_TRUE(p.panel->isVisible());
    EXPECT_NE(QApplication::focusWidget(), before);
}

TEST(DayNightPanel, JavelinDayNightRecordsAndStatusBits)
{
    DayNightFixture p(3);
    const Bytes mono{0xFF, 0x08, 7, 6, 0, 1, 0, 0, 0x03, 0x00};
    // The first status request is the Javelin status record.
    p.t.clock.Advance(510);
    ASSERT_EQ(p.t.line.written.size(), 1u);
    EXPECT_EQ(p.t.line.written[0][3], 3);
    p.t.line.written.clear();
    p.t.line.Inject(mono);
    EXPECT_TRUE(p.Find<QAbstractButton>("DayNightCntrlMono")->isChecked());
    EXPECT_FALSE(p.Find<QWidget>("SetBaud4800")->isEnabled());
    EXPECT_FALSE(p.Find<QWidget>("WhiteBalanceAutoNormal")->isEnabled());
    // Color then Mono: the same record each time, one per answer.
    p.Click("DayNightCntrlColor");
    p.t.clock.Advance(6);
    p.t.line.Inject(mono);
    p.Click("DayNightCntrlMono");
    p.t.clock.Advance(6);
    ASSERT_EQ(p.t.line.written.size(), 2u);
    EXPECT_EQ(p.t.line.written[0], p.t.line.written[1]);
    EXPECT_EQ(p.t.line.written[0][6], 0x02);
    // Bit 0 clear: Auto, and neither Color nor Mono may be chosen.
    p.t.line.Inject({0xFF, 0x08, 7, 6, 0, 1, 0, 0, 0x00, 0x00});
    EXPECT_TRUE(p.Find<QAbstractButton>("DayNightCntrlAuto")->isChecked());
    EXPECT_FALSE(p.Find<QWidget>("DayNightCntrlColor")->isEnabled());
    EXPECT_FALSE(p.Find<QWidget>("DayNightCntrlMono")->isEnabled());
}

// Closing the panel while its reply is outstanding must not hold the
// console's next request.
TEST(DayNightPanel, ClosingWithAReplyOutstandingReleasesTheLink)
{
    TestConsole t(DayNightCamera());
    Settle(t);
    t.modal.steps.push_back([&](QDialog&) {
        t.clock.Advance(600); // the panel's status request goes and is not answered
        EXPECT_FALSE(t.line.written.empty());
        t.line.written.clear();
        return QDialog::Accepted;
    });
    QTest::mouseClick(static_cast<QAbstractButton*>(t.console->control(ConsoleControl::DspStatus)), Qt::LeftButton);
    ASSERT_EQ(t.modal.titles, Texts{"Day/Night DSP Camera Control"});
    EXPECT_EQ(TextsOf(Follow(t, 100)), Texts{"cDS"}) << "the console's status request after the panel";
    EXPECT_FALSE(t.console->replyFlags().panelReplyPending);
}

// The privacy zone dialog opens from the panel when the protocol is not a
// Javelin one, takes its replies while open, and the panel rests meanwhile.
TEST(DayNightPanel, PrivacySetupOpensTheZoneDialogUnlessTheProtocolIsJavelin)
{
    for (auto [protocol, enabled] : {std::pair{0, true}, {2, true}, {3, false}, {9, false}}) {
        DayNightFixture p(protocol);
        EXPECT_EQ(p.Find<QWidget>("PrivacySetup")->isEnabled(), enabled) << protocol;
    }
    DayNightFixture p;
    bool ran = false;
    p.t.modal.steps.push_back([&](QDialog& d) {
        ran = true;
        // The panel's own first status request (due at 500 ms) stays away.
        EXPECT_EQ(p.Sent(1100), (Texts{"csNA", "csZA?"}));
        p.Answer("csZA12");
        EXPECT_TRUE(d.findChild<QAbstractButton*>(QStringLiteral("ModeLive"))->isChecked());
        d.findChild<QAbstractButton*>(QStringLiteral("PTQuery"))->click();
        EXPECT_EQ(p.Sent(20), Texts{"cPS"});
        p.Answer("cP03590045");
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("Pan"))->text().toStdString(), "0359");
        return QDialog::Accepted;
    });
    p.Click("PrivacySetup");
    EXPECT_TRUE(ran);
    EXPECT_EQ(p.t.modal.titles, Texts{"Screen Privacy Zone Setup"});
    // The dialog's timers ended with it; the panel's first status request,
    // which had not gone yet, goes now.
    EXPECT_EQ(p.Sent(1000), Texts{"cDS"});
    EXPECT_FALSE(p.t.console->replyFlags().privacyReplyPending);
    p.Answer("cM2");
    EXPECT_TRUE(p.Find<QAbstractButton>("DayNightCntrlMono")->isChecked());
}

// Every control's body, driven the way the operator drives it.
TEST(DayNightPanel, EachControlSendsItsBody)
{
    DayNightFixture p;
    p.Sent(600);
    p.Answer("cp1"); // the first line-lock report ends the initialising
    struct Row {
        const char* name;
        enum { Click, Press, Down } how;
        std::string body;
    };
    const Row rows[] = {
        {"DayNightCntrlAuto", Row::Click, "cM0"},      {"DayNightCntrlMono", Row::Click, "cM2"},
        {"Poll", Row::Click, "cn1"},                    {"Poll", Row::Click, "cn0"},
        {"EnableRx", Row::Click, ":E"},                 {"EnableRx", Row::Click, ":D"},
        {"SetBaud4800", Row::Click, "cC0"},             {"SetBaud384K", Row::Click, "cC3"},
        {"FreezeOnOff", Row::Click, "cFF"},             {"VideoFreezeLive", Row::Click, "cFo"},
        {"VideoFreezeFreeze", Row::Click, "cFO"},       {"ProgressiveScanOff", Row::Click, "cso"},
        {"ProgressiveScanOn", Row::Click, "csO"},       {"ProgressiveScanOdd", Row::Click, "cse"},
        {"ProgressiveScanEven", Row::Click, "csE"},     {"WhiteBalanceAutoNormal", Row::Click, "cW0"},
        {"WhiteBalanceAutoHPS", Row::Click, "cW2"},     {"WhiteBalanceIndoor", Row::Click, "cw0"},
        {"WhiteBalanceOutdoor", Row::Click, "cw1"},     {"BLCOff", Row::Click, "cB0"},
        {"BLCBU", Row::Press, "cBi"},                   {"BLCBD", Row::Press, "cBd"},
        {"BlcSlow", Row::Click, "cBs"},                 {"BlcFast", Row::Click, "cBf"},
        {"GetZoomPosition", Row::Click, "cVS"},         {"StatusQuery", Row::Click, "cDS"},
        {"WDROff", Row::Click, "cY0"},                  {"EISOff", Row::Click, "cE0"},
        {"LightLevel", Row::Down, "cWL0"},              {"DayShutter", Row::Down, "cWSD0"},
        {"NightShutter", Row::Down, "cWSN0"},           {"DigitalSlowLimit", Row::Down, "ck0"},
        {"EISFrequency", Row::Down, "cEF1"},            {"DigitalZoomRange", Row::Down, "cD0"},
        {"Crystal", Row::Click, "Lp0"},                {"Crystal", Row::Click, "Lp1"},
    };
    for (const Row& r : rows) {
        auto* w = p.Find<QWidget>(r.name);
        ASSERT_NE(w, nullptr) << r.name;
        if (r.how == Row::Click) {
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, 6));
        } else if (r.how == Row::Press) {
            QTest::mousePress(w, Qt::LeftButton);
            QTest::mouseRelease(w, Qt::LeftButton);
        } else {
            w->setFocus();
            QTest::keyClick(w, Qt::Key_Down);
        }
        EXPECT_EQ(p.Sent(600), Texts{r.body}) << r.name;
    }
    // The Dsp command box goes as typed, in capitals, with no class letter.
    auto* command = p.Find<QLineEdit>("DspCommand");
    command->setFocus();
    QTest::keyClicks(command, "ab3");
    p.Click("SendDspCommand");
    EXPECT_EQ(p.Sent(600), Texts{"AB3"});
}

// Every control can be found by a screen reader, by its caption or the label beside it.
TEST(DayNightPanel, ControlsHaveTheirCaptionsAsAccessibleNames)
{
    DayNightFixture p;
    const std::pair<const char*, const char*> named[] = {
        {"Shutter", "Shutter"}, {"LightLevel", "Light Level"}, {"MaxAGC", "Max AGC"},
        {"WhiteBalanceManual", "Manual"}, {"WhiteBalanceRU", "RU"}, {"Phase", "Phase"}};
    for (auto [name, accessible] : named)
        EXPECT_EQ(p.Find<QWidget>(name)->accessibleName().toStdString(), accessible) << name;
    for (QWidget* w : p.panel->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QSpinBox*>(w)) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        }
    }
}
