// The Setup dialog's layout, its opening and the values it hands back.
#include "SetupDialog.h"

#include "CommandLink.h"
#include "DialogButtons.h"
#include "Enumerations.h"
#include "Prompter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <iterator>

namespace {
constexpr int kMaximumSpeed = 15;
constexpr int kLargestLcuAddress = 16384;

constexpr std::initializer_list<const char*> kColourSchemes = {
    "None", "Plain old gray", "Black Space", "Red White and Blue", "Harlequin's Nightmare",
    "Rainbow Sherbet", "Vexa CCTV", "My Favorite"};

QString Text(const char* s)
{
    return QString::fromLatin1(s);
}

void Name(QWidget* w, const char* name, const char* caption)
{
    w->setObjectName(Text(name));
    w->setAccessibleName(Text(caption));
}

QPushButton* Button(QWidget* parent, const char* caption, const char* name)
{
    auto* b = new QPushButton(Text(caption), parent);
    Name(b, name, caption);
    b->setAutoDefault(false); // Enter moves on, it does not press
    return b;
}

QCheckBox* Check(QWidget* parent, const char* caption, const char* name)
{
    auto* b = new QCheckBox(Text(caption), parent);
    Name(b, name, caption);
    return b;
}

QAbstractButton* Radio(QWidget* parent, QButtonGroup* group, int id, const char* caption, const char* name)
{
    auto* r = new QRadioButton(Text(caption), parent);
    Name(r, name, caption);
    group->addButton(r, id);
    return r;
}

QComboBox* List(QWidget* parent, const char* caption, const char* name)
{
    auto* l = new QComboBox(parent);
    Name(l, name, caption);
    return l;
}

QLineEdit* Box(QWidget* parent, const char* caption, const char* name, int maxLength, bool digitsOnly)
{
    auto* e = new QLineEdit(parent);
    Name(e, name, caption);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    if (digitsOnly)
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    return e;
}

QGroupBox* Group(QWidget* parent, const char* caption, const char* name)
{
    auto* g = new QGroupBox(Text(caption), parent);
    Name(g, name, caption);
    return g;
}

// A caption beside its control, the caption naming it for the keyboard.
void Row(QFormLayout* form, QWidget* parent, const char* caption, QWidget* field)
{
    auto* label = new QLabel(Text(caption), parent);
    label->setBuddy(field);
    form->addRow(label, field);
}

QHBoxLayout* Pair(QWidget* a, QWidget* b)
{
    auto* l = new QHBoxLayout;
    l->addWidget(a);
    l->addWidget(b);
    return l;
}

// A caption beside a box and the button that acts on it.
void Row(QFormLayout* form, QWidget* parent, const char* caption, QWidget* field, QWidget* button)
{
    auto* label = new QLabel(Text(caption), parent);
    label->setBuddy(field);
    form->addRow(label, Pair(field, button));
}
} // namespace

SetupDialog::SetupDialog(const SetupValues& in, CommandLink& link, TimerFactory& timers, Prompter& prompter,
                         ModalRunner& modal, std::vector<std::string> presentPorts, QWidget* parent)
    : TabKeyDialog(parent),
      link_(link),
      prompter_(prompter),
      modal_(modal),
      timers_(timers.CreateTimers(*this)),
      pump_(std::make_unique<PanelPump>(link, replyFlags_, *timers_, Policy())),
      ports_(std::move(presentPorts))
{
    pump_->beforeSend = [this](std::string_view) { ArmBroadcast(); };
    setObjectName(QStringLiteral("SetupDialog"));
    setWindowTitle(QStringLiteral("Setup"));
    Build();
    Connect();
    Open(in);
}

SetupDialog::~SetupDialog() = default;

