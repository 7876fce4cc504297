// The simulated camera's replies, read back with the console's own frame
// assembly and decoders, so the two ends cannot drift apart.
#include "Framing.h"
#include "ManualClock.h"
#include "ReceiveStateMachine.h"
#include "ReplyFields.h"
#include "SimulatedCamera.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

namespace {
struct Exchange {
    explicit Exchange(SimOptions options) : camera(clock, options) {}

    // Sends the command as the console frames it and returns the reply
    // frame the console assembles (the acknowledgement skipped).
    Bytes Ask(const std::string& text, bool binary = false)
    {
        FrameBuffer f;
        if (binary)
            BuildBinaryFrame(f, text, camera.options().address);
        else
            BuildAsciiFrame(f, camera.options().mode, static_cast<uint8_t>(camera.options().address), 0, text);
        return Deliver(f, binary);
    }

    Bytes AskAt(uint8_t address, const std::string& text)
    {
        FrameBuffer f;
        BuildAsciiFrame(f, camera.options().mode, address, 0, text);
        return Deliver(f, false);
    }

    Bytes Deliver(const FrameBuffer& f, bool binary)
    {
        for (size_t i = 0; i < f.length; ++i)
            camera.Receive(f.bytes[i]);
        uint8_t out[512];
        const size_t n = camera.TakeOutput(out, sizeof out);
        ReceiveStateMachine machine;
        for (size_t i = 0; i < n; ++i)
            if (machine.Feed(out[i], !binary, camera.options().mode) == ReceiveStateMachine::Event::Frame)
                return Bytes(machine.frame(), machine.frame() + machine.frameLength());
        return {};
    }

    ManualClock clock;
    SimulatedCamera camera;
};

SimOptions Options(int mode, int address = 1, int rx = 5, int protocol = 0)
{
    SimOptions o;
    o.mode = mode;
    o.address = address;
    o.receiverType = rx;
    o.protocol = protocol;
    return o;
}
} // namespace

TEST(SimulatedCamera, AnswersTheAddressRequestInBothModes)
{
    for (auto [mode, address] : {std::pair{0, 1}, {1, 7}, {1, 300}, {0, 4321}}) {
        Exchange x(Options(mode, address));
        FrameBuffer broadcast;
        BuildAsciiFrame(broadcast, mode, 0xFF, 0, "A?");
        for (size_t i = 0; i < broadcast.length; ++i)
            x.camera.Receive(broadcast.bytes[i]);
        uint8_t out[64];
        const size_t n = x.camera.TakeOutput(out, sizeof out);
        ReceiveStateMachine machine;
        std::optional<int> decoded;
        for (size_t i = 0; i < n; ++i)
            if (machine.Feed(out[i], true, mode) == ReceiveStateMachine::Event::Frame)
                decoded = DecodeAddressReply(machine.frame(), machine.frameLength(), 0);
        EXPECT_EQ(decoded, address) << "mode " << mode;
    }
}

TEST(SimulatedCamera, StatusRepliesCarryItsState)
{
    for (int mode : {0, 1}) {
        Exchange x(Options(mode, 1, 13, 5));
        x.camera.state().manualIris = true;
        x.camera.state().manualFocus = true;
        x.camera.state().videoType = 2;
        const StatusFields b = DecodeStatusFields(x.Ask("bDS").data(), x.Ask("bDS").size(), kStatusReplyOffsets);
        EXPECT_EQ(b.latchStatus, static_cast<uint8_t>('3')) << mode; // power and manual iris
        EXPECT_EQ(b.manualFocus, true);
        EXPECT_EQ(b.protocol, 5);
        EXPECT_EQ(b.videoType, 2);
        EXPECT_EQ(b.lineLockPhase, 0);
        EXPECT_EQ(b.freeze, static_cast<uint8_t>('0'));
        const Bytes c = x.Ask("cDS");
        const StatusFields shifted = DecodeStatusFields(c.data(), c.size(), kShiftedStatusOffsets);
        EXPECT_EQ(shifted.latchStatus, static_cast<uint8_t>('3')) << mode;
        EXPECT_EQ(shifted.protocol, 5);
        EXPECT_EQ(shifted.freeze, static_cast<uint8_t>('o')); // live, as the Day/Night panel reads it
    }
}

