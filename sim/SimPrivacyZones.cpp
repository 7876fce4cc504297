#include "SimPrivacyZones.h"

#include <cstdio>

namespace {
// The zone a letter names, or -1.
int ZoneIndex(char letter)
{
    const int z = letter - 'A';
    return z >= 0 && z < SimPrivacyZones::kZoneCount ? z : -1;
}

// Exactly three decimal digits from at to the end, or -1.
int ThreeDigits(const std::string& text, size_t at)
{
    if (text.size() != at + 3)
        return -1;
    int v = 0;
    for (size_t i = at; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        v = v * 10 + (text[i] - '0');
    }
    return v;
}

std::string Three(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%03d", value);
    return text;
}

char Flag(bool on)
{
    return on ? '1' : '0';
}
} // namespace

SimPrivacyZones::Result SimPrivacyZones::Handle(const std::string& text, Position here)
{
    Result r;
    if (text.size() < 4 || text.compare(0, 2, "cs") != 0)
        return r;
    const char what = text[2];
    const std::string rest = text.substr(3);
    // Mask colours: camera-wide, asked for with or without a zone letter.
    if (what == 'C' && (rest == "?" || (rest.size() == 2 && rest[1] == '?' && ZoneIndex(rest[0]) >= 0))) {
        r.reply = std::string("csCP") + static_cast<char>('0' + colours_.programming) +
                  Flag(colours_.programmingTransparent) + 'L' + static_cast<char>('0' + colours_.live) +
                  Flag(colours_.liveTransparent);
        r.handled = true;
        return r;
    }
    if (what == 'C' && rest.size() == 2 && (rest[0] == 'P' || rest[0] == 'L')) {
        const int c = rest[1] - '0';
        if (c >= 0 && c < kColourCount)
            (rest[0] == 'P' ? colours_.programming : colours_.live) = c;
        r.handled = true;
        return r;
    }
    if (what == 'T' && rest.size() == 2 && (rest[0] == 'P' || rest[0] == 'L') && (rest[1] == '0' || rest[1] == '1')) {
        (rest[0] == 'P' ? colours_.programmingTransparent : colours_.liveTransparent) = rest[1] == '1';
        r.handled = true;
        return r;
    }
    const int z = ZoneIndex(rest[0]);
    if (z < 0)
        return r;
    Zone& zone = zones_[static_cast<size_t>(z)];
    const std::string value = rest.substr(1);
    const char letter = rest[0];
    r.handled = true;
    if (what == 'N' && value.empty()) {
        selected_ = z;
    } else if (what == 'Z' && value == "?") {
        r.reply = std::string("csZ") + letter + Flag(zone.programmed) + static_cast<char>('0' + zone.mode);
    } else if (what == 'M' && value.size() == 1 && value[0] >= '0' && value[0] <= '2') {
        zone.mode = value[0] - '0';
        // Programming frames the zone where the camera looks now.
        if (zone.mode == 1) {
            zone.programmed = true;
            zone.pan = here.pan;
            zone.tilt = here.tilt;
        }
    } else if ((what == 'h' || what == 'v') && value == "?") {
        r.reply = what == 'h' ? "csh" + Three(zone.horizontal) + "v" + Three(zone.vertical) : "csv" + Three(zone.vertical);
    } else if (what == 'h' || what == 'v') {
        const int v = ThreeDigits(value, 0);
        const int max = what == 'h' ? kHorizontalMax : kVerticalMax;
        if (v >= 0 && v <= max)
            (what == 'h' ? zone.horizontal : zone.vertical) = v;
    } else if (what == 'H' && value.empty()) {
        if (zone.programmed)
            r.moveTo = Position{zone.pan, zone.tilt};
    } else if (what == 'P' && value.empty()) {
        zone.pan = here.pan;
        zone.tilt = here.tilt;
    } else {
        r.handled = false;
    }
    return r;
}
