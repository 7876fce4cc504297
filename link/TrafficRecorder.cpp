#include "TrafficRecorder.h"

#include "Clock.h"
#include "TestLog.h"

#include <algorithm>

void TrafficRecorder::Begin()
{
    haveLast_ = false;
    lastTick_ = 0;
}

void TrafficRecorder::RecordTransmit(std::string_view text)
{
    if (!active())
        return;
    const uint32_t now = clock_.TickCount();
    if (!haveLast_) {
        lastTick_ = now;
        haveLast_ = true;
    }
    const uint32_t delay = std::max(now - lastTick_, kMinimumDelayMs);
    log_.AppendFormattedLine("TxC: ", text, "\t\tTick: ", delay);
    lastTick_ = now;
}

void TrafficRecorder::RecordReceive(std::string_view text)
{
    if (active())
        log_.AppendFormattedLine("Rx:  ", text);
}

void TrafficRecorder::RecordAckSent()
{
    RecordLine("TxA:  ACK");
}

void TrafficRecorder::RecordAckReceived()
{
    RecordLine("Rx:   ACK");
}

void TrafficRecorder::RecordLine(std::string_view text)
{
    if (active())
        log_.AppendLine(text);
}
