#include "ConsoleControlIds.h"
#include "ConsoleTimerIds.h"
#include "Lamp.h"
#include "ConsoleTimeline.h"
#include "Dsp7100Panel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>

using namespace ConsoleControl;
using Bytes = FakeLine::Bytes;

namespace {
// A reply frame in the console's mode: 0xF8 (mode 1) or 0x02 ... 0x03 (mode 0).
Bytes Reply(const std::string& text, int mode = 1, uint8_t address = 1)
{
    Bytes f{static_cast<uint8_t>(mode ? 0xF8 : 0x02), address};
    uint8_t x = address;
    for (char c : text) {
        f.push_back(static_cast<uint8_t>(c));
        x ^= static_cast<uint8_t>(c);
    }
    f.push_back(static_cast<uint8_t>(0x80 | (x & 0x0F)));
    if (!mode)
        f.push_back(0x03);
    return f;
}

ConsoleSettings Types(int rx, int cam, int mode = 1, int protocol = 0)
{
    ConsoleSettings s;
    s.receiverType = rx;
    s.cameraType = cam;
    s.mode = mode;
    s.protocol = protocol;
    return s;
}

size_t AcksWritten(const TestConsole& t)
{
    size_t n = 0;
    for (const Bytes& w : t.line.written)
        n += w == Bytes{0x06};
    return n;
}

QString FieldText(TestConsole& t, int id)
{
    return static_cast<QLineEdit*>(t.console->control(id))->text();
}

struct Recorder : ReplyReceiver {
    void OnReply(const uint8_t* frame, size_t length) override { replies.emplace_back(frame, frame + length); }
    std::vector<Bytes> replies;
};
} // namespace

TEST(ConsoleReplies, AddressReplySetsTheAddressAndAsksForStatus)
{
    struct Case {
        const char* name;
        int mode, protocol;
        Bytes frame;
        int address;
    } cases[] = {
        // Three digits: the byte at offset 6 is the checksum.
        {"mode 0, three digits", 0, 0, {0x02, 0x01, 0x41, 0x30, 0x30, 0x31, 0x81, 0x03}, 1},
        {"four digits", 1, 0, Reply("A0123"), 123},
        {"Philips five digits", 1, 4, Reply("A12345"), 12345},
        {"F8 mode", 1, 0, Reply("A042", 1, 42), 42},
    };
    for (const Case& c : cases) {
        TestConsole t(Types(5, 3, c.mode, c.protocol));
        Settle(t);
        t.line.Inject(c.frame);
        EXPECT_EQ(t.console->link().cameraAddress(), c.address) << c.name;
        EXPECT_EQ(static_cast<QSpinBox*>(t.console->control(CameraAddress))->value(), c.address) << c.name;
        EXPECT_EQ(t.line.written, std::vector<Bytes>{Bytes{0x06}}) << c.name;
        EXPECT_EQ(t.console->timers().Period(ConsoleTimer::StatusRequest), 1000) << c.name;
    }
}

TEST(ConsoleReplies, EveryAsciiReplyIsAcknowledgedOnceAndBinaryNever)
{
    TestConsole t;
    Settle(t);
    for (const char* text : {"A001", "Zunknown", "cP18000100", "L3", "d1"})
        t.line.Inject(Reply(text));
    t.line.Inject({'#', 'o', 'k', 0xFF});
    EXPECT_EQ(AcksWritten(t), 6u);
    EXPECT_EQ(t.line.written.size(), 6u);

    // After a binary command only 0xFF starts a frame; a 0x06 starts nothing.
    t.line.written.clear();
    t.console->link().asciiReplyExpected = false;
    t.line.Inject({0x06});
    EXPECT_NE(static_cast<QLabel*>(t.console->control(ReceiveStrip))->text().toStdString(), " Ack");
    t.line.Inject({0xFF, 0x08, 7, 3, 0, 1, 0, 0, 0x40, 0xAD});
    EXPECT_TRUE(t.line.written.empty());
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::CameraPower)->isLit());
}

