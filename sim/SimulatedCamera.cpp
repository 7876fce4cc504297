#include "SimulatedCamera.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>

namespace {
std::string Digits(int value, int width)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

char Digit(int value)
{
    return static_cast<char>('0' + (value & 0x0F));
}

// A Day/Night value sent as one character: the value plus 16.
char Offset16(int value)
{
    return static_cast<char>(value + 16);
}

bool IsZoomPosition(const std::string& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
}

// Speeds in 12-bit steps per millisecond: full proportional pan or tilt
// turns the dome once in about eight seconds; the zone pad moves at half
// of that. The lens runs end to end in 16, 8 or 4 seconds.
constexpr double kFullRate = 0.5;
constexpr double kZoneRate = 0.25;
constexpr double kLensRates[3] = {0.25, 0.5, 1.0};
constexpr int kNudgeSteps = 8;
constexpr int kNameLength = 24;

int DecimalFromHex(int hex)
{
    return static_cast<int>(std::lround(hex * 3600.0 / 4096.0));
}

int HexFromDecimal(int tenths)
{
    return std::clamp(static_cast<int>(std::lround(tenths * 4096.0 / 3600.0)), 0, SimulatedCamera::kHexMax);
}

int WrapTenths(int tenths)
{
    return ((tenths % 3600) + 3600) % 3600;
}

// A position digit as the console sends it: 0 to F as the characters 0x30
// to 0x3F; a plain hex letter is taken too.
std::optional<int> HexDigit(char c)
{
    if (c >= 0x30 && c <= 0x3F)
        return c - 0x30;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

std::optional<int> ReadNumber(const std::string& text, size_t at, size_t width, int base)
{
    if (at + width > text.size())
        return std::nullopt;
    int value = 0;
    for (size_t i = at; i < at + width; ++i) {
        const std::optional<int> d = HexDigit(text[i]);
        if (!d || *d >= base)
            return std::nullopt;
        value = value * base + *d;
    }
    return value;
}

// A speed character as a share of full speed: '0' to '?' for speeds 0 to
// 15; with a speed limit above 15 the console sends 0x10 + speed (up to
// 46, of which 0x30 to 0x3E read as the small scale) and '1' + speed.
std::optional<double> SpeedShare(char c)
{
    const int b = static_cast<unsigned char>(c);
    if (b >= 0x30 && b <= 0x3F)
        return (b - 0x30) / 15.0;
    if (b >= 0x10 && b < 0x30)
        return (b - 0x10) / 63.0;
    if (b >= 0x60 && b <= 0x70)
        return (b - 0x31) / 63.0;
    return std::nullopt;
}

// Pan part of a motion text: "PL", "PR", "PS" or 'l'/'r' and a speed.
std::optional<double> PanRate(char a, char b)
{
    if (a == 'P')
        return b == 'L' ? std::optional(-kZoneRate) : b == 'R' ? std::optional(kZoneRate)
                                                    : b == 'S' ? std::optional(0.0) : std::nullopt;
    if (a != 'l' && a != 'r')
        return std::nullopt;
    const std::optional<double> share = SpeedShare(b);
    if (!share)
        return std::nullopt;
    return (a == 'l' ? -kFullRate : kFullRate) * *share;
}

// Tilt part: "TU", "TD", "TS" or 'u'/'d' and a speed; up counts upwards.
std::optional<double> TiltRate(char a, char b)
{
    if (a == 'T')
        return b == 'U' ? std::optional(kZoneRate) : b == 'D' ? std::optional(-kZoneRate)
                                                    : b == 'S' ? std::optional(0.0) : std::nullopt;
    if (a != 'u' && a != 'd')
        return std::nullopt;
    const std::optional<double> share = SpeedShare(b);
    if (!share)
        return std::nullopt;
    return (a == 'd' ? -kFullRate : kFullRate) * *share;
}

// A stored name is kept printable, so that no byte of it can end or break
// the reply frame that carries it.
std::string CleanName(const std::string& text)
{
    std::string name = text.substr(0, kNameLength);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E)
            c = ' ';
    return name;
}

// A preset character as a dome reads it in its preset queries: code - 16
// for 16 to 63, code - 49 for 96 to 112 (so 63 and 96 both name 47).
int DomePresetIndex(uint8_t c)
{
    if (c >= 16 && c <= 63)
        return c - 16;
    if (c >= 96 && c <= 112)
        return c - 49;
    return -1;
}

bool SendsPresetWithName(int receiverType)
{
    return receiverType < 0 || receiverType > 2;
}
} // namespace

