#include "ThermalPanel.h"

#include "CommandLink.h"
#include "JavelinCommandBuilder.h"
#include "PanelHost.h"
#include "Prompter.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>

namespace {
constexpr int kJavelin408R = 3;

SendPolicy Policy()
{
    SendPolicy p;
    p.sendMs = 50;
    p.timeoutMs = 500;
    p.statusMs = 500;
    // The pass-through command runs longer than the usual 35 characters.
    p.slotLength = 63;
    return p;
}

QStringList Items(const char* const* names, size_t count)
{
    QStringList items;
    for (size_t i = 0; i < count; ++i)
        items << QString::fromLatin1(names[i]);
    return items;
}
} // namespace

// The sensor's frame with the region of interest drawn into it.
class RoiPicture : public QWidget {
public:
    explicit RoiPicture(QWidget* parent) : QWidget(parent) { setFixedSize(96, 78); }

    void Set(int width, int height, int left, int top, int right, int bottom)
    {
        sensor_ = QSize(width, height);
        roi_ = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRectF frame(1, 1, width() - 2, height() - 2);
        p.fillRect(frame, QColor(40, 40, 48));
        const qreal sx = frame.width() / sensor_.width(), sy = frame.height() / sensor_.height();
        const QRectF roi(frame.left() + roi_.left() * sx, frame.top() + roi_.top() * sy, roi_.width() * sx,
                         roi_.height() * sy);
        p.fillRect(roi.intersected(frame), QColor(230, 140, 40));
        p.setPen(QColor(20, 20, 20));
        p.drawRect(frame);
    }

private:
    QSize sensor_{320, 256};
    QRect roi_{0, 0, 320, 256};
};

ThermalPanel::ThermalPanel(PanelHost& host, int cameraType, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("Thermal Control"), Policy(), parent), cameraType_(cameraType)
{
    setObjectName(QStringLiteral("ThermalPanel"));
    ThermalMembers& m = m_;
    const QStringList palettes = {"White hot", "Black hot", "Fusion",   "Rainbow",      "Globow", "Ironbow1",
                                  "Ironbow2",  "Sepia",     "Color1",   "Color2",       "Ice and Fire", "Rain"};
    auto rangeLabel = [this](int i, const char* name) {
        roiRange_[i] = new QLabel(this);
        form().custom(QString::fromLatin1(name), roiRange_[i], false);
    };
    roiWidth_ = new QLabel(this);
    roiHeight_ = new QLabel(this);
    roiPicture_ = new RoiPicture(this);

    form().column()
        .group("Flat_Field Correction", 3)
            .radios(m.ffcMode, {"Manual", "Auto", "Ext"}, Digit("tW"))
            .spin("Interval (frames)", m.ffcInterval, 0, 30000).rangeMessage().name("FFCInterval")
            .spin("Temp. Change (0.1 C)", m.ffcTempChange, 0, 100).rangeMessage().name("FFCTempChange")
            .button("Set", [this](int) { return FfcCommand(m_.ffcInterval, m_.ffcTempChange); })
                .readsBoxes().name("SetFFC")
            .button("DoFFC", Fixed("trh"))
        .group("Operating mode")
            .radios(m.operatingMode, {"Real Time", "Frozen"}, Digit("tF"))
        .group("Video")
            .radios(m.video, {"Mono", "Color"}, Digit("tB"))
        .group("Focus")
            .hold("Near", Fixed("tfN"), Fixed("tfS"), QSize(48, 24))
            .hold("Far", Fixed("tfF"), Fixed("tfS"), QSize(48, 24))
        .group(QString())
            .list("Polarity/LUT", m.palette, palettes, Digit("tC")).name("PolarityLUT")
            .list("Image Orientation", m.orientation, {"Normal", "Invert", "Revert", "Invert and Revert"}, Digit("ti"))
            .list("Digital Zoom", m.digitalZoom, {"1X", "2X", "4X", "8X"}, Digit("tX"))
        .column()
        .group("AGC Parameters", 3)
            .spin("Plateau", m.plateau, 10, 1000).rangeMessage()
            .spin("ITT Mean", m.ittMean, 0, 255).rangeMessage().name("ITTMean")
            .spin("Max Gain", m.maxGain, 0, 255).rangeMessage().name("MaxGain")
            .button("Set", [this](int) { return AgcCommand(m_.plateau, m_.ittMean, m_.maxGain); })
                .readsBoxes().name("SetAGC")
            .list("AGC Presets", m.agcPreset, Items(kAgcPresetNames, 4), AgcPresetCommand)
                .also([this] { ReadStatusSoon(); })
        .group("DDE", 3)
            .spin("DDE (1-63)", m.dde, 1, 63).rangeMessage().name("DDE")
            .button("Set", [this](int) { return DdeCommand(m_.dde); }).readsBoxes().name("SetDDE")
        .group("Supp. Offset")
            .check("Enabled", m.suppOffset, Digit("tS")).name("SuppOffsetEnabled")
        .group("User Settings")
            .button("Save", Fixed("tsS"))
            .button("Recall", Fixed("tss")).also([this] { ReadStatusSoon(); })
            .button("Reset", Fixed("tsR")).also([this] { ReadStatusSoon(); })
            .button("Factory defaults", Fixed("tsD")).also([this] { ReadStatusSoon(); }).name("FactoryDefaults")
        .column()
        .group("ROI", 3);
    const char* sides[] = {"Left", "Top", "Right", "Bottom"};
    int* values[] = {&m.roiLeft, &m.roiTop, &m.roiRight, &m.roiBottom};
    for (int i = 0; i < 4; ++i) {
        const QString side = QString::fromLatin1(sides[i]);
        form().spin(side, *values[i], 0, 999).rangeMessage().name(QStringLiteral("ROI") + side);
        rangeLabel(i, (std::string(sides[i]) + " range").c_str());
    }
    // The picture with its width below and its height beside it.
    auto* picture = new QWidget(this);
    auto* grid = new QGridLayout(picture);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(roiPicture_, 0, 0);
    grid->addWidget(roiHeight_, 0, 1);
    grid->addWidget(roiWidth_, 1, 0, Qt::AlignHCenter);
    roiWidth_->setObjectName(QStringLiteral("ROIwidth"));
    roiWidth_->setAccessibleName(QStringLiteral("ROI width"));
    roiHeight_->setObjectName(QStringLiteral("ROIheight"));
    roiHeight_->setAccessibleName(QStringLiteral("ROI height"));
    form().custom("ROI picture", picture, false).row();
    // Across the whole group, below the four boxes.
    if (auto* roiGrid = qobject_cast<QGridLayout*>(picture->parentWidget()->layout())) {
        int row = 0, column = 0, rows = 0, columns = 0;
        roiGrid->getItemPosition(roiGrid->indexOf(picture), &row, &column, &rows, &columns);
        roiGrid->removeWidget(picture);
        roiGrid->addWidget(picture, row, 0, 1, 3, Qt::AlignLeft);
    }
    form()
            .button("Set", [this] { OnRoiSet(); }).readsBoxes().name("SetROI")
            .list("ROI Presets", m.roiPreset, Items(kRoiPresetNames, 3),
                  [this](int preset) { return RoiPresetCommand(m_.sensorSize, preset); })
                .also([this] { ReadStatusSoon(); })
        .group("Thermal Pass Through Commands", 3)
            .edit("Command", m.passThrough, kPassThroughMax).name("PassThrough")
            .button("Send", [this](int) { return PassThroughCommand(m_.passThrough); }).name("SendPassThrough")
        .group(QString())
            .button("Status?", Fixed("tDS")).name("StatusQuery")
            .button("Close", [this] { accept(); });
    // Pass-through commands are plain ASCII text.
    findChild<QLineEdit*>(QStringLiteral("PassThrough"))
        ->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[ -~]*")), this));
    form().onShow([this] { ShowRoi(); });
}

