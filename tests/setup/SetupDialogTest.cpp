#include "../link/LinkTestSupport.h"
#include "ScriptedModalRunner.h"
#include "ScriptedPrompter.h"
#include "SetupDialog.h"
#include "TabKeyDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using Bytes = FakeLine::Bytes;
using Texts = std::vector<std::string>;

namespace {
SetupValues In(int receiverType, int cameraType = 3, int ptKind = 1, int protocol = 0)
{
    SetupValues v;
    v.receiverType = receiverType;
    v.cameraType = cameraType;
    v.panTiltType = ptKind;
    v.protocol = protocol;
    v.padPicture = 7;
    return v;
}

Bytes Reply(const std::string& text, uint8_t address = 1)
{
    Bytes f{0xF8, address};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

struct Frame {
    uint32_t at;     // ms from the start of the look
    int address;     // the frame's address byte
    std::string text;
};

struct SetupFixture {
    explicit SetupFixture(SetupValues in = In(5), std::vector<std::string> ports = {"/dev/ttyS0", "/dev/ttyUSB0"})
    {
        link.link.settings().receiverType = in.receiverType;
        dialog = std::make_unique<SetupDialog>(in, link.link, link.clock, prompter, modal, std::move(ports));
        dialog->show();
    }

    // Every frame written in the next ms milliseconds.
    std::vector<Frame> Look(uint32_t ms)
    {
        std::vector<Frame> out;
        size_t seen = link.line.written.size();
        for (uint32_t i = 1; i <= ms; ++i) {
            link.clock.Advance(1);
            for (; seen < link.line.written.size(); ++seen) {
                const Bytes& f = link.line.written[seen];
                out.push_back(Frame{i, f[1], std::string(f.begin() + 2, f.end() - 1)});
            }
        }
        link.line.written.clear();
        return out;
    }
    Texts Sent(uint32_t ms)
    {
        Texts out;
        for (const Frame& s : Look(ms))
            out.push_back(s.text);
        return out;
    }
    void Answer(const Bytes& frame) { dialog->OnReply(frame.data(), frame.size()); }
    void Answer(const std::string& text) { Answer(Reply(text)); }

    template <class T> T* Find(const char* name)
    {
        T* w = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Near the left edge: a check box or radio takes clicks on its indicator and caption only.
    void Click(const char* name)
    {
        QWidget* w = Find<QWidget>(name);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
    }
    void Type(const char* name, const char* text)
    {
        auto* box = Find<QLineEdit>(name);
        box->clear();
        QTest::keyClicks(box, QString::fromLatin1(text));
    }
    std::string BoxText(const char* name) { return Find<QLineEdit>(name)->text().toStdString(); }

    LinkFixture link;
    ScriptedPrompter prompter;
    ScriptedModalRunner modal;
    std::unique_ptr<SetupDialog> dialog;
};

// Opened and past the firmware query.
struct OpenSetup : SetupFixture {
    explicit OpenSetup(SetupValues in = In(5), std::vector<std::string> ports = {"/dev/ttyS0", "/dev/ttyUSB0"})
        : SetupFixture(in, std::move(ports))
    {
        Look(10);
    }
};
} // namespace

TEST(SetupDialog, OpeningChainFirmwareThenTimedQueries)
{
    SetupFixture s;
    const auto opening = s.Look(10);
    ASSERT_EQ(opening.size(), 1u);
    EXPECT_EQ(opening[0].text, "RS");
    EXPECT_EQ(opening[0].at, 5u);
    EXPECT_EQ(opening[0].address, 1);

    s.Answer("RV3.21");
    EXPECT_EQ(s.BoxText("CameraFirmwareVersion"), "V3.21");
    const auto chain = s.Look(8100);
    Texts texts;
    std::vector<uint32_t> at;
    for (const Frame& f : chain) {
        texts.push_back(f.text);
        at.push_back(f.at);
    }
    EXPECT_EQ(texts, (Texts{"fS", "hS", "sS", "SS", "mSs"}));
    EXPECT_EQ(at, (std::vector<uint32_t>{5, 1005, 2005, 4005, 8005}));
    // One-shot: nothing more without another firmware reply.
    EXPECT_TRUE(s.Look(20000).empty());
}

TEST(SetupDialog, RepliesAskTheNextQuestion)
{
    SetupValues in = In(6);
    in.protocol = 3;
    OpenSetup s(in);
    const struct {
        const char* reply;
        const char* next; // nullptr: nothing follows
        bool broadcast;
    } chain[] = {
        {"b9600", "cPs", true}, {"P3", "Rs", true},        {"rV1", "jcS", true}, {"jc1", "jbS", true},
        {"jb1", "mn?", true},   {"mn1", "jcS", true},      {"mS0001234", "jcS", true},
        {"h1", "JcS", true},    {"Jc1", "JbS", true},      {"Jb1", nullptr, false}, {"fE", nullptr, false},
        {"S2", nullptr, false}, {"s2", "mSs", false},      {"x1", nullptr, false},
    };
    for (const auto& step : chain) {
        s.Answer(step.reply);
        const auto sent = s.Look(10);
        if (!step.next) {
            EXPECT_TRUE(sent.empty()) << step.reply;
            continue;
        }
        ASSERT_EQ(sent.size(), 1u) << step.reply;
        EXPECT_EQ(sent[0].text, step.next) << step.reply;
        EXPECT_EQ(sent[0].address == 255, step.broadcast) << step.reply;
    }
    EXPECT_EQ(s.BoxText("LcuHostCommBaudRate"), "9600");
    EXPECT_TRUE(s.Find<QCheckBox>("LcuJavelinContinuosMotor")->isEnabled());
    EXPECT_TRUE(s.Find<QCheckBox>("LcuJavelinContinuosMotor")->isChecked());
    EXPECT_TRUE(s.Find<QCheckBox>("CameraJavelinContainsAddress")->isChecked());
    EXPECT_TRUE(s.Find<QCheckBox>("FlipEnable")->isChecked());
    EXPECT_EQ(s.Find<QComboBox>("Lynx2PTDirection")->currentIndex(), 2);
    EXPECT_TRUE(s.Find<QAbstractButton>("VarPropSpeedPT")->isChecked());
    EXPECT_EQ(s.link.link.settings().lcuProtocol, 3) << "the link checks addresses by the LCU's protocol";
}

TEST(SetupDialog, ReplyWithASixteenBitAddress)
{
    OpenSetup s(In(6));
    // 0xFE: a 16-bit address in four nibbles, the letter at byte 6.
    s.Answer(Bytes{0xF8, 0xFE, 0x30, 0x30, 0x31, 0x32, 'r', 'V', '2', '.', '1', 0x80});
    EXPECT_EQ(s.BoxText("LcuFirmwareVersion"), "V2.1");
    EXPECT_EQ(s.BoxText("LcuAddress"), "18");
    EXPECT_EQ(s.link.link.cameraAddress(), 18);
    const auto sent = s.Look(10);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].text, "mn?");
    EXPECT_EQ(sent[0].address, 255);
}

