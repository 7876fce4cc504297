#pragma once
#include <QObject>
#include <memory>

class QSocketNotifier;

// Ends the program cleanly on SIGTERM and SIGINT (on Windows: Ctrl+C and
// Ctrl+Break as SIGINT; the console window closed, log-off and shut-down as
// SIGTERM), whatever window is open:
// an open drop-down is closed and every event loop is left (a modal
// dialog's or message box's included), so main() returns from exec() and
// its objects are destroyed in order: the serial port's thread is stopped
// and the device released. The signal only wakes the UI thread; all the
// work happens there.
class SignalExit : public QObject {
    Q_OBJECT
public:
    // exitCode: what the event loops return (the program may choose 128 + signal).
    explicit SignalExit(bool exitWith128PlusSignal = false);
    ~SignalExit() override;

    // The signal that ended the run, 0 while none came. main() checks it
    // before entering exec(): a signal during start-up (a message box shown
    // while the console is built) ends the run there.
    int signal() const { return signal_; }
    int exitCode() const { return exitWith128PlusSignal_ && signal_ ? 128 + signal_ : 0; }

    // What a signal does, on the UI thread: the first one is kept and every
    // event loop is left.
    void Deliver(int signal);

private:
    void OnSignal();

    std::unique_ptr<QSocketNotifier> notifier_;
    bool exitWith128PlusSignal_;
    int signal_ = 0;
};
