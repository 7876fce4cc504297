// Feeds arbitrary line bytes through reply assembly, the receive text, the
// routing of each reply, the console's reply decoders and, for replies
// routed to a window, the windows' codecs.
#include "PanelCodecs.h"
#include "ReceiveStateMachine.h"
#include "ReplyFields.h"
#include "ReplyRouting.h"
#include "TrafficText.h"

#include <cstddef>
#include <cstdint>

namespace {
void Decode(const uint8_t* frame, size_t length, const ReplyContext& context, int protocol)
{
    const ReplyRoute route = RouteReply(frame, length, context);
    for (int i = 0; i < route.count; ++i) {
        if (route.steps[i].target != ReplyStep::Target::Console) {
            DecodeWithPanelCodecs(frame, length);
            continue;
        }
        switch (route.steps[i].decoder) {
        case ConsoleDecoder::Address: (void)DecodeAddressReply(frame, length, protocol); break;
        case ConsoleDecoder::Status: (void)DecodeStatusFields(frame, length, kStatusReplyOffsets); break;
        case ConsoleDecoder::ShiftedStatus: (void)DecodeStatusFields(frame, length, kShiftedStatusOffsets); break;
        case ConsoleDecoder::Position:
            if (const auto p = DecodePositionReply(frame, length, context.receiverType))
                (void)FormatPosition(p->pan, context.receiverType);
            break;
        case ConsoleDecoder::BinaryStatus: (void)DecodeBinaryStatus(frame, length, protocol); break;
        default: break;
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    // The first three bytes pick the frame mode, the grammar switches, the
    // receiver and camera types, the protocol and which windows are open.
    const int mode = data[0] & 1;
    const uint8_t switches = data[0];
    ReplyContext context;
    context.receiverType = data[1] % 15;
    context.cameraType = data[2] % 19;
    context.open = std::bitset<kReplyWindowCount>(static_cast<unsigned long>(data[0] & 0x80) << 9 |
                                                  static_cast<unsigned long>(data[1]) << 8 | data[2]);
    context.flags.panelReplyPending = data[1] & 0x80;
    context.flags.dsp7100ReplyPending = data[2] & 0x80;
    context.flags.downloadActive = data[2] & 0x40;
    context.queuedPanelOpen = data[1] & 0x40;
    const int protocol = (data[0] >> 1) % 15;

    ReceiveStateMachine machine;
    char text[kRxTextSize];
    // Bytes come a millisecond apart, with a quiet gap now and then.
    uint32_t tick = 0;
    const size_t gapEvery = 5 + data[1] % 29;
    for (size_t i = 3; i < size; ++i) {
        const bool ascii = ((switches >> (i % 7 + 1)) & 1) == 0;
        tick += i % gapEvery == 0 ? ReceiveStateMachine::kQuietGapMs : 1;
        if (machine.Feed(data[i], ascii, mode, tick) == ReceiveStateMachine::Event::Frame) {
            FormatRxFrame(machine.frame(), machine.frameLength(), mode, text);
            Decode(machine.frame(), machine.frameLength(), context, protocol);
        }
    }
    return 0;
}
