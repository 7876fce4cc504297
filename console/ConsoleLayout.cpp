// The console window's controls and their arrangement.
#include "ConsoleControlIds.h"
#include "ConsoleDialog.h"
#include "HexEntryBox.h"
#include "Lamp.h"
#include "PTControl.h"
#include "PictureButton.h"
#include "Prompter.h"
#include "TrafficStrip.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

using namespace ConsoleControl;

namespace {

// Object name and caption of each control; the object name follows the id's name.
struct ControlText {
    int id;
    const char* name;
    const char* caption;
};

constexpr ControlText kControls[] = {
    {CameraAddress, "CameraAddress", "Camera Address"}, {Find, "Find", "Find"}, {Reset, "Reset", "Reset"},
    {StatusQuery, "StatusQuery", "Status ?"}, {Illuminator, "Illuminator", "Illuminator"},
    {PressureQuery, "PressureQuery", "Pressure?"}, {NewAddress, "NewAddress", "New Address"},
    {SetAddress, "SetAddress", "Set"}, {GetAddress, "GetAddress", "Get"}, {MonitorNumber, "MonitorNumber", "Monitor"},
    {ZoomIn, "ZI", "ZI"}, {ZoomOut, "ZO", "ZO"}, {FocusNear, "FN", "FN"}, {FocusFar, "FF", "FF"},
    {IrisOpen, "IO", "IO"}, {IrisClose, "IC", "IC"}, {ColorRed, "CR", "CR"}, {ColorBlue, "CB", "CB"},
    {IntegrationUp, "MIU", "MIU"}, {IntegrationDown, "MID", "MID"},
    {Wipe, "Wipe", "Wipe"}, {WipeSetup, "WipeSetup", "Wipe Setup"}, {Wash, "Wash", "Wash"},
    {WashSetup, "WashSetup", "Wash Setup"}, {UltraSlow, "UltraSlow", "Ultra Slow"}, {Slow, "Slow", "Slow"},
    {Fast, "Fast", "Fast"}, {SeekHome, "SeekHome", "SeekHome"}, {Aux2Enable, "Aux2Enable", "Aux2 Enable"},
    {CameraPower, "CameraPower", "Camera Power"}, {LensFast, "LensFast", "Lens Fast"},
    {ManualIris, "ManualIris", "Manual Iris"}, {ColorBalance, "ColorBalance", "Color Balance"},
    {ManualFocus, "ManualFocus", "Manual Focus"}, {ManualIntegration, "ManualIntegration", "Manual Intergration"},
    {AutoFocusOnPtz, "AutoFocusOnPtz", "Do Auto Focus on PTZ"},
    {SetAzimuth, "SetAzimuth", "Set"}, {GetAzimuth, "GetAzimuth", "Get"}, {SendModule, "SendModule", "Send"},
    {Pan, "Pan", "Pan"}, {Tilt, "Tilt", "Tilt"}, {Zoom, "Zoom", "Zoom"}, {Focus, "Focus", "Focus"},
    {PositionQuery, "PositionQuery", "P/T/Z/F?"}, {PositionGoto, "PositionGoto", "Goto"},
    {ImageQuery, "ImageQuery", "i?"},
    {PresetList, "PresetList", "Presets"}, {Store, "Store", "Store"}, {PresetGoto, "PresetGoto", "Goto"},
    {StoreId, "StoreId", "Store ID"}, {GetId, "GetId", "Get ID"},
    {CameraId, "CameraId", "Camera ID"}, {DspStatus, "DspStatus", "DSP Status"},
    {CameraSetup, "CameraSetup", "Camera Setup"}, {SourceLeft, "SourceLeft", "Left"},
    {SourceRight, "SourceRight", "Right"}, {LeftCameraPwr, "LeftCameraPwr", "Left Camera Pwr"},
    {RightCameraPwr, "RightCameraPwr", "Right Camera Pwr"}, {PwrStatusReq, "PwrStatusReq", "Pwr Status Req."},
    {LeftVideoReversed, "LeftVideoReversed", "Left Video Reversed"},
    {RightVideoReversed, "RightVideoReversed", "Right Video Reversed"},
    {ZoneList, "ZoneList", "Zone"}, {StartStop, "StartStop", "Start/Stop"}, {TourSetup, "TourSetup", "Setup"},
    {DisableNtcip, "DisableNtcip", "Disable NTCIP Mode"}, {EnableNtcip, "EnableNtcip", "Enable NTCIP Mode"},
    {BrowseControl, "BrowseControl", "Browse Control"}, {Play, "Play", "Play"}, {Pause, "Pause", "Paus"},
    {Record, "Record", "Record Log File"}, {InsertComments, "InsertComments", "Insert Comments"},
    {StopLog, "StopLog", "Stop"}, {About, "About", "ABOUT"}, {Close, "Close", "Close"},
    {History, "History", "History"},
};

const ControlText& TextFor(int id)
{
    for (const ControlText& t : kControls)
        if (t.id == id)
            return t;
    static const ControlText unknown{0, "", ""};
    return unknown;
}

QLabel* Caption(const char* text, QWidget* parent)
{
    return new QLabel(QString::fromLatin1(text), parent);
}

// A lamp with its caption to the right.
QHBoxLayout* LampRow(Lamp* lamp, QWidget* control)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(lamp, 0, Qt::AlignVCenter);
    row->addWidget(control, 1);
    return row;
}

