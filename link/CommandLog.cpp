#include "CommandLog.h"

#include <charconv>
#include <filesystem>
#include <fstream>

namespace {
constexpr size_t kLongestShownForm = 400;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

size_t SkipBlanks(std::string_view s, size_t at)
{
    while (at < s.size() && IsBlank(s[at]))
        ++at;
    return at;
}

// The blank-separated tokens of a line, one at a time: a line far longer
// than a record can be is never held as a list.
class TokenReader {
public:
    explicit TokenReader(std::string_view s) : s_(s) {}
    bool Next(std::string_view& token)
    {
        at_ = SkipBlanks(s_, at_);
        if (at_ >= s_.size())
            return false;
        size_t end = at_;
        while (end < s_.size() && !IsBlank(s_[end]))
            ++end;
        token = s_.substr(at_, end - at_);
        at_ = end;
        return true;
    }

private:
    std::string_view s_;
    size_t at_ = 0;
};

std::optional<unsigned> Hex(std::string_view token)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value, 16);
    if (error != std::errc() || end != token.data() + token.size())
        return std::nullopt;
    return value;
}

enum class LineResult { Skipped, Record, Failed, BadChecksum };

// One line: a record, a line to skip, or a failure.
LineResult ParseLine(std::string_view line, PlaybackRecord& record)
{
    record = PlaybackRecord{};
    const size_t tick = line.find("Tick:");
    const bool hasTick = tick != std::string_view::npos && tick > 0;
    if (hasTick) {
        const size_t digits = SkipBlanks(line, tick + 5);
        if (digits >= line.size() || line[digits] < '0' || line[digits] > '9')
            return LineResult::Failed;
        uint32_t delay = 0;
        const auto [end, error] = std::from_chars(line.data() + digits, line.data() + line.size(), delay);
        if (error != std::errc())
            return LineResult::Failed; // a delay beyond 32 bits
        (void)end;
        record.delay = delay;
    }
    const size_t txc = line.find("TxC:");
    if (txc == std::string_view::npos || txc == 0)
        return LineResult::Skipped;
    const size_t textEnd = hasTick && tick > txc ? tick : line.size();
    const std::string_view form = line.substr(txc + 4, textEnd - (txc + 4));
    const size_t start = SkipBlanks(form, 0);
    if (form.substr(start, 2) != "F8")
        return LineResult::Failed;
    TokenReader tokens(form.substr(start + 2));
    std::string_view addressToken, command;
    if (!tokens.Next(addressToken) || !tokens.Next(command))
        return LineResult::BadChecksum;
    const std::optional<unsigned> address = Hex(addressToken);
    if (!address || *address > 0xFF)
        return LineResult::Failed;
    record.address = static_cast<uint8_t>(*address);
    // A text longer than a record holds fails as soon as it is seen.
    if (command.size() > PlaybackRecord::kMaxText)
        return LineResult::Failed;
    unsigned x = *address;
    for (char c : command) {
        record.text += c;
        x ^= static_cast<uint8_t>(c);
    }
    std::string_view token;
    while (tokens.Next(token)) {
        const std::optional<unsigned> byte = Hex(token);
        if (!byte || *byte > 0xFF)
            return LineResult::Failed;
        if (*byte == (0x80 | (x & 0x0F)))
            return LineResult::Record;
        if (record.text.size() == PlaybackRecord::kMaxText)
            return LineResult::Failed;
        record.text += static_cast<char>(*byte);
        x ^= *byte;
    }
    return LineResult::BadChecksum;
}
} // namespace

CommandLogParse ParseCommandLog(std::string_view contents)
{
    CommandLogParse result;
    size_t at = 0;
    while (at < contents.size()) {
        size_t end = contents.find('\n', at);
        if (end == std::string_view::npos)
            end = contents.size();
        std::string_view line = contents.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        at = end + 1;
        PlaybackRecord record;
        switch (ParseLine(line, record)) {
        case LineResult::Skipped:
            break;
        case LineResult::Record:
            result.records.push_back(std::move(record));
            break;
        case LineResult::BadChecksum: {
            const size_t txc = line.find("TxC:");
            const size_t tick = line.find("Tick:", txc);
            std::string_view form = line.substr(txc + 4, tick == std::string_view::npos ? std::string_view::npos : tick - txc - 4);
            // A recorded frame's text is a few hundred characters; a message
            // never shows more of a line than that.
            form = form.substr(0, kLongestShownForm);
            result.checksumMessage = "Send command:\n" + std::string(form) + "\n\nChecksum is not correct!\n";
            result.records.clear();
            return result;
        }
        case LineResult::Failed:
            result.records.clear();
            return result;
        }
    }
    result.ok = true;
    return result;
}

CommandLogRead ReadCommandLogFile(const std::string& path, std::string& contents, size_t largest)
{
    contents.clear();
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    std::error_code error;
    if (path.empty() || std::filesystem::is_directory(file, error))
        return CommandLogRead::CannotOpen;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return CommandLogRead::CannotOpen;
    char buffer[64 * 1024];
    while (in) {
        in.read(buffer, sizeof buffer);
        const auto got = static_cast<size_t>(in.gcount());
        if (got > largest - contents.size()) {
            contents.clear();
            return CommandLogRead::TooLarge;
        }
        contents.append(buffer, got);
    }
    if (in.bad()) {
        contents.clear();
        return CommandLogRead::CannotOpen;
    }
    return CommandLogRead::Ok;
}

const char* PlaybackHaltCommand(std::string_view text)
{
    if (text.empty())
        return nullptr;
    switch (text[0]) {
    case 'F': return "FS";
    case 'P':
    case 'T':
    case 'l':
    case 'r': return "PSTS";
    case 'Z': return "ZS";
    case 'c':
        if (text.size() < 2)
            return nullptr;
        switch (text[1]) {
        case 'F':
        case 'N': return "FS";
        case 'I': return "IS";
        case 'W': return "cWQ";
        case 'Z':
        case 'z': return "ZS";
        default: return nullptr;
        }
    default: return nullptr;
    }
}