SimulatedCamera::SimulatedCamera(const Clock& clock, SimOptions options)
    : SimulatedReceiver(clock, options), thermalCore_(options.cameraType == 15), lastTick_(clock.TickCount())
{
    for (int i = 0; i < kPresetCount; ++i) {
        Preset& p = presets_[static_cast<size_t>(i)];
        p.name = "Preset " + std::to_string(i + 1);
        // Never stored: spread round the dome, so that a tour still moves.
        p.pan = (i * 0x100) & kHexMax;
        p.tilt = 0x100;
        p.focus = 0x800;
    }
    for (int& v : published_)
        v = -1;
    Adopt();
    Publish();
}

char SimulatedCamera::LatchCharacter() const
{
    return static_cast<char>('0' | (state_.manualIris ? 1 : 0) | (state_.cameraPower ? 2 : 0) |
                             (state_.lensFast ? 4 : 0) | (state_.autoFocusOnPtz ? 8 : 0));
}

int SimulatedCamera::PresetIndex(uint8_t c) const
{
    const int rx = options().receiverType;
    if (rx == 0 || rx == 1 || rx == 2 || rx == 10)
        return c >= '0' && c < '0' + kPresetCount ? c - '0' : -1;
    if (c >= 0x10 && c <= 0x10 + 46)
        return c - 0x10;
    if (c >= '1' + 47 && c <= '1' + 63)
        return c - '1';
    return -1;
}

char SimulatedCamera::PresetCharacter(int index) const
{
    const int rx = options().receiverType;
    if (rx == 0 || rx == 1 || rx == 2 || rx == 10)
        return static_cast<char>('0' + index);
    return static_cast<char>(index <= 46 ? 0x10 + index : '1' + index);
}

void SimulatedCamera::Handle(const SimFrameReader::Frame& frame)
{
    Update();
    // The address search polls one address after the other with "L?H?":
    // only a poll of this camera's own address is answered.
    if (frame.kind == SimFrameReader::Kind::Ascii && frame.text == "L?H?" &&
        frame.address != (options().address & 0xFF))
        return;
    if (frame.kind == SimFrameReader::Kind::Binary)
        HandleRecord(frame.text);
    else
        HandleText(frame.text);
    Publish();
}

// Takes what was set directly in the State since the last update.
void SimulatedCamera::Adopt()
{
    if (state_.pan != published_[kPan])
        position_[kPan] = HexFromDecimal(WrapTenths(state_.pan));
    if (state_.tilt != published_[kTilt])
        position_[kTilt] = HexFromDecimal(std::clamp(state_.tilt, 0, 3599));
    if (state_.zoom != published_[kZoom])
        position_[kZoom] = std::clamp(state_.zoom, 0, kHexMax);
    if (state_.focus != published_[kFocus])
        position_[kFocus] = std::clamp(state_.focus, 0, kHexMax);
}

void SimulatedCamera::Publish()
{
    published_[kPan] = state_.pan = DecimalFromHex(Hex(kPan));
    published_[kTilt] = state_.tilt = DecimalFromHex(Hex(kTilt));
    published_[kZoom] = state_.zoom = Hex(kZoom);
    published_[kFocus] = state_.focus = Hex(kFocus);
}

int SimulatedCamera::Hex(Axis axis) const
{
    const int v = static_cast<int>(std::lround(position_[axis]));
    if (axis == kPan)
        return v & kHexMax; // 4096 is 0 again
    return std::clamp(v, 0, kHexMax);
}

void SimulatedCamera::Update()
{
    Adopt();
    const uint32_t now = clock().TickCount();
    uint32_t elapsed = now - lastTick_;
    lastTick_ = now;
    while (state_.tourRunning && elapsed >= tourWait_) {
        Advance(tourWait_);
        elapsed -= tourWait_;
        TourStep();
        tourWait_ = kTourDwellMs;
    }
    if (state_.tourRunning)
        tourWait_ -= elapsed;
    Advance(elapsed);
    Publish();
}

// Moves every axis on at its rate: pan turns round, the others stop at
// their ends.
void SimulatedCamera::Advance(uint32_t ms)
{
    for (int a = 0; a < kAxes; ++a) {
        if (rate_[a] == 0)
            continue;
        double& p = position_[a];
        p += rate_[a] * ms;
        if (a == kPan) {
            p = std::fmod(p, kHexMax + 1.0);
            if (p < 0)
                p += kHexMax + 1.0;
        } else if (p < 0 || p > kHexMax) {
            p = std::clamp(p, 0.0, static_cast<double>(kHexMax));
            rate_[a] = 0;
        }
    }
}

void SimulatedCamera::MoveTo(int pan, int tilt, int zoom, int focus)
{
    const int values[kAxes] = {pan, tilt, zoom, focus};
    for (int a = 0; a < kAxes; ++a) {
        if (values[a] < 0)
            continue; // this axis stays
        position_[a] = std::clamp(values[a], 0, kHexMax);
        rate_[a] = 0;
    }
}

