// The HiDef panel on the console's fake line.
#include "HiDefPanel.h"
#include "OpenPanel.h"

#include <functional>

using Texts = std::vector<std::string>;

namespace {
ConsoleSettings HiDefCamera()
{
    ConsoleSettings s;
    s.receiverType = 7;
    s.cameraType = 13;
    return s;
}

struct HiDefFixture : OpenPanel<HiDefPanel> {
    HiDefFixture() : OpenPanel(HiDefCamera(), ReplyWindow::HiDef) {}
};
} // namespace

TEST(HiDefPanel, OpeningAsksForTheStatusWhosePairsSelectTheLists)
{
    HiDefFixture p;
    const FrameTimeline opening = Follow(p.t, 100);
    ASSERT_EQ(opening.size(), 1u);
    EXPECT_EQ(opening[0].second, "cDS");
    EXPECT_GE(opening[0].first, 50u);
    EXPECT_LE(opening[0].first, 55u);
    p.Answer("cD3e9v4");
    EXPECT_EQ(p.ListText("DigitalZoomRange"), "4X");
    EXPECT_EQ(p.ListText("Exposure"), "3dB");
    EXPECT_EQ(p.ListText("VideoMode"), "1080/50i");
    EXPECT_FALSE(p.t.console->replyFlags().panelReplyPending);
    EXPECT_TRUE(p.Sent(100).empty()) << "showing the status sends nothing back";
    // A status naming nothing in the lists leaves them as they are.
    p.Answer("cD7e8v9");
    EXPECT_EQ(p.ListText("DigitalZoomRange"), "4X");
    EXPECT_EQ(p.ListText("VideoMode"), "1080/50i");
}

TEST(HiDefPanel, ListsSendTheirCharacters)
{
    HiDefFixture p;
    p.Sent(100);
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { p.Choose("Exposure", 2); }, "ce;"}, // "6dB"
        {[&] { p.Choose("Exposure", 0); }, "ce7"},
        {[&] { p.Choose("Exposure", 3); }, "ce="},
        {[&] { p.Choose("DigitalZoomRange", 5); }, "cD5"},
        {[&] { p.Choose("VideoMode", 7); }, "cv7"},
        {[&] { p.Click("StatusQuery"); }, "cDS"},
    };
    for (const auto& [act, expected] : cases) {
        act();
        EXPECT_EQ(p.Sent(20), Texts{expected});
    }
}

TEST(HiDefPanel, ExposureStepsAskForTheStatusHalfASecondLater)
{
    HiDefFixture p;
    p.Sent(100);
    QTest::mousePress(p.Find<QWidget>("ExposureControlU"), Qt::LeftButton);
    QTest::mouseRelease(p.Find<QWidget>("ExposureControlU"), Qt::LeftButton);
    const FrameTimeline up = Follow(p.t, 600);
    ASSERT_EQ(up.size(), 2u);
    EXPECT_EQ(up[0].second, "ceu");
    EXPECT_EQ(up[1].second, "cDS");
    EXPECT_GE(up[1].first, 500u);
    EXPECT_LE(up[1].first, 510u);
    p.Answer("cD0e;v0");
    EXPECT_EQ(p.ListText("Exposure"), "6dB");
    QTest::mousePress(p.Find<QWidget>("ExposureControlD"), Qt::LeftButton);
    QTest::mouseRelease(p.Find<QWidget>("ExposureControlD"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(600), (Texts{"ced", "cDS"}));
    // Cancel closes the panel; the later status request dies with it.
    QTest::mousePress(p.Find<QWidget>("ExposureControlU"), Qt::LeftButton);
    QTest::mouseRelease(p.Find<QWidget>("ExposureControlU"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(20), Texts{"ceu"});
    p.Click("Cancel");
    EXPECT_EQ(p.panel->result(), QDialog::Rejected);
    EXPECT_TRUE(p.Sent(600).empty());
}
