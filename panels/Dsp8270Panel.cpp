#include "Dsp8270Panel.h"

namespace {
SendPolicy Policy()
{
    SendPolicy p;
    p.sendMs = 5;
    p.timeoutMs = 2000;
    p.statusMs = 5;
    return p;
}

const QStringList kShutters = {"1/60", "1/125", "1/250", "1/500", "1/1000", "1/2000", "1/4000", "1/10000"};
const QStringList kIntegrations = {"1/60 (OFF)", "1/30", "1/15", "1/8", "1/5", "1/4", "2/5", "1/2", "1", "2"};
const QStringList kZoomLimits = {"1X", "2X", "5X", "10X"};
} // namespace

Dsp8270Panel::Dsp8270Panel(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("8270 DSP CAMERA CONTROL"), Policy(), parent)
{
    setObjectName(QStringLiteral("Dsp8270Panel"));
    Dsp8270Members& m = m_;
    // The red and blue gains move only while white balance is Manual.
    auto manualBalance = [this] { return m_.whiteBalance == 1; };
    auto gain = [this](const char* body) {
        return [this, body](int) { return m_.whiteBalance == 1 ? std::string(body) : std::string(); };
    };

    form().column()
        .group("Day Night Control", 3)
            .radios(m.dayNight, {"Auto", "Color", "Mono"}, Digit("bM"))
        .group("Exposure")
            .check("Auto All", m.autoAll, Fixed("bEA")).also([this] { m_.autoAll = 1; m_.manualShutter = 0; })
            .check("Manual Shutter", m.manualShutter, Fixed("bm1"))
                .also([this] { m_.manualShutter = 1; m_.autoAll = 0; })
            .spin("Brightness Level", m.brightness, 0, 48, Decimal("bb", 2))
            .spin("Maximum Auto Gain", m.maxGain, 0, 255, Decimal("bG", 3)).hidden()
            .list("Shutter", m.shutter, PadLeft(kShutters), Digit("bS"))
            .list("Maximum Integration Time", m.integration, PadLeft(kIntegrations), Digit("bi"))
        .group("Video Freeze")
            .radios(m.freeze, {"Live", "Freeze"}, PerValue({"bFo", "bFO"}))
        .group("Digital Zoom")
            .list("Digital Zoom Limit", m.zoomLimit, PadLeft(kZoomLimits), Digit("bD"))
        .group("Iris (Status Only)")
            .radios(m.iris, {"Auto", "Manual"}, nullptr).also([this] { m_.iris = reportedIris_; })
        .column()
        .group("White Balance", 4)
            .radios(m.whiteBalance, {"Auto", "Manual", "Indoor", "Outdoor"}, Digit("bW"))
            .row();
    for (auto [caption, press] : {std::pair{"RU", "bWR"}, {"RD", "bWr"}, {"BU", "bWB"}, {"BD", "bWb"}})
        form().hold(caption, gain(press), Fixed("bWQ")).enabledWhen(manualBalance);
    form()
            .spin("Red", m.red, 0, 255).hidden()
            .spin("Blue", m.blue, 0, 255).hidden()
        .group("Sharpness")
            .spin("Sharpness", m.sharpness, 0, 15, Digit("bs"))
        .group("Back Light Compensation", 1)
            .radios(m.blc, {"Off", "Normal Compensation (Level 1)", "Maximum Compensation (Level 2)"}, Digit("bY"))
            .also([this] { if (m_.blc == 0) m_.blcArea = -1; })
        .group("Area Of Most Interest", 5)
            .radios(m.blcArea, {"Bottom", "Right", "Top", "Left", "Centre"},
                    PerValue({"bYA0", "bYA1", "bYA2", "bYA3", "bYA4"}))
        .bottom()
        .group(QString(), 3)
            .button("Status ?", Fixed("bDS")).name("StatusQuery")
            .button("Restore Factory Default", Fixed("bf"))
            .button("CLOSE", [this] { accept(); }).name("Close");
}

void Dsp8270Panel::RequestStatus()
{
    Enqueue("bDS");
}

void Dsp8270Panel::OnPanelReply(const uint8_t* frame, size_t length)
{
    DecodeDsp8270Reply(frame, length, m_);
    reportedIris_ = m_.iris;
    Show();
}
