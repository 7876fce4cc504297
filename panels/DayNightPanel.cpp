#include "DayNightPanel.h"

#include "CommandLink.h"
#include "JavelinCommandBuilder.h"
#include "PanelHost.h"
#include "PictureButton.h"
#include "Prompter.h"
#include "ReplyFields.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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

namespace {
constexpr int kJavelin408R = 3;

// '0' plus a small index: 10 to 15 become ':' to '?'.
std::string Digit(const char* prefix, int index)
{
    return std::string(prefix) + static_cast<char>('0' + index);
}

// A value sent as one character: the value plus 16.
std::string Offset16(const char* prefix, int value)
{
    return std::string(prefix) + static_cast<char>(value + 16);
}

int DigitValue(uint8_t c)
{
    return c - '0';
}

constexpr std::initializer_list<const char*> kDayNightShutters = {
    "Auto", "1/60", "1/120", "1/180", "1/250", "1/500", "1/1000", "1/2000", "1/4000", "1/10000", "1/30000"};
} // namespace

DayNightPanel::DayNightPanel(PanelHost& host, QWidget* parent)
    : QueuedPanel(host, QStringLiteral("Day/Night DSP Camera Control"), Timing{50, 500, 500}, parent)
{
    setObjectName(QStringLiteral("DayNightPanel"));
    Build();
}

bool DayNightPanel::Javelin() const
{
    return const_cast<DayNightPanel*>(this)->host().protocol() == kJavelin408R;
}

QAbstractButton* DayNightPanel::Radio(const char* caption, const char* name, int& member, int value,
                                      std::string command)
{
    auto* r = new QRadioButton(QString::fromLatin1(caption), this);
    r->setObjectName(QString::fromLatin1(name));
    r->setAccessibleName(QString::fromLatin1(caption));
    w_[name] = r;
    radios_.emplace_back(&member, value, r);
    connect(r, &QAbstractButton::clicked, this, [this, &member, value, command] {
        member = value;
        Enqueue(command);
    });
    return r;
}

QComboBox* DayNightPanel::List(const char* name, const char* accessible, std::initializer_list<const char*> items)
{
    auto* list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(QString::fromLatin1(accessible));
    for (const char* item : items)
        list->addItem(QString::fromLatin1(item));
    list->setCurrentIndex(-1);
    w_[name] = list;
    return list;
}