TEST(ConsoleReplies, StatusReplyDrivesLampsButtonsAndStoredSettings)
{
    TestConsole t(Types(13, 3));
    Settle(t);
    t.console->DrawLamp(ConsoleLamp::CommError, 1);
    // Latch byte '=' = 0x3D: manual iris, lens fast, auto focus on PTZ; power off.
    std::string text(38, '0');
    text.replace(0, 5, "bL=A1");
    text.replace(9, 6, "P7v2p3");
    text.replace(36, 2, "F1");
    t.line.Inject(Reply(text));
    EXPECT_FALSE(t.console->lamp(ConsoleLamp::CommError)->isLit());
    EXPECT_FALSE(t.console->lamp(ConsoleLamp::CameraPower)->isLit());
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::LensFast)->isLit());
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::ManualIris)->isLit());
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::ManualFocus)->isLit());
    EXPECT_TRUE(t.console->control(IrisOpen)->isEnabled());
    EXPECT_TRUE(t.console->control(FocusFar)->isEnabled());
    EXPECT_TRUE(static_cast<QAbstractButton*>(t.console->control(AutoFocusOnPtz))->isChecked());
    EXPECT_FALSE(t.console->state().autoIris);
    EXPECT_EQ(t.store.GetInt("Setup", "Comm. Protocol", -1), 7);
    EXPECT_EQ(t.store.GetInt("Setup", "Video Type", -1), 2);
    EXPECT_EQ(t.store.GetInt("Setup", "LL Phase", -1), 3);
    EXPECT_EQ(t.store.GetInt("Setup", "Video Freeze Status", -1), '1');

    // The same values again are not written again.
    const size_t writes = t.store.writes.size();
    t.line.Inject(Reply(text));
    EXPECT_EQ(t.store.writes.size(), writes);

    // Manual iris off: the iris buttons go off and the console keeps auto iris.
    t.line.Inject(Reply("bL2A0"));
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::CameraPower)->isLit());
    EXPECT_FALSE(t.console->control(IrisOpen)->isEnabled());
    EXPECT_FALSE(t.console->control(FocusNear)->isEnabled());
    EXPECT_TRUE(t.console->state().autoIris);
    EXPECT_FALSE(static_cast<QAbstractButton*>(t.console->control(AutoFocusOnPtz))->isChecked());
}

TEST(ConsoleReplies, FaultCharacterInModeZeroLightsCommError)
{
    TestConsole t(Types(13, 3, 0));
    Settle(t);
    t.console->DrawLamp(ConsoleLamp::CameraPower, 1);
    t.line.Inject(Reply("bL8", 0));
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::CommError)->isLit());
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::CameraPower)->isLit());
}

TEST(ConsoleReplies, PositionReplyByReceiverType)
{
    for (auto [rx, text, pan, tilt] : {std::tuple{5, "cP18000100", "1800", "0100"},
                                       {9, "cP0180000100", "01800", "00100"}}) {
        TestConsole t(Types(rx, 3));
        Settle(t);
        t.line.Inject(Reply(text));
        EXPECT_EQ(FieldText(t, Pan).toStdString(), pan) << rx;
        EXPECT_EQ(FieldText(t, Tilt).toStdString(), tilt) << rx;
    }
}

TEST(ConsoleReplies, FocusReportAndShiftedStatusOfDayNightCameras)
{
    TestConsole t(Types(5, 3));
    Settle(t);
    t.line.Inject(Reply("cL1"));
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::ManualFocus)->isLit());
    EXPECT_TRUE(t.console->control(FocusNear)->isEnabled());
    EXPECT_TRUE(t.console->state().manualFocus);
    t.line.Inject(Reply("cL0"));
    EXPECT_FALSE(t.console->lamp(ConsoleLamp::ManualFocus)->isLit());
    EXPECT_FALSE(t.console->control(FocusNear)->isEnabled());

    std::string status(27, '0');
    status.replace(0, 2, "cS");
    status.replace(11, 4, "L3A1");
    status.replace(19, 6, "P5v1p2");
    t.line.Inject(Reply(status));
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::CameraPower)->isLit());
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::ManualIris)->isLit());
    EXPECT_TRUE(t.console->lamp(ConsoleLamp::ManualFocus)->isLit());
    EXPECT_EQ(t.store.GetInt("Setup", "Comm. Protocol", -1), 5);

    // Camera type 6 ignores the focus report.
    TestConsole thermal(Types(5, 6));
    Settle(thermal);
    thermal.line.Inject(Reply("cL1"));
    EXPECT_FALSE(thermal.console->lamp(ConsoleLamp::ManualFocus)->isLit());
}

