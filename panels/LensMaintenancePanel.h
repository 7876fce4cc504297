#pragma once
#include "FeaturePanel.h"
#include "LensMaintenanceCodec.h"

// "Lens Maintenance", opened from Setup: lens type and voltage, lens
// calibration, line lock, video standard, camera model and the lens's
// characteristics, and two guarded services (the auto-iris level behind
// the service password, clearing the camera's NVRAM behind a warning).
// Every control queues one command (the newest wins). The opening empties
// the command queue and asks "m?"; each answer asks the next question
// ("mXS", then "mRS"). A new panel is built for each opening.
//
// Timers: 10 sends, 11 the reply time-out, 12 the first request. (The
// sending is on 10 so that it does not share an id with the first request.)
class LensMaintenancePanel : public FeaturePanel {
    Q_OBJECT
public:
    explicit LensMaintenancePanel(PanelHost& host, QWidget* parent = nullptr);

    const LensMaintenanceMembers& members() const { return m_; }

protected:
    void Fill() override;
    void RequestStatus() override;
    void OnPanelReply(const uint8_t* frame, size_t length) override;

private:
    void OnSetAutoIrisLevel();
    void OnClearNvram();

    LensMaintenanceMembers m_;
};