void DayNightPanel::Build()
{
    auto group = [this](const char* caption, QLayout* layout) {
        auto* box = new QGroupBox(QString::fromLatin1(caption), this);
        box->setLayout(layout);
        return box;
    };
    auto button = [this](const char* caption, const char* name) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(QString::fromLatin1(caption));
        b->setAutoDefault(false);
        w_[name] = b;
        return b;
    };
    auto sendOnClick = [this](QAbstractButton* b, const char* command) {
        connect(b, &QAbstractButton::clicked, this, [this, command] { Enqueue(command); });
    };
    auto exclusive = [this](std::initializer_list<QAbstractButton*> buttons) {
        auto* g = new QButtonGroup(this);
        for (QAbstractButton* b : buttons)
            g->addButton(b);
    };
    auto row = [](std::initializer_list<QWidget*> widgets) {
        auto* l = new QHBoxLayout;
        for (QWidget* w : widgets)
            l->addWidget(w);
        return l;
    };

    // Day/night.
    QAbstractButton* dnAuto = Radio("Auto", "DayNightAuto", m_.dayNight, 0, "cM0");
    QAbstractButton* dnColor = Radio("Color", "DayNightColor", m_.dayNight, 1, "cM1");
    QAbstractButton* dnMono = Radio("Mono", "DayNightMono", m_.dayNight, 2, "cM2");
    exclusive({dnAuto, dnColor, dnMono});
    for (auto [b, mode] : {std::pair{dnAuto, 0}, {dnColor, 1}, {dnMono, 2}}) {
        disconnect(b, &QAbstractButton::clicked, this, nullptr);
        connect(b, &QAbstractButton::clicked, this, [this, mode = mode] { OnDayNight(mode); });
    }
    QGroupBox* dayNight = group("Day/Night Cntrl", row({dnAuto, dnColor, dnMono}));

    // The TR6204K3 lists, the shutter and the slow limit.
    QComboBox* light = List("LightLevel", "Light Level", {"Low", "High"});
    QComboBox* dayShutter = List("DayShutter", "Day Shutter", kDayNightShutters);
    QComboBox* nightShutter = List("NightShutter", "Night Shutter", kDayNightShutters);
    auto* tr = new QGridLayout;
    tr->addWidget(new QLabel(QStringLiteral("Light Level"), this), 0, 0);
    tr->addWidget(light, 0, 1);
    tr->addWidget(new QLabel(QStringLiteral("Day Shutter"), this), 1, 0);
    tr->addWidget(dayShutter, 1, 1);
    tr->addWidget(new QLabel(QStringLiteral("Night Shutter"), this), 2, 0);
    tr->addWidget(nightShutter, 2, 1);
    QGroupBox* trGroup = group("TR6204K3", tr);
    QComboBox* shutter = List("Shutter", "Shutter",
                              {"Auto", "1/2", "1/4", "1/8", "1/15", "1/30", "1/60", "1/120", "1/180", "1/250",
                               "1/500", "1/1000", "1/2000", "1/4000", "1/10000", "1/30000"});
    QComboBox* slow = List("DigitalSlowLimit", "Digital Slow Limit", {"1/60", "1/30", "1/15", "1/8", "1/4", "1/2"});
    const std::pair<QComboBox*, std::pair<int*, const char*>> lists[] = {
        {light, {&m_.lightLevel, "cWL"}}, {dayShutter, {&m_.dayShutter, "cWSD"}},
        {nightShutter, {&m_.nightShutter, "cWSN"}}, {shutter, {&m_.shutter, "cS"}}, {slow, {&m_.slowLimit, "ck"}}};
    for (auto [list, target] : lists)
        connect(list, &QComboBox::currentIndexChanged, this, [this, member = target.first, prefix = target.second](int i) {
            if (i < 0 || filling())
                return;
            *member = i;
            Enqueue(Digit(prefix, i));
        });
    auto* shutterRow = new QGridLayout;
    shutterRow->addWidget(new QLabel(QStringLiteral("Shutter"), this), 0, 0);
    shutterRow->addWidget(shutter, 0, 1);
    shutterRow->addWidget(new QLabel(QStringLiteral("Digital Slow Limit"), this), 1, 0);
    shutterRow->addWidget(slow, 1, 1);
    QGroupBox* shutterGroup = group("Shutter", shutterRow);

    // White balance and its manual gains.
    QAbstractButton* wbAuto = Radio("Auto (Normal)", "WbAuto", m_.whiteBalance, 0, "cW0");
    QAbstractButton* wbManual = Radio("Manual", "WbManual", m_.whiteBalance, 1, "cW1");
    QAbstractButton* wbHps = Radio("Auto (HPS)", "WbHps", m_.whiteBalance, 2, "cW2");
    exclusive({wbAuto, wbManual, wbHps});
    for (QAbstractButton* b : {wbAuto, wbManual, wbHps})
        connect(b, &QAbstractButton::clicked, this, [this] { SetWbButtonsEnabled(m_.whiteBalance == 1); });
    auto* wbGrid = new QGridLayout;
    wbGrid->addWidget(wbAuto, 0, 0);
    wbGrid->addWidget(wbManual, 0, 1);
    wbGrid->addWidget(wbHps, 0, 2);
    int column = 0;
    for (auto [caption, press] : {std::pair{"RU", "cWR"}, {"RD", "cWr"}, {"BU", "cWB"}, {"BD", "cWb"}}) {
        auto* b = new PictureButton(QString::fromLatin1(caption), QSize(32, 24), this);
        b->setObjectName(QStringLiteral("Wb%1").arg(QLatin1String(caption)));
        b->SetHoldButton(true);
        w_[b->objectName().toStdString()] = b;
        connect(b, &PictureButton::held, this, [this, press = press] { Enqueue(press); });
        connect(b, &PictureButton::letGo, this, [this] { Enqueue("cWQ"); });
        wbGrid->addWidget(b, 1, column++);
    }
    QAbstractButton* indoor = Radio("Indoor", "Indoor", m_.indoor, 0, "cw0");
    QAbstractButton* outdoor = Radio("Outdoor", "Outdoor", m_.indoor, 1, "cw1");
    exclusive({indoor, outdoor});
    wbGrid->addWidget(indoor, 2, 0);
    wbGrid->addWidget(outdoor, 2, 1);
    QGroupBox* wb = group("White Balance", wbGrid);

    // Aperture and gain limit.
    QAbstractButton* apAuto = Radio("Auto", "ApertureAuto", m_.apertureMode, 0, "cA0");
    QAbstractButton* apManual = Radio("Manual", "ApertureManual", m_.apertureMode, 1, "cA1");
    exclusive({apAuto, apManual});
    for (QAbstractButton* b : {apAuto, apManual})
        connect(b, &QAbstractButton::clicked, this, [this] { SetApertureEnabled(m_.apertureMode != 0); });
    auto spin = [this](const char* name, const char* accessible, int lo, int hi, int value) {
        auto* s = new QSpinBox(this);
        s->setObjectName(QString::fromLatin1(name));
        s->setAccessibleName(QString::fromLatin1(accessible));
        s->setRange(lo, hi);
        s->setValue(value);
        w_[name] = s;
        return s;
    };
    QSpinBox* horizontal = spin("ApertureHorizontal", "Aperture horizontal", 0, 99, 1);
    QSpinBox* vertical = spin("ApertureVertical", "Aperture vertical", 0, 99, 1);
    QPushButton* setH = button("Set Horz.", "SetHorz");
    QPushButton* setV = button("Set Vert.", "SetVert");
    connect(setH, &QAbstractButton::clicked, this, [this, horizontal] {
        const int v = horizontal->value();
        if (v >= 1 && v <= 31 && !initialising_) {
            m_.apertureH = v;
            Enqueue(Offset16("cAH", v));
        }
    });
    connect(setV, &QAbstractButton::clicked, this, [this, vertical] {
        const int v = vertical->value();
        if (v >= 1 && v <= 31 && !initialising_) {
            m_.apertureV = v;
            Enqueue(Offset16("cAV", v));
        }
    });
    auto* apGrid = new QGridLayout;
    apGrid->addWidget(apAuto, 0, 0);
    apGrid->addWidget(apManual, 0, 1);
    apGrid->addWidget(horizontal, 1, 0);
    apGrid->addWidget(setH, 1, 1);
    apGrid->addWidget(vertical, 2, 0);
    apGrid->addWidget(setV, 2, 1);
    QGroupBox* aperture = group("Aperture Level", apGrid);
    QSpinBox* agc = spin("MaxAgc", "Max AGC", 1, 40, 1);
    QPushButton* setAgc = button("Set Max AGC", "SetMaxAgc");
    connect(setAgc, &QAbstractButton::clicked, this, [this, agc] {
        if (initialising_)
            return;
        m_.maxAgc = agc->value();
        Enqueue(Offset16("cG", m_.maxAgc));
    });
    QGroupBox* agcGroup = group("Max AGC (dB)", row({agc, setAgc}));

    // WDR, EIS, digital zoom, magnification, real zoom position.
    QAbstractButton* wdrOff = Radio("Off", "WdrOff", m_.wdr, 0, "cY0");
    QAbstractButton* wdrOn = Radio("On", "WdrOn", m_.wdr, 1, "cY1");
    exclusive({wdrOff, wdrOn});
    QGroupBox* wdr = group("WDR", row({wdrOff, wdrOn}));
    QAbstractButton* eisOff = Radio("Off", "EisOff", m_.eis, 0, "cE0");
    QAbstractButton* eisOn = Radio("On", "EisOn", m_.eis, 1, "cE1");
    exclusive({eisOff, eisOn});
    connect(eisOn, &QAbstractButton::clicked, this, [this] { m_.digitalZoom = 0; ShowMembers(); });
    connect(eisOff, &QAbstractButton::clicked, this, [this] { ShowMembers(); });
    QComboBox* eisFrequency = List("EisFrequency", "EIS Frequency", {"16Hz (default)", "5Hz"});
    QComboBox* digitalZoom = List("DigitalZoomRange", "Digital Zoom Range", {"Off", "2X", "5X", "10X", "12X"});
    connect(eisFrequency, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0 && !filling()) {
            m_.eisFrequency = i;
            Enqueue(Digit("cEF", i));
        }
    });
    connect(digitalZoom, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0 && !filling()) {
            m_.digitalZoom = i;
            Enqueue(Digit("cD", i));
        }
    });
    auto* eisGrid = new QGridLayout;
    eisGrid->addWidget(eisOff, 0, 0);
    eisGrid->addWidget(eisOn, 0, 1);
    eisGrid->addWidget(eisFrequency, 1, 0, 1, 2);
    eisGrid->addWidget(new QLabel(QStringLiteral("Digital Zoom Range"), this), 2, 0);
    eisGrid->addWidget(digitalZoom, 2, 1);
    QGroupBox* eis = group("EIS", eisGrid);
    QComboBox* magnification = List("ZoomMagnification", "Zoom Magnification", {});
    for (int n = 1; n <= 35; ++n)
        magnification->addItem(QStringLiteral("%1X").arg(n, 2));
    magnification->setCurrentIndex(-1);
    connect(magnification, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0 && !filling()) {
            m_.magnification = i;
            Enqueue(std::string("cZm") + static_cast<char>(i + 1));
        }
    });
    auto* position = new QLineEdit(this);
    position->setObjectName(QStringLiteral("RealZoomPosition"));
    position->setAccessibleName(QStringLiteral("Real zoom position"));
    position->setMaxLength(4);
    position->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]*")), position));
    w_["RealZoomPosition"] = position;
    QPushButton* setZoom = button("Set", "SetZoomPosition");
    QPushButton* getZoom = button("Get", "GetZoomPosition");
    connect(setZoom, &QAbstractButton::clicked, this, &DayNightPanel::OnZoomPositionSet);
    sendOnClick(getZoom, "cVS");
    auto* zoomGrid = new QGridLayout;
    zoomGrid->addWidget(new QLabel(QStringLiteral("Zoom Magnification"), this), 0, 0);
    zoomGrid->addWidget(magnification, 0, 1, 1, 2);
    zoomGrid->addWidget(position, 1, 0);
    zoomGrid->addWidget(setZoom, 1, 1);
    zoomGrid->addWidget(getZoom, 1, 2);
    QGroupBox* zoom = group("Go to Real Zoom Pos.", zoomGrid);

    // Line lock.
    auto* crystal = new QCheckBox(QStringLiteral("Crystal"), this);
    crystal->setObjectName(QStringLiteral("Crystal"));
    crystal->setAccessibleName(QStringLiteral("Crystal"));
    w_["Crystal"] = crystal;
    QSpinBox* phase = spin("Phase", "Line-lock phase", 0, 5, 0);
    connect(crystal, &QAbstractButton::clicked, this, [this, phase] {
        if (m_.crystal) {
            m_.crystal = 0;
            phase->setEnabled(true);
            Enqueue(Digit("Lp", std::max(m_.phase, 0) + 1));
        } else {
            m_.crystal = 1;
            phase->setEnabled(false);
            Enqueue("Lp0");
        }
        ShowMembers();
    });
    connect(phase, &QSpinBox::valueChanged, this, [this](int v) {
        m_.phase = v;
        if (!initialising_ && !m_.crystal && !filling())
            Enqueue(Digit("Lp", v + 1));
    });
    QGroupBox* lineLock = group("Line Lock", row({crystal, phase}));

    // BLC.
    QAbstractButton* blcOff = Radio("Off", "BlcOff", m_.blc, 0, "cB0");
    QAbstractButton* blcOn = Radio("On", "BlcOn", m_.blc, 1, "cB1");
    exclusive({blcOff, blcOn});
    auto* blcGrid = new QGridLayout;
    blcGrid->addWidget(blcOff, 0, 0);
    blcGrid->addWidget(blcOn, 0, 1);
    column = 0;
    for (auto [caption, press] : {std::pair{"BU", "cBi"}, {"BD", "cBd"}}) {
        auto* b = new PictureButton(QString::fromLatin1(caption), QSize(32, 24), this);
        b->setObjectName(QStringLiteral("Blc%1").arg(QLatin1String(caption)));
        b->SetHoldButton(true);
        connect(b, &PictureButton::held, this, [this, press = press] { Enqueue(press); });
        blcGrid->addWidget(b, 1, column++);
    }
    QPushButton* blcSlow = button("Slow", "BlcSlow");
    QPushButton* blcFast = button("Fast", "BlcFast");
    sendOnClick(blcSlow, "cBs");
    sendOnClick(blcFast, "cBf");
    blcGrid->addWidget(blcSlow, 2, 0);
    blcGrid->addWidget(blcFast, 2, 1);
    QGroupBox* blc = group("BLC", blcGrid);

    // Freeze, progressive scan and field.
    QPushButton* freezeToggle = button("On/Off", "FreezeOnOff");
    sendOnClick(freezeToggle, "cFF");
    QAbstractButton* live = Radio("Live", "Live", m_.freeze, 0, "cFo");
    QAbstractButton* frozen = Radio("Freeze", "Freeze", m_.freeze, 1, "cFO");
    exclusive({live, frozen});
    QGroupBox* freeze = group("Video Freeze", row({freezeToggle, live, frozen}));
    QAbstractButton* psOff = Radio("Off", "ProgressiveOff", m_.progressive, 0, "cso");
    QAbstractButton* psOn = Radio("On", "ProgressiveOn", m_.progressive, 1, "csO");
    exclusive({psOff, psOn});
    QAbstractButton* odd = Radio("Odd", "FieldOdd", m_.field, 0, "cse");
    QAbstractButton* even = Radio("Even", "FieldEven", m_.field, 1, "csE");
    exclusive({odd, even});
    auto* psGrid = new QGridLayout;
    psGrid->addWidget(psOff, 0, 0);
    psGrid->addWidget(psOn, 0, 1);
    psGrid->addWidget(new QLabel(QStringLiteral("Field"), this), 1, 0);
    psGrid->addWidget(odd, 1, 1);
    psGrid->addWidget(even, 1, 2);
    QGroupBox* progressive = group("Progressive Scan", psGrid);

    // The camera's serial settings and the direct DSP command.
    QAbstractButton* b4800 = Radio("4800", "Baud4800", m_.baud, 0, "cC0");
    QAbstractButton* b9600 = Radio("9600", "Baud9600", m_.baud, 1, "cC1");
    QAbstractButton* b19200 = Radio("19.2K", "Baud19200", m_.baud, 2, "cC2");
    QAbstractButton* b38400 = Radio("38.4K", "Baud38400", m_.baud, 3, "cC3");
    exclusive({b4800, b9600, b19200, b38400});
    auto* poll = new QCheckBox(QStringLiteral("Poll"), this);
    poll->setObjectName(QStringLiteral("Poll"));
    poll->setAccessibleName(QStringLiteral("Poll"));
    w_["Poll"] = poll;
    connect(poll, &QAbstractButton::clicked, this, [this] {
        m_.poll = m_.poll == 0 ? 1 : 0;
        Enqueue(m_.poll ? "cn1" : "cn0");
    });
    QPushButton* initPresets = button("Init. All Presets", "InitAllPresets");
    auto* baudGrid = new QGridLayout;
    baudGrid->addWidget(b4800, 0, 0);
    baudGrid->addWidget(b9600, 0, 1);
    baudGrid->addWidget(b19200, 1, 0);
    baudGrid->addWidget(b38400, 1, 1);
    baudGrid->addWidget(poll, 2, 0);
    baudGrid->addWidget(initPresets, 2, 1);
    QGroupBox* baud = group("Set Baud", baudGrid);
    auto* dspCommand = new QLineEdit(this);
    dspCommand->setObjectName(QStringLiteral("DspCommand"));
    dspCommand->setAccessibleName(QStringLiteral("Dsp Command (TR4716F/TR3357/TR2940)"));
    dspCommand->setMaxLength(10);
    w_["DspCommand"] = dspCommand;
    QPushButton* send = button("Send", "SendDspCommand");
    connect(send, &QAbstractButton::clicked, this,
            [this, dspCommand] { Enqueue(dspCommand->text().toUpper().toLatin1().toStdString()); });
    auto* enableRx = new QCheckBox(QStringLiteral("EnableRx"), this);
    enableRx->setObjectName(QStringLiteral("EnableRx"));
    enableRx->setAccessibleName(QStringLiteral("EnableRx"));
    connect(enableRx, &QAbstractButton::clicked, this, [this](bool on) {
        m_.enableRx = on ? 1 : 0;
        Enqueue(on ? ":E" : ":D");
    });
    auto* dspGrid = new QGridLayout;
    dspGrid->addWidget(dspCommand, 0, 0);
    dspGrid->addWidget(send, 0, 1);
    dspGrid->addWidget(enableRx, 1, 0);
    int patchRow = 2;
    for (const char* patch : {"35X WB PATCH", "Undo 35X WB PATCH", "23X_N WB PATCH", "Undo 23X_N WB PATCH"}) {
        auto* b = new QPushButton(QString::fromLatin1(patch), this);
        b->setAccessibleName(QString::fromLatin1(patch));
        b->setEnabled(false);
        dspGrid->addWidget(b, patchRow / 2 + 1, patchRow % 2);
        ++patchRow;
    }
    QGroupBox* dsp = group("Dsp Command (TR4716F/TR3357/TR2940)", dspGrid);
    QPushButton* privacy = button("Setup", "PrivacySetup");
    QGroupBox* privacyGroup = group("Privacy Zones Setup", row({privacy}));

    QPushButton* status = button("Status ?", "StatusQuery");
    sendOnClick(status, "cDS");
    QPushButton* close = button("Close", "Close");
    connect(close, &QAbstractButton::clicked, this, &QDialog::accept);

    auto* first = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(dayNight), static_cast<QWidget*>(trGroup), static_cast<QWidget*>(shutterGroup), static_cast<QWidget*>(wb)})
        first->addWidget(w);
    first->addStretch();
    auto* second = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(aperture), static_cast<QWidget*>(agcGroup), static_cast<QWidget*>(wdr), static_cast<QWidget*>(eis), static_cast<QWidget*>(zoom)})
        second->addWidget(w);
    second->addStretch();
    auto* third = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(lineLock), static_cast<QWidget*>(blc), static_cast<QWidget*>(freeze), static_cast<QWidget*>(progressive), static_cast<QWidget*>(baud)})
        third->addWidget(w);
    third->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(first);
    columns->addLayout(second);
    columns->addLayout(third);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(dsp, 1);
    bottom->addWidget(privacyGroup);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(status);
    buttons->addWidget(close);
    bottom->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(bottom);
}

