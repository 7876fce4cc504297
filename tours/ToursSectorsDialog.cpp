#include "ToursSectorsDialog.h"

#include "DataFolder.h"
#include "DomeFile.h"
#include "PanelHost.h"
#include "Prompter.h"
#include "ReplyRouting.h"
#include "ToursSectorsCodec.h"
#include "TourGrid.h"

#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>

namespace {
// A number box that takes 0 to its maximum typed in, while its arrows
// stay between 1 and the maximum.
class NumberBox : public QSpinBox {
public:
    NumberBox(int maximum, QWidget* parent) : QSpinBox(parent) { setRange(0, maximum); }

    void stepBy(int steps) override
    {
        setValue(std::clamp(value() + steps, 1, maximum()));
    }

protected:
    StepEnabled stepEnabled() const override
    {
        StepEnabled e = StepNone;
        if (value() != 1)
            e |= StepDownEnabled;
        if (value() < maximum())
            e |= StepUpEnabled;
        return e;
    }
};

constexpr const char* kDeleteSector =
    "WARNING!!--This action will erase this current sector's limit data \n"
    "The sector will be deleted - Do you really want to delete this sector?";
constexpr const char* kDeleteAllSectors =
    "WARNING!!--This action will erase all sectors' limit data \n"
    "All sectors will be deleted - Do you really want to delete all sectors?";
constexpr const char* kDeleteZone =
    "WARNING!!--This action will erase this current privacy's limit data \n"
    "The privacy zone will be deleted - Do you really want to delete this privacy zone?";
constexpr const char* kDeleteAllZones =
    "WARNING!!--This action will erase all privacy zones' limit data \n"
    "All privacy zones will be deleted - Do you really want to delete all privacy zones?";

// Appends every command, 100 ms apart, each waiting for the line; the whole
// queue slot goes out; no reply flag (replies reach the dialog by their
// class); the opening chain starts on timer 50.
SendPolicy Policy()
{
    SendPolicy p;
    p.newestWins = false;
    p.queuesWhileFilling = true;
    p.slotLength = 63;
    p.flag = PendingFlag::None;
    p.sendTimer = 10;
    p.sendMs = 100;
    p.timeoutTimer = 11;
    p.timeoutMs = 2000;
    p.statusTimer = ToursTimer::SectorState;
    p.statusMs = ToursSectorsDialog::kQueryMs;
    return p;
}
} // namespace

ToursSectorsDialog::ToursSectorsDialog(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("Tours and Sectors Setup"), Policy(), parent), dome_(DefaultDomeData())
{
    setObjectName(QStringLiteral("ToursSectorsDialog"));
    BuildControls();
}

ToursSectorsDialog::~ToursSectorsDialog() = default;

