#include "CommThread.h"

#include "NetLine.h"

#include <QSerialPort>
#include <QTimer>
#include <string>
#ifdef Q_OS_UNIX
#include <poll.h>
#endif

// Lives in the comm thread; every use of the QSerialPort happens here.
class CommWorker : public LineWorker {
public:
    CommWorker(CommThread& thread, QSerialPort& port) : thread_(thread), port_(port)
    {
        connect(&port_, &QSerialPort::readyRead, this, [this] { Drain(); });
        connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) { OnError(e); });
        ctsPoll_.setInterval(50);
        connect(&ctsPoll_, &QTimer::timeout, this, [this] { PollCts(); });
    }

    bool Configure(const LineParameters& p)
    {
        // The line: 8 data bits, one stop bit, parity by protocol, DTR and RTS
        // on, no hardware flow control.
        const QSerialPort::Parity parity = p.parity == 'E' ? QSerialPort::EvenParity : QSerialPort::NoParity;
        const QSerialPort::StopBits stop = p.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop;
        const auto bits = static_cast<QSerialPort::DataBits>(p.dataBits >= 5 && p.dataBits <= 8 ? p.dataBits : 8);
        if (!port_.setBaudRate(p.baud) || !port_.setDataBits(bits) || !port_.setParity(parity) ||
            !port_.setStopBits(stop) || !port_.setFlowControl(QSerialPort::NoFlowControl)) {
            emit thread_.PortError(QStringLiteral("SetCommState()"), port_.errorString());
            port_.clearError();
        }
        // Pseudo-terminals and some adapters have no modem lines; that is no error.
        if (!port_.setDataTerminalReady(true) || !port_.setRequestToSend(true)) {
            if (port_.error() != QSerialPort::UnsupportedOperationError)
                emit thread_.PortError(QStringLiteral("SetCommState()"), port_.errorString());
            port_.clearError();
        }
        port_.clear(QSerialPort::AllDirections);
        inputCleared_ = true;
        lastCts_ = Cts(&ctsAvailable_);
        if (ctsAvailable_ && (p.eventMask & 8))
            ctsPoll_.start();
        return true;
    }

    void Write(const QByteArray& frame) override
    {
        if (!port_.isOpen())
            return;
        inputCleared_ = true;
        if (!WriteFrame(port_, frame))
            emit thread_.PortError(QStringLiteral("WriteFile()"), port_.errorString());
    }

    // Lets every frame already handed over reach the line.
    void Flush() override
    {
        while (port_.isOpen() && port_.bytesToWrite() > 0 && port_.waitForBytesWritten(1000)) {
        }
    }

    void Purge() override
    {
        if (port_.isOpen())
            ClearInput();
    }

private:
    // Input that arrives while a write clears the queue may already have
    // woken the reader; its read then finds nothing, and the port calls that
    // a read error or, when the read would block, a lost resource. Such an
    // error is ours, not the line's.
    void ClearInput()
    {
        port_.clear(QSerialPort::Input);
        inputCleared_ = true;
    }

    void Drain()
    {
        const QByteArray bytes = port_.readAll();
        if (!bytes.isEmpty())
            inputCleared_ = false;
        for (char c : bytes)
            thread_.Deliver(static_cast<uint8_t>(c));
    }

    void OnError(QSerialPort::SerialPortError e)
    {
        if (lost_)
            return;
#ifdef Q_OS_UNIX
        if ((e == QSerialPort::ReadError || e == QSerialPort::ResourceError) && inputCleared_ && !HungUp()) {
            // Once per clearing: a device that is really gone fails the
            // next read as well, and is reported then.
            inputCleared_ = false;
            port_.clearError();
            // The port stops reading after a resource error; this starts it again.
            port_.setReadBufferSize(port_.readBufferSize());
            return;
        }
#endif
        switch (e) {
        case QSerialPort::ReadError:
        case QSerialPort::WriteError: {
            // A terminal whose far end closed, or an adapter pulled out,
            // reads as an error without end: that is the device gone. The
            // system may mark the line hung up a moment after the first
            // failed read, so look again before calling it a plain error.
            const QString operation = QString::fromLatin1(e == QSerialPort::ReadError ? "ReadFile()" : "WriteFile()");
            const QString text = port_.errorString();
            port_.clearError();
            if (HungUp()) {
                Lose(text);
                break;
            }
            QTimer::singleShot(kHangUpSettleMs, this, [this, operation, text] {
                if (lost_)
                    return;
                if (HungUp())
                    Lose(text);
                else
                    emit thread_.PortError(operation, text);
            });
            break;
        }
        case QSerialPort::ResourceError:
            Lose(port_.errorString());
            break;
        default:
            break;
        }
    }

    bool HungUp()
    {
#ifdef Q_OS_UNIX
        pollfd p{static_cast<int>(port_.handle()), POLLIN, 0};
        return p.fd < 0 || (::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)));
