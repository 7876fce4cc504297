#pragma once
#include "Dsp723xCodec.h"
#include "FeaturePanel.h"

#include <string>
#include <vector>

class QComboBox;

// "DSP 723x Control": digital zoom range, iris, backlight compensation,
// white balance, the zoom and focus pads at three speeds, focus mode,
// auto-integration, shutter, the camera's address and presets. Unlike the
// other queued panels it keeps every command it queues, and a command left
// without a reply is reported. One instance lives as long as the console,
// so what the camera reported stays known from one opening to the next.
class Dsp723xPanel : public FeaturePanel {
    Q_OBJECT
public:
    static constexpr int kStatusTimer = 10;
    static constexpr int kSendTimer = 23;
    static constexpr int kTimeoutTimer = 24;
    static constexpr int kReleaseMs = 150;

    explicit Dsp723xPanel(PanelHost& host, QWidget* parent = nullptr);

    // The console's preset names; the list shows them from the next opening.
    void SetPresetNames(std::vector<std::string> names) { presetNames_ = std::move(names); }

    const Dsp723xMembers& members() const { return m_; }
    int statusStep() const { return step_; }
    bool sequencing() const { return sequencing_; }

protected:
    void Fill() override;
    void RequestStatus() override;
    void OnPanelReply(const uint8_t* frame, size_t length) override;
    void PanelClosed() override;

private:
    Encoder Held(bool& flag, const char* body);
    std::string LetGo();
    void StartStatusSequence();
    void OnShutter();
    void OnSetAddress();
    void OnGoto();
    void BeforeSend(std::string_view next);

    Dsp723xMembers m_;
    int step_ = 1;
    bool sequencing_ = false;
    bool irisHeld_ = false, zoomHeld_ = false, focusHeld_ = false;
    int broadcasts_ = 0; // "As" commands queued that go to every camera
    std::vector<std::string> presetNames_;
    QComboBox* presetList_ = nullptr;
};
