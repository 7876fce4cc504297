// The console's buttons that open dialogs and feature panels, and what the
// console does around each opening.
#include "AboutBox.h"
#include "TrafficHistoryWindow.h"
#include "AzimuthDialog.h"
#include "CameraIdDialog.h"
#include "ConsoleControlIds.h"
#include "ConsoleDialog.h"
#include "ConsoleTimerIds.h"
#include "DayNightPanel.h"
#include "Dsp7100Panel.h"
#include "Lens55xPanel.h"
#include "LensMaintenancePanel.h"
#include "Dsp8270Panel.h"
#include "HiDefPanel.h"
#include "IlluminatorPanel.h"
#include "Dsp723xPanel.h"
#include "Dsp7440Panel.h"
#include "FindAddressDialog.h"
#include "ModalRunner.h"
#include "OtherMaintenancePanel.h"
#include "PTControl.h"
#include "PortNames.h"
#include "PrivacyZoneDialog.h"
#include "PlaceholderDialog.h"
#include "PtModuleDialog.h"
#include "SerialPort.h"
#include "SettingsStore.h"
#include "SetupDialog.h"
#include "ThermalPanel.h"
#include "ThermalPanel2.h"
#include "TourSetupDialog.h"
#include "WashPanel.h"
#include "WipePanel.h"
#include "ToursSectorsDialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSpinBox>
#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace ConsoleControl;

namespace {
// The system-menu command of the About entry.
constexpr unsigned kAboutCommand = 16;

bool OneOf(int v, std::initializer_list<int> set)
{
    return std::find(set.begin(), set.end(), v) != set.end();
}
} // namespace

void ConsoleDialog::ConnectDialogButtons()
{
    const std::pair<int, void (ConsoleDialog::*)()> handlers[] = {
        {CameraSetup, &ConsoleDialog::OnCameraSetup}, {CameraId, &ConsoleDialog::OnCameraId},
        {Find, &ConsoleDialog::OnFind},               {TourSetup, &ConsoleDialog::OnTourSetup},
        {DspStatus, &ConsoleDialog::OnDspStatus},     {About, &ConsoleDialog::OnAbout},
    };
    for (auto [id, handler] : handlers)
        connect(static_cast<QAbstractButton*>(control(id)), &QAbstractButton::clicked, this, handler);
    const std::pair<int, ReplyWindow> auxiliary[] = {{WipeSetup, ReplyWindow::WiperSetup},
                                                     {WashSetup, ReplyWindow::WasherSetup},
                                                     {Illuminator, ReplyWindow::Illuminator}};
    for (auto [id, window] : auxiliary)
        connect(static_cast<QAbstractButton*>(control(id)), &QAbstractButton::clicked, this,
                [this, window = window] { OnAuxiliarySetup(window); });
    connect(cameraAddress_, &QSpinBox::valueChanged, this, [this](int address) { link_.SetCameraAddress(address); });
}

int ConsoleDialog::RunModal(QDialog& dialog)
{
    return services_.modal.Run(dialog);
}

int ConsoleDialog::RunPlaceholder(const QString& title)
{
    PlaceholderDialog dialog(title, this);
    return RunModal(dialog);
}

// Opening a dialog ends the periodic status and position requests.
void ConsoleDialog::StopPeriodicRequests()
{
    SetPeriodicStatus(false);
    SetPeriodicPosition(false);
}

// A panel talks to the camera on its own: nothing of the console's waits.
void ConsoleDialog::PrepareForPanel()
{
    link_.queue().DiscardWaiting();
    link_.linkReady = true;
    link_.linkFree = true;
}

void ConsoleDialog::AfterPanelClosed()
{
    presetList_->setCurrentIndex(0);
    QueueStatusRequest();
    EnableControlsForTypes();
}

