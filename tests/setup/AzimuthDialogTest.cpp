// "Azimuth Setup" and "Send Pan/Tilt Commands to Pan/Tilt Module", opened
// from the console on its fake line and manual clock: commands are
// appended and leave one per answer or time-out.
#include "AzimuthCodec.h"
#include "ConsoleControlIds.h"
#include "ConsoleTimeline.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace ConsoleControl;
using Texts = std::vector<std::string>;

namespace {
ConsoleSettings Receiver(int rx)
{
    ConsoleSettings s;
    s.receiverType = rx;
    return s;
}

// Opens the dialog from the console button; the step drives it, shown and active.
template <class Step> void Open(TestConsole& t, int button, Step step)
{
    t.modal.steps.push_back([&t, step](QDialog& d) {
        d.show();
        QApplication::setActiveWindow(&d);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        t.line.written.clear();
        return step(d);
    });
    QTest::mouseClick(t.console->control(button), Qt::LeftButton);
}

void Click(QDialog& d, const QString& name)
{
    QTest::mouseClick(d.findChild<QAbstractButton*>(name), Qt::LeftButton);
}

std::vector<std::pair<uint32_t, std::string>> Written(TestConsole& t, uint32_t ms)
{
    std::vector<std::pair<uint32_t, std::string>> out;
    const uint32_t start = t.clock.TickCount();
    for (uint32_t i = 0; i < ms; ++i) {
        t.clock.Advance(1);
        for (const auto& f : t.line.written)
            out.emplace_back(t.clock.TickCount() - start, std::string(f.begin() + 2, f.end() - 1));
        t.line.written.clear();
    }
    return out;
}
} // namespace

// Every button, pressed in a row before anything has gone: all fourteen
// commands leave in order, one per acknowledgement.
TEST(AzimuthDialog, EveryButtonQueuesItsCommand)
{
    TestConsole t(Receiver(5));
    t.console->show();
    Settle(t);
    Texts sent;
    Open(t, SetAzimuth, [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), "Azimuth Setup");
        for (const AzimuthButton& b : kAzimuthButtons) {
            QString name;
            for (QChar c : QString::fromLatin1(b.group) + QString::fromLatin1(b.caption))
                if (c.isLetterOrNumber())
                    name += c;
            auto* button = d.findChild<QAbstractButton*>(name);
            EXPECT_NE(button, nullptr) << name.toStdString();
            if (!button)
                continue;
            EXPECT_EQ(button->text().toStdString(), b.caption);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        sent = TextsOf(Follow(t, 200));
        EXPECT_TRUE(t.console->replyFlags().panelReplyPending) << "each send sets the panel's reply flag";
        Click(d, QStringLiteral("Close"));
        return d.result();
    });
    Texts expected;
    for (const AzimuthButton& b : kAzimuthButtons)
        expected.push_back(b.command);
    EXPECT_EQ(sent, expected);
    EXPECT_FALSE(t.console->replyFlags().panelReplyPending) << "closing gives the flag up";
}

TEST(AzimuthDialog, TheSameButtonTwiceSendsTwiceOnePerTimeOut)
{
    TestConsole t(Receiver(5));
    t.console->show();
    Settle(t);
    Open(t, SetAzimuth, [&](QDialog& d) {
        Click(d, QStringLiteral("Set16Zones"));
        Click(d, QStringLiteral("Set16Zones"));
        // Nobody answers: the second waits for the first's 2 s time-out.
        const auto sent = Written(t, 2100);
        EXPECT_EQ(sent, (std::vector<std::pair<uint32_t, std::string>>{{5, "dN1"}, {2005, "dN1"}}));
        // An answer releases the second; then each goes at the tick after
        // the answer to the one before.
        t.line.Inject({0x06});
        Click(d, QStringLiteral("Set8Zones"));
        Click(d, QStringLiteral("DirectionDisplayEnable"));
        EXPECT_EQ(TextsOf(Follow(t, 30)), (Texts{"dN0", "dNE"}));
        Click(d, QStringLiteral("Close"));
        return d.result();
    });
    EXPECT_TRUE(t.console->link().linkReady);
}

TEST(PtModuleDialog, SendQueuesTheBoxWithTheHashPrefix)
{
    struct Case {
        int rx;
        QString typed;
        std::vector<uint8_t> frame; // as written
    };
    const std::vector<Case> cases = {
        // Receiver type 9100: a '#' frame, no address, no checksum.
        {14, QString(), {'#', 0x0D, 0xFF}},
        {14, QStringLiteral("GO 12"), {'#', 'G', 'O', ' ', '1', '2', 0x0D, 0xFF}},
        // Other receivers frame it like any command.
        {7, QString(), {0xF8, 0x01, '#', 0x80 | ((0x01 ^ '#') & 0x0F)}},
    };
    for (const Case& c : cases) {
        TestConsole t(Receiver(c.rx));
        t.console->show();
        Settle(t);
        ASSERT_TRUE(t.console->control(SendModule)->isEnabled()) << c.rx;
        std::vector<FakeLine::Bytes> written;
        std::string kept;
        Open(t, SendModule, [&](QDialog& d) {
            EXPECT_EQ(d.windowTitle().toStdString(), "Send Pan/Tilt Commands to Pan/Tilt Module");
            auto* box = d.findChild<QLineEdit*>(QStringLiteral("Command"));
            box->setFocus();
            QTest::keyClicks(box, c.typed);
            Click(d, QStringLiteral("Send"));
            t.clock.Advance(5);
            written = t.line.written;
            kept = box->text().toStdString();
            Click(d, QStringLiteral("Close"));
            return d.result();
        });
        ASSERT_EQ(written.size(), 1u) << c.rx;
        EXPECT_EQ(written[0], c.frame) << c.rx;
        EXPECT_EQ(kept, c.typed.toStdString()) << "the box is not cleared";
    }
}

TEST(PtModuleDialog, TheBoxTakesThirtyTwoPrintableCharacters)
{
    TestConsole t(Receiver(14));
    t.console->show();
    Settle(t);
    Open(t, SendModule, [&](QDialog& d) {
        auto* box = d.findChild<QLineEdit*>(QStringLiteral("Command"));
        box->setFocus();
        QTest::keyClicks(box, QString(33, QLatin1Char('7')));
        EXPECT_EQ(box->text(), QString(32, QLatin1Char('7'))) << "a 33rd character cannot be typed";
        box->clear();
        QTest::keyClick(box, 'A');
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_ydiaeresis, QString(QChar(0xFF)), Qt::NoModifier);
        QTest::keyClick(box, 'B');
        EXPECT_EQ(box->text().toStdString(), "AB") << "0xFF would end a '#' frame";
        Click(d, QStringLiteral("Send"));
        Click(d, QStringLiteral("Send"));
        EXPECT_EQ(TextsOf(Follow(t, 30)).size(), 2u) << "both go, one per answer";
        Click(d, QStringLiteral("Close"));
        return d.result();
    });
}
