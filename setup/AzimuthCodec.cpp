#include "AzimuthCodec.h"

const std::array<AzimuthButton, 14> kAzimuthButtons = {{
    {"North Direction", "Set", "mNs"},
    {"North Direction", "Clear", "mNc"},
    {"Azimuth/Elevation Display", "Enable", "dpE"},
    {"Azimuth/Elevation Display", "Disable", "dpD"},
    {"Azimuth/Elevation Display", "Permanent", "dpt"},
    {"Azimuth/Elevation Display", "TimeOut", "dpT"},
    {"Direction Display", "Enable", "dNE"},
    {"Direction Display", "Disable", "dND"},
    {"Direction Display", "Permanent", "dNt"},
    {"Direction Display", "TimeOut", "dNT"},
    {"", "Set 8 Zones", "dN0"},
    {"", "Set 16 Zones", "dN1"},
    {"Set ID Display", "Grouped with IDs", "dNI"},
    {"Set ID Display", "Seperated from IDs", "dNi"},
}};

std::string PtModuleCommand(std::string_view text)
{
    return "#" + std::string(text.substr(0, kPtModuleTextLength));
}

bool PtModuleCharacter(char c)
{
    return c >= 0x20 && c <= 0x7E;
}
