#include "DspStatusChoice.h"

DspPanel DspStatusPanel(int rx, int cam, int source)
{
    using P = DspPanel;
    if (rx == 12) {
        const bool left = source == 0;
        switch (cam) {
        case 6: return left ? P::DayNight : P::ThermalControls;
        case 15:
        case 16:
        case 18: return left ? P::DayNight : P::ThermalControl;
        case 7:
        case 11: return left ? P::DayNight : P::None;
        case 9: return left ? P::ThermalControls : P::None;
        case 10: return left ? P::Dsp7440 : P::None;
        default: return P::None;
        }
    }
    if (rx == 14)
        return cam == 17 ? P::Lens55X : P::None;
    switch (cam) {
    case 1: return P::Dsp7100;
    case 2: return P::Dsp723x;
    case 3:
    case 7:
    case 11: return P::DayNight;
    case 4: return P::Dsp7440;
    case 5:
    case 6: return P::ThermalControls;
    case 12: return P::Dsp8270;
    case 13: return P::HiDef;
    default: return P::None;
    }
}

const char* DspPanelTitle(DspPanel panel)
{
    switch (panel) {
    case DspPanel::None: return "";
    case DspPanel::Dsp7100: return "DSP 7100 Control";
    case DspPanel::Dsp723x: return "DSP 723x Control";
    case DspPanel::DayNight: return "Day/Night DSP Camera Control";
    case DspPanel::Dsp7440: return "DSP 7440";
    case DspPanel::ThermalControls: return "Thermal Controls";
    case DspPanel::ThermalControl: return "Thermal Control";
    case DspPanel::Dsp8270: return "8270 DSP CAMERA CONTROL";
    case DspPanel::HiDef: return "DSP HIDEF";
    case DspPanel::Lens55X: return "55X Lens Control";
    }
    return "";
}
