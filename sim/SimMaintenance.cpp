#include "SimMaintenance.h"

#include <cstdio>
#include <string>

namespace {
// count decimal digits at the given place, or -1.
int Number(const std::string& text, size_t at, size_t count)
{
    if (at + count > text.size())
        return -1;
    int v = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        v = v * 10 + (text[i] - '0');
    }
    return v;
}

bool Is(const std::string& text, const char* prefix, size_t length)
{
    return text.size() == length && text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

std::string Format(const char* format, int a, int b = 0, int c = 0, int d = 0)
{
    char text[40];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}
} // namespace

bool SimMaintenance::Handle(const std::string& text, std::string& reply)
{
    reply.clear();
    Settings& s = settings_;
    if (text == "i0" || text == "i1") {
        s.irOn = text[1] == '1';
    } else if (text == "im0" || text == "im1") {
        s.irMode = text[2] - '0';
    } else if (text == "imS") {
        reply = Format("i%d%d", s.irOn ? 1 : 0, s.irMode);
    } else if (text == "rrRRRR") {
        s.nvramCleared = true;
    } else {
        return HandleHeaterAndPresets(text, reply) || HandlePark(text, reply) || HandleWiperAndWasher(text, reply);
    }
    return true;
}

bool SimMaintenance::HandleHeaterAndPresets(const std::string& text, std::string& reply)
{
    Settings& s = settings_;
    if (text == "mtS") {
        reply = Format("mt%02d", s.heater);
    } else if (Is(text, "mt", 4)) {
        const int level = Number(text, 2, 2);
        if (level < 20 || level > 45)
            return false;
        s.heater = level;
    } else if (text == "mfS") {
        reply = Format("mf%d", s.freezeOnPreset ? 1 : 0);
    } else if (text == "mf0" || text == "mf1") {
        s.freezeOnPreset = text[2] == '1';
    } else if (text == "mo?") {
        reply = Format("mo%d%02d%02d", s.presetFeature, s.seekPreset, s.homePreset) +
                Format("%d%d", s.homeFeature, s.powerUp);
    } else if (text.compare(0, 3, "mos") == 0 && (text.size() == 6 || text.size() == 8 || text.size() == 10)) {
        // A preset above 64 does not travel: with one left out the camera
        // cannot tell which, and keeps both it has.
        const size_t n = text.size();
        const int preset = Number(text, 3, 1), home = Number(text, n - 2, 1), powerUp = Number(text, n - 1, 1);
        const int seek = n == 10 ? Number(text, 4, 2) : 0, homePreset = n == 10 ? Number(text, 6, 2) : 0;
        if (preset < 0 || preset > 1 || home < 0 || home > 1 || powerUp < 0 || powerUp > 2 || seek < 0 ||
            seek > 64 || homePreset < 0 || homePreset > 64)
            return false;
        s.presetFeature = preset;
        s.homeFeature = home;
        s.powerUp = powerUp;
        if (n == 10) {
            s.seekPreset = seek;
            s.homePreset = homePreset;
        }
    } else if (text == "mVs" || text == "mVc") {
        s.virtualHome = text[2] == 's';
    } else if (text == "mVg") {
        // Recalls the virtual home: nothing to answer.
    } else {
        return false;
    }
    return true;
}

// "*XP" + delay (three digits) + unit + kind + the number as one byte.
bool SimMaintenance::HandlePark(const std::string& text, std::string& reply)
{
    Settings& s = settings_;
    if (text == "*Xps") {
        reply = Format("*XP%03d%d%d", s.parkDelay, s.parkUnit, s.parkKind);
        reply += static_cast<char>(s.parkNumber);
        return true;
    }
    if (!Is(text, "*XP", 9))
        return false;
    const int delay = Number(text, 3, 3);
    const int unit = text[6] - '0', kind = text[7] - '0', number = text[8];
    if (delay < 0 || delay > 255 || unit < 1 || unit > 3 || kind < 1 || kind > 2 || number < 1 || number > 4)
        return false;
    s.parkDelay = delay;
    s.parkUnit = unit;
    s.parkKind = kind;
    s.parkNumber = number;
    return true;
}

bool SimMaintenance::HandleWiperAndWasher(const std::string& text, std::string& reply)
{
    Settings& s = settings_;
    if (text == "mw?") {
        reply = Format("mwr%04dd%02dm%d", s.wipeRun, s.wipeDelay, s.wipeModule);
    } else if (Is(text, "mwr", 10) && text[7] == 'd') {
        const int run = Number(text, 3, 4), delay = Number(text, 8, 2);
        if (run < 0 || delay < 0)
            return false;
        s.wipeRun = run;
        s.wipeDelay = delay;
    } else if (text == "mwm0" || text == "mwm1") {
        s.wipeModule = text[3] - '0';
    } else if (text == "mW?") {
        reply = Format("mWW%02dw%02dm%d", s.washTime, s.washWipe, s.manualWash ? 1 : 0) +
                Format("f%03d", s.washFrequency);
    } else if (Is(text, "mWW", 14) && text[5] == 'w' && text[8] == 'm' && text[10] == 'f') {
        const int wash = Number(text, 3, 2), wipe = Number(text, 6, 2), manual = Number(text, 9, 1);
        const int frequency = Number(text, 11, 3);
        if (wash < 0 || wipe < 0 || manual < 0 || manual > 1 || frequency < 1 || frequency > 168)
            return false;
        s.washTime = wash;
        s.washWipe = wipe;
        s.manualWash = manual == 1;
        s.washFrequency = frequency;
    } else if (text == "mWh") {
        s.washHomeSet = true;
    } else {
        return false;
    }
    return true;
}
