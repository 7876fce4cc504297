#pragma once

// The camera feature panels the console's "DSP Status" button can open.
enum class DspPanel {
    None,
    Dsp7100,         // "DSP 7100 Control"
    Dsp723x,         // "DSP 723x Control"
    DayNight,        // "Day/Night DSP Camera Control"
    Dsp7440,         // "DSP 7440"
    ThermalControls, // "Thermal Controls"
    ThermalControl,  // "Thermal Control"
    Dsp8270,         // "8270 DSP CAMERA CONTROL"
    HiDef,           // "DSP HIDEF"
    Lens55X,         // "55X Lens Control"
};

// The panel "DSP Status" opens for the attached receiver and camera; the
// video source (0 left, 1 right) matters for receiver type 12 only.
DspPanel DspStatusPanel(int receiverType, int cameraType, int videoSource);

// The panel's window title.
const char* DspPanelTitle(DspPanel panel);
