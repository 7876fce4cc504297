#pragma once
#include "SimulatedReceiver.h"

#include <atomic>
#include <cstdint>
#include <mutex>

// What a host serves its device on: a file descriptor (a terminal or a
// socket) on POSIX systems, a socket on Windows.
#ifdef _WIN32
using HostHandle = uintptr_t; // a SOCKET
#else
using HostHandle = int;
#endif
constexpr HostHandle kNoHostHandle = static_cast<HostHandle>(-1);

// One turn of serving a device on a file descriptor (a terminal or a
// socket): what arrived within waitMs goes to the device, what the device
// has due goes out. False when the far end has closed.
bool ServeDeviceOnce(HostHandle fd, SimulatedReceiver& device, std::mutex& mutex, const std::atomic<bool>& running,
                     int waitMs);
