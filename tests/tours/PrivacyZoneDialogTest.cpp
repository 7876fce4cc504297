// The privacy zone dialog on the console's fake line: what the operator
// does, what goes out and when, and what the dialog shows after the camera
// answers through the console's routing.
#include "ConsoleTimeline.h"
#include "PTControl.h"
#include "PadCommands.h"
#include "PrivacyZoneDialog.h"

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
ConsoleSettings DayNightCamera()
{
    ConsoleSettings s;
    s.receiverType = 5;
    s.cameraType = 3;
    return s;
}

// The dialog open on the console as the console opens it, shown and active.
struct PrivacyFixture {
    PrivacyFixture() : t(DayNightCamera())
    {
        Settle(t);
        dialog = std::make_unique<PrivacyZoneDialog>(*t.console, 15, 15, t.console.get());
        t.console->RegisterReplyWindow(ReplyWindow::PrivacyZone, dialog.get());
        dialog->Open();
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    ~PrivacyFixture()
    {
        dialog->done(QDialog::Accepted);
        t.console->RegisterReplyWindow(ReplyWindow::PrivacyZone, nullptr);
    }
    // Past the opening: zone A selected and its status asked for.
    void PastOpening() { EXPECT_EQ(Sent(1100), (Texts{"csNA", "csZA?"})); }
    // The camera's answer, through the console's routing.
    void Answer(const std::string& text)
    {
        Bytes f{0xF8, 0x01};
        f.insert(f.end(), text.begin(), text.end());
        f.push_back(0x80);
        t.line.Inject(f);
    }
    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton, {}, QPoint(6, 6)); }
    void Type(QWidget* box, const char* text)
    {
        box->setFocus();
        if (auto* spin = qobject_cast<QSpinBox*>(box))
            spin->selectAll();
        else
            static_cast<QLineEdit*>(box)->selectAll();
        QTest::keyClicks(box, text);
    }
    template <class T> T* Find(const char* name) { return dialog->findChild<T*>(QString::fromLatin1(name)); }
    bool Checked(const char* name) { return Find<QAbstractButton>(name)->isChecked(); }
    std::string ListText(const char* name) { return Find<QComboBox>(name)->currentText().toStdString(); }
    std::string BoxText(const char* name) { return Find<QLineEdit>(name)->text().toStdString(); }
    Texts Sent(uint32_t ms) { return TextsOf(Follow(t, ms)); }

    TestConsole t;
    std::unique_ptr<PrivacyZoneDialog> dialog;
};
} // namespace

TEST(PrivacyZoneDialog, OpeningWalksZoneStatusColoursAndSizeIntoTheControls)
{
    PrivacyFixture p;
    EXPECT_EQ(p.dialog->windowTitle().toStdString(), "Screen Privacy Zone Setup");
    EXPECT_EQ(Follow(p.t, 1100), (FrameTimeline{{5, "csNA"}, {1005, "csZA?"}}));
    EXPECT_TRUE(p.t.console->replyFlags().privacyReplyPending);
    p.Answer("csZA12");
    EXPECT_TRUE(p.Checked("HasBeen"));
    EXPECT_TRUE(p.Checked("ModeLive"));
    EXPECT_FALSE(p.t.console->replyFlags().privacyReplyPending) << "the zone reply was the awaited one";
    EXPECT_EQ(Follow(p.t, 300), (FrameTimeline{{255, "csC?"}}));
    p.Answer("csCP81L:0");
    EXPECT_EQ(p.ListText("ProgrammingColor"), "Red");
    EXPECT_TRUE(p.Checked("ProgrammingTransparency"));
    EXPECT_EQ(p.ListText("LiveColor"), "Blue");
    EXPECT_FALSE(p.Checked("LiveTransparency"));
    EXPECT_EQ(Follow(p.t, 300), (FrameTimeline{{255, "cshA?"}}));
    p.Answer("csh030v020");
    EXPECT_EQ(p.Find<QSpinBox>("HorrzSize")->value(), 30);
    EXPECT_EQ(p.Find<QSpinBox>("VertSize")->value(), 20);
    EXPECT_TRUE(p.Sent(2000).empty()) << "showing what the camera reports sends nothing back";

    // A status that reports neither flag nor mode shows neither.
    p.Answer("csZA23");
    EXPECT_FALSE(p.Checked("HasBeen"));
    for (const char* mode : {"ModeOff", "ModeProgramming", "ModeLive"})
        EXPECT_FALSE(p.Checked(mode)) << mode;
    EXPECT_EQ(p.Sent(300), Texts{"csC?"});
}

