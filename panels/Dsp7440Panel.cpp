#include "Dsp7440Panel.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
SendPolicy Policy()
{
    SendPolicy p;
    p.sendMs = 5;
    p.timeoutMs = 2000;
    p.statusMs = 500;
    return p;
}

const QStringList kBlcModes = {"Fixed Weighted Average", "Auto Weighted Average", "Brighten Dark Areas",
                               "Darken Bright Areas"};
const QStringList kSpeeds = {"1/60",   "1/100",  "1/250",    "1/500",    "1/1000",
                             "1/2000", "1/4000", "1/10,000", "1/20,000", "1/50,000"};
const QStringList kLengths = {"2 fields", "3", "4", "5", "10", "20", "40", "80", "160", "320", "510"};
constexpr int kPresetTextLimit = 24;

// '0' plus the value with an offset: the list index or box value plus add.
Encoder DigitFrom(const char* prefix, int add)
{
    return [prefix, add](int v) { return Digit(prefix)(v + add); };
}
} // namespace

Dsp7440Panel::Dsp7440Panel(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("DSP 7440"), Policy(), parent)
{
    setObjectName(QStringLiteral("Dsp7440Panel"));
    Dsp7440Members& m = m_;
    // "H" and "T" move the white balance only while it is Manual.
    auto manualOnly = [this](const char* body) {
        return [this, body](int) { return m_.whiteBalance == 1 ? std::string(body) : std::string(); };
    };
    auto effectsE = [this](int) { return Digit("cE")(Dsp7440EffectsE(m_)); };
    auto effectse = [this](int) { return Digit("ce")(Dsp7440Effectse(m_)); };
    // Freeze holds the picture: the other effects wait until it is off.
    auto unfrozen = [this] { return m_.freeze == 0; };
    auto exposure = [this] { return Dsp7440ExposureEnabling(m_); };
    QComboBox* presets = nullptr;

    form().column()
        .group("Auto White Balance", 3)
            .radios(m.whiteBalance, {"Auto", "Manual", "User"}, Digit("cW"))
            .hold("H", manualOnly("cWu"), manualOnly("cWs")).enabledWhen([this] { return m_.whiteBalance == 1; })
            .hold("T", manualOnly("cWd"), manualOnly("cWs")).enabledWhen([this] { return m_.whiteBalance == 1; })
            .slider("Red", m.red, 0, 255, Decimal("cWR", 3)).enabledWhen([this] { return m_.whiteBalance == 2; })
            .slider("Blue", m.blue, 0, 255, Decimal("cWB", 3)).enabledWhen([this] { return m_.whiteBalance == 2; })
        .group("BLC")
            .radios(m.blc, {"Off", "On"}, Digit("cY"))
            .list("BLC Mode", m.blcMode, kBlcModes, DigitFrom("cY", 2)).enabledWhen([this] { return m_.blc == 1; })
        .group(QString())
            .spin("Gamma", m.gamma, 0, 9, Digit("cg"))
        .column()
        .group("Exposure")
            .list("Gain Mode", m.gainMode, {"Auto", "Manual"}, Digit("cG"))
            .spin("Gain", m.gain, 0, 7, DigitFrom("cG", 2)).enabledWhen([exposure] { return exposure().gain; })
            .spin("AGC Max", m.agcMax, 1, 255, Decimal("cMG", 3))
            .list("Shutter Mode", m.shutterMode, {"Auto", "Manual"}, PerValue({"cS4", "cS?"}))
            .list("Shutter Speed", m.speed, kSpeeds, DigitFrom("cS", 5))
                .enabledWhen([exposure] { return exposure().speed; })
            .list("Integration", m.integration, {"On", "Off"}, PerValue({"ci1", "ci0"}))
            .list("Integration Length", m.length, kLengths, DigitFrom("ci", 2))
                .enabledWhen([exposure] { return exposure().length; })
        .group("Effects")
            .check("Horizontal Flip", m.horizontalFlip, effectsE).enabledWhen(unfrozen)
            .check("Y-Invert", m.yInvert, effectse).enabledWhen(unfrozen)
            .check("Vertical Flip", m.verticalFlip, effectsE).enabledWhen(unfrozen)
            .check("C-Invert", m.cInvert, effectse).enabledWhen(unfrozen)
            .check(QStringLiteral("180\u00B0 Rotate"), m.rotate, effectsE).enabledWhen(unfrozen)
            .check("Color Bars", m.colourBars, effectse).enabledWhen(unfrozen)
            .check("Freeze", m.freeze, effectsE)
            .check("Monochrome", m.monochrome, effectse).enabledWhen(unfrozen)
        .column()
        .group("Zoom Control", 3)
            .hold("1x", Fixed("cD0"))
            .hold("H", Fixed("cD5"), Fixed("cDs"))
            .hold("In", Fixed("cD1"), Fixed("cDs"))
            .hold("L", Fixed("cD4"), Fixed("cDs"))
            .hold("C", Fixed("cD7"), Fixed("cDs"))
            .hold("R", Fixed("cD3"), Fixed("cDs"))
            .label(QString())
            .hold("T", Fixed("cD6"), Fixed("cDs"))
            .hold("Out", Fixed("cD2"), Fixed("cDs"))
        .group("Presets")
            .list("Preset", m.preset, {"Factory Default"}, nullptr).keep(presets)
            .row()
            .button("Store", [this](int) { return PresetCommand("cPs"); })
            .button("Recall", [this](int) { return PresetCommand("cPr"); })
        .group(QString())
            .button("Status ?", Fixed("cDS")).name("StatusQuery")
            .button("Close", [this] { accept(); });

    // The preset list takes typing (up to 24 characters) but keeps its one entry.
    presets->setEditable(true);
    presets->setInsertPolicy(QComboBox::NoInsert);
    presets->setCompleter(nullptr);
    presets->lineEdit()->setMaxLength(kPresetTextLimit);
}

// The factory entry is 'd'; a camera preset k goes as the digit k-1.
std::string Dsp7440Panel::PresetCommand(const char* prefix) const
{
    if (m_.preset < 0)
        return {};
    return std::string(prefix) + (m_.preset == 0 ? 'd' : static_cast<char>('0' + m_.preset - 1));
}

void Dsp7440Panel::RequestStatus()
{
    Enqueue("cDS");
}

void Dsp7440Panel::OnPanelReply(const uint8_t* frame, size_t length)
{
    if (DecodeDsp7440Reply(frame, length, m_))
        Show();
}
