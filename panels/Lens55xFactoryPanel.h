#pragma once
#include "FeaturePanel.h"
#include "Lens55xCommands.h"

// "55X Lens Factory Menu": the lens's own on-screen menu, driven by a
// five-button pad, with the pair and bypass toggles and the camera menu's
// enable and exit. Opened from "55X Lens Control".
class Lens55xFactoryPanel : public FeaturePanel {
    Q_OBJECT
public:
    explicit Lens55xFactoryPanel(PanelHost& host, QWidget* parent = nullptr);

protected:
    void OnPanelReply(const uint8_t*, size_t) override {}

private:
    Encoder Pad(FactoryPadButton button);

    bool padFlags_[5] = {}; // L, R, H, T, C
};