void SimulatedCamera::Nudge(Axis axis, int steps)
{
    rate_[axis] = 0;
    const int to = Hex(axis) + steps;
    position_[axis] = axis == kPan ? (to + kHexMax + 1) & kHexMax : std::clamp(to, 0, kHexMax);
}

// A camera tour goes through the stored presets in order, or presets 0 to
// 3 when none is stored.
void SimulatedCamera::TourStep()
{
    int next = -1;
    for (int i = 0; i < kPresetCount; ++i) {
        if (!presets_[static_cast<size_t>(i)].stored)
            continue;
        if (next < 0 || (i > tourPreset_ && next <= tourPreset_))
            next = i;
    }
    if (next < 0)
        next = tourPreset_ >= 0 && tourPreset_ < 3 ? tourPreset_ + 1 : 0;
    const Preset& p = presets_[static_cast<size_t>(next)];
    MoveTo(p.pan, p.tilt, p.zoom, p.focus);
    tourPreset_ = next;
}

std::string SimulatedCamera::AddressReply() const
{
    const int address = options().address;
    return "A" + Digits(address, address >= 10000 ? 5 : address >= 1000 ? 4 : 3);
}

// 'b' status: fields at fixed places from the letter on, '0' between them.
std::string SimulatedCamera::StatusReply() const
{
    std::string t(38, '0');
    t[0] = 'b';
    t[1] = 'L';
    t[2] = LatchCharacter();
    t[3] = 'A';
    t[4] = Digit(state_.manualFocus);
    t[9] = 'P';
    t[10] = Digit(options().protocol);
    t[11] = 'v';
    t[12] = Digit(state_.videoType);
    t[13] = 'p';
    t[14] = Digit(state_.lineLockPhase);
    t[36] = 'F';
    t[37] = state_.freeze;
    if (options().cameraType == 12) {
        // The 8270's full record: its settings follow at fixed places.
        std::string record = t.substr(1);
        record.resize(SimDsp8270::kStatusLength, '0');
        dsp8270_.WriteStatus(record);
        t = "b" + record;
    }
    return t;
}

// 'c' status of the Day/Night cameras. The console reads latch, focus,
// protocol, video type, line lock and freeze at fixed places (their
// letters 11, 13, 19, 21, 23 and 25 places from the 'c'); the Day/Night
// panel reads the text after the 'c' as letter/value pairs, so the fields
// around them are pairs too:
//   M S W B Y L A D C P v p F k w n s(two values) G
// 'G' comes last: the panel follows it with "cAS", the rest of its opening
// exchange.
std::string SimulatedCamera::ShiftedStatusReply() const
{
    const Dsp& d = state_.dsp;
    std::string t = "c";
    auto pair = [&t](char letter, char value) {
        t += letter;
        t += value;
    };
    pair('M', Digit(d.dayNight));
    pair('S', Digit(d.shutter));
    pair('W', Digit(d.whiteBalance));
    pair('B', Digit(d.blc));
    pair('Y', Digit(d.wdr));
    pair('L', LatchCharacter());
    pair('A', Digit(state_.manualFocus));
    pair('D', Digit(d.digitalZoom));
    pair('C', Digit(d.baud));
    pair('P', Digit(options().protocol));
    pair('v', Digit(state_.videoType));
    pair('p', Digit(state_.lineLockPhase));
    pair('F', state_.freeze == '1' ? 'O' : 'o');
    pair('k', Digit(d.slowLimit));
    pair('w', Digit(d.indoor));
    pair('n', Digit(d.poll));
    pair('s', d.progressive ? 'O' : 'o');
    t += Digit(d.field);
    pair('G', Offset16(d.maxAgc));
    return t;
}

// "cAS": the aperture mode after 'A', then the horizontal and vertical
// values, each after its letter, 3 and 5 places after 'A'.
std::string SimulatedCamera::ApertureReply() const
{
    const Dsp& d = state_.dsp;
    return std::string("cA") + Digit(d.apertureMode) + 'H' + Offset16(d.apertureH) + 'V' + Offset16(d.apertureV);
}

std::string SimulatedCamera::PositionReply() const
{
    const int width = options().receiverType == 9 ? 5 : 4;
    return "cP" + Digits(state_.pan, width) + Digits(state_.tilt, width);
}

// "P?" and "V?": a letter and two 12-bit values, each as three characters
// 0x30 plus a nibble, most significant first.
std::string SimulatedCamera::HexReply(char letter, Axis first, Axis second) const
{
    std::string t(1, letter);
    for (Axis a : {first, second}) {
        const int v = Hex(a);
        for (int shift = 8; shift >= 0; shift -= 4)
            t += static_cast<char>(0x30 + ((v >> shift) & 0x0F));
    }
    return t;
}

// "H?": latch status after 'L' at +2, focus mode after 'A' at +4, receiver
// status after 'X' at +6.
std::string SimulatedCamera::HeadReply() const
{
    return std::string("H0L") + LatchCharacter() + 'A' + Digit(state_.manualFocus) + 'X' + state_.receiverStatus;
}