#else
        return false;
#endif
    }

    // The device went away: say so once, close it and end the thread, so
    // that the console knows the port is closed and can open it again.
    void Lose(const QString& text)
    {
        lost_ = true;
        ctsPoll_.stop();
        port_.close();
        emit thread_.Lost(text);
        thread_.quit();
    }

    bool Cts(bool* available)
    {
        const QSerialPort::PinoutSignals s = port_.pinoutSignals();
        *available = port_.error() == QSerialPort::NoError;
        port_.clearError();
        return s.testFlag(QSerialPort::ClearToSendSignal);
    }

    void PollCts()
    {
        bool available = false;
        const bool cts = Cts(&available);
        if (!available) {
            ctsPoll_.stop();
            return;
        }
        if (cts != lastCts_) {
            lastCts_ = cts;
            emit thread_.CtsChanged();
        }
    }

    CommThread& thread_;
    QSerialPort& port_;
    static constexpr int kHangUpSettleMs = 100;
    QTimer ctsPoll_;
    bool lost_ = false;
    bool lastCts_ = false;
    bool inputCleared_ = false;
    bool ctsAvailable_ = false;
};

bool WriteFrame(QSerialPort& port, const QByteArray& frame)
{
    // Half duplex: whatever input is still unread belongs to an earlier exchange.
    port.clear(QSerialPort::Input);
    return port.write(frame) == frame.size();
}

CommThread::CommThread(LineParameters parameters)
    : parameters_(std::move(parameters)), openedResult_(opened_.get_future())
{
}

CommThread::~CommThread()
{
    Shutdown();
}

bool CommThread::WaitOpened()
{
    return openedResult_.valid() ? openedResult_.get() : false;
}

void CommThread::run()
{
    RunLine();
    ended_.store(true, std::memory_order_release);
}

void CommThread::RunLine()
{
    if (const std::optional<NetEndpoint> endpoint = ParseNetDevice(parameters_.device)) {
        NetWorker worker(*this, *endpoint, parameters_);
        if (!worker.Connect(3000)) {
            opened_.set_value(false);
            return;
        }
        SetWorker(&worker);
        opened_.set_value(true);
        exec();
        SetWorker(nullptr);
        return;
    }
    QSerialPort port;
    port.setPortName(QString::fromStdString(parameters_.device));
    if (!port.open(QIODevice::ReadWrite)) {
        opened_.set_value(false);
        return;
    }
    CommWorker worker(*this, port);
    worker.Configure(parameters_);
    SetWorker(&worker);
    opened_.set_value(true);
    exec();
    SetWorker(nullptr);
    port.close();
}

void CommThread::Deliver(uint8_t byte)
{
    if (!delivering_)
        return;
    if (lastByte_.isValid() && lastByte_.elapsed() >= kQuietGapMs)
        emit QuietGap();
    lastByte_.start();
    emit RxByte(byte);
}

void CommThread::SetWorker(LineWorker* worker)
{
    if (worker)
        connect(this, &CommThread::Wake, worker, [this, worker] { RunPending(*worker); }, Qt::QueuedConnection);
    QMutexLocker lock(&workerLock_);
    worker_ = worker;
}

// Work for the thread waits in a queue of its own and the thread is only
// woken: what crosses between the threads is guarded by a lock both sides
// (and ThreadSanitizer) can see.
bool CommThread::PostLocked(std::function<void(LineWorker&)> work)
{
    if (!worker_)
        return false;
    {
        std::lock_guard<std::mutex> lock(pendingLock_);
        pending_.push_back(std::move(work));
    }
    emit Wake();
    return true;
}

void CommThread::Post(std::function<void(LineWorker&)> work)
{
    QMutexLocker lock(&workerLock_);
    PostLocked(std::move(work));
}

// On the thread: everything posted so far, in order.
void CommThread::RunPending(LineWorker& worker)
{
    for (;;) {
        std::function<void(LineWorker&)> work;
        {
            std::lock_guard<std::mutex> lock(pendingLock_);
            if (pending_.empty())
                return;
            work = std::move(pending_.front());
            pending_.pop_front();
        }
        work(worker);
    }
}

void CommThread::Write(const QByteArray& frame)
{
    // A copy of its own for the thread: nothing shared between the threads
    // but the hand-over.
    Post([bytes = std::string(frame.constData(), static_cast<size_t>(frame.size()))](LineWorker& w) {
        w.Write(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    });
}

void CommThread::BeginDelivery()
{
    Post([this](LineWorker& w) {
        w.Purge();
        delivering_ = true;
    });
}

void CommThread::Shutdown()
{
    if (isRunning()) {
        QMutexLocker lock(&workerLock_);
        // Queued behind any frames still waiting, so those are written first.
        if (!PostLocked([this](LineWorker& w) {
                w.Flush();
                quit();
            }))
            quit();
    }
    wait();
    (void)ended_.load(std::memory_order_acquire);
}
