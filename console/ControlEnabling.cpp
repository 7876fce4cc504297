#include "ControlEnabling.h"

#include "ConsoleControlIds.h"

#include <initializer_list>

namespace {
using namespace ConsoleControl;

struct Decisions {
    ControlEnabling& r;
    void Set(std::initializer_list<int> ids, bool on)
    {
        for (int id : ids)
            r.enabled[id] = on;
    }
    void Enable(std::initializer_list<int> ids) { Set(ids, true); }
    void Disable(std::initializer_list<int> ids) { Set(ids, false); }
};

bool OneOf(int v, std::initializer_list<int> set)
{
    for (int s : set)
        if (s == v)
            return true;
    return false;
}

constexpr std::initializer_list<int> kWipeWash = {Wipe, WipeSetup, Wash, WashSetup};
} // namespace

ControlEnabling EnableControlsForTypes(int rx, int cam, int videoSource, int protocol)
{
    ControlEnabling result;
    result.videoSource = videoSource;
    Decisions d{result};

    d.Disable({ColorBalance, LensFast, ManualIris, IrisOpen, IrisClose, ManualFocus, Store, PresetGoto, PresetList,
               StoreId, GetId, ManualIntegration, ColorRed, ColorBlue, IntegrationUp, IntegrationDown, FocusNear,
               FocusFar, Find, Reset, CameraPower, ZoomIn, ZoomOut, Pad, CameraId, ZoneList, PositionQuery,
               PositionGoto, DspStatus, SetAddress, NewAddress, EnableNtcip, DisableNtcip, SendModule, Wipe,
               WipeSetup, Wash, WashSetup, Illuminator});
    d.Enable({StartStop, TourSetup, TourLamp});

    if (rx >= 0 && rx <= 2) {
        d.Enable({Find, Reset, CameraPower, LensFast, ManualIris, ColorBalance, ColorRed, ColorBlue, Store,
                  PresetGoto, PresetList, PositionQuery, PositionGoto, CameraId, Pad, ZoomIn, ZoomOut, FocusNear,
                  FocusFar});
        d.Disable({SendModule, SetAzimuth});
        d.Disable(kWipeWash);
        if (rx == 2) {
            d.Disable({ColorBalance, ColorRed, ColorBlue});
            d.Enable({DspStatus, ManualFocus, ManualIntegration});
        }
    } else if ((rx >= 3 && rx <= 11) || rx == 13 || rx == 14) {
        d.Enable({Find, Reset, CameraPower, LensFast, ManualIris, Store, PresetGoto, PresetList, ManualFocus,
                  ManualIntegration, SetAddress, NewAddress, StoreId, GetId, PositionQuery, PositionGoto, Pad,
                  ZoomIn, ZoomOut, CameraId, DspStatus, SetAzimuth});
        d.Disable({SendModule, SourceLeft, SourceRight});
        d.Disable(kWipeWash);
        if (OneOf(rx, {5, 7, 8, 9, 10, 11, 13, 14})) {
            d.Disable({ManualIntegration});
            d.Enable({ZoneList, EnableNtcip, DisableNtcip});
            if (OneOf(rx, {7, 11, 13, 14})) {
                d.Enable({SendModule});
                d.Enable(kWipeWash);
            } else if (rx == 8 || rx == 10) {
                d.Disable({EnableNtcip, DisableNtcip, SetAzimuth, ColorBalance, ColorRed, ColorBlue});
                d.Enable({GetId});
            }
        }
    } else if (rx == 12) {
        d.Enable({SetAddress, NewAddress, Find, Reset, CameraPower, Store, PresetGoto, PresetList, ZoomIn, ZoomOut,
                  FocusNear, FocusFar, StoreId, GetId, PositionQuery, PositionGoto, Pad, CameraId, DspStatus,
                  SetAzimuth, ZoneList, SourceLeft, SourceRight});
        d.Enable(kWipeWash);
        d.Disable({ManualIntegration, SendModule, EnableNtcip, DisableNtcip});
        if (result.videoSource != 0 && result.videoSource != 1)
            result.videoSource = 0;
        const bool left = result.videoSource == 0;
        if (OneOf(cam, {6, 15, 16, 18})) {
            d.Set({LensFast, ManualFocus, ManualIris}, left);
            d.Enable({FocusNear, FocusFar});
        } else if (cam == 8 || cam == 10) {
            d.Enable({Illuminator, IrisOpen, IrisClose});
            d.Enable(kWipeWash);
            if (cam == 8) {
                d.Disable({DspStatus});
                d.Enable({LensFast, ManualFocus, ManualIris});
            }
        } else if (cam == 9) {
            d.Enable({Illuminator});
        } else if (cam == 7) {
            d.Set({LensFast, ManualFocus, ManualIris}, !left);
            if (left)
                d.Enable({FocusNear, FocusFar});
        } else if (cam == 11) {
            d.Enable({Illuminator, Find, Reset, CameraPower, LensFast, ManualIris, ManualFocus, DspStatus});
            d.Disable({IrisOpen, IrisClose, FocusNear, FocusFar});
        }
    }

    if (protocol == 3 || protocol == 9)
        d.Disable({CameraId, TourSetup, StartStop, ZoneList, PositionQuery, PositionGoto, GetId, LensFast, Find,
                   DspStatus, StoreId, EnableNtcip, DisableNtcip});
    return result;
}
