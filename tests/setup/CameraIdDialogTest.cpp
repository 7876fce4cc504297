// "Program Camera ID" on the console's fake line and manual clock: what
// each control sends, directly or through the dialog's own pump, and what
// the boxes show.
#include "CameraIdDialog.h"
#include "ConsoleControlIds.h"
#include "ConsoleTimeline.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using Texts = std::vector<std::string>;

namespace {
ConsoleSettings Receiver(int rx)
{
    ConsoleSettings s;
    s.receiverType = rx;
    s.cameraType = 0;
    return s;
}

// The dialog on the console, shown and active.
struct CameraIdFixture {
    explicit CameraIdFixture(int rx = 1) : t(Receiver(rx))
    {
        Settle(t);
        dialog = std::make_unique<CameraIdDialog>(*t.console, rx, t.console.get());
        dialog->Open();
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    ~CameraIdFixture() { dialog->done(QDialog::Accepted); }

    template <class T> T* Find(const char* name) { return dialog->findChild<T*>(QString::fromLatin1(name)); }
    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton, {}, QPoint(4, 4)); }
    // Written at once, without the clock moving.
    Texts Now()
    {
        Texts out;
        for (const auto& f : t.line.written)
            out.emplace_back(f.begin() + 2, f.end() - 1);
        t.line.written.clear();
        return out;
    }
    QLineEdit* Line(int n) { return Find<QLineEdit>(("Line" + std::to_string(n)).c_str()); }
    // Types into a line box and moves the focus on with Tab.
    void TypeLine(int n, const QString& text)
    {
        QLineEdit* box = Line(n);
        box->setFocus();
        box->selectAll();
        for (QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(box, static_cast<char>(c.unicode()));
            else // beyond ASCII: a key with its text
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTest::keyClick(box, Qt::Key_Tab);
    }
    bool Checked(const char* name) { return Find<QCheckBox>(name)->isChecked(); }

    TestConsole t;
    std::unique_ptr<CameraIdDialog> dialog;
};
} // namespace