TEST(SetupDialog, ReceiverTypesWithFixedPanTiltQueueS0Once)
{
    for (const auto& [type, camera] : {std::pair{0, 0}, {1, 0}, {2, 1}, {10, 0}}) {
        OpenSetup s(In(5, 3, 1));
        s.Find<QComboBox>("ReceiverType")->setCurrentIndex(type);
        EXPECT_EQ(s.Sent(50), (Texts{"s0"})) << type;
        EXPECT_TRUE(s.Find<QAbstractButton>("FixedPT")->isChecked()) << type;
        EXPECT_FALSE(s.Find<QAbstractButton>("VarSpeedPT")->isEnabled()) << type;
        EXPECT_FALSE(s.Find<QSpinBox>("MaxPanSpeed")->isEnabled()) << type;
        EXPECT_EQ(s.Find<QComboBox>("CamType")->currentIndex(), camera) << type;
        s.dialog->accept();
        EXPECT_EQ(s.dialog->values().panTiltType, 0) << type;
        EXPECT_EQ(s.dialog->values().receiverType, type) << type;
        EXPECT_EQ(s.dialog->values().cameraType, camera) << type;
    }
}

TEST(SetupDialog, OpeningForTheStoredTypes)
{
    // A stored "Var. Prop." kind opens as "Var Speed" and OK hands back 1.
    OpenSetup varProp(In(5, 3, 2));
    EXPECT_TRUE(varProp.Find<QAbstractButton>("VarSpeedPT")->isChecked());
    varProp.dialog->accept();
    EXPECT_EQ(varProp.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(varProp.dialog->values().panTiltType, 1);

    // Type 0 keeps the camera type passed in and sends nothing but "RS".
    SetupFixture krx(In(0, 5, 1));
    EXPECT_EQ(krx.Sent(50), (Texts{"RS"}));
    EXPECT_EQ(krx.dialog->values().cameraType, 5);
    EXPECT_EQ(krx.dialog->values().panTiltType, 0);

    // The LCU: its group on, "SetBaud" and the camera protocol list off.
    OpenSetup lcu(In(6));
    EXPECT_TRUE(lcu.Find<QWidget>("LcuSetCommProtocol")->isEnabled());
    EXPECT_TRUE(lcu.Find<QWidget>("LcuAddress")->isEnabled());
    EXPECT_FALSE(lcu.Find<QWidget>("SetBaud")->isEnabled());
    EXPECT_FALSE(lcu.Find<QWidget>("SetCamCommProtocol")->isEnabled());
    EXPECT_FALSE(lcu.Find<QWidget>("FlipEnable")->isEnabled());

    // Halo/Lynx: flip and direction on; the light mode never.
    OpenSetup halo(In(5));
    EXPECT_TRUE(halo.Find<QWidget>("FlipEnable")->isEnabled());
    EXPECT_TRUE(halo.Find<QWidget>("Lynx2PTDirection")->isEnabled());
    EXPECT_FALSE(halo.Find<QWidget>("LightNormal")->isEnabled());
    EXPECT_FALSE(halo.Find<QWidget>("LcuAddress")->isEnabled());
    EXPECT_FALSE(halo.Find<QWidget>("EnableBootLoaderCode")->isEnabled());

    // Baud index 8 (115000) has no radio: OK keeps it, "SetBaud" sends nothing.
    SetupValues fast = In(5);
    fast.baudIndex = 8;
    OpenSetup baud8(fast);
    baud8.Click("SetBaud");
    EXPECT_TRUE(baud8.Look(10).empty());
    baud8.dialog->accept();
    EXPECT_EQ(baud8.dialog->values().baudIndex, 8);

    // A colour scheme beyond the list opens with "None".
    SetupValues beyond = In(5);
    beyond.padPicture = 8;
    OpenSetup scheme(beyond);
    EXPECT_EQ(scheme.Find<QComboBox>("PanTiltBackground")->currentText().toStdString(), "None");
    EXPECT_EQ(scheme.dialog->values().padPicture, 0);
}

TEST(SetupDialog, PortListSelectsByNameThenIndex)
{
    const std::vector<std::string> ports = {"/dev/ttyS0", "/dev/ttyUSB0"};
    SetupValues named = In(5);
    named.portName = "/dev/ttyUSB0";
    OpenSetup byName(named, ports);
    EXPECT_EQ(byName.Find<QComboBox>("Port")->currentIndex(), 1);
    EXPECT_EQ(byName.dialog->values().portIndex, 1);
    EXPECT_EQ(byName.dialog->values().port, 2);
    byName.Find<QComboBox>("Port")->setCurrentIndex(0);
    EXPECT_EQ(byName.dialog->values().portName, "/dev/ttyS0");
    EXPECT_EQ(byName.dialog->values().port, 1);

    // Beyond the list: nothing selected, the stored values come back as they were.
    SetupValues beyond = In(5);
    beyond.portIndex = 4;
    beyond.port = 9;
    beyond.portName = "/dev/ttyACM3";
    OpenSetup gone(beyond, ports);
    EXPECT_EQ(gone.Find<QComboBox>("Port")->currentIndex(), -1);
    gone.dialog->accept();
    EXPECT_EQ(gone.dialog->values().portIndex, 4);
    EXPECT_EQ(gone.dialog->values().port, 9);
    EXPECT_EQ(gone.dialog->values().portName, "/dev/ttyACM3");

    OpenSetup none(In(5), {});
    EXPECT_EQ(none.Find<QComboBox>("Port")->count(), 1) << "only the \"Network\" entry";
    EXPECT_EQ(none.Find<QComboBox>("Port")->currentIndex(), -1);
    EXPECT_EQ(none.dialog->values().port, 1);
}

TEST(SetupDialog, SerialNumberIsPaddedAndShownWithoutLeadingZeros)
{
    OpenSetup s;
    s.Type("CameraSerialNumber", "12");
    s.Click("SerialNumberSet");
    EXPECT_EQ(s.BoxText("CameraSerialNumber"), "0000012");
    EXPECT_EQ(s.Sent(10), (Texts{"mS0000012"}));
    s.Answer("mS0001234");
    EXPECT_EQ(s.BoxText("CameraSerialNumber"), "1234");

    s.Type("CameraSerialNumber", "");
    s.Click("SerialNumberSet");
    EXPECT_EQ(s.prompter.Texts(), (Texts{"Invalid Serial Number Entry"}));
    EXPECT_TRUE(s.Sent(10).empty());
}

TEST(SetupDialog, ElevationUpToTenThousand)
{
    OpenSetup s;
    s.Type("SetElevation", "10000");
    s.Click("ElevationSet");
    EXPECT_EQ(s.Sent(10), (Texts{"E10000"}));

    s.Type("SetElevation", "10001");
    s.Click("ElevationSet");
    EXPECT_EQ(s.BoxText("SetElevation"), "10001") << "a refused entry keeps its text";
    s.Type("SetElevation", "");
    s.Click("ElevationSet");
    EXPECT_EQ(s.prompter.Texts(), (Texts{"Invalid Elevation Entry", "Invalid Elevation Entry"}));
    EXPECT_EQ(s.prompter.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(s.prompter.shown[0].icon, MessageIcon::None);
    EXPECT_TRUE(s.Sent(10).empty());
    s.Type("SetElevation", "1x2");
    EXPECT_EQ(s.BoxText("SetElevation"), "12") << "digits only";
}

TEST(SetupDialog, HostBaudRates)
{
    OpenSetup s(In(6));
    s.Type("LcuHostCommBaudRate", "19200");
    EXPECT_EQ(s.BoxText("LcuHostCommBaudRate"), "1920") << "four characters at most";
    s.Click("LcuHostBaudSet");
    auto sent = s.Look(10);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].text, "bs192K");
    EXPECT_EQ(sent[0].address, 255);

    s.Type("LcuHostCommBaudRate", "1000");
    s.Click("LcuHostBaudSet");
    EXPECT_EQ(s.prompter.Texts(), (Texts{"Invalid LCU Host Baud Rate Entry"}));
    EXPECT_TRUE(s.Sent(10).empty());
}

