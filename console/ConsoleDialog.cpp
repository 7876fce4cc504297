#include "ConsoleDialog.h"

#include "AddressRange.h"
#include "ButtonPictures.h"
#include "ConsoleControlIds.h"
#include "ConsoleTimerIds.h"
#include "Dsp7100Panel.h"
#include "Dsp723xPanel.h"
#include "Lamp.h"
#include "LensShortcuts.h"
#include "PTControl.h"
#include "PictureButton.h"
#include "PortNames.h"
#include "Prompter.h"
#include "StatusPoll.h"
#include "TrafficStrip.h"
#include "ToursSectorsDialog.h"
#include "TrafficText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLineEdit>
#include <QSpinBox>
#include <tuple>

using namespace ConsoleControl;

ConsoleDialog::ConsoleDialog(ConsoleServices services, const ConsoleSettings& settings, QWidget* parent)
    : QDialog(parent),
      services_(std::move(services)),
      settings_(settings),
      timers_(services_.timers.CreateTimers(*this)),
      link_(services_.line, *timers_, *this),
      javelin_(link_.queue(), settings.protocol),
      testLog_(services_.clock),
      recorder_(services_.clock, testLog_),
      player_(*timers_, services_.clock, *this)
{
    // Nothing leaves the port until the window has been built.
    link_.sendingSuspended = true;
    // The port's thread opens the device while the window is built;
    // Initialise takes the open port (or reports it missing) in its turn.
    services_.line.BeginOpen(LineParametersForPort());
    BuildWindow();
    dsp7100_ = new Dsp7100Panel(*this, this);
    dsp723x_ = new Dsp723xPanel(*this, this);
    toursSectors_ = new ToursSectorsDialog(*this, this);
    ConnectDialogButtons();
    ConnectLensButtons();
    ConnectPresetControls();
    ConnectLogFunctions();
    Initialise();
    qApp->installEventFilter(this);
}

ConsoleDialog::~ConsoleDialog()
{
    if (joystick_)
        services_.joystick->Release();
}

