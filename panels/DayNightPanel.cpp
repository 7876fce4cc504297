#include "DayNightPanel.h"

#include "JavelinCommandBuilder.h"
#include "PanelHost.h"
#include "Prompter.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <algorithm>
#include <utility>
#include <vector>

namespace {
constexpr int kJavelin408R = 3;
constexpr int kJavelinEr3487d = 9;

SendPolicy Policy()
{
    SendPolicy p;
    p.sendMs = 50;
    p.timeoutMs = 500;
    p.statusMs = 500;
    return p;
}

const QStringList kDayNightShutters = {"Auto",   "1/60",   "1/120",  "1/180",   "1/250",  "1/500",
                                       "1/1000", "1/2000", "1/4000", "1/10000", "1/30000"};
const QStringList kShutters = {"Auto",  "1/2",   "1/4",    "1/8",    "1/15",   "1/30",    "1/60",   "1/120",
                               "1/180", "1/250", "1/500", "1/1000", "1/2000", "1/4000", "1/10000", "1/30000"};

QStringList Magnifications()
{
    QStringList items;
    for (int n = 1; n <= 35; ++n)
        items << QStringLiteral("%1X").arg(n, 2);
    return items;
}
} // namespace

DayNightPanel::DayNightPanel(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("Day/Night DSP Camera Control"), Policy(), parent)
{
    setObjectName(QStringLiteral("DayNightPanel"));
    DayNightMembers& m = m_;
    auto ascii = [this] { return !Javelin(); };
    auto initialised = [this] { return !m_.initialising; };
    auto apertureSet = [this](const char* prefix, int DayNightMembers::*value) {
        return [this, prefix, value](int) { return Offset16(prefix)(m_.*value); };
    };
    auto apertureInRange = [this, initialised](int DayNightMembers::*value) {
        return [this, initialised, value] { return m_.*value >= 1 && m_.*value <= 31 && initialised(); };
    };
    auto manualAperture = [this] { return m_.apertureMode != 0; };

    form().column()
        .group("Day/Night Cntrl", 3)
            .radios(m.dayNight, {"Auto", "Color", "Mono"}, Digit("cM")).sendIf(ascii)
            .also([this] { OnDayNightJavelin(); }).keep(colour_, 1).keep(mono_, 2)
        .group("TR6204K3")
            .list("Light Level", m.lightLevel, {"Low", "High"}, Digit("cWL"))
            .list("Day Shutter", m.dayShutter, kDayNightShutters, Digit("cWSD"))
            .list("Night Shutter", m.nightShutter, kDayNightShutters, Digit("cWSN"))
        .group("Shutter")
            .list("Shutter", m.shutter, kShutters, Digit("cS")).enabledWhen(ascii)
            .list("Digital Slow Limit", m.slowLimit, {"1/60", "1/30", "1/15", "1/8", "1/4", "1/2"}, Digit("ck"))
        .group("White Balance", 4)
            .radios(m.whiteBalance, {"Auto (Normal)", "Manual", "Auto (HPS)"}, Digit("cW")).enabledWhen(ascii)
            .row();
    for (auto [caption, press] : {std::pair{"RU", "cWR"}, {"RD", "cWr"}, {"BU", "cWB"}, {"BD", "cWb"}})
        form().hold(caption, Fixed(press), Fixed("cWQ")).enabledWhen([this] {
            return m_.whiteBalance == 1 || m_.whiteBalance == -1; // unknown at opening: enabled
        });
    form()
            .radios(m.indoor, {"Indoor", "Outdoor"}, Digit("cw"))
        .column()
        .group("Aperture Level", 3)
            .radios(m.apertureMode, {"Auto", "Manual"}, Digit("cA"))
            .spin("Horizontal", m.apertureH, 0, 99).enabledWhen(manualAperture)
            .button("Set Horz.", apertureSet("cAH", &DayNightMembers::apertureH))
                .sendIf(apertureInRange(&DayNightMembers::apertureH)).enabledWhen(manualAperture)
            .spin("Vertical", m.apertureV, 0, 99).enabledWhen(manualAperture)
            .button("Set Vert.", apertureSet("cAV", &DayNightMembers::apertureV))
                .sendIf(apertureInRange(&DayNightMembers::apertureV)).enabledWhen(manualAperture)
        .group("Max AGC (dB)", 3)
            .spin("Max AGC", m.maxAgc, 1, 40)
            .button("Set Max AGC", [this](int) { return Offset16("cG")(m_.maxAgc); }).sendIf(initialised)
        .group("WDR")
            .radios(m.wdr, {"Off", "On"}, Digit("cY")).enabledWhen(ascii)
        .group("EIS")
            .radios(m.eis, {"Off", "On"}, Digit("cE")).also([this] { if (m_.eis == 1) m_.digitalZoom = 0; })
            .list("EIS Frequency", m.eisFrequency, {"16Hz (default)", "5Hz"}, Digit("cEF"))
            .list("Digital Zoom Range", m.digitalZoom, {"Off", "2X", "5X", "10X", "12X"}, Digit("cD"))
                .enabledWhen([this] { return m_.eis != 1; })
        .group("Go to Real Zoom Pos.", 4)
            .list("Zoom Magnification", m.magnification, Magnifications(), RawByte("cZm", 1))
            .edit("Real Zoom Position", m.zoomPosition, 4).keep(zoomBox_)
            .button("Set", [this] { OnZoomPositionSet(); }).name("SetZoomPosition")
            .button("Get", Fixed("cVS")).name("GetZoomPosition")
        .column()
        .group("Line Lock")
            .check("Crystal", m.crystal, [this](int crystal) {
                return crystal ? std::string("Lp0") : Digit("Lp")(std::max(m_.phase, 0) + 1);
            }).enabledWhen(ascii)
            .spin("Phase", m.phase, 0, 5, [](int phase) { return Digit("Lp")(phase + 1); })
                .sendIf([this, initialised] { return initialised() && !m_.crystal; })
                .enabledWhen([this] { return !m_.crystal; }).rangeMessage()
        .group("BLC", 4)
            .radios(m.blc, {"Off", "On"}, Digit("cB"))
            .hold("BU", Fixed("cBi"))
            .hold("BD", Fixed("cBd"))
            .button("Slow", Fixed("cBs")).name("BlcSlow")
            .button("Fast", Fixed("cBf")).name("BlcFast")
        .group("Video Freeze", 3)
            .button("On/Off", Fixed("cFF")).enabledWhen(ascii).name("FreezeOnOff")
            .radios(m.freeze, {"Live", "Freeze"}, PerValue({"cFo", "cFO"})).enabledWhen(ascii)
        .group("Progressive Scan", 3)
            .radios(m.progressive, {"Off", "On"}, PerValue({"cso", "csO"}))
            .row().label("Field")
            .radios(m.field, {"Odd", "Even"}, PerValue({"cse", "csE"}))
        .group("Set Baud")
            .radios(m.baud, {"4800", "9600", "19.2K", "38.4K"}, Digit("cC")).keep(baud4800_, 0).keep(baud9600_, 1)
            .check("Poll", m.poll, PerValue({"cn0", "cn1"})).enabledWhen(ascii)
            .button("Init. All Presets", Encoder()).disabled()
        .bottom()
        .group("Dsp Command (TR4716F/TR3357/TR2940)", 4)
            .edit("Command", m.dspCommand, 10).enabledWhen(ascii).name("DspCommand")
            .button("Send", [this](int) { return QString::fromLatin1(m_.dspCommand.c_str()).toUpper().toStdString(); })
                .enabledWhen(ascii).name("SendDspCommand")
            .check("EnableRx", m.enableRx, PerValue({":D", ":E"}))
            .button("35X WB PATCH", Encoder()).disabled()
            .button("Undo 35X WB PATCH", Encoder()).disabled()
            .button("23X_N WB PATCH", Encoder()).disabled()
            .button("Undo 23X_N WB PATCH", Encoder()).disabled()
        .group("Privacy Zones Setup", 1)
            .button("Setup", [this] { OnPrivacySetup(); })
                .enabledWhen([this] {
                    const int protocol = this->host().protocol();
                    return protocol != kJavelin408R && protocol != kJavelinEr3487d;
                })
                .name("PrivacySetup")
        .group(QString(), 1)
            .button("Status ?", Fixed("cDS")).name("StatusQuery")
            .button("Close", [this] { accept(); });
    form().onShow([this] { ShowJavelinLimits(); });
}

