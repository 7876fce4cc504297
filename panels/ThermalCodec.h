#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The camera types of the thermal cores whose sensor the "Thermal Control"
// panel knows by type.
constexpr int kCameraPThermal = 15;    // "DayNight/PThermal", 640 x 512
constexpr int kCamera320CThermal = 16; // "DayNight/320 CThermal", 320 x 256

// What the "Thermal Control" panel holds; -1 is "none chosen".
struct ThermalMembers {
    int palette = -1;       // Polarity/LUT 0-11
    int orientation = -1;   // 0 Normal, 1 Invert, 2 Revert, 3 Invert and Revert
    int digitalZoom = -1;   // 0 1X to 3 8X
    int plateau = 10;       // AGC plateau 10-1000
    int ittMean = 0;        // 0-255
    int maxGain = 0;        // 0-255
    int roiLeft = 0, roiTop = 0, roiRight = 320, roiBottom = 256;
    int ffcInterval = 7200; // frames
    int ffcTempChange = 5;  // 0.1 C
    int ffcMode = -1;       // 0 Manual, 1 Auto, 2 Ext
    int operatingMode = -1; // 0 Real Time, 1 Frozen
    int video = -1;         // 0 Mono, 1 Color
    int suppOffset = 0;     // supplementary offset enabled
    std::string passThrough;
    int roiPreset = -1;
    int agcPreset = -1;
    int dde = 18;           // 1-63
    int sensorSize = 0;     // as the camera reports it: 0 320 x 256, 1 640 x 512
    int roiLabels = -1;     // the sensor the ROI labels name: 0, 1, or -1 the template's
};

// The ROI range labels and the picture's width and height labels.
struct RoiLabelTexts {
    const char* left;
    const char* top;
    const char* right;
    const char* bottom;
    const char* width;
    const char* height;
};
// For sensor 1 (640 x 512); for 0 (320 x 256) and for the window's own
// texts (-1, used for camera types that do not name their sensor) the
// 320 x 256 texts.
RoiLabelTexts RoiLabelsFor(int sensor);
// The sensor the ROI labels name when the panel opens for a camera type.
int RoiLabelsForCamera(int cameraType);

extern const char* const kAgcPresetNames[4];
extern const char* const kRoiPresetNames[3];

std::string FfcCommand(int interval, int temperatureChange);       // "tk%05d%03d"
std::string AgcCommand(int plateau, int ittMean, int maxGain);     // "tA%04d%03d%03d"
std::string AgcPresetCommand(int preset);                          // "" for no preset
std::string RoiCommand(int left, int top, int right, int bottom);  // "tR%03d%03d%03d%03d"
std::string RoiPresetCommand(int sensorSize, int preset);          // "" for no preset
std::string DdeCommand(int dde);                                   // "td%02X" of DDE + 15
// "tt%02X" with the text's length, then the text in upper case.
std::string PassThroughCommand(std::string_view text);
// The longest pass-through text whose command fits one queue slot.
constexpr int kPassThroughMax = 59;

// The ROI "Set" check: the sensor's ranges for the two camera types that
// name their sensor, then left < right and top < bottom for every type.
bool RoiAcceptable(int cameraType, int left, int top, int right, int bottom);

// A reply frame as the console hands it over, walked into the members.
// True when it was a status string (a binary frame is not).
bool DecodeThermalReply(const uint8_t* frame, size_t length, ThermalMembers& m);
