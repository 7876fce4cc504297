#include "WashPanel.h"

namespace {
SendPolicy Policy()
{
    SendPolicy p;
    p.newestWins = false;
    p.sendMs = 5;
    p.timeoutMs = 2000;
    p.statusMs = 200;
    return p;
}
} // namespace

WashPanel::WashPanel(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("Wash Setup"), Policy(), parent)
{
    setObjectName(QStringLiteral("WashPanel"));
    form().column()
        .group("Washer", 3)
            .spin("Wash Time (0-99 s)", m_.washTime, 0, 99).name("WashTime")
            .spin("Wipe Time (0-99 s)", m_.wipeTime, 0, 99).name("WipeTime").hidden()
            .spin("Auto Mode Freq. (1-10 minutes)", m_.frequency, kWashFrequencyLow, kWashFrequencyHigh)
                .name("AutoModeFreq")
            .row()
            .check("Manual Wash", m_.manualWash, nullptr)
            .button("Set", [this](int) { return WashSetCommand(m_); })
        .bottom()
        .group(QString(), 2)
            .button("SetWashHome", Fixed("mWh"))
            .button("Close", [this] { accept(); });
}

void WashPanel::OnPanelReply(const uint8_t* frame, size_t length)
{
    DecodeWashReply(frame, length, m_);
    Show();
}
