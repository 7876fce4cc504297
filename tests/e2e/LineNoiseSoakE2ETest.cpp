// Line noise: bursts of random bytes at 115200-baud pace over a
// pseudo-terminal, each followed by a quiet gap and one good position
// reply. After every burst the console must decode that reply (the pan
// and tilt fields show its values) and acknowledge it. The run lasts
// PIVORA_SOAK_SECONDS per frame mode (5 s by default; 60 for the full soak).
#include "RealConsoleServices.h"
#include "ConsoleDialog.h"
#include "DataFolder.h"
#include "Framing.h"
#include "QtSettingsStore.h"
#include "QtTimers.h"
#include "ReceiveStateMachine.h"
#include "ScriptedModalRunner.h"
#include "ScriptedPrompter.h"
#include "SerialPort.h"
#include "WaitFor.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <poll.h>
#include <sys/ioctl.h>
#include <random>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr int kBytesPerSecond = 115200 / 10; // start, eight data and stop bits

// The camera's end of a pseudo-terminal, written by the test itself.
struct NoisyLine {
    NoisyLine()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            return;
        char name[128] = {};
        ptsname_r(master, name, sizeof name);
        path = name;
        slave = open(name, O_RDWR | O_NOCTTY); // keeps the terminal alive
        termios t{};
        tcgetattr(slave, &t);
        cfmakeraw(&t);
        tcsetattr(slave, TCSANOW, &t);
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    }
    ~NoisyLine()
    {
        if (slave >= 0)
            close(slave);
        if (master >= 0)
            close(master);
    }
    void Write(const uint8_t* bytes, size_t n)
    {
        while (n > 0) {
            const ssize_t w = write(master, bytes, n);
            if (w > 0) {
                bytes += w;
                n -= static_cast<size_t>(w);
            } else if (w < 0 && errno != EAGAIN && errno != EINTR) {
                return;
            } else {
                WaitFor([] { return false; }, 1);
            }
        }
    }
    // Bytes the console's port has not read yet.
    int Unread() const
    {
        int n = 0;
        return ioctl(slave, FIONREAD, &n) == 0 ? n : 0;
    }
    // What the console wrote since the last call.
    std::vector<uint8_t> Read()
    {
        std::vector<uint8_t> out;
        uint8_t buffer[512];
        for (;;) {
            const ssize_t r = read(master, buffer, sizeof buffer);
            if (r <= 0)
                return out;
            out.insert(out.end(), buffer, buffer + r);
        }
    }
    int master = -1;
    int slave = -1;
    std::string path;
};

struct SoakFigures {
    size_t bytesSent = 0;
    size_t noiseBytes = 0;
    int repliesExpected = 0;
    int repliesDecoded = 0;
    int repliesAcknowledged = 0;
};

