#include "CommentDialog.h"
#include "ConsoleControlIds.h"
#include "ConsoleTimeline.h"
#include "ConsoleTimerIds.h"
#include "Lamp.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace ConsoleControl;

namespace {
void Click(TestConsole& t, int id)
{
    QTest::mouseClick(t.console->control(id), Qt::LeftButton);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct LogConsole {
    LogConsole()
    {
        t.console->show();
        Settle(t);
        path = dir.filePath(QStringLiteral("recording.txt")).toStdString();
        static_cast<QLineEdit*>(t.console->control(BrowseControl))->setText(QString::fromStdString(path));
    }
    TestConsole t;
    QTemporaryDir dir;
    std::string path;
};
} // namespace

TEST(ConsoleLog, RecordThenPlayRoundTrips)
{
    LogConsole c;
    TestConsole& t = c.t;
    t.clock.SetLocalTime({2026, 12, 8, 20, 15, 0});
    Click(t, Record); // the overwrite question is answered OK
    EXPECT_TRUE(t.console->control(StopLog)->isEnabled());
    EXPECT_FALSE(t.console->control(Play)->isEnabled());
    // Three commands 300, 20 and 1000 ms apart (the 20 is recorded as 60).
    t.console->SendCommand("PLTU");
    t.line.Inject({0x06});
    t.clock.Advance(20);
    t.console->SendCommand("PSTS");
    t.line.Inject({0x06});
    t.clock.Advance(1000);
    t.console->SendCommand("ZI");
    t.line.Inject({0x06});
    // A comment, without a stamp.
    t.modal.steps.push_back([](QDialog& d) {
        static_cast<CommentDialog&>(d).editor()->setPlainText(QStringLiteral("zoom checked"));
        return QDialog::Accepted;
    });
    Click(t, InsertComments);
    Click(t, StopLog);
    const std::string log = ReadFile(c.path);
    EXPECT_NE(log.find("\n\n*****************************************\n12/08/26  08:15 PM  Camera Test Results\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("12/08/26  08:15 PM  TxC:  F8 01 PLTU 8C\t\tTick: 60\n"), std::string::npos) << log;
    EXPECT_NE(log.find("TxC:  F8 01 PSTS 85\t\tTick: 60\n"), std::string::npos) << log;
    EXPECT_NE(log.find("TxC:  F8 01 ZI 82\t\tTick: 1000\n"), std::string::npos) << log;
    EXPECT_NE(log.find("12/08/26  08:15 PM  Rx:   ACK\n"), std::string::npos);
    EXPECT_NE(log.find("\n\nzoom checked\n"), std::string::npos);

    // Played back from another address: the recorded frames, the recorded pauses.
    static_cast<QSpinBox*>(t.console->control(CameraAddress))->setValue(9);
    t.line.written.clear();
    Click(t, Play);
    const FrameTimeline played = Follow(t, 2000, true);
    // The end of the log halts the zoom, as Stop does.
    ASSERT_EQ(TextsOf(played), (std::vector<std::string>{"PLTU", "PSTS", "ZI", "ZS"})) << t.prompter.Texts().size();
    EXPECT_EQ(played[1].first - played[0].first, 60u);
    EXPECT_EQ(played[2].first - played[1].first, 1000u);
    EXPECT_TRUE(t.prompter.shown.size() == 1) << "only the overwrite question";
    EXPECT_FALSE(t.console->control(StopLog)->isEnabled()) << "the end of the log stops playback";
    EXPECT_EQ(t.console->link().cameraAddress(), 9) << "Stop restores the address chosen before Play";
}

TEST(ConsoleLog, PlaybackWithoutAcknowledgementStopsWithItsMessage)
{
    LogConsole c;
    c.t.line.written.clear();
    std::ofstream(c.path) << "x TxC:  F8 01 PLTU 8C\t\tTick: 60\nx TxC:  F8 01 PSTS 85\t\tTick: 500\n";
    Click(c.t, Play);
    c.t.clock.Advance(49);
    EXPECT_TRUE(c.t.prompter.shown.empty());
    c.t.clock.Advance(1);
    ASSERT_FALSE(c.t.prompter.shown.empty());
    // The message names the played frame; the halt went out after it.
    EXPECT_EQ(c.t.prompter.shown.back().text, "\nPlay command:\n  F8 01 PLTU 8C\nno ACK response!\n");
    ASSERT_EQ(c.t.line.written.size(), 2u);
    EXPECT_EQ(c.t.line.written[1], (FakeLine::Bytes{0xF8, 0x01, 'P', 'S', 'T', 'S', 0x85}));
    EXPECT_TRUE(c.t.console->lamp(ConsoleLamp::CommError)->isLit());
    EXPECT_TRUE(c.t.console->control(Play)->isEnabled());
}

TEST(ConsoleLog, PauseHaltsAndTellsHowToResume)
{
    LogConsole c;
    TestConsole& t = c.t;
    std::ofstream(c.path) << "x TxC:  F8 01 PLTU 8C\t\tTick: 60\nx TxC:  F8 01 PSTS 85\t\tTick: 5000\n";
    t.line.written.clear();
    Click(t, Play);
    Follow(t, 100, true);
    Click(t, Pause);
    EXPECT_EQ(t.console->control(Pause)->toolTip().toStdString(), "Click PLAY\nto resume playing\n");
    EXPECT_EQ(TextsOf(Follow(t, 6000, true)), std::vector<std::string>{"PSTS"}) << "the halt, and nothing played";
    Click(t, Play);
    EXPECT_EQ(t.console->control(Pause)->toolTip().toStdString(), "Paus");
    const FrameTimeline resumed = Follow(t, 6000, true);
    ASSERT_EQ(TextsOf(resumed), (std::vector<std::string>{"PLTU", "PSTS", "PSTS"})) << "and the halt at the end";
}

TEST(ConsoleLog, RefusalsAndMessages)
{
    LogConsole c;
    TestConsole& t = c.t;
    // Cancel to the overwrite question: nothing starts.
    t.prompter.answers.push_back(MessageAnswer::Cancel);
    Click(t, Record);
    EXPECT_EQ(t.prompter.shown.back().text, "File  " + c.path + "\nWill be overwritten,is that OK?\n");
    EXPECT_FALSE(t.console->control(StopLog)->isEnabled());
    // Playing a file that is not there, and one recorded in mode 0.
    Click(t, Play);
    EXPECT_EQ(t.prompter.shown.back().text, "Can not open the specified file. Check and try again.");
    std::ofstream(c.path) << "x TxC:  STX 01 PSTS 85  3\t\tTick: 60\n";
    Click(t, Play);
    EXPECT_EQ(t.prompter.shown.back().text, "Parse log file failed!\n");
    EXPECT_FALSE(t.console->control(StopLog)->isEnabled());
    // Record without a file name.
    static_cast<QLineEdit*>(t.console->control(BrowseControl))->clear();
    EXPECT_FALSE(t.console->control(Play)->isEnabled());
    Click(t, Record);
    EXPECT_EQ(t.prompter.shown.back().text, "Please specify a file to record\nbefore start recording.\n");
    // Paused recording: the tool tip says how to go on.
    static_cast<QLineEdit*>(t.console->control(BrowseControl))->setText(QString::fromStdString(c.path));
    Click(t, Record);
    Click(t, Pause);
    EXPECT_EQ(t.console->control(Pause)->toolTip().toStdString(), "Click RECORD\nto resume recording\n");
}

TEST(ConsoleLog, ReplyTimeOutEndsARecording)
{
    LogConsole c;
    TestConsole& t = c.t;
    Click(t, Record);
    t.console->EnqueueCommand("cDS");
    t.clock.Advance(5 + 100); // sent, never answered
    ASSERT_FALSE(t.prompter.shown.empty());
    EXPECT_EQ(t.prompter.shown.back().text, "\nRecord command: \n F8 01 cDS 85no response!\n");
    EXPECT_FALSE(t.console->control(StopLog)->isEnabled());
    EXPECT_NE(ReadFile(c.path).find("no response!"), std::string::npos);
}

// Enter in a field of the console does what that field does, and never
// presses a picture button: with a log named, it used to start playback.
TEST(ConsoleLog, EnterInAConsoleFieldNeverPlaysTheLog)
{
    ConsoleSettings s;
    s.mode = 0; // the monitor field is enabled in mode 0
    TestConsole t(s);
    t.console->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.console.get()));
    Settle(t);
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("log.txt")).toStdString();
    std::ofstream(path) << "x TxC:  F8 01 PLTU 8C\t\tTick: 60\n";
    static_cast<QLineEdit*>(t.console->control(BrowseControl))->setText(QString::fromStdString(path));
    ASSERT_TRUE(t.console->control(Play)->isEnabled());

