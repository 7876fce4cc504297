// The lens buttons (held: a press starts the motion, the release stops it),
// the latch buttons and the auxiliary buttons of the console.
#include "ConsoleControlIds.h"
#include "ConsoleDialog.h"
#include "ConsoleTimerIds.h"
#include "Lamp.h"
#include "LensShortcuts.h"
#include "NtcipFrame.h"
#include "PictureButton.h"
#include "Prompter.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>
#include <utility>

using namespace ConsoleControl;

namespace {
constexpr std::pair<int, LensButton> kLensButtons[] = {
    {ZoomIn, LensButton::ZoomIn},       {ZoomOut, LensButton::ZoomOut},     {FocusNear, LensButton::FocusNear},
    {FocusFar, LensButton::FocusFar},   {IrisOpen, LensButton::IrisOpen},   {IrisClose, LensButton::IrisClose},
    {ColorRed, LensButton::ColorRed},   {ColorBlue, LensButton::ColorBlue}, {IntegrationUp, LensButton::IntegrationUp},
    {IntegrationDown, LensButton::IntegrationDown},
};

} // namespace

namespace {
bool JavelinAxisMoving(const JavelinCommandBuilder& j, LensAxis axis)
{
    switch (axis) {
    case LensAxis::Zoom: return j.lensMoving(LensMotion::ZoomIn) || j.lensMoving(LensMotion::ZoomOut);
    case LensAxis::Focus: return j.lensMoving(LensMotion::FocusNear) || j.lensMoving(LensMotion::FocusFar);
    case LensAxis::Iris: return j.lensMoving(LensMotion::IrisOpen) || j.lensMoving(LensMotion::IrisClose);
    }
    return false;
}
} // namespace

LensContext ConsoleDialog::MakeLensContext() const
{
    LensContext c;
    c.cameraType = settings_.cameraType;
    c.receiverType = settings_.receiverType;
    c.protocol = settings_.protocol;
    c.panTiltType = settings_.panTiltType;
    c.lensSpeed = state_.lensSpeed;
    c.lensFastState = state_.lensFastState;
    c.videoSource = videoSource_;
    return c;
}

void ConsoleDialog::ConnectLensButtons()
{
    auto button = [this](int id) { return static_cast<QAbstractButton*>(control(id)); };
    // The release reaches the pressed button wherever the mouse is let go.
    for (auto [id, lens] : kLensButtons) {
        auto* b = static_cast<PictureButton*>(control(id));
        b->SetHoldButton(true);
        connect(b, &PictureButton::held, this, [this, b, lens = lens] {
            // One lens motion at a time: the mouse or Space on another lens
            // button ends the motion a shortcut holds before starting its own.
            if (shortcutHeld_ && shortcutHeld_ != b)
                LetGoLensShortcut();
            OnLensPress(lens);
        });
        connect(b, &PictureButton::letGo, this, &ConsoleDialog::OnLensRelease);
    }
    // The plain latch and auxiliary buttons do what their table says.
    for (int id : {CameraPower, Reset, LensFast, ColorBalance, UltraSlow, Slow, Fast, AutoFocusOnPtz, Aux2Enable,
                   Wipe, Wash, SourceLeft, SourceRight, LeftCameraPwr, RightCameraPwr, PwrStatusReq,
                   LeftVideoReversed, RightVideoReversed, PressureQuery, SeekHome, GetAzimuth, EnableNtcip,
                   DisableNtcip})
        connect(button(id), &QAbstractButton::clicked, this, [this, id] { ApplyButtonCommand(id); });
    connect(button(ManualIris), &QAbstractButton::clicked, this, [this] {
        ApplyLatch(ManualIrisAction(MakeLensContext(), state_.autoIris), ConsoleLamp::ManualIris, IrisOpen, IrisClose,
                   state_.autoIris);
    });
    connect(button(ManualFocus), &QAbstractButton::clicked, this, [this] {
        ApplyLatch(ManualFocusAction(MakeLensContext(), state_.manualFocus), ConsoleLamp::ManualFocus, FocusNear,
                   FocusFar, state_.manualFocus);
    });
    connect(button(ManualIntegration), &QAbstractButton::clicked, this, [this] {
        ApplyLatch(ManualIntegrationAction(MakeLensContext(), state_.manualIntegration), ConsoleLamp::ManualIntegration,
                   IntegrationUp, IntegrationDown, state_.manualIntegration);
    });
    connect(button(SendModule), &QAbstractButton::clicked, this, &ConsoleDialog::OnPtModule);
    connect(button(SetAzimuth), &QAbstractButton::clicked, this, &ConsoleDialog::OnAzimuthSetup);
}

