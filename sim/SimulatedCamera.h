#pragma once
#include "SimDome.h"
#include "SimAzimuth.h"
#include "SimCameraId.h"
#include "SimDsp7100.h"
#include "SimPrivacyZones.h"
#include "SimLens55x.h"
#include "SimLensMaintenance.h"
#include "SimDsp8270.h"
#include "SimHiDef.h"
#include "SimMaintenance.h"
#include "SimThermalCamera.h"
#include "SimThermalCore.h"
#include "SimDsp723x.h"
#include "SimDsp7440.h"
#include "SimulatedReceiver.h"

#include <array>
#include <cstdint>
#include <string>

// A dome camera behind its receiver: keeps its latches, focus mode, video
// source, presets and a pan/tilt/zoom/focus position that moves with speed
// and time, runs its own preset tours, and answers the console's queries
// with replies of the forms the console decodes: "A?" (its address), "L?"
// (latch status), "H?" (latch, focus and receiver status), "bDS" and "cDS"
// (camera status), "cPS" (pan and tilt in tenths of a degree), "P?" and
// "V?" (pan/tilt and zoom/focus as three hex digits each), "cdS" (a preset
// name), "mss" and "mRS" (video source and reversal), the focus report
// after "cFM" and "cFA", the Day/Night DSP settings ("cAS", "cES", "cEFS",
// "cZmS", "cVS", "cGS", "cWLS", "cWSDS", "cWSNS"), the privacy zones of the
// day/night camera types (see SimPrivacyZones) and a binary status frame
// for every Javelin record.
// "cZmS", "cVS", "cGS", "cWLS", "cWSDS", "cWSNS"), the thermal settings
// ("tDS") and a binary status frame for every Javelin record.
// "cZmS", "cVS", "cGS", "cWLS", "cWSDS", "cWSNS") and a binary status frame
// for every Javelin record. The DSP cameras whose panels read other forms
// answer from their own blocks, chosen by camera type: 7100 (1), 72xx (2),
// 74xx (4) and 7400/IR (10).
// "cZmS", "cVS", "cGS", "cWLS", "cWSDS", "cWSNS") and a binary status frame
// for every Javelin record. The address search's "L?H?" is answered only
// when it is addressed to the camera itself, so a search finds it. It keeps
// the camera ID titles, the north reference and readouts, and the pan/tilt
// module commands it is sent.
//
// Motion is worked out from the clock whenever a frame arrives (or Update()
// is called), so the camera needs no thread or timer of its own.
class SimulatedCamera : public SimulatedReceiver {
public:
    static constexpr int kPresetCount = 64;
    static constexpr int kHexMax = 0xFFF;       // positions run 0 to 0xFFF
    static constexpr uint32_t kTourDwellMs = 3000;

    // The Day/Night DSP camera's settings, as the Day/Night panel sets and
    // reads them: list and radio indexes, AGC and aperture values.
    struct Dsp {
        int dayNight = 0;      // 0 Auto, 1 Color, 2 Mono
        int shutter = 0;       // 0 Auto to 15 (1/30000)
        int slowLimit = 0;     // 0 to 5
        int whiteBalance = 0;  // 0 Auto (Normal), 1 Manual, 2 Auto (HPS)
        int indoor = 0;        // 0 Indoor, 1 Outdoor
        int lightLevel = 0;    // TR6204K3: 0 Low, 1 High
        int dayShutter = 0;    // TR6204K3: 0 Auto to 10 (1/30000)
        int nightShutter = 0;
        int apertureMode = 0;  // 0 Auto, 1 Manual
        int apertureH = 16;    // 1 to 31
        int apertureV = 16;
        int maxAgc = 20;       // 1 to 40 dB
        int wdr = 0;
        int eis = 0;
        int eisFrequency = 0;  // 0 16 Hz, 1 5 Hz
        int digitalZoom = 0;   // 0 Off, 1 2X, 2 5X, 3 10X, 4 12X
        int magnification = 1; // 1 to 35
        std::string zoomPosition = "0000";
        int blc = 0;
        int progressive = 0;
        int field = 0;         // 0 Odd, 1 Even
        int baud = 1;          // 0 4800, 1 9600, 2 19.2K, 3 38.4K
        int poll = 0;
        bool enableRx = false;
    };

    struct State {
        bool cameraPower = true;
        bool lensFast = false;
        bool manualIris = false;
        bool autoFocusOnPtz = false;
        bool manualFocus = false;
        // Pan and tilt in tenths of a degree (0 to 3599), as "cPS" reports
        // them; the same position as the 12-bit "P?" values. Either may be
        // set directly: the camera takes the new value at its next update.
        int pan = 1800;
        int tilt = 100;
        int zoom = 0;        // 0 (wide) to 0xFFF (tele)
        int focus = 0x800;   // 0 (near) to 0xFFF (far)
        int videoType = 1;
        int lineLockPhase = 0;  // 0 crystal, 1 to 6 phase + 1
        char freeze = '0';      // '0' live, '1' frozen
        // '0' plus bit 0 local control, bit 1 pressure loss, bit 2 video
        // loss, bit 3 reserved.
        char receiverStatus = '0';
        int videoSource = 0;      // 0 left, 1 right
        bool leftReversed = false;
        bool tourRunning = false;
        int tourZone = 0;         // 0 to 7
        Dsp dsp;
    };

