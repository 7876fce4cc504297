// The console from the keyboard: the lens buttons held by Space or by their
// shortcuts, the pad steered by the arrow keys, Tab reaching every control,
// and Enter in a field never pressing a picture button.
#include "ConsoleControlIds.h"
#include "ConsoleTimeline.h"
#include "PTControl.h"
#include "PictureButton.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

using namespace ConsoleControl;
using Texts = std::vector<std::string>;

namespace {
ConsoleSettings Types(int rx, int cam)
{
    ConsoleSettings s;
    s.receiverType = rx;
    s.cameraType = cam;
    return s;
}

// The console shown and active, past its start-up requests.
void ShowActive(TestConsole& t)
{
    t.console->show();
    QApplication::setActiveWindow(t.console.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.console.get()));
    Settle(t);
}

QAbstractButton* Button(TestConsole& t, int id)
{
    return static_cast<QAbstractButton*>(t.console->control(id));
}

QLineEdit* Field(TestConsole& t, int id)
{
    return static_cast<QLineEdit*>(t.console->control(id));
}

// A key event as the window system delivers it, auto-repeat included.
void Key(QWidget* w, bool press, Qt::Key key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false)
{
    QTest::simulateEvent(w, press, key, modifiers, QString(), autoRepeat);
}

// Held keys repeat as the window system repeats them: a release and a
// press, both marked as repeats, over and over.
void Repeat(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers, int times)
{
    for (int i = 0; i < times; ++i) {
        Key(w, false, key, modifiers, true);
        Key(w, true, key, modifiers, true);
    }
}
} // namespace

// Each lens shortcut, pressed while the operator types in a field, holds
// its button exactly as the mouse does: the same start on the press, the
// same stop on the release, nothing more for the key's auto-repeat, and
// nothing typed into the field. Space on the focused button does the same.
TEST(ConsoleKeyboard, LensShortcutsAndSpaceHoldTheButtonsAsTheMouseDoes)
{
    struct Case {
        int button;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } cases[] = {
        {ZoomIn, Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier},
        {ZoomIn, Qt::Key_Equal, Qt::ControlModifier},
        {ZoomOut, Qt::Key_Minus, Qt::ControlModifier},
        {FocusNear, Qt::Key_N, Qt::ControlModifier},
        {FocusFar, Qt::Key_F, Qt::ControlModifier},
        {IrisOpen, Qt::Key_O, Qt::ControlModifier},
        {IrisClose, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier},
    };
    TestConsole t(Types(12, 8)); // every zoom, focus and iris button enabled
    ShowActive(t);
    QLineEdit* pan = Field(t, Pan);
    for (const Case& c : cases) {
        const std::string name = Button(t, c.button)->objectName().toStdString() + " by key " + std::to_string(c.key);
        ASSERT_TRUE(Button(t, c.button)->isEnabled()) << name;
        QTest::mousePress(Button(t, c.button), Qt::LeftButton);
        const Texts mouseStart = TextsOf(Follow(t, 300));
        QTest::mouseRelease(Button(t, c.button), Qt::LeftButton);
        const Texts mouseStop = TextsOf(Follow(t, 300));
        ASSERT_EQ(mouseStart.size(), 1u) << name;
        ASSERT_EQ(mouseStop.size(), 1u) << name;

        pan->setFocus();
        pan->setText(QStringLiteral("12"));
        Key(pan, true, c.key, c.modifiers);
        Repeat(pan, c.key, c.modifiers, 5);
        EXPECT_TRUE(Button(t, c.button)->isDown()) << name;
        EXPECT_EQ(TextsOf(Follow(t, 300)), mouseStart) << name;
        Repeat(pan, c.key, c.modifiers, 5);
        EXPECT_EQ(TextsOf(Follow(t, 300)), Texts{}) << name << ": auto-repeat sends nothing";
        // Ctrl may be let go before the key.
        Key(pan, false, c.key, Qt::NoModifier);
        EXPECT_FALSE(Button(t, c.button)->isDown()) << name;
        EXPECT_EQ(TextsOf(Follow(t, 300)), mouseStop) << name;
        EXPECT_EQ(pan->text().toStdString(), "12") << name << ": the shortcut typed into the field";
        EXPECT_TRUE(pan->hasFocus()) << name;

        Button(t, c.button)->setFocus();
        QTest::keyPress(Button(t, c.button), Qt::Key_Space);
        Repeat(Button(t, c.button), Qt::Key_Space, Qt::NoModifier, 5);
        EXPECT_EQ(TextsOf(Follow(t, 300)), mouseStart) << name << " by Space";
        QTest::keyRelease(Button(t, c.button), Qt::Key_Space);
        EXPECT_EQ(TextsOf(Follow(t, 300)), mouseStop) << name << " by Space";
    }
}