TEST(ConsoleReplies, BinaryStatusBitsByProtocol)
{
    struct Case {
        int protocol;
        uint8_t status;
        bool iris, focus, power;
    } cases[] = {
        {3, 0x08, true, false, false}, {3, 0x10, false, true, false}, {9, 0x02, true, false, false},
        {9, 0x01, false, true, false}, {0, 0x01, true, false, false},  {0, 0x50, false, true, true},
    };
    for (const Case& c : cases) {
        TestConsole t(Types(3, 3, 1, c.protocol));
        Settle(t);
        t.console->link().asciiReplyExpected = false;
        t.line.Inject({0xFF, 0x08, 7, 3, 0, 1, 0, 0, c.status, 0x00});
        EXPECT_EQ(t.console->lamp(ConsoleLamp::ManualIris)->isLit(), c.iris) << c.protocol << " " << int(c.status);
        EXPECT_EQ(t.console->control(IrisOpen)->isEnabled(), c.iris);
        EXPECT_EQ(t.console->lamp(ConsoleLamp::ManualFocus)->isLit(), c.focus) << c.protocol;
        EXPECT_EQ(t.console->control(FocusFar)->isEnabled(), c.focus);
        EXPECT_EQ(t.console->lamp(ConsoleLamp::CameraPower)->isLit(), c.power) << c.protocol;
    }
}

TEST(ConsoleReplies, RegisteredWindowsReceiveTheirReplies)
{
    TestConsole t(Types(5, 1));
    Settle(t);
    Recorder setup;
    t.console->RegisterReplyWindow(ReplyWindow::Setup, &setup);
    t.line.Inject(Reply("S12"));
    ASSERT_EQ(setup.replies.size(), 1u);
    EXPECT_EQ(setup.replies[0], Reply("S12"));

    // The 7100 panel takes the reply to what it sent, and only that one.
    Dsp7100Panel& dsp = t.console->dsp7100Panel();
    t.console->RegisterReplyWindow(ReplyWindow::Dsp7100, &dsp);
    dsp.Open(); // its opening writes go out at once
    EXPECT_TRUE(t.console->replyFlags().dsp7100ReplyPending);
    t.line.Inject(Reply("cZ0"));
    EXPECT_EQ(dsp.statusStep(), 4);
    EXPECT_FALSE(t.console->replyFlags().dsp7100ReplyPending);
    t.line.Inject(Reply("cW1000000000045")); // nobody waits now
    EXPECT_EQ(dsp.statusStep(), 4);
    dsp.done(0);
    t.console->RegisterReplyWindow(ReplyWindow::Dsp7100, nullptr);

    t.console->RegisterReplyWindow(ReplyWindow::Setup, nullptr);
    t.line.Inject(Reply("S12"));
    EXPECT_EQ(setup.replies.size(), 1u);
}

TEST(ConsoleReplies, VideoFlagsOfReceiverType12)
{
    TestConsole t(Types(12, 6));
    Settle(t);
    t.line.Inject(Reply("ms1"));
    EXPECT_EQ(t.console->videoSource(), 1);
    EXPECT_TRUE(static_cast<QAbstractButton*>(t.console->control(SourceRight))->isChecked());
    t.line.Inject(Reply("ms7")); // only 0 and 1 count
    EXPECT_EQ(t.console->videoSource(), 1);
    t.line.Inject(Reply("mR1"));
    EXPECT_TRUE(static_cast<QAbstractButton*>(t.console->control(LeftVideoReversed))->isChecked());
    EXPECT_EQ(t.console->timers().Period(ConsoleTimer::StatusRequest), 50);
}

TEST(ConsoleReplies, JavelinStatusPollGoesThroughTheQueue)
{
    TestConsole t(Types(5, 3, 1, 3));
    t.console->link().SetCameraAddress(300);
    t.clock.Advance(1400);
    t.line.Inject({0x06});
    t.line.written.clear();
    t.clock.Advance(100 + 5); // the status poll at 1500 ms, queued at 5 ms
    ASSERT_EQ(t.line.written.size(), 1u);
    const Bytes& f = t.line.written[0];
    ASSERT_EQ(f.size(), 8u);
    EXPECT_EQ(f[3], 3);
    EXPECT_EQ(f[4], 0x01);
    EXPECT_EQ(f[5], 0x2C);
    uint8_t sum = 0;
    for (size_t i = 1; i < 8; ++i)
        sum = static_cast<uint8_t>(sum + f[i]);
    EXPECT_EQ(sum, 0);
    EXPECT_FALSE(t.console->link().asciiReplyExpected);
}

