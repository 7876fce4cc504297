#include "LensMaintenancePanel.h"

#include "CommandLink.h"
#include "PanelHost.h"
#include "Prompter.h"

#include <algorithm>

namespace {
SendPolicy Policy()
{
    SendPolicy p;
    p.sendMs = 5;
    p.timeoutMs = 2000;
    p.statusMs = 5;
    return p;
}

constexpr const char* kClearNvramWarning =
    "WARNING!! -- <Press YES> will erase all camera Setup Data,\n"
    "including S/N, Set North, Presets, and Sectors/ID information\n"
    "- Do you really want to Clear NVRAM?";
} // namespace

LensMaintenancePanel::LensMaintenancePanel(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("Lens Maintenance"), Policy(), parent)
{
    setObjectName(QStringLiteral("LensMaintenancePanel"));
    LensMaintenanceMembers& m = m_;

    form().column()
        .group("Lens Type", 2)
            .list("Voltage", m.voltage, {" 6VDC", " 9VDC", "12VDC"}, Digit("m"))
            .check("Zoom/Focus", m.lensType[0], Encoder())
            .check("Motor Iris", m.lensType[1], Encoder())
            .check("Z/F Follow Pots", m.lensType[2], Encoder())
            .check("Iris Follow Pot", m.lensType[3], Encoder())
            .button("Set", [this](int) { return LensTypeCommand(m_); }).name("SetLensType")
        .group("Camera Type")
            .list("Video", m.video, {"NTSC", "PAL"}, Digit("mv"))
            .list("Camera", m.camera, {"7900/7950", "7440/7450", "8260/8265", "8400", "7810/7815", "8650/8655"},
                  Digit("mc"))
        .group(QString(), 1)
            .button("Set Auto Iris Level", [this] { OnSetAutoIrisLevel(); })
            .button("Start Calibrating Lens", Fixed("mc"))
        .column()
        .group("Line Lock", 2)
            .spin("Phase", m.phase, 0, 5, [](int phase) { return Digit("Lp")(phase + 1); })
                .sendIf([this] { return !m_.initialising && !m_.crystal; })
                .enabledWhen([this] { return !m_.crystal; }).rangeMessage()
            .check("Crystal", m.crystal, [this](int crystal) {
                return crystal ? std::string("Lp0") : Digit("Lp")(std::clamp(m_.phase, 0, 5) + 1);
            })
        .group("Lens Characteristics", 2)
            .check("2X", m.twoX, Digit("mX"))
            .list("IR", m.ir, {"Normal", "850nm", "880nm", "950nm"}, Digit("mR"))
            .button("?", Fixed("mXs")).name("LensCharacteristicsQuery")
        .group(QString(), 1)
            .button("Clear NVRAM", [this] { OnClearNvram(); })
        .bottom()
        .group(QString(), 1)
            .button("Close", [this] { accept(); });
}

// The opening: the phase box at 0 while the camera is not heard yet, and
// nothing of the console's left waiting in the queue.
void LensMaintenancePanel::Fill()
{
    m_.initialising = true;
    m_.phase = 0;
    host().link().queue().Reset();
}

void LensMaintenancePanel::RequestStatus()
{
    Enqueue("m?");
}

void LensMaintenancePanel::OnPanelReply(const uint8_t* frame, size_t length)
{
    const LensMaintenanceReply reply = DecodeLensMaintenanceReply(frame, length, m_);
    if (!reply.taken)
        return;
    Show();
    if (!reply.followUp.empty())
        Enqueue(reply.followUp);
}

// The auto-iris level is a supervisory function: it goes only after the
// service password.
void LensMaintenancePanel::OnSetAutoIrisLevel()
{
    std::string typed;
    if (!host().prompter().GetText("Supervisory Function", "Enter Password:", true, typed))
        return;
    if (!ServicePasswordAccepted(typed)) {
        host().prompter().ShowMessage("Wrong Password - Not qualifying to do this service!", ApplicationTitle());
        return;
    }
    Enqueue("ma");
}

void LensMaintenancePanel::OnClearNvram()
{
    if (host().prompter().ShowMessage(kClearNvramWarning, ApplicationTitle(), MessageButtons::YesNo,
                                      MessageIcon::Stop, MessageAnswer::No) == MessageAnswer::Yes)
        Enqueue("rrRRRR");
}
