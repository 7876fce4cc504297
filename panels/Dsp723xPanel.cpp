#include "Dsp723xPanel.h"

#include "AddressCheck.h"
#include "CommandLink.h"
#include "PanelHost.h"
#include "PictureButton.h"

#include <QComboBox>

namespace {
SendPolicy Policy()
{
    SendPolicy p;
    p.newestWins = false;
    p.flag = PendingFlag::Dsp723x;
    p.sendTimer = Dsp723xPanel::kSendTimer;
    p.sendMs = 5;
    p.timeoutTimer = Dsp723xPanel::kTimeoutTimer;
    p.timeoutMs = 2000;
    p.statusTimer = Dsp723xPanel::kStatusTimer;
    p.statusMs = 500;
    p.timeoutMessage = "Command timeout\n";
    return p;
}

const QStringList kShutters = {"1/4",    "1/8",    "1/15",   "1/30",   "Auto",   "1/60",    "1/100",
                               "1/250",  "1/500",  "1/1000", "1/2000", "1/4000", "1/10000"};

// "Set Addr" programs addresses 1 to 223.
constexpr int kLowestAddress = 1, kHighestAddress = 223;
} // namespace

Dsp723xPanel::Dsp723xPanel(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("DSP 723x Control"), Policy(), parent)
{
    setObjectName(QStringLiteral("Dsp723xPanel"));
    Dsp723xMembers& m = m_;
    auto manualIris = [this] { return m_.iris == 1; };
    auto manualFocus = [this] { return m_.focus == 1; };
    auto letGo = [this](int) { return LetGo(); };

    form().column()
        .group("Digital Zoom Range", 4)
            .radios(m.zoomRange, {"Off", "2X", "4X", "8X"}, Digit("cD")).onlyWhenChanged()
        .group("Iris")
            .radios(m.iris, {"Auto", "Manual"}, PerValue({"cIA", "cIM"}))
            .hold("IOPN", Held(irisHeld_, "cIO"), letGo).enabledWhen(manualIris).name("IOPN")
            .hold("ICLS", Held(irisHeld_, "cIC"), letGo).enabledWhen(manualIris).name("ICLS")
        .group("BkLite Comp")
            .radios(m.blc, {"Off", "On"}, Digit("cB"))
        .group("White Balance")
            .radios(m.whiteBalance, {"Auto", "Set", "Lock", "Indoor", "Outdoor", "Fluorescent"}, Digit("cW"))
            .onlyWhenChanged()
        .column()
        .group("Zoom / Focus", 4)
            .label("Zoom Wide")
            .hold("ZSL", Held(zoomHeld_, "cz0"), letGo).name("ZSL")
            .hold("ZML", Held(zoomHeld_, "cz1"), letGo).name("ZML")
            .hold("ZFL", Held(zoomHeld_, "cz2"), letGo).name("ZFL")
            .label("Zoom Tele")
            .hold("ZSR", Held(zoomHeld_, "cZ0"), letGo).name("ZSR")
            .hold("ZMR", Held(zoomHeld_, "cZ1"), letGo).name("ZMR")
            .hold("ZFR", Held(zoomHeld_, "cZ2"), letGo).name("ZFR")
            .label("Focus Far")
            .hold("FSL", Held(focusHeld_, "cF0"), letGo).enabledWhen(manualFocus).name("FSL")
            .hold("FML", Held(focusHeld_, "cF1"), letGo).enabledWhen(manualFocus).name("FML")
            .hold("FFL", Held(focusHeld_, "cF2"), letGo).enabledWhen(manualFocus).name("FFL")
            .label("Focus Near")
            .hold("FSR", Held(focusHeld_, "cN0"), letGo).enabledWhen(manualFocus).name("FSR")
            .hold("FMR", Held(focusHeld_, "cN1"), letGo).enabledWhen(manualFocus).name("FMR")
            .hold("FFR", Held(focusHeld_, "cN2"), letGo).enabledWhen(manualFocus).name("FFR")
        .group("Focus")
            .radios(m.focus, {"Auto", "Manual"}, PerValue({"cFA", "cFM"}))
        .group("Auto-Integration")
            .radios(m.integration, {"Off", "On"}, Digit("ci"))
        .group("Shutter")
            .list("Shutter", m.shutter, kShutters, nullptr).also([this] { OnShutter(); })
        .column()
        .group("Camera", 1)
            .button("Set Addr", [this] { OnSetAddress(); })
        .group("Presets")
            .list("Preset", m.preset, {}, nullptr).keep(presetList_)
            .row()
            .button("Goto", [this] { OnGoto(); })
            .button("Store", [this](int) { return "P" + std::string(1, Dsp723xPresetCharacter(m_.preset)); })
        .group(QString(), 1)
            .button("Status ?", [this] { StartStatusSequence(); }).name("StatusQuery")
            .button("Close", [this] { accept(); });

    // The pump sends the queue on 150 ms after a pad button is let go.
    for (PictureButton* pad : findChildren<PictureButton*>())
        connect(pad, &PictureButton::letGo, this, [this] { timers().Start(kSendTimer, kReleaseMs); });
    pump().beforeSend = [this](std::string_view next) { BeforeSend(next); };
}

