#include "HostIo.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

bool ServeDeviceOnce(int fd, SimulatedReceiver& device, std::mutex& mutex, const std::atomic<bool>& running,
                     int waitMs)
{
    uint8_t in[256];
    uint8_t out[256];
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
            const ssize_t w = write(fd, out + done, n - done);
            if (w > 0)
                done += static_cast<size_t>(w);
            else if (w < 0 && errno != EAGAIN && errno != EINTR)
                return false;
            else
                poll(nullptr, 0, 1);
        }
    }
}
