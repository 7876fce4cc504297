#include "TcpHost.h"

#include "HostIo.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>

namespace {
using socklen_t = int;

bool StartSockets()
{
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

int PollIn(HostHandle s, int waitMs)
{
    WSAPOLLFD p{static_cast<SOCKET>(s), POLLIN, 0};
    return WSAPoll(&p, 1, waitMs);
}

void CloseSocket(HostHandle s)
{
    closesocket(static_cast<SOCKET>(s));
}

std::string LastSocketError()
{
    return "socket error " + std::to_string(WSAGetLastError());
}
} // namespace

#else // POSIX

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
bool StartSockets()
{
    return true;
}

int PollIn(HostHandle s, int waitMs)
{
    pollfd p{s, POLLIN, 0};
    return poll(&p, 1, waitMs);
}

void CloseSocket(HostHandle s)
{
    close(s);
}

std::string LastSocketError()
{
    return std::strerror(errno);
}
} // namespace

#endif

TcpHost::TcpHost() = default;

TcpHost::~TcpHost()
{
    Stop();
}

bool TcpHost::Start(SimulatedReceiver& device, int port)
{
    Stop();
    listener_ = StartSockets() ? static_cast<HostHandle>(socket(AF_INET, SOCK_STREAM, 0)) : kNoHostHandle;
    const int on = 1;
#ifndef _WIN32
    // (On Windows SO_REUSEADDR would let another program take the port too.)
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
#endif
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    (void)on;
    socklen_t length = sizeof a;
    if (listener_ == kNoHostHandle || bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(listener_, 1) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &length) != 0) {
        error_ = "cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + LastSocketError();
        Stop();
        return false;
    }
    port_ = ntohs(a.sin_port);
    device_ = &device;
    running_ = true;
    thread_ = std::thread([this] { Serve(); });
    return true;
}

void TcpHost::Stop()
{
    running_ = false;
    if (thread_.joinable())
        thread_.join();
    if (listener_ != kNoHostHandle)
        CloseSocket(listener_);
    listener_ = kNoHostHandle;
    std::lock_guard<std::mutex> lock(mutex_);
    device_ = nullptr;
}

void TcpHost::WithDevice(const std::function<void(SimulatedReceiver&)>& f)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (device_)
        f(*device_);
}

void TcpHost::Serve()
{
    while (running_) {
        if (PollIn(listener_, 10) <= 0)
            continue;
        const HostHandle client = static_cast<HostHandle>(accept(listener_, nullptr, nullptr));
        if (client == kNoHostHandle)
            continue;
        const int on = 1;
        setsockopt(client, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
        while (running_ && ServeDeviceOnce(client, *device_, mutex_, running_, 2)) {
        }
        CloseSocket(client);
    }
}
