#include "Dsp7100Panel.h"

#include "CommandLink.h"
#include "DataFolder.h"
#include "PanelHost.h"
#include "PictureButton.h"
#include "Prompter.h"
#include "ReplyFields.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstdio>

namespace {
constexpr const char* kSpeeds[] = {"1/60", "1/100", "1/250", "1/500", "1/1000", "1/2000", "1/4000", "1/8000"};
constexpr const char* kGammas[] = {"1.00", ".85", ".70", ".65", ".55", ".45", ".40", ".30"};
constexpr const char* kStatusQueries[] = {"WS", "VS", "GS", "ZS", "MS"};

std::string Formatted(const char* format, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Decimal digits, each its character's low four bits.
int Digits(const uint8_t* f, size_t from, size_t count)
{
    int v = 0;
    for (size_t i = from; i < from + count; ++i)
        v = v * 10 + (f[i] & 0x0F);
    return v;
}

QRadioButton* Radio(const char* caption, const char* name, QWidget* parent)
{
    auto* r = new QRadioButton(QString::fromLatin1(caption), parent);
    r->setObjectName(QString::fromLatin1(name));
    r->setAccessibleName(QString::fromLatin1(caption));
    return r;
}

QSpinBox* Box(const char* name, const char* accessible, int lo, int hi, QWidget* parent)
{
    auto* b = new QSpinBox(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(QString::fromLatin1(accessible));
    b->setRange(lo, hi);
    return b;
}

QPushButton* Button(const char* caption, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(QString::fromLatin1(caption));
    b->setAutoDefault(false);
    return b;
}
} // namespace

Dsp7100Panel::Dsp7100Panel(PanelHost& host, QWidget* parent)
    : TabKeyDialog(parent), host_(host), timers_(host.timerFactory().CreateTimers(*this)),
      names_(DefaultPresetFileNames())
{
    setObjectName(QStringLiteral("Dsp7100Panel"));
    setWindowTitle(QStringLiteral("DSP 7100 Control"));
    Build();
}

Dsp7100Panel::~Dsp7100Panel() = default;

void Dsp7100Panel::Build()
{
    // Colour balance.
    auto* colour = new QGroupBox(QStringLiteral("Color Balance"), this);
    colourAuto_ = Radio("Auto", "ColourAuto", this);
    colourManual_ = Radio("Manual", "ColourManual", this);
    colourBox_ = Box("ColourValue", "Color Balance value", 0, 63, this);
    auto* cg = new QHBoxLayout(colour);
    cg->addWidget(colourAuto_);
    cg->addWidget(colourManual_);
    cg->addWidget(colourBox_);
    auto* colourGroup = new QButtonGroup(this);
    colourGroup->addButton(colourAuto_);
    colourGroup->addButton(colourManual_);
    connect(colourAuto_, &QAbstractButton::clicked, this, [this] { colourMode_ = 0; ShowModes(); Send("Wt"); });
    connect(colourManual_, &QAbstractButton::clicked, this, [this] { colourMode_ = 1; ShowModes(); Send("Wm"); });
    connect(colourBox_, &QSpinBox::valueChanged, this, [this](int v) { colour_ = v; Send(Formatted("Wh%03d", v)); });

    // Shutter and integration.
    auto* shutter = new QGroupBox(QStringLiteral("Shutter"), this);
    auto* sg = new QGridLayout(shutter);
    const std::pair<const char*, const char*> shutters[] = {
        {"S-Auto", "Va"}, {"S-Manual", "Vm"}, {"I-Extern", "VE"}, {"I-Manual", "VM"}};
    const char* names[] = {"ShutterAuto", "ShutterManual", "IntegrationExtern", "IntegrationManual"};
    auto* shutterGroup = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        shutterRadios_[i] = Radio(shutters[i].first, names[i], this);
        shutterGroup->addButton(shutterRadios_[i]);
        sg->addWidget(shutterRadios_[i], i / 2, i % 2);
        connect(shutterRadios_[i], &QAbstractButton::clicked, this, [this, i, command = shutters[i].second] {
            shutterMode_ = i;
            ShowModes();
            Send(command);
        });
    }
    speedList_ = new QComboBox(this);
    speedList_->setObjectName(QStringLiteral("ShutterSpeed"));
    speedList_->setAccessibleName(QStringLiteral("Shutter speed"));
    for (const char* s : kSpeeds)
        speedList_->addItem(QString::fromLatin1(s));
    integrationBox_ = Box("Integration", "Integration", 1, 99, this);
    sg->addWidget(new QLabel(QStringLiteral("Speed"), this), 2, 0);
    sg->addWidget(speedList_, 2, 1);
    sg->addWidget(new QLabel(QStringLiteral("Integration"), this), 3, 0);
    sg->addWidget(integrationBox_, 3, 1);
    connect(speedList_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            Send(Formatted("Vs%d", i));
    });
    connect(integrationBox_, &QSpinBox::valueChanged, this,
            [this](int v) { integration_ = v; Send(Formatted("Vi%02d", v)); });

