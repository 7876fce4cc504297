#include "ConsoleTimeline.h"
#include "DayNightPanel.h"

#include <QAbstractButton>
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

struct DayNightFixture {
    explicit DayNightFixture(int protocol = 0)
    {
        ConsoleSettings s;
        s.receiverType = 5;
        s.cameraType = 3;
        s.protocol = protocol;
        t = std::make_unique<TestConsole>(s);
        Settle(*t);
        panel = std::make_unique<DayNightPanel>(*t->console, t->console.get());
        t->console->RegisterReplyWindow(ReplyWindow::DayNight, panel.get());
        t->console->SetQueuedPanel(panel.get());
        panel->Open();
        panel->show();
    }
    ~DayNightFixture()
    {
        t->console->SetQueuedPanel(nullptr);
        t->console->RegisterReplyWindow(ReplyWindow::DayNight, nullptr);
    }
    // A reply the panel waits for.
    void Answer(const std::string& text)
    {
        t->console->replyFlags().panelReplyPending = true;
        t->line.Inject(Reply(text));
    }
    template <class T> T* Find(const char* name) { return panel->findChild<T*>(QString::fromLatin1(name)); }
    Texts Sent(uint32_t ms) { return TextsOf(Follow(*t, ms)); }

    std::unique_ptr<TestConsole> t;
    std::unique_ptr<DayNightPanel> panel;
};
} // namespace

