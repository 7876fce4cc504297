#pragma once
#include "DayNightCodec.h"
#include "FeaturePanel.h"

class QAbstractButton;
class QLineEdit;

// "Day/Night DSP Camera Control": day/night switching, shutters, white
// balance, aperture, gain limit, line lock, WDR, BLC, EIS, freeze,
// progressive scan, zoom and the camera's serial settings. Every control
// queues one command (the newest wins); the camera's status string fills
// the controls. A new panel is built for each opening.
class DayNightPanel : public FeaturePanel {
    Q_OBJECT
public:
    static constexpr int kLightTimer = 16, kDayShutterTimer = 17, kNightShutterTimer = 18;

    explicit DayNightPanel(PanelHost& host, QWidget* parent = nullptr);

    const DayNightMembers& members() const { return m_; }

protected:
    void Fill() override;
    void RequestStatus() override;
    void OnPanelReply(const uint8_t* frame, size_t length) override;
    void OnPanelTimer(int id) override;
    void PanelClosed() override;

private:
    bool Javelin() const;
    void OnDayNightJavelin();
    void OnZoomPositionSet();
    void OnPrivacySetup();
    void ShowJavelinLimits();

    DayNightMembers m_;
    QAbstractButton* colour_ = nullptr;
    QAbstractButton* mono_ = nullptr;
    QAbstractButton* baud4800_ = nullptr;
    QAbstractButton* baud9600_ = nullptr;
    QLineEdit* zoomBox_ = nullptr;
};