constexpr QSize kLensButtonSize(40, 26);

} // namespace

template <class T> T* ConsoleDialog::Register(int id, T* widget)
{
    const ControlText& t = TextFor(id);
    widget->setObjectName(QString::fromLatin1(t.name));
    widget->setAccessibleName(QString::fromLatin1(t.caption));
    controls_[id] = widget;
    return widget;
}

QAbstractButton* ConsoleDialog::AddButton(int id, const char* caption)
{
    auto* button = Register(id, new QPushButton(QString::fromLatin1(caption), this));
    button->setAutoDefault(false);
    return button;
}

PictureButton* ConsoleDialog::AddPictureButton(int id, const char* caption, QSize size)
{
    return Register(id, new PictureButton(QString::fromLatin1(caption), size, this));
}

Lamp* ConsoleDialog::AddLamp(int id, const char* caption)
{
    auto* lamp = new Lamp(id, QString::fromLatin1(caption), this);
    lamps_[id] = lamp;
    return lamp;
}

QGroupBox* ConsoleDialog::Group(int id, const char* caption, const char* objectName)
{
    auto* box = new QGroupBox(QString::fromLatin1(caption), this);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setAccessibleName(QString::fromLatin1(caption).trimmed());
    if (id != 0)
        controls_[id] = box;
    return box;
}

QGroupBox* ConsoleDialog::BuildCameraGroup()
{
    QGroupBox* box = Group(0, "Camera", "CameraGroup");
    auto* grid = new QGridLayout(box);
    cameraAddress_ = Register(CameraAddress, new QSpinBox(this));
    cameraAddress_->setAlignment(Qt::AlignRight);
    QLabel* addressCaption = Caption("Address", this);
    addressCaption->setBuddy(cameraAddress_);
    grid->addWidget(addressCaption, 0, 0);
    grid->addWidget(cameraAddress_, 0, 1);
    grid->addWidget(AddButton(Find, "Find"), 1, 0);
    grid->addWidget(AddButton(Reset, "Reset"), 1, 1);
    grid->addWidget(AddButton(StatusQuery, "Status ?"), 2, 0);
    grid->addWidget(AddButton(PressureQuery, "Pressure?"), 2, 1);
    grid->addWidget(AddButton(Illuminator, "Illuminator"), 3, 0, 1, 2);
    auto* lamps = new QHBoxLayout;
    lamps->addWidget(AddLamp(ConsoleLamp::CommError, "Comm Error"));
    lamps->addWidget(AddLamp(ConsoleLamp::Polling, "Status Polling"));
    lamps->addWidget(Caption("Comm Error", this), 1);
    grid->addLayout(lamps, 4, 0, 1, 2);
    return box;
}

