#include "PtyHost.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

PtyHost::PtyHost() = default;

PtyHost::~PtyHost()
{
    Stop();
}

bool PtyHost::Start(SimulatedReceiver& device)
{
    Stop();
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error_ = std::string("cannot open a pseudo-terminal: ") + std::strerror(errno);
        Stop();
        return false;
    }
    char name[128] = {};
    if (ptsname_r(master_, name, sizeof name) != 0) {
        error_ = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        Stop();
        return false;
    }
    path_ = name;
    slave_ = open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        error_ = std::string("cannot open ") + name + ": " + std::strerror(errno);
        Stop();
        return false;
    }
    termios t{};
    if (tcgetattr(slave_, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(slave_, TCSANOW, &t);
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    device_ = &device;
    running_ = true;
    thread_ = std::thread([this] { Serve(); });
    return true;
}

void PtyHost::Stop()
{
    running_ = false;
    if (thread_.joinable())
        thread_.join();
    if (slave_ >= 0)
        close(slave_);
    if (master_ >= 0)
        close(master_);
    slave_ = master_ = -1;
    std::lock_guard<std::mutex> lock(mutex_);
    device_ = nullptr;
}

int PtyHost::LineSpeed() const
{
    termios t{};
    if (slave_ < 0 || tcgetattr(slave_, &t) != 0)
        return 0;
    static const std::pair<speed_t, int> kSpeeds[] = {
        {B1200, 1200},   {B2400, 2400},   {B4800, 4800},   {B9600, 9600},     {B19200, 19200},
        {B38400, 38400}, {B57600, 57600}, {B115200, 115200}, {B230400, 230400}};
    const speed_t s = cfgetospeed(&t);
    for (auto [code, baud] : kSpeeds)
        if (code == s)
            return baud;
    return 0;
}

char PtyHost::LineParity() const
{
    termios t{};
    if (slave_ < 0 || tcgetattr(slave_, &t) != 0 || !(t.c_cflag & PARENB))
        return 'N';
    return (t.c_cflag & PARODD) ? 'O' : 'E';
}

void PtyHost::WithDevice(const std::function<void(SimulatedReceiver&)>& f)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (device_)
        f(*device_);
}

void PtyHost::Serve()
{
    uint8_t in[256];
    uint8_t out[256];
    while (running_) {
        pollfd p{master_, POLLIN, 0};
        poll(&p, 1, 2);
        if (p.revents & POLLIN) {
            const ssize_t n = read(master_, in, sizeof in);
            if (n > 0) {
                std::lock_guard<std::mutex> lock(mutex_);
                for (ssize_t i = 0; i < n; ++i)
                    device_->Receive(in[i]);
            }
        }
        for (;;) {
            size_t n;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                n = device_->TakeOutput(out, sizeof out);
            }
            if (n == 0)
                break;
            size_t done = 0;
            while (done < n && running_) {
                const ssize_t w = write(master_, out + done, n - done);
                if (w > 0)
                    done += static_cast<size_t>(w);
                else if (w < 0 && errno != EAGAIN && errno != EINTR)
                    break;
                else
                    poll(nullptr, 0, 1);
            }
        }
    }
}