    // Gain and gamma.
    auto* gainBoxGroup = new QGroupBox(QStringLiteral("Gain"), this);
    auto* gg = new QGridLayout(gainBoxGroup);
    gainAuto_ = Radio("Auto", "GainAuto", this);
    gainManual_ = Radio("Manual", "GainManual", this);
    auto* gainGroup = new QButtonGroup(this);
    gainGroup->addButton(gainAuto_);
    gainGroup->addButton(gainManual_);
    gainBox_ = Box("GainValue", "Gain value", 0, 126, this);
    gammaList_ = new QComboBox(this);
    gammaList_->setObjectName(QStringLiteral("Gamma"));
    gammaList_->setAccessibleName(QStringLiteral("Gamma"));
    for (const char* g : kGammas)
        gammaList_->addItem(QString::fromLatin1(g));
    gg->addWidget(gainAuto_, 0, 0);
    gg->addWidget(gainManual_, 0, 1);
    gg->addWidget(gainBox_, 1, 0, 1, 2);
    gg->addWidget(new QLabel(QStringLiteral("Gamma"), this), 2, 0);
    gg->addWidget(gammaList_, 2, 1);
    connect(gainAuto_, &QAbstractButton::clicked, this, [this] { gainMode_ = 0; ShowModes(); Send("Ga"); });
    connect(gainManual_, &QAbstractButton::clicked, this, [this] { gainMode_ = 1; ShowModes(); Send("Gm"); });
    connect(gainBox_, &QSpinBox::valueChanged, this, [this](int v) { gain_ = v; Send(Formatted("Gg%03d", v)); });
    connect(gammaList_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) {
            gamma_ = i;
            Send(Formatted("Yy%d", i));
        }
    });
    backlight_ = new QCheckBox(QStringLiteral("Backlight comp"), this);
    backlight_->setObjectName(QStringLiteral("BacklightComp"));
    backlight_->setAccessibleName(QStringLiteral("Backlight comp"));
    connect(backlight_, &QAbstractButton::clicked, this, [this](bool on) { Send(on ? "Bn" : "Bf"); });

    // Zoom and scroll: held buttons, stopped by the release anywhere.
    auto* scroll = new QGroupBox(QStringLiteral("Zoom-Scroll"), this);
    auto* zg = new QGridLayout(scroll);
    struct Hold {
        const char* caption;
        const char* command;
        bool zoom;
        int row, column;
    } holds[] = {{"SI", "Zi", true, 0, 3},  {"SO", "Zo", true, 2, 3},  {"SL", "Zl", false, 1, 0},
                 {"SR", "Zr", false, 1, 2}, {"SU", "Zu", false, 0, 1}, {"SD", "Zd", false, 2, 1},
                 {"SC", "Zc", false, 1, 1}};
    for (const Hold& h : holds) {
        auto* b = new PictureButton(QString::fromLatin1(h.caption), QSize(32, 24), this);
        b->setObjectName(QString::fromLatin1(h.caption));
        b->SetHoldButton(true);
        connect(b, &PictureButton::held, this, [this, h] { OnHeld(h.command, h.zoom); });
        connect(b, &PictureButton::letGo, this, &Dsp7100Panel::OnLetGo);
        zg->addWidget(b, h.row, h.column);
    }

    // Camera presets.
    auto* presets = new QGroupBox(QStringLiteral("Presets"), this);
    auto* pg = new QGridLayout(presets);
    presetList_ = new QComboBox(this);
    presetList_->setObjectName(QStringLiteral("PresetList"));
    presetList_->setAccessibleName(QStringLiteral("Presets"));
    presetList_->setEditable(true);
    presetList_->setInsertPolicy(QComboBox::NoInsert);
    presetList_->lineEdit()->setMaxLength(static_cast<int>(kPresetNameLength));
    presetList_->lineEdit()->installEventFilter(this);
    pg->addWidget(presetList_, 0, 0, 1, 3);
    QPushButton* defaults = Button("Default", "Default", this);
    QPushButton* recall = Button("Recall", "Recall", this);
    QPushButton* store = Button("Store", "Store", this);
    pg->addWidget(defaults, 1, 0);
    pg->addWidget(recall, 1, 1);
    pg->addWidget(store, 1, 2);
    connect(presetList_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            preset_ = i;
    });
    connect(defaults, &QAbstractButton::clicked, this, [this] {
        Send("Pd");
        preset_ = 0;
        presetList_->setCurrentIndex(0);
    });
    connect(recall, &QAbstractButton::clicked, this, [this] {
        Send(preset_ == 0 ? std::string("Pd") : "Pr" + std::to_string(preset_));
        presetList_->setCurrentIndex(preset_);
    });
    connect(store, &QAbstractButton::clicked, this, [this] {
        if (preset_ != 0)
            Send("Ps" + std::to_string(preset_));
        presetList_->setCurrentIndex(preset_);
    });

    QPushButton* close = Button("Close", "Close", this);
    connect(close, &QAbstractButton::clicked, this, &QDialog::accept);

    auto* left = new QVBoxLayout;
    left->addWidget(colour);
    left->addWidget(shutter);
    left->addWidget(gainBoxGroup);
    left->addWidget(backlight_);
    auto* right = new QVBoxLayout;
    right->addWidget(scroll);
    right->addWidget(presets);
    right->addStretch();
    right->addWidget(close, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);
}

