#include "OtherMaintenanceCodec.h"

#include "ReplyView.h"

#include <cstdio>

namespace {
void Take(int& member, int value, int lo, int hi)
{
    if (value >= lo && value <= hi)
        member = value;
}

void AppendPreset(std::string& text, int preset)
{
    if (preset < 0 || preset > kHighestPreset)
        return;
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02d", preset);
    text += digits;
}

void ApplyMaintenance(ReplyView t, OtherMaintenanceMembers& m)
{
    switch (t[0]) {
    case 't':
        Take(m.heater, t.DecimalAt(1, 2), kHeaterLow, kHeaterHigh);
        break;
    case 'f':
        if (t.Has(2))
            m.freeze = t[1] & 1;
        break;
    case 'o':
        if (!t.Has(8))
            return;
        m.presetFeature = t[1] & 1;
        Take(m.seekPreset, t.DecimalAt(2, 2), 0, kHighestPreset);
        Take(m.homePreset, t.DecimalAt(4, 2), 0, kHighestPreset);
        m.homeFeature = t[6] & 1;
        Take(m.powerUp, t[7] & 3, 0, 2);
        break;
    default:
        break;
    }
}

// "XP", delay, unit, action kind and the number as a byte.
void ApplyPark(ReplyView t, OtherMaintenanceMembers& m)
{
    if (t[0] != 'X' || t[1] != 'P' || !t.Has(8))
        return;
    Take(m.parkDelay, t.DecimalAt(2, 3), 1, 255);
    Take(m.parkUnit, t[5] - '1', 0, 2);
    const int number = t[7];
    if (number < 1 || number > 4)
        return;
    if (t[6] == '1')
        m.parkAction = number - 1;
    else if (t[6] == '2')
        m.parkAction = number + 3;
}
} // namespace

std::string HeaterCommand(int level)
{
    if (level < kHeaterLow || level > kHeaterHigh)
        return {};
    return "mt" + std::to_string(level);
}

std::string EnhancedPresetCommand(const OtherMaintenanceMembers& m)
{
    if (m.presetFeature < 0 || m.presetFeature > 1 || m.homeFeature < 0 || m.homeFeature > 1 || m.powerUp < 0 ||
        m.powerUp > 2)
        return {};
    std::string text = "mos";
    text += static_cast<char>('0' + m.presetFeature);
    AppendPreset(text, m.seekPreset);
    AppendPreset(text, m.homePreset);
    text += static_cast<char>('0' + m.homeFeature);
    text += static_cast<char>('0' + m.powerUp);
    return text;
}

std::string ParkCommand(const OtherMaintenanceMembers& m)
{
    if (m.parkAction < 0 || m.parkAction > 7 || m.parkUnit < 0 || m.parkUnit > 2 || m.parkDelay < 0 ||
        m.parkDelay > 255)
        return {};
    char text[48];
    const int tour = m.parkAction >= 4;
    std::snprintf(text, sizeof text, "*XP%03d%d%d%c", m.parkDelay, m.parkUnit + 1, tour + 1,
                  static_cast<char>(m.parkAction - 4 * tour + 1));
    return text;
}

void DecodeOtherMaintenanceReply(const uint8_t* frame, size_t length, OtherMaintenanceMembers& m)
{
    const ReplyView all = ReplyView::Frame(frame, length);
    const size_t textAt = all[1] == 254 ? 7 : 3;
    if (all.size <= textAt)
        return;
    const uint8_t letter = all[textAt - 1];
    const ReplyView t = all.From(textAt);
    if (letter == 'm')
        ApplyMaintenance(t, m);
    else if (letter == '*')
        ApplyPark(t, m);
}