TEST(PrivacyZoneDialog, SelectingTheLastZoneAsksForItsStatusASecondLater)
{
    PrivacyFixture p;
    p.PastOpening();
    auto* zone = p.Find<QComboBox>("Zone");
    zone->setFocus();
    QTest::keyClick(zone, Qt::Key_End);
    EXPECT_EQ(p.ListText("Zone"), "X");
    EXPECT_EQ(Follow(p.t, 1100), (FrameTimeline{{5, "csNX"}, {1005, "csZX?"}}));
    // Every zone command carries the selected zone's letter.
    p.Click("ModeProgramming");
    p.Click("GotoZonePos");
    EXPECT_EQ(p.Sent(10), (Texts{"csMX1", "csHX"}));
}

TEST(PrivacyZoneDialog, GotoChecksThePositionTexts)
{
    struct Case {
        const char* pan;
        const char* tilt;
        const char* message; // nullptr: none
        const char* focus;   // the box that has the focus after
        Texts sent;
    } cases[] = {
        {"123", "0045", "Invalid Pan Position (Requires 4 decimal digits)", "Pan", {}},
        {"0123", "45", "Invalid Tilt Position (Requires 4 decimal digits", "Tilt", {}},
        {"01x3", "0045", "Invalid Pan Position (Requires 4 decimal digits)", "Pan", {}},
        {"0123", "0045", nullptr, nullptr, {"cp01230045"}},
    };
    for (const Case& c : cases) {
        PrivacyFixture p;
        p.PastOpening();
        p.Type(p.Find<QLineEdit>("Pan"), c.pan);
        p.Type(p.Find<QLineEdit>("Tilt"), c.tilt);
        p.Click("Goto");
        EXPECT_EQ(p.Sent(20), c.sent) << c.pan << "/" << c.tilt;
        if (c.message) {
            ASSERT_EQ(p.t.prompter.shown.size(), 1u) << c.pan << "/" << c.tilt;
            EXPECT_EQ(p.t.prompter.shown[0].text, c.message);
            EXPECT_TRUE(p.Find<QLineEdit>(c.focus)->hasFocus()) << c.focus;
        } else {
            EXPECT_TRUE(p.t.prompter.shown.empty());
            EXPECT_EQ(p.BoxText("Pan"), c.pan);
        }
    }
}