TEST(SetupDialog, LcuAddressIsBroadcastInTheProtocolsDigits)
{
    SetupValues vexa = In(6);
    vexa.lcuProtocol = 0;
    OpenSetup s(vexa);
    s.Type("LcuAddress", "7");
    s.Click("LcuAddressSet");
    auto sent = s.Look(10);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].text, "As007");
    EXPECT_EQ(sent[0].address, 255);
    EXPECT_EQ(s.link.link.cameraAddress(), 7);

    // Philips through the LCU list: five digits, and the link lets 16384 through.
    s.prompter.answers = {MessageAnswer::Yes};
    s.Find<QComboBox>("LcuSetCommProtocol")->setCurrentIndex(4);
    EXPECT_EQ(s.Sent(10), (Texts{"cP4"}));
    s.Type("LcuAddress", "16384");
    s.Click("LcuAddressSet");
    sent = s.Look(10);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].text, "As16384");
    EXPECT_EQ(sent[0].address, 255);
    EXPECT_TRUE(s.link.host.messages.empty());

    // Refused: a message, nothing sent, the console's address unchanged.
    s.Type("LcuAddress", "16385");
    s.Click("LcuAddressSet");
    EXPECT_EQ(s.prompter.Texts().back(), "Exceeding Camera Address Range (1-16384)");
    EXPECT_TRUE(s.Look(10).empty());
    EXPECT_EQ(s.link.link.cameraAddress(), 16384);
}

