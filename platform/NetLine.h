#pragma once
#include "Line.h"
#include "TelnetComPort.h"

#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <optional>
#include <string>

class CommThread;

// A camera line behind a serial device server: "tcp://host:port" (raw TCP,
// the server's own line settings apply) or "rfc2217://host:port" (the
// Telnet COM-port option carries baud rate and parity to the server's port).
struct NetEndpoint {
    std::string host;
    quint16 port = 0;
    bool rfc2217 = false;
};
std::optional<NetEndpoint> ParseNetDevice(const std::string& device);
bool IsNetDevice(const std::string& device);

// What the port thread does with a line: the serial port or a network one.
class LineWorker : public QObject {
public:
    using QObject::QObject;
    virtual void Write(const QByteArray& frame) = 0;
    // Lets every frame already handed over reach the line.
    virtual void Flush() = 0;
    // Drops input not read yet.
    virtual void Purge() = 0;
};

// Lives in the port thread; every use of the socket happens there. When
// the server drops the connection it says so once and connects again,
// waiting longer after each failed try (0.5 s doubling to 8 s).
class NetWorker : public LineWorker {
public:
    NetWorker(CommThread& thread, NetEndpoint endpoint, LineParameters parameters);
    ~NetWorker() override;

    // The first connection; false when the server cannot be reached.
    bool Connect(int timeoutMs);
    void Write(const QByteArray& frame) override;
    void Flush() override;
    void Purge() override;

private:
    void Greet();
    void Drain();
    void OnDisconnected();
    void Retry();

    CommThread& thread_;
    NetEndpoint endpoint_;
    LineParameters parameters_;
    QTcpSocket socket_;
    QTimer retry_;
    int backoffMs_ = 500;
    bool lost_ = false;
    TelnetComPort::Receiver telnet_;
};
