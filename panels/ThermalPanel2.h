#pragma once
#include "FeaturePanel.h"
#include "Thermal2Codec.h"

// "Thermal Controls": palettes, overlays, freeze, polarity, colour bar,
// one-point refresh, auto refresh time and focus of the thermal cameras.
// While the picture is frozen only "Freeze", "Cal Flag Closed" and "Close"
// can be used. A new panel is built for each opening.
class ThermalPanel2 : public FeaturePanel {
    Q_OBJECT
public:
    explicit ThermalPanel2(PanelHost& host, QWidget* parent = nullptr);

    const Thermal2Members& members() const { return m_; }

protected:
    void RequestStatus() override;
    void OnPanelReply(const uint8_t* frame, size_t length) override;

private:
    Thermal2Members m_;
};
