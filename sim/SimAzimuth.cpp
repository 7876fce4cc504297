#include "SimAzimuth.h"

bool SimAzimuth::Handle(const std::string& text)
{
    Settings& s = settings_;
    if (!text.empty() && text[0] == '#') {
        s.moduleCommands.push_back(text.substr(1));
        return true;
    }
    struct Setting {
        const char* command;
        bool Settings::*flag;
        bool value;
    };
    static constexpr Setting kSettings[] = {
        {"mNs", &Settings::northSet, true},          {"dpE", &Settings::azimuthDisplay, true},
        {"dpD", &Settings::azimuthDisplay, false},   {"dpt", &Settings::azimuthPermanent, true},
        {"dpT", &Settings::azimuthPermanent, false}, {"dNE", &Settings::directionDisplay, true},
        {"dND", &Settings::directionDisplay, false}, {"dNt", &Settings::directionPermanent, true},
        {"dNT", &Settings::directionPermanent, false}, {"dNI", &Settings::groupedWithIds, true},
        {"dNi", &Settings::groupedWithIds, false},
    };
    for (const Setting& setting : kSettings)
        if (text == setting.command) {
            s.*setting.flag = setting.value;
            ++s.commands;
            return true;
        }
    if (text == "mNc") {
        s.northSet = false;
        ++s.northClears;
    } else if (text == "dN0" || text == "dN1") {
        s.directionZones = text[2] == '1' ? 16 : 8;
    } else {
        return false;
    }
    ++s.commands;
    return true;
}
