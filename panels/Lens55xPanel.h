#pragma once
#include "FeaturePanel.h"
#include "Lens55xCommands.h"

// What "55X Lens Control" holds. The speed starts with none chosen; the
// console hands in its manual iris and manual focus latches and takes the
// panel's back when it closes.
struct Lens55xMembers {
    int speed = -1; // 0 "Ultra Slow", 1 "Slow", 2 "Fast"
    int manualIris = 0;
    int manualFocus = 0;
    int reticle = 0;
};

// "55X Lens Control": press-and-hold zoom, focus and iris at the speed
// chosen, the manual iris and focus latches, the 1X/2X and reticle
// toggles, back focus, and the way into the lens's factory menu. Every
// control queues one command (the newest wins); the lens is not asked for
// its state. A new panel is built for each opening.
class Lens55xPanel : public FeaturePanel {
    Q_OBJECT
public:
    // The reticle toggle's two one-shot sends.
    static constexpr int kReticleOnTimer = 20, kReticleOffTimer = 21;
    static constexpr int kReticleOnMs = 5, kReticleOffMs = 200;

    // The console's manual iris and manual focus latches come in; the
    // speed starts with none chosen.
    Lens55xPanel(PanelHost& host, bool manualIris, bool manualFocus, QWidget* parent = nullptr);

    const Lens55xMembers& members() const { return m_; }

protected:
    void OnPanelReply(const uint8_t*, size_t) override {}
    void OnPanelTimer(int id) override;
    void PanelClosed() override;

private:
    Encoder Press(Lens55xButton button);
    void OnReticle();
    void OnFactoryMenu();

    Lens55xMembers m_;
    Lens55xHeld held_;
};