TEST(SimulatedCamera, LatchesToggleAndShowInTheLatchReply)
{
    Exchange x(Options(1));
    auto latch = [&] {
        const Bytes f = x.Ask("L?");
        return f.size() > 3 && f[2] == 'L' ? f[3] : 0;
    };
    EXPECT_EQ(latch(), '2');
    x.Ask("LP");
    x.Ask("LL");
    x.Ask("LM");
    EXPECT_EQ(latch(), '5');
    const Bytes focus = x.Ask("cFM");
    ASSERT_GE(focus.size(), 5u);
    EXPECT_EQ(std::string(focus.begin() + 2, focus.begin() + 5), "cL1");
}

TEST(SimulatedCamera, PositionReplyByReceiverType)
{
    for (int rx : {5, 9}) {
        Exchange x(Options(1, 1, rx));
        x.camera.state().pan = 1234;
        x.camera.state().tilt = 56;
        const Bytes f = x.Ask("cPS");
        const std::optional<PanTilt> p = DecodePositionReply(f.data(), f.size(), rx);
        ASSERT_TRUE(p) << rx;
        EXPECT_EQ(p->pan, 1234);
        EXPECT_EQ(p->tilt, 56);
    }
}

TEST(SimulatedCamera, JavelinRecordsGetABinaryStatusFrame)
{
    for (int protocol : {3, 9}) {
        Exchange x(Options(1, 300, 5, protocol));
        const uint8_t irisCode = protocol == 3 ? 0x08 : 0x02;
        const std::string manualIris{'\xFF', '\x06', '\x07', '\x06', '\x01', '\x01', static_cast<char>(irisCode), '\xFF'};
        const Bytes f = x.Ask(manualIris, true);
        ASSERT_EQ(f.size(), 10u) << protocol;
        uint8_t sum = 0;
        for (size_t i = 1; i < f.size(); ++i)
            sum = static_cast<uint8_t>(sum + f[i]);
        EXPECT_EQ(sum, 0);
        const std::optional<BinaryStatus> s = DecodeBinaryStatus(f.data(), f.size(), protocol);
        ASSERT_TRUE(s);
        EXPECT_TRUE(s->manualIris) << protocol;
        EXPECT_FALSE(s->manualFocus);
        EXPECT_TRUE(s->cameraPower);
    }
    // A record for another camera is not answered.
    Exchange other(Options(1, 2, 5, 3));
    FrameBuffer f;
    BuildBinaryFrame(f, std::string{'\xFF', '\x06', '\x07', '\x03', '\x01', '\x01', '\x00', '\xFF'}, 5);
    for (size_t i = 0; i < f.length; ++i)
        other.camera.Receive(f.bytes[i]);
    EXPECT_FALSE(other.camera.HasOutput());
}

