#include "RecordedLog.h"

#include "Framing.h"
#include "TrafficText.h"

namespace {
constexpr const char* kStamp = "12/08/26  08:15 PM  ";
constexpr const char* kBanner = "\n\n*****************************************\n12/08/26  08:15 PM  Camera Test Results\n\n";
constexpr size_t kBannerLines = 5;

std::string TxLine(const RecordedCommand& c)
{
    FrameBuffer frame;
    BuildAsciiFrame(frame, 1, c.address, 0, c.text);
    char text[kTxTextSize];
    FormatTxFrame(frame.bytes, frame.length, 1, text);
    return std::string(kStamp) + "TxC: " + text + "\t\tTick: " + std::to_string(c.delay) + "\n";
}

std::string ReplyLine(uint8_t address)
{
    FrameBuffer frame;
    BuildAsciiFrame(frame, 1, address, 0, "L3");
    char text[kRxTextSize];
    FormatRxFrame(frame.bytes, frame.length, 1, text);
    return std::string(kStamp) + "Rx:  " + text + "\n";
}

// Four lines: the command, its acknowledgement, a reply and the console's
// acknowledgement of the reply.
std::vector<std::string> CommandLines(const RecordedCommand& c, bool withReply)
{
    std::vector<std::string> lines{TxLine(c), std::string(kStamp) + "Rx:   ACK\n"};
    if (withReply) {
        lines.push_back(ReplyLine(c.address));
        lines.push_back(std::string(kStamp) + "TxA:  ACK\n");
    }
    return lines;
}
} // namespace

std::string RecordedCommandLog(const std::vector<RecordedCommand>& commands, bool withReplies)
{
    std::string log = kBanner;
    for (const RecordedCommand& c : commands)
        for (const std::string& line : CommandLines(c, withReplies))
            log += line;
    return log;
}

std::string TypicalCommandLog(size_t lines)
{
    static const RecordedCommand kTypical[] = {
        {1, "PLTU", 60}, {1, "PSTS", 1500}, {1, "ZI", 250}, {1, "ZS", 900},
        {7, "cDS", 120}, {7, "L?", 60},     {7, "cZ1", 480}, {7, "FS", 75},
    };
    std::string log = kBanner;
    log.reserve(lines * 48);
    size_t written = kBannerLines < lines ? kBannerLines : lines;
    if (written < kBannerLines) {
        // Too short for the banner: its first lines only.
        size_t at = 0;
        for (size_t i = 0; i < written; ++i)
            at = log.find('\n', at) + 1;
        log.resize(at);
    }
    for (size_t n = 0; written < lines; ++n)
        for (const std::string& line : CommandLines(kTypical[n % std::size(kTypical)], true)) {
            if (written == lines)
                break;
            log += line;
            ++written;
        }
    return log;
}
