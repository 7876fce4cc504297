#include "Lens55xPanel.h"

#include "Lens55xFactoryPanel.h"
#include "PanelHost.h"

namespace {
SendPolicy Policy()
{
    SendPolicy p;
    p.sendMs = 50;
    p.timeoutMs = 500;
    p.statusMs = -1; // the lens is not asked for its state
    return p;
}
} // namespace

Lens55xPanel::Lens55xPanel(PanelHost& host, bool manualIris, bool manualFocus, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("55X Lens Control"), Policy(), parent)
{
    setObjectName(QStringLiteral("Lens55xPanel"));
    m_.manualIris = manualIris ? 1 : 0;
    m_.manualFocus = manualFocus ? 1 : 0;
    Lens55xMembers& m = m_;
    auto letGo = [this](int) { return Lens55xRelease(held_); };

    form().column()
        .group("Lens", 3)
            .label("Zoom")
            .hold("ZI", Press(Lens55xButton::ZoomIn), letGo).name("ZI")
            .hold("ZO", Press(Lens55xButton::ZoomOut), letGo).name("ZO")
            .label("Focus")
            .hold("FN", Press(Lens55xButton::FocusNear), letGo).name("FN")
            .hold("FF", Press(Lens55xButton::FocusFar), letGo).name("FF")
            .label("Iris")
            .hold("IO", Press(Lens55xButton::IrisOpen), letGo).name("IO")
            .hold("IC", Press(Lens55xButton::IrisClose), letGo).name("IC")
        .group("Speed", 3)
            .radios(m.speed, {"Ultra Slow", "Slow", "Fast"}, Encoder())
        .column()
        .group(QString(), 2)
            .check("Manual Iris", m.manualIris, PerValue({"cIA", "cIM"}))
            .check("Manual Focus", m.manualFocus, Fixed("L1"))
            .button("1X/2X Toggle", Fixed("Hk"))
            .button("Reticle On/Off Toggle", [this] { OnReticle(); })
        .group("Back Focus", 3)
            .button("Auto", Fixed("L2")).name("BackFocusAuto")
            .row()
            .label("Manual")
            .button("Near", Fixed("PL")).name("BackFocusNear")
            .button("Far", Fixed("PR")).name("BackFocusFar")
        .bottom()
        .group(QString(), 2)
            .button("Factory Menu", [this] { OnFactoryMenu(); })
            .button("Close", [this] { accept(); });
}

Encoder Lens55xPanel::Press(Lens55xButton button)
{
    return [this, button](int) { return Lens55xPress(button, m_.speed, held_); };
}

// The lens takes the reticle key as two commands, 5 and 200 ms from now.
void Lens55xPanel::OnReticle()
{
    m_.reticle = m_.reticle ? 0 : 1;
    timers().Start(kReticleOnTimer, kReticleOnMs);
    timers().Start(kReticleOffTimer, kReticleOffMs);
}

void Lens55xPanel::OnPanelTimer(int id)
{
    timers().Stop(id);
    if (id == kReticleOnTimer)
        Enqueue("Hl");
    else if (id == kReticleOffTimer)
        Enqueue("Hn");
}

void Lens55xPanel::OnFactoryMenu()
{
    Lens55xFactoryPanel factory(host(), this);
    host().RunNestedPanel(factory, ReplyWindow::Lens55X);
}

// A motion still held when the panel goes is stopped at once: the queue
// is not served once the panel has closed.
void Lens55xPanel::PanelClosed()
{
    for (int id : {kReticleOnTimer, kReticleOffTimer})
        timers().Stop(id);
    const std::string stop = Lens55xRelease(held_);
    if (!stop.empty())
        SendNow(stop);
}