namespace {
struct Hex2 {
    int a = -1, b = -1;
    bool operator==(const Hex2&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Hex2& h)
{
    return os << std::hex << "{0x" << h.a << ", 0x" << h.b << "}" << std::dec;
}

// "P?" or "V?" read back the way the console shows them.
Hex2 Read(Exchange& x, const char* query)
{
    const Bytes f = x.Ask(query);
    const PositionStatus s = DecodePositionStatus(f.data(), f.size());
    if (s.letter == 'P' && s.pan && s.tilt)
        return {*s.pan, *s.tilt};
    if (s.letter == 'V' && s.zoom && s.focus)
        return {*s.zoom, *s.focus};
    return {};
}

Hex2 PanTiltOf(Exchange& x) { return Read(x, "P?"); }
Hex2 ZoomFocusOf(Exchange& x) { return Read(x, "V?"); }

std::optional<std::string> NameOf(Exchange& x, const std::string& request)
{
    const Bytes f = x.Ask(request);
    return DecodePresetName(f.data(), f.size());
}

std::string Padded(std::string name)
{
    name.resize(24, ' ');
    return name;
}
} // namespace

TEST(SimulatedCamera, PresetCharactersByReceiverType)
{
    struct Case {
        int rx;
        int index;
        uint8_t character;
    } cases[] = {
        {0, 0, '0'},  {0, 9, '9'},  {0, 63, 'o'}, {10, 12, '<'}, {5, 0, 0x10}, {5, 46, 0x3E},
        {5, 47, '`'}, {5, 63, 'p'}, {13, 20, 0x24},
    };
    for (const Case& c : cases) {
        Exchange x(Options(1, 1, c.rx));
        EXPECT_EQ(x.camera.PresetIndex(c.character), c.index) << c.rx << " " << c.index;
        EXPECT_EQ(static_cast<uint8_t>(x.camera.PresetCharacter(c.index)), c.character) << c.rx << " " << c.index;
    }
    // Bytes that stand for no preset.
    for (auto [rx, character] : {std::pair<int, uint8_t>{5, 0x3F}, {5, 0x5F}, {5, 0x71}, {5, 0x0F}, {0, '/'}, {0, 'p'}}) {
        Exchange x(Options(1, 1, rx));
        EXPECT_EQ(x.camera.PresetIndex(character), -1) << rx << " " << int(character);
    }
}

TEST(SimulatedCamera, RecallReturnsToTheStoredPosition)
{
    for (auto [rx, index] : {std::pair{0, 3}, {0, 9}, {5, 0}, {5, 46}, {5, 47}, {13, 63}}) {
        Exchange x(Options(1, 1, rx));
        const std::string preset(1, x.camera.PresetCharacter(index));
        x.Ask("PRTU");
        x.clock.Advance(1500);
        x.Ask("PSTS");
        x.Ask("cZ1");
        x.clock.Advance(700);
        x.Ask("ZS");
        const Hex2 stored = PanTiltOf(x), storedLens = ZoomFocusOf(x);
        x.Ask("P" + preset);

        x.Ask("PLTD");
        x.clock.Advance(2000);
        x.Ask("PSTS");
        x.Ask("vFFF000");
        ASSERT_NE(PanTiltOf(x), stored) << rx << " " << index;

        x.Ask("H" + preset);
        EXPECT_EQ(PanTiltOf(x), stored) << rx << " " << index;
        EXPECT_EQ(ZoomFocusOf(x), storedLens) << rx << " " << index;
        EXPECT_TRUE(x.camera.preset(index).stored);
    }
}

TEST(SimulatedCamera, MovesWithTimeAndStops)
{
    struct Case {
        const char* start;
        const char* stop;
        int pan, tilt, zoom, focus; // direction of each axis: -1, 0 or 1
    } cases[] = {
        {"PRTU", "PSTS", 1, 1, 0, 0},  {"PLTD", "PSTS", -1, -1, 0, 0}, {"PSTU", "PSTS", 0, 1, 0, 0},
        {"PLTS", "PSTS", -1, 0, 0, 0}, {"r9d3", "PSTS", 1, -1, 0, 0},  {"l?TS", "PSTS", -1, 0, 0, 0},
        {"PSu5", "PSTS", 0, 1, 0, 0},  {"PR", "PS", 1, 0, 0, 0},       {"TD", "TS", 0, -1, 0, 0},
        {"ZI", "ZS", 0, 0, 1, 0},      {"cz2", "cZs", 0, 0, -1, 0},    {"FF", "FS", 0, 0, 0, 1},
        {"cN0", "cFs", 0, 0, 0, -1},
    };
    auto sign = [](int d) { return (d > 0) - (d < 0); };
    for (const Case& c : cases) {
        Exchange x(Options(1));
        x.Ask("p08000800");
        x.Ask("v800800");
        const Hex2 pt0 = PanTiltOf(x), zf0 = ZoomFocusOf(x);
        x.Ask(c.start);
        x.clock.Advance(400);
        const Hex2 pt1 = PanTiltOf(x), zf1 = ZoomFocusOf(x);
        EXPECT_EQ(sign(pt1.a - pt0.a), c.pan) << c.start;
        EXPECT_EQ(sign(pt1.b - pt0.b), c.tilt) << c.start;
        EXPECT_EQ(sign(zf1.a - zf0.a), c.zoom) << c.start;
        EXPECT_EQ(sign(zf1.b - zf0.b), c.focus) << c.start;
        x.Ask(c.stop);
        const Hex2 pt2 = PanTiltOf(x), zf2 = ZoomFocusOf(x);
        x.clock.Advance(1000);
        EXPECT_EQ(PanTiltOf(x), pt2) << c.stop;
        EXPECT_EQ(ZoomFocusOf(x), zf2) << c.stop;
    }
}

TEST(SimulatedCamera, PanTurnsRoundAndTheOthersStopAtTheirEnds)
{
    Exchange x(Options(1));
    x.Ask("p0FF80FF8");
    x.Ask("r?u?");
    x.Ask("cZ2");
    x.clock.Advance(100);
    const Hex2 pt = PanTiltOf(x);
    EXPECT_LT(pt.a, 0x100); // past 0xFFF and round to the start
    EXPECT_EQ(pt.b, 0xFFF);
    x.clock.Advance(5000);
    EXPECT_EQ(ZoomFocusOf(x).a, 0xFFF);
    x.Ask("PSTS");
    x.Ask("cz2");
    x.clock.Advance(6000);
    EXPECT_EQ(ZoomFocusOf(x).a, 0);
    // The decimal position follows the same motion.
    EXPECT_EQ(x.camera.state().tilt, 3599);
}

TEST(SimulatedCamera, NudgesStepOnce)
{
    for (auto [command, pan, tilt] : {std::tuple{"ln", -8, 0}, {"nl", -8, 0}, {"rn", 8, 0}, {"nr", 8, 0},
                                      {"un", 0, 8}, {"nu", 0, 8}, {"dn", 0, -8}, {"nd", 0, -8}}) {
        Exchange x(Options(1));
        x.Ask("p08000800");
        x.Ask(command);
        x.clock.Advance(1000);
        EXPECT_EQ(PanTiltOf(x), (Hex2{0x800 + pan, 0x800 + tilt})) << command;
    }
    Exchange x(Options(1));
    x.Ask("p00000FFF");
    x.Ask("ln");
    x.Ask("un");
    EXPECT_EQ(PanTiltOf(x), (Hex2{0xFF8, 0xFFF}));
}

TEST(SimulatedCamera, PositionCommandsMoveThere)
{
    struct Case {
        int rx;
        const char* command;
        Hex2 panTilt;
    } cases[] = {
        {0, "p0:5123", {0x0A5, 0x123}},  // three digits, A as ':'
        {3, "p0??F0100", {0xFFF, 0x100}}, // four digits, the last one as typed
        {3, "p;0000123", {0xFFF, 0x123}}, // above 0xFFF: the end
        {5, "cp12340056", {0x57C, 0x040}}, // tenths of a degree
        {5, "cp35990000", {0xFFF, 0x000}},
        {0, "p0G0123", {0x800, 0x800}},   // not a number: stays
        {5, "cp12:40056", {0x800, 0x800}},
    };
    for (const Case& c : cases) {
        Exchange x(Options(1, 1, c.rx));
        x.Ask("p08000800");
        x.Ask("v800800");
        x.Ask(c.command);
        EXPECT_EQ(PanTiltOf(x), c.panTilt) << c.command;
        EXPECT_EQ(ZoomFocusOf(x), (Hex2{0x800, 0x800})) << c.command;
    }
    Exchange x(Options(1, 1, 5));
    x.Ask("cp12340056");
    const Bytes f = x.Ask("cPS");
    const std::optional<PanTilt> p = DecodePositionReply(f.data(), f.size(), 5);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->pan, 1234);
    EXPECT_EQ(p->tilt, 56);
    x.Ask("v0:5;12");
    EXPECT_EQ(ZoomFocusOf(x), (Hex2{0x0A5, 0xB12}));
    EXPECT_EQ(x.camera.state().zoom, 0x0A5);
}