// One status request after a panel: the camera state it may have changed.
void ConsoleDialog::QueueStatusRequest()
{
    if (!OneOf(settings_.receiverType, {5, 7, 8, 9})) {
        EnqueueCommand("L?H?");
    } else if (settings_.protocol == 3 || settings_.protocol == 9) {
        javelin_.StatusRequest();
        timers_->Start(ConsoleTimer::QueueService, 5);
    } else {
        EnqueueCommand("cDS");
    }
}

void ConsoleDialog::OnCameraSetup()
{
    StopPeriodicRequests();
    SetupValues in;
    in.portIndex = settings_.portIndex;
    in.port = settings_.port;
    in.baudIndex = settings_.baudIndex;
    in.mode = settings_.mode;
    in.padPicture = settings_.padPicture;
    in.receiverType = settings_.receiverType;
    in.cameraType = settings_.cameraType;
    in.panTiltType = settings_.panTiltType;
    in.panSpeed = settings_.panSpeed;
    in.tiltSpeed = settings_.tiltSpeed;
    in.videoType = settings_.videoType;
    in.protocol = settings_.protocol;
    in.portName = settings_.portName;
    const std::vector<std::string> ports = services_.line.PresentPorts();
    // The dialog sends on its own; nothing of the console's may go between.
    link_.queue().DiscardWaiting();
    timers_->Stop(ConsoleTimer::QueueService);
    const int addressBefore = link_.cameraAddress();
    SetupDialog dialog(in, link_, services_.timers, services_.prompter, services_.modal, ports, this);
    dialog.openMaintenance = [this](const char* title, QWidget* parent) { OpenFromSetup(title, parent); };
    const int result = RunPanel(dialog, ReplyWindow::Setup, dialog);
    if (result == QDialog::Accepted)
        ApplySetup(dialog.values());
    // Setup may have taken an LCU's address as the camera address.
    const int addressFromSetup = link_.cameraAddress();
    link_.SetCameraAddress(addressBefore);
    SelectCameraAddress(addressFromSetup);
    AfterCameraSetup();
}

// The Setup dialog's values into the settings, each written as it changes.
void ConsoleDialog::ApplySetup(const SetupValues& out)
{
    using namespace SettingsKeys;
    SettingsStore& store = services_.settings;
    bool reopen = false;
    for (auto [field, value, key] : {std::tuple{&settings_.portIndex, out.portIndex, "Port Index"},
                                     {&settings_.port, out.port, "Port"}, {&settings_.baudIndex, out.baudIndex, "Baud"}}) {
        if (*field == value)
            continue;
        *field = value;
        store.SetInt(kSetup, key, value);
        reopen = true;
    }
    // The named device counts only when it is another device than the
    // line uses now (a bare port number names one too).
    if (out.portName != settings_.portName &&
        PortDeviceName(settings_.port, out.portName, {}) != PortDeviceName(settings_.port, settings_.portName, {})) {
        settings_.portName = out.portName;
        store.SetString(kSetup, "Port Name", out.portName);
        reopen = true;
    }
    settings_.mode = out.mode;
    store.SetInt(kSetup, "Mode", out.mode);
    settings_.padPicture = out.padPicture;
    store.SetInt(kSetup, "PTImage", out.padPicture);
    settings_.receiverType = out.receiverType;
    store.SetInt(kSetup, "RxType", out.receiverType);
    settings_.cameraType = out.cameraType;
    store.SetInt(kSetup, "CamType", out.cameraType);
    settings_.panTiltType = out.panTiltType;
    store.SetInt(kSetup, "PTType", out.panTiltType);
    settings_.panSpeed = settings_.tiltSpeed = 15;
    store.SetInt(kSetup, "PSpeed", 15);
    store.SetInt(kSetup, "TSpeed", 15);
    const int rx = out.receiverType;
    if (OneOf(rx, {5, 7, 8, 9, 11, 12, 13})) {
        settings_.videoType = out.videoType;
        store.SetInt(kSetup, kVideoType, out.videoType);
    }
    if (OneOf(rx, {5, 7, 9, 11, 12, 13})) {
        settings_.protocol = out.protocol;
        store.SetInt(kSetup, kCommProtocol, out.protocol);
    }
    ApplyLinkSettings();
    // A port that is closed (lost, or not there at start-up) is tried again.
    if (reopen || !services_.line.IsOpen())
        OpenConsolePort();
    EnableControlsForMode();
    pad_->SetPicture(settings_.padPicture);
    pad_->SetReceiverType(settings_.receiverType);
    const bool proportional = settings_.panTiltType == 1 || settings_.panTiltType == 2;
    pad_->SetProportionalMode(proportional ? settings_.panTiltType : 0, QColor(0, 0, 208), 15, 15);
    EnableControlsForTypes();
}