void SetupDialog::Build()
{
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildLinkColumn());
    columns->addWidget(BuildPanTiltColumn());
    columns->addWidget(BuildCameraColumn());
    columns->addWidget(BuildLcuColumn());

    c_.lensMaintenance = Button(this, "Lens Maintenance", "LensMaintenance");
    c_.otherSetup = Button(this, "Other Setup", "OtherSetup");
    QDialogButtonBox* buttons = OkCancelButtons(this);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(c_.lensMaintenance);
    bottom->addWidget(c_.otherSetup);
    bottom->addStretch();
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(bottom);
}

// Port, baud rate, frame mode and what is attached.
QWidget* SetupDialog::BuildLinkColumn()
{
    auto* column = new QWidget(this);
    auto* v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);

    auto* top = new QFormLayout;
    c_.port = List(column, "Port", "Port");
    Row(top, column, "Port", c_.port);
    v->addLayout(top);
    v->addWidget(BuildNetworkRow(column));

    QGroupBox* baud = Group(column, "Baud Rate", "BaudRate");
    auto* baudGrid = new QGridLayout(baud);
    c_.baud = new QButtonGroup(this);
    const std::pair<const char*, const char*> rates[] = {
        {"9600", "Baud9600"}, {"4800", "Baud4800"}, {"2400", "Baud2400"},   {"1200", "Baud1200"},
        {"600", "Baud600"},   {"300", "Baud300"},   {"19.2K", "Baud19200"}, {"57.6K", "Baud57600"}};
    for (int i = 0; i < static_cast<int>(std::size(rates)); ++i)
        baudGrid->addWidget(Radio(baud, c_.baud, i, rates[i].first, rates[i].second), i % 4, i / 4);
    c_.setBaud = Button(baud, "SetBaud", "SetBaud");
    baudGrid->addWidget(c_.setBaud, 4, 0, 1, 2);
    v->addWidget(baud);

    QGroupBox* mode = Group(column, "Comm Mode", "CommMode");
    auto* modeBox = new QVBoxLayout(mode);
    c_.mode = new QButtonGroup(this);
    modeBox->addWidget(Radio(mode, c_.mode, 0, "PC to KRX Master", "PcToKrxMaster"));
    modeBox->addWidget(Radio(mode, c_.mode, 1, "PC to KRX Receiver", "PcToKrxReceiver"));
    v->addWidget(mode);

    auto* types = new QFormLayout;
    c_.receiverType = List(column, "Receiver Type", "ReceiverType");
    for (int i = 0; i < kReceiverTypeCount; ++i)
        c_.receiverType->addItem(Text(ReceiverTypeName(i)));
    c_.cameraType = List(column, "Cam Type", "CamType");
    for (int i = 0; i < kCameraTypeCount; ++i)
        c_.cameraType->addItem(Text(CameraTypeName(i)));
    c_.colourScheme = List(column, "Pan/Tilt Background", "PanTiltBackground");
    for (const char* scheme : kColourSchemes)
        c_.colourScheme->addItem(Text(scheme));
    Row(types, column, "Receiver Type", c_.receiverType);
    Row(types, column, "Cam Type", c_.cameraType);
    Row(types, column, "Pan/Tilt Background", c_.colourScheme);
    v->addLayout(types);
    v->addStretch();
    return column;
}

