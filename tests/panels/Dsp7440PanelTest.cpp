// The DSP 7440 panel on the console's fake line: what the operator does,
// what goes out, and what the panel shows after the camera answers.
#include "ConsoleTimeline.h"
#include "Dsp7440Panel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>

using Bytes = FakeLine::Bytes;
using Texts = std::vector<std::string>;

namespace {
ConsoleSettings Dsp7440Camera()
{
    ConsoleSettings s;
    s.receiverType = 5;
    s.cameraType = 4;
    return s;
}

// The panel open on the console as the console opens it, shown and active.
struct Dsp7440Fixture {
    Dsp7440Fixture() : t(Dsp7440Camera())
    {
        Settle(t);
        panel = std::make_unique<Dsp7440Panel>(*t.console, t.console.get());
        t.console->RegisterReplyWindow(ReplyWindow::Dsp7440, panel.get());
        t.console->SetQueuedPanel(panel.get());
        panel->Open();
        panel->show();
        QApplication::setActiveWindow(panel.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    }
    ~Dsp7440Fixture()
    {
        panel->done(QDialog::Accepted);
        t.console->SetQueuedPanel(nullptr);
        t.console->RegisterReplyWindow(ReplyWindow::Dsp7440, nullptr);
    }
    // Past the opening's "cDS", answered with the status string given.
    void Opened(const std::string& status)
    {
        EXPECT_EQ(Sent(600), Texts{"cDS"});
        Answer(status);
    }
    void Answer(const std::string& text)
    {
        Bytes f{0xF8, 0x01};
        f.insert(f.end(), text.begin(), text.end());
        f.push_back(0x80);
        t.line.Inject(f);
    }
    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton, {}, QPoint(6, 6)); }
    void Press(const char* name) { QTest::mousePress(Find<QWidget>(name), Qt::LeftButton, {}, QPoint(6, 6)); }
    void Release(const char* name) { QTest::mouseRelease(Find<QWidget>(name), Qt::LeftButton, {}, QPoint(6, 6)); }
    void Choose(const char* name, int index)
    {
        auto* list = Find<QComboBox>(name);
        EXPECT_TRUE(list->isEnabled()) << name;
        list->setCurrentIndex(index);
    }
    void Type(const char* name, const char* text)
    {
        auto* box = Find<QSpinBox>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    template <class T> T* Find(const char* name) { return panel->findChild<T*>(QString::fromLatin1(name)); }
    std::string ListText(const char* name) { return Find<QComboBox>(name)->currentText().toStdString(); }
    std::string LabelText(const char* name) { return Find<QLabel>(name)->text().toStdString(); }
    bool Enabled(const char* name) { return Find<QWidget>(name)->isEnabled(); }
    bool Checked(const char* name) { return Find<QAbstractButton>(name)->isChecked(); }
    Texts Sent(uint32_t ms) { return TextsOf(Follow(t, ms)); }

    TestConsole t;
    std::unique_ptr<Dsp7440Panel> panel;
};

// Where the slider's handle is drawn now.
QPoint HandleCentre(QSlider* slider)
{
    QStyleOptionSlider opt;
    opt.initFrom(slider);
    opt.orientation = slider->orientation();
    opt.minimum = slider->minimum();
    opt.maximum = slider->maximum();
    opt.sliderPosition = slider->sliderPosition();
    opt.sliderValue = slider->value();
    opt.singleStep = slider->singleStep();
    opt.pageStep = slider->pageStep();
    opt.subControls = QStyle::SC_All;
    return slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider).center();
}
} // namespace