// Whether the Setup dialog was confirmed or not: the console shows its
// fields again and asks the camera for its state.
void ConsoleDialog::AfterCameraSetup()
{
    for (int id = ConsoleLamp::CameraPower; id <= ConsoleLamp::ManualFocus; ++id)
        DrawLamp(id, 0);
    FillPresetList();
    SetNewAddressLength();
    EnableControlsForTypes();
    timers_->Start(ConsoleTimer::StartupC, 50);
    timers_->Start(ConsoleTimer::StatusRequest, 500);
}

void ConsoleDialog::OnCameraId()
{
    StopPeriodicRequests();
    link_.linkReady = false;
    CameraIdDialog dialog(*this, settings_.receiverType, this);
    RunOwnPanel(dialog);
    // Ready again however the dialog ends: a cancelled dialog must not leave
    // the command queue held until the camera happens to answer something.
    link_.linkReady = true;
}

void ConsoleDialog::OnFind()
{
    // As for the other dialogs the periodic requests end: their answers
    // would stop the search at an address nobody polled.
    StopPeriodicRequests();
    for (int id = ConsoleLamp::CameraPower; id <= ConsoleLamp::VideoLoss; ++id)
        DrawLamp(id, 0);
    FindAddressDialog dialog(*this, this);
    state_.findInProgress = true;
    onCameraFound = [&dialog](int address) { dialog.ResponseReceived(address); };
    RunOwnPanel(dialog);
    // The search is over however it ended: a later reply tells nobody.
    state_.findInProgress = false;
    onCameraFound = nullptr;
    // The address box shows where commands go now: the address found, or
    // the one the search began with.
    cameraAddress_->setValue(link_.cameraAddress());
    // The lamps were drawn off: ask for the latch and camera state again.
    EnqueueCommand("L?H?", 500);
}

void ConsoleDialog::OnAzimuthSetup()
{
    AzimuthDialog dialog(*this, this);
    if (RunOwnPanel(dialog) == QDialog::Accepted)
        link_.linkReady = true;
}

void ConsoleDialog::OnPtModule()
{
    PtModuleDialog dialog(*this, this);
    if (RunOwnPanel(dialog) == QDialog::Accepted)
        link_.linkReady = true;
}

// A dialog on the panel framework that reads no camera replies: opened,
// run, and done with (its pump and timers ended) before the console goes on.
int ConsoleDialog::RunOwnPanel(FeaturePanel& panel)
{
    panel.Open();
    const int result = RunModal(panel);
    panel.done(result);
    return result;
}

