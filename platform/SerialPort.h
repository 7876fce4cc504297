#pragma once
#include "Line.h"

#include <QObject>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

class CommThread;
class Prompter;

struct PresentPort {
    std::string name;         // "COM3", "/dev/ttyUSB0"
    std::string description;  // the system's description, may be empty
};

// The console's one serial port. Frames handed to WriteToPort are written
// whole and in order by CommThread; every received byte reaches the owner
// as one CommRxByte on the UI thread, in arrival order. When the device goes
// away the port says so once, closes (CommLost) and watches for the device
// to come back, opening it again by itself (CommReopened).
class SerialPort : public QObject, public SerialLine {
    Q_OBJECT
public:
    explicit SerialPort(Prompter& prompter);
    ~SerialPort() override;

    // Starts the port's thread, which opens the device while the caller
    // goes on; nothing is delivered before OpenPort and StartMonitoring.
    void BeginOpen(const LineParameters& parameters) override;
    // Stops a running thread first. False when the device cannot be opened.
    bool OpenPort(LineOwner* owner, const LineParameters& parameters) override;
    bool StartMonitoring() override;
    void WriteToPort(const uint8_t* bytes, size_t length) override;
    bool IsOpen() const override { return thread_ != nullptr; }

    // Shows a port failure in a box captioned "Application Error" (UI thread).
    void ReportPortError(const QString& operation, const QString& systemText);

    // The system's serial ports, in a stable order.
    static std::vector<PresentPort> ListPresentPorts();
    std::vector<std::string> PresentPorts() const override;

    const LineParameters& parameters() const { return parameters_; }

    // How often a lost device is looked for.
    static constexpr int kReturnWatchMs = 1000;

private:
    void Close();
    void OnLost(const QString& systemText);
    void WatchForReturn();
    std::unique_ptr<CommThread> StartThread(const LineParameters& parameters);
    void DiscardPending();

    Prompter& prompter_;
    LineOwner* owner_ = nullptr;
    LineParameters parameters_;
    std::unique_ptr<CommThread> thread_;
    std::unique_ptr<CommThread> pending_; // begun, not yet taken by OpenPort
    LineParameters pendingParameters_;
    unsigned generation_ = 0;
    bool reporting_ = false;
    QTimer returnWatch_;
};

// Ports by stem, then by number: COM2 before COM10, /dev/ttyS2 before /dev/ttyS10.
void SortPresentPorts(std::vector<PresentPort>& ports);

// "WARNING:  %s Failed with the following error: \n%s\nPort: %s\n", at most 200 characters.
std::string FormatPortError(const std::string& operation, const std::string& systemText, const std::string& port);
