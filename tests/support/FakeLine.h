#pragma once
#include "Line.h"

#include <cstdint>
#include <string>
#include <vector>

// A line that records every frame written and can inject received bytes.
// Like the real port, bytes reach the owner one by one in order.
class FakeLine : public SerialLine {
public:
    using Bytes = std::vector<uint8_t>;

    void BeginOpen(const LineParameters& parameters) override { begun.push_back(parameters); }
    bool OpenPort(LineOwner* owner, const LineParameters& parameters) override
    {
        ++openCount;
        opened = parameters;
        owner_ = owner;
        open_ = openSucceeds;
        return open_;
    }
    bool StartMonitoring() override
    {
        monitoring = open_;
        return open_;
    }
    bool IsOpen() const override { return open_; }
    std::vector<std::string> PresentPorts() const override { return presentPorts; }
    void WriteToPort(const uint8_t* bytes, size_t length) override { written.emplace_back(bytes, bytes + length); }

    void Inject(const Bytes& bytes)
    {
        for (uint8_t b : bytes)
            if (owner_)
                owner_->CommRxByte(b);
    }

    // The device goes away, as the real port reports it.
    void Lose()
    {
        open_ = false;
        monitoring = false;
        if (owner_)
            owner_->CommLost();
    }

    bool openSucceeds = true;
    std::vector<std::string> presentPorts;
    int openCount = 0;
    bool monitoring = false;
    LineParameters opened;
    std::vector<LineParameters> begun;
    std::vector<Bytes> written;

private:
    LineOwner* owner_ = nullptr;
    bool open_ = false;
};