// Pan/tilt kind and speeds, direction, video, light, flip, modem, NTCIP.
QWidget* SetupDialog::BuildPanTiltColumn()
{
    auto* column = new QWidget(this);
    auto* v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);

    QGroupBox* panTilt = Group(column, "Pan/Tilt", "PanTilt");
    auto* ptBox = new QVBoxLayout(panTilt);
    c_.ptKind = new QButtonGroup(this);
    c_.fixedPt = Radio(panTilt, c_.ptKind, 0, "Fixed P/T", "FixedPT");
    c_.varSpeedPt = Radio(panTilt, c_.ptKind, 1, "Var Speed P/T", "VarSpeedPT");
    c_.varPropPt = Radio(panTilt, c_.ptKind, 2, "Var. Prop. Speed P/T", "VarPropSpeedPT");
    for (QAbstractButton* r : {c_.fixedPt, c_.varSpeedPt, c_.varPropPt})
        ptBox->addWidget(r);
    auto* speeds = new QFormLayout;
    c_.panSpeed = new QSpinBox(panTilt);
    Name(c_.panSpeed, "MaxPanSpeed", "Max Pan Speed");
    c_.tiltSpeed = new QSpinBox(panTilt);
    Name(c_.tiltSpeed, "MaxTiltSpeed", "Max Tilt Speed");
    Row(speeds, panTilt, "Max Pan Speed", c_.panSpeed);
    Row(speeds, panTilt, "Max Tilt Speed", c_.tiltSpeed);
    ptBox->addLayout(speeds);
    v->addWidget(panTilt);

    auto* direction = new QFormLayout;
    c_.direction = List(column, "Lynx2 P/T Direction", "Lynx2PTDirection");
    for (const char* item : {"Normal", "Inverted Tilt", "Inverted P/T"})
        c_.direction->addItem(Text(item));
    Row(direction, column, "Lynx2 P/T Direction", c_.direction);
    v->addLayout(direction);

    QGroupBox* video = Group(column, "Video", "Video");
    auto* videoBox = new QHBoxLayout(video);
    c_.video = new QButtonGroup(this);
    videoBox->addWidget(Radio(video, c_.video, 0, "NTSC", "NTSC"));
    videoBox->addWidget(Radio(video, c_.video, 1, "PAL", "PAL"));
    v->addWidget(video);

    // Shown for the cameras that have it; this dialog never enables it.
    QGroupBox* light = Group(column, "Light Mode", "LightMode");
    auto* lightBox = new QHBoxLayout(light);
    c_.lightMode = new QButtonGroup(this);
    lightBox->addWidget(Radio(light, c_.lightMode, 0, "Normal", "LightNormal"));
    lightBox->addWidget(Radio(light, c_.lightMode, 1, "Sodium Vapor", "LightSodiumVapor"));
    for (QAbstractButton* r : c_.lightMode->buttons())
        r->setEnabled(false);
    v->addWidget(light);

    c_.flip = Check(column, "Flip Enable for Halo Only", "FlipEnable");
    v->addWidget(c_.flip);

    QGroupBox* modem = Group(column, "Modem", "Modem");
    c_.flowControl = Check(modem, "Flow Control Enable", "FlowControlEnable");
    c_.modemGet = Button(modem, "Get", "ModemGet");
    modem->setLayout(Pair(c_.flowControl, c_.modemGet));
    v->addWidget(modem);

    c_.ntcip = Check(column, "NTCIP Package Enable Required to Switch Local/Remote", "NtcipPackageEnable");
    v->addWidget(c_.ntcip);
    v->addStretch();
    return column;
}

