// The traffic history window: what crossed the line, filtered and saved.
#include "ConsoleControlIds.h"
#include "ConsoleTimeline.h"
#include "TrafficHistoryWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using Texts = std::vector<std::string>;

TEST(TrafficHistory, TheWindowShowsFiltersAndSavesTheSession)
{
    TestConsole t;
    Settle(t);
    t.console->EnqueueCommand("PSTS");
    t.clock.Advance(10);
    t.line.Inject({0x06});
    t.line.Inject({0xF8, 0x01, 'L', '3', 0x80});
    QTest::mouseClick(static_cast<QAbstractButton*>(t.console->control(ConsoleControl::History)), Qt::LeftButton);
    auto* window = t.console->findChild<TrafficHistoryWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    window->Refresh();
    const Texts lines = window->ShownLines();
    ASSERT_GE(lines.size(), 4u);
    // The command, the camera's acknowledgement, its reply and the console's acknowledgement.
    const size_t n = lines.size();
    EXPECT_NE(lines[n - 4].find("  Tx   F8 01 PSTS"), std::string::npos) << lines[n - 4];
    EXPECT_NE(lines[n - 4].find("[F8 01 50 53 54 53"), std::string::npos) << lines[n - 4];
    EXPECT_NE(lines[n - 3].find("  Rx   Ack  [06]"), std::string::npos) << lines[n - 3];
    EXPECT_NE(lines[n - 2].find("  Rx   F8 01 L3"), std::string::npos) << lines[n - 2];
    EXPECT_NE(lines[n - 1].find("  Tx   Ack  [06]"), std::string::npos) << lines[n - 1];

    // Received only, then text: what is shown narrows; new frames join.
    window->findChild<QComboBox*>(QStringLiteral("Direction"))->setCurrentIndex(2);
    for (const std::string& line : window->ShownLines())
        EXPECT_NE(line.find("  Rx  "), std::string::npos) << line;
    auto* filter = window->findChild<QLineEdit*>(QStringLiteral("Filter"));
    QTest::keyClicks(filter, "l3");
    EXPECT_EQ(window->ShownLines().size(), 1u);
    t.line.Inject({0xF8, 0x01, 'L', '3', 0x80});
    window->Refresh();
    EXPECT_EQ(window->ShownLines().size(), 2u);

    // Saved as text, one line a frame.
    const std::string path = t.data.FilePath("history.txt");
    t.prompter.files.push_back(path);
    QTest::mouseClick(window->findChild<QAbstractButton*>(QStringLiteral("Save")), Qt::LeftButton);
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    const std::string saved = s.str();
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 2) << saved;
    window->close();
}
