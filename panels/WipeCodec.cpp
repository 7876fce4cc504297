#include "WipeCodec.h"

#include "ReplyView.h"

#include <cstdio>

std::string WipeSetCommand(const WipeMembers& m)
{
    char text[24];
    std::snprintf(text, sizeof text, "mwr%04dd%02d", m.runTime, m.delay);
    return text;
}

void DecodeWipeReply(const uint8_t* frame, size_t length, WipeMembers& m)
{
    const ReplyView t = ReplyView::Text(frame, length);
    if (t[0] != 'w' || t[1] != 'r')
        return;
    if (const int run = t.DecimalAt(2, 4); run >= 0 && run <= 9999)
        m.runTime = run;
    if (t[6] == 'd')
        if (const int delay = t.DecimalAt(7, 2); delay >= 0 && delay <= 99)
            m.delay = delay;
    if (t[9] == 'm' && (t[10] == '0' || t[10] == '1'))
        m.module = t[10] - '0';
}
