#include "IlluminatorCodec.h"

#include "ReplyView.h"

void DecodeIlluminatorReply(const uint8_t* frame, size_t length, IlluminatorMembers& m)
{
    const ReplyView all = ReplyView::Frame(frame, length);
    const size_t textAt = all[1] == 254 ? 7 : 3;
    if (all.size <= textAt || all[textAt - 1] != 'i')
        return;
    const ReplyView t = all.From(textAt);
    if (t[0] == '0' || t[0] == '1')
        m.ir = t[0] - '0';
    if (t[1] == '0' || t[1] == '1')
        m.mode = t[1] - '0';
}