// The control table.
void ToursSectorsDialog::BuildControls()
{
    sectorBox_ = new NumberBox(DomeData::kSectors, this);
    zoneBox_ = new NumberBox(DomeData::kZones, this);
    titleBox_ = new QLineEdit(this);
    titleBox_->setMinimumWidth(titleBox_->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 16);
    tourList_ = new QListWidget(this);
    for (int t = 1; t <= DomeData::kTours; ++t)
        tourList_->addItem(QStringLiteral("Tour %1").arg(t));
    tourList_->setFixedWidth(tourList_->sizeHintForColumn(0) + 24);
    grid_ = new TourGrid(this);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 1000);
    progress_->setValue(0);

    connect(sectorBox_, &QSpinBox::valueChanged, this, &ToursSectorsDialog::OnSectorNumber);
    connect(zoneBox_, &QSpinBox::valueChanged, this, &ToursSectorsDialog::OnZoneNumber);
    connect(titleBox_, &QLineEdit::textChanged, this, &ToursSectorsDialog::OnTitleChanged);
    connect(tourList_, &QListWidget::currentRowChanged, this, &ToursSectorsDialog::OnTourSelected);
    grid_->endEdit = [this](int row, int column, const QString& text) { return OnGridEdit(row, column, text); };

    auto sector = [this](auto make) { return [this, make](int v) { return make(sector_, v); }; };
    auto zone = [this](auto make) { return [this, make](int v) { return make(zone_, v); }; };
    auto numbered = [](const char* prefix) {
        return [prefix](int n, int v) { return std::string(prefix) + NumberCharacter(n) + static_cast<char>('0' + v); };
    };
    // Press and release of a jog button; the pan pair also ends a tour.
    auto jog = [this](const char* body, bool pan) {
        return [this, body, pan](int) {
            Jog(pan);
            return std::string(body);
        };
    };
    auto transferIdle = [this] { return !downloading() && !uploading(); };

    form().column()
        .group("Sectors", 4)
            .custom("Sector", sectorBox_).name("SectorNumber")
            .button("Set Left Limit", sector([](int n, int) { return SectorLimitCommand(n, 'L'); }))
                .name("SectorSetLeftLimit")
            .button("Set Right Limit", sector([](int n, int) { return SectorLimitCommand(n, 'R'); }))
                .name("SectorSetRightLimit")
            .custom("Sector ID", titleBox_).name("SectorTitle")
            .button("Send ID", [this](int) { return SendIdCommand(sector_, titleBox_->text().toLatin1().toStdString()); })
            .row()
            .check("Enable", sectorEnable_, sector(numbered("dSS"))).name("SectorEnable")
            .button("Delete Sector", [this] { QueueAfterYes(kDeleteSector, std::string("*SC") + NumberCharacter(sector_)); })
            .button("Delete All", [this] { QueueAfterYes(kDeleteAllSectors, "*SC0"); }).name("DeleteAllSectors")
        .group("Privacy Zones", 4)
            .custom("Zone", zoneBox_).name("ZoneNumber")
            .button("Set Left Limit", zone([](int n, int) { return ZoneLimitCommand(n, 'L'); })).name("ZoneSetLeftLimit")
            .button("Set Right Limit", zone([](int n, int) { return ZoneLimitCommand(n, 'R'); }))
                .name("ZoneSetRightLimit")
            .row()
            .check("Enable", zoneEnable_, zone(numbered("*PS"))).name("ZoneEnable")
            .button("Delete Zone", [this] { QueueAfterYes(kDeleteZone, std::string("*PC") + NumberCharacter(zone_)); })
            .button("Delete All", [this] { QueueAfterYes(kDeleteAllZones, "*PC0"); }).name("DeleteAllZones")
        .group("Camera", 5)
            .label(QString())
            .hold("Tilt Up", jog("TU", false), Fixed("TS")).name("TiltUp")
            .label(QString())
            .hold("Zoom In", jog("ZI", false), Fixed("ZS")).name("ZoomIn")
            .hold("Focus Far", jog("FF", false), Fixed("FS")).name("FocusFar")
            .hold("Pan Left", jog("PL", true), Fixed("PS")).name("PanLeft")
            .label(QString())
            .hold("Pan Right", jog("PR", true), Fixed("PS")).name("PanRight")
            .hold("Zoom Out", jog("ZO", false), Fixed("ZS")).name("ZoomOut")
            .hold("Focus Near", jog("FN", false), Fixed("FS")).name("FocusNear")
            .label(QString())
            .hold("Tilt Down", jog("TD", false), Fixed("TS")).name("TiltDown")
        .column()
        .group("Tours", 2)
            .custom("Tours", tourList_, false).name("TourList")
            .custom("Tour Grid", grid_, false).name("TourGrid")
            .button("Clear All Data", [this] { OnClearAllData(); })
            .button("Set All Dwells", [this] { OnSetAllDwells(); })
            .button("Upload Tour", [this] { OnUploadTour(); })
            .label(QString())
            .button("Start Touring", [this] {
                SetTouring(true);
                Enqueue(std::string("*TS") + TourCharacter(tourIndex_) + '1');
            }).enabledWhen([this] { return !touring_; })
            .button("Stop Touring", [this] {
                SetTouring(false);
                Enqueue(std::string("*TS") + TourCharacter(tourIndex_) + '0');
            }).enabledWhen([this] { return touring_; })
        .group("Configuration", 2)
            .button("DownLoad", [this] { OnDownload(); }).enabledWhen(transferIdle)
            .button("UpLoad", [this] { OnUpload(); }).enabledWhen(transferIdle)
            .custom("Progress", progress_, false)
        .group(QString(), 2)
            .label(QString())
            .button("Close", [this] {
                AskToSave();
                accept();
            });
    form().onShow([this] { ShowValues(); });
}

// The members that the table does not hold, back into their controls.
void ToursSectorsDialog::ShowValues()
{
    {
        const QSignalBlocker quietSector(sectorBox_), quietZone(zoneBox_), quietTours(tourList_);
        sectorBox_->setValue(sector_);
        zoneBox_->setValue(zone_);
        tourList_->setCurrentRow(tourIndex_);
    }
    const QString title = QString::fromLatin1(dome_.sectors[static_cast<size_t>(sector_ - 1)].title);
    if (titleBox_->text() != title)
        titleBox_->setText(title);
}