TEST(CameraIdDialog, ALineGoesWhenItsBoxLosesTheFocus)
{
    CameraIdFixture f;
    struct Case {
        int line;
        QString typed;
        std::string sent;
    };
    const std::vector<Case> cases = {
        {1, QString(), "dL1" + std::string(24, ' ')},
        {2, QStringLiteral("GATE 7"), "dL2GATE 7" + std::string(18, ' ')},
        // An accented letter and '#' go as spaces; a character beyond
        // Latin-1 too (never as the '?' of a lossy conversion).
        {3, QString::fromUtf8("Caf\xC3\xA9 #1 \xE2\x82\xAC"), "dL3Caf   1  " + std::string(15, ' ')},
        {4, QStringLiteral("ab,-./:;<>?"), "dL4ab,-./:;<>?" + std::string(13, ' ')},
        {5, QString(24, QLatin1Char('Z')), "dL5" + std::string(24, 'Z')},
    };
    for (const Case& c : cases) {
        f.TypeLine(c.line, c.typed);
        EXPECT_EQ(f.Now(), Texts{c.sent}) << c.line;
    }
    // Enter moves on like Tab (and sends); it never closes the dialog.
    f.Line(2)->setFocus();
    QTest::keyClick(f.Line(2), Qt::Key_Return);
    EXPECT_EQ(f.Now(), Texts{"dL2GATE 7" + std::string(18, ' ')});
    EXPECT_FALSE(f.Line(2)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(f.dialog->isVisible());
    EXPECT_TRUE(f.t.console->replyFlags().panelReplyPending == false) << "direct sends leave the reply flag alone";
}

TEST(CameraIdDialog, TheTwentyFifthCharacterIsRefusedWithAMessage)
{
    CameraIdFixture f;
    QLineEdit* box = f.Line(1);
    box->setFocus();
    QTest::keyClicks(box, QString(24, QLatin1Char('A')));
    EXPECT_TRUE(f.t.prompter.shown.empty());
    QTest::keyClicks(box, QStringLiteral("B"));
    ASSERT_EQ(f.t.prompter.shown.size(), 1u);
    EXPECT_EQ(f.t.prompter.shown[0].text, "A maximum of 24 characters is allowed for the Camera ID.");
    EXPECT_EQ(f.t.prompter.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(f.t.prompter.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(box->text(), QString(24, QLatin1Char('A')));
    // Replacing a selection is not going past the limit.
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("C"));
    EXPECT_EQ(f.t.prompter.shown.size(), 1u);
}

// Which toggle carries the prefix with "ID Gen in Cam" set, and which go
// at once or through the queue.
TEST(CameraIdDialog, IdGenInCamPrefixesOnlyTheGeneratorsOwnSwitches)
{
    CameraIdFixture f(1);
    ASSERT_TRUE(f.Find<QWidget>("IdGenInCam")->isEnabled());
    f.Click("IdGenInCam");
    EXPECT_TRUE(f.Now().empty()) << "the check box only changes the flag";
    struct Case {
        const char* control;
        std::string sent;
        bool direct;
    };
    const std::vector<Case> cases = {
        {"AlarmBlink", "cdAB", true},      {"AlarmBlink", "cdAb", true},     {"IdEnableAll", "cdIE", true},
        {"IdDisplayAtTop", "cdIT", true},  {"AlarmEnableAll", "cdAE", true}, {"MaintenanceEnable", "dME", true},
        {"MaintenanceEnable", "dMD", true}, {"IdEnableLine2", "dId2", false}, {"AlarmEnableLine3", "dAd3", false},
        {"AlarmEnableLine3", "dAe3", false}, {"MenuOn", "+E", false},         {"FreezeEntryEnable", "+F", false},
        {"OsdEnter", "+s", false},          {"OsdClear", "+c", false},
    };
    for (const Case& c : cases) {
        f.Click(c.control);
        if (c.direct) {
            EXPECT_EQ(f.Now(), Texts{c.sent}) << c.control;
        } else {
            EXPECT_TRUE(f.Now().empty()) << c.control << ": queued, not sent at once";
            f.t.clock.Advance(5);
            EXPECT_EQ(f.Now(), Texts{c.sent}) << c.control;
        }
    }
    // "Enable (All)" set both ID lines; Line 2's own toggle cleared it again.
    EXPECT_TRUE(f.Checked("IdEnableLine1"));
    EXPECT_FALSE(f.Checked("IdEnableLine2"));
    EXPECT_TRUE(f.Checked("AlarmEnableLine1"));
    EXPECT_TRUE(f.Checked("AlarmEnableLine3"));
    f.TypeLine(1, QStringLiteral("X"));
    EXPECT_EQ(f.Now(), Texts{"cdL1X" + std::string(23, ' ')});
}

TEST(CameraIdDialog, IdGenInCamOnlyForReceiverTypesOneAndTwo)
{
    for (int rx : {0, 1, 2, 3, 5, 12}) {
        CameraIdFixture f(rx);
        EXPECT_EQ(f.Find<QWidget>("IdGenInCam")->isEnabled(), rx == 1 || rx == 2) << rx;
    }
}

TEST(CameraIdDialog, OsdButtonsQueueTheirPressAndRelease)
{
    CameraIdFixture f;
    struct Case {
        const char* button;
        const char* press;
        const char* release;
    };
    for (const Case& c : {Case{"OsdUp", "PSu5", "TSPS"}, Case{"OsdDown", "PSd5", "TSPS"},
                          Case{"OsdLeft", "l5TS", "PSTS"}, Case{"OsdRight", "r5TS", "PSTS"}}) {
        QWidget* b = f.Find<QWidget>(c.button);
        QTest::mousePress(b, Qt::LeftButton);
        QTest::mouseRelease(b, Qt::LeftButton);
        EXPECT_TRUE(f.Now().empty()) << c.button;
        // Both went into the queue; the pump sends one every 5 ms.
        EXPECT_EQ(TextsOf(Follow(f.t, 10)), (Texts{c.press, c.release})) << c.button;
    }
}

TEST(CameraIdDialog, ClearAllIdsAsksFirst)
{
    CameraIdFixture f;
    f.Click("IdEnableAll");
    f.Click("AlarmBlink");
    f.TypeLine(1, QStringLiteral("GATE"));
    f.Find<QWidget>("AlarmEnableAll")->setFocus();
    f.Now();
    f.t.prompter.answers = {MessageAnswer::No, MessageAnswer::Yes};
    f.Click("ClearAllIDs");
    EXPECT_EQ(f.t.prompter.shown.back().text, "Do you really want to Clear All IDs?");
    EXPECT_EQ(f.t.prompter.shown.back().buttons, MessageButtons::YesNo);
    EXPECT_EQ(f.t.prompter.shown.back().icon, MessageIcon::Stop);
    f.t.clock.Advance(50);
    EXPECT_TRUE(f.Now().empty()) << "No: nothing happens";
    EXPECT_TRUE(f.Checked("IdEnableAll"));

    f.Click("ClearAllIDs");
    EXPECT_EQ(f.Now(), Texts{"dIC"}) << "sent at once";
    EXPECT_EQ(TextsOf(Follow(f.t, 20)), (Texts{"dAb", "dMD"}));
    EXPECT_FALSE(f.Checked("IdEnableAll"));
    EXPECT_FALSE(f.Checked("AlarmBlink"));
    EXPECT_EQ(f.Line(1)->text(), QString(16, QLatin1Char(' ')));
    EXPECT_EQ(f.Line(3)->text(), QString(12, QLatin1Char(' ')));
    EXPECT_EQ(f.Line(5)->text(), QString(18, QLatin1Char(' ')));
}

// The test pattern goes through the pump one command every 5 ms, without
// waiting for answers; the dialog's reply flag is set with each.
TEST(CameraIdDialog, InitAllIdsQueuesTheTestPattern)
{
    CameraIdFixture f;
    f.t.console->link().linkReady = false; // as while the console has the dialog open
    f.Click("InitAllIDs");
    f.t.clock.Advance(5);
    EXPECT_TRUE(f.Now().empty()) << "the batch is queued 5 ms after the click";
    std::vector<std::pair<uint32_t, std::string>> sent;
    for (uint32_t ms = 1; ms <= 60; ++ms) {
        f.t.clock.Advance(1);
        for (const std::string& text : f.Now())
            sent.emplace_back(ms, text);
    }
    ASSERT_EQ(sent.size(), 9u);
    EXPECT_EQ(sent[0], (std::pair<uint32_t, std::string>{5, "dIE"}));
    EXPECT_EQ(sent[8], (std::pair<uint32_t, std::string>{45, "dME"}));
    EXPECT_EQ(sent[2].second, "dL1ID TEST - LINE 1");
    EXPECT_EQ(sent[6].second, "dL4ID TEST - ALARM 2");
    EXPECT_TRUE(f.t.console->replyFlags().panelReplyPending);
    EXPECT_EQ(f.Line(4)->text().toStdString(), "ID TEST -  ALARM 2");
    EXPECT_EQ(f.Line(3)->text().toStdString(), "LOW PRESSURE");
    EXPECT_TRUE(f.Checked("IdEnableAll"));
    EXPECT_TRUE(f.Checked("MaintenanceEnable"));
    // Two seconds after the last send the link is given back.
    EXPECT_FALSE(f.t.console->link().linkReady);
    f.t.clock.Advance(2000);
    EXPECT_TRUE(f.t.console->link().linkReady);
    EXPECT_TRUE(f.t.console->link().linkFree);
}

// Opened from the console: LinkReady is clear while it is open (the
// console's own queue waits) and set again when it closes.
TEST(CameraIdDialog, TheConsoleHoldsItsQueueWhileTheDialogIsOpen)
{
    TestConsole t(Receiver(2));
    t.console->show();
    Settle(t);
    QTest::mouseClick(t.console->control(ConsoleControl::StatusQuery), Qt::LeftButton);
    bool held = false;
    t.modal.steps.push_back([&](QDialog& d) {
        d.show();
        EXPECT_EQ(d.windowTitle().toStdString(), "Program Camera ID");
        EXPECT_FALSE(t.console->state().periodicStatus);
        t.console->EnqueueCommand("ZI");
        t.clock.Advance(100);
        held = t.line.written.empty() && !t.console->link().linkReady;
        QTest::mouseClick(d.findChild<QAbstractButton*>(QStringLiteral("Close")), Qt::LeftButton);
        return d.result();
    });
    t.line.written.clear();
    QTest::mouseClick(t.console->control(ConsoleControl::CameraId), Qt::LeftButton);
    EXPECT_TRUE(held);
    EXPECT_TRUE(t.console->link().linkReady);
    EXPECT_EQ(TextsOf(Follow(t, 20)), Texts{"ZI"});
}
