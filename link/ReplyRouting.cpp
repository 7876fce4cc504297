#include "ReplyRouting.h"

#include "ReplyFields.h"

#include <algorithm>
#include <initializer_list>

namespace {
using Target = ReplyStep::Target;

bool OneOf(int v, std::initializer_list<int> set)
{
    return std::find(set.begin(), set.end(), v) != set.end();
}

ReplyStep Console(ConsoleDecoder decoder)
{
    ReplyStep s;
    s.decoder = decoder;
    return s;
}

ReplyStep Window(ReplyWindow window, bool download = false)
{
    ReplyStep s;
    s.target = Target::Window;
    s.window = window;
    s.download = download;
    return s;
}

// Appends the window when it is open; true when it was.
bool ToOpen(ReplyRoute& route, const ReplyContext& c, ReplyWindow window, bool download = false)
{
    if (!c.IsOpen(window))
        return false;
    route.Add(Window(window, download));
    return true;
}

// A window that waits for its answer (flag set) takes it and clears the flag.
bool ToWaiting(ReplyRoute& route, const ReplyContext& c, ReplyWindow window, bool pending, PendingFlag flag)
{
    if (!pending || !c.IsOpen(window))
        return false;
    route.Add(Window(window));
    route.clears = flag;
    return true;
}

constexpr std::initializer_list<int> kDayNightCameras = {3, 6, 7, 11, 15, 16, 18};

// The privacy zone dialog's zone status, colour and size replies: "cs"
// and the item letter 'Z', 'C', 'h' or 'v'. They mean nothing to anyone
// else, so the open dialog takes them whether or not it still waits.
bool ToPrivacyZone(ReplyRoute& r, const uint8_t* frame, size_t length, const ReplyContext& c)
{
    if (!c.IsOpen(ReplyWindow::PrivacyZone) || ReplyTextEnd(frame, length) < 5 || frame[3] != 's')
        return false;
    const uint8_t item = frame[4];
    if (item != 'Z' && item != 'C' && item != 'h' && item != 'v')
        return false;
    r.Add(Window(ReplyWindow::PrivacyZone));
    if (c.flags.privacyReplyPending)
        r.clears = PendingFlag::Privacy;
    return true;
}

void RouteC(ReplyRoute& r, const uint8_t* frame, size_t length, const ReplyContext& c)
{
    const uint8_t sub = length > 3 ? frame[3] : 0;
    if (sub == 'P') {
        if (!ToWaiting(r, c, ReplyWindow::PrivacyZone, c.flags.privacyReplyPending, PendingFlag::Privacy))
            r.Add(Console(ConsoleDecoder::Position));
        return;
    }
    if (ToPrivacyZone(r, frame, length, c))
        return;
    if (sub == 'V' && ToWaiting(r, c, ReplyWindow::DayNight, c.flags.panelReplyPending, PendingFlag::Panel))
        return;
    const int cam = c.cameraType;
    if (cam == 1) {
        ToWaiting(r, c, ReplyWindow::Dsp7100, c.flags.dsp7100ReplyPending, PendingFlag::Dsp7100);
    } else if (cam == 2) {
        if (!ToWaiting(r, c, ReplyWindow::Dsp723x, c.flags.dsp723xReplyPending, PendingFlag::Dsp723x))
            r.Add(Console(ConsoleDecoder::FocusReport));
    } else if (cam == 4 || cam == 10) {
        ToOpen(r, c, ReplyWindow::Dsp7440);
    } else if (cam == 5) {
        ToOpen(r, c, ReplyWindow::ThermalControls);
    } else if (cam == 13) {
        // The HiDef panel takes its camera's replies while it is open; the
        // one it waited for clears its flag.
        if (ToOpen(r, c, ReplyWindow::HiDef) && c.flags.panelReplyPending)
            r.clears = PendingFlag::Panel;
    } else if (OneOf(cam, kDayNightCameras)) {
        if (!ToWaiting(r, c, ReplyWindow::DayNight, c.flags.panelReplyPending, PendingFlag::Panel))
            r.Add(Console(sub == 'L' ? ConsoleDecoder::FocusReport : ConsoleDecoder::ShiftedStatus));
    }
}

// Heater 't', freeze 'f' and enhanced preset 'o' answer the "Other
// Maintenance" window's queries; the lens maintenance dialog has them when
// that window is not the one open.
ReplyWindow Maintenance(const ReplyContext& c)
{
    return c.IsOpen(ReplyWindow::OtherMaintenance) ? ReplyWindow::OtherMaintenance : ReplyWindow::LensMaintenance;
}

void RouteM(ReplyRoute& r, uint8_t sub, const ReplyContext& c)
{
    // The lens maintenance dialog waits for the answer to what it asked:
    // that answer is its own, whatever window the letters would name.
    if (ToWaiting(r, c, ReplyWindow::LensMaintenance, c.flags.panelReplyPending, PendingFlag::Panel))
        return;
    const int rx = c.receiverType;
    const bool lens = sub == 't' || sub == 'f' || sub == 'o';
    if (OneOf(rx, {5, 6, 7, 11, 13, 14})) {
        ToOpen(r, c, lens ? Maintenance(c)
                     : sub == 'w' ? ReplyWindow::WiperSetup
                     : sub == 'W' ? ReplyWindow::WasherSetup
                                  : ReplyWindow::Setup);
    } else if (rx == 12) {
        // The washer's report reaches the "Wash Setup" window this type
        // opens too (the 55X lens panel is never open beside it).
        if (sub == 's' || sub == 'R')
            r.Add(Console(ConsoleDecoder::VideoFlags));
        else if (!(sub == 'W' && ToOpen(r, c, ReplyWindow::WasherSetup)))
            ToOpen(r, c, sub == 'w' ? ReplyWindow::WiperSetup
                         : lens     ? Maintenance(c)
                         : sub == 'S' ? ReplyWindow::Setup
                                      : ReplyWindow::Lens55X);
    } else if (rx == 8 || rx == 10) {
        ToOpen(r, c, sub == 'S' ? ReplyWindow::Setup : ReplyWindow::Lens55X);
    }
}

void RouteBinary(ReplyRoute& r, const uint8_t* frame, size_t length, const ReplyContext& c)
{
    const ReplyFlags& f = c.flags;
    if (f.panelReplyPending && c.queuedPanelOpen) {
        ReplyStep s;
        s.target = Target::QueuedPanel;
        r.Add(s);
        r.clears = PendingFlag::Panel;
    } else if (ToWaiting(r, c, ReplyWindow::Dsp7100, f.dsp7100ReplyPending, PendingFlag::Dsp7100) ||
               ToWaiting(r, c, ReplyWindow::Dsp723x, f.dsp723xReplyPending, PendingFlag::Dsp723x) ||
               ToWaiting(r, c, ReplyWindow::PrivacyZone, f.privacyReplyPending, PendingFlag::Privacy)) {
    } else if (f.searchWaitsForBinary) {
        r.Add(Console(ConsoleDecoder::SearchContinue));
        r.clears = PendingFlag::SearchBinary;
    } else if (length >= 2 && (frame[1] == 8 || frame[1] == 10)) {
        r.Add(Console(ConsoleDecoder::BinaryStatus));
    }
}
} // namespace