// 'd' reply: "dS", the preset character and the name padded to 24, so the
// name stands at frame offset 5.
std::string SimulatedCamera::PresetNameReply(int index) const
{
    std::string name = presets_[static_cast<size_t>(index)].name;
    name.resize(kNameLength, ' ');
    return std::string("dS") + PresetCharacter(index) + name;
}

void SimulatedCamera::HandleText(const std::string& text)
{
    if (text.empty())
        return;
    std::string reply;
    if (IsDome() && HandleDome(text))
        return;
    const int rx = options().receiverType, camera = options().cameraType;
    const bool maintained = rx == 5 || rx == 6 || rx == 7 || rx == 11 || rx == 12 || rx == 13 || rx == 14;
    // One NVRAM for both maintenance windows: each keeps its count of clears.
    if (text == "rrRRRR") {
        if (maintained)
            maintenance_.Handle(text, reply);
        HandleLens(text);
        return;
    }
    if ((camera == 1 && dsp7100_.Handle(text, reply)) ||
        (camera == 2 && dsp723x_.Handle(text, state_.manualIris, state_.manualFocus, reply)) ||
        ((camera == 4 || camera == 10) && dsp7440_.Handle(text, reply)) ||
        (camera == 12 && dsp8270_.Handle(text, reply)) || (camera == 13 && hiDef_.Handle(text, reply)) ||
        ((camera == 15 || camera == 16 || camera == 18) && thermalCore_.Handle(text, reply)) ||
        ((camera == 5 || camera == 6 || camera == 9) && thermalCamera_.Handle(text, reply)) ||
        (maintained && maintenance_.Handle(text, reply))) {
        if (!reply.empty())
            Reply(reply);
        return;
    }
    if (HandlePrivacy(text) || HandleLens(text) || cameraId_.Handle(text) || azimuth_.Handle(text))
        return;
    if (text == "P?")
        Reply(HexReply('P', kPan, kTilt));
    else if (text == "V?")
        Reply(HexReply('V', kZoom, kFocus));
    else if (text == "H?")
        Reply(HeadReply());
    else if (text == "mss")
        Reply(std::string("ms") + Digit(state_.videoSource));
    else if (text == "mRS")
        Reply(state_.leftReversed ? "mR1" : "mR0");
    else if (text == "ms0" || text == "ms1")
        state_.videoSource = text[2] - '0';
    else if (text == "mR0" || text == "mR1")
        state_.leftReversed = text[2] == '1';
    else if (text == "rs") {
        state_.cameraPower = true;
        state_.lensFast = state_.manualIris = state_.autoFocusOnPtz = false;
        state_.tourRunning = false;
        for (double& r : rate_)
            r = 0;
    } else if (text.size() >= 2 && text.compare(0, 2, "As") == 0) {
        const std::optional<int> address =
            text.size() == 5 || text.size() == 7 ? ReadNumber(text, 2, text.size() - 2, 10) : std::nullopt;
        if (address)
            SetAddress(*address);
    } else if (text == "A?")
        Reply(AddressReply());
    else if (text == "L?" || text == "L?H?")
        Reply(std::string("L") + LatchCharacter());
    else if (text == "bDS")
        Reply(StatusReply());
    else if (text == "cDS")
        Reply(ShiftedStatusReply());
    else if (text == "cPS")
        Reply(PositionReply());
    else if (text == "LP")
        state_.cameraPower = !state_.cameraPower;
    else if (text == "LL")
        state_.lensFast = !state_.lensFast;
    else if (text == "LM")
        state_.manualIris = !state_.manualIris;
    else if (text == "L6")
        state_.autoFocusOnPtz = !state_.autoFocusOnPtz;
    else if (text == "cIM" || text == "cIA" || text == "bIM" || text == "bIA")
        state_.manualIris = text[2] == 'M';
    else if (text == "cFM" || text == "cFA") {
        state_.manualFocus = text[2] == 'M';
        Reply(state_.manualFocus ? "cL1" : "cL0");
    } else if (text == "bFM" || text == "bFA")
        state_.manualFocus = text[2] == 'M';
    else if (!HandleSetup(text) && !HandleDsp(text) && !HandleMotion(text) && !HandlePreset(text) && !HandlePosition(text))
        HandleTour(text);
}

// The 55X lens, and the lens maintenance settings of the receivers that
// keep them. On receiver type 12 "mR" is the left picture's reversal.
bool SimulatedCamera::HandleLens(const std::string& text)
{
    if (options().cameraType == 17) {
        if (lens55x_.Handle(text))
            return true;
        if (text == "L1") {
            state_.manualFocus = !state_.manualFocus;
            return true;
        }
    }
    const int rx = options().receiverType;
    if (rx != 8 && rx != 10 && rx != 12 && rx != 13)
        return false;
    if (rx == 12 && text.compare(0, 2, "mR") == 0)
        return false;
    std::string reply;
    if (!lensMaintenance_.Handle(text, state_.lineLockPhase, reply))
        return false;
    if (!reply.empty())
        Reply(reply);
    return true;
}

