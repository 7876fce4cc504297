// Camera and monitor selection, address programming, presets and their
// names, typed positions, tours, and the periodic status and position
// requests with the replies they bring.
#include "ConsoleControlIds.h"
#include "ConsoleDialog.h"
#include "ConsoleTimerIds.h"
#include "Lamp.h"
#include "PresetCommands.h"
#include "Prompter.h"
#include "SettingsStore.h"
#include "StatusPoll.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>
#include <limits>

using namespace ConsoleControl;

namespace {
QString FieldText(QWidget* w)
{
    return static_cast<QLineEdit*>(w)->text();
}
} // namespace

void ConsoleDialog::ConnectPresetControls()
{
    auto clicked = [this](int id, void (ConsoleDialog::*handler)()) {
        connect(static_cast<QAbstractButton*>(control(id)), &QAbstractButton::clicked, this, handler);
    };
    clicked(SetAddress, &ConsoleDialog::OnSetAddress);
    clicked(Store, &ConsoleDialog::OnStorePreset);
    clicked(PresetGoto, &ConsoleDialog::OnGotoPreset);
    clicked(StoreId, &ConsoleDialog::OnStoreId);
    clicked(GetId, &ConsoleDialog::OnGetId);
    clicked(PositionGoto, &ConsoleDialog::OnPositionGoto);
    clicked(StartStop, &ConsoleDialog::OnStartStopTour);
    connect(static_cast<QAbstractButton*>(control(GetAddress)), &QAbstractButton::clicked, this,
            [this] { timers_->Start(ConsoleTimer::StartupFirst, 5); });
    connect(static_cast<QAbstractButton*>(control(ImageQuery)), &QAbstractButton::clicked, this,
            [this] { SendCommand("ciS"); });
    connect(static_cast<QAbstractButton*>(control(StatusQuery)), &QAbstractButton::clicked, this,
            [this] { SetPeriodicStatus(!state_.periodicStatus); });
    connect(static_cast<QAbstractButton*>(control(PositionQuery)), &QAbstractButton::clicked, this,
            [this] { SetPeriodicPosition(!state_.periodicPosition); });
    connect(monitorNumber_, &QSpinBox::valueChanged, this, &ConsoleDialog::OnMonitorChanged);
    connect(presetList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            state_.selectedPreset = index;
    });
    // A name edit is taken when the list's editing ends: Enter, or the
    // focus leaving the list. The typed text names the selected preset; the
    // list must not take it for a search and select another preset with
    // that name, nor complete it from the other names.
    QLineEdit* edit = presetList_->lineEdit();
    disconnect(edit, &QLineEdit::editingFinished, presetList_, nullptr);
    presetList_->setCompleter(nullptr);
    connect(edit, &QLineEdit::editingFinished, this, &ConsoleDialog::CommitPresetName);
}

// Javelin records go through the queue like text; the caller has queued one.
void ConsoleDialog::QueueJavelin(bool queued)
{
    if (queued)
        timers_->Start(ConsoleTimer::QueueService, 5);
}

void ConsoleDialog::OnMonitorChanged(int monitor)
{
    // Enter in the field repeats the value it holds: that selects nothing new.
    if (link_.sendingSuspended || monitor < 1 || monitor == state_.monitorNumber)
        return;
    state_.monitorNumber = monitor;
    for (int id = ConsoleLamp::CameraPower; id <= ConsoleLamp::VideoLoss; ++id)
        DrawLamp(id, 0);
    EnqueueCommand(MonitorCommand(link_.cameraAddress(), monitor));
    timers_->Start(ConsoleTimer::StatusRequest, 1000);
}

bool ConsoleDialog::SelectCameraAddress(int address)
{
    const int low = cameraAddress_->minimum(), high = cameraAddress_->maximum();
    if (address < low || address > high) {
        // The field cannot show it: clamped, it would name another camera
        // (or the broadcast address) for every later command.
        const std::string message = "Camera address " + std::to_string(address) + " is out of range (" +
                                    std::to_string(low) + "-" + std::to_string(high) + ");\naddress " +
                                    std::to_string(link_.cameraAddress()) + " is kept.";
        services_.prompter.ShowMessage(message, ApplicationTitle());
        return false;
    }
    link_.SetCameraAddress(address);
    const QSignalBlocker quiet(cameraAddress_);
    cameraAddress_->setValue(address);
    return true;
}

void ConsoleDialog::OnSetAddress()
{
    // An empty or unreadable box must never go out as "As000" to every camera.
    const std::optional<int> newAddress = ParseNewAddress(FieldText(newAddress_).toStdString());
    if (!newAddress) {
        services_.prompter.ShowMessage(kInvalidNewAddress, ApplicationTitle());
        newAddress_->setFocus();
        return;
    }
    if (const char* refusal = NewAddressRefusal(settings_.protocol, *newAddress, link_.cameraAddress())) {
        services_.prompter.ShowMessage(refusal, ApplicationTitle());
        return;
    }
    // Broadcast travels with this command only (Philips: to the camera itself).
    link_.queue().Enqueue(SetAddressCommand(settings_.protocol, *newAddress), settings_.protocol != 4);
    timers_->Start(ConsoleTimer::QueueService, 5);
    timers_->Start(ConsoleTimer::StartupFirst, 500);
}

