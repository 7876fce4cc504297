#pragma once
#include "SimulatedReceiver.h"

#include <string>

#ifdef _WIN32
#include "TcpHost.h"
#else
#include "PtyHost.h"
#endif

// The host of the simulated device that `pivora --simulate` and
// `pivora-play --simulate` start in-process: a pseudo-terminal where the
// system has them, the loopback TCP port (tcp://127.0.0.1:PORT, a free
// port) on Windows, which has none.
class SimHost {
public:
    // False with error() set when the host cannot be had.
    bool Start(SimulatedReceiver& device);
    void Stop();

    // What the console opens: the terminal's path or the tcp:// address.
    std::string portName() const;
    const std::string& error() const { return host_.error(); }

private:
#ifdef _WIN32
    TcpHost host_;
#else
    PtyHost host_;
#endif
};
