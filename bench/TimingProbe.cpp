// pivora-timing-probe: the console with its real timers and serial port on
// a pseudo-terminal, a simulated camera at the other end, timed from both
// ends with one clock. It prints p50, p99 and the largest value of
//   - each queued command's arrival on the line after its queue-service
//     tick was due (timer 20),
//   - each played command's pause on the line against the pause recorded
//     in the log,
//   - each reply's acknowledgement by the console after the reply was
//     written.
// No limits are checked; exit status 1 only when samples are missing.
#include "ConsoleDialog.h"
#include "ConsoleTimerIds.h"
#include "DataFolder.h"
#include "Framing.h"
#include "MemorySettingsStore.h"
#include "ModalRunner.h"
#include "ProbeStats.h"
#include "QtTimers.h"
#include "RecordedLog.h"
#include "ScriptedPrompter.h"
#include "SerialPort.h"
#include "SimulatedCamera.h"
#include "SteadyClock.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace {
using Steady = std::chrono::steady_clock;

double Ms(Steady::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// Each tick of the console's queue service with the moment it was due: the
// timer's start plus its period times the ticks since.
struct Tick {
    Steady::time_point due;
    Steady::time_point fired;
};

class RecordingTimers : public Timers, public TimerHandler {
public:
    RecordingTimers(TimerHandler& handler, std::vector<Tick>& ticks)
        : handler_(handler), ticks_(ticks), timers_(*this)
    {
    }
    void Start(int id, int periodMs) override
    {
        if (id == ConsoleTimer::QueueService) {
            started_ = Steady::now();
            period_ = std::chrono::milliseconds(periodMs < 1 ? 1 : periodMs);
            fires_ = 0;
        }
        timers_.Start(id, periodMs);
    }
    void Stop(int id) override { timers_.Stop(id); }
    bool IsRunning(int id) const override { return timers_.IsRunning(id); }
    int Period(int id) const override { return timers_.Period(id); }
    void OnTimer(int id) override
    {
        if (id == ConsoleTimer::QueueService)
            ticks_.push_back({started_ + period_ * ++fires_, Steady::now()});
        handler_.OnTimer(id);
    }

private:
    TimerHandler& handler_;
    std::vector<Tick>& ticks_;
    QtTimers timers_;
    Steady::time_point started_;
    Steady::duration period_{};
    int fires_ = 0;
};

class RecordingTimerFactory : public TimerFactory {
public:
    Timers* CreateTimers(TimerHandler& handler) override { return new RecordingTimers(handler, ticks); }
    std::vector<Tick> ticks;
};

// The camera's end of the line: a simulated camera served on the
// terminal's master side, noting when each command arrived; or, on
// request, a run of replies each timed to the console's acknowledgement.
class LinePeer {
public:
    struct Arrival {
        std::string text;
        Steady::time_point at;
    };

    bool Start()
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        char name[128] = {};
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
            ptsname_r(master_, name, sizeof name) != 0)
            return false;
        path_ = name;
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        reply_ = LatchReply();
        running_ = true;
        thread_ = std::thread([this] { Run(); });
        return true;
    }
    void Stop()
    {
        running_ = false;
        if (thread_.joinable())
            thread_.join();
        if (master_ >= 0)
            close(master_);
        master_ = -1;
    }
    ~LinePeer() { Stop(); }

    const std::string& path() const { return path_; }

    std::vector<Arrival> arrivals()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return arrivals_;
    }
    // Writes `count` replies, each after the console acknowledged the one
    // before (or 500 ms passed), `gapMs` apart.
    void RunReplies(int count, int gapMs)
    {
        replyCount_ = count;
        replyGapMs_ = gapMs;
        repliesDone_ = false;
        repliesWanted_ = true;
    }
    bool repliesDone() const { return repliesDone_; }
    std::vector<double> replyToAckMs()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return replyToAck_;
    }

