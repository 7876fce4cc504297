#include "CameraIdDialog.h"

#include "CommandLink.h"
#include "LimitedLineEdit.h"
#include "PanelHost.h"
#include "Prompter.h"

namespace {
// Commands are appended and pumped on timer 1 every 5 ms, whether or not
// the last one was answered; timer 2 gives the link back 2 s after the
// last send.
SendPolicy Policy()
{
    SendPolicy p;
    p.newestWins = false;
    p.waitsForLink = false;
    p.sendTimer = CameraIdDialog::kSendTimer;
    p.sendMs = 5;
    p.timeoutTimer = CameraIdDialog::kReplyTimer;
    p.timeoutMs = 2000;
    p.statusMs = -1;
    return p;
}

// The box's text as the line sends it: a character outside 7-bit ASCII
// can never be one of the ID characters, so it goes as one that is not.
std::string LineBytes(const QString& text)
{
    std::string bytes;
    for (QChar c : text)
        bytes += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x01';
    return bytes;
}
} // namespace

CameraIdDialog::CameraIdDialog(PanelHost& host, int receiverType, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("Program Camera ID"), Policy(), parent), receiverType_(receiverType)
{
    setObjectName(QStringLiteral("CameraIdDialog"));
    CameraIdMembers& m = m_;
    auto toggled = [this](IdToggle t) { return [this, t] { OnToggled(t); }; };
    form().column()
        .group(QString(), 1)
            .check("ID Gen in Cam", m.inCamera, nullptr)
                .enabledWhen([this] { return receiverType_ == 1 || receiverType_ == 2; }).name("IdGenInCam")
        .group("ID Text", 2)
            .check("Enable (All)", m.idEnable, nullptr).also(toggled(IdToggle::IdEnable)).name("IdEnableAll")
            .check("Display at top", m.displayAtTop, nullptr).also(toggled(IdToggle::DisplayAtTop))
                .name("IdDisplayAtTop")
            .check("Enable Line 1", m.idLine[0], nullptr).also(toggled(IdToggle::IdLine1)).name("IdEnableLine1")
            .check("Enable Line 2", m.idLine[1], nullptr).also(toggled(IdToggle::IdLine2)).name("IdEnableLine2")
            .custom("Line 1", LineBox(1))
            .custom("Line 2", LineBox(2))
        .group("Alarm Text", 2)
            .check("Enable (All)", m.alarmEnable, nullptr).also(toggled(IdToggle::AlarmEnable))
                .name("AlarmEnableAll")
            .check("Blink", m.blink, nullptr).also(toggled(IdToggle::Blink)).name("AlarmBlink")
            .check("Enable Line 1", m.alarmLine[0], nullptr).also(toggled(IdToggle::AlarmLine1))
                .name("AlarmEnableLine1")
            .check("Enable Line 2", m.alarmLine[1], nullptr).also(toggled(IdToggle::AlarmLine2))
                .name("AlarmEnableLine2")
            .check("Enable Line 3", m.alarmLine[2], nullptr).also(toggled(IdToggle::AlarmLine3))
                .name("AlarmEnableLine3")
            .custom("Line 3", LineBox(3))
            .custom("Line 4", LineBox(4))
            .custom("Line 5", LineBox(5))
        .group("Maintenance Mode Text", 1)
            .check("Enable", m.maintenance, nullptr).also(toggled(IdToggle::Maintenance)).name("MaintenanceEnable")
        .column()
        .group("OSD (8270 Camera Only)", 3)
            .label(QString()).hold("Tilt Up", Fixed("PSu5"), Fixed("TSPS")).name("OsdUp").label(QString())
            .hold("Pan Left", Fixed("l5TS"), Fixed("PSTS")).name("OsdLeft").label(QString())
            .hold("Pan Right", Fixed("r5TS"), Fixed("PSTS")).name("OsdRight")
            .label(QString()).hold("Tilt Down", Fixed("PSd5"), Fixed("TSPS")).name("OsdDown").label(QString())
            .row()
            .check("Menu On", m.menuOn, nullptr).also(toggled(IdToggle::MenuOn)).name("MenuOn")
            .button("Enter", Fixed("+s")).name("OsdEnter")
            .button("Clear", Fixed("+c")).name("OsdClear")
            .row()
            .check("OSD FreezeVideo Prorammable Entry Enable", m.freezeEntry, nullptr)
                .also(toggled(IdToggle::FreezeEntry)).name("FreezeEntryEnable").wide()
        .column() // the OSD group keeps its height
        .bottom()
        .group(QString(), 3)
            .button("Clear All IDs", [this] { OnClearAllIds(); })
            .button("Init. All IDs", [this] { OnInitAllIds(); }).name("InitAllIDs")
            .button("Close", [this] { accept(); });
}

// A text line's box: 24 characters, sent when it loses the focus.
LimitedLineEdit* CameraIdDialog::LineBox(int line)
{
    auto* box = new LimitedLineEdit(static_cast<int>(kIdLineLength), this);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(kIdLineLength + 2, QLatin1Char('M'))));
    connect(box, &LimitedLineEdit::focusLost, this, [this, line] { SendLine(line); });
    connect(box, &LimitedLineEdit::tooLong, this, [this] {
        host().prompter().ShowMessage("A maximum of 24 characters is allowed for the Camera ID.", ApplicationTitle());
    });
    lines_[static_cast<size_t>(line - 1)] = box;
    return box;
}

// The check box has flipped its flag: the flags that follow it and the
// command for the new value.
void CameraIdDialog::OnToggled(IdToggle toggle)
{
    Send(IdToggled(m_, toggle));
}

void CameraIdDialog::Send(const IdCommand& command)
{
    if (command.direct)
        host().link().SendCommand(command.text);
    else
        Enqueue(command.text);
}

void CameraIdDialog::SendLine(int line)
{
    const QString text = lines_[static_cast<size_t>(line - 1)]->text();
    host().link().SendCommand(IdLineCommand(m_, line, LineBytes(text)));
}

void CameraIdDialog::Apply(const IdBatch& batch)
{
    for (const IdCommand& c : batch.commands)
        Send(c);
    for (size_t i = 0; i < batch.texts.size(); ++i)
        if (batch.texts[i])
            lines_[i]->setText(QString::fromStdString(*batch.texts[i]));
    Show();
}

void CameraIdDialog::OnClearAllIds()
{
    if (host().prompter().ShowMessage("Do you really want to Clear All IDs?", ApplicationTitle(),
                                      MessageButtons::YesNo, MessageIcon::Stop) != MessageAnswer::Yes)
        return;
    Apply(ClearAllIds(m_));
}

void CameraIdDialog::OnInitAllIds()
{
    timers().Start(kInitTimer, 5);
}

void CameraIdDialog::OnPanelTimer(int id)
{
    timers().Stop(id);
    if (id == kInitTimer)
        Apply(InitAllIds(m_));
}

void CameraIdDialog::PanelClosed()
{
    timers().Stop(kInitTimer);
}