void Dsp7100Panel::Send(const std::string& body)
{
    host_.replyFlags().dsp7100ReplyPending = true;
    host_.link().SendPrefixedCommand(body);
}

void Dsp7100Panel::WriteColour(int value)
{
    {
        const QSignalBlocker quiet(colourBox_);
        colourBox_->setValue(value);
    }
    colour_ = value;
    Send(Formatted("Wh%03d", value));
}

void Dsp7100Panel::WriteIntegration(int value)
{
    {
        const QSignalBlocker quiet(integrationBox_);
        integrationBox_->setValue(value);
    }
    integration_ = value;
    Send(Formatted("Vi%02d", value));
}

void Dsp7100Panel::WriteGain(int value)
{
    {
        const QSignalBlocker quiet(gainBox_);
        gainBox_->setValue(value);
    }
    gain_ = value;
    Send(Formatted("Gg%03d", value));
}

void Dsp7100Panel::Open()
{
    // Writing a box sends its value, so these six commands open the panel.
    WriteColour(0);
    WriteIntegration(1);
    WriteGain(0);
    WriteColour(32);
    WriteIntegration(1);
    WriteGain(1);
    {
        const QSignalBlocker quiet1(speedList_);
        const QSignalBlocker quiet2(gammaList_);
        speedList_->setCurrentIndex(0);
        gammaList_->setCurrentIndex(5);
        gamma_ = 5;
    }
    names_ = DefaultPresetFileNames();
    ReadPresetFile(host_.dataFolder().FilePath("PRESET.DAT"), names_);
    preset_ = 0;
    FillPresetList();
    presetList_->setEditText(QString());
    colourBox_->setEnabled(false);
    speedList_->setEnabled(false);
    integrationBox_->setEnabled(false);
    gainBox_->setEnabled(false);
    zoomHeld_ = scrollHeld_ = false;
    statusStep_ = 0;
    timers_->Start(kStatusTimer, kStatusPeriodMs);
}

void Dsp7100Panel::FillPresetList()
{
    const QSignalBlocker quiet(presetList_);
    presetList_->clear();
    for (const std::string& name : names_)
        presetList_->addItem(QString::fromStdString(name));
    presetList_->setCurrentIndex(preset_);
}

bool Dsp7100Panel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == presetList_->lineEdit() && event->type() == QEvent::FocusOut)
        RenamePreset();
    return TabKeyDialog::eventFilter(watched, event);
}

// The factory entry keeps its name; the others take the text typed over them.
void Dsp7100Panel::RenamePreset()
{
    if (preset_ < 1 || preset_ > 9)
        return;
    const std::string text = presetList_->currentText().toStdString().substr(0, kPresetNameLength);
    if (text == names_[preset_])
        return;
    names_[preset_] = text;
    FillPresetList();
    if (!WritePresetFile(host_.dataFolder().FilePath("PRESET.DAT"), names_))
        host_.prompter().ShowMessage("Unable to save PRESET.DAT", ApplicationTitle());
}