bool DayNightPanel::Javelin() const
{
    return host().protocol() == kJavelin408R;
}

// Under Javelin the day/night buttons send records; the camera's status
// says whether colour and mono may be chosen at all.
void DayNightPanel::OnDayNightJavelin()
{
    if (!Javelin())
        return;
    JavelinCommandBuilder& j = host().javelin();
    if (m_.dayNight == 0)
        j.DayNightAuto();
    else if (m_.dayNight == 1)
        j.DayNightColor();
    else
        j.DayNightMono();
    timers().Start(pump().policy().sendTimer, 5);
}

void DayNightPanel::ShowJavelinLimits()
{
    colour_->setEnabled(m_.colourAllowed != 0);
    mono_->setEnabled(m_.colourAllowed != 0);
    baud4800_->setEnabled(!Javelin());
    baud9600_->setEnabled(!Javelin());
}

void DayNightPanel::Fill()
{
    m_.initialising = true;
    m_.phase = 0;
}

void DayNightPanel::RequestStatus()
{
    if (!Javelin()) {
        Enqueue("cDS");
        return;
    }
    host().javelin().StatusRequest();
    timers().Start(pump().policy().sendTimer, 5);
}

void DayNightPanel::OnZoomPositionSet()
{
    QLineEdit* box = zoomBox_;
    QString text = box->text();
    if (text.isEmpty()) {
        host().prompter().ShowMessage("Invalid Zoom Position", ApplicationTitle());
        box->setFocus();
        return;
    }
    text = text.rightJustified(4, QLatin1Char('0')).toUpper();
    m_.zoomPosition = text.toLatin1().toStdString();
    Show();
    Enqueue("cV" + m_.zoomPosition);
}