void ConsoleDialog::OnLensPress(LensButton button)
{
    const LensHeld held = HeldBy(button);
    switch (held) {
    case LensHeld::Zoom: state_.zoomMoving = true; break;
    case LensHeld::Focus: state_.focusMoving = true; break;
    case LensHeld::Iris: state_.irisMoving = true; break;
    case LensHeld::Colour: state_.colourMoving = true; break;
    case LensHeld::Integration: state_.integrationMoving = true; break;
    case LensHeld::None: break;
    }
    if (held == LensHeld::Zoom || held == LensHeld::Focus)
        StopConsoleTour();
    const LensAction a = LensPressCommand(button, MakeLensContext());
    if (a.kind == LensAction::Kind::Text) {
        EnqueueCommand(std::string_view(a.text).substr(0, 4), a.queueTimerMs);
    } else if (a.kind == LensAction::Kind::Javelin) {
        javelin_.LensPress(a.motion);
        timers_->Start(ConsoleTimer::QueueService, a.queueTimerMs);
    }
}

void ConsoleDialog::OnLensRelease()
{
    // The first function held, in this order, is the one to stop.
    const std::pair<bool*, LensHeld> order[] = {
        {&state_.zoomMoving, LensHeld::Zoom},     {&state_.irisMoving, LensHeld::Iris},
        {&state_.focusMoving, LensHeld::Focus},   {&state_.colourMoving, LensHeld::Colour},
        {&state_.integrationMoving, LensHeld::Integration},
    };
    for (auto [flag, held] : order) {
        if (!*flag)
            continue;
        *flag = false;
        LensAction a = LensReleaseCommand(held, MakeLensContext());
        // A motion started with a text command is stopped with one: the
        // Javelin stop would find no motion of its own to end.
        if (a.kind == LensAction::Kind::Javelin && !JavelinAxisMoving(javelin_, a.axis)) {
            a.kind = LensAction::Kind::Text;
            a.text = a.axis == LensAxis::Zoom ? "ZS" : a.axis == LensAxis::Focus ? "FS" : "IS";
        }
        if (a.kind == LensAction::Kind::Text) {
            EnqueueCommand(a.text, a.queueTimerMs);
        } else if (a.kind == LensAction::Kind::Javelin) {
            javelin_.LensRelease(a.axis);
            timers_->Start(ConsoleTimer::QueueService, a.queueTimerMs);
        }
        return;
    }
}

void ConsoleDialog::RunJavelinLatch(JavelinLatch action)
{
    switch (action) {
    case JavelinLatch::CameraPower: javelin_.CameraPower(); break;
    case JavelinLatch::ManualIris: javelin_.ManualIris(); break;
    case JavelinLatch::ManualFocus: javelin_.ManualFocus(); break;
    case JavelinLatch::Reset: javelin_.Reset(); break;
    case JavelinLatch::None: return;
    }
    timers_->Start(ConsoleTimer::QueueService, 5);
}

void ConsoleDialog::ApplyLatch(const LatchAction& a, int lampId, int firstButton, int secondButton, bool& state)
{
    if (a.kind == LatchAction::Kind::Text && !a.text.empty())
        EnqueueCommand(a.text);
    else if (a.kind == LatchAction::Kind::Javelin)
        RunJavelinLatch(a.javelin);
    if (!a.changesState)
        return;
    state = a.newState;
    DrawLamp(lampId, a.lampOn ? 1 : 0);
    control(firstButton)->setEnabled(a.buttonsOn);
    control(secondButton)->setEnabled(a.buttonsOn);
}

// The state a toggling button keeps, or nullptr.
bool* ConsoleDialog::ToggleState(int id)
{
    switch (id) {
    case AutoFocusOnPtz: return &state_.autoFocusOnMove;
    case Aux2Enable: return &state_.auxiliary2;
    case LeftVideoReversed: return &state_.leftVideoReversed;
    case RightVideoReversed: return &state_.rightVideoReversed;
    default: return nullptr;
    }
}