void DayNightPanel::OnDayNight(int mode)
{
    m_.dayNight = mode;
    if (!Javelin()) {
        Enqueue(Digit("cM", mode));
        return;
    }
    host().replyFlags().panelReplyPending = true;
    JavelinCommandBuilder& j = host().javelin();
    if (mode == 0)
        j.DayNightAuto();
    else if (mode == 1)
        j.DayNightColor();
    else
        j.DayNightMono();
    timers().Start(kSendTimer, 5);
}

void DayNightPanel::RequestStatus()
{
    if (!Javelin()) {
        Enqueue("cDS");
        return;
    }
    host().replyFlags().panelReplyPending = true;
    host().javelin().StatusRequest();
    timers().Start(kSendTimer, 5);
}

void DayNightPanel::Fill()
{
    initialising_ = true;
    SetWbButtonsEnabled(m_.whiteBalance != 0);
    const char* javelinOff[] = {"WbHps", "DspCommand", "SendDspCommand", "WbAuto", "WbManual", "FreezeOnOff",
                                "Live", "Freeze", "Poll", "Baud4800", "Baud9600", "InitAllPresets",
                                "Shutter", "WdrOff", "WdrOn", "Crystal"};
    for (const char* name : javelinOff)
        w_[name]->setEnabled(!Javelin());
    w_["InitAllPresets"]->setEnabled(false);
    m_.phase = 0;
    static_cast<QSpinBox*>(w_["Phase"])->setValue(0);
    w_["Phase"]->setEnabled(!m_.crystal);
    w_["PrivacySetup"]->setEnabled(false);
    SetApertureEnabled(m_.apertureMode != 0);
    ShowMembers();
}

