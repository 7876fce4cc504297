// The console's buttons that open dialogs and feature panels, and what the
// console does around each opening.
#include "AboutBox.h"
#include "ConsoleControlIds.h"
#include "ConsoleDialog.h"
#include "ConsoleTimerIds.h"
#include "DayNightPanel.h"
#include "Dsp7100Panel.h"
#include "ModalRunner.h"
#include "PTControl.h"
#include "PortNames.h"
#include "PlaceholderDialog.h"
#include "SerialPort.h"
#include "SettingsStore.h"
#include "SetupDialog.h"
#include "TourSetupDialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSpinBox>

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
    const std::pair<int, const char*> auxiliary[] = {
        {WipeSetup, "Wipe Setup"}, {WashSetup, "Wash Setup"}, {Illuminator, "Illuminator Control"}};
    for (auto [id, title] : auxiliary)
        connect(static_cast<QAbstractButton*>(control(id)), &QAbstractButton::clicked, this,
                [this, title = title] { OnAuxiliarySetup(title); });
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
    if (reopen)
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
    RunPlaceholder(QStringLiteral("Program Camera ID"));
    // Ready again however the dialog ends: a cancelled dialog must not leave
    // the command queue held until the camera happens to answer something.
    link_.linkReady = true;
}

void ConsoleDialog::OnFind()
{
    for (int id = ConsoleLamp::CameraPower; id <= ConsoleLamp::VideoLoss; ++id)
        DrawLamp(id, 0);
    RunPlaceholder(QStringLiteral("Find Camera Address"));
    // The lamps were drawn off: ask for the latch and camera state again.
    EnqueueCommand("L?H?", 500);
}

void ConsoleDialog::OnTourSetup()
{
    StopPeriodicRequests();
    if (OneOf(settings_.receiverType, {5, 7, 11, 12, 13, 14})) {
        PrepareForPanel();
        RunPlaceholder(QStringLiteral("Tours and Sectors Setup"));
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
    const FeaturePanel panel = DspStatusPanel(settings_.receiverType, settings_.cameraType, videoSource_);
    if (panel == FeaturePanel::None)
        return;
    PrepareForPanel();
    if (panel == FeaturePanel::Dsp7100) {
        dsp7100_->Open();
        RunPanel(*dsp7100_, ReplyWindow::Dsp7100, *dsp7100_);
    } else if (panel == FeaturePanel::DayNight) {
        DayNightPanel dayNight(*this, this);
        dayNight.Open();
        SetQueuedPanel(&dayNight);
        const int result = RunPanel(dayNight, ReplyWindow::DayNight, dayNight);
        SetQueuedPanel(nullptr);
        if (result == QDialog::Accepted)
            settings_.lineLockPhase = dayNight.members().phase + 1;
    } else {
        RunPlaceholder(QString::fromLatin1(FeaturePanelTitle(panel)));
    }
    AfterPanelClosed();
}

// Replies go to the panel while it is open.
int ConsoleDialog::RunPanel(QDialog& panel, ReplyWindow window, ReplyReceiver& receiver)
{
    RegisterReplyWindow(window, &receiver);
    const int result = RunModal(panel);
    panel.done(result); // ends what the panel runs, however the run ended
    RegisterReplyWindow(window, nullptr);
    return result;
}

void ConsoleDialog::OnAuxiliarySetup(const char* title)
{
    PrepareForPanel();
    RunPlaceholder(QString::fromLatin1(title));
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
