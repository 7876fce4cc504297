#include "ThermalPanel2.h"

namespace {
SendPolicy Policy()
{
    SendPolicy p;
    p.sendMs = 5;
    p.timeoutMs = 2000;
    p.statusMs = 5;
    return p;
}
} // namespace

ThermalPanel2::ThermalPanel2(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("Thermal Controls"), Policy(), parent)
{
    setObjectName(QStringLiteral("ThermalPanel2"));
    Thermal2Members& m = m_;
    // The freeze rule: a frozen picture locks every control but "Freeze",
    // "Cal Flag Closed" and "Close".
    auto live = [this] { return m_.freeze != 1; };
    const QSize focusSize(84, 24);

    form().column()
        .group(QString(), 1)
            .button("1-Pt Refresh", Fixed("trh")).enabledWhen(live).name("OnePointRefresh")
            .button("Auto 1-pt Refresh ON", Fixed("tW1")).enabledWhen(live).name("AutoRefreshOn")
            .button("Auto 1-pt Refresh OFF", Fixed("tW0")).enabledWhen(live).name("AutoRefreshOff")
        .group("Time(1-60min)", 3)
            .spin("Auto refresh", m.autoRefresh, 1, 60).rangeMessage().enabledWhen(live).name("AutoRefreshTime")
            .button("Set", [this](int) { return AutoRefreshCommand(m_.autoRefresh); })
                .readsBoxes().enabledWhen(live).name("SetAutoRefresh")
        .group("Focus")
            .hold("Focus Near", Fixed("tfN"), Fixed("tfS"), focusSize).enabledWhen(live).name("FocusNear")
            .hold("Focus Far", Fixed("tfF"), Fixed("tfS"), focusSize).enabledWhen(live).name("FocusFar")
        .column()
        .group("Image")
            .spin("Color Palette", m.palette, 0, 4, Digit("tC")).rangeMessage().enabledWhen(live)
            .check("Color Bar", m.colourBar, Digit("tB")).enabledWhen(live)
            .check("Polarity", m.polarity, Digit("tL")).enabledWhen(live)
            .check("Freeze", m.freeze, Digit("tF"))
            .check("Cal Flag Closed", m.calFlagClosed, Digit("tc"))
            .list("Digital Zoom", m.digitalZoom, {"Off", "2X", "4X"}, Digit("tX")).enabledWhen(live)
        .group("Overlay")
            .spin("Overlay Palette", m.overlayPalette, 0, 7, Digit("tO")).rangeMessage().enabledWhen(live)
            .list("Overlay Mode", m.overlayMode, {"Off", ".", "Dt/Tm/Contrast", "Full Status"}, Digit("to"))
                .enabledWhen(live)
            .spin("Foreground", m.foreground, 0, 15, Digit("tf")).rangeMessage().enabledWhen(live)
            .spin("Background", m.background, 0, 15, Digit("tk")).rangeMessage().enabledWhen(live)
        // Controls of the camera's other models: kept, never shown, sending nothing.
        .group(QString())
            .button("Zoom In", Encoder()).hidden()
            .button("Zoom Out", Encoder()).hidden()
            .check("Reticle A", m.reticleA, Encoder()).hidden()
            .check("Reticle B", m.reticleB, Encoder()).hidden()
            .button("Range Reticle", Encoder()).hidden()
            .button("TEC/Cooler Standby", Encoder()).hidden()
            .button("Set Date/Time", Encoder()).hidden()
            .spin("Active NUC Index:", m.nucIndex, 0, 15).hidden().name("ActiveNUCIndex")
        .bottom()
        .group(QString(), 2)
            .button("Default Settings", Fixed("tsD")).enabledWhen(live)
            .button("Close", [this] { accept(); });
}

void ThermalPanel2::RequestStatus()
{
    Enqueue("tDS");
}

void ThermalPanel2::OnPanelReply(const uint8_t* frame, size_t length)
{
    if (DecodeThermal2Reply(frame, length, m_))
        Show();
}
