#pragma once
#include <string>

// The lens and camera settings that the "Lens Maintenance" dialog sets and
// reads: the lens voltage and type, the video standard, the camera model,
// the 2X lens and the IR filter, and the services it starts (calibration,
// auto-iris level, clearing the NVRAM). It answers "m?" with the status
// record, "mXS" (and "mXs") with the 2X state and "mRS" with the IR filter.
class SimLensMaintenance {
public:
    struct Settings {
        int voltage = 1;  // 0 6 V, 1 9 V, 2 12 V
        int lensType = 5; // bit 0 zoom/focus, 1 motor iris, 2 z/f follow pots, 3 iris follow pot
        int video = 0;    // 0 NTSC, 1 PAL
        int camera = 2;   // 0 to 5
        int twoX = 0;
        int ir = 0;       // 0 to 3
        // How often each service was asked for.
        int calibrations = 0;
        int autoIrisLevels = 0;
        int nvramClears = 0;
    };

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }

    // A command text as the camera hears it. lineLockPhase is the camera's
    // line lock (0 crystal, 1 to 6 phase + 1), reported in the status
    // record. True when the command is one of the block's; reply then holds
    // the answer, if any.
    bool Handle(const std::string& text, int lineLockPhase, std::string& reply);

private:
    Settings settings_;
};
