#pragma once
#include "FeaturePanel.h"
#include "HiDefCodec.h"

// "DSP HIDEF": digital zoom range, exposure level and video mode of the
// DayNightHiDef camera. Commands are queued, the newest winning; the
// camera's status pairs fill the lists. Built for each opening.
class HiDefPanel : public FeaturePanel {
    Q_OBJECT
public:
    // The status asked for again after an exposure step.
    static constexpr int kExposureStatusTimer = 13;
    static constexpr int kExposureStatusMs = 500;

    explicit HiDefPanel(PanelHost& host, QWidget* parent = nullptr);

    const HiDefMembers& members() const { return m_; }

protected:
    void RequestStatus() override;
    void OnPanelReply(const uint8_t* frame, size_t length) override;
    void OnPanelTimer(int id) override;
    void PanelClosed() override;

private:
    HiDefMembers m_;
};