Encoder Dsp723xPanel::Held(bool& flag, const char* body)
{
    return [&flag, body](int) {
        flag = true;
        return std::string(body);
    };
}

// The stop of whatever was held.
std::string Dsp723xPanel::LetGo()
{
    const char* stop = irisHeld_ ? "cIs" : zoomHeld_ ? "cZs" : focusHeld_ ? "cFs" : "";
    irisHeld_ = zoomHeld_ = focusHeld_ = false;
    return stop;
}

// The opening: the console's preset names, shutter "Auto", the iris and
// focus pads locked until the camera reports its modes, and the status
// sequence from its first step.
void Dsp723xPanel::Fill()
{
    presetList_->clear();
    for (const std::string& name : presetNames_)
        presetList_->addItem(QString::fromStdString(name));
    m_.preset = 0;
    m_.shutter = kDsp723xShutterAuto;
    m_.iris = m_.focus = -1;
    irisHeld_ = zoomHeld_ = focusHeld_ = false;
    broadcasts_ = 0;
    host().link().broadcastOnce = false;
    step_ = 1;
    sequencing_ = true;
}

void Dsp723xPanel::StartStatusSequence()
{
    sequencing_ = true;
    step_ = 1;
    timers().Start(kStatusTimer, 500);
}

// Timer 10: the query of the current step, or the end of the sequence.
void Dsp723xPanel::RequestStatus()
{
    if (!sequencing_)
        return;
    if (const char* query = Dsp723xStatusQuery(step_))
        Enqueue(query);
    else
        sequencing_ = false;
}

void Dsp723xPanel::OnPanelReply(const uint8_t* frame, size_t length)
{
    const Dsp723xReply reply = DecodeDsp723xReply(frame, length, m_);
    Show();
    if (!sequencing_ || reply.nextStep < 0)
        return;
    step_ = reply.nextStep;
    timers().Start(kStatusTimer, reply.restartMs);
}

// "Auto" also gives the iris back to the camera.
void Dsp723xPanel::OnShutter()
{
    Enqueue(Digit("cS")(m_.shutter));
    if (m_.shutter == kDsp723xShutterAuto) {
        m_.iris = 0;
        Enqueue("cIA");
    }
}

void Dsp723xPanel::OnSetAddress()
{
    const int address = host().link().cameraAddress();
    if (address < kLowestAddress || address > kHighestAddress)
        return;
    ++broadcasts_;
    Enqueue(Decimal("As", 3)(address));
}

// The queued "As" goes to every camera: the broadcast is armed just before
// it leaves, so no command queued ahead of it takes the broadcast address.
// An address the link refuses arms nothing, so nothing later is broadcast.
void Dsp723xPanel::BeforeSend(std::string_view next)
{
    if (broadcasts_ == 0 || next.substr(0, 2) != "As")
        return;
    --broadcasts_;
    CommandLink& link = host().link();
    const LinkSettings& s = link.settings();
    const int protocol = s.receiverType == 6 ? s.lcuProtocol : s.protocol;
    if (!CheckCommandAddress(protocol, link.cameraAddress(), false))
        link.broadcastOnce = true;
}

// Recalling a preset leaves the camera's focus on Manual; the answer to
// "H?" shows the camera's state on the console (the 0x02 frames only).
void Dsp723xPanel::OnGoto()
{
    Enqueue("H" + std::string(1, Dsp723xPresetCharacter(m_.preset)));
    if (host().link().settings().mode == 0)
        Enqueue("H?");
    m_.focus = 1;
}

void Dsp723xPanel::PanelClosed()
{
    const std::string stop = LetGo();
    if (!stop.empty())
        Enqueue(stop);
    sequencing_ = false;
}