SoakFigures Soak(int mode, int seconds, unsigned seed)
{
    SoakFigures figures;
    NoisyLine line;
    EXPECT_FALSE(line.path.empty());
    QTemporaryDir dir;
    RealConsoleServices services{dir.path()};
    services.settings.mode = mode;
    ConsoleDialog console(services.For(line.path), services.settings);
    EXPECT_TRUE(console.portOpen());
    auto* pan = console.findChild<QLineEdit*>(QStringLiteral("Pan"));
    auto* tilt = console.findChild<QLineEdit*>(QStringLiteral("Tilt"));
    EXPECT_TRUE(pan && tilt);
    if (!pan || !tilt)
        return figures;
    // Past the start-up requests, which go unanswered.
    WaitFor([] { return false; }, 2000);

    std::mt19937 random(seed);
    QElapsedTimer run;
    run.start();
    for (int cycle = 1; run.elapsed() < seconds * 1000; ++cycle) {
        // A burst of noise at line pace.
        const size_t length = 1 + random() % 4096;
        std::vector<uint8_t> noise(length);
        for (uint8_t& b : noise)
            b = static_cast<uint8_t>(random());
        QElapsedTimer paced;
        paced.start();
        for (size_t sent = 0; sent < length;) {
            const size_t due = std::min(length, static_cast<size_t>(paced.elapsed() * kBytesPerSecond / 1000 + 64));
            if (due > sent) {
                line.Write(noise.data() + sent, due - sent);
                sent = due;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        }
        figures.noiseBytes += length;
        figures.bytesSent += length;

        // A quiet gap, longer than the receiver's, then one good reply. The
        // reply waits until the console has also fallen quiet: every write
        // of its own (the acknowledgements of noise frames it is still
        // working through) discards unread input, as the half-duplex line
        // is meant to, and a camera answers only after the console spoke.
        QElapsedTimer quiet, consoleQuiet;
        quiet.start();
        consoleQuiet.start();
        WaitFor(
            [&] {
                // Everything received so far handled (this is the console's
                // thread), and what it wrote on the way out of the port.
                QCoreApplication::sendPostedEvents();
                if (!line.Read().empty() || line.Unread() > 0)
                    consoleQuiet.restart();
                return quiet.elapsed() > ReceiveStateMachine::kQuietGapMs + 100 && consoleQuiet.elapsed() > 300;
            },
            60000);
        char text[16];
        const int p = cycle % 3600, t = (cycle * 7) % 1000;
        std::snprintf(text, sizeof text, "cP%04d%04d", p, t);
        FrameBuffer frame;
        BuildAsciiFrame(frame, mode, 1, 0, text);
        line.Write(frame.bytes, frame.length);
        figures.bytesSent += frame.length;
        ++figures.repliesExpected;

        char shownPan[8], shownTilt[8];
        std::snprintf(shownPan, sizeof shownPan, "%04d", p);
        std::snprintf(shownTilt, sizeof shownTilt, "%04d", t);
        if (WaitFor([&] { return pan->text() == QLatin1String(shownPan) && tilt->text() == QLatin1String(shownTilt); },
                    3000))
            ++figures.repliesDecoded;
        else
            ADD_FAILURE() << "mode " << mode << " cycle " << cycle << ": reply " << text << " not decoded after "
                          << length << " noise bytes; the receive strip shows "
                          << console.findChild<QLabel*>(QStringLiteral("ReceiveStrip"))->text().toStdString()
                          << ", pan " << pan->text().toStdString() << ", console wrote " << [&] {
                                 std::string hex;
                                 for (uint8_t b : line.Read()) {
                                     char h[4];
                                     std::snprintf(h, sizeof h, "%02X ", b);
                                     hex += h;
                                 }
                                 return hex;
                             }();
        std::vector<uint8_t> answer;
        if (WaitFor(
                [&] {
                    const auto more = line.Read();
                    answer.insert(answer.end(), more.begin(), more.end());
                    return std::find(answer.begin(), answer.end(), 0x06) != answer.end();
                },
                3000))
            ++figures.repliesAcknowledged;
    }
    return figures;
}

int SoakSeconds()
{
    const char* value = std::getenv("PIVORA_SOAK_SECONDS");
    const int seconds = value ? std::atoi(value) : 0;
    return seconds > 0 ? seconds : 5;
}
} // namespace

TEST(LineNoiseSoak, EveryGoodReplyAfterABurstIsDecodedAndAcknowledged)
{
    const int seconds = SoakSeconds();
    for (int mode : {0, 1}) {
        const SoakFigures f = Soak(mode, seconds, 23u + static_cast<unsigned>(mode));
        std::printf("line-noise soak, mode %d, %d s at 115200-baud pace: %zu bytes sent (%zu noise), %d replies "
                    "expected, %d decoded, %d acknowledged\n",
                    mode, seconds, f.bytesSent, f.noiseBytes, f.repliesExpected, f.repliesDecoded,
                    f.repliesAcknowledged);
        EXPECT_GT(f.repliesExpected, 0);
        EXPECT_EQ(f.repliesDecoded, f.repliesExpected) << "mode " << mode;
        EXPECT_EQ(f.repliesAcknowledged, f.repliesExpected) << "mode " << mode;
    }
}
