#include "ConfigDownload.h"

namespace {
// One row of the download: the query that repeats while the counter is
// below its limit ('1' + counter after the prefix), and the first query of
// the next state.
struct Row {
    const char* prefix;
    int limit;
    const char* nextPrefix; // with '1', or alone when nextAlone
    bool nextAlone = false;
};

// States 12 to 20; 21 and 22 are the preset names and positions, whose
// characters are counted differently.
constexpr Row kRows[] = {
    {"*Sl", 16, "cdSS"},       // 12 sector limits
    {"cdSS", 16, "cdSs"},      // 13 sector titles
    {"cdSs", 16, "*Pl"},       // 14 sector states
    {"*Pl", 8, "*Ps"},         // 15 zone limits
    {"*Ps", 8, "*Tp"},         // 16 zone states
    {"*Tp", 8, "*Td"},         // 17 tour presets
    {"*Td", 8, "*Ts"},         // 18 tour dwells
    {"*Ts", 8, "cdSc", true},  // 19 tour states
    {"cdSl", 5, nullptr},      // 20 sector settings
};
} // namespace

std::string ConfigDownload::Query(const char* prefix, int code) const
{
    return std::string(prefix) + static_cast<char>(code);
}

std::string ConfigDownload::Start()
{
    active_ = true;
    state_ = kFirstState;
    counter_ = 1;
    answers_ = 0;
    return Query("*Sl", '1');
}

std::string ConfigDownload::Next()
{
    if (!active_)
        return {};
    ++answers_;
    int& k = counter_;
    if (state_ >= 12 && state_ <= 20) {
        const Row& row = kRows[state_ - 12];
        if (k < row.limit)
            return Query(row.prefix, '1' + k++);
        ++state_;
        if (state_ == 20) {
            k = 0;
            return "cdSc";
        }
        k = 1;
        if (state_ == 21)
            return Query("cdS", 16);
        return Query(row.nextPrefix, '1');
    }
    if (state_ == 21) {
        // Names: the character of code k + 16 below 48, k + 48 from 48 on.
        if (k < 64) {
            const int code = k < 48 ? k + 16 : k + 48;
            ++k;
            return Query("cdS", code);
        }
        state_ = 22;
        k = 1;
        return Query("*pp", 16);
    }
    // State 22, positions: k + 16 up to 46, k + 49 from 47 on (the
    // console's preset characters), unlike the names above.
    if (k < 64) {
        const int code = k <= 46 ? k + 16 : k + 49;
        ++k;
        return Query("*pp", code);
    }
    active_ = false;
    return {};
}

std::string DownloadLine(const uint8_t* frame, size_t length)
{
    std::string line;
    for (size_t i = 2; i < length && line.size() < kDownloadLineLimit && frame[i] < 127; ++i)
        line += static_cast<char>(frame[i]);
    return line;
}
