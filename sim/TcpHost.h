#pragma once
#include "HostIo.h"
#include "SimulatedReceiver.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

// Runs a simulated device behind a TCP port on the loopback address, as a
// serial device server in raw mode would: one connection at a time, the
// bytes of the line passed both ways unchanged.
class TcpHost {
public:
    TcpHost();
    ~TcpHost();
    TcpHost(const TcpHost&) = delete;
    TcpHost& operator=(const TcpHost&) = delete;

    // Listens on 127.0.0.1:port (0: a free port) and serves the device;
    // false with error() set when the port cannot be had.
    bool Start(SimulatedReceiver& device, int port = 0);
    // Closes the connection and stops listening.
    void Stop();

    int port() const { return port_; }
    std::string url() const { return "tcp://127.0.0.1:" + std::to_string(port_); }
    const std::string& error() const { return error_; }
    void WithDevice(const std::function<void(SimulatedReceiver&)>& f);

private:
    void Serve();

    HostHandle listener_ = kNoHostHandle;
    int port_ = 0;
    std::string error_;
    SimulatedReceiver* device_ = nullptr;
    std::mutex mutex_;
    std::atomic<bool> running_{false};
    std::thread thread_;
};
