#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The serial line as the protocol code sees it: whole frames out, single
// bytes in (delivered to the owner one by one, in arrival order).
class Line {
public:
    virtual ~Line() = default;
    virtual void WriteToPort(const uint8_t* bytes, size_t length) = 0;
};

class LineOwner {
public:
    virtual ~LineOwner() = default;
    virtual void CommRxByte(uint8_t byte) = 0;
    // The line had been quiet for a while before the next byte (marked in
    // arrival order, between the bytes).
    virtual void CommQuietGap() {}
    virtual void CommCts() {}
    // The device went away (a USB adapter pulled, a terminal closed): the
    // line is closed now. It reports CommReopened when it is back.
    virtual void CommLost() {}
    virtual void CommReopened() {}
};

struct LineParameters {
    std::string device;  // "COM3", "/dev/ttyUSB0", a pseudo-terminal
    int portNumber = 1;  // the stored "Port"
    int baud = 9600;
    char parity = 'N';   // 'N' or 'E'
    int dataBits = 8;
    int stopBits = 1;
    int eventMask = 9;   // received character and CTS
    size_t writeBufferSize = 128;

    bool operator==(const LineParameters&) const = default;
};

// A line that can be opened and monitored: the real serial port, or a fake.
class SerialLine : public Line {
public:
    // Starts opening the device so that the caller can go on meanwhile; the
    // next OpenPort with the same parameters finishes it. A line that opens
    // at once need do nothing here.
    virtual void BeginOpen(const LineParameters& /*parameters*/) {}
    virtual bool OpenPort(LineOwner* owner, const LineParameters& parameters) = 0;
    virtual bool StartMonitoring() = 0;
    virtual bool IsOpen() const = 0;
    // The machine's serial ports by name, in a stable order (Setup's list).
    virtual std::vector<std::string> PresentPorts() const { return {}; }
};
