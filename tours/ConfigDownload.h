#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The configuration download: one query after another, each sent when the
// answer to the one before has been written, through the dome's sectors,
// privacy zones, tours, its sector settings, 64 preset names and 64 preset
// positions. Plain C++; the dialog queues what it returns.
class ConfigDownload {
public:
    static constexpr int kQueries = 222;
    static constexpr int kFirstState = 12;
    static constexpr int kLastState = 22;

    // State 12, counter 1; the first query ("*Sl1").
    std::string Start();
    // An answer was written: the next query, or empty when that was the
    // last answer (the download is then over).
    std::string Next();
    // Ends the download wherever it is.
    void Stop() { active_ = false; }

    bool active() const { return active_; }
    int state() const { return state_; }
    int counter() const { return counter_; }
    // Answers written so far.
    int answers() const { return answers_; }

private:
    std::string Query(const char* prefix, int code) const;

    bool active_ = false;
    int state_ = 0;
    int counter_ = 0;
    int answers_ = 0;
};

// A download line: the reply frame's bytes from byte 2 (the class
// character) up to, not including, the first byte of 127 or more, at most
// 62 bytes.
constexpr size_t kDownloadLineLimit = 62;
std::string DownloadLine(const uint8_t* frame, size_t length);