// A shortcut whose button is disabled sends nothing and still types nothing;
// keys that are no shortcut reach the field as before.
TEST(ConsoleKeyboard, ShortcutOfADisabledButtonSendsNothing)
{
    TestConsole t(Types(0, 0)); // receiver type 0: the iris buttons are disabled
    ShowActive(t);
    ASSERT_FALSE(Button(t, IrisOpen)->isEnabled());
    QLineEdit* log = Field(t, BrowseControl);
    log->setFocus();
    QTest::keyClicks(log, "ab");
    Key(log, true, Qt::Key_O, Qt::ControlModifier);
    Key(log, false, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(TextsOf(Follow(t, 300)), Texts{});
    QTest::keyClicks(log, "cO");
    EXPECT_EQ(log->text().toStdString(), "abcO");
    // Alt or no modifier is typing, not a lens key.
    QTest::keyClick(log, Qt::Key_N);
    QTest::keyClick(log, Qt::Key_Minus);
    EXPECT_EQ(TextsOf(Follow(t, 300)), Texts{});
    EXPECT_EQ(log->text().toStdString(), "abcOn-");
}

TEST(ConsoleKeyboard, LensButtonsNameTheirShortcutsAndFunctions)
{
    TestConsole t;
    const std::pair<int, const char*> tips[] = {
        {ZoomIn, "In (Ctrl++)"},      {ZoomOut, "Out (Ctrl+-)"},
        {FocusNear, "Near (Ctrl+N)"}, {FocusFar, "Far (Ctrl+F)"},
        {IrisOpen, "Open (Ctrl+O)"},  {IrisClose, "Close (Ctrl+Shift+O)"},
        {ColorRed, "Red"},
    };
    for (auto [id, tip] : tips)
        EXPECT_EQ(t.console->control(id)->toolTip().toStdString(), tip) << id;
    // A screen reader hears the caption and the function.
    EXPECT_EQ(t.console->control(IrisClose)->accessibleName().toStdString(), "IC");
    EXPECT_EQ(t.console->control(IrisClose)->accessibleDescription().toStdString(), "Iris Close");
    EXPECT_EQ(t.console->control(IntegrationUp)->accessibleDescription().toStdString(), "Integration Increased");
}

// Holding an arrow key on the pad drives toward that edge until it is let
// go (in proportional mode at the top speed); the nudge buttons take Space
// as a click.
TEST(ConsoleKeyboard, ArrowKeysSteerThePad)
{
    struct Case {
        int panTiltType;
        Qt::Key key;
        const char* start;
    } cases[] = {
        {0, Qt::Key_Left, "PLTS"}, {0, Qt::Key_Right, "PRTS"}, {0, Qt::Key_Up, "PSTU"}, {0, Qt::Key_Down, "PSTD"},
        {1, Qt::Key_Left, "l?TS"}, {1, Qt::Key_Right, "r?TS"}, {1, Qt::Key_Up, "PSu?"}, {1, Qt::Key_Down, "PSd?"},
    };
    for (const Case& c : cases) {
        ConsoleSettings s = Types(0, 0);
        s.panTiltType = c.panTiltType;
        TestConsole t(s);
        ShowActive(t);
        auto* pad = t.console->findChild<PTControl*>();
        ASSERT_NE(pad, nullptr);
        pad->setFocus();
        Key(pad, true, c.key, Qt::NoModifier);
        Repeat(pad, c.key, Qt::NoModifier, 4);
        EXPECT_EQ(TextsOf(Follow(t, 300)), Texts{c.start}) << c.start;
        Key(pad, false, c.key, Qt::NoModifier);
        EXPECT_EQ(TextsOf(Follow(t, 300)), Texts{"PSTS"}) << c.start;
    }

    ConsoleSettings s = Types(0, 0);
    s.panTiltType = 0;
    TestConsole t(s);
    ShowActive(t);
    auto* pad = t.console->findChild<PTControl*>();
    // A drag held by a key ends when the focus moves on.
    pad->setFocus();
    Key(pad, true, Qt::Key_Left, Qt::NoModifier);
    EXPECT_EQ(TextsOf(Follow(t, 300)), Texts{"PLTS"});
    QTest::keyClick(pad, Qt::Key_Tab);
    EXPECT_FALSE(pad->hasFocus());
    EXPECT_EQ(TextsOf(Follow(t, 300)), Texts{"PSTS"});

    auto* nudge = pad->findChild<QAbstractButton*>(QStringLiteral("NudgeLeft"));
    QTest::mouseClick(nudge, Qt::LeftButton);
    const Texts byMouse = TextsOf(Follow(t, 300));
    ASSERT_FALSE(byMouse.empty());
    nudge->setFocus();
    ASSERT_TRUE(nudge->hasFocus());
    QTest::keyClick(nudge, Qt::Key_Space);
    EXPECT_EQ(TextsOf(Follow(t, 300)), byMouse);
}

// Tab visits every enabled control of the console, for each kind of
// receiver; of a group of radio buttons one is a stop (the arrows move in it).
TEST(ConsoleKeyboard, TabReachesEveryEnabledControl)
{
    for (auto [rx, cam] : {std::pair{0, 0}, std::pair{5, 3}, std::pair{12, 8}}) {
        TestConsole t(Types(rx, cam));
        ShowActive(t);
        auto isControl = [](QWidget* w) {
            return qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                   qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<PTControl*>(w);
        };
        // The control the focus is in: a box's inner field counts as the box.
        auto owner = [&](QWidget* w) {
            QWidget* found = w;
            for (QWidget* p = w; p && p != t.console.get(); p = p->parentWidget())
                if (qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractSpinBox*>(p))
                    found = p;
            return found;
        };
        std::set<QWidget*> reached;
        Button(t, CameraSetup)->setFocus();
        for (int i = 0; i < 400; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* f = QApplication::focusWidget();
            reached.insert(f);
            reached.insert(owner(f));
        }
        for (QWidget* w : t.console->findChildren<QWidget*>()) {
            if (!isControl(w) || !w->isVisible() || !w->isEnabled() || owner(w) != w)
                continue;
            if (auto* radio = qobject_cast<QRadioButton*>(w); radio && radio->group()) {
                const QList<QAbstractButton*> members = radio->group()->buttons();
                EXPECT_TRUE(std::any_of(members.begin(), members.end(), [&](QAbstractButton* b) { return reached.count(b); }))
                    << "rx " << rx << ": radio group of " << w->objectName().toStdString();
                continue;
            }
            EXPECT_TRUE(reached.count(w)) << "rx " << rx << ": Tab never reaches " << w->objectName().toStdString();
        }
    }
}

// Enter in the console's fields never presses a picture button (Play above all).
TEST(ConsoleKeyboard, EnterInAFieldPressesNoPictureButton)
{
    TestConsole t(Types(5, 3));
    ShowActive(t);
    int clicks = 0;
    for (PictureButton* b : t.console->findChildren<PictureButton*>()) {
        EXPECT_FALSE(b->isDefault()) << b->objectName().toStdString();
        QObject::connect(b, &QAbstractButton::clicked, [&clicks] { ++clicks; });
    }
    QLineEdit* log = Field(t, BrowseControl);
    log->setFocus();
    QTest::keyClicks(log, "session.txt");
    ASSERT_TRUE(Button(t, Play)->isEnabled());
    for (int id : {BrowseControl, Pan, NewAddress, CameraAddress, PresetList}) {
        QWidget* w = t.console->control(id);
        if (!w->isEnabled())
            continue;
        w->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        EXPECT_EQ(clicks, 0) << w->objectName().toStdString();
        EXPECT_TRUE(t.console->isVisible()) << w->objectName().toStdString();
    }
}

// The release of a key held while another window comes to the front never
// reaches the console: the motion ends when the console is left, once.
TEST(ConsoleKeyboard, LeavingTheConsoleEndsAShortcutHold)
{
    TestConsole t(Types(12, 8));
    ShowActive(t);
    QLineEdit* pan = Field(t, Pan);
    pan->setFocus();
    QTest::mousePress(Button(t, FocusNear), Qt::LeftButton);
    const Texts start = TextsOf(Follow(t, 300));
    QTest::mouseRelease(Button(t, FocusNear), Qt::LeftButton);
    const Texts stop = TextsOf(Follow(t, 300));
    Key(pan, true, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(TextsOf(Follow(t, 300)), start);

    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(Button(t, FocusNear)->isDown());
    EXPECT_EQ(TextsOf(Follow(t, 300)), stop);
    QTest::keyRelease(&other, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(TextsOf(Follow(t, 300)), Texts{});

    // Back in the console, the shortcut holds again.
    QApplication::setActiveWindow(t.console.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.console.get()));
    pan->setFocus();
    Key(pan, true, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(TextsOf(Follow(t, 300)), start);
    Key(pan, false, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(TextsOf(Follow(t, 300)), stop);
}

// While the mouse holds one lens button a shortcut starts no second motion,
// so the stop the release sends is the held button's own.
TEST(ConsoleKeyboard, AShortcutWaitsForAButtonHeldByTheMouse)
{
    TestConsole t(Types(12, 8));
    ShowActive(t);
    QLineEdit* pan = Field(t, Pan);
    pan->setFocus();
    QTest::mousePress(Button(t, ZoomIn), Qt::LeftButton);
    const Texts start = TextsOf(Follow(t, 300));
    ASSERT_EQ(start.size(), 1u);
    Key(pan, true, Qt::Key_N, Qt::ControlModifier);
    Key(pan, false, Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(Button(t, FocusNear)->isDown());
    EXPECT_EQ(TextsOf(Follow(t, 300)), Texts{});
    QTest::mouseRelease(Button(t, ZoomIn), Qt::LeftButton);
    EXPECT_EQ(TextsOf(Follow(t, 300)), Texts{"ZS"});
}

// The held key let go where the console's own widgets do not see it (a
// list's drop-down opened meanwhile), or reported as another letter once
// Ctrl is up (a keyboard layout of another script): either way the motion
// stops, once.
TEST(ConsoleKeyboard, AShortcutHoldEndsWhereverItsKeyIsLetGo)
{
    TestConsole t(Types(12, 8));
    ShowActive(t);
    QLineEdit* pan = Field(t, Pan);
    pan->setFocus();
    QTest::mousePress(Button(t, FocusNear), Qt::LeftButton);
    Follow(t, 300);
    QTest::mouseRelease(Button(t, FocusNear), Qt::LeftButton);
    const Texts stop = TextsOf(Follow(t, 300));

    QWidget popup(nullptr, Qt::Popup);
    Key(pan, true, Qt::Key_N, Qt::ControlModifier);
    Follow(t, 300);
    popup.show();
    QTest::keyRelease(&popup, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(TextsOf(Follow(t, 300)), stop) << "released in a drop-down";
    popup.close();

    QApplication::setActiveWindow(t.console.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.console.get()));
    pan->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_N, Qt::ControlModifier, 57, 0, 0);
    QApplication::sendEvent(pan, &press);
    Follow(t, 300);
    QKeyEvent release(QEvent::KeyRelease, 0x0442, Qt::NoModifier, 57, 0, 0); // the layout's own letter
    QApplication::sendEvent(pan, &release);
    EXPECT_EQ(TextsOf(Follow(t, 300)), stop) << "released as another layout's letter";
    EXPECT_FALSE(Button(t, FocusNear)->isDown());
}

// The mouse on another lens button while a shortcut holds one: the held
// motion stops before the new one starts, and the new one's release stops it.
TEST(ConsoleKeyboard, TheMouseOnAnotherLensButtonEndsAShortcutHold)
{
    TestConsole t(Types(12, 8));
    ShowActive(t);
    QLineEdit* pan = Field(t, Pan);
    pan->setFocus();
    QTest::mousePress(Button(t, FocusNear), Qt::LeftButton);
    const Texts focusStart = TextsOf(Follow(t, 300));
    QTest::mouseRelease(Button(t, FocusNear), Qt::LeftButton);
    const Texts focusStop = TextsOf(Follow(t, 300));

    Key(pan, true, Qt::Key_Equal, Qt::ControlModifier); // zoom in
    const Texts zoomStart = TextsOf(Follow(t, 300));
    ASSERT_EQ(zoomStart.size(), 1u);
    QTest::mousePress(Button(t, FocusNear), Qt::LeftButton);
    Texts expected{"ZS"};
    expected.insert(expected.end(), focusStart.begin(), focusStart.end());
    EXPECT_EQ(TextsOf(Follow(t, 300)), expected);
    EXPECT_FALSE(Button(t, ZoomIn)->isDown());
    QTest::mouseRelease(Button(t, FocusNear), Qt::LeftButton);
    EXPECT_EQ(TextsOf(Follow(t, 300)), focusStop);
    Key(pan, false, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(TextsOf(Follow(t, 300)), Texts{}) << "the late release of the key sends nothing";
}