bool SimulatedCamera::HandleMotion(const std::string& text)
{
    if (text.size() == 4) {
        const std::optional<double> pan = PanRate(text[0], text[1]);
        const std::optional<double> tilt = TiltRate(text[2], text[3]);
        if (!pan || !tilt)
            return false;
        rate_[kPan] = *pan;
        rate_[kTilt] = *tilt;
        return true;
    }
    if (text.size() == 2) {
        if (const std::optional<double> pan = PanRate(text[0], text[1]); pan && text[0] == 'P') {
            rate_[kPan] = *pan;
            return true;
        }
        if (const std::optional<double> tilt = TiltRate(text[0], text[1]); tilt && text[0] == 'T') {
            rate_[kTilt] = *tilt;
            return true;
        }
        struct Nudging {
            const char* older;
            const char* newer;
            Axis axis;
            int steps;
        };
        static constexpr Nudging nudges[] = {{"ln", "nl", kPan, -kNudgeSteps},
                                             {"rn", "nr", kPan, kNudgeSteps},
                                             {"un", "nu", kTilt, kNudgeSteps},
                                             {"dn", "nd", kTilt, -kNudgeSteps}};
        for (const Nudging& n : nudges)
            if (text == n.older || text == n.newer) {
                Nudge(n.axis, n.steps);
                return true;
            }
    }
    // The lens: "ZI"/"ZO" and "FF"/"FN" at the lens speed, "cZ", "cz",
    // "cF" and "cN" with a speed digit 0 to 2, stopped by "ZS", "cZs",
    // "FS" or "cFs".
    const double plain = kLensRates[state_.lensFast ? 2 : 1];
    if (text == "ZI" || text == "ZO") {
        rate_[kZoom] = text[1] == 'I' ? plain : -plain;
        return true;
    }
    if (text == "FF" || text == "FN") {
        rate_[kFocus] = text[1] == 'F' ? plain : -plain;
        return true;
    }
    if (text == "ZS" || text == "cZs") {
        rate_[kZoom] = 0;
        return true;
    }
    if (text == "FS" || text == "cFs") {
        rate_[kFocus] = 0;
        return true;
    }
    if (text.size() == 3 && text[0] == 'c' && text[2] >= '0' && text[2] <= '2') {
        const double rate = kLensRates[text[2] - '0'];
        switch (text[1]) {
        case 'Z': rate_[kZoom] = rate; return true;
        case 'z': rate_[kZoom] = -rate; return true;
        case 'F': rate_[kFocus] = rate; return true;
        case 'N': rate_[kFocus] = -rate; return true;
        default: break;
        }
    }
    return false;
}

// "P" and "H" with a preset character store and recall; "dP" names a
// preset; "cdS" asks for a name.
bool SimulatedCamera::HandlePreset(const std::string& text)
{
    if (text.size() == 2 && (text[0] == 'P' || text[0] == 'H')) {
        const int index = PresetIndex(static_cast<uint8_t>(text[1]));
        if (index < 0)
            return false;
        Preset& p = presets_[static_cast<size_t>(index)];
        if (text[0] == 'P') {
            p.stored = true;
            p.pan = Hex(kPan);
            p.tilt = Hex(kTilt);
            p.zoom = Hex(kZoom);
            p.focus = Hex(kFocus);
        } else {
            MoveTo(p.pan, p.tilt, p.zoom, p.focus);
        }
        lastPreset_ = index;
        return true;
    }
    if (text.size() >= 2 && text.compare(0, 2, "dP") == 0) {
        // Receiver types 0 to 2 name the preset last used.
        int index = lastPreset_;
        size_t nameAt = 2;
        if (SendsPresetWithName(options().receiverType)) {
            index = text.size() > 2 ? PresetIndex(static_cast<uint8_t>(text[2])) : -1;
            nameAt = 3;
        }
        if (index < 0)
            return true; // not a preset: nothing to name
        presets_[static_cast<size_t>(index)].name = CleanName(text.substr(std::min(nameAt, text.size())));
        lastPreset_ = index;
        return true;
    }
    if (text.compare(0, 3, "cdS") == 0 && text.size() <= 4) {
        const int index = text.size() == 4 ? PresetIndex(static_cast<uint8_t>(text[3])) : lastPreset_;
        if (index < 0)
            return true;
        lastPreset_ = index;
        Reply(PresetNameReply(index));
        return true;
    }
    return false;
}

