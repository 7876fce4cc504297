// What the console does with the bytes the camera sends: acknowledgements,
// reply frames, who takes each reply, and the console's own decoders.
#include "ConsoleControlIds.h"
#include "ConsoleDialog.h"
#include "ConsoleTimerIds.h"
#include "SettingsStore.h"
#include "TrafficStrip.h"
#include "TrafficText.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace ConsoleControl;

void ConsoleDialog::RegisterReplyWindow(ReplyWindow window, ReplyReceiver* receiver)
{
    replyWindows_[static_cast<size_t>(window)] = receiver;
}

void ConsoleDialog::FlashRxLamp()
{
    DrawLamp(ConsoleLamp::Receive, 1);
    timers_->Start(ConsoleTimer::RxLampOff, 50);
}

void ConsoleDialog::CommRxByte(uint8_t byte)
{
    switch (receiver_.Feed(byte, link_.asciiReplyExpected, link_.settings().mode)) {
    case ReceiveStateMachine::Event::Ack:
        OnAcknowledgement();
        break;
    case ReceiveStateMachine::Event::Frame:
        OnReplyFrame(receiver_.frame(), receiver_.frameLength());
        break;
    case ReceiveStateMachine::Event::None:
        break;
    }
}

void ConsoleDialog::OnAcknowledgement()
{
    recorder_.RecordAckReceived();
    link_.Acknowledged();
    player_.Acknowledged();
    FlashRxLamp();
    receiveStrip_->setText(QStringLiteral(" Ack"));
    RecordTraffic(false, " Ack", &kAck, 1);
}

// Every frame that crosses the line joins the session's history.
void ConsoleDialog::RecordTraffic(bool transmitted, const char* text, const uint8_t* bytes, size_t length)
{
    history_.Add(TrafficEntry{services_.clock.Now(), transmitted, text, std::vector<uint8_t>(bytes, bytes + length)});
}

void ConsoleDialog::ShowRxFrame(const uint8_t* frame, size_t length)
{
    char text[kRxTextSize];
    FormatRxFrame(frame, length, link_.settings().mode, text);
    FlashRxLamp();
    receiveStrip_->setText(QString::fromLatin1(text));
    recorder_.RecordReceive(text);
    RecordTraffic(false, text, frame, length);
}

void ConsoleDialog::OnReplyFrame(const uint8_t* frame, size_t length)
{
    link_.ReplyDecoded();
    ShowRxFrame(frame, length);
    if (frame[0] != kBinaryStart) {
        // Every ASCII reply is answered with one unframed acknowledgement.
        const uint8_t ack = kAck;
        services_.line.WriteToPort(&ack, 1);
        recorder_.RecordAckSent();
        RecordTraffic(true, " Ack", &ack, 1);
    }
    const ReplyRoute route = RouteReply(frame, length, MakeReplyContext());
    ClearPendingFlag(route.clears);
    for (int i = 0; i < route.count; ++i)
        RunReplyStep(route.steps[i], frame, length);
    link_.linkFree = true;
}

ReplyContext ConsoleDialog::MakeReplyContext() const
{
    ReplyContext c;
    c.receiverType = settings_.receiverType;
    c.cameraType = settings_.cameraType;
    c.lastCommandSecondChar = link_.lastCommandSecondChar();
    for (size_t i = 0; i < replyWindows_.size(); ++i)
        c.open.set(i, replyWindows_[i] != nullptr);
    c.queuedPanelOpen = queuedPanel_ != nullptr;
    c.flags = replyFlags_;
    return c;
}

void ConsoleDialog::ClearPendingFlag(PendingFlag flag)
{
    switch (flag) {
    case PendingFlag::Panel: replyFlags_.panelReplyPending = false; break;
    case PendingFlag::Dsp7100: replyFlags_.dsp7100ReplyPending = false; break;
    case PendingFlag::Dsp723x: replyFlags_.dsp723xReplyPending = false; break;
    case PendingFlag::Privacy: replyFlags_.privacyReplyPending = false; break;
    case PendingFlag::SearchBinary: replyFlags_.searchWaitsForBinary = false; break;
    case PendingFlag::None: break;
    }
}

void ConsoleDialog::RunReplyStep(const ReplyStep& step, const uint8_t* frame, size_t length)
{
    switch (step.target) {
    case ReplyStep::Target::Console:
        RunConsoleDecoder(step.decoder, frame, length);
        break;
    case ReplyStep::Target::QueuedPanel:
        if (queuedPanel_)
            queuedPanel_->OnReply(frame, length);
        break;
    case ReplyStep::Target::Window:
        if (ReplyReceiver* w = replyWindows_[static_cast<size_t>(step.window)]) {
            if (step.download)
                w->OnDownloadReply(frame, length);
            else
                w->OnReply(frame, length);
        }
        break;
    }
}

void ConsoleDialog::RunConsoleDecoder(ConsoleDecoder decoder, const uint8_t* frame, size_t length)
{
    switch (decoder) {
    case ConsoleDecoder::Address: OnAddressReply(frame, length); break;
    case ConsoleDecoder::Status: ApplyStatusFields(DecodeStatusFields(frame, length, kStatusReplyOffsets)); break;
    case ConsoleDecoder::ShiftedStatus:
        ApplyStatusFields(DecodeStatusFields(frame, length, kShiftedStatusOffsets));
        break;
    case ConsoleDecoder::Position: OnPositionReply(frame, length); break;
    case ConsoleDecoder::FocusReport: OnFocusReport(frame, length); break;
    case ConsoleDecoder::BinaryStatus: OnBinaryStatus(frame, length); break;
    case ConsoleDecoder::VideoFlags: OnVideoFlags(frame, length); break;
    case ConsoleDecoder::PositionStatus: OnPositionStatusReply(frame, length); break;
    case ConsoleDecoder::PresetId: OnPresetIdReply(frame, length); break;
    // The address and baud search continues in its own dialog.
    case ConsoleDecoder::SearchContinue:
    case ConsoleDecoder::None:
        break;
    }
}