TEST(Dsp7440Panel, OpeningAsksForStatusAndTheStatusFillsTheControls)
{
    Dsp7440Fixture p;
    // Before the camera answers: the sliders at their first values, locked.
    EXPECT_EQ(p.LabelText("RedValue"), "055");
    EXPECT_EQ(p.LabelText("BlueValue"), "057");
    EXPECT_FALSE(p.Enabled("Red"));
    EXPECT_FALSE(p.Enabled("Blue"));
    EXPECT_EQ(p.ListText("Preset"), "Factory Default");
    EXPECT_EQ(p.panel->windowTitle().toStdString(), "DSP 7440");

    p.Opened("cE1e2G4M128P3S6W2,100,150Y3g7i0");
    EXPECT_TRUE(p.Checked("Freeze"));
    EXPECT_TRUE(p.Checked("ColorBars"));
    EXPECT_FALSE(p.Enabled("ColorBars")) << "Freeze holds the other effects";
    EXPECT_FALSE(p.Enabled("HorizontalFlip"));
    EXPECT_TRUE(p.Enabled("Freeze"));
    EXPECT_EQ(p.ListText("GainMode"), "Manual");
    EXPECT_EQ(p.Find<QSpinBox>("Gain")->value(), 2);
    EXPECT_EQ(p.Find<QSpinBox>("AGCMax")->value(), 128);
    EXPECT_EQ(p.ListText("ShutterMode"), "Manual");
    EXPECT_EQ(p.ListText("ShutterSpeed"), "1/100");
    EXPECT_TRUE(p.Checked("AutoWhiteBalanceUser"));
    EXPECT_EQ(p.Find<QSlider>("Red")->value(), 100);
    EXPECT_EQ(p.LabelText("RedValue"), "100");
    EXPECT_EQ(p.LabelText("BlueValue"), "150");
    EXPECT_TRUE(p.Enabled("Red"));
    EXPECT_FALSE(p.Enabled("AutoWhiteBalanceH"));
    EXPECT_TRUE(p.Checked("BLCOn"));
    EXPECT_EQ(p.ListText("BLCMode"), "Auto Weighted Average");
    EXPECT_EQ(p.Find<QSpinBox>("Gamma")->value(), 7);
    EXPECT_EQ(p.ListText("Integration"), "Off");
    EXPECT_EQ(p.ListText("Preset"), "") << "camera preset 3 has no entry of its own";
    // Gain Manual, integration Off, shutter Manual: gain and speed, no length.
    EXPECT_TRUE(p.Enabled("Gain"));
    EXPECT_TRUE(p.Enabled("ShutterSpeed"));
    EXPECT_FALSE(p.Enabled("IntegrationLength"));
    EXPECT_TRUE(p.Sent(100).empty()) << "showing the status sends nothing back";

    // S4 selects shutter Auto; S? selects Manual and leaves the speed.
    p.Click("StatusQuery");
    EXPECT_EQ(p.Sent(100), Texts{"cDS"});
    p.Answer("cS4");
    EXPECT_EQ(p.ListText("ShutterMode"), "Auto");
    EXPECT_FALSE(p.Enabled("ShutterSpeed"));
    EXPECT_TRUE(p.Enabled("Gain"));
    p.Click("StatusQuery");
    p.Sent(100);
    p.Answer("cS?");
    EXPECT_EQ(p.ListText("ShutterMode"), "Manual");
    EXPECT_EQ(p.ListText("ShutterSpeed"), "1/100");
}