void ConsoleDialog::OnTourSetup()
{
    StopPeriodicRequests();
    if (OneOf(settings_.receiverType, {5, 7, 11, 12, 13, 14})) {
        // The dialog takes the '*' and 'd' replies while it runs and pumps
        // the queue itself: the console's queue service must not take its
        // commands (it would cut the long ones).
        PrepareForPanel();
        timers_->Stop(ConsoleTimer::QueueService);
        RunFeaturePanel(*toursSectors_, ReplyWindow::ToursSectors, false);
        return;
    }
    TourSetupDialog dialog(settings_.storedTourEntries, settings_.dwellTime, settings_.tourEntryFlags,
                           services_.prompter, this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    for (int i = 0; i < 10; ++i) {
        if (dialog.entries()[i] == settings_.storedTourEntries[i])
            continue;
        settings_.storedTourEntries[i] = dialog.entries()[i];
        services_.settings.SetInt(SettingsKeys::kTourSetup, "Tour" + std::to_string(i + 1), dialog.entries()[i]);
    }
    if (dialog.dwellTime() != settings_.dwellTime) {
        settings_.dwellTime = dialog.dwellTime();
        services_.settings.SetInt(SettingsKeys::kTourSetup, "DwellTime", settings_.dwellTime);
    }
}

void ConsoleDialog::OnDspStatus()
{
    StopPeriodicRequests();
    const DspPanel panel = DspStatusPanel(settings_.receiverType, settings_.cameraType, videoSource_);
    if (panel == DspPanel::None)
        return;
    PrepareForPanel();
    if (panel == DspPanel::Dsp7100) {
        RunFeaturePanel(*dsp7100_, ReplyWindow::Dsp7100, false);
    } else if (panel == DspPanel::Dsp723x) {
        const PresetNameTable& names = ConsolePresetNames();
        dsp723x_->SetPresetNames({names.begin(), names.end()});
        RunFeaturePanel(*dsp723x_, ReplyWindow::Dsp723x, false);
    } else if (panel == DspPanel::Dsp7440) {
        Dsp7440Panel dsp7440(*this, this);
        RunFeaturePanel(dsp7440, ReplyWindow::Dsp7440, true);
    } else if (panel == DspPanel::DayNight) {
        DayNightPanel dayNight(*this, this);
        if (RunFeaturePanel(dayNight, ReplyWindow::DayNight, true) == QDialog::Accepted)
            settings_.lineLockPhase = dayNight.members().phase + 1;
    } else if (panel == DspPanel::Lens55X) {
        RunLens55xPanel();
    } else if (panel == DspPanel::Dsp8270) {
        Dsp8270Panel dsp8270(*this, this);
        RunFeaturePanel(dsp8270, ReplyWindow::Dsp8270, true);
    } else if (panel == DspPanel::HiDef) {
        HiDefPanel hiDef(*this, this);
        RunFeaturePanel(hiDef, ReplyWindow::HiDef, true);
    } else if (panel == DspPanel::ThermalControl) {
        ThermalPanel thermal(*this, settings_.cameraType, this);
        RunFeaturePanel(thermal, ReplyWindow::ThermalControl, true);
    } else if (panel == DspPanel::ThermalControls) {
        ThermalPanel2 thermal(*this, this);
        RunFeaturePanel(thermal, ReplyWindow::ThermalControls, true);
    } else {
        RunPlaceholder(QString::fromLatin1(DspPanelTitle(panel)));
    }
    AfterPanelClosed();
}

// Opened from the Day/Night panel, which stays open behind it. The pad in
// the dialog runs at the console's pan and tilt speeds.
void ConsoleDialog::OpenPrivacyZones(QWidget* over)
{
    PrivacyZoneDialog dialog(*this, settings_.panSpeed, settings_.tiltSpeed, over ? over : this);
    RunFeaturePanel(dialog, ReplyWindow::PrivacyZone, false);
}

// The 55X lens panel starts from the manual iris and focus latches as the
// console's lamps show them (its speed from none chosen); on Close the
// console takes back the latches and a speed chosen in the panel.
void ConsoleDialog::RunLens55xPanel()
{
    Lens55xPanel lens(*this, lampState(ConsoleLamp::ManualIris) == 1, lampState(ConsoleLamp::ManualFocus) == 1,
                      this);
    if (RunFeaturePanel(lens, ReplyWindow::Lens55X, true) != QDialog::Accepted)
        return;
    const Lens55xMembers& m = lens.members();
    if (m.speed >= 0 && m.speed <= 2) {
        const int speedButtons[] = {UltraSlow, Slow, Fast};
        static_cast<QAbstractButton*>(control(speedButtons[m.speed]))->setChecked(true);
        OnLensSpeed(m.speed);
    }
    state_.autoIris = m.manualIris == 0;
    DrawLamp(ConsoleLamp::ManualIris, m.manualIris ? 1 : 0);
    state_.manualFocus = m.manualFocus != 0;
    ApplyFocusStatus(state_.manualFocus);
}

// The dialogs Setup opens over itself run with the console's routing.
void ConsoleDialog::OpenFromSetup(const char* title, QWidget* parent)
{
    if (std::string_view(title) == "Lens Maintenance") {
        LensMaintenancePanel maintenance(*this, parent);
        RunNestedPanel(maintenance, ReplyWindow::LensMaintenance);
    } else if (std::string_view(title) == "Other Maintenance") {
        OtherMaintenancePanel other(*this, parent);
        RunNestedPanel(other, ReplyWindow::OtherMaintenance);
    }
}

int ConsoleDialog::RunNestedPanel(FeaturePanel& panel, ReplyWindow window)
{
    return RunFeaturePanel(panel, window, true);
}

// A feature panel opens, takes the replies routed to it while it runs,
// and is done with (its pump and timers ended, the link released) before
// the console goes on. A panel opened over another gives the routing back
// to the one beneath.
int ConsoleDialog::RunFeaturePanel(FeaturePanel& panel, ReplyWindow window, bool queued)
{
    panel.Open();
    ReplyReceiver* beneath = queuedPanel_;
    if (queued)
        SetQueuedPanel(&panel);
    const int result = RunPanel(panel, window, panel);
    if (queued)
        SetQueuedPanel(beneath);
    return result;
}

// Replies go to the panel while it is open.
int ConsoleDialog::RunPanel(QDialog& panel, ReplyWindow window, ReplyReceiver& receiver)
{
    ReplyReceiver* beneath = replyWindows_[static_cast<size_t>(window)];
    RegisterReplyWindow(window, &receiver);
    const int result = RunModal(panel);
    panel.done(result); // ends what the panel runs, however the run ended
    RegisterReplyWindow(window, beneath);
    return result;
}

// "Wipe Setup", "Wash Setup" and "Illuminator": the periodic requests end
// (nothing restarts them when the window closes), the queue is emptied and
// the link released, and the window takes its replies while it is open.
void ConsoleDialog::OnAuxiliarySetup(ReplyWindow window)
{
    StopPeriodicRequests();
    PrepareForPanel();
    std::unique_ptr<FeaturePanel> panel;
    if (window == ReplyWindow::WiperSetup)
        panel = std::make_unique<WipePanel>(*this, this);
    else if (window == ReplyWindow::WasherSetup)
        panel = std::make_unique<WashPanel>(*this, this);
    else
        panel = std::make_unique<IlluminatorPanel>(*this, this);
    RunFeaturePanel(*panel, window, true);
}

// The history window stays open beside the console (it is not modal).
void ConsoleDialog::OnTrafficHistory()
{
    if (!historyWindow_) {
        historyWindow_ = new TrafficHistoryWindow(history_, services_.prompter, this);
        historyWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    historyWindow_->show();
    historyWindow_->raise();
}

void ConsoleDialog::OnAbout()
{
    AboutBox about(this);
    RunModal(about);
}

#ifdef Q_OS_WIN
void ConsoleDialog::AddAboutToSystemMenu()
{
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    if (!menu)
        return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kAboutCommand, L"&About Pivora...");
}

bool ConsoleDialog::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    auto* msg = static_cast<MSG*>(message);
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kAboutCommand) {
        OnAbout();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#else
// Window managers here offer no system menu to extend; "ABOUT" opens the box.
void ConsoleDialog::AddAboutToSystemMenu()
{
    (void)kAboutCommand;
}
#endif
