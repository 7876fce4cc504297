// pivora, pivora-sim and pivora-play end cleanly on SIGTERM and SIGINT,
// whatever window is open, and let go of the line.
#include "WaitFor.h"

#include <QFile>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {
QString Binary(const char* name) { return QStringLiteral(PIVORA_BINARY_DIR "/") + QLatin1String(name); }

struct Program {
    explicit Program(const QTemporaryDir& config)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
    }
    ~Program()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    // Sends the signal and waits for the end; false when it did not end.
    bool EndsOn(int signal, int deadlineMs = 10000)
    {
        ::kill(static_cast<pid_t>(process.processId()), signal);
        return process.waitForFinished(deadlineMs);
    }
    bool ExitedWith(int code) const
    {
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == code;
    }
    QProcess process;
};

// Waits for the first line a program prints.
QString FirstLine(QProcess& p)
{
    WaitFor([&] { return p.canReadLine(); }, 20000);
    return QString::fromLatin1(p.readLine()).trimmed();
}

// Nobody holds the terminal any more: it opens, exclusively.
bool Released(const QString& path)
{
    QSerialPort port(path);
    return port.open(QIODevice::ReadWrite);
}

// Wait until the simulated camera has heard the console.
bool Heard(QProcess& sim, const char* text)
{
    QByteArray out;
    return WaitFor(
        [&] {
            out += sim.readAllStandardOutput();
            return out.contains(text);
        },
        20000);
}
} // namespace

TEST(Signals, TheConsoleEndsOnSigtermWithAModalMessageOpenAndReleasesThePort)
{
    QTemporaryDir config;
    Program sim(config), console(config);
    sim.process.start(Binary("pivora-sim"), {});
    const QString pty = FirstLine(sim.process);
    ASSERT_TRUE(pty.startsWith(QLatin1String("/dev/"))) << pty.toStdString();
    console.process.start(Binary("pivora"), {QStringLiteral("--port"), pty});
    ASSERT_TRUE(Heard(sim.process, "A?"));

    // The camera goes away: the console shows its one message box, modal,
    // and waits for the operator.
    ASSERT_TRUE(sim.EndsOn(SIGTERM));
    EXPECT_TRUE(sim.ExitedWith(0));
    QThread::msleep(1500);
    ASSERT_EQ(console.process.state(), QProcess::Running);
    ASSERT_TRUE(console.EndsOn(SIGTERM)) << "hung with a message box open";
    EXPECT_TRUE(console.ExitedWith(0)) << console.process.exitCode();
    EXPECT_FALSE(console.process.readAllStandardError().contains("Sanitizer"));
}

TEST(Signals, TheConsoleEndsOnSigintWhileRunningAndWhileStarting)
{
    QTemporaryDir config;
    {   // Running against a simulated camera of its own.
        Program sim(config), console(config);
        sim.process.start(Binary("pivora-sim"), {});
        const QString pty = FirstLine(sim.process);
        console.process.start(Binary("pivora"), {QStringLiteral("--port"), pty});
        ASSERT_TRUE(Heard(sim.process, "L?"));
        ASSERT_TRUE(console.EndsOn(SIGINT));
        EXPECT_TRUE(console.ExitedWith(0));
        EXPECT_TRUE(Released(pty)) << "the console still holds " << pty.toStdString();
        ASSERT_TRUE(sim.EndsOn(SIGINT));
        EXPECT_TRUE(sim.ExitedWith(0));
        EXPECT_FALSE(Released(pty)) << "the simulator's terminal is gone with it";
    }
    {   // Still starting: "Port ... does not exist!" is open before the
        // console's window is shown.
        Program console(config);
        console.process.start(Binary("pivora"), {QStringLiteral("--port"), QStringLiteral("/dev/pivora-none")});
        ASSERT_TRUE(console.process.waitForStarted(20000));
        QThread::msleep(1500);
        ASSERT_EQ(console.process.state(), QProcess::Running);
        ASSERT_TRUE(console.EndsOn(SIGTERM));
        EXPECT_TRUE(console.ExitedWith(0));
    }
}

TEST(Signals, TheBenchPlayerEndsOnSignalsWithItsOwnStatus)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("long.txt"));
    {   // Commands five seconds apart: the run is still going when the signal comes.
        QFile f(log);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("12/08/26  08:15 PM  TxC:  F8 01 PLTU 8C\t\tTick: 60\n");
        for (int i = 0; i < 20; ++i)
            f.write("12/08/26  08:15 PM  TxC:  F8 01 PLTU 8C\t\tTick: 5000\n");
    }
    for (int signal : {SIGTERM, SIGINT}) {
        Program play(dir);
        play.process.start(Binary("pivora-play"), {log, QStringLiteral("--simulate")});
        ASSERT_TRUE(WaitFor([&] { return play.process.canReadLine(); }, 20000)) << "the first command is played";
        ASSERT_TRUE(play.EndsOn(signal));
        EXPECT_TRUE(play.ExitedWith(128 + signal)) << play.process.exitCode();
        EXPECT_TRUE(play.process.readAllStandardError().contains("pivora-play: interrupted"));
    }
}