void ThermalPanel::Fill()
{
    m_.roiLabels = RoiLabelsForCamera(cameraType_);
}

void ThermalPanel::RequestStatus()
{
    if (host().protocol() != kJavelin408R) {
        Enqueue("tDS");
        return;
    }
    host().link().queue().DiscardWaiting();
    host().javelin().StatusRequest();
    pump().StartPump();
}

void ThermalPanel::ReadStatusSoon()
{
    timers().Start(pump().policy().statusTimer, 500);
}

void ThermalPanel::OnRoiSet()
{
    if (!RoiAcceptable(cameraType_, m_.roiLeft, m_.roiTop, m_.roiRight, m_.roiBottom)) {
        host().prompter().ShowMessage("Error! Cannot set ROI - Values are not in range!", ApplicationTitle(),
                                      MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    Enqueue(RoiCommand(m_.roiLeft, m_.roiTop, m_.roiRight, m_.roiBottom));
}

void ThermalPanel::ShowRoi()
{
    const RoiLabelTexts texts = RoiLabelsFor(m_.roiLabels);
    const char* ranges[] = {texts.left, texts.top, texts.right, texts.bottom};
    for (int i = 0; i < 4; ++i)
        roiRange_[i]->setText(QString::fromLatin1(ranges[i]));
    roiWidth_->setText(QString::fromLatin1(texts.width));
    roiHeight_->setText(QString::fromLatin1(texts.height));
    const bool large = m_.roiLabels == 1;
    roiPicture_->Set(large ? 640 : 320, large ? 512 : 256, m_.roiLeft, m_.roiTop, m_.roiRight, m_.roiBottom);
}

void ThermalPanel::OnPanelReply(const uint8_t* frame, size_t length)
{
    if (DecodeThermalReply(frame, length, m_))
        Show();
}
