#pragma once

// Control ids of the console window, named after their captions. The names
// are also the controls' object names.
namespace ConsoleControl {
enum Id : int {
    // Camera, address, monitor
    CameraAddress = 1201, Find = 1206, Reset = 1207, StatusQuery = 1208, Illuminator = 2334,
    PressureQuery = 2335, NewAddress = 1420, SetAddress = 1209, GetAddress = 1212, MonitorNumber = 1202,
    // Lens and auxiliary
    ZoomIn = 1087, ZoomOut = 1092, FocusNear = 1095, FocusFar = 1099, IrisOpen = 1104, IrisClose = 1107,
    ColorRed = 1109, ColorBlue = 1112, IntegrationUp = 1116, IntegrationDown = 1119,
    Wipe = 2311, WipeSetup = 2312, Wash = 2313, WashSetup = 2314,
    UltraSlow = 2422, Slow = 2423, Fast = 2424, SeekHome = 1454, Aux2Enable = 2315,
    // Latch commands
    CameraPower = 1050, LensFast = 1054, ManualIris = 1060, ColorBalance = 1069, ManualFocus = 1145,
    ManualIntegration = 1074, AutoFocusOnPtz = 2425,
    // Pan/tilt pad and positions
    Pad = 1203, SetAzimuth = 1455, GetAzimuth = 2397, SendModule = 1453,
    Pan = 1077, Tilt = 1197, Zoom = 1199, Focus = 1200,
    PositionQuery = 1190, PositionGoto = 1188, ImageQuery = 1213,
    // Presets
    PresetList = 1012, Store = 1184, PresetGoto = 1065, StoreId = 1185, GetId = 1186,
    // Receiver status
    ReceiverStatus = 1211, LocalControl = 1204, VideoLoss = 1205, PressureLoss = 1210,
    // Special functions
    CameraId = 1027, DspStatus = 1029, CameraSetup = 1258,
    SourceLeft = 2336, SourceRight = 2337, LeftCameraPwr = 1031, RightCameraPwr = 1030,
    PwrStatusReq = 1032, LeftVideoReversed = 2415, RightVideoReversed = 2416,
    // Tours, NTCIP
    ZoneList = 1041, StartStop = 1264, TourSetup = 1266, TourLamp = 1269,
    DisableNtcip = 1407, EnableNtcip = 1413,
    // Log functions
    BrowseControl = 1301, Play = 1287, Pause = 1289, Record = 1285, InsertComments = 1284, StopLog = 1290,
    // Traffic
    TransmitStrip = 101, ReceiveStrip = 102, About = 1300, Close = 2, History = 1302,
};
} // namespace ConsoleControl

// The lamps, by id.
namespace ConsoleLamp {
enum Id : int {
    CameraPower = 200, LensFast = 201, ManualIris = 202, ColorBalance = 203, ManualFocus = 204,
    ManualIntegration = 205, LocalControl = 206, VideoLoss = 207, PressureLoss = 208, Reserved = 209,
    CommError = 210, Polling = 211, Transmit = 1260, Aux2 = 1261, Receive = 1262, Tour = 1269, Wiper = 2310,
};
} // namespace ConsoleLamp
