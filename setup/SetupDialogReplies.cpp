// The Setup dialog's replies: each fills its field and most ask the next
// question, so that opening the dialog reads the camera's settings.
#include "CommandLink.h"
#include "SetupDialog.h"

#include <QLineEdit>

namespace {
// The byte after the reply letter and its sub-letter, or -1.
int At(const SetupReply& r, size_t i)
{
    return i < r.size ? r.data[i] : -1;
}

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}
} // namespace

void SetupDialog::OnReply(const uint8_t* frame, size_t length)
{
    const std::optional<SetupReply> reply = ReadSetupReply(frame, length);
    if (!reply)
        return;
    const SetupReply& r = *reply;
    switch (r.letter) {
    case 'b':
        m_.hostBaud = ReplyText(r.data, r.size);
        c_.hostBaud->setText(Text(m_.hostBaud));
        m_.hostBaud = c_.hostBaud->text().toStdString();
        Enqueue("cPs", true);
        break;
    case 'r':
        m_.lcuFirmware = ReplyText(r.data, r.size);
        c_.lcuFirmware->setText(Text(m_.lcuFirmware));
        m_.lcuAddress = r.address;
        c_.lcuAddress->setText(QString::number(r.address));
        link_.SetCameraAddress(r.address);
        Enqueue(m_.lcuProtocol == 3 ? "jcS" : "mn?", true);
        break;
    case 'm':
        if (At(r, 0) == 'n') {
            // Takes the controls first: with a Javelin LCU this reply comes
            // round again and again, and must not wipe what is being typed.
            TakeControls();
            if (At(r, 1) == '0' || At(r, 1) == '1')
                m_.ntcip = At(r, 1) - '0';
            ShowValues();
        } else if (At(r, 0) == 'S') {
            m_.serialNumber = ReplySerialNumber(r.data + 1, r.size - 1);
            c_.serialNumber->setText(Text(m_.serialNumber));
        } else {
            return;
        }
        if (m_.lcuProtocol == 3)
            Enqueue("jcS", true);
        break;
    case 'R':
    case 'C':
        m_.cameraFirmware = ReplyText(r.data, r.size);
        c_.cameraFirmware->setText(Text(m_.cameraFirmware));
        Enqueue("fS");
        StartQueryTimers();
        break;
    default:
        OnNumberReply(r);
        break;
    }
}

// The replies that carry one value: the controls are taken first so edits
// in progress survive, then the value is set and everything shown again.
void SetupDialog::OnNumberReply(const SetupReply& r)
{
    const int sub = At(r, 0);
    const int value = At(r, 1);
    switch (r.letter) {
    case 'P':
        TakeControls();
        if ((sub & 0xF0) == 0x30)
            SetLcuProtocol(sub - '0');
        ApplyJavelinRule();
        ShowValues();
        Enqueue("Rs", true);
        break;
    case 'j':
        if (sub != 'c' && sub != 'b')
            return;
        TakeControls();
        if (value >= 0)
            (sub == 'c' ? m_.lcuJavelinMotor : m_.lcuJavelinAddress) = value == '1' ? 1 : 0;
        ShowValues();
        Enqueue(sub == 'c' ? "jbS" : "mn?", true);
        break;
    case 'h':
        TakeControls();
        if (sub == '0' || sub == '1')
            m_.flowControl = sub - '0';
        ShowValues();
        if (m_.receiverType == 5 || m_.receiverType == 7 || m_.protocol == 3)
            Enqueue("JcS", true);
        break;
    case 'J':
        if (sub != 'c' && sub != 'b')
            return;
        TakeControls();
        if (value >= 0)
            (sub == 'c' ? m_.cameraJavelinMotor : m_.cameraJavelinAddress) = value == '1' ? 1 : 0;
        ShowValues();
        if (sub == 'c')
            Enqueue("JbS", true);
        break;
    case 'f':
        TakeControls();
        if (sub == 'D' || sub == 'E')
            m_.flip = sub == 'E' ? 1 : 0;
        ShowValues();
        break;
    case 'S':
        TakeControls();
        if (sub >= '0' && sub <= '2')
            m_.ptDirection = sub - '0';
        ShowValues();
        break;
    case 's':
        TakeControls();
        if (sub >= '0' && sub <= '2')
            m_.ptKind = sub - '0';
        ShowValues();
        Enqueue("mSs");
        break;
    default:
        break; // not one of Setup's replies
    }
}

void SetupDialog::StartQueryTimers()
{
    timers_->Start(kFlowQueryTimer, 1000);
    timers_->Start(kPanTiltQueryTimer, 2000);
    timers_->Start(kDirectionQueryTimer, 4000);
    timers_->Start(kSerialQueryTimer, 8000);
}

void SetupDialog::OnTimer(int id)
{
    const char* query = nullptr;
    switch (id) {
    case kSendTimer:
        pump_->OnTimer(id);
        return;
    case kFlowQueryTimer: query = "hS"; break;
    case kPanTiltQueryTimer: query = "sS"; break;
    case kDirectionQueryTimer: query = "SS"; break;
    case kSerialQueryTimer: query = "mSs"; break;
    default: break;
    }
    timers_->Stop(id);
    if (query)
        Enqueue(query);
}