    // What the Setup dialog reads and sets.
    struct SetupState {
        std::string firmware = "V3.10";
        std::string lcuFirmware = "L2.05";
        bool flip = false;
        bool flowControl = false;
        int ptKind = 1;
        int direction = 0;
        std::string serial = "0001234";
        std::string elevation = "0";
        std::string hostBaud = "9600";
        int lcuProtocol = 0;
        int ntcip = 0;
        bool lcuContinuous = false, lcuContainsAddress = false;
        bool cameraContinuous = false, cameraContainsAddress = false;
    };
    SetupState& setup() { return setup_; }
    // The DSP 7100 camera (camera type 1) answers its panel's queries.
    SimDsp7100& dsp7100() { return dsp7100_; }
    // The day/night camera types (3, 6, 7, 11, 15, 16, 18) keep privacy zones.
    SimPrivacyZones& privacyZones() { return privacy_; }
    // The lens and camera maintenance settings, kept by the receivers whose
    // Setup offers "Lens Maintenance" (types 8, 10, 12 and 13).
    SimLensMaintenance& lensMaintenance() { return lensMaintenance_; }
    // The 55X lens (camera type 17).
    SimLens55x& lens55x() { return lens55x_; }
    // The 8270 camera (camera type 12): its settings ride in the "bDS" record.
    SimDsp8270& dsp8270() { return dsp8270_; }
    // The DayNightHiDef camera (camera type 13) answers its panel's "cDS".
    SimHiDef& hiDef() { return hiDef_; }
    // Maintenance, illuminator, wiper and washer of the domes that have them
    // (receiver types 5, 6, 7, 11, 12, 13 and 14).
    SimMaintenance& maintenance() { return maintenance_; }
    // The thermal core of camera types 15, 16 and 18 (640 x 512 for 15,
    // else 320 x 256) and the thermal camera of types 5, 6 and 9 answer the
    // thermal panels.
    SimThermalCore& thermalCore() { return thermalCore_; }
    SimThermalCamera& thermalCamera() { return thermalCamera_; }
    // The 72xx camera (camera type 2) answers the DSP 723x panel.
    SimDsp723x& dsp723x() { return dsp723x_; }
    // The 74xx cameras (camera types 4 and 10) answer the DSP 7440 panel.
    SimDsp7440& dsp7440() { return dsp7440_; }
    // The domes (receiver types 5, 7, 11, 12, 13, 14) keep sectors, privacy
    // zones and tours for "Tours and Sectors Setup".
    SimDome& dome() { return dome_; }
    bool IsDome() const;
    // The ID, alarm and maintenance titles and the 8270 on-screen menu.
    SimCameraId& cameraId() { return cameraId_; }
    // North reference, azimuth and direction readouts, module commands.
    SimAzimuth& azimuth() { return azimuth_; }

    struct Preset {
        bool stored = false;
        int pan = 0, tilt = 0, zoom = 0, focus = 0; // 12-bit values
        std::string name;
    };

    SimulatedCamera(const Clock& clock, SimOptions options);

    State& state() { return state_; }
    const State& state() const { return state_; }
    const Preset& preset(int index) const { return presets_.at(static_cast<size_t>(index)); }

    // Brings the position and a running tour up to the clock's time.
    void Update();

    // The latch status character: '0' plus bit 0 manual iris, bit 1 camera
    // power, bit 2 lens fast, bit 3 auto focus on PTZ.
    char LatchCharacter() const;

    // The preset index a preset character stands for on this camera's
    // receiver type, or -1.
    int PresetIndex(uint8_t character) const;
    char PresetCharacter(int index) const;

protected:
    void Handle(const SimFrameReader::Frame& frame) override;

private:
    enum Axis { kPan, kTilt, kZoom, kFocus, kAxes };

    void HandleText(const std::string& text);
    bool HandleMotion(const std::string& text);
    bool HandlePreset(const std::string& text);
    bool HandlePosition(const std::string& text);
    bool HandleTour(const std::string& text);
    bool HandleDome(const std::string& text);
    std::string PresetPositionReply(uint8_t character, int index) const;
    bool HandleDsp(const std::string& text);
    bool HandlePrivacy(const std::string& text);
    bool HandleSetup(const std::string& text);
    bool HandleLens(const std::string& text);
    void HandleRecord(const std::string& record);
    std::string AddressReply() const;
    std::string StatusReply() const;
    std::string ShiftedStatusReply() const;
    std::string ApertureReply() const;
    std::string PositionReply() const;
    std::string HexReply(char letter, Axis first, Axis second) const;
    std::string HeadReply() const;
    std::string PresetNameReply(int index) const;

    void Advance(uint32_t ms);
    void TourStep();
    void MoveTo(int pan, int tilt, int zoom, int focus);
    void Nudge(Axis axis, int steps);
    int Hex(Axis axis) const;
    void Adopt();
    void Publish();

    State state_;
    SetupState setup_;
    SimDsp7100 dsp7100_;
    SimPrivacyZones privacy_;
    SimLensMaintenance lensMaintenance_;
    SimLens55x lens55x_;
    SimDsp8270 dsp8270_;
    SimHiDef hiDef_;
    SimMaintenance maintenance_;
    SimThermalCore thermalCore_;
    SimThermalCamera thermalCamera_;
    SimDsp723x dsp723x_;
    SimDsp7440 dsp7440_;
    SimDome dome_;
    SimCameraId cameraId_;
    SimAzimuth azimuth_;
    std::array<Preset, kPresetCount> presets_;
    int lastPreset_ = 0;
    double position_[kAxes] = {};
    double rate_[kAxes] = {};      // hex steps per millisecond, signed
    int published_[kAxes] = {};    // the State values last written from position_
    uint32_t lastTick_ = 0;
    uint32_t tourWait_ = 0;        // milliseconds to the next tour step
    int tourPreset_ = -1;          // the preset the tour last went to
};