TEST(Dsp7440Panel, CommandEncodings)
{
    Dsp7440Fixture p;
    p.Opened("cE0e0G0M100PdS?W0Y0g0i0");
    struct Case {
        std::function<void()> act;
        Texts sent;
    } cases[] = {
        {[&] { p.Click("HorizontalFlip"); }, {"cE8"}},
        {[&] { p.Click("Freeze"); }, {"cE9"}},
        {[&] { p.Click("Freeze"); }, {"cE8"}},
        {[&] { p.Click("Monochrome"); }, {"ce1"}},
        {[&] { p.Click("YInvert"); }, {"ce9"}},
        // Gain Auto, integration Off, shutter Manual: the speed list is open.
        {[&] { p.Choose("ShutterSpeed", 7); }, {"cS<"}},
        {[&] { p.Choose("ShutterSpeed", 0); }, {"cS5"}},
        {[&] { p.Choose("ShutterMode", 0); }, {"cS4"}},
        {[&] { p.Choose("ShutterMode", 1); }, {"cS?"}},
        {[&] { p.Choose("GainMode", 1); }, {"cG1"}},
        {[&] { p.Type("Gain", "7"); }, {"cG9"}},
        {[&] { p.Choose("Integration", 0); }, {"ci1"}},
        {[&] { p.Choose("IntegrationLength", 10); }, {"ci<"}},
        {[&] { p.Type("AGCMax", "200"); }, {"cMG200"}},
        {[&] { p.Type("Gamma", "9"); }, {"cg9"}},
        // A box keeps to its range: "12" is refused after its "1", so no
        // character past '9' is ever sent.
        {[&] { p.Type("Gamma", "12"); }, {"cg1"}},
        {[&] { p.Type("Gain", "8"); }, {}},
        {[&] { p.Click("BLCOn"); }, {"cY1"}},
        {[&] { p.Choose("BLCMode", 3); }, {"cY5"}},
        {[&] { p.Click("BLCOff"); }, {"cY0"}},
        {[&] { p.Click("AutoWhiteBalanceManual"); }, {"cW1"}},
        {[&] { p.Click("StatusQuery"); }, {"cDS"}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        cases[i].act();
        EXPECT_EQ(p.Sent(100), cases[i].sent) << "step " << i;
    }
    // Freeze on holds the other seven; off lets them go again.
    p.Click("Freeze");
    p.Sent(100);
    for (const char* name : {"HorizontalFlip", "VerticalFlip", "180Rotate", "YInvert", "CInvert", "ColorBars",
                             "Monochrome"})
        EXPECT_FALSE(p.Enabled(name)) << name;
    p.Click("Freeze");
    EXPECT_EQ(p.Sent(100), Texts{"cE8"});
    EXPECT_TRUE(p.Enabled("180Rotate"));
    EXPECT_FALSE(p.Enabled("BLCMode")) << "the BLC mode list is for On only";
}

TEST(Dsp7440Panel, WhiteBalanceButtonsMoveOnlyInManual)
{
    Dsp7440Fixture p;
    p.Opened("cW0");
    // Auto: "H" and "T" are locked and pressing them sends nothing.
    EXPECT_FALSE(p.Enabled("AutoWhiteBalanceH"));
    p.Press("AutoWhiteBalanceH");
    p.Release("AutoWhiteBalanceH");
    EXPECT_TRUE(p.Sent(100).empty());

    p.Click("AutoWhiteBalanceManual");
    EXPECT_EQ(p.Sent(100), Texts{"cW1"});
    EXPECT_TRUE(p.Enabled("AutoWhiteBalanceT"));
    EXPECT_FALSE(p.Enabled("Red"));
    p.Press("AutoWhiteBalanceH");
    EXPECT_EQ(p.Sent(100), Texts{"cWu"});
    p.Release("AutoWhiteBalanceH");
    EXPECT_EQ(p.Sent(100), Texts{"cWs"});
    p.Press("AutoWhiteBalanceT");
    EXPECT_EQ(p.Sent(100), Texts{"cWd"});
    p.Release("AutoWhiteBalanceT");
    EXPECT_EQ(p.Sent(100), Texts{"cWs"});

    // The camera says Auto while "T" is held: the release sends nothing.
    p.Press("AutoWhiteBalanceT");
    EXPECT_EQ(p.Sent(100), Texts{"cWd"});
    p.Click("StatusQuery");
    p.Sent(100);
    p.Answer("cW0");
    p.Release("AutoWhiteBalanceT");
    EXPECT_TRUE(p.Sent(100).empty());
}

TEST(Dsp7440Panel, TheSlidersSendWhereADragEnds)
{
    Dsp7440Fixture p;
    p.Opened("cW2,055,057");
    auto* red = p.Find<QSlider>("Red");
    ASSERT_TRUE(red->isEnabled());
    const QPoint from = HandleCentre(red);
    QTest::mousePress(red, Qt::LeftButton, {}, from);
    for (int dx = 4; dx <= 40; dx += 4)
        QTest::mouseMove(red, from + QPoint(dx, 0));
    const std::string during = p.LabelText("RedValue");
    EXPECT_NE(during, "055") << "the label follows the drag";
    EXPECT_TRUE(p.Sent(100).empty()) << "nothing goes while dragging";
    QTest::mouseRelease(red, Qt::LeftButton, {}, from + QPoint(40, 0));
    EXPECT_EQ(p.Sent(100), Texts{"cWR" + during});
    EXPECT_EQ(p.panel->members().red, std::stoi(during));

    // The keys move it a step and that is where it ends.
    auto* blue = p.Find<QSlider>("Blue");
    blue->setFocus();
    QTest::keyClick(blue, Qt::Key_Right);
    EXPECT_EQ(p.LabelText("BlueValue"), "058");
    EXPECT_EQ(p.Sent(100), Texts{"cWB058"});

    // Another mode locks them.
    p.Click("AutoWhiteBalanceAuto");
    EXPECT_EQ(p.Sent(100), Texts{"cW0"});
    EXPECT_FALSE(red->isEnabled());
    EXPECT_FALSE(p.Find<QLabel>("BlueValue")->isEnabled());
}

TEST(Dsp7440Panel, ZoomPadSendsOncePerPressAndRelease)
{
    Dsp7440Fixture p;
    p.Opened("cW0");
    struct Case {
        const char* button;
        Texts sent;
    } cases[] = {
        {"ZoomControlIn", {"cD1", "cDs"}}, {"ZoomControlOut", {"cD2", "cDs"}}, {"ZoomControlL", {"cD4", "cDs"}},
        {"ZoomControlR", {"cD3", "cDs"}},  {"ZoomControlH", {"cD5", "cDs"}},   {"ZoomControlT", {"cD6", "cDs"}},
        {"ZoomControlC", {"cD7", "cDs"}},  {"ZoomControl1x", {"cD0"}},
    };
    for (const Case& c : cases) {
        p.Press(c.button);
        EXPECT_EQ(p.Sent(100), Texts{c.sent.front()}) << c.button;
        p.Release(c.button);
        EXPECT_EQ(p.Sent(100), Texts(c.sent.begin() + 1, c.sent.end())) << c.button;
    }
}

TEST(Dsp7440Panel, PresetsGoByTheCurrentIndex)
{
    Dsp7440Fixture p;
    p.Opened("cW0");
    p.Click("Recall");
    EXPECT_EQ(p.Sent(100), Texts{"cPrd"});
    p.Click("Store");
    EXPECT_EQ(p.Sent(100), Texts{"cPsd"});
    // The camera reports preset 3 (its digit 2) as the current one. (A
    // reply that starts with 'P' would be a position reply to the console.)
    p.Click("StatusQuery");
    p.Sent(100);
    p.Answer("cE0P2");
    p.Click("Recall");
    EXPECT_EQ(p.Sent(100), Texts{"cPr2"});
    p.Click("Store");
    EXPECT_EQ(p.Sent(100), Texts{"cPs2"});
    // No preset selected: nothing to recall.
    p.Click("StatusQuery");
    p.Sent(100);
    p.Answer("cE0PI");
    p.Click("Recall");
    EXPECT_TRUE(p.Sent(100).empty());
    // Choosing the factory entry again.
    p.Choose("Preset", 0);
    p.Click("Recall");
    EXPECT_EQ(p.Sent(100), Texts{"cPrd"});
}
