#include "SignalExit.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
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
    if (signal_ == 0)
        signal_ = byte;
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