void DayNightPanel::SetApertureEnabled(bool on)
{
    for (const char* name : {"ApertureHorizontal", "ApertureVertical", "SetHorz", "SetVert"})
        w_[name]->setEnabled(on);
}

void DayNightPanel::OnZoomPositionSet()
{
    auto* box = static_cast<QLineEdit*>(w_["RealZoomPosition"]);
    QString text = box->text();
    if (text.isEmpty()) {
        host().prompter().ShowMessage("Invalid Zoom Position", ApplicationTitle());
        box->setFocus();
        return;
    }
    text = text.rightJustified(4, QLatin1Char('0')).toUpper();
    box->setText(text);
    m_.zoomPosition = text.toStdString();
    Enqueue("cV" + m_.zoomPosition);
}

// The controls show the members; nothing is sent while they are set.
void DayNightPanel::ShowMembers()
{
    Filling filling(*this);
    for (auto& [member, value, button] : radios_)
        if (*member == value)
            button->setChecked(true);
    for (auto& [member, value, button] : radios_) {
        if (*member >= 0)
            continue;
        // No value yet: none of the member's buttons is checked.
        QButtonGroup* g = button->group();
        if (g && g->checkedButton() == button) {
            g->setExclusive(false);
            button->setChecked(false);
            g->setExclusive(true);
        }
    }
    const std::pair<const char*, int> lists[] = {
        {"LightLevel", m_.lightLevel},     {"DayShutter", m_.dayShutter}, {"NightShutter", m_.nightShutter},
        {"Shutter", m_.shutter},           {"DigitalSlowLimit", m_.slowLimit}, {"EisFrequency", m_.eisFrequency},
        {"DigitalZoomRange", m_.digitalZoom}, {"ZoomMagnification", m_.magnification}};
    for (auto [name, value] : lists)
        static_cast<QComboBox*>(w_[name])->setCurrentIndex(value);
    static_cast<QCheckBox*>(w_["Crystal"])->setChecked(m_.crystal != 0);
    static_cast<QCheckBox*>(w_["Poll"])->setChecked(m_.poll != 0);
    static_cast<QSpinBox*>(w_["MaxAgc"])->setValue(m_.maxAgc);
    static_cast<QSpinBox*>(w_["ApertureHorizontal"])->setValue(m_.apertureH);
    static_cast<QSpinBox*>(w_["ApertureVertical"])->setValue(m_.apertureV);
    if (m_.phase >= 0)
        static_cast<QSpinBox*>(w_["Phase"])->setValue(m_.phase);
    static_cast<QLineEdit*>(w_["RealZoomPosition"])->setText(QString::fromStdString(m_.zoomPosition));
    w_["DigitalZoomRange"]->setEnabled(m_.eis != 1);
}