QGroupBox* ConsoleDialog::BuildAddressGroup()
{
    QGroupBox* box = Group(0, "Address", "AddressGroup");
    auto* row = new QHBoxLayout(box);
    newAddress_ = Register(NewAddress, new QLineEdit(this));
    newAddress_->setMaximumWidth(64);
    newAddress_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), newAddress_));
    row->addWidget(newAddress_);
    row->addWidget(AddButton(SetAddress, "Set"));
    row->addWidget(AddButton(GetAddress, "Get"));
    return box;
}

QGroupBox* ConsoleDialog::BuildMonitorGroup()
{
    QGroupBox* box = Group(0, "Monitor", "MonitorGroup");
    auto* row = new QHBoxLayout(box);
    monitorNumber_ = Register(MonitorNumber, new QSpinBox(this));
    monitorNumber_->setAlignment(Qt::AlignRight);
    row->addWidget(monitorNumber_);
    row->addStretch();
    return box;
}

QGroupBox* ConsoleDialog::BuildLensGroup()
{
    QGroupBox* box = Group(0, "Lens Feature Control", "LensGroup");
    auto* v = new QVBoxLayout(box);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    struct Pair {
        const char* label;
        int first, second;
        const char* firstCaption;
        const char* secondCaption;
    };
    constexpr Pair pairs[] = {
        {"Zoom", ZoomIn, ZoomOut, "ZI", "ZO"},     {"Focus", FocusNear, FocusFar, "FN", "FF"},
        {"Iris", IrisOpen, IrisClose, "IO", "IC"}, {"Color", ColorRed, ColorBlue, "CR", "CB"},
        {"Integration", IntegrationUp, IntegrationDown, "MIU", "MID"},
    };
    int row = 0;
    for (const Pair& p : pairs) {
        grid->addWidget(Caption(p.label, this), row, 0);
        grid->addWidget(AddPictureButton(p.first, p.firstCaption, kLensButtonSize), row, 1);
        grid->addWidget(AddPictureButton(p.second, p.secondCaption, kLensButtonSize), row, 2);
        ++row;
    }
    grid->setColumnStretch(0, 1);
    v->addLayout(grid);

    auto* speed = new QGroupBox(QStringLiteral("Lens Speed"), this);
    speed->setObjectName(QStringLiteral("LensSpeedGroup"));
    auto* speedRow = new QHBoxLayout(speed);
    auto* speeds = new QButtonGroup(this);
    for (auto [id, caption] : {std::pair{UltraSlow, "Ultra Slow"}, std::pair{Slow, "Slow"}, std::pair{Fast, "Fast"}}) {
        auto* radio = Register(id, new QRadioButton(QString::fromLatin1(caption), this));
        speeds->addButton(radio, id);
        speedRow->addWidget(radio);
    }
    v->addWidget(speed);

    auto* aux = new QGridLayout;
    aux->addWidget(AddButton(Wipe, "Wipe"), 0, 0);
    aux->addWidget(AddButton(WipeSetup, "Wipe Setup"), 0, 1);
    aux->addWidget(AddButton(Wash, "Wash"), 1, 0);
    aux->addWidget(AddButton(WashSetup, "Wash Setup"), 1, 1);
    aux->addLayout(LampRow(AddLamp(ConsoleLamp::Wiper, "Wiper"), Caption("Wiper", this)), 2, 0);
    aux->addWidget(AddButton(SeekHome, "SeekHome"), 3, 0);
    aux->addLayout(LampRow(AddLamp(ConsoleLamp::Aux2, "Aux2 Enable"), AddButton(Aux2Enable, "Aux2 Enable")), 3, 1);
    v->addLayout(aux);
    return box;
}