TEST(SimulatedCamera, PresetNamesAnswerAtOffsetFive)
{
    Exchange x(Options(1, 1, 5));
    const char p47 = x.camera.PresetCharacter(47);
    EXPECT_EQ(NameOf(x, std::string("cdS") + p47), Padded("Preset 48"));
    x.Ask(std::string("dP") + p47 + Padded("Gate North"));
    const Bytes f = x.Ask(std::string("cdS") + p47);
    ASSERT_GE(f.size(), 5u + 24u);
    EXPECT_EQ(std::string(f.begin() + 2, f.begin() + 5), std::string("dS") + p47);
    EXPECT_EQ(NameOf(x, std::string("cdS") + p47), Padded("Gate North"));
    // "cdS" alone asks for the preset used last.
    x.Ask(std::string("H") + x.camera.PresetCharacter(2));
    EXPECT_EQ(NameOf(x, "cdS"), Padded("Preset 3"));
    // A longer name is cut to 24 characters.
    x.Ask(std::string("dP") + p47 + "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(NameOf(x, std::string("cdS") + p47), "ABCDEFGHIJKLMNOPQRSTUVWX");

    // Receiver types 0 to 2 send the name alone: it names the preset used last.
    Exchange old(Options(1, 1, 1));
    old.Ask("P4");
    old.Ask("dPYard");
    EXPECT_EQ(NameOf(old, "cdS"), Padded("Yard"));
    EXPECT_EQ(old.camera.preset(4).name, "Yard");
}

TEST(SimulatedCamera, ANameCannotBreakItsReplyFrame)
{
    // A mode-0 command may carry bytes that would end an 0xF8 reply early.
    Exchange x(Options(0, 1, 5));
    const char p1 = x.camera.PresetCharacter(1);
    x.Ask(std::string("dP") + p1 + "Ab\xC1\x7F" + "cd");
    EXPECT_EQ(x.camera.preset(1).name, "Ab  cd");
    EXPECT_EQ(NameOf(x, std::string("cdS") + p1), Padded("Ab  cd"));
}

TEST(SimulatedCamera, HeadReplyLayout)
{
    Exchange x(Options(0, 1, 1));
    x.camera.state().manualIris = true;
    x.camera.state().manualFocus = true;
    x.camera.state().receiverStatus = '5'; // local control and video loss
    const Bytes f = x.Ask("H?");
    ASSERT_GE(f.size(), 10u);
    EXPECT_EQ(std::string(f.begin() + 2, f.begin() + 10), "H0L3A1X5");
    const PositionStatus s = DecodePositionStatus(f.data(), f.size());
    EXPECT_EQ(s.letter, 'H');
    EXPECT_EQ(s.latch, static_cast<uint8_t>('3'));
    EXPECT_EQ(s.focusStatus, static_cast<uint8_t>('1'));
    EXPECT_EQ(s.receiverStatus, static_cast<uint8_t>('5'));
    const Bytes l = x.Ask("L?H?");
    EXPECT_EQ(DecodePositionStatus(l.data(), l.size()).latch, static_cast<uint8_t>('3'));
}

TEST(SimulatedCamera, VideoSourceRepliesAndReset)
{
    Exchange x(Options(1, 1, 12));
    auto text = [&](const char* query) {
        const Bytes f = x.Ask(query);
        return f.size() > 3 ? std::string(f.begin() + 2, f.end() - 1) : std::string();
    };
    EXPECT_EQ(text("mss"), "ms0");
    EXPECT_EQ(text("mRS"), "mR0");
    x.Ask("ms1");
    x.Ask("mR1");
    EXPECT_EQ(text("mss"), "ms1");
    EXPECT_EQ(text("mRS"), "mR1");

    x.Ask("LP"); // power off
    x.Ask("LL");
    x.Ask("LM");
    x.Ask("PRTU");
    x.Ask("rs");
    EXPECT_EQ(text("L?"), "L2");
    const Hex2 stopped = PanTiltOf(x);
    x.clock.Advance(1000);
    EXPECT_EQ(PanTiltOf(x), stopped);
}

TEST(SimulatedCamera, TourCyclesTheStoredPresets)
{
    Exchange x(Options(1, 1, 5));
    const std::string p2(1, x.camera.PresetCharacter(2)), p7(1, x.camera.PresetCharacter(7));
    x.Ask("p01000200");
    x.Ask("P" + p7);
    x.Ask("p0:000300");
    x.Ask("P" + p2);
    x.Ask("p0F000F00");
    const Hex2 two{0xA00, 0x300}, seven{0x100, 0x200};

    x.Ask("*TS31");
    EXPECT_TRUE(x.camera.state().tourRunning);
    EXPECT_EQ(x.camera.state().tourZone, 2);
    EXPECT_EQ(PanTiltOf(x), two);
    x.clock.Advance(2999);
    EXPECT_EQ(PanTiltOf(x), two);
    x.clock.Advance(1);
    EXPECT_EQ(PanTiltOf(x), seven);
    x.clock.Advance(3000);
    EXPECT_EQ(PanTiltOf(x), two);
    x.clock.Advance(3000 * 3); // several steps between two queries
    EXPECT_EQ(PanTiltOf(x), seven);

    x.Ask("*TS10"); // another zone's stop leaves this tour running
    EXPECT_TRUE(x.camera.state().tourRunning);
    x.Ask("*TS30");
    EXPECT_FALSE(x.camera.state().tourRunning);
    x.clock.Advance(6000);
    EXPECT_EQ(PanTiltOf(x), seven);
}

TEST(SimulatedCamera, TourWithoutStoredPresetsVisitsTheFirstFour)
{
    Exchange x(Options(1, 1, 7));
    x.Ask("*TS11");
    std::vector<Hex2> seen;
    for (int step = 0; step < 5; ++step) {
        seen.push_back(PanTiltOf(x));
        x.clock.Advance(3000);
    }
    EXPECT_EQ(seen[4], seen[0]);
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            EXPECT_NE(seen[i], seen[j]) << i << " " << j;
}

TEST(SimulatedCamera, AddressProgrammingChangesTheAddress)
{
    for (auto [mode, command, address] : {std::tuple{1, "As007", 7}, {0, "As00300", 300}, {1, "As255", 255}}) {
        Exchange x(Options(mode, 1));
        x.AskAt(0xFF, command);
        EXPECT_EQ(x.camera.options().address, address) << command;
        const Bytes f = x.Ask("A?");
        EXPECT_EQ(DecodeAddressReply(f.data(), f.size(), 0), address) << command;
        if (address != 255) {
            x.AskAt(1, "LP");
            EXPECT_TRUE(x.camera.state().cameraPower) << "the old address no longer reaches it";
        }
    }
    // Malformed address texts are ignored.
    for (const char* command : {"As12", "As0071", "As0:7"}) {
        Exchange x(Options(1, 1));
        x.AskAt(0xFF, command);
        EXPECT_EQ(x.camera.options().address, 1) << command;
    }
}

namespace {
// The reply text from the letter after the address byte, without checksum.
std::string TextOf(const Bytes& f)
{
    const size_t end = ReplyTextEnd(f.data(), f.size());
    return end > 2 ? std::string(f.begin() + 2, f.begin() + static_cast<std::ptrdiff_t>(end)) : std::string();
}

// A status string read as the Day/Night panel reads it, from the letter
// after the 'c': letter/value pairs, 's' with two values, "WL", "WSD" and
// "WSN" with one. The request it sends next is the last one enqueued.
struct PanelReading {
    std::map<std::string, std::string> values;
    std::string next;
    bool endsOnItem = false;
};

PanelReading ReadAsPanel(const std::string& text)
{
    PanelReading r;
    size_t i = 0;
    while (i < text.size()) {
        std::string key(1, text[i]);
        for (const char* w : {"WL", "WSD", "WSN"})
            if (text.compare(i, std::char_traits<char>::length(w), w) == 0)
                key = w;
        const size_t width = key == "s" ? 2 : 1;
        const size_t at = i + key.size();
        r.values[key] = text.substr(std::min(at, text.size()), width);
        i = at + width;
        if (key == "G")
            r.next = "cAS";
        else if (key == "s")
            r.next = "cGS";
        else if (key == "WL")
            r.next = "cWSDS";
        else if (key == "WSD")
            r.next = "cWSNS";
    }
    r.endsOnItem = i == text.size();
    return r;
}
} // namespace

TEST(SimulatedCamera, DayNightStatusServesConsoleAndPanel)
{
    for (int mode : {0, 1}) {
        Exchange x(Options(mode, 1, 5, 6));
        for (const char* command : {"cM2", "cS<", "cW1", "cB1", "cY1", "cD3", "cC2", "cn1", "ck4", "cw1", "csO", "csE",
                                    "cG$", "Lp4", "cFO", "LM", "cFM"})
            x.Ask(command);
        const Bytes f = x.Ask("cDS");
        const std::string text = TextOf(f);
        for (char c : text)
            EXPECT_LT(static_cast<uint8_t>(c), 0x80) << mode << " " << text;

        const StatusFields console = DecodeStatusFields(f.data(), f.size(), kShiftedStatusOffsets);
        EXPECT_EQ(console.latchStatus, static_cast<uint8_t>('3')) << mode;
        EXPECT_EQ(console.manualFocus, true);
        EXPECT_EQ(console.protocol, 6);
        EXPECT_EQ(console.videoType, 1);
        EXPECT_EQ(console.lineLockPhase, 4);
        EXPECT_EQ(console.freeze, static_cast<uint8_t>('O'));

        ASSERT_EQ(text.substr(0, 1), "c");
        const PanelReading panel = ReadAsPanel(text.substr(1));
        const std::map<std::string, std::string> expected = {
            {"M", "2"}, {"S", "<"}, {"W", "1"}, {"B", "1"}, {"Y", "1"}, {"L", "3"}, {"A", "1"}, {"D", "3"},
            {"C", "2"}, {"P", "6"}, {"v", "1"}, {"p", "4"}, {"F", "O"}, {"k", "4"}, {"w", "1"}, {"n", "1"},
            {"s", "O1"}, {"G", "$"}};
        EXPECT_EQ(panel.values, expected) << mode;
        EXPECT_TRUE(panel.endsOnItem);
        EXPECT_EQ(panel.next, "cAS"); // on with the aperture, not "cGS"
    }
}

TEST(SimulatedCamera, DayNightSettingsShowInTheStatusString)
{
    struct Case {
        std::vector<std::string> commands;
        const char* item;
        const char* value;
    } cases[] = {
        {{"cM1"}, "M", "1"},          {{"cM3"}, "M", "0"},           // out of range: kept
        {{"cS?"}, "S", "?"},          {{"cS@"}, "S", "0"},
        {{"cW2", "cWR", "cWQ"}, "W", "2"},                            // gains leave the mode
        {{"cFF"}, "F", "O"},          {{"cFF", "cFF"}, "F", "o"},    {{"cFO", "cFo"}, "F", "o"},
        {{"Lp6"}, "p", "6"},          {{"Lp7"}, "p", "0"},           {{"Lp3", "Lp0"}, "p", "0"},
        {{"cD4"}, "D", "4"},          {{"cD4", "cE1"}, "D", "0"},    // EIS on ends digital zoom
        {{"cso", "cse"}, "s", "o0"},  {{"csO", "csE", "cse"}, "s", "O0"},
        {{"cG8"}, "G", "8"},          {{"cG9"}, "G", "$"},           // 40 dB and 41
        {{"ck5"}, "k", "5"},          {{"ck6"}, "k", "0"},
        {{"cC3"}, "C", "3"},          {{"cn1", "cn0"}, "n", "0"},
    };
    for (const Case& c : cases) {
        Exchange x(Options(1));
        for (const std::string& command : c.commands)
            x.Ask(command);
        const std::string text = TextOf(x.Ask("cDS"));
        PanelReading panel = ReadAsPanel(text.substr(1));
        EXPECT_EQ(panel.values[c.item], c.value) << c.commands.front() << " " << c.item;
    }
}

TEST(SimulatedCamera, DayNightSettingsAreReadBack)
{
    struct Case {
        const char* set;
        const char* query;
        std::string reply;
    } cases[] = {
        {"cE1", "cES", "cE1"},          {"cE2", "cES", "cE0"},
        {"cEF1", "cEFS", "cEF1"},       {"cEF2", "cEFS", "cEF0"},
        {"cWL1", "cWLS", "cWL1"},       {"cWL2", "cWLS", "cWL0"},
        {"cWSD:", "cWSDS", "cWSD:"},    {"cWSD;", "cWSDS", "cWSD0"},   // 10 is the last entry
        {"cWSN3", "cWSNS", "cWSN3"},
        {"cG\x11", "cGS", "cG\x11"},    {"cG\x10", "cGS", "cG$"},      // 1 dB, and 0 is refused
        {"cVAB01", "cVS", "cVAB01"},    {"cVab01", "cVS", "cV0000"},  {"cV12", "cVS", "cV0000"},
        {"cZm#", "cZmS", "cZm#"},       {"cZm$", "cZmS", "cZm\x01"},   // 35X, and 36 is refused
        {"cWSD5", "cWLS", "cWL0"},      // each setting keeps its own value
    };
    for (int mode : {0, 1})
        for (const Case& c : cases) {
            Exchange x(Options(mode));
            x.Ask(c.set);
            EXPECT_EQ(TextOf(x.Ask(c.query)), c.reply) << mode << " " << c.set;
        }
    Exchange x(Options(1));
    EXPECT_TRUE(TextOf(x.Ask("cEPS")).starts_with("cEP"));
}

TEST(SimulatedCamera, ZoomMagnificationIsARawByte)
{
    for (int mode : {0, 1})
        for (int m = 1; m <= 35; ++m) {
            // The console's reader ends a mode-0 frame at the first 0x03.
            if (mode == 0 && m == 3)
                continue;
            Exchange x(Options(mode));
            x.Ask(std::string("cZm") + static_cast<char>(m));
            const std::string text = TextOf(x.Ask("cZmS"));
            ASSERT_EQ(text.size(), 4u) << mode << " " << m;
            EXPECT_EQ(text.substr(0, 2), "cZ");
            EXPECT_EQ(static_cast<uint8_t>(text[3]), m) << mode; // two places after 'Z'
        }
    // The lens commands beside it still move the zoom.
    Exchange x(Options(1));
    x.Ask("cZ1");
    x.clock.Advance(400);
    EXPECT_GT(ZoomFocusOf(x).a, 0);
}

TEST(SimulatedCamera, ApertureReplyLayout)
{
    for (int mode : {0, 1}) {
        Exchange x(Options(mode));
        x.Ask("cA1");
        x.Ask(std::string("cAH") + static_cast<char>(31 + 16));
        x.Ask(std::string("cAV") + static_cast<char>(1 + 16));
        x.Ask("cAH0");                                       // 32: refused
        x.Ask(std::string("cAV") + static_cast<char>(16));  // 0: refused
        const std::string text = TextOf(x.Ask("cAS"));
        ASSERT_EQ(text.size(), 7u) << mode;
        const std::string a = text.substr(1); // from 'A'
        EXPECT_EQ(a[0], 'A');
        EXPECT_EQ(a[1], '1');
        EXPECT_EQ(a[3] - 16, 31) << mode;
        EXPECT_EQ(a[5] - 16, 1) << mode;
        x.Ask("cA0");
        EXPECT_EQ(TextOf(x.Ask("cAS"))[2], '0');
    }
}
