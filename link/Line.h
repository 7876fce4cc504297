#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

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
    virtual void CommCts() {}
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
};
