#include "PrivacyZoneDialog.h"

#include "PTControl.h"
#include "PanelHost.h"
#include "Prompter.h"
#include "PtCommand.h"
#include "ReplyRouting.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <cstdio>

namespace {
// Appending: every command goes ("csTP1" must not be lost behind a newer
// one); the privacy flag brings the position reply here.
SendPolicy Policy()
{
    SendPolicy p;
    p.newestWins = false;
    p.flag = PendingFlag::Privacy;
    p.sendMs = 5;
    p.timeoutMs = 2000;
    p.statusTimer = PrivacyZoneDialog::kZoneStatusTimer;
    p.statusMs = 1000;
    return p;
}

const QStringList kColours = {"Black", "Gray1", "Gray2", "Gray3", "Gray4", "Gray5",  "Gray6",
                              "White", "Red",   "Green", "Blue",  "Cyan",  "Yellow", "Magenta"};

QStringList Zones()
{
    QStringList zones;
    for (int z = 0; z < PrivacyZoneMembers::kZoneCount; ++z)
        zones << QString(QLatin1Char(ZoneLetter(z)));
    return zones;
}

std::string ThreeDigits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%03d", value);
    return text;
}

// The pad inside the dialog: 123 by 123, centre band 8, variable speed,
// the "Vexa CCTV" picture, no nudge buttons.
constexpr int kPadSide = 123, kPadBand = 8, kVariableSpeed = 1, kVexaCctv = 6;
} // namespace

PrivacyZoneDialog::PrivacyZoneDialog(PanelHost& host, int panSpeedLimit, int tiltSpeedLimit, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("Screen Privacy Zone Setup"), Policy(), parent)
{
    setObjectName(QStringLiteral("PrivacyZoneDialog"));
    PrivacyZoneMembers& m = m_;
    pad_ = new PTControl(this);
    pad_->SetOuterSize(kPadSide, kPadSide);
    pad_->SetCentreBand(kPadBand);
    pad_->SetProportionalMode(kVariableSpeed, QColor(0, 0, 208), panSpeedLimit, tiltSpeedLimit);
    pad_->SetPicture(kVexaCctv);
    pad_->SetNudgeButtonsVisible(false);
    programmed_ = new QCheckBox(QStringLiteral("Has Been"), this);
    // The camera's report only: the operator cannot change it.
    programmed_->setAttribute(Qt::WA_TransparentForMouseEvents);
    programmed_->setFocusPolicy(Qt::NoFocus);
    auto zone = [this](const char* prefix) { return [this, prefix](int) { return ZoneCommand(prefix); }; };
    auto size = [this](const char* prefix) {
        return [this, prefix](int value) { return ZoneCommand(prefix, ThreeDigits(value)); };
    };
    auto after = [this](int timer, int ms) { return [this, timer, ms] { timers().Start(timer, ms); }; };
    QPushButton* centre = nullptr;

    form().column()
        .group("Zone", 2)
            .list("Zone", m.zone, Zones(), zone("csN")).also(after(kZoneStatusTimer, 1000))
        .group("Mode", 3)
            .radios(m.mode, {"Off", "Programming", "Live"},
                    [this](int mode) { return ZoneCommand("csM", std::string(1, static_cast<char>('0' + mode))); })
            .row().custom("Has Been", programmed_, false).label("Programmed")
        .group("Size", 2)
            .spin("Horrz. Size", m.horizontalSize, 0, PrivacyZoneMembers::kSizeMax, size("csh")).keep(horizontalBox_)
            .spin("Vert. Size", m.verticalSize, 0, PrivacyZoneMembers::kSizeMax, size("csv")).keep(verticalBox_)
        .group("Mask Color", 3)
            .list("Programming", m.programmingColour, kColours, Digit("csCP")).name("ProgrammingColor")
            .check("Transparency", m.programmingTransparency, Digit("csTP")).name("ProgrammingTransparency")
                .also(after(kColourTimer, 250))
            .list("Live", m.liveColour, kColours, Digit("csCL")).name("LiveColor")
            .check("Transparency", m.liveTransparency, Digit("csTL")).name("LiveTransparency")
                .also(after(kColourTimer, 250))
        .column()
        .group("Pan/Tilt", 1)
            .custom("PTControl", pad_, false)
        .group("Zoom", 2)
            .hold("ZI", Fixed("cZ0"), Fixed("ZS")).name("ZI")
            .hold("ZO", Fixed("cz0"), Fixed("ZS")).name("ZO")
        .group("Current P/T Postion", 4)
            .edit("Pan", m.pan, 4).keep(panBox_)
            .button("P/T ?", [this] { OnPositionQuery(); }).name("PTQuery")
            .edit("Tilt", m.tilt, 4).keep(tiltBox_)
            .button("Goto", [this] { OnGoto(); })
        .group(QString(), 1)
            .button("Goto Zone Pos", zone("csH")).also(after(kPositionTimer, 500))
            .button("Center Zone (P/T/Z)", zone("csP")).disabled().name("CenterZone").keep(centre)
            .button("Close", [this] { OnClose(); });
    centre->hide();
    form().onShow([this] { programmed_->setChecked(m_.programmed == 1); });
}