QGroupBox* ConsoleDialog::BuildLatchGroup()
{
    QGroupBox* box = Group(0, "Latch Commands", "LatchGroup");
    auto* v = new QVBoxLayout(box);
    v->setSpacing(3);
    constexpr std::pair<int, const char*> latches[] = {
        {CameraPower, "Camera Power"}, {LensFast, "Lens Fast"},       {ManualIris, "Manual Iris"},
        {ColorBalance, "Color Balance"}, {ManualFocus, "Manual Focus"}, {ManualIntegration, "Manual Intergration"},
    };
    int lampId = ConsoleLamp::CameraPower;
    for (auto [id, caption] : latches)
        v->addLayout(LampRow(AddLamp(lampId++, caption), AddButton(id, caption)));
    v->addWidget(Register(AutoFocusOnPtz, new QCheckBox(QStringLiteral("Do Auto Focus on PTZ"), this)));
    return box;
}

QGroupBox* ConsoleDialog::BuildPadGroup()
{
    QGroupBox* box = Group(0, "Pan/Tilt", "PadGroup");
    auto* v = new QVBoxLayout(box);
    pad_ = new PTControl(this);
    controls_[Pad] = pad_;
    v->addWidget(pad_, 0, Qt::AlignHCenter);
    auto* row = new QHBoxLayout;
    row->addWidget(Caption("Azimuth", this));
    row->addWidget(AddButton(SetAzimuth, "Set"));
    row->addWidget(AddButton(GetAzimuth, "Get"));
    row->addWidget(AddButton(SendModule, "Send"));
    v->addLayout(row);
    return box;
}

QGroupBox* ConsoleDialog::BuildPositionsGroup()
{
    QGroupBox* box = Group(0, "Positions (000-FFF as Standard Vexa Format) ", "PositionsGroup");
    auto* v = new QVBoxLayout(box);
    auto* grid = new QGridLayout;
    int column = 0;
    for (auto [id, caption, length] : {std::tuple{Pan, "Pan", 5}, std::tuple{Tilt, "Tilt", 5},
                                       std::tuple{Zoom, "Zoom", 4}, std::tuple{Focus, "Focus", 4}}) {
        auto* field = Register(id, new HexEntryBox(this));
        field->setMaxLength(length);
        field->setMaximumWidth(60);
        QLabel* label = Caption(caption, this);
        label->setBuddy(field);
        grid->addWidget(label, 0, column, Qt::AlignHCenter);
        grid->addWidget(field, 1, column);
        ++column;
    }
    v->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddButton(PositionQuery, "P/T/Z/F?"));
    buttons->addWidget(AddButton(PositionGoto, "Goto"));
    buttons->addWidget(AddButton(ImageQuery, "i?"));
    v->addLayout(buttons);
    for (const char* hint : {"(0000-3599  P)  (1200-0150  T) for Halo", "(0000-3599  P)  (0950-0050  T) for Lynx"}) {
        QLabel* line = Caption(hint, this);
        line->setObjectName(QStringLiteral("PositionHint"));
        v->addWidget(line);
    }
    return box;
}

QGroupBox* ConsoleDialog::BuildPresetsGroup()
{
    QGroupBox* box = Group(0, "Presets", "PresetsGroup");
    auto* grid = new QGridLayout(box);
    presetList_ = Register(PresetList, new QComboBox(this));
    presetList_->setEditable(true);
    presetList_->setInsertPolicy(QComboBox::NoInsert);
    presetList_->setMinimumContentsLength(16);
    grid->addWidget(presetList_, 0, 0, 1, 2);
    grid->addWidget(AddButton(Store, "Store"), 1, 0);
    grid->addWidget(AddButton(PresetGoto, "Goto"), 1, 1);
    grid->addWidget(AddButton(StoreId, "Store ID"), 2, 0);
    grid->addWidget(AddButton(GetId, "Get ID"), 2, 1);
    return box;
}