TEST(SetupDialog, LcuAddressDoesNotDropAPendingCommand)
{
    SetupValues vexa = In(6);
    vexa.lcuProtocol = 0;
    OpenSetup s(vexa);
    s.Type("LcuAddress", "7");
    s.Click("NtcipPackageEnable");
    s.Click("LcuAddressSet");
    const auto sent = s.Look(20);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].text, "mn1");
    EXPECT_EQ(sent[0].address, 7) << "the broadcast goes with the address command only";
    EXPECT_EQ(sent[1].text, "As007");
    EXPECT_EQ(sent[1].address, 255);
}

TEST(SetupDialog, ProtocolChangeAsksFirst)
{
    OpenSetup s(In(5, 3, 1, 0));
    auto* list = s.Find<QComboBox>("SetCamCommProtocol");

    s.prompter.answers = {MessageAnswer::No};
    list->setCurrentIndex(3);
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(s.dialog->members().protocol, 0);
    EXPECT_TRUE(s.Sent(10).empty());
    ASSERT_EQ(s.prompter.shown.size(), 1u);
    EXPECT_EQ(s.prompter.shown[0].text, "Do you really want to Change Camera Comm. Protocol?");
    EXPECT_EQ(s.prompter.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(s.prompter.shown[0].icon, MessageIcon::Stop);

    s.prompter.answers = {MessageAnswer::Yes};
    list->setCurrentIndex(14);
    EXPECT_EQ(s.Sent(10), (Texts{"cP>"}));
    EXPECT_FALSE(s.Find<QWidget>("SetBaud")->isEnabled());
    EXPECT_FALSE(s.Find<QWidget>("ElevationSet")->isEnabled());

    s.prompter.answers = {MessageAnswer::Yes};
    list->setCurrentIndex(3);
    EXPECT_EQ(s.Sent(10), (Texts{"cP3"}));
    EXPECT_TRUE(s.Find<QWidget>("CameraJavelinContinuosMotor")->isEnabled());
    s.dialog->accept();
    EXPECT_EQ(s.dialog->values().protocol, 3);

    // The LCU list asks in its own words and broadcasts.
    OpenSetup lcu(In(6));
    lcu.prompter.answers = {MessageAnswer::No};
    lcu.Find<QComboBox>("LcuSetCommProtocol")->setCurrentIndex(3);
    EXPECT_EQ(lcu.Find<QComboBox>("LcuSetCommProtocol")->currentIndex(), -1);
    EXPECT_EQ(lcu.dialog->members().lcuProtocol, -1);
    EXPECT_EQ(lcu.prompter.Texts(), (Texts{"Do you really want to Change LCU Comm. Protocol?"}));
    lcu.prompter.answers = {MessageAnswer::Yes};
    lcu.Find<QComboBox>("LcuSetCommProtocol")->setCurrentIndex(10);
    const auto sent = lcu.Look(10);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].text, "cP:");
    EXPECT_EQ(sent[0].address, 255);
    EXPECT_EQ(lcu.dialog->values().lcuProtocol, 10);
}

