#pragma once
#include "SimulatedReceiver.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// Runs a simulated device on a pseudo-terminal: the console opens the
// terminal's path as if it were a serial port.
class PtyHost {
public:
    PtyHost();
    ~PtyHost();
    PtyHost(const PtyHost&) = delete;
    PtyHost& operator=(const PtyHost&) = delete;

    // Opens the terminal and starts serving the device; false with error()
    // set when no terminal could be had. The device must outlive the host
    // or be stopped first.
    bool Start(SimulatedReceiver& device);
    void Stop();

    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

    // The terminal's line settings as its other end last set them (a
    // serial device server sets them from what its client asked for).
    int LineSpeed() const;
    char LineParity() const; // 'N', 'E' or 'O'

    // Runs f with the device locked against the serving thread.
    void WithDevice(const std::function<void(SimulatedReceiver&)>& f);

private:
    void Serve();

    int master_ = -1;
    int slave_ = -1; // kept open so the terminal survives the console closing it
    std::string path_;
    std::string error_;
    SimulatedReceiver* device_ = nullptr;
    std::mutex mutex_;
    std::atomic<bool> running_{false};
    std::thread thread_;
};
