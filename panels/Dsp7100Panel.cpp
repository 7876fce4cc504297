#include "Dsp7100Panel.h"

#include "DataFolder.h"
#include "PanelHost.h"
#include "Prompter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {
const QStringList kSpeeds = {"1/60", "1/100", "1/250", "1/500", "1/1000", "1/2000", "1/4000", "1/8000"};
const QStringList kGammas = {"1.00", ".85", ".70", ".65", ".55", ".45", ".40", ".30"};
constexpr const char* kStatusQueries[] = {"WS", "VS", "GS", "ZS", "MS"};

const Encoder kColour = Decimal("Wh", 3);
const Encoder kIntegration = Decimal("Vi", 2);
const Encoder kGain = Decimal("Gg", 3);

SendPolicy Policy()
{
    SendPolicy p;
    p.direct = true;
    p.flag = PendingFlag::Dsp7100;
    p.timesOut = false;
    p.sendTimer = Dsp7100Panel::kStatusTimer; // stopped when the panel closes
    p.statusMs = -1;
    return p;
}
} // namespace

Dsp7100Panel::Dsp7100Panel(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("DSP 7100 Control"), Policy(), parent), names_(DefaultPresetFileNames())
{
    setObjectName(QStringLiteral("Dsp7100Panel"));
    Dsp7100Members& m = m_;
    auto held = [this](bool zoom, const char* body) {
        return [this, zoom, body](int) {
            (zoom ? zoomHeld_ : scrollHeld_) = true;
            return std::string(body);
        };
    };
    auto letGo = [this](int) { return LetGo(); };

    presetList_ = new QComboBox(this);
    presetList_->setEditable(true);
    presetList_->setInsertPolicy(QComboBox::NoInsert);
    presetList_->setCompleter(nullptr);
    presetList_->lineEdit()->setMaxLength(static_cast<int>(kPresetNameLength));
    connect(presetList_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            preset_ = i;
    });
    // A name typed over a preset is taken when the editing ends: Enter,
    // Tab, or a click elsewhere.
    connect(presetList_->lineEdit(), &QLineEdit::editingFinished, this, &Dsp7100Panel::RenamePreset);

    form().column()
        .group("Color Balance", 3)
            .radios(m.colourMode, {"Auto", "Manual"}, PerValue({"Wt", "Wm"})).also([this] { colourKnown_ = true; })
            .spin("Color Value", m.colour, 0, 63, kColour)
                .enabledWhen([this] { return colourKnown_ && m_.colourMode == 1; })
        .group("Shutter")
            .radios(m.shutterMode, {"S-Auto", "S-Manual", "I-Extern", "I-Manual"}, PerValue({"Va", "Vm", "VE", "VM"}))
                .also([this] { shutterKnown_ = true; })
            .list("Speed", m.speed, kSpeeds, Decimal("Vs", 1))
                .enabledWhen([this] { return shutterKnown_ && m_.shutterMode == 1; })
            .spin("Integration", m.integration, 1, 99, kIntegration)
                .enabledWhen([this] { return shutterKnown_ && m_.shutterMode == 3; })
        .group("Gain")
            .radios(m.gainMode, {"Auto", "Manual"}, PerValue({"Ga", "Gm"})).also([this] { gainKnown_ = true; })
            .spin("Gain Value", m.gain, 0, 126, kGain).enabledWhen([this] { return gainKnown_ && m_.gainMode == 1; })
            .list("Gamma", m.gamma, kGammas, Decimal("Yy", 1))
                .enabledWhen([this] { return !gainKnown_ || m_.gainMode == 1; })
        .group(QString())
            .check("Backlight comp", m.backlight, PerValue({"Bf", "Bn"}))
        .column()
        .group("Zoom-Scroll", 4)
            .label(QString())
            .hold("SU", held(false, "Zu"), letGo).name("SU")
            .label(QString())
            .hold("SI", held(true, "Zi"), letGo).name("SI")
            .hold("SL", held(false, "Zl"), letGo).name("SL")
            .hold("SC", held(false, "Zc"), letGo).name("SC")
            .hold("SR", held(false, "Zr"), letGo).name("SR")
            .label(QString())
            .label(QString())
            .hold("SD", held(false, "Zd"), letGo).name("SD")
            .label(QString())
            .hold("SO", held(true, "Zo"), letGo).name("SO")
        .group("Presets", 3)
            .custom("Presets", presetList_).name("PresetList")
            .row()
            .button("Default", [this] { OnPresetButton("Pd"); })
            .button("Recall", [this] { OnPresetButton(preset_ == 0 ? "Pd" : "Pr"); })
            .button("Store", [this] { OnPresetButton(preset_ == 0 ? nullptr : "Ps"); })
        .group(QString(), 3)
            .label(QString())
            .label(QString())
            .button("Close", [this] { accept(); });
}

