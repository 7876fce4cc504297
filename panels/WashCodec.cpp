#include "WashCodec.h"

#include "ReplyView.h"

#include <cstdio>

std::string WashSetCommand(const WashMembers& m)
{
    char text[32];
    std::snprintf(text, sizeof text, "mWW%02dw%02dm%1df%03d", m.washTime, m.wipeTime, m.manualWash, m.frequency);
    return text;
}

void DecodeWashReply(const uint8_t* frame, size_t length, WashMembers& m)
{
    const ReplyView t = ReplyView::Text(frame, length);
    if (t[0] != 'W' || t[1] != 'W')
        return;
    if (const int wash = t.DecimalAt(2, 2); wash >= 0 && wash <= 99)
        m.washTime = wash;
    if (t[4] == 'w')
        if (const int wipe = t.DecimalAt(5, 2); wipe >= 0 && wipe <= 99)
            m.wipeTime = wipe;
    if (t[7] == 'm' && (t[8] == '0' || t[8] == '1'))
        m.manualWash = t[8] - '0';
    // The camera counts up to 168; the box and what "Set" sends hold 1-10.
    if (t[9] == 'f')
        if (const int f = t.DecimalAt(10, 3); f >= kWashFrequencyLow && f <= kWashFrequencyHigh)
            m.frequency = f;
}