TEST(SetupDialog, NewestCommandWinsAndTakesNoOtherBroadcast)
{
    OpenSetup s(In(6));
    s.Click("NtcipPackageEnable");
    s.Click("FlowControlEnable");
    EXPECT_EQ(s.Sent(20), (Texts{"h1"}));

    // A dropped broadcast command does not send its successor to 255.
    s.Click("LcuGetInfo");
    s.Click("FlowControlEnable");
    const auto sent = s.Look(20);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].text, "h0");
    EXPECT_EQ(sent[0].address, 1);
    EXPECT_FALSE(s.link.link.broadcastOnce);
}

TEST(SetupDialog, TogglesFollowTheStoredValue)
{
    OpenSetup s(In(5, 3, 1, 3));
    const struct {
        const char* name;
        const char* on;
        const char* off;
    } toggles[] = {
        {"FlipEnable", "fE", "fD"},
        {"FlowControlEnable", "h1", "h0"},
        {"NtcipPackageEnable", "mn1", "mn0"},
        {"CameraJavelinContinuosMotor", "Jc1", "Jc0"},
        {"CameraJavelinContainsAddress", "Jb1", "Jb0"},
    };
    for (const auto& t : toggles) {
        s.Click(t.name);
        s.Click(t.name);
        EXPECT_EQ(s.Sent(10), (Texts{t.off})) << t.name << ": the newest of on, off";
        s.Click(t.name);
        EXPECT_EQ(s.Sent(10), (Texts{t.on})) << t.name;
    }
    // A reply sets the value the next click toggles from.
    s.Answer("fD");
    EXPECT_FALSE(s.Find<QCheckBox>("FlipEnable")->isChecked());
    s.Click("FlipEnable");
    EXPECT_EQ(s.Sent(10), (Texts{"fE"}));
}