void Dsp7100Panel::Write(int& member, int value, const Encoder& encoder)
{
    member = value;
    Show();
    Enqueue(encoder(value));
}

// The opening: six box writes (each one sent), the preset names, and the
// status sequence from its first step.
void Dsp7100Panel::Fill()
{
    colourKnown_ = shutterKnown_ = gainKnown_ = false;
    // Opening runs under PanelFilling; these writes are sent all the same.
    pump().SetFilling(false);
    Write(m_.colour, 0, kColour);
    Write(m_.integration, 1, kIntegration);
    Write(m_.gain, 0, kGain);
    Write(m_.colour, 32, kColour);
    Write(m_.integration, 1, kIntegration);
    Write(m_.gain, 1, kGain);
    pump().SetFilling(true);
    m_.speed = 0;
    m_.gamma = 5;
    names_ = DefaultPresetFileNames();
    ReadPresetFile(host().dataFolder().FilePath("PRESET.DAT"), names_);
    preset_ = 0;
    FillPresetList();
    presetList_->setEditText(QString());
    zoomHeld_ = scrollHeld_ = false;
    statusStep_ = 0;
    timers().Start(kStatusTimer, kStatusPeriodMs);
}

void Dsp7100Panel::FillPresetList()
{
    const QSignalBlocker quiet(presetList_);
    presetList_->clear();
    for (const std::string& name : names_)
        presetList_->addItem(QString::fromStdString(name));
    presetList_->setCurrentIndex(preset_);
}

// The factory entry keeps its name; the others take the text typed over them.
void Dsp7100Panel::RenamePreset()
{
    if (preset_ < 1 || preset_ > 9)
        return;
    const std::string text = presetList_->currentText().toStdString().substr(0, kPresetNameLength);
    if (text == names_[static_cast<size_t>(preset_)])
        return;
    names_[static_cast<size_t>(preset_)] = text;
    FillPresetList();
    if (!WritePresetFile(host().dataFolder().FilePath("PRESET.DAT"), names_))
        host().prompter().ShowMessage("Unable to save PRESET.DAT", ApplicationTitle());
}

void Dsp7100Panel::OnPresetButton(const char* command)
{
    if (command && command[1] == 'd') {
        preset_ = 0;
        Enqueue(command);
    } else if (command) {
        Enqueue(std::string(command) + static_cast<char>('0' + preset_));
    }
    presetList_->setCurrentIndex(preset_);
}

std::string Dsp7100Panel::LetGo()
{
    const char* stop = zoomHeld_ ? "Zs" : scrollHeld_ ? "Zq" : "";
    zoomHeld_ = scrollHeld_ = false;
    return stop;
}

void Dsp7100Panel::OnPanelTimer(int id)
{
    if (id != kStatusTimer)
        return;
    if (statusStep_ >= 4)
        timers().Stop(kStatusTimer);
    Enqueue(kStatusQueries[std::min(statusStep_, 4)]);
}

void Dsp7100Panel::PanelClosed()
{
    const std::string stop = LetGo();
    if (!stop.empty())
        Enqueue(stop);
}

void Dsp7100Panel::OnPanelReply(const uint8_t* frame, size_t length)
{
    const Dsp7100Reply reply = DecodeDsp7100Reply(frame, length, m_);
    if (reply.nextStep >= 0)
        statusStep_ = reply.nextStep;
    if (reply.applied) {
        colourKnown_ |= reply.letter == 'W';
        shutterKnown_ |= reply.letter == 'V';
        gainKnown_ |= reply.letter == 'G' || reply.letter == 'M';
    }
    Show();
    // A value the reply wrote into its box goes back to the camera, as a
    // box's change always does.
    if (reply.colour)
        Enqueue(kColour(m_.colour));
    if (reply.integration)
        Enqueue(kIntegration(m_.integration));
    if (reply.gain)
        Enqueue(kGain(m_.gain));
}
