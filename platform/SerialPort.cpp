#include "SerialPort.h"

#include "CommThread.h"
#include "Prompter.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>
#include <cstdio>

SerialPort::SerialPort(Prompter& prompter) : prompter_(prompter)
{
    returnWatch_.setInterval(kReturnWatchMs);
    connect(&returnWatch_, &QTimer::timeout, this, [this] { WatchForReturn(); });
}

SerialPort::~SerialPort()
{
    Close();
    DiscardPending();
}

void SerialPort::Close()
{
    if (thread_) {
        thread_->Shutdown();
        thread_.reset();
    }
}

void SerialPort::DiscardPending()
{
    if (pending_) {
        pending_->Shutdown();
        pending_.reset();
    }
}

std::unique_ptr<CommThread> SerialPort::StartThread(const LineParameters& parameters)
{
    auto thread = std::make_unique<CommThread>(parameters);
    // Bytes an earlier thread had already handed over belong to the old line.
    const unsigned generation = ++generation_;
    connect(thread.get(), &CommThread::RxByte, this,
            [this, generation](int byte) {
                if (owner_ && generation == generation_)
                    owner_->CommRxByte(static_cast<uint8_t>(byte));
            },
            Qt::QueuedConnection);
    connect(thread.get(), &CommThread::QuietGap, this,
            [this, generation] {
                if (owner_ && generation == generation_)
                    owner_->CommQuietGap();
            },
            Qt::QueuedConnection);
    connect(thread.get(), &CommThread::CtsChanged, this,
            [this, generation] {
                if (owner_ && generation == generation_)
                    owner_->CommCts();
            },
            Qt::QueuedConnection);
    connect(thread.get(), &CommThread::PortError, this, &SerialPort::ReportPortError, Qt::QueuedConnection);
    connect(thread.get(), &CommThread::Lost, this,
            [this, generation](const QString& text) {
                if (generation == generation_)
                    OnLost(text);
            },
            Qt::QueuedConnection);
    thread->start();
    return thread;
}

void SerialPort::BeginOpen(const LineParameters& parameters)
{
    // An open port is opened again only by OpenPort.
    if (thread_ || pending_)
        return;
    pending_ = StartThread(parameters);
    pendingParameters_ = parameters;
}

bool SerialPort::OpenPort(LineOwner* owner, const LineParameters& parameters)
{
    returnWatch_.stop();
    Close();
    owner_ = owner;
    parameters_ = parameters;
    // A thread begun for these parameters has been opening the device
    // meanwhile; one begun for others is of no use.
    std::unique_ptr<CommThread> thread;
    if (pending_ && pendingParameters_ == parameters)
        thread = std::move(pending_);
    DiscardPending();
    if (!thread)
        thread = StartThread(parameters);
    if ((!thread->isRunning() && !thread->isFinished()) || !thread->WaitOpened()) {
        thread->Shutdown();
        return false;
    }
    thread_ = std::move(thread);
    return true;
}

bool SerialPort::StartMonitoring()
{
    if (!thread_)
        return false;
    thread_->BeginDelivery();
    return true;
}

void SerialPort::WriteToPort(const uint8_t* bytes, size_t length)
{
    if (!thread_ || length == 0)
        return;
    thread_->Write(QByteArray(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(length)));
}

void SerialPort::OnLost(const QString& systemText)
{
    // The thread has closed the device and is ending by itself.
    Close();
    if (owner_)
        owner_->CommLost();
    returnWatch_.start();
    ReportPortError(QStringLiteral("ReadFile()"),
                    systemText + QStringLiteral("\nThe device is gone: the port is closed until it returns."));
}

// Opens the lost device again as soon as it is there, with the same settings.
void SerialPort::WatchForReturn()
{
    const QString device = QString::fromStdString(parameters_.device);
    if (device.startsWith(QLatin1Char('/')) && !QFileInfo::exists(device))
        return;
    LineOwner* owner = owner_;
    if (!OpenPort(owner, parameters_)) {
        returnWatch_.start();
        return;
    }
    StartMonitoring();
    if (owner)
        owner->CommReopened();
}

void SerialPort::ReportPortError(const QString& operation, const QString& systemText)
{
    // One box at a time: errors that come while it is open are not stacked.
    if (reporting_)
        return;
    reporting_ = true;
    prompter_.ShowMessage(FormatPortError(operation.toStdString(), systemText.toStdString(), parameters_.device),
                          "Application Error", MessageButtons::Ok, MessageIcon::Stop);
    reporting_ = false;
}

std::vector<PresentPort> SerialPort::ListPresentPorts()
{
    std::vector<PresentPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.push_back(PresentPort{info.systemLocation().toStdString(), info.description().toStdString()});
    SortPresentPorts(ports);
    return ports;
}

std::vector<std::string> SerialPort::PresentPorts() const
{
    std::vector<std::string> names;
    for (const PresentPort& p : ListPresentPorts())
        names.push_back(p.name);
    return names;
}

void SortPresentPorts(std::vector<PresentPort>& ports)
{
    auto key = [](const std::string& name) {
        size_t digits = name.size();
        while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9')
            --digits;
        const std::string stem = name.substr(0, digits);
        const long number = digits < name.size() ? std::strtol(name.c_str() + digits, nullptr, 10) : -1;
        return std::make_pair(stem, number);
    };
    std::stable_sort(ports.begin(), ports.end(),
                     [&](const PresentPort& a, const PresentPort& b) { return key(a.name) < key(b.name); });
}

std::string FormatPortError(const std::string& operation, const std::string& systemText, const std::string& port)
{
    char text[200];
    std::snprintf(text, sizeof text, "WARNING:  %s Failed with the following error: \n%s\nPort: %s\n",
                  operation.c_str(), systemText.c_str(), port.c_str());
    return text;
}
