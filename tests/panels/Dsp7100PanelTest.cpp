// The DSP 7100 panel on the console's fake line.
#include "ConsoleTimeline.h"
#include "Dsp7100Panel.h"
#include "PictureButton.h"
#include "PresetFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using Bytes = FakeLine::Bytes;
using Texts = std::vector<std::string>;

namespace {
ConsoleSettings Dsp7100Camera()
{
    ConsoleSettings s;
    s.receiverType = 5;
    s.cameraType = 1;
    return s;
}

// A 'c' reply in the 0xF8 mode: start, address, the text, a checksum.
Bytes Reply(const std::string& text)
{
    Bytes f{0xF8, 0x01};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The console's own panel, opened as the console opens it, shown and active.
struct PanelFixture {
    PanelFixture()
    {
        Settle(t);
        panel = &t.console->dsp7100Panel();
        t.console->RegisterReplyWindow(ReplyWindow::Dsp7100, panel);
    }
    ~PanelFixture()
    {
        panel->done(QDialog::Accepted);
        t.console->RegisterReplyWindow(ReplyWindow::Dsp7100, nullptr);
    }
    void Open()
    {
        panel->Open();
        panel->show();
        QApplication::setActiveWindow(panel);
        EXPECT_TRUE(QTest::qWaitForWindowActive(panel));
    }
    // The command texts written since the last call.
    Texts Sent()
    {
        Texts out;
        for (const auto& f : t.line.written)
            if (f.size() > 2) // not the console's acknowledgements
                out.emplace_back(f.begin() + 2, f.end() - 1);
        t.line.written.clear();
        return out;
    }
    void Answer(const std::string& text) { t.line.Inject(Reply(text)); }
    template <class T> T* Find(const char* name) { return panel->findChild<T*>(QString::fromLatin1(name)); }
    // Types a name over the selected preset, then ends the editing with key.
    void TypeName(int index, const char* name, Qt::Key key)
    {
        auto* list = Find<QComboBox>("PresetList");
        list->setCurrentIndex(index);
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), name);
        if (key != Qt::Key_unknown)
            QTest::keyClick(list->lineEdit(), key);
    }

    TestConsole t{Dsp7100Camera()};
    Dsp7100Panel* panel = nullptr;
};
} // namespace

TEST(Dsp7100Panel, OpeningWritesThenAsksForColourBalanceUntilAnswered)
{
    PanelFixture p;
    p.Open();
    EXPECT_EQ(p.Sent(), (Texts{"cWh000", "cVi01", "cGg000", "cWh032", "cVi01", "cGg001"}));
    EXPECT_EQ(p.Find<QSpinBox>("ColorValue")->value(), 32);
    EXPECT_EQ(p.Find<QComboBox>("Gamma")->currentText().toStdString(), ".45");
    p.t.clock.Advance(1600);
    EXPECT_EQ(p.Sent(), (Texts{"cWS", "cWS", "cWS"})) << "a silent camera hears WS every 500 ms";
}

TEST(Dsp7100Panel, StatusRepliesMoveTheSequenceAndFillTheControls)
{
    PanelFixture p;
    p.Open();
    p.t.clock.Advance(500);
    p.Sent();
    // Colour: manual, value 045 at bytes 14 to 16; the box's new value goes back.
    p.Answer("cW1000000000045");
    EXPECT_EQ(p.panel->statusStep(), 1);
    EXPECT_TRUE(p.Find<QRadioButton>("ColorBalanceManual")->isChecked());
    EXPECT_EQ(p.Find<QSpinBox>("ColorValue")->value(), 45);
    EXPECT_TRUE(p.Find<QSpinBox>("ColorValue")->isEnabled());
    EXPECT_EQ(p.Sent(), Texts{"cWh045"});
    // A digit that is not '0'-'9' is not taken, and nothing goes back.
    p.t.clock.Advance(500);
    p.Sent();
    p.Answer("cW1000000000:;5");
    EXPECT_EQ(p.Find<QSpinBox>("ColorValue")->value(), 45);
    EXPECT_TRUE(p.Sent().empty());
    // Shutter code 2: integration manual; digits 00 show 1.
    p.t.clock.Advance(500);
    EXPECT_EQ(p.Sent(), Texts{"cVS"});
    p.Answer("cV2300");
    EXPECT_EQ(p.panel->statusStep(), 2);
    EXPECT_TRUE(p.Find<QRadioButton>("ShutterIManual")->isChecked());
    EXPECT_TRUE(p.Find<QSpinBox>("Integration")->isEnabled());
    EXPECT_FALSE(p.Find<QComboBox>("Speed")->isEnabled());
    EXPECT_EQ(p.Find<QSpinBox>("Integration")->value(), 1);
    p.Sent();
    p.Answer("cV4000");
    EXPECT_TRUE(p.Find<QRadioButton>("ShutterIExtern")->isChecked());
    EXPECT_FALSE(p.Find<QSpinBox>("Integration")->isEnabled());
    EXPECT_EQ(p.Sent(), Texts{"cVi01"});
    // Each written box sends its value back, so the camera's next answer
    // reaches the panel too.
    p.Answer("cG1099");
    EXPECT_EQ(p.panel->statusStep(), 3);
    EXPECT_EQ(p.Find<QSpinBox>("GainValue")->value(), 99);
    EXPECT_TRUE(p.Find<QComboBox>("Gamma")->isEnabled());
    EXPECT_EQ(p.Sent(), Texts{"cGg099"});
    // Gain that does not end where its fields end: nothing applied.
    p.Answer("cG1000x");
    EXPECT_EQ(p.Find<QSpinBox>("GainValue")->value(), 99);
    EXPECT_TRUE(p.Sent().empty());
    p.Sent();
    p.t.clock.Advance(500);
    EXPECT_EQ(p.Sent(), Texts{"cZS"});
    p.Answer("cZ0");
    p.t.clock.Advance(500);
    EXPECT_EQ(p.Sent(), Texts{"cMS"});
    p.Answer("cM17000000000");
    EXPECT_TRUE(p.Find<QCheckBox>("Backlightcomp")->isChecked());
    EXPECT_EQ(p.Find<QComboBox>("Gamma")->currentText().toStdString(), ".30");
    p.t.clock.Advance(2000);
    EXPECT_TRUE(p.Sent().empty()) << "the sequence ends with MS";
}

