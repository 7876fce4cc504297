#pragma once
#include "QueuedPanel.h"

#include <map>
#include <string>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

// "Day/Night DSP Camera Control": day/night switching, shutters, white
// balance, aperture, gain limit, line lock, WDR, BLC, EIS, freeze,
// progressive scan, zoom and the camera's serial settings. Every control
// queues one command; the camera's status string fills the controls. A new
// panel is built for each opening.
class DayNightPanel : public QueuedPanel {
    Q_OBJECT
public:
    // The values the panel holds; -1 is "none chosen".
    struct Members {
        int dayNight = -1, whiteBalance = -1, shutter = -1, wdr = -1;
        int crystal = 1, phase = -1, freeze = -1;
        int baud = -1, poll = 0;
        int maxAgc = 1, apertureH = 1, apertureV = 1, apertureMode = -1;
        int dayShutter = -1, nightShutter = -1, lightLevel = -1, eis = -1, eisFrequency = 0;
        int digitalZoom = -1, progressive = -1, field = -1, magnification = -1;
        int enableRx = 0, slowLimit = -1, indoor = -1, blc = -1;
        std::string zoomPosition;
    };
    static constexpr int kLightTimer = 16, kDayShutterTimer = 17, kNightShutterTimer = 18;

    explicit DayNightPanel(PanelHost& host, QWidget* parent = nullptr);

    const Members& members() const { return m_; }
    bool initialising() const { return initialising_; }

protected:
    void Fill() override;
    void OnPanelReply(const uint8_t* frame, size_t length) override;
    void RequestStatus() override;
    void OnPanelTimer(int id) override;
    void PanelClosed() override;

private:
    void Build();
    bool Javelin() const;
    void OnDayNight(int mode);
    void OnStatusString(const uint8_t* text, size_t n);
    void OnE(const uint8_t* text, size_t n);
    void OnAperture(const uint8_t* text, size_t n);
    void OnZoomPositionSet();
    void SetApertureEnabled(bool on);
    void SetWbButtonsEnabled(bool on);
    void ShowMembers();
    QAbstractButton* Radio(const char* caption, const char* name, int& member, int value, std::string command);
    QComboBox* List(const char* name, const char* accessible, std::initializer_list<const char*> items);

    Members m_;
    bool initialising_ = true;
    std::map<std::string, QWidget*> w_; // controls by object name
    // The radio button of each value of each member, for showing the members.
    std::vector<std::tuple<int*, int, QAbstractButton*>> radios_;
};
