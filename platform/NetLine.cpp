#include "NetLine.h"

#include "CommThread.h"

namespace {
constexpr int kLongestBackoffMs = 8000;

QByteArray ToBytes(const TelnetComPort::Bytes& b)
{
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}
} // namespace

std::optional<NetEndpoint> ParseNetDevice(const std::string& device)
{
    NetEndpoint e;
    std::string rest;
    if (device.rfind("tcp://", 0) == 0) {
        rest = device.substr(6);
    } else if (device.rfind("rfc2217://", 0) == 0) {
        rest = device.substr(10);
        e.rfc2217 = true;
    } else {
        return std::nullopt;
    }
    const size_t colon = rest.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == rest.size())
        return std::nullopt;
    e.host = rest.substr(0, colon);
    if (e.host.size() > 2 && e.host.front() == '[' && e.host.back() == ']')
        e.host = e.host.substr(1, e.host.size() - 2);
    unsigned long port = 0;
    for (char c : rest.substr(colon + 1)) {
        if (c < '0' || c > '9' || port > 65535)
            return std::nullopt;
        port = port * 10 + static_cast<unsigned long>(c - '0');
    }
    if (port == 0 || port > 65535)
        return std::nullopt;
    e.port = static_cast<quint16>(port);
    return e;
}

bool IsNetDevice(const std::string& device)
{
    return device.rfind("tcp://", 0) == 0 || device.rfind("rfc2217://", 0) == 0;
}

NetWorker::NetWorker(CommThread& thread, NetEndpoint endpoint, LineParameters parameters)
    : thread_(thread), endpoint_(std::move(endpoint)), parameters_(std::move(parameters))
{
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(&socket_, &QTcpSocket::readyRead, this, [this] { Drain(); });
    connect(&socket_, &QTcpSocket::disconnected, this, [this] { OnDisconnected(); });
    connect(&socket_, &QTcpSocket::connected, this, [this] {
        backoffMs_ = 500;
        lost_ = false;
        Greet();
    });
    connect(&socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        if (socket_.state() == QAbstractSocket::UnconnectedState && lost_)
            Retry();
    });
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, [this] {
        telnet_ = TelnetComPort::Receiver{};
        socket_.connectToHost(QString::fromStdString(endpoint_.host), endpoint_.port);
    });
}

// Closing our own end is no loss to report or to recover from.
NetWorker::~NetWorker()
{
    QObject::disconnect(&socket_, nullptr, this, nullptr);
    retry_.stop();
    socket_.abort();
}

bool NetWorker::Connect(int timeoutMs)
{
    socket_.connectToHost(QString::fromStdString(endpoint_.host), endpoint_.port);
    if (!socket_.waitForConnected(timeoutMs)) {
        socket_.abort();
        return false;
    }
    return true;
}

// RFC 2217: the negotiation, then the line settings the console chose.
void NetWorker::Greet()
{
    if (!endpoint_.rfc2217)
        return;
    socket_.write(ToBytes(TelnetComPort::Opening()));
    socket_.write(ToBytes(TelnetComPort::LineSettings(parameters_.baud, parameters_.parity, parameters_.dataBits,
                                                      parameters_.stopBits)));
}

void NetWorker::Write(const QByteArray& frame)
{
    if (socket_.state() != QAbstractSocket::ConnectedState)
        return; // as on a pulled adapter: the frame is lost, the reply time-out says so
    // Half duplex: input not read yet belongs to an earlier exchange.
    Purge();
    const auto* bytes = reinterpret_cast<const uint8_t*>(frame.constData());
    const QByteArray out = endpoint_.rfc2217
                               ? ToBytes(TelnetComPort::Escape(bytes, static_cast<size_t>(frame.size())))
                               : frame;
    if (socket_.write(out) != out.size())
        emit thread_.PortError(QStringLiteral("send()"), socket_.errorString());
    socket_.flush();
}

void NetWorker::Flush()
{
    while (socket_.state() == QAbstractSocket::ConnectedState && socket_.bytesToWrite() > 0 &&
           socket_.waitForBytesWritten(1000)) {
    }
}

void NetWorker::Purge()
{
    if (socket_.state() != QAbstractSocket::ConnectedState)
        return;
    socket_.readAll();
    if (endpoint_.rfc2217)
        socket_.write(ToBytes(TelnetComPort::PurgeReceived()));
}

void NetWorker::Drain()
{
    const QByteArray bytes = socket_.readAll();
    if (!endpoint_.rfc2217) {
        for (char c : bytes)
            thread_.Deliver(static_cast<uint8_t>(c));
        return;
    }
    for (char c : bytes) {
        uint8_t data = 0;
        if (telnet_.Feed(static_cast<uint8_t>(c), &data))
            thread_.Deliver(data);
    }
    const TelnetComPort::Bytes replies = telnet_.TakeReplies();
    if (!replies.empty())
        socket_.write(ToBytes(replies));
}

void NetWorker::OnDisconnected()
{
    if (lost_)
        return;
    lost_ = true;
    emit thread_.PortError(QStringLiteral("recv()"),
                           QStringLiteral("The device server closed the connection; connecting again."));
    Retry();
}

void NetWorker::Retry()
{
    if (retry_.isActive())
        return;
    retry_.start(backoffMs_);
    backoffMs_ = std::min(backoffMs_ * 2, kLongestBackoffMs);
}