// The manual red and blue gains work only in manual white balance.
void DayNightPanel::SetWbButtonsEnabled(bool on)
{
    for (const char* name : {"WbRU", "WbRD", "WbBU", "WbBD"})
        w_[name]->setEnabled(on);
}

void DayNightPanel::OnPanelTimer(int id)
{
    timers().Stop(id);
    // The TR6204K3 settings are asked for directly, outside the queue.
    const char* query = id == kLightTimer ? "cWLS" : id == kDayShutterTimer ? "cWSDS" : id == kNightShutterTimer ? "cWSNS" : nullptr;
    if (query)
        host().link().SendCommand(query);
}

void DayNightPanel::PanelClosed()
{
    for (int id : {kLightTimer, kDayShutterTimer, kNightShutterTimer})
        timers().Stop(id);
}

void DayNightPanel::OnE(const uint8_t* t, size_t n)
{
    if (n >= 2 && (t[1] == '0' || t[1] == '1')) {
        m_.eis = t[1] - '0';
        if (m_.eis == 1)
            m_.digitalZoom = 0;
        ShowMembers();
        Enqueue("cEFS");
        return;
    }
    if (n >= 2 && t[1] == 'F') {
        if (n >= 3 && (t[2] == '0' || t[2] == '1')) {
            m_.eisFrequency = t[2] - '0';
            ShowMembers();
            Enqueue("cEPS");
        }
        Enqueue("cZmS");
        timers().Start(kLightTimer, 500);
        timers().Start(kDayShutterTimer, 1000);
        timers().Start(kNightShutterTimer, 2500);
    }
}

