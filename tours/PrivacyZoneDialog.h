#pragma once
#include "FeaturePanel.h"
#include "PrivacyZoneCodec.h"

#include <string>

class PTControl;
class QCheckBox;
class QLineEdit;
class QSpinBox;

// "Screen Privacy Zone Setup": programs the masked areas of a day/night
// camera's picture, zones A to X, each with its mode, sizes and the mask
// colours. The operator steers the camera with the pad and the zoom
// buttons inside the dialog and frames the zone. Every control queues its
// command at once and nothing queued is dropped; the camera's zone status,
// colour, size and position replies fill the controls. Opened from the
// Day/Night panel, a new dialog for each opening.
class PrivacyZoneDialog : public FeaturePanel {
    Q_OBJECT
public:
    static constexpr int kZoneStatusTimer = 12, kColourTimer = 13, kPositionTimer = 14, kSizeTimer = 15;
    // The largest sizes the camera takes; the boxes' spins run to 128.
    static constexpr int kHorizontalMax = 50, kVerticalMax = 40;

    // The pad's speed limits are the console's pan and tilt speeds.
    PrivacyZoneDialog(PanelHost& host, int panSpeedLimit, int tiltSpeedLimit, QWidget* parent = nullptr);

    const PrivacyZoneMembers& members() const { return m_; }
    PTControl* pad() const { return pad_; }

protected:
    bool event(QEvent* event) override;
    void Fill() override;
    void Opened() override;
    void RequestStatus() override;
    void OnPanelReply(const uint8_t* frame, size_t length) override;
    void OnPanelTimer(int id) override;
    void PanelClosed() override;

private:
    // A zone command: the prefix, the selected zone's letter, the rest.
    std::string ZoneCommand(const char* prefix, const std::string& rest = {}) const;
    void OnPositionQuery();
    void OnGoto();
    void OnClose();
    bool SizeValid(QSpinBox* box, int max);

    PrivacyZoneMembers m_;
    PTControl* pad_ = nullptr;
    QCheckBox* programmed_ = nullptr;
    QLineEdit* panBox_ = nullptr;
    QLineEdit* tiltBox_ = nullptr;
    QSpinBox* horizontalBox_ = nullptr;
    QSpinBox* verticalBox_ = nullptr;
};
