#pragma once
#include "Line.h"
#include "ReceiveStateMachine.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QMutex>
#include <QThread>
#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <future>

class LineWorker;
class QSerialPort;

// One frame to the line: unread input is discarded first, then the frame is
// handed to the port whole. False when the port did not take it.
bool WriteFrame(QSerialPort& port, const QByteArray& frame);

// The port's thread: owns the line (a QSerialPort, or a socket to a serial
// device server for "tcp://" and "rfc2217://" devices), performs every
// write (input purged first) and reads every byte, handing each one over
// as RxByte.
class CommThread : public QThread {
    Q_OBJECT
public:
    explicit CommThread(LineParameters parameters);
    ~CommThread() override;

    // Blocks until the thread has tried to open the device.
    bool WaitOpened();
    // Frames are queued to the thread in order; each is written whole.
    void Write(const QByteArray& frame);
    // Input is delivered only from here on (unread input is purged first).
    void BeginDelivery();
    // Stops the thread and closes the device.
    void Shutdown();
    bool Delivering() const { return delivering_; }
    // Hands one received byte over (from the thread), first marking a quiet
    // gap when the line had been silent for quietGapMs before it.
    void Deliver(uint8_t byte);
    static constexpr qint64 kQuietGapMs = ReceiveStateMachine::kQuietGapMs;

signals:
    void RxByte(int byte);
    // The line was quiet for kQuietGapMs before the next byte: measured as
    // the bytes arrive, so the UI thread sees the gap however late it
    // handles them.
    void QuietGap();
    void CtsChanged();
    void PortError(const QString& operation, const QString& systemText);
    // The device is gone; the thread has closed it and ends.
    void Lost(const QString& systemText);
    // Work is waiting for the thread (see Post).
    void Wake();

protected:
    void run() override;

private:
    void RunLine();

private:
    friend class LineWorker;
    // Runs work on the thread's worker, if the thread still has one.
    void Post(std::function<void(LineWorker&)> work);
    bool PostLocked(std::function<void(LineWorker&)> work);
    void RunPending(LineWorker& worker);
    void SetWorker(LineWorker* worker);

    LineParameters parameters_;
    std::promise<bool> opened_;
    std::future<bool> openedResult_;
    // Guards the worker against the thread ending (and destroying it) while
    // the UI thread posts to it.
    QMutex workerLock_;
    LineWorker* worker_ = nullptr;
    std::mutex pendingLock_;
    std::deque<std::function<void(LineWorker&)>> pending_;
    std::atomic<bool> delivering_{false};
    QElapsedTimer lastByte_; // the thread's own
    // Set as run() ends and read after wait(): an ordering the
    // ThreadSanitizer build can see (Qt's own join is not instrumented).
    std::atomic<bool> ended_{false};
};