void DayNightPanel::OnAperture(const uint8_t* t, size_t n)
{
    if (n < 2)
        return;
    m_.apertureMode = DigitValue(t[1]);
    SetApertureEnabled(m_.apertureMode != 0);
    if (n >= 6) {
        const int h = t[3] - 16, v = t[5] - 16;
        if (h >= 1 && h <= 31 && v >= 1 && v <= 31) {
            m_.apertureH = h;
            m_.apertureV = v;
        }
    }
    ShowMembers();
    Enqueue("cES");
}

void DayNightPanel::OnStatusString(const uint8_t* t, size_t n)
{
    auto digit = [&](size_t i, int lo, int hi, int& member) {
        if (i < n && DigitValue(t[i]) >= lo && DigitValue(t[i]) <= hi)
            member = DigitValue(t[i]);
    };
    size_t i = 0;
    while (i < n) {
        const uint8_t letter = t[i];
        switch (letter) {
        case 'B': digit(i + 1, 0, 1, m_.blc); i += 2; break;
        case 'C': digit(i + 1, 0, 3, m_.baud); i += 2; break;
        case 'D': digit(i + 1, 0, 4, m_.digitalZoom); i += 2; break;
        case 'M': digit(i + 1, 0, 2, m_.dayNight); i += 2; break;
        case 'S': digit(i + 1, 0, 15, m_.shutter); i += 2; break;
        case 'Y': digit(i + 1, 0, 1, m_.wdr); i += 2; break;
        case 'n': digit(i + 1, 0, 1, m_.poll); i += 2; break;
        case 'F':
            if (i + 1 < n)
                m_.freeze = t[i + 1] == 'o' ? 0 : t[i + 1] == 'O' ? 1 : -1;
            i += 2;
            break;
        case 'G':
            if (i + 1 < n && t[i + 1] >= 16 && t[i + 1] - 16 < 41)
                m_.maxAgc = t[i + 1] - 16;
            i += 2;
            Enqueue("cAS");
            break;
        case 'W':
            if (i + 2 < n && t[i + 1] == 'L') {
                digit(i + 2, 0, 1, m_.lightLevel);
                i += 3;
                Enqueue("cWSDS");
            } else if (i + 3 < n && t[i + 1] == 'S' && t[i + 2] == 'D') {
                digit(i + 3, 0, 10, m_.dayShutter);
                i += 4;
                Enqueue("cWSNS");
            } else if (i + 3 < n && t[i + 1] == 'S' && t[i + 2] == 'N') {
                digit(i + 3, 0, 10, m_.nightShutter);
                i += 4;
            } else {
                digit(i + 1, 0, 2, m_.whiteBalance);
                SetWbButtonsEnabled(m_.whiteBalance == 1);
                i += 2;
            }
            break;
        case 'k': digit(i + 1, 0, 5, m_.slowLimit); i += 2; break;
        case 'p':
            if (i + 1 < n && DigitValue(t[i + 1]) >= 0 && DigitValue(t[i + 1]) < 7) {
                const int d = DigitValue(t[i + 1]);
                m_.crystal = d == 0 ? 1 : 0;
                if (d > 0)
                    m_.phase = d - 1;
                w_["Phase"]->setEnabled(d > 0);
            }
            initialising_ = false;
            i += 2;
            break;
        case 's':
            if (i + 2 < n) {
                m_.progressive = t[i + 1] == 'o' ? 0 : t[i + 1] == 'O' ? 1 : -1;
                m_.field = t[i + 2] == '0' ? 0 : t[i + 2] == '1' ? 1 : -1;
            }
            i += 3;
            Enqueue("cGS");
            break;
        case 'w': {
            int w = -1;
            digit(i + 1, 0, 9, w);
            if (w >= 0)
                m_.indoor = w <= 1 ? w : -1;
            i += 2;
            break;
        }
        default: i += 2; break;
        }
        ShowMembers();
    }
}