QWidget* ConsoleDialog::control(int id) const
{
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

Lamp* ConsoleDialog::lamp(int id) const
{
    auto it = lamps_.find(id);
    return it == lamps_.end() ? nullptr : it->second;
}

void ConsoleDialog::DrawLamp(int id, int state)
{
    if (Lamp* l = lamp(id))
        l->SetState(state);
}

int ConsoleDialog::lampState(int id) const
{
    const Lamp* l = lamp(id);
    return l ? l->state() : 0;
}

bool ConsoleDialog::commErrorLamp() const
{
    return lampState(ConsoleLamp::CommError) == 1;
}

void ConsoleDialog::SetCommErrorLamp(bool on)
{
    DrawLamp(ConsoleLamp::CommError, on ? 1 : 0);
}

void ConsoleDialog::ApplyLinkSettings()
{
    LinkSettings& l = link_.settings();
    l.mode = settings_.mode;
    l.protocol = settings_.protocol;
    l.receiverType = settings_.receiverType;
    javelin_.SetProtocol(settings_.protocol);
}

void ConsoleDialog::Initialise()
{
    ApplyLinkSettings();
    // The picture buttons, the About entry and the icon.
    AddAboutToSystemMenu();
    QIcon icon;
    for (int side : {16, 32, 48})
        icon.addPixmap(ApplicationPicture(side));
    setWindowIcon(icon);
    SetLensToolTips();
    FillPresetList();
    ResetConsoleState();
    ConfigurePad();
    OpenConsolePort();
    SetAddressRanges();
    EnableControlsForMode();
    EnableControlsForTypes();
    control(IntegrationUp)->setEnabled(false);
    control(IntegrationDown)->setEnabled(false);
    state_.manualIntegration = false;
    ResetLogFunctions();
    SetNewAddressLength();
    link_.sendingSuspended = false;
    StartStartupRequests();
}

void ConsoleDialog::SetLensToolTips()
{
    // The function of each button, for screen readers: "Zoom In".
    constexpr std::tuple<int, const char*, const char*> tips[] = {
        {ZoomIn, "In", "Zoom"},           {ZoomOut, "Out", "Zoom"},          {FocusNear, "Near", "Focus"},
        {FocusFar, "Far", "Focus"},       {IrisOpen, "Open", "Iris"},        {IrisClose, "Close", "Iris"},
        {ColorRed, "Red", "Color"},       {ColorBlue, "Blue", "Color"},      {IntegrationUp, "Increased", "Integration"},
        {IntegrationDown, "Decreased", "Integration"},
    };
    for (auto [id, tip, function] : tips) {
        QString text = QString::fromLatin1(tip);
        control(id)->setAccessibleDescription(QString::fromLatin1(function) + QLatin1Char(' ') + text);
        if (const char* keys = LensShortcutText(id))
            text += QStringLiteral(" (%1)").arg(QString::fromLatin1(keys));
        control(id)->setToolTip(text);
    }
}

void ConsoleDialog::FillPresetList()
{
    state_.selectedPreset = 0;
    FillPresetListWith(PresetListLength(settings_.receiverType));
}

void ConsoleDialog::ResetConsoleState()
{
    link_.linkReady = true;
    link_.linkFree = true;
    state_ = ConsoleState{};
}


void ConsoleDialog::ConfigurePad()
{
    pad_->SetOuterSize(123, 123);
    pad_->SetCentreBand(8);
    if (settings_.panTiltType == 1 || settings_.panTiltType == 2)
        pad_->SetProportionalMode(settings_.panTiltType, QColor(0, 0, 208), settings_.panSpeed, settings_.tiltSpeed);
    pad_->SetPicture(settings_.padPicture);
    pad_->SetReceiverType(settings_.receiverType);
}

void ConsoleDialog::SetAddressRanges()
{
    const AddressRange range = AddressRangeForProtocol(settings_.protocol);
    cameraAddress_->setRange(range.minimum, range.maximum);
    link_.SetCameraAddress(range.minimum);
    cameraAddress_->setValue(range.minimum);
    monitorNumber_->setRange(1, 32);
    monitorNumber_->setValue(1);
}

void ConsoleDialog::EnableControlsForMode()
{
    const bool switcher = settings_.mode == 0;
    monitorNumber_->setEnabled(switcher);
    control(SetAddress)->setEnabled(!switcher);
    control(Find)->setEnabled(!switcher);
}

void ConsoleDialog::EnableControlsForTypes()
{
    const ControlEnabling decided =
        ::EnableControlsForTypes(settings_.receiverType, settings_.cameraType, videoSource_, settings_.protocol);
    videoSource_ = decided.videoSource;
    static_cast<QAbstractButton*>(control(videoSource_ == 1 ? SourceRight : SourceLeft))->setChecked(true);
    for (auto [id, on] : decided.enabled) {
        if (QWidget* w = control(id))
            w->setEnabled(on);
        else if (Lamp* l = lamp(id))
            l->setEnabled(on);
    }
    receiverStatus_->setVisible(settings_.receiverType == 1 || settings_.receiverType == 2);
}

void ConsoleDialog::SetNewAddressLength()
{
    newAddress_->setMaxLength(AddressRangeForProtocol(settings_.protocol).newAddressLength);
    newAddress_->setText(QStringLiteral("1"));
}

// The first requests after start-up: the address, then latch and camera status.
void ConsoleDialog::StartStartupRequests()
{
    using namespace ConsoleTimer;
    timers_->Start(StartupFirst, 5);
    if (settings_.receiverType == 12) {
        timers_->Start(StartupA, 500);
        timers_->Start(StartupB, 1000);
        timers_->Start(StartupC, 2500);
    } else {
        timers_->Start(StartupC, 500);
        timers_->Start(StatusRequest, 1500);
    }
}

LineParameters ConsoleDialog::LineParametersForPort() const
{
    LineParameters p;
    p.device = PortDeviceName(settings_.port, settings_.portName, services_.portOverride);
    p.portNumber = settings_.port;
    p.baud = BaudRateForIndex(settings_.baudIndex);
    p.parity = ParityForProtocol(settings_.protocol);
    p.dataBits = 8;
    p.stopBits = 1;
    p.eventMask = 9;
    p.writeBufferSize = 128;
    return p;
}

bool ConsoleDialog::OpenConsolePort()
{
    const LineParameters p = LineParametersForPort();
    if (!services_.line.OpenPort(this, p)) {
        ShowPortState();
        services_.prompter.ShowMessage(PortMissingMessage(settings_.port, p.device), ApplicationTitle());
        return false;
    }
    services_.line.StartMonitoring();
    ShowPortState();
    return true;
}

void ConsoleDialog::ShowPortState()
{
    setWindowTitle(QString::fromLatin1(services_.line.IsOpen() ? ApplicationTitle() : kPortClosedTitle));
}

// The port reports the loss itself, once; a reply half-assembled from the
// old device can never end.
void ConsoleDialog::CommLost()
{
    receiver_.Reset();
    ShowPortState();
}

void ConsoleDialog::CommReopened()
{
    receiver_.Reset();
    ShowPortState();
}

void ConsoleDialog::OnTimer(int id)
{
    if (id == ConsoleTimer::QueueService) {
        link_.ServiceQueue();
        return;
    }
    if (id == ConsoleTimer::ReplyTimeout) {
        link_.ReplyTimeout();
        return;
    }
    switch (id) {
    case ConsoleTimer::PlaybackPacing: player_.OnPlaybackTimer(); return;
    case ConsoleTimer::PlaybackAckWait: player_.OnAckTimeout(); return;
    case ConsoleTimer::PlayBlink:
    case ConsoleTimer::RecordBlink:
    case ConsoleTimer::PauseBlink: BlinkLogButton(id); return;
    default: break;
    }
    if (id == ConsoleTimer::PeriodicStatus) {
        OnPeriodicStatus();
        return;
    }
    if (id == ConsoleTimer::PeriodicPosition) {
        OnPeriodicPosition();
        return;
    }
    // Every other timer of the console is a one-shot.
    timers_->Stop(id);
    switch (id) {
    case ConsoleTimer::TourStep:
        OnTourStep();
        break;
    case ConsoleTimer::TourStop:
        timers_->Stop(ConsoleTimer::TourStep);
        break;
    case ConsoleTimer::TxLampOff:
        DrawLamp(ConsoleLamp::Transmit, 0);
        break;
    case ConsoleTimer::RxLampOff:
        DrawLamp(ConsoleLamp::Receive, 0);
        break;
    case ConsoleTimer::StartupFirst:
        link_.broadcastOnce = true;
        link_.SendCommand("A?");
        if (services_.started)
            services_.started();
        // The joystick is captured once the first request is out: starting
        // its service (loading the joystick library, looking for the device)
        // would otherwise hold that request back.
        CaptureJoystick();
        break;
    case ConsoleTimer::StartupA:
        link_.SendCommand("mss");
        break;
    case ConsoleTimer::StartupB:
        link_.SendCommand("mRS");
        break;
    case ConsoleTimer::StartupC:
        link_.SendCommand("L?");
        break;
    case ConsoleTimer::NtcipFollowUp:
        EnqueueCommand("mND");
        break;
    case ConsoleTimer::StatusRequest:
        if (StatusPollIsJavelin(settings_.receiverType, settings_.protocol)) {
            javelin_.StatusRequest();
            timers_->Start(ConsoleTimer::QueueService, 5);
        } else if (const char* poll = StatusPollCommand(settings_.receiverType, videoSource_, settings_.protocol)) {
            link_.SendCommand(poll);
        }
        break;
    default:
        break;
    }
}

void ConsoleDialog::ShowTxFrame(const uint8_t* frame, size_t length, const char* text)
{
    RecordTraffic(true, text, frame, length);
    // The write purges unread input, so a reply half-assembled now can never
    // end; start the next one afresh.
    receiver_.Reset();
    timers_->Start(ConsoleTimer::TxLampOff, 50);
    DrawLamp(ConsoleLamp::Transmit, 1);
    receiveStrip_->clear();
    transmitStrip_->setText(QString::fromLatin1(text));
    recorder_.RecordTransmit(text);
}

void ConsoleDialog::ShowLinkMessage(const char* text)
{
    services_.prompter.ShowMessage(text, ApplicationTitle());
}