TEST(DayNightPanel, OpeningAsksForStatusAndTheStatusStringFillsTheControls)
{
    DayNightFixture p;
    EXPECT_EQ(p.Sent(600), Texts{"cDS"});
    p.Answer("cM1S5W1");
    EXPECT_TRUE(p.Find<QAbstractButton>("DayNightColor")->isChecked());
    EXPECT_EQ(p.Find<QComboBox>("Shutter")->currentIndex(), 5);
    EXPECT_EQ(p.Find<QComboBox>("Shutter")->currentText().toStdString(), "1/30");
    EXPECT_TRUE(p.Find<QAbstractButton>("WbManual")->isChecked());
    for (const char* name : {"WbRU", "WbRD", "WbBU", "WbBD"})
        EXPECT_TRUE(p.Find<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(p.Sent(200).empty()) << "showing the status sends nothing back";

    // 'G' then 's' in one status: cAS and then cGS queued, only cGS goes out.
    p.Answer(std::string("cG\x24so0"));
    EXPECT_EQ(p.panel->members().maxAgc, 20);
    EXPECT_EQ(p.Sent(600), Texts{"cGS"});
}

TEST(DayNightPanel, TheOpeningChain)
{
    DayNightFixture p;
    p.Sent(600);
    p.Answer(std::string("cA1\x30\x25\x30\x27")); // manual, horizontal 21, vertical 23
    EXPECT_EQ(p.panel->members().apertureH, 21);
    EXPECT_EQ(p.panel->members().apertureV, 23);
    EXPECT_TRUE(p.Find<QWidget>("SetHorz")->isEnabled());
    EXPECT_EQ(p.Sent(100), Texts{"cES"});
    p.Answer("cE1");
    EXPECT_EQ(p.panel->members().digitalZoom, 0);
    EXPECT_FALSE(p.Find<QWidget>("DigitalZoomRange")->isEnabled());
    EXPECT_EQ(p.Sent(100), Texts{"cEFS"});
    p.Answer("cEF1");
    // cEPS is replaced by cZmS before it leaves; the TR6204K3 queries go out directly.
    const FrameTimeline timeline = Follow(*p.t, 3000);
    EXPECT_EQ(TextsOf(timeline), (Texts{"cZmS", "cWLS", "cWSDS", "cWSNS"}));
    p.Answer(std::string("cZ\x00\x0A", 4));
    EXPECT_EQ(p.Find<QComboBox>("ZoomMagnification")->currentText().trimmed().toStdString(), "10X");
}

TEST(DayNightPanel, CommandEncodings)
{
    DayNightFixture p;
    p.Sent(600);
    p.Answer("cp1"); // ends the initialising
    p.Find<QComboBox>("Shutter")->setCurrentIndex(12);
    EXPECT_EQ(p.Sent(100), Texts{"cS<"});
    p.Find<QSpinBox>("MaxAgc")->setValue(20);
    QTest::mouseClick(p.Find<QAbstractButton>("SetMaxAgc"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(100), Texts{"cG$"});
    p.Find<QComboBox>("ZoomMagnification")->setCurrentIndex(9);
    EXPECT_EQ(p.Sent(100), Texts{std::string("cZm\x0A")});
    QTest::keyClicks(p.Find<QLineEdit>("RealZoomPosition"), "ab1");
    QTest::mouseClick(p.Find<QAbstractButton>("SetZoomPosition"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(100), Texts{"cV0AB1"});
    EXPECT_EQ(p.Find<QLineEdit>("RealZoomPosition")->text().toStdString(), "0AB1");
    p.Find<QLineEdit>("RealZoomPosition")->clear();
    QTest::mouseClick(p.Find<QAbstractButton>("SetZoomPosition"), Qt::LeftButton);
    EXPECT_EQ(p.t->prompter.shown.back().text, "Invalid Zoom Position");
    // Two commands before the pump runs: the newest wins.
    QTest::mouseClick(p.Find<QAbstractButton>("WdrOn"), Qt::LeftButton);
    QTest::mouseClick(p.Find<QAbstractButton>("BlcOn"), Qt::LeftButton);
    EXPECT_EQ(p.Sent(100), Texts{"cB1"});
}

TEST(DayNightPanel, LineLock)
{
    DayNightFixture p;
    p.Sent(600);
    p.Answer("cp0");
    EXPECT_TRUE(p.Find<QCheckBox>("Crystal")->isChecked());
    EXPECT_FALSE(p.Find<QSpinBox>("Phase")->isEnabled());
    EXPECT_FALSE(p.panel->initialising());
    p.Answer("cp4");
    EXPECT_EQ(p.Find<QSpinBox>("Phase")->value(), 3);
    EXPECT_FALSE(p.Find<QCheckBox>("Crystal")->isChecked());
    EXPECT_TRUE(p.Find<QSpinBox>("Phase")->isEnabled());
    p.Find<QSpinBox>("Phase")->setValue(5);
    EXPECT_EQ(p.Sent(100), Texts{"Lp6"});
    QTest::mouseClick(p.Find<QCheckBox>("Crystal"), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(p.Sent(100), Texts{"Lp0"});
}

TEST(DayNightPanel, JavelinDayNightRecords)
{
    DayNightFixture p(3);
    // The first status request is the Javelin status record.
    p.t->clock.Advance(510);
    ASSERT_FALSE(p.t->line.written.empty());
    EXPECT_EQ(p.t->line.written[0][3], 3);
    p.t->line.written.clear();
    p.t->console->link().linkReady = true;
    p.t->console->link().linkFree = true;
    // Color then Mono: two identical records.
    QTest::mouseClick(p.Find<QAbstractButton>("DayNightColor"), Qt::LeftButton);
    p.t->clock.Advance(6);
    p.t->console->link().linkReady = true;
    p.t->console->link().linkFree = true;
    QTest::mouseClick(p.Find<QAbstractButton>("DayNightMono"), Qt::LeftButton);
    p.t->clock.Advance(6);
    ASSERT_EQ(p.t->line.written.size(), 2u);
    EXPECT_EQ(p.t->line.written[0], p.t->line.written[1]);
    EXPECT_EQ(p.t->line.written[0][6], 0x02);
    // Binary status: bit 0 set, both bits: Mono.
    p.t->console->replyFlags().panelReplyPending = true;
    p.t->line.Inject({0xFF, 0x08, 7, 6, 0, 1, 0, 0, 0x03, 0x00});
    EXPECT_EQ(p.panel->members().dayNight, 2);
    EXPECT_TRUE(p.Find<QWidget>("DayNightMono")->isEnabled());
}
