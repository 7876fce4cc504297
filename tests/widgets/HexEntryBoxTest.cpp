// The console's position boxes take hexadecimal digits only.
#include "ConsoleControlIds.h"
#include "TestConsole.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

TEST(HexEntryBox, TakesHexDigitsAndBackspaceOnly)
{
    TestConsole t;
    t.console->show();
    QApplication::setActiveWindow(t.console.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.console.get()));
    for (int id : {ConsoleControl::Pan, ConsoleControl::Tilt, ConsoleControl::Zoom, ConsoleControl::Focus}) {
        auto* box = static_cast<QLineEdit*>(t.console->control(id));
        box->setFocus();
        box->clear();
        struct Step {
            const char* keys;
            const char* shows;
        };
        for (const Step& s : {Step{"1", "1"}, Step{"g", "1"}, Step{" ", "1"}, Step{"F", "1F"}, Step{"f", "1Ff"},
                              Step{"#z-", "1Ff"}, Step{"a", "1Ffa"}}) {
            QTest::keyClicks(box, QString::fromLatin1(s.keys));
            EXPECT_EQ(box->text().toStdString(), s.shows) << id << " after " << s.keys;
        }
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text().toStdString(), "1Ff") << id;
    }
}
