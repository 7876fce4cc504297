#include "IlluminatorPanel.h"

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
} // namespace

IlluminatorPanel::IlluminatorPanel(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("Illuminator Control"), Policy(), parent)
{
    setObjectName(QStringLiteral("IlluminatorPanel"));
    form().column()
        .group("8650 DayNight IR")
            .radios(m_.ir, {"IR Off", "IR On"}, Digit("i"))
        .group("Mode")
            .radios(m_.mode, {"Mode 1", "Mode 2"}, Digit("im"))
        .bottom()
        .group(QString(), 1)
            .button("Close", [this] { accept(); });
}

void IlluminatorPanel::OnPanelReply(const uint8_t* frame, size_t length)
{
    DecodeIlluminatorReply(frame, length, m_);
    Show();
}
