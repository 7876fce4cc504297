#pragma once
#include <string>

// The device to open for the stored settings: on Windows "COMn" from the
// stored "Port"; elsewhere the stored "Port Name", or /dev/ttyS(n-1) for a
// bare number. A --port given on the command line wins.
std::string PortDeviceName(int port, const std::string& portName, const std::string& override = {});

// "Port COM%d does not exist!", with the device's name where ports have names.
std::string PortMissingMessage(int port, const std::string& device);