TEST(ConsoleReplies, RecordingWritesTheTrafficLines)
{
    TestConsole t;
    Settle(t);
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("log.txt")).toStdString();
    t.console->testLog().SetFileName(path);
    t.console->testLog().Start(true, false);
    t.console->recorder().Begin();
    t.console->recorder().SetRecording(true);
    t.console->SendCommand("PSTS");
    t.line.Inject({0x06});
    t.line.Inject(Reply("A001"));
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    const std::string log = s.str();
    EXPECT_NE(log.find("TxC:  F8 01 PSTS 85\t\tTick: 60\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Rx:   ACK\n"), std::string::npos);
    EXPECT_NE(log.find("Rx:   F8 01 A001 81 \n"), std::string::npos) << log;
    EXPECT_NE(log.find("TxA:  ACK\n"), std::string::npos);
}

// A camera reporting another protocol has it stored for the next start;
// the running console keeps one protocol everywhere: the pad and the lens
// buttons still send text frames, not Javelin records.
TEST(ConsoleReplies, ReportedProtocolIsStoredAndChangesNothingElse)
{
    TestConsole t(Types(5, 3));
    t.console->show();
    Settle(t);
    std::string status(27, '0');
    status.replace(0, 2, "cS");
    status.replace(11, 4, "L0A0");
    status.replace(19, 2, "P3"); // "Javelin - 408R"
    t.line.Inject(Reply(status));
    EXPECT_EQ(t.store.GetInt("Setup", "Comm. Protocol", -1), 3);
    t.line.written.clear();

    QTest::mouseClick(t.console->findChild<QWidget*>(QStringLiteral("NudgeLeft")), Qt::LeftButton);
    QWidget* zoomIn = t.console->control(ZoomIn);
    QTest::mousePress(zoomIn, Qt::LeftButton);
    QTest::mouseRelease(zoomIn, Qt::LeftButton);
    const FrameTimeline sent = Follow(t, 1000);
    EXPECT_EQ(TextsOf(sent), (std::vector<std::string>{"ln", "cZ0", "ZS"})) << "text frames, no Javelin records";
    EXPECT_EQ(t.console->settings().protocol, 0);
}

// The address reply's digits are their low four bits; an address the field
// cannot show is not taken, so the field always shows the address in use.
TEST(ConsoleReplies, AddressReplyDigitsAndAddressesBeyondTheField)
{
    struct Case {
        int protocol;
        const char* text;
        int shown;
        bool refused;
    } cases[] = {
        {3, "A0:1", 101, false}, // Javelin: 1 to 999
        {0, "A017", 17, false},
        {0, "A300", 1, true},    // Vexa: 1 to 255
        {0, "A000", 1, true},
        {12, "A000", 0, false},  // Pelco P starts at 0
    };
    for (const Case& c : cases) {
        TestConsole t(Types(5, 3, 1, c.protocol));
        t.console->show();
        Settle(t);
        const int before = t.console->link().cameraAddress();
        QTest::mouseClick(t.console->control(GetAddress), Qt::LeftButton);
        t.clock.Advance(5);
        ASSERT_EQ(t.line.written.size(), 1u) << "A? to the broadcast address";
        t.line.Inject(Reply(c.text));
        EXPECT_EQ(static_cast<QSpinBox*>(t.console->control(CameraAddress))->value(), c.shown) << c.text;
        EXPECT_EQ(t.console->link().cameraAddress(), c.shown) << c.text;
        if (c.refused) {
            EXPECT_EQ(c.shown, before);
            ASSERT_EQ(t.prompter.shown.size(), 1u) << c.text;
            EXPECT_NE(t.prompter.shown[0].text.find("out of range"), std::string::npos);
        } else {
            EXPECT_TRUE(t.prompter.shown.empty()) << c.text;
        }
    }
}
