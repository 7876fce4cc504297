#include "SignalExit.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>

// Windows has no signals to speak of: the console's control events come
// on a thread of their own, which posts the signal to the UI thread.
namespace {
std::mutex current;
SignalExit* receiver = nullptr;
bool released = false;
std::condition_variable releasedChanged;

// Called once main() has returned and its objects are gone.
void Release()
{
    {
        std::lock_guard<std::mutex> lock(current);
        released = true;
    }
    releasedChanged.notify_all();
}

BOOL WINAPI OnConsoleEvent(DWORD event)
{
    const int signal = event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT ? SIGINT : SIGTERM;
    std::unique_lock<std::mutex> lock(current);
    if (SignalExit* target = receiver)
        QMetaObject::invokeMethod(target, [target, signal] { target->Deliver(signal); }, Qt::QueuedConnection);
    else if (signal == SIGINT)
        return FALSE; // nothing to end cleanly: the system's default
    if (signal == SIGINT)
        return TRUE;
    // After a close, log-off or shut-down event the system ends the process
    // as soon as this returns: give main() the few seconds it is allowed to
    // unwind (the port's thread stopped, the device released).
    releasedChanged.wait_for(lock, std::chrono::milliseconds(4500), [] { return released; });
    return TRUE;
}
} // namespace

SignalExit::SignalExit(bool exitWith128PlusSignal) : exitWith128PlusSignal_(exitWith128PlusSignal)
{
    static const bool atExit = std::atexit(Release) == 0;
    (void)atExit;
    {
        std::lock_guard<std::mutex> lock(current);
        receiver = this;
    }
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

SignalExit::~SignalExit()
{
    // The handler stays installed until the process ends, so that a close
    // event that comes while main() unwinds still waits for it.
    std::lock_guard<std::mutex> lock(current);
    if (receiver == this)
        receiver = nullptr;
}

void SignalExit::OnSignal() {}

#else // POSIX

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int wakeFds[2] = {-1, -1};

// Only what is safe in a signal handler: one byte into the socket.
void OnSignalAsync(int signal)
{
    const unsigned char byte = static_cast<unsigned char>(signal);
    const ssize_t written = ::write(wakeFds[0], &byte, 1);
    (void)written;
}

void Install(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
} // namespace

SignalExit::SignalExit(bool exitWith128PlusSignal) : exitWith128PlusSignal_(exitWith128PlusSignal)
{
    if (wakeFds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeFds) != 0)
        return;
    fcntl(wakeFds[0], F_SETFL, fcntl(wakeFds[0], F_GETFL) | O_NONBLOCK);
    notifier_ = std::make_unique<QSocketNotifier>(wakeFds[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { OnSignal(); });
    Install(OnSignalAsync);
}

SignalExit::~SignalExit()
{
    Install(SIG_DFL);
}

void SignalExit::OnSignal()
{
    unsigned char byte = 0;
    if (::read(wakeFds[1], &byte, 1) != 1)
        return;
    Deliver(byte);
}

#endif

void SignalExit::Deliver(int signal)
{
    if (signal_ == 0)
        signal_ = signal;
    // A drop-down has no event loop of its own; close it so nothing is
    // left grabbing the mouse while the windows go.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        for (int nested = 0; nested < 16; ++nested) {
            QWidget* popup = QApplication::activePopupWidget();
            if (!popup)
                break;
            popup->close();
        }
    // Leaves every running event loop, a modal dialog's included, and makes
    // any further one return at once.
    QCoreApplication::exit(exitCode());
}