TEST(SetupDialog, RepliesKeepEditsInProgress)
{
    SetupValues javelinLcu = In(6);
    javelinLcu.lcuProtocol = 3;
    OpenSetup s(javelinLcu);
    s.Type("LcuHostCommBaudRate", "48");
    s.Type("CameraSerialNumber", "55");
    // The Javelin LCU's polling comes round through these again and again.
    for (const char* reply : {"mn1", "jc1", "jb0", "P3"})
        s.Answer(reply);
    EXPECT_EQ(s.BoxText("LcuHostCommBaudRate"), "48");
    EXPECT_EQ(s.BoxText("CameraSerialNumber"), "55");
    EXPECT_TRUE(s.Find<QCheckBox>("NtcipPackageEnable")->isChecked());
}

TEST(SetupDialog, ButtonsAndRadios)
{
    OpenSetup s(In(5));
    s.Click("Baud19200");
    s.Click("SetBaud");
    EXPECT_EQ(s.Sent(10), (Texts{"Bs192K"}));
    s.Click("PAL");
    EXPECT_EQ(s.Sent(10), (Texts{"cv1"}));
    s.Click("FixedPT");
    EXPECT_EQ(s.Sent(10), (Texts{"s0"}));
    EXPECT_FALSE(s.Find<QWidget>("MaxTiltSpeed")->isEnabled());
    s.Find<QComboBox>("Lynx2PTDirection")->setCurrentIndex(1);
    EXPECT_EQ(s.Sent(10), (Texts{"S1"}));
    s.Click("PcToKrxMaster");
    s.dialog->accept();
    const SetupValues v = s.dialog->values();
    EXPECT_EQ(v.baudIndex, 6);
    EXPECT_EQ(v.videoType, 1);
    EXPECT_EQ(v.panTiltType, 0);
    EXPECT_EQ(v.mode, 0);
}

TEST(SetupDialog, MaintenanceButtonsOpenTheirDialogs)
{
    OpenSetup s(In(12));
    Texts opened;
    s.dialog->openMaintenance = [&](const char* title, QWidget*) { opened.emplace_back(title); };
    s.Click("LensMaintenance");
    s.Click("OtherSetup");
    // Both are the console's to open, with its reply routing.
    EXPECT_EQ(opened, (Texts{"Lens Maintenance", "Other Maintenance"}));
    EXPECT_TRUE(s.modal.titles.empty());
}

TEST(SetupDialog, OkChecksAnEnabledLcuAddressAndClosingStopsTheQueries)
{
    OpenSetup s(In(6));
    s.Type("LcuAddress", "20000");
    s.dialog->accept();
    EXPECT_EQ(s.prompter.Texts(), (Texts{IntegerRangeMessage(0, 16384).toStdString()}));
    EXPECT_TRUE(s.dialog->isVisible());

    s.Answer("RV1");
    s.dialog->reject();
    EXPECT_TRUE(s.Look(9000).empty());
    for (int id : {10, 12, 13, 14, 15})
        EXPECT_FALSE(s.dialog->timers().IsRunning(id)) << id;
}

