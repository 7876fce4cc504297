// pivora-sim: a simulated camera receiver on a pseudo-terminal (or the
// loopback TCP port; Windows has that only).
#ifndef _WIN32
#include "PtyHost.h"
#endif
#include "SimulatedCamera.h"
#include "SteadyClock.h"
#include "TcpHost.h"

#include <chrono>
#include <csignal>
#include <functional>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {
volatile std::sig_atomic_t stopRequested = 0;
void RequestStop(int) { stopRequested = 1; }

void Usage(FILE* out)
{
    std::fprintf(out,
                 "Usage: pivora-sim [options]\n"
                 "Runs a simulated camera receiver on a pseudo-terminal and prints its path,\n"
                 "or behind a TCP port on the loopback address and prints its address.\n\n"
                 "  --address N     camera address (default 1)\n"
                 "  --mode M        frame mode of the replies: 0 (02..03 frames) or 1 (F8 frames, default)\n"
                 "  --rx-type N     receiver type (default 5)\n"
                 "  --cam-type N    camera type (default 3)\n"
                 "  --protocol N    protocol number, for the status bits of Javelin answers (default 0)\n"
                 "  --silent        acknowledge nothing\n"
                 "  --delay MS      answer MS milliseconds late\n"
#ifdef _WIN32
                 "  --tcp PORT      serve on 127.0.0.1:PORT (raw TCP, as a serial device server;\n"
                 "                  without it a free port: Windows has no pseudo-terminals)\n"
#else
                 "  --tcp PORT      serve on 127.0.0.1:PORT (raw TCP, as a serial device server)\n"
#endif
                 "  --quiet         do not print the received commands\n"
                 "  --help          this text\n");
}

bool ParseInt(const char* text, int* out)
{
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!text[0] || *end || v < 0 || v > 65535)
        return false;
    *out = static_cast<int>(v);
    return true;
}

void PrintFrame(const SimFrameReader::Frame& f)
{
    std::string shown;
    for (unsigned char c : f.text) {
        if (c >= 0x20 && c < 0x7F) {
            shown += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<%02X>", c);
            shown += hex;
        }
    }
    std::printf("rx %s addr %d: %s\n", f.kind == SimFrameReader::Kind::Binary ? "binary" : "ascii", f.address,
                shown.c_str());
    std::fflush(stdout);
}
} // namespace

int main(int argc, char* argv[])
{
    SimOptions options;
    bool silent = false, quiet = false;
    int delay = 0;
    int tcpPort = -1;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : "";
        int* target = nullptr;
        if (!std::strcmp(a, "--help")) {
            Usage(stdout);
            return 0;
        } else if (!std::strcmp(a, "--silent")) {
            silent = true;
            continue;
        } else if (!std::strcmp(a, "--quiet")) {
            quiet = true;
            continue;
        } else if (!std::strcmp(a, "--address")) {
            target = &options.address;
        } else if (!std::strcmp(a, "--mode")) {
            target = &options.mode;
        } else if (!std::strcmp(a, "--rx-type")) {
            target = &options.receiverType;
        } else if (!std::strcmp(a, "--cam-type")) {
            target = &options.cameraType;
        } else if (!std::strcmp(a, "--protocol")) {
            target = &options.protocol;
        } else if (!std::strcmp(a, "--delay")) {
            target = &delay;
        } else if (!std::strcmp(a, "--tcp")) {
            target = &tcpPort;
        }
        if (!target || !ParseInt(value, target)) {
            std::fprintf(stderr, "pivora-sim: bad option or value: %s %s\n", a, value);
            Usage(stderr);
            return 2;
        }
        ++i;
    }

    SteadyClock clock;
    SimulatedCamera device(clock, options);
    device.SetSilent(silent);
    device.SetReplyDelay(static_cast<uint32_t>(delay));
    TcpHost tcp;
#ifdef _WIN32
    if (!tcp.Start(device, tcpPort >= 0 ? tcpPort : 0)) {
        std::fprintf(stderr, "pivora-sim: %s\n", tcp.error().c_str());
        return 1;
    }
#else
    PtyHost pty;
    const bool onTcp = tcpPort >= 0;
    if (onTcp ? !tcp.Start(device, tcpPort) : !pty.Start(device)) {
        std::fprintf(stderr, "pivora-sim: %s\n", onTcp ? tcp.error().c_str() : pty.error().c_str());
        return 1;
    }
#endif
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
#ifdef _WIN32
    std::printf("%s\n", tcp.url().c_str());
#else
    std::printf("%s\n", onTcp ? tcp.url().c_str() : pty.path().c_str());
#endif
    std::fflush(stdout);
    auto withDevice = [&](const std::function<void(SimulatedReceiver&)>& f) {
#ifdef _WIN32
        tcp.WithDevice(f);
#else
        if (onTcp)
            tcp.WithDevice(f);
        else
            pty.WithDevice(f);
#endif
    };

    size_t shown = 0;
    while (!stopRequested) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (quiet)
            continue;
        withDevice([&](SimulatedReceiver& d) {
            for (; shown < d.received().size(); ++shown)
                PrintFrame(d.received()[shown].frame);
        });
    }
    tcp.Stop();
#ifndef _WIN32
    pty.Stop();
#endif
    return 0;
}
