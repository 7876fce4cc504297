// The "Thermal Control" panel on the console's fake line: what the operator
// does, what goes out, and what the panel shows after the camera answers.
#include "PanelOnConsole.h"
#include "ThermalPanel.h"

#include <QCheckBox>

namespace {
using Texts = std::vector<std::string>;

ConsoleSettings ThermalCamera(int cameraType = 15, int protocol = 0)
{
    ConsoleSettings s;
    s.receiverType = 12;
    s.cameraType = cameraType;
    s.protocol = protocol;
    return s;
}

struct Thermal : PanelOnConsole<ThermalPanel> {
    explicit Thermal(int cameraType = 15, int protocol = 0)
        : PanelOnConsole(ThermalCamera(cameraType, protocol), ReplyWindow::ThermalControl, cameraType)
    {
    }
    // Past the opening's status request.
    Thermal& Opened()
    {
        EXPECT_EQ(Sent(600), Texts{"tDS"});
        return *this;
    }
    std::vector<std::string> RoiLabels()
    {
        std::vector<std::string> out;
        for (const char* name : {"Leftrange", "Toprange", "Rightrange", "Bottomrange", "ROIwidth", "ROIheight"})
            out.push_back(LabelText(name));
        return out;
    }
};

const std::vector<std::string> k640 = {"(0 to 639)", "(0 to 511)", "(1 to 640)", "(1 to 512)", "(640)", "(512)"};
const std::vector<std::string> k320 = {"(0 to 319)", "(0 to 255)", "(1 to 320)", "(1 to 256)", "(320)", "(256)"};
} // namespace

TEST(ThermalPanel, OpeningAsksForStatusAndTheStatusFillsEveryControl)
{
    Thermal p(16);
    EXPECT_EQ(p.Value("FFCInterval"), 7200);
    EXPECT_EQ(p.Value("DDE"), 18);
    EXPECT_EQ(p.Value("ROIRight"), 320);
    EXPECT_EQ(p.ListText("PolarityLUT"), "");
    p.Opened();
    p.Answer("tW2k01200050R010020300250A0500100200B1C;F1S1X3i2c0d\x2A");
    EXPECT_TRUE(p.Checked("FlatFieldCorrectionExt"));
    EXPECT_EQ(p.Value("FFCInterval"), 1200);
    EXPECT_EQ(p.Value("FFCTempChange"), 50);
    EXPECT_EQ(p.Value("ROILeft"), 10);
    EXPECT_EQ(p.Value("ROITop"), 20);
    EXPECT_EQ(p.Value("ROIRight"), 300);
    EXPECT_EQ(p.Value("ROIBottom"), 250);
    EXPECT_EQ(p.Value("Plateau"), 500);
    EXPECT_EQ(p.Value("ITTMean"), 100);
    EXPECT_EQ(p.Value("MaxGain"), 200);
    EXPECT_TRUE(p.Checked("VideoColor"));
    EXPECT_EQ(p.ListText("PolarityLUT"), "Rain");
    EXPECT_TRUE(p.Checked("OperatingmodeFrozen"));
    EXPECT_TRUE(p.Checked("SuppOffsetEnabled"));
    EXPECT_EQ(p.ListText("DigitalZoom"), "8X");
    EXPECT_EQ(p.ListText("ImageOrientation"), "Revert");
    EXPECT_EQ(p.Value("DDE"), 27);
    EXPECT_TRUE(p.Sent(1000).empty()) << "showing the status sends nothing back";
}