// "p" + pan + tilt (three or four hex digits each), "cp" + pan + tilt (four
// decimal digits each, tenths of a degree) and "v" + zoom + focus (three
// hex digits each) move there at once. A field that is not a number leaves
// the camera where it is.
bool SimulatedCamera::HandlePosition(const std::string& text)
{
    if (text[0] == 'p' && (text.size() == 7 || text.size() == 9)) {
        const size_t width = (text.size() - 1) / 2;
        const std::optional<int> pan = ReadNumber(text, 1, width, 16);
        const std::optional<int> tilt = ReadNumber(text, 1 + width, width, 16);
        if (pan && tilt)
            MoveTo(std::min(*pan, kHexMax), std::min(*tilt, kHexMax), -1, -1);
        return true;
    }
    if (text.size() == 10 && text.compare(0, 2, "cp") == 0) {
        const std::optional<int> pan = ReadNumber(text, 2, 4, 10);
        const std::optional<int> tilt = ReadNumber(text, 6, 4, 10);
        if (pan && tilt)
            MoveTo(HexFromDecimal(WrapTenths(*pan)), HexFromDecimal(std::min(*tilt, 3599)), -1, -1);
        return true;
    }
    if (text[0] == 'v' && text.size() == 7) {
        const std::optional<int> zoom = ReadNumber(text, 1, 3, 16);
        const std::optional<int> focus = ReadNumber(text, 4, 3, 16);
        if (zoom && focus)
            MoveTo(-1, -1, *zoom, *focus);
        return true;
    }
    return false;
}

// The Day/Night DSP settings. Most are a prefix and one value character,
// '0' plus an index, the value plus 16 or the raw byte; some of them are
// asked for with the prefix and 'S' and answered with the prefix and the
// value, so the value set in one opening of the panel is read in the next.
bool SimulatedCamera::HandleDsp(const std::string& text)
{
    Dsp& d = state_.dsp;
    struct Setting {
        const char* prefix;
        int* value;
        int lo, hi;
        int zero;     // the character code of value 0
        bool answers; // prefix + 'S' asks for it
    };
    const Setting settings[] = {
        {"cM", &d.dayNight, 0, 2, '0', false},      {"cS", &d.shutter, 0, 15, '0', false},
        {"ck", &d.slowLimit, 0, 5, '0', false},     {"cW", &d.whiteBalance, 0, 2, '0', false},
        {"cw", &d.indoor, 0, 1, '0', false},        {"cWL", &d.lightLevel, 0, 1, '0', true},
        {"cWSD", &d.dayShutter, 0, 10, '0', true},  {"cWSN", &d.nightShutter, 0, 10, '0', true},
        {"cA", &d.apertureMode, 0, 1, '0', false},  {"cAH", &d.apertureH, 1, 31, 16, false},
        {"cAV", &d.apertureV, 1, 31, 16, false},    {"cG", &d.maxAgc, 1, 40, 16, true},
        {"cY", &d.wdr, 0, 1, '0', false},           {"cE", &d.eis, 0, 1, '0', true},
        {"cEF", &d.eisFrequency, 0, 1, '0', true},  {"cD", &d.digitalZoom, 0, 4, '0', false},
        {"cZm", &d.magnification, 1, 35, 0, true},  {"cB", &d.blc, 0, 1, '0', false},
        {"cC", &d.baud, 0, 3, '0', false},          {"cn", &d.poll, 0, 1, '0', false},
        {"Lp", &state_.lineLockPhase, 0, 6, '0', false},
    };
    for (const Setting& s : settings) {
        const size_t n = std::char_traits<char>::length(s.prefix);
        if (text.size() != n + 1 || text.compare(0, n, s.prefix) != 0)
            continue;
        const int v = static_cast<unsigned char>(text[n]) - s.zero;
        if (v >= s.lo && v <= s.hi) {
            *s.value = v;
            if (s.value == &d.eis && v == 1)
                d.digitalZoom = 0; // EIS and digital zoom exclude each other
            return true;
        }
        if (s.answers && text[n] == 'S') {
            Reply(s.prefix + std::string(1, static_cast<char>(s.zero + *s.value)));
            return true;
        }
    }
    if (text == "cAS")
        Reply(ApertureReply());
    else if (text == "cEPS")
        Reply("cEP0");
    else if (text == "cVS")
        Reply("cV" + d.zoomPosition);
    else if (text.size() == 6 && text.compare(0, 2, "cV") == 0) {
        if (IsZoomPosition(text.substr(2)))
            d.zoomPosition = text.substr(2);
    } else if (text == "cFF")
        state_.freeze = state_.freeze == '1' ? '0' : '1';
    else if (text == "cFo" || text == "cFO")
        state_.freeze = text[2] == 'O' ? '1' : '0';
    else if (text == "cso" || text == "csO")
        d.progressive = text[2] == 'O';
    else if (text == "cse" || text == "csE")
        d.field = text[2] == 'E';
    else if (text == ":E" || text == ":D")
        d.enableRx = text[1] == 'E';
    else {
        // White-balance gains and BLC level and speed: nothing to keep.
        static constexpr const char* kAccepted[] = {"cWR", "cWr", "cWB", "cWb", "cWQ", "cBi", "cBd", "cBs", "cBf"};
        return std::any_of(std::begin(kAccepted), std::end(kAccepted), [&](const char* a) { return text == a; });
    }
    return true;
}