bool ToursSectorsDialog::Confirm(const char* text)
{
    return host().prompter().ShowMessage(text, ApplicationTitle(), MessageButtons::YesNo, MessageIcon::Stop,
                                         MessageAnswer::No) == MessageAnswer::Yes;
}

void ToursSectorsDialog::QueueAfterYes(const char* text, std::string command)
{
    if (Confirm(text))
        Enqueue(command);
}

void ToursSectorsDialog::OnSectorNumber(int n)
{
    if (n <= 0)
        return;
    sector_ = n;
    titleBox_->setText(QString::fromLatin1(dome_.sectors[static_cast<size_t>(n - 1)].title));
}

void ToursSectorsDialog::OnZoneNumber(int n)
{
    if (n > 0)
        zone_ = n;
}

void ToursSectorsDialog::OnTitleChanged(const QString& text)
{
    if (filling())
        return;
    std::string& title = dome_.sectors[static_cast<size_t>(sector_ - 1)].title;
    const std::string typed = text.toLatin1().toStdString();
    if (typed == title)
        return;
    title = typed;
    changed_ = true;
}

void ToursSectorsDialog::Jog(bool pan)
{
    if (pan)
        SetTouring(false);
}

// The opening: Dome.dat, the sector's title, both boxes checked, the tour
// selection applied (which asks for the tour), then the query chain.
void ToursSectorsDialog::Fill()
{
    LoadDomeFile(DataFile("Dome.dat"), dome_);
    sectorEnable_ = zoneEnable_ = 1;
    titleBox_->setText(QString::fromLatin1(dome_.sectors[static_cast<size_t>(sector_ - 1)].title));
    // What the last opening did not save is not carried into this one.
    changed_ = false;
    OnTourSelected(tourIndex_);
    changed_ = false;
    reportedSector_ = 1;
    zone_ = 1;
    ShowProgress(0, ConfigDownload::kQueries);
}

// Timer 50: the first query of the chain.
void ToursSectorsDialog::RequestStatus()
{
    Enqueue(std::string("cdSs") + static_cast<char>('0' + reportedSector_));
}

void ToursSectorsDialog::OnPanelTimer(int id)
{
    if (id == ToursTimer::Upload) {
        UploadStep();
        return;
    }
    timers().Stop(id);
    switch (id) {
    case ToursTimer::SectorTitle:
        Enqueue(std::string("cdSS") + static_cast<char>('0' + reportedSector_));
        break;
    case ToursTimer::ZoneState:
        Enqueue(std::string("*Ps") + static_cast<char>('0' + zone_));
        break;
    case ToursTimer::TourPresets:
        Enqueue(std::string("*Tp") + TourCharacter(tourIndex_));
        break;
    case ToursTimer::TourDwells:
        Enqueue(std::string("*Td") + TourCharacter(tourIndex_));
        break;
    default:
        break;
    }
}

void ToursSectorsDialog::OnPanelReply(const uint8_t* frame, size_t length)
{
    const ToursReply r = DecodeToursReply(frame, length);
    using K = ToursReply::Kind;
    switch (r.kind) {
    case K::SectorState:
    case K::SectorTitle:
        if (r.reportedSector > 0)
            reportedSector_ = r.reportedSector;
        break;
    case K::TourState:
        // The dome says whether the tour runs: only what can be done next is enabled.
        touring_ = r.touring;
        break;
    case K::TourPresets:
        ShowTourReply(TourGrid::kPresetColumn, r.values, r.count);
        break;
    case K::TourDwells:
        ShowTourReply(TourGrid::kDwellColumn, r.values, r.count);
        break;
    case K::Zone:
    case K::None:
        break;
    }
    if (r.timer >= 0)
        timers().Start(r.timer, kQueryMs);
    if (r.showValues)
        Show();
}

void ToursSectorsDialog::PanelClosed()
{
    for (int id : {ToursTimer::SectorTitle, ToursTimer::ZoneState, ToursTimer::TourPresets, ToursTimer::TourDwells})
        timers().Stop(id);
    EndDownload(false);
    EndUpload();
}

void ToursSectorsDialog::reject()
{
    AskToSave();
    FeaturePanel::reject();
}
