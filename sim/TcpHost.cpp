#include "TcpHost.h"

#include "HostIo.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

TcpHost::TcpHost() = default;

TcpHost::~TcpHost()
{
    Stop();
}

bool TcpHost::Start(SimulatedReceiver& device, int port)
{
    Stop();
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    socklen_t length = sizeof a;
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(listener_, 1) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &length) != 0) {
        error_ = "cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + std::strerror(errno);
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
    if (listener_ >= 0)
        close(listener_);
    listener_ = -1;
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
        pollfd p{listener_, POLLIN, 0};
        if (poll(&p, 1, 10) <= 0)
            continue;
        const int client = accept(listener_, nullptr, nullptr);
        if (client < 0)
            continue;
        const int on = 1;
        setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        while (running_ && ServeDeviceOnce(client, *device_, mutex_, running_, 2)) {
        }
        close(client);
    }
}
