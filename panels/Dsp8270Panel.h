#pragma once
#include "Dsp8270Codec.h"
#include "FeaturePanel.h"

// "8270 DSP CAMERA CONTROL": day/night, exposure (auto-all or manual
// shutter, brightness, shutter, maximum integration), video freeze,
// digital zoom limit, white balance with manual red/blue adjustment,
// sharpness, and backlight compensation with its area of most interest.
// Commands carry the class letter b and are queued, the newest winning;
// the camera's status record fills the controls. Built for each opening.
class Dsp8270Panel : public FeaturePanel {
    Q_OBJECT
public:
    explicit Dsp8270Panel(PanelHost& host, QWidget* parent = nullptr);

    const Dsp8270Members& members() const { return m_; }

protected:
    void RequestStatus() override;
    void OnPanelReply(const uint8_t* frame, size_t length) override;

private:
    Dsp8270Members m_;
    int reportedIris_ = -1; // the iris buttons show only what the camera says
};
