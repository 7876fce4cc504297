// pivora-startup-probe: starts pivora against a pseudo-terminal and times
// the first frame on the line, beside a bare Qt dialog with as many widgets
// that writes one frame to the same kind of line; a first start (clean
// profile) and a later start (the profile the first one wrote), side by
// side. No limits are checked: the figures are printed.
#include "ConsoleDialog.h"
#include "DataFolder.h"
#include "MemorySettingsStore.h"
#include "ModalRunner.h"
#include "ProbeStats.h"
#include "QtTimers.h"
#include "ScriptedPrompter.h"
#include "SerialPort.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
using SteadyTime = std::chrono::steady_clock::time_point;

// Widgets the console builds at start-up, itself included.
int ConsoleWidgetCount(const QString& dataDir)
{
    MemorySettingsStore store;
    ConsoleSettings settings;
    LoadSettings(store, settings, ConsolePresetNames());
    ScriptedPrompter prompter;
    ExecModalRunner modal;
    QtClock clock;
    QtTimerFactory timers;
    SerialPort port(prompter);
    DataFolder data(dataDir.toStdString());
    ConsoleDialog console(ConsoleServices{store, prompter, modal, clock, timers, port, data, "/nonexistent", nullptr},
                          settings);
    return static_cast<int>(console.findChildren<QWidget*>().size()) + 1;
}

struct Start {
    bool ok = false;
    double ms = 0;
    double cpuMs = 0;
    double peakMiB = 0;
    std::string frame; // the first frame's bytes in hex
    std::string failure;
};

// The peak resident memory of a process so far.
double PeakMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// The processor time the threads of a process have used so far: on a busy
// machine the work done, where the time taken also holds the waiting.
double CpuMs(pid_t pid)
{
    namespace fs = std::filesystem;
    double ns = 0;
    std::error_code error;
    for (const fs::directory_entry& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream stat(task.path() / "schedstat");
        double onCpu = 0;
        if (stat >> onCpu)
            ns += onCpu;
    }
    return ns / 1e6;
}

void End(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// True once the file holds the line (checked for up to five seconds).
bool FileGetsLine(const std::string& path, const std::string& line)
{
    for (int i = 0; i < 500; ++i) {
        std::ifstream in(path);
        std::string l;
        while (std::getline(in, l))
            if (l == line)
                return true;
        usleep(10000);
    }
    return false;
}

// Runs program (arguments after the terminal's path) on a new pseudo-terminal
// and waits for the first bytes on it. With a settings line given, the
// program is ended only once its settings file holds that line.
Start TimeFirstFrame(const std::string& program, const std::vector<std::string>& before,
                     const std::vector<std::string>& after, const std::string& configHome,
                     const std::string& settingsLine = {})
{
    Start s;
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    char name[128] = {};
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0 || ptsname_r(master, name, sizeof name) != 0) {
        s.failure = "no pseudo-terminal";
        if (master >= 0)
            close(master);
        return s;
    }
    std::vector<std::string> args{program};
    args.insert(args.end(), before.begin(), before.end());
    args.push_back(name);
    args.insert(args.end(), after.begin(), after.end());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    // The child's environment is made before the fork: after it only
    // async-signal-safe calls.
    std::vector<std::string> environment{"XDG_CONFIG_HOME=" + configHome};
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("XDG_CONFIG_HOME=", 0) != 0)
            environment.push_back(*e);
    std::vector<char*> envp;
    for (std::string& e : environment)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    const SteadyTime started = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        close(master);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    if (pid < 0) {
        close(master);
        s.failure = "cannot start " + program;
        return s;
    }
    pollfd p{master, POLLIN, 0};
    if (poll(&p, 1, 60000) == 1 && (p.revents & POLLIN)) {
        const SteadyTime first = std::chrono::steady_clock::now();
        s.ms = std::chrono::duration<double, std::milli>(first - started).count();
        s.cpuMs = CpuMs(pid);
        s.peakMiB = PeakMiB(pid);
        // The rest of the frame follows at once.
        uint8_t bytes[64];
        size_t got = 0;
        while (got < sizeof bytes && poll(&p, 1, got == 0 ? 0 : 100) == 1 && (p.revents & POLLIN)) {
            const ssize_t n = read(master, bytes + got, sizeof bytes - got);
            if (n <= 0)
                break;
            got += static_cast<size_t>(n);
            if (got >= 5)
                break;
        }
        for (size_t i = 0; i < got; ++i) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%s%02X", i ? " " : "", bytes[i]);
            s.frame += hex;
        }
        s.ok = got > 0;
    }
    if (!s.ok)
        s.failure = program + " wrote nothing on the line within 60 s";
    else if (!settingsLine.empty() && !FileGetsLine(configHome + "/Vexa/Pivora.conf", settingsLine)) {
        s.ok = false;
        s.failure = "the first start did not write its settings (no \"" + settingsLine + "\")";
    }
    End(pid);
    close(master);
    return s;
}