// What the camera itself is told: protocol, firmware, elevation, serial number.
QWidget* SetupDialog::BuildCameraColumn()
{
    auto* column = new QWidget(this);
    auto* v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);

    QGroupBox* camera = Group(column, "Camera", "Camera");
    auto* form = new QFormLayout(camera);
    c_.cameraProtocol = List(camera, "Set Cam Comm Protocol", "SetCamCommProtocol");
    for (int i = 0; i < kCameraProtocolCount; ++i)
        c_.cameraProtocol->addItem(Text(CameraProtocolName(i)));
    Row(form, camera, "Set Cam Comm Protocol", c_.cameraProtocol);

    c_.cameraFirmware = Box(camera, "Firmware Version", "CameraFirmwareVersion", 0, false);
    c_.cameraFirmware->setReadOnly(true);
    c_.firmwareGet = Button(camera, "Get", "CameraFirmwareGet");
    Row(form, camera, "Firmware Version", c_.cameraFirmware, c_.firmwareGet);

    c_.elevation = Box(camera, "Set Elevation (0-10,000 ft)", "SetElevation", 5, true);
    c_.elevationSet = Button(camera, "Set", "ElevationSet");
    Row(form, camera, "Set Elevation (0-10,000 ft)", c_.elevation, c_.elevationSet);

    c_.serialNumber =
        Box(camera, "Camera Serial Number", "CameraSerialNumber", static_cast<int>(kSerialNumberLength), false);
    c_.serialNumberSet = Button(camera, "Set", "SerialNumberSet");
    Row(form, camera, "Camera Serial Number", c_.serialNumber, c_.serialNumberSet);

    c_.cameraJavelinMotor = Check(camera, "Javelin Continuos Motor", "CameraJavelinContinuosMotor");
    c_.cameraJavelinAddress = Check(camera, "Javelin Contains Address", "CameraJavelinContainsAddress");
    form->addRow(c_.cameraJavelinMotor);
    form->addRow(c_.cameraJavelinAddress);
    v->addWidget(camera);

    // Replacing the firmware is not offered from here: the group stays disabled.
    QGroupBox* upload = Group(column, "Prepare to Upload Firmware", "PrepareToUploadFirmware");
    auto* uploadBox = new QVBoxLayout(upload);
    c_.bootLoader = Button(upload, "Enable Boot Loader Code", "EnableBootLoaderCode");
    uploadBox->addWidget(c_.bootLoader);
    upload->setEnabled(false);
    v->addWidget(upload);
    v->addStretch();
    return column;
}

// The local control unit between the console and the cameras.
QWidget* SetupDialog::BuildLcuColumn()
{
    auto* column = new QWidget(this);
    auto* v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);
    QGroupBox* lcu = Group(column, "LCU (5400)", "Lcu");
    auto* form = new QFormLayout(lcu);
    c_.lcuProtocol = List(lcu, "Set Comm. Protocol", "LcuSetCommProtocol");
    for (int i = 0; i < kLcuProtocolCount; ++i)
        c_.lcuProtocol->addItem(Text(LcuProtocolName(i)));
    Row(form, lcu, "Set Comm. Protocol", c_.lcuProtocol);

    c_.lcuGetInfo = Button(lcu, "Get Info.", "LcuGetInfo");
    form->addRow(c_.lcuGetInfo);

    c_.lcuAddress = Box(lcu, "Address", "LcuAddress", 5, true);
    c_.lcuAddressSet = Button(lcu, "Set", "LcuAddressSet");
    Row(form, lcu, "Address", c_.lcuAddress, c_.lcuAddressSet);

    c_.lcuFirmware = Box(lcu, "Firmware Version", "LcuFirmwareVersion", 0, false);
    c_.lcuFirmware->setReadOnly(true);
    Row(form, lcu, "Firmware Version", c_.lcuFirmware);

    c_.hostBaud = Box(lcu, "Host Comm. Baud Rate", "LcuHostCommBaudRate", 4, false);
    c_.hostBaudSet = Button(lcu, "Set", "LcuHostBaudSet");
    Row(form, lcu, "Host Comm. Baud Rate", c_.hostBaud, c_.hostBaudSet);

    c_.lcuJavelinMotor = Check(lcu, "Javelin Continuos Motor", "LcuJavelinContinuosMotor");
    c_.lcuJavelinAddress = Check(lcu, "Javelin Contains Address", "LcuJavelinContainsAddress");
    form->addRow(c_.lcuJavelinMotor);
    form->addRow(c_.lcuJavelinAddress);
    v->addWidget(lcu);
    v->addStretch();
    return column;
}