QGroupBox* ConsoleDialog::BuildReceiverStatusGroup()
{
    receiverStatus_ = Group(ReceiverStatus, "Receiver Status", "ReceiverStatus");
    auto* v = new QVBoxLayout(receiverStatus_);
    v->setSpacing(3);
    constexpr std::tuple<int, int, const char*, const char*> rows[] = {
        {ConsoleLamp::LocalControl, LocalControl, "Local Control", "LocalControl"},
        {ConsoleLamp::VideoLoss, VideoLoss, "Video Loss", "VideoLoss"},
        {ConsoleLamp::PressureLoss, PressureLoss, "Pressure Loss", "PressureLoss"},
    };
    for (auto [lampId, id, caption, name] : rows) {
        QLabel* label = Caption(caption, this);
        label->setObjectName(QString::fromLatin1(name));
        controls_[id] = label;
        v->addLayout(LampRow(AddLamp(lampId, caption), label));
    }
    // Lamp 209 and its caption have no use: they exist but are never shown.
    Lamp* reserved = AddLamp(ConsoleLamp::Reserved, "Reserved");
    QLabel* reservedCaption = Caption("Reserved", this);
    reservedCaption->setObjectName(QStringLiteral("Reserved"));
    reserved->hide();
    reservedCaption->hide();
    return receiverStatus_;
}

QGroupBox* ConsoleDialog::BuildSpecialFunctionsGroup()
{
    QGroupBox* box = Group(0, "Special Functions", "SpecialFunctionsGroup");
    auto* v = new QVBoxLayout(box);
    auto* row = new QHBoxLayout;
    row->addWidget(AddButton(CameraId, "Camera ID"));
    row->addWidget(AddButton(DspStatus, "DSP Status"));
    row->addWidget(AddButton(CameraSetup, "Camera Setup"));
    v->addLayout(row);

    QGroupBox* source = Group(0, "8650 Video Souce Sel.", "VideoSourceGroup");
    auto* grid = new QGridLayout(source);
    auto* sources = new QButtonGroup(this);
    auto* left = Register(SourceLeft, new QRadioButton(QStringLiteral("Left"), this));
    auto* right = Register(SourceRight, new QRadioButton(QStringLiteral("Right"), this));
    sources->addButton(left, SourceLeft);
    sources->addButton(right, SourceRight);
    grid->addWidget(left, 0, 0);
    grid->addWidget(right, 0, 1);
    grid->addWidget(AddButton(LeftCameraPwr, "Left Camera Pwr"), 1, 0);
    grid->addWidget(AddButton(RightCameraPwr, "Right Camera Pwr"), 1, 1);
    grid->addWidget(AddButton(PwrStatusReq, "Pwr Status Req."), 2, 0, 1, 2);
    grid->addWidget(Register(LeftVideoReversed, new QCheckBox(QStringLiteral("Left Video Reversed"), this)), 3, 0);
    grid->addWidget(Register(RightVideoReversed, new QCheckBox(QStringLiteral("Right Video Reversed"), this)), 3, 1);
    v->addWidget(source);
    return box;
}

QGroupBox* ConsoleDialog::BuildTourGroup()
{
    QGroupBox* box = Group(0, "Tour/Sector/Privacy", "TourGroup");
    auto* grid = new QGridLayout(box);
    zoneList_ = Register(ZoneList, new QComboBox(this));
    for (int i = 1; i <= 8; ++i)
        zoneList_->addItem(QStringLiteral("Tour %1").arg(i));
    grid->addWidget(zoneList_, 0, 0);
    grid->addWidget(AddLamp(ConsoleLamp::Tour, "Tour"), 0, 1, Qt::AlignCenter);
    grid->addWidget(AddButton(StartStop, "Start/Stop"), 1, 0);
    grid->addWidget(AddButton(TourSetup, "Setup"), 1, 1);
    return box;
}

QGroupBox* ConsoleDialog::BuildNtcipGroup()
{
    QGroupBox* box = Group(0, "NTCIP Features", "NtcipGroup");
    auto* v = new QVBoxLayout(box);
    v->addWidget(AddButton(DisableNtcip, "Disable NTCIP Mode"));
    v->addWidget(AddButton(EnableNtcip, "Enable NTCIP Mode"));
    return box;
}

