#pragma once
#include "PresetFile.h"
#include "ReplyRouting.h"
#include "TabKeyDialog.h"
#include "Timers.h"

#include <memory>
#include <string>

class PanelHost;
class PictureButton;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

// "DSP 7100 Control": colour balance, shutter and integration, gain and
// gamma, backlight compensation, zoom and scroll, and ten named camera
// presets kept in PRESET.DAT. It sends each command at once with the class
// letter c in front; one instance lives as long as the console.
class Dsp7100Panel : public TabKeyDialog, public TimerHandler, public ReplyReceiver {
    Q_OBJECT
public:
    static constexpr int kStatusTimer = 10;
    static constexpr int kStatusPeriodMs = 500;

    explicit Dsp7100Panel(PanelHost& host, QWidget* parent = nullptr);
    ~Dsp7100Panel() override;

    // The opening: writes the first values (each one sent), reads the preset
    // names and starts the status sequence.
    void Open();

    void OnTimer(int id) override;
    // Closing stops the status sequence; the members keep their values.
    void done(int result) override;
    void OnReply(const uint8_t* frame, size_t length) override;

    int statusStep() const { return statusStep_; }
    const PresetFileNames& presetNames() const { return names_; }

private:
    void Build();
    void Send(const std::string& body);
    // Writes a value into its box and sends it, as an edit does.
    void WriteColour(int value);
    void WriteIntegration(int value);
    void WriteGain(int value);
    void ShowModes();
    void OnHeld(const char* command, bool zoom);
    void OnLetGo();
    void FillPresetList();
    void RenamePreset();
    void ApplyColour(const uint8_t* f, size_t n);
    void ApplyShutter(const uint8_t* f, size_t n);
    void ApplyGain(const uint8_t* f, size_t n);
    void ApplyMisc(const uint8_t* f, size_t n);
    bool eventFilter(QObject* watched, QEvent* event) override;

    PanelHost& host_;
    std::unique_ptr<Timers> timers_;

    int colourMode_ = 0, colour_ = 0;
    int shutterMode_ = 0, integration_ = 1;
    int gainMode_ = 0, gain_ = 0;
    int gamma_ = 5;
    int preset_ = 0;
    int statusStep_ = 0;
    bool zoomHeld_ = false, scrollHeld_ = false;
    PresetFileNames names_;

    QRadioButton* colourAuto_ = nullptr;
    QRadioButton* colourManual_ = nullptr;
    QSpinBox* colourBox_ = nullptr;
    QRadioButton* shutterRadios_[4] = {};
    QComboBox* speedList_ = nullptr;
    QSpinBox* integrationBox_ = nullptr;
    QRadioButton* gainAuto_ = nullptr;
    QRadioButton* gainManual_ = nullptr;
    QSpinBox* gainBox_ = nullptr;
    QComboBox* gammaList_ = nullptr;
    QCheckBox* backlight_ = nullptr;
    QComboBox* presetList_ = nullptr;
};