void Dsp7100Panel::OnHeld(const char* command, bool zoom)
{
    (zoom ? zoomHeld_ : scrollHeld_) = true;
    Send(command);
}

void Dsp7100Panel::OnLetGo()
{
    if (zoomHeld_)
        Send("Zs");
    else if (scrollHeld_)
        Send("Zq");
    zoomHeld_ = scrollHeld_ = false;
}

void Dsp7100Panel::done(int result)
{
    timers_->Stop(kStatusTimer);
    OnLetGo();
    TabKeyDialog::done(result);
}

void Dsp7100Panel::OnTimer(int id)
{
    if (id != kStatusTimer)
        return;
    if (statusStep_ >= 4)
        timers_->Stop(kStatusTimer);
    Send(kStatusQueries[std::min(statusStep_, 4)]);
}

// The radio buttons and what they enable follow the panel's modes.
void Dsp7100Panel::ShowModes()
{
    (colourMode_ == 1 ? colourManual_ : colourAuto_)->setChecked(true);
    colourBox_->setEnabled(colourMode_ == 1);
    QButtonGroup* group = shutterRadios_[0]->group();
    if (shutterMode_ >= 0 && shutterMode_ < 4) {
        shutterRadios_[shutterMode_]->setChecked(true);
    } else {
        group->setExclusive(false);
        for (QRadioButton* r : shutterRadios_)
            r->setChecked(false);
        group->setExclusive(true);
    }
    speedList_->setEnabled(shutterMode_ == 1);
    integrationBox_->setEnabled(shutterMode_ == 3);
    (gainMode_ == 1 ? gainManual_ : gainAuto_)->setChecked(true);
    gainBox_->setEnabled(gainMode_ == 1);
    gammaList_->setEnabled(gainMode_ == 1);
}

void Dsp7100Panel::ApplyColour(const uint8_t* f, size_t end)
{
    if (end < 17 || f[4] < '0')
        return;
    colourMode_ = f[4] & 1;
    WriteColour(Digits(f, 14, 3));
    ShowModes();
}

void Dsp7100Panel::ApplyShutter(const uint8_t* f, size_t end)
{
    if (end < 8 || f[4] >= 0x40)
        return;
    // Camera codes: 0 and 3 shutter auto, 1 shutter manual, 2 integration
    // manual, 4 integration extern; others leave no mode checked.
    static const int modes[16] = {0, 1, 3, 0, 2, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    shutterMode_ = modes[f[4] & 0x0F];
    {
        const QSignalBlocker quiet(speedList_);
        speedList_->setCurrentIndex(f[5] & 0x0F);
    }
    const int integration = Digits(f, 6, 2);
    WriteIntegration(integration == 0 ? 1 : integration);
    ShowModes();
}

void Dsp7100Panel::ApplyGain(const uint8_t* f, size_t end)
{
    // The reply is taken only when it ends right after the gain digits.
    if (end != 8)
        return;
    gainMode_ = f[4] & 1;
    WriteGain(Digits(f, 5, 3));
    ShowModes();
}

void Dsp7100Panel::ApplyMisc(const uint8_t* f, size_t end)
{
    if (end != 15)
        return;
    backlight_->setChecked(f[4] & 1);
    {
        const QSignalBlocker quiet(gammaList_);
        gamma_ = f[5] & 0x0F;
        gammaList_->setCurrentIndex(gamma_ < 8 ? gamma_ : -1);
    }
    ShowModes();
}

void Dsp7100Panel::OnReply(const uint8_t* frame, size_t length)
{
    // The text ends before the checksum (and 0x03 in mode 0); the check
    // positions of 'G' and 'M' are where that end must fall.
    const size_t end = ReplyTextEnd(frame, length);
    if (end < 4)
        return;
    switch (frame[3]) {
    case 'W': ApplyColour(frame, end); statusStep_ = 1; break;
    case 'V': ApplyShutter(frame, end); statusStep_ = 2; break;
    case 'G': ApplyGain(frame, end); statusStep_ = 3; break;
    case 'Z': statusStep_ = 4; break;
    case 'M': ApplyMisc(frame, end); break;
    default: break;
    }
}