TEST(PrivacyZoneDialog, SizesGoWhileTypingAndAreCheckedOnClose)
{
    PrivacyFixture p;
    p.PastOpening();
    auto* horizontal = p.Find<QSpinBox>("HorrzSize");
    auto* vertical = p.Find<QSpinBox>("VertSize");
    p.Type(horizontal, "50");
    EXPECT_EQ(p.Sent(50), (Texts{"cshA005", "cshA050"}));
    p.Type(vertical, "40");
    EXPECT_EQ(p.Sent(50), (Texts{"csvA004", "csvA040"}));
    // 51 goes to the camera as typed; only closing refuses it.
    p.Type(horizontal, "51");
    EXPECT_EQ(p.Sent(50), (Texts{"cshA005", "cshA051"}));
    p.Click("Close");
    ASSERT_EQ(p.t.prompter.shown.size(), 1u);
    EXPECT_EQ(p.t.prompter.shown[0].text, "Please enter an integer between 0 and 50.");
    EXPECT_TRUE(p.dialog->isVisible());
    EXPECT_TRUE(horizontal->hasFocus());
    p.Type(horizontal, "7");
    p.Type(vertical, "41");
    p.Click("Close");
    EXPECT_EQ(p.t.prompter.shown.back().text, "Please enter an integer between 0 and 40.");
    EXPECT_TRUE(p.dialog->isVisible());
    p.Type(vertical, "0");
    p.Click("Close");
    EXPECT_FALSE(p.dialog->isVisible());
    EXPECT_EQ(p.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(p.t.prompter.shown.size(), 2u);
}

TEST(PrivacyZoneDialog, PositionRepliesFillThePanAndTiltBoxesOnlyWhenAskedFor)
{
    PrivacyFixture p;
    p.PastOpening();
    p.Answer("csZA00");
    p.Click("PTQuery");
    EXPECT_TRUE(p.t.console->replyFlags().privacyReplyPending) << "set at once, before the query goes";
    EXPECT_EQ(Follow(p.t, 20), (FrameTimeline{{10, "cPS"}})) << "timer 14 at 5 ms, then the pump's 5 ms";
    p.Answer("cP03590045");
    EXPECT_EQ(p.BoxText("Pan"), "0359");
    EXPECT_EQ(p.BoxText("Tilt"), "0045");
    EXPECT_FALSE(p.t.console->replyFlags().privacyReplyPending);
    // Nobody here waits: the console's own position decoder takes it.
    p.Answer("cP11112222");
    EXPECT_EQ(p.BoxText("Pan"), "0359");
    // "Goto Zone Pos" asks for the position half a second later.
    p.Sent(300); // the colours query of the zone status above
    p.Click("GotoZonePos");
    EXPECT_EQ(Follow(p.t, 600), (FrameTimeline{{5, "csHA"}, {505, "cPS"}}));
    p.Answer("cP12340456");
    EXPECT_EQ(p.BoxText("Pan"), "1234");
    EXPECT_EQ(p.BoxText("Tilt"), "0456");
}

TEST(PrivacyZoneDialog, NothingQueuedIsDropped)
{
    PrivacyFixture p;
    p.PastOpening();
    // Three changes before the pump's next tick: all go, in order.
    p.Click("ProgrammingTransparency");
    p.Find<QComboBox>("LiveColor")->setCurrentIndex(12);
    p.Click("ModeOff");
    EXPECT_EQ(Follow(p.t, 300), (FrameTimeline{{5, "csTP1"}, {10, "csCL<"}, {15, "csMA0"}, {255, "csC?"}}));
    EXPECT_TRUE(p.Checked("ProgrammingTransparency"));
    p.Click("ProgrammingTransparency");
    p.Click("LiveTransparency");
    EXPECT_EQ(p.Sent(300), (Texts{"csTP0", "csTL1", "csC?"}));
    // A command the camera never answers holds the next one for the
    // two-second reply time-out, then lets it go.
    p.Find<QComboBox>("ProgrammingColor")->setCurrentIndex(13);
    p.Click("ModeLive");
    p.t.clock.Advance(10);
    ASSERT_EQ(p.t.line.written.size(), 1u);
    p.t.clock.Advance(1990);
    EXPECT_EQ(p.t.line.written.size(), 1u);
    p.t.clock.Advance(20);
    EXPECT_EQ(TextsOf(Follow(p.t, 0, true)), (Texts{"csCP=", "csMA2"}));
}

TEST(PrivacyZoneDialog, ZoomButtonsAndThePadQueueTheirCommands)
{
    PrivacyFixture p;
    p.PastOpening();
    for (auto [name, press] : {std::pair{"ZI", "cZ0"}, {"ZO", "cz0"}}) {
        QTest::mousePress(p.Find<QWidget>(name), Qt::LeftButton);
        EXPECT_EQ(p.Sent(20), Texts{press}) << name;
        // Let go away from the button: the stop still goes.
        QTest::mouseRelease(p.Find<QWidget>(name), Qt::LeftButton, {}, QPoint(300, 300));
        EXPECT_EQ(p.Sent(20), Texts{"ZS"}) << name;
    }

    PTControl* pad = p.dialog->pad();
    EXPECT_EQ(pad->size(), QSize(123, 123));
    EXPECT_EQ(pad->picture(), 6);
    EXPECT_EQ(pad->proportionalMode(), 1);
    EXPECT_EQ(pad->centreBand(), 8);
    for (const char* nudge : {"NudgeLeft", "NudgeRight", "NudgeUp", "NudgeDown"})
        EXPECT_FALSE(pad->findChild<QWidget*>(QString::fromLatin1(nudge))->isVisible()) << nudge;
    // A drag up and left: the pad's text, then the stop, each queued as made.
    const std::string drag = PadProportionalCommand(pad->geometry(), 30, 40, 15, 15).text;
    QTest::mousePress(pad, Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(p.Sent(50), (Texts{drag, "PSTS"}));
    EXPECT_EQ(drag[0], 'l');

    auto* centre = p.Find<QWidget>("CenterZone");
    EXPECT_FALSE(centre->isVisible());
    EXPECT_FALSE(centre->isEnabled());
}

TEST(PrivacyZoneDialog, EnterMovesOnAndClosingReleasesALinkThatWaitsForItsReply)
{
    PrivacyFixture p;
    p.Find<QLineEdit>("Pan")->setFocus();
    QTest::keyClick(p.Find<QLineEdit>("Pan"), Qt::Key_Return);
    EXPECT_TRUE(p.dialog->isVisible());
    EXPECT_FALSE(p.Find<QLineEdit>("Pan")->hasFocus());
    p.t.clock.Advance(10); // "csNA" goes and is not answered
    ASSERT_EQ(p.t.line.written.size(), 1u);
    EXPECT_FALSE(p.t.console->link().linkReady);
    p.dialog->done(QDialog::Rejected);
    EXPECT_TRUE(p.t.console->link().linkReady);
    EXPECT_FALSE(p.t.console->replyFlags().privacyReplyPending);
    p.t.clock.Advance(2000);
    EXPECT_EQ(p.t.line.written.size(), 1u) << "the zone status query died with the dialog";
}