    for (int id : {PresetList, CameraAddress, MonitorNumber, NewAddress, Pan, Tilt, Zoom, Focus, BrowseControl}) {
        QWidget* field = t.console->control(id);
        ASSERT_TRUE(field->isEnabled()) << field->objectName().toStdString();
        field->setFocus();
        ASSERT_TRUE(field->hasFocus()) << field->objectName().toStdString();
        QTest::keyClick(field, Qt::Key_Return);
        t.clock.Advance(200);
        EXPECT_TRUE(t.line.written.empty()) << "Enter in " << field->objectName().toStdString() << " " << (t.line.written.empty() ? std::string() : std::string(t.line.written[0].begin(), t.line.written[0].end()));
        EXPECT_FALSE(t.console->control(StopLog)->isEnabled()) << "Enter in " << field->objectName().toStdString();
        t.line.written.clear();
    }
    EXPECT_TRUE(t.prompter.shown.empty());
}

// Logs are untrusted files: a folder named as the log cannot be played and
// is never deleted by Record; Browse takes the name of a new file to record.
TEST(ConsoleLog, FoldersAreNeitherPlayedNorDeletedAndBrowseNamesNewFiles)
{
    LogConsole c;
    TestConsole& t = c.t;
    const QString folder = c.dir.filePath(QStringLiteral("session.txt"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/inside")));
    static_cast<QLineEdit*>(t.console->control(BrowseControl))->setText(folder);
    Click(t, Play);
    ASSERT_FALSE(t.prompter.shown.empty());
    EXPECT_EQ(t.prompter.shown.back().text, "Can not open the specified file. Check and try again.");
    EXPECT_FALSE(t.console->control(StopLog)->isEnabled());
    Click(t, Record); // the overwrite question is answered OK
    Click(t, StopLog);
    EXPECT_TRUE(QDir(folder + QStringLiteral("/inside")).exists());

    const std::string fresh = c.dir.filePath(QStringLiteral("new.txt")).toStdString();
    t.prompter.files.push_back(fresh);
    QTest::mouseClick(t.console->findChild<QWidget*>(QStringLiteral("BrowseButton")), Qt::LeftButton);
    ASSERT_FALSE(t.prompter.fileChoices.empty());
    EXPECT_EQ(t.prompter.fileChoices.back(), FileChoice::ExistingOrNew) << "a file not there yet can be named";
    EXPECT_EQ(static_cast<QLineEdit*>(t.console->control(BrowseControl))->text().toStdString(), fresh);
    Click(t, Record);
    t.console->SendCommand("ZI");
    Click(t, StopLog);
    EXPECT_NE(ReadFile(fresh).find("TxC:  F8 01 ZI 82"), std::string::npos);
}

// A log ending in a pan, played against a camera that acknowledges each
// command a few milliseconds later and never answers more: through Pause,
// resume and the end, which halts the pan at the recorded address; then
// the address chosen before Play is back.
TEST(ConsoleLog, PlaybackAgainstACameraThatOnlyAcknowledges)
{
    LogConsole c;
    TestConsole& t = c.t;
    std::ofstream(c.path) << "x TxC:  F8 03 PLTU 8E\t\tTick: 60\n"
                             "x Rx:   ACK\n"
                             "x TxC:  F8 03 ZI 80\t\tTick: 300\n"
                             "x TxC:  F8 03 PRTS 86\t\tTick: 300\n";
    static_cast<QSpinBox*>(t.console->control(CameraAddress))->setValue(9);
    t.line.written.clear();
    // (ms, address byte, text) of every frame; each acknowledged 4 ms later.
    std::vector<std::tuple<uint32_t, int, std::string>> heard;
    std::vector<uint32_t> due;
    auto run = [&](uint32_t ms) {
        for (uint32_t i = 0; i < ms; ++i) {
            for (size_t n = heard.size(); n < t.line.written.size(); ++n) {
                const FakeLine::Bytes& f = t.line.written[n];
                heard.emplace_back(t.clock.TickCount(), f[1], std::string(f.begin() + 2, f.end() - 1));
                due.push_back(t.clock.TickCount() + 4);
            }
            while (!due.empty() && due.front() <= t.clock.TickCount()) {
                t.line.Inject({0x06});
                EXPECT_EQ(static_cast<QLabel*>(t.console->control(ReceiveStrip))->text().toStdString(), " Ack");
                due.erase(due.begin());
            }
            t.clock.Advance(1);
        }
    };
    Click(t, Play);
    run(100);
    Click(t, Pause);
    run(2000);
    EXPECT_EQ(heard.size(), 2u) << "nothing played while paused";
    Click(t, Play);
    run(2000);
    std::vector<std::string> texts;
    for (const auto& [tick, address, text] : heard) {
        texts.push_back(text);
        EXPECT_EQ(address, 3) << text;
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"PLTU", "PSTS", "PLTU", "ZI", "PRTS", "PSTS"}));
    EXPECT_TRUE(t.prompter.shown.empty()) << t.prompter.shown.front().text;
    EXPECT_FALSE(t.console->control(StopLog)->isEnabled());
    EXPECT_EQ(static_cast<QSpinBox*>(t.console->control(CameraAddress))->value(), 9);
    EXPECT_EQ(t.console->link().cameraAddress(), 9);
}
