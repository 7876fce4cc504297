#include "TestLog.h"

#include "Clock.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {
constexpr std::string_view kBanner = "\n\n*****************************************";

std::filesystem::path PathOf(const std::string& utf8)
{
    const std::u8string name(utf8.begin(), utf8.end());
    return std::filesystem::path(name);
}

std::string Stamped(const LocalDateTime& t, std::string_view text)
{
    std::string line = TestLog::DateText(t);
    line += "  ";
    line += TestLog::TimeText(t);
    line += "  ";
    line += text;
    return line;
}
} // namespace

std::string TestLog::DateText(const LocalDateTime& t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d", t.month % 100, t.day % 100, ((t.year % 100) + 100) % 100);
    return text;
}

std::string TestLog::TimeText(const LocalDateTime& t)
{
    const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d %s", hour12, t.minute % 100, t.hour % 24 < 12 ? "AM" : "PM");
    return text;
}

// Empties the file the log will write, and nothing else: a folder, a device
// or a FIFO of that name is left alone (and a link is followed, not removed).
void TestLog::DeleteLogFile()
{
    if (fileName_.empty())
        return;
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(PathOf(fileName_), ignored))
        return;
    try {
        std::ofstream truncate(PathOf(fileName_), std::ios::out | std::ios::trunc);
    } catch (...) {
        // Recording appends to what is there.
    }
}

void TestLog::Start(bool enabled, bool timeStampEachLine)
{
    enabled_ = enabled;
    timeStamps_ = timeStampEachLine;
    if (!enabled_)
        return;
    AppendLine(kBanner);
    AppendLine(Stamped(clock_.Now(), title_) + "\n");
}

void TestLog::AppendLine(std::string_view text)
{
    if (!enabled_ || fileName_.empty())
        return;
    try {
        std::ofstream file(PathOf(fileName_), std::ios::out | std::ios::app);
        if (!file)
            return;
        if (timeStamps_)
            file << Stamped(clock_.Now(), text) << '\n';
        else
            file << text << '\n';
    } catch (...) {
        // The line is lost; recording goes on.
    }
}