TEST(ThermalPanel, CommandsOfTheControls)
{
    Thermal p;
    p.Opened();
    // "Set" (FFC) takes both boxes.
    p.Type("FFCInterval", "7200");
    p.Type("FFCTempChange", "5");
    p.Click("SetFFC");
    EXPECT_EQ(p.Sent(100), Texts{"tk07200005"});
    p.Type("Plateau", "300");
    p.Type("ITTMean", "7");
    p.Type("MaxGain", "255");
    p.Click("SetAGC");
    EXPECT_EQ(p.Sent(100), Texts{"tA0300007255"});
    // DDE 18 goes as 18 + 15 in hex.
    p.Type("DDE", "18");
    p.Click("SetDDE");
    EXPECT_EQ(p.Sent(100), Texts{"td21"});
    // The pass-through text goes with its length, in upper case.
    auto* box = p.Find<QLineEdit>("PassThrough");
    box->setFocus();
    QTest::keyClicks(box, "abc");
    p.Click("SendPassThrough");
    EXPECT_EQ(p.Sent(100), Texts{"tt03ABC"});
    struct Click {
        const char* name;
        const char* body;
    } clicks[] = {
        {"FlatFieldCorrectionManual", "tW0"}, {"FlatFieldCorrectionExt", "tW2"}, {"DoFFC", "trh"},
        {"OperatingmodeRealTime", "tF0"},     {"OperatingmodeFrozen", "tF1"},    {"VideoMono", "tB0"},
        {"VideoColor", "tB1"},                {"SuppOffsetEnabled", "tS1"},      {"SuppOffsetEnabled", "tS0"},
        {"StatusQuery", "tDS"},
    };
    for (const Click& c : clicks) {
        p.Click(c.name);
        EXPECT_EQ(p.Sent(100), Texts{c.body}) << c.name;
    }
    p.Choose("PolarityLUT", 11);
    EXPECT_EQ(p.Sent(100), Texts{"tC;"});
    p.Choose("ImageOrientation", 3);
    EXPECT_EQ(p.Sent(100), Texts{"ti3"});
    p.Choose("DigitalZoom", 2);
    EXPECT_EQ(p.Sent(100), Texts{"tX2"});
    // Focus: pressed moves, released stops.
    QTest::mousePress(p.Find<QWidget>("FocusNear"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(100), Texts{"tfN"});
    QTest::mouseRelease(p.Find<QWidget>("FocusNear"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(100), Texts{"tfS"});
    QTest::mousePress(p.Find<QWidget>("FocusFar"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(100), Texts{"tfF"});
    QTest::mouseRelease(p.Find<QWidget>("FocusFar"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(100), Texts{"tfS"});
    EXPECT_TRUE(p.Shown().empty());
}

TEST(ThermalPanel, RoiIsCheckedBeforeItGoes)
{
    Thermal p(16);
    p.Opened();
    // Both in range, but left is not left of right.
    p.Type("ROILeft", "100");
    p.Type("ROIRight", "100");
    p.Click("SetROI");
    EXPECT_TRUE(p.Sent(100).empty());
    ASSERT_EQ(p.t.prompter.shown.size(), 1u);
    EXPECT_EQ(p.t.prompter.shown[0].text, "Error! Cannot set ROI - Values are not in range!");
    EXPECT_EQ(p.t.prompter.shown[0].icon, MessageIcon::Warning);
    p.Shown();
    // Beyond the 320 x 256 sensor of this camera type.
    p.Type("ROILeft", "0");
    p.Type("ROIRight", "321");
    p.Click("SetROI");
    EXPECT_TRUE(p.Sent(100).empty());
    EXPECT_EQ(p.Shown(), Texts{"Error! Cannot set ROI - Values are not in range!"});
    p.Type("ROIRight", "320");
    p.Type("ROITop", "60");
    p.Click("SetROI");
    EXPECT_EQ(p.Sent(100), Texts{"tR000060320256"});
    EXPECT_TRUE(p.Shown().empty());
}

TEST(ThermalPanel, RoiPresetsFollowTheSensorTheCameraReports)
{
    // A 320 camera type whose status says 640 x 512: the reported sensor counts.
    Thermal p(16);
    p.Opened();
    EXPECT_EQ(p.RoiLabels(), k320);
    p.Answer("tc1");
    EXPECT_EQ(p.RoiLabels(), k640);
    p.Choose("ROIPresets", 1);
    EXPECT_EQ(p.ListText("ROIPresets"), "Ignore Sky");
    EXPECT_EQ(p.Sent(100), Texts{"tR000168640512"});
    p.Answer("tc0");
    EXPECT_EQ(p.RoiLabels(), k320);
    p.Sent(600); // the status read after the preset
    p.Choose("ROIPresets", 2);
    EXPECT_EQ(p.Sent(100), Texts{"tR080064240192"});
}

TEST(ThermalPanel, RoiLabelsAtOpeningByCameraType)
{
    struct Case {
        int cameraType;
        std::vector<std::string> labels;
    } cases[] = {{15, k640}, {16, k320}, {18, k320}};
    for (const Case& c : cases) {
        Thermal p(c.cameraType);
        EXPECT_EQ(p.RoiLabels(), c.labels) << c.cameraType;
    }
}

// Presets and the user settings that change the camera's state are read
// back 500 ms later; "Save" changes nothing to read.
TEST(ThermalPanel, StatusReadAgainAfterPresetsRecallResetAndDefaults)
{
    Thermal p;
    p.Opened();
    struct Case {
        const char* control;
        int preset; // a list entry, or -1 for a button
        const char* body;
        bool readsAgain;
    } cases[] = {
        {"AGCPresets", 1, "tA0150110018", true}, {"AGCPresets", 3, "tA0100120010", true},
        {"ROIPresets", 0, "tR000000320256", true}, {"Recall", -1, "tss", true},
        {"Reset", -1, "tsR", true},              {"FactoryDefaults", -1, "tsD", true},
        {"Save", -1, "tsS", false},
    };
    for (const Case& c : cases) {
        if (c.preset >= 0)
            p.Choose(c.control, c.preset);
        else
            p.Click(c.control);
        const FrameTimeline sent = Follow(p.t, 700);
        ASSERT_GE(sent.size(), 1u) << c.control;
        EXPECT_EQ(sent[0].second, c.body) << c.control;
        if (c.readsAgain) {
            ASSERT_EQ(sent.size(), 2u) << c.control;
            EXPECT_EQ(sent[1].second, "tDS");
            EXPECT_GE(sent[1].first, 500u) << c.control;
            EXPECT_LE(sent[1].first, 560u) << c.control;
        } else {
            EXPECT_EQ(sent.size(), 1u) << c.control;
        }
    }
}

TEST(ThermalPanel, ReplyItemsShowAndOutOfRangeBoxValuesAreRefused)
{
    Thermal p;
    p.Opened();
    // 'd' with '!' (33) is DDE 18.
    p.Answer("tdA");
    EXPECT_EQ(p.Value("DDE"), 50);
    p.Click("StatusQuery");
    p.Sent(100);
    p.Answer("td!");
    EXPECT_EQ(p.Value("DDE"), 18);
    // A box value outside its range gets the toolkit's message and the click sends nothing.
    p.Type("FFCInterval", "30001");
    p.Click("SetFFC");
    EXPECT_EQ(p.Shown(), Texts{"Please enter an integer between 0 and 30000."});
    EXPECT_TRUE(p.Sent(100).empty());
    EXPECT_EQ(p.Value("FFCInterval"), 7200) << "back at the value it had, not a step typed on the way";
    // The next click reads the box as it stands now.
    p.Click("SetFFC");
    EXPECT_EQ(p.Sent(100), Texts{"tk07200005"});
    p.Type("DDE", "64");
    p.Click("SetDDE");
    EXPECT_EQ(p.Shown(), Texts{"Please enter an integer between 1 and 63."});
    EXPECT_TRUE(p.Sent(100).empty());
    // Leaving a box by Tab brings the message too, and a later click goes.
    p.Type("Plateau", "5");
    QTest::keyClick(p.Find<QSpinBox>("Plateau"), Qt::Key_Tab);
    EXPECT_EQ(p.Shown(), Texts{"Please enter an integer between 10 and 1000."});
    p.Click("SetAGC");
    EXPECT_EQ(p.Sent(100), Texts{"tA0010000000"});
}

TEST(ThermalPanel, PumpRunsAt50msAndAnUnansweredCommandHoldsTheLink500ms)
{
    Thermal p;
    p.Opened();
    p.Click("DoFFC");
    p.t.clock.Advance(49);
    EXPECT_TRUE(p.t.line.written.empty());
    p.t.clock.Advance(1);
    ASSERT_EQ(p.t.line.written.size(), 1u);
    p.Click("Save");
    p.t.clock.Advance(490);
    EXPECT_EQ(p.t.line.written.size(), 1u) << "waits for the answer";
    p.t.clock.Advance(60);
    EXPECT_EQ(p.t.line.written.size(), 2u) << "the time-out released the link";
}

TEST(ThermalPanel, JavelinStatusRecordInsteadOfTds)
{
    Thermal p(15, 3);
    p.t.clock.Advance(560);
    ASSERT_EQ(p.t.line.written.size(), 1u);
    const auto& record = p.t.line.written[0];
    ASSERT_EQ(record.size(), 8u);
    EXPECT_EQ(record[0], 0xFF);
    EXPECT_EQ(record[3], 3) << "status request group";
    EXPECT_EQ(record[6], 0);
    // The binary answer reaches the panel and changes nothing on it.
    p.t.line.Inject({0xFF, 0x08, 7, 6, 0, 1, 0, 0, 0x43, 0x00});
    EXPECT_FALSE(p.t.console->replyFlags().panelReplyPending);
    EXPECT_EQ(p.Value("DDE"), 18);
    p.t.line.written.clear();
    // The ROI preset's re-read is the record as well.
    p.Choose("ROIPresets", 0);
    p.t.clock.Advance(100);
    ASSERT_EQ(p.t.line.written.size(), 1u);
    EXPECT_EQ(p.t.line.written[0][2], 't');
    p.t.line.Inject({0x06});
    p.t.clock.Advance(500);
    ASSERT_EQ(p.t.line.written.size(), 2u);
    EXPECT_EQ(p.t.line.written[1][0], 0xFF);
    EXPECT_EQ(p.t.line.written[1][3], 3);
}
