#pragma once
#include <concepts>
#include <string>
#include <string_view>
#include <type_traits>

class Clock;
struct LocalDateTime;

// Writer of the command log ("Camera Test Results"). Every line opens the
// file for appending in text mode, writes and closes it again, so the file
// is complete after each line. A file error loses the line silently.
class TestLog {
public:
    explicit TestLog(const Clock& clock) : clock_(clock) {}

    // The file name is UTF-8.
    void SetFileName(std::string name) { fileName_ = std::move(name); }
    const std::string& fileName() const { return fileName_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    const std::string& title() const { return title_; }

    // Empties the log file when it is a regular file; a missing file is no
    // error, and nothing else of that name is touched.
    void DeleteLogFile();

    // Remembers both flags; when enabled writes the banner and the heading
    // "date  time  title" followed by an empty line.
    void Start(bool enabled, bool timeStampEachLine);
    // Per-line time stamps on or off without a new banner (comments are
    // written without stamps).
    void SetTimeStampEachLine(bool on) { timeStamps_ = on; }

    bool enabled() const { return enabled_; }
    bool timeStampEachLine() const { return timeStamps_; }

    // Writes the text and a line break, with "date  time  " in front while
    // per-line time stamps are on. Nothing while disabled or without a file
    // name. The text is written as it is, never used as a format.
    void AppendLine(std::string_view text);

    // The line made of the parts in order: texts as they are, integers in
    // decimal. Nothing while disabled.
    template <typename... Parts>
    void AppendFormattedLine(const Parts&... parts)
    {
        if (!enabled_)
            return;
        std::string line;
        (AddPart(line, parts), ...);
        AppendLine(line);
    }

    // "%m/%d/%y" and "%I:%M %p" of a local time.
    static std::string DateText(const LocalDateTime& t);
    static std::string TimeText(const LocalDateTime& t);

private:
    template <typename T>
    static void AddPart(std::string& line, const T& part)
    {
        if constexpr (std::is_same_v<T, char>)
            line += part;
        else if constexpr (std::integral<T>)
            line += std::to_string(part);
        else
            line += std::string_view(part);
    }

    const Clock& clock_;
    std::string fileName_;
    std::string title_;
    bool enabled_ = false;
    bool timeStamps_ = false;
};