TEST(SetupDialog, ARefusedAddressCommandLeavesNoBroadcastBehind)
{
    // LCU Pelco P has no range here, but the link checks the address by its
    // own table for that number and refuses it.
    SetupValues pelco = In(6);
    pelco.lcuProtocol = 10;
    OpenSetup s(pelco);
    s.Type("LcuAddress", "100");
    s.Click("LcuAddressSet");
    EXPECT_TRUE(s.Look(10).empty());
    EXPECT_EQ(s.link.host.messages.size(), 1u);
    EXPECT_FALSE(s.link.link.broadcastOnce);
}

TEST(SetupDialog, Screenshot)
{
    const QString folder = QStringLiteral(PIVORA_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    for (const auto& [type, name] : {std::pair{5, "SetupDialog"}, {6, "SetupDialogLcu"}}) {
        OpenSetup s(In(type));
        s.dialog->adjustSize();
        QApplication::processEvents();
        const QString path = folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
        EXPECT_TRUE(s.dialog->grab().save(path)) << path.toStdString();
    }
}

// The "Network" entry: a serial device server by host and TCP port.
TEST(SetupDialog, NetworkEntryNamesTheDeviceServerAndSaysWhatRawTcpCannotCarry)
{
    SetupFixture s;
    s.dialog->activateWindow();
    auto* port = s.Find<QComboBox>("Port");
    ASSERT_EQ(port->count(), 3);
    EXPECT_EQ(port->itemText(2).toStdString(), "Network");
    EXPECT_FALSE(s.Find<QWidget>("NetworkHost")->isVisible());
    port->setCurrentIndex(2);
    EXPECT_TRUE(s.Find<QWidget>("NetworkHost")->isVisible());
    EXPECT_TRUE(s.Find<QLabel>("NetworkNote")->text().startsWith(QStringLiteral("Raw TCP")));

    // No host: OK says so and keeps the dialog open.
    s.dialog->accept();
    ASSERT_FALSE(s.prompter.shown.empty());
    EXPECT_EQ(s.prompter.shown.back().text, "Please enter the host name or address of the serial device server.");
    EXPECT_TRUE(s.dialog->isVisible());

    auto* host = s.Find<QLineEdit>("NetworkHost");
    host->setFocus();
    QTest::keyClicks(host, "ser2net.local");
    auto* tcpPort = s.Find<QSpinBox>("NetworkPort");
    tcpPort->setFocus();
    tcpPort->selectAll();
    QTest::keyClicks(tcpPort, "7001");
    EXPECT_EQ(s.dialog->values().portName, "tcp://ser2net.local:7001");
    QTest::mouseClick(s.Find<QCheckBox>("Rfc2217"), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(s.dialog->values().portName, "rfc2217://ser2net.local:7001");
    EXPECT_FALSE(s.Find<QLabel>("NetworkNote")->text().startsWith(QStringLiteral("Raw TCP")));
    EXPECT_EQ(s.dialog->values().portIndex, 2);

    // Opened again with that name: the entry and its boxes show it.
    SetupValues in = In(5);
    in.portName = "rfc2217://ser2net.local:7001";
    in.portIndex = 0;
    SetupFixture again(in);
    EXPECT_EQ(again.Find<QComboBox>("Port")->currentText().toStdString(), "Network");
    EXPECT_EQ(again.Find<QLineEdit>("NetworkHost")->text().toStdString(), "ser2net.local");
    EXPECT_EQ(again.Find<QSpinBox>("NetworkPort")->value(), 7001);
    EXPECT_TRUE(again.Find<QCheckBox>("Rfc2217")->isChecked());
    EXPECT_EQ(again.dialog->values().portName, "rfc2217://ser2net.local:7001");
}

// Setup's pump holds a command while sending is suspended and sends it
// when sending resumes; nothing is lost.
TEST(SetupDialog, ACommandWaitsWhileSendingIsSuspended)
{
    SetupFixture s;
    s.Sent(20); // the opening's "RS"
    s.link.link.sendingSuspended = true;
    s.Click("CameraFirmwareGet");
    EXPECT_TRUE(s.Sent(50).empty());
    s.link.link.sendingSuspended = false;
    EXPECT_EQ(s.Sent(20), Texts{"RS"});
}
