#include "Lens55xFactoryPanel.h"

namespace {
SendPolicy Policy()
{
    SendPolicy p;
    p.sendMs = 50;
    p.timeoutMs = 500;
    p.statusMs = -1;
    return p;
}
} // namespace

Lens55xFactoryPanel::Lens55xFactoryPanel(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("55X Lens Factory Menu"), Policy(), parent)
{
    setObjectName(QStringLiteral("Lens55xFactoryPanel"));
    using B = FactoryPadButton;
    // The pad: H above, L, C and R across, T below.
    form().column()
        .group(QString(), 3)
            .label(QString())
            .hold("H", Pad(B::H), Pad(B::H)).name("PadH")
            .label(QString())
            .hold("L", Pad(B::L), Pad(B::L)).name("PadL")
            .hold("C", Pad(B::C), Pad(B::C)).name("PadC")
            .hold("R", Pad(B::R), Pad(B::R)).name("PadR")
            .label(QString())
            .hold("T", Pad(B::T), Pad(B::T)).name("PadT")
            .label(QString())
        .column()
        .group(QString(), 1)
            .button("Pair On/Off Toggle", Fixed("Hm"))
            .button("ByPass On/Off Toggle", Fixed("Hl"))
        .group("Camera Menu", 2)
            .button("Enable", Fixed("Hp")).name("CameraMenuEnable")
            .button("Exit", Fixed("Ho")).name("CameraMenuExit")
        .bottom()
        .group(QString(), 1)
            .button("Close", [this] { accept(); });
}

// The same event for the press and the release: the press sends, the
// release only clears the button's flag.
Encoder Lens55xFactoryPanel::Pad(FactoryPadButton button)
{
    return [this, button](int) { return FactoryPadEvent(button, padFlags_[static_cast<int>(button)]); };
}