void SetupDialog::Open(const SetupValues& in)
{
    opening_ = true;
    c_.panSpeed->setRange(0, kMaximumSpeed);
    c_.tiltSpeed->setRange(0, kMaximumSpeed);

    m_.portIndex = in.portIndex;
    m_.port = in.port;
    m_.portName = in.portName;
    m_.baudIndex = in.baudIndex;
    m_.mode = in.mode;
    m_.receiverType = in.receiverType;
    m_.cameraType = in.cameraType;
    m_.panSpeed = in.panSpeed;
    m_.tiltSpeed = in.tiltSpeed;
    m_.videoType = in.videoType;
    m_.protocol = in.protocol;
    SetLcuProtocol(in.lcuProtocol);
    m_.colourScheme = in.padPicture;

    if (m_.colourScheme < 0 || m_.colourScheme >= static_cast<int>(kColourSchemes.size()))
        m_.colourScheme = 0;
    SetPtKind(in.panTiltType == 0 ? 0 : 1, false);

    for (QWidget* w : std::initializer_list<QWidget*>{
             c_.cameraFirmware, c_.firmwareGet, c_.elevation, c_.elevationSet, c_.lcuProtocol, c_.lcuGetInfo,
             c_.lcuAddress, c_.lcuAddressSet, c_.lcuFirmware, c_.hostBaud, c_.hostBaudSet, c_.flip})
        w->setEnabled(false);
    for (QAbstractButton* r : c_.video->buttons())
        r->setEnabled(false);
    c_.setBaud->setEnabled(true);

    ApplyReceiverType(m_.receiverType, true);
    ApplyJavelinRule();
    FillPortList();
    ShowValues();

    opening_ = false;
    Enqueue("RS");
}

void SetupDialog::FillPortList()
{
    const QSignalBlocker quiet(c_.port);
    c_.port->clear();
    for (const std::string& name : ports_)
        c_.port->addItem(QString::fromStdString(name));
    c_.port->addItem(QStringLiteral("Network"));
    if (NetworkChosen()) {
        m_.portIndex = static_cast<int>(ports_.size());
        c_.port->setCurrentIndex(m_.portIndex);
        ShowNetworkRow();
        return;
    }
    ShowNetworkRow();
    const int selected = InitialPortSelection(ports_, m_.portName, m_.portIndex);
    c_.port->setCurrentIndex(selected);
    // Nothing selected: the stored index, number and name stay as they were.
    if (selected < 0)
        return;
    m_.portIndex = selected;
    m_.port = PortNumberForEntry(ports_[selected], selected);
    m_.portName = ports_[selected];
}

SetupValues SetupDialog::values() const
{
    SetupValues v;
    v.portIndex = m_.portIndex;
    v.port = m_.port;
    v.portName = m_.portName;
    v.baudIndex = m_.baudIndex;
    v.mode = m_.mode;
    v.padPicture = m_.colourScheme;
    v.receiverType = m_.receiverType;
    v.cameraType = m_.cameraType;
    v.panTiltType = m_.ptKind;
    v.panSpeed = m_.panSpeed;
    v.tiltSpeed = m_.tiltSpeed;
    v.videoType = m_.videoType;
    v.protocol = m_.protocol;
    v.lcuProtocol = m_.lcuProtocol;
    return v;
}

void SetupDialog::accept()
{
    TakeControls();
    if (c_.port->currentIndex() == static_cast<int>(ports_.size()) && c_.networkHost->text().trimmed().isEmpty()) {
        prompter_.ShowMessage("Please enter the host name or address of the serial device server.", ApplicationTitle());
        c_.networkHost->setFocus();
        return;
    }
    // A disabled box cannot be corrected, so only an enabled one is checked.
    if (c_.lcuAddress->isEnabled()) {
        bool ok = false;
        const int address = c_.lcuAddress->text().toInt(&ok);
        if (!ok || address < 0 || address > kLargestLcuAddress) {
            prompter_.ShowMessage(IntegerRangeMessage(0, kLargestLcuAddress).toStdString(), ApplicationTitle());
            c_.lcuAddress->setFocus();
            c_.lcuAddress->selectAll();
            return;
        }
    }
    TabKeyDialog::accept();
}

void SetupDialog::done(int result)
{
    for (int id : {kSendTimer, kDirectionQueryTimer, kPanTiltQueryTimer, kSerialQueryTimer, kFlowQueryTimer})
        timers_->Stop(id);
    TabKeyDialog::done(result);
}
