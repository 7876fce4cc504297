#pragma once
#include "FeaturePanel.h"

// "Azimuth Setup": fixed commands that set or clear the positioner's north
// reference and say how its azimuth/elevation and compass-direction
// readouts are shown. Every button appends its command to the queue; the
// dialog's own timer sends them one per answer (or time-out).
class AzimuthDialog : public FeaturePanel {
    Q_OBJECT
public:
    explicit AzimuthDialog(PanelHost& host, QWidget* parent = nullptr);

protected:
    void OnPanelReply(const uint8_t*, size_t) override {}
};