std::string PrivacyZoneDialog::ZoneCommand(const char* prefix, const std::string& rest) const
{
    return prefix + std::string(1, ZoneLetter(m_.zone)) + rest;
}

// The pad's commands are queued as the pad makes them.
bool PrivacyZoneDialog::event(QEvent* event)
{
    if (event->type() == PtCommandEventType()) {
        Enqueue(static_cast<PtCommandEvent*>(event)->text().toLatin1().toStdString());
        return true;
    }
    return FeaturePanel::event(event);
}

void PrivacyZoneDialog::Fill()
{
    m_.horizontalSize = 0;
    m_.verticalSize = 0;
}

// Zone A is selected on the camera; its status follows on timer 12.
void PrivacyZoneDialog::Opened()
{
    Enqueue(ZoneCommand("csN"));
}

void PrivacyZoneDialog::RequestStatus()
{
    Enqueue(ZoneCommand("csZ", "?"));
}

void PrivacyZoneDialog::OnPanelReply(const uint8_t* frame, size_t length)
{
    const PrivacyZoneReply reply = DecodePrivacyZoneReply(frame, length, m_);
    Show();
    if (reply.askColours)
        timers().Start(kColourTimer, 250);
    if (reply.askSize)
        timers().Start(kSizeTimer, 250);
}

// One-shot queries: colours, position, horizontal size.
void PrivacyZoneDialog::OnPanelTimer(int id)
{
    timers().Stop(id);
    if (id == kColourTimer)
        Enqueue("csC?");
    else if (id == kPositionTimer)
        Enqueue("cPS");
    else if (id == kSizeTimer)
        Enqueue(ZoneCommand("csh", "?"));
}

void PrivacyZoneDialog::PanelClosed()
{
    for (int id : {kColourTimer, kPositionTimer, kSizeTimer})
        timers().Stop(id);
}

// "P/T ?": the next position reply comes here; the query follows at once.
void PrivacyZoneDialog::OnPositionQuery()
{
    host().replyFlags().privacyReplyPending = true;
    timers().Start(kPositionTimer, 5);
}

void PrivacyZoneDialog::OnGoto()
{
    const GotoCheck check = CheckGoto(m_.pan, m_.tilt);
    if (check != GotoCheck::Ok) {
        const bool pan = check == GotoCheck::BadPan;
        host().prompter().ShowMessage(pan ? "Invalid Pan Position (Requires 4 decimal digits)"
                                          : "Invalid Tilt Position (Requires 4 decimal digits",
                                      ApplicationTitle());
        (pan ? panBox_ : tiltBox_)->setFocus();
        return;
    }
    Enqueue("cp" + m_.pan + m_.tilt);
    Show();
}

// The sizes the camera takes are checked when the dialog is closed.
void PrivacyZoneDialog::OnClose()
{
    if (SizeValid(horizontalBox_, kHorizontalMax) && SizeValid(verticalBox_, kVerticalMax))
        accept();
}

bool PrivacyZoneDialog::SizeValid(QSpinBox* box, int max)
{
    if (box->value() <= max)
        return true;
    host().prompter().ShowMessage(IntegerRangeMessage(0, max).toStdString(), ApplicationTitle());
    box->setFocus();
    box->selectAll();
    return false;
}
