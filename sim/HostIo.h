#pragma once
#include "SimulatedReceiver.h"

#include <atomic>
#include <mutex>

// One turn of serving a device on a file descriptor (a terminal or a
// socket): what arrived within waitMs goes to the device, what the device
// has due goes out. False when the far end has closed.
bool ServeDeviceOnce(int fd, SimulatedReceiver& device, std::mutex& mutex, const std::atomic<bool>& running,
                     int waitMs);