bool SimulatedCamera::HandlePrivacy(const std::string& text)
{
    static constexpr int kDayNightCameras[] = {3, 6, 7, 11, 15, 16, 18};
    if (std::find(std::begin(kDayNightCameras), std::end(kDayNightCameras), options().cameraType) ==
        std::end(kDayNightCameras))
        return false;
    const SimPrivacyZones::Result r = privacy_.Handle(text, {state_.pan, state_.tilt});
    if (!r.handled)
        return false;
    if (r.moveTo)
        MoveTo(HexFromDecimal(WrapTenths(r.moveTo->pan)), HexFromDecimal(std::clamp(r.moveTo->tilt, 0, 3599)), -1, -1);
    if (!r.reply.empty())
        Reply(r.reply);
    return true;
}

// "*TS" + ('1' + zone) + '1' starts the zone's tour at its first preset;
// '0' in place of the last '1' stops it.
bool SimulatedCamera::HandleTour(const std::string& text)
{
    if (text.size() != 5 || text.compare(0, 3, "*TS") != 0 || text[3] < '1' || text[3] > '8')
        return false;
    const int zone = text[3] - '1';
    if (text[4] == '1') {
        state_.tourRunning = true;
        state_.tourZone = zone;
        tourPreset_ = -1;
        TourStep();
        tourWait_ = kTourDwellMs;
    } else if (text[4] == '0') {
        if (state_.tourZone == zone)
            state_.tourRunning = false;
    } else {
        return false;
    }
    return true;
}

// Every Javelin record is answered with a 10-byte status frame: FF 08, the
// record's bytes 2 to 6, 00, the status byte and the checksum.
void SimulatedCamera::HandleRecord(const std::string& record)
{
    if (record.size() < 7)
        return;
    const int protocol = options().protocol;
    const uint8_t group = static_cast<uint8_t>(record[3]);
    const uint8_t code = static_cast<uint8_t>(record[6]);
    const uint8_t irisBit = protocol == 3 ? 0x08 : protocol == 9 ? 0x02 : 0x01;
    const uint8_t focusBit = protocol == 9 ? 0x01 : 0x10;
    if (group == 6) {
        if (code == 0x40)
            state_.cameraPower = !state_.cameraPower;
        else if (code == (protocol == 9 ? 0x02 : 0x08))
            state_.manualIris = !state_.manualIris;
        else if (code == (protocol == 9 ? 0x01 : 0x10))
            state_.manualFocus = !state_.manualFocus;
    }
    uint8_t frame[10] = {0xFF, 0x08};
    for (int i = 2; i <= 6; ++i)
        frame[i] = static_cast<uint8_t>(record[i]);
    frame[7] = 0;
    frame[8] = static_cast<uint8_t>((state_.manualIris ? irisBit : 0) | (state_.manualFocus ? focusBit : 0) |
                                    (state_.cameraPower ? 0x40 : 0));
    uint8_t sum = 0;
    for (int i = 1; i <= 8; ++i)
        sum = static_cast<uint8_t>(sum + frame[i]);
    frame[9] = static_cast<uint8_t>(-sum);
    Send(frame, sizeof frame);
}