// "Status ?" and "P/T/Z/F?" exclude each other; lamp 211 shows either.
void ConsoleDialog::SetPeriodicStatus(bool on)
{
    state_.periodicStatus = on;
    if (on) {
        state_.periodicPosition = false;
        timers_->Stop(ConsoleTimer::PeriodicPosition);
        timers_->Start(ConsoleTimer::PeriodicStatus, 1000);
    } else {
        timers_->Stop(ConsoleTimer::PeriodicStatus);
    }
    DrawLamp(ConsoleLamp::Polling, on ? 1 : 0);
}

void ConsoleDialog::SetPeriodicPosition(bool on)
{
    state_.periodicPosition = on;
    if (on) {
        state_.periodicStatus = false;
        timers_->Stop(ConsoleTimer::PeriodicStatus);
        timers_->Start(ConsoleTimer::PeriodicPosition, 1000);
    } else {
        timers_->Stop(ConsoleTimer::PeriodicPosition);
    }
    DrawLamp(ConsoleLamp::Polling, on ? 1 : 0);
}

// The counter both periodic requests share.
int ConsoleDialog::NextRequestCounter()
{
    if (state_.requestCounter > 1)
        state_.requestCounter = 0;
    const int counter = state_.requestCounter;
    state_.requestCounter = counter == 0 ? 1 : 0;
    return counter;
}

void ConsoleDialog::OnPeriodicStatus()
{
    const PeriodicStatus request =
        PeriodicStatusRequest(settings_.receiverType, settings_.protocol, videoSource_, NextRequestCounter());
    if (request.javelin) {
        javelin_.StatusRequest();
        QueueJavelin(true);
    } else {
        EnqueueCommand(request.text);
    }
}

void ConsoleDialog::OnPeriodicPosition()
{
    EnqueueCommand(PeriodicPositionRequest(settings_.receiverType, state_.zoomMoving, NextRequestCounter()));
}

void ConsoleDialog::OnStorePreset()
{
    const int index = state_.selectedPreset;
    if (MakeLensContext().javelin())
        QueueJavelin(javelin_.StorePreset(index));
    else
        EnqueueCommand(std::string("P") + PresetCharacter(index, settings_.receiverType));
}

void ConsoleDialog::OnGotoPreset()
{
    const int index = state_.selectedPreset;
    if (MakeLensContext().javelin()) {
        QueueJavelin(javelin_.GotoPreset(index));
    } else {
        EnqueueCommand(std::string("H") + PresetCharacter(index, settings_.receiverType));
        // The 72xx camera recalls its focus with the preset.
        if (settings_.cameraType == 2) {
            state_.manualFocus = true;
            DrawLamp(ConsoleLamp::ManualFocus, 1);
            control(FocusNear)->setEnabled(true);
            control(FocusFar)->setEnabled(true);
        }
    }
    StopConsoleTour();
}

void ConsoleDialog::OnStoreId()
{
    const std::string name = presetList_->currentText().toLatin1().toStdString();
    EnqueueCommand(StoreIdCommand(name, state_.selectedPreset, settings_.receiverType));
}

void ConsoleDialog::OnGetId()
{
    EnqueueCommand(GetIdCommand(state_.selectedPreset, settings_.receiverType));
}

// The selected preset stays selected; when the shorter list no longer
// holds it, no entry is current, but the selection never moves to another
// preset.
void ConsoleDialog::FillPresetListWith(int count)
{
    const QSignalBlocker quiet(presetList_);
    const PresetNameTable& names = ConsolePresetNames();
    presetList_->clear();
    for (int i = 0; i < count; ++i)
        presetList_->addItem(QString::fromStdString(names[i]));
    presetList_->setCurrentIndex(state_.selectedPreset < count ? state_.selectedPreset : -1);
}

// A preset's name: into the table, the list and the settings.
void ConsoleDialog::SetPresetName(int index, const std::string& name)
{
    ConsolePresetNames()[index] = name;
    FillPresetListWith(PresetListLengthAfterEdit(settings_.panTiltType, settings_.cameraType));
    presetList_->setEditText(QString::fromStdString(name));
    // Built in two steps: g++ 12 at -O2 takes "P" + to_string() for an overlapping copy.
    std::string key = "P";
    key += std::to_string(index + 1);
    services_.settings.SetString(SettingsKeys::kPresets, key, name);
}

void ConsoleDialog::CommitPresetName()
{
    const int index = state_.selectedPreset;
    if (index < 0 || index >= kPresetCount)
        return;
    const std::string text = presetList_->currentText().toStdString();
    if (text != ConsolePresetNames()[index])
        SetPresetName(index, text);
}

void ConsoleDialog::OnPresetIdReply(const uint8_t* frame, size_t length)
{
    if (const std::optional<std::string> name = DecodePresetName(frame, length))
        SetPresetName(state_.selectedPreset, *name);
}