private:
    // The camera's answer to "L?", as it puts it on the line.
    std::vector<uint8_t> LatchReply()
    {
        FrameBuffer query;
        BuildAsciiFrame(query, 1, 1, 0, "L?");
        for (size_t i = 0; i < query.length; ++i)
            camera_.Receive(query.bytes[i]);
        uint8_t out[256];
        const size_t n = camera_.TakeOutput(out, sizeof out);
        camera_.ClearReceived();
        std::vector<uint8_t> reply(out, out + n);
        if (!reply.empty() && reply.front() == kAck)
            reply.erase(reply.begin());
        return reply;
    }

    void Run()
    {
        while (running_) {
            if (repliesWanted_) {
                Replies();
                repliesWanted_ = false;
                repliesDone_ = true;
            }
            Serve();
        }
    }

    void WriteAll(const uint8_t* bytes, size_t n)
    {
        size_t done = 0;
        while (done < n && running_) {
            const ssize_t w = write(master_, bytes + done, n - done);
            if (w > 0)
                done += static_cast<size_t>(w);
            else
                poll(nullptr, 0, 1);
        }
    }

    void Serve()
    {
        pollfd p{master_, POLLIN, 0};
        if (poll(&p, 1, 2) == 1 && (p.revents & POLLIN)) {
            uint8_t in[256];
            const ssize_t n = read(master_, in, sizeof in);
            const Steady::time_point at = Steady::now();
            for (ssize_t i = 0; i < n; ++i)
                camera_.Receive(in[i]);
            const auto& heard = camera_.received();
            {
                std::lock_guard<std::mutex> lock(mutex_);
                for (size_t i = heardCount_; i < heard.size(); ++i)
                    arrivals_.push_back({heard[i].frame.text, at});
            }
            heardCount_ = heard.size();
        }
        uint8_t out[256];
        while (const size_t n = camera_.TakeOutput(out, sizeof out))
            WriteAll(out, n);
    }

    void Replies()
    {
        for (int i = 0; i < replyCount_ && running_; ++i) {
            const Steady::time_point written = Steady::now();
            WriteAll(reply_.data(), reply_.size());
            const Steady::time_point deadline = written + std::chrono::milliseconds(500);
            bool acknowledged = false;
            while (!acknowledged && Steady::now() < deadline) {
                pollfd p{master_, POLLIN, 0};
                if (poll(&p, 1, 5) != 1 || !(p.revents & POLLIN))
                    continue;
                uint8_t in[256];
                const ssize_t n = read(master_, in, sizeof in);
                const Steady::time_point at = Steady::now();
                for (ssize_t k = 0; k < n && !acknowledged; ++k)
                    if (in[k] == kAck) {
                        acknowledged = true;
                        std::lock_guard<std::mutex> lock(mutex_);
                        replyToAck_.push_back(Ms(at - written));
                    }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(replyGapMs_));
        }
    }

    SteadyClock simClock_;
    SimulatedCamera camera_{simClock_, SimOptions{}};
    int master_ = -1;
    std::string path_;
    std::vector<uint8_t> reply_;
    size_t heardCount_ = 0;
    std::mutex mutex_;
    std::vector<Arrival> arrivals_;
    std::vector<double> replyToAck_;
    std::atomic<bool> running_{false};
    std::atomic<bool> repliesWanted_{false};
    std::atomic<bool> repliesDone_{false};
    int replyCount_ = 0;
    int replyGapMs_ = 2;
    std::thread thread_;
};

// Runs the event loop, as the program does, until done() (checked every
// 10 ms) or the deadline; false on the deadline.
bool RunUntil(const std::function<bool()>& done, int deadlineMs)
{
    if (done())
        return true;
    const Steady::time_point end = Steady::now() + std::chrono::milliseconds(deadlineMs);
    QEventLoop loop;
    QTimer check;
    bool reached = false;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done()) {
            reached = true;
            loop.quit();
        } else if (Steady::now() > end) {
            loop.quit();
        }
    });
    check.start(10);
    loop.exec();
    return reached;
}

std::vector<LinePeer::Arrival> Heard(LinePeer& peer, const std::string& text, size_t from)
{
    std::vector<LinePeer::Arrival> out;
    const std::vector<LinePeer::Arrival> all = peer.arrivals();
    for (size_t i = from; i < all.size(); ++i)
        if (all[i].text == text)
            out.push_back(all[i]);
    return out;
}

