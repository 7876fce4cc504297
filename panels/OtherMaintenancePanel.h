#pragma once
#include "FeaturePanel.h"
#include "OtherMaintenanceCodec.h"

// "Other Maintenance", opened from Setup's "Other Setup": heater trigger
// level, camera NVRAM clear, video freeze while going to a preset, the
// enhanced preset and home features, virtual home and park. Commands are
// queued in turn (none is dropped); four timed queries fill the window
// after it opens. Built for each opening.
class OtherMaintenancePanel : public FeaturePanel {
    Q_OBJECT
public:
    // The timed queries of the opening: "mtS" on the status timer (500 ms),
    // then these.
    static constexpr int kFreezeQueryTimer = 13, kPresetQueryTimer = 14, kParkQueryTimer = 15;

    explicit OtherMaintenancePanel(PanelHost& host, QWidget* parent = nullptr);

    const OtherMaintenanceMembers& members() const { return m_; }

protected:
    void Fill() override;
    void RequestStatus() override;
    void OnPanelReply(const uint8_t* frame, size_t length) override;
    void OnPanelTimer(int id) override;
    void PanelClosed() override;

private:
    void OnClearNvram();

    OtherMaintenanceMembers m_;
};