void ConsoleDialog::OnPositionGoto()
{
    const int fields[] = {Pan, Tilt, Zoom, Focus};
    const PositionGotoCommand g = PositionGotoCommands(
        FieldText(control(Pan)).toStdString(), FieldText(control(Tilt)).toStdString(),
        FieldText(control(Zoom)).toStdString(), FieldText(control(Focus)).toStdString(), settings_.receiverType);
    if (g.refusal) {
        services_.prompter.ShowMessage(g.refusal, ApplicationTitle());
        control(fields[g.field])->setFocus();
        return;
    }
    link_.queue().Enqueue(g.panTilt);
    link_.queue().Enqueue(g.zoomFocus);
    timers_->Start(ConsoleTimer::QueueService, 5);
}

void ConsoleDialog::OnStartStopTour()
{
    switch (TourKindFor(settings_.receiverType)) {
    case TourKind::Console:
        if (state_.tourRunning) {
            StopConsoleTour();
            return;
        }
        // Nothing to visit: the tour does not start, and its lamp stays off.
        if (!NextTourEntry(settings_.tourEntryFlags, 0))
            return;
        state_.tourRunning = true;
        DrawLamp(ConsoleLamp::Tour, 1);
        state_.tourStep = 0;
        // A stored dwell is used as it is, but a tour steps at most once a
        // second and its timer stays within range.
        state_.dwellMs = std::clamp(settings_.dwellTime, 1, std::numeric_limits<int>::max() / 1000) * 1000;
        timers_->Start(ConsoleTimer::TourStep, 10);
        break;
    case TourKind::Camera: {
        const int zone = zoneList_->currentIndex();
        state_.cameraTourRunning = !state_.cameraTourRunning;
        EnqueueCommand(CameraTourCommand(zone, state_.cameraTourRunning));
        DrawLamp(ConsoleLamp::Tour, state_.cameraTourRunning ? 1 : 0);
        break;
    }
    case TourKind::None:
        break;
    }
}

void ConsoleDialog::OnTourStep()
{
    const std::optional<int> entry = NextTourEntry(settings_.tourEntryFlags, state_.tourStep);
    // A tour stopped meanwhile, or left without entries, ends here.
    if (!state_.tourRunning || !entry) {
        StopConsoleTour();
        return;
    }
    EnqueueCommand(std::string("H") + TourDigit(*entry, settings_.panTiltType, settings_.cameraType), 1);
    timers_->Start(ConsoleTimer::TourStep, state_.dwellMs);
    state_.tourStep = (*entry + 1) % 10;
}

void ConsoleDialog::StopConsoleTour()
{
    if (TourKindFor(settings_.receiverType) != TourKind::Console)
        return;
    const bool wasRunning = state_.tourRunning;
    state_.tourRunning = false;
    DrawLamp(ConsoleLamp::Tour, 0);
    if (wasRunning || timers_->IsRunning(ConsoleTimer::TourStep))
        timers_->Start(ConsoleTimer::TourStop, 100);
}

void ConsoleDialog::OnPositionStatusReply(const uint8_t* frame, size_t length)
{
    DrawLamp(ConsoleLamp::CommError, 0);
    link_.timedOut = false;
    const PositionStatus s = DecodePositionStatus(frame, length);
    auto show = [](QWidget* field, int value) {
        static_cast<QLineEdit*>(field)->setText(QStringLiteral("%1").arg(value, 3, 16, QLatin1Char('0')).toUpper());
    };
    if (s.pan && s.tilt) {
        show(control(Pan), *s.pan);
        show(control(Tilt), *s.tilt);
    }
    if (s.zoom && s.focus) {
        show(control(Zoom), *s.zoom);
        show(control(Focus), *s.focus);
    }
    if (s.latch) {
        if (*s.latch == '8') {
            DrawLamp(ConsoleLamp::CommError, 1);
            link_.timedOut = true;
        } else {
            ApplyLatchStatus(*s.latch, false);
        }
    }
    const int rx = settings_.receiverType, cam = settings_.cameraType;
    if (s.focusStatus) {
        const bool bit = *s.focusStatus & 1;
        if ((rx >= 3 && cam != 0) || ((rx == 1 || rx == 2) && cam == 3))
            ApplyFocusStatus(bit);
        else if (cam == 0)
            DrawLamp(ConsoleLamp::ColorBalance, bit ? 1 : 0);
    }
    if (s.receiverStatus && (rx == 1 || rx == 2)) {
        const uint8_t x = *s.receiverStatus;
        DrawLamp(ConsoleLamp::LocalControl, x & 1);
        DrawLamp(ConsoleLamp::VideoLoss, (x >> 2) & 1);
        DrawLamp(ConsoleLamp::PressureLoss, (x >> 1) & 1);
        DrawLamp(ConsoleLamp::Reserved, (x >> 3) & 1);
    }
    if (state_.findInProgress) {
        state_.findInProgress = false;
        if (onCameraFound)
            onCameraFound(link_.cameraAddress());
    }
}
