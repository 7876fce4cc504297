#include "Enumerations.h"

#include <iterator>

namespace {
constexpr const char* kReceiverTypes[] = {
    "KRX-D", "TR5501B", "TR5502", "Dome", "Positioner", "Halo/Lynx", "LCU", "Lynx2",
    "74XX",  "8400",    "79XX",   "781X", "865X",       "827X",      "9100",
};

constexpr const char* kCameraTypes[] = {
    "Standard",
    "7100",
    "72xx",
    "Day/Night",
    "74xx",
    "781x",
    "Day/Night/Thermal",
    "Day/Night/7900",
    "Lens/IR",
    "Thermal/IR",
    "7400/IR",
    "DayNight/IR",
    "8270-30X",
    "DayNightHiDef",
    "Lens",
    "DayNight/PThermal",
    "DayNight/320 CThermal",
    "55X",
    "DayNight/CThermal/Lens",
    "",
};

constexpr const char* kCameraProtocols[] = {
    "Vexa",    "American Dynamics", "Pelco D",           "Javelin - 408R", "Philips",
    "Vicon",   "Telemetrics",       "Fast Field Device", "Ernitec",        "Javelin - ER3487D",
    "ICD",     "Ultrak",            "Pelco P",           "Kalatel",        "BBV",
};

constexpr const char* kLcuProtocols[] = {
    "Vexa", "American Dynamics", "Pelco D", "Javelin", "Philips", "Vicon",
    "Ultrak", "D12", "Kalatel", "Fast Field Device", "Pelco P",
};

static_assert(std::size(kReceiverTypes) == kReceiverTypeCount);
static_assert(std::size(kCameraTypes) == kCameraTypeCount);
static_assert(std::size(kCameraProtocols) == kCameraProtocolCount);
static_assert(std::size(kLcuProtocols) == kLcuProtocolCount);

template <size_t N> const char* Name(const char* const (&names)[N], int index)
{
    return index >= 0 && static_cast<size_t>(index) < N ? names[index] : "";
}
} // namespace

const char* ReceiverTypeName(int index)
{
    return Name(kReceiverTypes, index);
}

const char* CameraTypeName(int index)
{
    return Name(kCameraTypes, index);
}

const char* CameraProtocolName(int index)
{
    return Name(kCameraProtocols, index);
}

const char* LcuProtocolName(int index)
{
    return Name(kLcuProtocols, index);
}
