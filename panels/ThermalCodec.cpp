#include "ThermalCodec.h"

#include "StatusWalk.h"

#include <cctype>
#include <cstdio>
#include <iterator>

namespace {
using M = ThermalMembers;

struct Agc {
    int plateau, ittMean, maxGain;
};
// "Default", "Low Scene Contrast", "Outdoors", "Indoors".
constexpr Agc kAgcPresets[] = {{250, 110, 15}, {150, 110, 18}, {250, 110, 15}, {100, 120, 10}};

struct Roi {
    int left, top, right, bottom;
};
// "Full Screen", "Ignore Sky", "Center 50%" on each sensor.
constexpr Roi kRoi320[] = {{0, 0, 320, 256}, {0, 60, 320, 256}, {80, 64, 240, 192}};
constexpr Roi kRoi640[] = {{0, 0, 640, 512}, {0, 168, 640, 512}, {160, 128, 480, 384}};

constexpr RoiLabelTexts kLabels320 = {"(0 to 319)", "(0 to 255)", "(1 to 320)", "(1 to 256)", "(320)", "(256)"};
constexpr RoiLabelTexts kLabels640 = {"(0 to 639)", "(0 to 511)", "(1 to 640)", "(1 to 512)", "(640)", "(512)"};

std::string Format(const char* format, int a, int b = 0, int c = 0, int d = 0)
{
    char text[40];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

void ApplyFfc(M& m, ReplyView v)
{
    const int interval = v.LowDigitsAt(0, 5), change = v.LowDigitsAt(5, 3);
    if (interval >= 5 && interval <= 30000)
        m.ffcInterval = interval;
    if (change >= 0 && change <= 100)
        m.ffcTempChange = change;
}

void ApplyRoi(M& m, ReplyView v)
{
    const int left = v.LowDigitsAt(0, 3), top = v.LowDigitsAt(3, 3);
    const int right = v.LowDigitsAt(6, 3), bottom = v.LowDigitsAt(9, 3);
    if (left < 640 && top < 512 && right >= 1 && right <= 640 && bottom >= 1 && bottom <= 512) {
        m.roiLeft = left;
        m.roiTop = top;
        m.roiRight = right;
        m.roiBottom = bottom;
    }
}

void ApplyAgc(M& m, ReplyView v)
{
    const int plateau = v.LowDigitsAt(0, 4), itt = v.LowDigitsAt(4, 3), gain = v.LowDigitsAt(7, 3);
    if (plateau >= 10 && plateau <= 1000)
        m.plateau = plateau;
    if (itt >= 0 && itt < 256)
        m.ittMean = itt;
    if (gain >= 0 && gain < 256)
        m.maxGain = gain;
}

void ApplySensor(M& m, ReplyView v)
{
    const int flag = v[0] & 0x0F;
    if (flag <= 1)
        m.sensorSize = m.roiLabels = flag;
}

void ApplyDde(M& m, ReplyView v)
{
    const int dde = v[0] - 15;
    if (dde >= 1 && dde <= 63)
        m.dde = dde;
}

// Item letter, value length (the item's length less its letter), apply.
const StatusWalk<M> kStatus = {
    {"k", 8, ApplyFfc},
    {"R", 12, ApplyRoi},
    {"A", 10, ApplyAgc},
    {"B", 1, LowBitsField(&M::video, 0, 1)},
    {"C", 1, LowBitsField(&M::palette, 0, 11)},
    {"F", 1, LowBitsField(&M::operatingMode, 0, 1)},
    {"S", 1, LowBitsField(&M::suppOffset, 0, 1)},
    {"W", 1, LowBitsField(&M::ffcMode, 0, 2)},
    {"X", 1, LowBitsField(&M::digitalZoom, 0, 3)},
    {"i", 1, LowBitsField(&M::orientation, 0, 3)},
    {"c", 1, ApplySensor},
    {"d", 1, ApplyDde},
};
} // namespace

const char* const kAgcPresetNames[4] = {"Default", "Low Scene Contrast", "Outdoors", "Indoors"};
const char* const kRoiPresetNames[3] = {"Full Screen", "Ignore Sky", "Center 50%"};

RoiLabelTexts RoiLabelsFor(int sensor)
{
    return sensor == 1 ? kLabels640 : kLabels320;
}

int RoiLabelsForCamera(int cameraType)
{
    return cameraType == kCameraPThermal ? 1 : cameraType == kCamera320CThermal ? 0 : -1;
}

std::string FfcCommand(int interval, int temperatureChange)
{
    return Format("tk%05d%03d", interval, temperatureChange);
}

std::string AgcCommand(int plateau, int ittMean, int maxGain)
{
    return Format("tA%04d%03d%03d", plateau, ittMean, maxGain);
}

std::string AgcPresetCommand(int preset)
{
    if (preset < 0 || preset >= static_cast<int>(std::size(kAgcPresets)))
        return {};
    const Agc& a = kAgcPresets[preset];
    return AgcCommand(a.plateau, a.ittMean, a.maxGain);
}

std::string RoiCommand(int left, int top, int right, int bottom)
{
    return Format("tR%03d%03d%03d%03d", left, top, right, bottom);
}

std::string RoiPresetCommand(int sensorSize, int preset)
{
    if (preset < 0 || preset >= static_cast<int>(std::size(kRoi320)))
        return {};
    const Roi& r = (sensorSize == 1 ? kRoi640 : kRoi320)[preset];
    return RoiCommand(r.left, r.top, r.right, r.bottom);
}

std::string DdeCommand(int dde)
{
    return Format("td%02X", dde + 15);
}

std::string PassThroughCommand(std::string_view text)
{
    std::string command = Format("tt%02X", static_cast<int>(text.size()));
    for (char c : text)
        command += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return command;
}

bool RoiAcceptable(int cameraType, int left, int top, int right, int bottom)
{
    int width = 0, height = 0;
    if (cameraType == kCamera320CThermal) {
        width = 320;
        height = 256;
    } else if (cameraType == kCameraPThermal) {
        width = 640;
        height = 512;
    }
    if (width && (left < 0 || left >= width || right < 1 || right > width || top < 0 || top >= height ||
                  bottom < 1 || bottom > height))
        return false;
    return left < right && top < bottom;
}

bool DecodeThermalReply(const uint8_t* frame, size_t length, ThermalMembers& m)
{
    // The answer to a Javelin status record carries nothing for this panel.
    if (length == 0 || frame[0] == 0xFF)
        return false;
    const ReplyView items = ReplyView::Text(frame, length).BeforeHighByte();
    std::vector<std::string> none;
    WalkStatus(kStatus, items, m, none);
    return true;
}
