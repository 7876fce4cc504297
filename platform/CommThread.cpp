#include "CommThread.h"

#include "NetLine.h"

#include <QSerialPort>
#include <QTimer>

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
        if (!thread_.Delivering())
            return;
        for (char c : bytes)
            emit thread_.RxByte(static_cast<unsigned char>(c));
    }

    void OnError(QSerialPort::SerialPortError e)
    {
        if ((e == QSerialPort::ReadError || e == QSerialPort::ResourceError) && inputCleared_) {
            // Once per clearing: a device that is really gone fails the
            // next read as well, and is reported then.
            inputCleared_ = false;
            port_.clearError();
            // The port stops reading after a resource error; this starts it again.
            port_.setReadBufferSize(port_.readBufferSize());
            return;
        }
        switch (e) {
        case QSerialPort::ReadError:
            emit thread_.PortError(QStringLiteral("ReadFile()"), port_.errorString());
            break;
        case QSerialPort::WriteError:
            emit thread_.PortError(QStringLiteral("WriteFile()"), port_.errorString());
            break;
        case QSerialPort::ResourceError:
            // The device went away: say so once and stop using it.
            emit thread_.PortError(QStringLiteral("ReadFile()"), port_.errorString());
            ctsPoll_.stop();
            port_.close();
            break;
        default:
            break;
        }
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
    QTimer ctsPoll_;
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
    if (const std::optional<NetEndpoint> endpoint = ParseNetDevice(parameters_.device)) {
        NetWorker worker(*this, *endpoint, parameters_);
        if (!worker.Connect(3000)) {
            opened_.set_value(false);
            return;
        }
        worker_ = &worker;
        opened_.set_value(true);
        exec();
        worker_ = nullptr;
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
    worker_ = &worker;
    opened_.set_value(true);
    exec();
    worker_ = nullptr;
    port.close();
}

void CommThread::Write(const QByteArray& frame)
{
    if (LineWorker* w = worker_.load())
        QMetaObject::invokeMethod(w, [w, frame] { w->Write(frame); }, Qt::QueuedConnection);
}

void CommThread::BeginDelivery()
{
    if (LineWorker* w = worker_.load())
        QMetaObject::invokeMethod(
            w,
            [this, w] {
                w->Purge();
                delivering_ = true;
            },
            Qt::QueuedConnection);
}

void CommThread::Shutdown()
{
    if (!isRunning())
        return;
    // Queued behind any frames still waiting, so those are written first.
    if (LineWorker* w = worker_.load())
        QMetaObject::invokeMethod(
            w,
            [this, w] {
                w->Flush();
                quit();
            },
            Qt::QueuedConnection);
    else
        quit();
    wait();
}
