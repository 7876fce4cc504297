#include "WipePanel.h"

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

WipePanel::WipePanel(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("Wipe Setup"), Policy(), parent)
{
    setObjectName(QStringLiteral("WipePanel"));
    form().column()
        .group("Wiper", 3)
            .spin("Run Time (0-9999 s)", m_.runTime, 0, 9999).name("RunTime")
            .spin("Delay Time (0-99 s)", m_.delay, 0, 99).name("DelayTime")
            .button("Set", [this](int) { return WipeSetCommand(m_); })
        .group("Module")
            .radios(m_.module, {"Old Module", "New Module"}, Digit("mwm"))
        .bottom()
        .group(QString(), 1)
            .button("Close", [this] { accept(); });
}

void WipePanel::OnPanelReply(const uint8_t* frame, size_t length)
{
    DecodeWipeReply(frame, length, m_);
    Show();
}