void PrintRow(const char* label, const std::vector<double>& values, int decimals)
{
    std::printf("  %-22s", label);
    for (double v : values)
        std::printf(" %16.*f", decimals, v);
    std::printf("\n");
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times pivora's first frame on a pseudo-terminal beside a bare dialog with as many widgets."));
    parser.addHelpOption();
    QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Rounds of the three starts (default 8)."),
                                  QStringLiteral("N"), QStringLiteral("8"));
    QCommandLineOption eachOption(QStringLiteral("each"), QStringLiteral("Print every run as well."));
    parser.addOption(runsOption);
    parser.addOption(eachOption);
    parser.process(app);
    const int runs = std::max(1, parser.value(runsOption).toInt());

    const QString dir = QCoreApplication::applicationDirPath();
    const std::string pivora = (dir + QStringLiteral("/pivora")).toStdString();
    const std::string bare = (dir + QStringLiteral("/pivora-bare-dialog")).toStdString();
    QTemporaryDir work;
    const std::string dataDir = work.filePath(QStringLiteral("data")).toStdString();
    const int widgets = ConsoleWidgetCount(QString::fromStdString(dataDir));

    std::vector<double> first, later, plain, firstCpu, laterCpu, plainCpu, firstMiB, laterMiB, plainMiB;
    std::string frames[3];
    for (int r = 0; r < runs; ++r) {
        // Each round starts from a clean profile; the later start reads what
        // the first one wrote.
        const std::string config = work.filePath(QStringLiteral("config-%1").arg(r)).toStdString();
        QDir().mkpath(QString::fromStdString(config));
        const std::vector<std::string> port{"--port"};
        const std::vector<std::string> data{"--data-dir", dataDir};
        // A first start's last default: the later start finds a whole profile.
        const Start starts[3] = {
            TimeFirstFrame(pivora, port, data, config, "P64=Preset 64"),
            TimeFirstFrame(pivora, port, data, config),
            TimeFirstFrame(bare, port, {"--widgets", std::to_string(widgets)}, config),
        };
        for (const Start& s : starts)
            if (!s.ok) {
                std::fprintf(stderr, "pivora-startup-probe: %s\n", s.failure.c_str());
                return 1;
            }
        if (parser.isSet(eachOption))
            std::printf("run %d: first start %.1f ms (%.1f ms processor), later start %.1f ms (%.1f), bare %.1f ms (%.1f)\n",
                        r + 1, starts[0].ms, starts[0].cpuMs, starts[1].ms, starts[1].cpuMs, starts[2].ms, starts[2].cpuMs);
        first.push_back(starts[0].ms);
        later.push_back(starts[1].ms);
        plain.push_back(starts[2].ms);
        firstCpu.push_back(starts[0].cpuMs);
        laterCpu.push_back(starts[1].cpuMs);
        plainCpu.push_back(starts[2].cpuMs);
        firstMiB.push_back(starts[0].peakMiB);
        laterMiB.push_back(starts[1].peakMiB);
        plainMiB.push_back(starts[2].peakMiB);
        for (int i = 0; i < 3; ++i)
            frames[i] = starts[i].frame;
    }

    const double bareMs = Median(plain);
    std::printf("Start-up to the first frame on a pseudo-terminal: pivora beside a bare Qt dialog of %d widgets\n"
                "(QT_QPA_PLATFORM=%s, median of %d run%s)\n",
                widgets, qgetenv("QT_QPA_PLATFORM").constData(), runs, runs == 1 ? "" : "s");
    std::printf("  %-22s %16s %16s %16s\n", "", "first start", "later start", "bare dialog");
    PrintRow("first frame (ms)", {Median(first), Median(later), bareMs}, 1);
    PrintRow("ratio to bare", {Median(first) / bareMs, Median(later) / bareMs, 1.0}, 2);
    const double bareCpu = Median(plainCpu);
    PrintRow("processor time (ms)", {Median(firstCpu), Median(laterCpu), bareCpu}, 1);
    PrintRow("ratio to bare", {Median(firstCpu) / bareCpu, Median(laterCpu) / bareCpu, 1.0}, 2);
    PrintRow("peak memory (MiB)", {Median(firstMiB), Median(laterMiB), Median(plainMiB)}, 1);
    std::printf("  %-22s %16s %16s %16s\n", "first frame", frames[0].c_str(), frames[1].c_str(), frames[2].c_str());
    return 0;
}
