#pragma once
#include "FeaturePanel.h"
#include "ThermalCodec.h"

class QLabel;
class RoiPicture;

// "Thermal Control": flat-field correction, AGC and its presets, region of
// interest and its presets, palettes, orientation, digital zoom, focus,
// digital detail enhancement, user settings and a pass-through command box
// for the thermal cores of the day/night thermal cameras. Every control
// queues one command (the newest wins); the camera's status string fills
// the controls. A new panel is built for each opening.
class ThermalPanel : public FeaturePanel {
    Q_OBJECT
public:
    // The camera type at opening decides the ROI ranges and first labels.
    ThermalPanel(PanelHost& host, int cameraType, QWidget* parent = nullptr);

    const ThermalMembers& members() const { return m_; }

protected:
    void Fill() override;
    void RequestStatus() override;
    void OnPanelReply(const uint8_t* frame, size_t length) override;

private:
    // The status is asked for again once the camera has taken a preset.
    void ReadStatusSoon();
    void OnRoiSet();
    void ShowRoi();

    ThermalMembers m_;
    int cameraType_;
    QLabel* roiRange_[4] = {};
    QLabel* roiWidth_ = nullptr;
    QLabel* roiHeight_ = nullptr;
    RoiPicture* roiPicture_ = nullptr;
};
