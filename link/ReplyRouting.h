#pragma once
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>

// The windows that can take camera replies while they are open.
enum class ReplyWindow : int {
    Setup,
    ToursSectors,
    PrivacyZone,
    LensMaintenance,
    WiperSetup,
    WasherSetup,
    Illuminator,
    Dsp7100,
    Dsp723x,
    Dsp7440,
    DayNight,
    ThermalControls, // 781x and Day/Night/Thermal cameras
    ThermalControl,  // the newer thermal cores
    HiDef,
    Lens55X,
    Dsp8270,
    OtherMaintenance, // from Setup's "Other Setup"
    Count
};
constexpr size_t kReplyWindowCount = static_cast<size_t>(ReplyWindow::Count);

// A window's reply operation: the whole frame as received.
class ReplyReceiver {
public:
    virtual ~ReplyReceiver() = default;
    virtual void OnReply(const uint8_t* frame, size_t length) = 0;
    // The tours and sectors dialog reads a configuration download separately.
    virtual void OnDownloadReply(const uint8_t* frame, size_t length) { OnReply(frame, length); }
};

// Flags of the windows that wait for the answer to what they sent; set by
// the window when it sends, cleared when its reply is handed over.
struct ReplyFlags {
    bool panelReplyPending = false;   // the open queued panel
    bool dsp7100ReplyPending = false;
    bool dsp723xReplyPending = false;
    bool privacyReplyPending = false;
    bool downloadActive = false;      // tours and sectors: configuration download running
    bool searchWaitsForBinary = false; // address and baud search
};

// The console's own decoders.
enum class ConsoleDecoder {
    None,
    Address,        // 'A'
    Status,         // 'b'
    Position,       // 'c' 'P'
    FocusReport,    // 'c' focus report
    ShiftedStatus,  // 'c' status fields at the shifted offsets
    PositionStatus, // 'H', 'L', 'V', and 'P' answering a query
    PresetId,       // 'd'
    VideoFlags,     // 'm' 's' / 'R' of receiver type 12
    BinaryStatus,   // status bits of a binary frame
    SearchContinue, // the address and baud search's binary answer
};

enum class PendingFlag { None, Panel, Dsp7100, Dsp723x, Privacy, SearchBinary };

struct ReplyStep {
    enum class Target { Console, Window, QueuedPanel };
    Target target = Target::Console;
    ConsoleDecoder decoder = ConsoleDecoder::None; // Target::Console
    ReplyWindow window = ReplyWindow::Setup;        // Target::Window
    bool download = false;                          // to the window's download operation
};

// Where one reply goes: at most two steps, in order, and the flag it clears.
struct ReplyRoute {
    std::array<ReplyStep, 2> steps{};
    int count = 0;
    PendingFlag clears = PendingFlag::None;

    void Add(ReplyStep step)
    {
        if (count < static_cast<int>(steps.size()))
            steps[count++] = step;
    }
};

struct ReplyContext {
    int receiverType = 0;
    int cameraType = 0;
    char lastCommandSecondChar = 0;
    std::bitset<kReplyWindowCount> open;
    bool queuedPanelOpen = false; // a window registered as the open queued panel
    ReplyFlags flags;

    bool IsOpen(ReplyWindow w) const { return open.test(static_cast<size_t>(w)); }
};

// Decides who takes a completed reply frame: the console's decoders, an
// open window, or nobody. Reads only within length.
ReplyRoute RouteReply(const uint8_t* frame, size_t length, const ReplyContext& context);