TEST(Dsp7100Panel, ControlsSendTheirBodiesWithTheClassLetter)
{
    PanelFixture p;
    p.Open();
    p.Sent();
    QTest::mouseClick(p.Find<QRadioButton>("ColorBalanceManual"), Qt::LeftButton, {}, QPoint(6, 6));
    auto* colour = p.Find<QSpinBox>("ColorValue");
    colour->setFocus();
    colour->selectAll();
    QTest::keyClicks(colour, "7");
    QTest::keyClick(colour, Qt::Key_Up);
    QTest::mouseClick(p.Find<QRadioButton>("ShutterSManual"), Qt::LeftButton, {}, QPoint(6, 6));
    p.Find<QComboBox>("Speed")->setCurrentIndex(6);
    QTest::mouseClick(p.Find<QCheckBox>("Backlightcomp"), Qt::LeftButton, {}, QPoint(6, 6));
    QTest::mouseClick(p.Find<QCheckBox>("Backlightcomp"), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(p.Sent(), (Texts{"cWm", "cWh007", "cWh008", "cVm", "cVs6", "cBn", "cBf"}));
    EXPECT_FALSE(p.Find<QSpinBox>("Integration")->isEnabled());
}

TEST(Dsp7100Panel, PresetsAndTheirFile)
{
    PanelFixture p;
    const std::string file = p.t.data.FilePath("PRESET.DAT");
    // An LF-only file with a name too long for a slot and only five lines.
    std::ofstream(file, std::ios::binary) << "Factory default\nDoor\nA name far longer than the slot holds\nYard\nGate\n";
    p.Open();
    EXPECT_EQ(p.panel->presetNames()[1], "Door");
    EXPECT_EQ(p.panel->presetNames()[2], "A name far longer than ");
    EXPECT_EQ(p.panel->presetNames()[5], "");
    p.Sent();
    auto* list = p.Find<QComboBox>("PresetList");
    QTest::mouseClick(p.Find<QPushButton>("Store"), Qt::LeftButton);
    EXPECT_TRUE(p.Sent().empty()) << "Store on the factory entry sends nothing";
    list->setCurrentIndex(3);
    QTest::mouseClick(p.Find<QPushButton>("Store"), Qt::LeftButton);
    QTest::mouseClick(p.Find<QPushButton>("Recall"), Qt::LeftButton);
    QTest::mouseClick(p.Find<QPushButton>("Default"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(), (Texts{"cPs3", "cPr3", "cPd"}));
    EXPECT_EQ(list->currentIndex(), 0);

    // Renaming the fourth entry with Tab rewrites only its line.
    p.TypeName(3, "Car park", Qt::Key_Tab);
    EXPECT_EQ(FileText(file), "Factory default\r\nDoor\r\nA name far longer than \r\nCar park\r\nGate\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(list->itemText(3).toStdString(), "Car park");
    // Enter ends the editing too, moves the focus on and keeps the panel open.
    p.TypeName(4, "Gate 2", Qt::Key_Return);
    EXPECT_EQ(p.panel->presetNames()[4], "Gate 2");
    EXPECT_TRUE(p.panel->isVisible());
    EXPECT_NE(QApplication::focusWidget(), list->lineEdit());
    // So does a click on "Store": renamed first, then stored.
    p.TypeName(5, "Loading bay", Qt::Key_unknown);
    QTest::mouseClick(p.Find<QPushButton>("Store"), Qt::LeftButton);
    EXPECT_EQ(p.panel->presetNames()[5], "Loading bay");
    EXPECT_EQ(p.Sent(), Texts{"cPs5"});
    EXPECT_EQ(list->currentIndex(), 5);
    // The factory entry keeps its name.
    p.TypeName(0, "Mine", Qt::Key_Tab);
    EXPECT_EQ(p.panel->presetNames()[0], "Factory default");
}

TEST(Dsp7100Panel, HeldZoomStopsOnReleaseAnywhere)
{
    PanelFixture p;
    p.Open();
    p.Sent();
    auto* in = p.Find<PictureButton>("SI");
    QTest::mousePress(in, Qt::LeftButton);
    QTest::mouseRelease(in, Qt::LeftButton, {}, QPoint(-400, -400));
    auto* up = p.Find<PictureButton>("SU");
    QTest::mousePress(up, Qt::LeftButton);
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_EQ(p.Sent(), (Texts{"cZi", "cZs", "cZu", "cZq"}));
}

TEST(Dsp7100Panel, AnUnwritableFileIsReported)
{
    PanelFixture p;
    std::filesystem::create_directories(p.t.data.FilePath("PRESET.DAT")); // a folder in its place
    p.Open();
    p.TypeName(2, "New name", Qt::Key_Tab);
    ASSERT_FALSE(p.t.prompter.shown.empty());
    EXPECT_EQ(p.t.prompter.shown.back().text, "Unable to save PRESET.DAT");
    EXPECT_EQ(p.Find<QComboBox>("PresetList")->itemText(2).toStdString(), "New name") << "kept for this opening";
}

// Each control's body, driven the way the operator drives it.
TEST(Dsp7100Panel, EachControlSendsItsBody)
{
    PanelFixture p;
    p.Open();
    p.Sent();
    auto click = [&](const char* name) {
        QTest::mouseClick(p.Find<QWidget>(name), Qt::LeftButton, {}, QPoint(6, 6));
        return p.Sent();
    };
    auto type = [&](const char* name, const char* text) {
        auto* box = p.Find<QSpinBox>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        return p.Sent();
    };
    auto hold = [&](const char* name) {
        QTest::mousePress(p.Find<QWidget>(name), Qt::LeftButton);
        QTest::mouseRelease(p.Find<QWidget>(name), Qt::LeftButton);
        return p.Sent();
    };
    EXPECT_EQ(click("ShutterSAuto"), Texts{"cVa"});
    EXPECT_EQ(click("ShutterIExtern"), Texts{"cVE"});
    EXPECT_EQ(click("ShutterIManual"), Texts{"cVM"});
    EXPECT_EQ(type("Integration", "7"), Texts{"cVi07"});
    EXPECT_EQ(click("GainAuto"), Texts{"cGa"});
    EXPECT_FALSE(p.Find<QWidget>("Gamma")->isEnabled());
    EXPECT_EQ(click("GainManual"), Texts{"cGm"});
    EXPECT_EQ(type("GainValue", "12"), Texts{"cGg012"}) << "1 is what the box holds already";
    p.Find<QWidget>("Gamma")->setFocus();
    QTest::keyClick(p.Find<QWidget>("Gamma"), Qt::Key_Down);
    EXPECT_EQ(p.Sent(), Texts{"cYy6"});
    EXPECT_EQ(click("ColorBalanceAuto"), Texts{"cWt"});
    EXPECT_EQ(hold("SL"), (Texts{"cZl", "cZq"}));
    EXPECT_EQ(hold("SR"), (Texts{"cZr", "cZq"}));
    EXPECT_EQ(hold("SD"), (Texts{"cZd", "cZq"}));
    EXPECT_EQ(hold("SC"), (Texts{"cZc", "cZq"}));
    EXPECT_EQ(hold("SO"), (Texts{"cZo", "cZs"}));
    // Closed while a zoom is held: the zoom is stopped.
    QTest::mousePress(p.Find<QWidget>("SI"), Qt::LeftButton);
    p.panel->done(QDialog::Accepted);
    EXPECT_EQ(p.Sent(), (Texts{"cZi", "cZs"}));
}

// At opening the boxes wait for the camera (or the operator) to say the
// mode; modes kept from the last opening do not enable them.
TEST(Dsp7100Panel, BoxesStayDisabledUntilTheModesAreKnownAfterEachOpening)
{
    PanelFixture p;
    p.Open();
    p.t.clock.Advance(500);
    p.Answer("cW1000000000045");
    EXPECT_TRUE(p.Find<QWidget>("ColorValue")->isEnabled());
    p.panel->done(QDialog::Accepted);
    p.Open();
    EXPECT_TRUE(p.Find<QRadioButton>("ColorBalanceManual")->isChecked()) << "the kept mode is shown";
    for (const char* name : {"ColorValue", "Speed", "Integration", "GainValue"})
        EXPECT_FALSE(p.Find<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(p.Find<QWidget>("Gamma")->isEnabled());
}