QGroupBox* ConsoleDialog::BuildLogGroup()
{
    QGroupBox* box = Group(0, "Log Functions", "LogGroup");
    auto* v = new QVBoxLayout(box);
    auto* file = new QHBoxLayout;
    logFileName_ = Register(BrowseControl, new QLineEdit(this));
    logFileName_->setPlaceholderText(QStringLiteral("Log file"));
    file->addWidget(logFileName_, 1);
    auto* browse = new QToolButton(this);
    browse->setObjectName(QStringLiteral("BrowseButton"));
    browse->setText(QStringLiteral("..."));
    browse->setAccessibleName(QStringLiteral("Browse"));
    browse->setToolTip(QStringLiteral("Select Log File"));
    file->addWidget(browse);
    v->addLayout(file);
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    constexpr QSize logButton(28, 24);
    for (auto [id, tip] : {std::pair{Play, "Play"}, std::pair{Pause, "Paus"}, std::pair{Record, "Record Log File"},
                           std::pair{InsertComments, "Insert Comments"}, std::pair{StopLog, "Stop"}})
        row->addWidget(AddPictureButton(id, tip, logButton));
    row->addStretch();
    v->addLayout(row);
    return box;
}

QLayout* ConsoleDialog::BuildTrafficRow()
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    transmitStrip_ = new TrafficStrip(TransmitStrip, QStringLiteral(" Transmit data"), this);
    transmitStrip_->setObjectName(QStringLiteral("TransmitStrip"));
    receiveStrip_ = new TrafficStrip(ReceiveStrip, QStringLiteral(" Receive data"), this);
    receiveStrip_->setObjectName(QStringLiteral("ReceiveStrip"));
    controls_[TransmitStrip] = transmitStrip_;
    controls_[ReceiveStrip] = receiveStrip_;
    grid->addWidget(Caption("Tx", this), 0, 0);
    grid->addWidget(AddLamp(ConsoleLamp::Transmit, "Tx"), 0, 1);
    grid->addWidget(transmitStrip_, 0, 2);
    grid->addWidget(Caption("Rx", this), 1, 0);
    grid->addWidget(AddLamp(ConsoleLamp::Receive, "Rx"), 1, 1);
    grid->addWidget(receiveStrip_, 1, 2);
    grid->setColumnStretch(2, 1);

    auto* buttons = new QGridLayout;
    buttons->addWidget(AddPictureButton(About, "ABOUT", QSize(64, 24)), 0, 0);
    QAbstractButton* history = AddButton(History, "History");
    history->setToolTip(QStringLiteral("Every frame of this session, with its time"));
    connect(history, &QAbstractButton::clicked, this, &ConsoleDialog::OnTrafficHistory);
    buttons->addWidget(history, 0, 1);
    QAbstractButton* close = AddButton(Close, "Close");
    connect(close, &QAbstractButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close, 1, 0, 1, 2);
    grid->addLayout(buttons, 0, 3, 2, 1);
    return grid;
}

void ConsoleDialog::BuildWindow()
{
    setWindowTitle(QString::fromLatin1(ApplicationTitle()));

    auto* first = new QVBoxLayout;
    first->addWidget(BuildCameraGroup());
    first->addWidget(BuildAddressGroup());
    first->addWidget(BuildMonitorGroup());
    first->addWidget(BuildNtcipGroup());
    first->addWidget(BuildLogGroup());
    first->addWidget(BuildReceiverStatusGroup());
    first->addStretch();

    auto* second = new QVBoxLayout;
    second->addWidget(BuildPadGroup());
    second->addWidget(BuildPositionsGroup());
    second->addWidget(BuildTourGroup());
    second->addStretch();

    auto* third = new QVBoxLayout;
    third->addWidget(BuildLensGroup());
    third->addStretch();

    auto* fourth = new QVBoxLayout;
    fourth->addWidget(BuildLatchGroup());
    fourth->addWidget(BuildPresetsGroup());
    fourth->addWidget(BuildSpecialFunctionsGroup());
    fourth->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(first);
    columns->addLayout(second);
    columns->addLayout(third);
    columns->addLayout(fourth);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(BuildTrafficRow());
}
