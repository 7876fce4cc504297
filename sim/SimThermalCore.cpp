#include "SimThermalCore.h"

#include <cstdio>

namespace {
// A decimal value of exactly count digits from text[from] to its end, or -1.
int Number(const std::string& text, size_t from, size_t count)
{
    if (text.size() != from + count)
        return -1;
    int v = 0;
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        v = v * 10 + (text[i] - '0');
    }
    return v;
}

// count decimal digits at text[from], or -1.
int Field(const std::string& text, size_t from, size_t count)
{
    return text.size() >= from + count ? Number(text.substr(from, count), 0, count) : -1;
}

// The small number a digit character ('0' plus n) stands for, when it is
// the command's last character and lies within 0 to hi.
int DigitValue(const std::string& text, size_t at, int hi)
{
    if (text.size() != at + 1)
        return -1;
    const int v = text[at] - '0';
    return v >= 0 && v <= hi ? v : -1;
}

int Hex(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
} // namespace

SimThermalCore::SimThermalCore(bool large) : large_(large), settings_(Factory()), saved_(settings_) {}

SimThermalCore::Settings SimThermalCore::Factory() const
{
    Settings s;
    s.roiRight = large_ ? 640 : 320;
    s.roiBottom = large_ ? 512 : 256;
    return s;
}

std::string SimThermalCore::StatusReply() const
{
    const Settings& s = settings_;
    char text[96];
    std::snprintf(text, sizeof text, "tW%dk%05d%03dR%03d%03d%03d%03dA%04d%03d%03dB%dC%cF%dS%dX%di%dc%dd%c",
                  s.ffcMode, s.ffcInterval, s.ffcTempChange, s.roiLeft, s.roiTop, s.roiRight, s.roiBottom,
                  s.plateau, s.ittMean, s.maxGain, s.video, '0' + s.palette, s.operatingMode, s.suppOffset,
                  s.digitalZoom, s.orientation, large_ ? 1 : 0, s.dde + 15);
    return text;
}

bool SimThermalCore::Handle(const std::string& text, std::string& reply)
{
    reply.clear();
    if (text.size() < 3 || text[0] != 't')
        return false;
    Settings& s = settings_;
    const char what = text[1];
    const int width = large_ ? 640 : 320, height = large_ ? 512 : 256;
    int v = -1;
    if (text == "tDS") {
        reply = StatusReply();
    } else if (text == "trh") {
        ++ffcRuns_;
    } else if (text == "tsS") {
        saved_ = s;
    } else if (text == "tss" || text == "tsR") {
        s = saved_;
    } else if (text == "tsD") {
        s = Factory();
    } else if (what == 'f' && text.size() == 3 && (text[2] == 'N' || text[2] == 'F' || text[2] == 'S')) {
        focus_ = text[2];
    } else if (what == 'k' && text.size() == 10) {
        const int interval = Field(text, 2, 5), change = Field(text, 7, 3);
        if (interval >= 0 && interval <= 30000 && change >= 0 && change <= 100) {
            s.ffcInterval = interval;
            s.ffcTempChange = change;
        }
    } else if (what == 'A' && text.size() == 12) {
        const int plateau = Field(text, 2, 4), itt = Field(text, 6, 3), gain = Field(text, 9, 3);
        if (plateau >= 10 && plateau <= 1000 && itt >= 0 && itt <= 255 && gain >= 0 && gain <= 255) {
            s.plateau = plateau;
            s.ittMean = itt;
            s.maxGain = gain;
        }
    } else if (what == 'R' && text.size() == 14) {
        const int l = Field(text, 2, 3), t = Field(text, 5, 3), r = Field(text, 8, 3), b = Field(text, 11, 3);
        if (l >= 0 && t >= 0 && l < r && r <= width && t < b && b <= height) {
            s.roiLeft = l;
            s.roiTop = t;
            s.roiRight = r;
            s.roiBottom = b;
        }
    } else if (what == 'd' && text.size() == 4) {
        const int h = Hex(text[2]), l = Hex(text[3]);
        if (h >= 0 && l >= 0 && h * 16 + l - 15 >= 1 && h * 16 + l - 15 <= 63)
            s.dde = h * 16 + l - 15;
    } else if (what == 't' && text.size() >= 4) {
        // The core takes a pass-through command whose length is right.
        const int h = Hex(text[2]), l = Hex(text[3]);
        if (h >= 0 && l >= 0 && text.size() == static_cast<size_t>(4 + h * 16 + l))
            passThrough_ = text.substr(4);
    } else if (what == 'W' && (v = DigitValue(text, 2, 2)) >= 0) {
        s.ffcMode = v;
    } else if (what == 'F' && (v = DigitValue(text, 2, 1)) >= 0) {
        s.operatingMode = v;
    } else if (what == 'B' && (v = DigitValue(text, 2, 1)) >= 0) {
        s.video = v;
    } else if (what == 'C' && (v = DigitValue(text, 2, 11)) >= 0) {
        s.palette = v;
    } else if (what == 'i' && (v = DigitValue(text, 2, 3)) >= 0) {
        s.orientation = v;
    } else if (what == 'X' && (v = DigitValue(text, 2, 3)) >= 0) {
        s.digitalZoom = v;
    } else if (what == 'S' && (v = DigitValue(text, 2, 1)) >= 0) {
        s.suppOffset = v;
    } else {
        return false;
    }
    return true;
}