void ConsoleDialog::OnAddressReply(const uint8_t* frame, size_t length)
{
    const std::optional<int> address = DecodeAddressReply(frame, length, settings_.protocol);
    if (!address)
        return;
    SelectCameraAddress(*address);
    timers_->Start(ConsoleTimer::StatusRequest, 1000);
}

void ConsoleDialog::ApplyLatchStatus(uint8_t status, bool autoFocusBit)
{
    // In mode 0 the character '8' is the camera's own fault report.
    if (settings_.mode == 0 && status == '8') {
        DrawLamp(ConsoleLamp::CommError, 1);
        return;
    }
    DrawLamp(ConsoleLamp::CommError, 0);
    DrawLamp(ConsoleLamp::CameraPower, (status >> 1) & 1);
    DrawLamp(ConsoleLamp::LensFast, (status >> 2) & 1);
    const bool manualIris = status & 1;
    DrawLamp(ConsoleLamp::ManualIris, manualIris ? 1 : 0);
    control(IrisOpen)->setEnabled(manualIris);
    control(IrisClose)->setEnabled(manualIris);
    state_.autoIris = !manualIris;
    if (autoFocusBit)
        static_cast<QAbstractButton*>(control(AutoFocusOnPtz))->setChecked((status >> 3) & 1);
}

void ConsoleDialog::ApplyFocusStatus(bool manual)
{
    DrawLamp(ConsoleLamp::ManualFocus, manual ? 1 : 0);
    control(FocusNear)->setEnabled(manual);
    control(FocusFar)->setEnabled(manual);
}

void ConsoleDialog::StoreReportedSetting(const char* key, int& field, int value)
{
    field = value;
    if (services_.settings.GetInt(SettingsKeys::kSetup, key, -1) != value)
        services_.settings.SetInt(SettingsKeys::kSetup, key, value);
}

void ConsoleDialog::ApplyStatusFields(const StatusFields& f)
{
    if (f.latchStatus)
        ApplyLatchStatus(*f.latchStatus, true);
    if (f.manualFocus)
        ApplyFocusStatus(*f.manualFocus);
    // Values the camera reports about itself; out-of-range digits are not kept.
    // The protocol is only stored: the running console keeps the one its
    // line was opened with (address check, parity, pad, lens and polling
    // alike) until the next start.
    if (f.protocol && *f.protocol <= 14 &&
        services_.settings.GetInt(SettingsKeys::kSetup, SettingsKeys::kCommProtocol, -1) != *f.protocol)
        services_.settings.SetInt(SettingsKeys::kSetup, SettingsKeys::kCommProtocol, *f.protocol);
    if (f.videoType && *f.videoType <= 9)
        StoreReportedSetting(SettingsKeys::kVideoType, settings_.videoType, *f.videoType);
    if (f.lineLockPhase && *f.lineLockPhase <= 9)
        StoreReportedSetting(SettingsKeys::kLineLockPhase, settings_.lineLockPhase, *f.lineLockPhase);
    if (f.freeze)
        StoreReportedSetting(SettingsKeys::kVideoFreezeStatus, settings_.videoFreezeStatus, *f.freeze);
}

void ConsoleDialog::OnPositionReply(const uint8_t* frame, size_t length)
{
    const std::optional<PanTilt> position = DecodePositionReply(frame, length, settings_.receiverType);
    if (!position)
        return;
    static_cast<QLineEdit*>(control(Pan))->setText(
        QString::fromStdString(FormatPosition(position->pan, settings_.receiverType)));
    static_cast<QLineEdit*>(control(Tilt))->setText(
        QString::fromStdString(FormatPosition(position->tilt, settings_.receiverType)));
}

void ConsoleDialog::OnFocusReport(const uint8_t* frame, size_t length)
{
    if (settings_.cameraType == 6)
        return;
    const bool manual = length > 4 && frame[4] == '1';
    state_.manualFocus = manual;
    ApplyFocusStatus(manual);
}

void ConsoleDialog::OnBinaryStatus(const uint8_t* frame, size_t length)
{
    const std::optional<BinaryStatus> status = DecodeBinaryStatus(frame, length, settings_.protocol);
    if (!status)
        return;
    DrawLamp(ConsoleLamp::ManualIris, status->manualIris ? 1 : 0);
    control(IrisOpen)->setEnabled(status->manualIris);
    control(IrisClose)->setEnabled(status->manualIris);
    state_.autoIris = !status->manualIris;
    ApplyFocusStatus(status->manualFocus);
    DrawLamp(ConsoleLamp::CameraPower, status->cameraPower ? 1 : 0);
}

// Receiver type 12 reports its video source ("ms") and whether the left
// picture is reversed ("mR"); only the digits 0 and 1 count.
void ConsoleDialog::OnVideoFlags(const uint8_t* frame, size_t length)
{
    if (length < 5 || (frame[4] != '0' && frame[4] != '1'))
        return;
    const bool one = frame[4] == '1';
    if (frame[3] == 's') {
        videoSource_ = one ? 1 : 0;
        EnableControlsForTypes();
    } else {
        state_.leftVideoReversed = one;
        const QSignalBlocker quiet(control(LeftVideoReversed));
        static_cast<QAbstractButton*>(control(LeftVideoReversed))->setChecked(one);
        timers_->Start(ConsoleTimer::StatusRequest, 50);
    }
}
