#pragma once
#include "Line.h"

#include <QByteArray>
#include <QThread>
#include <atomic>
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

signals:
    void RxByte(int byte);
    void CtsChanged();
    void PortError(const QString& operation, const QString& systemText);

protected:
    void run() override;

private:
    friend class LineWorker;
    LineParameters parameters_;
    std::promise<bool> opened_;
    std::future<bool> openedResult_;
    std::atomic<LineWorker*> worker_{nullptr};
    std::atomic<bool> delivering_{false};
};
