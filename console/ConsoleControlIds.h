#pragma once

// Control ids of the console window, named after their captions.
namespace ConsoleControl {
enum Id : int {
    CameraPower = 1050, LensFast = 1054, ManualIris = 1060, PresetGoto = 1065, ColorBalance = 1069,
    ManualIntegration = 1074, PresetList = 1012, CameraId = 1027, DspStatus = 1029, ZoneList = 1041,
    ZoomIn = 1087, ZoomOut = 1092, FocusNear = 1095, FocusFar = 1099, IrisOpen = 1104, IrisClose = 1107,
    ColorRed = 1109, ColorBlue = 1112, IntegrationUp = 1116, IntegrationDown = 1119, ManualFocus = 1145,
    Store = 1184, StoreId = 1185, GetId = 1186, PositionGoto = 1188, PositionQuery = 1190, Pad = 1203,
    Find = 1206, Reset = 1207, SetAddress = 1209, StartStop = 1264, TourSetup = 1266, TourLamp = 1269,
    DisableNtcip = 1407, EnableNtcip = 1413, NewAddress = 1420, SendModule = 1453, SetAzimuth = 1455,
    Wipe = 2311, WipeSetup = 2312, Wash = 2313, WashSetup = 2314, Illuminator = 2334,
    SourceLeft = 2336, SourceRight = 2337,
};
} // namespace ConsoleControl
