// The Setup dialog's controls: what each one sends, and how commands reach
// the line.
#include "CommandLink.h"
#include "ModalRunner.h"
#include "PlaceholderDialog.h"
#include "Prompter.h"
#include "SetupDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {
void Enable(Switch s, std::initializer_list<QWidget*> widgets)
{
    if (s == Switch::Keep)
        return;
    for (QWidget* w : widgets)
        w->setEnabled(s == Switch::On);
}

// A list's selection, when it has one.
void Take(const QComboBox* list, int& value)
{
    if (list->currentIndex() >= 0)
        value = list->currentIndex();
}

void Take(const QButtonGroup* group, int& value)
{
    if (group->checkedId() >= 0)
        value = group->checkedId();
}

void Take(const QCheckBox* box, int& value)
{
    value = box->isChecked() ? 1 : 0;
}

void Show(QComboBox* list, int value)
{
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(value >= 0 && value < list->count() ? value : -1);
}

void Show(QButtonGroup* group, int id)
{
    if (QAbstractButton* b = group->button(id)) {
        b->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

void Show(QCheckBox* box, int value)
{
    const QSignalBlocker quiet(box);
    box->setChecked(value != 0);
}

void Show(QSpinBox* spin, int value)
{
    const QSignalBlocker quiet(spin);
    spin->setValue(value);
}

void Show(QLineEdit* box, const std::string& text)
{
    box->setText(QString::fromStdString(text));
}
} // namespace

void SetupDialog::Connect()
{
    auto clicked = [this](QAbstractButton* b, auto handler) { connect(b, &QAbstractButton::clicked, this, handler); };
    auto chosen = [this](QComboBox* l, auto handler) { connect(l, &QComboBox::currentIndexChanged, this, handler); };

    chosen(c_.port, [this](int i) {
        ShowNetworkRow();
        if (i == static_cast<int>(ports_.size()))
            TakeNetworkRow();
        if (i < 0 || i >= static_cast<int>(ports_.size()))
            return;
        m_.portIndex = i;
        m_.port = PortNumberForEntry(ports_[i], i);
        m_.portName = ports_[i];
    });
    ConnectNetworkRow();
    connect(c_.baud, &QButtonGroup::idClicked, this, [this](int id) { m_.baudIndex = id; });
    clicked(c_.setBaud, [this] { OnSetBaud(); });
    clicked(c_.fixedPt, [this] { SetPtKind(0, true); });
    clicked(c_.varSpeedPt, [this] { SetPtKind(1, true); });
    clicked(c_.varPropPt, [this] { SetPtKind(2, true); });
    clicked(c_.flip, [this] { Toggle(m_.flip, "fE", "fD"); });
    chosen(c_.direction, [this](int i) {
        if (i < 0)
            return;
        m_.ptDirection = i;
        Enqueue(DigitCommand("S", i));
    });
    clicked(c_.flowControl, [this] { Toggle(m_.flowControl, "h1", "h0"); });
    clicked(c_.modemGet, [this] {
        Enqueue("hS");
        m_.flowControl = 1;
        Show(c_.flowControl, m_.flowControl);
    });
    connect(c_.video, &QButtonGroup::idClicked, this, [this](int id) { OnVideo(id); });
    chosen(c_.cameraProtocol, [this](int i) { OnCameraProtocolChosen(i); });
    clicked(c_.firmwareGet, [this] { Enqueue("RS"); });
    clicked(c_.elevationSet, [this] { OnElevationSet(); });
    clicked(c_.serialNumberSet, [this] { OnSerialNumberSet(); });
    clicked(c_.cameraJavelinMotor, [this] { Toggle(m_.cameraJavelinMotor, "Jc1", "Jc0"); });
    clicked(c_.cameraJavelinAddress, [this] { Toggle(m_.cameraJavelinAddress, "Jb1", "Jb0"); });
    chosen(c_.receiverType, [this](int i) { OnReceiverTypeChosen(i); });
    chosen(c_.cameraType, [this](int i) {
        if (i >= 0)
            m_.cameraType = i;
    });
    chosen(c_.colourScheme, [this](int i) {
        if (i >= 0)
            m_.colourScheme = i;
    });
    clicked(c_.lcuGetInfo, [this] { Enqueue("b?", true); });
    connect(c_.lcuAddress, &QLineEdit::textEdited, this, [this](const QString& t) { m_.lcuAddress = t.toInt(); });
    clicked(c_.lcuAddressSet, [this] { OnLcuAddressSet(); });
    clicked(c_.hostBaudSet, [this] { OnHostBaudSet(); });
    chosen(c_.lcuProtocol, [this](int i) { OnLcuProtocolChosen(i); });
    clicked(c_.lcuJavelinMotor, [this] { Toggle(m_.lcuJavelinMotor, "jc1", "jc0", true); });
    clicked(c_.lcuJavelinAddress, [this] { Toggle(m_.lcuJavelinAddress, "jb1", "jb0", true); });
    clicked(c_.ntcip, [this] { Toggle(m_.ntcip, "mn1", "mn0"); });
    clicked(c_.bootLoader, [this] { OnBootLoader(); });
    clicked(c_.lensMaintenance, [this] { OpenMaintenance("Lens Maintenance"); });
    clicked(c_.otherSetup, [this] { OpenMaintenance("Other Maintenance"); });
}

// The newest command wins: whatever still waits in the queue is dropped.
// A broadcast command goes to address 255, and only that command does.
void SetupDialog::Enqueue(std::string_view text, bool broadcast)
{
    command_.assign(text);
    if (opening_)
        return;
    broadcastSlots_.reset();
    broadcastSlots_.set(static_cast<size_t>(link_.queue().writeIndex()), broadcast);
    pump_->Enqueue(text);
}

// Setup's pump (timer 10, 5 ms): one command a tick, no wait for an answer
// and no time-out; it holds the queue while sending is suspended. The
// broadcast mark of the slot about to go is turned into BroadcastOnce.
SendPolicy SetupDialog::Policy()
{
    SendPolicy p;
    p.newestWins = true;
    p.flag = PendingFlag::None;
    p.waitsForLink = false;
    p.timesOut = false;
    p.sendTimer = kSendTimer;
    p.sendMs = kSendMs;
    p.statusMs = -1;
    return p;
}

void SetupDialog::ArmBroadcast()
{
    const auto slot = static_cast<size_t>(link_.queue().readIndex());
    if (broadcastSlots_.test(slot))
        link_.broadcastOnce = true;
    broadcastSlots_.reset(slot);
}

void SetupDialog::TakeControls()
{
    Take(c_.baud, m_.baudIndex);
    Take(c_.mode, m_.mode);
    Take(c_.ptKind, m_.ptKind);
    m_.panSpeed = c_.panSpeed->value();
    m_.tiltSpeed = c_.tiltSpeed->value();
    Take(c_.video, m_.videoType);
    Take(c_.cameraProtocol, m_.protocol);
    Take(c_.lcuProtocol, m_.lcuProtocol);
    m_.elevation = c_.elevation->text().toStdString();
    m_.hostBaud = c_.hostBaud->text().toStdString();
    m_.serialNumber = c_.serialNumber->text().toStdString();
    m_.cameraFirmware = c_.cameraFirmware->text().toStdString();
    m_.lcuFirmware = c_.lcuFirmware->text().toStdString();
    m_.lcuAddress = c_.lcuAddress->text().toInt();
    Take(c_.flip, m_.flip);
    Take(c_.lightMode, m_.lightMode);
    Take(c_.flowControl, m_.flowControl);
    Take(c_.lcuJavelinMotor, m_.lcuJavelinMotor);
    Take(c_.lcuJavelinAddress, m_.lcuJavelinAddress);
    Take(c_.cameraJavelinMotor, m_.cameraJavelinMotor);
    Take(c_.cameraJavelinAddress, m_.cameraJavelinAddress);
    Take(c_.direction, m_.ptDirection);
    Take(c_.cameraType, m_.cameraType);
    Take(c_.receiverType, m_.receiverType);
    Take(c_.ntcip, m_.ntcip);
    Take(c_.colourScheme, m_.colourScheme);
}

void SetupDialog::ShowValues()
{
    // The "Network" entry is shown only for a device server's name.
    Show(c_.port, m_.portIndex < static_cast<int>(ports_.size()) || NetworkChosen() ? m_.portIndex : -1);
    Show(c_.baud, m_.baudIndex);
    Show(c_.mode, m_.mode != 0 ? 1 : 0);
    Show(c_.ptKind, m_.ptKind);
    Show(c_.panSpeed, m_.panSpeed);
    Show(c_.tiltSpeed, m_.tiltSpeed);
    Show(c_.video, m_.videoType);
    Show(c_.cameraProtocol, m_.protocol);
    Show(c_.lcuProtocol, m_.lcuProtocol);
    Show(c_.elevation, m_.elevation);
    Show(c_.hostBaud, m_.hostBaud);
    Show(c_.serialNumber, m_.serialNumber);
    Show(c_.cameraFirmware, m_.cameraFirmware);
    Show(c_.lcuFirmware, m_.lcuFirmware);
    c_.lcuAddress->setText(QString::number(m_.lcuAddress));
    Show(c_.flip, m_.flip);
    Show(c_.lightMode, m_.lightMode);
    Show(c_.flowControl, m_.flowControl);
    Show(c_.lcuJavelinMotor, m_.lcuJavelinMotor);
    Show(c_.lcuJavelinAddress, m_.lcuJavelinAddress);
    Show(c_.cameraJavelinMotor, m_.cameraJavelinMotor);
    Show(c_.cameraJavelinAddress, m_.cameraJavelinAddress);
    Show(c_.direction, m_.ptDirection);
    Show(c_.cameraType, m_.cameraType);
    Show(c_.receiverType, m_.receiverType);
    Show(c_.ntcip, m_.ntcip);
    Show(c_.colourScheme, m_.colourScheme);
}

void SetupDialog::SetPtKind(int kind, bool send)
{
    m_.ptKind = kind;
    c_.panSpeed->setEnabled(kind != 0);
    c_.tiltSpeed->setEnabled(kind != 0);
    if (send)
        Enqueue(DigitCommand("s", kind));
}

void SetupDialog::ApplyReceiverType(int type, bool opening)
{
    const ReceiverTypeState s = ReceiverTypeSelection(type, m_.cameraType, opening);
    const bool fixed = s.ptRadios == PtRadios::All || s.ptRadios == PtRadios::FixedOnly;
    const bool var = s.ptRadios == PtRadios::All || s.ptRadios == PtRadios::VarOnly;
    c_.fixedPt->setEnabled(fixed);
    c_.varSpeedPt->setEnabled(var);
    c_.varPropPt->setEnabled(var);
    Enable(s.speedBoxes, {c_.panSpeed, c_.tiltSpeed});
    Enable(s.flip, {c_.flip});
    Enable(s.direction, {c_.direction});
    Enable(s.lensMaintenance, {c_.lensMaintenance});
    Enable(s.otherSetup, {c_.otherSetup});
    for (QAbstractButton* r : c_.video->buttons())
        r->setEnabled(s.video == Switch::On);
    Enable(s.cameraProtocol, {c_.cameraProtocol});
    Enable(s.firmware, {c_.cameraFirmware, c_.firmwareGet, c_.elevation, c_.elevationSet});
    Enable(s.setBaud, {c_.setBaud});
    Enable(s.lcuGroup, {c_.lcuProtocol, c_.lcuGetInfo, c_.lcuAddress, c_.lcuAddressSet, c_.lcuFirmware, c_.hostBaud,
                        c_.hostBaudSet});
    m_.cameraType = s.cameraType;
    if (s.fixedPanTilt)
        SetPtKind(0, s.sendFixed);
    if (s.showValues && !opening)
        ShowValues();
}

void SetupDialog::ApplyJavelinRule()
{
    constexpr int kJavelin = 3;
    c_.lcuJavelinMotor->setEnabled(m_.lcuProtocol == kJavelin);
    c_.lcuJavelinAddress->setEnabled(m_.lcuProtocol == kJavelin);
    c_.cameraJavelinMotor->setEnabled(m_.protocol == kJavelin);
    c_.cameraJavelinAddress->setEnabled(m_.protocol == kJavelin);
}

void SetupDialog::OnReceiverTypeChosen(int type)
{
    if (type < 0)
        return;
    TakeControls(); // edits in progress survive the write-back below
    m_.receiverType = type;
    ApplyReceiverType(type, false);
}

bool SetupDialog::ConfirmProtocolChange(const char* question)
{
    return prompter_.ShowMessage(question, ApplicationTitle(), MessageButtons::YesNo, MessageIcon::Stop,
                                 MessageAnswer::Yes) == MessageAnswer::Yes;
}

void SetupDialog::OnCameraProtocolChosen(int index)
{
    if (index < 0)
        return;
    const int saved = m_.protocol;
    if (!ConfirmProtocolChange("Do you really want to Change Camera Comm. Protocol?")) {
        m_.protocol = saved;
        Show(c_.cameraProtocol, saved);
        ApplyJavelinRule();
        return;
    }
    m_.protocol = index;
    AfterProtocolChange(index);
    Enqueue(DigitCommand("cP", index));
    ApplyJavelinRule();
}

void SetupDialog::OnLcuProtocolChosen(int index)
{
    if (index < 0)
        return;
    const int saved = m_.lcuProtocol;
    if (!ConfirmProtocolChange("Do you really want to Change LCU Comm. Protocol?")) {
        Show(c_.lcuProtocol, saved);
        ApplyJavelinRule();
        return;
    }
    SetLcuProtocol(index);
    AfterProtocolChange(index);
    Enqueue(DigitCommand("cP", index), true);
    ApplyJavelinRule();
}

// The link checks addresses against the LCU's protocol when one is attached.
void SetupDialog::SetLcuProtocol(int index)
{
    m_.lcuProtocol = index;
    if (index >= 0)
        link_.settings().lcuProtocol = index;
}

void SetupDialog::AfterProtocolChange(int index)
{
    c_.setBaud->setEnabled(index == 0);
    c_.elevationSet->setEnabled(index == 0);
}

void SetupDialog::OnSetBaud()
{
    TakeControls();
    const std::string command = SetBaudCommand(m_.receiverType, m_.baudIndex);
    if (!command.empty())
        Enqueue(command);
}

void SetupDialog::OnVideo(int standard)
{
    TakeControls();
    m_.videoType = standard;
    Enqueue(DigitCommand("cv", standard));
    ShowValues();
}

void SetupDialog::Toggle(int& value, const char* on, const char* off, bool broadcast)
{
    value = value != 0 ? 0 : 1;
    Enqueue(value != 0 ? on : off, broadcast);
}

void SetupDialog::RefuseEntry(QLineEdit* box, const char* message, bool empty)
{
    prompter_.ShowMessage(message, ApplicationTitle());
    if (empty)
        box->clear();
    box->setFocus();
}

void SetupDialog::OnElevationSet()
{
    TakeControls();
    constexpr const char* kInvalid = "Invalid Elevation Entry";
    if (m_.elevation.empty())
        return RefuseEntry(c_.elevation, kInvalid, true);
    if (!ElevationAccepted(m_.elevation))
        return RefuseEntry(c_.elevation, kInvalid, false);
    Enqueue("E" + m_.elevation);
}

void SetupDialog::OnSerialNumberSet()
{
    TakeControls();
    if (m_.serialNumber.empty())
        return RefuseEntry(c_.serialNumber, "Invalid Serial Number Entry", true);
    m_.serialNumber = PadSerialNumber(m_.serialNumber);
    Show(c_.serialNumber, m_.serialNumber);
    Enqueue("mS" + m_.serialNumber);
}

void SetupDialog::OnHostBaudSet()
{
    TakeControls();
    constexpr const char* kInvalid = "Invalid LCU Host Baud Rate Entry";
    if (m_.hostBaud.empty())
        return RefuseEntry(c_.hostBaud, kInvalid, true);
    const std::optional<std::string> field = HostBaudField(m_.hostBaud);
    if (!field)
        return RefuseEntry(c_.hostBaud, kInvalid, false);
    Enqueue("bs" + *field, true);
}

// The new address goes in behind whatever waits: nothing pending is dropped.
void SetupDialog::OnLcuAddressSet()
{
    if (const char* message = CheckLcuAddress(m_.lcuProtocol, m_.lcuAddress, link_.cameraAddress())) {
        prompter_.ShowMessage(message, ApplicationTitle());
        return;
    }
    link_.SetCameraAddress(m_.lcuAddress);
    command_ = LcuAddressCommand(m_.lcuProtocol, m_.lcuAddress);
    CommandQueue& queue = link_.queue();
    broadcastSlots_.set(static_cast<size_t>(queue.writeIndex()));
    queue.Enqueue(command_);
    pump_->StartPump();
}

void SetupDialog::OnBootLoader()
{
    if (prompter_.ShowMessage("Do you really want to enable boot (replacing firmware)?", ApplicationTitle(),
                              MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::No) == MessageAnswer::Yes)
        Enqueue("cb");
}

void SetupDialog::RunPlaceholder(const char* title)
{
    PlaceholderDialog dialog(QString::fromLatin1(title), this);
    modal_.Run(dialog);
}

// While a maintenance dialog runs over Setup it owns the command queue:
// Setup's sending stops (the dialog's opening drops what waited anyway)
// and its one-shot queries wait, so that none of them takes the dialog's
// commands off the queue or drops them; the queries start again after.
void SetupDialog::OpenMaintenance(const char* title)
{
    if (!openMaintenance) {
        RunPlaceholder(title);
        return;
    }
    timers_->Stop(kSendTimer);
    std::vector<std::pair<int, int>> waiting;
    for (int id : {kFlowQueryTimer, kPanTiltQueryTimer, kDirectionQueryTimer, kSerialQueryTimer}) {
        if (!timers_->IsRunning(id))
            continue;
        waiting.emplace_back(id, timers_->Period(id));
        timers_->Stop(id);
    }
    openMaintenance(title, this);
    for (auto [id, ms] : waiting)
        timers_->Start(id, ms);
}
