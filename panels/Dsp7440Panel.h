#pragma once
#include "Dsp7440Codec.h"
#include "FeaturePanel.h"

#include <string>

// "DSP 7440": white balance with its manual buttons and user gains,
// backlight compensation, gamma, exposure (gain, AGC limit, shutter,
// integration), picture effects, the digital zoom pad and the camera's
// presets. Every control queues one command (the newest wins); the
// camera's status string fills the controls. A new panel is built for
// each opening.
class Dsp7440Panel : public FeaturePanel {
    Q_OBJECT
public:
    explicit Dsp7440Panel(PanelHost& host, QWidget* parent = nullptr);

    const Dsp7440Members& members() const { return m_; }

protected:
    void RequestStatus() override;
    void OnPanelReply(const uint8_t* frame, size_t length) override;

private:
    std::string PresetCommand(const char* prefix) const;

    Dsp7440Members m_;
};
