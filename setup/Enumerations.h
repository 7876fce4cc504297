#pragma once

// The types the settings store and everything switches on: receiver type,
// camera type, camera protocol and LCU protocol. The index is what is stored
// and sent; the names are those of the Setup dialog's lists, in list order.
// An index outside a list has the empty name.

constexpr int kReceiverTypeCount = 15;
constexpr int kCameraTypeCount = 20; // the last entry has no name
constexpr int kCameraProtocolCount = 15;
constexpr int kLcuProtocolCount = 11;

const char* ReceiverTypeName(int index);
const char* CameraTypeName(int index);
const char* CameraProtocolName(int index);
const char* LcuProtocolName(int index);
