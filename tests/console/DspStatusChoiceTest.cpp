#include "DspStatusChoice.h"

#include <gtest/gtest.h>

TEST(DspStatusPanel, ByReceiverCameraAndSource)
{
    using P = DspPanel;
    struct Case {
        int rx, cam, source;
        P panel;
    } cases[] = {
        {5, 0, 0, P::None},          {5, 1, 0, P::Dsp7100},       {0, 2, 0, P::Dsp723x},
        {5, 3, 1, P::DayNight},      {9, 7, 0, P::DayNight},      {5, 11, 0, P::DayNight},
        {5, 4, 0, P::Dsp7440},       {5, 5, 0, P::ThermalControls}, {5, 6, 1, P::ThermalControls},
        {13, 12, 0, P::Dsp8270},     {13, 13, 0, P::HiDef},       {5, 17, 0, P::None},
        {5, 15, 0, P::None},         {14, 17, 0, P::Lens55X},     {14, 1, 0, P::None},
        {14, 3, 0, P::None},         {12, 6, 0, P::DayNight},     {12, 6, 1, P::ThermalControls},
        {12, 15, 0, P::DayNight},    {12, 16, 1, P::ThermalControl}, {12, 18, 1, P::ThermalControl},
        {12, 7, 0, P::DayNight},     {12, 7, 1, P::None},         {12, 11, 1, P::None},
        {12, 9, 0, P::ThermalControls}, {12, 9, 1, P::None},      {12, 10, 0, P::Dsp7440},
        {12, 10, 1, P::None},        {12, 1, 0, P::None},         {12, 0, 0, P::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DspStatusPanel(c.rx, c.cam, c.source), c.panel) << c.rx << "/" << c.cam << "/" << c.source;
    EXPECT_STREQ(DspPanelTitle(P::DayNight), "Day/Night DSP Camera Control");
    EXPECT_STREQ(DspPanelTitle(P::Dsp8270), "8270 DSP CAMERA CONTROL");
}
