#include "HostIo.h"

#include <cerrno>

namespace {
// Hands everything the device has to say to the far end. writeSome returns
// the bytes it wrote, 0 when the far end cannot take any yet (after a short
// pause), or -1 when the connection failed. False on a failure.
template <typename WriteSome>
bool PassOutput(SimulatedReceiver& device, std::mutex& mutex, const std::atomic<bool>& running, WriteSome writeSome)
{
    uint8_t out[256];
    for (;;) {
        size_t n;
        {
            std::lock_guard<std::mutex> lock(mutex);
            n = device.TakeOutput(out, sizeof out);
        }
        if (n == 0)
            return true;
        size_t done = 0;
        while (done < n && running) {
            const long w = writeSome(out + done, n - done);
            if (w < 0)
                return false;
            done += static_cast<size_t>(w);
        }
    }
}
} // namespace

#ifdef _WIN32
#include <winsock2.h>

// On Windows the host serves a socket only (no terminals there).
bool ServeDeviceOnce(HostHandle fd, SimulatedReceiver& device, std::mutex& mutex, const std::atomic<bool>& running,
                     int waitMs)
{
    char in[256];
    const SOCKET s = static_cast<SOCKET>(fd);
    WSAPOLLFD p{s, POLLIN, 0};
    WSAPoll(&p, 1, waitMs);
    if (p.revents & POLLIN) {
        const int n = recv(s, in, static_cast<int>(sizeof in), 0);
        if (n == 0)
            return false;
        if (n > 0) {
            std::lock_guard<std::mutex> lock(mutex);
            for (int i = 0; i < n; ++i)
                device.Receive(static_cast<uint8_t>(in[i]));
        } else if (WSAGetLastError() != WSAEWOULDBLOCK && WSAGetLastError() != WSAEINTR) {
            return false;
        }
    } else if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) {
        return false;
    }
    return PassOutput(device, mutex, running, [s](const uint8_t* bytes, size_t length) -> long {
        const int w = send(s, reinterpret_cast<const char*>(bytes), static_cast<int>(length), 0);
        if (w > 0)
            return w;
        if (w < 0 && WSAGetLastError() != WSAEWOULDBLOCK && WSAGetLastError() != WSAEINTR)
            return -1;
        Sleep(1);
        return 0;
    });
}

#else // POSIX

#include <poll.h>
#include <unistd.h>

bool ServeDeviceOnce(HostHandle fd, SimulatedReceiver& device, std::mutex& mutex, const std::atomic<bool>& running,
                     int waitMs)
{
    uint8_t in[256];
    pollfd p{fd, POLLIN, 0};
    poll(&p, 1, waitMs);
    if (p.revents & POLLIN) {
        const ssize_t n = read(fd, in, sizeof in);
        if (n == 0)
            return false;
        if (n > 0) {
            std::lock_guard<std::mutex> lock(mutex);
            for (ssize_t i = 0; i < n; ++i)
                device.Receive(in[i]);
        }
    } else if (p.revents & (POLLHUP | POLLERR)) {
        return false;
    }
    return PassOutput(device, mutex, running, [fd](const uint8_t* bytes, size_t length) -> long {
        const ssize_t w = write(fd, bytes, length);
        if (w > 0)
            return static_cast<long>(w);
        if (w < 0 && errno != EAGAIN && errno != EINTR)
            return -1;
        poll(nullptr, 0, 1);
        return 0;
    });
}

#endif