void PrintSpread(const char* what, const std::vector<double>& values)
{
    const Spread s = SpreadOf(values);
    std::printf("  %-44s %6zu %9.3f %9.3f %9.3f\n", what, s.count, s.p50, s.p99, s.max);
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times queued sends, playback and acknowledgements over a pseudo-terminal."));
    parser.addHelpOption();
    QCommandLineOption sendsOption(QStringLiteral("sends"), QStringLiteral("Queued commands (default 100)."),
                                   QStringLiteral("N"), QStringLiteral("100"));
    QCommandLineOption playsOption(QStringLiteral("plays"), QStringLiteral("Played commands (default 100)."),
                                   QStringLiteral("N"), QStringLiteral("100"));
    QCommandLineOption repliesOption(QStringLiteral("replies"), QStringLiteral("Replies to acknowledge (default 1000)."),
                                     QStringLiteral("N"), QStringLiteral("1000"));
    parser.addOption(sendsOption);
    parser.addOption(playsOption);
    parser.addOption(repliesOption);
    parser.process(app);
    const int sends = std::clamp(parser.value(sendsOption).toInt(), 2, CommandQueue::kCapacity - 1);
    const int plays = std::max(2, parser.value(playsOption).toInt());
    const int replies = std::max(1, parser.value(repliesOption).toInt());

    LinePeer peer;
    if (!peer.Start()) {
        std::fprintf(stderr, "pivora-timing-probe: no pseudo-terminal\n");
        return 1;
    }
    QTemporaryDir dir;
    MemorySettingsStore store;
    ConsoleSettings settings;
    LoadSettings(store, settings, ConsolePresetNames());
    ScriptedPrompter prompter;
    ExecModalRunner modal;
    QtClock clock;
    RecordingTimerFactory timers;
    SerialPort port(prompter);
    DataFolder data(dir.path().toStdString());
    auto console = std::make_unique<ConsoleDialog>(
        ConsoleServices{store, prompter, modal, clock, timers, port, data, peer.path(), nullptr}, settings);
    if (!console->portOpen()) {
        std::fprintf(stderr, "pivora-timing-probe: the console cannot open %s\n", peer.path().c_str());
        return 1;
    }
    console->show();
    bool complete = true;

    // Past the console's own start-up requests: quiet for 300 ms.
    const Steady::time_point opened = Steady::now();
    RunUntil([&] {
        const auto heard = peer.arrivals();
        const Steady::time_point last = heard.empty() ? opened : heard.back().at;
        return Steady::now() - opened > std::chrono::milliseconds(1600) &&
               Steady::now() - last > std::chrono::milliseconds(300);
    }, 10000);

    // Queued sends: each leaves on the first queue-service tick after the
    // one before was acknowledged.
    size_t mark = peer.arrivals().size();
    timers.ticks.clear();
    for (int i = 0; i < sends; ++i)
        console->EnqueueCommand("PSTS", 5);
    complete &= RunUntil([&] { return static_cast<int>(Heard(peer, "PSTS", mark).size()) >= sends; }, sends * 400 + 5000);
    std::vector<double> sendDeviation;
    for (const LinePeer::Arrival& a : Heard(peer, "PSTS", mark)) {
        const Tick* tick = nullptr;
        for (const Tick& t : timers.ticks)
            if (t.fired <= a.at)
                tick = &t;
        if (tick)
            sendDeviation.push_back(Ms(a.at - tick->due));
    }
    RunUntil([&] { return console->link().linkReady && console->link().queue().Empty(); }, 2000);

    // Playback: a recorded log with pauses of 60 to 150 ms, played by the
    // console's Play button.
    std::vector<RecordedCommand> recorded;
    for (int i = 0; i < plays; ++i)
        recorded.push_back({1, "PSTS", static_cast<uint32_t>(60 + (i * 15) % 105)});
    const QString logPath = dir.filePath(QStringLiteral("played.txt"));
    std::ofstream(logPath.toStdString()) << RecordedCommandLog(recorded, false);
    mark = peer.arrivals().size();
    console->findChild<QLineEdit*>(QStringLiteral("BrowseControl"))->setText(logPath);
    console->findChild<QAbstractButton*>(QStringLiteral("Play"))->click();
    const int playMs = plays * 200 + 5000;
    complete &= RunUntil([&] { return static_cast<int>(Heard(peer, "PSTS", mark).size()) >= plays; }, playMs);
    std::vector<double> playDeviation;
    const auto played = Heard(peer, "PSTS", mark);
    for (size_t i = 1; i < played.size() && i < recorded.size(); ++i)
        playDeviation.push_back(Ms(played[i].at - played[i - 1].at) - recorded[i].delay);
    RunUntil([] { return false; }, 300); // the end of playback

    // Replies: each acknowledged with one 0x06.
    peer.RunReplies(replies, 20);
    complete &= RunUntil([&] { return peer.repliesDone(); }, replies * 600 + 5000);
    const std::vector<double> replyToAck = peer.replyToAckMs();

    console.reset();
    peer.Stop();

    std::printf("Timing over a pseudo-terminal: the console (real timers and serial port) against the simulated camera\n");
    std::printf("  %-44s %6s %9s %9s %9s\n", "(milliseconds)", "count", "p50", "p99", "max");
    PrintSpread("queued send after its queue-service tick", sendDeviation);
    PrintSpread("played command against its recorded pause", playDeviation);
    PrintSpread("reply to the console's acknowledgement", replyToAck);
    for (const auto& shown : prompter.shown)
        std::printf("  message shown: %s\n", shown.text.c_str());

    complete &= static_cast<int>(sendDeviation.size()) == sends && static_cast<int>(playDeviation.size()) == plays - 1 &&
                static_cast<int>(replyToAck.size()) == replies && prompter.shown.empty();
    if (!complete)
        std::fprintf(stderr, "pivora-timing-probe: samples are missing\n");
    return complete ? 0 : 1;
}