// The privacy zone dialog queues on the same command queue with its own
// pump and reply flag. While it is open this panel's timers rest: its pump
// would send the dialog's commands under this panel's flag, and a request
// of its own (newest wins) would drop what the dialog queued. A link still
// waiting for this panel's answer is released. Afterwards the pump runs
// again, so nothing left in the queue stays there, and the requests of the
// opening that had not gone yet (the first status, the TR6204K3 queries)
// are asked again.
void DayNightPanel::OnPrivacySetup()
{
    std::vector<std::pair<int, int>> resting;
    for (int id : {pump().policy().statusTimer, int(kLightTimer), int(kDayShutterTimer), int(kNightShutterTimer)})
        if (timers().IsRunning(id))
            resting.emplace_back(id, timers().Period(id));
    PanelClosed();
    pump().Close();
    host().OpenPrivacyZones(this);
    for (auto [id, ms] : resting)
        timers().Start(id, ms);
    pump().StartPump();
}

void DayNightPanel::OnPanelReply(const uint8_t* frame, size_t length)
{
    const DayNightReply reply = DecodeDayNightReply(frame, length, Javelin(), m_);
    Show();
    for (const std::string& request : reply.followUps)
        Enqueue(request);
    if (reply.askTr6204) {
        timers().Start(kLightTimer, 500);
        timers().Start(kDayShutterTimer, 1000);
        timers().Start(kNightShutterTimer, 2500);
    }
}

// The TR6204K3 settings are asked for directly, outside the queue; the
// panel's flag brings their answers here.
void DayNightPanel::OnPanelTimer(int id)
{
    timers().Stop(id);
    if (id == kLightTimer)
        SendNow("cWLS");
    else if (id == kDayShutterTimer)
        SendNow("cWSDS");
    else if (id == kNightShutterTimer)
        SendNow("cWSNS");
}

void DayNightPanel::PanelClosed()
{
    for (int id : {kLightTimer, kDayShutterTimer, kNightShutterTimer})
        timers().Stop(id);
}
