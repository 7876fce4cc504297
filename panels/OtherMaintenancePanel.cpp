#include "OtherMaintenancePanel.h"

#include "PanelHost.h"
#include "Prompter.h"

namespace {
SendPolicy Policy()
{
    SendPolicy p;
    p.newestWins = false;
    p.slotLength = 63;
    p.sendMs = 5;
    p.timeoutMs = 2000;
    p.statusMs = 500;
    return p;
}

const char* const kClearNvramWarning =
    "WARNING!! -- <Press YES> will erase all camera Setup Data,\n"
    "including S/N, Set North, Presets, and Sectors/ID information\n"
    "- Do you really want to Clear NVRAM?";
} // namespace

OtherMaintenancePanel::OtherMaintenancePanel(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("Other Maintenance"), Policy(), parent)
{
    setObjectName(QStringLiteral("OtherMaintenancePanel"));
    OtherMaintenanceMembers& m = m_;

    form().column()
        .group("Heater Trigger Level (20-45 degrees C)", 4)
            .spin("Heater", m.heater, 0, 99)
            .button("Set", [this](int) { return HeaterCommand(m_.heater); }).name("HeaterSet")
            .button("Get", Fixed("mtS")).name("HeaterGet")
        .group("Goto Preset Video Mode (Freeze/Live)")
            .check("Freeze Video ", m.freeze, PerValue({"mf0", "mf1"}))
            .button("Get", Fixed("mfS")).name("FreezeGet")
        .group("Virtual Home", 4)
            .edit("Virtual Home", m.virtualHome, 6)
            .button("Set", Fixed("mVs")).name("VirtualHomeSet")
            .button("Get", Fixed("mVg")).name("VirtualHomeGet")
            .row().label(QString()).label(QString())
            .button("Clear", Fixed("mVc")).name("VirtualHomeClear")
        .group("Park Setup", 4)
            .spin("Delay", m.parkDelay, 1, 255).rangeMessage()
            .list("Unit", m.parkUnit, {"Seconds", "Minutes", "Hours"}, nullptr).name("ParkUnit")
            .list("Action", m.parkAction,
                  {"Preset 1", "Preset 2", "Preset 3", "Preset 4", "Tour 1", "Tour 2", "Tour 3", "Tour 4"}, nullptr)
                .name("ParkAction")
            .button("Save", [this](int) { return ParkCommand(m_); }).name("ParkSave")
            .button("Get", Fixed("*Xps")).name("ParkGet")
        .group("Misc.", 1)
            .button("Clear NVRAM", [this] { OnClearNvram(); })
        .column()
        .group("Preset Features", 1)
            .radios(m.presetFeature, {"Std. Goto Preset", "Goto Home Before Goto a Preset"}, nullptr)
        .group("P/T Home Features", 1)
            .radios(m.homeFeature, {"Std. Home (Absolute 0)", "A Preset used as P/T Home Pos."}, nullptr)
            .spin("Preset used for seeking P/T Home Pos.", m.seekPreset, 0, 64).rangeMessage().name("SeekPreset")
            .spin("Preset used as P/T Home Pos.", m.homePreset, 0, 64).rangeMessage().name("HomePreset")
        .group("P/T PowerUP/Reset Features", 1)
            .radios(m.powerUp, {"Seeking P/T Home then Stay at actual P/T Home Position",
                                "Seeking P/T Home then Goto The Last Actual P/T Postion",
                                "Seeking P/T Home then Goto The Programmed Preset as Home"}, nullptr)
        .group("Enhanced Preset and Home Features")
            .button("Set", [this](int) { return EnhancedPresetCommand(m_); }).readsBoxes().name("EnhancedPresetSet")
            .button("Get", Fixed("mo?")).name("EnhancedPresetGet")
        .bottom()
        .group(QString(), 1)
            .button("Close", [this] { accept(); });
}

void OtherMaintenancePanel::Fill()
{
    timers().Start(kFreezeQueryTimer, 1000);
    timers().Start(kPresetQueryTimer, 2500);
    timers().Start(kParkQueryTimer, 3000);
}

void OtherMaintenancePanel::RequestStatus()
{
    Enqueue("mtS");
}

void OtherMaintenancePanel::OnPanelTimer(int id)
{
    timers().Stop(id);
    if (id == kFreezeQueryTimer)
        Enqueue("mfS");
    else if (id == kPresetQueryTimer)
        Enqueue("mo?");
    else if (id == kParkQueryTimer)
        Enqueue("*Xps");
}

void OtherMaintenancePanel::PanelClosed()
{
    for (int id : {kFreezeQueryTimer, kPresetQueryTimer, kParkQueryTimer})
        timers().Stop(id);
}

void OtherMaintenancePanel::OnClearNvram()
{
    const MessageAnswer answer = host().prompter().ShowMessage(kClearNvramWarning, ApplicationTitle(),
                                                               MessageButtons::YesNo, MessageIcon::Stop,
                                                               MessageAnswer::No);
    if (answer == MessageAnswer::Yes)
        Enqueue("rrRRRR");
}

void OtherMaintenancePanel::OnPanelReply(const uint8_t* frame, size_t length)
{
    DecodeOtherMaintenanceReply(frame, length, m_);
    Show();
}
