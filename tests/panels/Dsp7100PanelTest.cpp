#include "ConsoleControlIds.h"
#include "ConsoleTimeline.h"
#include "Dsp7100Panel.h"
#include "PictureButton.h"
#include "PresetFile.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
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

// A 'c' reply in mode 1: F8, address, the text, a checksum.
Bytes Reply(const std::string& text)
{
    Bytes f{0xF8, 0x01};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

// The command texts written since the last call (mode 1 framing stripped).
Texts Sent(TestConsole& t)
{
    Texts out;
    for (const auto& f : t.line.written)
        if (f.size() > 2) // not the console's acknowledgements
            out.emplace_back(f.begin() + 2, f.end() - 1);
    t.line.written.clear();
    return out;
}

// The edit text is taken when the list loses the focus.
void LoseFocus(QComboBox* list)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(list->lineEdit(), &out);
}

struct PanelFixture {
    PanelFixture()
    {
        Settle(t);
        panel = &t.console->dsp7100Panel();
        t.console->RegisterReplyWindow(ReplyWindow::Dsp7100, panel);
        panel->show();
    }
    void Reply7100(const std::string& text)
    {
        t.console->replyFlags().dsp7100ReplyPending = true;
        t.line.Inject(Reply(text));
    }
    template <class T> T* Find(const char* name) { return panel->findChild<T*>(QString::fromLatin1(name)); }

    TestConsole t{Dsp7100Camera()};
    Dsp7100Panel* panel = nullptr;
};
} // namespace

TEST(Dsp7100Panel, OpeningWritesThenAsksForColourBalanceUntilAnswered)
{
    PanelFixture p;
    p.panel->Open();
    EXPECT_EQ(Sent(p.t), (Texts{"cWh000", "cVi01", "cGg000", "cWh032", "cVi01", "cGg001"}));
    p.t.clock.Advance(1600);
    EXPECT_EQ(Sent(p.t), (Texts{"cWS", "cWS", "cWS"})) << "a silent camera hears WS every 500 ms";
    EXPECT_TRUE(p.t.console->replyFlags().dsp7100ReplyPending);
}

TEST(Dsp7100Panel, StatusRepliesMoveTheSequenceAndFillTheControls)
{
    PanelFixture p;
    p.panel->Open();
    Sent(p.t);
    // Colour: manual, value 045 at bytes 14 to 16.
    p.Reply7100("cW1000000000045");
    EXPECT_EQ(p.panel->statusStep(), 1);
    EXPECT_TRUE(p.Find<QRadioButton>("ColourManual")->isChecked());
    EXPECT_EQ(p.Find<QSpinBox>("ColourValue")->value(), 45);
    EXPECT_TRUE(p.Find<QSpinBox>("ColourValue")->isEnabled());
    // Shutter code 2: integration manual; digits 00 show 1.
    p.Reply7100("cV2300");
    EXPECT_EQ(p.panel->statusStep(), 2);
    EXPECT_TRUE(p.Find<QRadioButton>("IntegrationManual")->isChecked());
    EXPECT_TRUE(p.Find<QSpinBox>("Integration")->isEnabled());
    EXPECT_FALSE(p.Find<QComboBox>("ShutterSpeed")->isEnabled());
    EXPECT_EQ(p.Find<QSpinBox>("Integration")->value(), 1);
    p.Reply7100("cV4000");
    EXPECT_TRUE(p.Find<QRadioButton>("IntegrationExtern")->isChecked());
    // Gain that does not end where its fields end: nothing applied, the step moves on.
    const int gain = p.Find<QSpinBox>("GainValue")->value();
    p.Reply7100("cG1099x");
    EXPECT_EQ(p.panel->statusStep(), 3);
    EXPECT_EQ(p.Find<QSpinBox>("GainValue")->value(), gain);
    p.Reply7100("cG1099");
    EXPECT_EQ(p.Find<QSpinBox>("GainValue")->value(), 99);
    EXPECT_TRUE(p.Find<QComboBox>("Gamma")->isEnabled());
    Sent(p.t);
    p.t.clock.Advance(500);
    EXPECT_EQ(Sent(p.t), Texts{"cZS"});
    p.Reply7100("cZ0");
    p.t.clock.Advance(500);
    EXPECT_EQ(Sent(p.t), Texts{"cMS"});
    p.t.clock.Advance(2000);
    EXPECT_TRUE(Sent(p.t).empty()) << "the sequence ends with MS";
}

TEST(Dsp7100Panel, PresetsAndTheirFile)
{
    PanelFixture p;
    const std::string file = p.t.data.FilePath("PRESET.DAT");
    // An LF-only file with a name too long for a slot and only five lines.
    std::ofstream(file, std::ios::binary) << "Factory default\nDoor\nA name far longer than the slot holds\nYard\nGate\n";
    p.panel->Open();
    EXPECT_EQ(p.panel->presetNames()[1], "Door");
    EXPECT_EQ(p.panel->presetNames()[2], "A name far longer than ");
    EXPECT_EQ(p.panel->presetNames()[5], "");
    Sent(p.t);
    auto* list = p.Find<QComboBox>("PresetList");
    QTest::mouseClick(p.Find<QPushButton>("Store"), Qt::LeftButton);
    EXPECT_TRUE(Sent(p.t).empty()) << "Store on the factory entry sends nothing";
    list->setCurrentIndex(3);
    QTest::mouseClick(p.Find<QPushButton>("Store"), Qt::LeftButton);
    QTest::mouseClick(p.Find<QPushButton>("Recall"), Qt::LeftButton);
    QTest::mouseClick(p.Find<QPushButton>("Default"), Qt::LeftButton);
    EXPECT_EQ(Sent(p.t), (Texts{"cPs3", "cPr3", "cPd"}));

    // Renaming the fourth entry rewrites only its line.
    list->setCurrentIndex(3);
    list->setEditText(QStringLiteral("Car park"));
    LoseFocus(list);
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    EXPECT_EQ(s.str(), "Factory default\r\nDoor\r\nA name far longer than \r\nCar park\r\nGate\r\n\r\n\r\n\r\n\r\n\r\n");
}

TEST(Dsp7100Panel, HeldZoomStopsOnReleaseAnywhere)
{
    PanelFixture p;
    p.panel->Open();
    Sent(p.t);
    auto* in = p.Find<PictureButton>("SI");
    QTest::mousePress(in, Qt::LeftButton);
    QTest::mouseRelease(in, Qt::LeftButton, {}, QPoint(-400, -400));
    auto* up = p.Find<PictureButton>("SU");
    QTest::mousePress(up, Qt::LeftButton);
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_EQ(Sent(p.t), (Texts{"cZi", "cZs", "cZu", "cZq"}));
}

TEST(PresetFile, UnwritableFileIsReported)
{
    PanelFixture p;
    std::filesystem::create_directories(p.t.data.FilePath("PRESET.DAT")); // a folder in its place
    p.panel->Open();
    auto* list = p.Find<QComboBox>("PresetList");
    list->setCurrentIndex(2);
    list->setEditText(QStringLiteral("New name"));
    LoseFocus(list);
    ASSERT_FALSE(p.t.prompter.shown.empty());
    EXPECT_EQ(p.t.prompter.shown.back().text, "Unable to save PRESET.DAT");
    EXPECT_EQ(list->itemText(2).toStdString(), "New name") << "kept for this opening";
}