// The Setup dialog's queries and settings; a value set is read back later.
bool SimulatedCamera::HandleSetup(const std::string& text)
{
    SetupState& u = setup_;
    auto onOff = [](bool on) { return on ? '1' : '0'; };
    auto toggle = [&](const char* prefix, bool& value) {
        if (text.size() == 3 && text.compare(0, 2, prefix) == 0 && (text[2] == '0' || text[2] == '1')) {
            value = text[2] == '1';
            return true;
        }
        if (text.size() == 3 && text.compare(0, 2, prefix) == 0 && text[2] == 'S') {
            Reply(std::string(prefix) + onOff(value));
            return true;
        }
        return false;
    };
    if (text == "RS") {
        Reply("R" + u.firmware);
    } else if (text == "Rs") {
        Reply("r" + u.lcuFirmware);
    } else if (text == "fS") {
        Reply(u.flip ? "fE" : "fD");
    } else if (text == "fE" || text == "fD") {
        u.flip = text[1] == 'E';
    } else if (text == "hS") {
        Reply(std::string("h") + onOff(u.flowControl));
    } else if (text == "h0" || text == "h1") {
        u.flowControl = text[1] == '1';
    } else if (text == "sS") {
        Reply(std::string("s") + static_cast<char>('0' + u.ptKind));
    } else if (text.size() == 2 && text[0] == 's' && text[1] >= '0' && text[1] <= '2') {
        u.ptKind = text[1] - '0';
    } else if (text == "SS") {
        Reply(std::string("S") + static_cast<char>('0' + u.direction));
    } else if (text.size() == 2 && text[0] == 'S' && text[1] >= '0' && text[1] <= '2') {
        u.direction = text[1] - '0';
    } else if (text == "mSs") {
        Reply("mS" + u.serial);
    } else if (text.size() == 9 && text.compare(0, 2, "mS") == 0) {
        u.serial = text.substr(2);
    } else if (text == "mn?") {
        Reply(std::string("mn") + static_cast<char>('0' + u.ntcip));
    } else if (text == "mn0" || text == "mn1") {
        u.ntcip = text[2] - '0';
    } else if (text == "b?") {
        Reply("b" + u.hostBaud);
    } else if (text.size() == 6 && text.compare(0, 2, "bs") == 0) {
        u.hostBaud = text.substr(2);
    } else if (text == "cPs") {
        Reply(std::string("P") + static_cast<char>('0' + u.lcuProtocol));
    } else if (text.size() == 6 && text.compare(0, 2, "Bs") == 0) {
        // A new camera baud rate: taken, the line stays as it is.
    } else if (text.size() >= 2 && text[0] == 'E' && text[1] >= '0' && text[1] <= '9') {
        u.elevation = text.substr(1);
    } else if (toggle("jc", u.lcuContinuous) || toggle("jb", u.lcuContainsAddress) ||
               toggle("Jc", u.cameraContinuous) || toggle("Jb", u.cameraContainsAddress)) {
    } else {
        return false;
    }
    return true;
}

bool SimulatedCamera::IsDome() const
{
    const int rx = options().receiverType;
    return rx == 5 || rx == 7 || (rx >= 11 && rx <= 14);
}

// "*PP", the preset character, '1' when stored, then pan, tilt, zoom and
// focus as three characters 0x30 plus a nibble each.
std::string SimulatedCamera::PresetPositionReply(uint8_t character, int index) const
{
    const Preset& p = presets_[static_cast<size_t>(index)];
    std::string t = "*PP";
    t += static_cast<char>(character);
    t += p.stored ? '1' : '0';
    for (int v : {p.pan, p.tilt, p.zoom, p.focus})
        for (int shift = 8; shift >= 0; shift -= 4)
            t += static_cast<char>(0x30 + ((v >> shift) & 0x0F));
    return t;
}

// The dome's configuration (sectors, zones, tour tables), and what the
// configuration download asks of the dome's own state: preset names and
// positions, and whether a tour runs. Every answer is also the command
// that sets what it reports.
bool SimulatedCamera::HandleDome(const std::string& text)
{
    std::string reply;
    if (dome_.Handle(text, state_.pan, reply)) {
        if (!reply.empty())
            Reply(reply);
        return true;
    }
    const int index = text.size() >= 4 ? DomePresetIndex(static_cast<uint8_t>(text[3])) : -1;
    if (text.size() == 4 && text.compare(0, 3, "cdS") == 0 && index >= 0) {
        std::string name = presets_[static_cast<size_t>(index)].name;
        name.resize(kNameLength, ' ');
        Reply("dS" + text.substr(3, 1) + name);
        return true;
    }
    if (text.size() == 4 && text.compare(0, 3, "*pp") == 0 && index >= 0) {
        Reply(PresetPositionReply(static_cast<uint8_t>(text[3]), index));
        return true;
    }
    if (text.size() == 4 + 13 && text.compare(0, 3, "*PP") == 0 && index >= 0) {
        Preset& p = presets_[static_cast<size_t>(index)];
        std::optional<int> values[4];
        for (size_t i = 0; i < 4; ++i)
            values[i] = ReadNumber(text, 5 + 3 * i, 3, 16);
        if (values[0] && values[1] && values[2] && values[3]) {
            p.stored = text[4] == '1';
            p.pan = *values[0];
            p.tilt = *values[1];
            p.zoom = *values[2];
            p.focus = *values[3];
        }
        return true;
    }
    const int named = text.size() >= 3 ? DomePresetIndex(static_cast<uint8_t>(text[2])) : -1;
    if (text.size() >= 3 && text.compare(0, 2, "dS") == 0 && named >= 0) {
        presets_[static_cast<size_t>(named)].name = CleanName(text.substr(3));
        return true;
    }
    if (text.size() == 4 && text.compare(0, 3, "*Ts") == 0 && text[3] >= '1' && text[3] <= '8') {
        const bool running = state_.tourRunning && state_.tourZone == text[3] - '1';
        Reply(std::string("*TS") + text[3] + (running ? '1' : '0'));
        return true;
    }
    return false;
}
