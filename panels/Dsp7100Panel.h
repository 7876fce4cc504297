#pragma once
#include "Dsp7100Codec.h"
#include "FeaturePanel.h"
#include "PresetFile.h"

class QComboBox;

// "DSP 7100 Control": colour balance, shutter and integration, gain and
// gamma, backlight compensation, zoom and scroll, and ten named camera
// presets kept in PRESET.DAT. It sends each command at once with the class
// letter c in front; one instance lives as long as the console, so its
// members keep their values between openings.
class Dsp7100Panel : public FeaturePanel {
    Q_OBJECT
public:
    static constexpr int kStatusTimer = 10;
    static constexpr int kStatusPeriodMs = 500;

    explicit Dsp7100Panel(PanelHost& host, QWidget* parent = nullptr);

    const Dsp7100Members& members() const { return m_; }
    int statusStep() const { return statusStep_; }
    const PresetFileNames& presetNames() const { return names_; }

protected:
    void Fill() override;
    void OnPanelReply(const uint8_t* frame, size_t length) override;
    void OnPanelTimer(int id) override;
    void PanelClosed() override;

private:
    // Writing a value into its box sends it, as an edit of the box does.
    void Write(int& member, int value, const Encoder& encoder);
    std::string LetGo();
    void FillPresetList();
    void RenamePreset();
    void OnPresetButton(const char* command);

    Dsp7100Members m_;
    int preset_ = 0;
    int statusStep_ = 0;
    bool zoomHeld_ = false, scrollHeld_ = false;
    // Until a group's mode is chosen or reported after opening, its boxes
    // stay disabled (and the Gamma list enabled), whatever the kept modes say.
    bool colourKnown_ = false, shutterKnown_ = false, gainKnown_ = false;
    PresetFileNames names_;
    QComboBox* presetList_ = nullptr;
};