void DayNightPanel::OnPanelReply(const uint8_t* frame, size_t length)
{
    if (Javelin()) {
        // The binary status: bit 0 colour allowed, both bits mono.
        if (length < 9 || frame[0] != 0xFF)
            return;
        const int bits = frame[8] & 3;
        m_.dayNight = (bits & 1) == 0 ? 0 : bits == 3 ? 2 : 1;
        w_["DayNightColor"]->setEnabled(bits & 1);
        w_["DayNightMono"]->setEnabled(bits & 1);
        ShowMembers();
        return;
    }
    const size_t end = ReplyTextEnd(frame, length);
    const size_t start = length > 1 && frame[1] == 254 ? 7 : 3;
    if (end <= start)
        return;
    const uint8_t* t = frame + start;
    const size_t n = end - start;
    switch (t[0]) {
    case 'Z':
        if (n >= 3 && t[2] >= 1 && t[2] <= 35) {
            m_.magnification = t[2] - 1;
            ShowMembers();
        }
        break;
    case 'V':
        if (n >= 5) {
            m_.zoomPosition.assign(reinterpret_cast<const char*>(t + 1), 4);
            ShowMembers();
        }
        break;
    case 'E': OnE(t, n); break;
    case 'A': OnAperture(t, n); break;
    default: OnStatusString(t, n); break;
    }
}
