#pragma once

// Timer ids of the console window; the numbers are the ones the camera
// protocol documentation and the timer table use.
namespace ConsoleTimer {
constexpr int TxLampOff = 10;
constexpr int RxLampOff = 11;
constexpr int StatusRequest = 13;
constexpr int TourStep = 16;
constexpr int TourStop = 17;
constexpr int PeriodicStatus = 18;
constexpr int PeriodicPosition = 19;
constexpr int QueueService = 20;
constexpr int ReplyTimeout = 21;
constexpr int NtcipFollowUp = 23;
constexpr int StartupA = 28;
constexpr int StartupB = 29;
constexpr int StartupC = 31;
constexpr int StartupFirst = 40;
constexpr int PlaybackPacing = 100;
constexpr int PlayBlink = 101;
constexpr int RecordBlink = 102;
constexpr int PauseBlink = 103;
constexpr int PlaybackAckWait = 104;
} // namespace ConsoleTimer
