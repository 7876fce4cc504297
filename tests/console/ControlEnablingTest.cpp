#include "ConsoleControlIds.h"
#include "ControlEnabling.h"

#include <gtest/gtest.h>
#include <vector>

using namespace ConsoleControl;

namespace {
const int kCameraTypes[] = {0, 1, 2, 3, 6, 7, 8, 9, 10, 11, 15, 16, 18};
} // namespace

TEST(EnableControlsForTypes, JavelinProtocolsKeepTourIdFindAndNtcipOff)
{
    for (int protocol : {3, 9})
        for (int rx = 0; rx <= 14; ++rx)
            for (int cam : kCameraTypes)
                for (int source : {0, 1}) {
                    const ControlEnabling e = EnableControlsForTypes(rx, cam, source, protocol);
                    for (int id : {CameraId, TourSetup, StartStop, ZoneList, Find, EnableNtcip, DisableNtcip,
                                   PositionQuery, PositionGoto, GetId, StoreId, LensFast, DspStatus})
                        EXPECT_FALSE(e.IsEnabled(id)) << "rx " << rx << " cam " << cam << " id " << id;
                }
    // Protocol 0 leaves the tour controls on.
    EXPECT_TRUE(EnableControlsForTypes(5, 3, 0, 0).IsEnabled(StartStop));
}

TEST(EnableControlsForTypes, ByReceiverType)
{
    struct Case {
        int rx;
        std::vector<int> on;
        std::vector<int> off;
    } cases[] = {
        {0, {ColorBalance, ColorRed, FocusNear, Pad, CameraId}, {DspStatus, SetAddress, SetAzimuth, Wipe, ZoneList}},
        {1, {ColorBalance, Find}, {ManualFocus, StoreId}},
        {2, {DspStatus, ManualFocus, ManualIntegration}, {ColorBalance, ColorRed, ColorBlue}},
        {3, {ManualIntegration, SetAddress, StoreId, SetAzimuth}, {ZoneList, EnableNtcip, Wipe, SourceLeft}},
        {5, {ZoneList, EnableNtcip, DisableNtcip}, {ManualIntegration, Wipe, SendModule}},
        {7, {Wipe, WipeSetup, Wash, WashSetup, SendModule, ZoneList}, {ManualIntegration}},
        {8, {GetId, ZoneList}, {EnableNtcip, SetAzimuth, ColorBalance}},
        {10, {GetId}, {DisableNtcip, ColorRed}},
        {12, {SourceLeft, SourceRight, Wipe, ZoneList, FocusNear}, {ManualIntegration, SendModule, EnableNtcip}},
        {14, {SendModule, Wash}, {ManualIntegration}},
        {15, {StartStop, TourSetup, TourLamp}, {Pad, ZoomIn, Find}}, // unknown type: everything else off
    };
    for (const Case& c : cases) {
        const ControlEnabling e = EnableControlsForTypes(c.rx, 0, 0, 0);
        for (int id : c.on)
            EXPECT_TRUE(e.IsEnabled(id)) << "rx " << c.rx << " id " << id;
        for (int id : c.off)
            EXPECT_FALSE(e.IsEnabled(id)) << "rx " << c.rx << " id " << id;
    }
}

TEST(EnableControlsForTypes, Receiver12ByCameraAndSource)
{
    struct Case {
        int cam;
        int source;
        std::vector<int> on;
        std::vector<int> off;
    } cases[] = {
        {6, 0, {LensFast, ManualFocus, ManualIris, FocusNear}, {}},
        {6, 1, {FocusNear, FocusFar}, {LensFast, ManualFocus, ManualIris}},
        {7, 0, {FocusNear}, {LensFast, ManualIris}},
        {7, 1, {LensFast, ManualFocus, ManualIris}, {}},
        {8, 0, {Illuminator, IrisOpen, LensFast, Wipe}, {DspStatus}},
        {10, 0, {Illuminator, IrisClose, DspStatus}, {}},
        {9, 0, {Illuminator}, {IrisOpen}},
        {11, 0, {Illuminator, ManualFocus, DspStatus}, {IrisOpen, IrisClose, FocusNear, FocusFar}},
    };
    for (const Case& c : cases) {
        const ControlEnabling e = EnableControlsForTypes(12, c.cam, c.source, 0);
        for (int id : c.on)
            EXPECT_TRUE(e.IsEnabled(id)) << "cam " << c.cam << "/" << c.source << " id " << id;
        for (int id : c.off)
            EXPECT_FALSE(e.IsEnabled(id)) << "cam " << c.cam << "/" << c.source << " id " << id;
    }
    EXPECT_EQ(EnableControlsForTypes(12, 6, 5, 0).videoSource, 0);
    EXPECT_EQ(EnableControlsForTypes(12, 6, 1, 0).videoSource, 1);
    EXPECT_EQ(EnableControlsForTypes(5, 6, 5, 0).videoSource, 5); // only receiver type 12 resets it
    // Controls the rules never name keep their state.
    EXPECT_FALSE(EnableControlsForTypes(0, 0, 0, 0).Decides(SourceLeft));
}
