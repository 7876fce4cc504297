#include "SimDsp8270.h"

#include <algorithm>
#include <cstdio>

namespace {
// The small number of a one-character value, or -1 outside lo-hi.
int Digit(const std::string& text, size_t at, int lo, int hi)
{
    if (text.size() != at + 1)
        return -1;
    const int v = text[at] - '0';
    return v >= lo && v <= hi ? v : -1;
}

// A decimal value of exactly count digits at the end of the text, or -1.
int Number(const std::string& text, size_t at, size_t count)
{
    if (text.size() != at + count)
        return -1;
    int v = 0;
    for (size_t i = at; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        v = v * 10 + (text[i] - '0');
    }
    return v;
}

void Put(std::string& record, size_t at, const char* format, int value)
{
    char digits[8];
    const int n = std::snprintf(digits, sizeof digits, format, value);
    for (int i = 0; i < n && at + static_cast<size_t>(i) < record.size(); ++i)
        record[at + static_cast<size_t>(i)] = digits[i];
}

int AtMost(int value, int hi)
{
    return value <= hi ? value : -1;
}

bool Set(int& setting, int value)
{
    if (value < 0)
        return false;
    setting = value;
    return true;
}
} // namespace

bool SimDsp8270::Handle(const std::string& text, std::string& reply)
{
    reply.clear();
    if (text.size() < 2 || text[0] != 'b')
        return false;
    Settings& s = settings_;
    const std::string body = text.substr(1);
    const char key = body[0];
    if (body == "f") {
        s = Settings{};
    } else if (body == "EA" || body == "m1") {
        s.manualShutter = body == "m1";
    } else if (body == "WR" || body == "Wr" || body == "WB" || body == "Wb") {
        // The gains move only under Manual white balance.
        if (s.whiteBalance != 1)
            return true;
        int& gain = body[1] == 'R' || body[1] == 'r' ? s.red : s.blue;
        gain = std::clamp(gain + (body[1] == 'R' || body[1] == 'B' ? 16 : -16), 0, 255);
        adjusting_ = body[1] == 'R' || body[1] == 'r' ? 'R' : 'B';
    } else if (body == "WQ") {
        char report[16];
        if (adjusting_) {
            std::snprintf(report, sizeof report, "bW%c%03d", adjusting_, adjusting_ == 'R' ? s.red : s.blue);
            reply = report;
        }
        adjusting_ = 0;
    } else if (body == "Fo" || body == "FO") {
        s.freeze = body[1] == 'O';
    } else if (key == 'Y' && body.size() == 3 && body[1] == 'A') {
        return Set(s.blcArea, Digit(body, 2, 0, 4));
    } else if (key == 'b') {
        if (!Set(s.brightness, AtMost(Number(body, 1, 2), 48)))
            return false;
        reply = "bb00";
        Put(reply, 2, "%02d", s.brightness);
    } else if (key == 's') {
        if (!Set(s.sharpness, Digit(body, 1, 0, 15)))
            return false;
        reply = std::string("bs") + static_cast<char>('0' + s.sharpness);
    } else {
        switch (key) {
        case 'M': return Set(s.dayNight, Digit(body, 1, 0, 2));
        case 'W': return Set(s.whiteBalance, Digit(body, 1, 0, 3));
        case 'Y': return Set(s.blc, Digit(body, 1, 0, 2));
        case 'G': return Set(s.maxGain, AtMost(Number(body, 1, 3), 255));
        case 'S': return Set(s.shutter, Digit(body, 1, 0, 7));
        case 'i': return Set(s.integration, Digit(body, 1, 0, 9));
        case 'D': return Set(s.zoomLimit, Digit(body, 1, 0, 3));
        default: return false;
        }
    }
    return true;
}

// Positions count from the first character after the class letter; the
// letters in between name the fields that follow them.
void SimDsp8270::WriteStatus(std::string& record) const
{
    if (record.size() < kStatusLength)
        return;
    const Settings& s = settings_;
    auto field = [&record](size_t letterAt, char letter, const char* format, int value) {
        record[letterAt] = letter;
        Put(record, letterAt + 1, format, value);
    };
    record[16] = 'Y';
    Put(record, 17, "%d", s.blc);
    Put(record, 18, "%d", s.blc != 0 ? s.blcArea : 0);
    field(19, 'M', "%d", s.dayNight);
    field(21, 'W', "%d", s.whiteBalance);
    Put(record, 23, "%03d", s.red);
    Put(record, 26, "%03d", s.blue);
    field(29, 'S', "%d", s.shutter);
    field(31, 'i', "%d", s.integration);
    field(33, 'D', "%d", s.zoomLimit);
    record[35] = 'F';
    record[36] = s.freeze ? 'O' : 'o';
    field(37, 'G', "%03d", s.maxGain);
    field(41, 'b', "%02d", s.brightness);
    record[44] = 's';
    record[45] = static_cast<char>('0' + s.sharpness);
    field(46, 'm', "%d", s.manualShutter ? 1 : 0);
}