void ConsoleDialog::ApplyButtonCommand(int id)
{
    bool* state = ToggleState(id);
    const ButtonCommand b = LatchButtonCommand(id, MakeLensContext(), state ? *state : false);
    switch (b.send) {
    case ButtonCommand::Send::Queued: EnqueueCommand(b.text, b.queueTimerMs); break;
    case ButtonCommand::Send::Direct: SendCommand(b.text); break;
    case ButtonCommand::Send::Javelin: RunJavelinLatch(b.javelin); break;
    case ButtonCommand::Send::NtcipFrame: OnDisableNtcip(); break;
    case ButtonCommand::Send::None: break;
    }
    if (state && b.toggles)
        *state = b.newState;
    if (b.lensSpeed)
        OnLensSpeed(*b.lensSpeed);
    if (b.lamp >= 0)
        DrawLamp(b.lamp, b.lampOn ? 1 : 0);
    if (b.videoSource) {
        videoSource_ = *b.videoSource;
        EnableControlsForTypes();
    }
    if (b.statusPollAfterMs >= 0)
        timers_->Start(ConsoleTimer::StatusRequest, b.statusPollAfterMs);
}

// -1 ("Lens Fast") clears the speed radio buttons.
void ConsoleDialog::OnLensSpeed(int speed)
{
    state_.lensSpeed = speed;
    if (speed < 0) {
        auto* any = static_cast<QAbstractButton*>(control(UltraSlow));
        QButtonGroup* group = any->group();
        group->setExclusive(false);
        for (QAbstractButton* b : group->buttons())
            b->setChecked(false);
        group->setExclusive(true);
        return;
    }
    state_.lensFastState = speed == 2 ? 1 : 0;
    DrawLamp(ConsoleLamp::LensFast, speed == 2 ? 1 : 0);
}

void ConsoleDialog::OnDisableNtcip()
{
    const std::optional<NtcipFrame> frame = BuildNtcipDisableFrame(settings_.ntcipCommunity);
    if (!frame) {
        services_.prompter.ShowMessage("The NTCIP community (Setup, \"NTCIP Community\") must be six lower-case letters.",
                                       ApplicationTitle());
        return;
    }
    SendRawBytes(frame->data(), frame->size());
    timers_->Start(ConsoleTimer::NtcipFollowUp, 800);
}

// A lens shortcut pressed anywhere in the console holds its button until the
// key is let go; the key never reaches the focused field. Auto-repeat of a
// held key changes nothing.
bool ConsoleDialog::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this)
        return OnLensShortcut(static_cast<QKeyEvent*>(event));
    // A list's drop-down or a menu opened meanwhile takes the held key's
    // release without leaving the console: it still ends the hold.
    if (type == QEvent::KeyRelease && shortcutHeld_ && watched->isWidgetType())
        return OnLensShortcut(static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

bool ConsoleDialog::OnLensShortcut(QKeyEvent* event)
{
    const int key = event->key();
    if (event->type() == QEvent::KeyRelease) {
        // Let go of Ctrl first and some keyboard layouts report the key as
        // their own letter: the key's place on the keyboard still matches.
        const bool sameKey = event->nativeScanCode() != 0 && event->nativeScanCode() == shortcutScanCode_;
        if (!shortcutHeld_ || !(LensShortcutReleases(shortcutHeldId_, key) || sameKey))
            return false;
        if (!event->isAutoRepeat())
            LetGoLensShortcut();
        return true;
    }
    const int id = LensShortcutButton(key, event->modifiers());
    if (id == 0)
        return false;
    if (event->isAutoRepeat() || shortcutHeld_)
        return true;
    // One lens motion at a time: a button held by the mouse or Space keeps it.
    for (auto [lensId, lens] : kLensButtons)
        if (static_cast<PictureButton*>(control(lensId))->isHeld())
            return true;
    auto* button = static_cast<PictureButton*>(control(id));
    if (button->isEnabled() && button->isVisibleTo(this)) {
        shortcutHeld_ = button;
        shortcutHeldId_ = id;
        shortcutScanCode_ = event->nativeScanCode();
        button->Hold();
    }
    return true;
}

void ConsoleDialog::LetGoLensShortcut()
{
    if (PictureButton* button = std::exchange(shortcutHeld_, nullptr))
        button->LetGo();
}

// A key released while another window is active never reaches the
// console: a motion held by a shortcut ends when the console is left.
void ConsoleDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        LetGoLensShortcut();
    QDialog::changeEvent(event);
}