ReplyRoute RouteReply(const uint8_t* frame, size_t length, const ReplyContext& c)
{
    ReplyRoute r;
    if (length == 0)
        return r;
    if (frame[0] == 0xFF) {
        RouteBinary(r, frame, length, c);
        return r;
    }
    if (length < 3)
        return r;
    const uint8_t letter = frame[2];
    const uint8_t sub = length > 3 ? frame[3] : 0;
    switch (letter) {
    case 'A':
        r.Add(Console(ConsoleDecoder::Address));
        break;
    case 'C': case 'J': case 'R': case 'S': case 'f': case 'h': case 'j': case 'r': case 's':
        ToOpen(r, c, ReplyWindow::Setup);
        break;
    case 'P':
        if (c.lastCommandSecondChar == '?')
            r.Add(Console(ConsoleDecoder::PositionStatus));
        else
            ToOpen(r, c, ReplyWindow::Setup);
        break;
    case 'H': case 'L': case 'V':
        r.Add(Console(ConsoleDecoder::PositionStatus));
        break;
    case 'b':
        // The 8270 panel's answers carry the class letter b: while it waits
        // they are its own, not a status for the console.
        if (ToWaiting(r, c, ReplyWindow::Dsp8270, c.flags.panelReplyPending, PendingFlag::Panel))
            break;
        if (c.IsOpen(ReplyWindow::Dsp723x)) {
            r.Add(Console(ConsoleDecoder::Status));
            r.Add(Window(ReplyWindow::Dsp723x));
            if (c.flags.dsp723xReplyPending)
                r.clears = PendingFlag::Dsp723x;
        } else if (!ToOpen(r, c, ReplyWindow::Setup)) {
            r.Add(Console(ConsoleDecoder::Status));
        }
        break;
    case 'c':
        RouteC(r, frame, length, c);
        break;
    case 'd':
        if (!ToOpen(r, c, ReplyWindow::Setup) &&
            !ToOpen(r, c, ReplyWindow::ToursSectors, c.flags.downloadActive))
            r.Add(Console(ConsoleDecoder::PresetId));
        break;
    case 'm':
        RouteM(r, sub, c);
        break;
    case 't':
        // Whichever thermal panel the console opened for its camera type
        // (5, 6 and 9 "Thermal Controls"; 15, 16 and 18 "Thermal Control").
        if (!ToOpen(r, c, ReplyWindow::ThermalControls))
            ToOpen(r, c, ReplyWindow::ThermalControl);
        ToOpen(r, c, ReplyWindow::Illuminator);
        break;
    case '*':
        // The park setting ("*XP…") answers "Other Maintenance".
        if (!(sub == 'X' && (ToOpen(r, c, ReplyWindow::OtherMaintenance) ||
                             ToOpen(r, c, ReplyWindow::LensMaintenance))))
            ToOpen(r, c, ReplyWindow::ToursSectors, c.flags.downloadActive);
        break;
    case 'i':
        ToOpen(r, c, ReplyWindow::Illuminator);
        break;
    default:
        break;
    }
    return r;
}
